#include "app/mainwindow.h"

#include "app/appstate.h"
#include "app/statusbar.h"
#include "app/thememanager.h"
#include "app/totalslabel.h"
#include "app/welcomescreen.h"
#include "register/accountformdialog.h"
#include "widgets/elidedlabel.h"
#include "widgets/palette.h"
#include "register/registerscreen.h"
#include "services/recurring/recurringformdialog.h"
#include "bookkeeping/accountservice.h"
#include "bookkeeping/writeoutcome.h"
#include "storage/account.h"
#include "storage/accountrepository.h"
#include "storage/money.h"
#include "storage/preferencesrepository.h"
#include "storage/reconciliationrepository.h"
#include "storage/recurringrepository.h"
#include "storage/textlimits.h"
#include "storage/transactionrepository.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDebug>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QSettings>
#include <QShortcut>
#include <QSplitter>
#include <QStackedWidget>
#include <QVBoxLayout>
#include <algorithm>

namespace {

const QString geometryKey = QStringLiteral("mainwindow/geometry");
const QString splitterKey = QStringLiteral("mainwindow/splitter");
constexpr int accountIdRole = Qt::UserRole;
constexpr int accountNameRole = Qt::UserRole + 1;
constexpr int menuNameWidth = 320;
constexpr int shortcutAccountCount = 10;
constexpr int hintMilliseconds = 3000;
constexpr int failureMilliseconds = 5000;

const QString sidebarStyleSheet = QStringLiteral(
    "QListWidget {  background-color: %1;  border: none;  outline: none;  padding: 6px 0;  font-size: 10pt;}"
    "QListWidget::item {  color: %2;  padding: 7px 14px;  border: none;}"
    "QListWidget::item:hover {  background-color: %3;  color: %4;}"
    "QListWidget::item:selected {  background-color: %5;  color: %4;}"
    "QListWidget::item:disabled {  color: %6;  padding: 10px 14px 4px 14px;  background: transparent;}");

const QString createAccountButtonStyleSheet = QStringLiteral(
    "QPushButton {  background-color: %1;  color: white;  border: none;  border-radius: 4px;  padding: 6px 16px;"
    "  font-weight: 600;  min-width: 80px;}"
    "QPushButton:hover {  background-color: %2;}"
    "QPushButton:pressed {  background-color: %3;}");

const QString colorStyle = QStringLiteral("color: %1;");
// The 7 pixels above and below every item in the sidebar's style sheet.
constexpr int sidebarItemVerticalPadding = 14;

char16_t accountTypeGlyph(AccountType type)
{
    switch (type) {
    case AccountType::Checking:
        return 0xE84F;
    case AccountType::Savings:
        return 0xE2EB;
    case AccountType::CreditCard:
        return 0xE870;
    case AccountType::Cash:
        return 0xE57D;
    case AccountType::Investment:
        return 0xE8E5;
    case AccountType::Other:
        break;
    }
    return 0xE850;
}

QString accountTypeName(AccountType type)
{
    switch (type) {
    case AccountType::Checking:
        return MainWindow::tr("Checking");
    case AccountType::Savings:
        return MainWindow::tr("Savings");
    case AccountType::CreditCard:
        return MainWindow::tr("Credit Card");
    case AccountType::Cash:
        return MainWindow::tr("Cash");
    case AccountType::Investment:
        return MainWindow::tr("Investment");
    case AccountType::Other:
        break;
    }
    return MainWindow::tr("Other");
}

int smallPointSize()
{
    return std::max(QApplication::font().pointSize() - 2, 7);
}

QFont adjustedFont(int pointSizeDelta, int weight)
{
    QFont font = QApplication::font();
    font.setPointSize(font.pointSize() + pointSizeDelta);
    font.setWeight(static_cast<QFont::Weight>(weight));
    return font;
}

QString colorText(const QColor& color)
{
    return colorStyle.arg(Palette::styleName(color));
}

QLabel* glyphLabel(char16_t glyph, int pixelSize, QWidget* parent)
{
    auto* label = new QLabel(QString(QChar(glyph)), parent);
    label->setFont(Palette::iconFont(pixelSize));
    label->setStyleSheet(colorText(Palette::glyph()));
    return label;
}

// A balance as the sidebar knows it: none when it could not be read, an
// empty CheckedSum when it is too large to hold.
using KnownBalance = std::optional<CheckedSum>;

KnownBalance knownBalance(const QHash<QString, CheckedSum>& balances, const QString& accountId)
{
    const auto found = balances.constFind(accountId);
    return found == balances.cend() ? KnownBalance() : KnownBalance(*found);
}

// How a balance or a total reads, or the error shown in its place: never a
// number that is not the true one.
struct BalanceDisplay
{
    QString text;
    QString toolTip;
    bool negative = false;
    bool isError() const { return !toolTip.isEmpty(); }
};

BalanceDisplay balanceDisplay(const KnownBalance& balance, Currency currency)
{
    if (!balance)
        return {MainWindow::tr("Unavailable"), MainWindow::tr("The balance could not be read from the database."), true};
    if (!*balance)
        return {MainWindow::tr("Overflow"), MainWindow::tr("The balance is too large to show."), true};
    return {formatCurrency(**balance, currency), QString(), **balance < 0};
}

// The sum of the balances held in one currency.
struct CurrencyTotal
{
    Currency currency;
    KnownBalance amount;
};

void addToTotals(QList<CurrencyTotal>& totals, Currency currency, const KnownBalance& balance)
{
    for (CurrencyTotal& total : totals) {
        if (total.currency != currency)
            continue;
        // An unread balance leaves the total unread, one too large to hold
        // leaves it too large.
        if (!total.amount || !balance)
            total.amount = std::nullopt;
        else if (*total.amount && *balance)
            total.amount = checkedAdd(**total.amount, **balance);
        else
            total.amount = CheckedSum();
        return;
    }
    totals.append({currency, balance});
}

// Dollars of three countries all print as "$": where a symbol is shared the
// currency code tells the totals apart.
bool symbolIsShared(const QList<CurrencyTotal>& totals, Currency currency)
{
    const QString symbol = currencySymbol(currency);
    return std::any_of(totals.cbegin(), totals.cend(), [&](const CurrencyTotal& other) {
        return other.currency != currency && currencySymbol(other.currency) == symbol;
    });
}

// Balances in different currencies cannot be added up: one total per
// currency, in the order the currencies first appear in the sidebar.
// A total shown as an error names its currency, having no symbol.
void showTotals(TotalsLabel* label, const QList<CurrencyTotal>& totals)
{
    if (totals.isEmpty()) {
        label->setTotals(MainWindow::tr("No accounts"));
        label->setToolTip(QString());
        return;
    }
    QStringList parts;
    QString toolTip;
    for (const CurrencyTotal& total : totals) {
        const BalanceDisplay shown = balanceDisplay(total.amount, total.currency);
        QString part = shown.text;
        if (shown.isError() || symbolIsShared(totals, total.currency))
            part += QLatin1Char(' ') + toStoredText(total.currency);
        if (shown.isError())
            toolTip = shown.toolTip;
        parts.append(part);
    }
    label->setTotals(MainWindow::tr("Total: %1").arg(parts.join(QStringLiteral(" · "))));
    label->setToolTip(toolTip);
}

void showBalance(QLabel* label, const KnownBalance& balance, Currency currency)
{
    const BalanceDisplay shown = balanceDisplay(balance, currency);
    label->setText(shown.text);
    label->setToolTip(shown.toolTip);
    label->setStyleSheet(colorText(shown.negative ? Palette::sidebarNegative() : Palette::sidebarPositive()));
}

QWidget* accountRowWidget(const Account& account, const KnownBalance& balance, QWidget* parent)
{
    auto* widget = new QWidget(parent);
    auto* layout = new QHBoxLayout(widget);
    layout->setContentsMargins(6, 8, 8, 8);
    layout->setSpacing(8);
    layout->addWidget(glyphLabel(accountTypeGlyph(account.type), 22, widget));

    auto* text = new QVBoxLayout;
    text->setContentsMargins(0, 0, 0, 0);
    text->setSpacing(2);
    auto* firstLine = new QHBoxLayout;
    firstLine->setSpacing(8);
    auto* name = new ElidedLabel(account.name, widget);
    name->setObjectName(QStringLiteral("accountName"));
    name->setFont(adjustedFont(0, QFont::Medium));
    name->setStyleSheet(colorText(Palette::sidebarBrightText()));
    name->setToolTip(shownText(account.name));
    firstLine->addWidget(name, 1);
    auto* balanceLabel = new QLabel(widget);
    balanceLabel->setObjectName(QStringLiteral("accountBalance"));
    showBalance(balanceLabel, balance, account.currency);
    firstLine->addWidget(balanceLabel);
    text->addLayout(firstLine);

    QString details = accountTypeName(account.type);
    if (!account.accountNumberLast4.isEmpty())
        details += QStringLiteral("  ·  *%1").arg(account.accountNumberLast4);
    auto* detailsLabel = new QLabel(details, widget);
    detailsLabel->setObjectName(QStringLiteral("accountDetails"));
    QFont detailsFont = QApplication::font();
    detailsFont.setPointSize(smallPointSize());
    detailsLabel->setFont(detailsFont);
    detailsLabel->setStyleSheet(colorText(Palette::sidebarText()));
    text->addWidget(detailsLabel);
    layout->addLayout(text, 1);
    return widget;
}

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
    buildCentralArea();
    createStatusBar();
    connectRepositories();
    updateAuthUI();
    onAccountsChanged();
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
    }
    window->setWindowState(window->windowState() & ~Qt::WindowMinimized);
    if (window->isHidden())
        window->show();
    window->raise();
    window->activateWindow();
}

