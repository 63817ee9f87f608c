#include "register/transactionformdialog.h"

#include "app/appstate.h"
#include "widgets/datefield.h"
#include "widgets/datetext.h"
#include "widgets/paymentdepositchoice.h"
#include "widgets/paymentformfields.h"
#include "widgets/smartamountfield.h"
#include "widgets/storedtextedit.h"
#include "storage/accountrepository.h"
#include "storage/categoryrepository.h"
#include "storage/clock.h"
#include "storage/identifiers.h"
#include "storage/payeelist.h"
#include "storage/textlimits.h"
#include "storage/transactionrepository.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCompleter>
#include <QFormLayout>
#include <QLineEdit>
#include <QMessageBox>

namespace {


// The date of the last transaction any transaction dialog produced, so a run
// of entries for the same day needs the date typed once.
QDate& lastDate()
{
    static QDate date;
    return date;
}

Transaction newTransactionIn(const QString& accountId)
{
    Transaction transaction;
    // The id is fixed once, so reading the result twice gives the same row.
    transaction.id = newId();
    transaction.accountId = accountId;
    transaction.date = lastDate().isValid() ? lastDate() : Clock::today();
    return transaction;
}

} // namespace

TransactionFormDialog::TransactionFormDialog(AppState* appState, const QString& accountId, QWidget* parent)
    : TransactionFormDialog(appState, newTransactionIn(accountId), false, parent)
{
}

TransactionFormDialog::TransactionFormDialog(AppState* appState, const Transaction& transaction, QWidget* parent)
    : TransactionFormDialog(appState, transaction, true, parent)
{
}

TransactionFormDialog::TransactionFormDialog(AppState* appState, const Transaction& working, bool editing, QWidget* parent)
    : QDialog(parent)
    , m_appState(appState)
    , m_working(working)
    , m_editing(editing)
{
    if (const auto account = m_appState->accounts()->byId(m_working.accountId))
        m_currency = account->currency;
    setWindowTitle(m_editing ? tr("Edit Transaction") : tr("New Transaction"));
    buildForm();
    showTransaction(m_working);
}

void TransactionFormDialog::buildForm()
{
    auto* form = new QFormLayout(this);
    form->setFieldGrowthPolicy(QFormLayout::AllNonFixedFieldsGrow);

    m_type = new PaymentDepositChoice(this);
    form->addRow(tr("Type:"), m_type);

    m_date = new DateField(this);
    m_date->setObjectName(QStringLiteral("dateField"));
    form->addRow(tr("Date:"), m_date);

    m_payee = PaymentFormFields::newPayeeField(m_appState->payees()->completions(), this);
    connect(m_payee->completer(), qOverload<const QString&>(&QCompleter::activated), this, &TransactionFormDialog::onPayeeSelected);
    form->addRow(tr("Payee:"), m_payee);

    m_amount = PaymentFormFields::newAmountField(m_currency, this);
    form->addRow(tr("Amount:"), m_amount);

    m_category = PaymentFormFields::newCategoryField(m_appState->categories()->all(), this);
    form->addRow(tr("Category:"), m_category);

    m_memo = PaymentFormFields::newMemoField(this);
    form->addRow(tr("Memo:"), m_memo);

    m_checkNumber = new QLineEdit(this);
    m_checkNumber->setObjectName(QStringLiteral("checkNumberField"));
    m_checkNumber->setPlaceholderText(tr("Optional"));
    form->addRow(tr("Check #:"), m_checkNumber);

    m_cleared = new QCheckBox(tr("Cleared"), this);
    m_cleared->setObjectName(QStringLiteral("clearedCheck"));
    form->addRow(m_cleared);

    PaymentFormFields::addOkCancelRow(form, this);
}

void TransactionFormDialog::showTransaction(const Transaction& transaction)
{
    m_date->setDate(transaction.date);
    showStoredText(m_payee, transaction.payee, maxNameLength);
    showAmount(transaction.amount);
    showStoredText(m_memo, transaction.memo, maxMemoLength);
    m_checkNumber->setText(transaction.checkNumber);
    m_cleared->setChecked(transaction.cleared);
    selectCategory(transaction.categoryId);
    // A new form starts as a payment whatever its zero amount says.
    if (!m_editing)
        m_type->setPayment(true);
}

void TransactionFormDialog::showAmount(qint64 amount)
{
    m_amount->setAmountMinorUnits(qAbs(amount));
    m_type->showAmountSign(amount);
}

void TransactionFormDialog::selectCategory(const QString& categoryId)
{
    const int index = m_category->findData(categoryId);
    m_category->setCurrentIndex(index >= 0 ? index : 0);
}

// The box is editable, so the text may have been typed rather than picked:
// the category is the item that reads exactly so, and none when no item does.
QString TransactionFormDialog::selectedCategoryId() const
{
    const int index = m_category->findText(m_category->currentText(), Qt::MatchExactly | Qt::MatchCaseSensitive);
    return index >= 0 ? m_category->itemData(index).toString() : QString();
}

void TransactionFormDialog::onPayeeSelected(const QString& payee)
{
    const auto last = m_appState->transactions()->lastByPayee(payee, m_working.accountId);
    if (!last)
        return;
    showAmount(last->amount);
    // An empty memo does not wipe one the user already typed.
    if (!last->memo.isEmpty())
        showStoredText(m_memo, last->memo, maxMemoLength);
    const int categoryIndex = m_category->findData(last->categoryId);
    if (!last->categoryId.isEmpty() && categoryIndex >= 0)
        m_category->setCurrentIndex(categoryIndex);
}

Transaction TransactionFormDialog::transaction() const
{
    Transaction result = m_working;
    const QDateTime now = Clock::nowUtc();
    if (!m_editing)
        result.createdAt = now;
    result.date = m_date->resolvedDate();
    result.payee = m_payee->text().trimmed();
    result.amount = m_type->signedAmount(m_amount->amountMinorUnits());
    result.categoryId = selectedCategoryId();
    result.memo = m_memo->text().trimmed();
    result.checkNumber = m_checkNumber->text().trimmed();
    result.cleared = m_cleared->isChecked();
    result.updatedAt = now;
    result.syncStatus = SyncStatus::Pending;
    lastDate() = result.date;
    return result;
}

void TransactionFormDialog::accept()
{
    QWidget* missing = nullptr;
    QString refusal;
    if (!m_date->holdsDate()) {
        missing = m_date;
        refusal = tr("Enter a valid date, such as %1").arg(registerDateText(Clock::today()));
    } else if (m_payee->text().trimmed().isEmpty()) {
        missing = m_payee;
        refusal = tr("Payee is required");
    } else if (m_amount->amountMinorUnits() == 0) {
        missing = m_amount;
        refusal = tr("Enter a payment or deposit amount");
    }
    if (!missing) {
        QDialog::accept();
        return;
    }
    QMessageBox::warning(this, windowTitle(), refusal);
    missing->setFocus(Qt::OtherFocusReason);
}
