#include "storage/reportrepository.h"

#include "storage/sqlquery.h"

#include <algorithm>
#include <utility>

namespace {

QString dateText(const QDate& date)
{
    return date.toString(Qt::ISODate);
}

// The scope's conditions in the order their values are bound.
void appendScope(QString& sql, QVariantList& values, const ReportScope& scope, bool withAccount = true)
{
    if (withAccount && !scope.accountId.isEmpty()) {
        sql += QStringLiteral(" AND t.account_id = ?");
        values << scope.accountId;
    }
    // Amounts of different currencies never meet in one sum.
    if (!scope.currency.isEmpty()) {
        sql += QStringLiteral(" AND t.account_id IN (SELECT cur.id FROM accounts cur WHERE cur.currency = ?)");
        values << scope.currency;
    }
}

MonthLine readMonth(const SqlQuery& row)
{
    MonthLine line{row.value(0).toString(), row.value(1).toLongLong(), row.value(2).toLongLong(), 0};
    line.net = line.moneyIn + line.moneyOut;
    return line;
}

} // namespace

ReportRepository::ReportRepository(Database* database, QObject* parent)
    : QObject(parent)
    , m_database(database)
{
}

QString ReportRepository::transactionsTable(const QDate& from, const QDate& to)
{
    // SQLite takes any date range for a narrow one and walks the date
    // index, reading the table in date order; over most of the register a
    // plain scan is several times faster. MIN and MAX come from the index.
    const QString indexed = QStringLiteral("transactions t");
    SqlQuery query(m_database, QStringLiteral("SELECT MIN(date), MAX(date) FROM transactions"));
    const auto span = query.readOne([](const SqlQuery& row) {
        return std::pair{QDate::fromString(row.value(0).toString(), Qt::ISODate),
            QDate::fromString(row.value(1).toString(), Qt::ISODate)};
    });
    if (!span || !span->first.isValid() || !span->second.isValid())
        return indexed;
    const qint64 spanDays = span->first.daysTo(span->second) + 1;
    const qint64 periodDays = std::max(from, span->first).daysTo(std::min(to, span->second)) + 1;
    return periodDays * 4 > spanDays ? QStringLiteral("transactions t NOT INDEXED") : indexed;
}

QList<CategoryTotal> ReportRepository::categorySpending(const QDate& from, const QDate& to, const ReportScope& scope)
{
    QString sql = QStringLiteral(
        "SELECT COALESCE(c.name, 'Uncategorized'), SUM(t.amount) FROM %1 "
        "LEFT JOIN categories c ON t.category_id = c.id AND c.deleted_at IS NULL "
        "WHERE t.deleted_at IS NULL AND t.amount < 0 AND t.date >= ? AND t.date <= ?");
    QVariantList values{dateText(from), dateText(to)};
    sql = sql.arg(transactionsTable(from, to));
    appendScope(sql, values, scope);
    sql += QStringLiteral(" GROUP BY COALESCE(c.name, 'Uncategorized') ORDER BY SUM(t.amount) ASC");
    return SqlQuery(m_database, sql, values).readAll([](const SqlQuery& row) {
        return CategoryTotal{row.value(0).toString(), row.value(1).toLongLong()};
    });
}

QList<PayeeTotal> ReportRepository::payeeSummary(const QDate& from, const QDate& to, const ReportScope& scope)
{
    QString sql = QStringLiteral("SELECT t.payee, SUM(t.amount), COUNT(*) FROM %1 "
                                 "WHERE t.deleted_at IS NULL AND t.date >= ? AND t.date <= ?");
    QVariantList values{dateText(from), dateText(to)};
    sql = sql.arg(transactionsTable(from, to));
    appendScope(sql, values, scope);
    sql += QStringLiteral(" GROUP BY t.payee ORDER BY SUM(t.amount) ASC");
    return SqlQuery(m_database, sql, values).readAll([](const SqlQuery& row) {
        return PayeeTotal{row.value(0).toString(), row.value(1).toLongLong(), row.value(2).toInt()};
    });
}

