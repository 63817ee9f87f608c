#include "app/mainwindow.h"

#include "account/accountscreen.h"
#include "account/authclient.h"
#include "account/client.h"
#include "account/sharemembersdialog.h"
#include "app/abouttext.h"
#include "app/accountsidebar.h"
#include "app/anotheruserdialog.h"
#include "app/appstate.h"
#include "app/settingsscreen.h"
#include "app/statusbar.h"
#include "app/thememanager.h"
#include "app/welcomescreen.h"
#include "register/accountformdialog.h"
#include "widgets/glyphicon.h"
#include "widgets/palette.h"
#include "register/registermodel.h"
#include "register/registerscreen.h"
#include "register/registertableview.h"
#include "services/categories/categoriesscreen.h"
#include "services/import/importscreen.h"
#include "services/payees/payeescreen.h"
#include "services/reconciliation/reconciliationhistoryscreen.h"
#include "services/reconciliation/reconciliationscreen.h"
#include "services/recurring/recurringformdialog.h"
#include "services/recurring/recurringscreen.h"
#include "services/recurring/recurringservice.h"
#include "services/reports/reportsscreen.h"
#include "services/sampledata/sampledataservice.h"
#include "services/search/searchscreen.h"
#include "bookkeeping/accountservice.h"
#include "bookkeeping/writeoutcome.h"
#include "storage/account.h"
#include "storage/accountrepository.h"
#include "storage/categoryrepository.h"
#include "storage/database.h"
#include "storage/preferencesrepository.h"
#include "storage/reconciliationrepository.h"
#include "storage/recurringrepository.h"
#include "storage/transactionrepository.h"
#include "sync/accountsharingservice.h"
#include "sync/syncengine.h"

#include <QApplication>
#include <QCloseEvent>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QSettings>
#include <QSplitter>
#include <QStackedWidget>
#include <QTimer>
#include <QVBoxLayout>

namespace {

const QString geometryKey = QStringLiteral("mainwindow/geometry");
const QString splitterKey = QStringLiteral("mainwindow/splitter");
constexpr int hintMilliseconds = 3000;
constexpr int failureMilliseconds = 5000;
constexpr int syncCompleteMilliseconds = 2000;

const QString createAccountButtonStyleSheet = QStringLiteral(
    "QPushButton {  background-color: %1;  color: white;  border: none;  border-radius: 4px;  padding: 6px 16px;"
    "  font-weight: 600;  min-width: 80px;}"
    "QPushButton:hover {  background-color: %2;}"
    "QPushButton:pressed {  background-color: %3;}");

QString shortcutText(const char* keys)
{
    return QKeySequence(QString::fromLatin1(keys)).toString(QKeySequence::NativeText).toHtmlEscaped();
}

// One titled table of keys and what they do, for the shortcuts box.
QString shortcutTable(const QString& title, const QList<QPair<QString, QString>>& rows)
{
    QString html = QStringLiteral("<h4>%1</h4><table cellspacing=\"2\" cellpadding=\"2\">").arg(title.toHtmlEscaped());
    for (const auto& [keys, action] : rows)
        html += QStringLiteral("<tr><td width=\"140\"><b>%1</b></td><td>%2</td></tr>").arg(keys, action.toHtmlEscaped());
    return html + QStringLiteral("</table>");
}

} // namespace

MainWindow::MainWindow(AppState* appState, QWidget* parent)
    : QMainWindow(parent)
    , m_appState(appState)
{
    setWindowTitle(tr("Kestrelwood Checkbook"));
    restoreWindowGeometry();
    setupMenuBar();
    createRegisterScreen();
    createWelcomeScreen();
    m_emptyStatePage = buildEmptyStatePage();
    createSidebar();
    buildCentralArea();
    createStatusBar();
    connectRepositories();
    connectAuthClient();
    connectSyncEngine();
    updateAuthUI();
    m_sidebar->reload();
    autoPostRecurring();
    updateRecurringDue();
    restoreSelection();
}

MainWindow::Page MainWindow::currentPage() const
{
    return static_cast<Page>(m_centralStack->currentIndex());
}

void MainWindow::showToolWindow(QWidget* window, const QString& title, const QSize& defaultSize)
{
    window->setWindowTitle(title);
    if (!window->parentWidget()) {
        window->setParent(this, Qt::Window);
        window->resize(defaultSize);
        // Over the main window, not wherever the window manager finds room.
        const QPoint centred = frameGeometry().center() - QPoint(defaultSize.width() / 2, defaultSize.height() / 2);
        window->move(std::max(centred.x(), frameGeometry().left()), std::max(centred.y(), frameGeometry().top()));
    }
    window->setWindowState(window->windowState() & ~Qt::WindowMinimized);
    if (window->isHidden())
        window->show();
    window->raise();
    window->activateWindow();
}

void MainWindow::selectAccount(const QString& accountId)
{
    if (!m_registerScreen->mayLeaveRow()) {
        m_sidebar->select(m_registerScreen->accountId());
        return;
    }
    m_appState->setCurrentAccountId(accountId);
    // The register is on screen before it takes the keyboard focus, so the
    // entry row really gets it.
    showPage(Page::Register);
    m_registerScreen->setAccount(accountId);
    m_sidebar->select(accountId);
}

