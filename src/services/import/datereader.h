#pragma once

#include <QDate>
#include <QString>
#include <QStringList>

// Which of the first two numbers of a QIF date is the month.
enum class QifDateOrder {
    Automatic = 0,
    MonthFirst = 1,
    DayFirst = 2,
};

// The date readers of the import.
class DateReader
{
public:
    // The patterns a CSV date column can be read with, the default first.
    static QStringList csvPatterns();
    // `text` read with `pattern`; a two-digit year is 2000-2069 for 00-69
    // and 1970-1999 for 70-99. A time after the date ("2002-09-10T23:00:04")
    // is ignored. Invalid when the text does not fit the pattern.
    static QDate readCsv(const QString& text, const QString& pattern);
    // The first pattern of csvPatterns() that reads every one of `cells`
    // (empty cells aside); failing that, the one that reads the most. Empty
    // when none reads any.
    static QString proposePattern(const QStringList& cells);

    // A QIF date such as "1/15'24", "15.01.99" or "2024-01-15", the first
    // two numbers taken in `order`. Invalid when it is no calendar date.
    static QDate readQif(const QString& text, QifDateOrder order);
    // Day-first when the first number of any of the D lines among `lines`
    // is above 12, else month-first.
    static QifDateOrder detectQifOrder(const QStringList& lines);
};
