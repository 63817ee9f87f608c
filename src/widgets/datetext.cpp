#include "widgets/datetext.h"

#include "storage/clock.h"

#include <QKeyEvent>
#include <array>

namespace {

// Two-digit years are read from 1970 on, so 00-69 land in 2000-2069.
constexpr int twoDigitYearPivot = 70;

// Qt reads "yy" as 19yy; the pivot is applied by rewriting the year as four
// digits and reading with the matching four-digit format, so that a leap day
// such as 2/29/00 is checked against 2000, not 1900.
QString withFourDigitYear(const QString& text)
{
    const qsizetype slash = text.lastIndexOf(QLatin1Char('/'));
    const QString year = text.mid(slash + 1);
    if (slash < 0 || year.size() != 2 || !year[0].isDigit() || !year[1].isDigit())
        return QString();
    const int twoDigits = year.toInt();
    const int century = twoDigits < twoDigitYearPivot ? 2000 : 1900;
    return text.left(slash + 1) + QString::number(century + twoDigits);
}

int daysBackToSunday(const QDate& date)
{
    return date.dayOfWeek() % 7;
}

int daysOnToSaturday(const QDate& date)
{
    return (Qt::Saturday - date.dayOfWeek() + 7) % 7;
}

} // namespace

QString registerDateText(const QDate& date)
{
    return date.toString(QStringLiteral("M/d/yyyy"));
}

std::optional<QDate> resolveTypedDate(const QString& text, int yearWhenMissing)
{
    struct Reading {
        QString format;
        bool twoDigitYear;
    };
    static const std::array<Reading, 4> readings = {{
        {QStringLiteral("M/d/yyyy"), false},
        {QStringLiteral("MM/dd/yyyy"), false},
        {QStringLiteral("M/d/yyyy"), true},
        {QStringLiteral("MM/dd/yyyy"), true},
    }};
    const QString trimmed = text.trimmed();
    if (yearWhenMissing > 0 && trimmed.count(QLatin1Char('/')) == 1)
        return resolveTypedDate(trimmed + QLatin1Char('/') + QString::number(yearWhenMissing));
    for (const Reading& reading : readings) {
        const QString candidate = reading.twoDigitYear ? withFourDigitYear(trimmed) : trimmed;
        const QDate date = QDate::fromString(candidate, reading.format);
        if (date.isValid())
            return date;
    }
    return std::nullopt;
}

std::optional<QDate> applyDateKey(const QString& keyText, const QDate& current)
{
    const QString key = keyText.toLower();
    const QDate date = current.isValid() ? current : Clock::today();
    if (key == QLatin1String("t"))
        return Clock::today();
    if (key == QLatin1String("+") || key == QLatin1String("="))
        return date.addDays(1);
    if (key == QLatin1String("-"))
        return date.addDays(-1);
    if (key == QLatin1String("m"))
        return QDate(date.year(), date.month(), 1);
    if (key == QLatin1String("h"))
        return QDate(date.year(), date.month(), date.daysInMonth());
    if (key == QLatin1String("y"))
        return QDate(date.year(), 1, 1);
    if (key == QLatin1String("r"))
        return QDate(date.year(), 12, 31);
    if (key == QLatin1String("w"))
        return date.addDays(-daysBackToSunday(date));
    if (key == QLatin1String("k"))
        return date.addDays(daysOnToSaturday(date));
    return std::nullopt;
}

std::optional<QDate> applyDateKey(const QKeyEvent* event, const QDate& current)
{
    const Qt::KeyboardModifiers commandModifiers = Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier;
    if (event->modifiers() & commandModifiers)
        return std::nullopt;
    return applyDateKey(event->text(), current);
}
