// The repositories on a migrated database of their own holding account "A",
// with the clock fixed at `now`.

#include "storage/accountrepository.h"
#include "storage/categoryrepository.h"
#include "storage/preferencesrepository.h"
#include "storage/reconciliationrepository.h"
#include "storage/recurringrepository.h"
#include "storage/transactionrepository.h"
#include "support/storagetesting.h"
#include "support/testdatabase.h"

#include <QRegularExpression>
#include <limits>
#include <memory>

using namespace Qt::StringLiterals;

namespace {

const QDateTime now = QDateTime(QDate(2024, 5, 20), QTime(12, 0), Qt::UTC);

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

class RepositoriesTest : public QObject
{
    Q_OBJECT

    std::unique_ptr<TestDatabase> m_test;
    std::unique_ptr<AccountRepository> m_accounts;
    std::unique_ptr<CategoryRepository> m_categories;
    std::unique_ptr<RecurringRepository> m_rules;
    std::unique_ptr<PreferencesRepository> m_preferences;
    std::unique_ptr<TransactionRepository> m_transactions;
    Database* database() const { return m_test->database(); }
    QString text(const QString& sql) const { return scalar(database(), sql).toString(); }
    void addAccount(const QString& id, qint64 startingBalance = 0)
    {
        Account account = makeAccount(id, u"Account "_s + id);
        account.startingBalance = startingBalance;
        QVERIFY(m_accounts->insert(account));
    }
    bool addTransaction(const QString& id, const QString& accountId, const QDate& date, qint64 amount)
    {
        return m_transactions->insert(makeTransaction(id, accountId, date, amount));
    }
    template<typename Record>
    void verifyDeletedNow(const std::optional<Record>& record)
    {
        QCOMPARE(record->deletedAt, std::optional<QDateTime>(now));
        QCOMPARE(record->updatedAt, now);
        QCOMPARE(record->syncStatus, SyncStatus::Pending);
    }

private Q_SLOTS:
    void init()
    {
        QTest::failOnWarning(QRegularExpression(u".*"_s));
        Clock::setFixedNow(now);
        m_test = std::make_unique<TestDatabase>();
        m_accounts = std::make_unique<AccountRepository>(database());
        m_categories = std::make_unique<CategoryRepository>(database());
        m_rules = std::make_unique<RecurringRepository>(database());
        m_preferences = std::make_unique<PreferencesRepository>(database());
        m_transactions = std::make_unique<TransactionRepository>(database());
        QVERIFY(m_accounts->insert(makeAccount(u"A"_s, u"Main"_s)));
    }

    void cleanup()
    {
        m_transactions.reset(), m_preferences.reset(), m_rules.reset(), m_categories.reset(), m_accounts.reset(), m_test.reset();
        Clock::reset();
    }

    void accountsRoundTripEveryField()
    {
        Account account = makeAccount(u"0b6f6c8e-5d1a-4a52-9c3e-2f1d7a8b9c0d"_s, u"Everyday Savings"_s, 3);
        account.type = AccountType::Savings;
        account.currency = Currency::EUR;
        account.institution = u"Harbour Bank"_s;
        account.accountNumberLast4 = u"0042"_s;
        account.startingBalance = -9876543210LL;
        account.isShared = true;
        account.version = 7;
        account.syncStatus = SyncStatus::Conflict;
        account.serverId = u"srv-17"_s;
        // Two hours ahead of UTC: stored as the same instant in UTC.
        account.createdAt = QDateTime(QDate(2024, 3, 9), QTime(16, 5), Qt::OffsetFromUTC, 2 * 3600);
        account.updatedAt = utc(u"2024-03-10T08:00:30Z"_s);
        Account update = account;
        update.name = u"Joint Checking"_s;
        update.type = AccountType::CreditCard;
        update.currency = Currency::JPY;
        update.startingBalance = 150000;
        update.syncStatus = SyncStatus::Synced;
        update.version = 8;
        update.updatedAt = utc(u"2024-05-05T05:05:05Z"_s);
        update.createdAt = utc(u"2030-01-01T00:00:00Z"_s);

        verifyRoundTrip(*m_accounts, &AccountRepository::accountsChanged, account, update);
        QCOMPARE(text(u"SELECT created_at || ' ' || account_type || ' ' || currency || ' ' || is_shared FROM accounts WHERE id = '%1'"_s
                         .arg(account.id)),
            u"2024-03-09T14:05:00Z credit_card JPY 1"_s);
        QVERIFY(!m_accounts->byId(u"no-such-account"_s));
    }

