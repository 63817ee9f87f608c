#include "app/appstate.h"
#include "app/thememanager.h"
#include "app/welcomescreen.h"
#include "support/testdatabase.h"

#include <QLabel>
#include <QPushButton>
#include <QtTest>

class WelcomeScreenTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
    }
    void init()
    {
        m_dataDirectory = std::make_unique<TestDataDirectory>();
        m_state = std::make_unique<AppState>();
        QVERIFY(m_state->initialize());
        m_state->themeManager()->setTheme(QStringLiteral("light"));
        m_screen = std::make_unique<WelcomeScreen>(m_state.get());
        m_screen->resize(900, 700);
        m_screen->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_screen.get()));
    }
    void cleanup()
    {
        m_screen.reset();
        m_state.reset();
        m_dataDirectory.reset();
    }
    void signInButtonRunsOneActionPerClick()
    {
        QSignalSpy signIn(m_screen.get(), &WelcomeScreen::signInRequested);
        QSignalSpy signOut(m_screen.get(), &WelcomeScreen::signOutRequested);
        QPushButton* signInButton = button("signInButton");
        QCOMPARE(signInButton->text(), QStringLiteral("Already have an account? Sign In"));

        click(signInButton);
        QCOMPARE(signIn.count(), 1);

        // The main window re-evaluates the screen on every sign-in state change.
        m_screen->setSignedIn(false);
        m_screen->setSignedIn(false);
        m_screen->setSignedIn(true);
        m_screen->setSignedIn(false);
        click(signInButton);
        QCOMPARE(signIn.count(), 2);
        QCOMPARE(signOut.count(), 0);
        QCOMPARE(signInButton->text(), QStringLiteral("Already have an account? Sign In"));
    }
    void signedInButtonOnlySignsOut()
    {
        QSignalSpy signIn(m_screen.get(), &WelcomeScreen::signInRequested);
        QSignalSpy signOut(m_screen.get(), &WelcomeScreen::signOutRequested);
        QSignalSpy dismiss(m_screen.get(), &WelcomeScreen::dismissRequested);
        QPushButton* signInButton = button("signInButton");

        for (int evaluation = 0; evaluation < 3; ++evaluation)
            m_screen->setSignedIn(true);
        QCOMPARE(signInButton->text(), QStringLiteral("Sign Out"));

        click(signInButton);
        QCOMPARE(signOut.count(), 1);
        click(signInButton);
        QCOMPARE(signOut.count(), 2);
        QCOMPARE(signIn.count(), 0);
        QCOMPARE(dismiss.count(), 0);
    }

private:
    QPushButton* button(const char* name) const { return m_screen->findChild<QPushButton*>(QLatin1String(name)); }
    void click(QPushButton* pushButton) const { QTest::mouseClick(pushButton, Qt::LeftButton); }

    std::unique_ptr<TestDataDirectory> m_dataDirectory;
    std::unique_ptr<AppState> m_state;
    std::unique_ptr<WelcomeScreen> m_screen;
};

QTEST_MAIN(WelcomeScreenTest)
#include "tst_welcomescreen.moc"
