// The account, category, recurring and preferences repositories on a
// migrated database of their own. Transactions have a test of their own.

#include "storage/accountrepository.h"
#include "storage/categoryrepository.h"
#include "storage/preferencesrepository.h"
#include "storage/recurringrepository.h"
#include "support/storagetesting.h"
#include "support/testdatabase.h"

#include <QRegularExpression>
#include <QSignalSpy>
#include <QtTest>
#include <memory>

class RepositoriesTest : public QObject
{
    Q_OBJECT

    std::unique_ptr<TestDatabase> m_test;
    std::unique_ptr<AccountRepository> m_accounts;
    std::unique_ptr<CategoryRepository> m_categories;
    std::unique_ptr<RecurringRepository> m_rules;
    std::unique_ptr<PreferencesRepository> m_preferences;
    Database* database() const { return m_test->database(); }
    QString text(const QString& sql) const { return scalar(database(), sql).toString(); }

private Q_SLOTS:
    void init()
    {
        QTest::failOnWarning(QRegularExpression(QStringLiteral(".*")));
        m_test = std::make_unique<TestDatabase>();
        m_accounts = std::make_unique<AccountRepository>(database());
        m_categories = std::make_unique<CategoryRepository>(database());
        m_rules = std::make_unique<RecurringRepository>(database());
        m_preferences = std::make_unique<PreferencesRepository>(database());
    }

    void cleanup()
    {
        m_preferences.reset(), m_rules.reset(), m_categories.reset(), m_accounts.reset(), m_test.reset();
        Clock::reset();
    }

    void accountsRoundTripEveryField()
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
        update.version = 8;
        update.updatedAt = utc(QStringLiteral("2024-05-05T05:05:05Z"));
        update.createdAt = utc(QStringLiteral("2030-01-01T00:00:00Z"));
        QSignalSpy changed(m_accounts.get(), &AccountRepository::accountsChanged);

