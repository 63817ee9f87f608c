// The HTTP layer, start-up and the bearer-token rules, seen from outside.
#include "identity/accesstokens.h"
#include "support/serverprocess.h"
#include "support/testclient.h"

#include <QFileInfo>
#include <QJsonDocument>
#include <QProcess>
#include <QSslSocket>
#include <QtTest>

namespace {

QJsonObject payloadOf(const QString &token)
{
    const QByteArray part = token.section(QLatin1Char('.'), 1, 1).toLatin1();
    return QJsonDocument::fromJson(QByteArray::fromBase64(part, QByteArray::Base64UrlEncoding)).object();
}

QString base64Url(const QByteArray &data)
{
    return QString::fromLatin1(data.toBase64(QByteArray::Base64UrlEncoding | QByteArray::OmitTrailingEquals));
}

// Sends `head` (and no body) on `socket`, and returns the status line the
// server answers with; empty when none came within five seconds.
QByteArray statusLineFor(QSslSocket &socket, const QByteArray &head)
{
    socket.write(head);
    QElapsedTimer waited;
    waited.start();
    while (!socket.canReadLine() && waited.elapsed() < 5000)
        socket.waitForReadyRead(100);
    return socket.readLine().trimmed();
}

QByteArray requestHead(const QByteArray &extraHeaders)
{
    return "PATCH /api/v1/realms/kestrelwood/users/me HTTP/1.1\r\nHost: localhost\r\n"
           "Content-Type: application/json\r\n" + extraHeaders + "\r\n";
}

} // namespace

class TestServerBasics : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void secretIsPrivateAndSurvivesRestart();
    void malformedOptionsStopTheStart_data();
    void malformedOptionsStopTheStart();
    void unknownAddressesAnswerJsonErrors_data();
    void unknownAddressesAnswerJsonErrors();
    void malformedBodiesAre400_data();
    void malformedBodiesAre400();
    void oversizedBodyIs413();
    void oversizedRequestsRefusedByTheirHead_data();
    void oversizedRequestsRefusedByTheirHead();
    void badTokensAre401_data();
    void badTokensAre401();

private:
    ServerProcess m_server;
    std::unique_ptr<TestClient> m_client;
    TestClient::Tokens m_tokens;
};

void TestServerBasics::initTestCase()
{
    if (ServerProcess::wantsPostgres() && ServerProcess::postgresUrl().isEmpty())
        QSKIP("KESTRELWOOD_TEST_POSTGRES_URL is not set");
    QVERIFY(m_server.start());
    m_client = std::make_unique<TestClient>(m_server.baseUrl());
    const auto tokens = m_client->signUp(QStringLiteral("basics@example.com"), QStringLiteral("correct horse"));
    QVERIFY(tokens);
    m_tokens = *tokens;
}

void TestServerBasics::secretIsPrivateAndSurvivesRestart()
{
    const QFileInfo secret(m_server.dataDir() + QStringLiteral("/token-secret"));
    QVERIFY(secret.exists());
    QCOMPARE(secret.permissions() & (QFile::ReadGroup | QFile::ReadOther | QFile::WriteGroup | QFile::WriteOther),
             QFile::Permissions());
    const QByteArray before = m_server.tokenSecret();
    // A restart must keep the secret, or every signed-in program would be signed out.
    m_server.stop();
    QVERIFY(m_server.start());
    QCOMPARE(m_server.tokenSecret(), before);
    m_client = std::make_unique<TestClient>(m_server.baseUrl());
    QCOMPARE(m_client->get(m_client->identity(QStringLiteral("/users/me")), m_tokens.access).status, 200);
}

void TestServerBasics::malformedOptionsStopTheStart_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::newRow("port not a number") << QStringList{QStringLiteral("--port"), QStringLiteral("eighty")};
    QTest::newRow("port out of range") << QStringList{QStringLiteral("--port"), QStringLiteral("70000")};
    QTest::newRow("listen not an address") << QStringList{QStringLiteral("--listen"), QStringLiteral("example.com")};
    QTest::newRow("realm with spaces") << QStringList{QStringLiteral("--realm"), QStringLiteral("my realm")};
    QTest::newRow("client id with slash") << QStringList{QStringLiteral("--client-id"), QStringLiteral("a/b")};
    QTest::newRow("certificate without key") << QStringList{QStringLiteral("--tls-cert"), QStringLiteral("/nonexistent.pem")};
    QTest::newRow("database url of another kind") << QStringList{QStringLiteral("--database-url"), QStringLiteral("mysql://x/y")};
}