    void categoriesRoundTripEveryField()
    {
        QVERIFY(m_categories->insert(makeCategory(u"parent"_s, u"Household"_s)));
        Category category = makeCategory(u"child"_s, u"Électricité"_s, u"parent"_s);
        category.type = CategoryType::Income;
        category.isTaxRelevant = category.isDefault = true;
        category.taxCategory = u"Schedule C"_s;
        category.icon = u"bolt"_s;
        category.color = u"#FFA726"_s;
        category.accountId = u"some-account"_s;
        category.version = 3;
        category.syncStatus = SyncStatus::Conflict;
        category.serverId = u"srv-c"_s;
        Category update = category;
        update.name = u"Power"_s;
        update.type = CategoryType::Transfer;
        update.parentId.clear();
        update.accountId.clear();
        update.isTaxRelevant = update.isDefault = false;
        update.updatedAt = utc(u"2024-04-04T04:04:04Z"_s);

        verifyRoundTrip(*m_categories, &CategoryRepository::categoriesChanged, category, update);
        // An empty parent or account is stored as NULL, as the foreign keys need.
        QVERIFY(scalar(database(), u"SELECT parent_id IS NULL AND account_id IS NULL FROM categories WHERE id = 'child'"_s).toBool());
    }

    void recurringRoundTripsEveryField()
    {
        addAccount(u"B"_s);
        QVERIFY(m_categories->insert(makeCategory(u"rent"_s, u"Rent"_s)));
        RecurringTransaction rule = makeRecurring(u"rule-1"_s, QDate(2024, 7, 31));
        rule.memo = u"flat 3"_s;
        rule.categoryId = u"rent"_s;
        rule.frequency = Frequency::SemiAnnual;
        rule.endDate = QDate(2026, 12, 31);
        rule.autoPost = true;
        rule.isActive = false;
        rule.transferDestAccountId = u"B"_s;
        rule.version = 6;
        rule.syncStatus = SyncStatus::Synced;
        rule.serverId = u"srv-r"_s;
        RecurringTransaction update = rule;
        update.nextDueDate = QDate(2025, 1, 31);
        update.endDate.reset();
        update.categoryId.clear();
        update.frequency = Frequency::Quarterly;
        update.autoPost = false;
        update.isActive = true;
        update.updatedAt = utc(u"2024-08-01T07:00:00Z"_s);

        verifyRoundTrip(*m_rules, &RecurringRepository::recurringChanged, rule, update);
        QCOMPARE(text(u"SELECT frequency || ' ' || (end_date IS NULL) || ' ' || (category_id IS NULL) FROM recurring_transactions"_s),
            u"quarterly 1 1"_s);
    }

    // The update clears the category and the payee: the foreign key needs a
    // NULL category, the payee column an empty text.
    void transactionsRoundTripEveryField()
    {
        QVERIFY(m_categories->insert(makeCategory(u"cat-food"_s, u"Groceries"_s)));
        Transaction transaction = makeTransaction(u"6f1c2d3e-4b5a-4978-8a6b-5c4d3e2f1a0b"_s, u"A"_s, QDate(2024, 2, 29), -12345,
            u"2024-02-29T23:59:59Z"_s);
        transaction.payee = u"Café Lumière"_s;
        transaction.memo = u"birthday, dinner"_s;
        transaction.categoryId = u"cat-food"_s;
        transaction.checkNumber = u"1042"_s;
        transaction.cleared = transaction.reconciled = transaction.isSplit = true;
        transaction.transferLinkId = u"link-1"_s;
        transaction.transferDestAccountId = u"B"_s;
        transaction.recurringId = u"rule-1"_s;
        transaction.version = 4;
        transaction.syncStatus = SyncStatus::Synced;
        transaction.serverId = u"srv-t"_s;
        transaction.updatedAt = utc(u"2024-03-01T00:00:01Z"_s);
        Transaction update = transaction;
        update.date = QDate(2024, 3, 2);
        update.payee = QString();
        update.amount = 500;
        update.categoryId.clear();
        update.cleared = false;
        update.syncStatus = SyncStatus::Pending;
        update.version = 5;
        update.updatedAt = update.createdAt = utc(u"2024-03-02T12:00:00Z"_s);

        verifyRoundTrip(*m_transactions, &TransactionRepository::transactionsChanged, transaction, update);
        QCOMPARE(text(u"SELECT date || '|' || IFNULL(category_id, 'null') || '|' || payee FROM transactions"_s), u"2024-03-02|null|"_s);
    }

