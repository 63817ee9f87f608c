#include "storage/recurringrepository.h"

#include "storage/clock.h"
#include "storage/database.h"
#include "storage/sqlquery.h"
#include "storage/syncrowstatements.h"
#include "storage/storedtime.h"

#include <QDebug>

namespace {

const QString columns = QStringLiteral(
    "id, account_id, payee, memo, amount, category_id, frequency, start_date, end_date, next_due_date, auto_post, "
    "is_active, transfer_dest_account_id, version, sync_status, server_id, created_at, updated_at, deleted_at");

QString select(const char* rest)
{
    return QStringLiteral("SELECT %1 FROM recurring_transactions ").arg(columns) + QLatin1String(rest);
}

RecurringTransaction readRule(const SqlQuery& row)
{
    RecurringTransaction r;
    r.id = row.value(0).toString();
    r.accountId = row.value(1).toString();
    r.payee = row.value(2).toString();
    r.memo = row.value(3).toString();
    r.amount = row.value(4).toLongLong();
    r.categoryId = row.value(5).toString();
    r.frequency = frequencyFromText(row.value(6).toString());
    r.startDate = dateFromText(row.value(7).toString());
    r.endDate = optionalDateFromText(row.value(8).toString());
    r.nextDueDate = dateFromText(row.value(9).toString());
    r.autoPost = row.value(10).toBool();
    r.isActive = row.value(11).toBool();
    r.transferDestAccountId = row.value(12).toString();
    r.version = row.value(13).toInt();
    r.syncStatus = syncStatusFromText(row.value(14).toString());
    r.serverId = row.value(15).toString();
    r.createdAt = timeFromText(row.value(16).toString());
    r.updatedAt = timeFromText(row.value(17).toString());
    r.deletedAt = optionalTimeFromText(row.value(18).toString());
    return r;
}

// A rule with a broken next due date is still saved; the recurring service
// decides what to do with it, but the warning shows where it came from.
void warnOnBrokenDueDate(const char* operation, const RecurringTransaction& r)
{
    if (r.nextDueDate.isValid() && r.nextDueDate >= QDate(2000, 1, 1))
        return;
    qWarning().noquote() << QStringLiteral("RecurringRepository::%1 saving recurring with broken nextDueDate:").arg(QLatin1String(operation))
                         << QStringLiteral("id=%1").arg(r.id) << QStringLiteral("payee=%1").arg(r.payee)
                         << QStringLiteral("nextDueDate=%1").arg(r.nextDueDate.toString(Qt::ISODate))
                         << QStringLiteral("startDate=%1").arg(r.startDate.toString(Qt::ISODate))
                         << QStringLiteral("frequency=%1").arg(static_cast<int>(r.frequency));
}

} // namespace

RecurringRepository::RecurringRepository(Database* database, QObject* parent)
    : QObject(parent)
    , m_database(database)
{
}

QList<RecurringTransaction> RecurringRepository::all()
{
    return SqlQuery(m_database, select("WHERE deleted_at IS NULL ORDER BY next_due_date")).readAll(readRule);
}

std::optional<RecurringTransaction> RecurringRepository::byId(const QString& id)
{
    return SqlQuery(m_database, select("WHERE id = ?"), {id}).readOne(readRule);
}

QList<RecurringTransaction> RecurringRepository::due()
{
    return SqlQuery(m_database, select("WHERE deleted_at IS NULL AND is_active = 1 AND next_due_date <= ?"),
        {dateToText(Clock::today())})
        .readAll(readRule);
}

QList<RecurringTransaction> RecurringRepository::pending(int limit)
{
    return SqlQuery(m_database, select("WHERE sync_status = 'pending' LIMIT ?"), {limit}).readAll(readRule);
}

int RecurringRepository::pendingCount()
{
    return SyncRowStatements(m_database, QStringLiteral("recurring_transactions"), "RecurringRepository").pendingCount();
}

bool RecurringRepository::insert(const RecurringTransaction& r)
{
    warnOnBrokenDueDate("insert", r);
    SqlQuery query(m_database,
        QStringLiteral("INSERT INTO recurring_transactions (id, account_id, payee, memo, amount, category_id, frequency, "
                       "start_date, end_date, next_due_date, auto_post, is_active, transfer_dest_account_id, version, "
                       "sync_status, server_id, created_at, updated_at) "
                       "VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"),
        {r.id, r.accountId, r.payee, r.memo, r.amount, nullIfEmpty(r.categoryId), toStoredText(r.frequency),
         dateToText(r.startDate), optionalDateValue(r.endDate), dateToText(r.nextDueDate), boolValue(r.autoPost),
         boolValue(r.isActive), r.transferDestAccountId, r.version, toStoredText(r.syncStatus), r.serverId,
         timeToText(r.createdAt), timeToText(r.updatedAt)});
    if (!query.execWrite("RecurringRepository::insert"))
        return false;
    announceChange();
    return true;
}

