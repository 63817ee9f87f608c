#pragma once

#include "storage/reconciliation.h"

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
    QList<Reconciliation> pending();

    [[nodiscard]] bool insert(const Reconciliation& reconciliation);
    [[nodiscard]] bool update(const Reconciliation& reconciliation);
    [[nodiscard]] int softDeleteByAccount(const QString& accountId);
    [[nodiscard]] int restoreByAccount(const QString& accountId, const QString& since);
    [[nodiscard]] bool markSynced(const QString& id, const QString& serverId);
    [[nodiscard]] int markAllPendingForResync();

Q_SIGNALS:
    void reconciliationsChanged();

private:
    // The change signal, sent after the commit when inside a transaction.
    void announceChange();

    Database* m_database;
};
