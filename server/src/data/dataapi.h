#pragma once

#include "http/httpreply.h"
#include "storage/syncrepository.h"

#include <QJsonObject>
#include <QString>

class Database;
class HttpRequest;
class Router;

// The data service under "/checkbook/v1": "/sync/push" writes the changes a
// device sends, "/sync/pull" pages through the rows changed after a cursor
// that is the change number of the last row seen.
class DataApi
{
public:
    static constexpr int maxChangesPerPush = 500;
    static constexpr int defaultPullLimit = 200;
    static constexpr int maxPullLimit = 1000;
    static constexpr int maxPayloadBytes = 64 * 1024;
    static constexpr int maxIdLength = 64;

    DataApi(Database &database, SyncRepository &rows);

    // What one change came to: "ok", or why not.
    struct Outcome
    {
        QString status;
        QString message;
        QString serverId;
    };

    void addRoutes(Router &router);

private:
    HttpReply push(const HttpRequest &request);
    HttpReply pull(const HttpRequest &request);
    // Applies one change with change number `changeSeq`; `used` tells whether the number was taken.
    Outcome apply(const QJsonObject &change, const QString &userId, qint64 changeSeq, bool *used, bool *failed);
    QJsonObject pageOf(const QString &userId, const QList<SyncRepository::Row> &rows);

    Database &m_database;
    SyncRepository &m_rows;
};
