// The balance of all live accounts of each currency at the end of every
// month of a period, on a register with two currencies, a deleted account
// and a deleted transaction.

#include "services/reports/reportservice.h"
#include "support/testworld.h"

#include <QtTest>

using namespace Qt::StringLiterals;

namespace {

// "USD:2024-01=141000,2024-02=141000;EUR:..." in the order of the lines.
QString describe(const QList<NetWorthLine>& lines)
{
    QStringList out;
    for (const NetWorthLine& line : lines) {
        QStringList points;
        for (const BalancePoint& point : line.points)
            points << u"%1=%2"_s.arg(point.month).arg(point.balance);
        out << toStoredText(line.currency) + u':' + points.join(u',');
    }
    return out.join(u';');
}

} // namespace

class TestNetWorth : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void monthEndBalances_data()
    {
        QTest::addColumn<QDate>("from");
        QTest::addColumn<QDate>("to");
        QTest::addColumn<QString>("expected");

        QTest::newRow("February without transactions carries January")
            << QDate(2024, 1, 10) << QDate(2024, 3, 31)
            << u"USD:2024-01=141000,2024-02=141000,2024-03=161300;EUR:2024-01=10000,2024-02=5000,2024-03=5000"_s;
        QTest::newRow("a later day of the last month left out")
            << QDate(2024, 3, 1) << QDate(2024, 3, 20) << u"USD:2024-03=161000;EUR:2024-03=5000"_s;
        QTest::newRow("one month, everything before counts")
            << QDate(2024, 2, 10) << QDate(2024, 2, 20) << u"USD:2024-02=141000;EUR:2024-02=5000"_s;
        QTest::newRow("before any transaction") << QDate(2023, 1, 1) << QDate(2023, 2, 1)
                                                << u"USD:2023-01=150000,2023-02=150000;EUR:2023-01=10000,2023-02=10000"_s;
        QTest::newRow("to before from") << QDate(2024, 3, 1) << QDate(2024, 1, 1) << u"USD:;EUR:"_s;
    }

    void monthEndBalances()
    {
        QFETCH(QDate, from);
        QFETCH(QDate, to);
        QFETCH(QString, expected);

        TestWorld world;
        const Account euros = world.addAccount(u"Euros"_s, Currency::EUR, 10000, 0);
        const Account checking = world.addAccount(u"Checking"_s, Currency::USD, 100000, 1);
        world.addAccount(u"Savings"_s, Currency::USD, 50000, 2);
        world.addTransaction(checking.id, QDate(2023, 12, 1), u"Before"_s, 1000);
        world.addTransaction(checking.id, QDate(2024, 1, 15), u"Market"_s, -10000);
        world.addTransaction(checking.id, QDate(2024, 3, 10), u"Employer"_s, 20000);
        world.addTransaction(checking.id, QDate(2024, 3, 25), u"Late"_s, 300);
        world.addTransaction(checking.id, QDate(2024, 4, 2), u"After"_s, 7);
        world.addTransaction(euros.id, QDate(2024, 2, 5), u"Café"_s, -5000);
        const Transaction deleted = world.addTransaction(checking.id, QDate(2024, 2, 1), u"Gone"_s, -5555);
        QVERIFY(world.appState.transactions()->softDelete(deleted.id));
        const Account closed = world.addAccount(u"Closed"_s, Currency::USD, 99999, 3);
        world.addTransaction(closed.id, QDate(2024, 1, 20), u"Closed"_s, -333);
        QVERIFY(world.appState.accounts()->softDelete(closed.id));

        QCOMPARE(describe(world.appState.reportService()->netWorth(from, to)), expected);
    }
};

QTEST_MAIN(TestNetWorth)
#include "tst_networth.moc"
