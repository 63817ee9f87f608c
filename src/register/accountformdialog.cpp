#include "register/accountformdialog.h"

#include "widgets/firstdayofweek.h"
#include "widgets/placeholderfit.h"
#include "widgets/smartamountfield.h"
#include "widgets/storedtextedit.h"
#include "storage/clock.h"
#include "storage/identifiers.h"
#include "storage/textlimits.h"

#include <QCalendarWidget>
#include <QComboBox>
#include <QDateEdit>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QLocale>

namespace {

constexpr int accountNumberDigits = 4;

Account newAccount()
{
    Account account;
    // The id is fixed once, so reading the result twice gives the same row.
    account.id = newId();
    return account;
}

void selectByData(QComboBox* combo, const QString& data)
{
    const int index = combo->findData(data);
    combo->setCurrentIndex(index >= 0 ? index : 0);
}

} // namespace

AccountFormDialog::AccountFormDialog(QWidget* parent)
    : AccountFormDialog(newAccount(), false, parent)
{
}

AccountFormDialog::AccountFormDialog(const Account& account, const std::optional<Transaction>& opening, QWidget* parent)
    : AccountFormDialog(account, true, parent)
{
    showAccount(account, opening);
}

AccountFormDialog::AccountFormDialog(const Account& working, bool editing, QWidget* parent)
    : QDialog(parent)
    , m_working(working)
    , m_editing(editing)
{
    setWindowTitle(m_editing ? tr("Edit Account") : tr("New Account"));
    buildForm();
}

void AccountFormDialog::buildForm()
{
    auto* form = new QFormLayout(this);
    m_form = form;

    m_name = new QLineEdit(this);
    m_name->setObjectName(QStringLiteral("nameField"));
    m_name->setPlaceholderText(tr("Account name"));
    fitPlaceholder(m_name);
    m_name->setMaxLength(maxNameLength);
    form->addRow(tr("&Name:"), m_name);

    m_type = new QComboBox(this);
    m_type->setObjectName(QStringLiteral("typeCombo"));
    m_type->addItem(tr("Checking"), toStoredText(AccountType::Checking));
    m_type->addItem(tr("Savings"), toStoredText(AccountType::Savings));
    m_type->addItem(tr("Credit Card"), toStoredText(AccountType::CreditCard));
    m_type->addItem(tr("Cash"), toStoredText(AccountType::Cash));
    m_type->addItem(tr("Investment"), toStoredText(AccountType::Investment));
    m_type->addItem(tr("Other"), toStoredText(AccountType::Other));
    form->addRow(tr("&Type:"), m_type);

    m_currency = new QComboBox(this);
    m_currency->setObjectName(QStringLiteral("currencyCombo"));
    m_currency->addItem(tr("USD ($)"), toStoredText(Currency::USD));
    m_currency->addItem(tr("EUR (€)"), toStoredText(Currency::EUR));
    m_currency->addItem(tr("GBP (£)"), toStoredText(Currency::GBP));
    m_currency->addItem(tr("CAD ($)"), toStoredText(Currency::CAD));
    m_currency->addItem(tr("AUD ($)"), toStoredText(Currency::AUD));
    m_currency->addItem(tr("JPY (¥)"), toStoredText(Currency::JPY));
    form->addRow(tr("&Currency:"), m_currency);

    m_startingBalance = new SmartAmountField(this);
    m_startingBalance->setObjectName(QStringLiteral("startingBalanceField"));
    m_startingBalance->setAllowsNegative(true);
    m_startingBalance->setCurrency(Currency::USD);
    connect(m_currency, &QComboBox::currentIndexChanged, this, &AccountFormDialog::followCurrency);
    form->addRow(tr("Starting &Balance:"), m_startingBalance);

    m_asOf = new QDateEdit(Clock::today(), this);
    m_asOf->setObjectName(QStringLiteral("asOfEdit"));
    m_asOf->setDisplayFormat(QLocale().dateFormat(QLocale::ShortFormat));
    m_asOf->setCalendarPopup(true);
    m_asOf->calendarWidget()->setFirstDayOfWeek(firstDayOfWeek());
    form->addRow(tr("&As of:"), m_asOf);

    m_institution = new QLineEdit(this);
    m_institution->setObjectName(QStringLiteral("institutionField"));
    m_institution->setPlaceholderText(tr("Bank name (optional)"));
    fitPlaceholder(m_institution);
    m_institution->setMaxLength(maxNameLength);
    form->addRow(tr("&Institution:"), m_institution);

    m_accountNumber = new QLineEdit(this);
    m_accountNumber->setObjectName(QStringLiteral("accountNumberField"));
    m_accountNumber->setMaxLength(accountNumberDigits);
    m_accountNumber->setPlaceholderText(tr("Last 4 digits (optional)"));
    fitPlaceholder(m_accountNumber);
    form->addRow(tr("Account &Number:"), m_accountNumber);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    form->addRow(buttons);
}

void AccountFormDialog::showAccount(const Account& account, const std::optional<Transaction>& opening)
{
    showStoredText(m_name, account.name, maxNameLength);
    selectByData(m_type, toStoredText(account.type));
    selectByData(m_currency, toStoredText(account.currency));
    m_startingBalance->setAmountMinorUnits(opening ? opening->amount : account.startingBalance);
    if (opening)
        m_asOf->setDate(opening->date);
    // A balance the account carries itself has no date: it comes before
    // every row.
    m_form->setRowVisible(m_asOf, opening || account.startingBalance == 0);
    showStoredText(m_institution, account.institution, maxNameLength);
    m_accountNumber->setText(account.accountNumberLast4);
}

// The balance is entered in the currency chosen above it: its symbol, and
// whole units only for JPY.
void AccountFormDialog::followCurrency()
{
    m_startingBalance->setCurrency(currencyFromText(m_currency->currentData().toString()));
}

Account AccountFormDialog::account() const
{
    Account result = m_working;
    const QDateTime now = Clock::nowUtc();
    if (!m_editing)
        result.createdAt = now;
    result.name = m_name->text().trimmed();
    result.type = accountTypeFromText(m_type->currentData().toString());
    result.currency = currencyFromText(m_currency->currentData().toString());
    result.startingBalance = m_startingBalance->amountMinorUnits();
    result.institution = m_institution->text().trimmed();
    result.accountNumberLast4 = m_accountNumber->text().trimmed();
    result.updatedAt = now;
    result.syncStatus = SyncStatus::Pending;
    return result;
}

QDate AccountFormDialog::asOfDate() const
{
    return m_asOf->date();
}
