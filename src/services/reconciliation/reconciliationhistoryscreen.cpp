#include "services/reconciliation/reconciliationhistoryscreen.h"

#include "app/appstate.h"
#include "storage/account.h"
#include "storage/accountrepository.h"
#include "storage/money.h"
#include "storage/reconciliation.h"
#include "storage/reconciliationrepository.h"
#include "widgets/palette.h"

#include <QHeaderView>
#include <QLabel>
#include <QLocale>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

enum Column { StatementDateColumn, StatementBalanceColumn, ReconciledBalanceColumn, CompletedColumn, ColumnCount };

QTableWidgetItem* balanceItem(qint64 amount, Currency currency)
{
    auto* item = new QTableWidgetItem(formatCurrency(amount, currency, AmountFormat::shown()));
    item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    if (amount < 0)
        item->setForeground(Palette::negative());
    return item;
}

} // namespace

ReconciliationHistoryScreen::ReconciliationHistoryScreen(AppState* appState, QWidget* parent)
    : QWidget(parent)
    , m_appState(appState)
{
    buildLayout();
    connect(m_appState->reconciliations(), &ReconciliationRepository::reconciliationsChanged, this, [this] {
        if (isVisible())
            reload();
    });
}

void ReconciliationHistoryScreen::buildLayout()
{
    auto* layout = new QVBoxLayout(this);
    m_heading = new QLabel(tr("Reconciliation History"), this);
    m_heading->setObjectName(QStringLiteral("historyHeading"));
    m_heading->setFont(Palette::adjustedFont(8, QFont::DemiBold));
    layout->addWidget(m_heading);
    auto* subtitle = new QLabel(tr("Past reconciliations for this account."), this);
    subtitle->setStyleSheet(Palette::textColorStyle(Palette::muted()));
    layout->addWidget(subtitle);

    m_table = new QTableWidget(0, ColumnCount, this);
    m_table->setObjectName(QStringLiteral("historyTable"));
    m_table->setHorizontalHeaderLabels(
        {tr("Statement Date"), tr("Statement Balance"), tr("Reconciled Balance"), tr("Completed")});
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->setSelectionMode(QAbstractItemView::SingleSelection);
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->setAlternatingRowColors(true);
    m_table->verticalHeader()->hide();
    QHeaderView* header = m_table->horizontalHeader();
    header->setSectionResizeMode(StatementDateColumn, QHeaderView::ResizeToContents);
    header->setSectionResizeMode(StatementBalanceColumn, QHeaderView::Stretch);
    header->setSectionResizeMode(ReconciledBalanceColumn, QHeaderView::Stretch);
    header->setSectionResizeMode(CompletedColumn, QHeaderView::ResizeToContents);
    layout->addWidget(m_table, 1);

    m_emptyLabel = new QLabel(
        tr("No reconciliations yet. Reconcile your account from the register to see the history here."), this);
    m_emptyLabel->setObjectName(QStringLiteral("historyEmpty"));
    m_emptyLabel->setAlignment(Qt::AlignCenter);
    m_emptyLabel->setWordWrap(true);
    layout->addWidget(m_emptyLabel, 1);
}

void ReconciliationHistoryScreen::load(const QString& accountId)
{
    m_accountId = accountId;
    reload();
}

void ReconciliationHistoryScreen::reload()
{
    const std::optional<Account> account = m_appState->accounts()->byId(m_accountId);
    m_heading->setText(account ? tr("Reconciliation History — %1").arg(account->name) : tr("Reconciliation History"));
    const QList<Reconciliation> history =
        account ? m_appState->reconciliations()->byAccount(m_accountId) : QList<Reconciliation>();
    const Currency currency = account ? account->currency : Currency::USD;
    const QLocale locale;
    m_table->setRowCount(int(history.size()));
    for (int row = 0; row < history.size(); ++row) {
        const Reconciliation& reconciliation = history[row];
        m_table->setItem(row, StatementDateColumn,
            new QTableWidgetItem(locale.toString(reconciliation.statementDate, QStringLiteral("MMM d, yyyy"))));
        m_table->setItem(row, StatementBalanceColumn, balanceItem(reconciliation.statementBalance, currency));
        m_table->setItem(row, ReconciledBalanceColumn, balanceItem(reconciliation.reconciledBalance, currency));
        m_table->setItem(row, CompletedColumn,
            new QTableWidgetItem(locale.toString(reconciliation.completedAt.toLocalTime(), QStringLiteral("MMM d, yyyy h:mm ap"))));
    }
    m_table->setVisible(!history.isEmpty());
    m_emptyLabel->setStyleSheet(QStringLiteral("color: %1; padding: 32px;").arg(Palette::styleName(Palette::muted())));
    m_emptyLabel->setVisible(history.isEmpty());
}
