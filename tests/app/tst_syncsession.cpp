// Sync in the running program against the real reference server: the
// status bar follows the engine, books last synced with another user wait
// for the user's choice in a dialog, signing out drops the cycle on its way,
// and the settings window's sync card starts cycles and a full re-upload.

#include "account/authclient.h"
#include "account/client.h"
#include "account/tokenstore.h"
#include "app/appstate.h"
#include "app/buildinfo.h"
#include "app/mainwindow.h"
#include "app/settingsscreen.h"
#include "storage/preferencesrepository.h"
#include "sync/syncengine.h"
#include "support/modalanswer.h"
#include "support/referenceserver.h"
#include "support/testbrowser.h"
#include "support/testworld.h"

#include <QAbstractButton>
#include <QAction>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QStatusBar>
#include <QtTest>

using namespace KestAccount;

namespace {

const QString syncedUserKey = QStringLiteral("lastSyncUserId");

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

// The program started on books of its own, the window shown.
struct Program
{
    TestWorld world;
    MainWindow window{&world.appState};

    AuthClient* auth() const { return world.appState.accountClient()->authClient(); }
    SyncEngine* engine() const { return world.appState.syncEngine(); }
    PreferencesRepository* preferences() const { return world.appState.preferences(); }
    QAction* action(const char* name) const { return window.findChild<QAction*>(QLatin1String(name)); }

    // File › Sign In, and the login page answered in the browser.
    void signIn(const QString& email)
    {
        QUrl opened;
        auth()->setUrlOpener([&opened](const QUrl& url) {
            opened = url;
            return true;
        });
        action("signInAction")->trigger();
        TestBrowser browser;
        QCOMPARE(browser.signIn(opened, email).status, 200);
    }
};

} // namespace

