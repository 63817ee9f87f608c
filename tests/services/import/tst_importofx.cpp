// Importing OFX and QFX bank statements: a row arrives once however often
// its statement (or an overlapping one) is imported, amounts are read in
// the account's currency, and statement accounts find their accounts again.

#include "importbooks.h"
#include "ofxstatements.h"

#include <QtTest>

using namespace Qt::StringLiterals;

namespace {

const QDateTime testNow(QDate(2024, 6, 20), QTime(12, 0), Qt::UTC);
const QDate day(2024, 5, 2);

QList<StatementRow> coffees(const QList<QByteArray>& ids)
{
    QList<StatementRow> rows;
    for (const QByteArray& id : ids)
        rows.append({day, "-3.50", "COFFEE HOUSE", id});
    return rows;
}

} // namespace

class ImportOfxTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() { QVERIFY(m_bench.open(testNow)); }
    void cleanup() { m_bench.close(); }

    // Each step imports one statement into Checking: the rows it adds and
    // the ones it skips as seen before.
    void aRowArrivesOnce_data()
    {
        QTest::addColumn<QList<QList<StatementRow>>>("statements");
        QTest::addColumn<QList<int>>("imported");
        QTest::addColumn<QList<int>>("duplicates");
        const QList<StatementRow> first{{day, "-10.00", "GROCER", "a1"}, {day.addDays(1), "-20.00", "FUEL", "a2"},
            {day.addDays(2), "1500.00", "PAYROLL", "a3"}};
        QList<StatementRow> overlapping = first.mid(1);
        overlapping.append({{day.addDays(3), "-5.00", "BAKERY", "a4"}, {day.addDays(4), "-20.00", "FUEL", "a5"}});
        QTest::newRow("the same statement twice") << QList{first, first} << QList{3, 0} << QList{0, 3};
        QTest::newRow("an overlapping statement adds only its new ids") << QList{first, overlapping} << QList{3, 2} << QList{0, 2};
        QTest::newRow("two coffees on one day with their own ids")
            << QList{coffees({"c1", "c2"}), coffees({"c1", "c2", "c3"})} << QList{2, 1} << QList{0, 2};
        // Without ids, rows are matched by date, amount and payee, each stored row absorbing one.
        QTest::newRow("no ids: the same rows once each") << QList{coffees({"", ""}), coffees({"", "", ""})} << QList{2, 1}
                                                         << QList{0, 2};
        // A row a bank sent twice under one id is one transaction.
        QTest::newRow("an id repeated in one statement") << QList<QList<StatementRow>>{coffees({"c1", "c1"})} << QList{1} << QList{1};
    }
    void aRowArrivesOnce()
    {
        QFETCH(QList<QList<StatementRow>>, statements);
        QFETCH(QList<int>, imported);
        QFETCH(QList<int>, duplicates);
        int stored = 0;
        for (qsizetype step = 0; step < statements.size(); ++step) {
            const ImportResult result = importInto(m_bench.checking, ofxStatement(statements.at(step)));
            QVERIFY2(!result.aborted, qPrintable(result.failureReason));
            QCOMPARE(result.imported, imported.at(step));
            QCOMPARE(result.duplicates, duplicates.at(step));
            stored += result.imported;
        }
        QCOMPARE(m_bench.books->count(u"SELECT COUNT(*) FROM transactions WHERE account_id = ?"_s, {m_bench.checking}), stored);
    }

    // Rows that came by sync or from a backup have no remembered id: a
    // statement that holds them claims them instead of adding them again,
    // and the next import knows them by their ids.
    void rowsStoredWithoutIdsAreClaimed()
    {
        for (const QString& payee : {u"COFFEE HOUSE"_s, u"COFFEE HOUSE"_s, u"GROCER"_s}) {
            Transaction synced = Transaction::newPending(m_bench.checking, day, payee, -350);
            QVERIFY(m_bench.books->transactions.insert(synced));
        }
        const ImportResult claimed = importInto(m_bench.checking, ofxStatement(coffees({"c1", "c2", "c3"})));
        QCOMPARE(claimed.imported, 1);
        QCOMPARE(claimed.duplicates, 2);
        QCOMPARE(m_bench.books->count(u"SELECT COUNT(*) FROM statement_ids"_s), 3);

        const ImportResult again = importInto(m_bench.checking, ofxStatement(coffees({"c1", "c2", "c3"})));
        QCOMPARE(again.imported, 0);
        QCOMPARE(again.duplicates, 3);
        QCOMPARE(m_bench.books->count(u"SELECT COUNT(*) FROM transactions"_s), 4);
    }

    // A statement meets the stored rows of every day it covers, its first
    // and last day included, by id or, without one, by date, amount and payee.
    void storedRowsAreMetOnTheStatementsFirstAndLastDay()
    {
        const QDate last = day.addDays(3);
        for (const auto& [date, payee] : {std::pair{day, u"COFFEE HOUSE"_s}, std::pair{last, u"COFFEE HOUSE"_s},
                 std::pair{last, u"GROCER"_s}}) {
            QVERIFY(m_bench.books->transactions.insert(Transaction::newPending(m_bench.checking, date, payee, -350)));
        }
        const ImportResult result = importInto(m_bench.checking,
            ofxStatement({{day, "-3.50", "COFFEE HOUSE", "e1"}, {last, "-3.50", "COFFEE HOUSE", "e2"},
                {last, "-3.50", "GROCER", ""}}));
        QCOMPARE(result.imported, 0);
        QCOMPARE(result.duplicates, 3);
        QCOMPARE(m_bench.books->count(u"SELECT COUNT(*) FROM statement_ids"_s), 2);
    }

    // A row the user deleted stays deleted; an id whose row is gone for good
    // (sample data cleared, say) is forgotten, so the row can come back.
    void rememberedIdsFollowTheirRows()
    {
        QCOMPARE(importInto(m_bench.checking, ofxStatement(coffees({"c1", "c2"}))).imported, 2);
        const QList<Transaction> stored = m_bench.books->transactions.byAccount(m_bench.checking);
        QVERIFY(m_bench.books->transactions.softDelete(stored.at(0).id));
        QVERIFY(execute(&m_bench.books->database, u"DELETE FROM transactions WHERE id = ?"_s, {stored.at(1).id}));

        const ImportResult again = importInto(m_bench.checking, ofxStatement(coffees({"c1", "c2"})));
        QCOMPARE(again.imported, 1);
        QCOMPARE(again.duplicates, 1);
    }

    // A long statement is handed to libofx in parts; every row still arrives once.
    void aLongStatementArrivesWhole()
    {
        QList<StatementRow> rows;
        for (int i = 0; i < 1203; ++i)
            rows.append({day.addDays(-i / 10), "-" + QByteArray::number(i + 1) + ".00", "SHOP " + QByteArray::number(i), "s" + QByteArray::number(i)});
        const ImportResult first = importInto(m_bench.checking, ofxStatement(rows));
        QCOMPARE(first.imported, 1203);
        QCOMPARE(m_bench.books->count(u"SELECT SUM(amount) FROM transactions"_s), -1203 * 1204 / 2 * 100);
        QCOMPARE(m_bench.books->count(u"SELECT COUNT(DISTINCT fitid) FROM statement_ids"_s), 1203);
        QCOMPARE(importInto(m_bench.checking, ofxStatement(rows)).duplicates, 1203);
    }

    // The posted day is the one the bank wrote, whatever hour and zone the
    // stamp carries; an impossible day is refused, not moved into the next month.
    void theDateIsTheOneTheBankWrote_data()
    {
        QTest::addColumn<QByteArray>("stamp");
        QTest::addColumn<QDate>("stored");
        QTest::newRow("a day") << QByteArray("20240502") << day;
        QTest::newRow("midnight, Eastern time") << QByteArray("20240502000000[-5:EST]") << day;
        QTest::newRow("late evening, Pacific time") << QByteArray("20240502233000.000[-8:PST]") << day;
        QTest::newRow("early morning, New Zealand time") << QByteArray("20240502013000[+12:NZST]") << day;
        QTest::newRow("February 31") << QByteArray("20240231") << QDate();
    }
    void theDateIsTheOneTheBankWrote()
    {
        QFETCH(QByteArray, stamp);
        QFETCH(QDate, stored);
        const ImportResult result = importInto(m_bench.checking, ofxStatement({{day, "-3.50", "COFFEE HOUSE", "d1", stamp}}));
        QCOMPARE(result.imported, stored.isValid() ? 1 : 0);
        QCOMPARE(result.unparseable, stored.isValid() ? 0 : 1);
        QCOMPARE(m_bench.books->transactions.byAccount(m_bench.checking).value(0).date, stored);
    }

    void amountsAreReadInTheAccountsCurrency_data()
    {
        QTest::addColumn<int>("currency");
        QTest::addColumn<QByteArray>("amount");
        QTest::addColumn<qint64>("stored");
        QTest::newRow("dollars") << int(Currency::USD) << QByteArray("-1234.56") << qint64(-123456);
        QTest::newRow("decimal comma") << int(Currency::EUR) << QByteArray("-12,30") << qint64(-1230);
        QTest::newRow("yen in whole units") << int(Currency::JPY) << QByteArray("-1500") << qint64(-1500);
    }
    void amountsAreReadInTheAccountsCurrency()
    {
        QFETCH(int, currency);
        QFETCH(QByteArray, amount);
        QFETCH(qint64, stored);
        const QString accountId = m_bench.books->addAccount(u"Abroad"_s, Currency(currency));
        const QByteArray code = toStoredText(Currency(currency)).toLatin1();
        const ImportResult result = importInto(accountId, ofxStatement({{day, amount, "SHOP", "x1"}}, code));
        QVERIFY2(!result.aborted, qPrintable(result.failureReason));
        QCOMPARE(m_bench.books->transactions.byAccount(accountId).value(0).amount, stored);
    }

    void aFileThatCannotBeImportedIsRefused_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("message");
        QTest::newRow("a statement in euros for a dollar account")
            << ofxStatement(coffees({"c1"}), "EUR") << u"is in EUR, but the account \"Checking\" is kept in USD"_s;
        QTest::newRow("a CSV file") << QByteArray("Date,Payee,Amount\n2024-05-02,Coffee,-3.50\n")
                                    << u"is not an OFX or QFX bank statement"_s;
        QTest::newRow("an empty file") << QByteArray() << u"is not an OFX or QFX bank statement"_s;
    }
    void aFileThatCannotBeImportedIsRefused()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, message);
        const ImportResult result = importInto(m_bench.checking, bytes);
        QVERIFY(result.aborted && result.refused);
        QVERIFY2(result.failureReason.contains(message), qPrintable(result.failureReason));
        QCOMPARE(m_bench.books->count(u"SELECT COUNT(*) FROM transactions"_s), 0);
        QCOMPARE(m_bench.books->count(u"SELECT COUNT(*) FROM statement_accounts"_s), 0);
    }

    // The account a statement went to is found again by a hash of the
    // bank's account id; before that, by type and the last four digits.
    void statementAccountsFindTheirAccounts()
    {
        const QString path = writeFile(*m_bench.directory, u"june.ofx"_s, ofxStatement(coffees({"c1"})));
        Account savings = makeAccount(newId(), u"Savings"_s);
        savings.type = AccountType::Savings;
        savings.accountNumberLast4 = u"5678"_s;
        QVERIFY(m_bench.books->accounts.insert(savings));
        Account card = makeAccount(newId(), u"Everyday"_s);
        card.accountNumberLast4 = u"5678"_s;
        QVERIFY(m_bench.books->accounts.insert(card));
        QCOMPARE(m_bench.books->service.analyzeOfx(path)->value(0).matchingAccountId, card.id);

        const QString key = m_bench.books->service.analyzeOfx(path)->value(0).key;
        QVERIFY(!m_bench.books->service.importOfx(path, {{key, QifTarget::existing(m_bench.checking)}}).aborted);
        QCOMPARE(m_bench.books->service.analyzeOfx(path)->value(0).matchingAccountId, m_bench.checking);
        // Neither the account number nor its digits are kept.
        QCOMPARE(m_bench.books->count(u"SELECT COUNT(*) FROM statement_accounts WHERE account_hash LIKE '%12345678%'"_s), 0);
    }

    // A new account takes the statement's currency, its bank and last digits.
    void aNewAccountIsMadeForAStatement()
    {
        const QString path = writeFile(*m_bench.directory, u"card.qfx"_s, ofxStatement(coffees({"c1"}), "GBP", "4111111111114321", "CREDITLINE"));
        const OfxSource source = m_bench.books->service.analyzeOfx(path)->value(0);
        QCOMPARE(source.newAccountName, u"021000021 4321"_s);
        const ImportResult result =
            m_bench.books->service.importOfx(path, {{source.key, QifTarget::create(source.newAccountName, source.suggestedType)}});
        QCOMPARE(result.createdAccountIds.size(), 1);
        const std::optional<Account> created = m_bench.books->accounts.byId(result.createdAccountIds.constFirst());
        QVERIFY(created);
        QCOMPARE(created->currency, Currency::GBP);
        QCOMPARE(created->type, AccountType::CreditCard);
        QCOMPARE(created->institution, u"021000021"_s);
        QCOMPARE(created->accountNumberLast4, u"4321"_s);
        QCOMPARE(m_bench.books->transactions.byAccount(created->id).size(), 1);
    }

private:
    ImportResult importInto(const QString& accountId, const QByteArray& bytes)
    {
        const QString path = writeFile(*m_bench.directory, u"statement.ofx"_s, bytes);
        const std::optional<QList<OfxSource>> sources = m_bench.books->service.analyzeOfx(path);
        QHash<QString, QifTarget> targets;
        for (const OfxSource& source : sources.value_or(QList<OfxSource>()))
            targets.insert(source.key, QifTarget::existing(accountId));
        return m_bench.books->service.importOfx(path, targets);
    }

    ImportBench m_bench;
};

QTEST_GUILESS_MAIN(ImportOfxTest)
#include "tst_importofx.moc"