void MainWindow::showNewAccountDialog()
{
    AccountFormDialog dialog(this);
    // A refused save reopens the form with everything as typed.
    while (dialog.exec() == QDialog::Accepted) {
        const WriteOutcome outcome = m_appState->accountService()->create(dialog.account(), dialog.asOfDate());
        if (outcome.ok()) {
            selectAccount(outcome.id);
            return;
        }
        reportWriteFailure(tr("New Account"), tr("The account could not be created."), outcome);
    }
}

void MainWindow::showEditAccountDialog()
{
    if (!requireCurrentAccount())
        return;
    const std::optional<Account> account = m_appState->accounts()->byId(m_appState->currentAccountId());
    AccountFormDialog dialog(*account, m_appState->accountService()->openingBalance(*account), this);
    while (dialog.exec() == QDialog::Accepted) {
        const WriteOutcome outcome = m_appState->accountService()->update(dialog.account(), dialog.asOfDate());
        if (outcome.ok()) {
            m_registerScreen->reload();
            return;
        }
        reportWriteFailure(tr("Edit Account"), tr("The account could not be saved."), outcome);
    }
}

void MainWindow::memorizeTransaction(const RecurringTransaction& seed)
{
    RecurringFormDialog dialog(m_appState, RecurringFormDialog::Mode::Memorize, seed, this);
    // A refused save reopens the form with everything as typed.
    while (dialog.exec() == QDialog::Accepted) {
        const WriteOutcome outcome = m_appState->recurringService()->add(dialog.recurring());
        if (outcome.ok()) {
            m_registerScreen->showStatus(tr("Transaction memorized as recurring"), hintMilliseconds);
            return;
        }
        reportWriteFailure(tr("Not Saved"), tr("The recurring transaction could not be saved."), outcome);
    }
}

void MainWindow::reportWriteFailure(const QString& title, const QString& what, const WriteOutcome& outcome)
{
    QMessageBox::warning(this, title, QStringLiteral("%1\n\n%2").arg(what, outcome.message));
}

void MainWindow::showReportsWindow()
{
    if (!m_reportsScreen)
        m_reportsScreen = new ReportsScreen(m_appState);
    m_reportsScreen->refresh();
    showToolWindow(m_reportsScreen, tr("Reports"), QSize(800, 600));
}

void MainWindow::showRecurringWindow()
{
    if (!m_recurringScreen) {
        m_recurringScreen = new RecurringScreen(m_appState);
        connect(m_recurringScreen, &RecurringScreen::transactionsChanged, m_registerScreen, &RegisterScreen::reload);
        connect(m_appState->recurring(), &RecurringRepository::recurringChanged, m_recurringScreen, [this] {
            if (m_recurringScreen->isVisible())
                m_recurringScreen->refresh();
        });
    }
    m_recurringScreen->refresh();
    showToolWindow(m_recurringScreen, tr("Recurring Transactions"), QSize(700, 500));
}

void MainWindow::showSearchWindow()
{
    if (!m_searchScreen) {
        m_searchScreen = new SearchScreen(m_appState);
        connect(m_searchScreen, &SearchScreen::editTransactionRequested, this, &MainWindow::showTransaction);
    }
    m_searchScreen->refresh();
    showToolWindow(m_searchScreen, tr("Search Transactions"), QSize(800, 550));
    m_searchScreen->focusSearch();
}

void MainWindow::showTransaction(const QString& transactionId)
{
    const std::optional<Transaction> transaction = m_appState->transactions()->byId(transactionId);
    if (!transaction || transaction->deletedAt) {
        showStatusMessage(tr("This transaction was deleted."), hintMilliseconds);
        return;
    }
    selectAccount(transaction->accountId);
    // Typing the user chose to keep in the register holds it where it is.
    if (m_registerScreen->accountId() != transaction->accountId)
        return;
    const int row = m_registerScreen->rowForTransactionId(transactionId);
    if (row < 0)
        return;
    const QModelIndex index = m_registerScreen->model()->index(row, RegisterModel::DateColumn);
    m_registerScreen->view()->setCurrentIndex(index);
    m_registerScreen->view()->scrollTo(index, QAbstractItemView::PositionAtCenter);
    raise();
    activateWindow();
}

void MainWindow::showCategoriesWindow()
{
    if (!m_categoriesScreen)
        m_categoriesScreen = new CategoriesScreen(m_appState);
    m_categoriesScreen->refresh();
    showToolWindow(m_categoriesScreen, tr("Categories"), QSize(600, 500));
}

void MainWindow::showSettingsWindow()
{
    if (!m_settingsScreen) {
        m_settingsScreen = new SettingsScreen(m_appState);
        connect(m_settingsScreen, &SettingsScreen::deletedAccountRestored, this, [this] {
            m_registerScreen->reload();
            m_sidebar->reload();
        });
    }
    m_settingsScreen->refresh();
    showToolWindow(m_settingsScreen, tr("Preferences"), QSize(500, 550));
}

