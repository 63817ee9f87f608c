#include "storage/reportrepository.h"

#include "storage/database.h"
#include "storage/nativerows.h"
#include "storage/sqlquery.h"

#include <QHash>
#include <algorithm>
#include <cstring>
#include <numeric>
#include <utility>
#include <vector>

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

// Spending or totals by category name: summed per category id from the index
// kept in category order, then per name, so that only a handful of sums meet
// the categories table. A deleted or missing category counts as none.
QString categorySumsSql(const char* condition, const ReportScope& scope, QVariantList& values)
{
    QString sql = QStringLiteral(
        "SELECT COALESCE(c.name, 'Uncategorized'), SUM(s.total) FROM ("
        "SELECT t.category_id, SUM(t.amount) AS total FROM transactions t INDEXED BY idx_transactions_live_category "
        "WHERE t.deleted_at IS NULL%1 AND t.date >= ? AND t.date <= ?")
                      .arg(QLatin1String(condition));
    appendScope(sql, values, scope);
    sql += QStringLiteral(
        " GROUP BY t.category_id) s "
        "LEFT JOIN categories c ON s.category_id = c.id AND c.deleted_at IS NULL "
        "GROUP BY COALESCE(c.name, 'Uncategorized')");
    return sql;
}

// Money in and out per month: summed per day from the index kept in date
// order, then per month, so that only one row a day is sorted.
QString monthlySumsSql(const char* condition, const ReportScope& scope, QVariantList& values)
{
    QString sql = QStringLiteral(
        "SELECT strftime('%Y-%m', d.date) AS month, SUM(d.money_in), SUM(d.money_out) FROM ("
        "SELECT t.date, SUM(CASE WHEN t.amount > 0 THEN t.amount ELSE 0 END) AS money_in, "
        "SUM(CASE WHEN t.amount < 0 THEN t.amount ELSE 0 END) AS money_out "
        "FROM transactions t INDEXED BY idx_transactions_live_date WHERE t.deleted_at IS NULL%1 "
        "AND t.date >= ? AND t.date <= ?")
                      .arg(QLatin1String(condition));
    appendScope(sql, values, scope);
    sql += QStringLiteral(" GROUP BY t.date) d GROUP BY month ORDER BY month");
    return sql;
}

MonthLine readMonth(const SqlQuery& row)
{
    MonthLine line{row.value(0).toString(), row.value(1).toLongLong(), row.value(2).toLongLong(), 0};
    line.net = line.moneyIn + line.moneyOut;
    return line;
}

// Texts found by the UTF-8 bytes of a cell, so that looking one up costs
// no copy. The bytes are hashed a word at a time, which for the short texts
// of a listing is several times cheaper than QHash's own hash of a
// QByteArray; the whole bytes still decide.
class TextsByBytes
{
public:
    const QString* find(QByteArrayView bytes) const
    {
        for (qsizetype entry = m_first.value(hashOf(bytes), -1); entry >= 0; entry = m_entries[entry].next) {
            if (m_entries[entry].bytes == bytes)
                return &m_entries[entry].text;
        }
        return nullptr;
    }
    void insert(QByteArrayView bytes, const QString& text)
    {
        const quint64 hash = hashOf(bytes);
        m_entries.push_back({bytes.toByteArray(), text, m_first.value(hash, -1)});
        m_first.insert(hash, qsizetype(m_entries.size()) - 1);
    }
    qsizetype size() const { return qsizetype(m_entries.size()); }

private:
    // FNV-1a over eight bytes at a time, then the bytes left over.
    static quint64 hashOf(QByteArrayView bytes)
    {
        constexpr quint64 prime = 1099511628211ULL;
        quint64 hash = 14695981039346656037ULL;
        qsizetype position = 0;
        for (; position + 8 <= bytes.size(); position += 8) {
            quint64 word = 0;
            std::memcpy(&word, bytes.data() + position, sizeof word);
            hash = (hash ^ word) * prime;
        }
        for (; position < bytes.size(); ++position)
            hash = (hash ^ quint8(bytes.at(position))) * prime;
        return hash ^ (hash >> 32);
    }

