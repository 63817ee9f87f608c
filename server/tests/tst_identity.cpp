// Sign-up and login pages, token refresh and reuse, sign-out, the user,
// the password and the sessions, over real HTTP.
#include "support/serverprocess.h"
#include "support/testclient.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QtTest>

namespace {

QJsonObject payloadOf(const QString &token)
{
    const QByteArray part = token.section(QLatin1Char('.'), 1, 1).toLatin1();
    return QJsonDocument::fromJson(QByteArray::fromBase64(part, QByteArray::Base64UrlEncoding)).object();
}

QUrlQuery loginFields(const QString &email, const QString &password)
{
    QUrlQuery fields;
    fields.addQueryItem(QStringLiteral("email"), QString::fromLatin1(QUrl::toPercentEncoding(email)));
    fields.addQueryItem(QStringLiteral("password"), QString::fromLatin1(QUrl::toPercentEncoding(password)));
    return fields;
}

const QString existingEmail = QStringLiteral("existing@example.com");

QString encoded(const QString &text)
{
    return QString::fromLatin1(QUrl::toPercentEncoding(text));
}

} // namespace

class TestIdentity : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void signUpRedirectsWithTokensAndState_data();
    void signUpRedirectsWithTokensAndState();
    void pagesRefuseUnregisteredClientsAndRemoteRedirects_data();
    void pagesRefuseUnregisteredClientsAndRemoteRedirects();
    void formsWithoutTheirTokenAreRefused_data();
    void formsWithoutTheirTokenAreRefused();
    void signUpRejectsBadInput_data();
    void signUpRejectsBadInput();
    void failedLoginsAreSlowedPerAccount();
    void refreshRotatesAndReuseEndsTheSession();
    void logoutEndsTheSession();
    void sessionsListAndRevoke();
    void passwordChangeEndsOtherSessions();
    void displayNameCanBeChanged();

private:
    std::optional<TestClient::Tokens> newUser(const QString &email, const QString &password = QStringLiteral("correct horse"));

    ServerProcess m_server;
    std::unique_ptr<TestClient> m_client;
};

void TestIdentity::initTestCase()
{
    if (ServerProcess::wantsPostgres() && ServerProcess::postgresUrl().isEmpty())
        QSKIP("KESTRELWOOD_TEST_POSTGRES_URL is not set");
    QVERIFY(m_server.start());
    m_client = std::make_unique<TestClient>(m_server.baseUrl());
    QVERIFY(newUser(existingEmail));
}

std::optional<TestClient::Tokens> TestIdentity::newUser(const QString &email, const QString &password)
{
    return TestClient(m_server.baseUrl()).signUp(email, password);
}

void TestIdentity::signUpRedirectsWithTokensAndState_data()
{
    QTest::addColumn<QString>("state");
    QTest::newRow("plain state") << QStringLiteral("abc123");
    QTest::newRow("state with delimiters") << QStringLiteral("a&b=c d+e%f#g");
    QTest::newRow("no state") << QString();
}

void TestIdentity::signUpRedirectsWithTokensAndState()
{
    QFETCH(QString, state);
    const QString email = QStringLiteral("redirect-%1@example.com").arg(QString::fromLatin1(QTest::currentDataTag()).replace(QLatin1Char(' '), QLatin1Char('-')));
    QUrlQuery fields = loginFields(email, QStringLiteral("correct horse"));
    fields.addQueryItem(QStringLiteral("display_name"), QStringLiteral("Ann"));
    const TestClient::Reply reply = m_client->submitForm(m_client->pagePath(QStringLiteral("signup"), state), fields);
    QCOMPARE(reply.status, 302);
    const QUrl location = QUrl::fromEncoded(reply.header(QByteArrayLiteral("Location")));
    QCOMPARE(location.toString(QUrl::RemoveQuery), QStringLiteral("http://localhost:19876/callback"));
    const QUrlQuery query(location);
    QCOMPARE(query.hasQueryItem(QStringLiteral("state")), !state.isEmpty());
    QCOMPARE(query.queryItemValue(QStringLiteral("state"), QUrl::FullyDecoded), state);

    const auto tokens = TestClient::tokensFrom(reply);
    QVERIFY(tokens);
    const QJsonObject payload = payloadOf(tokens->access);
    QCOMPARE(payload.value(QStringLiteral("exp")).toInteger() - payload.value(QStringLiteral("iat")).toInteger(), qint64(900));
    QVERIFY(payload.value(QStringLiteral("custom")).toObject().value(QStringLiteral("kst")).isObject());
    const TestClient::Reply me = m_client->get(m_client->identity(QStringLiteral("/users/me")), tokens->access);
    QCOMPARE(me.status, 200);
    QCOMPARE(me.json.value(QStringLiteral("id")).toString(), payload.value(QStringLiteral("sub")).toString());
    QCOMPARE(me.json.value(QStringLiteral("email")).toString(), email);
    // The login page with the same fields signs the same user in.
    const auto again = TestClient(m_server.baseUrl()).logIn(email, QStringLiteral("correct horse"));
    QVERIFY(again);
    QCOMPARE(payloadOf(again->access).value(QStringLiteral("sub")), payload.value(QStringLiteral("sub")));
}

