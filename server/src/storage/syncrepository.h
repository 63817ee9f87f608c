#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

class Database;

// The synced register rows of every user and the counter that orders their changes.
class SyncRepository
{
public:
    struct Row
    {
        QString serverId;
        QString entityType;
        QString identityOwner;
        QString clientId;
        QString ownerId;
        QString accountId;
        qint64 version = 0;
        bool deleted = false;
        QByteArray payload;
        qint64 changeSeq = 0;
        QString updatedAt;
    };

    explicit SyncRepository(Database &database);

    // Reserves `count` change numbers and gives the highest. Must run first
    // in the writing transaction: the counter row stays locked until commit,
    // so numbers become visible in the order they were handed out.
    std::optional<qint64> reserveChangeNumbers(int count);
    std::optional<Row> find(const QString &entityType, const QString &identityOwner, const QString &clientId);
    bool insert(const Row &row);
    bool update(const Row &row);
    // The owner's rows changed after `since`, in change order, at most `limit`.
    QList<Row> changedSince(const QString &ownerId, qint64 since, int limit);
    // The owner's rows of one kind with the given client ids.
    QList<Row> rowsWithClientIds(const QString &ownerId, const QString &entityType, const QStringList &clientIds);
    int liveCategoryCount(const QString &ownerId);

private:
    Database &m_database;
};