QList<TaxLine> ReportRepository::taxReport(const QDate& from, const QDate& to, const ReportScope& scope)
{
    QString sql = QStringLiteral(
        "SELECT c.name, c.tax_category, SUM(t.amount) FROM %1 "
        "JOIN categories c ON t.category_id = c.id AND c.deleted_at IS NULL "
        "WHERE t.deleted_at IS NULL AND c.is_tax_relevant = 1 AND t.date >= ? AND t.date <= ?");
    QVariantList values{dateText(from), dateText(to)};
    sql = sql.arg(transactionsTable(from, to));
    appendScope(sql, values, scope, false);
    sql += QStringLiteral(" GROUP BY c.name, c.tax_category ORDER BY c.tax_category, c.name");
    return SqlQuery(m_database, sql, values).readAll([](const SqlQuery& row) {
        return TaxLine{row.value(0).toString(), row.value(1).toString(), row.value(2).toLongLong()};
    });
}

QList<MonthLine> ReportRepository::incomeVsExpenses(const QDate& from, const QDate& to, const ReportScope& scope)
{
    QString sql = QStringLiteral(
        "SELECT strftime('%Y-%m', t.date) AS month, "
        "SUM(CASE WHEN t.amount > 0 THEN t.amount ELSE 0 END) AS income, "
        "SUM(CASE WHEN t.amount < 0 THEN t.amount ELSE 0 END) AS expenses "
        "FROM %1 WHERE t.deleted_at IS NULL "
        "AND (t.transfer_link_id IS NULL OR t.transfer_link_id = '') AND t.date >= ? AND t.date <= ?");
    QVariantList values{dateText(from), dateText(to)};
    sql = sql.arg(transactionsTable(from, to));
    appendScope(sql, values, scope);
    sql += QStringLiteral(" GROUP BY month ORDER BY month");
    return SqlQuery(m_database, sql, values).readAll(readMonth);
}

QList<MonthLine> ReportRepository::cashFlow(const QDate& from, const QDate& to, const ReportScope& scope)
{
    QString sql = QStringLiteral(
        "SELECT strftime('%Y-%m', t.date) AS month, "
        "SUM(CASE WHEN t.amount > 0 THEN t.amount ELSE 0 END) AS inflows, "
        "SUM(CASE WHEN t.amount < 0 THEN t.amount ELSE 0 END) AS outflows "
        "FROM %1 WHERE t.deleted_at IS NULL AND t.date >= ? AND t.date <= ?");
    QVariantList values{dateText(from), dateText(to)};
    sql = sql.arg(transactionsTable(from, to));
    appendScope(sql, values, scope);
    sql += QStringLiteral(" GROUP BY month ORDER BY month");
    return SqlQuery(m_database, sql, values).readAll(readMonth);
}

QMap<QString, qint64> ReportRepository::categoryTotals(const QDate& from, const QDate& to, const ReportScope& scope)
{
    QString sql = QStringLiteral(
        "SELECT COALESCE(c.name, 'Uncategorized'), SUM(t.amount) FROM %1 "
        "LEFT JOIN categories c ON t.category_id = c.id AND c.deleted_at IS NULL "
        "WHERE t.deleted_at IS NULL AND t.date >= ? AND t.date <= ?");
    QVariantList values{dateText(from), dateText(to)};
    sql = sql.arg(transactionsTable(from, to));
    appendScope(sql, values, scope);
    sql += QStringLiteral(" GROUP BY COALESCE(c.name, 'Uncategorized')");
    QMap<QString, qint64> totals;
    SqlQuery query(m_database, sql, values);
    if (!query.exec())
        return totals;
    while (query.next())
        totals.insert(query.value(0).toString(), query.value(1).toLongLong());
    return totals;
}

