#pragma once

#include <QChar>
#include <QJsonObject>
#include <QString>
#include <optional>

// Which columns of a delimited file hold what, and how to read them. Columns
// count from zero; -1 means none.
struct CsvMapping
{
    int dateColumn = 0;
    int payeeColumn = 1;
    // The signed amount; with a credit column, the money going out.
    int amountColumn = 2;
    int memoColumn = -1;
    int categoryColumn = -1;
    // Files with separate debit and credit columns: the money coming in.
    int creditColumn = -1;
    // The first row after the preamble names the columns and is not imported.
    bool hasHeader = true;
    QString dateFormat = QStringLiteral("MM/dd/yyyy");
    QChar separator = QLatin1Char(',');
    // Rows before the header (or the first data row): a bank's title,
    // account number and balances. Empty lines are not counted.
    int preambleRows = 0;

    bool hasDebitAndCredit() const { return creditColumn >= 0; }

    QJsonObject toJson() const;
    // None when `json` lacks a field or holds one out of range.
    static std::optional<CsvMapping> fromJson(const QJsonObject& json);

    friend bool operator==(const CsvMapping&, const CsvMapping&) = default;
};
