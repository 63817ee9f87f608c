#pragma once

#include "services/import/csvmapping.h"
#include "storage/enums.h"

#include <QCoreApplication>
#include <QDate>
#include <QString>
#include <QStringList>
#include <optional>

// One row of a delimited file as the import stores it.
struct CsvRow
{
    QDate date;
    QString payee;
    qint64 amount = 0;
    QString memo;
    QString category;
};

// Reads the rows of a bank's delimited file by a column mapping, in the
// target account's currency, for the import and for its preview alike.
class CsvRowReader
{
    Q_DECLARE_TR_FUNCTIONS(CsvRowReader)

public:
    // The row, or none with the reason in `problem`: a missing cell, a date
    // the pattern does not read, an amount that is no number (or a
    // fraction of a currency without one), a text beyond the program's limits.
    static std::optional<CsvRow> read(
        const QStringList& cells, const CsvMapping& mapping, Currency currency, QString* problem = nullptr);

private:
    // The amount in minor units of `currency`; with a credit column the
    // amount column is the money out, whatever sign the bank wrote.
    static std::optional<qint64> amount(const QStringList& cells, const CsvMapping& mapping, Currency currency);
};
