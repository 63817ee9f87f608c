#include "storage/accountrepository.h"
#include "storage/clock.h"
#include "storage/database.h"
#include "storage/recurringrepository.h"
#include "support/storagetesting.h"
#include "support/testdatabase.h"

#include <QRegularExpression>
#include <QSignalSpy>
#include <QtTest>
#include <memory>

class RecurringRepositoryTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void warnsButSavesABrokenNextDueDate_data();
    void warnsButSavesABrokenNextDueDate();
    void init();
    void cleanup();

    void roundTripsEveryField();
    void storesMissingEndDateAndCategoryAsNull();
    void readsUnknownStoredTextsAsTheFallbacks();
    void dueListsLiveActiveRulesUpToToday();
    void listsLiveRulesSoonestDueFirst();
    void cascadeRestoreRevivesOnlyTheLastTenSeconds();
    void resyncMarksOnlyLiveRowsThatAreNotPending();

private:
    std::unique_ptr<TestDatabase> m_test;
    std::unique_ptr<AccountRepository> m_accounts;
    std::unique_ptr<RecurringRepository> m_rules;
    Database* database() const { return m_test->database(); }
};

void RecurringRepositoryTest::init()
{
    QTest::failOnWarning(QRegularExpression(QStringLiteral(".*")));
    m_test = std::make_unique<TestDatabase>();
    m_accounts = std::make_unique<AccountRepository>(m_test->database());
    m_rules = std::make_unique<RecurringRepository>(m_test->database());
    for (const QString& id : {QStringLiteral("A"), QStringLiteral("B")})
        QVERIFY(m_accounts->insert(makeAccount(id, id, 0, QStringLiteral("2024-01-01T00:00:00Z"))));
}

void RecurringRepositoryTest::cleanup()
{
    m_rules.reset();
    m_accounts.reset();
    m_test.reset();
    Clock::reset();
}

void RecurringRepositoryTest::roundTripsEveryField()
{
    QVERIFY(execute(database(), QStringLiteral("INSERT INTO categories (id, name, created_at, updated_at) VALUES ('rent', 'Rent', 'c', 'u')")));
    RecurringTransaction rule;
    rule.id = QStringLiteral("rule-1");
    rule.accountId = QStringLiteral("A");
    rule.payee = QStringLiteral("Landlord");
    rule.memo = QStringLiteral("flat 3");
    rule.amount = -150000;
    rule.categoryId = QStringLiteral("rent");
    rule.frequency = Frequency::SemiAnnual;
    rule.startDate = QDate(2024, 1, 31);
    rule.endDate = QDate(2026, 12, 31);
    rule.nextDueDate = QDate(2024, 7, 31);
    rule.autoPost = true;
    rule.isActive = false;
    rule.transferDestAccountId = QStringLiteral("B");
    rule.version = 6;
    rule.syncStatus = SyncStatus::Synced;
    rule.serverId = QStringLiteral("srv-r");
    rule.createdAt = utc(QStringLiteral("2024-01-31T07:00:00Z"));
    rule.updatedAt = utc(QStringLiteral("2024-02-01T07:00:00Z"));
    RecurringTransaction update = rule;
    update.nextDueDate = QDate(2025, 1, 31);
    update.endDate.reset();
    update.frequency = Frequency::Quarterly;
    update.autoPost = false;
    update.isActive = true;
    update.version = 7;
    update.updatedAt = utc(QStringLiteral("2024-08-01T07:00:00Z"));
    QSignalSpy changed(m_rules.get(), &RecurringRepository::recurringChanged);

    verifyRoundTrip(*m_rules, changed, rule, update);
    QCOMPARE(scalar(database(), QStringLiteral("SELECT frequency || ' ' || (end_date IS NULL) FROM recurring_transactions")).toString(),
        QStringLiteral("quarterly 1"));
}

void RecurringRepositoryTest::storesMissingEndDateAndCategoryAsNull()
{
    RecurringTransaction rule = makeRecurring(QStringLiteral("r"), QDate(2024, 2, 1));
    rule.payee = QString();
    QVERIFY(m_rules->insert(rule));

    QVERIFY(scalar(database(), QStringLiteral("SELECT end_date IS NULL AND category_id IS NULL AND payee = '' FROM recurring_transactions")).toBool());
    const std::optional<RecurringTransaction> stored = m_rules->byId(QStringLiteral("r"));
    QVERIFY(stored);
    QVERIFY(!stored->endDate);
    QVERIFY(stored->categoryId.isEmpty());
}

