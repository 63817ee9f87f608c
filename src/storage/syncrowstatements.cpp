#include "storage/syncrowstatements.h"

#include "storage/database.h"
#include "storage/sqlquery.h"
#include "storage/storedtime.h"

SyncRowStatements::SyncRowStatements(Database* database, const QString& table, const char* className)
    : m_database(database)
    , m_table(table)
    , m_className(className)
{
}

QByteArray SyncRowStatements::operation(const char* name) const
{
    return QByteArray(m_className) + "::" + name;
}

std::optional<QString> SyncRowStatements::idForServerId(const QString& serverId)
{
    return SqlQuery(m_database, QStringLiteral("SELECT id FROM %1 WHERE server_id = ?").arg(m_table), {serverId})
        .readOne([](const SqlQuery& row) { return row.value(0).toString(); });
}

int SyncRowStatements::pendingCount()
{
    return SqlQuery(m_database, QStringLiteral("SELECT COUNT(*) FROM %1 WHERE sync_status='pending'").arg(m_table))
        .readOne([](const SqlQuery& query) { return query.value(0).toInt(); })
        .value_or(0);
}

std::optional<bool> SyncRowStatements::markSyncedIfUnchanged(
    const QString& id, const QString& serverId, const SyncStamp& pushed, bool applied)
{
    const QString assignments = applied ? QStringLiteral("sync_status='synced', server_id=?")
                                        : QStringLiteral("sync_status='synced', version=0");
    QVariantList values = applied ? QVariantList{serverId} : QVariantList{};
    values << id << pushed.version << timeToText(pushed.updatedAt) << optionalTimeValue(pushed.deletedAt);
    SqlQuery query(m_database,
        QStringLiteral("UPDATE %1 SET %2 WHERE id=? AND version=? AND updated_at=? AND deleted_at IS ?")
            .arg(m_table, assignments),
        values);
    if (!query.execWrite(operation("markSyncedIfUnchanged").constData()))
        return std::nullopt;
    return query.rowsAffected() > 0;
}

int SyncRowStatements::forgetServer()
{
    return SqlQuery(m_database, QStringLiteral("UPDATE %1 SET server_id=NULL, sync_status='pending'").arg(m_table))
        .execCount(operation("forgetServer").constData());
}

bool SyncRowStatements::store(const QStringList& columns, const QVariantList& values)
{
    QStringList placeholders;
    QStringList assignments;
    for (const QString& column : columns) {
        placeholders.append(QStringLiteral("?"));
        if (column != QLatin1String("id"))
            assignments.append(QStringLiteral("%1=excluded.%1").arg(column));
    }
    return SqlQuery(m_database,
        QStringLiteral("INSERT INTO %1 (%2) VALUES (%3) ON CONFLICT(id) DO UPDATE SET %4")
            .arg(m_table, columns.join(QStringLiteral(", ")), placeholders.join(QStringLiteral(", ")),
                assignments.join(QStringLiteral(", "))),
        values)
        .execWrite(operation("storeFromServer").constData());
}
