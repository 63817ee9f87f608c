#include "storage/syncrepository.h"

#include "storage/database.h"

namespace {

const QString rowColumns = QStringLiteral("server_id, entity_type, identity_owner, client_id, owner_id, account_id, "
                                          "version, deleted, payload, change_seq, updated_at");

SyncRepository::Row rowFrom(const QSqlQuery &query)
{
    return {query.value(0).toString(), query.value(1).toString(), query.value(2).toString(),
            query.value(3).toString(), query.value(4).toString(), query.value(5).toString(),
            query.value(6).toLongLong(), query.value(7).toInt() != 0, query.value(8).toString().toUtf8(),
            query.value(9).toLongLong(), query.value(10).toString()};
}

QString prefixedRowColumns()
{
    QStringList columns = rowColumns.split(QStringLiteral(", "));
    for (QString &column : columns)
        column.prepend(QStringLiteral("r."));
    return columns.join(QStringLiteral(", "));
}

} // namespace

SyncRepository::SyncRepository(Database &database)
    : m_database(database)
{
}

std::optional<qint64> SyncRepository::reserveChangeNumbers(int count)
{
    if (!m_database.execute(QStringLiteral("UPDATE sync_counter SET value = value + ? WHERE id = 1"), {count},
                            "SyncRepository::reserveChangeNumbers")) {
        return std::nullopt;
    }
    auto query = m_database.execute(QStringLiteral("SELECT value FROM sync_counter WHERE id = ?"), {1},
                                    "SyncRepository::reserveChangeNumbers");
    if (!query || !query->next())
        return std::nullopt;
    return query->value(0).toLongLong();
}

std::optional<SyncRepository::Row> SyncRepository::find(const QString &entityType, const QString &identityOwner,
                                                        const QString &clientId)
{
    auto query = m_database.execute(
        QStringLiteral("SELECT %1 FROM sync_rows WHERE entity_type = ? AND identity_owner = ? AND client_id = ?")
            .arg(rowColumns),
        {entityType, identityOwner, clientId}, "SyncRepository::find");
    if (!query || !query->next())
        return std::nullopt;
    return rowFrom(*query);
}

bool SyncRepository::insert(const Row &row)
{
    return m_database
        .execute(QStringLiteral("INSERT INTO sync_rows (%1) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)").arg(rowColumns),
                 {row.serverId, row.entityType, row.identityOwner, row.clientId, row.ownerId, row.accountId,
                  row.version, row.deleted ? 1 : 0, QString::fromUtf8(row.payload), row.changeSeq, row.updatedAt},
                 "SyncRepository::insert")
        .has_value();
}

bool SyncRepository::update(const Row &row)
{
    return m_database
        .execute(QStringLiteral("UPDATE sync_rows SET account_id = ?, version = ?, deleted = ?, payload = ?, "
                                "change_seq = ?, updated_at = ? WHERE server_id = ?"),
                 {row.accountId, row.version, row.deleted ? 1 : 0, QString::fromUtf8(row.payload), row.changeSeq,
                  row.updatedAt, row.serverId},
                 "SyncRepository::update")
        .has_value();
}

QList<SyncRepository::Row> SyncRepository::changedSince(const QString &userId, qint64 since, int limit)
{
    QList<Row> rows;
    // Three ordered, limited reads merged: the user's own rows, the rows of
    // accounts shared with them, and the rows handed to them. A shared row
    // counts only while its owner is the account's owner, so no one can slip
    // rows into another's shared account by naming its id.
    auto query = m_database.execute(
        QStringLiteral("SELECT * FROM ("
                       " SELECT * FROM (SELECT %1, r.change_seq AS seq, 0 AS as_deleted FROM sync_rows r"
                       "  WHERE r.owner_id = ? AND r.change_seq > ? ORDER BY r.change_seq LIMIT ?) AS own"
                       " UNION ALL"
                       " SELECT * FROM (SELECT %1, r.change_seq AS seq, 0 AS as_deleted FROM account_shares s"
                       "  JOIN sync_rows r ON r.account_id = s.account_id AND r.owner_id = s.owner_id"
                       "  WHERE s.member_id = ? AND r.entity_type <> 'category' AND r.change_seq > ?"
                       "  ORDER BY r.change_seq LIMIT ?) AS shared"
                       " UNION ALL"
                       " SELECT * FROM (SELECT %1, d.change_seq AS seq, d.as_deleted FROM sync_deliveries d"
                       "  JOIN sync_rows r ON r.server_id = d.server_id WHERE d.user_id = ? AND d.change_seq > ?"
                       "  ORDER BY d.change_seq LIMIT ?) AS delivered"
                       ") AS visible ORDER BY seq LIMIT ?")
            .arg(prefixedRowColumns()),
        {userId, since, limit, userId, since, limit, userId, since, limit, limit}, "SyncRepository::changedSince");
    while (query && query->next()) {
        Row row = rowFrom(*query);
        row.changeSeq = query->value(11).toLongLong();
        row.deliveredAsDeleted = query->value(12).toInt() != 0;
        rows.append(row);
    }
    return rows;
}

