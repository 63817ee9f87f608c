#pragma once

#include <QStyledItemDelegate>

class AppState;
class QLineEdit;
class RegisterComboBox;
class RegisterModel;

// Creates the register's cell editors, moves text between them and the
// model's edit buffer, fills a new row from the payee's last use, and paints
// rows as payee over memo in the two-line layout.
class RegisterDelegate : public QStyledItemDelegate
{
    Q_OBJECT

public:
    RegisterDelegate(AppState* appState, RegisterModel* model, QObject* parent = nullptr);

    // The account whose register is shown: its payee history fills new rows
    // and it is left out of the transfer choices.
    void setAccountId(const QString& accountId);
    QString accountId() const { return m_accountId; }
    void setTwoLine(bool twoLine);
    bool twoLine() const { return m_twoLine; }

    // Fills the entry row's amount, category and memo from the most recent
    // transaction with exactly `payee` in this account. `payeeEditor` is the
    // payee field, whose memo neighbour in the two-line editor is filled too.
    void autoFillFromPayee(int row, const QString& payee, QWidget* payeeEditor) const;

    // The completion list of the payee cell: earlier payees, then a transfer
    // entry for every other account.
    QStringList payeeChoices() const;

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    void setEditorData(QWidget* editor, const QModelIndex& index) const override;
    void setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const override;
    void updateEditorGeometry(QWidget* editor, const QStyleOptionViewItem& option, const QModelIndex& index) const override;

private:
    QWidget* createPayeeEditor(QWidget* parent, const QModelIndex& index) const;
    QWidget* createPayeeMemoEditor(QWidget* parent, const QModelIndex& index) const;
    QWidget* createCategoryEditor(QWidget* parent) const;
    void attachPayeeCompleter(QLineEdit* payeeEdit, const QModelIndex& index) const;
    void writeCategory(RegisterComboBox* comboBox, const QModelIndex& index) const;
    void paintTwoLine(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const;

    AppState* m_appState;
    RegisterModel* m_model;
    QString m_accountId;
    bool m_twoLine = false;
};
