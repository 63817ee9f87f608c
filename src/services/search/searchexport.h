#pragma once

#include "storage/account.h"
#include "storage/registerrow.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QList>

// Found transactions as CSV for spreadsheets and scripts: date, account,
// payee, category, memo and amount, one line each, in UTF-8.
class SearchExport
{
    Q_DECLARE_TR_FUNCTIONS(SearchExport)

public:
    // `accounts` name the rows' accounts and give their currencies.
    static QByteArray csv(const QList<RegisterRow>& rows, const QList<Account>& accounts);
};
