// Posting recurring rules: how a rule moves on, when it must not post, how
// far auto-post catches up, and that a transfer posts both legs or neither.

#include "services/recurring/recurringservice.h"
#include "storage/identifiers.h"
#include "storage/recurringrepository.h"
#include "support/storagetesting.h"
#include "support/testworld.h"

namespace {

const QDate today = TestWorld::now().date();

} // namespace

class RecurringServiceTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init()
    {
        m_world = std::make_unique<TestWorld>();
        m_checking = m_world->addAccount(QStringLiteral("Checking")).id;
    }
    void cleanup() { m_world.reset(); }

    void confirmPostsAndMovesOn_data()
    {
        QTest::addColumn<int>("frequency");
        QTest::addColumn<QDate>("due");
        QTest::addColumn<QDate>("end");
        QTest::addColumn<QDate>("next");
        QTest::addColumn<bool>("active");
        const auto row = [](const char* name, Frequency frequency, QDate due, QDate next, QDate end = {}, bool active = true) {
            QTest::newRow(name) << int(frequency) << due << end << next << active;
        };
        row("monthly from the 31st", Frequency::Monthly, QDate(2024, 1, 31), QDate(2024, 2, 29));
        row("the lost day stays lost", Frequency::Monthly, QDate(2024, 2, 29), QDate(2024, 3, 29));
        row("quarterly into February", Frequency::Quarterly, QDate(2023, 11, 30), QDate(2024, 2, 29));
        row("semi-annual into February", Frequency::SemiAnnual, QDate(2023, 8, 31), QDate(2024, 2, 29));
        row("annual from a leap day", Frequency::Annual, QDate(2024, 2, 29), QDate(2025, 2, 28));
        row("bi-weekly", Frequency::Biweekly, QDate(2024, 5, 1), QDate(2024, 5, 15));
        row("weekly", Frequency::Weekly, QDate(2024, 5, 1), QDate(2024, 5, 8));
        row("daily", Frequency::Daily, QDate(2024, 5, 20), QDate(2024, 5, 21));
        row("due again on its end date", Frequency::Monthly, QDate(2024, 3, 10), QDate(2024, 4, 10), QDate(2024, 4, 10));
        row("past its end date", Frequency::Monthly, QDate(2024, 3, 10), QDate(2024, 4, 10), QDate(2024, 4, 9), false);
    }
    void confirmPostsAndMovesOn()
    {
        QFETCH(int, frequency);
        QFETCH(QDate, due);
        QFETCH(QDate, end);
        QFETCH(QDate, next);
        QFETCH(bool, active);
        RecurringTransaction rule = makeRecurring(newId(), due, m_checking);
        rule.frequency = Frequency(frequency);
        rule.endDate = end.isValid() ? std::optional(end) : std::nullopt;
        QVERIFY(m_world->appState.recurring()->insert(rule));

        QVERIFY(service()->confirm(rule).ok());
        const std::optional<Transaction> posted = m_world->onlyTransaction(m_checking);
        QVERIFY(posted);
        QCOMPARE(posted->id, recurringPostingId(rule.id, due));
        QCOMPARE(posted->date, due);
        QCOMPARE(posted->recurringId, rule.id);
        QCOMPARE(stored(rule).nextDueDate, next);
        QCOMPARE(stored(rule).isActive, active);
    }

    // Another device's copy of the rule, still at the occurrence this one
    // posted: the second post adds nothing and leaves the rule as it was.
    void aSecondPostOfOneOccurrenceAddsNothing()
    {
        const RecurringTransaction copy = makeRecurring(newId(), QDate(2024, 5, 1), m_checking);
        QVERIFY(m_world->appState.recurring()->insert(copy));
        QVERIFY(service()->confirm(copy).ok());
        QVERIFY(m_world->appState.recurring()->update(copy));

        const WriteOutcome second = service()->confirm(copy);
        QCOMPARE(second.status, WriteOutcome::Status::Refused);
        QVERIFY(second.message.contains(QStringLiteral("already in the register")));
        QCOMPARE(m_world->stored(m_checking).size(), 1);
        QCOMPARE(stored(copy).nextDueDate, QDate(2024, 5, 1));
    }

    void rulesThatMustNotPostAreMadeInactive_data()
    {
        QTest::addColumn<QDate>("start");
        QTest::addColumn<QDate>("due");
        QTest::addColumn<QDate>("end");
        QTest::newRow("broken date") << QDate(1999, 12, 1) << QDate(1999, 12, 31) << QDate();
        QTest::newRow("already past its end") << QDate(2024, 1, 1) << QDate(2024, 5, 1) << QDate(2024, 4, 30);
        QTest::newRow("ends before it starts") << QDate(2024, 5, 10) << QDate(2024, 5, 10) << QDate(2024, 5, 1);
    }
    void rulesThatMustNotPostAreMadeInactive()
    {
        QFETCH(QDate, start);
        QFETCH(QDate, due);
        QFETCH(QDate, end);
        RecurringTransaction confirmed = makeRecurring(newId(), due, m_checking);
        confirmed.startDate = start;
        confirmed.endDate = end.isValid() ? std::optional(end) : std::nullopt;
        RecurringTransaction autoPosted = confirmed;
        autoPosted.id = newId();
        autoPosted.autoPost = true;
        QVERIFY(m_world->appState.recurring()->insert(confirmed) && m_world->appState.recurring()->insert(autoPosted));

        QCOMPARE(service()->confirm(confirmed).status, WriteOutcome::Status::Refused);
        const RecurringRunResult run = service()->autoPostDue();
        QCOMPARE(run.posted, 0);
        QCOMPARE(run.problems.size(), 1);
        QVERIFY(m_world->stored(m_checking).isEmpty());
        QVERIFY(!stored(confirmed).isActive && !stored(autoPosted).isActive);
        QCOMPARE(service()->pendingCount(), 0);
    }

    void autoPostCatchesUpToACap_data()
    {
        QTest::addColumn<int>("daysBehind");
        QTest::addColumn<int>("posted");
        QTest::addColumn<bool>("active");
        QTest::newRow("due today") << 0 << 1 << true;
        QTest::newRow("363 days") << 363 << 364 << true;
        QTest::newRow("364 days: up to date, yet stopped") << 364 << 365 << false;
        QTest::newRow("400 days: stopped at the cap") << 400 << 366 << false;
    }
    void autoPostCatchesUpToACap()
    {
        QFETCH(int, daysBehind);
        QFETCH(int, posted);
        QFETCH(bool, active);
        RecurringTransaction rule = makeRecurring(newId(), today.addDays(-daysBehind), m_checking);
        rule.frequency = Frequency::Daily;
        rule.autoPost = true;
        const RecurringTransaction byHand = makeRecurring(newId(), QDate(2024, 5, 1), m_checking);
        QVERIFY(m_world->appState.recurring()->insert(rule) && m_world->appState.recurring()->insert(byHand));

        const RecurringRunResult run = service()->autoPostDue();
        QCOMPARE(run.posted, posted);
        QCOMPARE(run.problems.size(), active ? 0 : 1);
        QCOMPARE(m_world->stored(m_checking).size(), posted);
        QCOMPARE(stored(rule).nextDueDate, rule.nextDueDate.addDays(posted));
        QCOMPARE(stored(rule).isActive, active);
        QCOMPARE(stored(byHand).nextDueDate, byHand.nextDueDate);
    }

    void aTransferPostsBothLegsOrNothing_data()
    {
        QTest::addColumn<QString>("destination");
        QTest::addColumn<QString>("refusal");
        QTest::newRow("same currency") << "USD" << QString();
        QTest::newRow("other currency") << "JPY" << "Transfers require both accounts to use the same currency";
        QTest::newRow("deleted") << "deleted" << "Transfer account not found";
        QTest::newRow("missing") << "missing" << "Transfer account not found";
        QTest::newRow("its insert fails") << "failing" << "The data file could not be written.";
    }
    void aTransferPostsBothLegsOrNothing()
    {
        QFETCH(QString, destination);
        QFETCH(QString, refusal);
        const Account savings = m_world->addAccount(QStringLiteral("Savings"), destination == u"JPY" ? Currency::JPY : Currency::USD);
        if (destination == u"deleted")
            QVERIFY(m_world->appState.accounts()->softDelete(savings.id));
        if (destination == u"failing")
            QVERIFY(execute(m_world->appState.database(),
                QStringLiteral("CREATE TRIGGER fail_savings BEFORE INSERT ON transactions WHEN NEW.account_id = '%1' "
                               "BEGIN SELECT RAISE(ABORT, 'refused'); END").arg(savings.id)));
        RecurringTransaction rule = makeRecurring(newId(), QDate(2024, 5, 1), m_checking);
        rule.transferDestAccountId = destination == u"missing" ? newId() : savings.id;
        QVERIFY(m_world->appState.recurring()->insert(rule));

        const WriteOutcome outcome = service()->confirm(rule);
        QCOMPARE(outcome.ok(), refusal.isEmpty());
        QVERIFY2(outcome.message.startsWith(refusal), qPrintable(outcome.message));
        if (!refusal.isEmpty()) {
            QVERIFY(m_world->stored(m_checking).isEmpty() && m_world->stored(savings.id).isEmpty());
            QCOMPARE(stored(rule).nextDueDate, rule.nextDueDate);
            return;
        }
        const std::optional<Transaction> source = m_world->onlyTransaction(m_checking);
        const std::optional<Transaction> counterpart = m_world->onlyTransaction(savings.id);
        QVERIFY(source && counterpart);
        QCOMPARE(counterpart->id, recurringPostingId(rule.id, rule.nextDueDate, QStringLiteral("dest")));
        QCOMPARE(source->transferLinkId, counterpart->id);
        QCOMPARE(counterpart->transferLinkId, source->id);
        QCOMPARE(counterpart->amount, -source->amount);
        QCOMPARE(counterpart->recurringId, rule.id);
        QCOMPARE(stored(rule).nextDueDate, QDate(2024, 6, 1));
    }

private:
    RecurringService* service() { return m_world->appState.recurringService(); }
    RecurringTransaction stored(const RecurringTransaction& rule)
    {
        return m_world->appState.recurring()->byId(rule.id).value_or(RecurringTransaction());
    }

    std::unique_ptr<TestWorld> m_world;
    QString m_checking;
};

QTEST_MAIN(RecurringServiceTest)
#include "tst_recurringservice.moc"
