#include "services/reconciliation/reconciliationservice.h"

#include "storage/account.h"
#include "storage/accountrepository.h"
#include "storage/clock.h"
#include "storage/database.h"
#include "storage/identifiers.h"
#include "storage/reconciliation.h"
#include "storage/reconciliationrepository.h"
#include "storage/transactionrepository.h"

namespace {

QString shownAmount(qint64 amount, Currency currency)
{
    return formatCurrency(amount, currency, AmountFormat::shown());
}

} // namespace

ReconciliationService::ReconciliationService(Database* database, AccountRepository* accounts,
    TransactionRepository* transactions, ReconciliationRepository* reconciliations, QObject* parent)
    : QObject(parent)
    , m_database(database)
    , m_accounts(accounts)
    , m_transactions(transactions)
    , m_reconciliations(reconciliations)
{
}

std::optional<UnreconciledRows> ReconciliationService::unreconciled(const QString& accountId)
{
    // Every live row is either reconciled or listed here, so the reconciled
    // ones come to the account's balance less the listed ones: the balance
    // reads an index alone, where summing the reconciled rows would read
    // every row of the account a second time.
    const std::optional<CheckedSum> balance = m_transactions->balance(accountId);
    if (!balance)
        return std::nullopt;
    UnreconciledRows unreconciled{m_transactions->unreconciled(accountId), *balance};
    for (const Transaction& row : unreconciled.rows) {
        if (unreconciled.previousBalance)
            unreconciled.previousBalance = checkedAdd(unreconciled.previousBalance, -row.amount);
    }
    return unreconciled;
}

QDate ReconciliationService::suggestedStatementDate(const QString& accountId)
{
    QDate lastCovered = m_transactions->latestReconciledDate(accountId);
    if (const std::optional<Reconciliation> latest = m_reconciliations->latest(accountId);
        latest && (!lastCovered.isValid() || latest->statementDate >= lastCovered))
        lastCovered = latest->statementDate;
    return lastCovered.isValid() ? lastCovered.addMonths(1) : QDate();
}

WriteOutcome ReconciliationService::finish(const StatementMatch& match)
{
    return writeInTransaction(m_database, [&] {
        const std::optional<Account> account = m_accounts->byId(match.accountId);
        if (!account || account->deletedAt)
            return WriteOutcome::refused(tr("The account no longer exists."));
        if (!match.statementDate.isValid())
            return WriteOutcome::refused(tr("The statement date is not a valid date."));
        const std::optional<UnreconciledRows> stored = unreconciled(match.accountId);
        if (!stored)
            return storageFailure(m_database);
        QHash<QString, Transaction> current;
        for (const Transaction& row : stored->rows)
            current.insert(row.id, row);

        CheckedSum reconciledBalance = stored->previousBalance;
        for (const Transaction& seen : match.ticked) {
            if (WriteOutcome checked = checkUnchanged(seen, current, account->currency); !checked.ok())
                return checked;
            reconciledBalance = checkedAdd(reconciledBalance, seen.amount);
        }
        // The ticks were chosen against a previous balance that changed
        // meanwhile (a reconciled row edited, say): the sum is no longer the
        // statement's, and storing it would hide the gap.
        if (reconciledBalance != match.statementBalance)
            return WriteOutcome::changedElsewhere(
                tr("Transactions reconciled before were changed elsewhere, so the ticked ones no longer add up to "
                   "the statement balance of %1.")
                    .arg(shownAmount(match.statementBalance, account->currency)));

        const QDateTime now = Clock::nowUtc();
        for (const Transaction& seen : match.ticked) {
            if (!markReconciled(current.value(seen.id), now))
                return storageFailure(m_database);
        }
        Reconciliation record;
        record.id = newId();
        record.accountId = match.accountId;
        record.statementDate = match.statementDate;
        record.statementBalance = match.statementBalance;
        record.reconciledBalance = *reconciledBalance;
        record.completedAt = now;
        record.createdAt = now;
        record.updatedAt = now;
        if (!m_reconciliations->insert(record))
            return storageFailure(m_database);
        return WriteOutcome::done(record.id);
    });
}

WriteOutcome ReconciliationService::checkUnchanged(const Transaction& seen, const QHash<QString, Transaction>& current,
    Currency currency)
{
    if (const auto row = current.constFind(seen.id); row != current.cend()) {
        if (row->amount == seen.amount)
            return WriteOutcome::done();
        return WriteOutcome::changedElsewhere(tr("The amount of \"%1\" was changed elsewhere from %2 to %3.")
                                                  .arg(seen.payee, shownAmount(seen.amount, currency),
                                                      shownAmount(row->amount, currency)));
    }
    const std::optional<Transaction> stored = m_transactions->byId(seen.id);
    if (stored && !stored->deletedAt && stored->accountId == seen.accountId && stored->reconciled)
        return WriteOutcome::changedElsewhere(tr("\"%1\" was reconciled elsewhere meanwhile.").arg(seen.payee));
    return WriteOutcome::changedElsewhere(
        tr("\"%1\" was deleted elsewhere after the reconciliation window read it.").arg(seen.payee));
}

bool ReconciliationService::markReconciled(Transaction transaction, const QDateTime& now)
{
    // Only the flags and the stamps change: the rest is the row as stored now.
    transaction.cleared = true;
    transaction.reconciled = true;
    transaction.updatedAt = now;
    transaction.syncStatus = SyncStatus::Pending;
    return m_transactions->update(transaction);
}
