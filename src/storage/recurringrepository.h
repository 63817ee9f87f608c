#pragma once

#include "storage/recurringtransaction.h"

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
    QList<RecurringTransaction> pending();

    bool insert(const RecurringTransaction& rule);
    bool update(const RecurringTransaction& rule);
    bool softDelete(const QString& id);
    int softDeleteByAccount(const QString& accountId);
    int restoreByAccount(const QString& accountId, const QString& since);
    bool markSynced(const QString& id, const QString& serverId);
    int markAllPendingForResync();

Q_SIGNALS:
    void recurringChanged();

private:
    Database* m_database;
};
