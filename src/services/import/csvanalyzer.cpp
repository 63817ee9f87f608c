#include "services/import/csvanalyzer.h"

#include "services/import/amountreader.h"
#include "services/import/csvtokenizer.h"
#include "services/import/datereader.h"

#include <QSet>
#include <algorithm>

namespace {

// Enough rows to judge a column by, few enough to stay instant on a large file.
constexpr int sampledRows = 200;

QStringList columnCells(const QList<QStringList>& rows, int column)
{
    QStringList cells;
    for (const QStringList& row : rows)
        cells.append(column < row.size() ? row.at(column) : QString());
    return cells;
}

int columnCount(const QList<QStringList>& rows)
{
    qsizetype widest = 0;
    for (const QStringList& row : rows)
        widest = std::max(widest, row.size());
    return int(widest);
}

bool readsAsDate(const QString& cell)
{
    const QStringList patterns = DateReader::csvPatterns();
    return std::any_of(patterns.cbegin(), patterns.cend(),
        [&cell](const QString& pattern) { return DateReader::readCsv(cell, pattern).isValid(); });
}

bool hasDecimalMark(const QString& cell)
{
    const qsizetype mark = std::max(cell.lastIndexOf(QLatin1Char('.')), cell.lastIndexOf(QLatin1Char(',')));
    return mark >= 0 && cell.size() - mark - 1 <= 2 && cell.size() - mark - 1 >= 1;
}

// Every non-empty cell reads as an amount and at least one has decimals:
// account numbers and reference numbers have none.
bool isAmountColumn(const QStringList& cells, QChar separator)
{
    bool anyDecimals = false;
    for (const QString& cell : cells) {
        if (cell.isEmpty())
            continue;
        const std::optional<DecimalAmount> amount = separator == QLatin1Char(',')
            ? AmountReader::readCommaFileCell(cell)
            : AmountReader::readSeparatedFileCell(cell);
        if (!amount || readsAsDate(cell))
            return false;
        anyDecimals = anyDecimals || hasDecimalMark(cell);
    }
    return anyDecimals;
}

// Two columns that never both hold a value in one row, and each holds one
// somewhere: money out and money in.
bool complementary(const QStringList& first, const QStringList& second)
{
    bool firstUsed = false;
    bool secondUsed = false;
    for (qsizetype i = 0; i < first.size(); ++i) {
        if (!first.at(i).isEmpty() && !second.at(i).isEmpty())
            return false;
        firstUsed = firstUsed || !first.at(i).isEmpty();
        secondUsed = secondUsed || !second.at(i).isEmpty();
    }
    return firstUsed && secondUsed;
}

int distinctValues(const QStringList& cells)
{
    QSet<QString> values;
    for (const QString& cell : cells) {
        if (!cell.isEmpty())
            values.insert(cell);
    }
    return int(values.size());
}

// The header column whose name contains one of `words`, preferring the one
// with the most different values; -1 when none is named so.
int namedColumn(const QStringList& header, const QList<QStringList>& rows, const QStringList& words, const QSet<int>& taken)
{
    int best = -1;
    int bestDistinct = -1;
    for (int column = 0; column < header.size(); ++column) {
        const QString name = header.at(column).toLower();
        const bool named = std::any_of(words.cbegin(), words.cend(), [&name](const QString& word) { return name.contains(word); });
        if (!named || taken.contains(column))
            continue;
        const int distinct = distinctValues(columnCells(rows, column));
        if (distinct > bestDistinct) {
            best = column;
            bestDistinct = distinct;
        }
    }
    return best;
}

// The column of words that tells rows apart best: the payee, as far as the
// content shows.
int likelyPayeeColumn(const QList<QStringList>& rows, const QSet<int>& taken)
{
    int best = -1;
    qsizetype bestScore = 0;
    for (int column = 0; column < columnCount(rows); ++column) {
        if (taken.contains(column))
            continue;
        const QStringList cells = columnCells(rows, column);
        qsizetype letters = 0;
        for (const QString& cell : cells)
            letters += std::count_if(cell.cbegin(), cell.cend(), [](QChar c) { return c.isLetter(); });
        const qsizetype score = letters > 0 ? distinctValues(cells) * 1000 + std::min<qsizetype>(letters, 999) : 0;
        if (score > bestScore) {
            best = column;
            bestScore = score;
        }
    }
    return best;
}

void proposeDate(const QList<QStringList>& rows, CsvMapping& mapping)
{
    qsizetype bestRead = 0;
    for (int column = 0; column < columnCount(rows); ++column) {
        const QStringList cells = columnCells(rows, column);
        const QString pattern = DateReader::proposePattern(cells);
        if (pattern.isEmpty())
            continue;
        const qsizetype read = std::count_if(cells.cbegin(), cells.cend(),
            [&pattern](const QString& cell) { return DateReader::readCsv(cell, pattern).isValid(); });
        if (read > bestRead) {
            bestRead = read;
            mapping.dateColumn = column;
            mapping.dateFormat = pattern;
        }
    }
}

void proposeAmountsByContent(const QList<QStringList>& rows, CsvMapping& mapping)
{
    QList<int> amountColumns;
    for (int column = 0; column < columnCount(rows); ++column) {
        if (column != mapping.dateColumn && isAmountColumn(columnCells(rows, column), mapping.separator))
            amountColumns.append(column);
    }
    if (amountColumns.isEmpty())
        return;
    for (qsizetype i = 0; i + 1 < amountColumns.size(); ++i) {
        const int debit = amountColumns.at(i);
        const int credit = amountColumns.at(i + 1);
        if (credit == debit + 1 && complementary(columnCells(rows, debit), columnCells(rows, credit))) {
            mapping.amountColumn = debit;
            mapping.creditColumn = credit;
            return;
        }
    }
    mapping.amountColumn = amountColumns.first();
}

QStringList words(std::initializer_list<const char*> list)
{
    QStringList result;
    for (const char* word : list)
        result.append(QString::fromUtf8(word));
    return result;
}

void proposeByHeader(const QStringList& header, const QList<QStringList>& rows, CsvMapping& mapping)
{
    QSet<int> taken{mapping.dateColumn};
    const int debit = namedColumn(header, rows, words({"debit", "débit", "withdrawal", "soll", "paid out", "money out"}), taken);
    const int credit = namedColumn(header, rows, words({"credit", "crédit", "deposit", "haben", "paid in", "money in"}), taken);
    const int amount = namedColumn(header, rows, words({"amount", "betrag", "montant", "gross", "importe"}), taken);
    if (debit >= 0 && credit >= 0) {
        mapping.amountColumn = debit;
        mapping.creditColumn = credit;
    } else if (amount >= 0) {
        mapping.amountColumn = amount;
    }
    taken.unite({mapping.amountColumn, mapping.creditColumn});
    mapping.memoColumn = namedColumn(header, rows, words({"memo", "note", "verwendungszweck"}), taken);
    taken.insert(mapping.memoColumn);
    mapping.categoryColumn = namedColumn(header, rows, words({"category", "kategorie", "catégorie"}), taken);
    taken.insert(mapping.categoryColumn);
    mapping.payeeColumn = namedColumn(header, rows, words({"payee", "name", "description", "merchant", "beschreibung", "libellé"}), taken);
}

// The rows that hold a transaction, not a summary or a note.
QList<QStringList> datedRows(const QList<QStringList>& rows, const CsvMapping& mapping)
{
    QList<QStringList> dated;
    for (const QStringList& row : rows) {
        if (DateReader::readCsv(row.value(mapping.dateColumn), mapping.dateFormat).isValid())
            dated.append(row);
    }
    return dated;
}

} // namespace

