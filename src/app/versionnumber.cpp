#include "app/versionnumber.h"

#include <QStringList>

VersionNumber::VersionNumber(int majorPart, int minorPart, int patchPart)
    : m_major(majorPart)
    , m_minor(minorPart)
    , m_patch(patchPart)
{
}

VersionNumber VersionNumber::fromText(const QString& text)
{
    const QStringList parts = text.split(QLatin1Char('.'));
    if (parts.size() > 3)
        return {};
    // A part that is not a number reads as 0, like a missing one.
    auto part = [&parts](qsizetype index) { return index < parts.size() ? parts.at(index).toInt() : 0; };
    return {part(0), part(1), part(2)};
}