void MainWindow::showReconciliationWindow()
{
    if (!requireCurrentAccount())
        return;
    const QString accountId = m_appState->currentAccountId();
    const QString title = tr("Reconcile — %1").arg(m_appState->accounts()->byId(accountId)->name);
    const QSize size(1100, 720);
    // Asking again for the same account brings back its window with the
    // ticks made so far.
    for (ReconciliationScreen* open : findChildren<ReconciliationScreen*>(Qt::FindDirectChildrenOnly)) {
        if (open->accountId() == accountId) {
            showToolWindow(open, title, size);
            return;
        }
    }
    auto* screen = new ReconciliationScreen(m_appState);
    screen->setAttribute(Qt::WA_DeleteOnClose);
    connect(screen, &ReconciliationScreen::reconciliationCompleted, this, [this, screen] {
        m_registerScreen->reload();
        m_sidebar->reload();
        screen->close();
    });
    connect(screen, &ReconciliationScreen::cancelled, screen, &QWidget::close);
    screen->start(accountId);
    showToolWindow(screen, title, size);
}

void MainWindow::showReconciliationHistoryWindow()
{
    if (!requireCurrentAccount())
        return;
    if (!m_reconciliationHistoryScreen)
        m_reconciliationHistoryScreen = new ReconciliationHistoryScreen(m_appState);
    m_reconciliationHistoryScreen->load(m_appState->currentAccountId());
    showToolWindow(m_reconciliationHistoryScreen, tr("Reconciliation History"), QSize(750, 500));
}

void MainWindow::showImportWindow()
{
    if (!m_importScreen) {
        m_importScreen = new ImportScreen(m_appState);
        connect(m_importScreen, &ImportScreen::importCompleted, this, [this] {
            m_registerScreen->reload();
            m_sidebar->reload();
        });
    }
    m_importScreen->reset();
    showToolWindow(m_importScreen, tr("Import Transactions"), QSize(650, 600));
}

void MainWindow::showPayeesWindow()
{
    if (!m_payeeScreen) {
        m_payeeScreen = new PayeeScreen(m_appState);
        connect(m_payeeScreen, &PayeeScreen::payeesChanged, m_registerScreen, &RegisterScreen::reload);
    }
    m_payeeScreen->refresh();
    showToolWindow(m_payeeScreen, tr("Payee Management"), QSize(550, 500));
}

void MainWindow::showShareAccountDialog()
{
    if (!requireCurrentAccount())
        return;
    if (!isSignedIn()) {
        QMessageBox::information(this, tr("Sign In Required"),
            tr("Sharing requires a Kestrelwood account. Sign in via File › Sign In to enable sharing."));
        return;
    }
    const QString accountId = m_appState->currentAccountId();
    const KestAccount::ShareMembersDialog::Texts texts{tr("Share Account"),
        tr("Sharing: %1").arg(m_appState->accounts()->byId(accountId)->name),
        tr("Share this account with members of your Kestrelwood family group. They'll see the same register, "
           "balances, and reconciliation history on their devices."),
        tr("Shared with"), tr("Not shared with anyone yet."),
        tr("You are not in a family group yet. Invite someone or join a group in File › Kestrelwood Account, "
           "then share this account here."),
        tr("Share"), tr("Remove Selected"), tr("Close"),
        // The role is a word of the data service's, not of the user's language.
        QStringLiteral("member"), tr("Share Failed"), tr("Remove Failed"), tr("Remove Share"),
        tr("Remove %1's access to this account?")};
    KestAccount::ShareMembersDialog dialog(
        m_appState->sharingService(), m_appState->accountClient()->accountClient(), accountId, texts, this);
    // The account's shared flag and rows come back with the next pull.
    connect(&dialog, &KestAccount::ShareMembersDialog::sharingChanged, m_appState->syncEngine(),
        &SyncEngine::scheduleSync);
    dialog.exec();
}

void MainWindow::runAccountCommand(AccountSidebar::Command command, const QString& accountId)
{
    // Every command acts on the account that was clicked, so it becomes the
    // current one first.
    selectAccount(accountId);
    switch (command) {
    case AccountSidebar::Command::Edit:
        showEditAccountDialog();
        return;
    case AccountSidebar::Command::Reconcile:
        showReconciliationWindow();
        return;
    case AccountSidebar::Command::ReconciliationHistory:
        showReconciliationHistoryWindow();
        return;
    case AccountSidebar::Command::RenamePayees:
        showPayeesWindow();
        return;
    case AccountSidebar::Command::Share:
        showShareAccountDialog();
        return;
    case AccountSidebar::Command::Delete:
        deleteCurrentAccount();
        return;
    }
}

void MainWindow::deleteAccount(const QString& accountId)
{
    const std::optional<Account> account = m_appState->accounts()->byId(accountId);
    if (!account || account->deletedAt)
        return;
    const QMessageBox::StandardButton answer = QMessageBox::warning(this, tr("Delete Account"),
        tr("Delete \"%1\"?\n\nAll transactions, recurring entries, and reconciliation history for this account will be "
           "removed. You can restore it from Preferences → Data & Sync.")
            .arg(account->name),
        QMessageBox::Yes | QMessageBox::No, QMessageBox::No);
    if (answer != QMessageBox::Yes)
        return;

    const WriteOutcome outcome = m_appState->accountService()->remove(accountId);
    if (!outcome.ok()) {
        reportWriteFailure(tr("Delete Account"), tr("The account could not be deleted."), outcome);
        return;
    }

    if (accountId == m_appState->currentAccountId()) {
        m_appState->setCurrentAccountId(QString());
        m_sidebar->select(QString());
        showPage(Page::Welcome);
    }
}

