#include "app/appstate.h"
#include "bookkeeping/accountservice.h"
#include "bookkeeping/transactionservice.h"
#include "storage/accountrepository.h"
#include "storage/database.h"
#include "storage/transactionrepository.h"
#include "support/storagetesting.h"
#include "support/testworld.h"

#include <QtTest>

namespace {

TransactionEntry entry(const QString& payee, qint64 amount, const QString& transferAccountId = QString())
{
    TransactionEntry e;
    e.date = QDate(2024, 3, 1);
    e.payee = payee;
    e.amount = amount;
    e.transferAccountId = transferAccountId;
    return e;
}

} // namespace

class TransactionServiceTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init()
    {
        m_world = std::make_unique<TestWorld>();
        m_checking = m_world->addAccount(QStringLiteral("Checking"), Currency::USD).id;
        m_savings = m_world->addAccount(QStringLiteral("Savings"), Currency::USD).id;
        m_card = m_world->addAccount(QStringLiteral("Card"), Currency::USD).id;
    }
    void cleanup() { m_world.reset(); }

    void editsKeepTransferLegsPaired_data()
    {
        QTest::addColumn<bool>("startsAsTransfer");
        QTest::addColumn<QString>("newTarget"); // "savings", "card" or empty
        QTest::addColumn<QString>("payee");
        QTest::addColumn<int>("liveInSavings");
        QTest::addColumn<int>("liveInCard");

        QTest::newRow("plain row typed into a transfer") << false << "savings" << "Transfer to Savings" << 1 << 0;
        QTest::newRow("transfer moved to another account") << true << "card" << "Transfer to Card" << 0 << 1;
        QTest::newRow("same target: the other leg follows") << true << "savings" << "Transfer to Savings" << 1 << 0;
        QTest::newRow("transfer edited without a target") << true << "" << "Transfer to Savings" << 1 << 0;
        QTest::newRow("plain row stays plain") << false << "" << "Grocer" << 0 << 0;
    }
    void editsKeepTransferLegsPaired()
    {
        QFETCH(bool, startsAsTransfer);
        QFETCH(QString, newTarget);
        QFETCH(QString, payee);
        QFETCH(int, liveInSavings);
        QFETCH(int, liveInCard);
        const QString target = newTarget == QLatin1String("savings") ? m_savings : newTarget == QLatin1String("card") ? m_card : QString();

        const WriteOutcome created = service()->create(m_checking,
            entry(QStringLiteral("Grocer"), -2500, startsAsTransfer ? m_savings : QString()));
        QVERIFY(created.ok());
        TransactionEntry changed = entry(stored(created.id).payee, -4000, target);
        changed.date = QDate(2024, 4, 2);
        QVERIFY(service()->edit(stored(created.id), changed).ok());

        const Transaction edited = stored(created.id);
        QCOMPARE(edited.payee, payee);
        QCOMPARE(edited.amount, qint64(-4000));
        QCOMPARE(live(m_savings).size(), liveInSavings);
        QCOMPARE(live(m_card).size(), liveInCard);
        if (liveInSavings + liveInCard > 0)
            verifyPaired(created.id, liveInSavings ? m_savings : m_card);
    }
    // The register test covers a row changed elsewhere; only here can one be deleted meanwhile.
    void refusesAnEditOfARowDeletedSinceItWasRead()
    {
        const WriteOutcome created = service()->create(m_checking, entry(QStringLiteral("Grocer"), -2500));
        const Transaction loaded = stored(created.id);
        QVERIFY(state()->transactions()->softDelete(loaded.id));
        const WriteOutcome outcome = service()->edit(loaded, entry(QStringLiteral("Grocer"), -2500));
        QCOMPARE(outcome.status, WriteOutcome::Status::ChangedElsewhere);
        QVERIFY(outcome.message.contains(QStringLiteral("deleted")));
        QVERIFY(stored(created.id).deletedAt);
    }
    void deletingAStaleCopyTakesTheCurrentCounterpart()
    {
        TransactionService* service = m_world->appState.transactionService();
        const WriteOutcome created = service->create(m_checking, entry(QStringLiteral("[Transfer] Savings"), -100, m_savings));
        const Transaction stale = *m_world->appState.transactions()->byId(created.id);
        // Moved to the card meanwhile (by this screen's other row, or by sync).
        QVERIFY(service->edit(stale, entry(stale.payee, -100, m_card)).ok());
        QVERIFY(service->remove(stale).ok());
        QVERIFY(m_world->stored(m_card).isEmpty());
        QVERIFY(m_world->stored(m_checking).isEmpty());
    }
    void aFailedSecondWriteKeepsNeitherLeg()
    {
        // The counterpart goes in first; the row of the register's own account
        // is then refused, as a full disk or a lock would.
        QVERIFY(execute(database(),
            QStringLiteral("CREATE TEMP TRIGGER refuse_checking BEFORE INSERT ON transactions WHEN NEW.account_id = '%1' "
                           "BEGIN SELECT RAISE(ABORT, 'refused'); END")
                .arg(m_checking)));
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("^TransactionRepository::insert failed: refused")));
        const WriteOutcome outcome = service()->create(m_checking, entry(QStringLiteral("[Transfer] Savings"), -100, m_savings));
        QCOMPARE(outcome.status, WriteOutcome::Status::Failed);
        QVERIFY(live(m_savings).isEmpty());
        QVERIFY(live(m_checking).isEmpty());
        QVERIFY(!database()->isInTransaction());
    }
    void namesTheCauseOfAFailedWrite_data()
    {
        QTest::addColumn<QString>("pragma");
        QTest::addColumn<QString>("message");
        QTest::newRow("disk full") << "PRAGMA max_page_count = %1" << "The disk is full.";
        QTest::newRow("read-only") << "PRAGMA query_only = 1" << "The data file is read-only.";
    }
    void namesTheCauseOfAFailedWrite()
    {
        QFETCH(QString, pragma);
        QFETCH(QString, message);
        const int pages = scalar(database(), QStringLiteral("PRAGMA page_count")).toInt();
        QVERIFY(execute(database(), pragma.contains(QLatin1String("%1")) ? pragma.arg(pages) : pragma));
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("failed:")));

        // A transfer big enough to need new pages.
        TransactionEntry big = entry(QStringLiteral("[Transfer] Savings"), -100, m_savings);
        big.memo = QString(200000, QLatin1Char('x'));
        const WriteOutcome outcome = service()->create(m_checking, big);
        QCOMPARE(outcome.status, WriteOutcome::Status::Failed);
        QCOMPARE(outcome.message, message);
    }
    void createsAnAccountWithItsOpeningBalanceOrNothing()
    {
        Account entered;
        entered.name = QStringLiteral("Travel");
        entered.startingBalance = 12345;
        QVERIFY(state()->accountService()->create(entered, QDate(2024, 1, 1)).ok());
        QVERIFY(execute(database(),
            QStringLiteral("CREATE TEMP TRIGGER refuse_opening BEFORE INSERT ON transactions "
                           "BEGIN SELECT RAISE(ABORT, 'refused'); END")));
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("^TransactionRepository::insert failed: refused")));
        entered.name = QStringLiteral("Holiday");
        QCOMPARE(state()->accountService()->create(entered, QDate(2024, 1, 1)).status, WriteOutcome::Status::Failed);
        QCOMPARE(state()->accounts()->all().size(), 4); // the three of init() and Travel
    }
    void deletesAnAccountWithEverythingInItOrNothing()
    {
        QVERIFY(service()->create(m_checking, entry(QStringLiteral("Grocer"), -100)).ok());
        QVERIFY(service()->create(m_checking, entry(QStringLiteral("[Transfer] Savings"), -100, m_savings)).ok());

        // The last statement of the cascade fails: the rows deleted before it come back.
        QVERIFY(execute(database(),
            QStringLiteral("CREATE TEMP TRIGGER refuse_account BEFORE UPDATE OF deleted_at ON accounts "
                           "BEGIN SELECT RAISE(ABORT, 'refused'); END")));
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("^AccountRepository::softDelete failed: refused")));
        QCOMPARE(state()->accountService()->remove(m_checking).status, WriteOutcome::Status::Failed);
        QCOMPARE(live(m_checking).size(), 2);

        QVERIFY(execute(database(), QStringLiteral("DROP TRIGGER refuse_account")));
        QVERIFY(state()->accountService()->remove(m_checking).ok());
        QVERIFY(live(m_checking).isEmpty());
        QVERIFY(state()->accounts()->byId(m_checking)->deletedAt);
    }

private:
    AppState* state() { return &m_world->appState; }
    TransactionService* service() { return state()->transactionService(); }
    Database* database() { return state()->database(); }
    Transaction stored(const QString& id) { return *state()->transactions()->byId(id); }
    QList<Transaction> live(const QString& accountId) { return state()->transactions()->byAccount(accountId); }
    // Asserts that both legs of the transfer `id` link each other and balance.
    void verifyPaired(const QString& id, const QString& expectedOtherAccount)
    {
        const Transaction leg = stored(id);
        const std::optional<Transaction> other = state()->transactions()->byId(leg.transferLinkId);
        QVERIFY(other);
        QVERIFY(!other->deletedAt);
        QCOMPARE(other->accountId, expectedOtherAccount);
        QCOMPARE(other->transferLinkId, leg.id);
        QCOMPARE(leg.transferDestAccountId, expectedOtherAccount);
        QCOMPARE(other->transferDestAccountId, leg.accountId);
        QCOMPARE(other->amount, -leg.amount);
        QCOMPARE(other->date, leg.date);
    }

    std::unique_ptr<TestWorld> m_world;
    QString m_checking;
    QString m_savings;
    QString m_card;
};

QTEST_MAIN(TransactionServiceTest)
#include "tst_transactionservice.moc"
