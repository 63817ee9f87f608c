#include "widgets/paymentformfields.h"

#include "widgets/placeholderfit.h"
#include "widgets/smartamountfield.h"
#include "storage/textlimits.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>

QLineEdit* PaymentFormFields::newPayeeField(QWidget* parent)
{
    auto* payee = new QLineEdit(parent);
    payee->setObjectName(QStringLiteral("payeeField"));
    payee->setPlaceholderText(tr("Start typing to search payees..."));
    fitPlaceholder(payee);
    payee->setMaxLength(maxNameLength);
    return payee;
}

SmartAmountField* PaymentFormFields::newAmountField(Currency currency, QWidget* parent)
{
    auto* amount = new SmartAmountField(parent);
    amount->setObjectName(QStringLiteral("amountField"));
    amount->setCurrency(currency);
    return amount;
}

void PaymentFormFields::addOkCancelRow(QFormLayout* form, QDialog* dialog)
{
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, dialog);
    QObject::connect(buttons, &QDialogButtonBox::accepted, dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, dialog, &QDialog::reject);
    form->addRow(buttons);
}
