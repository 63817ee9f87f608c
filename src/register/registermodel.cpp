#include "register/registermodel.h"

#include "widgets/datetext.h"
#include "widgets/palette.h"
#include "storage/clock.h"
#include "storage/money.h"
#include "storage/textlimits.h"

#include <QApplication>
#include <QFont>

namespace {

bool isMoneyColumn(int column)
{
    return column == RegisterModel::PaymentColumn || column == RegisterModel::DepositColumn
        || column == RegisterModel::BalanceColumn;
}

bool isBufferColumn(int column)
{
    return column >= RegisterModel::DateColumn && column <= RegisterModel::ClearedColumn;
}

QFont moneyFont()
{
    QFont font(QStringLiteral("monospace"));
    font.setPointSize(QApplication::font().pointSize());
    font.setStyleHint(QFont::Monospace);
    return font;
}

QString clearedLetter(const Transaction& transaction)
{
    if (transaction.reconciled)
        return QStringLiteral("R");
    if (transaction.cleared)
        return QStringLiteral("C");
    return QString();
}

} // namespace

RegisterModel::RegisterModel(QObject* parent)
    : QAbstractTableModel(parent)
{
    clearBuffer();
}

int RegisterModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(m_rows.size()) + 1;
}

int RegisterModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant RegisterModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return QVariant();
    if (section == PayeeColumn && m_twoLine)
        return tr("Payee / Memo");
    if (section == BalanceColumn)
        return tr("Balance");
    if (!isBufferColumn(section))
        return QVariant();
    return placeholder(section);
}

QVariant RegisterModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid())
        return QVariant();
    const int row = index.row();
    const int column = index.column();
    if (isBufferRow(row)) {
        const bool showsPlaceholders = isEntryRow(row) && m_editingRow < 0;
        if ((role == Qt::DisplayRole || role == Qt::EditRole) && isBufferColumn(column)) {
            const QString text = bufferText(column);
            if (role == Qt::DisplayRole && showsPlaceholders && text.isEmpty())
                return placeholder(column);
            return role == Qt::DisplayRole ? shownText(text) : text;
        }
        if (role == Qt::ForegroundRole && showsPlaceholders && isBufferColumn(column) && bufferText(column).isEmpty())
            return Palette::muted();
        if (role == Qt::BackgroundRole && !m_twoLine)
            return Palette::bufferRow();
    }
    return storedRowData(index, role);
}

bool RegisterModel::setData(const QModelIndex& index, const QVariant& value, int role)
{
    if (!index.isValid() || role != Qt::EditRole)
        return false;
    if (const auto field = bufferField(index.column()))
        m_buffer.*field = value.toString();
    // A row is a payment or a deposit: typing one clears the other, so the
    // amount saved is the one last typed.
    const bool amount = index.column() == PaymentColumn || index.column() == DepositColumn;
    if (amount && !value.toString().trimmed().isEmpty()) {
        const int other = index.column() == PaymentColumn ? DepositColumn : PaymentColumn;
        m_buffer.*bufferField(other) = QString();
        Q_EMIT dataChanged(index.siblingAtColumn(other), index.siblingAtColumn(other));
    }
    Q_EMIT dataChanged(index, index);
    return true;
}

Qt::ItemFlags RegisterModel::flags(const QModelIndex& index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    const Qt::ItemFlags readOnly = Qt::ItemIsSelectable | Qt::ItemIsEnabled;
    if (index.column() == BalanceColumn || !isBufferRow(index.row()))
        return readOnly;
    return readOnly | Qt::ItemIsEditable;
}

void RegisterModel::setCurrency(Currency currency)
{
    m_currency = currency;
}

void RegisterModel::setRows(const QList<RegisterRow>& rows, bool newestFirst)
{
    beginResetModel();
    m_rows = rows;
    m_newestFirst = newestFirst;
    m_editingRow = -1;
    clearBuffer();
    endResetModel();
}

void RegisterModel::setTwoLine(bool twoLine)
{
    m_twoLine = twoLine;
}

int RegisterModel::entryRow() const
{
    return m_newestFirst ? 0 : static_cast<int>(m_rows.size());
}

bool RegisterModel::isEntryRow(int row) const
{
    return row == entryRow();
}

