#include "services/reports/reportsscreen.h"

#include "app/appstate.h"
#include "services/reports/reportchart.h"
#include "services/reports/reporttablemodel.h"
#include "storage/accountrepository.h"
#include "storage/categoryrepository.h"
#include "storage/clock.h"
#include "storage/preferencesrepository.h"
#include "storage/transactionrepository.h"
#include "widgets/firstdayofweek.h"
#include "widgets/palette.h"

#include <QCalendarWidget>
#include <QComboBox>
#include <QDateEdit>
#include <QEvent>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLocale>
#include <QMessageBox>
#include <QPushButton>
#include <QScopedValueRollback>
#include <QSplitter>
#include <QTabWidget>
#include <QTableView>
#include <QVBoxLayout>

namespace {

const QString chartsVisibleKey = QStringLiteral("reports_charts_visible");
// The widths of the table and the chart, as "table,chart" in pixels.
const QString chartSplitterKey = QStringLiteral("reports_chart_splitter");
// An outlined button while the charts are hidden, filled while they show:
// the platform's pressed shade all but vanishes on the dark palette.
const QString chartsButtonStyle = QStringLiteral(
    "QPushButton {  background-color: transparent;  color: %1;  border: 1px solid %1;  border-radius: 4px;"
    "  padding: 4px 12px;}"
    "QPushButton:hover {  background-color: %2;}"
    "QPushButton:pressed {  background-color: %3;}"
    "QPushButton:checked {  background-color: %4;  color: white;  border-color: %4;}"
    "QPushButton:checked:hover {  background-color: %5;  border-color: %5;}");

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
    m_chartsButton = new QPushButton(tr("Show Charts"), this);
    m_chartsButton->setObjectName(QStringLiteral("chartsButton"));
    m_chartsButton->setCheckable(true);
    styleChartsButton();
    m_exportChartButton = new QPushButton(tr("Export Chart"), this);
    m_exportChartButton->setObjectName(QStringLiteral("exportChartButton"));
    filters->addWidget(new QLabel(tr("Account:"), this));
    filters->addWidget(m_accountCombo);
    filters->addWidget(new QLabel(tr("Period:"), this));
    filters->addWidget(m_presetCombo);
    filters->addWidget(m_fromEdit);
    filters->addWidget(m_toEdit);
    filters->addWidget(m_rangeLabel);
    filters->addStretch();
    filters->addWidget(m_chartsButton);
    filters->addWidget(m_exportButton);
    filters->addWidget(m_exportChartButton);
    layout->addLayout(filters);

    m_tabs = new QTabWidget(this);
    const QStringList titles{tr("Category Spending"), tr("Payee Summary"), tr("Tax Report"), tr("Income vs Expenses"),
        tr("Cash Flow"), tr("Year-over-Year"), tr("Account Summary"), tr("Transactions")};
    m_charts.resize(TabCount);
    for (int tab = 0; tab < TabCount; ++tab) {
        QWidget* content = withChart(Tab(tab), makeTable(ReportKind(tab)));
        m_tabs->addTab(tab == YearOverYear ? buildYearOverYearTab(content) : content, titles.at(tab));
    }
    layout->addWidget(m_tabs, 1);
    restoreChartLayout();

    connect(m_presetCombo, &QComboBox::currentIndexChanged, this, &ReportsScreen::onDatePresetChanged);
    connect(m_accountCombo, &QComboBox::currentIndexChanged, this, &ReportsScreen::onFilterChanged);
    connect(m_fromEdit, &QDateEdit::dateChanged, this, &ReportsScreen::onFilterChanged);
    connect(m_toEdit, &QDateEdit::dateChanged, this, &ReportsScreen::onFilterChanged);
    connect(m_exportButton, &QPushButton::clicked, this, &ReportsScreen::exportCurrentTab);
    connect(m_exportChartButton, &QPushButton::clicked, this, &ReportsScreen::exportCurrentChart);
    connect(m_tabs, &QTabWidget::currentChanged, this, &ReportsScreen::updateExportChart);
    connect(m_tabs, &QTabWidget::currentChanged, this, &ReportsScreen::showNetWorthWhenSeen);
    connect(m_chartsButton, &QPushButton::toggled, this, [this](bool visible) {
        setChartsVisible(visible);
        showNetWorthWhenSeen();
        if (!m_appState->preferences()->setBool(chartsVisibleKey, visible))
            qWarning("ReportsScreen: whether the charts show could not be remembered");
    });
}