void MainWindow::loadSampleData()
{
    SampleDataService* samples = m_appState->sampleDataService();
    if (samples->hasSampleData()) {
        QMessageBox::information(this, tr("Sample Data"), tr("Sample data is already loaded."));
        return;
    }
    const WriteOutcome outcome = samples->load();
    if (!outcome.ok()) {
        reportWriteFailure(tr("Sample Data"), tr("The sample data could not be loaded."), outcome);
        return;
    }
    m_sidebar->reload();
    m_registerScreen->reload();
    updateRecurringDue();
    // Someone trying the program out wants to see the sample register.
    if (m_appState->currentAccountId().isEmpty()) {
        const QList<Account> accounts = m_appState->accounts()->all();
        if (!accounts.isEmpty())
            selectAccount(accounts.constFirst().id);
    }
    showStatusMessage(tr("Sample data loaded"), hintMilliseconds);
}

void MainWindow::clearSampleData()
{
    SampleDataService* samples = m_appState->sampleDataService();
    if (!samples->hasSampleData()) {
        QMessageBox::information(this, tr("Sample Data"), tr("No sample data to clear."));
        return;
    }
    const QMessageBox::StandardButton answer = QMessageBox::question(this, tr("Clear Sample Data"),
        tr("Remove the sample accounts with all their transactions and recurring transactions?"),
        QMessageBox::Yes | QMessageBox::No, QMessageBox::No);
    if (answer != QMessageBox::Yes)
        return;
    const WriteOutcome outcome = samples->clear();
    if (!outcome.ok()) {
        reportWriteFailure(tr("Sample Data"), tr("The sample data could not be cleared."), outcome);
        return;
    }
    const QString current = m_appState->currentAccountId();
    if (!current.isEmpty() && !m_appState->accounts()->byId(current)) {
        m_appState->setCurrentAccountId(QString());
        m_sidebar->select(QString());
        showPage(Page::Welcome);
    }
    m_sidebar->reload();
    m_registerScreen->reload();
    updateRecurringDue();
    showStatusMessage(tr("Sample data cleared"), hintMilliseconds);
}

void MainWindow::deleteCurrentAccount()
{
    if (requireCurrentAccount())
        deleteAccount(m_appState->currentAccountId());
}

void MainWindow::showKestrelwoodAccountScreen()
{
    if (!isSignedIn()) {
        showPage(Page::Welcome);
        return;
    }
    if (!m_accountScreen) {
        KestAccount::AuthClient* auth = m_appState->accountClient()->authClient();
        m_accountScreen = new KestAccount::AccountScreen(m_appState->accountClient());
        connect(m_accountScreen, &KestAccount::AccountScreen::logoutRequested, auth, &KestAccount::AuthClient::logout);
        // What it shows belongs to the session that ended.
        connect(auth, &KestAccount::AuthClient::logoutCompleted, m_accountScreen, &QWidget::close);
    }
    m_accountScreen->selectTab(KestAccount::AccountScreen::ProfileTab);
    m_accountScreen->refreshAll();
    showToolWindow(m_accountScreen, tr("Kestrelwood Account"), QSize(600, 550));
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    if (!m_registerScreen->mayLeaveRow()) {
        event->ignore();
        return;
    }
    QSettings settings;
    settings.setValue(geometryKey, saveGeometry());
    settings.setValue(splitterKey, m_splitter->saveState());
    QMainWindow::closeEvent(event);
}

void MainWindow::restoreWindowGeometry()
{
    const QByteArray geometry = QSettings().value(geometryKey).toByteArray();
    if (geometry.isEmpty() || !restoreGeometry(geometry))
        resize(1280, 900);
}

void MainWindow::setupMenuBar()
{
    setupFileMenu();
    setupEditMenu();
    setupAccountMenu();
    setupViewMenu();
    setupHelpMenu();
}

void MainWindow::setupFileMenu()
{
    QMenu* menu = menuBar()->addMenu(tr("&File"));
    QAction* newTransaction = menu->addAction(tr("&New Transaction"));
    newTransaction->setShortcut(QKeySequence(QStringLiteral("Ctrl+N")));
    connect(newTransaction, &QAction::triggered, this, &MainWindow::startNewTransaction);
    addMenuAction(menu, tr("New &Account"), &MainWindow::showNewAccountDialog, QKeySequence(QStringLiteral("Ctrl+Shift+N")));
    menu->addSeparator();
    addMenuAction(menu, tr("&Import..."), &MainWindow::showImportWindow, QKeySequence(QStringLiteral("Ctrl+I")));
    menu->addSeparator();
    addMenuAction(menu, tr("Kestrelwood &Account..."), &MainWindow::showKestrelwoodAccountScreen);
    menu->addSeparator();
    // Signing in happens in the browser, which the entry opens at once.
    m_signInAction = menu->addAction(tr("&Sign In..."));
    m_signInAction->setObjectName(QStringLiteral("signInAction"));
    connect(m_signInAction, &QAction::triggered, this, [this] { m_appState->accountClient()->authClient()->login(); });
    m_signOutAction = menu->addAction(tr("Sign &Out"));
    m_signOutAction->setObjectName(QStringLiteral("signOutAction"));
    connect(m_signOutAction, &QAction::triggered, this, [this] { m_appState->accountClient()->authClient()->logout(); });
    menu->addSeparator();
    QAction* quit = menu->addAction(tr("&Quit"));
    quit->setShortcut(QKeySequence::Quit);
    quit->setMenuRole(QAction::QuitRole);
    connect(quit, &QAction::triggered, this, &QWidget::close);
}

