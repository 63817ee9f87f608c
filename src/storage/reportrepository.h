#pragma once

#include "storage/reportrows.h"

#include <QDate>
#include <QList>
#include <QMap>
#include <QObject>
#include <optional>

class Database;

// The report queries: sums over live transactions, grouped in SQL. Deleted
// categories count as none, as in the register. A failed query gives no rows.
class ReportRepository : public QObject
{
    Q_OBJECT

public:
    ReportRepository(Database* database, QObject* parent = nullptr);

    // Spending (negative amounts) by category name, largest spending first.
    QList<CategoryTotal> categorySpending(const QDate& from, const QDate& to, const ReportScope& scope);
    QList<PayeeTotal> payeeSummary(const QDate& from, const QDate& to, const ReportScope& scope);
    // Tax-relevant categories; the scope's account is ignored, its currency is not.
    QList<TaxLine> taxReport(const QDate& from, const QDate& to, const ReportScope& scope);
    // Per month, leaving out both legs of transfers.
    QList<MonthLine> incomeVsExpenses(const QDate& from, const QDate& to, const ReportScope& scope);
    // Per month, transfers included.
    QList<MonthLine> cashFlow(const QDate& from, const QDate& to, const ReportScope& scope);
    // Totals by category name ("Uncategorized" for none), income and expenses alike.
    QMap<QString, qint64> categoryTotals(const QDate& from, const QDate& to, const ReportScope& scope);
    // Every live account over all time, in sort order.
    QList<AccountLine> accountSummary();
    // Per currency of the live accounts, their starting balances added up.
    QList<CurrencyTotal> startingBalancesByCurrency();
    // Per currency of the live accounts and month, the sum of their live
    // transactions up to `to` (0 in months after it), ordered by currency
    // and month.
    QList<CurrencyMonthTotal> monthlyChangesByCurrency(const QDate& to);
    QList<TransactionLine> transactions(
        const QDate& from, const QDate& to, const ReportScope& scope, const QString& categoryId = QString());
    // The date of the earliest live transaction; none without transactions.
    std::optional<QDate> earliestTransactionDate();

private:
    Database* m_database;
};
