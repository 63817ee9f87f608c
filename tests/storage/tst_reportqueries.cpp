// The report and search queries read indexes of live rows and sum in two
// steps; each must still give exactly what its plain definition over the
// transactions table gives, row order included, on a register full of the
// awkward cases: deleted rows and categories, missing and duplicate category
// names, transfers, several currencies, and rows that tie on every sort key.

#include "storage/reportrepository.h"
#include "storage/storedtime.h"
#include "storage/transactionrepository.h"
#include "support/storagetesting.h"
#include "support/testdatabase.h"

#include <QRandomGenerator>

using namespace Qt::StringLiterals;

namespace {

const QStringList accountIds{u"A1"_s, u"A2"_s, u"E1"_s, u"GONE"_s};
// Two categories share a name; "OLD" is deleted; "TAX" and "GIFT" are tax-relevant.
const QStringList categoryIds{u"GROC"_s, u"DIN1"_s, u"DIN2"_s, u"OLD"_s, u"TAX"_s, u"GIFT"_s, u"SAL"_s};
const QStringList payees{u"Corner Shop"_s, u"Shop Express"_s, u"Bakery"_s, u"Landlord"_s, u"Employer"_s};
const QList<qint64> amounts{-500, -1000, -1500, -2500, 2000, 150000};

void insertAccount(Database* database, const QString& id, const QString& currency, int sortOrder, bool deleted)
{
    QVERIFY(execute(database,
        u"INSERT INTO accounts (id, name, currency, sort_order, created_at, updated_at, deleted_at) "
        "VALUES (?, ?, ?, ?, '2023-01-01T00:00:00Z', '2023-01-01T00:00:00Z', ?)"_s,
        {id, u"Account "_s + id, currency, sortOrder, deleted ? QVariant(u"2024-06-01T00:00:00Z"_s) : QVariant()}));
}

void insertCategory(Database* database, const QString& id, const QString& name, bool taxRelevant, bool deleted)
{
    QVERIFY(execute(database,
        u"INSERT INTO categories (id, name, is_tax_relevant, tax_category, created_at, updated_at, deleted_at) "
        "VALUES (?, ?, ?, ?, '2023-01-01T00:00:00Z', '2023-01-01T00:00:00Z', ?)"_s,
        {id, name, taxRelevant ? 1 : 0, taxRelevant ? QVariant(u"Schedule A"_s) : QVariant(),
            deleted ? QVariant(u"2024-06-01T00:00:00Z"_s) : QVariant()}));
}

struct Row
{
    QString id;
    QString accountId;
    QDate date;
    QString payee;
    qint64 amount = 0;
    QVariant categoryId;
    QVariant memo;
    QVariant transferLinkId;
    QString createdAt;
    bool cleared = false;
    bool deleted = false;
};

void insertRow(Database* database, const Row& row)
{
    QVERIFY(execute(database,
        u"INSERT INTO transactions (id, account_id, date, payee, memo, amount, category_id, cleared, "
        "transfer_link_id, created_at, updated_at, deleted_at) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"_s,
        {row.id, row.accountId, dateToText(row.date), row.payee, row.memo, row.amount, row.categoryId,
            row.cleared ? 1 : 0, row.transferLinkId, row.createdAt, row.createdAt,
            row.deleted ? QVariant(u"2024-07-01T00:00:00Z"_s) : QVariant()}));
}

// Few dates, payees, amounts and creation times, in no order of entry, so
// that many rows tie on the sort keys of each report and of search.
Row randomRow(QRandomGenerator& random, int number)
{
    Row row;
    row.id = u"T%1"_s.arg(number, 4, 10, QLatin1Char('0'));
    row.accountId = accountIds.at(random.bounded(int(accountIds.size())));
    row.date = QDate(2023, 11, 1).addDays(random.bounded(90));
    row.payee = payees.at(random.bounded(int(payees.size())));
    row.amount = amounts.at(random.bounded(int(amounts.size())));
    const int category = random.bounded(int(categoryIds.size()) + 1);
    row.categoryId = category < categoryIds.size() ? QVariant(categoryIds.at(category)) : QVariant();
    const int memo = random.bounded(3);
    row.memo = memo == 0 ? QVariant() : QVariant(memo == 1 ? u"weekly"_s : u""_s);
    const int transfer = random.bounded(6);
    row.transferLinkId = transfer == 0 ? QVariant(u"LINK"_s) : transfer == 1 ? QVariant(u""_s) : QVariant();
    row.createdAt = u"2024-01-0%1T10:00:00Z"_s.arg(1 + random.bounded(3));
    row.cleared = random.bounded(2) == 0;
    row.deleted = random.bounded(10) == 0;
    return row;
}

void seedRegister(Database* database)
{
    insertAccount(database, u"A1"_s, u"USD"_s, 0, false);
    insertAccount(database, u"A2"_s, u"USD"_s, 1, false);
    insertAccount(database, u"E1"_s, u"EUR"_s, 2, false);
    insertAccount(database, u"GONE"_s, u"USD"_s, 3, true);
    insertCategory(database, u"GROC"_s, u"Groceries"_s, false, false);
    insertCategory(database, u"DIN1"_s, u"Dining"_s, false, false);
    insertCategory(database, u"DIN2"_s, u"Dining"_s, false, false);
    insertCategory(database, u"OLD"_s, u"Old"_s, false, true);
    insertCategory(database, u"TAX"_s, u"Charity"_s, true, false);
    insertCategory(database, u"GIFT"_s, u"Gifts"_s, true, false);
    insertCategory(database, u"SAL"_s, u"Salary"_s, false, false);
    // Equal sums: the later-named payee and category are entered first.
    insertCategory(database, u"ZETA"_s, u"Zeta"_s, false, false);
    insertCategory(database, u"ALPHA"_s, u"Alpha"_s, false, false);
    QRandomGenerator random(424242);
    for (int number = 0; number < 800; ++number)
        insertRow(database, randomRow(random, number));
    const QDate tieDay(2024, 1, 15);
    insertRow(database, {u"TIE1"_s, u"A1"_s, tieDay, u"Tie B"_s, -777, u"ZETA"_s, {}, {}, u"2024-01-02T10:00:00Z"_s});
    insertRow(database, {u"TIE2"_s, u"A1"_s, tieDay, u"Tie A"_s, -777, u"ALPHA"_s, {}, {}, u"2024-01-02T10:00:00Z"_s});
}

// The plain definitions, scope conditions bound as the repository binds them.
struct Reference
{
    Database* database;
    QDate from;
    QDate to;
    ReportScope scope;