void MainWindow::setupEditMenu()
{
    QMenu* menu = menuBar()->addMenu(tr("&Edit"));
    addMenuAction(menu, tr("&Find..."), &MainWindow::showSearchWindow, QKeySequence::Find);
    menu->addSeparator();
    addMenuAction(menu, tr("&Preferences..."), &MainWindow::showSettingsWindow);
}

void MainWindow::setupAccountMenu()
{
    QMenu* menu = menuBar()->addMenu(tr("&Account"));
    addMenuAction(menu, tr("&Edit..."), &MainWindow::showEditAccountDialog);
    addMenuAction(menu, tr("&Reconcile..."), &MainWindow::showReconciliationWindow, QKeySequence(QStringLiteral("Ctrl+R")));
    addMenuAction(menu, tr("Reconciliation &History..."), &MainWindow::showReconciliationHistoryWindow);
    addMenuAction(menu, tr("Rename &Payees..."), &MainWindow::showPayeesWindow);
    menu->addSeparator();
    addMenuAction(menu, tr("&Share..."), &MainWindow::showShareAccountDialog);
    menu->addSeparator();
    addMenuAction(menu, tr("&Delete"), &MainWindow::deleteCurrentAccount);
}

void MainWindow::setupViewMenu()
{
    QMenu* menu = menuBar()->addMenu(tr("&View"));
    addMenuAction(menu, tr("&Reports"), &MainWindow::showReportsWindow, QKeySequence(QStringLiteral("Ctrl+2")));
    addMenuAction(menu, tr("Re&curring Transactions"), &MainWindow::showRecurringWindow, QKeySequence(QStringLiteral("Ctrl+3")));
    addMenuAction(menu, tr("C&ategories"), &MainWindow::showCategoriesWindow, QKeySequence(QStringLiteral("Ctrl+4")));
}

void MainWindow::setupHelpMenu()
{
    QMenu* menu = menuBar()->addMenu(tr("&Help"));
    QAction* about = menu->addAction(tr("&About Kestrelwood Checkbook"));
    about->setMenuRole(QAction::AboutRole);
    connect(about, &QAction::triggered, this, &MainWindow::showAboutBox);
    QAction* whatsNew = menu->addAction(tr("What's &New..."));
    connect(whatsNew, &QAction::triggered, this, [this] {
        KestUpdate::showWhatsNew(KestUpdate::updateConfig(), tr("Kestrelwood Checkbook"), this, statusCallback(),
            finishedCallback(), messageCallback());
    });
    QAction* updates = menu->addAction(tr("Check for &Updates..."));
    connect(updates, &QAction::triggered, this, [this] {
        KestUpdate::checkForUpdatesInteractive(KestUpdate::updateConfig(), tr("Kestrelwood Checkbook"), this,
            statusCallback(), finishedCallback(), messageCallback());
    });
    QAction* feedback = menu->addAction(tr("Send &Feedback..."));
    connect(feedback, &QAction::triggered, this, [] {
        const KestUpdate::UpdateConfig config = KestUpdate::updateConfig();
        KestUpdate::openFeedbackPage(config.app, config.feedbackUrl);
    });
    menu->addSeparator();
    QAction* shortcuts = menu->addAction(tr("&Keyboard Shortcuts"));
    connect(shortcuts, &QAction::triggered, this, &MainWindow::showKeyboardShortcuts);
    if (!qEnvironmentVariableIsEmpty("CHECKBOOK_DEV")) {
        menu->addSeparator();
        QAction* load = menu->addAction(tr("Load &Sample Data"));
        connect(load, &QAction::triggered, this, &MainWindow::loadSampleData);
        QAction* clear = menu->addAction(tr("&Clear Sample Data"));
        connect(clear, &QAction::triggered, this, &MainWindow::clearSampleData);
    }
}

KestUpdate::StatusCallback MainWindow::statusCallback()
{
    return [window = QPointer<MainWindow>(this)](const QString& text) {
        if (window)
            window->m_statusBar->showProgress(text);
    };
}

KestUpdate::FinishedCallback MainWindow::finishedCallback()
{
    return [window = QPointer<MainWindow>(this)] {
        if (window)
            window->m_statusBar->hideProgress();
    };
}

KestUpdate::MessageCallback MainWindow::messageCallback()
{
    return [window = QPointer<MainWindow>(this)](const QString& text, int milliseconds) {
        if (window)
            window->m_statusBar->showMessage(text, milliseconds);
    };
}