void RecurringRepositoryTest::readsUnknownStoredTextsAsTheFallbacks()
{
    QVERIFY(execute(database(), QStringLiteral(
        "INSERT INTO recurring_transactions (id, account_id, payee, amount, frequency, start_date, end_date, next_due_date, "
        "sync_status, created_at, updated_at) VALUES ('x', 'A', 'Odd', 1, 'weird', '2024-01-01', '', '2024-02-01', 'weird', "
        "'2024-01-01T00:00:00Z', '2024-01-01T00:00:00Z')")));

    const std::optional<RecurringTransaction> stored = m_rules->byId(QStringLiteral("x"));
    QVERIFY(stored);
    QCOMPARE(stored->frequency, Frequency::Monthly);
    QCOMPARE(stored->syncStatus, SyncStatus::Pending);
    QVERIFY(!stored->endDate);
}

void RecurringRepositoryTest::dueListsLiveActiveRulesUpToToday()
{
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
    due = ids(m_rules->due());
    due.sort();
    QCOMPARE(due, (QStringList{QStringLiteral("overdue"), QStringLiteral("today"), QStringLiteral("tomorrow")}));
}

void RecurringRepositoryTest::listsLiveRulesSoonestDueFirst()
{
    QVERIFY(m_rules->insert(makeRecurring(QStringLiteral("december"), QDate(2024, 12, 1))));
    QVERIFY(m_rules->insert(makeRecurring(QStringLiteral("february"), QDate(2024, 2, 1))));
    QVERIFY(m_rules->insert(makeRecurring(QStringLiteral("next-year"), QDate(2025, 1, 15))));
    QVERIFY(m_rules->insert(makeRecurring(QStringLiteral("october"), QDate(2024, 10, 1))));
    QVERIFY(m_rules->insert(makeRecurring(QStringLiteral("deleted"), QDate(2024, 1, 1))));
    QVERIFY(m_rules->softDelete(QStringLiteral("deleted")));

    QCOMPARE(ids(m_rules->all()),
        (QStringList{QStringLiteral("february"), QStringLiteral("october"), QStringLiteral("december"), QStringLiteral("next-year")}));
    QCOMPARE(m_rules->pending().size(), 5);
    QVERIFY(m_rules->byId(QStringLiteral("deleted"))->deletedAt.has_value());
}

void RecurringRepositoryTest::cascadeRestoreRevivesOnlyTheLastTenSeconds()
{
    QSignalSpy changed(m_rules.get(), &RecurringRepository::recurringChanged);
    verifyCascadeRestore(*m_rules, changed,
        [](const QString& id, const QString& accountId) { return makeRecurring(id, QDate(2024, 6, 1), accountId); });
    QStringList live = ids(m_rules->all());
    live.sort();
    QCOMPARE(live, (QStringList{QStringLiteral("elsewhere"), QStringLiteral("last"), QStringLiteral("late")}));
}

void RecurringRepositoryTest::resyncMarksOnlyLiveRowsThatAreNotPending()
{
    QSignalSpy changed(m_rules.get(), &RecurringRepository::recurringChanged);
    verifyResync(
        *m_rules, changed, [](const QString& id) { return makeRecurring(id, QDate(2024, 6, 1)); },
        [this](const QString& id) { return m_rules->softDelete(id); });
}

void RecurringRepositoryTest::warnsButSavesABrokenNextDueDate_data()
{
    QTest::addColumn<QDate>("nextDueDate");
    QTest::addColumn<QString>("shownDate");
    QTest::newRow("before 2000") << QDate(1999, 12, 31) << QStringLiteral("1999-12-31");
    QTest::newRow("invalid") << QDate() << QString();
}

void RecurringRepositoryTest::warnsButSavesABrokenNextDueDate()
{
    QFETCH(QDate, nextDueDate);
    QFETCH(QString, shownDate);
    RecurringTransaction rule = makeRecurring(QStringLiteral("broken"), nextDueDate);
    rule.frequency = Frequency::Weekly;
    QSignalSpy changed(m_rules.get(), &RecurringRepository::recurringChanged);

    const QString details = QStringLiteral(" saving recurring with broken nextDueDate: id=broken payee=Rule broken nextDueDate=%1 "
                                           "startDate=2024-01-01 frequency=1$")
                                .arg(shownDate);
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("^RecurringRepository::insert") + details));
    QVERIFY(m_rules->insert(rule));
    QCOMPARE(changed.count(), 1);
    QCOMPARE(scalar(database(), QStringLiteral("SELECT next_due_date FROM recurring_transactions WHERE id = 'broken'")).toString(),
        shownDate);

    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("^RecurringRepository::update") + details));
    QVERIFY(m_rules->update(rule));
    QCOMPARE(changed.count(), 2);

    // The first valid date is not broken.
    rule.nextDueDate = QDate(2000, 1, 1);
    QVERIFY(m_rules->update(rule));
}

QTEST_GUILESS_MAIN(RecurringRepositoryTest)
#include "tst_recurringrepository.moc"