void MainWindow::onAccountClicked(QListWidgetItem* item)
{
    const QString accountId = item->data(accountIdRole).toString();
    if (!accountId.isEmpty())
        selectAccount(accountId);
}

void MainWindow::onAccountsChanged()
{
    m_balances = m_appState->transactions()->balances();
    rebuildSidebar();
}

void MainWindow::onTransactionsChanged(const QString& accountId)
{
    const std::optional<CheckedSum> balance =
        m_balances.contains(accountId) ? m_appState->transactions()->balance(accountId) : std::nullopt;
    if (!balance) {
        onAccountsChanged();
        return;
    }
    m_balances.insert(accountId, *balance);
    refreshBalances(m_appState->accounts()->all());
}

void MainWindow::rebuildSidebar()
{
    const QList<Account> accounts = m_appState->accounts()->all();
    m_accountList->clear();
    for (const Account& account : accounts)
        addSidebarRow(account, knownBalance(m_balances, account.id));
    m_statusBar->setAccountCount(accounts.size());
    rebuildAccountShortcuts();
    refreshBalances(accounts);
    selectSidebarRow(m_appState->currentAccountId());
}

void MainWindow::refreshBalances(const QList<Account>& accounts)
{
    QList<CurrencyTotal> totals;
    for (const Account& account : accounts)
        addToTotals(totals, account.currency, knownBalance(m_balances, account.id));
    showTotals(m_totalLabel, totals);

    for (int row = 0; row < m_accountList->count(); ++row) {
        QListWidgetItem* item = m_accountList->item(row);
        const QString accountId = item->data(accountIdRole).toString();
        const auto account = std::find_if(accounts.cbegin(), accounts.cend(), [&](const Account& a) { return a.id == accountId; });
        QWidget* rowWidget = m_accountList->itemWidget(item);
        auto* label = rowWidget ? rowWidget->findChild<QLabel*>(QStringLiteral("accountBalance")) : nullptr;
        if (account != accounts.cend() && label)
            showBalance(label, knownBalance(m_balances, account->id), account->currency);
    }
}

