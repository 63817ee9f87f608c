#pragma once

#include "storage/syncstamp.h"

#include <QString>
#include <QStringList>
#include <QVariantList>
#include <optional>

class Database;

// The statements on the sync columns that the five synchronised tables
// share; each repository calls them with its own table.
class SyncRowStatements
{
public:
    SyncRowStatements(Database* database, const QString& table, const char* className);

    // How many rows wait for upload, deleted ones included; 0 after a failure.
    int pendingCount();
    // The local id of the row the server knows as `serverId`.
    std::optional<QString> idForServerId(const QString& serverId);
    // Marks the row synced only while it still has `pushed`'s version,
    // updated_at and deleted_at: a row changed again while its upload was
    // on the way stays pending. A change the server acknowledged without
    // applying leaves the row at version 0, so the server's copy replaces
    // it whenever it arrives. Whether it was marked; none after a failure.
    std::optional<bool> markSyncedIfUnchanged(
        const QString& id, const QString& serverId, const SyncStamp& pushed, bool applied);
    // Forgets every server id and makes every row pending, deleted ones
    // included: the rows go to another account as if never uploaded.
    [[nodiscard]] int forgetServer();
    // Inserts the row, or rewrites every column of the row with the same id,
    // deleted_at included. `columns` begins with "id".
    [[nodiscard]] bool store(const QStringList& columns, const QVariantList& values);

private:
    QByteArray operation(const char* name) const;

    Database* m_database;
    QString m_table;
    const char* m_className;
};
