#include "app/mainwindow.h"
#include "app/totalslabel.h"
#include "register/registerscreen.h"
#include "storage/transactionrepository.h"
#include "support/storagetesting.h"
#include "support/testappstate.h"

#include <QLabel>
#include <QListWidget>
#include <QtTest>
#include <limits>

namespace {

QLabel* sidebarBalance(const MainWindow& window, int row)
{
    QListWidget* list = window.accountList();
    return list->itemWidget(list->item(row))->findChild<QLabel*>(QStringLiteral("accountBalance"));
}

QString totals(const MainWindow& window)
{
    return window.findChild<TotalsLabel*>(QStringLiteral("totalLabel"))->totals();
}

} // namespace

// The main window never shows a wrong number for a balance it cannot hold,
// and a stored name of any length leaves its size alone.
class TestMainWindowLimits : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void sidebarShowsOverflow_data()
    {
        QTest::addColumn<Currency>("hugeCurrency");
        QTest::addColumn<QString>("total");

        QTest::newRow("same currency") << Currency::USD << QStringLiteral("Total: Overflow USD");
        QTest::newRow("another currency") << Currency::EUR << QStringLiteral("Total: $1.00 · Overflow EUR");
    }

    void sidebarShowsOverflow()
    {
        QFETCH(Currency, hugeCurrency);
        QFETCH(QString, total);

        TestAppState world;
        QVERIFY(world.isReady());
        const QString ordinary = world.addAccount(QStringLiteral("Everyday"), Currency::USD);
        world.addTransaction(ordinary, QDate(2024, 3, 1), QStringLiteral("Pay"), 100);
        const QString huge = world.addAccount(QStringLiteral("Winnings"), hugeCurrency);
        world.addTransaction(huge, QDate(2024, 3, 1), QStringLiteral("Pay"), 100);
        const Transaction wrapped = world.addTransaction(huge, QDate(2024, 3, 2), QStringLiteral("Jackpot"), 0);
        QVERIFY(execute(world.appState()->database(),
            QStringLiteral("UPDATE transactions SET amount = %1 WHERE id = '%2'").arg(std::numeric_limits<qint64>::max()).arg(wrapped.id)));

        MainWindow window(world.appState());
        QCOMPARE(sidebarBalance(window, 0)->text(), QStringLiteral("$1.00"));
        QCOMPARE(sidebarBalance(window, 1)->text(), QStringLiteral("Overflow"));
        QCOMPARE(sidebarBalance(window, 1)->toolTip(), QStringLiteral("The balance is too large to show."));
        QCOMPARE(totals(window), total);

        // Deleting the row that overflowed brings the number back.
        QVERIFY(world.appState()->transactions()->softDelete(wrapped.id));
        QCOMPARE(sidebarBalance(window, 1)->text(), formatCurrency(100, hugeCurrency));
        QVERIFY(sidebarBalance(window, 1)->toolTip().isEmpty());
    }

    void aLongAccountNameLeavesTheWindowsSizeAlone()
    {
        TestAppState world;
        QVERIFY(world.isReady());
        const QString name(100000, QLatin1Char('n'));
        const QString accountId = world.addAccount(name, Currency::USD);

        MainWindow window(world.appState());
        window.resize(1000, 700);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        window.selectAccount(accountId);
        QCoreApplication::processEvents();

        QCOMPARE(window.registerScreen()->findChild<QLabel*>(QStringLiteral("accountNameLabel"))->text(), name);
        QCOMPARE(window.width(), 1000);
        QVERIFY(window.minimumSizeHint().width() < 1000);
    }
};

QTEST_MAIN(TestMainWindowLimits)
#include "tst_mainwindowlimits.moc"
