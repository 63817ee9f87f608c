// Requests against the real reference server: the token found stale before
// a request, the one retry after a 401, a refused session, a refresh that
// ends after the user signed out, an offline start, a stalled connection and
// identifiers kept inside their path segment.

#include "account/apiclient.h"
#include "account/authclient.h"
#include "account/client.h"
#include "account/memorytokenstore.h"
#include "account/tokenmanager.h"
#include "support/referenceserver.h"
#include "support/testbrowser.h"

#include <QDateTime>
#include <QSignalSpy>
#include <QTcpServer>
#include <QtTest>

using namespace KestAccount;

Q_DECLARE_METATYPE(KestAccount::RefreshResult)

namespace {

struct Tokens
{
    QString access;
    QString refresh;
};

Tokens tokensIn(const QUrl& redirect)
{
    const QUrlQuery query(redirect);
    return {query.queryItemValue(QStringLiteral("access_token"), QUrl::FullyDecoded),
        query.queryItemValue(QStringLiteral("refresh_token"), QUrl::FullyDecoded)};
}

qint64 secondsFromNow(qint64 seconds)
{
    return QDateTime::currentSecsSinceEpoch() + seconds;
}

std::optional<QString> stored(Client& client, const QString& key)
{
    return client.tokenManager()->store()->load(key);
}

// A port on 127.0.0.1 that nobody listens on.
quint16 closedPort()
{
    QTcpServer server;
    server.listen(QHostAddress::LocalHost, 0);
    return server.serverPort();
}

} // namespace

class ApiClientTest : public QObject
{
    Q_OBJECT

public:
    ApiClientTest()
        : m_server(QStringLiteral(KESTRELWOOD_SERVER))
    {
    }

private:
    ReferenceServer m_server;
    const QString m_email = QStringLiteral("ada@example.com");

    Tokens newSession()
    {
        TestBrowser browser;
        return tokensIn(browser.logIn(TestBrowser::loginPage(m_server.baseUrl(), ReferenceServer::clientId), m_email)
                            .location);
    }

    std::unique_ptr<Client> clientWith(const Tokens& tokens, const ClientConfig& config)
    {
        auto client = std::make_unique<Client>(config, std::make_unique<MemoryTokenStore>());
        client->tokenManager()->setTokens(tokens.access, tokens.refresh);
        client->initialize();
        return client;
    }