    QStringList read(const QString& select, const QString& rest, bool withAccount = true) const
    {
        QString sql = select + u" WHERE t.deleted_at IS NULL AND t.date >= ? AND t.date <= ?"_s;
        QVariantList values{dateToText(from), dateToText(to)};
        if (withAccount && !scope.accountId.isEmpty()) {
            sql += u" AND t.account_id = ?"_s;
            values << scope.accountId;
        }
        if (!scope.currency.isEmpty()) {
            sql += u" AND t.account_id IN (SELECT cur.id FROM accounts cur WHERE cur.currency = ?)"_s;
            values << scope.currency;
        }
        return rows(database, sql + rest, values);
    }
};

const QString byCategoryName = u"SELECT COALESCE(c.name, 'Uncategorized'), SUM(t.amount) FROM transactions t "
                               "LEFT JOIN categories c ON t.category_id = c.id AND c.deleted_at IS NULL"_s;
const QString byMonth = u"SELECT strftime('%Y-%m', t.date) AS month, "
                        "SUM(CASE WHEN t.amount > 0 THEN t.amount ELSE 0 END), "
                        "SUM(CASE WHEN t.amount < 0 THEN t.amount ELSE 0 END), SUM(t.amount) FROM transactions t"_s;
const QString listing = u"SELECT t.date, a.name, t.payee, COALESCE(c.name, ''), COALESCE(t.memo, ''), t.amount "
                        "FROM transactions t LEFT JOIN accounts a ON t.account_id = a.id "
                        "LEFT JOIN categories c ON t.category_id = c.id AND c.deleted_at IS NULL"_s;

template<typename Line, typename Cells>
QStringList cells(const QList<Line>& lines, Cells cellsOf)
{
    QStringList rows;
    for (const Line& line : lines)
        rows << cellsOf(line).join(u'|');
    return rows;
}

QStringList monthCells(const QList<MonthLine>& lines)
{
    return cells(lines, [](const MonthLine& l) {
        return QStringList{l.month, QString::number(l.moneyIn), QString::number(l.moneyOut), QString::number(l.net)};
    });
}

QStringList listingCells(const QList<TransactionLine>& lines)
{
    return cells(lines, [](const TransactionLine& l) {
        return QStringList{l.date.toString(Qt::ISODate), l.accountName, l.payee, l.categoryName, l.memo,
            QString::number(l.amount)};
    });
}

QStringList searchIds(const QList<RegisterRow>& rows)
{
    QStringList ids;
    for (const RegisterRow& row : rows)
        ids << row.transaction.id;
    return ids;
}

} // namespace

