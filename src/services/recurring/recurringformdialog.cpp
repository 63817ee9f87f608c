#include "services/recurring/recurringformdialog.h"

#include "app/appstate.h"
#include "services/recurring/recurringservice.h"
#include "storage/account.h"
#include "storage/accountrepository.h"
#include "storage/categoryrepository.h"
#include "storage/clock.h"
#include "storage/identifiers.h"
#include "storage/money.h"
#include "storage/payeelist.h"
#include "storage/textlimits.h"
#include "widgets/datefield.h"
#include "widgets/datetext.h"
#include "widgets/palette.h"
#include "widgets/paymentdepositchoice.h"
#include "widgets/paymentformfields.h"
#include "widgets/smartamountfield.h"
#include "widgets/storedtextedit.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDebug>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>

namespace {

constexpr int minimumFormWidth = 480;

QLabel* newNoteLabel(const char* name, QWidget* parent)
{
    auto* label = new QLabel(parent);
    label->setObjectName(QLatin1String(name));
    label->setWordWrap(true);
    label->setFont(Palette::smallFont());
    return label;
}

const char* modeName(RecurringFormDialog::Mode mode)
{
    switch (mode) {
    case RecurringFormDialog::Mode::New: return "new";
    case RecurringFormDialog::Mode::Edit: return "edit";
    case RecurringFormDialog::Mode::Memorize: return "memorize";
    }
    return "";
}

} // namespace

RecurringFormDialog::RecurringFormDialog(AppState* appState, QWidget* parent)
    : RecurringFormDialog(appState, Mode::New, RecurringTransaction(), parent)
{
}

RecurringFormDialog::RecurringFormDialog(AppState* appState, Mode mode, const RecurringTransaction& rule, QWidget* parent)
    : QDialog(parent)
    , m_appState(appState)
    , m_mode(mode)
    , m_original(rule)
{
    if (m_mode != Mode::Edit) {
        // The id is fixed once, so reading the result twice gives the same rule.
        m_original.id = newId();
        m_original.version = 1;
    }
    if (m_mode == Mode::New) {
        m_original.accountId = m_appState->currentAccountId();
        m_original.startDate = Clock::today();
    }
    m_activeChoice = m_original.isActive;

    switch (m_mode) {
    case Mode::New: setWindowTitle(tr("New Recurring Transaction")); break;
    case Mode::Edit: setWindowTitle(tr("Edit Recurring Transaction")); break;
    case Mode::Memorize: setWindowTitle(tr("Memorize Transaction")); break;
    }
    setMinimumWidth(minimumFormWidth);
    buildForm();
    showRule();
    m_payee->setFocus();
}