    // Entries of one hash are chained, newest first, through `next`.
    struct Entry
    {
        QByteArray bytes;
        QString text;
        qsizetype next;
    };
    QHash<quint64, qsizetype> m_first;
    std::vector<Entry> m_entries;
};

QString nameOf(const TextsByBytes& names, const NativeRows& rows, int column, const QString& none)
{
    if (rows.isNull(column))
        return none;
    const QString* name = names.find(rows.utf8(column));
    return name ? *name : none;
}

// The names of a small table's rows by id, read by `sql` ("SELECT id, name ...").
TextsByBytes namesById(Database* database, const QString& sql)
{
    TextsByBytes names;
    SqlQuery query(database, sql);
    if (query.exec()) {
        while (query.next())
            names.insert(query.value(0).toString().toUtf8(), query.value(1).toString());
    }
    return names;
}

// Texts that repeat from row to row (a household has a few hundred payees
// and a handful of memos it uses again and again) are made once and shared.
// The pool stops growing at a bound, so a listing of unique memos costs no
// more than copying each.
class SharedTexts
{
public:
    QString text(const NativeRows& rows, int column)
    {
        const QByteArrayView cell = rows.utf8(column);
        if (const QString* shared = m_texts.find(cell))
            return *shared;
        const QString text = rows.text(column);
        if (m_texts.size() < maximumShared)
            m_texts.insert(cell, text);
        return text;
    }

private:
    static constexpr qsizetype maximumShared = 4096;
    TextsByBytes m_texts;
};

// The index gives the rows in date and payee order; rows of the same day and
// payee are put back in the order they were entered (by rowid) here, where
// only those few are sorted, rather than by SQLite, which would sort every
// day's payee apart. Each day's date is parsed once, and the account and
// category names are shared, not copied out of every row.
QList<TransactionLine> readTransactionLines(
    NativeRows& rows, const TextsByBytes& accountNames, const TextsByBytes& categoryNames)
{
    QList<TransactionLine> lines;
    // The rows of the current day and payee: where they start in `lines`,
    // and the order each was entered in.
    qsizetype groupStart = 0;
    QList<qint64> groupEntries;
    const auto closeGroup = [&] {
        if (groupEntries.size() > 1 && !std::is_sorted(groupEntries.cbegin(), groupEntries.cend())) {
            QList<qsizetype> order(groupEntries.size());
            std::iota(order.begin(), order.end(), 0);
            std::sort(order.begin(), order.end(),
                [&](qsizetype a, qsizetype b) { return groupEntries.at(a) < groupEntries.at(b); });
            QList<TransactionLine> entered;
            entered.reserve(order.size());
            for (const qsizetype position : std::as_const(order))
                entered.append(std::move(lines[groupStart + position]));
            std::move(entered.begin(), entered.end(), lines.begin() + groupStart);
        }
        groupStart = lines.size();
        groupEntries.clear();
    };
    QByteArray dayText;
    QDate day;
    SharedTexts payees;
    SharedTexts memos;
    while (rows.next()) {
        const QByteArrayView rowDayText = rows.utf8(0);
        const QString payee = payees.text(rows, 2);
        const bool sameDay = rowDayText == dayText;
        if (!sameDay || groupEntries.isEmpty() || payee != lines.at(groupStart).payee)
            closeGroup();
        if (!sameDay) {
            dayText = rowDayText.toByteArray();
            day = QDate::fromString(QLatin1String(dayText), Qt::ISODate);
        }
        groupEntries.append(rows.integer(6));
        lines.append(TransactionLine{day, nameOf(accountNames, rows, 1, QString()), payee,
            nameOf(categoryNames, rows, 3, QStringLiteral("")), memos.text(rows, 4), rows.integer(5)});
    }
    closeGroup();
    return lines;
}

} // namespace

ReportRepository::ReportRepository(Database* database, QObject* parent)
    : QObject(parent)
    , m_database(database)
{
}

QList<CategoryTotal> ReportRepository::categorySpending(const QDate& from, const QDate& to, const ReportScope& scope)
{
    QVariantList values{dateText(from), dateText(to)};
    // Equal sums keep the order of their names.
    const QString sql = categorySumsSql(" AND t.amount < 0", scope, values)
        + QStringLiteral(" ORDER BY SUM(s.total) ASC, COALESCE(c.name, 'Uncategorized')");
    return SqlQuery(m_database, sql, values).readAll([](const SqlQuery& row) {
        return CategoryTotal{row.value(0).toString(), row.value(1).toLongLong()};
    });
}

