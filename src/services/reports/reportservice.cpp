#include "services/reports/reportservice.h"

#include "storage/accountrepository.h"
#include "storage/csvtext.h"
#include "storage/money.h"
#include "storage/reportrepository.h"

#include <QSaveFile>
#include <algorithm>

ReportService::ReportService(AccountRepository* accounts, ReportRepository* reports, QObject* parent)
    : QObject(parent)
    , m_accounts(accounts)
    , m_reports(reports)
{
}

QList<ReportScopeChoice> ReportService::scopeChoices()
{
    const QList<Account> accounts = m_accounts->all();
    QList<Currency> currencies;
    for (const Account& account : accounts) {
        if (!currencies.contains(account.currency))
            currencies.append(account.currency);
    }
    std::sort(currencies.begin(), currencies.end());
    const bool mixed = currencies.size() > 1;

    QList<ReportScopeChoice> choices;
    if (mixed) {
        for (Currency currency : currencies) {
            const QString word = toStoredText(currency);
            choices.append({tr("All Accounts (%1)").arg(word), {QString(), word}, currency});
        }
    } else {
        choices.append({tr("All Accounts"), {}, currencies.value(0, Currency::USD)});
    }
    for (const Account& account : accounts) {
        // With one currency, the account alone decides; the currency is
        // named only where it keeps sums apart.
        const QString currency = mixed ? toStoredText(account.currency) : QString();
        choices.append({account.name, {account.id, currency}, account.currency});
    }
    return choices;
}

QDate ReportService::allTimeStart(const QDate& today)
{
    const std::optional<QDate> earliest = m_reports->earliestTransactionDate();
    return earliest && *earliest < today ? *earliest : today;
}

ReportResults ReportService::run(const ReportRequest& request, const QList<ReportKind>& kinds)
{
    const QDate& from = request.from;
    const QDate& to = request.to;
    const ReportScope& scope = request.scope;
    ReportResults results;
    for (ReportKind kind : kinds) {
        switch (kind) {
        case ReportKind::CategorySpending:
            results.categorySpending = categorySpending(from, to, scope);
            break;
        case ReportKind::PayeeSummary:
            results.payeeSummary = payeeSummary(from, to, scope);
            break;
        case ReportKind::TaxReport:
            results.taxReport = taxReport(from, to, scope);
            break;
        case ReportKind::IncomeVsExpenses:
            results.incomeVsExpenses = incomeVsExpenses(from, to, scope);
            break;
        case ReportKind::CashFlow:
            results.cashFlow = cashFlow(from, to, scope);
            break;
        case ReportKind::YearOverYear:
            results.yearOverYear = yearOverYear(
                request.firstFrom, request.firstTo, request.secondFrom, request.secondTo, scope);
            break;
        case ReportKind::AccountSummary:
            results.accountSummary = accountSummary();
            break;
        case ReportKind::Transactions:
            results.transactions = transactions(from, to, scope);
            break;
        }
    }
    return results;
}

QList<CategoryTotal> ReportService::categorySpending(const QDate& from, const QDate& to, const ReportScope& scope)
{
    return m_reports->categorySpending(from, to, scope);
}

QList<PayeeTotal> ReportService::payeeSummary(const QDate& from, const QDate& to, const ReportScope& scope)
{
    return m_reports->payeeSummary(from, to, scope);
}

QList<TaxLine> ReportService::taxReport(const QDate& from, const QDate& to, const ReportScope& scope)
{
    return m_reports->taxReport(from, to, scope);
}

QList<MonthLine> ReportService::incomeVsExpenses(const QDate& from, const QDate& to, const ReportScope& scope)
{
    return m_reports->incomeVsExpenses(from, to, scope);
}

QList<MonthLine> ReportService::cashFlow(const QDate& from, const QDate& to, const ReportScope& scope)
{
    return m_reports->cashFlow(from, to, scope);
}