void RecurringFormDialog::buildForm()
{
    auto* form = new QFormLayout(this);
    form->setFieldGrowthPolicy(QFormLayout::AllNonFixedFieldsGrow);

    m_account = new QComboBox(this);
    m_account->setObjectName(QStringLiteral("accountCombo"));
    fillAccounts();
    // A rule's account is part of what it is; moving it would be a new rule.
    m_account->setEnabled(m_mode != Mode::Edit);
    form->addRow(tr("Account:"), m_account);

    if (!m_original.transferDestAccountId.isEmpty()) {
        const std::optional<Account> target = m_appState->accounts()->byId(m_original.transferDestAccountId);
        auto* targetName = new QLabel(target && !target->deletedAt ? target->name : tr("(deleted account)"), this);
        targetName->setObjectName(QStringLiteral("transferTargetLabel"));
        form->addRow(tr("Transfer to:"), targetName);
    }

    m_type = new PaymentDepositChoice(this);
    form->addRow(tr("Type:"), m_type);

    m_payee = PaymentFormFields::newPayeeField(m_appState->payees()->completions(), this);
    form->addRow(tr("Payee:"), m_payee);

    m_amount = PaymentFormFields::newAmountField(m_currency, this);
    form->addRow(tr("Amount:"), m_amount);
    m_amountNote = newNoteLabel("amountNote", this);
    m_amountNote->setStyleSheet(Palette::textColorStyle(Palette::warning()));
    m_amountNote->hide();
    form->addRow(QString(), m_amountNote);

    m_category = PaymentFormFields::newCategoryField(m_appState->categories()->all(), this);
    form->addRow(tr("Category:"), m_category);

    m_memo = PaymentFormFields::newMemoField(this);
    form->addRow(tr("Memo:"), m_memo);

    m_frequency = new QComboBox(this);
    m_frequency->setObjectName(QStringLiteral("frequencyCombo"));
    addFrequency(tr("Daily"), Frequency::Daily);
    addFrequency(tr("Weekly"), Frequency::Weekly);
    addFrequency(tr("Bi-weekly"), Frequency::Biweekly);
    addFrequency(tr("Monthly"), Frequency::Monthly);
    addFrequency(tr("Quarterly"), Frequency::Quarterly);
    addFrequency(tr("Semi-annual"), Frequency::SemiAnnual);
    addFrequency(tr("Annual"), Frequency::Annual);
    form->addRow(tr("Frequency:"), m_frequency);

    m_startDate = new DateField(this);
    m_startDate->setObjectName(QStringLiteral("startDateField"));
    form->addRow(tr("Start Date:"), m_startDate);

    m_hasEndDate = new QCheckBox(tr("Has end date"), this);
    m_hasEndDate->setObjectName(QStringLiteral("hasEndDateCheck"));
    form->addRow(m_hasEndDate);
    m_endDate = new DateField(this);
    m_endDate->setObjectName(QStringLiteral("endDateField"));
    m_endDate->setEnabled(false);
    form->addRow(tr("End Date:"), m_endDate);
    m_dueNote = newNoteLabel("dueNote", this);
    form->addRow(QString(), m_dueNote);

    m_autoPost = new QCheckBox(tr("Auto-post when due"), this);
    m_autoPost->setObjectName(QStringLiteral("autoPostCheck"));
    form->addRow(m_autoPost);
    m_active = new QCheckBox(tr("Active"), this);
    m_active->setObjectName(QStringLiteral("activeCheck"));
    form->addRow(m_active);

    PaymentFormFields::addOkCancelRow(form, this);

    connect(m_account, &QComboBox::currentIndexChanged, this, &RecurringFormDialog::onAccountChosen);
    connect(m_hasEndDate, &QCheckBox::toggled, this, &RecurringFormDialog::onEndDateToggled);
    connect(m_active, &QCheckBox::clicked, this, [this](bool checked) { m_activeChoice = checked; });
    connect(m_frequency, &QComboBox::currentIndexChanged, this, &RecurringFormDialog::updateDueNote);
    for (DateField* date : {m_startDate, m_endDate}) {
        connect(date, &DateField::dateChanged, this, &RecurringFormDialog::updateDueNote);
        connect(date, &QLineEdit::textEdited, this, &RecurringFormDialog::updateDueNote);
    }
}

void RecurringFormDialog::addFrequency(const QString& label, Frequency frequency)
{
    m_frequency->addItem(label, toStoredText(frequency));
}

void RecurringFormDialog::fillAccounts()
{
    for (const Account& account : m_appState->accounts()->all())
        m_account->addItem(account.name, account.id);
}

void RecurringFormDialog::showRule()
{
    selectData(m_account, m_original.accountId, tr("(deleted account)"));
    onAccountChosen();
    if (m_mode == Mode::New)
        m_type->setPayment(true);
    else
        m_type->showAmountSign(m_original.amount);
    showStoredText(m_payee, m_original.payee, maxNameLength);
    m_amount->setAmountMinorUnits(qAbs(m_original.amount));
    selectData(m_category, m_original.categoryId, tr("(deleted category)"));
    showStoredText(m_memo, m_original.memo, maxMemoLength);
    selectData(m_frequency, toStoredText(m_original.frequency), QString());
    if (m_original.startDate.isValid())
        m_startDate->setDate(m_original.startDate);
    m_hasEndDate->setChecked(m_original.endDate.has_value());
    if (m_original.endDate && m_original.endDate->isValid())
        m_endDate->setDate(*m_original.endDate);
    m_autoPost->setChecked(m_original.autoPost);
    updateDueNote();
}

