#include "services/recurringformdialog.h"

#include "app/appstate.h"
#include "register/datefield.h"
#include "register/smartamountfield.h"
#include "storage/accountrepository.h"
#include "storage/clock.h"
#include "storage/identifiers.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QRadioButton>

namespace {

constexpr double maximumAmount = 99999999.99;
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

    m_payment = new QRadioButton(tr("Payment"), this);
    m_payment->setObjectName(QStringLiteral("paymentRadio"));
    m_deposit = new QRadioButton(tr("Deposit"), this);
    m_deposit->setObjectName(QStringLiteral("depositRadio"));
    auto* typeGroup = new QButtonGroup(this);
    typeGroup->addButton(m_payment);
    typeGroup->addButton(m_deposit);
    auto* typeRow = new QHBoxLayout;
    typeRow->addWidget(m_payment);
    typeRow->addWidget(m_deposit);
    typeRow->addStretch();
    form->addRow(tr("Type:"), typeRow);

    m_payee = new QLineEdit(this);
    m_payee->setObjectName(QStringLiteral("payeeField"));
    m_payee->setPlaceholderText(tr("Start typing to search payees..."));
    form->addRow(tr("Payee:"), m_payee);

    m_amount = new SmartAmountField(this);
    m_amount->setObjectName(QStringLiteral("amountField"));
    m_amount->setCurrency(m_currency);
    m_amount->setRange(0, maximumAmount);
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

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    form->addRow(buttons);
}

void RecurringFormDialog::addFrequency(const QString& label, Frequency frequency)
{
    m_frequency->addItem(label, toStoredText(frequency));
}

void RecurringFormDialog::showSeed()
{
    (m_seed.amount < 0 ? m_payment : m_deposit)->setChecked(true);
    m_payee->setText(m_seed.payee);
    m_amount->setAmountMinorUnits(m_seed.amount < 0 ? -m_seed.amount : m_seed.amount);
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
    const qint64 magnitude = m_amount->amountMinorUnits();
    result.amount = m_payment->isChecked() ? -magnitude : magnitude;
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
