#include "bookkeeping/transactionservice.h"

#include "storage/account.h"
#include "storage/accountrepository.h"
#include "storage/clock.h"
#include "storage/database.h"
#include "storage/identifiers.h"
#include "storage/storedtime.h"
#include "storage/transactionrepository.h"

#include <QHash>

namespace {

void applyEntry(Transaction& transaction, const TransactionEntry& entry)
{
    transaction.date = entry.date;
    transaction.payee = entry.payee;
    transaction.checkNumber = entry.checkNumber;
    transaction.memo = entry.memo;
    transaction.amount = entry.amount;
    transaction.categoryId = entry.categoryId;
    transaction.cleared = entry.cleared;
    transaction.reconciled = entry.reconciled;
}

void markEdited(Transaction& transaction, const QDateTime& now)
{
    transaction.version += 1;
    transaction.updatedAt = now;
    transaction.syncStatus = SyncStatus::Pending;
}

// Stamps are stored to the second: two reads of one row agree at that
// precision, whatever a copy in memory carries.
bool sameStoredVersion(const Transaction& stored, const Transaction& loaded)
{
    return stored.version == loaded.version && timeToText(stored.updatedAt) == timeToText(loaded.updatedAt)
        && !stored.deletedAt;
}

} // namespace

TransactionService::TransactionService(Database* database, AccountRepository* accounts,
    TransactionRepository* transactions, QObject* parent)
    : QObject(parent)
    , m_database(database)
    , m_accounts(accounts)
    , m_transactions(transactions)
{
}

WriteOutcome TransactionService::create(const QString& accountId, const TransactionEntry& entry,
    const NewTransactionIds& ids)
{
    return createAll(accountId, {{entry, ids}});
}

WriteOutcome TransactionService::createAll(const QString& accountId, const QList<PlannedTransaction>& planned,
    const std::function<bool()>& alsoStore)
{
    return writeInTransaction(m_database, [&] {
        const std::optional<Account> source = m_accounts->byId(accountId);
        if (!source || source->deletedAt)
            return WriteOutcome::refused(tr("The account no longer exists."));
        QHash<QString, std::optional<Account>> targets;
        for (const PlannedTransaction& plan : planned) {
            const QString& targetId = plan.entry.transferAccountId;
            if (targets.contains(targetId))
                continue;
            if (WriteOutcome checked = checkTransferTarget(accountId, targetId, targets[targetId]); !checked.ok())
                return checked;
        }

        const QDateTime now = Clock::nowUtc();
        QList<Transaction> rows;
        for (const PlannedTransaction& plan : planned) {
            Transaction transaction;
            transaction.id = plan.ids.id.isEmpty() ? newId() : plan.ids.id;
            transaction.accountId = accountId;
            applyEntry(transaction, plan.entry);
            transaction.recurringId = plan.entry.recurringId;
            transaction.createdAt = now;
            transaction.updatedAt = now;
            if (const std::optional<Account>& target = targets.value(plan.entry.transferAccountId))
                rows.append(newCounterpart(transaction, *source, *target, plan.ids.counterpartId));
            rows.append(transaction);
        }
        if (!m_transactions->insertAll(rows) || (alsoStore && !alsoStore()))
            return storageFailure(m_database);
        return WriteOutcome::done(rows.isEmpty() ? QString() : rows.last().id);
    });
}

WriteOutcome TransactionService::insert(const Transaction& transaction)
{
    return writeInTransaction(m_database, [&] {
        if (!m_transactions->insert(transaction))
            return storageFailure(m_database);
        return WriteOutcome::done(transaction.id);
    });
}

WriteOutcome TransactionService::edit(const Transaction& loaded, const TransactionEntry& entry)
{
    return writeInTransaction(m_database, [&] {
        const std::optional<Transaction> stored = m_transactions->byId(loaded.id);
        if (!stored || !sameStoredVersion(*stored, loaded))
            return WriteOutcome::changedElsewhere(stored && !stored->deletedAt
                    ? tr("This transaction was changed elsewhere after you started editing it.")
                    : tr("This transaction was deleted elsewhere after you started editing it."));
        std::optional<Account> target;
        if (WriteOutcome checked = checkTransferTarget(stored->accountId, entry.transferAccountId, target); !checked.ok())
            return checked;

        Transaction transaction = *stored;
        applyEntry(transaction, entry);
        markEdited(transaction, Clock::nowUtc());
        const std::optional<Transaction> counterpart = transaction.transferLinkId.isEmpty()
            ? std::nullopt
            : m_transactions->byId(transaction.transferLinkId);
        const bool counterpartLive = counterpart && !counterpart->deletedAt;
        const bool keepsCounterpart = counterpartLive && (!target || counterpart->accountId == target->id);

        if (target)
            transaction.payee = tr("Transfer to %1").arg(target->name);
        bool written = true;
        if (target && !keepsCounterpart) {
            // A new or another account: the old leg goes, a new one is made.
            const std::optional<Account> source = m_accounts->byId(transaction.accountId);
            written = (!counterpartLive || m_transactions->softDelete(counterpart->id)) && source
                && m_transactions->insert(newCounterpart(transaction, *source, *target));
        } else if (keepsCounterpart) {
            written = followCounterpart(transaction);
        }
        if (!written || !m_transactions->update(transaction))
            return storageFailure(m_database);
        return WriteOutcome::done(transaction.id);
    });
}

