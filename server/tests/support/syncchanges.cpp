#include "support/syncchanges.h"

#include "support/testclient.h"

#include <QJsonArray>
#include <QStringList>

QJsonObject SyncChanges::change(const QString &type, const QString &id, int version, QJsonObject payload,
                                const QString &action)
{
    payload.insert(QStringLiteral("client_id"), id);
    return {{QStringLiteral("entity_type"), type}, {QStringLiteral("entity_id"), id},
            {QStringLiteral("action"), action}, {QStringLiteral("version"), version},
            {QStringLiteral("payload"), payload}};
}

QJsonObject SyncChanges::transaction(const QString &id, const QString &account, int version, const QString &payee,
                                     const QString &category)
{
    return change(QStringLiteral("transaction"), id, version,
                  {{QStringLiteral("account_id"), account}, {QStringLiteral("payee"), payee},
                   {QStringLiteral("amount"), -1250}, {QStringLiteral("date"), QStringLiteral("2026-12-01")},
                   {QStringLiteral("category_id"), category}});
}

SyncChanges::Pulled SyncChanges::pullAll(TestClient &client, const QString &token, const QString &since, int limit)
{
    static const QStringList pageKeys{QStringLiteral("accounts"), QStringLiteral("categories"),
                                      QStringLiteral("recurring_transactions"), QStringLiteral("transactions"),
                                      QStringLiteral("reconciliations")};
    Pulled pulled;
    pulled.cursor = since;
    for (bool more = true; more && pulled.pages < 1000; ++pulled.pages) {
        QString path = QStringLiteral("/checkbook/v1/sync/pull?limit=%1").arg(limit);
        if (!pulled.cursor.isEmpty())
            path += QStringLiteral("&since=") + pulled.cursor;
        const TestClient::Reply reply = client.get(path, token);
        if (reply.status != 200)
            break;
        for (const QString &key : pageKeys) {
            const QJsonArray rows = reply.json.value(key).toArray();
            for (const QJsonValue &row : rows)
                pulled.rows.insert(key + QLatin1Char('/') + row.toObject().value(QStringLiteral("client_id")).toString(), row.toObject());
        }
        pulled.cursor = reply.json.value(QStringLiteral("server_time")).toString();
        more = reply.json.value(QStringLiteral("has_more")).toBool();
    }
    return pulled;
}