void MainWindow::selectAccount(const QString& accountId)
{
    m_appState->setCurrentAccountId(accountId);
    // The register is on screen before it takes the keyboard focus, so the
    // entry row really gets it.
    showPage(Page::Register);
    m_registerScreen->setAccount(accountId);
    selectSidebarRow(accountId);
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
    AccountFormDialog dialog(*account, this);
    while (dialog.exec() == QDialog::Accepted) {
        const WriteOutcome outcome = m_appState->accountService()->update(dialog.account());
        if (outcome.ok()) {
            m_registerScreen->reload();
            return;
        }
        reportWriteFailure(tr("Edit Account"), tr("The account could not be saved."), outcome);
    }
}

void MainWindow::memorizeTransaction(const RecurringTransaction& seed)
{
    RecurringFormDialog dialog(m_appState, seed, this);
    // A refused save reopens the form with everything as typed.
    while (dialog.exec() == QDialog::Accepted) {
        if (m_appState->recurring()->insert(dialog.recurring())) {
            m_registerScreen->showStatus(tr("Transaction memorized as recurring"), hintMilliseconds);
            return;
        }
        reportWriteFailure(tr("Not Saved"), tr("The recurring transaction could not be saved."),
            storageFailure(m_appState->database()));
    }
}

void MainWindow::reportWriteFailure(const QString& title, const QString& what, const WriteOutcome& outcome)
{
    QMessageBox::warning(this, title, QStringLiteral("%1\n\n%2").arg(what, outcome.message));
}

