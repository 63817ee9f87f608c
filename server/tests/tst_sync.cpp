// The data service's push and pull: paging by change number, conflicts,
// deletes, parents on the page, what other users cannot touch, and a cursor
// that skips nothing while clients push through two server instances at once.
#include "support/serverprocess.h"
#include "support/syncchanges.h"
#include "support/testclient.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QNetworkReply>
#include <QSet>
#include <QtTest>

namespace {

QJsonObject change(const QString &type, const QString &id, int version, const QJsonObject &payload = {},
                   const QString &action = QStringLiteral("upsert"))
{
    return SyncChanges::change(type, id, version, payload, action);
}

QJsonObject transaction(const QString &id, const QString &account, int version, const QString &payee = QStringLiteral("Grocer"))
{
    return SyncChanges::transaction(id, account, version, payee);
}

} // namespace

class TestSync : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void pushedRowsComeBackOnPull();
    void pagesOfOneInstantSkipNothing();
    void olderVersionsAreRefused();
    void aChangeAtTheSameVersionGivesWayToALaterOne_data();
    void aChangeAtTheSameVersionGivesWayToALaterOne();
    void deletesTravelAsDeletedRows();
    void aPageCarriesTheParentsOfItsRows();
    void othersCannotReadOrChangeTheRows_data();
    void othersCannotReadOrChangeTheRows();
    void malformedRequestsAreRefused_data();
    void malformedRequestsAreRefused();
    void concurrentPushesThroughTwoInstancesSkipNothing();

private:
    TestClient::Tokens newUser(const QString &name);
    TestClient::Reply push(const TestClient::Tokens &user, const QJsonArray &changes);
    SyncChanges::Pulled pullAll(const TestClient::Tokens &user, const QString &since = {}, int limit = 200);

    ServerProcess m_server;
    std::unique_ptr<TestClient> m_client;
    int m_users = 0;
};

void TestSync::initTestCase()
{
    if (ServerProcess::wantsPostgres() && ServerProcess::postgresUrl().isEmpty())
        QSKIP("KESTRELWOOD_TEST_POSTGRES_URL is not set");
    QVERIFY(m_server.start());
    m_client = std::make_unique<TestClient>(m_server.baseUrl());
}

TestClient::Tokens TestSync::newUser(const QString &name)
{
    const auto tokens = TestClient(m_server.baseUrl())
                            .signUp(QStringLiteral("%1-%2@example.com").arg(name).arg(++m_users), QStringLiteral("correct horse"));
    return tokens.value_or(TestClient::Tokens{});
}

TestClient::Reply TestSync::push(const TestClient::Tokens &user, const QJsonArray &changes)
{
    return m_client->post(QStringLiteral("/checkbook/v1/sync/push"), {{QStringLiteral("changes"), changes}}, user.access);
}

SyncChanges::Pulled TestSync::pullAll(const TestClient::Tokens &user, const QString &since, int limit)
{
    return SyncChanges::pullAll(*m_client, user.access, since, limit);
}

void TestSync::pushedRowsComeBackOnPull()
{
    const auto user = newUser(QStringLiteral("books"));
    const TestClient::Reply reply = push(user, {change(QStringLiteral("account"), QStringLiteral("acc-1"), 1, {{QStringLiteral("name"), QStringLiteral("Checking")}}),
                                                change(QStringLiteral("category"), QStringLiteral("cat-food"), 1, {{QStringLiteral("name"), QStringLiteral("Food")}}),
                                                transaction(QStringLiteral("tx-1"), QStringLiteral("acc-1"), 1)});
    QCOMPARE(reply.status, 200);
    const QJsonArray results = reply.json.value(QStringLiteral("results")).toArray();
    QCOMPARE(results.size(), 3);
    for (const QJsonValue &result : results) {
        QCOMPARE(result.toObject().value(QStringLiteral("status")).toString(), QStringLiteral("ok"));
        QVERIFY(!result.toObject().value(QStringLiteral("server_id")).toString().isEmpty());
    }
    QCOMPARE(results.at(2).toObject().value(QStringLiteral("entity_id")).toString(), QStringLiteral("tx-1"));

    const TestClient::Reply page = m_client->get(QStringLiteral("/checkbook/v1/sync/pull?limit=200"), user.access);
    QCOMPARE(page.status, 200);
    const QJsonObject row = page.json.value(QStringLiteral("transactions")).toArray().first().toObject();
    QCOMPARE(row.value(QStringLiteral("id")).toString(), results.at(2).toObject().value(QStringLiteral("server_id")).toString());
    QCOMPARE(row.value(QStringLiteral("payee")).toString(), QStringLiteral("Grocer"));
    QCOMPARE(row.value(QStringLiteral("amount")).toInteger(), qint64(-1250));
    QCOMPARE(page.json.value(QStringLiteral("integrity")).toObject().value(QStringLiteral("category_count")).toInt(), 1);
    QVERIFY(!page.json.value(QStringLiteral("has_more")).toBool());
    // Nothing new after the cursor.
    const QString cursor = page.json.value(QStringLiteral("server_time")).toString();
    QCOMPARE(pullAll(user, cursor).rows.size(), 0);
}

