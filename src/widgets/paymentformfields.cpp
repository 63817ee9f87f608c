#include "widgets/paymentformfields.h"

#include "widgets/categorychoices.h"
#include "widgets/placeholderfit.h"
#include "widgets/smartamountfield.h"
#include "storage/textlimits.h"

#include <QComboBox>
#include <QCompleter>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>

namespace {

constexpr int payeeCompleterRows = 10;

QCompleter* newSearchingCompleter(QCompleter* completer)
{
    completer->setCaseSensitivity(Qt::CaseInsensitive);
    completer->setFilterMode(Qt::MatchContains);
    completer->setCompletionMode(QCompleter::PopupCompletion);
    return completer;
}

} // namespace

QLineEdit* PaymentFormFields::newPayeeField(const QStringList& payees, QWidget* parent)
{
    auto* payee = new QLineEdit(parent);
    payee->setObjectName(QStringLiteral("payeeField"));
    payee->setPlaceholderText(tr("Start typing to search payees..."));
    fitPlaceholder(payee);
    payee->setMaxLength(maxNameLength);
    QCompleter* completer = newSearchingCompleter(new QCompleter(payees, payee));
    completer->setMaxVisibleItems(payeeCompleterRows);
    payee->setCompleter(completer);
    return payee;
}

QComboBox* PaymentFormFields::newCategoryField(const QList<Category>& categories, QWidget* parent)
{
    auto* category = new QComboBox(parent);
    category->setObjectName(QStringLiteral("categoryCombo"));
    category->setEditable(true);
    category->setInsertPolicy(QComboBox::NoInsert);
    category->addItem(tr("(none)"), QString());
    for (const CategoryChoice& choice : categoryChoices(categories))
        category->addItem(choice.text, choice.id);
    category->setCompleter(newSearchingCompleter(new QCompleter(category->model(), category)));
    return category;
}

QLineEdit* PaymentFormFields::newMemoField(QWidget* parent)
{
    auto* memo = new QLineEdit(parent);
    memo->setObjectName(QStringLiteral("memoField"));
    memo->setPlaceholderText(tr("Optional"));
    memo->setMaxLength(maxMemoLength);
    return memo;
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
