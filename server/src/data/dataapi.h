#pragma once

#include "http/httpreply.h"
#include "storage/syncrepository.h"

#include <QHash>
#include <QJsonObject>
#include <QString>

class AccountSharing;
class Database;
class GroupRepository;
class HttpRequest;
class Router;
class ShareRepository;
class UserRepository;

// The data service under "/checkbook/v1": "/sync/push" writes the changes a
// device sends, "/sync/pull" pages through the rows changed after a cursor
// that is the change number of the last row seen, and "/accounts/{id}/…"
// shares an account with members of the owner's group.
class DataApi
{
public:
    static constexpr int maxChangesPerPush = 500;
    static constexpr int defaultPullLimit = 200;
    static constexpr int maxPullLimit = 1000;
    static constexpr int maxPayloadBytes = 64 * 1024;
    static constexpr int maxIdLength = 64;

    DataApi(Database &database, SyncRepository &rows, ShareRepository &shares, AccountSharing &sharing,
            UserRepository &users, GroupRepository &groups);

    // What one change came to: "ok", or why not.
    struct Outcome
    {
        QString status;
        QString message;
        QString serverId;
        // False when the change is acknowledged but not applied: the row is
        // no longer the sender's to change, and the sender takes the
        // server's copy whenever it sees it again.
        bool applied = true;
    };

    void addRoutes(Router &router);

private:
    HttpReply push(const HttpRequest &request);
    HttpReply pull(const HttpRequest &request);
    HttpReply members(const HttpRequest &request);
    HttpReply share(const HttpRequest &request);
    HttpReply unshare(const HttpRequest &request);
    bool mayWriteIn(const QString &accountId, const QString &accountOwner, const QString &userId);
    // Applies one change with change number `changeSeq`; `used` tells whether the number was taken.
    // The owners of the accounts a push has looked up so far, by client id
    // (none for an account the server does not have): a push of 500 rows of
    // one account asks the database once.
    using AccountOwners = QHash<QString, std::optional<QString>>;
    Outcome apply(const QJsonObject &change, const QString &userId, qint64 changeSeq, AccountOwners &accountOwners,
                  bool *used, bool *failed);
    std::optional<QString> accountOwner(const QString &accountId, AccountOwners &accountOwners);
    QJsonObject pageOf(const QString &userId, const QList<SyncRepository::Row> &rows);

    Database &m_database;
    SyncRepository &m_rows;
    ShareRepository &m_shares;
    AccountSharing &m_sharing;
    UserRepository &m_users;
    GroupRepository &m_groups;
};
