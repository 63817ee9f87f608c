#pragma once

// The books an import writes into, without a window: a migrated database in
// a data directory of its own, the repositories and the services.

#include "services/import/importservice.h"
#include "storage/identifiers.h"
#include "support/filebooks.h"
#include "support/storagetesting.h"
#include "support/testdatabase.h"
#include "storage/clock.h"

#include <QTemporaryDir>
#include <memory>

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

// Each test's own data directory and books, with an account "Checking", under
// the clock fixed at `now`. A test's init() opens them, its cleanup() closes.
struct ImportBench
{
    bool open(const QDateTime& now)
    {
        QStandardPaths::setTestModeEnabled(true);
        Clock::setFixedNow(now);
        directory = std::make_unique<QTemporaryDir>();
        books = std::make_unique<ImportBooks>(directory->filePath(QStringLiteral("checkbook.db")));
        checking = books->ready ? books->addAccount(QStringLiteral("Checking")) : QString();
        return !checking.isEmpty();
    }

    void close()
    {
        books.reset();
        directory.reset();
        Clock::reset();
    }

    std::unique_ptr<QTemporaryDir> directory;
    std::unique_ptr<ImportBooks> books;
    QString checking;
};
