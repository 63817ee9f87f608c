#include "storage/categoryrepository.h"

#include "storage/clock.h"
#include "storage/database.h"
#include "storage/sqlquery.h"
#include "storage/syncrowstatements.h"
#include "storage/storedtime.h"

namespace {

const QString columns = QStringLiteral(
    "id, name, category_type, parent_id, is_tax_relevant, tax_category, icon, color, is_default, account_id, "
    "version, sync_status, server_id, created_at, updated_at, deleted_at");

QString select(const char* rest)
{
    return QStringLiteral("SELECT %1 FROM categories ").arg(columns) + QLatin1String(rest);
}

Category readCategory(const SqlQuery& row)
{
    Category c;
    c.id = row.value(0).toString();
    c.name = row.value(1).toString();
    c.type = categoryTypeFromText(row.value(2).toString());
    c.parentId = row.value(3).toString();
    c.isTaxRelevant = row.value(4).toBool();
    c.taxCategory = row.value(5).toString();
    c.icon = row.value(6).toString();
    c.color = row.value(7).toString();
    c.isDefault = row.value(8).toBool();
    c.accountId = row.value(9).toString();
    c.version = row.value(10).toInt();
    c.syncStatus = syncStatusFromText(row.value(11).toString());
    c.serverId = row.value(12).toString();
    c.createdAt = timeFromText(row.value(13).toString());
    c.updatedAt = timeFromText(row.value(14).toString());
    c.deletedAt = optionalTimeFromText(row.value(15).toString());
    return c;
}

} // namespace

CategoryRepository::CategoryRepository(Database* database, QObject* parent)
    : QObject(parent)
    , m_database(database)
{
}

int CategoryRepository::count()
{
    return SqlQuery(m_database, QStringLiteral("SELECT COUNT(*) FROM categories WHERE deleted_at IS NULL"))
        .readOne([](const SqlQuery& row) { return row.value(0).toInt(); })
        .value_or(0);
}

QList<Category> CategoryRepository::all()
{
    return SqlQuery(m_database, select("WHERE deleted_at IS NULL ORDER BY name")).readAll(readCategory);
}

std::optional<Category> CategoryRepository::byId(const QString& id)
{
    return SqlQuery(m_database, select("WHERE id = ?"), {id}).readOne(readCategory);
}

std::optional<Category> CategoryRepository::byName(const QString& name)
{
    return SqlQuery(m_database, select("WHERE name = ? AND deleted_at IS NULL"), {name}).readOne(readCategory);
}

QList<Category> CategoryRepository::pending(int limit)
{
    return SqlQuery(m_database, select("WHERE sync_status = 'pending' LIMIT ?"), {limit}).readAll(readCategory);
}

int CategoryRepository::pendingCount()
{
    return SyncRowStatements(m_database, QStringLiteral("categories"), "CategoryRepository").pendingCount();
}

bool CategoryRepository::insert(const Category& c)
{
    SqlQuery query(m_database,
        QStringLiteral("INSERT INTO categories (id, name, category_type, parent_id, is_tax_relevant, tax_category, icon, "
                       "color, is_default, account_id, version, sync_status, server_id, created_at, updated_at) "
                       "VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"),
        {c.id, c.name, toStoredText(c.type), nullIfEmpty(c.parentId), boolValue(c.isTaxRelevant), c.taxCategory, c.icon,
         c.color, boolValue(c.isDefault), nullIfEmpty(c.accountId), c.version, toStoredText(c.syncStatus), c.serverId,
         timeToText(c.createdAt), timeToText(c.updatedAt)});
    if (!query.execWrite("CategoryRepository::insert"))
        return false;
    announceChange();
    return true;
}

