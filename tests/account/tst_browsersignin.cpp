// Browser sign-in against the real reference server: the login page driven
// by HTTP as a browser sends it, the loopback listener's refusals of
// anything but its own callback, its lifetime, and the tokens kept out of
// every log line from sign-in to sign-out.

#include "account/apiclient.h"
#include "account/authclient.h"
#include "account/client.h"
#include "account/memorytokenstore.h"
#include "account/tokenmanager.h"
#include "account/webauthhandler.h"
#include "support/referenceserver.h"
#include "support/testbrowser.h"

#include <QDateTime>
#include <QLoggingCategory>
#include <QSignalSpy>
#include <QTcpSocket>
#include <QtTest>

using namespace KestAccount;

namespace {

QStringList capturedLog;

void captureMessage(QtMsgType, const QMessageLogContext&, const QString& message)
{
    capturedLog.append(message);
}

// Sends `pieces` one after another over one connection, as a slow client
// would; the status of the answer, 0 for none.
int sendRaw(quint16 port, const QList<QByteArray>& pieces)
{
    QTcpSocket socket;
    socket.connectToHost(QHostAddress::LocalHost, port);
    if (!QTest::qWaitFor([&socket] { return socket.state() == QAbstractSocket::ConnectedState; }, 5000))
        return 0;
    for (const QByteArray& piece : pieces) {
        socket.write(piece);
        QTest::qWait(50);
    }
    QByteArray answer;
    const bool answered = QTest::qWaitFor(
        [&] {
            answer += socket.readAll();
            return answer.contains("\r\n") || socket.state() == QAbstractSocket::UnconnectedState;
        },
        5000);
    if (!answered)
        return 0;
    return answer.split(' ').value(1).toInt();
}

bool isListening(quint16 port)
{
    QTcpSocket socket;
    socket.connectToHost(QHostAddress::LocalHost, port);
    return socket.waitForConnected(2000);
}

} // namespace

class BrowserSignInTest : public QObject
{
    Q_OBJECT

public:
    BrowserSignInTest()
        : m_server(QStringLiteral(KESTRELWOOD_SERVER))
    {
    }

private:
    ReferenceServer m_server;
    const QString m_email = QStringLiteral("grace@example.com");
    std::unique_ptr<Client> m_client;
    QList<QUrl> m_opened;

    AuthClient* auth() const { return m_client->authClient(); }

    quint16 openedPort() const { return quint16(QUrl(QUrlQuery(m_opened.last()).queryItemValue(
                                                          QStringLiteral("redirect_uri"), QUrl::FullyDecoded))
                                                     .port()); }