        verifyRoundTrip(*m_accounts, changed, account, update);
        QCOMPARE(text(QStringLiteral("SELECT created_at || ' ' || account_type || ' ' || currency || ' ' || is_shared FROM accounts")),
            QStringLiteral("2024-03-09T14:05:00Z credit_card JPY 1"));
        QVERIFY(!m_accounts->byId(QStringLiteral("no-such-account")));
    }

    void categoriesRoundTripEveryField()
    {
        QVERIFY(m_categories->insert(makeCategory(QStringLiteral("parent"), QStringLiteral("Household"))));
        Category category = makeCategory(QStringLiteral("child"), QStringLiteral("Électricité"), QStringLiteral("parent"));
        category.type = CategoryType::Income;
        category.isTaxRelevant = true;
        category.taxCategory = QStringLiteral("Schedule C");
        category.icon = QStringLiteral("bolt");
        category.color = QStringLiteral("#FFA726");
        category.isDefault = true;
        category.accountId = QStringLiteral("some-account");
        category.version = 3;
        category.syncStatus = SyncStatus::Conflict;
        category.serverId = QStringLiteral("srv-c");
        Category update = category;
        update.name = QStringLiteral("Power");
        update.type = CategoryType::Transfer;
        update.parentId.clear();
        update.accountId.clear();
        update.isTaxRelevant = update.isDefault = false;
        update.updatedAt = utc(QStringLiteral("2024-04-04T04:04:04Z"));
        QSignalSpy changed(m_categories.get(), &CategoryRepository::categoriesChanged);

        verifyRoundTrip(*m_categories, changed, category, update);
        // An empty parent or account is stored as NULL, as the foreign keys need.
        QVERIFY(scalar(database(), QStringLiteral("SELECT parent_id IS NULL AND account_id IS NULL FROM categories WHERE id = 'child'")).toBool());
    }

    void recurringRoundTripsEveryField()
    {
        QVERIFY(m_accounts->insert(makeAccount(QStringLiteral("A"), QStringLiteral("A"))));
        QVERIFY(m_accounts->insert(makeAccount(QStringLiteral("B"), QStringLiteral("B"))));
        QVERIFY(m_categories->insert(makeCategory(QStringLiteral("rent"), QStringLiteral("Rent"))));
        RecurringTransaction rule = makeRecurring(QStringLiteral("rule-1"), QDate(2024, 7, 31));
        rule.memo = QStringLiteral("flat 3");
        rule.categoryId = QStringLiteral("rent");
        rule.frequency = Frequency::SemiAnnual;
        rule.endDate = QDate(2026, 12, 31);
        rule.autoPost = true;
        rule.isActive = false;
        rule.transferDestAccountId = QStringLiteral("B");
        rule.version = 6;
        rule.syncStatus = SyncStatus::Synced;
        rule.serverId = QStringLiteral("srv-r");
        RecurringTransaction update = rule;
        update.nextDueDate = QDate(2025, 1, 31);
        update.endDate.reset();
        update.categoryId.clear();
        update.frequency = Frequency::Quarterly;
        update.autoPost = false;
        update.isActive = true;
        update.updatedAt = utc(QStringLiteral("2024-08-01T07:00:00Z"));
        QSignalSpy changed(m_rules.get(), &RecurringRepository::recurringChanged);

        verifyRoundTrip(*m_rules, changed, rule, update);
        QCOMPARE(text(QStringLiteral("SELECT frequency || ' ' || (end_date IS NULL) || ' ' || (category_id IS NULL) FROM recurring_transactions")),
            QStringLiteral("quarterly 1 1"));
    }

    // Rows written by another device or a later version read as the fallbacks.
    void readsUnknownStoredTextsAsTheFallbacks()
    {
        const QString stamps = QStringLiteral("'2024-01-01T00:00:00Z', '2024-01-01T00:00:00Z')");
        QVERIFY(execute(database(), QStringLiteral("INSERT INTO accounts (id, name, account_type, currency, sync_status, created_at, "
                                                   "updated_at) VALUES ('A', 'Brokerage', 'brokerage', 'XYZ', 'weird', ") + stamps));
        QVERIFY(execute(database(), QStringLiteral("INSERT INTO categories (id, name, category_type, sync_status, created_at, "
                                                   "updated_at) VALUES ('x', 'Odd', 'weird', 'Synced', ") + stamps));
        QVERIFY(execute(database(), QStringLiteral("INSERT INTO recurring_transactions (id, account_id, payee, amount, frequency, "
                                                   "start_date, end_date, next_due_date, sync_status, created_at, updated_at) "
                                                   "VALUES ('x', 'A', 'Odd', 1, 'fortnightly', '2024-01-01', '', '2024-02-01', '', ") + stamps));

        const Account account = *m_accounts->byId(QStringLiteral("A"));
        QVERIFY(account.type == AccountType::Other && account.currency == Currency::USD && account.syncStatus == SyncStatus::Pending);
        QVERIFY(m_categories->byId(QStringLiteral("x"))->type == CategoryType::Expense
            && m_categories->byId(QStringLiteral("x"))->syncStatus == SyncStatus::Pending);
        const RecurringTransaction rule = *m_rules->byId(QStringLiteral("x"));
        QCOMPARE(rule.frequency, Frequency::Monthly);
        QVERIFY(!rule.endDate);
    }

    void listsLiveRowsInTheirOrder()
    {
        const QList<std::tuple<QString, QString, int>> accounts{{QStringLiteral("1"), QStringLiteral("Savings"), 1},
            {QStringLiteral("2"), QStringLiteral("Wallet"), 0}, {QStringLiteral("3"), QStringLiteral("Checking"), 0},
            {QStringLiteral("4"), QStringLiteral("Old Card"), 0}};
        for (const auto& [id, name, sortOrder] : accounts)
            QVERIFY(m_accounts->insert(makeAccount(id, name, sortOrder)));
        QVERIFY(m_accounts->softDelete(QStringLiteral("4")));
        QCOMPARE(names(m_accounts->all()), (QStringList{QStringLiteral("Checking"), QStringLiteral("Wallet"), QStringLiteral("Savings")}));
        // The pending listing includes deleted rows: their deletion must reach the server.
        QCOMPARE(m_accounts->pending().size(), 4);

        for (const QString& name : {QStringLiteral("Utilities"), QStringLiteral("Groceries"), QStringLiteral("Dining")})
            QVERIFY(m_categories->insert(makeCategory(name, name)));
        QVERIFY(m_categories->softDelete(QStringLiteral("Dining")));
        QCOMPARE(m_categories->count(), 2);
        QCOMPARE(names(m_categories->all()), (QStringList{QStringLiteral("Groceries"), QStringLiteral("Utilities")}));

        QVERIFY(m_accounts->insert(makeAccount(QStringLiteral("A"), QStringLiteral("A"))));
        for (const auto& [id, due] : QList<std::pair<QString, QDate>>{{QStringLiteral("december"), QDate(2024, 12, 1)},
                 {QStringLiteral("february"), QDate(2024, 2, 1)}, {QStringLiteral("next-year"), QDate(2025, 1, 15)},
                 {QStringLiteral("deleted"), QDate(2024, 1, 1)}})
            QVERIFY(m_rules->insert(makeRecurring(id, due)));
        QVERIFY(m_rules->softDelete(QStringLiteral("deleted")));
        QCOMPARE(ids(m_rules->all()), (QStringList{QStringLiteral("february"), QStringLiteral("december"), QStringLiteral("next-year")}));
    }

    void softDeleteStampsOnlyThatRow()
    {
        Category parent = makeCategory(QStringLiteral("parent"), QStringLiteral("Auto"));
        parent.syncStatus = SyncStatus::Synced;
        QVERIFY(m_categories->insert(parent));
        QVERIFY(m_categories->insert(makeCategory(QStringLiteral("child"), QStringLiteral("Fuel"), QStringLiteral("parent"))));
        QSignalSpy changed(m_categories.get(), &CategoryRepository::categoriesChanged);
        const QDateTime now = utc(QStringLiteral("2024-10-10T10:10:10Z"));
        Clock::setFixedNow(now);

        QVERIFY(m_categories->softDelete(QStringLiteral("parent")));
        QCOMPARE(changed.count(), 1);
        const Category deleted = *m_categories->byId(QStringLiteral("parent"));
        QCOMPARE(deleted.deletedAt, std::optional<QDateTime>(now));
        QCOMPARE(deleted.syncStatus, SyncStatus::Pending);
        QVERIFY(!m_categories->byId(QStringLiteral("child"))->deletedAt);
    }

    void reviveBringsBackADeletedRowAsGiven()
    {
        Category stored = makeCategory(QStringLiteral("groceries"), QStringLiteral("Food"));
        stored.icon = QStringLiteral("cart");
        stored.version = 3;
        stored.syncStatus = SyncStatus::Synced;
        stored.serverId = QStringLiteral("server-9");
        QVERIFY(m_categories->insert(stored));
        QVERIFY(m_categories->softDelete(stored.id));
        QSignalSpy changed(m_categories.get(), &CategoryRepository::categoriesChanged);

        Category wanted = makeCategory(stored.id, QStringLiteral("Groceries"));
        wanted.type = CategoryType::Income;
        wanted.isTaxRelevant = wanted.isDefault = true;
        wanted.taxCategory = QStringLiteral("schedule_c");
        wanted.updatedAt = utc(QStringLiteral("2024-11-11T11:11:11Z"));
        QVERIFY(m_categories->revive(wanted));
        QCOMPARE(changed.count(), 1);
        // What a default does not fix (icon, version, server id, creation) stays the row's own.
        Category expected = wanted;
        expected.icon = stored.icon;
        expected.version = stored.version;
        expected.serverId = stored.serverId;
        QVERIFY(sameRecord(m_categories->byId(stored.id), expected));

        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("^CategoryRepository::revive failed: ")));
        QVERIFY(!m_categories->revive(makeCategory(QStringLiteral("never-stored"), QStringLiteral("Pets"))));
    }

    void updateSortOrdersIsOneWriteOrNone()
    {
        for (const auto& [id, order] : QList<std::pair<QString, int>>{{QStringLiteral("a"), 10}, {QStringLiteral("b"), 20}, {QStringLiteral("c"), 30}}) {
            Account account = makeAccount(id, id.toUpper(), order);
            account.syncStatus = SyncStatus::Synced;
            QVERIFY(m_accounts->insert(account));
        }
        QVERIFY(execute(database(), QStringLiteral("CREATE TEMP TRIGGER refuse_c BEFORE UPDATE ON accounts WHEN NEW.id = 'c' "
                                                   "BEGIN SELECT RAISE(ABORT, 'x'); END")));
        QSignalSpy changed(m_accounts.get(), &AccountRepository::accountsChanged);
        const QList<QPair<QString, int>> reversed{{QStringLiteral("a"), 3}, {QStringLiteral("b"), 2}, {QStringLiteral("c"), 1}};

        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("^AccountRepository::updateSortOrders failed: x")));
        QVERIFY(!m_accounts->updateSortOrders(reversed));
        QCOMPARE(changed.count(), 0);
        QCOMPARE(names(m_accounts->all()), (QStringList{QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("C")}));
        QCOMPARE(m_accounts->byId(QStringLiteral("a"))->updatedAt, utc(QStringLiteral("2024-01-01T09:00:00Z")));

        // No transaction was left open: the next reorder commits, signals once
        // and is not uploaded.
        QVERIFY(execute(database(), QStringLiteral("DROP TRIGGER refuse_c")));
        Clock::setFixedNow(utc(QStringLiteral("2024-07-01T10:00:00Z")));
        QVERIFY(m_accounts->updateSortOrders(reversed));
        QCOMPARE(changed.count(), 1);
        QCOMPARE(names(m_accounts->all()), (QStringList{QStringLiteral("C"), QStringLiteral("B"), QStringLiteral("A")}));
        for (const Account& account : m_accounts->all()) {
            QCOMPARE(account.updatedAt, Clock::nowUtc());
            QCOMPARE(account.syncStatus, SyncStatus::Synced);
        }
    }

    void dueListsLiveActiveRulesUpToToday()
    {
        QVERIFY(m_accounts->insert(makeAccount(QStringLiteral("A"), QStringLiteral("A"))));
        Clock::setFixedNow(utc(QStringLiteral("2024-06-15T12:00:00Z")));
        const QDate today = Clock::today();
        QVERIFY(m_rules->insert(makeRecurring(QStringLiteral("today"), today)));
        QVERIFY(m_rules->insert(makeRecurring(QStringLiteral("overdue"), today.addMonths(-2))));
        QVERIFY(m_rules->insert(makeRecurring(QStringLiteral("tomorrow"), today.addDays(1))));
        RecurringTransaction paused = makeRecurring(QStringLiteral("inactive"), today);
        paused.isActive = false;
        QVERIFY(m_rules->insert(paused));
        QVERIFY(m_rules->insert(makeRecurring(QStringLiteral("deleted"), today.addDays(-1))));
        QVERIFY(m_rules->softDelete(QStringLiteral("deleted")));

        QStringList due = ids(m_rules->due());
        due.sort();
        QCOMPARE(due, (QStringList{QStringLiteral("overdue"), QStringLiteral("today")}));
        Clock::setFixedNow(utc(QStringLiteral("2024-06-16T12:00:00Z")));
        QCOMPARE(m_rules->due().size(), 3);
    }

    void warnsButSavesABrokenNextDueDate_data()
    {
        QTest::addColumn<QDate>("nextDueDate");
        QTest::addColumn<QString>("shownDate");
        QTest::newRow("before 2000") << QDate(1999, 12, 31) << QStringLiteral("1999-12-31");
        QTest::newRow("invalid") << QDate() << QString();
    }

    void warnsButSavesABrokenNextDueDate()
    {
        QFETCH(QDate, nextDueDate);
        QFETCH(QString, shownDate);
        QVERIFY(m_accounts->insert(makeAccount(QStringLiteral("A"), QStringLiteral("A"))));
        RecurringTransaction rule = makeRecurring(QStringLiteral("broken"), nextDueDate);
        rule.frequency = Frequency::Weekly;
        const QString details = QStringLiteral(" saving recurring with broken nextDueDate: id=broken payee=Rule broken "
                                               "nextDueDate=%1 startDate=2024-01-01 frequency=1$").arg(shownDate);

        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("^RecurringRepository::insert") + details));
        QVERIFY(m_rules->insert(rule));
        QCOMPARE(text(QStringLiteral("SELECT next_due_date FROM recurring_transactions")), shownDate);
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("^RecurringRepository::update") + details));
        QVERIFY(m_rules->update(rule));
        rule.nextDueDate = QDate(2000, 1, 1);
        QVERIFY(m_rules->update(rule));
    }

    void preferencesFallBackOnlyWhenAbsent()
    {
        QSignalSpy changed(m_preferences.get(), &PreferencesRepository::changed);
        QVERIFY(!m_preferences->get(QStringLiteral("theme")));
        QCOMPARE(m_preferences->get(QStringLiteral("theme"), QStringLiteral("system")), QStringLiteral("system"));
        QVERIFY(m_preferences->set(QStringLiteral("theme"), QStringLiteral("dark")));
        QVERIFY(m_preferences->set(QStringLiteral("theme"), QStringLiteral("dark")));
        QCOMPARE(m_preferences->get(QStringLiteral("theme"), QStringLiteral("system")), QStringLiteral("dark"));
        QCOMPARE(scalar(database(), QStringLiteral("SELECT COUNT(*) FROM preferences")).toInt(), 1);
        // Every write announces itself, even of the same value.
        QCOMPARE(firstArguments(changed), (QStringList{QStringLiteral("theme"), QStringLiteral("theme")}));

        // An empty value is present, and so is a NULL one.
        QVERIFY(m_preferences->set(QStringLiteral("empty"), QString()));
        QCOMPARE(m_preferences->get(QStringLiteral("empty"), QStringLiteral("x")), QString());
        QVERIFY(execute(database(), QStringLiteral("INSERT INTO preferences (key, value) VALUES ('null', NULL)")));
        QCOMPARE(m_preferences->get(QStringLiteral("null"), QStringLiteral("x")), QString());

        changed.clear();
        QVERIFY(m_preferences->remove(QStringLiteral("theme")));
        QVERIFY(m_preferences->remove(QStringLiteral("never-stored")));
        QVERIFY(!m_preferences->get(QStringLiteral("theme")));
        QCOMPARE(changed.count(), 0);
    }

    void readsBooleans_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<bool>("expected");
        for (const char* yes : {"1", "true"})
            QTest::newRow(yes) << QString::fromLatin1(yes) << true;
        for (const char* no : {"0", "false", "yes", "True", ""})
            QTest::newRow(no) << QString::fromLatin1(no) << false;
    }

    void readsBooleans()
    {
        QFETCH(QString, stored);
        QFETCH(bool, expected);
        const QString key = QStringLiteral("registerNewestFirst");
        QCOMPARE(m_preferences->getBool(key, true), true);
        QCOMPARE(m_preferences->getBool(key, false), false);
        QVERIFY(m_preferences->set(key, stored));
        QCOMPARE(m_preferences->getBool(key, !expected), expected);
    }
};

QTEST_GUILESS_MAIN(RepositoriesTest)
#include "tst_repositories.moc"