bool RegisterModel::isBufferRow(int row) const
{
    return row == m_editingRow || (m_editingRow < 0 && isEntryRow(row));
}

const RegisterRow* RegisterModel::rowAt(int row) const
{
    if (isEntryRow(row))
        return nullptr;
    const int listIndex = m_newestFirst ? row - 1 : row;
    if (listIndex < 0 || listIndex >= m_rows.size())
        return nullptr;
    return &m_rows[listIndex];
}

int RegisterModel::rowForTransactionId(const QString& id) const
{
    if (id.isEmpty())
        return -1;
    for (qsizetype i = 0; i < m_rows.size(); ++i) {
        if (m_rows[i].transaction.id == id)
            return static_cast<int>(m_newestFirst ? i + 1 : i);
    }
    return -1;
}

void RegisterModel::setEditingRow(int row)
{
    const int previous = m_editingRow;
    m_editingRow = row;
    if (previous >= 0)
        notifyRowChanged(previous);
    if (row >= 0)
        notifyRowChanged(row);
}

void RegisterModel::clearBuffer()
{
    const QString sticky = m_buffer.stickyDateText;
    m_buffer = EditBuffer();
    m_buffer.stickyDateText = sticky;
    m_buffer.dateText = sticky.isEmpty() ? registerDateText(Clock::today()) : sticky;
    m_loadedBuffer = m_buffer;
}

void RegisterModel::loadRowIntoBuffer(int row)
{
    const RegisterRow* stored = rowAt(row);
    if (!stored)
        return;
    const Transaction& transaction = stored->transaction;
    m_buffer.dateText = registerDateText(transaction.date);
    m_buffer.checkNumberText = transaction.checkNumber;
    m_buffer.payeeText = transaction.payee;
    m_buffer.memoText = transaction.memo;
    m_buffer.categoryText = stored->categoryName;
    m_buffer.categoryIdText = transaction.categoryId;
    const bool payment = transaction.amount < 0;
    m_buffer.paymentText = payment ? formatAmount(-transaction.amount, m_currency, m_amountFormat) : QString();
    m_buffer.depositText = payment ? QString() : formatAmount(transaction.amount, m_currency, m_amountFormat);
    m_buffer.clearedText = clearedLetter(transaction);
    m_loadedBuffer = m_buffer;
}

void RegisterModel::restoreBuffer(const EditBuffer& typed, const EditBuffer& loaded, int row)
{
    m_buffer = typed;
    m_loadedBuffer = loaded;
    setEditingRow(row);
    notifyRowChanged(row >= 0 ? row : entryRow());
}

bool RegisterModel::hasUnsavedTyping() const
{
    const EditBuffer& now = m_buffer;
    const EditBuffer& was = m_loadedBuffer;
    const bool sameCategory = now.categoryIdText == was.categoryIdText
        && (!now.categoryIdText.isEmpty() || now.categoryText.trimmed() == was.categoryText.trimmed());
    const bool sameExceptDate = sameCategory && now.checkNumberText.trimmed() == was.checkNumberText.trimmed()
        && now.payeeText.trimmed() == was.payeeText.trimmed() && now.memoText.trimmed() == was.memoText.trimmed()
        && now.paymentText.trimmed() == was.paymentText.trimmed() && now.depositText.trimmed() == was.depositText.trimmed()
        && now.clearedText.trimmed() == was.clearedText.trimmed();
    // A date alone makes no transaction: the entry row always has one.
    const bool storedRow = m_editingRow >= 0 && !isEntryRow(m_editingRow);
    return !sameExceptDate || (storedRow && now.dateText.trimmed() != was.dateText.trimmed());
}

void RegisterModel::setBufferText(int column, const QString& text)
{
    if (const auto field = bufferField(column))
        m_buffer.*field = text;
}

void RegisterModel::setCategoryIdText(const QString& id)
{
    m_buffer.categoryIdText = id;
}

void RegisterModel::setStickyDate(const QString& text)
{
    m_buffer.stickyDateText = text;
}

void RegisterModel::notifyRowChanged(int row)
{
    if (row < 0 || row >= rowCount())
        return;
    Q_EMIT dataChanged(index(row, 0), index(row, BalanceColumn));
}

QString RegisterModel::overflowText()
{
    return tr("Overflow");
}

QString RegisterModel::overflowToolTip()
{
    return tr("The balance is too large to show.");
}

