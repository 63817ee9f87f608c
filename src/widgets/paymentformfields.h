#pragma once

#include "storage/enums.h"

#include <QCoreApplication>

class QDialog;
class QFormLayout;
class QLineEdit;
class QWidget;
class SmartAmountField;

// Makes the fields that every form for a payment or deposit shows alike, so
// the transaction and memorize dialogs look and read the same.
class PaymentFormFields
{
    Q_DECLARE_TR_FUNCTIONS(PaymentFormFields)

public:
    static QLineEdit* newPayeeField(QWidget* parent);
    // An amount of `currency` without sign: a PaymentDepositChoice gives it one.
    static SmartAmountField* newAmountField(Currency currency, QWidget* parent);
    // Ends `form` with OK and Cancel, which accept and reject `dialog`.
    static void addOkCancelRow(QFormLayout* form, QDialog* dialog);
};
