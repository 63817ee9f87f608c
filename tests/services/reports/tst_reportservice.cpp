// The report queries against a seeded register, the period presets for a
// fixed today, the CSV text and sums kept apart per currency (the choices
// of account and currency are checked in the reports window test).

#include "services/reports/reportperiods.h"
#include "services/reports/reportservice.h"
#include "storage/identifiers.h"
#include "support/storagetesting.h"
#include "support/testworld.h"

#include <QTemporaryDir>
#include <QtTest>

using namespace Qt::StringLiterals;

namespace {

const QDate may1(2024, 5, 1);
const QDate today(2024, 5, 20);

// Rows as compact text, so each case names what it expects in one line.
template<typename Row, typename Cells>
QString join(const QList<Row>& rows, Cells cells, QChar separator = u':')
{
    QStringList out;
    for (const Row& row : rows)
        out << cells(row).join(separator);
    return out.join(u';');
}

QString n(qint64 value)
{
    return QString::number(value);
}

QString describe(const QList<CategoryTotal>& rows)
{
    return join(rows, [](const CategoryTotal& r) { return QStringList{r.name, n(r.amount)}; });
}

QString describe(const QList<PayeeTotal>& rows)
{
    return join(rows, [](const PayeeTotal& r) { return QStringList{r.payee, n(r.amount), n(r.count)}; });
}

QString describe(const QList<TaxLine>& rows)
{
    return join(rows, [](const TaxLine& r) { return QStringList{r.categoryName, r.taxCategory, n(r.amount)}; });
}

QString describe(const QList<MonthLine>& rows)
{
    return join(rows, [](const MonthLine& r) { return QStringList{r.month, n(r.moneyIn), n(r.moneyOut), n(r.net)}; });
}

QString describe(const QList<YearOverYearLine>& rows)
{
    return join(rows, [](const YearOverYearLine& r) { return QStringList{r.categoryName, n(r.period1), n(r.period2), n(r.difference)}; });
}

QString describe(const QList<AccountLine>& rows)
{
    return join(rows, [](const AccountLine& r) {
        return QStringList{r.accountName, r.accountType, toStoredText(r.currency), n(r.clearedBalance), n(r.uncleared), n(r.totalBalance)};
    });
}

QString describe(const QList<TransactionLine>& rows)
{
    return join(rows, [](const TransactionLine& r) {
        return QStringList{r.date.toString(Qt::ISODate), r.accountName, r.payee, r.categoryName, r.memo, n(r.amount)};
    }, u'|');
}

} // namespace