QString RegisterModel::bufferText(int column) const
{
    const auto field = bufferField(column);
    return field ? m_buffer.*field : QString();
}

QString RegisterModel::EditBuffer::*RegisterModel::bufferField(int column)
{
    switch (column) {
    case DateColumn: return &EditBuffer::dateText;
    case CheckNumberColumn: return &EditBuffer::checkNumberText;
    case PayeeColumn: return &EditBuffer::payeeText;
    case CategoryColumn: return &EditBuffer::categoryText;
    case MemoColumn: return &EditBuffer::memoText;
    case PaymentColumn: return &EditBuffer::paymentText;
    case DepositColumn: return &EditBuffer::depositText;
    case ClearedColumn: return &EditBuffer::clearedText;
    default: return nullptr;
    }
}

QString RegisterModel::placeholder(int column) const
{
    switch (column) {
    case DateColumn: return tr("Date");
    case CheckNumberColumn: return tr("Chk #");
    case PayeeColumn: return tr("Payee");
    case CategoryColumn: return tr("Category");
    case MemoColumn: return tr("Memo");
    case PaymentColumn: return tr("Payment");
    case DepositColumn: return tr("Deposit");
    case ClearedColumn: return tr("Clr");
    default: return QString();
    }
}

void RegisterModel::setAccountCurrencies(const QHash<QString, Currency>& currencies)
{
    m_accountCurrencies = currencies;
}

Currency RegisterModel::currencyOf(const Transaction& transaction) const
{
    return m_accountCurrencies.value(transaction.accountId, m_currency);
}

QString RegisterModel::displayText(const RegisterRow& row, int column) const
{
    const Transaction& transaction = row.transaction;
    switch (column) {
    case DateColumn: return registerDateText(transaction.date);
    case CheckNumberColumn: return transaction.checkNumber;
    case PayeeColumn: return transaction.payee;
    case CategoryColumn: return row.categoryName;
    case MemoColumn: return transaction.memo;
    case PaymentColumn:
        return transaction.amount < 0 ? formatAmount(-transaction.amount, currencyOf(transaction), m_amountFormat) : QString();
    case DepositColumn:
        return transaction.amount >= 0 ? formatAmount(transaction.amount, currencyOf(transaction), m_amountFormat) : QString();
    case ClearedColumn: return clearedLetter(transaction);
    case BalanceColumn:
        return row.runningBalance ? formatAmount(*row.runningBalance, currencyOf(transaction), m_amountFormat) : overflowText();
    default: return QString();
    }
}

QVariant RegisterModel::storedRowData(const QModelIndex& index, int role) const
{
    const RegisterRow* row = rowAt(index.row());
    if (!row)
        return QVariant();
    const int column = index.column();
    switch (role) {
    case Qt::DisplayRole:
        return shownText(displayText(*row, column));
    case Qt::ToolTipRole:
        return column == BalanceColumn && !row->runningBalance ? QVariant(overflowToolTip()) : QVariant();
    case Qt::EditRole:
        return column == BalanceColumn ? QVariant() : QVariant(displayText(*row, column));
    case Qt::TextAlignmentRole:
        if (isMoneyColumn(column))
            return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
        if (column == ClearedColumn)
            return QVariant::fromValue(Qt::AlignCenter);
        return QVariant::fromValue(Qt::AlignLeft | Qt::AlignVCenter);
    case Qt::ForegroundRole:
        return foreground(*row, column);
    case Qt::FontRole:
        return isMoneyColumn(column) ? QVariant(moneyFont()) : QVariant();
    case Qt::BackgroundRole:
        return index.row() == m_editingRow && !m_twoLine ? QVariant(Palette::bufferRow()) : QVariant();
    default:
        return QVariant();
    }
}

QVariant RegisterModel::foreground(const RegisterRow& row, int column) const
{
    switch (column) {
    case MemoColumn:
    case ClearedColumn:
        return Palette::muted();
    case PaymentColumn:
        return Palette::negative();
    case DepositColumn:
        return row.transaction.amount >= 0 ? QVariant(Palette::positive()) : QVariant();
    case BalanceColumn:
        return !row.runningBalance || *row.runningBalance < 0 ? QVariant(Palette::negative()) : QVariant();
    default:
        return QVariant();
    }
}