QWidget* ReportsScreen::withChart(Tab tab, QTableView* table)
{
    static const QList<Tab> charted{CategorySpending, IncomeVsExpenses, CashFlow, YearOverYear, AccountSummary};
    if (!charted.contains(tab))
        return table;
    auto* splitter = new QSplitter(Qt::Horizontal, this);
    splitter->setChildrenCollapsible(false);
    splitter->addWidget(table);
    auto* chart = new ReportChart(splitter);
    splitter->addWidget(chart);
    splitter->setStretchFactor(0, 1);
    splitter->setStretchFactor(1, 1);
    connect(splitter, &QSplitter::splitterMoved, this, [this, splitter] { rememberSplitter(splitter); });
    m_charts[tab] = chart;
    m_splitters.append(splitter);
    return splitter;
}

void ReportsScreen::restoreChartLayout()
{
    PreferencesRepository* preferences = m_appState->preferences();
    const bool visible = preferences->getBool(chartsVisibleKey, true);
    {
        const QSignalBlocker blocker(m_chartsButton);
        m_chartsButton->setChecked(visible);
    }
    setChartsVisible(visible);
    QList<int> widths;
    const QStringList texts = preferences->get(chartSplitterKey, QString()).split(QLatin1Char(','));
    for (const QString& text : texts) {
        bool number = false;
        const int width = text.toInt(&number);
        if (number && width > 0)
            widths.append(width);
    }
    // Until the user moves the divider, table and chart share the width.
    if (widths.size() != 2)
        widths = {1, 1};
    for (QSplitter* splitter : std::as_const(m_splitters))
        splitter->setSizes(widths);
}

void ReportsScreen::setChartsVisible(bool visible)
{
    for (ReportChart* chart : std::as_const(m_charts)) {
        if (chart)
            chart->setVisible(visible);
    }
    updateExportChart();
}

void ReportsScreen::rememberSplitter(const QSplitter* moved)
{
    const QList<int> widths = moved->sizes();
    if (!m_chartsButton->isChecked() || widths.size() != 2)
        return;
    // One width for every tab, so that switching tabs keeps the chart in place.
    for (QSplitter* splitter : std::as_const(m_splitters)) {
        if (splitter != moved)
            splitter->setSizes(widths);
    }
    const QString text = QStringLiteral("%1,%2").arg(widths.at(0)).arg(widths.at(1));
    if (!m_appState->preferences()->set(chartSplitterKey, text))
        qWarning("ReportsScreen: the width of the charts could not be remembered");
}

void ReportsScreen::updateExportChart()
{
    m_exportChartButton->setEnabled(m_chartsButton->isChecked() && m_charts.value(m_tabs->currentIndex()));
}

QWidget* ReportsScreen::buildYearOverYearTab(QWidget* content)
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
    content->setParent(page);
    layout->addWidget(content, 1);
    connect(m_compareCombo, &QComboBox::currentIndexChanged, this, &ReportsScreen::onComparisonChanged);
    return page;
}

QTableView* ReportsScreen::makeTable(ReportKind kind)
{
    auto* model = new ReportTableModel(this);
    // The headers before the first run.
    model->setTable(ReportTable::build(kind, {}, Currency::USD));
    auto* table = new QTableView(this);
    table->setModel(model);
    table->setAlternatingRowColors(true);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->verticalHeader()->setVisible(false);
    // One height for every row: measuring a long report's rows would freeze the window.
    table->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    table->verticalHeader()->setDefaultSectionSize(36);
    table->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    table->setShowGrid(false);
    m_tables.append(table);
    m_models.append(model);
    return table;
}