    QString openedState() const
    {
        return QUrlQuery(m_opened.last()).queryItemValue(QStringLiteral("state"), QUrl::FullyDecoded);
    }

private Q_SLOTS:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
        QVERIFY(m_server.startWithUser(m_email));
    }

    void init()
    {
        m_opened.clear();
        m_client = std::make_unique<Client>(m_server.clientConfig(), std::make_unique<MemoryTokenStore>());
        auth()->setUrlOpener([this](const QUrl& url) {
            m_opened.append(url);
            return true;
        });
        m_client->initialize();
    }

    void browserSignInSignsTheUserIn()
    {
        QSignalSpy succeeded(auth(), &AuthClient::loginSucceeded);
        auth()->login();
        QCOMPARE(m_opened.size(), 1);
        QCOMPARE(auth()->state(), AuthState::SignedOut);

        TestBrowser browser;
        const TestBrowser::Page callback = browser.signIn(m_opened.first(), m_email);
        QCOMPARE(callback.status, 200);
        QVERIFY(callback.body.contains("Authentication complete!"));
        QTRY_COMPARE(succeeded.size(), 1);
        QVERIFY(m_client->isAuthenticated());
        QVERIFY(!isListening(openedPort()));

        std::optional<User> user;
        auth()->fetchCurrentUser([&user](const User& fetched) { user = fetched; });
        QTRY_VERIFY(user.has_value());
        QCOMPARE(user->email, m_email);
        QCOMPARE(auth()->userId(), user->id);
    }

    void foreignRequestLeavesTheAttemptOpen_data()
    {
        QTest::addColumn<QByteArray>("request");
        QTest::addColumn<int>("expectedStatus");
        const QByteArray tail = " HTTP/1.1\r\nHost: localhost\r\n\r\n";
        QTest::newRow("favicon") << "GET /favicon.ico" + tail << 404;
        QTest::newRow("other path") << "GET /callbackx?access_token=a&refresh_token=b&state=STATE" + tail << 404;
        QTest::newRow("POST") << "POST /callback?access_token=a&refresh_token=b&state=STATE" + tail << 404;
        QTest::newRow("wrong state") << "GET /callback?access_token=a&refresh_token=b&state=0123" + tail << 400;
        QTest::newRow("no state") << "GET /callback?access_token=a&refresh_token=b" + tail << 400;
        QTest::newRow("no tokens") << "GET /callback?state=STATE" + tail << 400;
        QTest::newRow("no refresh token") << "GET /callback?access_token=a&state=STATE" + tail << 400;
        QTest::newRow("no head end") << QByteArray(WebAuthHandler::maxHeadBytes + 1, 'x') << 400;
    }

    void foreignRequestLeavesTheAttemptOpen()
    {
        QFETCH(QByteArray, request);
        QFETCH(int, expectedStatus);
        QSignalSpy failed(auth(), &AuthClient::loginFailed);
        auth()->login();
        request.replace("STATE", openedState().toLatin1());
        QCOMPARE(sendRaw(openedPort(), {request}), expectedStatus);
        QCOMPARE(auth()->state(), AuthState::SignedOut);
        QCOMPARE(failed.size(), 0);

        TestBrowser browser;
        QCOMPARE(browser.signIn(m_opened.last(), m_email).status, 200);
        QTRY_VERIFY(m_client->isAuthenticated());
    }

    void callbackArrivingInPiecesIsReadWhole()
    {
        auth()->login();
        TestBrowser browser;
        const QUrl callback = browser.logIn(m_opened.last(), m_email).location;
        QCOMPARE(callback.port(), int(openedPort()));
        const QByteArray head = "GET " + callback.toEncoded(QUrl::RemoveScheme | QUrl::RemoveAuthority)
            + " HTTP/1.1\r\nHost: localhost\r\nUser-Agent: TestBrowser\r\n\r\n";
        QCOMPARE(sendRaw(openedPort(), {head.left(12), head.mid(12, 40), head.mid(52)}), 200);
        QTRY_VERIFY(m_client->isAuthenticated());
    }

    void attemptEndsWhenItsTimeIsUp()
    {
        QSignalSpy failed(auth(), &AuthClient::loginFailed);
        auth()->setLoginLifetime(100);
        auth()->login();
        QVERIFY(isListening(openedPort()));
        QTRY_COMPARE(failed.size(), 1);
        QVERIFY(!isListening(openedPort()));
        QCOMPARE(auth()->state(), AuthState::SignedOut);
    }

    void secondAttemptListensOnItsOwnPort()
    {
        auth()->login();
        auth()->login();
        QCOMPARE(m_opened.size(), 2);
        const quint16 second = openedPort();
        m_opened.removeLast();
        QVERIFY(openedPort() != second);
        QVERIFY(isListening(openedPort()) && isListening(second));
    }

    void tokensNeverReachTheLog()
    {
        QLoggingCategory::setFilterRules(QStringLiteral("default.debug=true"));
        capturedLog.clear();
        const QtMessageHandler previous = qInstallMessageHandler(captureMessage);
        QStringList tokens;
        const auto remember = [&] {
            tokens << m_client->tokenManager()->refreshToken() << m_client->tokenManager()->accessToken();
        };

        auth()->login();
        TestBrowser browser;
        QCOMPARE(browser.signIn(m_opened.last(), m_email).status, 200);
        QTRY_VERIFY(m_client->isAuthenticated());
        remember();
        // A token found stale before a request, then one refused by the server.
        m_client->tokenManager()->setTokens(
            m_server.reissued(tokens.last(), QDateTime::currentSecsSinceEpoch() - 60), tokens.at(tokens.size() - 2));
        bool answered = false;
        m_client->authApi()->get(QStringLiteral("/users/me"), [&answered](bool, int, const QJsonObject&) { answered = true; });
        QTRY_VERIFY(answered);
        remember();
        m_client->tokenManager()->setTokens(tokens.last() + QStringLiteral("x"), tokens.at(tokens.size() - 2));
        answered = false;
        m_client->authApi()->get(QStringLiteral("/users/me"), [&answered](bool, int, const QJsonObject&) { answered = true; });
        QTRY_VERIFY(answered);
        remember();
        auth()->logout();
        QTest::qWait(200);

        qInstallMessageHandler(previous);
        QLoggingCategory::setFilterRules(QString());
        QVERIFY2(capturedLog.join(QLatin1Char('\n')).contains(QLatin1String("token needs refresh")),
            "the debug lines were not captured");
        for (const QString& token : std::as_const(tokens)) {
            QVERIFY(token.size() > 20);
            const QString signature = token.section(QLatin1Char('.'), 2);
            for (const QString& line : std::as_const(capturedLog)) {
                QVERIFY2(!line.contains(token), qPrintable(line));
                QVERIFY2(signature.isEmpty() || !line.contains(signature), qPrintable(line));
            }
        }
    }
};

QTEST_GUILESS_MAIN(BrowserSignInTest)
#include "tst_browsersignin.moc"
