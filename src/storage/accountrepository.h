#pragma once

#include "storage/account.h"
#include "storage/syncstamp.h"

#include <QList>
#include <QObject>
#include <QPair>
#include <optional>

class Database;

class AccountRepository : public QObject
{
    Q_OBJECT

public:
    // An account id and its new sort order.
    using SortOrderEntry = QPair<QString, int>;

    AccountRepository(Database* database, QObject* parent = nullptr);

    // The connection the repositories share, for work that spans several
    // of them in one transaction.
    Database* database() const { return m_database; }

    QList<Account> all();
    std::optional<Account> byId(const QString& id);
    QList<Account> deleted();
    // Rows waiting for upload, deleted ones included; at most `limit`
    // (all when negative).
    QList<Account> pending(int limit = -1);
    int pendingCount();

    [[nodiscard]] bool insert(const Account& account);
    [[nodiscard]] bool update(const Account& account);
    [[nodiscard]] bool softDelete(const QString& id);
    [[nodiscard]] bool restore(const QString& id);
    // All entries or none, in one database transaction.
    [[nodiscard]] bool updateSortOrders(const QList<SortOrderEntry>& entries);
    [[nodiscard]] bool markSynced(const QString& id, const QString& serverId);
    [[nodiscard]] int markAllPendingForResync();
    // The sync engine's side: the row the server knows by its id, an upload
    // acknowledged only for a row unchanged since it was sent, a row stored
    // as the server has it (deletion included), and every row made new to
    // the server.
    std::optional<QString> idForServerId(const QString& serverId);
    [[nodiscard]] std::optional<bool> markSyncedIfUnchanged(
        const QString& id, const QString& serverId, const SyncStamp& pushed, bool applied);
    [[nodiscard]] bool storeFromServer(const Account& account);
    [[nodiscard]] int forgetServer();

Q_SIGNALS:
    void accountsChanged();

private:
    // The change signal, sent after the commit when inside a transaction.
    void announceChange();

    Database* m_database;
};
