#pragma once

#include "bookkeeping/writeoutcome.h"

#include <QHash>
#include <QObject>
#include <QString>

class AccountService;
class CategoryRepository;
class Database;
class RecurringService;
class SampleDataRepository;
class TransactionService;

// Fills the books with a fixed demonstration: three accounts, two months of
// transactions ending today and three recurring rules. Every row it writes
// has an id starting with "sample-", which is how clear() finds them again
// without touching the user's own rows. Each run is one database
// transaction, so the books hold the whole demonstration or none of it.
class SampleDataService : public QObject
{
    Q_OBJECT

public:
    SampleDataService(Database* database, SampleDataRepository* sampleRows, CategoryRepository* categories,
        AccountService* accountService, TransactionService* transactionService, RecurringService* recurringService,
        QObject* parent = nullptr);

    bool hasSampleData();
    // Writes the whole data set, dated back from today. Refused when it is
    // already loaded or a sample account's name is taken by one of the
    // user's accounts.
    WriteOutcome load();
    // Removes every sample row. Refused, with nothing removed, while rows
    // of the user's own sit in a sample account or transfer to one.
    WriteOutcome clear();

private:
    // Live categories by name and, for children, by "parent/name".
    void buildCategoryLookup();
    QString categoryId(const char* parent, const char* name) const;
    WriteOutcome writeDataSet();
    WriteOutcome createAccounts(const QDate& today);
    WriteOutcome createTransactions(const QDate& today);
    WriteOutcome createTemplates(const QDate& today);

    Database* m_database;
    SampleDataRepository* m_sampleRows;
    CategoryRepository* m_categories;
    AccountService* m_accountService;
    TransactionService* m_transactionService;
    RecurringService* m_recurringService;
    QHash<QString, QString> m_categoryIds;
};
