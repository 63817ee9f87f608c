// Signing in and out from the main window against the real reference
// server, as a user does: File › Sign In opens the login page, the window
// shows the session, keeps it across a restart and signs out cleanly.

#include "account/accountclient.h"
#include "account/accountscreen.h"
#include "account/authclient.h"
#include "account/client.h"
#include "account/deviceidentity.h"
#include "account/tokenmanager.h"
#include "account/tokenstore.h"
#include "app/appstate.h"
#include "app/buildinfo.h"
#include "app/mainwindow.h"
#include "app/welcomescreen.h"
#include "support/referenceserver.h"
#include "support/signedinclient.h"
#include "support/testbrowser.h"
#include "support/testworld.h"

#include <QAction>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QStatusBar>
#include <QTcpServer>
#include <QtTest>

using namespace KestAccount;

namespace {

std::unique_ptr<TokenStore> keyring()
{
    return Client::platformTokenStore(QStringLiteral(CHECKBOOK_APP_ID));
}

void pointProgramAt(const QUrl& server)
{
    const QByteArray root = server.toString(QUrl::StripTrailingSlash).toUtf8();
    qputenv("AUTH_BASE_URL", root);
    qputenv("AUTH_CLIENT_ID", ReferenceServer::clientId.toUtf8());
    qputenv("ACCOUNT_API_URL", root + "/account/v1");
    qputenv("SYNC_API_URL", root + "/checkbook/v1");
}

bool statusShows(const MainWindow& window, const QString& text)
{
    const QList<QLabel*> labels = window.statusBar()->findChildren<QLabel*>();
    return std::any_of(labels.begin(), labels.end(), [&text](const QLabel* label) { return label->text() == text; });
}

} // namespace

class SignInWindowTest : public QObject
{
    Q_OBJECT

public:
    SignInWindowTest()
        : m_server(QStringLiteral(KESTRELWOOD_SERVER))
    {
    }

private:
    ReferenceServer m_server;
    const QString m_email = QStringLiteral("edsger@example.com");
    QList<QUrl> m_opened;

    // A start of the program: its state and its window.
    struct Start
    {
        std::unique_ptr<TestWorld> world = std::make_unique<TestWorld>();
        std::unique_ptr<MainWindow> window = std::make_unique<MainWindow>(&world->appState);

        QAction* action(const char* name) const { return window->findChild<QAction*>(QLatin1String(name)); }
        AuthClient* auth() const { return world->appState.accountClient()->authClient(); }
    };

    std::unique_ptr<Start> start()
    {
        auto started = std::make_unique<Start>();
        started->auth()->setUrlOpener([this](const QUrl& url) {
            m_opened.append(url);
            return true;
        });
        return started;
    }

