#pragma once

#include "storage/reconciliation.h"
#include "storage/syncstamp.h"

#include <QList>
#include <QObject>
#include <optional>

class Database;

class ReconciliationRepository : public QObject
{
    Q_OBJECT

public:
    ReconciliationRepository(Database* database, QObject* parent = nullptr);

    // The account's history, latest statement first.
    QList<Reconciliation> byAccount(const QString& accountId);
    std::optional<Reconciliation> latest(const QString& accountId);
    std::optional<Reconciliation> byId(const QString& id);
    // Rows waiting for upload, deleted ones included; at most `limit`
    // (all when negative).
    QList<Reconciliation> pending(int limit = -1);
    int pendingCount();

    [[nodiscard]] bool insert(const Reconciliation& reconciliation);
    [[nodiscard]] bool update(const Reconciliation& reconciliation);
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
    [[nodiscard]] bool storeFromServer(const Reconciliation& reconciliation);
    [[nodiscard]] int forgetServer();

Q_SIGNALS:
    void reconciliationsChanged();

private:
    // The change signal, sent after the commit when inside a transaction.
    void announceChange();

    Database* m_database;
};