void TestIdentity::pagesRefuseUnregisteredClientsAndRemoteRedirects_data()
{
    QTest::addColumn<QString>("page");
    QTest::addColumn<QString>("clientId");
    QTest::addColumn<QString>("redirectUri");
    const QString client = ServerProcess::clientId;
    const QString login = QStringLiteral("login");
    const QString signup = QStringLiteral("signup");
    QTest::newRow("login, unregistered client") << login << QStringLiteral("ffffffffffffffffffffffffffffffff") << QStringLiteral("http://localhost:19876/callback");
    QTest::newRow("signup, no client") << signup << QString() << QStringLiteral("http://localhost:19876/callback");
    QTest::newRow("login, remote host") << login << client << QStringLiteral("http://evil.example:19876/callback");
    QTest::newRow("signup, https") << signup << client << QStringLiteral("https://localhost:19876/callback");
    QTest::newRow("login, no port") << login << client << QStringLiteral("http://localhost/callback");
    QTest::newRow("login, user info") << login << client << QStringLiteral("http://evil.example@localhost:19876/callback");
    QTest::newRow("login, lookalike host") << login << client << QStringLiteral("http://127.0.0.1.evil.example:19876/");
    QTest::newRow("signup, script") << signup << client << QStringLiteral("javascript:alert(1)");
    QTest::newRow("login, no redirect") << login << client << QString();
}

void TestIdentity::pagesRefuseUnregisteredClientsAndRemoteRedirects()
{
    QFETCH(QString, page);
    QFETCH(QString, clientId);
    QFETCH(QString, redirectUri);
    const QString path = QStringLiteral("/kestrelwood/account/%1?client_id=%2&redirect_uri=%3&state=s")
                             .arg(page, encoded(clientId), encoded(redirectUri));
    QCOMPARE(m_client->get(path).status, 400);
    // Even the right password of an existing user gives no tokens.
    QUrlQuery fields = loginFields(existingEmail, QStringLiteral("correct horse"));
    fields.addQueryItem(QStringLiteral("csrf_token"), QStringLiteral("anything"));
    const TestClient::Reply posted = m_client->send(QByteArrayLiteral("POST"), path, fields.toString(QUrl::FullyEncoded).toUtf8(), {},
                                                    QByteArrayLiteral("application/x-www-form-urlencoded"));
    QCOMPARE(posted.status, 400);
    QVERIFY(posted.header(QByteArrayLiteral("Location")).isEmpty());
    QVERIFY(!posted.body.contains("access_token"));
}

void TestIdentity::formsWithoutTheirTokenAreRefused_data()
{
    QTest::addColumn<QString>("formToken");
    QTest::addColumn<bool>("sameBrowser");
    QTest::newRow("no form token") << QString() << true;
    QTest::newRow("made-up form token") << QStringLiteral("made-up") << true;
    // A page fetched by the attacker gives a token that matches no cookie of the victim's browser.
    QTest::newRow("token from another browser") << QStringLiteral("other") << false;
}

