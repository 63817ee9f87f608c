#include "services/import/datereader.h"

#include <QList>
#include <optional>

namespace {

constexpr int centuryPivot = 70;

int fullYear(int year)
{
    if (year >= 100)
        return year;
    return year < centuryPivot ? 2000 + year : 1900 + year;
}

// The parts of a QIF date: separators made one, spaces dropped.
QStringList qifDateParts(const QString& text)
{
    QString normalised = text.trimmed();
    normalised.replace(QLatin1Char('-'), QLatin1Char('/'))
        .replace(QLatin1Char('.'), QLatin1Char('/'))
        .replace(QLatin1Char('\''), QLatin1Char('/'));
    normalised.remove(QLatin1Char(' '));
    return normalised.split(QLatin1Char('/'), Qt::SkipEmptyParts);
}

std::optional<int> decimal(const QString& part)
{
    bool ok = false;
    const int value = part.toInt(&ok, 10);
    if (!ok || part.startsWith(QLatin1Char('+')) || part.startsWith(QLatin1Char('-')))
        return std::nullopt;
    return value;
}

// Dates are stored as "yyyy-MM-dd": a year of other than four digits has
// no place there.
QDate storable(const QDate& date)
{
    return date.isValid() && date.year() >= 1000 && date.year() <= 9999 ? date : QDate();
}

} // namespace

QStringList DateReader::csvPatterns()
{
    return {QStringLiteral("MM/dd/yyyy"), QStringLiteral("dd/MM/yyyy"), QStringLiteral("yyyy-MM-dd"),
        QStringLiteral("MM/dd/yy"), QStringLiteral("M/d/yyyy"), QStringLiteral("dd.MM.yyyy"),
        QStringLiteral("d/M/yyyy"), QStringLiteral("d MMM yyyy")};
}

QDate DateReader::readCsv(const QString& text, const QString& pattern)
{
    const QString cell = text.trimmed();
    QDate date = QDate::fromString(cell, pattern);
    if (!date.isValid() && cell.contains(QLatin1Char('T')))
        date = QDate::fromString(cell.section(QLatin1Char('T'), 0, 0), pattern);
    if (!date.isValid() || pattern.contains(QLatin1String("yyyy")))
        return storable(date);
    return storable(QDate(fullYear(date.year() % 100), date.month(), date.day()));
}

QString DateReader::proposePattern(const QStringList& cells)
{
    QString best;
    qsizetype bestRead = 0;
    qsizetype nonEmpty = 0;
    for (const QString& cell : cells)
        nonEmpty += cell.isEmpty() ? 0 : 1;
    for (const QString& pattern : csvPatterns()) {
        qsizetype read = 0;
        for (const QString& cell : cells)
            read += !cell.isEmpty() && readCsv(cell, pattern).isValid() ? 1 : 0;
        if (read == nonEmpty && read > 0)
            return pattern;
        if (read > bestRead) {
            best = pattern;
            bestRead = read;
        }
    }
    return best;
}

QDate DateReader::readQif(const QString& text, QifDateOrder order)
{
    const QStringList parts = qifDateParts(text);
    if (parts.size() < 3)
        return {};
    const std::optional<int> a = decimal(parts.at(0));
    const std::optional<int> b = decimal(parts.at(1));
    const std::optional<int> c = decimal(parts.at(2));
    if (!a || !b || !c)
        return {};
    if (parts.at(0).size() == 4)
        return storable(QDate(*a, *b, *c));
    const bool dayFirst = order == QifDateOrder::DayFirst || (order == QifDateOrder::Automatic && *a > 12);
    const int day = dayFirst ? *a : *b;
    const int month = dayFirst ? *b : *a;
    const bool fourDigitYear = parts.at(2).size() == 4 || *c > 31;
    const int year = fourDigitYear ? fullYear(*c) : 2000 + *c;
    return storable(QDate(year, month, day));
}

QifDateOrder DateReader::detectQifOrder(const QStringList& lines)
{
    for (const QString& line : lines) {
        if (!line.startsWith(QLatin1Char('D')))
            continue;
        const QStringList parts = qifDateParts(line.mid(1));
        if (parts.isEmpty() || parts.first().size() == 4)
            continue;
        if (decimal(parts.first()).value_or(0) > 12)
            return QifDateOrder::DayFirst;
    }
    return QifDateOrder::MonthFirst;
}
