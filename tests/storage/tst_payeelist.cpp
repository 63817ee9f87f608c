#include "storage/accountrepository.h"
#include "storage/payeelist.h"
#include "storage/textlimits.h"
#include "storage/transactionrepository.h"
#include "support/storagetesting.h"
#include "support/testdatabase.h"

#include <QRegularExpression>
#include <QtTest>
#include <functional>
#include <memory>

using namespace Qt::StringLiterals;
using Write = std::function<bool()>;
Q_DECLARE_METATYPE(Write)

class PayeeListTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // Bakery twice and Grocer once are stored, and the list has been read,
    // before each write.
    void init()
    {
        QTest::failOnWarning(QRegularExpression(u".*"_s));
        m_test = std::make_unique<TestDatabase>();
        m_transactions = std::make_unique<TransactionRepository>(m_test->database());
        m_payees = std::make_unique<PayeeList>(m_test->database(), m_transactions.get());
        QVERIFY(AccountRepository(m_test->database()).insert(makeAccount(u"A"_s, u"Checking"_s)));
        QVERIFY(store(u"t1"_s, u"Bakery"_s) && store(u"t2"_s, u"Bakery"_s) && store(u"t3"_s, u"Grocer"_s));
        QCOMPARE(m_payees->completions(), (QStringList{u"Bakery"_s, u"Grocer"_s}));
    }
    void cleanup() { m_payees.reset(), m_transactions.reset(), m_test.reset(); }

    void followsCommittedWrites_data()
    {
        QTest::addColumn<Write>("write");
        QTest::addColumn<QStringList>("expected");
        const QStringList unchanged{u"Bakery"_s, u"Grocer"_s};
        QTest::newRow("new payee") << Write([this] { return store(u"t4"_s, u"Zoo"_s); }) << unchanged + QStringList{u"Zoo"_s};
        QTest::newRow("too long for the field")
            << Write([this] { return store(u"t4"_s, QString(maxNameLength + 1, u'x')); }) << unchanged;
        QTest::newRow("one of two uses deleted") << Write([this] { return m_transactions->softDelete(u"t1"_s); }) << unchanged;
        QTest::newRow("last use deleted") << Write([this] { return m_transactions->softDelete(u"t3"_s); })
                                          << QStringList{u"Bakery"_s};
        QTest::newRow("last use renamed") << Write([this] { return store(u"t3"_s, u"Deli"_s, &TransactionRepository::update); })
                                          << QStringList{u"Bakery"_s, u"Deli"_s};
        QTest::newRow("account emptied and restored") << Write([this] {
            return m_transactions->softDeleteByAccount(u"A"_s) == 3
                && m_transactions->restoreByAccount(u"A"_s, u"2000-01-01"_s) == 3;
        }) << unchanged;
        // Deli leaves the list out of date, so it is read again in the
        // middle of the transaction, rolled-back payee and all.
        QTest::newRow("rolled back") << Write([this] {
            bool readInside = false;
            const bool committed = store(u"t4"_s, u"Deli"_s) && m_test->database()->inTransaction([&] {
                readInside = store(u"t5"_s, u"Zoo"_s) && m_payees->completions().contains(u"Zoo"_s);
                return false;
            });
            return readInside && !committed;
        }) << QStringList{u"Bakery"_s, u"Deli"_s, u"Grocer"_s};
    }
    void followsCommittedWrites()
    {
        QFETCH(Write, write);
        QVERIFY(write());
        QTEST(m_payees->completions(), "expected");
        QCOMPARE(m_payees->completions(), payeeCompletions(m_transactions->payees()));
    }

private:
    bool store(const QString& id, const QString& payee,
        bool (TransactionRepository::*write)(const Transaction&) = &TransactionRepository::insert)
    {
        Transaction transaction = makeTransaction(id, u"A"_s, QDate(2024, 1, 1), -100);
        transaction.payee = payee;
        return (m_transactions.get()->*write)(transaction);
    }

    std::unique_ptr<TestDatabase> m_test;
    std::unique_ptr<TransactionRepository> m_transactions;
    std::unique_ptr<PayeeList> m_payees;
};

QTEST_GUILESS_MAIN(PayeeListTest)
#include "tst_payeelist.moc"
