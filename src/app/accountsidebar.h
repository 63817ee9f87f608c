#pragma once

#include "storage/money.h"

#include <QHash>
#include <QList>
#include <QString>
#include <QWidget>
#include <optional>

class AppState;
class QListWidget;
class QListWidgetItem;
class QShortcut;
class TotalsLabel;
struct Account;

// The accounts beside the register: one row per account with its type's
// glyph, name, balance and details, the totals per currency below, rows
// reordered by dragging, a context menu of account commands, and Alt+1 …
// Alt+0 for the first ten rows. It shows and asks; the main window runs the
// commands.
class AccountSidebar : public QWidget
{
    Q_OBJECT

public:
    // The commands of an account row's context menu.
    enum class Command {
        Edit,
        Reconcile,
        ReconciliationHistory,
        RenamePayees,
        Share,
        Delete,
    };
    Q_ENUM(Command)

    explicit AccountSidebar(AppState* appState, QWidget* parent = nullptr);

    QListWidget* accountList() const { return m_accountList; }
    int accountCount() const;
    bool contains(const QString& accountId) const;
    // The account of the row, or an empty id past the last row.
    QString accountIdAt(int row) const;

public Q_SLOTS:
    // Reads every balance again and rebuilds the rows, the totals and the
    // Alt+digit shortcuts from the database.
    void reload();
    // A change in one account's register re-reads that account's balance
    // only; the other balances are unchanged.
    void refreshBalance(const QString& accountId);
    // Highlights the account's row; an empty id highlights none.
    void select(const QString& accountId);
    // Gives every row the list's width, after the splitter moved.
    void fitRowsToWidth();

Q_SIGNALS:
    // A click on a row, or its Alt+digit shortcut.
    void accountActivated(const QString& accountId);
    void newAccountRequested();
    void commandRequested(AccountSidebar::Command command, const QString& accountId);
    // The rows were rebuilt and show `count` accounts.
    void reloaded(int count);
    // Something the user should know that needs no answer.
    void statusMessage(const QString& text);

private:
    void onItemClicked(QListWidgetItem* item);
    void showContextMenu(const QPoint& position);
    // The balance texts of the rows and the totals, from the known balances
    // of `accounts`, without rebuilding the rows.
    void refreshBalances(const QList<Account>& accounts);
    // `balance` is none when it could not be read.
    void addRow(const Account& account, const std::optional<CheckedSum>& balance);
    void saveOrder();
    void rebuildShortcuts();

    AppState* m_appState;
    QListWidget* m_accountList;
    TotalsLabel* m_totalLabel;
    QList<QShortcut*> m_shortcuts;
    // Each live account's balance, as last read from the database.
    QHash<QString, CheckedSum> m_balances;
};