void MainWindow::showReportsWindow()
{
    reportNotAvailable(tr("Reports"));
}

void MainWindow::showRecurringWindow()
{
    reportNotAvailable(tr("Recurring Transactions"));
}

void MainWindow::showSearchWindow()
{
    reportNotAvailable(tr("Search Transactions"));
}

void MainWindow::showCategoriesWindow()
{
    reportNotAvailable(tr("Categories"));
}

void MainWindow::showSettingsWindow()
{
    reportNotAvailable(tr("Preferences"));
}

void MainWindow::showReconciliationWindow()
{
    if (requireCurrentAccount())
        reportNotAvailable(tr("Reconciliation"));
}

void MainWindow::showReconciliationHistoryWindow()
{
    if (requireCurrentAccount())
        reportNotAvailable(tr("Reconciliation History"));
}

void MainWindow::showImportWindow()
{
    reportNotAvailable(tr("Import Transactions"));
}

void MainWindow::showPayeesWindow()
{
    reportNotAvailable(tr("Payee Management"));
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
    reportNotAvailable(tr("Share Account"));
}

void MainWindow::onAccountContextMenu(const QPoint& position)
{
    QMenu menu(this);
    QAction* newAccount = menu.addAction(tr("New Account..."));
    connect(newAccount, &QAction::triggered, this, &MainWindow::showNewAccountDialog);

    const QListWidgetItem* item = m_accountList->itemAt(position);
    const QString accountId = item ? item->data(accountIdRole).toString() : QString();
    if (!accountId.isEmpty()) {
        // A stored name may be far longer than any menu is wide.
        const QString name =
            menu.fontMetrics().elidedText(shownText(item->data(accountNameRole).toString()), Qt::ElideRight, menuNameWidth);
        // Every command acts on the account that was clicked, so it becomes
        // the current one first.
        const auto addCommand = [&](const QString& text, void (MainWindow::*slot)()) {
            QAction* action = menu.addAction(text);
            connect(action, &QAction::triggered, this, [this, accountId, slot] {
                selectAccount(accountId);
                (this->*slot)();
            });
        };
        menu.addSeparator();
        addCommand(tr("Edit \"%1\"...").arg(name), &MainWindow::showEditAccountDialog);
        addCommand(tr("Reconcile..."), &MainWindow::showReconciliationWindow);
        addCommand(tr("Reconciliation History..."), &MainWindow::showReconciliationHistoryWindow);
        addCommand(tr("Rename Payees..."), &MainWindow::showPayeesWindow);
        menu.addSeparator();
        addCommand(tr("Share..."), &MainWindow::showShareAccountDialog);
        menu.addSeparator();
        addCommand(tr("Delete \"%1\"").arg(name), &MainWindow::deleteCurrentAccount);
    }
    menu.exec(m_accountList->viewport()->mapToGlobal(position));
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
        selectSidebarRow(QString());
        showPage(Page::Welcome);
    }
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
    reportNotAvailable(tr("Kestrelwood Account"));
}