class TestReportService : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init()
    {
        m_world = std::make_unique<TestWorld>();
        m_checking = m_world->addAccount(u"Checking"_s, Currency::USD, 100000, 0);
        m_savings = m_world->addAccount(u"Savings"_s, Currency::USD, 0, 1);
        const QString groceries = addCategory(u"Groceries"_s);
        const QString salary = addCategory(u"Salary"_s, u"W-2"_s);
        const QString hobbies = addCategory(u"Hobbies"_s, u"X-1"_s);
        const QString apple = addCategory(u"apple"_s);

        add(m_checking, QDate(2024, 5, 2), u"Market"_s, -5000, groceries, true);
        add(m_checking, QDate(2024, 5, 3), u"Market"_s, -2500, groceries);
        add(m_checking, QDate(2024, 5, 4), u"Corner"_s, -1000);
        add(m_checking, QDate(2024, 5, 10), u"Employer"_s, 100000, salary, true);
        add(m_checking, QDate(2024, 5, 11), u"Hobby shop"_s, -700, hobbies);
        // A transfer: both legs carry a link.
        add(m_checking, QDate(2024, 5, 12), u"[Transfer] Savings"_s, -20000, {}, false, u"link-a"_s);
        add(m_savings, QDate(2024, 5, 12), u"[Transfer] Checking"_s, 20000, {}, false, u"link-b"_s);
        add(m_checking, QDate(2024, 4, 15), u"Market"_s, -3000, groceries);
        add(m_savings, QDate(2023, 6, 1), u"Interest"_s, 500);
        add(m_savings, QDate(2023, 3, 1), u"Orchard"_s, -100, apple);
        const Transaction gone = add(m_checking, QDate(2024, 5, 5), u"Gone"_s, -999);
        QVERIFY(m_world->appState.transactions()->softDelete(gone.id));
        // The register shows a deleted category as none; so do the reports.
        QVERIFY(m_world->appState.categories()->softDelete(hobbies));
    }

    void cleanup() { m_world.reset(); }

    void reports_data()
    {
        QTest::addColumn<QString>("report");
        QTest::addColumn<QString>("scope");
        QTest::addColumn<QDate>("from");
        QTest::addColumn<QString>("expected");

        QTest::newRow("spending, all") << u"spending"_s << QString() << may1
                                       << u"Uncategorized:-21700;Groceries:-7500"_s;
        QTest::newRow("spending, savings") << u"spending"_s << u"savings"_s << may1 << QString();
        QTest::newRow("spending, April on") << u"spending"_s << u"checking"_s << QDate(2024, 4, 1)
                                            << u"Uncategorized:-21700;Groceries:-10500"_s;
        QTest::newRow("payees, checking")
            << u"payees"_s << u"checking"_s << may1
            << u"[Transfer] Savings:-20000:1;Market:-7500:2;Corner:-1000:1;Hobby shop:-700:1;Employer:100000:1"_s;
        QTest::newRow("payees, savings") << u"payees"_s << u"savings"_s << may1 << u"[Transfer] Checking:20000:1"_s;
        QTest::newRow("tax ignores the account") << u"tax"_s << u"savings"_s << QDate(2023, 1, 1)
                                                 << u"Salary:W-2:100000"_s;
        QTest::newRow("income leaves transfers out") << u"income"_s << QString() << QDate(2024, 4, 1)
                                                     << u"2024-04:0:-3000:-3000;2024-05:100000:-9200:90800"_s;
        QTest::newRow("income, savings") << u"income"_s << u"savings"_s << may1 << QString();
        QTest::newRow("cash flow counts both legs") << u"cashflow"_s << QString() << may1
                                                    << u"2024-05:120000:-29200:90800"_s;
        QTest::newRow("cash flow, savings") << u"cashflow"_s << u"savings"_s << QDate(2023, 1, 1)
                                            << u"2023-03:0:-100:-100;2023-06:500:0:500;2024-05:20000:0:20000"_s;
        QTest::newRow("transactions, savings")
            << u"transactions"_s << u"savings"_s << QDate(2023, 1, 1)
            << u"2023-03-01|Savings|Orchard|apple|m-Orchard|-100;2023-06-01|Savings|Interest||m-Interest|500;"
               "2024-05-12|Savings|[Transfer] Checking||m-[Transfer] Checking|20000"_s;
        QTest::newRow("transactions, deleted category is none")
            << u"transactions"_s << u"checking"_s << QDate(2024, 5, 11)
            << u"2024-05-11|Checking|Hobby shop||m-Hobby shop|-700;2024-05-12|Checking|[Transfer] Savings||m-[Transfer] Savings|-20000"_s;
    }

    void reports()
    {
        QFETCH(QString, report);
        QFETCH(QString, scope);
        QFETCH(QDate, from);
        QFETCH(QString, expected);

        const ReportScope chosen = scopeOf(scope);
        QString actual;
        if (report == u"spending")
            actual = describe(service()->categorySpending(from, today, chosen));
        else if (report == u"payees")
            actual = describe(service()->payeeSummary(from, today, chosen));
        else if (report == u"tax")
            actual = describe(service()->taxReport(from, today, chosen));
        else if (report == u"income")
            actual = describe(service()->incomeVsExpenses(from, today, chosen));
        else if (report == u"cashflow")
            actual = describe(service()->cashFlow(from, today, chosen));
        else
            actual = describe(service()->transactions(from, today, chosen));
        QCOMPARE(actual, expected);
    }

    void yearOverYearUnionsAndSortsByCodeUnit()
    {
        const QString rows = describe(service()->yearOverYear(
            QDate(2023, 1, 1), QDate(2023, 12, 31), QDate(2024, 1, 1), today, {}));
        // "apple" sorts after the capitals; a name of one period shows 0 in the other.
        QCOMPARE(rows, u"Groceries:0:-10500:-10500;Salary:0:100000:100000;Uncategorized:500:-1700:-2200;apple:-100:0:100"_s);
    }

    void accountSummaryInEachAccountsCurrency()
    {
        m_world->addAccount(u"Yen"_s, Currency::JPY, 5000, 2);
        const QString expected = u"Checking:checking:USD:195000:-27200:167800;Savings:checking:USD:0:20400:20400;"
                                 "Yen:checking:JPY:5000:0:5000"_s;
        QCOMPARE(describe(service()->accountSummary()), expected);
    }

    void currencyScopeKeepsSumsApart()
    {
        const Account euro = m_world->addAccount(u"Euro"_s, Currency::EUR, 0, 2);
        add(euro, QDate(2024, 5, 6), u"Bakery"_s, -3000);
        QCOMPARE(describe(service()->categorySpending(may1, today, {{}, u"EUR"_s})), u"Uncategorized:-3000"_s);
        QCOMPARE(describe(service()->cashFlow(may1, today, {{}, u"USD"_s})), u"2024-05:120000:-29200:90800"_s);
        QCOMPARE(describe(service()->taxReport(may1, today, {{}, u"EUR"_s})), QString());
    }

    void presets_data()
    {
        QTest::addColumn<QDate>("today");
        QTest::addColumn<int>("preset");
        QTest::addColumn<QDate>("from");
        QTest::addColumn<QDate>("to");

        const QDate jan(2024, 1, 15);
        QTest::newRow("this month") << today << int(ReportPeriods::ThisMonth) << may1 << today;
        QTest::newRow("last month") << today << int(ReportPeriods::LastMonth) << QDate(2024, 4, 1) << QDate(2024, 4, 30);
        QTest::newRow("this quarter") << today << int(ReportPeriods::ThisQuarter) << QDate(2024, 4, 1) << today;
        QTest::newRow("last quarter") << today << int(ReportPeriods::LastQuarter) << QDate(2024, 1, 1) << QDate(2024, 3, 31);
        QTest::newRow("this year") << today << int(ReportPeriods::ThisYear) << QDate(2024, 1, 1) << today;
        QTest::newRow("last year") << today << int(ReportPeriods::LastYear) << QDate(2023, 1, 1) << QDate(2023, 12, 31);
        QTest::newRow("last 30 days") << today << int(ReportPeriods::Last30Days) << QDate(2024, 4, 20) << today;
        QTest::newRow("last 90 days") << today << int(ReportPeriods::Last90Days) << QDate(2024, 2, 20) << today;
        QTest::newRow("last 12 months") << today << int(ReportPeriods::Last12Months) << QDate(2023, 5, 20) << today;
        QTest::newRow("all time") << today << int(ReportPeriods::AllTime) << QDate(2022, 7, 4) << today;
        QTest::newRow("January: last month") << jan << int(ReportPeriods::LastMonth) << QDate(2023, 12, 1)
                                             << QDate(2023, 12, 31);
        QTest::newRow("January: last quarter") << jan << int(ReportPeriods::LastQuarter) << QDate(2023, 10, 1)
                                               << QDate(2023, 12, 31);
    }

    void presets()
    {
        QFETCH(QDate, today);
        QFETCH(int, preset);
        QFETCH(QDate, from);
        QFETCH(QDate, to);

        const ReportPeriod period = ReportPeriods::presets(today, QDate(2022, 7, 4)).at(preset);
        QCOMPARE(period.from, from);
        QCOMPARE(period.to, to);
    }

    void comparisons_data()
    {
        QTest::addColumn<int>("comparison");
        QTest::addColumn<QDate>("from1");
        QTest::addColumn<QDate>("to1");
        QTest::addColumn<QDate>("from2");
        QTest::addColumn<QDate>("to2");

        QTest::newRow("this year") << int(ReportPeriods::ThisYearVsLastYear) << QDate(2023, 1, 1) << QDate(2023, 12, 31)
                                   << QDate(2024, 1, 1) << today;
        QTest::newRow("last year") << int(ReportPeriods::LastYearVsYearBefore) << QDate(2022, 1, 1)
                                   << QDate(2022, 12, 31) << QDate(2023, 1, 1) << QDate(2023, 12, 31);
        QTest::newRow("quarter") << int(ReportPeriods::ThisQuarterVsLastQuarter) << QDate(2024, 1, 1)
                                 << QDate(2024, 3, 31) << QDate(2024, 4, 1) << today;
    }

    void comparisons()
    {
        QFETCH(int, comparison);
        QFETCH(QDate, from1);
        QFETCH(QDate, to1);
        QFETCH(QDate, from2);
        QFETCH(QDate, to2);

        const ReportComparison chosen = ReportPeriods::comparisons(today).at(comparison);
        QCOMPARE(chosen.period1.from, from1);
        QCOMPARE(chosen.period1.to, to1);
        QCOMPARE(chosen.period2.from, from2);
        QCOMPARE(chosen.period2.to, to2);
    }

    void csvText_data()
    {
        QTest::addColumn<QString>("payee");
        QTest::addColumn<QString>("amount");
        QTest::addColumn<QString>("line");

        QTest::newRow("plain") << u"Market"_s << u"-$5.00"_s << u"\"Market\",\"-$5.00\"\n"_s;
        QTest::newRow("quote doubled") << u"Joe's \"Diner\""_s << u"$1.00"_s << u"\"Joe's \"\"Diner\"\"\",\"$1.00\"\n"_s;
        QTest::newRow("formula") << u"=HYPERLINK(\"x\")"_s << u"$1.00"_s << u"\"'=HYPERLINK(\"\"x\"\")\",\"$1.00\"\n"_s;
    }

    void csvText()
    {
        QFETCH(QString, payee);
        QFETCH(QString, amount);
        QFETCH(QString, line);

        const QString text = ReportService::csvText({u"Payee"_s, u"Total"_s}, {{payee, amount}}, {0});
        QCOMPARE(text, u"\"Payee\",\"Total\"\n"_s + line);
    }

    void writeCsvIsAllOrNothing()
    {
        QTemporaryDir directory;
        const QString path = directory.filePath(u"report.csv"_s);
        QVERIFY(ReportService::writeCsv(path, u"\"a\"\n\"b\"\n"_s).isEmpty());
        QFile written(path);
        QVERIFY(written.open(QIODevice::ReadOnly));
        QCOMPARE(written.readAll(), QByteArray("\"a\"\n\"b\"\n"));

        const QString missing = directory.filePath(u"no/such/folder/report.csv"_s);
        QVERIFY(!ReportService::writeCsv(missing, u"x"_s).isEmpty());
        QVERIFY(!QFile::exists(missing));
    }