QAction* MainWindow::addMenuAction(QMenu* menu, const QString& text, void (MainWindow::*slot)(), const QKeySequence& shortcut)
{
    QAction* action = menu->addAction(text);
    action->setShortcut(shortcut);
    connect(action, &QAction::triggered, this, slot);
    return action;
}

void MainWindow::createRegisterScreen()
{
    m_registerScreen = new RegisterScreen(m_appState, this);
    connect(m_registerScreen, &RegisterScreen::reconcileRequested, this, &MainWindow::showReconciliationWindow);
    connect(m_registerScreen, &RegisterScreen::memorizeRequested, this, &MainWindow::memorizeTransaction);
    connect(m_registerScreen, &RegisterScreen::errorMessage, this,
        [this](const QString& text) { showStatusMessage(text, failureMilliseconds); });
}

void MainWindow::createWelcomeScreen()
{
    m_welcomeScreen = new WelcomeScreen(m_appState, this);
    KestAccount::AuthClient* auth = m_appState->accountClient()->authClient();
    connect(m_welcomeScreen, &WelcomeScreen::signInRequested, auth, &KestAccount::AuthClient::login);
    connect(m_welcomeScreen, &WelcomeScreen::signOutRequested, auth, &KestAccount::AuthClient::logout);
    connect(m_welcomeScreen, &WelcomeScreen::dismissRequested, this, &MainWindow::continueWithoutSignIn);
}

QWidget* MainWindow::buildEmptyStatePage()
{
    auto* page = new QWidget(this);
    page->setObjectName(QStringLiteral("emptyStatePage"));
    auto* layout = new QVBoxLayout(page);
    layout->setAlignment(Qt::AlignCenter);
    layout->setSpacing(12);

    QLabel* icon = GlyphIcon::label(0xE850, 96, page);
    icon->setAlignment(Qt::AlignCenter);
    layout->addWidget(icon);
    layout->addSpacing(8);

    auto* title = new QLabel(tr("Welcome to Kestrelwood Checkbook"), page);
    title->setFont(Palette::adjustedFont(8, QFont::DemiBold));
    title->setAlignment(Qt::AlignCenter);
    layout->addWidget(title);

    auto* subtitle = new QLabel(tr("Create your first account to get started."), page);
    subtitle->setFont(Palette::adjustedFont(1, QFont::Medium));
    subtitle->setAlignment(Qt::AlignCenter);
    subtitle->setStyleSheet(Palette::textColorStyle(Palette::muted()));
    layout->addWidget(subtitle);
    layout->addSpacing(16);

    auto* create = new QPushButton(tr("Create Account"), page);
    // Enter on the focused button presses it, as Space does.
    create->setAutoDefault(true);
    create->setObjectName(QStringLiteral("createAccountButton"));
    create->setStyleSheet(createAccountButtonStyleSheet.arg(Palette::styleName(Palette::primaryButton()),
        Palette::styleName(Palette::primaryButtonHover()), Palette::styleName(Palette::primaryButtonPressed())));
    create->setMinimumSize(180, 40);
    create->setCursor(Qt::PointingHandCursor);
    connect(create, &QPushButton::clicked, this, &MainWindow::showNewAccountDialog);
    layout->addWidget(create, 0, Qt::AlignHCenter);
    layout->addSpacing(12);

    auto* hint = new QLabel(tr("You can also import transactions from a CSV file via File › Import."), page);
    hint->setAlignment(Qt::AlignCenter);
    hint->setWordWrap(true);
    // A wrapped label centred in its layout would shrink to a narrow column.
    hint->setFixedWidth(480);
    hint->setStyleSheet(Palette::textColorStyle(Palette::muted()));
    hint->setFont(Palette::smallFont());
    layout->addWidget(hint, 0, Qt::AlignHCenter);
    return page;
}

void MainWindow::createSidebar()
{
    m_sidebar = new AccountSidebar(m_appState, this);
    connect(m_sidebar, &AccountSidebar::accountActivated, this, &MainWindow::selectAccount);
    connect(m_sidebar, &AccountSidebar::newAccountRequested, this, &MainWindow::showNewAccountDialog);
    connect(m_sidebar, &AccountSidebar::commandRequested, this, &MainWindow::runAccountCommand);
    connect(m_sidebar, &AccountSidebar::statusMessage, this,
        [this](const QString& text) { showStatusMessage(text, failureMilliseconds); });
}

void MainWindow::buildCentralArea()
{
    m_centralStack = new QStackedWidget(this);
    m_centralStack->setObjectName(QStringLiteral("centralStack"));
    m_centralStack->addWidget(m_welcomeScreen);
    m_centralStack->addWidget(m_registerScreen);
    m_centralStack->addWidget(m_emptyStatePage);

    m_splitter = new QSplitter(Qt::Horizontal, this);
    m_splitter->addWidget(m_sidebar);
    m_splitter->addWidget(m_centralStack);
    m_splitter->setStretchFactor(0, 0);
    m_splitter->setStretchFactor(1, 1);
    m_splitter->setChildrenCollapsible(false);
    const QByteArray state = QSettings().value(splitterKey).toByteArray();
    if (state.isEmpty() || !m_splitter->restoreState(state))
        m_splitter->setSizes({280, 1000});
    connect(m_splitter, &QSplitter::splitterMoved, m_sidebar, &AccountSidebar::fitRowsToWidth);
    setCentralWidget(m_splitter);
}

