#include "services/import/csvmapping.h"

#include "services/import/datereader.h"

namespace {

const QString dateKey = QStringLiteral("date");
const QString payeeKey = QStringLiteral("payee");
const QString amountKey = QStringLiteral("amount");
const QString memoKey = QStringLiteral("memo");
const QString categoryKey = QStringLiteral("category");
const QString creditKey = QStringLiteral("credit");
const QString headerKey = QStringLiteral("header");
const QString dateFormatKey = QStringLiteral("dateFormat");
const QString separatorKey = QStringLiteral("separator");
const QString preambleKey = QStringLiteral("preamble");

// A file has no more columns than this in practice; a stored preference
// claiming more is damaged.
constexpr int maxColumn = 1000;

std::optional<int> column(const QJsonObject& json, const QString& key, int lowest)
{
    const QJsonValue value = json.value(key);
    if (!value.isDouble())
        return std::nullopt;
    const int number = value.toInt(lowest - 1);
    if (number < lowest || number > maxColumn)
        return std::nullopt;
    return number;
}

} // namespace

QJsonObject CsvMapping::toJson() const
{
    return {{dateKey, dateColumn}, {payeeKey, payeeColumn}, {amountKey, amountColumn}, {memoKey, memoColumn},
        {categoryKey, categoryColumn}, {creditKey, creditColumn}, {headerKey, hasHeader}, {dateFormatKey, dateFormat},
        {separatorKey, QString(separator)}, {preambleKey, preambleRows}};
}

std::optional<CsvMapping> CsvMapping::fromJson(const QJsonObject& json)
{
    const std::optional<int> date = column(json, dateKey, 0);
    const std::optional<int> payee = column(json, payeeKey, 0);
    const std::optional<int> amount = column(json, amountKey, 0);
    const std::optional<int> memo = column(json, memoKey, -1);
    const std::optional<int> category = column(json, categoryKey, -1);
    const std::optional<int> credit = column(json, creditKey, -1);
    const std::optional<int> preamble = column(json, preambleKey, 0);
    const QString format = json.value(dateFormatKey).toString();
    const QString separator = json.value(separatorKey).toString();
    const bool knownSeparator = separator == QLatin1String(",") || separator == QLatin1String(";")
        || separator == QLatin1String("\t");
    if (!date || !payee || !amount || !memo || !category || !credit || !preamble || !json.value(headerKey).isBool()
        || !DateReader::csvPatterns().contains(format) || !knownSeparator)
        return std::nullopt;
    CsvMapping mapping;
    mapping.dateColumn = *date;
    mapping.payeeColumn = *payee;
    mapping.amountColumn = *amount;
    mapping.memoColumn = *memo;
    mapping.categoryColumn = *category;
    mapping.creditColumn = *credit;
    mapping.hasHeader = json.value(headerKey).toBool();
    mapping.dateFormat = format;
    mapping.separator = separator.at(0);
    mapping.preambleRows = *preamble;
    return mapping;
}