    // The devices registered to the user, as the account service lists them.
    QStringList registeredFingerprints()
    {
        auto client = signedInClient(m_server, m_email);
        QStringList fingerprints;
        const auto devices =
            answerWithFlagOf<QList<Device>>([&client](auto done) { client->accountClient()->getDevices(done); });
        for (const Device& device : devices->second)
            fingerprints.append(device.fingerprint);
        return fingerprints;
    }

private Q_SLOTS:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
        QVERIFY(m_server.startWithUser(m_email));
    }

    void init()
    {
        pointProgramAt(m_server.baseUrl());
        keyring()->clear();
    }

    void signInFromTheFileMenuLastsUntilSignOut()
    {
        auto program = start();
        QVERIFY(program->action("signInAction")->isVisible() && !program->action("signOutAction")->isVisible());
        QVERIFY(statusShows(*program->window, QStringLiteral("Not signed in")));

        QSignalSpy messages(program->window->statusBar(), &QStatusBar::messageChanged);
        program->action("signInAction")->trigger();
        QCOMPARE(m_opened.size(), 1);
        TestBrowser browser;
        QCOMPARE(browser.signIn(m_opened.last(), m_email).status, 200);
        QTRY_VERIFY(program->action("signOutAction")->isVisible());
        QVERIFY(!program->action("signInAction")->isVisible());
        QTRY_VERIFY(statusShows(*program->window, QStringLiteral("Synced")));
        // Shown for a moment, until the first sync says how it went.
        QVERIFY(messages.contains(QVariantList{QStringLiteral("Signed in successfully")}));
        QCOMPARE(program->window->findChild<QPushButton*>(QStringLiteral("signInButton"))->text(),
            QStringLiteral("Sign Out"));
        QTRY_COMPARE(registeredFingerprints(), QStringList{DeviceIdentity::fingerprint()});
        testworld::menuAction(*program->window, QStringLiteral("&File"), QStringLiteral("Kestrelwood &Account..."))
            ->trigger();
        auto* accountScreen = program->window->findChild<AccountScreen*>();
        QVERIFY(accountScreen && accountScreen->isVisible());
        program->action("signOutAction")->trigger();
        QVERIFY(!accountScreen->isVisible());
        program->action("signInAction")->trigger();
        QCOMPARE(browser.signIn(m_opened.last(), m_email).status, 200);
        QTRY_VERIFY(program->action("signOutAction")->isVisible());

        program.reset();
        program = start();
        QSignalSpy cloudStarted(&program->world->appState, &AppState::cloudSessionStarted);
        QVERIFY(program->action("signOutAction")->isVisible());
        QTRY_COMPARE(cloudStarted.size(), 1);

        program->action("signOutAction")->trigger();
        QVERIFY(program->action("signInAction")->isVisible());
        program->action("signInAction")->trigger();
        QCOMPARE(browser.signIn(m_opened.last(), m_email).status, 200);
        QTRY_VERIFY(program->action("signOutAction")->isVisible());
        QTest::qWait(200);
        QCOMPARE(registeredFingerprints(), QStringList{DeviceIdentity::fingerprint()});
        program->action("signOutAction")->trigger();
        QVERIFY(statusShows(*program->window, QStringLiteral("Not signed in")));
        QVERIFY(!keyring()->load(TokenStore::accessTokenKey) && !keyring()->load(TokenStore::refreshTokenKey));
        program.reset();
        program = start();
        QVERIFY(program->action("signInAction")->isVisible());
    }

    void startWithAnExpiredAccessTokenWaitsForTheRefresh_data()
    {
        QTest::addColumn<bool>("online");
        QTest::newRow("online") << true;
        QTest::newRow("offline") << false;
    }

    void startWithAnExpiredAccessTokenWaitsForTheRefresh()
    {
        QFETCH(bool, online);
        TestBrowser browser;
        const QUrlQuery tokens(
            browser.logIn(TestBrowser::loginPage(m_server.baseUrl(), ReferenceServer::clientId), m_email).location);
        const QString refresh = tokens.queryItemValue(QStringLiteral("refresh_token"), QUrl::FullyDecoded);
        QVERIFY(keyring()->store(TokenStore::accessTokenKey,
            m_server.reissued(tokens.queryItemValue(QStringLiteral("access_token"), QUrl::FullyDecoded),
                QDateTime::currentSecsSinceEpoch() - 60)));
        QVERIFY(keyring()->store(TokenStore::refreshTokenKey, refresh));
        if (!online) {
            QTcpServer closed;
            QVERIFY(closed.listen(QHostAddress::LocalHost, 0));
            qputenv("AUTH_BASE_URL", QStringLiteral("http://127.0.0.1:%1").arg(closed.serverPort()).toUtf8());
        }

        auto program = start();
        QSignalSpy cloudStarted(&program->world->appState, &AppState::cloudSessionStarted);
        QTRY_COMPARE(cloudStarted.size(), 1);
        QVERIFY(program->action("signOutAction")->isVisible());
        QCOMPARE(keyring()->load(TokenStore::refreshTokenKey).has_value(), true);
        QCOMPARE(*keyring()->load(TokenStore::refreshTokenKey) == refresh, !online);
    }
};

QTEST_MAIN(SignInWindowTest)
#include "tst_signinwindow.moc"
