#pragma once

#include "storage/enums.h"

#include <QString>
#include <optional>

// Money is a signed count of a currency's minor units (cents; whole yen for
// JPY). These helpers are the only conversions between amounts and text or
// the doubles of a spin box.

// The largest amount the program holds, in minor units of any currency: a
// hundred billion dollars or ten trillion yen. Amounts beyond it either way
// are not valid wherever they are typed or read.
constexpr qint64 maxAmountMinorUnits = 10'000'000'000'000;
bool isValidAmount(qint64 minorUnits);

// A sum of amounts, or none when the true sum lies beyond what a qint64
// holds: such a balance is shown as an error, never as a wrapped number.
using CheckedSum = std::optional<qint64>;
CheckedSum checkedAdd(qint64 a, qint64 b);
// Adds `amount` to a sum that may already be out of range.
CheckedSum checkedAdd(CheckedSum sum, qint64 amount);

QString currencySymbol(Currency currency);
// Digits after the decimal point: 0 for JPY, 2 for the others.
int currencyDecimals(Currency currency);
// Minor units in one major unit: 1 for JPY, 100 for the others.
qint64 minorUnitsPerMajor(Currency currency);

// The marks amounts are written with: the English "1,234.56" in stored and
// exchanged text, the interface language's own ("1.234,56" in German) in
// what the user reads and types.
struct AmountFormat
{
    QChar decimalPoint = QLatin1Char('.');
    QChar groupSeparator = QLatin1Char(',');

    static AmountFormat english() { return {}; }
    // The marks of the default locale, which follows the interface language.
    static AmountFormat shown();
};

// "1,234.56" (or "1,500" for JPY), with a leading "-" when negative; no symbol.
QString formatAmount(qint64 minorUnits, Currency currency, const AmountFormat& format = AmountFormat::english());
// "$1,234.56" or "-$1,234.56".
QString formatCurrency(qint64 minorUnits, Currency currency, const AmountFormat& format = AmountFormat::english());

// Reads typed or imported text: the currency's symbol and the group marks
// are ignored, a leading "-" makes the amount negative, extra decimals round
// half away from zero. Empty text is 0. Text that is not a number, a group
// mark out of its thousands place, or a number beyond the valid range gives
// no value.
std::optional<qint64> tryParseAmount(const QString& text, Currency currency,
    const AmountFormat& format = AmountFormat::english());
// As tryParseAmount, with text that gives no value read as 0.
qint64 parseAmount(const QString& text, Currency currency);

// The spin-box edge: major units as shown in a form, and back, rounded to
// the nearest minor unit; none when that lies beyond the valid range.
double toMajorUnits(qint64 minorUnits, Currency currency);
std::optional<qint64> fromMajorUnits(double majorUnits, Currency currency);
