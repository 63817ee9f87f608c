#pragma once

// The books an import writes into, without a window: a migrated database in
// a data directory of its own, the repositories and the services.

#include "bookkeeping/accountservice.h"
#include "bookkeeping/transactionservice.h"
#include "services/import/importservice.h"
#include "storage/accountrepository.h"
#include "storage/categoryrepository.h"
#include "storage/identifiers.h"
#include "storage/preferencesrepository.h"
#include "storage/reconciliationrepository.h"
#include "storage/recurringrepository.h"
#include "storage/splitlinerepository.h"
#include "storage/transactionrepository.h"
#include "support/storagetesting.h"

#include <QFile>
#include <QTemporaryDir>

struct ImportBooks
{
    explicit ImportBooks(const QString& path)
        : ready(database.open(path) && database.runMigrations())
    {
    }

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

    Database database;
    bool ready;
    AccountRepository accounts{&database};
    TransactionRepository transactions{&database};
    CategoryRepository categories{&database};
    SplitLineRepository splitLines{&database};
    PreferencesRepository preferences{&database};
    RecurringRepository recurring{&database};
    ReconciliationRepository reconciliations{&database};
    AccountService accountService{&database, &accounts, &transactions, &recurring, &reconciliations};
    TransactionService transactionService{&database, &accounts, &transactions};
    ImportService service{&database, &accounts, &transactions, &categories, &splitLines, &preferences, &accountService,
        &transactionService};
};

// Writes `bytes` to `name` in `directory` and returns its path.
inline QString writeFile(const QTemporaryDir& directory, const QString& name, const QByteArray& bytes)
{
    const QString path = directory.filePath(name);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        return QString();
    return path;
}