    std::unique_ptr<Client> clientWith(const Tokens& tokens)
    {
        return clientWith(tokens, m_server.clientConfig());
    }

private Q_SLOTS:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
        QVERIFY(m_server.startWithUser(m_email));
    }

    void staleTokenIsRefreshedOnceForAllWaitingRequests_data()
    {
        QTest::addColumn<qint64>("secondsLeft");
        QTest::newRow("expired a minute ago") << qint64(-60);
        // Still accepted by the server, but too close to its end to be sent.
        QTest::newRow("20 seconds from expiry") << qint64(20);
    }

    void staleTokenIsRefreshedOnceForAllWaitingRequests()
    {
        QFETCH(qint64, secondsLeft);
        const Tokens session = newSession();
        auto client = clientWith({m_server.reissued(session.access, secondsFromNow(secondsLeft)), session.refresh});
        const int issuedBefore = m_server.issuedRefreshTokens();
        QList<int> answered;
        for (int request = 0; request < 3; ++request) {
            client->authApi()->get(QStringLiteral("/users/me"), [&answered, request](bool ok, int, const QJsonObject& body) {
                answered.append(ok && !body.value(QStringLiteral("email")).toString().isEmpty() ? request : -1);
            });
        }
        QTRY_COMPARE(answered.size(), 3);
        QCOMPARE(answered, (QList<int>{0, 1, 2}));
        QCOMPARE(m_server.issuedRefreshTokens(), issuedBefore + 1);
        QVERIFY(stored(*client, TokenStore::refreshTokenKey) != session.refresh);
    }

    void refusedTokenIsRetriedOnceAfterRefreshing_data()
    {
        QTest::addColumn<bool>("sessionEnded");
        QTest::addColumn<bool>("expectedOk");
        QTest::addColumn<int>("expectedStatus");
        QTest::newRow("access token refused, session alive") << false << true << 200;
        QTest::newRow("session ended on the server") << true << false << 401;
    }

    void refusedTokenIsRetriedOnceAfterRefreshing()
    {
        QFETCH(bool, sessionEnded);
        QFETCH(bool, expectedOk);
        QFETCH(int, expectedStatus);
        const Tokens session = newSession();
        // Good for the program's clock, but not signed by the server.
        QString forged = session.access;
        forged.chop(4);
        forged += QStringLiteral("AAAA");
        auto client = clientWith({forged, session.refresh});
        if (sessionEnded) {
            auto other = clientWith(session);
            bool signedOut = false;
            other->authApi()->post(QStringLiteral("/auth/logout"), {},
                [&signedOut](bool ok, int, const QJsonObject&) { signedOut = ok; });
            QTRY_VERIFY(signedOut);
        }
        QSignalSpy authenticationRequired(client->authApi(), &ApiClient::authenticationRequired);
        std::optional<std::pair<bool, int>> answer;
        client->authApi()->get(QStringLiteral("/users/me"),
            [&answer](bool ok, int status, const QJsonObject&) { answer = std::pair(ok, status); });
        QTRY_VERIFY(answer.has_value());
        QCOMPARE(answer->first, expectedOk);
        QCOMPARE(answer->second, expectedStatus);
        QCOMPARE(authenticationRequired.size(), sessionEnded ? 1 : 0);
        QCOMPARE(client->isAuthenticated(), !sessionEnded);
        QCOMPARE(stored(*client, TokenStore::refreshTokenKey).has_value(), !sessionEnded);
    }

    void reusedRefreshTokenEndsTheSession()
    {
        const Tokens session = newSession();
        auto client = clientWith(session);
        std::optional<bool> refreshed;
        client->authClient()->refreshToken([&refreshed](bool ok) { refreshed = ok; });
        QTRY_VERIFY(refreshed.has_value());
        QVERIFY(*refreshed);
        const QString rotated = client->tokenManager()->refreshToken();

        // A copy of the old pair, say from a backup of the keyring.
        auto stale = clientWith(session);
        refreshed.reset();
        stale->authClient()->refreshToken([&refreshed](bool ok) { refreshed = ok; });
        QTRY_VERIFY(refreshed.has_value());
        QVERIFY(!*refreshed);
        QCOMPARE(stale->authClient()->state(), AuthState::SignedOut);
        QVERIFY(!stored(*stale, TokenStore::accessTokenKey) && !stored(*stale, TokenStore::refreshTokenKey));

        // The server ended the whole session, the rotated token with it.
        refreshed.reset();
        client->authClient()->refreshToken([&refreshed](bool ok) { refreshed = ok; });
        QTRY_VERIFY(refreshed.has_value());
        QVERIFY(!*refreshed);
        QVERIFY(rotated != session.refresh);
        QCOMPARE(client->authClient()->state(), AuthState::SignedOut);
    }

    void refreshEndingAfterTheUserMovedOnWritesNothing_data()
    {
        QTest::addColumn<bool>("signInAnew");
        QTest::newRow("signed out") << false;
        QTest::newRow("signed in to another session") << true;
    }

    void refreshEndingAfterTheUserMovedOnWritesNothing()
    {
        QFETCH(bool, signInAnew);
        const Tokens session = newSession();
        const Tokens other = newSession();
        auto client = clientWith({m_server.reissued(session.access, secondsFromNow(-60)), session.refresh});
        std::optional<std::pair<bool, int>> answer;
        client->accountApi()->get(QStringLiteral("/profile"),
            [&answer](bool ok, int status, const QJsonObject&) { answer = std::pair(ok, status); });
        if (signInAnew)
            client->tokenManager()->setTokens(other.access, other.refresh);
        else
            client->authClient()->logout();
        QTRY_VERIFY(answer.has_value());
        QCOMPARE(*answer, std::pair(false, 401));
        const QString expectedRefresh = signInAnew ? other.refresh : QString();
        QCOMPARE(client->tokenManager()->refreshToken(), expectedRefresh);
        QCOMPARE(stored(*client, TokenStore::refreshTokenKey).value_or(QString()), expectedRefresh);
        QCOMPARE(stored(*client, TokenStore::accessTokenKey).value_or(QString()), signInAnew ? other.access : QString());
    }

    // The logout goes out even when the access token has run out, so the
    // session ends on the server instead of living on until it expires.
    void signingOutEndsTheSessionOnTheServer_data()
    {
        QTest::addColumn<qint64>("secondsLeft");
        QTest::newRow("access token good") << qint64(600);
        QTest::newRow("access token run out") << qint64(-60);
    }

    void signingOutEndsTheSessionOnTheServer()
    {
        QFETCH(qint64, secondsLeft);
        const Tokens watcher = newSession();
        const Tokens session = newSession();
        auto observer = clientWith(watcher);
        const auto sessionCount = [&observer] {
            std::optional<qsizetype> count;
            observer->authApi()->get(QStringLiteral("/users/me/sessions"), [&count](bool ok, int, const QJsonObject& body) {
                count = ok ? body.value(QStringLiteral("sessions")).toArray().size() : -1;
            });
            return QTest::qWaitFor([&count] { return count.has_value(); }) ? *count : -1;
        };
        const qsizetype before = sessionCount();

        auto client = clientWith({m_server.reissued(session.access, secondsFromNow(secondsLeft)), session.refresh});
        client->authClient()->logout();
        QCOMPARE(client->authClient()->state(), AuthState::SignedOut);
        QVERIFY(QTest::qWaitFor([&] { return sessionCount() == before - 1; }));
    }

    void startWithAStaleTokenRefreshesOrKeepsTheSession_data()
    {
        QTest::addColumn<bool>("serverReachable");
        QTest::addColumn<bool>("refreshTokenGenuine");
        QTest::addColumn<AuthState>("expectedState");
        QTest::newRow("refreshed") << true << true << AuthState::SignedIn;
        QTest::newRow("offline") << false << true << AuthState::SignedIn;
        QTest::newRow("refused") << true << false << AuthState::SignedOut;
    }

    void startWithAStaleTokenRefreshesOrKeepsTheSession()
    {
        QFETCH(bool, serverReachable);
        QFETCH(bool, refreshTokenGenuine);
        QFETCH(AuthState, expectedState);
        const Tokens session = newSession();
        ClientConfig config = m_server.clientConfig();
        if (!serverReachable)
            config.authBaseUrl = QStringLiteral("http://127.0.0.1:%1").arg(closedPort());
        auto store = std::make_unique<MemoryTokenStore>();
        const QString expired = m_server.reissued(session.access, secondsFromNow(-60));
        const QString refresh = refreshTokenGenuine ? session.refresh : QStringLiteral("not-a-refresh-token");
        QVERIFY(store->store(TokenStore::accessTokenKey, expired));
        QVERIFY(store->store(TokenStore::refreshTokenKey, refresh));
        Client client(config, std::move(store));
        QSignalSpy stateChanged(&client, &Client::authStateChanged);
        client.initialize();
        QTRY_COMPARE(stateChanged.size(), 1);
        QCOMPARE(stateChanged.first().first().value<AuthState>(), expectedState);
        const bool kept = expectedState == AuthState::SignedIn;
        QCOMPARE(stored(client, TokenStore::refreshTokenKey).has_value(), kept);
        if (!serverReachable)
            QCOMPARE(*stored(client, TokenStore::refreshTokenKey), refresh);
    }

    void refreshAnswerIsCheckedBeforeItIsStored_data()
    {
        QTest::addColumn<QString>("answeredAccess");
        QTest::addColumn<QString>("answeredRefresh");
        QTest::addColumn<RefreshResult>("expectedResult");
        QTest::addColumn<QString>("expectedRefresh");
        QTest::newRow("no access token") << QString() << QStringLiteral("r2") << RefreshResult::Failed
                                         << QStringLiteral("r1");
        QTest::newRow("no new refresh token") << QStringLiteral("a2") << QString() << RefreshResult::Refreshed
                                              << QStringLiteral("r1");
        QTest::newRow("both") << QStringLiteral("a2") << QStringLiteral("r2") << RefreshResult::Refreshed
                              << QStringLiteral("r2");
    }

    void refreshAnswerIsCheckedBeforeItIsStored()
    {
        QFETCH(QString, answeredAccess);
        QFETCH(QString, answeredRefresh);
        QFETCH(RefreshResult, expectedResult);
        QFETCH(QString, expectedRefresh);
        TokenManager manager(std::make_unique<MemoryTokenStore>());
        manager.setTokens(QStringLiteral("a1"), QStringLiteral("r1"));
        manager.setRefreshCallback([&](const QString&, auto onSuccess, auto) { onSuccess(answeredAccess, answeredRefresh); });
        std::optional<RefreshResult> result;
        manager.refresh([&result](RefreshResult outcome) { result = outcome; });
        QVERIFY(result == expectedResult);
        QCOMPARE(manager.refreshToken(), expectedRefresh);
        QCOMPARE(manager.store()->load(TokenStore::refreshTokenKey).value_or(QString()), expectedRefresh);
    }

    void stalledConnectionEndsAsStatusZero()
    {
        QTcpServer silent;
        QVERIFY(silent.listen(QHostAddress::LocalHost, 0));
        TokenManager tokens(std::make_unique<MemoryTokenStore>());
        ApiClient api(&tokens);
        api.setBaseUrl(QUrl(QStringLiteral("http://127.0.0.1:%1/checkbook/v1").arg(silent.serverPort())));
        api.setTransferTimeout(300);
        QSignalSpy networkError(&api, &ApiClient::networkError);
        std::optional<std::pair<bool, int>> answer;
        api.getPublic(QStringLiteral("/sync/pull"),
            [&answer](bool ok, int status, const QJsonObject&) { answer = std::pair(ok, status); });
        QTRY_VERIFY(answer.has_value());
        QCOMPARE(*answer, std::pair(false, 0));
        QCOMPARE(networkError.size(), 1);
    }

    void identifierStaysInsideItsPathSegment_data()
    {
        QTest::addColumn<QString>("identifier");
        QTest::addColumn<bool>("expectedOk");
        QTest::newRow("plain") << QStringLiteral("me") << true;
        QTest::newRow("dot segments") << QStringLiteral("x/../me") << false;
        QTest::newRow("question mark") << QStringLiteral("me?x=1") << false;
        QTest::newRow("hash") << QStringLiteral("me#x") << false;
    }

    void identifierStaysInsideItsPathSegment()
    {
        QFETCH(QString, identifier);
        QFETCH(bool, expectedOk);
        auto client = clientWith(newSession());
        std::optional<bool> answer;
        client->authApi()->get(QStringLiteral("/users/") + ApiClient::pathSegment(identifier),
            [&answer](bool ok, int, const QJsonObject&) { answer = ok; });
        QTRY_VERIFY(answer.has_value());
        QCOMPARE(*answer, expectedOk);
    }
};

QTEST_GUILESS_MAIN(ApiClientTest)
#include "tst_apiclient.moc"
