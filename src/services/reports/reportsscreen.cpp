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

QTableWidgetItem* cellItem(const QString& text, bool number, bool bold)
{
    auto* item = new QTableWidgetItem(text);
    if (number)
        item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    if (bold) {
        QFont font = item->font();
        font.setBold(true);
        item->setFont(font);
    }
    return item;
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
    const QStringList titles{tr("Category Spending"), tr("Payee Summary"), tr("Tax Report"), tr("Income vs Expenses"),
        tr("Cash Flow"), tr("Year-over-Year"), tr("Account Summary"), tr("Transactions")};
    for (int tab = 0; tab < TabCount; ++tab) {
        QTableWidget* table = makeTable(ReportTable::build(ReportKind(tab), {}, Currency::USD).headers);
        m_tabs->addTab(tab == YearOverYear ? buildYearOverYearTab(table) : table, titles.at(tab));
    }
    m_shown.resize(TabCount);
    layout->addWidget(m_tabs, 1);

    connect(m_presetCombo, &QComboBox::currentIndexChanged, this, &ReportsScreen::onDatePresetChanged);
    connect(m_accountCombo, &QComboBox::currentIndexChanged, this, &ReportsScreen::onFilterChanged);
    connect(m_fromEdit, &QDateEdit::dateChanged, this, &ReportsScreen::onFilterChanged);
    connect(m_toEdit, &QDateEdit::dateChanged, this, &ReportsScreen::onFilterChanged);
    connect(m_exportButton, &QPushButton::clicked, this, &ReportsScreen::exportCurrentTab);
}

QWidget* ReportsScreen::buildYearOverYearTab(QTableWidget* table)
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
    table->setParent(page);
    layout->addWidget(table, 1);
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
    ReportRequest request{m_fromEdit->date(), m_toEdit->date(), m_periodEdits[0]->date(), m_periodEdits[1]->date(),
        m_periodEdits[2]->date(), m_periodEdits[3]->date(), m_choices.at(choice).scope, m_choices.at(choice).currency};
    QList<ReportKind> kinds;
    for (int tab = 0; tab < TabCount; ++tab)
        kinds.append(ReportKind(tab));
    const ReportResults results = m_service->run(request, kinds);
    for (int tab = 0; tab < TabCount; ++tab)
        showTable(Tab(tab), ReportTable::build(ReportKind(tab), results, request.currency));
}

void ReportsScreen::showTable(Tab tab, const ReportTable& shown)
{
    m_shown[tab] = shown;
    QTableWidget* table = m_tables.at(tab);
    table->setRowCount(int(shown.rows.size()));
    for (int row = 0; row < shown.rows.size(); ++row) {
        const bool bold = shown.endsWithTotals && row == shown.rows.size() - 1;
        const QStringList& cells = shown.rows.at(row);
        for (int column = 0; column < cells.size(); ++column)
            table->setItem(row, column, cellItem(cells.at(column), shown.numberColumns.contains(column), bold));
    }
}

QString ReportsScreen::proposedFileName(int tab)
{
    return ReportTable::fileStem(ReportKind(tab)) + QStringLiteral(".csv");
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
    return ReportService::writeCsv(path, m_shown.at(m_tabs->currentIndex()).csvText());
}
