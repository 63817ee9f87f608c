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
        // Handed to this reader as deleted: the share that showed it has ended.
        bool deliveredAsDeleted = false;
    };

    explicit SyncRepository(Database &database);

    // Reserves `count` change numbers and gives the highest. Must run first
    // in the writing transaction: the counter row stays locked until commit,
    // so numbers become visible in the order they were handed out.
    std::optional<qint64> reserveChangeNumbers(int count);
    std::optional<Row> find(const QString &entityType, const QString &identityOwner, const QString &clientId);
    bool insert(const Row &row);
    bool update(const Row &row);
    // What `userId` may see changed after `since`, in change order, at most
    // `limit`: their own rows, the rows of accounts shared with them, and the
    // rows handed to them when a share began or ended. changeSeq is the
    // number under which each reaches this reader.
    QList<Row> changedSince(const QString &userId, qint64 since, int limit);
    // Rows of one kind with the given client ids that `userId` may see; for
    // categories the user's own first, then those of the owners of accounts
    // shared with them, for the ids the user has none of.
    QList<Row> visibleRowsWithClientIds(const QString &userId, const QString &entityType, const QStringList &clientIds);
    // The account row and every row belonging to the account.
    QList<Row> rowsOfAccount(const QString &ownerId, const QString &accountId);
    bool setChangeSeq(const QString &serverId, qint64 changeSeq);
    bool deliver(const QString &userId, const QString &serverId, qint64 changeSeq, bool asDeleted);
    int liveCategoryCount(const QString &ownerId);

private:
    QList<Row> rowsWithClientIds(const QString &condition, const QVariantList &conditionValues,
                                 const QString &entityType, const QStringList &clientIds, const char *operation);

    Database &m_database;
};
