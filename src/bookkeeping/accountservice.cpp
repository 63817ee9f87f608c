#include "bookkeeping/accountservice.h"

#include "bookkeeping/accountcreation.h"
#include "storage/accountrepository.h"
#include "storage/reconciliationrepository.h"
#include "storage/recurringrepository.h"
#include "storage/transactionrepository.h"

#include <QDebug>

AccountService::AccountService(Database* database, AccountRepository* accounts, TransactionRepository* transactions,
    RecurringRepository* recurring, ReconciliationRepository* reconciliations, QObject* parent)
    : QObject(parent)
    , m_database(database)
    , m_accounts(accounts)
    , m_transactions(transactions)
    , m_recurring(recurring)
    , m_reconciliations(reconciliations)
{
}

WriteOutcome AccountService::create(const Account& entered, const QDate& asOf)
{
    const std::optional<AccountCreation> creation = AccountCreation::fromEntered(entered, asOf);
    if (!creation)
        return WriteOutcome::refused(tr("An account needs a name."));
    return writeInTransaction(m_database, [&] {
        if (!m_accounts->insert(creation->account))
            return storageFailure(m_database);
        if (creation->openingBalance && !m_transactions->insert(*creation->openingBalance))
            return storageFailure(m_database);
        return WriteOutcome::done(creation->account.id);
    });
}

WriteOutcome AccountService::update(const Account& account)
{
    if (account.name.trimmed().isEmpty())
        return WriteOutcome::refused(tr("An account needs a name."));
    return writeInTransaction(m_database, [&] {
        if (!m_accounts->update(account))
            return storageFailure(m_database);
        return WriteOutcome::done(account.id);
    });
}

WriteOutcome AccountService::remove(const QString& accountId)
{
    int transactions = 0;
    int recurrings = 0;
    int reconciliations = 0;
    const WriteOutcome outcome = writeInTransaction(m_database, [&] {
        // Children first: the account is never gone while rows of it are live.
        transactions = m_transactions->softDeleteByAccount(accountId);
        recurrings = m_recurring->softDeleteByAccount(accountId);
        reconciliations = m_reconciliations->softDeleteByAccount(accountId);
        if (transactions < 0 || recurrings < 0 || reconciliations < 0 || !m_accounts->softDelete(accountId))
            return storageFailure(m_database);
        return WriteOutcome::done(accountId);
    });
    if (outcome.ok())
        qInfo().noquote() << "Cascade delete account" << accountId << "→ transactions:" << transactions
                          << "recurrings:" << recurrings << "reconciliations:" << reconciliations;
    return outcome;
}
