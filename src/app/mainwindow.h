#pragma once

#include "app/accountsidebar.h"
#include "update/updateactions.h"

#include <QKeySequence>
#include <QMainWindow>
#include <QSize>
#include <QString>

namespace KestAccount {
class AccountScreen;
}

class AppState;
class CategoriesScreen;
class PayeeScreen;
class QAction;
class QListWidget;
class QMenu;
class QSplitter;
class QStackedWidget;
class ReconciliationHistoryScreen;
class RecurringScreen;
class ImportScreen;
class ReportsScreen;
class RegisterScreen;
class SearchScreen;
class SettingsScreen;
class StatusBar;
class WelcomeScreen;
struct RecurringTransaction;
struct WriteOutcome;

// The program's one top-level window: the accounts with their balances in a
// sidebar beside the welcome page, the register or the empty-state page. It
// owns the menus and the status bar, runs the account commands (new, edit,
// delete, reconcile, share), opens every other screen as a tool window and
// keeps the sidebar and the register in step with the repositories.
class MainWindow : public QMainWindow
{
    Q_OBJECT

public:
    // The pages of the central area, in stack order.
    enum class Page {
        Welcome = 0,
        Register = 1,
        EmptyState = 2,
    };

    explicit MainWindow(AppState* appState, QWidget* parent = nullptr);

    Page currentPage() const;
    QListWidget* accountList() const { return m_sidebar->accountList(); }
    RegisterScreen* registerScreen() const { return m_registerScreen; }

    // Shows `window` as a tool window titled `title`. On first use it becomes
    // a separate window owned by this one, sized `defaultSize`; later calls
    // keep the size the user gave it and bring it back to the front.
    void showToolWindow(QWidget* window, const QString& title, const QSize& defaultSize);

public Q_SLOTS:
    void selectAccount(const QString& accountId);
    void showNewAccountDialog();
    void showEditAccountDialog();
    void showReportsWindow();
    void showRecurringWindow();
    void showSearchWindow();
    void showCategoriesWindow();
    void showSettingsWindow();
    void showReconciliationWindow();
    void showReconciliationHistoryWindow();
    void showImportWindow();
    void showPayeesWindow();
    void showShareAccountDialog();
    // Asks, then soft-deletes the account with its transactions, recurring
    // transactions and reconciliation history.
    void deleteAccount(const QString& accountId);
    void deleteCurrentAccount();
    void showKestrelwoodAccountScreen();
    // Opens the recurring form on a rule made from a register row and
    // stores what the user saves.
    void memorizeTransaction(const RecurringTransaction& seed);
    void loadSampleData();
    // Asks, then removes the demonstration rows, or says why they stay.
    void clearSampleData();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void restoreWindowGeometry();
    void setupMenuBar();
    void setupFileMenu();
    void setupEditMenu();
    void setupAccountMenu();
    void setupViewMenu();
    void setupHelpMenu();
    QAction* addMenuAction(QMenu* menu, const QString& text, void (MainWindow::*slot)(),
        const QKeySequence& shortcut = QKeySequence());
    void createRegisterScreen();
    void createWelcomeScreen();
    QWidget* buildEmptyStatePage();
    void createSidebar();
    void buildCentralArea();
    void createStatusBar();
    void connectRepositories();
    void runAccountCommand(AccountSidebar::Command command, const QString& accountId);
    // A fresh entry row in the register of the current account.
    void startNewTransaction();
    // The register of the transaction's account, on its row.
    void showTransaction(const QString& transactionId);
    void updateRecurringDue();
    // Posts the due auto-post recurring transactions, once, at start.
    void autoPostRecurring();
    // The account shown when the window opens: the last one viewed, else
    // the first, else the welcome or empty-state page.
    void restoreSelection();
    void continueWithoutSignIn();
    void connectAuthClient();
    void connectSyncEngine();
    // The status bar's sync label: the engine's state, "Not signed in", or
    // "Sync paused" while the books wait for the signed-in user's choice.
    void updateSyncLabel();
    // The books were synced with another user: asks whether to add them to
    // the signed-in account or to sign out.
    void askAboutAnotherUsersBooks();
    void updateAuthUI();
    bool isSignedIn() const;
    // Says, once, that the sign-in lasts for this run only.
    void reportTokensNotRemembered();

    // The current account when it still exists; otherwise says "Select an
    // account first" in the status bar and returns false.
    bool requireCurrentAccount();
    void showPage(Page page);
    void showStatusMessage(const QString& text, int milliseconds);
    // Tells the user, in a box that can't be missed, that `what` failed and why.
    void reportWriteFailure(const QString& title, const QString& what, const WriteOutcome& outcome);
    // The status bar's part in an update check or release notes request.
    KestUpdate::StatusCallback statusCallback();
    KestUpdate::FinishedCallback finishedCallback();
    KestUpdate::MessageCallback messageCallback();
    void showAboutBox();
    void showKeyboardShortcuts();

    AppState* m_appState;
    AccountSidebar* m_sidebar = nullptr;
    QSplitter* m_splitter = nullptr;
    QStackedWidget* m_centralStack = nullptr;
    RegisterScreen* m_registerScreen = nullptr;
    WelcomeScreen* m_welcomeScreen = nullptr;
    QWidget* m_emptyStatePage = nullptr;
    StatusBar* m_statusBar = nullptr;
    RecurringScreen* m_recurringScreen = nullptr;
    ReportsScreen* m_reportsScreen = nullptr;
    ImportScreen* m_importScreen = nullptr;
    // Tool windows, created on first use.
    CategoriesScreen* m_categoriesScreen = nullptr;
    PayeeScreen* m_payeeScreen = nullptr;
    SearchScreen* m_searchScreen = nullptr;
    SettingsScreen* m_settingsScreen = nullptr;
    KestAccount::AccountScreen* m_accountScreen = nullptr;
    QAction* m_signInAction = nullptr;
    QAction* m_signOutAction = nullptr;
    ReconciliationHistoryScreen* m_reconciliationHistoryScreen = nullptr;
};
