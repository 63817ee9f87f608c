#include "app/startwindow.h"

#include "app/appstate.h"
#include "storage/accountrepository.h"
#include "storage/money.h"
#include "storage/transactionrepository.h"

#include <QHeaderView>
#include <QTreeWidget>

namespace {

enum Column { NameColumn, BalanceColumn };

} // namespace

StartWindow::StartWindow(AppState* appState, QWidget* parent)
    : QMainWindow(parent)
    , m_appState(appState)
    , m_accountList(new QTreeWidget(this))
{
    setWindowTitle(tr("Kestrelwood Checkbook"));
    m_accountList->setHeaderLabels({tr("Account"), tr("Balance")});
    m_accountList->headerItem()->setTextAlignment(BalanceColumn, Qt::AlignRight | Qt::AlignVCenter);
    m_accountList->setRootIsDecorated(false);
    m_accountList->header()->setSectionResizeMode(NameColumn, QHeaderView::Stretch);
    m_accountList->header()->setStretchLastSection(false);
    setCentralWidget(m_accountList);
    resize(480, 320);
    listAccounts();
}

void StartWindow::listAccounts()
{
    for (const Account& account : m_appState->accounts()->all()) {
        // The last register row carries the balance after every transaction;
        // an account without rows has nothing, not even a starting balance.
        const QList<RegisterRow> rows = m_appState->transactions()->registerRows(account.id);
        const qint64 balance = rows.isEmpty() ? 0 : rows.last().runningBalance;
        auto* item = new QTreeWidgetItem(m_accountList, {account.name, formatCurrency(balance, account.currency)});
        item->setTextAlignment(BalanceColumn, Qt::AlignRight | Qt::AlignVCenter);
    }
}