class SyncSessionTest : public QObject
{
    Q_OBJECT

public:
    SyncSessionTest()
        : m_server(QStringLiteral(KESTRELWOOD_SERVER))
    {
    }

private:
    ReferenceServer m_server;

private Q_SLOTS:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
        QVERIFY(m_server.start());
    }

    void init()
    {
        pointProgramAt(m_server.baseUrl());
        // Each test starts signed out, whatever the last one left.
        Client::platformTokenStore(QStringLiteral(CHECKBOOK_APP_ID))->clear();
    }

    void signInSyncsTheBooksAndTheStatusBarFollows()
    {
        Program program;
        const Account account = program.world.addAccount(QStringLiteral("Checking"));
        QVERIFY(statusShows(program.window, QStringLiteral("Not signed in")));
        QSignalSpy completed(program.engine(), &SyncEngine::syncCompleted);

        program.signIn(m_server.newUser());
        QTRY_VERIFY(!completed.isEmpty());
        QVERIFY(statusShows(program.window, QStringLiteral("Synced")));
        QCOMPARE(program.world.appState.accounts()->byId(account.id)->syncStatus, SyncStatus::Synced);
        QCOMPARE(program.preferences()->get(syncedUserKey, QString()), program.auth()->userId());
    }

    void booksOfAnotherUserWaitForTheUsersChoice_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<bool>("added");
        QTest::newRow("add to this account") << "Add to This Account" << true;
        QTest::newRow("sign out") << "Sign Out" << false;
    }

    void booksOfAnotherUserWaitForTheUsersChoice()
    {
        QFETCH(QString, button);
        QFETCH(bool, added);
        Program program;
        const Account account = program.world.addAccount(QStringLiteral("Checking"));
        QVERIFY(program.preferences()->set(syncedUserKey, QStringLiteral("someone-before")));
        QSignalSpy completed(program.engine(), &SyncEngine::syncCompleted);

        QString question;
        bool pausedWhileAsked = false;
        // Signing in takes a while; the question waits up to half a minute.
        testworld::whenDialogShown(
            [&](QDialog* dialog) {
                auto* box = qobject_cast<QMessageBox*>(dialog);
                question = box->text();
                const SettingsScreen settings(&program.world.appState);
                pausedWhileAsked = statusShows(program.window, QStringLiteral("Sync paused"))
                    && settings.findChild<QLabel*>(QStringLiteral("syncStatusLabel"))->text().contains(u"Sync paused");
                for (QAbstractButton* choice : box->buttons()) {
                    if (choice->text() == button)
                        QTest::mouseClick(choice, Qt::LeftButton);
                }
            },
            3000);
        program.signIn(m_server.newUser());
        QTRY_VERIFY_WITH_TIMEOUT(!question.isEmpty(), 30000);
        QVERIFY(pausedWhileAsked);
        if (added) {
            QTRY_VERIFY(!completed.isEmpty());
            const QList<Account> accounts = program.world.appState.accounts()->all();
            QCOMPARE(accounts.size(), 1);
            QVERIFY(accounts.constFirst().id != account.id);
            QCOMPARE(accounts.constFirst().syncStatus, SyncStatus::Synced);
            QCOMPARE(program.world.appState.currentAccountId(), accounts.constFirst().id);
            QCOMPARE(program.preferences()->get(syncedUserKey, QString()), program.auth()->userId());
        } else {
            QVERIFY(!program.auth()->isAuthenticated());
            QTest::qWait(500);
            QVERIFY(completed.isEmpty());
            QCOMPARE(program.world.appState.accounts()->byId(account.id)->syncStatus, SyncStatus::Pending);
            QCOMPARE(program.preferences()->get(syncedUserKey, QString()), QStringLiteral("someone-before"));
        }
    }

    void signingOutDropsTheCycleOnItsWay()
    {
        Program program;
        const Account account = program.world.addAccount(QStringLiteral("Checking"));
        QSignalSpy completed(program.engine(), &SyncEngine::syncCompleted);
        program.signIn(m_server.newUser());
        QTRY_VERIFY(!completed.isEmpty());
        QTRY_COMPARE(program.engine()->state(), SyncState::Idle);
        const QString cursor = program.preferences()->get(SyncEngine::cursorKey, QString());
        completed.clear();

        program.world.addTransaction(account.id, QDate(2024, 5, 1), QStringLiteral("Rent"), -90000);
        program.engine()->sync();
        program.action("signOutAction")->trigger();
        QCOMPARE(program.engine()->state(), SyncState::Idle);
        QVERIFY(statusShows(program.window, QStringLiteral("Not signed in")));
        QTest::qWait(1000);
        QVERIFY(completed.isEmpty());
        QCOMPARE(program.preferences()->get(SyncEngine::cursorKey, QString()), cursor);
        QCOMPARE(program.world.appState.transactions()->pending().size(), 1);
    }

    void settingsSyncCardStartsCycles_data()
    {
        QTest::addColumn<QString>("buttonName");
        QTest::addColumn<QMessageBox::StandardButton>("answer");
        QTest::addColumn<bool>("resent");
        QTest::newRow("sync now") << "syncNowButton" << QMessageBox::NoButton << false;
        QTest::newRow("full sync confirmed") << "forceFullSyncButton" << QMessageBox::Yes << true;
        QTest::newRow("full sync declined") << "forceFullSyncButton" << QMessageBox::No << false;
    }

    void settingsSyncCardStartsCycles()
    {
        QFETCH(QString, buttonName);
        QFETCH(QMessageBox::StandardButton, answer);
        QFETCH(bool, resent);
        Program program;
        program.world.addAccount(QStringLiteral("Checking"));
        QSignalSpy completed(program.engine(), &SyncEngine::syncCompleted);
        program.signIn(m_server.newUser());
        QTRY_VERIFY(!completed.isEmpty());
        QTRY_COMPARE(program.engine()->state(), SyncState::Idle);
        const QString cursor = program.preferences()->get(SyncEngine::cursorKey, QString());
        completed.clear();

        SettingsScreen settings(&program.world.appState);
        settings.refresh();
        QVERIFY(settings.findChild<QLabel*>(QStringLiteral("lastSyncLabel"))->text().startsWith(QStringLiteral("Last synced: ")));
        auto* syncNow = settings.findChild<QPushButton*>(QStringLiteral("syncNowButton"));
        if (answer != QMessageBox::NoButton)
            ModalAnswer::pressWhenShown(answer);
        QTest::mouseClick(settings.findChild<QPushButton*>(buttonName), Qt::LeftButton);
        if (answer == QMessageBox::No) {
            QTest::qWait(200);
            QVERIFY(completed.isEmpty());
            QVERIFY(syncNow->isEnabled());
            return;
        }
        QVERIFY(!syncNow->isEnabled());
        QCOMPARE(syncNow->text(), QStringLiteral("Syncing..."));
        QTRY_VERIFY(syncNow->isEnabled());
        QCOMPARE(syncNow->text(), QStringLiteral("Sync Now"));
        QCOMPARE(completed.size(), 1);
        QVERIFY(program.world.appState.accounts()->pending().isEmpty());
        // A full sync starts over from the first page.
        QCOMPARE(program.preferences()->get(SyncEngine::cursorKey, QString()) == cursor, !resent);
        QVERIFY(settings.findChild<QLabel*>(QStringLiteral("syncStatusLabel"))->text().contains(QStringLiteral("Synced")));
    }
};

QTEST_MAIN(SyncSessionTest)
#include "tst_syncsession.moc"
