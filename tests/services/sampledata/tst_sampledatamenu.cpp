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

    void clearAsksAndDefaultsToNo_data()
    {
        QTest::addColumn<int>("answer");
        QTest::addColumn<bool>("cleared");
        QTest::newRow("default") << int(QMessageBox::NoButton) << false;
        QTest::newRow("yes") << int(QMessageBox::Yes) << true;
    }
    void clearAsksAndDefaultsToNo()
    {
        QFETCH(int, answer);
        QFETCH(bool, cleared);
        QVERIFY(service()->load().ok());
        QStringList shown;
        ModalAnswer::pressInTurn({QMessageBox::StandardButton(answer)}, &shown);
        trigger(QStringLiteral("&Clear Sample Data"));
        QCOMPARE(shown.size(), 1);
        QCOMPARE(service()->hasSampleData(), !cleared);
        QCOMPARE(m_window->findChild<QListWidget*>()->count(), cleared ? 0 : 3);
        QCOMPARE(m_window->statusBar()->currentMessage(), cleared ? QStringLiteral("Sample data cleared") : QString());
    }

    void aRefusedClearSaysWhy()
    {
        QVERIFY(service()->load().ok());
        m_world->addTransaction(QStringLiteral("sample-acct-visa"), TestWorld::now().date(), QStringLiteral("Corner Shop"), -500);
        QStringList shown;
        ModalAnswer::pressInTurn({QMessageBox::Yes, QMessageBox::Ok}, &shown);
        trigger(QStringLiteral("&Clear Sample Data"));
        QCOMPARE(shown.size(), 2);
        QVERIFY2(shown.last().contains(QStringLiteral("1 of your own entries")), qPrintable(shown.last()));
        QVERIFY(service()->hasSampleData());
        QVERIFY(m_window->statusBar()->currentMessage().isEmpty());
    }

    void clearWithoutSampleDataSaysSo()
    {
        QString text;
        ModalAnswer::pressWhenShown(QMessageBox::Ok, &text);
        trigger(QStringLiteral("&Clear Sample Data"));
        QCOMPARE(text, QStringLiteral("No sample data to clear."));
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
