#include "services/import/csvtokenizer.h"

#include <QHash>

namespace {

constexpr int linesForDetection = 20;

void endField(QString& field, QStringList& row)
{
    row.append(field.trimmed());
    field.clear();
}

void endRow(QStringList& row, QList<QStringList>& rows)
{
    const bool emptyLine = row.size() == 1 && row.first().isEmpty();
    if (!emptyLine)
        rows.append(row);
    row.clear();
}

// The first lines of `text`, cut at line feeds outside quotes.
QString leadingLines(const QString& text, int count)
{
    bool quoted = false;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text.at(i) == QLatin1Char('"'))
            quoted = !quoted;
        else if (text.at(i) == QLatin1Char('\n') && !quoted && --count == 0)
            return text.left(i);
    }
    return text;
}

} // namespace

QList<QStringList> CsvTokenizer::rows(const QString& text, QChar separator)
{
    QList<QStringList> rows;
    QStringList row;
    QString field;
    bool quoted = false;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (quoted) {
            if (c != QLatin1Char('"'))
                field.append(c);
            else if (i + 1 < text.size() && text.at(i + 1) == QLatin1Char('"'))
                field.append(text.at(++i));
            else
                quoted = false;
        } else if (c == QLatin1Char('"')) {
            quoted = true;
        } else if (c == separator) {
            endField(field, row);
        } else if (c == QLatin1Char('\n')) {
            endField(field, row);
            endRow(row, rows);
        } else if (c != QLatin1Char('\r')) {
            field.append(c);
        }
    }
    if (!field.isEmpty() || !row.isEmpty()) {
        endField(field, row);
        endRow(row, rows);
    }
    return rows;
}

QChar CsvTokenizer::detectSeparator(const QString& text)
{
    const QString sample = leadingLines(text, linesForDetection);
    QChar best = QLatin1Char(',');
    qsizetype bestScore = 0;
    for (const QChar candidate : {QLatin1Char(','), QLatin1Char(';'), QLatin1Char('\t')}) {
        // The separator cuts most lines into the same number of fields; a
        // decimal comma cuts them too, but into fewer.
        QHash<qsizetype, qsizetype> linesByFieldCount;
        for (const QStringList& row : rows(sample, candidate)) {
            if (row.size() > 1)
                ++linesByFieldCount[row.size()];
        }
        for (auto count = linesByFieldCount.cbegin(); count != linesByFieldCount.cend(); ++count) {
            if (count.key() * count.value() > bestScore) {
                best = candidate;
                bestScore = count.key() * count.value();
            }
        }
    }
    return best;
}
