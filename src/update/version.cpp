#include "update/version.h"

#include <QStringList>
#include <optional>

namespace KestUpdate {

namespace {

std::optional<Version> parsed(const QString& text)
{
    const QStringList parts = text.split(QLatin1Char('.'));
    if (parts.isEmpty() || parts.size() > 3)
        return std::nullopt;
    int numbers[3] = {0, 0, 0};
    for (qsizetype i = 0; i < parts.size(); ++i) {
        bool isNumber = false;
        numbers[i] = parts.at(i).toInt(&isNumber, 10);
        if (!isNumber)
            return std::nullopt;
    }
    return Version(numbers[0], numbers[1], numbers[2]);
}

} // namespace

Version::Version(int majorPart, int minorPart, int patchPart)
    : m_major(majorPart)
    , m_minor(minorPart)
    , m_patch(patchPart)
{
}

Version Version::fromText(const QString& text)
{
    return parsed(text).value_or(Version());
}

bool Version::isWellFormed(const QString& text)
{
    return parsed(text).has_value();
}

} // namespace KestUpdate
