// Bank and finance-program exports found in the wild: each one imports
// without a crash and with the counts worked out by reading the file.

#include "importbooks.h"

#include "storage/storedtime.h"
#include "storage/textlimits.h"

#include <QtTest>
#include <ctime>

using namespace Qt::StringLiterals;

class ImportRealFilesTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        // libofx turns a statement's stamps into local time; the dates below
        // are those of the bank's own zone, which UTC keeps for every file here.
        qputenv("TZ", "UTC");
        tzset();
    }
    void init()
    {
        QStandardPaths::setTestModeEnabled(true);
        Clock::setFixedNow(QDateTime(QDate(2024, 5, 20), QTime(12, 0), Qt::UTC));
        m_books = std::make_unique<ImportBooks>(m_directory.filePath(u"checkbook.db"_s));
        QVERIFY(m_books->ready);
    }
    void cleanup()
    {
        m_books.reset();
        QFile::remove(m_directory.filePath(u"checkbook.db"_s));
        Clock::reset();
    }

    void csvFile_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<int>("currency");
        QTest::addColumn<QString>("proposed"); // separator|preamble|header|date|format|payee|amount|credit
        QTest::addColumn<int>("imported");
        QTest::addColumn<int>("unparseable");
        QTest::addColumn<qint64>("firstAmount");
        const auto row = [](const char* file, Currency currency, const QString& proposed, int imported, int unparseable,
                             qint64 firstAmount) {
            QTest::newRow(file) << QString::fromLatin1(file) << int(currency) << proposed << imported << unparseable << firstAmount;
        };
        // Two descriptions (insurance policies) are longer than a payee may be.
        row("austrian-bank-semicolon-comma-decimal.csv", Currency::EUR, u";|0|0|2|dd.MM.yyyy|1|4|-1"_s, 11, 2, -1800);
        // Four lines of account details above the header; debits are money out.
        row("dbs-sg-preamble-debit-credit.csv", Currency::USD, u",|4|1|0|d MMM yyyy|4|2|3"_s, 9, 0, -3465);
        row("paypal-utf8-bom-header.csv", Currency::USD, u",|0|1|0|MM/dd/yyyy|3|7|-1"_s, 1, 0, -749);
        row("ubs-ch-semicolon-apostrophe-thousands.csv", Currency::EUR, u";|0|1|3|dd.MM.yyyy|4|8|9"_s, 3, 0, -1000);
        row("us-bank-separate-debit-credit-no-header.csv", Currency::USD, u",|0|0|0|M/d/yyyy|1|3|4"_s, 5, 0, -7600);
        // The second row is a summary without a date.
        row("venmo-multiline-quoted-field.csv", Currency::USD, u",|0|0|2|yyyy-MM-dd|3|8|-1"_s, 1, 1, -2159);
    }
    void csvFile()
    {
        QFETCH(QString, file);
        QFETCH(int, currency);
        QFETCH(QString, proposed);
        QFETCH(int, imported);
        QFETCH(int, unparseable);
        QFETCH(qint64, firstAmount);
        const QString path = QFINDTESTDATA(u"data/real/csv/"_s + file);
        const QString accountId = m_books->addAccount(u"Bank"_s, Currency(currency));
        const std::optional<CsvPreview> preview = m_books->service.previewCsv(path);
        QVERIFY(preview);
        const CsvMapping& mapping = preview->mapping;
        const QString actual = QStringList{QString(mapping.separator), QString::number(mapping.preambleRows),
            QString::number(mapping.hasHeader), QString::number(mapping.dateColumn), mapping.dateFormat,
            QString::number(mapping.payeeColumn), QString::number(mapping.amountColumn),
            QString::number(mapping.creditColumn)}.join(u'|');
        QCOMPARE(actual, proposed);

        const ImportResult result = m_books->service.importCsv(path, accountId, mapping);
        QVERIFY(!result.aborted);
        QCOMPARE(result.imported, imported);
        QCOMPARE(result.unparseable, unparseable);
        const QList<Transaction> stored = m_books->transactions.byAccount(accountId);
        QCOMPARE(stored.size(), imported);
        // The first data row's amount, read with the file's marks.
        QVERIFY(std::any_of(stored.cbegin(), stored.cend(), [&](const Transaction& t) { return t.amount == firstAmount; }));

        // The same file again adds nothing.
        const ImportResult again = m_books->service.importCsv(path, accountId, mapping);
        QCOMPARE(again.imported, 0);
        QCOMPARE(again.duplicates, imported);
    }

    void qifFile_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<int>("sources");
        QTest::addColumn<int>("imported");
        QTest::addColumn<int>("unparseable");
        QTest::addColumn<int>("metadata");
        QTest::addColumn<int>("linked");
        QTest::addColumn<int>("splitLines");
        const auto row = [](const char* file, int sources, int imported, int unparseable, int metadata, int linked, int splitLines) {
            QTest::newRow(file) << QString::fromLatin1(file) << sources << imported << unparseable << metadata << linked << splitLines;
        };
        // Every date is a three-digit year with the payee glued on ("03/25/099Share Withdrawal").
        row("bank-web-export-malformed-dates.qif", 0, 0, 7, 0, 0, 0);
        // The class list (11) and the memorized transaction are metadata; the
        // opening balance is a transfer to its own account, so a plain row.
        row("finanzmanager-german-dotted-mdy.qif", 1, 2, 0, 12, 0, 2);
        // The balance in the account header is no transaction.
        row("kmymoney-ddmmyyyy-account-balance.qif", 1, 1, 0, 0, 0, 0);
        // One list without an account header; [Livret bleu] is not among the files.
        row("msmoney95-bank-french.qif", 1, 143, 0, 0, 0, 63);
        // Two classes and two memorized transactions are metadata.
        row("quicken-abc-lists-accounts-memorized.qif", 1, 10, 0, 4, 0, 3);
        row("quicken-investment-padded-fields.qif", 1, 11, 0, 0, 0, 0);
        // Two ShrsIn share moves carry no amount; securities, the payee, the
        // budget (96), classes, prices and memorized transactions are metadata.
        row("quicken-mac-cr-line-endings.qif", 5, 9, 2, 105, 0, 6);
        // Three securities and nine price blocks are metadata.
        row("quicken-securities-prices.qif", 1, 3, 0, 12, 0, 0);
        // The legs between Checking and Schwab differ in amount, so none pair.
        row("quicken-y2k-apostrophe-dates-splits.qif", 3, 7, 0, 0, 0, 8);
        // As the Mac file, with one more price block and memorized transaction.
        row("quicken2006-full-export-latin1.qif", 5, 11, 2, 107, 0, 6);
    }
    void qifFile()
    {
        QFETCH(QString, file);
        QFETCH(int, sources);
        QFETCH(int, imported);
        QFETCH(int, unparseable);
        QFETCH(int, metadata);
        QFETCH(int, linked);
        QFETCH(int, splitLines);
        const QString path = QFINDTESTDATA(u"data/real/qif/"_s + file);
        const QList<QifSource> found = m_books->service.analyzeQif({path});
        QHash<QString, QifTarget> targets;
        for (const QifSource& source : found)
            targets.insert(source.name, QifTarget::create(source.newAccountName, source.suggestedType));
        const ImportResult result = m_books->service.importQif({path}, targets);
        QVERIFY(!result.aborted);
        QCOMPARE(found.size(), sources);
        QCOMPARE(result.imported, imported);
        QCOMPARE(result.unparseable, unparseable);
        QCOMPARE(result.metadata, metadata);
        QCOMPARE(result.transfersLinked, linked);
        QCOMPARE(m_books->count(u"SELECT COUNT(*) FROM split_lines"_s), splitLines);
        QCOMPARE(result.duplicates, 0);
        QCOMPARE(result.unmappedSourceAccount, 0);

        // The same file again, into the accounts it created, adds nothing.
        QHash<QString, QString> accountIds;
        for (const Account& account : m_books->accounts.all())
            accountIds.insert(account.name, account.id);
        targets.clear();
        for (const QifSource& source : found)
            targets.insert(source.name, QifTarget::existing(accountIds.value(source.newAccountName)));
        const ImportResult again = m_books->service.importQif({path}, targets);
        QCOMPARE(again.imported, 0);
        QCOMPARE(again.duplicates, imported);
    }

    void ofxFile_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QStringList>("accounts"); // name|type|currency|last four, as created
        QTest::addColumn<int>("imported");
        QTest::addColumn<int>("unparseable");
        QTest::addColumn<QString>("first"); // date|amount|payee|memo|check number of the earliest row
        const auto row = [](const char* file, const QStringList& accounts, int imported, int unparseable, const QString& first) {
            QTest::newRow(file) << QString::fromLatin1(file) << accounts << imported << unparseable << first;
        };
        // A card statement has no bank id: the account is named after the file. No NAME: the memo is the payee.
        row("anzcc.ofx", {u"anzcc 1234|credit_card|AUD|1234"_s}, 1, 0, u"2017-05-08|-550|SOME MEMO||"_s);
        // A check number of 0 is none.
        row("bank_medium.ofx", {u"160000100 5678|checking|CAD|5678"_s}, 3, 0,
            u"2009-04-01|-660|MCDONALD'S #112|POS MERCHANDISE;MCDONALD'S #112|"_s);
        row("checking.ofx", {u"5472369148 6877|checking|USD|6877"_s}, 3, 0,
            u"2011-03-31|1|DIVIDEND EARNED FOR PERIOD OF 03|DIVIDEND EARNED FOR PERIOD OF 03/01/2011 THROUGH 03/31/2011 "
            "ANNUAL PERCENTAGE YIELD EARNED IS 0.05%|"_s);
        // Two rows have no or an empty DTPOSTED, the third the impossible 20120231 (which libofx reads as March 2).
        row("malformed-date_missing.ofx", {u"123845030 9749|checking|USD|9749"_s}, 0, 3, QString());
        // TRNAMT "$120" is no number.
        row("malformed-decimal_error.ofx", {u"123845030 9749|checking|CAD|9749"_s}, 0, 1, QString());
        // Two statements without transactions make no accounts.
        row("multiple_accounts.ofx", {}, 0, 0, QString());
        // No currency, no type, and an empty FITID, NAME and CHECKNUM.
        row("ofx-v102-empty-tags.ofx", {u"NPBS 5678|checking|USD|5678"_s}, 1, 0, u"2018-05-07|1234|CBA:Transfer||"_s);
        row("suncorp.ofx", {u"SUNCORP 6789|checking|AUD|6789"_s}, 1, 0,
            u"2013-12-15|-1685|EFTPOS WDL HANDYWAY ALDI STORE|EFTPOS WDL HANDYWAY ALDI STORE   GEELONG WEST VICAU|"_s);
    }
    void ofxFile()
    {
        QFETCH(QString, file);
        QFETCH(QStringList, accounts);
        QFETCH(int, imported);
        QFETCH(int, unparseable);
        QFETCH(QString, first);
        const QString path = QFINDTESTDATA(u"data/real/ofx/"_s + file);
        const std::optional<QList<OfxSource>> found = m_books->service.analyzeOfx(path);
        QVERIFY(found);
        QHash<QString, QifTarget> targets;
        for (const OfxSource& source : *found)
            targets.insert(source.key, QifTarget::create(source.newAccountName, source.suggestedType));
        const ImportResult result = m_books->service.importOfx(path, targets);
        QVERIFY2(!result.aborted, qPrintable(result.failureReason));
        QCOMPARE(result.imported, imported);
        QCOMPARE(result.unparseable, unparseable);
        QCOMPARE(result.duplicates, 0);

        QStringList created;
        for (const Account& account : m_books->accounts.all()) {
            created.append(QStringList{account.name, toStoredText(account.type), toStoredText(account.currency),
                account.accountNumberLast4}.join(u'|'));
        }
        QCOMPARE(created, accounts);
        if (imported > 0) {
            QList<Transaction> stored = m_books->transactions.byAccount(m_books->accounts.all().constFirst().id);
            std::sort(stored.begin(), stored.end(), [](const Transaction& a, const Transaction& b) { return a.date < b.date; });
            const Transaction& earliest = stored.constFirst();
            QCOMPARE(QStringList({dateToText(earliest.date), QString::number(earliest.amount), earliest.payee, earliest.memo,
                         earliest.checkNumber}).join(u'|'),
                first);
        }

        // The same statement again, now into the accounts it made, adds nothing.
        const std::optional<QList<OfxSource>> again = m_books->service.analyzeOfx(path);
        targets.clear();
        for (const OfxSource& source : *again)
            targets.insert(source.key, source.matchingAccountId.isEmpty() ? QifTarget::skip() : QifTarget::existing(source.matchingAccountId));
        const ImportResult repeated = m_books->service.importOfx(path, targets);
        QCOMPARE(repeated.imported, 0);
        QCOMPARE(repeated.duplicates, imported);
        QCOMPARE(m_books->accounts.all().size(), accounts.size());
    }

private:
    QTemporaryDir m_directory;
    std::unique_ptr<ImportBooks> m_books;
};

QTEST_GUILESS_MAIN(ImportRealFilesTest)
#include "tst_importrealfiles.moc"
