#pragma once

#include "storage/category.h"
#include "storage/syncstamp.h"

#include <QList>
#include <QObject>
#include <optional>

class Database;

class CategoryRepository : public QObject
{
    Q_OBJECT

public:
    CategoryRepository(Database* database, QObject* parent = nullptr);

    int count();
    QList<Category> all();
    std::optional<Category> byId(const QString& id);
    std::optional<Category> byName(const QString& name);
    // Rows waiting for upload, deleted ones included; at most `limit`
    // (all when negative).
    QList<Category> pending(int limit = -1);
    int pendingCount();

    [[nodiscard]] bool insert(const Category& category);
    [[nodiscard]] bool update(const Category& category);
    [[nodiscard]] bool softDelete(const QString& id);
    // Brings the soft-deleted row with the category's id back to life, with
    // the category's name, type, parent, tax and default fields and its
    // updated_at, pending upload. False when no row has that id.
    [[nodiscard]] bool revive(const Category& category);
    [[nodiscard]] bool markSynced(const QString& id, const QString& serverId);
    [[nodiscard]] int markAllPendingForResync();
    // The sync engine's side: the row the server knows by its id, an upload
    // acknowledged only for a row unchanged since it was sent, a row stored
    // as the server has it (deletion included), and every row made new to
    // the server.
    std::optional<QString> idForServerId(const QString& serverId);
    [[nodiscard]] std::optional<bool> markSyncedIfUnchanged(
        const QString& id, const QString& serverId, const SyncStamp& pushed, bool applied);
    [[nodiscard]] bool storeFromServer(const Category& category);
    [[nodiscard]] int forgetServer();

Q_SIGNALS:
    void categoriesChanged();

private:
    // The change signal, sent after the commit when inside a transaction.
    void announceChange();

    Database* m_database;
};
