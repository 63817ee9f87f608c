#pragma once

#include <QMainWindow>

class AppState;
class QTreeWidget;

// The program's window while the register screen is not there yet: it shows
// the accounts with their current balances.
class StartWindow : public QMainWindow
{
    Q_OBJECT

public:
    explicit StartWindow(AppState* appState, QWidget* parent = nullptr);

private:
    void listAccounts();

    AppState* m_appState;
    QTreeWidget* m_accountList;
};
