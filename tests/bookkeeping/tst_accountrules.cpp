// The rules an account keeps whatever screen saves it: a name of its own,
// a place at the end of the list, and no silent change of scale.

#include "bookkeeping/accountservice.h"
#include "support/testworld.h"

class TestAccountRules : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() { m_world = std::make_unique<TestWorld>(); }
    void cleanup() { m_world.reset(); }

    void namesAreRequiredAndUnique_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("accepted");
        QTest::newRow("empty") << QStringLiteral("  ") << false;
        QTest::newRow("same name in other case") << QStringLiteral(" savings ") << false;
        QTest::newRow("a name of its own") << QStringLiteral("Holiday") << true;
    }

    void namesAreRequiredAndUnique()
    {
        QFETCH(QString, name);
        QFETCH(bool, accepted);
        m_world->addAccount(QStringLiteral("Savings"));
        Account checking = m_world->addAccount(QStringLiteral("Checking"));
        checking.name = name;
        const WriteOutcome renamed = service()->update(checking, QDate(2024, 1, 1));
        QCOMPARE(renamed.ok(), accepted);
        // A new account may not take a name that is taken either.
        Account entered;
        entered.name = accepted ? QStringLiteral("checking") : name;
        QCOMPARE(service()->create(entered, QDate(2024, 1, 1)).ok(), accepted);
        if (!accepted)
            QCOMPARE(renamed.status, WriteOutcome::Status::Refused);
        // Keeping its own name is always fine.
        QVERIFY(service()->update(*m_world->appState.accounts()->byId(checking.id), QDate(2024, 1, 1)).ok());
    }

    void aNewAccountGoesToTheEnd()
    {
        m_world->addAccount(QStringLiteral("Zeta"), Currency::USD, 0, 0);
        m_world->addAccount(QStringLiteral("Beta"), Currency::USD, 0, 4);
        Account entered;
        entered.name = QStringLiteral("Alpha");
        QVERIFY(service()->create(entered, QDate(2024, 1, 1)).ok());
        QCOMPARE(m_world->appState.accounts()->all().last().name, QStringLiteral("Alpha"));
    }

    void yenAndCentsDoNotMixWhileAmountsAreHeld_data()
    {
        QTest::addColumn<int>("from");
        QTest::addColumn<int>("to");
        QTest::addColumn<bool>("withTransaction");
        QTest::addColumn<bool>("accepted");
        QTest::newRow("dollars to yen with a transaction") << int(Currency::USD) << int(Currency::JPY) << true << false;
        QTest::newRow("yen to euros with a transaction") << int(Currency::JPY) << int(Currency::EUR) << true << false;
        QTest::newRow("dollars to euros with a transaction") << int(Currency::USD) << int(Currency::EUR) << true << true;
        QTest::newRow("dollars to yen while empty") << int(Currency::USD) << int(Currency::JPY) << false << true;
    }

    void yenAndCentsDoNotMixWhileAmountsAreHeld()
    {
        QFETCH(int, from);
        QFETCH(int, to);
        QFETCH(bool, withTransaction);
        QFETCH(bool, accepted);
        Account account = m_world->addAccount(QStringLiteral("Main"), static_cast<Currency>(from));
        if (withTransaction)
            m_world->addTransaction(account.id, QDate(2024, 3, 1), QStringLiteral("Cafe"), -1234);
        account.currency = static_cast<Currency>(to);
        const WriteOutcome outcome = service()->update(account, QDate(2024, 1, 1));
        QCOMPARE(outcome.ok(), accepted);
        QCOMPARE(m_world->appState.accounts()->byId(account.id)->currency, static_cast<Currency>(accepted ? to : from));
        if (!accepted)
            QVERIFY(outcome.message.contains(QStringLiteral("yen")));
    }

private:
    AccountService* service() { return m_world->appState.accountService(); }

    std::unique_ptr<TestWorld> m_world;
};

QTEST_MAIN(TestAccountRules)
#include "tst_accountrules.moc"
