#pragma once

#include "services/import/csvmapping.h"

#include <QList>
#include <QStringList>
#include <optional>

// A delimited file read for the mapping screen: its rows as cut with the
// mapping's separator, and the mapping proposed from its content.
struct CsvPreview
{
    CsvMapping mapping;
    QList<QStringList> rows;
};

// Proposes how to read a bank's delimited file from what is in it: the
// separator, the preamble before the header, whether there is a header, the
// date pattern and which columns hold the date, payee, amount (or debit and
// credit), memo and category.
class CsvAnalyzer
{
public:
    // `separator` overrides the detected one.
    static CsvPreview preview(const QString& text, std::optional<QChar> separator = std::nullopt);
    // The rows at the start that have at most half the fields of the
    // widest row: titles, account numbers and balances above the table.
    static int proposePreamble(const QList<QStringList>& rows);
    // True when `row` reads as column names rather than a transaction.
    static bool looksLikeHeader(const QStringList& row);
    // The mapping's columns, date pattern and header flag for `rows`
    // (preamble already removed), read with `separator`.
    static CsvMapping proposeColumns(const QList<QStringList>& rows, QChar separator);
};