void MainWindow::closeEvent(QCloseEvent* event)
{
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
    // Signing in starts from the welcome page, which explains what an
    // account brings.
    m_signInAction = menu->addAction(tr("Sign &In..."));
    connect(m_signInAction, &QAction::triggered, this, [this] { showPage(Page::Welcome); });
    m_signOutAction = menu->addAction(tr("Sign &Out"));
    connect(m_signOutAction, &QAction::triggered, this, [this] { reportNotAvailable(tr("Sign-out")); });
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
    connect(whatsNew, &QAction::triggered, this, [this] { reportNotAvailable(tr("What's New")); });
    QAction* updates = menu->addAction(tr("Check for &Updates..."));
    connect(updates, &QAction::triggered, this, [this] { reportNotAvailable(tr("Checking for updates")); });
    QAction* feedback = menu->addAction(tr("Send &Feedback..."));
    connect(feedback, &QAction::triggered, this, [this] { reportNotAvailable(tr("Sending feedback")); });
    menu->addSeparator();
    QAction* shortcuts = menu->addAction(tr("&Keyboard Shortcuts"));
    connect(shortcuts, &QAction::triggered, this, &MainWindow::showKeyboardShortcuts);
    if (!qEnvironmentVariableIsEmpty("CHECKBOOK_DEV")) {
        menu->addSeparator();
        QAction* load = menu->addAction(tr("Load &Sample Data"));
        connect(load, &QAction::triggered, this, [this] { reportNotAvailable(tr("Sample data")); });
        QAction* clear = menu->addAction(tr("&Clear Sample Data"));
        connect(clear, &QAction::triggered, this, [this] { reportNotAvailable(tr("Sample data")); });
    }
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
    connect(m_welcomeScreen, &WelcomeScreen::signInRequested, this, [this] { reportNotAvailable(tr("Sign-in")); });
    connect(m_welcomeScreen, &WelcomeScreen::signOutRequested, this, [this] { reportNotAvailable(tr("Sign-out")); });
    connect(m_welcomeScreen, &WelcomeScreen::dismissRequested, this, &MainWindow::continueWithoutSignIn);
}

QWidget* MainWindow::buildEmptyStatePage()
{
    auto* page = new QWidget(this);
    page->setObjectName(QStringLiteral("emptyStatePage"));
    auto* layout = new QVBoxLayout(page);
    layout->setAlignment(Qt::AlignCenter);
    layout->setSpacing(12);

    QLabel* icon = glyphLabel(0xE850, 96, page);
    icon->setAlignment(Qt::AlignCenter);
    layout->addWidget(icon);
    layout->addSpacing(8);

    auto* title = new QLabel(tr("Welcome to Kestrelwood Checkbook"), page);
    title->setFont(adjustedFont(8, QFont::DemiBold));
    title->setAlignment(Qt::AlignCenter);
    layout->addWidget(title);

    auto* subtitle = new QLabel(tr("Create your first account to get started."), page);
    subtitle->setFont(adjustedFont(1, QFont::Medium));
    subtitle->setAlignment(Qt::AlignCenter);
    subtitle->setStyleSheet(colorText(Palette::muted()));
    layout->addWidget(subtitle);
    layout->addSpacing(16);

    auto* create = new QPushButton(tr("Create Account"), page);
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
    hint->setStyleSheet(colorText(Palette::muted()));
    QFont hintFont = QApplication::font();
    hintFont.setPointSize(smallPointSize());
    hint->setFont(hintFont);
    layout->addWidget(hint, 0, Qt::AlignHCenter);
    return page;
}

