#include "storage/reconciliationrepository.h"

#include "storage/clock.h"
#include "storage/database.h"
#include "storage/sqlquery.h"
#include "storage/syncrowstatements.h"
#include "storage/storedtime.h"

namespace {

const QString columns = QStringLiteral(
    "id, account_id, statement_date, statement_balance, reconciled_balance, completed_at, version, sync_status, "
    "server_id, created_at, updated_at, deleted_at");

QString select(const char* rest)
{
    return QStringLiteral("SELECT %1 FROM reconciliations ").arg(columns) + QLatin1String(rest);
}

Reconciliation readReconciliation(const SqlQuery& row)
{
    Reconciliation r;
    r.id = row.value(0).toString();
    r.accountId = row.value(1).toString();
    r.statementDate = dateFromText(row.value(2).toString());
    r.statementBalance = row.value(3).toLongLong();
    r.reconciledBalance = row.value(4).toLongLong();
    r.completedAt = timeFromText(row.value(5).toString());
    r.version = row.value(6).toInt();
    r.syncStatus = syncStatusFromText(row.value(7).toString());
    r.serverId = row.value(8).toString();
    r.createdAt = timeFromText(row.value(9).toString());
    r.updatedAt = timeFromText(row.value(10).toString());
    r.deletedAt = optionalTimeFromText(row.value(11).toString());
    return r;
}

// Rows created without stamps still get a real time in the NOT NULL columns.
QString stampOrNow(const QDateTime& stamp)
{
    return timeToText(stamp.isValid() ? stamp : Clock::nowUtc());
}

} // namespace

ReconciliationRepository::ReconciliationRepository(Database* database, QObject* parent)
    : QObject(parent)
    , m_database(database)
{
}

QList<Reconciliation> ReconciliationRepository::byAccount(const QString& accountId)
{
    return SqlQuery(m_database, select("WHERE account_id = ? AND deleted_at IS NULL ORDER BY statement_date DESC"), {accountId})
        .readAll(readReconciliation);
}

std::optional<Reconciliation> ReconciliationRepository::latest(const QString& accountId)
{
    return SqlQuery(m_database, select("WHERE account_id = ? AND deleted_at IS NULL ORDER BY statement_date DESC LIMIT 1"),
        {accountId})
        .readOne(readReconciliation);
}

std::optional<Reconciliation> ReconciliationRepository::byId(const QString& id)
{
    return SqlQuery(m_database, select("WHERE id = ?"), {id}).readOne(readReconciliation);
}

QList<Reconciliation> ReconciliationRepository::pending(int limit)
{
    return SqlQuery(m_database, select("WHERE sync_status = 'pending' LIMIT ?"), {limit}).readAll(readReconciliation);
}

int ReconciliationRepository::pendingCount()
{
    return SyncRowStatements(m_database, QStringLiteral("reconciliations"), "ReconciliationRepository").pendingCount();
}

bool ReconciliationRepository::insert(const Reconciliation& r)
{
    SqlQuery query(m_database,
        QStringLiteral("INSERT INTO reconciliations (id, account_id, statement_date, statement_balance, reconciled_balance, "
                       "completed_at, version, sync_status, server_id, created_at, updated_at) "
                       "VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"),
        {r.id, r.accountId, dateToText(r.statementDate), r.statementBalance, r.reconciledBalance, timeToText(r.completedAt),
         r.version, toStoredText(r.syncStatus), r.serverId, stampOrNow(r.createdAt), stampOrNow(r.updatedAt)});
    if (!query.execWrite("ReconciliationRepository::insert"))
        return false;
    announceChange();
    return true;
}

bool ReconciliationRepository::update(const Reconciliation& r)
{
    SqlQuery query(m_database,
        QStringLiteral("UPDATE reconciliations SET account_id=?, statement_date=?, statement_balance=?, reconciled_balance=?, "
                       "completed_at=?, version=?, sync_status=?, server_id=?, updated_at=? WHERE id=?"),
        {r.accountId, dateToText(r.statementDate), r.statementBalance, r.reconciledBalance, timeToText(r.completedAt),
         r.version, toStoredText(r.syncStatus), r.serverId, timeToText(r.updatedAt), r.id});
    if (!query.execUpdate("ReconciliationRepository::update"))
        return false;
    announceChange();
    return true;
}

int ReconciliationRepository::softDeleteByAccount(const QString& accountId)
{
    const QString now = timeToText(Clock::nowUtc());
    const int changed = SqlQuery(m_database,
        QStringLiteral("UPDATE reconciliations SET deleted_at = ?, updated_at = ?, sync_status = 'pending' "
                       "WHERE account_id = ? AND deleted_at IS NULL"),
        {now, now, accountId})
                            .execCount("ReconciliationRepository::softDeleteByAccount");
    if (changed > 0)
        announceChange();
    return changed;
}

int ReconciliationRepository::restoreByAccount(const QString& accountId, const QString& since)
{
    const int changed = SqlQuery(m_database,
        QStringLiteral("UPDATE reconciliations SET deleted_at = NULL, updated_at = ?, sync_status = 'pending' "
                       "WHERE account_id = ? AND deleted_at >= ?"),
        {timeToText(Clock::nowUtc()), accountId, since})
                            .execCount("ReconciliationRepository::restoreByAccount");
    if (changed > 0)
        announceChange();
    return changed;
}

bool ReconciliationRepository::markSynced(const QString& id, const QString& serverId)
{
    return SqlQuery(m_database, QStringLiteral("UPDATE reconciliations SET sync_status='synced', server_id=? WHERE id=?"),
        {serverId, id})
        .execWrite("ReconciliationRepository::markSynced");
}

int ReconciliationRepository::markAllPendingForResync()
{
    const int changed = SqlQuery(m_database,
        QStringLiteral("UPDATE reconciliations SET sync_status = 'pending' WHERE deleted_at IS NULL AND sync_status != 'pending'"))
                            .execCount("ReconciliationRepository::markAllPendingForResync");
    if (changed > 0)
        announceChange();
    return changed;
}

void ReconciliationRepository::announceChange()
{
    m_database->notifyAfterCommit(QStringLiteral("reconciliationsChanged"), [this] { Q_EMIT reconciliationsChanged(); });
}

std::optional<QString> ReconciliationRepository::idForServerId(const QString& serverId)
{
    return SyncRowStatements(m_database, QStringLiteral("reconciliations"), "ReconciliationRepository")
        .idForServerId(serverId);
}

std::optional<bool> ReconciliationRepository::markSyncedIfUnchanged(
    const QString& id, const QString& serverId, const SyncStamp& pushed, bool applied)
{
    return SyncRowStatements(m_database, QStringLiteral("reconciliations"), "ReconciliationRepository")
        .markSyncedIfUnchanged(id, serverId, pushed, applied);
}

bool ReconciliationRepository::storeFromServer(const Reconciliation& r)
{
    if (!SyncRowStatements(m_database, QStringLiteral("reconciliations"), "ReconciliationRepository")
             .store(columns.split(QStringLiteral(", ")),
                 {r.id, r.accountId, dateToText(r.statementDate), r.statementBalance, r.reconciledBalance,
                     timeToText(r.completedAt), r.version, toStoredText(r.syncStatus), r.serverId,
                     stampOrNow(r.createdAt), stampOrNow(r.updatedAt), optionalTimeValue(r.deletedAt)}))
        return false;
    announceChange();
    return true;
}

int ReconciliationRepository::forgetServer()
{
    const int changed =
        SyncRowStatements(m_database, QStringLiteral("reconciliations"), "ReconciliationRepository").forgetServer();
    if (changed > 0)
        announceChange();
    return changed;
}
