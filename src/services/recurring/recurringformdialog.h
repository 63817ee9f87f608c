#pragma once

#include "storage/enums.h"
#include "storage/recurringtransaction.h"

#include <QDialog>

class AppState;
class DateField;
class PaymentDepositChoice;
class QCheckBox;
class QComboBox;
class QLineEdit;
class SmartAmountField;

// Turns a transaction into a recurring rule ("memorize"): the register hands
// in a rule built from the row, the user adjusts payee, amount, schedule and
// auto-posting, and the caller stores the result.
class RecurringFormDialog : public QDialog
{
    Q_OBJECT

public:
    RecurringFormDialog(AppState* appState, const RecurringTransaction& seed, QWidget* parent = nullptr);

    // The seed with the form's values: a new id and creation time when the
    // seed has no id, pending, updated now, next due on the start date.
    RecurringTransaction recurring() const;

private:
    void buildForm();
    void addFrequency(const QString& label, Frequency frequency);
    void showSeed();

    RecurringTransaction m_seed;
    bool m_isNew;
    Currency m_currency = Currency::USD;

    PaymentDepositChoice* m_type = nullptr;
    QLineEdit* m_payee = nullptr;
    SmartAmountField* m_amount = nullptr;
    QComboBox* m_frequency = nullptr;
    DateField* m_startDate = nullptr;
    QCheckBox* m_autoPost = nullptr;
};