void MainWindow::createStatusBar()
{
    m_statusBar = new StatusBar(this);
    setStatusBar(m_statusBar);
    m_statusBar->restyle();
    connect(m_appState->themeManager(), &ThemeManager::themeChanged, m_statusBar, &StatusBar::restyle);
    connect(m_sidebar, &AccountSidebar::reloaded, m_statusBar, &StatusBar::setAccountCount);
}

void MainWindow::connectRepositories()
{
    connect(m_appState->preferences(), &PreferencesRepository::changed, this, [this](const QString& key) {
        static const QStringList registerKeys = {QStringLiteral("registerTwoLine"), QStringLiteral("registerNewestFirst"),
            QStringLiteral("weekStartDay"), QStringLiteral("theme")};
        if (registerKeys.contains(key))
            m_registerScreen->reload();
    });
    connect(m_appState->transactions(), &TransactionRepository::transactionsChanged, m_sidebar, &AccountSidebar::refreshBalance);
    // A renamed or deleted category shows in the register at once.
    connect(m_appState->categories(), &CategoryRepository::categoriesChanged, m_registerScreen, &RegisterScreen::reload);
    connect(m_appState->accounts(), &AccountRepository::accountsChanged, m_sidebar, &AccountSidebar::reload);
    connect(m_appState->recurringService(), &RecurringService::pendingCountChanged, m_statusBar,
        &StatusBar::setRecurringDue);
}

void MainWindow::startNewTransaction()
{
    if (!requireCurrentAccount())
        return;
    if (currentPage() != Page::Register)
        selectAccount(m_appState->currentAccountId());
    m_registerScreen->insertNew();
}

void MainWindow::updateRecurringDue()
{
    m_statusBar->setRecurringDue(m_appState->recurringService()->pendingCount());
}

void MainWindow::autoPostRecurring()
{
    const RecurringRunResult result = m_appState->recurringService()->autoPostDue();
    if (result.posted > 0)
        showStatusMessage(tr("Auto-posted %n recurring transaction(s)", nullptr, result.posted), failureMilliseconds);
    if (result.problems.isEmpty())
        return;
    // Told once the window is on screen, over it rather than before it.
    const QString problems = RecurringScreen::problemList(result.problems);
    QTimer::singleShot(0, this, [this, problems] {
        QMessageBox::warning(this, tr("Recurring Transactions"),
            tr("Some recurring transactions were not posted automatically:") + QLatin1Char('\n') + problems);
    });
}

void MainWindow::restoreSelection()
{
    const QString current = m_appState->currentAccountId();
    if (m_sidebar->contains(current))
        selectAccount(current);
    else if (m_sidebar->accountCount() > 0)
        selectAccount(m_sidebar->accountIdAt(0));
    else
        showPage(isSignedIn() ? Page::EmptyState : Page::Welcome);
}

void MainWindow::continueWithoutSignIn()
{
    if (m_sidebar->accountCount() > 0)
        restoreSelection();
    else
        showPage(Page::EmptyState);
}

void MainWindow::connectAuthClient()
{
    KestAccount::Client* client = m_appState->accountClient();
    connect(client, &KestAccount::Client::authStateChanged, this, &MainWindow::updateAuthUI);
    connect(client, &KestAccount::Client::tokensNotRemembered, this, &MainWindow::reportTokensNotRemembered);
    connect(client->authClient(), &KestAccount::AuthClient::loginSucceeded, this,
        [this] { showStatusMessage(tr("Signed in successfully"), hintMilliseconds); });
    connect(client->authClient(), &KestAccount::AuthClient::loginFailed, this,
        [this](const QString& error) { showStatusMessage(tr("Sign-in failed: %1").arg(error), failureMilliseconds); });
}

void MainWindow::connectSyncEngine()
{
    SyncEngine* engine = m_appState->syncEngine();
    connect(engine, &SyncEngine::stateChanged, this, &MainWindow::updateSyncLabel);
    connect(engine, &SyncEngine::syncCompleted, this, [this] {
        showStatusMessage(tr("Sync complete"), syncCompleteMilliseconds);
        // The first sync on a new device may bring the first account.
        if (!m_sidebar->contains(m_appState->currentAccountId()))
            restoreSelection();
    });
    connect(engine, &SyncEngine::syncFailed, this,
        [this](const QString& error) { showStatusMessage(tr("Sync failed: %1").arg(error), failureMilliseconds); });
    connect(engine, &SyncEngine::dataChanged, this, [this] {
        m_sidebar->reload();
        m_registerScreen->reload();
    });
    // Asked once the sign-in has finished answering the browser.
    connect(m_appState, &AppState::syncLockedToAnotherUser, this, &MainWindow::askAboutAnotherUsersBooks,
        Qt::QueuedConnection);
}

void MainWindow::updateSyncLabel()
{
    SyncEngine* engine = m_appState->syncEngine();
    if (!isSignedIn())
        m_statusBar->setSyncText(tr("Not signed in"));
    else if (engine->localDataBelongsToAnotherUser())
        m_statusBar->setSyncText(tr("Sync paused"));
    else
        m_statusBar->setSyncText(SyncEngine::stateText(engine->state()));
}

