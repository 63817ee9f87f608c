// The readers under the import: text decoding, the CSV tokenizer, amounts
// and dates as bank files write them, the guesses about a file's layout,
// and the QIF parser, down to randomly damaged copies of real files.

#include "services/import/amountreader.h"
#include "services/import/csvanalyzer.h"
#include "services/import/csvtokenizer.h"
#include "services/import/datereader.h"
#include "services/import/qifparser.h"
#include "services/import/textdecoder.h"

#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QtTest>

using namespace Qt::StringLiterals;

namespace {

using Rows = QList<QStringList>;

std::optional<qint64> minorUnits(const std::optional<DecimalAmount>& amount, Currency currency = Currency::USD)
{
    return amount ? amount->toMinorUnits(currency) : std::nullopt;
}

QList<QByteArray> realFiles()
{
    QList<QByteArray> files;
    for (const QString& folder : {u"csv"_s, u"qif"_s}) {
        const QDir directory(QFINDTESTDATA(u"data/real/"_s + folder));
        for (const QString& name : directory.entryList(QDir::Files)) {
            QFile file(directory.filePath(name));
            if (file.open(QIODevice::ReadOnly))
                files.append(file.readAll());
        }
    }
    return files;
}

} // namespace

class ImportParsersTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void decodesText_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("text");
        QTest::newRow("UTF-8 with a byte-order mark") << QByteArray("\xEF\xBB\xBFZ\xC3\xBCrich") << u"Zürich"_s;
        QTest::newRow("UTF-16 little-endian") << QByteArray("\xFF\xFEZ\0\xFC\0", 6) << u"Zü"_s;
        QTest::newRow("UTF-16 big-endian") << QByteArray("\xFE\xFF\0Z\0\xFC", 6) << u"Zü"_s;
        QTest::newRow("valid UTF-8") << QByteArray("caf\xC3\xA9") << u"café"_s;
        QTest::newRow("Windows-1252") << QByteArray("caf\xE9 \x80 5 \x93quoted\x94") << u"café € 5 “quoted”"_s;
    }
    void decodesText()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, text);
        QCOMPARE(TextDecoder::decode(bytes), text);
    }

    void tokenizesQuotes_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QChar>("separator");
        QTest::addColumn<Rows>("rows");
        QTest::newRow("quoted separator") << u"a,\"b, c\",d\n"_s << QChar(u',') << Rows{{u"a"_s, u"b, c"_s, u"d"_s}};
        QTest::newRow("doubled quote") << u"\"say \"\"hi\"\"\",x"_s << QChar(u',') << Rows{{u"say \"hi\""_s, u"x"_s}};
        QTest::newRow("line break in quotes, CRLF rows")
            << u"1,\"two\nlines\"\r\n2,x\r\n"_s << QChar(u',') << Rows{{u"1"_s, u"two\nlines"_s}, {u"2"_s, u"x"_s}};
        QTest::newRow("empty lines dropped, last row kept")
            << u"a\n\n\nb,c"_s << QChar(u',') << Rows{{u"a"_s}, {u"b"_s, u"c"_s}};
        QTest::newRow("fields trimmed, empty fields kept") << u" a ; ;\"\" \n"_s << QChar(u';') << Rows{{u"a"_s, u""_s, u""_s}};
        QTest::newRow("comma inside a semicolon file") << u"1,5;x\n"_s << QChar(u';') << Rows{{u"1,5"_s, u"x"_s}};
    }
    void tokenizesQuotes()
    {
        QFETCH(QString, text);
        QFETCH(QChar, separator);
        QFETCH(Rows, rows);
        QCOMPARE(CsvTokenizer::rows(text, separator), rows);
    }

    void detectsSeparatorAndPreamble_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QChar>("separator");
        QTest::addColumn<int>("preamble");
        QTest::addColumn<bool>("header");
        QTest::newRow("comma with header") << u"Date,Payee,Amount\n01/02/2024,Shop,-1.00\n"_s << QChar(u',') << 0 << true;
        QTest::newRow("semicolon with decimal commas")
            << u"02.01.2024;Shop;-18,00\n03.01.2024;Rent;-1.200,50\n"_s << QChar(u';') << 0 << false;
        QTest::newRow("tab") << u"2024-01-02\tShop\t-1.00\n2024-01-03\tRent\t5\n"_s << QChar(u'\t') << 0 << false;
        QTest::newRow("title and balance above the header")
            << u"Statement for,Savings\nBalance:,100.00\n\nDate,Payee,Debit,Credit\n01/02/2024,Shop,1.00,\n"_s
            << QChar(u',') << 2 << true;
    }
    void detectsSeparatorAndPreamble()
    {
        QFETCH(QString, text);
        QFETCH(QChar, separator);
        QFETCH(int, preamble);
        QFETCH(bool, header);
        const CsvPreview preview = CsvAnalyzer::preview(text);
        QCOMPARE(preview.mapping.separator, separator);
        QCOMPARE(preview.mapping.preambleRows, preamble);
        QCOMPARE(preview.mapping.hasHeader, header);
    }

    void proposesDebitAndCreditColumns()
    {
        const CsvPreview preview = CsvAnalyzer::preview(
            u"1/5/2024,Coffee,4.50,,95.50\n1/6/2024,Salary,,1000.00,1095.50\n1/7/2024,Rent,500.00,,595.50\n"_s);
        QCOMPARE(preview.mapping.dateFormat, u"M/d/yyyy"_s);
        QCOMPARE(preview.mapping.payeeColumn, 1);
        QCOMPARE(preview.mapping.amountColumn, 2);
        QCOMPARE(preview.mapping.creditColumn, 3);
    }

    void readsAmounts_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("reader"); // 0 QIF, 1 comma file, 2 semicolon or tab file
        QTest::addColumn<int>("currency");
        QTest::addColumn<qint64>("expected"); // minor units; -1 for none
        const auto row = [](const char* name, const QString& text, int reader, qint64 expected, Currency currency = Currency::USD) {
            QTest::newRow(name) << text << reader << int(currency) << expected;
        };
        row("QIF 1,234.56", u"1,234.56"_s, 0, 123456);
        row("QIF 1.234,56", u"1.234,56"_s, 0, 123456);
        row("QIF 1,234", u"1,234"_s, 0, 123400);
        row("QIF 12,5", u"12,5"_s, 0, 1250);
        row("QIF (12.00)", u"(12.00)"_s, 0, -1200);
        row("QIF (-12.00) is positive", u"(-12.00)"_s, 0, 1200);
        row("QIF 1.234", u"1.234"_s, 0, 123400);
        row("QIF 1.5", u"1.5"_s, 0, 150);
        row("QIF signs, spaces and rounding", u"+ $1,000.005"_s, 0, 100001);
        row("QIF three decimals group thousands", u"0.005"_s, 0, 500);
        row("QIF misplaced group", u"12,34,5"_s, 0, -1);
        row("QIF lone point", u"."_s, 0, -1);
        row("QIF empty", u""_s, 0, -1);
        row("QIF beyond the valid range", u"100000000000.01"_s, 0, -1);
        row("comma file 1,234.56", u"1,234.56"_s, 1, 123456);
        row("comma file signed dollars", u"-$76.00"_s, 1, -7600);
        row("comma file sign, space, dollar", u"- $21.59"_s, 1, -2159);
        row("comma file plus", u"+$327.49"_s, 1, 32749);
        row("comma file parentheses", u"(12.00)"_s, 1, -1200);
        row("comma file empty is zero", u""_s, 1, 0);
        row("comma file words", u"n/a"_s, 1, -1);
        row("comma file two points", u"1.2.3"_s, 1, -1);
        row("semicolon file decimal comma", u"-18,00"_s, 2, -1800);
        row("semicolon file dot thousands", u"1.234,56"_s, 2, 123456);
        row("semicolon file apostrophe thousands", u"11'373.94"_s, 2, 1137394);
        row("semicolon file bad apostrophe", u"11'37.94"_s, 2, -1);
        row("yen whole units", u"1500"_s, 1, 1500, Currency::JPY);
        row("yen with zero decimals", u"1,500.00"_s, 1, 1500, Currency::JPY);
        row("half a yen", u"1500.50"_s, 1, -1, Currency::JPY);
        row("yen beyond the valid range", u"10000000000001"_s, 0, -1, Currency::JPY);
    }
    void readsAmounts()
    {
        QFETCH(QString, text);
        QFETCH(int, reader);
        QFETCH(int, currency);
        QFETCH(qint64, expected);
        const std::optional<DecimalAmount> amount = reader == 0 ? AmountReader::readEitherMark(text)
            : reader == 1                                       ? AmountReader::readCommaFileCell(text)
                                                                : AmountReader::readSeparatedFileCell(text);
        QCOMPARE(minorUnits(amount, Currency(currency)).value_or(-1), expected);
    }

    void readsQifDates_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("order");
        QTest::addColumn<QDate>("date");
        const int automatic = int(QifDateOrder::Automatic);
        const int dayFirst = int(QifDateOrder::DayFirst);
        const int monthFirst = int(QifDateOrder::MonthFirst);
        QTest::newRow("apostrophe year") << u"1/15'24"_s << automatic << QDate(2024, 1, 15);
        QTest::newRow("Y2K apostrophe and space") << u"3/29' 0"_s << automatic << QDate(2000, 3, 29);
        QTest::newRow("dotted day-first") << u"15.01.99"_s << dayFirst << QDate(1999, 1, 15);
        QTest::newRow("dotted month-first") << u"10.18.23"_s << monthFirst << QDate(2023, 10, 18);
        QTest::newRow("day above 12 read day-first") << u"30/12/2025"_s << automatic << QDate(2025, 12, 30);
        QTest::newRow("space-padded day") << u"8/ 1/97"_s << monthFirst << QDate(1997, 8, 1);
        QTest::newRow("ISO") << u"2024-01-25"_s << monthFirst << QDate(2024, 1, 25);
        QTest::newRow("text glued to the year") << u"03/25/099Share Withdrawal"_s << monthFirst << QDate();
        QTest::newRow("no calendar date") << u"2/30/2024"_s << monthFirst << QDate();
        QTest::newRow("five-digit year") << u"1/1/99999"_s << monthFirst << QDate();
    }
    void readsQifDates()
    {
        QFETCH(QString, text);
        QFETCH(int, order);
        QFETCH(QDate, date);
        QCOMPARE(DateReader::readQif(text, QifDateOrder(order)), date);
    }

    void readsCsvDatesAndProposesPatterns_data()
    {
        QTest::addColumn<QStringList>("cells");
        QTest::addColumn<QString>("pattern");
        QTest::addColumn<QDate>("first");
        QTest::newRow("US order") << QStringList{u"01/15/2024"_s, u"02/01/2024"_s} << u"MM/dd/yyyy"_s << QDate(2024, 1, 15);
        QTest::newRow("day first once a day passes 12")
            << QStringList{u"01/02/2024"_s, u"25/02/2024"_s} << u"dd/MM/yyyy"_s << QDate(2024, 2, 1);
        QTest::newRow("two-digit years") << QStringList{u"01/15/24"_s, u"12/31/99"_s} << u"MM/dd/yy"_s << QDate(2024, 1, 15);
        QTest::newRow("dotted") << QStringList{u"22.01.2014"_s} << u"dd.MM.yyyy"_s << QDate(2014, 1, 22);
        QTest::newRow("unpadded") << QStringList{u"4/1/2008"_s, u"3/28/2008"_s} << u"M/d/yyyy"_s << QDate(2008, 4, 1);
        QTest::newRow("unpadded day first") << QStringList{u"4/1/2008"_s, u"28/3/2008"_s} << u"d/M/yyyy"_s << QDate(2008, 1, 4);
        QTest::newRow("ISO with a time") << QStringList{u"2002-09-10T23:00:04"_s, u""_s} << u"yyyy-MM-dd"_s << QDate(2002, 9, 10);
        QTest::newRow("month names") << QStringList{u"06 May 2020"_s} << u"d MMM yyyy"_s << QDate(2020, 5, 6);
    }
    void readsCsvDatesAndProposesPatterns()
    {
        QFETCH(QStringList, cells);
        QFETCH(QString, pattern);
        QFETCH(QDate, first);
        QCOMPARE(DateReader::proposePattern(cells), pattern);
        QCOMPARE(DateReader::readCsv(cells.first(), pattern), first);
    }

    void parsesQifRecords()
    {
        const QString text = u"\uFEFF!Type:Cat\r\nNFood\r\nDMeals\r\nI\r\n^\r\n!Account\r\nNMy Savings\r\n^\r\n!Type:Bank \r\n"
                             u"D1/15'24\r\nT(12.00)\r\nPShop\r\nCR\r\nLFood:Lunch/Work\r\n^\r\n"
                             u"D1/16'24\r\nT-50.00\r\nL[Checking]\r\nS[Checking]\r\nEhalf\r\n$-25.00\r\nSFood\r\n$-25.00\r\n^\r\n"
                             u"D1/17'24\r\nPNo amount\r\n^\r\n^\r\n!Type:Memorized\r\nT-1.00\r\n^\r\n"_s;
        const QifParseResult result = QifParser::parse(text);
        QCOMPARE(result.transactions.size(), 2);
        QCOMPARE(result.unparseable, 1);
        QCOMPARE(result.metadata, 1);
        QCOMPARE(result.categories.size(), 1);
        QVERIFY(result.categories.first().income);
        QCOMPARE(result.accounts.size(), 1);
        QCOMPARE(result.accounts.first().name, u"My Savings"_s);
        const QifTransaction& first = result.transactions.first();
        QCOMPARE(first.date, QDate(2024, 1, 15));
        QCOMPARE(first.amount.toMinorUnits(Currency::USD), -1200);
        QCOMPARE(first.category, u"Food:Lunch"_s);
        QVERIFY(first.cleared && first.reconciled);
        QCOMPARE(first.sourceAccount, u"My Savings"_s);
        const QifTransaction& second = result.transactions.last();
        QCOMPARE(second.transferAccount, u"Checking"_s);
        QCOMPARE(second.splits.size(), 2);
        QCOMPARE(second.splits.first().transferAccount, u"Checking"_s);
        QCOMPARE(second.splits.first().memo, u"half"_s);
        QCOMPARE(second.splits.last().category, u"Food"_s);
        QCOMPARE(second.splits.last().amount.toMinorUnits(Currency::USD), -2500);
    }

    void aSplitAmountThatIsNoNumberSpoilsItsRecord()
    {
        const QifParseResult result = QifParser::parse(u"!Type:Bank\nD1/1/24\nT-3.00\nSFood\n$abc\nSHome\n$-3.00\n^\n"_s);
        QCOMPARE(result.transactions.size(), 0);
        QCOMPARE(result.unparseable, 1);
    }

    void detectsQifDateOrder_data()
    {
        QTest::addColumn<QString>("lines");
        QTest::addColumn<int>("order");
        QTest::newRow("month first") << u"D01/02/2024\nD12/31/2024"_s << int(QifDateOrder::MonthFirst);
        QTest::newRow("day first") << u"D01/02/2024\nD31/12/2024"_s << int(QifDateOrder::DayFirst);
        QTest::newRow("ISO dates say nothing") << u"D2024-31-12"_s << int(QifDateOrder::MonthFirst);
    }
    void detectsQifDateOrder()
    {
        QFETCH(QString, lines);
        QFETCH(int, order);
        QCOMPARE(int(DateReader::detectQifOrder(lines.split(u'\n'))), order);
    }

    // Thousands of cut, spliced and bit-flipped copies of the real files go
    // through every reader; none may crash or hang.
    void survivesDamagedFiles()
    {
        const QList<QByteArray> files = realFiles();
        QVERIFY(files.size() >= 16);
        QRandomGenerator random(20240520);
        int parsed = 0;
        for (int round = 0; round < 3000; ++round) {
            QByteArray bytes = files.at(random.bounded(int(files.size())));
            const int start = random.bounded(int(bytes.size()));
            bytes = bytes.mid(start, random.bounded(1, 4000));
            for (int flips = random.bounded(8); flips > 0 && !bytes.isEmpty(); --flips)
                bytes[random.bounded(int(bytes.size()))] = char(random.bounded(256));
            if (random.bounded(4) == 0)
                bytes.insert(random.bounded(int(bytes.size()) + 1), files.at(random.bounded(int(files.size()))).left(300));
            const QString text = TextDecoder::decode(bytes);
            parsed += int(QifParser::parse(text).transactions.size());
            parsed += int(CsvAnalyzer::preview(text).rows.size());
        }
        QVERIFY(parsed > 0);
    }
};

QTEST_GUILESS_MAIN(ImportParsersTest)
#include "tst_importparsers.moc"
