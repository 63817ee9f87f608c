#pragma once

#include "storage/enums.h"
#include "storage/money.h"
#include "storage/registerrow.h"

#include <QAbstractTableModel>
#include <QHash>
#include <QList>

// The account register as a table: one row per stored transaction, oldest
// first (or newest first), plus the entry row in which a new transaction is
// typed. The row being typed or edited lives in a buffer of texts until the
// register screen turns it into a record; the model never writes to the
// database.
class RegisterModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    enum Column {
        DateColumn,
        CheckNumberColumn,
        PayeeColumn,
        CategoryColumn,
        MemoColumn,
        PaymentColumn,
        DepositColumn,
        ClearedColumn,
        BalanceColumn,
        ColumnCount
    };

    // The texts of the row being typed or edited.
    struct EditBuffer
    {
        QString dateText;
        QString checkNumberText;
        QString payeeText;
        QString categoryText;
        QString memoText;
        QString paymentText;
        QString depositText;
        QString clearedText;
        // The chosen category; wins over categoryText when the row is saved.
        QString categoryIdText;
        // The date of the last saved new row, where the next one starts.
        QString stickyDateText;
    };

    explicit RegisterModel(QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    // Only the edit role is taken, and it always goes into the buffer.
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

    // The currency every money text of the register is written in.
    void setCurrency(Currency currency);
    Currency currency() const { return m_currency; }
    // The marks amounts are shown and typed with, those of the interface
    // language.
    const AmountFormat& amountFormat() const { return m_amountFormat; }
    // For lists that mix accounts (search results): the currency of each
    // account's rows; rows of other accounts use the model's currency.
    void setAccountCurrencies(const QHash<QString, Currency>& currencies);

    // `rows` come in display order: already reversed by the caller when
    // newest-first. Ends any edit and clears the buffer.
    void setRows(const QList<RegisterRow>& rows, bool newestFirst);
    bool newestFirst() const { return m_newestFirst; }
    void setTwoLine(bool twoLine);
    bool twoLine() const { return m_twoLine; }

    int entryRow() const;
    bool isEntryRow(int row) const;
    // The row whose texts live in the buffer: editingRow, or the entry row
    // while no stored row is being edited.
    bool isBufferRow(int row) const;
    // The stored row shown at view row `row`; nullptr for the entry row or a
    // row out of range.
    const RegisterRow* rowAt(int row) const;
    // The view row showing the stored transaction `id`; -1 for none or an
    // empty id.
    int rowForTransactionId(const QString& id) const;

    int editingRow() const { return m_editingRow; }
    void setEditingRow(int row);

    const EditBuffer& buffer() const { return m_buffer; }
    void clearBuffer();
    void loadRowIntoBuffer(int row);
    // Puts back a buffer taken before the rows were rebuilt, for the stored
    // row now at `row` (-1: the entry row), still unsaved.
    void restoreBuffer(const EditBuffer& typed, const EditBuffer& loaded, int row);
    const EditBuffer& loadedBuffer() const { return m_loadedBuffer; }
    // Whether the buffer holds typing not saved yet: for a stored row what
    // differs from the row as loaded, for the entry row anything typed
    // besides the date it starts with.
    bool hasUnsavedTyping() const;
    // Writes the buffer directly, without a change signal: for editors that
    // fill more than their own cell.
    void setBufferText(int column, const QString& text);
    void setCategoryIdText(const QString& id);
    void setStickyDate(const QString& text);
    // Repaints every cell of `row` after the buffer changed behind the view.
    void notifyRowChanged(int row);

    // What a balance too large to hold shows instead of a wrong number, and
    // the tool tip that says why.
    static QString overflowText();
    static QString overflowToolTip();

private:
    QString bufferText(int column) const;
    // The buffer field edited in `column`; nullptr for Balance.
    static QString EditBuffer::*bufferField(int column);
    QString placeholder(int column) const;
    QString displayText(const RegisterRow& row, int column) const;
    QVariant storedRowData(const QModelIndex& index, int role) const;
    QVariant foreground(const RegisterRow& row, int column) const;
    Currency currencyOf(const Transaction& transaction) const;

    QList<RegisterRow> m_rows;
    Currency m_currency = Currency::USD;
    QHash<QString, Currency> m_accountCurrencies;
    const AmountFormat m_amountFormat = AmountFormat::shown();
    bool m_newestFirst = false;
    bool m_twoLine = false;
    int m_editingRow = -1;
    EditBuffer m_buffer;
    // The buffer as it was filled, before any typing.
    EditBuffer m_loadedBuffer;
};
