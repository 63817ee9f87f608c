#include "storage/accountrepository.h"
#include "storage/categoryrepository.h"
#include "storage/clock.h"
#include "storage/database.h"
#include "storage/transactionrepository.h"
#include "support/storagetesting.h"
#include "support/testdatabase.h"

#include <QRegularExpression>
#include <QSignalSpy>
#include <QtTest>
#include <limits>
#include <memory>

namespace {

QStringList ids(const QList<RegisterRow>& rows)
{
    QStringList result;
    for (const RegisterRow& row : rows)
        result.append(row.transaction.id);
    return result;
}

QList<CheckedSum> balances(const QList<RegisterRow>& rows)
{
    QList<CheckedSum> result;
    for (const RegisterRow& row : rows)
        result.append(row.runningBalance);
    return result;
}

} // namespace

class TransactionRepositoryTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init()
    {
        QTest::failOnWarning(QRegularExpression(QStringLiteral(".*")));
        m_test = std::make_unique<TestDatabase>();
        m_accounts = std::make_unique<AccountRepository>(m_test->database());
        m_categories = std::make_unique<CategoryRepository>(m_test->database());
        m_transactions = std::make_unique<TransactionRepository>(m_test->database());
        addAccount(QStringLiteral("A"));
        addAccount(QStringLiteral("B"));
    }
    void cleanup()
    {
        m_transactions.reset(), m_categories.reset(), m_accounts.reset(), m_test.reset();
        Clock::reset();
    }

    void roundTripsEveryField()
    {
        addCategory(QStringLiteral("cat-food"), QStringLiteral("Groceries"));
        Transaction transaction = makeTransaction(QStringLiteral("6f1c2d3e-4b5a-4978-8a6b-5c4d3e2f1a0b"), QStringLiteral("A"),
            QDate(2024, 2, 29), -12345, QStringLiteral("2024-02-29T23:59:59Z"));
        transaction.payee = QStringLiteral("Café Lumière");
        transaction.memo = QStringLiteral("birthday, dinner");
        transaction.categoryId = QStringLiteral("cat-food");
        transaction.checkNumber = QStringLiteral("1042");
        transaction.cleared = true;
        transaction.reconciled = true;
        transaction.transferLinkId = QStringLiteral("link-1");
        transaction.transferDestAccountId = QStringLiteral("B");
        transaction.isSplit = true;
        transaction.recurringId = QStringLiteral("rule-1");
        transaction.version = 4;
        transaction.syncStatus = SyncStatus::Synced;
        transaction.serverId = QStringLiteral("srv-t");
        transaction.updatedAt = utc(QStringLiteral("2024-03-01T00:00:01Z"));
        Transaction update = transaction;
        update.date = QDate(2024, 3, 2);
        update.amount = 500;
        update.cleared = false;
        update.syncStatus = SyncStatus::Pending;
        update.version = 5;
        update.updatedAt = utc(QStringLiteral("2024-03-02T12:00:00Z"));
        update.createdAt = update.updatedAt;
        QSignalSpy changed(m_transactions.get(), &TransactionRepository::transactionsChanged);

        verifyRoundTrip(*m_transactions, changed, transaction, update);
        QCOMPARE(firstArguments(changed), (QStringList{QStringLiteral("A"), QStringLiteral("A")}));
        QCOMPARE(scalar(database(), QStringLiteral("SELECT date FROM transactions WHERE id = ?"), {transaction.id}).toString(),
            QStringLiteral("2024-03-02"));
    }
    void storesEmptyCategoryAsNullAndNullPayeeAsEmptyText()
    {
        addCategory(QStringLiteral("cat-fuel"), QStringLiteral("Fuel"));
        Transaction transaction = makeTransaction(QStringLiteral("t"), QStringLiteral("A"), QDate(2024, 1, 1), -100);
        transaction.payee = QString();
        QVERIFY(transaction.payee.isNull());

        QVERIFY(m_transactions->insert(transaction));
        const QString sql = QStringLiteral("SELECT category_id IS NULL AND payee = '' AND memo = '' AND check_number = '' FROM transactions");
        QVERIFY(scalar(database(), sql).toBool());
        transaction.categoryId = QStringLiteral("cat-fuel");
        QVERIFY(m_transactions->update(transaction));
        transaction.categoryId.clear();
        QVERIFY(m_transactions->update(transaction));
        QVERIFY(scalar(database(), sql).toBool());
    }
    void registerRowsStartWithTheOpeningBalance()
    {
        addAccount(QStringLiteral("S"), 100000);
        addCategory(QStringLiteral("cat-salary"), QStringLiteral("Salary"));
        QVERIFY(m_transactions->insert(makeTransaction(QStringLiteral("rent"), QStringLiteral("S"), QDate(2024, 1, 5), -2500)));
        Transaction pay = makeTransaction(QStringLiteral("pay"), QStringLiteral("S"), QDate(2024, 1, 2), 1000);
        pay.categoryId = QStringLiteral("cat-salary");
        QVERIFY(m_transactions->insert(pay));
        // Neither a deleted row (even an earlier one) nor another account's row counts.
        QVERIFY(m_transactions->insert(makeTransaction(QStringLiteral("gone"), QStringLiteral("S"), QDate(2023, 12, 1), -777)));
        QVERIFY(m_transactions->softDelete(QStringLiteral("gone")));
        QVERIFY(m_transactions->insert(makeTransaction(QStringLiteral("other"), QStringLiteral("A"), QDate(2024, 1, 3), 55)));

        const QList<RegisterRow> rows = m_transactions->registerRows(QStringLiteral("S"));

        QCOMPARE(ids(rows), (QStringList{QString(), QStringLiteral("pay"), QStringLiteral("rent")}));
        QCOMPARE(balances(rows), (QList<CheckedSum>{100000, 101000, 98500}));
        const Transaction& opening = rows.at(0).transaction;
        QCOMPARE(opening.date, QDate(2024, 1, 2));
        QCOMPARE(opening.payee, QStringLiteral("Opening Balance"));
        QVERIFY(opening.cleared && opening.reconciled);
        QCOMPARE(rows.at(1).categoryName, QStringLiteral("Salary"));
    }
    void balancesMatchTheLastRegisterRow()
    {
        addAccount(QStringLiteral("S"), 100000);
        addAccount(QStringLiteral("E"), -500);
        addAccount(QStringLiteral("Z"));
        addAccount(QStringLiteral("D"), 700);
        QVERIFY(m_transactions->insert(makeTransaction(QStringLiteral("s1"), QStringLiteral("S"), QDate(2024, 1, 5), -2500)));
        QVERIFY(m_transactions->insert(makeTransaction(QStringLiteral("s2"), QStringLiteral("S"), QDate(2024, 1, 2), 1000)));
        QVERIFY(m_transactions->insert(makeTransaction(QStringLiteral("s3"), QStringLiteral("S"), QDate(2024, 1, 3), -99)));
        QVERIFY(m_transactions->softDelete(QStringLiteral("s3")));
        QVERIFY(m_transactions->insert(makeTransaction(QStringLiteral("z1"), QStringLiteral("Z"), QDate(2024, 2, 1), -42)));
        QVERIFY(m_accounts->softDelete(QStringLiteral("D")));

        const QHash<QString, CheckedSum> balances = m_transactions->balances();

        for (const QString& id : {QStringLiteral("S"), QStringLiteral("E"), QStringLiteral("Z")})
            QCOMPARE(balances.value(id), m_transactions->registerRows(id).constLast().runningBalance);
        QCOMPARE(balances.value(QStringLiteral("S")), CheckedSum(98500));
        QVERIFY(!balances.contains(QStringLiteral("D")));
        for (const QString& id : balances.keys())
            QCOMPARE(m_transactions->balance(id), std::optional<CheckedSum>(balances.value(id)));
        QVERIFY(!m_transactions->balance(QStringLiteral("no such account")));
    }
    void registerRowsOfAnAccountWithoutTransactionsAreDatedToday()
    {
        Clock::setFixedNow(utc(QStringLiteral("2024-08-15T12:00:00Z")));
        addAccount(QStringLiteral("N"), -5000);
        // A deleted transaction does not give the opening row its date.
        QVERIFY(m_transactions->insert(makeTransaction(QStringLiteral("gone"), QStringLiteral("N"), QDate(2024, 2, 1), 10)));
        QVERIFY(m_transactions->softDelete(QStringLiteral("gone")));

        const QList<RegisterRow> rows = m_transactions->registerRows(QStringLiteral("N"));

        QCOMPARE(rows.size(), 1);
        QCOMPARE(rows.at(0).transaction.date, Clock::today());
        QCOMPARE(rows.at(0).runningBalance, CheckedSum(-5000));
    }
    void sameDateRowsListInCreationOrder()
    {
        const QDate day(2024, 4, 1);
        // Ids sort the other way round from the creation stamps.
        QVERIFY(m_transactions->insert(makeTransaction(QStringLiteral("a-third"), QStringLiteral("A"), day, -3, QStringLiteral("2024-04-01T10:00:02Z"))));
        QVERIFY(m_transactions->insert(makeTransaction(QStringLiteral("b-first"), QStringLiteral("A"), day, -1, QStringLiteral("2024-04-01T10:00:00Z"))));
        QVERIFY(m_transactions->insert(makeTransaction(QStringLiteral("c-second"), QStringLiteral("A"), day, -2, QStringLiteral("2024-04-01T10:00:01Z"))));
        Transaction settled = makeTransaction(QStringLiteral("d-earlier"), QStringLiteral("A"), day.addDays(-1), 100, QStringLiteral("2024-04-02T00:00:00Z"));
        settled.reconciled = true;
        QVERIFY(m_transactions->insert(settled));

        QCOMPARE(ids(m_transactions->registerRows(QStringLiteral("A"))),
            (QStringList{QStringLiteral("d-earlier"), QStringLiteral("b-first"), QStringLiteral("c-second"), QStringLiteral("a-third")}));
        QCOMPARE(balances(m_transactions->registerRows(QStringLiteral("A"))), (QList<CheckedSum>{100, 99, 97, 94}));

        Transaction sameName = makeTransaction(QStringLiteral("e"), QStringLiteral("A"), day, -4, QStringLiteral("2024-04-01T10:00:03Z"));
        sameName.payee = QStringLiteral("Payee b-first");
        QVERIFY(m_transactions->insert(sameName));
        QCOMPARE(m_transactions->lastByPayee(QStringLiteral("Payee b-first"), QStringLiteral("A"))->id, QStringLiteral("e"));
        QVERIFY(!m_transactions->lastByPayee(QStringLiteral("Payee b-first"), QStringLiteral("B")));
        QVERIFY(!m_transactions->lastByPayee(QStringLiteral("payee b-first"), QStringLiteral("A")));
    }
    void listsPayeesOnceInByteOrder()
    {
        const QStringList payees{QStringLiteral("apple store"), QStringLiteral("Zeta Gas"), QStringLiteral("Bakery"),
            QStringLiteral("Bakery"), QString(), QStringLiteral("Deleted Payee")};
        for (int i = 0; i < payees.size(); ++i) {
            Transaction transaction = makeTransaction(QStringLiteral("t%1").arg(i), QStringLiteral("A"), QDate(2024, 1, 1), -1);
            transaction.payee = payees.at(i);
            QVERIFY(m_transactions->insert(transaction));
        }
        QVERIFY(m_transactions->softDelete(QStringLiteral("t5")));
        QCOMPARE(m_transactions->payees(), (QStringList{QStringLiteral("Bakery"), QStringLiteral("Zeta Gas"), QStringLiteral("apple store")}));
    }
    void softDeleteStampsTheRowAndNamesItsAccount()
    {
        Transaction transaction = makeTransaction(QStringLiteral("t"), QStringLiteral("B"), QDate(2024, 1, 1), -100);
        transaction.syncStatus = SyncStatus::Synced;
        QVERIFY(m_transactions->insert(transaction));
        QSignalSpy changed(m_transactions.get(), &TransactionRepository::transactionsChanged);
        const QDateTime now = utc(QStringLiteral("2024-09-09T09:09:09Z"));
        Clock::setFixedNow(now);

        QVERIFY(m_transactions->softDelete(QStringLiteral("t")));

        QCOMPARE(firstArguments(changed), QStringList{QStringLiteral("B")});
        const std::optional<Transaction> stored = m_transactions->byId(QStringLiteral("t"));
        QCOMPARE(stored->deletedAt, std::optional<QDateTime>(now));
        QCOMPARE(stored->updatedAt, now);
        QCOMPARE(stored->syncStatus, SyncStatus::Pending);
        QCOMPARE(ids(m_transactions->pending()), QStringList{QStringLiteral("t")});
    }
    void failedWritesLogAndStaySilent()
    {
        QVERIFY(m_transactions->insert(makeTransaction(QStringLiteral("t"), QStringLiteral("A"), QDate(2024, 1, 1), -100)));
        QSignalSpy changed(m_transactions.get(), &TransactionRepository::transactionsChanged);

        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("^TransactionRepository::insert failed: .*UNIQUE")));
        QVERIFY(!m_transactions->insert(makeTransaction(QStringLiteral("t"), QStringLiteral("A"), QDate(2024, 2, 2), -999)));

        Transaction unknownCategory = *m_transactions->byId(QStringLiteral("t"));
        unknownCategory.categoryId = QStringLiteral("no-such-category");
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("^TransactionRepository::update failed: .*FOREIGN KEY")));
        QVERIFY(!m_transactions->update(unknownCategory));

        QTest::ignoreMessage(QtWarningMsg, "TransactionRepository::update failed: no row has this id");
        QVERIFY(!m_transactions->update(makeTransaction(QStringLiteral("gone"), QStringLiteral("A"), QDate(2024, 1, 1), -1)));

        QCOMPARE(changed.count(), 0);
        QVERIFY(m_transactions->byId(QStringLiteral("t"))->categoryId.isEmpty());
    }
    void nestedWritesCommitTogetherAndAnnounceOnce()
    {
        Transaction from = makeTransaction(QStringLiteral("from"), QStringLiteral("A"), QDate(2024, 1, 1), -5000);
        Transaction to = makeTransaction(QStringLiteral("to"), QStringLiteral("B"), QDate(2024, 1, 1), 5000);
        QSignalSpy changed(m_transactions.get(), &TransactionRepository::transactionsChanged);

        // An inner level that fails is undone alone; the outer work goes on.
        const Transaction second = makeTransaction(QStringLiteral("second"), QStringLiteral("A"), QDate(2024, 1, 2), -1);
        QVERIFY(database()->inTransaction([&] {
            const bool inner = database()->inTransaction([&] { return m_transactions->insert(to) && false; });
            return !inner && m_transactions->insert(from) && m_transactions->insert(second) && changed.isEmpty();
        }));
        QVERIFY(m_transactions->byId(QStringLiteral("from")));
        QVERIFY(!m_transactions->byId(QStringLiteral("to")));
        // After the commit: once per account, and never for the undone row's account.
        QCOMPARE(firstArguments(changed), QStringList{QStringLiteral("A")});

        // A failed outer level keeps nothing and announces nothing.
        changed.clear();
        QVERIFY(!database()->inTransaction([&] { return m_transactions->insert(to) && false; }));
        QVERIFY(!m_transactions->byId(QStringLiteral("to")));
        QCOMPARE(changed.count(), 0);

        // And the connection is not left inside a transaction.
        QVERIFY(!database()->isInTransaction());
        QVERIFY(m_transactions->insert(to));
        QCOMPARE(changed.count(), 1);
    }
    // Balances beyond a qint64 come from rows written by another program or a
    // damaged restore: they read as "too large", never as a wrapped number, and
    // never hide the balances of other accounts.
    void sumsWithoutOverflow_data()
    {
        QTest::addColumn<qint64>("startingBalance");
        QTest::addColumn<QList<qint64>>("amounts");
        QTest::addColumn<QList<CheckedSum>>("runningBalances");

        const qint64 highest = std::numeric_limits<qint64>::max();
        const qint64 lowest = std::numeric_limits<qint64>::min();
        QTest::newRow("the highest amount after a deposit")
            << qint64(0) << QList<qint64>{100, highest, -50} << QList<CheckedSum>{100, std::nullopt, std::nullopt};
        QTest::newRow("the lowest amount after a payment") << qint64(0) << QList<qint64>{-100, lowest} << QList<CheckedSum>{-100, std::nullopt};
        QTest::newRow("a starting balance at the top") << highest << QList<qint64>{1} << QList<CheckedSum>{std::nullopt};
        QTest::newRow("the highest, exactly held") << qint64(0) << QList<qint64>{highest - 1, 1} << QList<CheckedSum>{highest - 1, highest};
        QTest::newRow("the lowest, exactly held") << qint64(-1) << QList<qint64>{lowest + 1} << QList<CheckedSum>{lowest};
    }
    void sumsWithoutOverflow()
    {
        QFETCH(qint64, startingBalance);
        QFETCH(QList<qint64>, amounts);
        QFETCH(QList<CheckedSum>, runningBalances);
        addAccount(QStringLiteral("L"), startingBalance);
        QVERIFY(m_transactions->insert(makeTransaction(QStringLiteral("b1"), QStringLiteral("B"), QDate(2024, 1, 1), 4200)));
        for (int day = 0; day < amounts.size(); ++day) {
            const QString id = QStringLiteral("l%1").arg(day);
            QVERIFY(m_transactions->insert(makeTransaction(id, QStringLiteral("L"), QDate(2024, 1, 1 + day), 0)));
            // Straight into the database, as no screen of the program would write it.
            QVERIFY(execute(database(), QStringLiteral("UPDATE transactions SET amount = %1 WHERE id = '%2'").arg(amounts[day]).arg(id)));
        }

        QList<RegisterRow> rows = m_transactions->registerRows(QStringLiteral("L"));
        if (startingBalance != 0)
            rows.removeFirst();
        QCOMPARE(balances(rows), runningBalances);
        const QHash<QString, CheckedSum> sums = m_transactions->balances();
        QCOMPARE(sums.value(QStringLiteral("L"), qint64(-1)), runningBalances.constLast());
        QCOMPARE(sums.value(QStringLiteral("B")), CheckedSum(4200));
        QCOMPARE(m_transactions->balance(QStringLiteral("L")), std::optional<CheckedSum>(runningBalances.constLast()));
    }

private:
    void addAccount(const QString& id, qint64 startingBalance = 0)
    {
        Account account = makeAccount(id, QStringLiteral("Account %1").arg(id), 0, QStringLiteral("2024-01-01T00:00:00Z"));
        account.startingBalance = startingBalance;
        QVERIFY(m_accounts->insert(account));
    }
    void addCategory(const QString& id, const QString& name)
    {
        QVERIFY(m_categories->insert(makeCategory(id, name, QString(), QStringLiteral("2024-01-01T00:00:00Z"))));
    }

    std::unique_ptr<TestDatabase> m_test;
    std::unique_ptr<AccountRepository> m_accounts;
    std::unique_ptr<CategoryRepository> m_categories;
    std::unique_ptr<TransactionRepository> m_transactions;
    Database* database() const { return m_test->database(); }
};

QTEST_GUILESS_MAIN(TransactionRepositoryTest)
#include "tst_transactionrepository.moc"
