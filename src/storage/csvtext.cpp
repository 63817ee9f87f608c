#include "storage/csvtext.h"

#include "storage/money.h"

#include <algorithm>

QString csvCell(const QString& text)
{
    static const QString needsQuotes = QStringLiteral(",\"\r\n");
    if (std::none_of(text.cbegin(), text.cend(), [](QChar c) { return needsQuotes.contains(c); }))
        return text;
    return QLatin1Char('"') + QString(text).replace(QLatin1Char('"'), QStringLiteral("\"\"")) + QLatin1Char('"');
}

QString formulaSafe(const QString& text)
{
    static const QString formulaStarts = QStringLiteral("=+-@\t\r");
    if (!text.isEmpty() && formulaStarts.contains(text.front()))
        return QLatin1Char('\'') + text;
    return text;
}

QString csvTextCell(const QString& text)
{
    return csvCell(formulaSafe(text));
}

QString csvAmountCell(qint64 minorUnits, Currency currency)
{
    return formatAmount(minorUnits, currency, AmountFormat::english()).remove(AmountFormat::english().groupSeparator);
}

QString csvRecord(const QStringList& cells)
{
    return cells.join(QLatin1Char(',')) + QLatin1Char('\n');
}
