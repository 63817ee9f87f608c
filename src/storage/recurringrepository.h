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

    [[nodiscard]] bool insert(const RecurringTransaction& rule);
    [[nodiscard]] bool update(const RecurringTransaction& rule);
    [[nodiscard]] bool softDelete(const QString& id);
    [[nodiscard]] int softDeleteByAccount(const QString& accountId);
    [[nodiscard]] int restoreByAccount(const QString& accountId, const QString& since);
    [[nodiscard]] bool markSynced(const QString& id, const QString& serverId);
    [[nodiscard]] int markAllPendingForResync();

Q_SIGNALS:
    void recurringChanged();

private:
    // The change signal, sent after the commit when inside a transaction.
    void announceChange();

    Database* m_database;
};