WriteOutcome TransactionService::remove(const Transaction& transaction)
{
    return writeInTransaction(m_database, [&] {
        // The stored link counts: the row may have been moved to another
        // account's transfer since the caller read it.
        const std::optional<Transaction> stored = m_transactions->byId(transaction.id);
        const QString linkId = stored ? stored->transferLinkId : transaction.transferLinkId;
        if (!linkId.isEmpty() && !removeIfLive(linkId))
            return storageFailure(m_database);
        if (!removeIfLive(transaction.id))
            return storageFailure(m_database);
        return WriteOutcome::done();
    });
}

WriteOutcome TransactionService::setCleared(const QString& transactionId, bool cleared)
{
    return writeInTransaction(m_database, [&] {
        std::optional<Transaction> stored = m_transactions->byId(transactionId);
        if (!stored || stored->deletedAt)
            return WriteOutcome::changedElsewhere(tr("This transaction was deleted elsewhere."));
        stored->cleared = cleared;
        stored->updatedAt = Clock::nowUtc();
        stored->syncStatus = SyncStatus::Pending;
        if (!m_transactions->update(*stored))
            return storageFailure(m_database);
        return WriteOutcome::done(stored->id);
    });
}

WriteOutcome TransactionService::checkTransfer(const QString& accountId, const QString& targetId)
{
    std::optional<Account> target;
    return checkTransferTarget(accountId, targetId, target);
}

WriteOutcome TransactionService::checkTransferTarget(const QString& accountId, const QString& targetId,
    std::optional<Account>& target)
{
    if (targetId.isEmpty())
        return WriteOutcome::done();
    target = m_accounts->byId(targetId);
    const std::optional<Account> source = m_accounts->byId(accountId);
    if (!target || target->deletedAt || targetId == accountId)
        return WriteOutcome::refused(tr("Transfer account not found"));
    if (source && source->currency != target->currency)
        return WriteOutcome::refused(tr("Transfers require both accounts to use the same currency"));
    return WriteOutcome::done();
}

Transaction TransactionService::newCounterpart(Transaction& transaction, const Account& source, const Account& target,
    const QString& counterpartId)
{
    Transaction counterpart;
    counterpart.id = counterpartId.isEmpty() ? newId() : counterpartId;
    counterpart.accountId = target.id;
    counterpart.date = transaction.date;
    counterpart.payee = tr("Transfer from %1").arg(source.name);
    counterpart.amount = -transaction.amount;
    counterpart.cleared = transaction.cleared;
    counterpart.reconciled = transaction.reconciled;
    counterpart.transferLinkId = transaction.id;
    counterpart.transferDestAccountId = source.id;
    counterpart.recurringId = transaction.recurringId;
    counterpart.createdAt = transaction.updatedAt;
    counterpart.updatedAt = transaction.updatedAt;
    transaction.payee = tr("Transfer to %1").arg(target.name);
    transaction.transferLinkId = counterpart.id;
    transaction.transferDestAccountId = target.id;
    return counterpart;
}

bool TransactionService::followCounterpart(const Transaction& transaction)
{
    std::optional<Transaction> counterpart = m_transactions->byId(transaction.transferLinkId);
    if (!counterpart)
        return false;
    counterpart->date = transaction.date;
    counterpart->amount = -transaction.amount;
    markEdited(*counterpart, transaction.updatedAt);
    return m_transactions->update(*counterpart);
}

bool TransactionService::removeIfLive(const QString& transactionId)
{
    const std::optional<Transaction> stored = m_transactions->byId(transactionId);
    if (!stored || stored->deletedAt)
        return true;
    return m_transactions->softDelete(transactionId);
}
