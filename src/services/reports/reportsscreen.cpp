#include "services/reports/reportsscreen.h"

#include "app/appstate.h"
#include "storage/accountrepository.h"
#include "storage/categoryrepository.h"
#include "storage/clock.h"
#include "storage/transactionrepository.h"
#include "widgets/firstdayofweek.h"
#include "widgets/palette.h"

#include <QCalendarWidget>
#include <QComboBox>
#include <QDateEdit>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLocale>
#include <QMessageBox>
#include <QPushButton>
#include <QScopedValueRollback>
#include <QTabWidget>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

QDateEdit* makeDateEdit(QWidget* parent)
{
    auto* edit = new QDateEdit(parent);
    edit->setDisplayFormat(QLocale().dateFormat(QLocale::ShortFormat));
    edit->setCalendarPopup(true);
    edit->calendarWidget()->setFirstDayOfWeek(firstDayOfWeek());
    return edit;
}

QString shortDate(const QDate& date)
{
    return QLocale().toString(date, QLocale::ShortFormat);
}

QTableWidgetItem* textItem(const QString& text)
{
    return new QTableWidgetItem(text);
}

QTableWidgetItem* rightItem(const QString& text)
{
    auto* item = new QTableWidgetItem(text);
    item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return item;
}

QTableWidgetItem* bold(QTableWidgetItem* item)
{
    QFont font = item->font();
    font.setBold(true);
    item->setFont(font);
    return item;
}

void setRow(QTableWidget* table, int row, const QList<QTableWidgetItem*>& items)
{
    for (int column = 0; column < items.size(); ++column)
        table->setItem(row, column, items.at(column));
}

// The columns of each tab that hold names the user typed, which an export
// guards against being read as formulas.
QList<int> textColumns(int tab)
{
    switch (tab) {
    case ReportsScreen::TaxReport:
        return {0, 1};
    case ReportsScreen::IncomeVsExpenses:
    case ReportsScreen::CashFlow:
        return {};
    case ReportsScreen::Transactions:
        return {1, 2, 3, 4};
    default:
        return {0};
    }
}

} // namespace

ReportsScreen::ReportsScreen(AppState* appState, QWidget* parent)
    : QWidget(parent)
    , m_appState(appState)
    , m_service(appState->reportService())
{
    buildLayout();
    connect(appState->accounts(), &AccountRepository::accountsChanged, this, &ReportsScreen::refreshWhenVisible);
    connect(appState->categories(), &CategoryRepository::categoriesChanged, this, &ReportsScreen::refreshWhenVisible);
    connect(appState->transactions(), &TransactionRepository::transactionsChanged, this,
        &ReportsScreen::refreshWhenVisible);
    refresh();
}