    // A reconciliation stored without its creation or change stamp gets the
    // moment it was stored; a stamp it brings is kept.
    void reconciliationInsertStampsWhatIsUnset()
    {
        ReconciliationRepository reconciliations(database());
        Reconciliation noCreation = makeReconciliation(u"R1"_s, QDate(2024, 4, 30));
        noCreation.createdAt = QDateTime();
        Reconciliation noChange = makeReconciliation(u"R2"_s, QDate(2024, 5, 31));
        noChange.updatedAt = QDateTime();

        QVERIFY(reconciliations.insert(noCreation));
        QVERIFY(reconciliations.insert(noChange));
        const QString sql = u"SELECT created_at || ' ' || updated_at FROM reconciliations WHERE id = ?"_s;
        QCOMPARE(scalar(database(), sql, {u"R1"_s}).toString(), u"2024-05-20T12:00:00Z 2024-01-01T09:00:00Z"_s);
        QCOMPARE(scalar(database(), sql, {u"R2"_s}).toString(), u"2024-01-01T09:00:00Z 2024-05-20T12:00:00Z"_s);
    }

    void listsLiveRowsInTheirOrder()
    {
        for (const auto& [id, name, sortOrder] : QList<std::tuple<QString, QString, int>>{
                 {u"1"_s, u"Savings"_s, 1}, {u"2"_s, u"Wallet"_s, 0}, {u"3"_s, u"Checking"_s, 0}, {u"4"_s, u"Old Card"_s, 0}})
            QVERIFY(m_accounts->insert(makeAccount(id, name, sortOrder)));
        QVERIFY(m_accounts->softDelete(u"4"_s));
        QCOMPARE(texts(m_accounts->all(), &Account::name), (QStringList{u"Checking"_s, u"Main"_s, u"Wallet"_s, u"Savings"_s}));

        for (const QString& name : {u"Utilities"_s, u"Groceries"_s, u"Dining"_s})
            QVERIFY(m_categories->insert(makeCategory(name, name)));
        QVERIFY(m_categories->softDelete(u"Dining"_s));
        QCOMPARE(m_categories->count(), 2);
        QCOMPARE(texts(m_categories->all(), &Category::name), (QStringList{u"Groceries"_s, u"Utilities"_s}));

        for (const auto& [id, due] : QList<std::pair<QString, QDate>>{{u"december"_s, QDate(2024, 12, 1)},
                 {u"february"_s, QDate(2024, 2, 1)}, {u"next-year"_s, QDate(2025, 1, 15)}, {u"deleted"_s, QDate(2024, 1, 1)}})
            QVERIFY(m_rules->insert(makeRecurring(id, due)));
        QVERIFY(m_rules->softDelete(u"deleted"_s));
        QCOMPARE(texts(m_rules->all()), (QStringList{u"february"_s, u"december"_s, u"next-year"_s}));
    }

    void softDeleteStampsOnlyThatRow()
    {
        Category parent = makeCategory(u"parent"_s, u"Auto"_s);
        parent.syncStatus = SyncStatus::Synced;
        QVERIFY(m_categories->insert(parent));
        QVERIFY(m_categories->insert(makeCategory(u"child"_s, u"Fuel"_s, u"parent"_s)));
        Transaction transaction = makeTransaction(u"t"_s, u"A"_s, QDate(2024, 1, 1), -100);
        transaction.syncStatus = SyncStatus::Synced;
        QVERIFY(m_transactions->insert(transaction));
        QSignalSpy categoriesChanged(m_categories.get(), &CategoryRepository::categoriesChanged);
        QSignalSpy transactionsChanged(m_transactions.get(), &TransactionRepository::transactionsChanged);

        QVERIFY(m_categories->softDelete(u"parent"_s));
        QVERIFY(m_transactions->softDelete(u"t"_s));
        QCOMPARE(categoriesChanged.count(), 1);
        QCOMPARE(firstArguments(transactionsChanged), QStringList{u"A"_s});
        verifyDeletedNow(m_categories->byId(u"parent"_s));
        verifyDeletedNow(m_transactions->byId(u"t"_s));
        QVERIFY(!m_categories->byId(u"child"_s)->deletedAt);
    }