void MainWindow::buildCentralArea()
{
    m_centralStack = new QStackedWidget(this);
    m_centralStack->setObjectName(QStringLiteral("centralStack"));
    m_centralStack->addWidget(m_welcomeScreen);
    m_centralStack->addWidget(m_registerScreen);
    m_centralStack->addWidget(m_emptyStatePage);

    m_splitter = new QSplitter(Qt::Horizontal, this);
    m_splitter->addWidget(buildSidebarPanel());
    m_splitter->addWidget(m_centralStack);
    m_splitter->setStretchFactor(0, 0);
    m_splitter->setStretchFactor(1, 1);
    m_splitter->setChildrenCollapsible(false);
    const QByteArray state = QSettings().value(splitterKey).toByteArray();
    if (state.isEmpty() || !m_splitter->restoreState(state))
        m_splitter->setSizes({280, 1000});
    connect(m_splitter, &QSplitter::splitterMoved, this, &MainWindow::fitSidebarRowsToWidth);
    setCentralWidget(m_splitter);
}

QWidget* MainWindow::buildSidebarPanel()
{
    auto* panel = new QWidget(this);
    panel->setMinimumWidth(260);
    panel->setMaximumWidth(500);
    auto* layout = new QVBoxLayout(panel);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);

    m_accountList = new QListWidget(panel);
    m_accountList->setObjectName(QStringLiteral("accountList"));
    m_accountList->setMinimumWidth(260);
    m_accountList->setFocusPolicy(Qt::NoFocus);
    m_accountList->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_accountList->setContextMenuPolicy(Qt::CustomContextMenu);
    m_accountList->setDragDropMode(QAbstractItemView::InternalMove);
    m_accountList->setDefaultDropAction(Qt::MoveAction);
    m_accountList->setStyleSheet(sidebarStyleSheet.arg(Palette::styleName(Palette::sidebarBackground()),
        Palette::styleName(Palette::sidebarText()), Palette::styleName(Palette::sidebarHover()),
        Palette::styleName(Palette::sidebarBrightText()), Palette::styleName(Palette::sidebarSelection()),
        Palette::styleName(Palette::sidebarHeading())));
    connect(m_accountList, &QListWidget::itemClicked, this, &MainWindow::onAccountClicked);
    connect(m_accountList, &QWidget::customContextMenuRequested, this, &MainWindow::onAccountContextMenu);
    // A drop moves the row inside the list model; the new order is stored
    // once the drop has finished, since storing it rebuilds the list.
    connect(m_accountList->model(), &QAbstractItemModel::rowsMoved, this, &MainWindow::saveSidebarOrder,
        Qt::QueuedConnection);
    layout->addWidget(m_accountList, 1);

    m_totalLabel = new TotalsLabel(panel);
    m_totalLabel->setObjectName(QStringLiteral("totalLabel"));
    m_totalLabel->setFont(adjustedFont(0, QFont::Medium));
    m_totalLabel->setAlignment(Qt::AlignCenter);
    // One line of 32 pixels holds a single total; totals in several
    // currencies may need more lines rather than being cut off.
    m_totalLabel->setMinimumHeight(32);
    m_totalLabel->setStyleSheet(QStringLiteral("background: %1; color: %2; border-top: 1px solid %3; padding: 4px;")
                                    .arg(Palette::styleName(Palette::totalsBackground()),
                                        Palette::styleName(Palette::sidebarText()), Palette::styleName(Palette::totalsBorder())));
    layout->addWidget(m_totalLabel);
    return panel;
}

