#pragma once

#include "storage/account.h"

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

    QList<Account> all();
    std::optional<Account> byId(const QString& id);
    QList<Account> deleted();
    QList<Account> pending();

    bool insert(const Account& account);
    bool update(const Account& account);
    bool softDelete(const QString& id);
    bool restore(const QString& id);
    // All entries or none, in one database transaction.
    bool updateSortOrders(const QList<SortOrderEntry>& entries);
    bool markSynced(const QString& id, const QString& serverId);
    int markAllPendingForResync();

Q_SIGNALS:
    void accountsChanged();

private:
    Database* m_database;
};
