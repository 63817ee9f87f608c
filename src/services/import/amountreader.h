#pragma once

#include "storage/enums.h"

#include <QString>
#include <optional>

// A number read from a bank file, kept as its decimal digits until the
// target account's currency says what its minor unit is: "1500" is ¥1,500 in
// a yen account and $1,500.00 in a dollar account.
struct DecimalAmount
{
    bool negative = false;
    QString whole;    // digits before the decimal mark, possibly empty
    QString fraction; // digits after it, possibly empty

    // The amount in minor units of `currency`; extra decimals round half away
    // from zero. None when the currency has no minor unit for a fraction that
    // is not zero (half a yen), or the amount lies beyond the valid range.
    std::optional<qint64> toMinorUnits(Currency currency) const;
};

// The amount readers of the import, for the marks bank files write.
class AmountReader
{
public:
    // The QIF reading: parentheses make a negative amount, currency signs and
    // white space are ignored, and of "." and "," the later one is the
    // decimal mark ("1,234.56" and "1.234,56" alike); a single mark followed
    // by exactly three digits groups thousands ("1.234" is 1234). Apostrophes
    // group thousands too ("11'373.94"). None for text that is no number.
    static std::optional<DecimalAmount> readEitherMark(const QString& text);
    // A cell of a comma-separated file: every comma groups thousands and "."
    // is the decimal mark. Parentheses, a "+" or "-" sign (also before or
    // after the currency sign) and currency signs are understood. Empty text
    // is zero.
    static std::optional<DecimalAmount> readCommaFileCell(const QString& text);
    // A cell of a semicolon- or tab-separated file, which may use a decimal
    // comma ("-18,00", "1.234,56"). Empty text is zero.
    static std::optional<DecimalAmount> readSeparatedFileCell(const QString& text);
};
