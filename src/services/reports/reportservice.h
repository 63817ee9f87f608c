#pragma once

#include "storage/reportrows.h"

#include <QDate>
#include <QList>
#include <QObject>
#include <QStringList>

class AccountRepository;
class ReportRepository;

// One entry of the reports' account filter: what it reads and what it
// counts, and the currency its amounts are shown in.
struct ReportScopeChoice
{
    QString label;
    ReportScope scope;
    Currency currency = Currency::USD;
};

// The eight reports, in the order of the reports window's tabs.
enum class ReportKind { CategorySpending, PayeeSummary, TaxReport, IncomeVsExpenses, CashFlow, YearOverYear,
    AccountSummary, Transactions };
constexpr int reportKindCount = 8;

// What one run of the reports reads: the period, the two periods year over
// year compares, the accounts counted and the currency shown.
struct ReportRequest
{
    QDate from;
    QDate to;
    QDate firstFrom;
    QDate firstTo;
    QDate secondFrom;
    QDate secondTo;
    ReportScope scope;
    Currency currency = Currency::USD;
};

// The rows of the reports a run asked for; the others stay empty.
struct ReportResults
{
    QList<CategoryTotal> categorySpending;
    QList<PayeeTotal> payeeSummary;
    QList<TaxLine> taxReport;
    QList<MonthLine> incomeVsExpenses;
    QList<MonthLine> cashFlow;
    QList<YearOverYearLine> yearOverYear;
    QList<AccountLine> accountSummary;
    QList<TransactionLine> transactions;
};

// The rules of the read-only reports: which accounts a filter counts, the
// year-over-year comparison, and the CSV text of an exported table. Amounts
// of different currencies are never added: with live accounts in several
// currencies, "all accounts" means all accounts of one currency.
class ReportService : public QObject
{
    Q_OBJECT

public:
    ReportService(AccountRepository* accounts, ReportRepository* reports, QObject* parent = nullptr);

    // "All Accounts" (or one "All Accounts (EUR)" per currency in use), then
    // every live account in the accounts' order.
    QList<ReportScopeChoice> scopeChoices();
    // The day "All Time" starts: the earliest transaction's, or `today`.
    QDate allTimeStart(const QDate& today);

    // Runs the reports of `kinds` for `request`.
    ReportResults run(const ReportRequest& request, const QList<ReportKind>& kinds);

    QList<CategoryTotal> categorySpending(const QDate& from, const QDate& to, const ReportScope& scope);
    QList<PayeeTotal> payeeSummary(const QDate& from, const QDate& to, const ReportScope& scope);
    QList<TaxLine> taxReport(const QDate& from, const QDate& to, const ReportScope& scope);
    QList<MonthLine> incomeVsExpenses(const QDate& from, const QDate& to, const ReportScope& scope);
    QList<MonthLine> cashFlow(const QDate& from, const QDate& to, const ReportScope& scope);
    // Every category name of either period, sorted by name.
    QList<YearOverYearLine> yearOverYear(const QDate& from1, const QDate& to1, const QDate& from2, const QDate& to2,
        const ReportScope& scope);
    QList<AccountLine> accountSummary();
    // For each currency of the live accounts, their balance at the end of
    // every month from `from`'s through `to`'s, everything before `from`
    // included. A currency whose balance leaves the range of amounts has no
    // points rather than wrapped ones.
    QList<NetWorthLine> netWorth(const QDate& from, const QDate& to);
    QList<TransactionLine> transactions(
        const QDate& from, const QDate& to, const ReportScope& scope, const QString& categoryId = QString());

    // Quoted, comma-separated lines, each ending in a line feed. Cells of
    // the `textColumns` (names the user typed) are guarded against being
    // read as formulas; the headers are written as given.
    static QString csvText(const QStringList& headers, const QList<QStringList>& rows, const QList<int>& textColumns);

    // Writes `text` as UTF-8 with the platform's line endings, all or
    // nothing. The reason in plain words on failure, else empty.
    static QString writeCsv(const QString& path, const QString& text);

private:
    AccountRepository* m_accounts;
    ReportRepository* m_reports;
};
