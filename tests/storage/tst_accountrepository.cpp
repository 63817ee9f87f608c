#include "storage/accountrepository.h"
#include "storage/clock.h"
#include "storage/database.h"
#include "support/storagetesting.h"
#include "support/testdatabase.h"

#include <QRegularExpression>
#include <QSignalSpy>
#include <QtTest>
#include <memory>

class AccountRepositoryTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void roundTripsEveryField();
    void readsUnknownStoredTextsAsTheFallbacks();
    void listsLiveAccountsBySortOrderThenName();
    void softDeleteAndRestoreStampTheRow();
    void updateSortOrdersWritesEveryEntryOnce();
    void updateSortOrdersRollsBackWhenAnEntryFails();
    void resyncMarksOnlyLiveRowsThatAreNotPending();

private:
    std::unique_ptr<TestDatabase> m_test;
    std::unique_ptr<AccountRepository> m_accounts;
    Database* database() const { return m_test->database(); }
};

void AccountRepositoryTest::init()
{
    QTest::failOnWarning(QRegularExpression(QStringLiteral(".*")));
    m_test = std::make_unique<TestDatabase>();
    m_accounts = std::make_unique<AccountRepository>(m_test->database());
}

void AccountRepositoryTest::cleanup()
{
    m_accounts.reset();
    m_test.reset();
    Clock::reset();
}

void AccountRepositoryTest::roundTripsEveryField()
{
    Account account;
    account.id = QStringLiteral("0b6f6c8e-5d1a-4a52-9c3e-2f1d7a8b9c0d");
    account.name = QStringLiteral("Everyday Savings");
    account.type = AccountType::Savings;
    account.currency = Currency::EUR;
    account.institution = QStringLiteral("Harbour Bank");
    account.accountNumberLast4 = QStringLiteral("0042");
    account.startingBalance = -9876543210LL;
    account.sortOrder = 3;
    account.isShared = true;
    account.version = 7;
    account.syncStatus = SyncStatus::Conflict;
    account.serverId = QStringLiteral("srv-17");
    // Two hours ahead of UTC: stored as the same instant in UTC.
    account.createdAt = QDateTime(QDate(2024, 3, 9), QTime(16, 5, 0), Qt::OffsetFromUTC, 2 * 3600);
    account.updatedAt = utc(QStringLiteral("2024-03-10T08:00:30Z"));
    Account update = account;
    update.name = QStringLiteral("Joint Checking");
    update.type = AccountType::CreditCard;
    update.currency = Currency::JPY;
    update.startingBalance = 150000;
    update.syncStatus = SyncStatus::Synced;
    update.serverId = QStringLiteral("srv-1");
    update.version = 8;
    update.updatedAt = utc(QStringLiteral("2024-05-05T05:05:05Z"));
    update.createdAt = utc(QStringLiteral("2030-01-01T00:00:00Z"));
    QSignalSpy changed(m_accounts.get(), &AccountRepository::accountsChanged);

    QVERIFY(m_accounts->insert(account));
    QCOMPARE(changed.count(), 1);
    QVERIFY(sameRecord(m_accounts->byId(account.id), account));
    const QVariantList id{account.id};
    QCOMPARE(scalar(database(), QStringLiteral("SELECT created_at FROM accounts WHERE id = ?"), id).toString(),
        QStringLiteral("2024-03-09T14:05:00Z"));
    QCOMPARE(scalar(database(), QStringLiteral("SELECT account_type || ' ' || currency || ' ' || sync_status || ' ' || is_shared "
                                               "FROM accounts WHERE id = ?"),
                 id)
                 .toString(),
        QStringLiteral("savings EUR conflict 1"));
    QVERIFY(scalar(database(), QStringLiteral("SELECT deleted_at IS NULL FROM accounts WHERE id = ?"), id).toBool());
    QVERIFY(!m_accounts->byId(QStringLiteral("no-such-account")));

    // The creation stamp is not one of the columns an update rewrites.
    QVERIFY(m_accounts->update(update));
    QCOMPARE(changed.count(), 2);
    update.createdAt = account.createdAt;
    QVERIFY(sameRecord(m_accounts->byId(account.id), update));
}