bool CategoryRepository::update(const Category& c)
{
    SqlQuery query(m_database,
        QStringLiteral("UPDATE categories SET name=?, category_type=?, parent_id=?, is_tax_relevant=?, tax_category=?, "
                       "icon=?, color=?, is_default=?, account_id=?, version=?, sync_status=?, server_id=?, updated_at=? "
                       "WHERE id=?"),
        {c.name, toStoredText(c.type), nullIfEmpty(c.parentId), boolValue(c.isTaxRelevant), c.taxCategory, c.icon, c.color,
         boolValue(c.isDefault), nullIfEmpty(c.accountId), c.version, toStoredText(c.syncStatus), c.serverId,
         timeToText(c.updatedAt), c.id});
    if (!query.execUpdate("CategoryRepository::update"))
        return false;
    announceChange();
    return true;
}

bool CategoryRepository::softDelete(const QString& id)
{
    const QString now = timeToText(Clock::nowUtc());
    SqlQuery query(m_database, QStringLiteral("UPDATE categories SET deleted_at=?, sync_status='pending', updated_at=? WHERE id=?"),
        {now, now, id});
    if (!query.execWrite("CategoryRepository::softDelete"))
        return false;
    announceChange();
    return true;
}

bool CategoryRepository::revive(const Category& c)
{
    SqlQuery query(m_database,
        QStringLiteral("UPDATE categories SET name=?, category_type=?, parent_id=?, is_tax_relevant=?, tax_category=?, "
                       "is_default=?, sync_status='pending', updated_at=?, deleted_at=NULL WHERE id=?"),
        {c.name, toStoredText(c.type), nullIfEmpty(c.parentId), boolValue(c.isTaxRelevant), c.taxCategory,
         boolValue(c.isDefault), timeToText(c.updatedAt), c.id});
    if (!query.execUpdate("CategoryRepository::revive"))
        return false;
    announceChange();
    return true;
}

bool CategoryRepository::markSynced(const QString& id, const QString& serverId)
{
    return SqlQuery(m_database, QStringLiteral("UPDATE categories SET sync_status='synced', server_id=? WHERE id=?"), {serverId, id})
        .execWrite("CategoryRepository::markSynced");
}

int CategoryRepository::markAllPendingForResync()
{
    const int changed = SqlQuery(m_database,
        QStringLiteral("UPDATE categories SET sync_status = 'pending' WHERE deleted_at IS NULL AND sync_status != 'pending'"))
                            .execCount("CategoryRepository::markAllPendingForResync");
    if (changed > 0)
        announceChange();
    return changed;
}

void CategoryRepository::announceChange()
{
    m_database->notifyAfterCommit(QStringLiteral("categoriesChanged"), [this] { Q_EMIT categoriesChanged(); });
}

std::optional<QString> CategoryRepository::idForServerId(const QString& serverId)
{
    return SyncRowStatements(m_database, QStringLiteral("categories"), "CategoryRepository").idForServerId(serverId);
}

std::optional<bool> CategoryRepository::markSyncedIfUnchanged(
    const QString& id, const QString& serverId, const SyncStamp& pushed, bool applied)
{
    return SyncRowStatements(m_database, QStringLiteral("categories"), "CategoryRepository")
        .markSyncedIfUnchanged(id, serverId, pushed, applied);
}

bool CategoryRepository::storeFromServer(const Category& c)
{
    if (!SyncRowStatements(m_database, QStringLiteral("categories"), "CategoryRepository")
             .store(columns.split(QStringLiteral(", ")),
                 {c.id, c.name, toStoredText(c.type), nullIfEmpty(c.parentId), boolValue(c.isTaxRelevant),
                     c.taxCategory, c.icon, c.color, boolValue(c.isDefault), nullIfEmpty(c.accountId), c.version,
                     toStoredText(c.syncStatus), c.serverId, timeToText(c.createdAt), timeToText(c.updatedAt),
                     optionalTimeValue(c.deletedAt)}))
        return false;
    announceChange();
    return true;
}

int CategoryRepository::forgetServer()
{
    const int changed = SyncRowStatements(m_database, QStringLiteral("categories"), "CategoryRepository").forgetServer();
    if (changed > 0)
        announceChange();
    return changed;
}