void ReportsScreen::styleChartsButton()
{
    m_chartsButton->setStyleSheet(chartsButtonStyle.arg(Palette::styleName(Palette::outlineButton()),
        Palette::styleName(Palette::outlineButtonHover()), Palette::styleName(Palette::outlineButtonPressed()),
        Palette::styleName(Palette::primaryButton()), Palette::styleName(Palette::primaryButtonHover())));
}

void ReportsScreen::changeEvent(QEvent* event)
{
    // A theme switched while the window is open recolours the button at once.
    if (event->type() == QEvent::PaletteChange)
        styleChartsButton();
    QWidget::changeEvent(event);
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
    ReportRequest request{m_fromEdit->date(), m_toEdit->date(), m_periodEdits[0]->date(), m_periodEdits[1]->date(),
        m_periodEdits[2]->date(), m_periodEdits[3]->date(), m_choices.at(choice).scope, m_choices.at(choice).currency};
    QList<ReportKind> kinds;
    for (int tab = 0; tab < TabCount; ++tab)
        kinds.append(ReportKind(tab));
    const ReportResults results = m_service->run(request, kinds);
    for (int tab = 0; tab < TabCount; ++tab)
        m_models.at(tab)->setTable(ReportTable::build(ReportKind(tab), results, request.currency));
    showCharts(results, request.currency);
}

void ReportsScreen::showCharts(const ReportResults& results, Currency currency)
{
    m_charts[CategorySpending]->showCategorySpending(results.categorySpending, currency);
    // The bars are named as the table's columns are.
    const QStringList& incomeHeaders = shownTable(IncomeVsExpenses).headers;
    m_charts[IncomeVsExpenses]->showMonths(
        results.incomeVsExpenses, currency, incomeHeaders.value(1), incomeHeaders.value(2));
    const QStringList& cashFlowHeaders = shownTable(CashFlow).headers;
    m_charts[CashFlow]->showMonths(results.cashFlow, currency, cashFlowHeaders.value(1), cashFlowHeaders.value(2));
    m_charts[YearOverYear]->showYearOverYear(results.yearOverYear, currency);
    m_netWorthStale = true;
    showNetWorthWhenSeen();
}

void ReportsScreen::showNetWorthWhenSeen()
{
    // The net worth reads every transaction and only its chart shows it, so
    // it is read when that chart comes into sight.
    if (!m_netWorthStale || !m_chartsButton->isChecked() || m_tabs->currentIndex() != AccountSummary)
        return;
    m_netWorthStale = false;
    m_charts[AccountSummary]->showNetWorth(m_service->netWorth(m_fromEdit->date(), m_toEdit->date()));
}

const ReportTable& ReportsScreen::shownTable(Tab tab) const
{
    return m_models.at(tab)->table();
}

QString ReportsScreen::proposedFileName(int tab)
{
    return ReportTable::fileStem(ReportKind(tab)) + QStringLiteral(".csv");
}

QString ReportsScreen::proposedChartFileName(int tab)
{
    return ReportTable::fileStem(ReportKind(tab)) + QStringLiteral(".png");
}

void ReportsScreen::exportCurrentTab()
{
    const int tab = m_tabs->currentIndex();
    if (tab < 0 || tab >= TabCount || shownTable(Tab(tab)).rows.isEmpty())
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
    return ReportService::writeCsv(path, shownTable(Tab(m_tabs->currentIndex())).csvText());
}

void ReportsScreen::exportCurrentChart()
{
    const int tab = m_tabs->currentIndex();
    if (!m_exportChartButton->isEnabled())
        return;
    QFileDialog dialog(this, tr("Export Chart"), proposedChartFileName(tab), tr("PNG Images (*.png)"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return;
    const QString error = exportCurrentChartTo(dialog.selectedFiles().constFirst());
    if (!error.isEmpty())
        QMessageBox::warning(this, tr("Export Failed"), tr("The chart was not exported.\n\n%1").arg(error));
}

QString ReportsScreen::exportCurrentChartTo(const QString& path)
{
    ReportChart* chart = m_charts.value(m_tabs->currentIndex());
    if (!chart)
        return tr("This report has no chart.");
    return chart->savePng(path);
}