void ReportsScreen::buildLayout()
{
    auto* layout = new QVBoxLayout(this);
    auto* title = new QLabel(tr("Reports"), this);
    title->setFont(Palette::adjustedFont(8, QFont::DemiBold));
    layout->addWidget(title);

    auto* filters = new QHBoxLayout;
    m_accountCombo = new QComboBox(this);
    m_accountCombo->setObjectName(QStringLiteral("accountCombo"));
    m_accountCombo->setMinimumWidth(140);
    m_presetCombo = new QComboBox(this);
    m_presetCombo->setObjectName(QStringLiteral("periodCombo"));
    m_presetCombo->setMinimumWidth(130);
    for (const ReportPeriod& preset : ReportPeriods::presets(Clock::today(), Clock::today()))
        m_presetCombo->addItem(preset.label);
    m_fromEdit = makeDateEdit(this);
    m_toEdit = makeDateEdit(this);
    m_fromEdit->setObjectName(QStringLiteral("fromEdit"));
    m_toEdit->setObjectName(QStringLiteral("toEdit"));
    m_rangeLabel = new QLabel(this);
    m_rangeLabel->setObjectName(QStringLiteral("rangeLabel"));
    m_exportButton = new QPushButton(tr("Export CSV"), this);
    filters->addWidget(new QLabel(tr("Account:"), this));
    filters->addWidget(m_accountCombo);
    filters->addWidget(new QLabel(tr("Period:"), this));
    filters->addWidget(m_presetCombo);
    filters->addWidget(m_fromEdit);
    filters->addWidget(m_toEdit);
    filters->addWidget(m_rangeLabel);
    filters->addStretch();
    filters->addWidget(m_exportButton);
    layout->addLayout(filters);

    m_tabs = new QTabWidget(this);
    m_tabs->addTab(makeTable({tr("Category"), tr("Total")}), tr("Category Spending"));
    m_tabs->addTab(makeTable({tr("Payee"), tr("Total"), tr("Count")}), tr("Payee Summary"));
    m_tabs->addTab(makeTable({tr("Category"), tr("Tax Code"), tr("Total")}), tr("Tax Report"));
    m_tabs->addTab(makeTable({tr("Month"), tr("Income"), tr("Expenses"), tr("Net")}), tr("Income vs Expenses"));
    m_tabs->addTab(makeTable({tr("Month"), tr("Inflows"), tr("Outflows"), tr("Net")}), tr("Cash Flow"));
    m_tabs->addTab(buildYearOverYearTab(), tr("Year-over-Year"));
    m_tabs->addTab(makeTable({tr("Account"), tr("Type"), tr("Cleared"), tr("Uncleared"), tr("Total")}),
        tr("Account Summary"));
    m_tabs->addTab(makeTable({tr("Date"), tr("Account"), tr("Payee"), tr("Category"), tr("Memo"), tr("Amount")}),
        tr("Transactions"));
    layout->addWidget(m_tabs, 1);

    connect(m_presetCombo, &QComboBox::currentIndexChanged, this, &ReportsScreen::onDatePresetChanged);
    connect(m_accountCombo, &QComboBox::currentIndexChanged, this, &ReportsScreen::onFilterChanged);
    connect(m_fromEdit, &QDateEdit::dateChanged, this, &ReportsScreen::onFilterChanged);
    connect(m_toEdit, &QDateEdit::dateChanged, this, &ReportsScreen::onFilterChanged);
    connect(m_exportButton, &QPushButton::clicked, this, &ReportsScreen::exportCurrentTab);
}

QWidget* ReportsScreen::buildYearOverYearTab()
{
    auto* page = new QWidget(this);
    auto* layout = new QVBoxLayout(page);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* controls = new QHBoxLayout;
    m_compareCombo = new QComboBox(page);
    m_compareCombo->setObjectName(QStringLiteral("compareCombo"));
    for (const ReportComparison& comparison : ReportPeriods::comparisons(Clock::today()))
        m_compareCombo->addItem(comparison.label);
    controls->addWidget(new QLabel(tr("Compare:"), page));
    controls->addWidget(m_compareCombo);
    for (const QString& caption : {tr("P1:"), tr("P2:")}) {
        auto* label = new QLabel(caption, page);
        controls->addWidget(label);
        m_periodEditLabels.append(label);
        for (int edge = 0; edge < 2; ++edge) {
            QDateEdit* edit = makeDateEdit(page);
            controls->addWidget(edit);
            m_periodEdits.append(edit);
            connect(edit, &QDateEdit::dateChanged, this, &ReportsScreen::onFilterChanged);
        }
    }
    m_compareLabel = new QLabel(page);
    m_compareLabel->setObjectName(QStringLiteral("compareLabel"));
    controls->addWidget(m_compareLabel);
    controls->addStretch();
    layout->addLayout(controls);
    layout->addWidget(makeTable({tr("Category"), tr("Period 1"), tr("Period 2"), tr("Difference")}), 1);
    connect(m_compareCombo, &QComboBox::currentIndexChanged, this, &ReportsScreen::onComparisonChanged);
    return page;
}