void TestIdentity::formsWithoutTheirTokenAreRefused()
{
    QFETCH(QString, formToken);
    QFETCH(bool, sameBrowser);
    TestClient victim(m_server.baseUrl());
    const QString path = victim.pagePath(QStringLiteral("login"));
    QUrlQuery fields = loginFields(existingEmail, QStringLiteral("correct horse"));
    QString token = formToken;
    if (!sameBrowser) {
        TestClient attacker(m_server.baseUrl());
        token = TestClient::formToken(attacker.get(path).body);
        victim.get(path);
    }
    fields.addQueryItem(QStringLiteral("csrf_token"), token);
    const TestClient::Reply reply = victim.send(QByteArrayLiteral("POST"), path, fields.toString(QUrl::FullyEncoded).toUtf8(), {},
                                                QByteArrayLiteral("application/x-www-form-urlencoded"));
    QCOMPARE(reply.status, 403);
    QVERIFY(!TestClient::tokensFrom(reply));
}

void TestIdentity::signUpRejectsBadInput_data()
{
    QTest::addColumn<QString>("email");
    QTest::addColumn<QString>("password");
    QTest::addColumn<int>("status");
    QTest::newRow("password of 7 characters") << QStringLiteral("short@example.com") << QStringLiteral("1234567") << 400;
    QTest::newRow("not an e-mail address") << QStringLiteral("nobody") << QStringLiteral("correct horse") << 400;
    QTest::newRow("address taken, other case") << existingEmail.toUpper() << QStringLiteral("correct horse") << 409;
}

void TestIdentity::signUpRejectsBadInput()
{
    QFETCH(QString, email);
    QFETCH(QString, password);
    QFETCH(int, status);
    QUrlQuery fields = loginFields(email, password);
    const TestClient::Reply reply = m_client->submitForm(m_client->pagePath(QStringLiteral("signup")), fields);
    QCOMPARE(reply.status, status);
    QVERIFY(!TestClient::tokensFrom(reply));
}

void TestIdentity::failedLoginsAreSlowedPerAccount()
{
    QVERIFY(newUser(QStringLiteral("guessed@example.com")));
    QVERIFY(newUser(QStringLiteral("bystander@example.com")));
    TestClient guesser(m_server.baseUrl());
    const QString path = guesser.pagePath(QStringLiteral("login"));
    for (int attempt = 0; attempt < 3; ++attempt)
        QCOMPARE(guesser.submitForm(path, loginFields(QStringLiteral("guessed@example.com"), QStringLiteral("wrong guess"))).status, 401);
    // Now even the right password waits: the answer does not reveal it.
    const TestClient::Reply slowed = guesser.submitForm(path, loginFields(QStringLiteral("guessed@example.com"), QStringLiteral("correct horse")));
    QCOMPARE(slowed.status, 429);
    QVERIFY(slowed.header(QByteArrayLiteral("Retry-After")).toInt() > 0);
    QVERIFY(!TestClient::tokensFrom(slowed));
    QVERIFY(guesser.logIn(QStringLiteral("bystander@example.com"), QStringLiteral("correct horse")));
}

void TestIdentity::refreshRotatesAndReuseEndsTheSession()
{
    const auto first = newUser(QStringLiteral("rotate@example.com"));
    QVERIFY(first);
    const auto second = m_client->refresh(first->refresh);
    QVERIFY(second);
    QVERIFY(second->refresh != first->refresh);
    const auto third = m_client->refresh(second->refresh);
    QVERIFY(third);
    QCOMPARE(m_client->get(m_client->identity(QStringLiteral("/users/me")), third->access).status, 200);

    // Someone replays the first token: the whole session ends, for the thief and the owner.
    QVERIFY(!m_client->refresh(first->refresh));
    QVERIFY(!m_client->refresh(third->refresh));
    QCOMPARE(m_client->get(m_client->identity(QStringLiteral("/users/me")), third->access).status, 401);
    QVERIFY(!m_client->refresh(QStringLiteral("never-issued")));
    QVERIFY(TestClient(m_server.baseUrl()).logIn(QStringLiteral("rotate@example.com"), QStringLiteral("correct horse")));
}

void TestIdentity::logoutEndsTheSession()
{
    const auto tokens = newUser(QStringLiteral("logout@example.com"));
    QVERIFY(tokens);
    QCOMPARE(m_client->post(m_client->identity(QStringLiteral("/auth/logout")), {}, tokens->access).status, 200);
    QCOMPARE(m_client->get(m_client->identity(QStringLiteral("/users/me")), tokens->access).status, 401);
    QVERIFY(!m_client->refresh(tokens->refresh));
}

