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

    bool insert(const Reconciliation& reconciliation);
    bool update(const Reconciliation& reconciliation);
    int softDeleteByAccount(const QString& accountId);
    int restoreByAccount(const QString& accountId, const QString& since);
    bool markSynced(const QString& id, const QString& serverId);
    int markAllPendingForResync();

Q_SIGNALS:
    void reconciliationsChanged();

private:
    Database* m_database;
};
