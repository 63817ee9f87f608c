// The update feed under "/downloads/" and the feedback page.
#include "support/serverprocess.h"
#include "support/testclient.h"

#include <QDir>
#include <QFile>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QtTest>

namespace {

bool writeFile(const QString &path, const QByteArray &content)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(content) == content.size();
}

// A request written by hand, so that no client library tidies its path first.
QByteArray rawGet(const QUrl &base, const QByteArray &target)
{
    QTcpSocket socket;
    socket.connectToHost(base.host(), quint16(base.port()));
    if (!socket.waitForConnected(5000))
        return {};
    socket.write("GET " + target + " HTTP/1.1\r\nHost: localhost\r\nConnection: close\r\n\r\n");
    QByteArray answer;
    while (socket.waitForReadyRead(5000))
        answer += socket.readAll();
    return answer;
}

} // namespace

class TestFeed : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void feedFilesAreServedFromTheirFolderOnly_data();
    void feedFilesAreServedFromTheirFolderOnly();
    void rawPathsCannotLeaveTheFolder_data();
    void rawPathsCannotLeaveTheFolder();
    void feedbackIsStoredFromTheFormOnly();

private:
    QTemporaryDir m_feed;
    QTemporaryDir m_outside;
    ServerProcess m_server;
    std::unique_ptr<TestClient> m_client;
};

void TestFeed::initTestCase()
{
    if (ServerProcess::wantsPostgres() && ServerProcess::postgresUrl().isEmpty())
        QSKIP("KESTRELWOOD_TEST_POSTGRES_URL is not set");
    const QString root = m_feed.path();
    QVERIFY(writeFile(root + QStringLiteral("/checkbook/stable/latest.json"), R"({"version":"1.0.8"})"));
    QVERIFY(writeFile(root + QStringLiteral("/checkbook/1.0.8/release-notes.md"), "# 1.0.8\n"));
    QVERIFY(writeFile(root + QStringLiteral("/checkbook/1.0.8/release-notes.de.md"), "# 1.0.8 auf Deutsch\n"));
    QVERIFY(writeFile(root + QStringLiteral("/checkbook/.hidden"), "hidden"));
    QVERIFY(writeFile(m_outside.path() + QStringLiteral("/secret.txt"), "secret"));
    QVERIFY(QFile::link(m_outside.path() + QStringLiteral("/secret.txt"), root + QStringLiteral("/checkbook/link.txt")));
    QVERIFY(m_server.start({QStringLiteral("--feed-dir"), root}));
    m_client = std::make_unique<TestClient>(m_server.baseUrl());
}

void TestFeed::feedFilesAreServedFromTheirFolderOnly_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<int>("status");
    QTest::addColumn<QByteArray>("contentType");
    QTest::addColumn<QByteArray>("body");
    QTest::newRow("manifest") << QStringLiteral("/downloads/checkbook/stable/latest.json") << 200 << QByteArrayLiteral("application/json") << QByteArrayLiteral(R"({"version":"1.0.8"})");
    QTest::newRow("English notes") << QStringLiteral("/downloads/checkbook/1.0.8/release-notes.md") << 200 << QByteArrayLiteral("text/markdown; charset=utf-8") << QByteArrayLiteral("# 1.0.8\n");
    QTest::newRow("German notes") << QStringLiteral("/downloads/checkbook/1.0.8/release-notes.de.md") << 200 << QByteArrayLiteral("text/markdown; charset=utf-8") << QByteArrayLiteral("# 1.0.8 auf Deutsch\n");
    QTest::newRow("missing language") << QStringLiteral("/downloads/checkbook/1.0.8/release-notes.fr.md") << 404 << QByteArray() << QByteArray();
    QTest::newRow("folder") << QStringLiteral("/downloads/checkbook/stable") << 404 << QByteArray() << QByteArray();
    QTest::newRow("hidden file") << QStringLiteral("/downloads/checkbook/.hidden") << 404 << QByteArray() << QByteArray();
    QTest::newRow("link leading out") << QStringLiteral("/downloads/checkbook/link.txt") << 404 << QByteArray() << QByteArray();
    QTest::newRow("encoded dot-dot") << QStringLiteral("/downloads/checkbook/%2e%2e/%2e%2e/token-secret") << 404 << QByteArray() << QByteArray();
    QTest::newRow("encoded slash") << QStringLiteral("/downloads/..%2f..%2ftoken-secret") << 404 << QByteArray() << QByteArray();
}

void TestFeed::feedFilesAreServedFromTheirFolderOnly()
{
    QFETCH(QString, path);
    QFETCH(int, status);
    QFETCH(QByteArray, contentType);
    QFETCH(QByteArray, body);
    const TestClient::Reply reply = m_client->get(path);
    QCOMPARE(reply.status, status);
    if (status == 200) {
        QCOMPARE(reply.header(QByteArrayLiteral("Content-Type")), contentType);
        QCOMPARE(reply.body, body);
    }
}

void TestFeed::rawPathsCannotLeaveTheFolder_data()
{
    QTest::addColumn<QByteArray>("target");
    QTest::newRow("dot-dot") << QByteArrayLiteral("/downloads/../token-secret");
    QTest::newRow("dot-dot deeper") << QByteArrayLiteral("/downloads/checkbook/../../../etc/passwd");
    QTest::newRow("backslashes") << QByteArrayLiteral("/downloads/..\\..\\etc\\passwd");
    QTest::newRow("absolute inside") << QByteArrayLiteral("/downloads//etc/passwd");
}

void TestFeed::rawPathsCannotLeaveTheFolder()
{
    QFETCH(QByteArray, target);
    const QByteArray answer = rawGet(m_server.baseUrl(), target);
    QVERIFY2(!answer.startsWith("HTTP/1.1 200"), answer.constData());
    QVERIFY(!answer.contains("root:"));
}

void TestFeed::feedbackIsStoredFromTheFormOnly()
{
    const QString path = QStringLiteral("/feedback?tags=checkbook");
    QCOMPARE(m_client->get(QStringLiteral("/feedback/?tags=checkbook")).status, 200);
    QUrlQuery fields;
    fields.addQueryItem(QStringLiteral("message"), QStringLiteral("The%20register%20is%20lovely"));
    QCOMPARE(m_client->submitForm(path, fields).status, 200);

    QUrlQuery forged = fields;
    forged.addQueryItem(QStringLiteral("csrf_token"), QStringLiteral("guessed"));
    QCOMPARE(TestClient(m_server.baseUrl()).send(QByteArrayLiteral("POST"), path, forged.toString(QUrl::FullyEncoded).toUtf8(), {},
                                                 QByteArrayLiteral("application/x-www-form-urlencoded")).status, 403);
    QCOMPARE(m_client->submitForm(path, QUrlQuery()).status, 400);
    QUrlQuery badEmail = fields;
    badEmail.addQueryItem(QStringLiteral("email"), QStringLiteral("not-an-address"));
    QCOMPARE(m_client->submitForm(path, badEmail).status, 400);
    // One address cannot fill the table: a few an hour, then refused.
    int status = 200;
    for (int i = 0; i < 12 && status == 200; ++i)
        status = m_client->submitForm(path, fields).status;
    QCOMPARE(status, 429);
}

QTEST_GUILESS_MAIN(TestFeed)
#include "tst_feed.moc"
