// The demonstration data set: what loading writes, relative to the day it
// runs, and that clearing takes exactly those rows, or none of them while
// rows of the user's own depend on the sample accounts.

#include "services/recurring/recurringservice.h"
#include "services/sampledata/sampledataservice.h"
#include "storage/identifiers.h"
#include "storage/reconciliationrepository.h"
#include "storage/recurringrepository.h"
#include "support/storagetesting.h"
#include "support/testworld.h"

namespace {

const QStringList tables = {QStringLiteral("accounts"), QStringLiteral("transactions"),
    QStringLiteral("recurring_transactions"), QStringLiteral("reconciliations"), QStringLiteral("split_lines")};

} // namespace

class SampleDataServiceTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() { m_world = std::make_unique<TestWorld>(); }
    void cleanup() { m_world.reset(); }

    void loadWritesTheDataSet()
    {
        const int categories = m_world->appState.categories()->count();
        QVERIFY(!service()->hasSampleData());
        QVERIFY(service()->load().ok());
        QVERIFY(service()->hasSampleData());
        // Three accounts, 49 listed transactions with the two savings legs
        // written beside their checking legs, and two opening balances.
        QCOMPARE(sampleRows(), (QList<int>{3, 51, 3, 0, 0}));
        QCOMPARE(m_world->appState.categories()->count(), categories);
        QCOMPARE(count("SELECT COUNT(*) FROM transactions WHERE id NOT LIKE 'sample-%'"), 0);
    }

    void everyTransferHasBothLegsLinked()
    {
        QVERIFY(service()->load().ok());
        QCOMPARE(count("SELECT COUNT(*) FROM transactions WHERE id LIKE 'sample-xfer-%'"), 4);
        QCOMPARE(count("SELECT COUNT(*) FROM transactions a JOIN transactions b ON a.transfer_link_id = b.id "
                       "WHERE b.transfer_link_id = a.id AND a.transfer_dest_account_id = b.account_id "
                       "AND b.transfer_dest_account_id = a.account_id AND a.amount = -b.amount AND a.date = b.date "
                       "AND a.id LIKE 'sample-xfer-%' AND b.id LIKE 'sample-xfer-%'"),
            4);
    }

    void datesFollowTheClock_data()
    {
        QTest::addColumn<QDateTime>("now");
        QTest::newRow("the test day") << TestWorld::now();
        QTest::newRow("a leap day") << QDateTime(QDate(2028, 2, 29), QTime(9, 0), Qt::UTC);
    }
    void datesFollowTheClock()
    {
        QFETCH(QDateTime, now);
        Clock::setFixedNow(now);
        const QDate today = Clock::today();
        QVERIFY(service()->load().ok());
        QCOMPARE(text("SELECT MIN(date) FROM transactions"), today.addDays(-60).toString(Qt::ISODate));
        QCOMPARE(text("SELECT MAX(date) FROM transactions"), today.toString(Qt::ISODate));
        QCOMPARE(text("SELECT MIN(start_date) FROM recurring_transactions"), today.addDays(-60).toString(Qt::ISODate));
        QCOMPARE(text("SELECT MIN(next_due_date) FROM recurring_transactions"), today.addDays(1).toString(Qt::ISODate));
        QCOMPARE(text("SELECT MAX(next_due_date) FROM recurring_transactions"), today.addDays(8).toString(Qt::ISODate));
        QCOMPARE(text("SELECT MIN(created_at) || MAX(updated_at) FROM transactions"),
            now.toString(Qt::ISODate).repeated(2));
    }

    void categoriesAreFoundByName_data()
    {
        QTest::addColumn<QString>("memo");
        QTest::addColumn<QString>("category");
        QTest::addColumn<QString>("parent");
        QTest::newRow("top level") << "Weekly groceries" << "Groceries" << QString();
        QTest::newRow("a slash in the name") << "Biweekly paycheck" << "Salary / Wages" << QString();
        QTest::newRow("child") << "February rent" << "Rent/Mortgage Payment" << "Housing";
        QTest::newRow("child of another parent") << "Auto insurance" << "Auto" << "Insurance";
    }
    void categoriesAreFoundByName()
    {
        QFETCH(QString, memo);
        QFETCH(QString, category);
        QFETCH(QString, parent);
        QVERIFY(service()->load().ok());
        const QString expected = m_world->categoryId(category, parent);
        QVERIFY(!expected.isEmpty());
        QCOMPARE(text("SELECT GROUP_CONCAT(DISTINCT category_id) FROM transactions WHERE memo = ?", {memo}), expected);
    }

    void withoutCategoriesTransactionsStayUncategorised()
    {
        QVERIFY(execute(database(), QStringLiteral("UPDATE categories SET deleted_at = '2024-05-01T00:00:00Z'")));
        QVERIFY(service()->load().ok());
        QCOMPARE(count("SELECT COUNT(*) FROM transactions WHERE category_id IS NOT NULL"), 0);
        QCOMPARE(count("SELECT COUNT(*) FROM recurring_transactions WHERE category_id IS NOT NULL"), 0);
    }

    void loadingTwiceWritesNothing()
    {
        QVERIFY(service()->load().ok());
        const QList<int> loaded = sampleRows();
        const WriteOutcome second = service()->load();
        QCOMPARE(second.status, WriteOutcome::Status::Refused);
        QCOMPARE(second.message, QStringLiteral("Sample data is already loaded."));
        QCOMPARE(sampleRows(), loaded);
    }

    void aTakenAccountNameLeavesNothingBehind()
    {
        m_world->addAccount(QStringLiteral("Visa Rewards"));
        const WriteOutcome outcome = service()->load();
        QCOMPARE(outcome.status, WriteOutcome::Status::Refused);
        QVERIFY(!outcome.message.isEmpty());
        QCOMPARE(sampleRows(), (QList<int>{0, 0, 0, 0, 0}));
        QVERIFY(!service()->hasSampleData());
    }

    void clearRemovesExactlyTheSampleRows()
    {
        const Account own = m_world->addAccount(QStringLiteral("Household"));
        m_world->addTransaction(own.id, TestWorld::now().date(), QStringLiteral("Corner Shop"), -500);
        QVERIFY(service()->load().ok());
        queue(QStringLiteral("sample-acct-visa"));
        queue(own.id);
        QVERIFY(service()->clear().ok());
        QVERIFY(!service()->hasSampleData());
        QCOMPARE(sampleRows(), (QList<int>{0, 0, 0, 0, 0}));
        QCOMPARE(count("SELECT COUNT(*) FROM accounts"), 1);
        QCOMPARE(count("SELECT COUNT(*) FROM transactions"), 1);
        QCOMPARE(text("SELECT GROUP_CONCAT(entity_id) FROM sync_queue"), own.id);
    }

    void aRowOfTheUsersKeepsEverything_data()
    {
        QTest::addColumn<int>("kind");
        QTest::newRow("typed transaction") << int(UserRow::Typed);
        QTest::newRow("posted recurring occurrence") << int(UserRow::Posted);
        QTest::newRow("reconciliation") << int(UserRow::Reconciled);
        QTest::newRow("transfer from an own account") << int(UserRow::TransferIn);
        QTest::newRow("deleted typed transaction") << int(UserRow::DeletedTyped);
    }
    void aRowOfTheUsersKeepsEverything()
    {
        QFETCH(int, kind);
        QVERIFY(service()->load().ok());
        addUserRow(UserRow(kind));
        const int stored = count("SELECT COUNT(*) FROM transactions");
        const QList<int> loaded = sampleRows();

        const WriteOutcome outcome = service()->clear();
        QCOMPARE(outcome.status, WriteOutcome::Status::Refused);
        QVERIFY(outcome.message.contains(QStringLiteral("sample accounts")));
        QCOMPARE(sampleRows(), loaded);
        QCOMPARE(count("SELECT COUNT(*) FROM transactions"), stored);
        QVERIFY(!database()->isInTransaction());
    }