void MainWindow::askAboutAnotherUsersBooks()
{
    AnotherUserDialog dialog(this);
    dialog.exec();
    if (!dialog.addChosen()) {
        m_appState->accountClient()->authClient()->logout();
        return;
    }
    if (!m_appState->adoptLocalDataForSignedInUser()) {
        QMessageBox::warning(this, tr("Different Account"),
            tr("This device's books could not be prepared for the account you signed in with, so nothing was "
               "synced. %1").arg(Database::failureText(m_appState->database()->lastFailure())));
    }
}

bool MainWindow::isSignedIn() const
{
    return m_appState->accountClient()->isAuthenticated();
}

void MainWindow::updateAuthUI()
{
    const bool signedIn = isSignedIn();
    m_signInAction->setVisible(!signedIn);
    m_signOutAction->setVisible(signedIn);
    m_welcomeScreen->setSignedIn(signedIn);
    updateSyncLabel();
    // Signed in from the welcome page: on to the books. A sign-out leaves
    // the page where it is, offering to sign in again.
    if (signedIn && currentPage() == Page::Welcome) {
        if (m_sidebar->contains(m_appState->currentAccountId()))
            selectAccount(m_appState->currentAccountId());
        else
            showPage(Page::EmptyState);
    }
}

void MainWindow::reportTokensNotRemembered()
{
    auto* box = new QMessageBox(QMessageBox::Information, tr("Sign-In Not Remembered"),
        tr("Your sign-in could not be saved in the system's keyring, so you will need to sign in again "
           "the next time you start Kestrelwood Checkbook."),
        QMessageBox::Ok, this);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->open();
}

bool MainWindow::requireCurrentAccount()
{
    const QString accountId = m_appState->currentAccountId();
    const std::optional<Account> account =
        accountId.isEmpty() ? std::nullopt : m_appState->accounts()->byId(accountId);
    if (account && !account->deletedAt)
        return true;
    showStatusMessage(tr("Select an account first"), hintMilliseconds);
    return false;
}

void MainWindow::showPage(Page page)
{
    m_centralStack->setCurrentIndex(static_cast<int>(page));
}

void MainWindow::showStatusMessage(const QString& text, int milliseconds)
{
    m_statusBar->showMessage(text, milliseconds);
}

void MainWindow::showAboutBox()
{
    const QString text = QStringLiteral("<h3>%1</h3><p>%2</p><p>%3</p><p><small>%4</small></p>")
                             .arg(tr("Kestrelwood Checkbook").toHtmlEscaped(), AboutText::version().toHtmlEscaped(),
                                 AboutText::description().toHtmlEscaped(), AboutText::qtNoticeHtml());
    QMessageBox::about(this, tr("About Kestrelwood Checkbook"), text);
}

void MainWindow::showKeyboardShortcuts()
{
    // Each key once: where a key means one thing in the register and
    // another elsewhere, its row says both.
    const QString text =
        shortcutTable(tr("Register"),
            {{shortcutText("Ctrl+Return"), tr("Save transaction")},
                {shortcutText("Ctrl+I"), tr("Insert new transaction (elsewhere: import)")},
                {shortcutText("Ctrl+N"), tr("New transaction in a form (elsewhere: in the register)")},
                {shortcutText("Ctrl+D"), tr("Delete current transaction")},
                {shortcutText("Ctrl+M"), tr("Memorize as recurring transaction")},
                {shortcutText("Tab") + QStringLiteral(" / ") + shortcutText("Shift+Tab"), tr("Next / previous field")},
                {shortcutText("F4") + QStringLiteral(" / ") + shortcutText("Alt+Down"), tr("Open the list or calendar")},
                {tr("' (apostrophe)").toHtmlEscaped(), tr("Copy value from field above")}})
        + shortcutTable(tr("Date Field"),
            {{QStringLiteral("t"), tr("Today")}, {QStringLiteral("+ / -"), tr("Next / previous day")},
                {QStringLiteral("m / h"), tr("First / last day of month")},
                {QStringLiteral("y / r"), tr("First / last day of year")},
                {QStringLiteral("w / k"), tr("First / last day of week")}})
        + shortcutTable(tr("General"),
            {{shortcutText("Ctrl+Shift+N"), tr("New account")}, {shortcutText("Ctrl+R"), tr("Reconcile account")},
                {shortcutText("Ctrl+F"), tr("Search transactions")}, {shortcutText("Ctrl+2"), tr("Reports")},
                {shortcutText("Ctrl+3"), tr("Recurring transactions")}, {shortcutText("Ctrl+4"), tr("Categories")}})
        + shortcutTable(tr("Accounts"),
            {{tr("%1 to %2").arg(shortcutText("Alt+1"), shortcutText("Alt+9")), tr("Switch to account 1 to 9")},
                {shortcutText("Alt+0"), tr("Switch to account 10")}});
    QMessageBox box(this);
    box.setWindowTitle(tr("Keyboard Shortcuts"));
    box.setTextFormat(Qt::RichText);
    box.setText(text);
    box.setStandardButtons(QMessageBox::Ok);
    box.exec();
}
