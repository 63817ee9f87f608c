#pragma once

#include "storage/recurringtransaction.h"
#include "storage/syncstamp.h"

#include <QList>
#include <QObject>
#include <optional>

class Database;

class RecurringRepository : public QObject
{
    Q_OBJECT

public:
    RecurringRepository(Database* database, QObject* parent = nullptr);

    QList<RecurringTransaction> all();
    std::optional<RecurringTransaction> byId(const QString& id);
    // Live, active rules due today or earlier.
    QList<RecurringTransaction> due();
    // Rows waiting for upload, deleted ones included; at most `limit`
    // (all when negative).
    QList<RecurringTransaction> pending(int limit = -1);
    int pendingCount();

    [[nodiscard]] bool insert(const RecurringTransaction& rule);
    [[nodiscard]] bool update(const RecurringTransaction& rule);
    [[nodiscard]] bool softDelete(const QString& id);
    [[nodiscard]] int softDeleteByAccount(const QString& accountId);
    [[nodiscard]] int restoreByAccount(const QString& accountId, const QString& since);
    [[nodiscard]] bool markSynced(const QString& id, const QString& serverId);
    [[nodiscard]] int markAllPendingForResync();
    // The sync engine's side: the row the server knows by its id, an upload
    // acknowledged only for a row unchanged since it was sent, a row stored
    // as the server has it (deletion included), and every row made new to
    // the server.
    std::optional<QString> idForServerId(const QString& serverId);
    [[nodiscard]] std::optional<bool> markSyncedIfUnchanged(
        const QString& id, const QString& serverId, const SyncStamp& pushed, bool applied);
    [[nodiscard]] bool storeFromServer(const RecurringTransaction& rule);
    [[nodiscard]] int forgetServer();

Q_SIGNALS:
    void recurringChanged();

private:
    // The change signal, sent after the commit when inside a transaction.
    void announceChange();

    Database* m_database;
};