void AccountRepositoryTest::readsUnknownStoredTextsAsTheFallbacks()
{
    QVERIFY(execute(database(),
        QStringLiteral("INSERT INTO accounts (id, name, account_type, currency, sync_status, created_at, updated_at) "
                       "VALUES ('x', 'Brokerage', 'brokerage', 'XYZ', 'weird', '2024-01-01T00:00:00Z', '2024-01-01T00:00:00Z')")));

    const std::optional<Account> stored = m_accounts->byId(QStringLiteral("x"));
    QVERIFY(stored);
    QCOMPARE(stored->type, AccountType::Other);
    QCOMPARE(stored->currency, Currency::USD);
    QCOMPARE(stored->syncStatus, SyncStatus::Pending);
}

void AccountRepositoryTest::listsLiveAccountsBySortOrderThenName()
{
    QVERIFY(m_accounts->insert(makeAccount(QStringLiteral("1"), QStringLiteral("Savings"), 1)));
    QVERIFY(m_accounts->insert(makeAccount(QStringLiteral("2"), QStringLiteral("Wallet"), 0)));
    QVERIFY(m_accounts->insert(makeAccount(QStringLiteral("3"), QStringLiteral("Checking"), 0)));
    QVERIFY(m_accounts->insert(makeAccount(QStringLiteral("4"), QStringLiteral("Old Card"), 0)));
    QVERIFY(m_accounts->insert(makeAccount(QStringLiteral("5"), QStringLiteral("Closed Loan"), 2)));
    QVERIFY(m_accounts->softDelete(QStringLiteral("4")));
    QVERIFY(m_accounts->softDelete(QStringLiteral("5")));

    QCOMPARE(names(m_accounts->all()), (QStringList{QStringLiteral("Checking"), QStringLiteral("Wallet"), QStringLiteral("Savings")}));
    QCOMPARE(names(m_accounts->deleted()), (QStringList{QStringLiteral("Closed Loan"), QStringLiteral("Old Card")}));

    const std::optional<Account> deleted = m_accounts->byId(QStringLiteral("4"));
    QVERIFY(deleted);
    QVERIFY(deleted->deletedAt.has_value());

    // The pending listing includes deleted rows: their deletion must reach the server.
    QCOMPARE(m_accounts->pending().size(), 5);
}

void AccountRepositoryTest::softDeleteAndRestoreStampTheRow()
{
    Account account = makeAccount(QStringLiteral("a"), QStringLiteral("Checking"));
    account.syncStatus = SyncStatus::Synced;
    QVERIFY(m_accounts->insert(account));
    QSignalSpy changed(m_accounts.get(), &AccountRepository::accountsChanged);

    const QDateTime deletion = utc(QStringLiteral("2024-06-01T12:00:00Z"));
    Clock::setFixedNow(deletion);
    QVERIFY(m_accounts->softDelete(QStringLiteral("a")));
    QCOMPARE(changed.count(), 1);
    std::optional<Account> stored = m_accounts->byId(QStringLiteral("a"));
    QVERIFY(stored);
    QCOMPARE(stored->deletedAt, std::optional<QDateTime>(deletion));
    QCOMPARE(stored->updatedAt, deletion);
    QCOMPARE(stored->syncStatus, SyncStatus::Pending);
    QVERIFY(m_accounts->all().isEmpty());

    const QDateTime restoration = utc(QStringLiteral("2024-06-02T08:30:00Z"));
    Clock::setFixedNow(restoration);
    QVERIFY(m_accounts->markSynced(QStringLiteral("a"), QStringLiteral("srv-a")));
    QVERIFY(m_accounts->restore(QStringLiteral("a")));
    QCOMPARE(changed.count(), 2);
    stored = m_accounts->byId(QStringLiteral("a"));
    QVERIFY(stored);
    QVERIFY(!stored->deletedAt);
    QCOMPARE(stored->updatedAt, restoration);
    QCOMPARE(stored->syncStatus, SyncStatus::Pending);
    QCOMPARE(m_accounts->all().size(), 1);

    // Restoring a live account still marks it for upload with a new stamp.
    const QDateTime later = utc(QStringLiteral("2024-06-03T10:00:00Z"));
    Clock::setFixedNow(later);
    QVERIFY(m_accounts->markSynced(QStringLiteral("a"), QStringLiteral("srv-a")));
    QVERIFY(m_accounts->restore(QStringLiteral("a")));
    stored = m_accounts->byId(QStringLiteral("a"));
    QVERIFY(stored);
    QCOMPARE(stored->syncStatus, SyncStatus::Pending);
    QCOMPARE(stored->updatedAt, later);
}

