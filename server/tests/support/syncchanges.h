#pragma once

#include <QHash>
#include <QJsonObject>
#include <QString>

class TestClient;

// Change objects as the program pushes them, and a pull through every page.
class SyncChanges
{
public:
    // Every row of every page by "reply key/client_id", the last seen state of each.
    struct Pulled
    {
        QHash<QString, QJsonObject> rows;
        int pages = 0;
        QString cursor;
    };

    static QJsonObject change(const QString &type, const QString &id, int version, QJsonObject payload = {},
                              const QString &action = QStringLiteral("upsert"));
    static QJsonObject transaction(const QString &id, const QString &account, int version,
                                   const QString &payee = QStringLiteral("Grocer"),
                                   const QString &category = QStringLiteral("cat-food"));
    static Pulled pullAll(TestClient &client, const QString &token, const QString &since = {}, int limit = 200);
};
