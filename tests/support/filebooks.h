#pragma once

// The repositories and services of one data file, without the window, for
// tests that write from a worker process or without the application state.

#include "bookkeeping/accountservice.h"
#include "bookkeeping/transactionservice.h"
#include "services/recurring/recurringservice.h"
#include "storage/accountrepository.h"
#include "storage/categoryrepository.h"
#include "storage/database.h"
#include "storage/preferencesrepository.h"
#include "storage/reconciliationrepository.h"
#include "storage/recurringrepository.h"
#include "storage/splitlinerepository.h"
#include "storage/transactionrepository.h"

struct FileBooks
{
    // Opens and migrates the file at `path`; `ready` tells whether it could.
    explicit FileBooks(const QString& path)
        : ready(database.open(path) && database.runMigrations())
    {
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
    TransactionService transactionService{&database, &accounts, &transactions};
    AccountService accountService{&database, &accounts, &transactions, &recurring, &reconciliations};
    RecurringService recurringService{&database, &recurring, &transactions, &transactionService};
};