void TestServerBasics::malformedOptionsStopTheStart()
{
    QFETCH(QStringList, arguments);
    QProcess process;
    process.start(QStringLiteral(KESTRELWOOD_SERVER_PROGRAM),
                  QStringList{QStringLiteral("--port"), QStringLiteral("0"), QStringLiteral("--data-dir"),
                              m_server.dataDir() + QStringLiteral("/options")}
                      + arguments);
    QVERIFY(process.waitForFinished(20000));
    QVERIFY(process.exitCode() != 0);
    QVERIFY(!process.readAllStandardError().isEmpty());
}

void TestServerBasics::unknownAddressesAnswerJsonErrors_data()
{
    QTest::addColumn<QByteArray>("method");
    QTest::addColumn<QString>("path");
    QTest::addColumn<int>("status");
    QTest::newRow("unknown path") << QByteArrayLiteral("GET") << QStringLiteral("/nothing/here") << 404;
    QTest::newRow("another realm") << QByteArrayLiteral("GET") << QStringLiteral("/api/v1/realms/other/users/me") << 404;
    QTest::newRow("wrong method") << QByteArrayLiteral("PUT") << QStringLiteral("/account/v1/profile") << 405;
    // An escaped slash belongs to its segment; it never opens another address.
    QTest::newRow("escaped slash") << QByteArrayLiteral("GET")
                                   << QStringLiteral("/api/v1/realms/kestrelwood/users/me%2Fsessions") << 404;
}

void TestServerBasics::unknownAddressesAnswerJsonErrors()
{
    QFETCH(QByteArray, method);
    QFETCH(QString, path);
    QFETCH(int, status);
    const TestClient::Reply reply = m_client->send(method, path, {}, m_tokens.access);
    QCOMPARE(reply.status, status);
    QVERIFY(!reply.error().isEmpty());
}

void TestServerBasics::malformedBodiesAre400_data()
{
    QTest::addColumn<QByteArray>("method");
    QTest::addColumn<QString>("path");
    QTest::addColumn<QByteArray>("body");
    const QString me = QStringLiteral("/api/v1/realms/kestrelwood/users/me");
    QTest::newRow("refresh without body") << QByteArrayLiteral("POST") << QStringLiteral("/api/v1/realms/kestrelwood/auth/token/refresh") << QByteArray();
    QTest::newRow("refresh token not text") << QByteArrayLiteral("POST") << QStringLiteral("/api/v1/realms/kestrelwood/auth/token/refresh") << QByteArrayLiteral("{\"refresh_token\":42}");
    QTest::newRow("name not JSON") << QByteArrayLiteral("PATCH") << me << QByteArrayLiteral("display_name=x");
    QTest::newRow("name in an array") << QByteArrayLiteral("PATCH") << me << QByteArrayLiteral("[{\"display_name\":\"x\"}]");
    QTest::newRow("name too long") << QByteArrayLiteral("PATCH") << me << QByteArray("{\"display_name\":\"" + QByteArray(101, 'x') + "\"}");
    QTest::newRow("name with control character") << QByteArrayLiteral("PATCH") << me << QByteArrayLiteral("{\"display_name\":\"a\\u0007b\"}");
    QTest::newRow("truncated JSON") << QByteArrayLiteral("POST") << me + QStringLiteral("/password") << QByteArrayLiteral("{\"current_password\":\"x\"");
    QTest::newRow("new password short") << QByteArrayLiteral("POST") << me + QStringLiteral("/password") << QByteArrayLiteral("{\"current_password\":\"correct horse\",\"new_password\":\"short\"}");
    QTest::newRow("device without fingerprint") << QByteArrayLiteral("POST") << QStringLiteral("/account/v1/devices/register") << QByteArrayLiteral("{\"device_name\":\"pc\"}");
    QTest::newRow("invite e-mail not an address") << QByteArrayLiteral("POST") << QStringLiteral("/account/v1/group/invite") << QByteArrayLiteral("{\"email\":\"nobody\"}");
    QTest::newRow("invite body a number") << QByteArrayLiteral("POST") << QStringLiteral("/account/v1/group/invite") << QByteArrayLiteral("7");
}

void TestServerBasics::malformedBodiesAre400()
{
    QFETCH(QByteArray, method);
    QFETCH(QString, path);
    QFETCH(QByteArray, body);
    const TestClient::Reply reply = m_client->send(method, path, body, m_tokens.access);
    QCOMPARE(reply.status, 400);
    QVERIFY2(!reply.error().isEmpty(), reply.body.constData());
}

void TestServerBasics::oversizedBodyIs413()
{
    const QByteArray body = "{\"display_name\":\"" + QByteArray(10 * 1024 * 1024, 'x') + "\"}";
    const TestClient::Reply reply = m_client->send(QByteArrayLiteral("PATCH"),
                                                   m_client->identity(QStringLiteral("/users/me")), body, m_tokens.access);
    QCOMPARE(reply.status, 413);
    QVERIFY(!reply.error().isEmpty());
    // The server is still there for the next request.
    QCOMPARE(m_client->get(m_client->identity(QStringLiteral("/users/me")), m_tokens.access).status, 200);
}