// A stored id that the lists no longer offer (a deleted account or
// category) stays selected under `missingText`, so saving keeps it.
void RecurringFormDialog::selectData(QComboBox* combo, const QString& data, const QString& missingText)
{
    int index = combo->findData(data);
    if (index < 0 && !data.isEmpty() && !missingText.isEmpty()) {
        combo->addItem(missingText, data);
        index = combo->count() - 1;
    }
    combo->setCurrentIndex(std::max(index, 0));
}

void RecurringFormDialog::onAccountChosen()
{
    const Currency currency = currencyOf(m_account->currentData().toString());
    if (currency == m_currency)
        return;
    const double typed = m_amount->value();
    m_currency = currency;
    m_amount->setCurrency(currency);
    // Yen have no fractions: a typed 12.50 becomes 13, and the form says so.
    const bool rounded = m_amount->value() != typed;
    m_amountNote->setText(rounded ? tr("Rounded to %1: amounts in %2 have no fractions.")
                                        .arg(formatCurrency(m_amount->amountMinorUnits(), currency, AmountFormat::shown()),
                                            toStoredText(currency))
                                  : QString());
    m_amountNote->setVisible(rounded);
}

void RecurringFormDialog::onEndDateToggled(bool hasEndDate)
{
    m_endDate->setEnabled(hasEndDate);
    updateDueNote();
}

void RecurringFormDialog::updateDueNote()
{
    const bool neverDue = endsBeforeDue();
    const QString due = registerDateText(nextDueDate());
    QString note = tr("Next due on %1.").arg(due);
    if (neverDue)
        note = tr("It ends before it is next due on %1, so it would never post: it is saved as inactive.").arg(due);
    else if (m_mode == Mode::Memorize && nextDueDate() != m_startDate->resolvedDate())
        note = tr("Next due on %1; the transaction of %2 is already in the register.")
                   .arg(due, registerDateText(m_startDate->resolvedDate()));
    m_dueNote->setText(note);
    m_dueNote->setStyleSheet(Palette::textColorStyle(neverDue ? Palette::warning() : Palette::muted()));
    // While the dates leave no choice the box shows what will be saved;
    // the user's own choice comes back with dates that allow it.
    m_active->setEnabled(!neverDue);
    m_active->setChecked(!neverDue && m_activeChoice);
    m_neverDueShown = neverDue;
}

QDate RecurringFormDialog::nextDueDate() const
{
    const QDate start = m_startDate->resolvedDate();
    if (start == m_original.startDate) {
        if (m_mode == Mode::Edit)
            return m_original.nextDueDate;
        // The memorized row is the first occurrence, already in the register.
        if (m_mode == Mode::Memorize)
            return RecurringService::advance(start, frequencyFromText(m_frequency->currentData().toString()));
    }
    return start;
}

bool RecurringFormDialog::endsBeforeDue() const
{
    return m_hasEndDate->isChecked() && m_endDate->resolvedDate() < nextDueDate();
}

Currency RecurringFormDialog::currencyOf(const QString& accountId) const
{
    const std::optional<Account> account = m_appState->accounts()->byId(accountId);
    return account ? account->currency : Currency::USD;
}