QTableWidget* ReportsScreen::makeTable(const QStringList& headers)
{
    auto* table = new QTableWidget(0, int(headers.size()), this);
    table->setHorizontalHeaderLabels(headers);
    table->setAlternatingRowColors(true);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->verticalHeader()->setVisible(false);
    table->verticalHeader()->setDefaultSectionSize(36);
    table->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    table->setShowGrid(false);
    m_tables.append(table);
    return table;
}

void ReportsScreen::refresh()
{
    {
        const QScopedValueRollback guard(m_guard, true);
        rebuildAccountCombo();
        const int comparison = m_compareCombo->currentIndex();
        if (comparison != ReportPeriods::CustomComparison)
            onComparisonChanged(comparison);
    }
    onDatePresetChanged(m_presetCombo->currentIndex());
}

void ReportsScreen::refreshWhenVisible()
{
    if (isVisible())
        refresh();
}

void ReportsScreen::rebuildAccountCombo()
{
    const QScopedValueRollback guard(m_guard, true);
    const QString previous = m_accountCombo->currentIndex() >= 0 ? m_accountCombo->currentText() : QString();
    m_choices = m_service->scopeChoices();
    m_accountCombo->clear();
    for (const ReportScopeChoice& choice : std::as_const(m_choices))
        m_accountCombo->addItem(choice.label, choice.scope.accountId);
    // The chosen account stays chosen while other accounts come and go.
    m_accountCombo->setCurrentIndex(std::max(0, m_accountCombo->findText(previous)));
}

void ReportsScreen::onDatePresetChanged(int index)
{
    const QDate today = Clock::today();
    m_presets = ReportPeriods::presets(today, m_service->allTimeStart(today));
    const bool custom = index == ReportPeriods::Custom;
    m_fromEdit->setVisible(custom);
    m_toEdit->setVisible(custom);
    m_rangeLabel->setVisible(!custom);
    if (!custom && index >= 0 && index < m_presets.size()) {
        const ReportPeriod& period = m_presets.at(index);
        {
            const QScopedValueRollback guard(m_guard, true);
            m_fromEdit->setDate(period.from);
            m_toEdit->setDate(period.to);
        }
        m_rangeLabel->setText(QStringLiteral("%1 – %2").arg(shortDate(period.from), shortDate(period.to)));
        m_rangeLabel->setStyleSheet(Palette::textColorStyle(Palette::muted()));
    }
    runReport();
}

void ReportsScreen::onComparisonChanged(int index)
{
    const bool custom = index == ReportPeriods::CustomComparison;
    for (QDateEdit* edit : std::as_const(m_periodEdits))
        edit->setVisible(custom);
    for (QWidget* label : std::as_const(m_periodEditLabels))
        label->setVisible(custom);
    m_compareLabel->setVisible(!custom);
    if (!custom && index >= 0) {
        const ReportComparison comparison = ReportPeriods::comparisons(Clock::today()).at(index);
        {
            const QScopedValueRollback guard(m_guard, true);
            m_periodEdits[0]->setDate(comparison.period1.from);
            m_periodEdits[1]->setDate(comparison.period1.to);
            m_periodEdits[2]->setDate(comparison.period2.from);
            m_periodEdits[3]->setDate(comparison.period2.to);
        }
        m_compareLabel->setText(QStringLiteral("P1: %1 – %2    P2: %3 – %4")
                .arg(shortDate(comparison.period1.from), shortDate(comparison.period1.to),
                    shortDate(comparison.period2.from), shortDate(comparison.period2.to)));
        m_compareLabel->setStyleSheet(Palette::textColorStyle(Palette::muted()));
    }
    if (!m_guard)
        runReport();
}

void ReportsScreen::onFilterChanged()
{
    if (!m_guard)
        runReport();
}