void TestSync::pagesOfOneInstantSkipNothing()
{
    const auto user = newUser(QStringLiteral("many"));
    QJsonArray changes;
    for (int i = 0; i < 500; ++i)
        changes.append(transaction(QStringLiteral("bulk-%1").arg(i), QStringLiteral("acc-bulk"), 1));
    QCOMPARE(push(user, changes).status, 200);
    QJsonArray more;
    for (int i = 500; i < 650; ++i)
        more.append(transaction(QStringLiteral("bulk-%1").arg(i), QStringLiteral("acc-bulk"), 1));
    QCOMPARE(push(user, more).status, 200);
    const SyncChanges::Pulled pulled = pullAll(user, {}, 200);
    QCOMPARE(pulled.rows.size(), 650);
    QCOMPARE(pulled.pages, 4);
}

void TestSync::olderVersionsAreRefused()
{
    const auto user = newUser(QStringLiteral("versions"));
    QCOMPARE(push(user, {transaction(QStringLiteral("tx-v"), QStringLiteral("acc-v"), 3, QStringLiteral("Newest"))}).status, 200);
    const QJsonObject stale = push(user, {transaction(QStringLiteral("tx-v"), QStringLiteral("acc-v"), 2, QStringLiteral("Stale"))})
                                  .json.value(QStringLiteral("results")).toArray().first().toObject();
    QVERIFY(stale.value(QStringLiteral("status")).toString() != QLatin1String("ok"));
    QVERIFY(!stale.value(QStringLiteral("message")).toString().isEmpty());
    QCOMPARE(pullAll(user).rows.value(QStringLiteral("transactions/tx-v")).value(QStringLiteral("payee")).toString(), QStringLiteral("Newest"));
    // The same version again is accepted: the device's own retry after a lost reply.
    QCOMPARE(push(user, {transaction(QStringLiteral("tx-v"), QStringLiteral("acc-v"), 3, QStringLiteral("Retried"))})
                 .json.value(QStringLiteral("results")).toArray().first().toObject().value(QStringLiteral("status")).toString(),
             QStringLiteral("ok"));
}

void TestSync::aChangeAtTheSameVersionGivesWayToALaterOne_data()
{
    QTest::addColumn<QString>("sentAgainAt");
    QTest::addColumn<QString>("expectedPayee");
    // The first device's reply was lost and it sends its change again, after
    // a second device built on that change.
    QTest::newRow("a retry another device has built on") << QStringLiteral("2024-05-20T12:00:03Z") << QStringLiteral("Built on it");
    QTest::newRow("a change made after the other") << QStringLiteral("2024-05-20T12:00:20Z") << QStringLiteral("First");
}

void TestSync::aChangeAtTheSameVersionGivesWayToALaterOne()
{
    QFETCH(QString, sentAgainAt);
    QFETCH(QString, expectedPayee);
    const auto user = newUser(QStringLiteral("retries"));
    const QString id = QStringLiteral("tx-r%1").arg(m_users);
    const auto stamped = [&id](const QString &payee, const QString &updatedAt) {
        QJsonObject change = transaction(id, QStringLiteral("acc-") + id, 1, payee);
        QJsonObject payload = change.value(QStringLiteral("payload")).toObject();
        payload.insert(QStringLiteral("updated_at"), updatedAt);
        change.insert(QStringLiteral("payload"), payload);
        return QJsonArray{change};
    };
    QCOMPARE(push(user, stamped(QStringLiteral("First"), QStringLiteral("2024-05-20T12:00:03Z"))).status, 200);
    QCOMPARE(push(user, stamped(QStringLiteral("Built on it"), QStringLiteral("2024-05-20T12:00:17Z"))).status, 200);
    const QString cursor = pullAll(user).cursor;

    const QJsonObject result = push(user, stamped(QStringLiteral("First"), sentAgainAt))
                                   .json.value(QStringLiteral("results")).toArray().first().toObject();
    QCOMPARE(result.value(QStringLiteral("status")).toString(), QStringLiteral("ok"));
    // Either way the row comes again after the sender's cursor, so the
    // sender holds what the server holds.
    const QJsonObject row = pullAll(user, cursor).rows.value(QStringLiteral("transactions/") + id);
    QCOMPARE(row.value(QStringLiteral("payee")).toString(), expectedPayee);
}

