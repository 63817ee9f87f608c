#pragma once

#include "storage/category.h"
#include "storage/enums.h"

#include <QCoreApplication>
#include <QList>
#include <QStringList>

class QComboBox;
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
    // A payee field that suggests `payees` containing what is typed.
    static QLineEdit* newPayeeField(const QStringList& payees, QWidget* parent);
    // An editable choice of "(none)" and `categories`, suggesting the names
    // that contain what is typed.
    static QComboBox* newCategoryField(const QList<Category>& categories, QWidget* parent);
    static QLineEdit* newMemoField(QWidget* parent);
    // An amount of `currency` without sign: a PaymentDepositChoice gives it one.
    static SmartAmountField* newAmountField(Currency currency, QWidget* parent);
    // Ends `form` with OK and Cancel, which accept and reject `dialog`.
    static void addOkCancelRow(QFormLayout* form, QDialog* dialog);
};
