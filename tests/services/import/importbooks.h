#pragma once

// The books an import writes into, without a window: a migrated database in
// a data directory of its own, the repositories and the services.

#include "services/import/importservice.h"
#include "storage/identifiers.h"
#include "support/filebooks.h"
#include "support/storagetesting.h"
#include "support/testdatabase.h"

struct ImportBooks : FileBooks
{
    using FileBooks::FileBooks;

    QString addAccount(const QString& name, Currency currency = Currency::USD)
    {
        Account account = makeAccount(newId(), name);
        account.currency = currency;
        return accounts.insert(account) ? account.id : QString();
    }

    int count(const QString& sql, const QVariantList& values = {})
    {
        return scalar(&database, sql, values).toInt();
    }

    ImportService service{&database, &accounts, &transactions, &categories, &splitLines, &preferences, &accountService,
        &transactionService};
};
