#include "storage/transaction.h"

#include "storage/clock.h"
#include "storage/identifiers.h"

Transaction Transaction::newPending(const QString& accountId, const QDate& date, const QString& payee, qint64 amount)
{
    const QDateTime now = Clock::nowUtc();
    Transaction transaction;
    transaction.id = newId();
    transaction.accountId = accountId;
    transaction.date = date;
    transaction.payee = payee;
    transaction.amount = amount;
    transaction.createdAt = now;
    transaction.updatedAt = now;
    transaction.syncStatus = SyncStatus::Pending;
    return transaction;
}