QList<AccountLine> ReportRepository::accountSummary()
{
    SqlQuery query(m_database,
        QStringLiteral(
            "SELECT a.name, a.account_type, a.starting_balance, "
            "COALESCE(SUM(CASE WHEN t.cleared = 1 THEN t.amount ELSE 0 END), 0) AS cleared_sum, "
            "COALESCE(SUM(CASE WHEN t.cleared = 0 THEN t.amount ELSE 0 END), 0) AS uncleared_sum, "
            "COALESCE(SUM(t.amount), 0) AS total_sum, a.currency "
            "FROM accounts a LEFT JOIN transactions t ON t.account_id = a.id AND t.deleted_at IS NULL "
            "WHERE a.deleted_at IS NULL GROUP BY a.id ORDER BY a.sort_order, a.name"));
    return query.readAll([](const SqlQuery& row) {
        const qint64 startingBalance = row.value(2).toLongLong();
        return AccountLine{row.value(0).toString(), row.value(1).toString(), currencyFromText(row.value(6).toString()),
            startingBalance + row.value(3).toLongLong(), row.value(4).toLongLong(),
            startingBalance + row.value(5).toLongLong()};
    });
}

QList<CurrencyTotal> ReportRepository::startingBalancesByCurrency()
{
    SqlQuery query(m_database,
        QStringLiteral("SELECT currency, SUM(starting_balance) FROM accounts WHERE deleted_at IS NULL "
                       "GROUP BY currency ORDER BY currency"));
    return query.readAll([](const SqlQuery& row) {
        return CurrencyTotal{row.value(0).toString(), row.value(1).toLongLong()};
    });
}

QList<CurrencyMonthTotal> ReportRepository::monthlyChangesByCurrency(const QDate& to)
{
    // The end date is a condition inside the sum rather than a range in the
    // WHERE clause, which would draw SQLite to the date index and a read of
    // the whole table in date order. Dates are stored "yyyy-MM-dd", so their
    // first seven characters are the month.
    SqlQuery query(m_database,
        QStringLiteral("SELECT a.currency, substr(t.date, 1, 7) AS month, "
                       "SUM(CASE WHEN t.date <= ? THEN t.amount ELSE 0 END) "
                       "FROM transactions t JOIN accounts a ON a.id = t.account_id "
                       "WHERE t.deleted_at IS NULL AND a.deleted_at IS NULL "
                       "GROUP BY a.currency, month ORDER BY a.currency, month"),
        {dateText(to)});
    return query.readAll([](const SqlQuery& row) {
        return CurrencyMonthTotal{row.value(0).toString(), row.value(1).toString(), row.value(2).toLongLong()};
    });
}

QList<TransactionLine> ReportRepository::transactions(
    const QDate& from, const QDate& to, const ReportScope& scope, const QString& categoryId)
{
    QString sql = QStringLiteral(
        "SELECT t.date, a.name AS account_name, t.payee, COALESCE(c.name, '') AS category_name, "
        "COALESCE(t.memo, ''), t.amount FROM %1 "
        "LEFT JOIN accounts a ON t.account_id = a.id "
        "LEFT JOIN categories c ON t.category_id = c.id AND c.deleted_at IS NULL "
        "WHERE t.deleted_at IS NULL AND t.date >= ? AND t.date <= ?");
    QVariantList values{dateText(from), dateText(to)};
    sql = sql.arg(transactionsTable(from, to));
    appendScope(sql, values, scope);
    if (!categoryId.isEmpty()) {
        sql += QStringLiteral(" AND t.category_id = ?");
        values << categoryId;
    }
    sql += QStringLiteral(" ORDER BY t.date, t.payee");
    return SqlQuery(m_database, sql, values).readAll([](const SqlQuery& row) {
        return TransactionLine{QDate::fromString(row.value(0).toString(), Qt::ISODate), row.value(1).toString(),
            row.value(2).toString(), row.value(3).toString(), row.value(4).toString(), row.value(5).toLongLong()};
    });
}

std::optional<QDate> ReportRepository::earliestTransactionDate()
{
    SqlQuery query(m_database, QStringLiteral("SELECT MIN(date) FROM transactions WHERE deleted_at IS NULL"));
    const auto earliest = query.readOne([](const SqlQuery& row) { return row.value(0).toString(); });
    if (!earliest || earliest->isEmpty())
        return std::nullopt;
    const QDate date = QDate::fromString(*earliest, Qt::ISODate);
    return date.isValid() ? std::optional<QDate>(date) : std::nullopt;
}
