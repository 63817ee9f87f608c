#include "storage/accountrepository.h"

#include "storage/clock.h"
#include "storage/database.h"
#include "storage/sqlquery.h"
#include "storage/syncrowstatements.h"
#include "storage/storedtime.h"

namespace {

const QString columns = QStringLiteral(
    "id, name, account_type, currency, institution, account_number_last4, starting_balance, sort_order, "
    "is_shared, version, sync_status, server_id, created_at, updated_at, deleted_at");

QString select(const char* rest)
{
    return QStringLiteral("SELECT %1 FROM accounts ").arg(columns) + QLatin1String(rest);
}

Account readAccount(const SqlQuery& row)
{
    Account account;
    account.id = row.value(0).toString();
    account.name = row.value(1).toString();
    account.type = accountTypeFromText(row.value(2).toString());
    account.currency = currencyFromText(row.value(3).toString());
    account.institution = row.value(4).toString();
    account.accountNumberLast4 = row.value(5).toString();
    account.startingBalance = row.value(6).toLongLong();
    account.sortOrder = row.value(7).toInt();
    account.isShared = row.value(8).toBool();
    account.version = row.value(9).toInt();
    account.syncStatus = syncStatusFromText(row.value(10).toString());
    account.serverId = row.value(11).toString();
    account.createdAt = timeFromText(row.value(12).toString());
    account.updatedAt = timeFromText(row.value(13).toString());
    account.deletedAt = optionalTimeFromText(row.value(14).toString());
    return account;
}

} // namespace

AccountRepository::AccountRepository(Database* database, QObject* parent)
    : QObject(parent)
    , m_database(database)
{
}

QList<Account> AccountRepository::all()
{
    return SqlQuery(m_database, select("WHERE deleted_at IS NULL ORDER BY sort_order, name")).readAll(readAccount);
}

std::optional<Account> AccountRepository::byId(const QString& id)
{
    return SqlQuery(m_database, select("WHERE id = ?"), {id}).readOne(readAccount);
}

QList<Account> AccountRepository::deleted()
{
    return SqlQuery(m_database, select("WHERE deleted_at IS NOT NULL ORDER BY name")).readAll(readAccount);
}

QList<Account> AccountRepository::pending(int limit)
{
    return SqlQuery(m_database, select("WHERE sync_status = 'pending' LIMIT ?"), {limit}).readAll(readAccount);
}

int AccountRepository::pendingCount()
{
    return SyncRowStatements(m_database, QStringLiteral("accounts"), "AccountRepository").pendingCount();
}

bool AccountRepository::insert(const Account& a)
{
    SqlQuery query(m_database,
        QStringLiteral("INSERT INTO accounts (id, name, account_type, currency, institution, account_number_last4, "
                       "starting_balance, sort_order, is_shared, version, sync_status, server_id, created_at, updated_at) "
                       "VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"),
        {a.id, a.name, toStoredText(a.type), toStoredText(a.currency), a.institution, a.accountNumberLast4,
         a.startingBalance, a.sortOrder, boolValue(a.isShared), a.version, toStoredText(a.syncStatus), a.serverId,
         timeToText(a.createdAt), timeToText(a.updatedAt)});
    if (!query.execWrite("AccountRepository::insert"))
        return false;
    announceChange();
    return true;
}

bool AccountRepository::update(const Account& a)
{
    SqlQuery query(m_database,
        QStringLiteral("UPDATE accounts SET name=?, account_type=?, currency=?, institution=?, account_number_last4=?, "
                       "starting_balance=?, sort_order=?, is_shared=?, version=?, sync_status=?, server_id=?, updated_at=? "
                       "WHERE id=?"),
        {a.name, toStoredText(a.type), toStoredText(a.currency), a.institution, a.accountNumberLast4, a.startingBalance,
         a.sortOrder, boolValue(a.isShared), a.version, toStoredText(a.syncStatus), a.serverId, timeToText(a.updatedAt),
         a.id});
    if (!query.execUpdate("AccountRepository::update"))
        return false;
    announceChange();
    return true;
}

bool AccountRepository::softDelete(const QString& id)
{
    const QString now = timeToText(Clock::nowUtc());
    SqlQuery query(m_database, QStringLiteral("UPDATE accounts SET deleted_at=?, sync_status='pending', updated_at=? WHERE id=?"),
        {now, now, id});
    if (!query.execWrite("AccountRepository::softDelete"))
        return false;
    announceChange();
    return true;
}

bool AccountRepository::restore(const QString& id)
{
    SqlQuery query(m_database, QStringLiteral("UPDATE accounts SET deleted_at=NULL, sync_status='pending', updated_at=? WHERE id=?"),
        {timeToText(Clock::nowUtc()), id});
    if (!query.execWrite("AccountRepository::restore"))
        return false;
    announceChange();
    return true;
}

bool AccountRepository::updateSortOrders(const QList<SortOrderEntry>& entries)
{
    const bool written = m_database->inTransaction([&] {
        for (const SortOrderEntry& entry : entries) {
            if (!SqlQuery(m_database, QStringLiteral("UPDATE accounts SET sort_order=?, updated_at=? WHERE id=?"),
                    {entry.second, timeToText(Clock::nowUtc()), entry.first})
                     .execWrite("AccountRepository::updateSortOrders"))
                return false;
        }
        return true;
    });
    if (!written)
        return false;
    announceChange();
    return true;
}

bool AccountRepository::markSynced(const QString& id, const QString& serverId)
{
    return SqlQuery(m_database, QStringLiteral("UPDATE accounts SET sync_status='synced', server_id=? WHERE id=?"), {serverId, id})
        .execWrite("AccountRepository::markSynced");
}

int AccountRepository::markAllPendingForResync()
{
    const int changed = SqlQuery(m_database,
        QStringLiteral("UPDATE accounts SET sync_status = 'pending' WHERE deleted_at IS NULL AND sync_status != 'pending'"))
                            .execCount("AccountRepository::markAllPendingForResync");
    if (changed > 0)
        announceChange();
    return changed;
}

void AccountRepository::announceChange()
{
    m_database->notifyAfterCommit(QStringLiteral("accountsChanged"), [this] { Q_EMIT accountsChanged(); });
}

std::optional<QString> AccountRepository::idForServerId(const QString& serverId)
{
    return SyncRowStatements(m_database, QStringLiteral("accounts"), "AccountRepository").idForServerId(serverId);
}

std::optional<bool> AccountRepository::markSyncedIfUnchanged(
    const QString& id, const QString& serverId, const SyncStamp& pushed, bool applied)
{
    return SyncRowStatements(m_database, QStringLiteral("accounts"), "AccountRepository")
        .markSyncedIfUnchanged(id, serverId, pushed, applied);
}

bool AccountRepository::storeFromServer(const Account& a)
{
    if (!SyncRowStatements(m_database, QStringLiteral("accounts"), "AccountRepository")
             .store(columns.split(QStringLiteral(", ")),
                 {a.id, a.name, toStoredText(a.type), toStoredText(a.currency), a.institution, a.accountNumberLast4,
                     a.startingBalance, a.sortOrder, boolValue(a.isShared), a.version, toStoredText(a.syncStatus),
                     a.serverId, timeToText(a.createdAt), timeToText(a.updatedAt), optionalTimeValue(a.deletedAt)}))
        return false;
    announceChange();
    return true;
}

int AccountRepository::forgetServer()
{
    const int changed = SyncRowStatements(m_database, QStringLiteral("accounts"), "AccountRepository").forgetServer();
    if (changed > 0)
        announceChange();
    return changed;
}