void TestIdentity::sessionsListAndRevoke()
{
    const auto laptop = newUser(QStringLiteral("sessions@example.com"));
    QVERIFY(laptop);
    const auto phone = TestClient(m_server.baseUrl()).logIn(QStringLiteral("sessions@example.com"), QStringLiteral("correct horse"));
    QVERIFY(phone);
    const auto stranger = newUser(QStringLiteral("stranger@example.com"));
    QVERIFY(stranger);

    const QJsonArray sessions = m_client->get(m_client->identity(QStringLiteral("/users/me/sessions")), laptop->access)
                                    .json.value(QStringLiteral("sessions")).toArray();
    QCOMPARE(sessions.size(), 2);
    QString phoneSession;
    int current = 0;
    for (const QJsonValue &session : sessions) {
        const QJsonObject object = session.toObject();
        QCOMPARE(object.value(QStringLiteral("ip_address")).toString(), QStringLiteral("127.0.0.1"));
        QCOMPARE(object.value(QStringLiteral("user_agent")).toString(), QStringLiteral("KestrelwoodServerTests/1.0"));
        if (object.value(QStringLiteral("is_current")).toBool())
            ++current;
        else
            phoneSession = object.value(QStringLiteral("id")).toString();
    }
    QCOMPARE(current, 1);
    const QString phonePath = m_client->identity(QStringLiteral("/users/me/sessions/%1").arg(phoneSession));
    QCOMPARE(m_client->del(phonePath, stranger->access).status, 403);
    QCOMPARE(m_client->get(m_client->identity(QStringLiteral("/users/me")), phone->access).status, 200);
    QCOMPARE(m_client->del(phonePath, laptop->access).status, 200);
    QCOMPARE(m_client->get(m_client->identity(QStringLiteral("/users/me")), phone->access).status, 401);
    QCOMPARE(m_client->del(phonePath, laptop->access).status, 404);
}

void TestIdentity::passwordChangeEndsOtherSessions()
{
    const auto here = newUser(QStringLiteral("password@example.com"));
    QVERIFY(here);
    const auto elsewhere = TestClient(m_server.baseUrl()).logIn(QStringLiteral("password@example.com"), QStringLiteral("correct horse"));
    QVERIFY(elsewhere);
    const QString path = m_client->identity(QStringLiteral("/users/me/password"));
    QCOMPARE(m_client->post(path, {{QStringLiteral("current_password"), QStringLiteral("wrong one")},
                                   {QStringLiteral("new_password"), QStringLiteral("battery staple")}}, here->access).status, 403);
    QCOMPARE(m_client->post(path, {{QStringLiteral("current_password"), QStringLiteral("correct horse")},
                                   {QStringLiteral("new_password"), QStringLiteral("battery staple")}}, here->access).status, 200);
    QCOMPARE(m_client->get(m_client->identity(QStringLiteral("/users/me")), here->access).status, 200);
    QCOMPARE(m_client->get(m_client->identity(QStringLiteral("/users/me")), elsewhere->access).status, 401);
    QVERIFY(!m_client->refresh(elsewhere->refresh));
    QVERIFY(!TestClient(m_server.baseUrl()).logIn(QStringLiteral("password@example.com"), QStringLiteral("correct horse")));
    QVERIFY(TestClient(m_server.baseUrl()).logIn(QStringLiteral("password@example.com"), QStringLiteral("battery staple")));
}

void TestIdentity::displayNameCanBeChanged()
{
    const auto tokens = newUser(QStringLiteral("rename@example.com"));
    QVERIFY(tokens);
    const TestClient::Reply patched = m_client->patch(m_client->identity(QStringLiteral("/users/me")),
                                                      {{QStringLiteral("display_name"), QStringLiteral("  Zoë Doe ")}}, tokens->access);
    QCOMPARE(patched.status, 200);
    QCOMPARE(patched.json.value(QStringLiteral("display_name")).toString(), QStringLiteral("Zoë Doe"));
    QCOMPARE(m_client->get(m_client->identity(QStringLiteral("/users/me")), tokens->access)
                 .json.value(QStringLiteral("display_name")).toString(), QStringLiteral("Zoë Doe"));
}

QTEST_GUILESS_MAIN(TestIdentity)
#include "tst_identity.moc"