    void updateSortOrdersIsOneWriteOrNone()
    {
        for (const auto& [id, order] : QList<std::pair<QString, int>>{{u"a"_s, 10}, {u"b"_s, 20}, {u"c"_s, 30}}) {
            Account account = makeAccount(id, id.toUpper(), order);
            account.syncStatus = SyncStatus::Synced;
            QVERIFY(m_accounts->insert(account));
        }
        QVERIFY(execute(database(), u"CREATE TEMP TRIGGER refuse_c BEFORE UPDATE ON accounts WHEN NEW.id = 'c' "
                                    "BEGIN SELECT RAISE(ABORT, 'x'); END"_s));
        QSignalSpy changed(m_accounts.get(), &AccountRepository::accountsChanged);
        const QList<QPair<QString, int>> reversed{{u"a"_s, 3}, {u"b"_s, 2}, {u"c"_s, 1}};

        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(u"^AccountRepository::updateSortOrders failed: x"_s));
        QVERIFY(!m_accounts->updateSortOrders(reversed));
        QCOMPARE(changed.count(), 0);
        QCOMPARE(texts(m_accounts->all(), &Account::name), (QStringList{u"Main"_s, u"A"_s, u"B"_s, u"C"_s}));
        QCOMPARE(m_accounts->byId(u"a"_s)->updatedAt, utc(u"2024-01-01T09:00:00Z"_s));

        // No transaction was left open: the next reorder commits, signals once
        // and is not uploaded.
        QVERIFY(execute(database(), u"DROP TRIGGER refuse_c"_s));
        QVERIFY(m_accounts->updateSortOrders(reversed));
        QCOMPARE(changed.count(), 1);
        QCOMPARE(texts(m_accounts->all(), &Account::name), (QStringList{u"Main"_s, u"C"_s, u"B"_s, u"A"_s}));
        for (const auto& [id, order] : reversed) {
            QCOMPARE(m_accounts->byId(id)->updatedAt, now);
            QCOMPARE(m_accounts->byId(id)->syncStatus, SyncStatus::Synced);
        }
    }

