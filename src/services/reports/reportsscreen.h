#pragma once

#include "services/reports/reportperiods.h"
#include "services/reports/reportservice.h"
#include "services/reports/reporttable.h"
#include "storage/money.h"

#include <QList>
#include <QWidget>

class AppState;
class QComboBox;
class QDateEdit;
class QLabel;
class QPushButton;
class QTabWidget;
class QTableWidget;

// The reports window: an account filter and a period above eight tabs of
// read-only tables, the current one exportable as CSV. Every run reads the
// database afresh.
class ReportsScreen : public QWidget
{
    Q_OBJECT

public:
    enum Tab { CategorySpending, PayeeSummary, TaxReport, IncomeVsExpenses, CashFlow, YearOverYear, AccountSummary,
        Transactions, TabCount = reportKindCount };

    explicit ReportsScreen(AppState* appState, QWidget* parent = nullptr);

    // Rebuilds the account filter and the presets from today's data and runs the reports.
    void refresh();
    QTableWidget* table(Tab tab) const { return m_tables.at(tab); }
    // Writes the current tab's table to `path`; the reason in plain words on failure.
    QString exportCurrentTabTo(const QString& path);
    static QString proposedFileName(int tab);

public Q_SLOTS:
    void onDatePresetChanged(int index);
    void onFilterChanged();
    void runReport();
    void exportCurrentTab();

private:
    void buildLayout();
    QWidget* buildYearOverYearTab(QTableWidget* table);
    QTableWidget* makeTable(const QStringList& headers);
    void rebuildAccountCombo();
    void onComparisonChanged(int index);
    void refreshWhenVisible();

    void showTable(Tab tab, const ReportTable& shown);

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
    QComboBox* m_compareCombo = nullptr;
    QList<QDateEdit*> m_periodEdits;
    QList<QWidget*> m_periodEditLabels;
    QLabel* m_compareLabel = nullptr;
    QTabWidget* m_tabs = nullptr;
    QList<QTableWidget*> m_tables;
    // What each tab shows, as its export writes it.
    QList<ReportTable> m_shown;
};