RecurringTransaction RecurringFormDialog::recurring() const
{
    RecurringTransaction result = m_original;
    const QDateTime now = Clock::nowUtc();
    if (m_mode != Mode::Edit)
        result.createdAt = now;
    result.accountId = m_account->currentData().toString();
    result.payee = m_payee->text().trimmed();
    result.amount = m_type->signedAmount(m_amount->amountMinorUnits());
    const int categoryIndex = m_category->findText(m_category->currentText(), Qt::MatchExactly | Qt::MatchCaseSensitive);
    result.categoryId = categoryIndex >= 0 ? m_category->itemData(categoryIndex).toString() : QString();
    result.memo = m_memo->text().trimmed();
    result.frequency = frequencyFromText(m_frequency->currentData().toString());
    qInfo().noquote() << "RecurringFormDialog::recurring() — m_editMode=" << modeName(m_mode)
                      << "isCreateFromSeed=" << (m_mode == Mode::Memorize)
                      << "widget.date=" << m_startDate->resolvedDate().toString(Qt::ISODate)
                      << "m_original.startDate=" << m_original.startDate.toString(Qt::ISODate)
                      << "m_original.nextDueDate=" << m_original.nextDueDate.toString(Qt::ISODate);
    result.endDate = m_hasEndDate->isChecked() ? std::optional<QDate>(m_endDate->resolvedDate()) : std::nullopt;
    result.startDate = m_startDate->resolvedDate();
    result.nextDueDate = nextDueDate();
    if (RecurringService::isBrokenDate(result.startDate)) {
        qWarning().noquote() << "RecurringFormDialog: rejecting invalid startDate"
                             << result.startDate.toString(Qt::ISODate) << "— falling back to today";
        result.startDate = Clock::today();
    }
    if (RecurringService::isBrokenDate(result.nextDueDate)) {
        qWarning().noquote() << "RecurringFormDialog: rejecting invalid nextDueDate"
                             << result.nextDueDate.toString(Qt::ISODate) << "— falling back to startDate";
        result.nextDueDate = result.startDate;
    }
    result.autoPost = m_autoPost->isChecked();
    result.isActive = m_active->isChecked() && !endsBeforeDue();
    result.syncStatus = SyncStatus::Pending;
    result.updatedAt = now;
    if (m_mode == Mode::Edit)
        result.version = m_original.version + 1;
    return result;
}

void RecurringFormDialog::accept()
{
    // A note that only now appears (dates typed, then Enter) is read before
    // the form closes.
    const bool noteWasShown = m_neverDueShown;
    updateDueNote();
    if (m_neverDueShown && !noteWasShown)
        return;
    QString reason;
    if (QWidget* field = refusal(reason)) {
        QMessageBox::warning(this, windowTitle(), reason);
        field->setFocus(Qt::OtherFocusReason);
        return;
    }
    QDialog::accept();
}

QWidget* RecurringFormDialog::refusal(QString& reason) const
{
    const auto refuse = [&reason](QWidget* field, const QString& why) {
        reason = why;
        return field;
    };
    const auto isDateText = [](const DateField* field) { return resolveTypedDate(field->text()).has_value(); };
    const QString validDate = tr("Enter a valid date, such as %1").arg(registerDateText(Clock::today()));
    const QString typedCategory = m_category->currentText().trimmed();

    if (m_account->currentIndex() < 0)
        return refuse(m_account, tr("Create an account first: a recurring transaction posts into one."));
    if (m_payee->text().trimmed().isEmpty())
        return refuse(m_payee, tr("Payee is required"));
    if (m_amount->amountMinorUnits() == 0)
        return refuse(m_amount, tr("Enter a payment or deposit amount"));
    if (!typedCategory.isEmpty() && m_category->findText(typedCategory, Qt::MatchExactly | Qt::MatchCaseSensitive) < 0)
        return refuse(m_category, tr("There is no category \"%1\". Choose one from the list.").arg(typedCategory));
    if (!isDateText(m_startDate))
        return refuse(m_startDate, validDate);
    if (RecurringService::isBrokenDate(m_startDate->resolvedDate()))
        return refuse(m_startDate, tr("Enter a start date in 2000 or later."));
    if (m_hasEndDate->isChecked() && !isDateText(m_endDate))
        return refuse(m_endDate, validDate);
    if (m_original.transferDestAccountId.isEmpty())
        return nullptr;
    // A memorized transfer posts both legs: both accounts must take them.
    const QString accountId = m_account->currentData().toString();
    const std::optional<Account> target = m_appState->accounts()->byId(m_original.transferDestAccountId);
    if (!target || target->deletedAt || target->id == accountId)
        return refuse(m_account, tr("Transfer account not found"));
    if (target->currency != currencyOf(accountId))
        return refuse(m_account, tr("Transfers require both accounts to use the same currency"));
    return nullptr;
}