void MainWindow::createStatusBar()
{
    m_statusBar = new StatusBar(this);
    setStatusBar(m_statusBar);
    m_statusBar->restyle();
    connect(m_appState->themeManager(), &ThemeManager::themeChanged, m_statusBar, &StatusBar::restyle);
}

void MainWindow::connectRepositories()
{
    connect(m_appState->preferences(), &PreferencesRepository::changed, this, [this](const QString& key) {
        static const QStringList registerKeys = {QStringLiteral("registerTwoLine"), QStringLiteral("registerNewestFirst"),
            QStringLiteral("weekStartDay"), QStringLiteral("theme")};
        if (registerKeys.contains(key))
            m_registerScreen->reload();
    });
    connect(m_appState->transactions(), &TransactionRepository::transactionsChanged, this, &MainWindow::onTransactionsChanged);
    connect(m_appState->accounts(), &AccountRepository::accountsChanged, this, &MainWindow::onAccountsChanged);
    connect(m_appState->recurring(), &RecurringRepository::recurringChanged, this, &MainWindow::updateRecurringDue);
}

void MainWindow::addSidebarRow(const Account& account, const std::optional<CheckedSum>& balance)
{
    auto* item = new QListWidgetItem(m_accountList);
    item->setData(accountIdRole, account.id);
    item->setData(accountNameRole, account.name);
    QWidget* widget = accountRowWidget(account, balance, m_accountList->viewport());
    // The sidebar's style sheet sets the fonts, and its item padding is taken
    // from the room the row widget gets: the row is measured with both.
    widget->ensurePolished();
    item->setSizeHint(QSize(m_accountList->viewport()->width(), widget->sizeHint().height() + sidebarItemVerticalPadding));
    m_accountList->setItemWidget(item, widget);
}

void MainWindow::fitSidebarRowsToWidth()
{
    const int width = m_accountList->viewport()->width();
    for (int row = 0; row < m_accountList->count(); ++row) {
        QListWidgetItem* item = m_accountList->item(row);
        item->setSizeHint(QSize(width, item->sizeHint().height()));
    }
}

void MainWindow::selectSidebarRow(const QString& accountId)
{
    for (int row = 0; row < m_accountList->count(); ++row) {
        QListWidgetItem* item = m_accountList->item(row);
        if (!accountId.isEmpty() && item->data(accountIdRole).toString() == accountId) {
            m_accountList->setCurrentItem(item);
            return;
        }
    }
    m_accountList->clearSelection();
    m_accountList->setCurrentItem(nullptr);
}

void MainWindow::saveSidebarOrder()
{
    QList<AccountRepository::SortOrderEntry> entries;
    for (int row = 0; row < m_accountList->count(); ++row)
        entries.append({m_accountList->item(row)->data(accountIdRole).toString(), row});
    // The order on screen stays; only the next start would show the old one.
    if (!m_appState->accounts()->updateSortOrders(entries))
        showStatusMessage(tr("The account order could not be saved"), 5000);
}

void MainWindow::rebuildAccountShortcuts()
{
    qDeleteAll(m_accountShortcuts);
    m_accountShortcuts.clear();
    const int count = std::min(m_accountList->count(), shortcutAccountCount);
    for (int row = 0; row < count; ++row) {
        // Alt+1 is the first row … Alt+9 the ninth, Alt+0 the tenth.
        const Qt::Key digit = row == 9 ? Qt::Key_0 : static_cast<Qt::Key>(Qt::Key_1 + row);
        auto* shortcut = new QShortcut(QKeySequence(Qt::ALT | digit), this);
        connect(shortcut, &QShortcut::activated, this, [this, row] { selectAccountAtRow(row); });
        m_accountShortcuts.append(shortcut);
    }
}