QList<YearOverYearLine> ReportService::yearOverYear(
    const QDate& from1, const QDate& to1, const QDate& from2, const QDate& to2, const ReportScope& scope)
{
    const QMap<QString, qint64> first = m_reports->categoryTotals(from1, to1, scope);
    const QMap<QString, qint64> second = m_reports->categoryTotals(from2, to2, scope);
    // A QMap keeps its keys in QString order, by UTF-16 code unit.
    QMap<QString, YearOverYearLine> lines;
    for (auto it = first.cbegin(); it != first.cend(); ++it)
        lines[it.key()] = {it.key(), it.value(), 0, 0};
    for (auto it = second.cbegin(); it != second.cend(); ++it) {
        YearOverYearLine& line = lines[it.key()];
        line.categoryName = it.key();
        line.period2 = it.value();
    }
    QList<YearOverYearLine> rows;
    for (YearOverYearLine line : std::as_const(lines)) {
        line.difference = line.period2 - line.period1;
        rows.append(line);
    }
    return rows;
}

QList<AccountLine> ReportService::accountSummary()
{
    return m_reports->accountSummary();
}

namespace {

// "yyyy-MM" for every month from `from`'s through `to`'s.
QStringList monthsBetween(const QDate& from, const QDate& to)
{
    QStringList months;
    if (!from.isValid() || !to.isValid())
        return months;
    const QDate last(to.year(), to.month(), 1);
    for (QDate month(from.year(), from.month(), 1); month <= last; month = month.addMonths(1))
        months.append(month.toString(QStringLiteral("yyyy-MM")));
    return months;
}

// Adds one currency's monthly changes to its starting balance; `changes`
// holds this currency's months in order.
std::optional<QList<BalancePoint>> cumulate(
    qint64 startingBalance, const QList<CurrencyMonthTotal>& changes, const QStringList& months)
{
    CheckedSum balance = startingBalance;
    qsizetype next = 0;
    QList<BalancePoint> points;
    points.reserve(months.size());
    for (const QString& month : months) {
        for (; next < changes.size() && changes.at(next).month <= month; ++next)
            balance = checkedAdd(balance, changes.at(next).amount);
        if (!balance || !isValidAmount(*balance))
            return std::nullopt;
        points.append({month, *balance});
    }
    return points;
}

} // namespace

QList<NetWorthLine> ReportService::netWorth(const QDate& from, const QDate& to)
{
    const QStringList months = monthsBetween(from, to);
    const QList<CurrencyTotal> startingBalances = m_reports->startingBalancesByCurrency();
    const QList<CurrencyMonthTotal> changes = m_reports->monthlyChangesByCurrency(to);
    QMap<QString, QList<CurrencyMonthTotal>> changesByCurrency;
    for (const CurrencyMonthTotal& change : changes)
        changesByCurrency[change.currency].append(change);

    QList<NetWorthLine> lines;
    for (const CurrencyTotal& start : startingBalances) {
        const auto points = cumulate(start.amount, changesByCurrency.value(start.currency), months);
        if (!points)
            qWarning("ReportService::netWorth: the %s balance lies beyond the range of amounts", qPrintable(start.currency));
        lines.append({currencyFromText(start.currency), points.value_or(QList<BalancePoint>())});
    }
    std::sort(lines.begin(), lines.end(),
        [](const NetWorthLine& a, const NetWorthLine& b) { return a.currency < b.currency; });
    return lines;
}

QList<TransactionLine> ReportService::transactions(
    const QDate& from, const QDate& to, const ReportScope& scope, const QString& categoryId)
{
    return m_reports->transactions(from, to, scope, categoryId);
}

QString ReportService::csvText(const QStringList& headers, const QList<QStringList>& rows, const QList<int>& textColumns)
{
    const auto quoted = [](const QString& text) { return QLatin1Char('"') + text + QLatin1Char('"'); };
    QStringList headerCells;
    for (const QString& header : headers)
        headerCells.append(quoted(header));
    QString text = headerCells.join(QLatin1Char(',')) + QLatin1Char('\n');
    for (const QStringList& row : rows) {
        QStringList cells;
        for (int column = 0; column < row.size(); ++column) {
            const QString cell = textColumns.contains(column) ? formulaSafe(row.at(column)) : row.at(column);
            cells.append(quoted(QString(cell).replace(QLatin1Char('"'), QStringLiteral("\"\""))));
        }
        text += cells.join(QLatin1Char(',')) + QLatin1Char('\n');
    }
    return text;
}

QString ReportService::writeCsv(const QString& path, const QString& text)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Text))
        return tr("The file %1 could not be opened for writing: %2").arg(path, file.errorString());
    if (file.write(text.toUtf8()) < 0 || !file.commit())
        return tr("The file %1 could not be written: %2").arg(path, file.errorString());
    return QString();
}
