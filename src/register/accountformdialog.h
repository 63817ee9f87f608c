#pragma once

#include "storage/account.h"
#include "storage/transaction.h"

#include <QDate>
#include <QDialog>

class QComboBox;
class QDateEdit;
class QFormLayout;
class QLineEdit;
class SmartAmountField;

// Creates or edits an account. The dialog only fills the record; its caller
// stores it (for a new account through AccountCreation).
class AccountFormDialog : public QDialog
{
    Q_OBJECT

public:
    explicit AccountFormDialog(QWidget* parent = nullptr);
    // `opening` is the row that holds the account's opening balance, when it
    // has one: the balance and its date are shown from it.
    AccountFormDialog(const Account& account, const std::optional<Transaction>& opening, QWidget* parent = nullptr);

    // The record made from the form: a new id and creation time when new,
    // pending, updated now; the starting balance as entered.
    Account account() const;
    // The day the entered starting balance was held.
    QDate asOfDate() const;

private:
    AccountFormDialog(const Account& working, bool editing, QWidget* parent);
    void buildForm();
    void showAccount(const Account& account, const std::optional<Transaction>& opening);
    void followCurrency();

    Account m_working;
    bool m_editing;

    QLineEdit* m_name = nullptr;
    QComboBox* m_type = nullptr;
    QComboBox* m_currency = nullptr;
    SmartAmountField* m_startingBalance = nullptr;
    QDateEdit* m_asOf = nullptr;
    QFormLayout* m_form = nullptr;
    QLineEdit* m_institution = nullptr;
    QLineEdit* m_accountNumber = nullptr;
};
