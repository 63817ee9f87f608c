#pragma once

#include "storage/enums.h"
#include "storage/money.h"
#include "storage/transaction.h"

#include <QAbstractTableModel>
#include <QHash>
#include <QList>

// The unreconciled transactions of the account being reconciled, each with
// the tick that says it appears on the statement. A tick outlives reloads of
// the list: it belongs to the transaction's id, not to its row.
class ReconciliationModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    enum Column { TickColumn, DateColumn, PayeeColumn, AmountColumn, ClearedColumn, ColumnCount };

    explicit ReconciliationModel(QObject* parent = nullptr);

    void setCurrency(Currency currency);
    // Shows `transactions`; each keeps the tick it was given before, and a
    // transaction new to the list starts ticked when it is cleared.
    void setTransactions(const QList<Transaction>& transactions);
    const Transaction* transactionAt(int row) const;
    int rowOf(const QString& transactionId) const;
    bool isTicked(int row) const;
    void toggleTick(int row);
    QList<Transaction> tickedTransactions() const;
    // The ticked deposits (zero and up) and the ticked payments, apart.
    CheckedSum tickedDeposits() const;
    CheckedSum tickedWithdrawals() const;

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

Q_SIGNALS:
    void ticksChanged();

private:
    QVariant displayText(const Transaction& transaction, int column) const;
    CheckedSum tickedSum(bool deposits) const;

    QList<Transaction> m_transactions;
    QHash<QString, bool> m_ticks;
    Currency m_currency = Currency::USD;
};
