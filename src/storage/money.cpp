#include "storage/money.h"

#include <QLocale>
#include <algorithm>
#include <cmath>

namespace {

// Enough digits for any household amount while keeping every product below
// the qint64 limit.
constexpr int maxWholeDigits = 15;

bool allDigits(QStringView text)
{
    for (QChar c : text) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return false;
    }
    return true;
}

// Reads "123", "123.4", ".45" or "123." exactly (no floating point), scaled
// to `decimals` fractional digits and rounded half away from zero.
std::optional<qint64> parseUnsignedDecimal(QStringView text, int decimals)
{
    const qsizetype point = text.indexOf(QLatin1Char('.'));
    const QStringView whole = point < 0 ? text : text.left(point);
    const QStringView fraction = point < 0 ? QStringView() : text.mid(point + 1);
    if (whole.isEmpty() && fraction.isEmpty())
        return std::nullopt;
    if (!allDigits(whole) || !allDigits(fraction) || whole.size() > maxWholeDigits)
        return std::nullopt;
    if (decimals == 0 && point >= 0)
        return std::nullopt;

    qint64 value = whole.isEmpty() ? 0 : whole.toLongLong();
    for (int i = 0; i < decimals; ++i) {
        const int digit = i < fraction.size() ? fraction[i].digitValue() : 0;
        value = value * 10 + digit;
    }
    if (fraction.size() > decimals && fraction[decimals].digitValue() >= 5)
        ++value;
    return value;
}

} // namespace

bool isValidAmount(qint64 minorUnits)
{
    return minorUnits >= -maxAmountMinorUnits && minorUnits <= maxAmountMinorUnits;
}

CheckedSum checkedAdd(qint64 a, qint64 b)
{
    qint64 sum = 0;
    if (__builtin_add_overflow(a, b, &sum))
        return std::nullopt;
    return sum;
}

CheckedSum checkedAdd(CheckedSum sum, qint64 amount)
{
    return sum ? checkedAdd(*sum, amount) : std::nullopt;
}

QString currencySymbol(Currency currency)
{
    switch (currency) {
    case Currency::EUR: return QStringLiteral("€");
    case Currency::GBP: return QStringLiteral("£");
    case Currency::JPY: return QStringLiteral("¥");
    case Currency::USD:
    case Currency::CAD:
    case Currency::AUD: break;
    }
    return QStringLiteral("$");
}

int currencyDecimals(Currency currency)
{
    return currency == Currency::JPY ? 0 : 2;
}

qint64 minorUnitsPerMajor(Currency currency)
{
    return currency == Currency::JPY ? 1 : 100;
}

AmountFormat AmountFormat::shown()
{
    const QLocale locale;
    AmountFormat format;
    if (!locale.decimalPoint().isEmpty())
        format.decimalPoint = locale.decimalPoint().front();
    if (!locale.groupSeparator().isEmpty())
        format.groupSeparator = locale.groupSeparator().front();
    return format;
}

QString formatAmount(qint64 minorUnits, Currency currency, const AmountFormat& format)
{
    static const QLocale english(QLocale::English);
    // Work in unsigned space so the most negative value still has a magnitude.
    const quint64 magnitude = minorUnits < 0 ? 0 - static_cast<quint64>(minorUnits) : static_cast<quint64>(minorUnits);
    const QString sign = minorUnits < 0 ? QStringLiteral("-") : QString();
    const auto perMajor = static_cast<quint64>(minorUnitsPerMajor(currency));
    const QString units = english.toString(magnitude / perMajor).replace(QLatin1Char(','), format.groupSeparator);
    if (perMajor == 1)
        return sign + units;
    return sign + QStringLiteral("%1%2%3").arg(units, format.decimalPoint).arg(magnitude % perMajor, 2, 10, QLatin1Char('0'));
}

QString formatCurrency(qint64 minorUnits, Currency currency, const AmountFormat& format)
{
    const QString digits = formatAmount(minorUnits, currency, format);
    if (minorUnits < 0)
        return QStringLiteral("-%1%2").arg(currencySymbol(currency), digits.mid(1));
    return QStringLiteral("%1%2").arg(currencySymbol(currency), digits);
}

namespace {

// "1,234,567.89" groups thousands with its commas. In "12,50" the comma can
// only be a decimal comma, and dropping it would read the amount a hundred
// times too large, so such text is no amount.
bool commasGroupThousands(const QString& number)
{
    const qsizetype point = number.indexOf(QLatin1Char('.'));
    if (point >= 0 && number.indexOf(QLatin1Char(','), point) >= 0)
        return false;
    const QStringList groups = (point < 0 ? number : number.left(point)).split(QLatin1Char(','));
    if (groups.size() == 1)
        return true;
    if (groups.first().isEmpty() || groups.first().size() > 3)
        return false;
    return std::all_of(groups.cbegin() + 1, groups.cend(), [](const QString& group) { return group.size() == 3; });
}

bool isSpace(QChar c)
{
    return c == QLatin1Char(' ') || c == QChar(0x00A0) || c == QChar(0x202F);
}

// The number in English marks: "." for the decimal mark and "," for the
// group mark. A "." or "," that is neither in `format` can't be read one
// obvious way and makes the text no number.
QString inEnglishMarks(const QString& number, const AmountFormat& format)
{
    QString english;
    english.reserve(number.size());
    for (const QChar c : number) {
        if (c == format.decimalPoint)
            english.append(QLatin1Char('.'));
        else if (c == format.groupSeparator || (isSpace(format.groupSeparator) && isSpace(c)))
            english.append(QLatin1Char(','));
        else if (c == QLatin1Char('.') || c == QLatin1Char(','))
            english.append(QLatin1Char('?'));
        else
            english.append(c);
    }
    return english;
}

} // namespace

std::optional<qint64> tryParseAmount(const QString& text, Currency currency, const AmountFormat& format)
{
    QString cleaned = text;
    cleaned.remove(currencySymbol(currency));
    cleaned = cleaned.trimmed();
    if (cleaned.isEmpty())
        return 0;
    const bool negative = cleaned.startsWith(QLatin1Char('-'));
    if (negative)
        cleaned = cleaned.mid(1).trimmed();
    cleaned = inEnglishMarks(cleaned, format);
    if (!commasGroupThousands(cleaned))
        return std::nullopt;
    cleaned.remove(QLatin1Char(','));
    const auto magnitude = parseUnsignedDecimal(cleaned, currencyDecimals(currency));
    if (!magnitude)
        return std::nullopt;
    const qint64 amount = negative ? -*magnitude : *magnitude;
    if (!isValidAmount(amount))
        return std::nullopt;
    return amount;
}

qint64 parseAmount(const QString& text, Currency currency)
{
    return tryParseAmount(text, currency).value_or(0);
}

double toMajorUnits(qint64 minorUnits, Currency currency)
{
    return static_cast<double>(minorUnits) / static_cast<double>(minorUnitsPerMajor(currency));
}

std::optional<qint64> fromMajorUnits(double majorUnits, Currency currency)
{
    // std::round rounds half away from zero, matching parseAmount. The range
    // is checked on the double (NaN fails it too), before a conversion that
    // could overflow.
    const double minorUnits = std::round(majorUnits * static_cast<double>(minorUnitsPerMajor(currency)));
    if (!(std::abs(minorUnits) <= static_cast<double>(maxAmountMinorUnits)))
        return std::nullopt;
    return static_cast<qint64>(minorUnits);
}