QList<SyncRepository::Row> SyncRepository::rowsWithClientIds(const QString &condition, const QVariantList &conditionValues,
                                                             const QString &entityType, const QStringList &clientIds,
                                                             const char *operation)
{
    QList<Row> rows;
    if (clientIds.isEmpty())
        return rows;
    QStringList placeholders;
    QVariantList values = conditionValues;
    values.append(entityType);
    for (const QString &clientId : clientIds) {
        placeholders.append(QStringLiteral("?"));
        values.append(clientId);
    }
    auto query = m_database.execute(
        QStringLiteral("SELECT %1 FROM sync_rows r WHERE %2 AND r.entity_type = ? AND r.client_id IN (%3) "
                       "ORDER BY r.server_id")
            .arg(prefixedRowColumns(), condition, placeholders.join(QStringLiteral(", "))),
        values, operation);
    while (query && query->next())
        rows.append(rowFrom(*query));
    return rows;
}

QList<SyncRepository::Row> SyncRepository::visibleRowsWithClientIds(const QString &userId, const QString &entityType,
                                                                    const QStringList &clientIds)
{
    const char *operation = "SyncRepository::visibleRowsWithClientIds";
    if (entityType != QLatin1String("category")) {
        return rowsWithClientIds(QStringLiteral("(r.owner_id = ? OR EXISTS (SELECT 1 FROM account_shares s "
                                                "WHERE s.member_id = ? AND s.account_id = r.account_id "
                                                "AND s.owner_id = r.owner_id))"),
                                 {userId, userId}, entityType, clientIds, operation);
    }
    QList<Row> rows = rowsWithClientIds(QStringLiteral("r.identity_owner = ?"), {userId}, entityType, clientIds, operation);
    QStringList missing = clientIds;
    for (const Row &row : std::as_const(rows))
        missing.removeAll(row.clientId);
    const QList<Row> owners = rowsWithClientIds(
        QStringLiteral("r.identity_owner IN (SELECT s.owner_id FROM account_shares s WHERE s.member_id = ?)"), {userId},
        entityType, missing, operation);
    // Two owners may both share a category id; the member gets one of them.
    for (const Row &row : owners) {
        if (missing.removeAll(row.clientId) > 0)
            rows.append(row);
    }
    return rows;
}

QList<SyncRepository::Row> SyncRepository::rowsOfAccount(const QString &ownerId, const QString &accountId)
{
    QList<Row> rows;
    auto query = m_database.execute(
        QStringLiteral("SELECT %1 FROM sync_rows r WHERE r.owner_id = ? AND r.account_id = ? "
                       "AND r.entity_type <> 'category' ORDER BY r.change_seq")
            .arg(prefixedRowColumns()),
        {ownerId, accountId}, "SyncRepository::rowsOfAccount");
    while (query && query->next())
        rows.append(rowFrom(*query));
    return rows;
}

bool SyncRepository::setChangeSeq(const QString &serverId, qint64 changeSeq)
{
    return m_database
        .execute(QStringLiteral("UPDATE sync_rows SET change_seq = ? WHERE server_id = ?"), {changeSeq, serverId},
                 "SyncRepository::setChangeSeq")
        .has_value();
}

bool SyncRepository::deliver(const QString &userId, const QString &serverId, qint64 changeSeq, bool asDeleted)
{
    return m_database
        .execute(QStringLiteral("INSERT INTO sync_deliveries (user_id, server_id, change_seq, as_deleted) "
                                "VALUES (?, ?, ?, ?) ON CONFLICT (user_id, server_id) DO UPDATE SET "
                                "change_seq = excluded.change_seq, as_deleted = excluded.as_deleted"),
                 {userId, serverId, changeSeq, asDeleted ? 1 : 0}, "SyncRepository::deliver")
        .has_value();
}

int SyncRepository::liveCategoryCount(const QString &ownerId)
{
    auto query = m_database.execute(
        // By the unique index, which holds a category under its owner (a
        // category's identity owner is its owner): every pull page asks, and
        // the owner's other rows may be a hundred thousand.
        QStringLiteral("SELECT COUNT(*) FROM sync_rows WHERE entity_type = 'category' AND identity_owner = ? AND deleted = 0"),
        {ownerId}, "SyncRepository::liveCategoryCount");
    return query && query->next() ? query->value(0).toInt() : 0;
}