bool RecurringRepository::update(const RecurringTransaction& r)
{
    warnOnBrokenDueDate("update", r);
    SqlQuery query(m_database,
        QStringLiteral("UPDATE recurring_transactions SET payee=?, memo=?, amount=?, category_id=?, frequency=?, "
                       "start_date=?, end_date=?, next_due_date=?, auto_post=?, is_active=?, transfer_dest_account_id=?, "
                       "version=?, sync_status=?, server_id=?, updated_at=? WHERE id=?"),
        {r.payee, r.memo, r.amount, nullIfEmpty(r.categoryId), toStoredText(r.frequency), dateToText(r.startDate),
         optionalDateValue(r.endDate), dateToText(r.nextDueDate), boolValue(r.autoPost), boolValue(r.isActive),
         r.transferDestAccountId, r.version, toStoredText(r.syncStatus), r.serverId, timeToText(r.updatedAt), r.id});
    if (!query.execUpdate("RecurringRepository::update"))
        return false;
    announceChange();
    return true;
}

bool RecurringRepository::softDelete(const QString& id)
{
    const QString now = timeToText(Clock::nowUtc());
    if (!SqlQuery(m_database,
            QStringLiteral("UPDATE recurring_transactions SET deleted_at=?, sync_status='pending', updated_at=? WHERE id=?"),
            {now, now, id})
             .execWrite("RecurringRepository::softDelete"))
        return false;
    announceChange();
    return true;
}

int RecurringRepository::softDeleteByAccount(const QString& accountId)
{
    const QString now = timeToText(Clock::nowUtc());
    const int changed = SqlQuery(m_database,
        QStringLiteral("UPDATE recurring_transactions SET deleted_at = ?, updated_at = ?, sync_status = 'pending' "
                       "WHERE account_id = ? AND deleted_at IS NULL"),
        {now, now, accountId})
                            .execCount("RecurringRepository::softDeleteByAccount");
    if (changed > 0)
        announceChange();
    return changed;
}

int RecurringRepository::restoreByAccount(const QString& accountId, const QString& since)
{
    const int changed = SqlQuery(m_database,
        QStringLiteral("UPDATE recurring_transactions SET deleted_at = NULL, updated_at = ?, sync_status = 'pending' "
                       "WHERE account_id = ? AND deleted_at >= ?"),
        {timeToText(Clock::nowUtc()), accountId, since})
                            .execCount("RecurringRepository::restoreByAccount");
    if (changed > 0)
        announceChange();
    return changed;
}

bool RecurringRepository::markSynced(const QString& id, const QString& serverId)
{
    return SqlQuery(m_database, QStringLiteral("UPDATE recurring_transactions SET sync_status='synced', server_id=? WHERE id=?"),
        {serverId, id})
        .execWrite("RecurringRepository::markSynced");
}

int RecurringRepository::markAllPendingForResync()
{
    const int changed = SqlQuery(m_database,
        QStringLiteral("UPDATE recurring_transactions SET sync_status = 'pending' WHERE deleted_at IS NULL AND sync_status != 'pending'"))
                            .execCount("RecurringRepository::markAllPendingForResync");
    if (changed > 0)
        announceChange();
    return changed;
}

void RecurringRepository::announceChange()
{
    m_database->notifyAfterCommit(QStringLiteral("recurringChanged"), [this] { Q_EMIT recurringChanged(); });
}

std::optional<QString> RecurringRepository::idForServerId(const QString& serverId)
{
    return SyncRowStatements(m_database, QStringLiteral("recurring_transactions"), "RecurringRepository")
        .idForServerId(serverId);
}

std::optional<bool> RecurringRepository::markSyncedIfUnchanged(
    const QString& id, const QString& serverId, const SyncStamp& pushed, bool applied)
{
    return SyncRowStatements(m_database, QStringLiteral("recurring_transactions"), "RecurringRepository")
        .markSyncedIfUnchanged(id, serverId, pushed, applied);
}

bool RecurringRepository::storeFromServer(const RecurringTransaction& r)
{
    if (!SyncRowStatements(m_database, QStringLiteral("recurring_transactions"), "RecurringRepository")
             .store(columns.split(QStringLiteral(", ")),
                 {r.id, r.accountId, r.payee, r.memo, r.amount, nullIfEmpty(r.categoryId), toStoredText(r.frequency),
                     dateToText(r.startDate), optionalDateValue(r.endDate), dateToText(r.nextDueDate),
                     boolValue(r.autoPost), boolValue(r.isActive), r.transferDestAccountId, r.version,
                     toStoredText(r.syncStatus), r.serverId, timeToText(r.createdAt), timeToText(r.updatedAt),
                     optionalTimeValue(r.deletedAt)}))
        return false;
    announceChange();
    return true;
}

int RecurringRepository::forgetServer()
{
    const int changed =
        SyncRowStatements(m_database, QStringLiteral("recurring_transactions"), "RecurringRepository").forgetServer();
    if (changed > 0)
        announceChange();
    return changed;
}
