#include "services/reports/reporttable.h"

#include <QHash>
#include <QLocale>

namespace {

// The short dates of a report, each day formatted once: a long report has
// many rows to a day, and formatting a date is far dearer than looking it up.
class ShortDates
{
public:
    const QString& text(const QDate& date)
    {
        auto found = m_texts.constFind(date);
        if (found == m_texts.constEnd())
            found = m_texts.insert(date, m_locale.toString(date, QLocale::ShortFormat));
        return *found;
    }

private:
    const QLocale m_locale;
    QHash<QDate, QString> m_texts;
};

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
    // The locale's marks are read once for the whole table, not per amount.
    const AmountFormat format = AmountFormat::shown();
    switch (kind) {
    case ReportKind::CategorySpending:
        return categorySpending(results.categorySpending, currency, format);
    case ReportKind::PayeeSummary:
        return payeeSummary(results.payeeSummary, currency, format);
    case ReportKind::TaxReport:
        return taxReport(results.taxReport, currency, format);
    case ReportKind::IncomeVsExpenses:
        return months(
            {tr("Month"), tr("Income"), tr("Expenses"), tr("Net")}, results.incomeVsExpenses, currency, format);
    case ReportKind::CashFlow:
        return months({tr("Month"), tr("Inflows"), tr("Outflows"), tr("Net")}, results.cashFlow, currency, format);
    case ReportKind::YearOverYear:
        return yearOverYear(results.yearOverYear, currency, format);
    case ReportKind::AccountSummary:
        return accountSummary(results.accountSummary, format);
    case ReportKind::Transactions:
        return transactions(results.transactions, currency, format);
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

ReportTable ReportTable::categorySpending(
    const QList<CategoryTotal>& lines, Currency currency, const AmountFormat& format)
{
    ReportTable table{{tr("Category"), tr("Total")}, {}, {0}, {1}};
    for (const CategoryTotal& line : lines)
        table.rows.append({line.name, formatCurrency(line.amount, currency, format)});
    return table;
}

ReportTable ReportTable::payeeSummary(const QList<PayeeTotal>& lines, Currency currency, const AmountFormat& format)
{
    ReportTable table{{tr("Payee"), tr("Total"), tr("Count")}, {}, {0}, {1, 2}};
    for (const PayeeTotal& line : lines)
        table.rows.append({line.payee, formatCurrency(line.amount, currency, format), QString::number(line.count)});
    return table;
}

ReportTable ReportTable::taxReport(const QList<TaxLine>& lines, Currency currency, const AmountFormat& format)
{
    ReportTable table{{tr("Category"), tr("Tax Code"), tr("Total")}, {}, {0, 1}, {2}};
    for (const TaxLine& line : lines)
        table.rows.append({line.categoryName, line.taxCategory, formatCurrency(line.amount, currency, format)});
    return table;
}

ReportTable ReportTable::months(
    const QStringList& headers, const QList<MonthLine>& lines, Currency currency, const AmountFormat& format)
{
    ReportTable table{headers, {}, {}, {1, 2, 3}};
    CheckedSum moneyIn = 0;
    CheckedSum moneyOut = 0;
    CheckedSum net = 0;
    for (const MonthLine& line : lines) {
        table.rows.append({line.month, formatCurrency(line.moneyIn, currency, format),
            formatCurrency(line.moneyOut, currency, format), formatCurrency(line.net, currency, format)});
        moneyIn = checkedAdd(moneyIn, line.moneyIn);
        moneyOut = checkedAdd(moneyOut, line.moneyOut);
        net = checkedAdd(net, line.net);
    }
    if (lines.isEmpty())
        return table;
    const auto sum = [currency, &format](const CheckedSum& total) {
        return total ? formatCurrency(*total, currency, format) : tr("too large");
    };
    table.rows.append({tr("Total"), sum(moneyIn), sum(moneyOut), sum(net)});
    table.endsWithTotals = true;
    return table;
}

ReportTable ReportTable::yearOverYear(
    const QList<YearOverYearLine>& lines, Currency currency, const AmountFormat& format)
{
    ReportTable table{{tr("Category"), tr("Period 1"), tr("Period 2"), tr("Difference")}, {}, {0}, {1, 2, 3}};
    for (const YearOverYearLine& line : lines) {
        table.rows.append({line.categoryName, formatCurrency(line.period1, currency, format),
            formatCurrency(line.period2, currency, format), formatCurrency(line.difference, currency, format)});
    }
    return table;
}

ReportTable ReportTable::accountSummary(const QList<AccountLine>& lines, const AmountFormat& format)
{
    ReportTable table{{tr("Account"), tr("Type"), tr("Cleared"), tr("Uncleared"), tr("Total")}, {}, {0}, {2, 3, 4}};
    for (const AccountLine& line : lines) {
        table.rows.append({line.accountName, accountTypeName(line.accountType),
            formatCurrency(line.clearedBalance, line.currency, format),
            formatCurrency(line.uncleared, line.currency, format),
            formatCurrency(line.totalBalance, line.currency, format)});
    }
    return table;
}

ReportTable ReportTable::transactions(
    const QList<TransactionLine>& lines, Currency currency, const AmountFormat& format)
{
    ReportTable table{
        {tr("Date"), tr("Account"), tr("Payee"), tr("Category"), tr("Memo"), tr("Amount")}, {}, {1, 2, 3, 4}, {5}};
    ShortDates dates;
    table.rows.reserve(lines.size());
    for (const TransactionLine& line : lines) {
        table.rows.append({dates.text(line.date), line.accountName, line.payee, line.categoryName, line.memo,
            formatCurrency(line.amount, currency, format)});
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
