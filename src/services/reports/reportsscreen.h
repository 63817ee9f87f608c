#pragma once

#include "services/reports/reportperiods.h"
#include "services/reports/reportservice.h"
#include "services/reports/reporttable.h"
#include "storage/money.h"

#include <QList>
#include <QWidget>

class AppState;
class ReportChart;
class QComboBox;
class QDateEdit;
class QLabel;
class QPushButton;
class QSplitter;
class QTabWidget;
class QTableView;
class ReportTableModel;

// The reports window: an account filter and a period above eight tabs of
// read-only tables, the current one exportable as CSV. Five tabs show a
// chart of the same rows beside their table (the account summary's charts
// the net worth over the period); the charts can be hidden and exported as
// PNG, and whether they show and how wide they are is remembered. Every run
// reads the database afresh.
class ReportsScreen : public QWidget
{
    Q_OBJECT

public:
    enum Tab { CategorySpending, PayeeSummary, TaxReport, IncomeVsExpenses, CashFlow, YearOverYear, AccountSummary,
        Transactions, TabCount = reportKindCount };

    explicit ReportsScreen(AppState* appState, QWidget* parent = nullptr);

    // Rebuilds the account filter and the presets from today's data and runs the reports.
    void refresh();
    // The tab's table; its model holds the rows as the export writes them.
    QTableView* table(Tab tab) const { return m_tables.at(tab); }
    // The chart beside the tab's table; none for tabs without one.
    ReportChart* chart(Tab tab) const { return m_charts.value(tab); }
    // Writes the current tab's table to `path`; the reason in plain words on failure.
    QString exportCurrentTabTo(const QString& path);
    // Writes the current tab's chart to `path` as PNG; the reason in plain words on failure.
    QString exportCurrentChartTo(const QString& path);
    static QString proposedFileName(int tab);
    static QString proposedChartFileName(int tab);

protected:
    void changeEvent(QEvent* event) override;

public Q_SLOTS:
    void onDatePresetChanged(int index);
    void onFilterChanged();
    void runReport();
    void exportCurrentTab();
    void exportCurrentChart();

private:
    void buildLayout();
    QWidget* buildYearOverYearTab(QWidget* content);
    QTableView* makeTable(ReportKind kind);
    // The table alone, or the table and its chart side by side.
    QWidget* withChart(Tab tab, QTableView* table);
    void styleChartsButton();
    void restoreChartLayout();
    void setChartsVisible(bool visible);
    void rememberSplitter(const QSplitter* moved);
    void updateExportChart();
    void showCharts(const ReportResults& results, Currency currency);
    void showNetWorthWhenSeen();
    void rebuildAccountCombo();
    void onComparisonChanged(int index);
    void refreshWhenVisible();

    const ReportTable& shownTable(Tab tab) const;

    AppState* m_appState;
    ReportService* m_service;
    QList<ReportScopeChoice> m_choices;
    QList<ReportPeriod> m_presets;
    // Raised while the screen sets its own filters, so that one change
    // does not run the reports several times.
    bool m_guard = false;

    QComboBox* m_accountCombo = nullptr;
    QComboBox* m_presetCombo = nullptr;
    QDateEdit* m_fromEdit = nullptr;
    QDateEdit* m_toEdit = nullptr;
    QLabel* m_rangeLabel = nullptr;
    QPushButton* m_exportButton = nullptr;
    QPushButton* m_chartsButton = nullptr;
    QPushButton* m_exportChartButton = nullptr;
    QComboBox* m_compareCombo = nullptr;
    QList<QDateEdit*> m_periodEdits;
    QList<QWidget*> m_periodEditLabels;
    QLabel* m_compareLabel = nullptr;
    QTabWidget* m_tabs = nullptr;
    QList<QTableView*> m_tables;
    // What each tab shows, as its export writes it.
    QList<ReportTableModel*> m_models;
    // Indexed by tab; none where the tab has no chart.
    QList<ReportChart*> m_charts;
    QList<QSplitter*> m_splitters;
    // The net worth chart waits for a run's figures until it is seen.
    bool m_netWorthStale = true;
};