void TestSync::deletesTravelAsDeletedRows()
{
    const auto user = newUser(QStringLiteral("deletes"));
    QCOMPARE(push(user, {transaction(QStringLiteral("tx-d"), QStringLiteral("acc-d"), 1)}).status, 200);
    const QString cursor = pullAll(user).cursor;
    const QJsonArray results = push(user, {change(QStringLiteral("transaction"), QStringLiteral("tx-d"), 2,
                                                  {{QStringLiteral("account_id"), QStringLiteral("acc-d")},
                                                   {QStringLiteral("deleted_at"), QStringLiteral("2026-12-02T10:00:00Z")}},
                                                  QStringLiteral("delete")),
                                           change(QStringLiteral("transaction"), QStringLiteral("never-pushed"), 1,
                                                  {{QStringLiteral("account_id"), QStringLiteral("acc-d")}}, QStringLiteral("delete"))})
                                   .json.value(QStringLiteral("results")).toArray();
    QCOMPARE(results.at(0).toObject().value(QStringLiteral("status")).toString(), QStringLiteral("ok"));
    QCOMPARE(results.at(1).toObject().value(QStringLiteral("status")).toString(), QStringLiteral("ok"));
    const SyncChanges::Pulled after = pullAll(user, cursor);
    QCOMPARE(after.rows.size(), 1);
    QCOMPARE(after.rows.value(QStringLiteral("transactions/tx-d")).value(QStringLiteral("deleted_at")).toString(),
             QStringLiteral("2026-12-02T10:00:00Z"));
}

void TestSync::aPageCarriesTheParentsOfItsRows()
{
    const auto user = newUser(QStringLiteral("parents"));
    QCOMPARE(push(user, {change(QStringLiteral("account"), QStringLiteral("acc-p"), 1),
                         change(QStringLiteral("category"), QStringLiteral("cat-food"), 1),
                         transaction(QStringLiteral("tx-p1"), QStringLiteral("acc-p"), 1),
                         transaction(QStringLiteral("tx-p2"), QStringLiteral("acc-p"), 1)}).status, 200);
    // The account and the category change again: they now sort after the transactions.
    QCOMPARE(push(user, {change(QStringLiteral("account"), QStringLiteral("acc-p"), 2),
                         change(QStringLiteral("category"), QStringLiteral("cat-food"), 2)}).status, 200);
    const TestClient::Reply page = m_client->get(QStringLiteral("/checkbook/v1/sync/pull?limit=1"), user.access);
    QCOMPARE(page.json.value(QStringLiteral("transactions")).toArray().size(), 1);
    QCOMPARE(page.json.value(QStringLiteral("accounts")).toArray().size(), 1);
    QCOMPARE(page.json.value(QStringLiteral("categories")).toArray().size(), 1);
    QVERIFY(page.json.value(QStringLiteral("has_more")).toBool());
}

void TestSync::othersCannotReadOrChangeTheRows_data()
{
    QTest::addColumn<QString>("intruder");
    QTest::newRow("group member") << QStringLiteral("member");
    QTest::newRow("outsider") << QStringLiteral("outsider");
}