QList<PayeeTotal> ReportRepository::payeeSummary(const QDate& from, const QDate& to, const ReportScope& scope)
{
    QString sql = QStringLiteral("SELECT t.payee, SUM(t.amount), COUNT(*) FROM transactions t "
                                 "INDEXED BY idx_transactions_live_payee "
                                 "WHERE t.deleted_at IS NULL AND t.date >= ? AND t.date <= ?");
    QVariantList values{dateText(from), dateText(to)};
    appendScope(sql, values, scope);
    // Equal sums keep the order of their payees.
    sql += QStringLiteral(" GROUP BY t.payee ORDER BY SUM(t.amount) ASC, t.payee");
    return SqlQuery(m_database, sql, values).readAll([](const SqlQuery& row) {
        return PayeeTotal{row.value(0).toString(), row.value(1).toLongLong(), row.value(2).toInt()};
    });
}

QList<TaxLine> ReportRepository::taxReport(const QDate& from, const QDate& to, const ReportScope& scope)
{
    // Few categories are tax-relevant: starting from them reads only their
    // transactions.
    QString sql = QStringLiteral(
        "SELECT c.name, c.tax_category, SUM(t.amount) FROM categories c "
        "CROSS JOIN transactions t INDEXED BY idx_transactions_live_category ON t.category_id = c.id "
        "WHERE c.deleted_at IS NULL AND c.is_tax_relevant = 1 AND t.deleted_at IS NULL "
        "AND t.date >= ? AND t.date <= ?");
    QVariantList values{dateText(from), dateText(to)};
    appendScope(sql, values, scope, false);
    sql += QStringLiteral(" GROUP BY c.name, c.tax_category ORDER BY c.tax_category, c.name");
    return SqlQuery(m_database, sql, values).readAll([](const SqlQuery& row) {
        return TaxLine{row.value(0).toString(), row.value(1).toString(), row.value(2).toLongLong()};
    });
}

QList<MonthLine> ReportRepository::incomeVsExpenses(const QDate& from, const QDate& to, const ReportScope& scope)
{
    QVariantList values{dateText(from), dateText(to)};
    const QString sql =
        monthlySumsSql(" AND (t.transfer_link_id IS NULL OR t.transfer_link_id = '')", scope, values);
    return SqlQuery(m_database, sql, values).readAll(readMonth);
}

QList<MonthLine> ReportRepository::cashFlow(const QDate& from, const QDate& to, const ReportScope& scope)
{
    QVariantList values{dateText(from), dateText(to)};
    return SqlQuery(m_database, monthlySumsSql("", scope, values), values).readAll(readMonth);
}

QMap<QString, qint64> ReportRepository::categoryTotals(const QDate& from, const QDate& to, const ReportScope& scope)
{
    QVariantList values{dateText(from), dateText(to)};
    QMap<QString, qint64> totals;
    SqlQuery query(m_database, categorySumsSql("", scope, values), values);
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
        "SELECT t.date, t.account_id, t.payee, t.category_id, COALESCE(t.memo, ''), t.amount, t.rowid "
        "FROM transactions t INDEXED BY idx_transactions_live_date "
        "WHERE t.deleted_at IS NULL AND t.date >= ? AND t.date <= ?");
    QVariantList values{dateText(from), dateText(to)};
    appendScope(sql, values, scope);
    if (!categoryId.isEmpty()) {
        sql += QStringLiteral(" AND t.category_id = ?");
        values << categoryId;
    }
    sql += QStringLiteral(" ORDER BY t.date, t.payee");
    // Every account's name, deleted ones too; a deleted category counts as none.
    const TextsByBytes accountNames = namesById(m_database, QStringLiteral("SELECT id, name FROM accounts"));
    const TextsByBytes categoryNames =
        namesById(m_database, QStringLiteral("SELECT id, name FROM categories WHERE deleted_at IS NULL"));
    NativeRows rows(m_database, sql, values);
    return rows.exec() ? readTransactionLines(rows, accountNames, categoryNames) : QList<TransactionLine>();
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
