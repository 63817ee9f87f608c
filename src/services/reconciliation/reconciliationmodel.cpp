#include "services/reconciliation/reconciliationmodel.h"

#include "widgets/palette.h"

#include <QColor>

ReconciliationModel::ReconciliationModel(QObject* parent)
    : QAbstractTableModel(parent)
{
}

void ReconciliationModel::setCurrency(Currency currency)
{
    if (currency == m_currency)
        return;
    m_currency = currency;
    if (!m_transactions.isEmpty())
        Q_EMIT dataChanged(index(0, AmountColumn), index(rowCount() - 1, AmountColumn));
}

void ReconciliationModel::setTransactions(const QList<Transaction>& transactions)
{
    beginResetModel();
    m_transactions = transactions;
    for (const Transaction& transaction : m_transactions) {
        if (!m_ticks.contains(transaction.id))
            m_ticks.insert(transaction.id, transaction.cleared);
    }
    endResetModel();
    Q_EMIT ticksChanged();
}

const Transaction* ReconciliationModel::transactionAt(int row) const
{
    return row >= 0 && row < m_transactions.size() ? &m_transactions[row] : nullptr;
}

int ReconciliationModel::rowOf(const QString& transactionId) const
{
    for (int row = 0; row < m_transactions.size(); ++row) {
        if (m_transactions[row].id == transactionId)
            return row;
    }
    return -1;
}

bool ReconciliationModel::isTicked(int row) const
{
    const Transaction* transaction = transactionAt(row);
    return transaction && m_ticks.value(transaction->id);
}

void ReconciliationModel::toggleTick(int row)
{
    const Transaction* transaction = transactionAt(row);
    if (!transaction)
        return;
    m_ticks[transaction->id] = !m_ticks.value(transaction->id);
    Q_EMIT dataChanged(index(row, TickColumn), index(row, TickColumn), {Qt::CheckStateRole});
    Q_EMIT ticksChanged();
}

QList<Transaction> ReconciliationModel::tickedTransactions() const
{
    QList<Transaction> ticked;
    for (const Transaction& transaction : m_transactions) {
        if (m_ticks.value(transaction.id))
            ticked.append(transaction);
    }
    return ticked;
}

CheckedSum ReconciliationModel::tickedDeposits() const
{
    return tickedSum(true);
}

CheckedSum ReconciliationModel::tickedWithdrawals() const
{
    return tickedSum(false);
}

CheckedSum ReconciliationModel::tickedSum(bool deposits) const
{
    CheckedSum sum = 0;
    for (const Transaction& transaction : m_transactions) {
        if (m_ticks.value(transaction.id) && (transaction.amount >= 0) == deposits)
            sum = checkedAdd(sum, transaction.amount);
    }
    return sum;
}

int ReconciliationModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(m_transactions.size());
}

int ReconciliationModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant ReconciliationModel::data(const QModelIndex& index, int role) const
{
    const Transaction* transaction = transactionAt(index.row());
    if (!transaction)
        return {};
    const int column = index.column();
    switch (role) {
    case Qt::DisplayRole:
        return displayText(*transaction, column);
    case Qt::CheckStateRole:
        if (column == TickColumn)
            return m_ticks.value(transaction->id) ? Qt::Checked : Qt::Unchecked;
        return {};
    case Qt::TextAlignmentRole:
        if (column == AmountColumn)
            return int(Qt::AlignRight | Qt::AlignVCenter);
        if (column == ClearedColumn)
            return int(Qt::AlignCenter);
        return {};
    case Qt::ForegroundRole:
        if (column == AmountColumn && transaction->amount < 0)
            return Palette::negative();
        return {};
    default:
        return {};
    }
}

QVariant ReconciliationModel::displayText(const Transaction& transaction, int column) const
{
    switch (column) {
    case DateColumn:
        return transaction.date.toString(QStringLiteral("MM/dd/yyyy"));
    case PayeeColumn:
        return transaction.payee;
    case AmountColumn:
        return formatCurrency(transaction.amount, m_currency, AmountFormat::shown());
    case ClearedColumn:
        return transaction.cleared ? QStringLiteral("C") : QString();
    default:
        return {};
    }
}

bool ReconciliationModel::setData(const QModelIndex& index, const QVariant& value, int role)
{
    if (role != Qt::CheckStateRole || index.column() != TickColumn || !transactionAt(index.row()))
        return false;
    if ((value.toInt() == Qt::Checked) != isTicked(index.row()))
        toggleTick(index.row());
    return true;
}

Qt::ItemFlags ReconciliationModel::flags(const QModelIndex& index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    const Qt::ItemFlags flags = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    return index.column() == TickColumn ? flags | Qt::ItemIsUserCheckable : flags;
}

QVariant ReconciliationModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return {};
    switch (section) {
    case DateColumn: return tr("Date");
    case PayeeColumn: return tr("Payee");
    case AmountColumn: return tr("Amount");
    case ClearedColumn: return tr("Clr");
    default: return {};
    }
}
