#include "services/recurring/recurringformdialog.h"

#include "app/appstate.h"
#include "widgets/datefield.h"
#include "widgets/paymentdepositchoice.h"
#include "widgets/paymentformfields.h"
#include "widgets/smartamountfield.h"
#include "widgets/storedtextedit.h"
#include "storage/accountrepository.h"
#include "storage/clock.h"
#include "storage/identifiers.h"
#include "storage/textlimits.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QLineEdit>

namespace {

constexpr int minimumFormWidth = 480;

} // namespace

RecurringFormDialog::RecurringFormDialog(AppState* appState, const RecurringTransaction& seed, QWidget* parent)
    : QDialog(parent)
    , m_seed(seed)
    , m_isNew(seed.id.isEmpty())
{
    // The id is fixed once, so reading the result twice gives the same rule.
    if (m_isNew)
        m_seed.id = newId();
    if (const auto account = appState->accounts()->byId(m_seed.accountId))
        m_currency = account->currency;
    setWindowTitle(tr("Memorize Transaction"));
    setMinimumWidth(minimumFormWidth);
    buildForm();
    showSeed();
    m_payee->setFocus();
}

void RecurringFormDialog::buildForm()
{
    auto* form = new QFormLayout(this);
    form->setFieldGrowthPolicy(QFormLayout::AllNonFixedFieldsGrow);

    m_type = new PaymentDepositChoice(this);
    form->addRow(tr("Type:"), m_type);

    m_payee = PaymentFormFields::newPayeeField(this);
    form->addRow(tr("Payee:"), m_payee);

    m_amount = PaymentFormFields::newAmountField(m_currency, this);
    form->addRow(tr("Amount:"), m_amount);

    m_frequency = new QComboBox(this);
    m_frequency->setObjectName(QStringLiteral("frequencyCombo"));
    addFrequency(tr("Daily"), Frequency::Daily);
    addFrequency(tr("Weekly"), Frequency::Weekly);
    addFrequency(tr("Every 2 Weeks"), Frequency::Biweekly);
    addFrequency(tr("Monthly"), Frequency::Monthly);
    addFrequency(tr("Quarterly"), Frequency::Quarterly);
    addFrequency(tr("Every 6 Months"), Frequency::SemiAnnual);
    addFrequency(tr("Annually"), Frequency::Annual);
    form->addRow(tr("Frequency:"), m_frequency);

    m_startDate = new DateField(this);
    m_startDate->setObjectName(QStringLiteral("startDateField"));
    form->addRow(tr("Start Date:"), m_startDate);

    m_autoPost = new QCheckBox(tr("Auto-post when due"), this);
    m_autoPost->setObjectName(QStringLiteral("autoPostCheck"));
    form->addRow(m_autoPost);

    PaymentFormFields::addOkCancelRow(form, this);
}

void RecurringFormDialog::addFrequency(const QString& label, Frequency frequency)
{
    m_frequency->addItem(label, toStoredText(frequency));
}

void RecurringFormDialog::showSeed()
{
    m_type->showAmountSign(m_seed.amount);
    showStoredText(m_payee, m_seed.payee, maxNameLength);
    m_amount->setAmountMinorUnits(qAbs(m_seed.amount));
    const int frequencyIndex = m_frequency->findData(toStoredText(m_seed.frequency));
    m_frequency->setCurrentIndex(frequencyIndex);
    if (m_seed.startDate.isValid())
        m_startDate->setDate(m_seed.startDate);
    m_autoPost->setChecked(m_seed.autoPost);
}

RecurringTransaction RecurringFormDialog::recurring() const
{
    RecurringTransaction result = m_seed;
    const QDateTime now = Clock::nowUtc();
    if (m_isNew)
        result.createdAt = now;
    result.payee = m_payee->text().trimmed();
    result.amount = m_type->signedAmount(m_amount->amountMinorUnits());
    result.frequency = frequencyFromText(m_frequency->currentData().toString());
    // A rule without a valid start would never come due; today is the
    // nearest sensible schedule.
    const QDate start = m_startDate->resolvedDate();
    result.startDate = start.isValid() ? start : Clock::today();
    result.nextDueDate = result.startDate;
    result.autoPost = m_autoPost->isChecked();
    result.updatedAt = now;
    result.syncStatus = SyncStatus::Pending;
    return result;
}