    // A rule with a next due date before 2000 or none is saved all the same,
    // with a warning naming it.
    void warnsButSavesABrokenNextDueDate()
    {
        RecurringTransaction rule = makeRecurring(u"broken"_s, QDate(1999, 12, 31));
        const QString warning = u"^RecurringRepository::%1 saving recurring with broken nextDueDate: id=broken payee=Rule broken "
                                "nextDueDate=%2 startDate=2024-01-01 frequency=3$"_s;
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(warning.arg(u"insert"_s, u"1999-12-31"_s)));
        QVERIFY(m_rules->insert(rule));
        rule.nextDueDate = QDate();
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(warning.arg(u"update"_s, QString())));
        QVERIFY(m_rules->update(rule));
        QCOMPARE(text(u"SELECT next_due_date FROM recurring_transactions"_s), QString());
        rule.nextDueDate = QDate(2000, 1, 1);
        QVERIFY(m_rules->update(rule));
    }

    void preferencesFallBackOnlyWhenAbsent()
    {
        QSignalSpy changed(m_preferences.get(), &PreferencesRepository::changed);
        QVERIFY(!m_preferences->get(u"theme"_s));
        QCOMPARE(m_preferences->get(u"theme"_s, u"system"_s), u"system"_s);
        QCOMPARE(m_preferences->getBool(u"theme"_s, true), true);
        QVERIFY(m_preferences->set(u"theme"_s, u"dark"_s));
        QVERIFY(m_preferences->set(u"theme"_s, u"dark"_s));
        QCOMPARE(m_preferences->get(u"theme"_s, u"system"_s), u"dark"_s);
        QCOMPARE(scalar(database(), u"SELECT COUNT(*) FROM preferences"_s).toInt(), 1);
        // Every write announces itself, even of the same value.
        QCOMPARE(firstArguments(changed), (QStringList{u"theme"_s, u"theme"_s}));

        // An empty value is present, and so is a NULL one.
        QVERIFY(m_preferences->set(u"empty"_s, QString()));
        QCOMPARE(m_preferences->get(u"empty"_s, u"x"_s), QString());
        QVERIFY(execute(database(), u"INSERT INTO preferences (key, value) VALUES ('null', NULL)"_s));
        QCOMPARE(m_preferences->get(u"null"_s, u"x"_s), QString());

        changed.clear();
        QVERIFY(m_preferences->remove(u"theme"_s));
        QVERIFY(m_preferences->remove(u"never-stored"_s));
        QVERIFY(!m_preferences->get(u"theme"_s));
        QCOMPARE(changed.count(), 0);
    }

    // The register starts with the opening balance, dated with the account's
    // first live transaction (or today); a balance is the last running one.
    // Neither deleted rows nor deleted accounts nor other accounts count.
    void registerRowsAndBalancesCountLiveRows()
    {
        addAccount(u"S"_s, 100000);
        addAccount(u"N"_s, -5000);
        addAccount(u"Z"_s);
        addAccount(u"D"_s, 700);
        QVERIFY(m_categories->insert(makeCategory(u"cat-salary"_s, u"Salary"_s)));
        QVERIFY(addTransaction(u"rent"_s, u"S"_s, QDate(2024, 1, 5), -2500));
        Transaction pay = makeTransaction(u"pay"_s, u"S"_s, QDate(2024, 1, 2), 1000);
        pay.categoryId = u"cat-salary"_s;
        QVERIFY(m_transactions->insert(pay));
        QVERIFY(addTransaction(u"gone"_s, u"S"_s, QDate(2023, 12, 1), -777));
        QVERIFY(addTransaction(u"gone-n"_s, u"N"_s, QDate(2024, 2, 1), 10));
        QVERIFY(m_transactions->softDelete(u"gone"_s) && m_transactions->softDelete(u"gone-n"_s));
        QVERIFY(addTransaction(u"z1"_s, u"Z"_s, QDate(2024, 1, 3), -42));
        QVERIFY(m_accounts->softDelete(u"D"_s));

        const QList<RegisterRow> rows = m_transactions->registerRows(u"S"_s);
        QCOMPARE(ids(rows), (QStringList{QString(), u"pay"_s, u"rent"_s}));
        QCOMPARE(balances(rows), (QList<CheckedSum>{100000, 101000, 98500}));
        const Transaction& opening = rows.at(0).transaction;
        QCOMPARE(opening.date, QDate(2024, 1, 2));
        QCOMPARE(opening.payee, u"Opening Balance"_s);
        QVERIFY(opening.cleared && opening.reconciled);
        QCOMPARE(rows.at(1).categoryName, u"Salary"_s);
        const QList<RegisterRow> openingOnly = m_transactions->registerRows(u"N"_s);
        QCOMPARE(openingOnly.size(), 1);
        QCOMPARE(openingOnly.at(0).transaction.date, Clock::today());
        QCOMPARE(openingOnly.at(0).runningBalance, CheckedSum(-5000));

        const QHash<QString, CheckedSum> sums = m_transactions->balances();
        for (const QString& id : {u"S"_s, u"N"_s, u"Z"_s})
            QCOMPARE(sums.value(id), m_transactions->registerRows(id).constLast().runningBalance);
        QVERIFY(!sums.contains(u"D"_s));
        for (const QString& id : sums.keys())
            QCOMPARE(m_transactions->balance(id), std::optional<CheckedSum>(sums.value(id)));
        QVERIFY(!m_transactions->balance(u"no such account"_s));
    }

    void sameDateRowsListInCreationOrder()
    {
        const QDate day(2024, 4, 1);
        // Ids sort the other way round from the creation stamps.
        QVERIFY(m_transactions->insert(makeTransaction(u"a-third"_s, u"A"_s, day, -3, u"2024-04-01T10:00:02Z"_s)));
        QVERIFY(m_transactions->insert(makeTransaction(u"b-first"_s, u"A"_s, day, -1, u"2024-04-01T10:00:00Z"_s)));
        QVERIFY(m_transactions->insert(makeTransaction(u"c-second"_s, u"A"_s, day, -2, u"2024-04-01T10:00:01Z"_s)));
        Transaction settled = makeTransaction(u"d-earlier"_s, u"A"_s, day.addDays(-1), 100, u"2024-04-02T00:00:00Z"_s);
        settled.reconciled = true;
        QVERIFY(m_transactions->insert(settled));

        const QList<RegisterRow> rows = m_transactions->registerRows(u"A"_s);
        QCOMPARE(ids(rows), (QStringList{u"d-earlier"_s, u"b-first"_s, u"c-second"_s, u"a-third"_s}));
        QCOMPARE(balances(rows), (QList<CheckedSum>{100, 99, 97, 94}));

        Transaction sameName = makeTransaction(u"e"_s, u"A"_s, day, -4, u"2024-04-01T10:00:03Z"_s);
        sameName.payee = u"Payee b-first"_s;
        QVERIFY(m_transactions->insert(sameName));
        QCOMPARE(m_transactions->lastByPayee(u"Payee b-first"_s, u"A"_s)->id, u"e"_s);
        QVERIFY(!m_transactions->lastByPayee(u"Payee b-first"_s, u"B"_s));
        QVERIFY(!m_transactions->lastByPayee(u"payee b-first"_s, u"A"_s));
    }

    void failedWritesLogAndStaySilent()
    {
        QVERIFY(addTransaction(u"t"_s, u"A"_s, QDate(2024, 1, 1), -100));
        QSignalSpy changed(m_transactions.get(), &TransactionRepository::transactionsChanged);

        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(u"^TransactionRepository::insert failed: .*UNIQUE"_s));
        QVERIFY(!addTransaction(u"t"_s, u"A"_s, QDate(2024, 2, 2), -999));

        Transaction unknownCategory = *m_transactions->byId(u"t"_s);
        unknownCategory.categoryId = u"no-such-category"_s;
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(u"^TransactionRepository::update failed: .*FOREIGN KEY"_s));
        QVERIFY(!m_transactions->update(unknownCategory));

        QTest::ignoreMessage(QtWarningMsg, "TransactionRepository::update failed: no row has this id");
        QVERIFY(!m_transactions->update(makeTransaction(u"gone"_s, u"A"_s, QDate(2024, 1, 1), -1)));

        QCOMPARE(changed.count(), 0);
        QVERIFY(m_transactions->byId(u"t"_s)->categoryId.isEmpty());
    }

    void nestedWritesCommitTogetherAndAnnounceOnce()
    {
        addAccount(u"B"_s);
        const Transaction from = makeTransaction(u"from"_s, u"A"_s, QDate(2024, 1, 1), -5000);
        const Transaction to = makeTransaction(u"to"_s, u"B"_s, QDate(2024, 1, 1), 5000);
        const Transaction second = makeTransaction(u"second"_s, u"A"_s, QDate(2024, 1, 2), -1);
        QSignalSpy changed(m_transactions.get(), &TransactionRepository::transactionsChanged);

        // An inner level that fails is undone alone; the outer work goes on.
        QVERIFY(database()->inTransaction([&] {
            const bool inner = database()->inTransaction([&] { return m_transactions->insert(to) && false; });
            return !inner && m_transactions->insert(from) && m_transactions->insert(second) && changed.isEmpty();
        }));
        QVERIFY(m_transactions->byId(u"from"_s));
        QVERIFY(!m_transactions->byId(u"to"_s));
        // After the commit: once per account, and never for the undone row's account.
        QCOMPARE(firstArguments(changed), QStringList{u"A"_s});

        // A failed outer level keeps nothing and announces nothing.
        changed.clear();
        QVERIFY(!database()->inTransaction([&] { return m_transactions->insert(to) && false; }));
        QVERIFY(!m_transactions->byId(u"to"_s));
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
        addAccount(u"L"_s, startingBalance);
        QVERIFY(addTransaction(u"a1"_s, u"A"_s, QDate(2024, 1, 1), 4200));
        for (int day = 0; day < amounts.size(); ++day) {
            const QString id = u"l%1"_s.arg(day);
            QVERIFY(addTransaction(id, u"L"_s, QDate(2024, 1, 1 + day), 0));
            // Straight into the database, as no screen of the program would write it.
            QVERIFY(execute(database(), u"UPDATE transactions SET amount = %1 WHERE id = '%2'"_s.arg(amounts[day]).arg(id)));
        }

        QList<RegisterRow> rows = m_transactions->registerRows(u"L"_s);
        if (startingBalance != 0)
            rows.removeFirst();
        QCOMPARE(balances(rows), runningBalances);
        const QHash<QString, CheckedSum> sums = m_transactions->balances();
        QCOMPARE(sums.value(u"L"_s, qint64(-1)), runningBalances.constLast());
        QCOMPARE(sums.value(u"A"_s), CheckedSum(4200));
        QCOMPARE(m_transactions->balance(u"L"_s), std::optional<CheckedSum>(runningBalances.constLast()));
    }
};

QTEST_GUILESS_MAIN(RepositoriesTest)
#include "tst_repositories.moc"