private:
    enum class UserRow { Typed, Posted, Reconciled, TransferIn, DeletedTyped };

    // Stores one row of the user's tied to the sample accounts.
    void addUserRow(UserRow kind)
    {
        const QString checking = QStringLiteral("sample-acct-checking");
        const QDate today = TestWorld::now().date();
        switch (kind) {
        case UserRow::Typed:
            m_world->addTransaction(checking, today, QStringLiteral("Corner Shop"), -500);
            break;
        case UserRow::DeletedTyped: {
            const Transaction typed = m_world->addTransaction(checking, today, QStringLiteral("Corner Shop"), -500);
            QVERIFY(m_world->appState.transactions()->softDelete(typed.id));
            break;
        }
        case UserRow::Posted:
            QVERIFY(m_world->appState.recurringService()->confirm(m_world->appState.recurring()->all().first()).ok());
            break;
        case UserRow::Reconciled:
            QVERIFY(m_world->appState.reconciliations()->insert(makeReconciliation(newId(), today, checking)));
            break;
        case UserRow::TransferIn: {
            TransactionEntry entry;
            entry.date = today;
            entry.amount = -2000;
            entry.transferAccountId = QStringLiteral("sample-acct-savings");
            QVERIFY(m_world->appState.transactionService()
                        ->create(m_world->addAccount(QStringLiteral("Household")).id, entry)
                        .ok());
            break;
        }
        }
    }

    SampleDataService* service() { return m_world->appState.sampleDataService(); }
    Database* database() { return m_world->appState.database(); }
    int count(const char* sql) { return scalar(database(), QString::fromLatin1(sql)).toInt(); }
    QString text(const char* sql, const QVariantList& values = {})
    {
        return scalar(database(), QString::fromLatin1(sql), values).toString();
    }
    // The rows of each of `tables` whose id starts with "sample-".
    QList<int> sampleRows()
    {
        QList<int> counts;
        for (const QString& table : tables)
            counts.append(
                scalar(database(), QStringLiteral("SELECT COUNT(*) FROM %1 WHERE id LIKE 'sample-%'").arg(table)).toInt());
        return counts;
    }
    void queue(const QString& entityId)
    {
        QVERIFY(execute(database(),
            QStringLiteral("INSERT INTO sync_queue (entity_type, entity_id, action, created_at) "
                           "VALUES ('account', '%1', 'create', '2024-05-20T12:00:00Z')")
                .arg(entityId)));
    }

    std::unique_ptr<TestWorld> m_world;
};

QTEST_MAIN(SampleDataServiceTest)
#include "tst_sampledataservice.moc"