void ReportsScreen::runReport()
{
    const int choice = m_accountCombo->currentIndex();
    if (m_tables.size() != TabCount || choice < 0 || choice >= m_choices.size())
        return;
    const ReportScope scope = m_choices.at(choice).scope;
    const Currency currency = m_choices.at(choice).currency;
    fillCategorySpending(scope, currency);
    fillPayeeSummary(scope, currency);
    fillTaxReport(scope, currency);
    fillMonths(m_tables.at(IncomeVsExpenses),
        m_service->incomeVsExpenses(m_fromEdit->date(), m_toEdit->date(), scope), currency);
    fillMonths(m_tables.at(CashFlow), m_service->cashFlow(m_fromEdit->date(), m_toEdit->date(), scope), currency);
    fillYearOverYear(scope, currency);
    fillAccountSummary();
    fillTransactions(scope, currency);
}

QString ReportsScreen::money(qint64 amount, Currency currency) const
{
    return formatCurrency(amount, currency, AmountFormat::shown());
}

QString ReportsScreen::money(const CheckedSum& sum, Currency currency) const
{
    return sum ? money(*sum, currency) : tr("too large");
}

void ReportsScreen::fillCategorySpending(const ReportScope& scope, Currency currency)
{
    const QList<CategoryTotal> rows = m_service->categorySpending(m_fromEdit->date(), m_toEdit->date(), scope);
    QTableWidget* table = m_tables.at(CategorySpending);
    table->setRowCount(int(rows.size()));
    for (int row = 0; row < rows.size(); ++row)
        setRow(table, row, {textItem(rows.at(row).name), rightItem(money(rows.at(row).amount, currency))});
}

void ReportsScreen::fillPayeeSummary(const ReportScope& scope, Currency currency)
{
    const QList<PayeeTotal> rows = m_service->payeeSummary(m_fromEdit->date(), m_toEdit->date(), scope);
    QTableWidget* table = m_tables.at(PayeeSummary);
    table->setRowCount(int(rows.size()));
    for (int row = 0; row < rows.size(); ++row) {
        const PayeeTotal& line = rows.at(row);
        setRow(table, row,
            {textItem(line.payee), rightItem(money(line.amount, currency)), rightItem(QString::number(line.count))});
    }
}

void ReportsScreen::fillTaxReport(const ReportScope& scope, Currency currency)
{
    const QList<TaxLine> rows = m_service->taxReport(m_fromEdit->date(), m_toEdit->date(), scope);
    QTableWidget* table = m_tables.at(TaxReport);
    table->setRowCount(int(rows.size()));
    for (int row = 0; row < rows.size(); ++row) {
        const TaxLine& line = rows.at(row);
        setRow(table, row,
            {textItem(line.categoryName), textItem(line.taxCategory), rightItem(money(line.amount, currency))});
    }
}

void ReportsScreen::fillMonths(QTableWidget* table, const QList<MonthLine>& lines, Currency currency)
{
    table->setRowCount(lines.isEmpty() ? 0 : int(lines.size()) + 1);
    CheckedSum moneyIn = 0;
    CheckedSum moneyOut = 0;
    CheckedSum net = 0;
    for (int row = 0; row < lines.size(); ++row) {
        const MonthLine& line = lines.at(row);
        setRow(table, row,
            {textItem(line.month), rightItem(money(line.moneyIn, currency)), rightItem(money(line.moneyOut, currency)),
                rightItem(money(line.net, currency))});
        moneyIn = checkedAdd(moneyIn, line.moneyIn);
        moneyOut = checkedAdd(moneyOut, line.moneyOut);
        net = checkedAdd(net, line.net);
    }
    if (!lines.isEmpty()) {
        setRow(table, int(lines.size()),
            {bold(textItem(tr("Total"))), bold(rightItem(money(moneyIn, currency))),
                bold(rightItem(money(moneyOut, currency))), bold(rightItem(money(net, currency)))});
    }
}