private:
    QString addCategory(const QString& name, const QString& taxCategory = QString())
    {
        Category category = makeCategory(newId(), name);
        category.isTaxRelevant = !taxCategory.isEmpty();
        category.taxCategory = taxCategory;
        if (!m_world->appState.categories()->insert(category))
            qFatal("the category could not be stored");
        return category.id;
    }

    // A row whose memo is "m-" and its payee.
    Transaction add(const Account& account, const QDate& date, const QString& payee, qint64 amount,
        const QString& categoryId = QString(), bool cleared = false, const QString& linkId = QString())
    {
        Transaction transaction = m_world->addTransaction(account.id, date, payee, amount, categoryId, u"m-"_s + payee);
        transaction.cleared = cleared;
        transaction.transferLinkId = linkId;
        if (!m_world->appState.transactions()->update(transaction))
            qFatal("the transaction could not be stored");
        return transaction;
    }

    ReportScope scopeOf(const QString& name) const
    {
        if (name == u"checking")
            return {m_checking.id, {}};
        if (name == u"savings")
            return {m_savings.id, {}};
        return {};
    }

    ReportService* service() const { return m_world->appState.reportService(); }

    std::unique_ptr<TestWorld> m_world;
    Account m_checking;
    Account m_savings;
};

// Every cell quoted, text cells guarded against formulas (each guarded
// first character is in the command line test's table), amounts left as they are.
QTEST_MAIN(TestReportService)
#include "tst_reportservice.moc"
