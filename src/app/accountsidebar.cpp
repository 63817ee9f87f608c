#include "app/accountsidebar.h"

#include "app/appstate.h"
#include "app/totalslabel.h"
#include "storage/account.h"
#include "storage/accountrepository.h"
#include "storage/textlimits.h"
#include "storage/transactionrepository.h"
#include "widgets/elidedlabel.h"
#include "widgets/glyphicon.h"
#include "widgets/palette.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QShortcut>
#include <QVBoxLayout>
#include <algorithm>

namespace {

constexpr int sidebarMinimumWidth = 180;
constexpr int accountIdRole = Qt::UserRole;
constexpr int accountNameRole = Qt::UserRole + 1;
constexpr int menuNameWidth = 320;
constexpr int shortcutAccountCount = 10;

const QString sidebarStyleSheet = QStringLiteral(
    "QListWidget {  background-color: %1;  border: none;  outline: none;  padding: 6px 0;  font-size: 10pt;}"
    "QListWidget::item {  color: %2;  padding: 7px 14px;  border: none;}"
    "QListWidget::item:hover {  background-color: %3;  color: %4;}"
    "QListWidget::item:selected {  background-color: %5;  color: %4;}"
    "QListWidget::item:disabled {  color: %6;  padding: 10px 14px 4px 14px;  background: transparent;}");

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
        return AccountSidebar::tr("Checking");
    case AccountType::Savings:
        return AccountSidebar::tr("Savings");
    case AccountType::CreditCard:
        return AccountSidebar::tr("Credit Card");
    case AccountType::Cash:
        return AccountSidebar::tr("Cash");
    case AccountType::Investment:
        return AccountSidebar::tr("Investment");
    case AccountType::Other:
        break;
    }
    return AccountSidebar::tr("Other");
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
        return {AccountSidebar::tr("Unavailable"), AccountSidebar::tr("The balance could not be read from the database."), true};
    if (!*balance)
        return {AccountSidebar::tr("Overflow"), AccountSidebar::tr("The balance is too large to show."), true};
    return {formatCurrency(**balance, currency, AmountFormat::shown()), QString(), **balance < 0};
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
        label->setTotals(AccountSidebar::tr("No accounts"));
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
    label->setTotals(AccountSidebar::tr("Total: %1").arg(parts.join(QStringLiteral(" · "))));
    label->setToolTip(toolTip);
}

void showBalance(QLabel* label, const KnownBalance& balance, Currency currency)
{
    const BalanceDisplay shown = balanceDisplay(balance, currency);
    label->setText(shown.text);
    label->setToolTip(shown.toolTip);
    label->setStyleSheet(Palette::textColorStyle(shown.negative ? Palette::sidebarNegative() : Palette::sidebarPositive()));
}

QWidget* accountRowWidget(const Account& account, const KnownBalance& balance, QWidget* parent)
{
    auto* widget = new QWidget(parent);
    auto* layout = new QHBoxLayout(widget);
    layout->setContentsMargins(6, 8, 8, 8);
    layout->setSpacing(8);
    layout->addWidget(GlyphIcon::label(accountTypeGlyph(account.type), 22, widget));

    auto* text = new QVBoxLayout;
    text->setContentsMargins(0, 0, 0, 0);
    text->setSpacing(2);
    auto* firstLine = new QHBoxLayout;
    firstLine->setSpacing(8);
    auto* name = new ElidedLabel(account.name, widget);
    name->setObjectName(QStringLiteral("accountName"));
    name->setFont(Palette::adjustedFont(0, QFont::Medium));
    name->setStyleSheet(Palette::textColorStyle(Palette::sidebarBrightText()));
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
    detailsLabel->setFont(Palette::smallFont());
    detailsLabel->setStyleSheet(Palette::textColorStyle(Palette::sidebarText()));
    text->addWidget(detailsLabel);
    layout->addLayout(text, 1);
    return widget;
}

} // namespace

AccountSidebar::AccountSidebar(AppState* appState, QWidget* parent)
    : QWidget(parent)
    , m_appState(appState)
    , m_accountList(new QListWidget(this))
    , m_totalLabel(new TotalsLabel(this))
{
    // Narrow windows leave the register the room: long names are cut short.
    setMinimumWidth(sidebarMinimumWidth);
    setMaximumWidth(500);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);

    m_accountList->setObjectName(QStringLiteral("accountList"));
    m_accountList->setMinimumWidth(sidebarMinimumWidth);
    m_accountList->setFocusPolicy(Qt::NoFocus);
    m_accountList->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_accountList->setContextMenuPolicy(Qt::CustomContextMenu);
    m_accountList->setDragDropMode(QAbstractItemView::InternalMove);
    m_accountList->setDefaultDropAction(Qt::MoveAction);
    m_accountList->setStyleSheet(sidebarStyleSheet.arg(Palette::styleName(Palette::sidebarBackground()),
        Palette::styleName(Palette::sidebarText()), Palette::styleName(Palette::sidebarHover()),
        Palette::styleName(Palette::sidebarBrightText()), Palette::styleName(Palette::sidebarSelection()),
        Palette::styleName(Palette::sidebarHeading())));
    connect(m_accountList, &QListWidget::itemClicked, this, &AccountSidebar::onItemClicked);
    connect(m_accountList, &QWidget::customContextMenuRequested, this, &AccountSidebar::showContextMenu);
    // A drop moves the row inside the list model; the new order is stored
    // once the drop has finished, since storing it rebuilds the list.
    connect(m_accountList->model(), &QAbstractItemModel::rowsMoved, this, &AccountSidebar::saveOrder, Qt::QueuedConnection);
    layout->addWidget(m_accountList, 1);

    m_totalLabel->setObjectName(QStringLiteral("totalLabel"));
    m_totalLabel->setFont(Palette::adjustedFont(0, QFont::Medium));
    m_totalLabel->setAlignment(Qt::AlignCenter);
    // One line of 32 pixels holds a single total; totals in several
    // currencies may need more lines rather than being cut off.
    m_totalLabel->setMinimumHeight(32);
    m_totalLabel->setStyleSheet(QStringLiteral("background: %1; color: %2; border-top: 1px solid %3; padding: 4px;")
                                    .arg(Palette::styleName(Palette::totalsBackground()),
                                        Palette::styleName(Palette::sidebarText()), Palette::styleName(Palette::totalsBorder())));
    layout->addWidget(m_totalLabel);
}