void MainWindow::selectAccountAtRow(int row)
{
    if (const QListWidgetItem* item = m_accountList->item(row))
        selectAccount(item->data(accountIdRole).toString());
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
    m_statusBar->setRecurringDue(m_appState->recurring()->due().size());
}

void MainWindow::restoreSelection()
{
    const QString current = m_appState->currentAccountId();
    for (int row = 0; row < m_accountList->count(); ++row) {
        if (m_accountList->item(row)->data(accountIdRole).toString() == current) {
            selectAccount(current);
            return;
        }
    }
    if (m_accountList->count() > 0)
        selectAccountAtRow(0);
    else
        showPage(isSignedIn() ? Page::EmptyState : Page::Welcome);
}

void MainWindow::continueWithoutSignIn()
{
    if (m_accountList->count() > 0)
        restoreSelection();
    else
        showPage(Page::EmptyState);
}

void MainWindow::updateAuthUI()
{
    const bool signedIn = isSignedIn();
    m_signInAction->setVisible(!signedIn);
    m_signOutAction->setVisible(signedIn);
    m_welcomeScreen->setSignedIn(signedIn);
    if (!signedIn)
        m_statusBar->setSyncText(tr("Not signed in"));
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

void MainWindow::reportNotAvailable(const QString& feature)
{
    showStatusMessage(tr("%1 is not available yet").arg(feature), hintMilliseconds);
}

void MainWindow::showAboutBox()
{
    const QString text = QStringLiteral("<h3>%1</h3><p>%2</p><p>%3</p><p><small>%4</small></p>")
                             .arg(tr("Kestrelwood Checkbook").toHtmlEscaped(),
                                 tr("Version %1").arg(QCoreApplication::applicationVersion()).toHtmlEscaped(),
                                 tr("A digital checkbook register for tracking household finances.").toHtmlEscaped(),
                                 tr("This program uses the Qt framework under the GNU Lesser General Public License, "
                                    "version 3. The source code of Qt is available at %1.")
                                     .arg(QStringLiteral("<a style=\"color: %1;\" "
                                                         "href=\"https://download.qt.io/official_releases/qt/\">"
                                                         "download.qt.io</a>")
                                              .arg(Palette::styleName(Palette::link()))));
    QMessageBox::about(this, tr("About Kestrelwood Checkbook"), text);
}

void MainWindow::showKeyboardShortcuts()
{
    const QString text =
        shortcutTable(tr("Register"),
            {{shortcutText("Ctrl+Return"), tr("Save transaction")}, {shortcutText("Ctrl+I"), tr("Insert new transaction")},
                {shortcutText("Ctrl+D"), tr("Delete current transaction")},
                {shortcutText("Tab") + QStringLiteral(" / ") + shortcutText("Shift+Tab"), tr("Next / previous field")},
                {tr("' (apostrophe)").toHtmlEscaped(), tr("Copy value from field above")}})
        + shortcutTable(tr("Date Field"),
            {{QStringLiteral("t"), tr("Today")}, {QStringLiteral("+ / -"), tr("Next / previous day")},
                {QStringLiteral("m / h"), tr("First / last day of month")},
                {QStringLiteral("y / r"), tr("First / last day of year")},
                {QStringLiteral("w / k"), tr("First / last day of week")}})
        + shortcutTable(tr("General"),
            {{shortcutText("Ctrl+N"), tr("New transaction")}, {shortcutText("Ctrl+Shift+N"), tr("New account")},
                {shortcutText("Ctrl+R"), tr("Reconcile account")}, {shortcutText("Ctrl+F"), tr("Search transactions")},
                {shortcutText("Ctrl+I"), tr("Import")}, {shortcutText("Ctrl+2"), tr("Reports")},
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
