#include "app/startwindow.h"

#include "app/appstate.h"
#include "register/accountcreation.h"
#include "register/accountformdialog.h"
#include "register/registerscreen.h"
#include "storage/accountrepository.h"
#include "storage/transactionrepository.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QSignalBlocker>
#include <QStackedWidget>
#include <QVBoxLayout>

StartWindow::StartWindow(AppState* appState, QWidget* parent)
    : QMainWindow(parent)
    , m_appState(appState)
    , m_pages(new QStackedWidget(this))
{
    setWindowTitle(tr("Kestrelwood Checkbook"));
    m_emptyPage = buildEmptyPage();
    m_registerPage = buildRegisterPage();
    m_pages->addWidget(m_emptyPage);
    m_pages->addWidget(m_registerPage);
    setCentralWidget(m_pages);
    buildMenus();
    resize(1100, 700);
    listAccounts();
}

void StartWindow::newAccount()
{
    AccountFormDialog dialog(this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    const std::optional<AccountCreation> creation = AccountCreation::fromEntered(dialog.account(), dialog.asOfDate());
    if (!creation || !m_appState->accounts()->insert(creation->account))
        return;
    if (creation->openingBalance)
        m_appState->transactions()->insert(*creation->openingBalance);
    listAccounts(creation->account.id);
}

void StartWindow::buildMenus()
{
    QMenu* fileMenu = menuBar()->addMenu(tr("&File"));
    QAction* newAccountAction = fileMenu->addAction(tr("New &Account..."));
    connect(newAccountAction, &QAction::triggered, this, &StartWindow::newAccount);
    fileMenu->addSeparator();
    QAction* quitAction = fileMenu->addAction(tr("E&xit"));
    quitAction->setShortcut(QKeySequence::Quit);
    connect(quitAction, &QAction::triggered, this, &QWidget::close);
}

QWidget* StartWindow::buildEmptyPage()
{
    auto* page = new QWidget(this);
    auto* layout = new QVBoxLayout(page);
    layout->addStretch();
    auto* message = new QLabel(tr("Create an account to start your register."), page);
    message->setAlignment(Qt::AlignCenter);
    auto* button = new QPushButton(tr("New Account..."), page);
    button->setObjectName(QStringLiteral("newAccountButton"));
    connect(button, &QPushButton::clicked, this, &StartWindow::newAccount);
    layout->addWidget(message);
    layout->addWidget(button, 0, Qt::AlignHCenter);
    layout->addStretch();
    return page;
}

QWidget* StartWindow::buildRegisterPage()
{
    auto* page = new QWidget(this);
    auto* layout = new QVBoxLayout(page);
    layout->setContentsMargins(0, 8, 0, 0);
    auto* chooserRow = new QHBoxLayout;
    chooserRow->setContentsMargins(24, 0, 24, 0);
    auto* chooserLabel = new QLabel(tr("&Account:"), page);
    m_accountChooser = new QComboBox(page);
    m_accountChooser->setObjectName(QStringLiteral("accountChooser"));
    m_accountChooser->setMinimumContentsLength(24);
    chooserLabel->setBuddy(m_accountChooser);
    chooserRow->addWidget(chooserLabel);
    chooserRow->addWidget(m_accountChooser);
    chooserRow->addStretch();
    layout->addLayout(chooserRow);

    m_registerScreen = new RegisterScreen(m_appState, page);
    layout->addWidget(m_registerScreen, 1);
    connect(m_accountChooser, &QComboBox::currentIndexChanged, this, &StartWindow::showAccountAt);
    connect(m_registerScreen, &RegisterScreen::errorMessage, this, &StartWindow::showError);
    return page;
}

void StartWindow::listAccounts(const QString& accountId)
{
    const QList<Account> accounts = m_appState->accounts()->all();
    {
        const QSignalBlocker blocker(m_accountChooser);
        m_accountChooser->clear();
        for (const Account& account : accounts)
            m_accountChooser->addItem(account.name, account.id);
    }
    if (accounts.isEmpty()) {
        m_pages->setCurrentWidget(m_emptyPage);
        return;
    }
    m_pages->setCurrentWidget(m_registerPage);
    int shown = m_accountChooser->findData(accountId.isEmpty() ? m_appState->currentAccountId() : accountId);
    if (shown < 0)
        shown = 0;
    {
        const QSignalBlocker blocker(m_accountChooser);
        m_accountChooser->setCurrentIndex(shown);
    }
    showAccountAt(shown);
}

void StartWindow::showAccountAt(int index)
{
    const QString accountId = m_accountChooser->itemData(index).toString();
    if (accountId.isEmpty())
        return;
    m_appState->setCurrentAccountId(accountId);
    m_registerScreen->setAccount(accountId);
}

void StartWindow::showError(const QString& text)
{
    QMessageBox::warning(this, tr("Kestrelwood Checkbook"), text);
}