int AccountSidebar::accountCount() const
{
    return m_accountList->count();
}

bool AccountSidebar::contains(const QString& accountId) const
{
    for (int row = 0; row < m_accountList->count(); ++row) {
        if (accountIdAt(row) == accountId)
            return true;
    }
    return false;
}

QString AccountSidebar::accountIdAt(int row) const
{
    const QListWidgetItem* item = m_accountList->item(row);
    return item ? item->data(accountIdRole).toString() : QString();
}

void AccountSidebar::reload()
{
    m_balances = m_appState->transactions()->balances();
    const QList<Account> accounts = m_appState->accounts()->all();
    m_accountList->clear();
    for (const Account& account : accounts)
        addRow(account, knownBalance(m_balances, account.id));
    Q_EMIT reloaded(accounts.size());
    rebuildShortcuts();
    refreshBalances(accounts);
    select(m_appState->currentAccountId());
}

void AccountSidebar::refreshBalance(const QString& accountId)
{
    const std::optional<CheckedSum> balance =
        m_balances.contains(accountId) ? m_appState->transactions()->balance(accountId) : std::nullopt;
    if (!balance) {
        reload();
        return;
    }
    m_balances.insert(accountId, *balance);
    refreshBalances(m_appState->accounts()->all());
}

void AccountSidebar::select(const QString& accountId)
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

void AccountSidebar::fitRowsToWidth()
{
    const int width = m_accountList->viewport()->width();
    for (int row = 0; row < m_accountList->count(); ++row) {
        QListWidgetItem* item = m_accountList->item(row);
        item->setSizeHint(QSize(width, item->sizeHint().height()));
    }
}

void AccountSidebar::onItemClicked(QListWidgetItem* item)
{
    const QString accountId = item->data(accountIdRole).toString();
    if (!accountId.isEmpty())
        Q_EMIT accountActivated(accountId);
}

void AccountSidebar::showContextMenu(const QPoint& position)
{
    QMenu menu(this);
    QAction* newAccount = menu.addAction(tr("New Account..."));
    connect(newAccount, &QAction::triggered, this, &AccountSidebar::newAccountRequested);

    const QListWidgetItem* item = m_accountList->itemAt(position);
    const QString accountId = item ? item->data(accountIdRole).toString() : QString();
    if (!accountId.isEmpty()) {
        // A stored name may be far longer than any menu is wide.
        const QString name =
            menu.fontMetrics().elidedText(shownText(item->data(accountNameRole).toString()), Qt::ElideRight, menuNameWidth);
        const auto addCommand = [&](const QString& text, Command command) {
            QAction* action = menu.addAction(text);
            connect(action, &QAction::triggered, this, [this, accountId, command] { Q_EMIT commandRequested(command, accountId); });
        };
        menu.addSeparator();
        addCommand(tr("Edit \"%1\"...").arg(name), Command::Edit);
        addCommand(tr("Reconcile..."), Command::Reconcile);
        addCommand(tr("Reconciliation History..."), Command::ReconciliationHistory);
        addCommand(tr("Rename Payees..."), Command::RenamePayees);
        menu.addSeparator();
        addCommand(tr("Share..."), Command::Share);
        menu.addSeparator();
        addCommand(tr("Delete \"%1\"").arg(name), Command::Delete);
    }
    menu.exec(m_accountList->viewport()->mapToGlobal(position));
}

void AccountSidebar::refreshBalances(const QList<Account>& accounts)
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

void AccountSidebar::addRow(const Account& account, const std::optional<CheckedSum>& balance)
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

void AccountSidebar::saveOrder()
{
    QList<AccountRepository::SortOrderEntry> entries;
    for (int row = 0; row < m_accountList->count(); ++row)
        entries.append({accountIdAt(row), row});
    // The order on screen stays; only the next start would show the old one.
    if (!m_appState->accounts()->updateSortOrders(entries))
        Q_EMIT statusMessage(tr("The account order could not be saved"));
}

void AccountSidebar::rebuildShortcuts()
{
    qDeleteAll(m_shortcuts);
    m_shortcuts.clear();
    const int count = std::min(m_accountList->count(), shortcutAccountCount);
    for (int row = 0; row < count; ++row) {
        // Alt+1 is the first row … Alt+9 the ninth, Alt+0 the tenth.
        const Qt::Key digit = row == 9 ? Qt::Key_0 : static_cast<Qt::Key>(Qt::Key_1 + row);
        auto* shortcut = new QShortcut(QKeySequence(Qt::ALT | digit), this);
        connect(shortcut, &QShortcut::activated, this, [this, row] {
            const QString accountId = accountIdAt(row);
            if (!accountId.isEmpty())
                Q_EMIT accountActivated(accountId);
        });
        m_shortcuts.append(shortcut);
    }
}
