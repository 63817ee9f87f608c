#include "storage/accountrepository.h"
#include "storage/transactionrepository.h"
#include "support/storagetesting.h"
#include "support/testdatabase.h"

#include <QtTest>
#include <limits>

namespace {

constexpr qint64 highest = std::numeric_limits<qint64>::max();
constexpr qint64 lowest = std::numeric_limits<qint64>::min();

} // namespace

// Balances too large for a qint64 come from rows written by another program
// or a damaged restore. They must read as "too large", never as a wrapped
// number, and never hide the balances of other accounts.
class TestTransactionBalances : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void sumsWithoutOverflow_data();
    void sumsWithoutOverflow();
};

void TestTransactionBalances::sumsWithoutOverflow_data()
{
    QTest::addColumn<qint64>("startingBalance");
    QTest::addColumn<QList<qint64>>("amounts");
    QTest::addColumn<QList<CheckedSum>>("runningBalances");

    QTest::newRow("ordinary amounts") << qint64(500) << QList<qint64>{1000, -250} << QList<CheckedSum>{1500, 1250};
    QTest::newRow("the highest amount after a deposit")
        << qint64(0) << QList<qint64>{100, highest, -50} << QList<CheckedSum>{100, std::nullopt, std::nullopt};
    QTest::newRow("the lowest amount after a payment")
        << qint64(0) << QList<qint64>{-100, lowest} << QList<CheckedSum>{-100, std::nullopt};
    QTest::newRow("a starting balance at the top") << highest << QList<qint64>{1} << QList<CheckedSum>{std::nullopt};
    QTest::newRow("the highest amount, exactly held")
        << qint64(0) << QList<qint64>{highest - 1, 1} << QList<CheckedSum>{highest - 1, highest};
    QTest::newRow("the lowest amount, exactly held") << qint64(-1) << QList<qint64>{lowest + 1} << QList<CheckedSum>{lowest};
}

void TestTransactionBalances::sumsWithoutOverflow()
{
    QFETCH(qint64, startingBalance);
    QFETCH(QList<qint64>, amounts);
    QFETCH(QList<CheckedSum>, runningBalances);

    TestDatabase database;
    AccountRepository accounts(database.database());
    TransactionRepository transactions(database.database());
    Account account = makeAccount(QStringLiteral("A"), QStringLiteral("Large"));
    account.startingBalance = startingBalance;
    QVERIFY(accounts.insert(account));
    QVERIFY(accounts.insert(makeAccount(QStringLiteral("B"), QStringLiteral("Ordinary"))));
    QVERIFY(transactions.insert(makeTransaction(QStringLiteral("b1"), QStringLiteral("B"), QDate(2024, 1, 1), 4200)));
    for (int day = 0; day < amounts.size(); ++day) {
        const QString id = QStringLiteral("a%1").arg(day);
        QVERIFY(transactions.insert(makeTransaction(id, QStringLiteral("A"), QDate(2024, 1, 1 + day), 0)));
        // Straight into the database, as no screen of the program would write it.
        QVERIFY(execute(database.database(), QStringLiteral("UPDATE transactions SET amount = %1 WHERE id = '%2'").arg(amounts[day]).arg(id)));
    }

    QList<CheckedSum> running;
    for (const RegisterRow& row : transactions.registerRows(QStringLiteral("A"))) {
        if (!row.transaction.id.isEmpty())
            running.append(row.runningBalance);
    }
    QCOMPARE(running, runningBalances);

    const CheckedSum total = runningBalances.constLast();
    const QHash<QString, CheckedSum> balances = transactions.balances();
    QCOMPARE(balances.value(QStringLiteral("A"), qint64(-1)), total);
    QCOMPARE(balances.value(QStringLiteral("B")), CheckedSum(4200));
    QCOMPARE(transactions.balance(QStringLiteral("A")), std::optional<CheckedSum>(total));
    QCOMPARE(transactions.balance(QStringLiteral("B")), std::optional<CheckedSum>(4200));
    QCOMPARE(transactions.balance(QStringLiteral("missing")), std::nullopt);
}

QTEST_GUILESS_MAIN(TestTransactionBalances)
#include "tst_transactionbalances.moc"
