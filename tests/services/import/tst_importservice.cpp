// Importing CSV and QIF files into the books: what is stored, what is
// skipped and why, transfers across imports (across the files of one import
// in the import window test), and that an import is all or nothing.

#include "importbooks.h"

#include "services/import/importwriter.h"
#include "storage/textlimits.h"

#include <QtTest>

using namespace Qt::StringLiterals;

namespace {

const QDateTime testNow(QDate(2024, 5, 20), QTime(12, 0), Qt::UTC);

CsvMapping specMapping()
{
    CsvMapping mapping;
    mapping.dateColumn = 0;
    mapping.payeeColumn = 1;
    mapping.amountColumn = 2;
    mapping.memoColumn = 3;
    mapping.categoryColumn = 4;
    return mapping;
}

QByteArray csvRows(int count, const QString& payee = u"Coffee"_s)
{
    QByteArray bytes("Date,Payee,Amount,Memo,Category\n");
    for (int i = 0; i < count; ++i)
        bytes += u"01/%1/2024,%2 %3,-%4.50,,\n"_s.arg(i % 28 + 1, 2, 10, QLatin1Char('0')).arg(payee).arg(i).arg(i % 90 + 1).toUtf8();
    return bytes;
}

const QByteArray checkingQif = "!Account\nNChecking\n^\n!Type:Bank\n"
                               "D1/10/24\nT-100.00\nPTo savings\nL[Savings]\n^\n"
                               "D1/11/24\nT-4.50\nPCoffee\nLDining\n^\n";
const QByteArray savingsQif = "!Account\nNSavings\n^\n!Type:Bank\n"
                              "D1/10/24\nT100.00\nPFrom checking\nL[checking]\n^\n";

} // namespace

class ImportServiceTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() { QVERIFY(m_bench.open(testNow)); }
    void cleanup() { m_bench.close(); }

    void importsThePlainCommaFile()
    {
        const Category dining = makeCategory(newId(), u"Dining"_s);
        QVERIFY(m_bench.books->categories.insert(dining));
        const QString path = file(u"plain.csv"_s,
            "Date,Payee,Amount,Memo,Category\n"
            "01/15/2024,Grocer,\"1,234.56\",weekly,Dining\n"
            "01/16/2024,Cafe,-$4.50,,dining\n"
            "01/17/2024,Refund,,,\n");
        const ImportResult result = m_bench.books->service.importCsv(path, m_bench.checking, specMapping());
        QCOMPARE(result.imported, 3);
        const QList<Transaction> stored = m_bench.books->transactions.byAccount(m_bench.checking);
        QCOMPARE(stored.size(), 3);
        QCOMPARE(stored.at(2).amount, 123456);
        QCOMPARE(stored.at(2).memo, u"weekly"_s);
        QCOMPARE(stored.at(2).categoryId, dining.id);
        QCOMPARE(stored.at(1).amount, -450);
        // A name that differs in case is another category.
        const std::optional<Category> created = m_bench.books->categories.byName(u"dining"_s);
        QVERIFY(created && created->id != dining.id);
        QCOMPARE(created->type, CategoryType::Expense);
        QCOMPARE(stored.at(1).categoryId, created->id);
        QCOMPARE(stored.at(0).amount, 0);
        QCOMPARE(stored.at(0).categoryId, QString());
    }

    void twoDigitYears()
    {
        CsvMapping mapping = specMapping();
        mapping.dateFormat = u"MM/dd/yy"_s;
        const ImportResult result = m_bench.books->service.importCsv(
            file(u"short.csv"_s, "Date,Payee,Amount\n01/15/24,A,1\n12/31/75,B,2\n"), m_bench.checking, mapping);
        QCOMPARE(result.imported, 2);
        const QList<Transaction> stored = m_bench.books->transactions.byAccount(m_bench.checking);
        QCOMPARE(stored.first().date, QDate(2024, 1, 15));
        QCOMPARE(stored.last().date, QDate(1975, 12, 31));
    }

    void countsUnparseableRows_data()
    {
        QTest::addColumn<QByteArray>("row");
        QTest::addColumn<qint64>("stored"); // the amount stored; -1 when skipped as unparseable
        const QByteArray longPayee = QByteArray(maxNameLength + 1, 'p');
        const QByteArray longMemo = QByteArray(maxMemoLength + 1, 'm');
        QTest::newRow("an amount that is no number") << QByteArray("01/15/2024,Shop,twelve") << qint64(-1);
        QTest::newRow("a date of another pattern") << QByteArray("2024-01-15,Shop,1.00") << qint64(-1);
        QTest::newRow("no amount cell") << QByteArray("01/15/2024,Shop") << qint64(-1);
        QTest::newRow("an amount beyond the valid range") << QByteArray("01/15/2024,Shop,100000000000.01") << qint64(-1);
        QTest::newRow("a payee beyond the limit") << "01/15/2024," + longPayee + ",1.00" << qint64(-1);
        QTest::newRow("a payee at the limit") << "01/15/2024," + longPayee.left(maxNameLength) + ",1.00" << qint64(100);
        QTest::newRow("a memo beyond the limit") << "01/15/2024,Shop,1.00," + longMemo << qint64(-1);
    }
    void countsUnparseableRows()
    {
        QFETCH(QByteArray, row);
        QFETCH(qint64, stored);
        CsvMapping mapping = specMapping();
        mapping.categoryColumn = -1;
        const ImportResult result = m_bench.books->service.importCsv(file(u"rows.csv"_s, "Date,Payee,Amount,Memo\n" + row + "\n"),
            m_bench.checking, mapping);
        QVERIFY(!result.aborted);
        QCOMPARE(result.unparseable, stored == -1 ? 1 : 0);
        QCOMPARE(result.imported, stored == -1 ? 0 : 1);
        const QList<Transaction> rows = m_bench.books->transactions.byAccount(m_bench.checking);
        QCOMPARE(rows.size(), result.imported);
        if (stored != -1)
            QCOMPARE(rows.first().amount, stored);
    }

    void duplicatesMatchOneStoredRowEach()
    {
        const QByteArray twoCoffees = "Date,Payee,Amount\n03/04/2024,Coffee,-4.50\n03/04/2024,Coffee,-4.50\n";
        const ImportResult first = m_bench.books->service.importCsv(file(u"a.csv"_s, twoCoffees), m_bench.checking, specMapping());
        QCOMPARE(first.imported, 2);
        QCOMPARE(first.duplicates, 0);
        const ImportResult again = m_bench.books->service.importCsv(file(u"a.csv"_s, twoCoffees), m_bench.checking, specMapping());
        QCOMPARE(again.imported, 0);
        QCOMPARE(again.duplicates, 2);
        // A statement that overlaps: the two known coffees and a third one.
        const ImportResult overlapping = m_bench.books->service.importCsv(
            file(u"b.csv"_s, twoCoffees + "03/04/2024,Coffee,-4.50\n03/05/2024,Coffee,-4.50\n"), m_bench.checking, specMapping());
        QCOMPARE(overlapping.imported, 2);
        QCOMPARE(overlapping.duplicates, 2);
        QCOMPARE(m_bench.books->transactions.byAccount(m_bench.checking).size(), 4);
    }

    void readsAmountsInTheAccountsCurrency()
    {
        const QString yen = m_bench.books->addAccount(u"Yen"_s, Currency::JPY);
        const ImportResult result = m_bench.books->service.importCsv(
            file(u"yen.csv"_s, "Date,Payee,Amount\n01/15/2024,Ramen,-1500\n01/16/2024,Half,0.50\n01/17/2024,Salary,\"250,000\"\n"),
            yen, specMapping());
        QCOMPARE(result.imported, 2);
        QCOMPARE(result.unparseable, 1);
        const QList<Transaction> stored = m_bench.books->transactions.byAccount(yen);
        QCOMPARE(stored.first().amount, 250000);
        QCOMPARE(stored.last().amount, -1500);

        const ImportResult qif = m_bench.books->service.importQif({file(u"yen.qif"_s, "!Type:Bank\nD1/20/24\nT-980\nPBook\n^\n")},
            {{u"yen.qif (no account header)"_s, QifTarget::existing(yen)}});
        QCOMPARE(qif.imported, 1);
        QCOMPARE(m_bench.books->transactions.byAccount(yen).first().amount, -980);
    }

    void remembersTheMappingPerAccount()
    {
        QCOMPARE(m_bench.books->service.savedCsvMapping(m_bench.checking), std::nullopt);
        CsvMapping mapping = specMapping();
        mapping.separator = u'\t';
        mapping.creditColumn = 5;
        mapping.preambleRows = 3;
        mapping.dateFormat = u"d/M/yyyy"_s;
        QVERIFY(m_bench.books->service.saveCsvMapping(m_bench.checking, mapping));
        QCOMPARE(m_bench.books->service.savedCsvMapping(m_bench.checking), mapping);
        QVERIFY(m_bench.books->preferences.set(ImportService::csvMappingKey(m_bench.checking), u"{\"date\": -4}"_s));
        QCOMPARE(m_bench.books->service.savedCsvMapping(m_bench.checking), std::nullopt);
    }

    void linksALegToAnEarlierImport()
    {
        const QHash<QString, QifTarget> checkingOnly{{u"Checking"_s, QifTarget::existing(m_bench.checking)}};
        const ImportResult first = m_bench.books->service.importQif({file(u"checking.qif"_s, checkingQif)}, checkingOnly);
        QCOMPARE(first.imported, 2);
        QCOMPARE(first.transfersLinked, 0);
        const std::optional<Transaction> waiting = m_bench.books->transactions.lastByPayee(u"To savings"_s, m_bench.checking);
        QCOMPARE(waiting->memo, u"[\u2192 Savings]"_s);

        // The other account's file comes later, into an account it creates.
        const ImportResult second = m_bench.books->service.importQif({file(u"savings.qif"_s, savingsQif)},
            {{u"Savings"_s, QifTarget::create(u"Savings"_s, AccountType::Savings)}});
        QCOMPARE(second.imported, 1);
        QCOMPARE(second.transfersLinked, 1);
        QCOMPARE(second.linkedToEarlierImports, 1);
        QCOMPARE(second.createdAccountIds.size(), 1);
        const QString savings = second.createdAccountIds.first();
        QCOMPARE(m_bench.books->accounts.byId(savings)->type, AccountType::Savings);
        const std::optional<Transaction> out = m_bench.books->transactions.byId(waiting->id);
        const std::optional<Transaction> in = m_bench.books->transactions.lastByPayee(u"From checking"_s, savings);
        QCOMPARE(out->transferLinkId, in->id);
        QCOMPARE(in->transferLinkId, out->id);
        QCOMPARE(out->memo, QString());
        QCOMPARE(out->version, 2);
    }

    void abortsWhenTheEarlierLegChangesUnderIt()
    {
        const QHash<QString, QifTarget> checkingOnly{{u"Checking"_s, QifTarget::existing(m_bench.checking)}};
        QCOMPARE(m_bench.books->service.importQif({file(u"checking.qif"_s, checkingQif)}, checkingOnly).imported, 2);
        const Transaction waiting = *m_bench.books->transactions.lastByPayee(u"To savings"_s, m_bench.checking);
        // The leg comes after a hundred other records, and the earlier row
        // loses its hint while they are written.
        QByteArray savings = "!Account\nNSavings\n^\n!Type:Bank\n";
        for (int i = 0; i < 150; ++i)
            savings += "D1/1/24\nT0.0" + QByteArray::number(i % 9 + 1) + "\nPInterest " + QByteArray::number(i) + "\n^\n";
        savings += savingsQif.mid(savingsQif.indexOf("D1/10/24"));
        connect(&m_bench.books->service, &ImportService::importProgress, this, [&](int current, int total) {
            if (current == 100 && total > 100) {
                Transaction edited = waiting;
                edited.memo = u"edited elsewhere"_s;
                QVERIFY(m_bench.books->transactions.update(edited));
            }
        });
        const QString savingsId = m_bench.books->addAccount(u"Savings"_s);
        const ImportResult result = m_bench.books->service.importQif({file(u"savings.qif"_s, savings)},
            {{u"Savings"_s, QifTarget::existing(savingsId)}});
        QVERIFY(result.aborted);
        QCOMPARE(result.failureReason, u"retroactive candidate lost its hint"_s);
        QCOMPARE(result.imported, 0);
        QCOMPARE(m_bench.books->transactions.byAccount(savingsId).size(), 0);
        QCOMPARE(m_bench.books->transactions.byId(waiting.id)->memo, waiting.memo);
    }

    void storesSplitLinesAndSkipsUnmappedSources()
    {
        const QString path = file(u"split.qif"_s,
            "!Account\nNChecking\n^\n!Type:Bank\n"
            "D2/1/24\nT-60.00\nPMarket\nSFood\nEbread\n$-40.00\nS[Savings]\n$-20.00\n^\n"
            "!Account\nNBrokerage\n^\n!Type:Invst\nD2/2/24\nNBuy\nYACME\nT500.00\n^\n");
        const ImportResult result = m_bench.books->service.importQif({path}, {{u"Checking"_s, QifTarget::existing(m_bench.checking)},
                                                                          {u"Brokerage"_s, QifTarget::skip()}});
        QCOMPARE(result.imported, 1);
        QCOMPARE(result.unmappedSourceAccount, 1);
        QVERIFY(m_bench.books->transactions.byAccount(m_bench.checking).first().isSplit);
        QCOMPARE(rows(&m_bench.books->database, u"SELECT s.amount, s.memo, c.name, c.category_type FROM split_lines s "
                                          "JOIN categories c ON c.id = s.category_id ORDER BY s.amount"_s),
            (QStringList{u"-4000|bread|Food|expense"_s, u"-2000|[\u2192 Savings]|Transfer|transfer"_s}));
    }

    // An import stopped part way, by the user or by a commit that fails,
    // keeps nothing, not even the categories it made, and announces nothing.
    void anAbortedImportLeavesNothing_data()
    {
        QTest::addColumn<bool>("cancelled");
        QTest::newRow("cancelled") << true;
        QTest::newRow("a failed commit") << false;
    }
    void anAbortedImportLeavesNothing()
    {
        QFETCH(bool, cancelled);
        QSignalSpy changed(&m_bench.books->transactions, &TransactionRepository::transactionsChanged);
        QSignalSpy categories(&m_bench.books->categories, &CategoryRepository::categoriesChanged);
        connect(&m_bench.books->service, &ImportService::importProgress, this, [&](int current) {
            if (cancelled) {
                m_bench.books->service.cancel();
            } else if (current == 100) {
                // A row that breaks a deferred rule makes the final commit fail.
                QVERIFY(execute(&m_bench.books->database, u"PRAGMA defer_foreign_keys = ON"_s));
                QVERIFY(execute(&m_bench.books->database, u"INSERT INTO split_lines (id, transaction_id, category_id, amount, "
                                                    "created_at, updated_at) VALUES ('x', 'none', 'none', 0, '', '')"_s));
            }
        });
        QByteArray rows = csvRows(250);
        rows.replace(",,\n", ",,NewCategory\n");
        const ImportResult result = m_bench.books->service.importCsv(file(u"big.csv"_s, rows), m_bench.checking, specMapping());
        QVERIFY(result.aborted);
        QCOMPARE(result.cancelled, cancelled);
        QVERIFY(cancelled || !result.failureReason.isEmpty());
        QCOMPARE(result.imported, 0);
        QCOMPARE(m_bench.books->count(u"SELECT COUNT(*) FROM transactions"_s), 0);
        QCOMPARE(m_bench.books->count(u"SELECT COUNT(*) FROM split_lines"_s), 0);
        QCOMPARE(m_bench.books->categories.byName(u"NewCategory"_s), std::nullopt);
        QCOMPARE(changed.count(), 0);
        QCOMPARE(categories.count(), 0);
    }

    // Progress every hundred records; the change signal once, after the commit.
    void reportsProgressAndAnnouncesOnceAfterTheCommit()
    {
        QSignalSpy started(&m_bench.books->service, &ImportService::importStarted);
        QSignalSpy progress(&m_bench.books->service, &ImportService::importProgress);
        QSignalSpy changed(&m_bench.books->transactions, &TransactionRepository::transactionsChanged);
        int seenDuringImport = -1;
        connect(&m_bench.books->service, &ImportService::importProgress, this, [&](int current, int total) {
            if (current < total && seenDuringImport < 0)
                seenDuringImport = int(changed.count());
        });
        const ImportResult result = m_bench.books->service.importCsv(file(u"big.csv"_s, csvRows(250)), m_bench.checking, specMapping());
        QCOMPARE(result.imported, 250);
        QCOMPARE(started.count(), 1);
        QCOMPARE(started.first().first().toInt(), 250);
        QList<int> positions;
        for (const QList<QVariant>& report : progress)
            positions.append(report.first().toInt());
        QCOMPARE(positions, (QList<int>{100, 200, 250}));
        QCOMPARE(seenDuringImport, 0);
        QCOMPARE(firstArguments(changed), QStringList{m_bench.checking});
    }

    void aRowTheDatabaseRefusesCostsOnlyItself()
    {
        QVERIFY(execute(&m_bench.books->database, u"CREATE TEMP TRIGGER refuse_bad BEFORE INSERT ON transactions WHEN NEW.payee = 'Coffee 7' "
                                             "BEGIN SELECT RAISE(ABORT, 'refused'); END"_s));
        const ImportResult result = m_bench.books->service.importCsv(file(u"big.csv"_s, csvRows(150)), m_bench.checking, specMapping());
        QVERIFY(!result.aborted);
        QCOMPARE(result.databaseErrors, 1);
        QCOMPARE(result.imported, 149);
        QCOMPARE(m_bench.books->transactions.byAccount(m_bench.checking).size(), 149);
    }

private:
    QString file(const QString& name, const QByteArray& bytes) { return writeFile(*m_bench.directory, name, bytes); }

    ImportBench m_bench;
};

QTEST_GUILESS_MAIN(ImportServiceTest)
#include "tst_importservice.moc"
