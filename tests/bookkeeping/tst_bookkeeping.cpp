// The rules every writer shares, whatever screen saves: transfers keep both
// legs, a change is whole or not at all and says why it failed, an account
// keeps a name of its own, a place at the end and its scale of amounts.

#include "app/appstate.h"
#include "bookkeeping/accountservice.h"
#include "bookkeeping/transactionservice.h"
#include "storage/database.h"
#include "support/storagetesting.h"
#include "support/testworld.h"

using namespace Qt::StringLiterals;

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

class BookkeepingTest : public QObject
{
    Q_OBJECT

    std::unique_ptr<TestWorld> m_world;
    QString m_checking;
    QString m_savings;
    QString m_card;
    AppState* state() { return &m_world->appState; }
    TransactionService* transactions() { return state()->transactionService(); }
    AccountService* accounts() { return state()->accountService(); }
    Database* database() { return state()->database(); }
    Transaction stored(const QString& id) { return *state()->transactions()->byId(id); }
    QList<Transaction> live(const QString& accountId) { return state()->transactions()->byAccount(accountId); }
    // Refuses every statement `when` matches with "refused", as a full disk or a lock would.
    void refuse(const QString& when, const char* warning)
    {
        QVERIFY(execute(database(), u"CREATE TEMP TRIGGER refuse %1 BEGIN SELECT RAISE(ABORT, 'refused'); END"_s.arg(when)));
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QLatin1String(warning) + u" failed: refused"_s));
    }

