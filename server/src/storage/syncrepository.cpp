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

QList<SyncRepository::Row> SyncRepository::changedSince(const QString &ownerId, qint64 since, int limit)
{
    QList<Row> rows;
    auto query = m_database.execute(
        QStringLiteral("SELECT %1 FROM sync_rows WHERE owner_id = ? AND change_seq > ? ORDER BY change_seq LIMIT ?")
            .arg(rowColumns),
        {ownerId, since, limit}, "SyncRepository::changedSince");
    while (query && query->next())
        rows.append(rowFrom(*query));
    return rows;
}

QList<SyncRepository::Row> SyncRepository::rowsWithClientIds(const QString &ownerId, const QString &entityType,
                                                             const QStringList &clientIds)
{
    QList<Row> rows;
    if (clientIds.isEmpty())
        return rows;
    QStringList placeholders;
    QVariantList values{ownerId, entityType};
    for (const QString &clientId : clientIds) {
        placeholders.append(QStringLiteral("?"));
        values.append(clientId);
    }
    auto query = m_database.execute(
        QStringLiteral("SELECT %1 FROM sync_rows WHERE owner_id = ? AND entity_type = ? AND client_id IN (%2)")
            .arg(rowColumns, placeholders.join(QStringLiteral(", "))),
        values, "SyncRepository::rowsWithClientIds");
    while (query && query->next())
        rows.append(rowFrom(*query));
    return rows;
}

int SyncRepository::liveCategoryCount(const QString &ownerId)
{
    auto query = m_database.execute(
        QStringLiteral("SELECT COUNT(*) FROM sync_rows WHERE owner_id = ? AND entity_type = 'category' AND deleted = 0"),
        {ownerId}, "SyncRepository::liveCategoryCount");
    return query && query->next() ? query->value(0).toInt() : 0;
}
