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
    void initTestCase();
    void init();
    void cleanup();
    void presentsTheProgram();
    void signInButtonRunsOneActionPerClick();
    void signedInButtonOnlySignsOut();
    void continueDismisses();
    void themeSwitchRecoloursMutedText();

private:
    QPushButton* button(const char* name) const { return m_screen->findChild<QPushButton*>(QLatin1String(name)); }
    QLabel* labelWithText(const QString& text) const;
    void click(QPushButton* pushButton) const { QTest::mouseClick(pushButton, Qt::LeftButton); }

    std::unique_ptr<TestDataDirectory> m_dataDirectory;
    std::unique_ptr<AppState> m_state;
    std::unique_ptr<WelcomeScreen> m_screen;
};

QLabel* WelcomeScreenTest::labelWithText(const QString& text) const
{
    const QList<QLabel*> labels = m_screen->findChildren<QLabel*>();
    for (QLabel* label : labels) {
        if (label->text() == text)
            return label;
    }
    return nullptr;
}

void WelcomeScreenTest::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
}

void WelcomeScreenTest::init()
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

void WelcomeScreenTest::cleanup()
{
    m_screen.reset();
    m_state.reset();
    m_dataDirectory.reset();
}

void WelcomeScreenTest::presentsTheProgram()
{
    QLabel* title = labelWithText(QStringLiteral("Kestrelwood Checkbook"));
    QVERIFY(title);
    QCOMPARE(title->font().pointSizeF(), QApplication::font().pointSizeF() + 8);
    QVERIFY(labelWithText(QStringLiteral("Your finances, everywhere.")));

    const QList<QLabel*> labels = m_screen->findChildren<QLabel*>();
    const auto logo = std::find_if(labels.cbegin(), labels.cend(), [](QLabel* label) { return !label->pixmap().isNull(); });
    QVERIFY(logo != labels.cend());
    QCOMPARE((*logo)->pixmap().size(), QSize(64, 64));

    const QStringList features{QStringLiteral("Multi-Device Sync"), QStringLiteral("Family Sharing"),
        QStringLiteral("Secure & Private")};
    for (const QString& feature : features) {
        QLabel* featureTitle = labelWithText(feature);
        QVERIFY2(featureTitle, qPrintable(feature));
        QCOMPARE(featureTitle->font().weight(), QFont::Medium);
    }
    QLabel* description = labelWithText(QStringLiteral("Share accounts with family members. Everyone sees the same register in real time."));
    QVERIFY(description);
    QVERIFY(description->wordWrap());
    QCOMPARE(description->font().pointSizeF(), qMax(QApplication::font().pointSizeF() - 2, 7.0));

    // Everything sits in one column no wider than 720 pixels, whatever the
    // window's width.
    m_screen->resize(1600, 900);
    QTRY_COMPARE(m_screen->width(), 1600);
    QVERIFY(description->parentWidget()->parentWidget()->width() <= 720);

    QVERIFY(labelWithText(QStringLiteral("Opens in your web browser")));
    QCOMPARE(button("signInButton")->cursor().shape(), Qt::PointingHandCursor);
    QVERIFY(button("signInButton")->isFlat());
    QCOMPARE(button("continueButton")->text(), QStringLiteral("Continue Without an Account"));
    QCOMPARE(button("continueButton")->cursor().shape(), Qt::PointingHandCursor);
}

void WelcomeScreenTest::signInButtonRunsOneActionPerClick()
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

void WelcomeScreenTest::signedInButtonOnlySignsOut()
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

void WelcomeScreenTest::continueDismisses()
{
    QSignalSpy signIn(m_screen.get(), &WelcomeScreen::signInRequested);
    QSignalSpy dismiss(m_screen.get(), &WelcomeScreen::dismissRequested);
    m_screen->setSignedIn(false);
    m_screen->setSignedIn(false);

    click(button("continueButton"));

    QCOMPARE(dismiss.count(), 1);
    QCOMPARE(signIn.count(), 0);
}

void WelcomeScreenTest::themeSwitchRecoloursMutedText()
{
    QLabel* tagline = labelWithText(QStringLiteral("Your finances, everywhere."));
    auto taglineColor = [tagline] {
        tagline->ensurePolished();
        return tagline->palette().color(tagline->foregroundRole());
    };
    QCOMPARE(taglineColor(), QColor::fromRgb(0x4A6358));

    m_state->themeManager()->setTheme(QStringLiteral("dark"));
    QTRY_COMPARE(taglineColor(), QColor::fromRgb(0x8FAF9F));

    m_state->themeManager()->setTheme(QStringLiteral("light"));
    QTRY_COMPARE(taglineColor(), QColor::fromRgb(0x4A6358));
}

QTEST_MAIN(WelcomeScreenTest)
#include "tst_welcomescreen.moc"
