#pragma once

#include "storage/enums.h"

#include <QString>
#include <QStringList>

// Cells of the CSV files the program writes, as spreadsheets read them.

// `text` as one cell: quoted, its quotes doubled, when it holds a comma, a
// quote or a line break.
QString csvCell(const QString& text);
// Free text that a user or a bank wrote (payee, memo, category, account):
// when it starts with =, +, -, @, a tab or a carriage return a spreadsheet
// would run it as a formula, so it gets a leading apostrophe.
QString formulaSafe(const QString& text);
// formulaSafe text as one cell.
QString csvTextCell(const QString& text);
// An amount as a spreadsheet reads a number: "-1234.56", English decimal
// point, no group marks, no symbol ("1500" for JPY).
QString csvAmountCell(qint64 minorUnits, Currency currency);
// One record of finished cells, ended by a line feed (what the reports write
// too, and what a shell pipeline expects; spreadsheets read it as well).
QString csvRecord(const QStringList& cells);