class TestReportQueries : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        m_database = std::make_unique<TestDatabase>();
        QSqlDatabase& connection = m_database->database()->database();
        QVERIFY(connection.transaction());
        seedRegister(m_database->database());
        QVERIFY(connection.commit());
    }
    void cleanupTestCase() { m_database.reset(); }

    void reportsMatchTheirDefinitions_data()
    {
        QTest::addColumn<QDate>("from");
        QTest::addColumn<QDate>("to");
        QTest::addColumn<QString>("accountId");
        QTest::addColumn<QString>("currency");

        const QDate first(2000, 1, 1);
        const QDate last(2030, 12, 31);
        QTest::newRow("every account, all time") << first << last << QString() << QString();
        QTest::newRow("one account") << first << last << u"A1"_s << QString();
        QTest::newRow("a deleted account") << first << last << u"GONE"_s << QString();
        QTest::newRow("one currency") << first << last << QString() << u"EUR"_s;
        QTest::newRow("an account in its currency") << first << last << u"A2"_s << u"USD"_s;
        QTest::newRow("an account in another currency") << first << last << u"A1"_s << u"EUR"_s;
        QTest::newRow("one month") << QDate(2023, 12, 1) << QDate(2023, 12, 31) << QString() << QString();
        QTest::newRow("one day of ties") << QDate(2024, 1, 15) << QDate(2024, 1, 15) << QString() << QString();
        QTest::newRow("no rows in the period") << QDate(1990, 1, 1) << QDate(1990, 12, 31) << QString() << QString();
    }

    void reportsMatchTheirDefinitions()
    {
        QFETCH(QDate, from);
        QFETCH(QDate, to);
        QFETCH(QString, accountId);
        QFETCH(QString, currency);
        Database* database = m_database->database();
        const ReportScope scope{accountId, currency};
        const Reference reference{database, from, to, scope};
        ReportRepository reports(database);

        const auto totalCells = [](const CategoryTotal& l) { return QStringList{l.name, QString::number(l.amount)}; };
        // Equal sums in the order of their names, as the single-sort
        // statements of before gave them.
        QCOMPARE(cells(reports.categorySpending(from, to, scope), totalCells),
            reference.read(byCategoryName, u" AND t.amount < 0 GROUP BY COALESCE(c.name, 'Uncategorized') "
                "ORDER BY SUM(t.amount) ASC, COALESCE(c.name, 'Uncategorized')"_s));
        QCOMPARE(cells(reports.payeeSummary(from, to, scope),
                     [](const PayeeTotal& l) {
                         return QStringList{l.payee, QString::number(l.amount), QString::number(l.count)};
                     }),
            reference.read(u"SELECT t.payee, SUM(t.amount), COUNT(*) FROM transactions t"_s,
                u" GROUP BY t.payee ORDER BY SUM(t.amount) ASC, t.payee"_s));
        QCOMPARE(cells(reports.taxReport(from, to, scope),
                     [](const TaxLine& l) {
                         return QStringList{l.categoryName, l.taxCategory, QString::number(l.amount)};
                     }),
            reference.read(u"SELECT c.name, c.tax_category, SUM(t.amount) FROM transactions t "
                           "JOIN categories c ON t.category_id = c.id AND c.deleted_at IS NULL"_s,
                u" AND c.is_tax_relevant = 1 GROUP BY c.name, c.tax_category ORDER BY c.tax_category, c.name"_s, false));
        QCOMPARE(monthCells(reports.incomeVsExpenses(from, to, scope)),
            reference.read(byMonth,
                u" AND (t.transfer_link_id IS NULL OR t.transfer_link_id = '') GROUP BY month ORDER BY month"_s));
        QCOMPARE(monthCells(reports.cashFlow(from, to, scope)), reference.read(byMonth, u" GROUP BY month ORDER BY month"_s));
        const QMap<QString, qint64> totals = reports.categoryTotals(from, to, scope);
        QStringList totalRows;
        for (auto total = totals.cbegin(); total != totals.cend(); ++total)
            totalRows << total.key() + u'|' + QString::number(total.value());
        QCOMPARE(totalRows,
            reference.read(byCategoryName, u" GROUP BY COALESCE(c.name, 'Uncategorized') ORDER BY 1"_s));
        // Rows of one day and payee in the order they were entered.
        QCOMPARE(listingCells(reports.transactions(from, to, scope)),
            reference.read(listing, u" ORDER BY t.date, t.payee, t.rowid"_s));
    }

    void listingOfOneCategory_data()
    {
        QTest::addColumn<QString>("categoryId");
        QTest::newRow("a live category") << u"DIN2"_s;
        QTest::newRow("a deleted category") << u"OLD"_s;
    }

    void listingOfOneCategory()
    {
        QFETCH(QString, categoryId);
        Database* database = m_database->database();
        const QDate from(2000, 1, 1);
        const QDate to(2030, 12, 31);
        ReportRepository reports(database);
        QCOMPARE(listingCells(reports.transactions(from, to, {}, categoryId)),
            rows(database,
                listing + u" WHERE t.deleted_at IS NULL AND t.category_id = ? ORDER BY t.date, t.payee, t.rowid"_s,
                {categoryId}));
    }

    void searchMatchesItsDefinition_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("accountId");
        QTest::addColumn<QDate>("from");

        QTest::newRow("a word with more matches than one page") << u"Shop"_s << QString() << QDate();
        QTest::newRow("a phrase") << u"\"Corner Shop\""_s << QString() << QDate();
        QTest::newRow("a word in one account") << u"Shop"_s << u"E1"_s << QDate();
        QTest::newRow("a word from a date") << u"bakery"_s << QString() << QDate(2024, 1, 10);
        QTest::newRow("a word that matches nothing") << u"nowhere"_s << QString() << QDate();
        QTest::newRow("no text: the newest rows") << QString() << QString() << QDate();
    }

    void searchMatchesItsDefinition()
    {
        QFETCH(QString, text);
        QFETCH(QString, accountId);
        QFETCH(QDate, from);
        Database* database = m_database->database();
        TransactionRepository transactions(database);
        TransactionRepository::SearchFilter filter;
        filter.accountId = accountId;
        filter.fromDate = from;

        QString sql = text.isEmpty()
            ? u"SELECT t.id FROM transactions t WHERE t.deleted_at IS NULL"_s
            : u"SELECT t.id FROM transactions t JOIN transactions_fts fts ON fts.rowid = t.rowid "
              "WHERE t.deleted_at IS NULL AND transactions_fts MATCH ?"_s;
        QVariantList values;
        if (!text.isEmpty())
            values << text;
        if (!accountId.isEmpty()) {
            sql += u" AND t.account_id = ?"_s;
            values << accountId;
        }
        if (from.isValid()) {
            sql += u" AND t.date >= ?"_s;
            values << dateToText(from);
        }
        // Equal dates and creation times in the order the rows were entered.
        sql += u" ORDER BY t.date DESC, t.created_at DESC, t.rowid LIMIT 200"_s;
        QCOMPARE(searchIds(transactions.search(text, filter)), rows(database, sql, values));
    }

private:
    std::unique_ptr<TestDatabase> m_database;
};

QTEST_GUILESS_MAIN(TestReportQueries)
#include "tst_reportqueries.moc"
