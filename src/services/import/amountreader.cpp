#include "services/import/amountreader.h"

#include "storage/money.h"

#include <QStringList>
#include <algorithm>

namespace {

// Whole-unit digits beyond this are out of range for any currency anyway;
// refusing them early keeps the arithmetic below in 64 bits.
constexpr int maxWholeDigits = 15;

bool isCurrencySign(QChar c)
{
    return c == QLatin1Char('$') || c == QChar(0x20AC) || c == QChar(0x00A3) || c == QChar(0x00A5) || c == QChar(0x00A2);
}

bool isDigits(const QString& text)
{
    for (const QChar c : text) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return false;
    }
    return true;
}

// Takes the sign off `text`: parentheses around the whole, then a leading
// "+" or "-" (a minus inside parentheses makes the amount positive again).
// White space and currency signs go, wherever they are.
QString withoutSign(const QString& text, bool& negative)
{
    QString value = text.trimmed();
    negative = false;
    if (value.size() >= 2 && value.startsWith(QLatin1Char('(')) && value.endsWith(QLatin1Char(')'))) {
        negative = true;
        value = value.mid(1, value.size() - 2);
    }
    QString kept;
    kept.reserve(value.size());
    for (const QChar c : value) {
        if (!c.isSpace() && !isCurrencySign(c))
            kept.append(c);
    }
    if (kept.startsWith(QLatin1Char('+'))) {
        kept.remove(0, 1);
    } else if (kept.startsWith(QLatin1Char('-'))) {
        kept.remove(0, 1);
        negative = !negative;
    }
    return kept;
}

// Splits "1234.56" at `decimalMark` into digits; none when anything but
// digits is left or there are no digits at all.
std::optional<DecimalAmount> splitDigits(const QString& number, QChar decimalMark, bool negative)
{
    DecimalAmount amount;
    amount.negative = negative;
    const qsizetype mark = decimalMark.isNull() ? -1 : number.indexOf(decimalMark);
    amount.whole = mark < 0 ? number : number.left(mark);
    amount.fraction = mark < 0 ? QString() : number.mid(mark + 1);
    if (!isDigits(amount.whole) || !isDigits(amount.fraction) || (amount.whole.isEmpty() && amount.fraction.isEmpty()))
        return std::nullopt;
    return amount;
}

// True when `number` cut at `separator` reads as thousands groups: 1 to 3
// digits first, then groups of exactly 3.
bool groupsThousands(const QString& number, QChar separator)
{
    const QStringList parts = number.split(separator);
    if (parts.first().isEmpty() || parts.first().size() > 3)
        return false;
    for (qsizetype i = 1; i < parts.size(); ++i) {
        if (parts.at(i).size() != 3)
            return false;
    }
    return true;
}

} // namespace

std::optional<qint64> DecimalAmount::toMinorUnits(Currency currency) const
{
    QString digits = whole;
    while (digits.size() > 1 && digits.startsWith(QLatin1Char('0')))
        digits.remove(0, 1);
    if (digits.size() > maxWholeDigits)
        return std::nullopt;
    const int decimals = currencyDecimals(currency);
    const QString kept = fraction.left(decimals).leftJustified(decimals, QLatin1Char('0'));
    const QString dropped = fraction.mid(decimals);
    // A currency without minor units has no place for a fraction of one.
    if (decimals == 0 && std::any_of(dropped.cbegin(), dropped.cend(), [](QChar c) { return c != QLatin1Char('0'); }))
        return std::nullopt;
    qint64 magnitude = digits.toLongLong() * minorUnitsPerMajor(currency) + (kept.isEmpty() ? 0 : kept.toLongLong());
    if (!dropped.isEmpty() && dropped.at(0) >= QLatin1Char('5'))
        ++magnitude;
    const qint64 amount = negative ? -magnitude : magnitude;
    if (!isValidAmount(amount))
        return std::nullopt;
    return amount;
}

std::optional<DecimalAmount> AmountReader::readEitherMark(const QString& text)
{
    bool negative = false;
    QString number = withoutSign(text, negative);
    if (number.isEmpty())
        return std::nullopt;
    if (number.contains(QLatin1Char('\''))) {
        const qsizetype point = number.indexOf(QLatin1Char('.'));
        if (!groupsThousands(point < 0 ? number : number.left(point), QLatin1Char('\'')))
            return std::nullopt;
        number.remove(QLatin1Char('\''));
    }
    const qsizetype lastPoint = number.lastIndexOf(QLatin1Char('.'));
    const qsizetype lastComma = number.lastIndexOf(QLatin1Char(','));
    if (lastPoint >= 0 && lastComma >= 0) {
        const QChar decimalMark = lastPoint > lastComma ? QLatin1Char('.') : QLatin1Char(',');
        const QChar groupMark = lastPoint > lastComma ? QLatin1Char(',') : QLatin1Char('.');
        if (number.count(decimalMark) != 1)
            return std::nullopt;
        number.remove(groupMark);
        return splitDigits(number, decimalMark, negative);
    }
    if (lastPoint < 0 && lastComma < 0)
        return splitDigits(number, QChar(), negative);
    const QChar mark = lastPoint >= 0 ? QLatin1Char('.') : QLatin1Char(',');
    const qsizetype last = qMax(lastPoint, lastComma);
    const bool groupsOnly = number.count(mark) > 1 || (number.size() - last - 1 == 3 && number.indexOf(mark) != 0);
    if (!groupsOnly)
        return splitDigits(number, mark, negative);
    if (!groupsThousands(number, mark))
        return std::nullopt;
    return splitDigits(number.remove(mark), QChar(), negative);
}

std::optional<DecimalAmount> AmountReader::readCommaFileCell(const QString& text)
{
    bool negative = false;
    QString number = withoutSign(text, negative);
    if (number.isEmpty())
        return DecimalAmount{false, QStringLiteral("0"), QString()};
    number.remove(QLatin1Char(','));
    return splitDigits(number, QLatin1Char('.'), negative);
}

std::optional<DecimalAmount> AmountReader::readSeparatedFileCell(const QString& text)
{
    if (text.trimmed().isEmpty())
        return DecimalAmount{false, QStringLiteral("0"), QString()};
    return readEitherMark(text);
}