void ReportsScreen::fillYearOverYear(const ReportScope& scope, Currency currency)
{
    const QList<YearOverYearLine> rows = m_service->yearOverYear(m_periodEdits[0]->date(), m_periodEdits[1]->date(),
        m_periodEdits[2]->date(), m_periodEdits[3]->date(), scope);
    QTableWidget* table = m_tables.at(YearOverYear);
    table->setRowCount(int(rows.size()));
    for (int row = 0; row < rows.size(); ++row) {
        const YearOverYearLine& line = rows.at(row);
        setRow(table, row,
            {textItem(line.categoryName), rightItem(money(line.period1, currency)),
                rightItem(money(line.period2, currency)), rightItem(money(line.difference, currency))});
    }
}

void ReportsScreen::fillAccountSummary()
{
    const QList<AccountLine> rows = m_service->accountSummary();
    QTableWidget* table = m_tables.at(AccountSummary);
    table->setRowCount(int(rows.size()));
    for (int row = 0; row < rows.size(); ++row) {
        const AccountLine& line = rows.at(row);
        setRow(table, row,
            {textItem(line.accountName), textItem(accountTypeName(line.accountType)),
                rightItem(money(line.clearedBalance, line.currency)), rightItem(money(line.uncleared, line.currency)),
                rightItem(money(line.totalBalance, line.currency))});
    }
}

void ReportsScreen::fillTransactions(const ReportScope& scope, Currency currency)
{
    const QList<TransactionLine> rows = m_service->transactions(m_fromEdit->date(), m_toEdit->date(), scope);
    QTableWidget* table = m_tables.at(Transactions);
    table->setRowCount(int(rows.size()));
    for (int row = 0; row < rows.size(); ++row) {
        const TransactionLine& line = rows.at(row);
        setRow(table, row,
            {textItem(shortDate(line.date)), textItem(line.accountName), textItem(line.payee),
                textItem(line.categoryName), textItem(line.memo), rightItem(money(line.amount, currency))});
    }
}

QString ReportsScreen::accountTypeName(const QString& storedType) const
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

QString ReportsScreen::proposedFileName(int tab)
{
    static const QStringList names{QStringLiteral("category_spending.csv"), QStringLiteral("payee_summary.csv"),
        QStringLiteral("tax_report.csv"), QStringLiteral("income_vs_expenses.csv"), QStringLiteral("cash_flow.csv"),
        QStringLiteral("year_over_year.csv"), QStringLiteral("account_summary.csv"), QStringLiteral("transactions.csv")};
    return names.value(tab);
}

void ReportsScreen::exportCurrentTab()
{
    const int tab = m_tabs->currentIndex();
    if (tab < 0 || tab >= TabCount || m_tables.at(tab)->rowCount() == 0)
        return;
    QFileDialog dialog(this, tr("Export CSV"), proposedFileName(tab), tr("CSV Files (*.csv)"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return;
    const QString error = exportCurrentTabTo(dialog.selectedFiles().constFirst());
    if (!error.isEmpty())
        QMessageBox::warning(this, tr("Export Failed"), tr("The report was not exported.\n\n%1").arg(error));
}

QString ReportsScreen::exportCurrentTabTo(const QString& path)
{
    const int tab = m_tabs->currentIndex();
    QTableWidget* table = m_tables.at(tab);
    QStringList headers;
    for (int column = 0; column < table->columnCount(); ++column)
        headers.append(table->horizontalHeaderItem(column)->text());
    QList<QStringList> rows;
    for (int row = 0; row < table->rowCount(); ++row) {
        QStringList cells;
        for (int column = 0; column < table->columnCount(); ++column) {
            const QTableWidgetItem* item = table->item(row, column);
            cells.append(item ? item->text() : QString());
        }
        rows.append(cells);
    }
    return ReportService::writeCsv(path, ReportService::csvText(headers, rows, textColumns(tab)));
}
