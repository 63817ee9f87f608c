#pragma once

#include <QWidget>

class AppState;
class QLabel;
class QTableWidget;

// The reconciliations of one account, latest statement first, with the
// balances each one ended at and when it was finished.
class ReconciliationHistoryScreen : public QWidget
{
    Q_OBJECT

public:
    explicit ReconciliationHistoryScreen(AppState* appState, QWidget* parent = nullptr);

    // Shows the history of `accountId`; kept up to date while it is open.
    void load(const QString& accountId);

private:
    void buildLayout();
    void reload();

    AppState* m_appState;
    QString m_accountId;
    QLabel* m_heading = nullptr;
    QTableWidget* m_table = nullptr;
    QLabel* m_emptyLabel = nullptr;
};