void TestServerBasics::oversizedRequestsRefusedByTheirHead_data()
{
    QTest::addColumn<bool>("tls");
    QTest::addColumn<QByteArray>("headers");
    QTest::addColumn<QByteArray>("status");
    const QByteArray hugeLength = "Content-Length: 2000000000\r\n";
    const QByteArray chunked = "Transfer-Encoding: chunked\r\n";
    const QByteArray longHeader = "X-Padding: " + QByteArray(70 * 1024, 'p') + "\r\n";
    for (const bool tls : {false, true}) {
        const char *scheme = tls ? "https" : "http";
        QTest::addRow("%s, body announced too large", scheme) << tls << hugeLength << QByteArrayLiteral("413");
        QTest::addRow("%s, body without length", scheme) << tls << chunked << QByteArrayLiteral("411");
        QTest::addRow("%s, head too large", scheme) << tls << longHeader << QByteArrayLiteral("431");
        QTest::addRow("%s, length not a number", scheme) << tls << QByteArray("Content-Length: many\r\n")
                                                           << QByteArrayLiteral("400");
    }
}

void TestServerBasics::oversizedRequestsRefusedByTheirHead()
{
    QFETCH(bool, tls);
    QFETCH(QByteArray, headers);
    QFETCH(QByteArray, status);
    ServerProcess server;
    const QString data = QStringLiteral(KESTRELWOOD_TEST_DATA);
    QVERIFY(server.start(tls ? QStringList{QStringLiteral("--tls-cert"), data + QStringLiteral("/localhost-cert.pem"),
                                           QStringLiteral("--tls-key"), data + QStringLiteral("/localhost-key.pem")}
                             : QStringList()));
    QSslSocket socket;
    if (tls) {
        socket.setPeerVerifyMode(QSslSocket::VerifyNone);
        socket.connectToHostEncrypted(QStringLiteral("127.0.0.1"), server.baseUrl().port());
        QVERIFY(socket.waitForEncrypted(5000));
    } else {
        socket.connectToHost(QStringLiteral("127.0.0.1"), server.baseUrl().port());
        QVERIFY(socket.waitForConnected(5000));
    }
    // The body never comes: the answer must not wait for it.
    const QByteArray statusLine = statusLineFor(socket, requestHead(headers));
    QVERIFY2(statusLine.startsWith("HTTP/1.1 " + status), statusLine.constData());
}

void TestServerBasics::badTokensAre401_data()
{
    QTest::addColumn<QString>("token");
    const QJsonObject payload = payloadOf(m_tokens.access);
    const AccessTokens::Claims claims{payload.value(QStringLiteral("sub")).toString(),
                                      payload.value(QStringLiteral("sid")).toString(), {}, {}};
    const QDateTime now = QDateTime::currentDateTimeUtc();
    const AccessTokens genuine(m_server.tokenSecret());
    const AccessTokens forger(QByteArray(48, 'k'));
    const QString unsignedToken = base64Url(R"({"alg":"none","typ":"JWT"})") + QLatin1Char('.')
                                  + base64Url(QJsonDocument(payload).toJson(QJsonDocument::Compact)) + QLatin1Char('.');
    QTest::newRow("none") << QString();
    QTest::newRow("garbage") << QStringLiteral("not-a-token");
    QTest::newRow("other secret") << forger.issue(claims, now);
    QTest::newRow("expired") << genuine.issue(claims, now.addSecs(-AccessTokens::lifetimeSeconds - 5));
    QTest::newRow("unsigned") << unsignedToken;
    QTest::newRow("unknown session") << genuine.issue({claims.userId, QStringLiteral("no-such-session"), {}, {}}, now);
    QTest::newRow("tampered payload") << m_tokens.access.section(QLatin1Char('.'), 0, 0) + QLatin1Char('.')
                                             + base64Url(R"({"sub":"someone-else","sid":"x","exp":9999999999})")
                                             + QLatin1Char('.') + m_tokens.access.section(QLatin1Char('.'), 2, 2);
}

void TestServerBasics::badTokensAre401()
{
    QFETCH(QString, token);
    const TestClient::Reply reply = m_client->get(m_client->identity(QStringLiteral("/users/me")), token);
    QCOMPARE(reply.status, 401);
    QVERIFY(!reply.error().isEmpty());
    QCOMPARE(m_client->get(QStringLiteral("/account/v1/profile"), token).status, 401);
}

QTEST_GUILESS_MAIN(TestServerBasics)
#include "tst_serverbasics.moc"
