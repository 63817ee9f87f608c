// The Help menu's sample data entries, as a developer uses them: what the
// window says, what it asks, and that a refused clear is explained.

#include "app/mainwindow.h"
#include "services/sampledata/sampledataservice.h"
#include "support/modalanswer.h"
#include "support/storagetesting.h"
#include "support/testworld.h"

#include <QListWidget>
#include <QStatusBar>

using namespace testworld;

using Buttons = QList<QMessageBox::StandardButton>;

class SampleDataMenuTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
        qputenv("CHECKBOOK_DEV", "1");
    }
    void init()
    {
        m_world = std::make_unique<TestWorld>();
        m_window = std::make_unique<MainWindow>(&m_world->appState);
        showActive(m_window.get());
    }
    void cleanup()
    {
        m_window.reset();
        m_world.reset();
    }

    void loadFillsTheWindowOnce()
    {
        trigger(QStringLiteral("Load &Sample Data"));
        QCOMPARE(m_window->statusBar()->currentMessage(), QStringLiteral("Sample data loaded"));
        QCOMPARE(m_window->findChild<QListWidget*>()->count(), 3);
        // The first sample register is on screen.
        QCOMPARE(m_world->appState.currentAccountId(), m_world->appState.accounts()->all().constFirst().id);

        QString text;
        QString title;
        ModalAnswer::pressWhenShown(QMessageBox::Ok, &text, &title);
        trigger(QStringLiteral("Load &Sample Data"));
        QCOMPARE(title, QStringLiteral("Sample Data"));
        QCOMPARE(text, QStringLiteral("Sample data is already loaded."));
    }

    // Clearing asks first, with No the default, and a clear that cannot be
    // done is explained; only a done one empties the window.
    void clearAsksThenClearsOrSaysWhyNot_data()
    {
        QTest::addColumn<QString>("books"); // "sample", "sample and own row" or "empty"
        QTest::addColumn<Buttons>("answers");
        QTest::addColumn<QString>("lastShown"); // a part of the last box's text
        QTest::addColumn<bool>("cleared");
        const QString question = QStringLiteral("Remove the sample accounts");
        QTest::newRow("Enter takes the default No") << "sample" << Buttons{QMessageBox::NoButton} << question << false;
        QTest::newRow("Yes") << "sample" << Buttons{QMessageBox::Yes} << question << true;
        QTest::newRow("a row of the user's own in a sample account")
            << "sample and own row" << Buttons{QMessageBox::Yes, QMessageBox::Ok} << "1 of your own entries" << false;
        QTest::newRow("no sample data") << "empty" << Buttons{QMessageBox::Ok} << "No sample data to clear." << false;
    }
    void clearAsksThenClearsOrSaysWhyNot()
    {
        QFETCH(QString, books);
        QFETCH(Buttons, answers);
        QFETCH(QString, lastShown);
        QFETCH(bool, cleared);
        const bool loaded = books != QLatin1String("empty");
        QVERIFY(!loaded || service()->load().ok());
        if (books.endsWith(QLatin1String("own row")))
            m_world->addTransaction(QStringLiteral("sample-acct-visa"), TestWorld::now().date(), QStringLiteral("Corner Shop"), -500);
        QStringList shown;
        ModalAnswer::pressInTurn(answers, &shown);
        trigger(QStringLiteral("&Clear Sample Data"));
        QCOMPARE(shown.size(), answers.size());
        QVERIFY2(shown.constLast().contains(lastShown), qPrintable(shown.constLast()));
        QCOMPARE(service()->hasSampleData(), loaded && !cleared);
        QCOMPARE(m_window->findChild<QListWidget*>()->count(), loaded && !cleared ? 3 : 0);
        QCOMPARE(m_window->statusBar()->currentMessage(), cleared ? QStringLiteral("Sample data cleared") : QString());
    }

private:
    SampleDataService* service() { return m_world->appState.sampleDataService(); }
    void trigger(const QString& text)
    {
        QAction* action = menuAction(*m_window, QStringLiteral("&Help"), text);
        QVERIFY(action);
        action->trigger();
    }

    std::unique_ptr<TestWorld> m_world;
    std::unique_ptr<MainWindow> m_window;
};

QTEST_MAIN(SampleDataMenuTest)
#include "tst_sampledatamenu.moc"