CsvPreview CsvAnalyzer::preview(const QString& text, std::optional<QChar> separator)
{
    CsvPreview preview;
    preview.mapping.separator = separator.value_or(CsvTokenizer::detectSeparator(text));
    preview.rows = CsvTokenizer::rows(text, preview.mapping.separator);
    const int preamble = proposePreamble(preview.rows);
    const CsvMapping columns = proposeColumns(preview.rows.mid(preamble), preview.mapping.separator);
    preview.mapping = columns;
    preview.mapping.preambleRows = preamble;
    return preview;
}

int CsvAnalyzer::proposePreamble(const QList<QStringList>& rows)
{
    const int widest = columnCount(rows);
    int preamble = 0;
    while (preamble < rows.size() && rows.at(preamble).size() * 2 <= widest)
        ++preamble;
    return preamble == rows.size() ? 0 : preamble;
}

bool CsvAnalyzer::looksLikeHeader(const QStringList& row)
{
    return std::none_of(row.cbegin(), row.cend(), [](const QString& cell) {
        return readsAsDate(cell) || AmountReader::readEitherMark(cell).has_value();
    });
}

CsvMapping CsvAnalyzer::proposeColumns(const QList<QStringList>& rows, QChar separator)
{
    CsvMapping mapping;
    mapping.separator = separator;
    mapping.payeeColumn = -1;
    mapping.hasHeader = !rows.isEmpty() && looksLikeHeader(rows.first());
    const QList<QStringList> data = rows.mid(mapping.hasHeader ? 1 : 0, sampledRows);
    proposeDate(data, mapping);
    proposeAmountsByContent(data, mapping);
    if (mapping.hasHeader)
        proposeByHeader(rows.first(), data, mapping);
    QSet<int> taken{mapping.dateColumn, mapping.amountColumn, mapping.creditColumn, mapping.memoColumn, mapping.categoryColumn};
    if (mapping.payeeColumn < 0)
        mapping.payeeColumn = std::max(0, likelyPayeeColumn(datedRows(data, mapping), taken));
    return mapping;
}