void TestSync::othersCannotReadOrChangeTheRows()
{
    QFETCH(QString, intruder);
    const auto owner = newUser(QStringLiteral("owner"));
    const auto other = newUser(intruder);
    if (intruder == QLatin1String("member")) {
        const QString code = m_client->post(QStringLiteral("/account/v1/group/invite"), {}, owner.access)
                                 .json.value(QStringLiteral("invite_code")).toString();
        QCOMPARE(m_client->post(QStringLiteral("/account/v1/group/join/%1").arg(code), {}, other.access).status, 200);
    }
    const QString account = QStringLiteral("acc-owner-%1").arg(intruder);
    const QString tx = QStringLiteral("tx-owner-%1").arg(intruder);
    QCOMPARE(push(owner, {change(QStringLiteral("account"), account, 1), change(QStringLiteral("category"), QStringLiteral("cat-food"), 1),
                          transaction(tx, account, 1, QStringLiteral("Owner's"))}).status, 200);

    const QJsonArray results = push(other, {transaction(tx, QStringLiteral("acc-mine"), 9, QStringLiteral("Overwritten")),
                                            transaction(QStringLiteral("tx-into-%1").arg(intruder), account, 1),
                                            change(QStringLiteral("account"), account, 9, {{QStringLiteral("name"), QStringLiteral("Taken")}}),
                                            change(QStringLiteral("transaction"), tx, 9, {{QStringLiteral("account_id"), account}}, QStringLiteral("delete")),
                                            change(QStringLiteral("category"), QStringLiteral("cat-food"), 1, {{QStringLiteral("name"), QStringLiteral("Mine")}})})
                                  .json.value(QStringLiteral("results")).toArray();
    QCOMPARE(results.size(), 5);
    for (int i = 0; i < 3; ++i)
        QCOMPARE(results.at(i).toObject().value(QStringLiteral("status")).toString(), QStringLiteral("forbidden"));
    // A delete of a row the user cannot see is done with, and changes nothing.
    QCOMPARE(results.at(3).toObject().value(QStringLiteral("status")).toString(), QStringLiteral("ok"));
    // Default categories share their ids across users: each user has their own row.
    QCOMPARE(results.at(4).toObject().value(QStringLiteral("status")).toString(), QStringLiteral("ok"));

    const SyncChanges::Pulled ownerRows = pullAll(owner);
    QCOMPARE(ownerRows.rows.size(), 3);
    QCOMPARE(ownerRows.rows.value(QStringLiteral("transactions/") + tx).value(QStringLiteral("payee")).toString(), QStringLiteral("Owner's"));
    QVERIFY(!ownerRows.rows.value(QStringLiteral("transactions/") + tx).contains(QStringLiteral("deleted_at")));
    const SyncChanges::Pulled otherRows = pullAll(other);
    QCOMPARE(otherRows.rows.keys(), QStringList{QStringLiteral("categories/cat-food")});
    QCOMPARE(otherRows.rows.value(QStringLiteral("categories/cat-food")).value(QStringLiteral("name")).toString(), QStringLiteral("Mine"));
}

void TestSync::malformedRequestsAreRefused_data()
{
    QTest::addColumn<QByteArray>("method");
    QTest::addColumn<QString>("path");
    QTest::addColumn<QByteArray>("body");
    QTest::addColumn<int>("status");
    const QString pushPath = QStringLiteral("/checkbook/v1/sync/push");
    QByteArray tooMany = "{\"changes\":[";
    for (int i = 0; i < 501; ++i)
        tooMany += QByteArray(i ? "," : "") + "{}";
    tooMany += "]}";
    QTest::newRow("push without changes") << QByteArrayLiteral("POST") << pushPath << QByteArrayLiteral("{}") << 400;
    QTest::newRow("changes not an array") << QByteArrayLiteral("POST") << pushPath << QByteArrayLiteral("{\"changes\":{}}") << 400;
    QTest::newRow("body not JSON") << QByteArrayLiteral("POST") << pushPath << QByteArrayLiteral("changes") << 400;
    QTest::newRow("501 changes") << QByteArrayLiteral("POST") << pushPath << tooMany << 413;
    QTest::newRow("cursor not a number") << QByteArrayLiteral("GET") << QStringLiteral("/checkbook/v1/sync/pull?since=2026-12-01T00:00:00Z") << QByteArray() << 400;
    QTest::newRow("negative cursor") << QByteArrayLiteral("GET") << QStringLiteral("/checkbook/v1/sync/pull?since=-5") << QByteArray() << 400;
    QTest::newRow("limit zero") << QByteArrayLiteral("GET") << QStringLiteral("/checkbook/v1/sync/pull?limit=0") << QByteArray() << 400;
    QTest::newRow("limit huge") << QByteArrayLiteral("GET") << QStringLiteral("/checkbook/v1/sync/pull?limit=100000") << QByteArray() << 400;
}

