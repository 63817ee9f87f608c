#pragma once

#include "storage/enums.h"
#include "storage/transaction.h"

#include <QDialog>

class AppState;
class DateField;
class PaymentDepositChoice;
class QCheckBox;
class QComboBox;
class QLineEdit;
class SmartAmountField;

// Enters or edits one transaction of an account outside the register grid.
// The dialog only fills the record; its caller stores it.
class TransactionFormDialog : public QDialog
{
    Q_OBJECT

public:
    // A new transaction in `accountId`, dated on the date of the last
    // transaction this dialog produced (today before the first one).
    TransactionFormDialog(AppState* appState, const QString& accountId, QWidget* parent = nullptr);
    // Edits `transaction`, shown as stored.
    TransactionFormDialog(AppState* appState, const Transaction& transaction, QWidget* parent = nullptr);

    // The record made from the form: a new id and creation time when new,
    // pending, updated now. Its date becomes the next new dialog's date.
    Transaction transaction() const;

public Q_SLOTS:
    // Fills amount, type, memo and category from the payee's most recent
    // transaction in this account.
    void onPayeeSelected(const QString& payee);

public Q_SLOTS:
    // Closes the form only when it holds a transaction the register would
    // save too: a payee and an amount.
    void accept() override;

private:
    TransactionFormDialog(AppState* appState, const Transaction& working, bool editing, QWidget* parent);
    void buildForm();
    void showTransaction(const Transaction& transaction);
    void showAmount(qint64 amount);
    void selectCategory(const QString& categoryId);
    QString selectedCategoryId() const;

    AppState* m_appState;
    Transaction m_working;
    bool m_editing;
    Currency m_currency = Currency::USD;

    PaymentDepositChoice* m_type = nullptr;
    DateField* m_date = nullptr;
    QLineEdit* m_payee = nullptr;
    SmartAmountField* m_amount = nullptr;
    QComboBox* m_category = nullptr;
    QLineEdit* m_memo = nullptr;
    QLineEdit* m_checkNumber = nullptr;
    QCheckBox* m_cleared = nullptr;
};
