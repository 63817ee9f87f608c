#include "services/import/csvrowreader.h"

#include "services/import/amountreader.h"
#include "services/import/datereader.h"
#include "storage/money.h"
#include "storage/textlimits.h"

namespace {

QString cell(const QStringList& cells, int column)
{
    return column >= 0 && column < cells.size() ? cells.at(column) : QString();
}

bool hasCell(const QStringList& cells, int column)
{
    return column >= 0 && column < cells.size();
}

std::optional<qint64> readAmountCell(const QString& text, QChar separator, Currency currency)
{
    const std::optional<DecimalAmount> number = separator == QLatin1Char(',')
        ? AmountReader::readCommaFileCell(text)
        : AmountReader::readSeparatedFileCell(text);
    return number ? number->toMinorUnits(currency) : std::nullopt;
}

std::optional<CsvRow> refused(QString* problem, const QString& reason)
{
    if (problem)
        *problem = reason;
    return std::nullopt;
}

} // namespace

std::optional<CsvRow> CsvRowReader::read(
    const QStringList& cells, const CsvMapping& mapping, Currency currency, QString* problem)
{
    if (!hasCell(cells, mapping.dateColumn) || !hasCell(cells, mapping.payeeColumn)
        || !hasCell(cells, mapping.amountColumn)) {
        return refused(problem, tr("No date, payee or amount in this row"));
    }
    CsvRow row;
    row.date = DateReader::readCsv(cells.at(mapping.dateColumn), mapping.dateFormat);
    if (!row.date.isValid())
        return refused(problem, tr("\"%1\" is not a date written %2").arg(cells.at(mapping.dateColumn), mapping.dateFormat));
    const std::optional<qint64> value = amount(cells, mapping, currency);
    if (!value)
        return refused(problem, tr("\"%1\" is not an amount").arg(cells.at(mapping.amountColumn)));
    row.amount = *value;
    row.payee = cells.at(mapping.payeeColumn);
    row.memo = cell(cells, mapping.memoColumn);
    row.category = cell(cells, mapping.categoryColumn);
    if (row.payee.size() > maxNameLength || row.category.size() > maxNameLength || row.memo.size() > maxMemoLength)
        return refused(problem, tr("A text in this row is too long"));
    return row;
}

std::optional<qint64> CsvRowReader::amount(const QStringList& cells, const CsvMapping& mapping, Currency currency)
{
    const std::optional<qint64> first = readAmountCell(cell(cells, mapping.amountColumn), mapping.separator, currency);
    if (!first || !mapping.hasDebitAndCredit())
        return first;
    const std::optional<qint64> credit = readAmountCell(cell(cells, mapping.creditColumn), mapping.separator, currency);
    if (!credit)
        return std::nullopt;
    const qint64 total = *credit - std::abs(*first);
    return isValidAmount(total) ? std::optional<qint64>(total) : std::nullopt;
}