void TestSync::malformedRequestsAreRefused()
{
    QFETCH(QByteArray, method);
    QFETCH(QString, path);
    QFETCH(QByteArray, body);
    QFETCH(int, status);
    const auto user = newUser(QStringLiteral("malformed"));
    const TestClient::Reply reply = m_client->send(method, path, body, user.access);
    QCOMPARE(reply.status, status);
    QVERIFY(!reply.error().isEmpty());
    // Malformed single changes are answered one by one; the batch's good changes still land.
    const QJsonArray results = push(user, {QJsonObject{{QStringLiteral("entity_type"), QStringLiteral("transaction")}},
                                           change(QStringLiteral("planet"), QStringLiteral("x"), 1),
                                           transaction(QStringLiteral("tx-good-%1").arg(m_users), QStringLiteral("acc-%1").arg(m_users), 1)})
                                   .json.value(QStringLiteral("results")).toArray();
    QCOMPARE(results.at(0).toObject().value(QStringLiteral("status")).toString(), QStringLiteral("invalid"));
    QCOMPARE(results.at(1).toObject().value(QStringLiteral("status")).toString(), QStringLiteral("invalid"));
    QCOMPARE(results.at(2).toObject().value(QStringLiteral("status")).toString(), QStringLiteral("ok"));
}

void TestSync::concurrentPushesThroughTwoInstancesSkipNothing()
{
    ServerProcess second;
    QVERIFY(second.start({QStringLiteral("--data-dir"), m_server.dataDir()}, m_server.databaseUrl()));
    const auto user = newUser(QStringLiteral("busy"));
    const QList<QUrl> instances{m_server.baseUrl(), second.baseUrl()};
    const int pushers = 4;
    const int batchesPerPusher = 8;
    const int changesPerBatch = 40;
    QNetworkAccessManager network;
    int pushesLeft = pushers * batchesPerPusher;
    QList<QSet<QString>> seenByPuller(2);
    QList<QString> cursors(2);
    int pullersRunning = 2;
    QEventLoop loop;

    const auto request = [&](const QUrl &base, const QString &path) {
        QNetworkRequest r(QUrl(base.toString() + path));
        r.setHeader(QNetworkRequest::ContentTypeHeader, QByteArrayLiteral("application/json"));
        r.setRawHeader(QByteArrayLiteral("Authorization"), "Bearer " + user.access.toLatin1());
        return r;
    };
    std::function<void(int, int)> pushBatch = [&](int pusher, int batch) {
        QJsonArray changes;
        for (int i = 0; i < changesPerBatch; ++i)
            changes.append(transaction(QStringLiteral("p%1-b%2-c%3").arg(pusher).arg(batch).arg(i), QStringLiteral("acc-busy"), 1));
        QNetworkReply *reply = network.post(request(instances.at(pusher % 2), QStringLiteral("/checkbook/v1/sync/push")),
                                            QJsonDocument(QJsonObject{{QStringLiteral("changes"), changes}}).toJson(QJsonDocument::Compact));
        QObject::connect(reply, &QNetworkReply::finished, &loop, [&, reply, pusher, batch] {
            reply->deleteLater();
            --pushesLeft;
            if (batch + 1 < batchesPerPusher)
                pushBatch(pusher, batch + 1);
        });
    };
    std::function<void(int)> pullPage = [&](int puller) {
        QString path = QStringLiteral("/checkbook/v1/sync/pull?limit=50");
        if (!cursors.at(puller).isEmpty())
            path += QStringLiteral("&since=") + cursors.at(puller);
        const bool pushesWereDone = pushesLeft == 0;
        QNetworkReply *reply = network.get(request(instances.at(puller), path));
        QObject::connect(reply, &QNetworkReply::finished, &loop, [&, reply, puller, pushesWereDone] {
            reply->deleteLater();
            const QJsonObject page = QJsonDocument::fromJson(reply->readAll()).object();
            const QJsonArray rows = page.value(QStringLiteral("transactions")).toArray();
            for (const QJsonValue &row : rows)
                seenByPuller[puller].insert(row.toObject().value(QStringLiteral("client_id")).toString());
            cursors[puller] = page.value(QStringLiteral("server_time")).toString();
            // Done only after a complete pass that started when every push had been answered.
            if (pushesWereDone && !page.value(QStringLiteral("has_more")).toBool()) {
                if (--pullersRunning == 0)
                    loop.quit();
                return;
            }
            pullPage(puller);
        });
    };
    for (int pusher = 0; pusher < pushers; ++pusher)
        pushBatch(pusher, 0);
    pullPage(0);
    pullPage(1);
    QTimer::singleShot(90000, &loop, &QEventLoop::quit);
    loop.exec();

    QCOMPARE(pushesLeft, 0);
    QCOMPARE(pullersRunning, 0);
    QCOMPARE(seenByPuller.at(0).size(), pushers * batchesPerPusher * changesPerBatch);
    QCOMPARE(seenByPuller.at(1).size(), pushers * batchesPerPusher * changesPerBatch);
}

QTEST_GUILESS_MAIN(TestSync)
#include "tst_sync.moc"
