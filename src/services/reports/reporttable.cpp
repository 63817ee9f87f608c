#include "services/reports/reporttable.h"

#include <QLocale>

namespace {

QString money(qint64 amount, Currency currency)
{
    return formatCurrency(amount, currency, AmountFormat::shown());
}

const QStringList& fileStems()
{
    static const QStringList stems{QStringLiteral("category_spending"), QStringLiteral("payee_summary"),
        QStringLiteral("tax_report"), QStringLiteral("income_vs_expenses"), QStringLiteral("cash_flow"),
        QStringLiteral("year_over_year"), QStringLiteral("account_summary"), QStringLiteral("transactions")};
    return stems;
}

} // namespace

ReportTable ReportTable::build(ReportKind kind, const ReportResults& results, Currency currency)
{
    switch (kind) {
    case ReportKind::CategorySpending:
        return categorySpending(results.categorySpending, currency);
    case ReportKind::PayeeSummary:
        return payeeSummary(results.payeeSummary, currency);
    case ReportKind::TaxReport:
        return taxReport(results.taxReport, currency);
    case ReportKind::IncomeVsExpenses:
        return months({tr("Month"), tr("Income"), tr("Expenses"), tr("Net")}, results.incomeVsExpenses, currency);
    case ReportKind::CashFlow:
        return months({tr("Month"), tr("Inflows"), tr("Outflows"), tr("Net")}, results.cashFlow, currency);
    case ReportKind::YearOverYear:
        return yearOverYear(results.yearOverYear, currency);
    case ReportKind::AccountSummary:
        return accountSummary(results.accountSummary);
    case ReportKind::Transactions:
        return transactions(results.transactions, currency);
    }
    return {};
}

QString ReportTable::fileStem(ReportKind kind)
{
    return fileStems().value(int(kind));
}

std::optional<ReportKind> ReportTable::kindForFileStem(const QString& stem)
{
    const qsizetype index = fileStems().indexOf(stem);
    if (index < 0)
        return std::nullopt;
    return ReportKind(index);
}

QString ReportTable::csvText() const
{
    return ReportService::csvText(headers, rows, textColumns);
}

ReportTable ReportTable::categorySpending(const QList<CategoryTotal>& lines, Currency currency)
{
    ReportTable table{{tr("Category"), tr("Total")}, {}, {0}, {1}};
    for (const CategoryTotal& line : lines)
        table.rows.append({line.name, money(line.amount, currency)});
    return table;
}

ReportTable ReportTable::payeeSummary(const QList<PayeeTotal>& lines, Currency currency)
{
    ReportTable table{{tr("Payee"), tr("Total"), tr("Count")}, {}, {0}, {1, 2}};
    for (const PayeeTotal& line : lines)
        table.rows.append({line.payee, money(line.amount, currency), QString::number(line.count)});
    return table;
}

ReportTable ReportTable::taxReport(const QList<TaxLine>& lines, Currency currency)
{
    ReportTable table{{tr("Category"), tr("Tax Code"), tr("Total")}, {}, {0, 1}, {2}};
    for (const TaxLine& line : lines)
        table.rows.append({line.categoryName, line.taxCategory, money(line.amount, currency)});
    return table;
}

ReportTable ReportTable::months(const QStringList& headers, const QList<MonthLine>& lines, Currency currency)
{
    ReportTable table{headers, {}, {}, {1, 2, 3}};
    CheckedSum moneyIn = 0;
    CheckedSum moneyOut = 0;
    CheckedSum net = 0;
    for (const MonthLine& line : lines) {
        table.rows.append(
            {line.month, money(line.moneyIn, currency), money(line.moneyOut, currency), money(line.net, currency)});
        moneyIn = checkedAdd(moneyIn, line.moneyIn);
        moneyOut = checkedAdd(moneyOut, line.moneyOut);
        net = checkedAdd(net, line.net);
    }
    if (lines.isEmpty())
        return table;
    const auto sum = [currency](const CheckedSum& total) { return total ? money(*total, currency) : tr("too large"); };
    table.rows.append({tr("Total"), sum(moneyIn), sum(moneyOut), sum(net)});
    table.endsWithTotals = true;
    return table;
}

ReportTable ReportTable::yearOverYear(const QList<YearOverYearLine>& lines, Currency currency)
{
    ReportTable table{{tr("Category"), tr("Period 1"), tr("Period 2"), tr("Difference")}, {}, {0}, {1, 2, 3}};
    for (const YearOverYearLine& line : lines) {
        table.rows.append({line.categoryName, money(line.period1, currency), money(line.period2, currency),
            money(line.difference, currency)});
    }
    return table;
}

ReportTable ReportTable::accountSummary(const QList<AccountLine>& lines)
{
    ReportTable table{{tr("Account"), tr("Type"), tr("Cleared"), tr("Uncleared"), tr("Total")}, {}, {0}, {2, 3, 4}};
    for (const AccountLine& line : lines) {
        table.rows.append({line.accountName, accountTypeName(line.accountType),
            money(line.clearedBalance, line.currency), money(line.uncleared, line.currency),
            money(line.totalBalance, line.currency)});
    }
    return table;
}

ReportTable ReportTable::transactions(const QList<TransactionLine>& lines, Currency currency)
{
    ReportTable table{
        {tr("Date"), tr("Account"), tr("Payee"), tr("Category"), tr("Memo"), tr("Amount")}, {}, {1, 2, 3, 4}, {5}};
    const QLocale locale;
    table.rows.reserve(lines.size());
    for (const TransactionLine& line : lines) {
        table.rows.append({locale.toString(line.date, QLocale::ShortFormat), line.accountName, line.payee,
            line.categoryName, line.memo, money(line.amount, currency)});
    }
    return table;
}

QString ReportTable::accountTypeName(const QString& storedType)
{
    if (storedType == QLatin1String("checking"))
        return tr("Checking");
    if (storedType == QLatin1String("savings"))
        return tr("Savings");
    if (storedType == QLatin1String("credit_card"))
        return tr("Credit Card");
    if (storedType == QLatin1String("cash"))
        return tr("Cash");
    if (storedType == QLatin1String("investment"))
        return tr("Investment");
    return tr("Other");
}