private Q_SLOTS:
    void init()
    {
        m_world = std::make_unique<TestWorld>();
        m_checking = m_world->addAccount(u"Checking"_s).id;
        m_savings = m_world->addAccount(u"Savings"_s).id;
        m_card = m_world->addAccount(u"Card"_s).id;
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

        const WriteOutcome created = transactions()->create(m_checking, entry(u"Grocer"_s, -2500, startsAsTransfer ? m_savings : QString()));
        QVERIFY(created.ok());
        TransactionEntry changed = entry(stored(created.id).payee, -4000, target);
        changed.date = QDate(2024, 4, 2);
        QVERIFY(transactions()->edit(stored(created.id), changed).ok());

        const Transaction leg = stored(created.id);
        QCOMPARE(leg.payee, payee);
        QCOMPARE(leg.amount, qint64(-4000));
        QCOMPARE(live(m_savings).size(), liveInSavings);
        QCOMPARE(live(m_card).size(), liveInCard);
        if (liveInSavings + liveInCard == 0)
            return;
        // Both legs link each other and balance (the crash safety test checks
        // the account each names on every transfer it makes).
        const std::optional<Transaction> other = state()->transactions()->byId(leg.transferLinkId);
        QVERIFY(other && !other->deletedAt);
        QCOMPARE(other->accountId, liveInSavings ? m_savings : m_card);
        QCOMPARE(other->transferLinkId, leg.id);
        QCOMPARE(other->amount, -leg.amount);
        QCOMPARE(other->date, leg.date);
    }

    // The register test covers a row changed elsewhere; only here can one be deleted meanwhile.
    void refusesAnEditOfARowDeletedSinceItWasRead()
    {
        const WriteOutcome created = transactions()->create(m_checking, entry(u"Grocer"_s, -2500));
        const Transaction loaded = stored(created.id);
        QVERIFY(state()->transactions()->softDelete(loaded.id));
        const WriteOutcome outcome = transactions()->edit(loaded, entry(u"Grocer"_s, -2500));
        QCOMPARE(outcome.status, WriteOutcome::Status::ChangedElsewhere);
        QVERIFY(outcome.message.contains(u"deleted"_s));
        QVERIFY(stored(created.id).deletedAt);
    }

    void deletingAStaleCopyTakesTheCurrentCounterpart()
    {
        const WriteOutcome created = transactions()->create(m_checking, entry(u"[Transfer] Savings"_s, -100, m_savings));
        const Transaction stale = stored(created.id);
        // Moved to the card meanwhile (by this screen's other row, or by sync).
        QVERIFY(transactions()->edit(stale, entry(stale.payee, -100, m_card)).ok());
        QVERIFY(transactions()->remove(stale).ok());
        QVERIFY(live(m_card).isEmpty());
        QVERIFY(live(m_checking).isEmpty());
    }

    void aFailedSecondWriteKeepsNeitherLeg()
    {
        // The counterpart goes in first; the row of the register's own account is then refused.
        refuse(u"BEFORE INSERT ON transactions WHEN NEW.account_id = '%1'"_s.arg(m_checking), "^TransactionRepository::insert");
        const WriteOutcome outcome = transactions()->create(m_checking, entry(u"[Transfer] Savings"_s, -100, m_savings));
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
        const int pages = scalar(database(), u"PRAGMA page_count"_s).toInt();
        QVERIFY(execute(database(), pragma.contains(QLatin1String("%1")) ? pragma.arg(pages) : pragma));
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(u"failed:"_s));

        // A transfer big enough to need new pages.
        TransactionEntry big = entry(u"[Transfer] Savings"_s, -100, m_savings);
        big.memo = QString(200000, QLatin1Char('x'));
        const WriteOutcome outcome = transactions()->create(m_checking, big);
        QCOMPARE(outcome.status, WriteOutcome::Status::Failed);
        QCOMPARE(outcome.message, message);
    }

    void createsAnAccountWithItsOpeningBalanceOrNothing()
    {
        Account entered;
        entered.name = u"Travel"_s;
        entered.startingBalance = 12345;
        QVERIFY(accounts()->create(entered, QDate(2024, 1, 1)).ok());
        refuse(u"BEFORE INSERT ON transactions"_s, "^TransactionRepository::insert");
        entered.name = u"Holiday"_s;
        QCOMPARE(accounts()->create(entered, QDate(2024, 1, 1)).status, WriteOutcome::Status::Failed);
        QCOMPARE(state()->accounts()->all().size(), 4); // the three of init() and Travel
    }

    void deletesAnAccountWithEverythingInItOrNothing()
    {
        QVERIFY(transactions()->create(m_checking, entry(u"Grocer"_s, -100)).ok());
        QVERIFY(transactions()->create(m_checking, entry(u"[Transfer] Savings"_s, -100, m_savings)).ok());

        // The last statement of the cascade fails: the rows deleted before it
        // come back (the main window test deletes an account whole).
        refuse(u"BEFORE UPDATE OF deleted_at ON accounts"_s, "^AccountRepository::softDelete");
        QCOMPARE(accounts()->remove(m_checking).status, WriteOutcome::Status::Failed);
        QCOMPARE(live(m_checking).size(), 2);
        QCOMPARE(live(m_savings).size(), 1);
        QVERIFY(!state()->accounts()->byId(m_checking)->deletedAt);
    }

    void accountNamesAreRequiredAndUnique_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("accepted");
        QTest::newRow("empty") << u"  "_s << false;
        QTest::newRow("same name in other case") << u" savings "_s << false;
        QTest::newRow("a name of its own") << u"Holiday"_s << true;
    }
    void accountNamesAreRequiredAndUnique()
    {
        QFETCH(QString, name);
        QFETCH(bool, accepted);
        Account checking = *state()->accounts()->byId(m_checking);
        checking.name = name;
        const WriteOutcome renamed = accounts()->update(checking, QDate(2024, 1, 1));
        QCOMPARE(renamed.status, accepted ? WriteOutcome::Status::Done : WriteOutcome::Status::Refused);
        // A new account may not take a name that is taken either.
        Account entered;
        entered.name = accepted ? u"checking"_s : name;
        QCOMPARE(accounts()->create(entered, QDate(2024, 1, 1)).ok(), accepted);
        // Keeping its own name is always fine.
        QVERIFY(accounts()->update(*state()->accounts()->byId(m_checking), QDate(2024, 1, 1)).ok());
    }

    void aNewAccountGoesToTheEnd()
    {
        m_world->addAccount(u"Beta"_s, Currency::USD, 0, 4);
        Account entered;
        entered.name = u"Alpha"_s;
        QVERIFY(accounts()->create(entered, QDate(2024, 1, 1)).ok());
        QCOMPARE(state()->accounts()->all().last().name, u"Alpha"_s);
    }

    void yenAndCentsDoNotMixWhileAmountsAreHeld_data()
    {
        QTest::addColumn<Currency>("from");
        QTest::addColumn<Currency>("to");
        QTest::addColumn<bool>("withTransaction");
        QTest::addColumn<bool>("accepted");
        QTest::newRow("dollars to yen with a transaction") << Currency::USD << Currency::JPY << true << false;
        QTest::newRow("yen to euros with a transaction") << Currency::JPY << Currency::EUR << true << false;
        QTest::newRow("dollars to euros with a transaction") << Currency::USD << Currency::EUR << true << true;
        QTest::newRow("dollars to yen while empty") << Currency::USD << Currency::JPY << false << true;
    }
    void yenAndCentsDoNotMixWhileAmountsAreHeld()
    {
        QFETCH(Currency, from);
        QFETCH(Currency, to);
        QFETCH(bool, withTransaction);
        QFETCH(bool, accepted);
        Account account = m_world->addAccount(u"Main"_s, from);
        if (withTransaction)
            m_world->addTransaction(account.id, QDate(2024, 3, 1), u"Cafe"_s, -1234);
        account.currency = to;
        const WriteOutcome outcome = accounts()->update(account, QDate(2024, 1, 1));
        QCOMPARE(outcome.ok(), accepted);
        QCOMPARE(state()->accounts()->byId(account.id)->currency, accepted ? to : from);
        QCOMPARE(outcome.message.contains(u"yen"_s), !accepted);
    }
};

QTEST_MAIN(BookkeepingTest)
#include "tst_bookkeeping.moc"
