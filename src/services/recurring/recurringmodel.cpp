#include "services/recurring/recurringmodel.h"

#include "services/recurring/recurringservice.h"
#include "storage/account.h"
#include "storage/accountrepository.h"
#include "storage/money.h"
#include "widgets/palette.h"

#include <QLocale>

RecurringModel::RecurringModel(AccountRepository* accounts, QObject* parent)
    : QAbstractTableModel(parent)
    , m_accounts(accounts)
{
}

int RecurringModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(m_rules.size());
}

int RecurringModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant RecurringModel::data(const QModelIndex& index, int role) const
{
    const RecurringTransaction* rule = ruleAt(index.row());
    if (!rule)
        return QVariant();
    switch (role) {
    case Qt::DisplayRole:
        return displayText(*rule, index.column());
    case Qt::TextAlignmentRole:
        if (index.column() == AmountColumn)
            return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
        return QVariant();
    case Qt::ForegroundRole:
        return foreground(*rule, index.column());
    default:
        return QVariant();
    }
}

QVariant RecurringModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return QVariant();
    switch (section) {
    case AccountColumn: return tr("Account");
    case PayeeColumn: return tr("Payee");
    case AmountColumn: return tr("Amount");
    case FrequencyColumn: return tr("Frequency");
    case NextDueColumn: return tr("Next Due");
    case AutoColumn: return tr("Auto");
    case StatusColumn: return tr("Status");
    default: return QVariant();
    }
}

void RecurringModel::setRules(const QList<RecurringTransaction>& rules)
{
    beginResetModel();
    m_rules = rules;
    // A renamed account shows its new name after the next reload.
    m_accountCache.clear();
    endResetModel();
}

const RecurringTransaction* RecurringModel::ruleAt(int row) const
{
    return row >= 0 && row < m_rules.size() ? &m_rules.at(row) : nullptr;
}

QVariant RecurringModel::displayText(const RecurringTransaction& rule, int column) const
{
    switch (column) {
    case AccountColumn: return account(rule.accountId).name;
    case PayeeColumn: return rule.payee;
    case AmountColumn: return formatAmount(rule.amount, account(rule.accountId).currency, AmountFormat::shown());
    case FrequencyColumn: return toStoredText(rule.frequency);
    case NextDueColumn: return QLocale().toString(rule.nextDueDate, QLocale::ShortFormat);
    case AutoColumn: return rule.autoPost ? tr("Yes") : tr("No");
    case StatusColumn: return rule.isActive ? tr("Active") : tr("Inactive");
    default: return QVariant();
    }
}

QVariant RecurringModel::foreground(const RecurringTransaction& rule, int column) const
{
    if (column == AmountColumn && rule.amount < 0)
        return Palette::negative();
    if (column == NextDueColumn && RecurringService::isDue(rule))
        return Palette::due();
    if (column == StatusColumn && !rule.isActive)
        return Palette::muted();
    return QVariant();
}

const RecurringModel::AccountInfo& RecurringModel::account(const QString& accountId) const
{
    auto cached = m_accountCache.constFind(accountId);
    if (cached == m_accountCache.constEnd()) {
        const std::optional<Account> found = m_accounts->byId(accountId);
        cached = m_accountCache.insert(accountId, found ? AccountInfo{found->name, found->currency} : AccountInfo());
    }
    return *cached;
}