void AccountRepositoryTest::updateSortOrdersWritesEveryEntryOnce()
{
    for (const QString& id : {QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c")}) {
        Account account = makeAccount(id, id.toUpper());
        account.syncStatus = SyncStatus::Synced;
        QVERIFY(m_accounts->insert(account));
    }
    QSignalSpy changed(m_accounts.get(), &AccountRepository::accountsChanged);
    const QDateTime now = utc(QStringLiteral("2024-07-01T10:00:00Z"));
    Clock::setFixedNow(now);

    QVERIFY(m_accounts->updateSortOrders({{QStringLiteral("c"), 0}, {QStringLiteral("a"), 1}, {QStringLiteral("b"), 2}}));

    QCOMPARE(changed.count(), 1);
    QCOMPARE(names(m_accounts->all()), (QStringList{QStringLiteral("C"), QStringLiteral("A"), QStringLiteral("B")}));
    for (const Account& account : m_accounts->all()) {
        QCOMPARE(account.updatedAt, now);
        // Reordering alone is not uploaded.
        QCOMPARE(account.syncStatus, SyncStatus::Synced);
    }
}

void AccountRepositoryTest::updateSortOrdersRollsBackWhenAnEntryFails()
{
    QVERIFY(m_accounts->insert(makeAccount(QStringLiteral("a"), QStringLiteral("A"), 10)));
    QVERIFY(m_accounts->insert(makeAccount(QStringLiteral("b"), QStringLiteral("B"), 20)));
    QVERIFY(m_accounts->insert(makeAccount(QStringLiteral("c"), QStringLiteral("C"), 30)));
    QVERIFY(execute(database(),
        QStringLiteral("CREATE TEMP TRIGGER refuse_c BEFORE UPDATE ON accounts WHEN NEW.id = 'c' "
                       "BEGIN SELECT RAISE(ABORT, 'x'); END")));
    QSignalSpy changed(m_accounts.get(), &AccountRepository::accountsChanged);

    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("^AccountRepository::updateSortOrders failed: x")));
    QVERIFY(!m_accounts->updateSortOrders({{QStringLiteral("a"), 3}, {QStringLiteral("b"), 2}, {QStringLiteral("c"), 1}}));

    QCOMPARE(changed.count(), 0);
    QCOMPARE(m_accounts->byId(QStringLiteral("a"))->sortOrder, 10);
    QCOMPARE(m_accounts->byId(QStringLiteral("b"))->sortOrder, 20);
    QCOMPARE(m_accounts->byId(QStringLiteral("c"))->sortOrder, 30);
    QCOMPARE(m_accounts->byId(QStringLiteral("a"))->updatedAt, utc(QStringLiteral("2024-01-01T09:00:00Z")));

    // No transaction was left open: the next reorder commits.
    QVERIFY(execute(database(), QStringLiteral("DROP TRIGGER refuse_c")));
    QVERIFY(m_accounts->updateSortOrders({{QStringLiteral("a"), 3}, {QStringLiteral("b"), 2}, {QStringLiteral("c"), 1}}));
    QCOMPARE(changed.count(), 1);
    QCOMPARE(names(m_accounts->all()), (QStringList{QStringLiteral("C"), QStringLiteral("B"), QStringLiteral("A")}));
}

void AccountRepositoryTest::resyncMarksOnlyLiveRowsThatAreNotPending()
{
    QSignalSpy changed(m_accounts.get(), &AccountRepository::accountsChanged);
    verifyResync(
        *m_accounts, changed, [](const QString& id) { return makeAccount(id, id); },
        [this](const QString& id) { return m_accounts->softDelete(id); });
}

QTEST_GUILESS_MAIN(AccountRepositoryTest)
#include "tst_accountrepository.moc"
