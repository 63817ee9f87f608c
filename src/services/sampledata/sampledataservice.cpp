#include "services/sampledata/sampledataservice.h"

#include "bookkeeping/accountcreation.h"
#include "bookkeeping/accountservice.h"
#include "bookkeeping/transactionservice.h"
#include "services/recurring/recurringservice.h"
#include "storage/account.h"
#include "storage/category.h"
#include "storage/categoryrepository.h"
#include "storage/clock.h"
#include "storage/database.h"
#include "storage/identifiers.h"
#include "storage/recurringtransaction.h"
#include "storage/sampledatarepository.h"

#include <QList>
#include <array>

namespace {

const QString checkingId = QStringLiteral("sample-acct-checking");
const QString savingsId = QStringLiteral("sample-acct-savings");
const QString visaId = QStringLiteral("sample-acct-visa");

// The demonstration starts this many days ago: the opening balances and the
// recurring rules date from then.
constexpr int firstDay = -60;

struct SampleAccount
{
    const QString& id;
    const char* name;
    AccountType type;
    const char* institution;
    const char* last4;
    qint64 startingBalance;
};

const std::array<SampleAccount, 3> sampleAccounts = {{
    {checkingId, QT_TRANSLATE_NOOP("SampleDataService", "Main Checking"), AccountType::Checking,
        QT_TRANSLATE_NOOP("SampleDataService", "Riverbend Credit Union"), "4521", 250000},
    {savingsId, QT_TRANSLATE_NOOP("SampleDataService", "Savings"), AccountType::Savings,
        QT_TRANSLATE_NOOP("SampleDataService", "Riverbend Credit Union"), "8834", 1000000},
    {visaId, QT_TRANSLATE_NOOP("SampleDataService", "Visa Rewards"), AccountType::CreditCard,
        QT_TRANSLATE_NOOP("SampleDataService", "Summit Bank"), "7712", 0},
}};

// R: cleared and reconciled; C: cleared only; U: neither.
enum class Status { R, C, U };

struct SampleTransaction
{
    const QString& accountId;
    int day;
    const char* payee;
    const char* memo;
    qint64 amount;
    const char* parentCategory;
    const char* category;
    const char* checkNumber;
    Status status;
    // The other account of a transfer, whose leg the transaction service
    // writes alongside; null for an ordinary transaction.
    const QString* transferTo = nullptr;
};

// The payees, memos and category names, in the order the data set first uses them.
const char* const brightpathInc = QT_TRANSLATE_NOOP("SampleDataService", "Brightpath Inc");
const char* const biweeklyPaycheck = QT_TRANSLATE_NOOP("SampleDataService", "Biweekly paycheck");
const char* const salaryWages = QT_TRANSLATE_NOOP("SampleDataService", "Salary / Wages");
const char* const pinecrestApartments = QT_TRANSLATE_NOOP("SampleDataService", "Pinecrest Apartments");
const char* const februaryRent = QT_TRANSLATE_NOOP("SampleDataService", "February rent");
const char* const housing = QT_TRANSLATE_NOOP("SampleDataService", "Housing");
const char* const rentMortgagePayment = QT_TRANSLATE_NOOP("SampleDataService", "Rent/Mortgage Payment");
const char* const greenleafMarket = QT_TRANSLATE_NOOP("SampleDataService", "Greenleaf Market");
const char* const weeklyGroceries = QT_TRANSLATE_NOOP("SampleDataService", "Weekly groceries");
const char* const groceries = QT_TRANSLATE_NOOP("SampleDataService", "Groceries");
const char* const hilltopGas = QT_TRANSLATE_NOOP("SampleDataService", "Hilltop Gas");
const char* const fillUp = QT_TRANSLATE_NOOP("SampleDataService", "Fill up");
const char* const transportation = QT_TRANSLATE_NOOP("SampleDataService", "Transportation");
const char* const gasFuel = QT_TRANSLATE_NOOP("SampleDataService", "Gas/Fuel");
const char* const lakesideUtilities = QT_TRANSLATE_NOOP("SampleDataService", "Lakeside Utilities");
const char* const electricBill = QT_TRANSLATE_NOOP("SampleDataService", "Electric bill");
const char* const utilities = QT_TRANSLATE_NOOP("SampleDataService", "Utilities");
const char* const electric = QT_TRANSLATE_NOOP("SampleDataService", "Electric");
const char* const waterBill = QT_TRANSLATE_NOOP("SampleDataService", "Water bill");
const char* const water = QT_TRANSLATE_NOOP("SampleDataService", "Water");
const char* const streamlineTv = QT_TRANSLATE_NOOP("SampleDataService", "Streamline TV");
const char* const monthlyStreaming = QT_TRANSLATE_NOOP("SampleDataService", "Monthly streaming");
const char* const entertainment = QT_TRANSLATE_NOOP("SampleDataService", "Entertainment");
const char* const streaming = QT_TRANSLATE_NOOP("SampleDataService", "Streaming");
const char* const maplewoodDiner = QT_TRANSLATE_NOOP("SampleDataService", "Maplewood Diner");
const char* const dinnerOut = QT_TRANSLATE_NOOP("SampleDataService", "Dinner out");
const char* const diningRestaurants = QT_TRANSLATE_NOOP("SampleDataService", "Dining & Restaurants");
const char* const clearviewInsurance = QT_TRANSLATE_NOOP("SampleDataService", "Clearview Insurance");
const char* const autoInsurance = QT_TRANSLATE_NOOP("SampleDataService", "Auto insurance");
const char* const insurance = QT_TRANSLATE_NOOP("SampleDataService", "Insurance");
const char* const autoCategory = QT_TRANSLATE_NOOP("SampleDataService", "Auto");
const char* const hopeCommunityChurch = QT_TRANSLATE_NOOP("SampleDataService", "Hope Community Church");
const char* const monthlyDonation = QT_TRANSLATE_NOOP("SampleDataService", "Monthly donation");
const char* const charitableDonations = QT_TRANSLATE_NOOP("SampleDataService", "Charitable Donations");
const char* const transferToSavings = QT_TRANSLATE_NOOP("SampleDataService", "Transfer to Savings");
const char* const monthlySavings = QT_TRANSLATE_NOOP("SampleDataService", "Monthly savings");
const char* const marchRent = QT_TRANSLATE_NOOP("SampleDataService", "March rent");
const char* const netconnectIsp = QT_TRANSLATE_NOOP("SampleDataService", "NetConnect ISP");
const char* const internetService = QT_TRANSLATE_NOOP("SampleDataService", "Internet service");
const char* const internet = QT_TRANSLATE_NOOP("SampleDataService", "Internet");
const char* const lunch = QT_TRANSLATE_NOOP("SampleDataService", "Lunch");
const char* const ridgelinePharmacy = QT_TRANSLATE_NOOP("SampleDataService", "Ridgeline Pharmacy");
const char* const prescriptions = QT_TRANSLATE_NOOP("SampleDataService", "Prescriptions");
const char* const medicalExpenses = QT_TRANSLATE_NOOP("SampleDataService", "Medical Expenses");
const char* const coffeePastry = QT_TRANSLATE_NOOP("SampleDataService", "Coffee & pastry");
const char* const riverbendCreditUnion = QT_TRANSLATE_NOOP("SampleDataService", "Riverbend Credit Union");
const char* const interestPayment = QT_TRANSLATE_NOOP("SampleDataService", "Interest payment");
const char* const interestIncome = QT_TRANSLATE_NOOP("SampleDataService", "Interest Income");
const char* const dashDelivery = QT_TRANSLATE_NOOP("SampleDataService", "Dash Delivery");
const char* const foodDelivery = QT_TRANSLATE_NOOP("SampleDataService", "Food delivery");
const char* const gadgetWorld = QT_TRANSLATE_NOOP("SampleDataService", "Gadget World");
const char* const phoneCase = QT_TRANSLATE_NOOP("SampleDataService", "Phone case");
const char* const shopping = QT_TRANSLATE_NOOP("SampleDataService", "Shopping");
const char* const electronics = QT_TRANSLATE_NOOP("SampleDataService", "Electronics");
const char* const cloudwatchPlus = QT_TRANSLATE_NOOP("SampleDataService", "CloudWatch Plus");
const char* const cloudStoragePlan = QT_TRANSLATE_NOOP("SampleDataService", "Cloud storage plan");
const char* const subscriptions = QT_TRANSLATE_NOOP("SampleDataService", "Subscriptions");
const char* const paymentThankYou = QT_TRANSLATE_NOOP("SampleDataService", "Payment - Thank You");
const char* const creditCardPayment = QT_TRANSLATE_NOOP("SampleDataService", "Credit card payment");
const char* const stellarCoffee = QT_TRANSLATE_NOOP("SampleDataService", "Stellar Coffee");
const char* const coffeeBeans = QT_TRANSLATE_NOOP("SampleDataService", "Coffee beans");
const char* const booknestOnline = QT_TRANSLATE_NOOP("SampleDataService", "BookNest Online");
const char* const programmingBooks = QT_TRANSLATE_NOOP("SampleDataService", "Programming books");
const char* const educationExpenses = QT_TRANSLATE_NOOP("SampleDataService", "Education Expenses");
const char* const techvault = QT_TRANSLATE_NOOP("SampleDataService", "TechVault");
const char* const usbHub = QT_TRANSLATE_NOOP("SampleDataService", "USB hub");
const char* const monthlyRent = QT_TRANSLATE_NOOP("SampleDataService", "Monthly rent");

// The savings legs of the two transfers ("Transfer from Checking") are not
// listed: they are written with their checking legs.
const SampleTransaction sampleTransactions[] = {
    {checkingId, -60, brightpathInc, biweeklyPaycheck, 285000, nullptr, salaryWages, nullptr, Status::R},
    {checkingId, -59, pinecrestApartments, februaryRent, -145000, housing, rentMortgagePayment, "1041", Status::R},
    {checkingId, -57, greenleafMarket, weeklyGroceries, -8745, nullptr, groceries, nullptr, Status::R},
    {checkingId, -55, hilltopGas, fillUp, -4523, transportation, gasFuel, nullptr, Status::R},
    {checkingId, -53, lakesideUtilities, electricBill, -11280, utilities, electric, nullptr, Status::R},
    {checkingId, -51, lakesideUtilities, waterBill, -4590, utilities, water, nullptr, Status::R},
    {checkingId, -49, streamlineTv, monthlyStreaming, -1599, entertainment, streaming, nullptr, Status::R},
    {checkingId, -47, greenleafMarket, weeklyGroceries, -9230, nullptr, groceries, nullptr, Status::R},
    {checkingId, -46, brightpathInc, biweeklyPaycheck, 285000, nullptr, salaryWages, nullptr, Status::R},
    {checkingId, -44, maplewoodDiner, dinnerOut, -4275, nullptr, diningRestaurants, nullptr, Status::R},
    {checkingId, -42, hilltopGas, fillUp, -3980, transportation, gasFuel, nullptr, Status::R},
    {checkingId, -40, clearviewInsurance, autoInsurance, -12500, insurance, autoCategory, nullptr, Status::R},
    {checkingId, -38, greenleafMarket, weeklyGroceries, -7650, nullptr, groceries, nullptr, Status::R},
    {checkingId, -35, hopeCommunityChurch, monthlyDonation, -10000, nullptr, charitableDonations, "1042", Status::R},
    {checkingId, -33, brightpathInc, biweeklyPaycheck, 285000, nullptr, salaryWages, nullptr, Status::R},
    {checkingId, -30, transferToSavings, monthlySavings, -50000, nullptr, nullptr, nullptr, Status::R, &savingsId},
    {checkingId, -29, pinecrestApartments, marchRent, -145000, housing, rentMortgagePayment, "1043", Status::C},
    {checkingId, -27, greenleafMarket, weeklyGroceries, -10120, nullptr, groceries, nullptr, Status::C},
    {checkingId, -25, hilltopGas, fillUp, -4100, transportation, gasFuel, nullptr, Status::C},
    {checkingId, -23, netconnectIsp, internetService, -7999, utilities, internet, nullptr, Status::C},
    {checkingId, -21, lakesideUtilities, electricBill, -10870, utilities, electric, nullptr, Status::C},
    {checkingId, -19, brightpathInc, biweeklyPaycheck, 285000, nullptr, salaryWages, nullptr, Status::C},
    {checkingId, -17, greenleafMarket, weeklyGroceries, -8890, nullptr, groceries, nullptr, Status::C},
    {checkingId, -15, streamlineTv, monthlyStreaming, -1599, entertainment, streaming, nullptr, Status::C},
    {checkingId, -13, maplewoodDiner, lunch, -2340, nullptr, diningRestaurants, nullptr, Status::C},
    {checkingId, -11, hilltopGas, fillUp, -4250, transportation, gasFuel, nullptr, Status::C},
    {checkingId, -8, greenleafMarket, weeklyGroceries, -11540, nullptr, groceries, nullptr, Status::U},
    {checkingId, -6, brightpathInc, biweeklyPaycheck, 285000, nullptr, salaryWages, nullptr, Status::U},
    {checkingId, -5, ridgelinePharmacy, prescriptions, -3520, nullptr, medicalExpenses, nullptr, Status::U},
    {checkingId, -4, hilltopGas, fillUp, -4680, transportation, gasFuel, nullptr, Status::U},
    {checkingId, -2, greenleafMarket, weeklyGroceries, -9475, nullptr, groceries, nullptr, Status::U},
    {checkingId, -1, maplewoodDiner, coffeePastry, -1285, nullptr, diningRestaurants, nullptr, Status::U},
    {checkingId, 0, transferToSavings, monthlySavings, -50000, nullptr, nullptr, nullptr, Status::U, &savingsId},
    {savingsId, -45, riverbendCreditUnion, interestPayment, 820, nullptr, interestIncome, nullptr, Status::C},
    {savingsId, -15, riverbendCreditUnion, interestPayment, 875, nullptr, interestIncome, nullptr, Status::C},
    {visaId, -55, dashDelivery, foodDelivery, -3275, nullptr, diningRestaurants, nullptr, Status::C},
    {visaId, -50, gadgetWorld, phoneCase, -2999, shopping, electronics, nullptr, Status::C},
    {visaId, -45, cloudwatchPlus, cloudStoragePlan, -999, nullptr, subscriptions, nullptr, Status::C},
    {visaId, -40, dashDelivery, foodDelivery, -2850, nullptr, diningRestaurants, nullptr, Status::C},
    {visaId, -35, paymentThankYou, creditCardPayment, 10123, nullptr, nullptr, nullptr, Status::C},
    {visaId, -30, stellarCoffee, coffeeBeans, -1895, nullptr, groceries, nullptr, Status::C},
    {visaId, -25, booknestOnline, programmingBooks, -4599, nullptr, educationExpenses, nullptr, Status::C},
    {visaId, -20, dashDelivery, foodDelivery, -2650, nullptr, diningRestaurants, nullptr, Status::U},
    {visaId, -15, paymentThankYou, creditCardPayment, 12993, nullptr, nullptr, nullptr, Status::U},
    {visaId, -10, techvault, usbHub, -3499, shopping, electronics, nullptr, Status::U},
    {visaId, -5, dashDelivery, foodDelivery, -3190, nullptr, diningRestaurants, nullptr, Status::U},
    {visaId, -2, cloudwatchPlus, cloudStoragePlan, -999, nullptr, subscriptions, nullptr, Status::U},
};

struct SampleTemplate
{
    const char* payee;
    const char* memo;
    qint64 amount;
    const char* parentCategory;
    const char* category;
    Frequency frequency;
    int nextDueDay;
    // A rule named as a transfer posts both legs, like the rows it stands for.
    const QString* transferTo = nullptr;
};

const std::array<SampleTemplate, 3> sampleTemplates = {{
    {pinecrestApartments, monthlyRent, -145000, housing, rentMortgagePayment, Frequency::Monthly, 1},
    {brightpathInc, biweeklyPaycheck, 285000, nullptr, salaryWages, Frequency::Biweekly, 8},
    {transferToSavings, monthlySavings, -50000, nullptr, nullptr, Frequency::Monthly, 1, &savingsId},
}};

// "sample-<kind>-<8 characters of a new UUID>".
QString sampleId(const QString& kind)
{
    return QStringLiteral("sample-%1-%2").arg(kind, newId().left(8));
}

QString translated(const char* text)
{
    return SampleDataService::tr(text);
}

TransactionEntry entryFor(const SampleTransaction& row, const QDate& today, const QString& categoryId)
{
    TransactionEntry entry;
    entry.date = today.addDays(row.day);
    entry.payee = translated(row.payee);
    entry.memo = translated(row.memo);
    entry.amount = row.amount;
    entry.categoryId = categoryId;
    entry.checkNumber = row.checkNumber ? QString::fromLatin1(row.checkNumber) : QString();
    entry.cleared = row.status != Status::U;
    entry.reconciled = row.status == Status::R;
    entry.transferAccountId = row.transferTo ? *row.transferTo : QString();
    return entry;
}

} // namespace

SampleDataService::SampleDataService(Database* database, SampleDataRepository* sampleRows,
    CategoryRepository* categories, AccountService* accountService, TransactionService* transactionService,
    RecurringService* recurringService, QObject* parent)
    : QObject(parent)
    , m_database(database)
    , m_sampleRows(sampleRows)
    , m_categories(categories)
    , m_accountService(accountService)
    , m_transactionService(transactionService)
    , m_recurringService(recurringService)
{
}

bool SampleDataService::hasSampleData()
{
    return m_sampleRows->hasSampleData();
}

WriteOutcome SampleDataService::load()
{
    return writeInTransaction(m_database, [this] {
        if (m_sampleRows->hasSampleData())
            return WriteOutcome::refused(tr("Sample data is already loaded."));
        return writeDataSet();
    });
}

WriteOutcome SampleDataService::writeDataSet()
{
    buildCategoryLookup();
    const QDate today = Clock::today();
    for (const auto& step : {&SampleDataService::createAccounts, &SampleDataService::createTransactions,
             &SampleDataService::createTemplates}) {
        if (WriteOutcome outcome = (this->*step)(today); !outcome.ok())
            return outcome;
    }
    return WriteOutcome::done();
}

WriteOutcome SampleDataService::clear()
{
    return writeInTransaction(m_database, [this] {
        if (!m_sampleRows->hasSampleData())
            return WriteOutcome::refused(tr("No sample data to clear."));
        const int userRows = m_sampleRows->userRowsTiedToSampleAccounts();
        if (userRows < 0)
            return storageFailure(m_database);
        if (userRows > 0)
            return WriteOutcome::refused(
                tr("The sample data was left in place: %n of your own entries (transactions, recurring transactions "
                   "or reconciliations, including deleted ones) are in the sample accounts or transfer to them. "
                   "Removing the sample accounts would take them along.",
                    nullptr, userRows));
        if (!m_sampleRows->deleteSampleRows())
            return storageFailure(m_database);
        return WriteOutcome::done();
    });
}

void SampleDataService::buildCategoryLookup()
{
    m_categoryIds.clear();
    const QList<Category> live = m_categories->all();
    QHash<QString, QString> namesById;
    for (const Category& category : live)
        namesById.insert(category.id, category.name);
    const auto add = [this](const QString& key, const QString& id) {
        if (!m_categoryIds.contains(key))
            m_categoryIds.insert(key, id);
    };
    for (const Category& category : live) {
        add(category.name, category.id);
        if (namesById.contains(category.parentId))
            add(QStringLiteral("%1/%2").arg(namesById.value(category.parentId), category.name), category.id);
    }
}

QString SampleDataService::categoryId(const char* parent, const char* name) const
{
    if (!name)
        return QString();
    const QString key = parent ? QStringLiteral("%1/%2").arg(tr(parent), tr(name)) : tr(name);
    return m_categoryIds.value(key);
}

WriteOutcome SampleDataService::createAccounts(const QDate& today)
{
    for (const SampleAccount& sample : sampleAccounts) {
        Account account;
        account.id = sample.id;
        account.name = tr(sample.name);
        account.type = sample.type;
        account.institution = tr(sample.institution);
        account.accountNumberLast4 = QString::fromLatin1(sample.last4);
        account.createdAt = Clock::nowUtc();
        account.updatedAt = account.createdAt;
        if (WriteOutcome created = m_accountService->create(account, today); !created.ok())
            return created;
        if (sample.startingBalance == 0)
            continue;
        // Written here rather than by the account service, so that the
        // opening row carries the sample prefix and leaves with the rest.
        Transaction opening
            = AccountCreation::openingBalanceTransaction(account, sample.startingBalance, today.addDays(firstDay));
        opening.id = sampleId(QStringLiteral("open"));
        if (WriteOutcome inserted = m_transactionService->insert(opening); !inserted.ok())
            return inserted;
    }
    return WriteOutcome::done();
}

WriteOutcome SampleDataService::createTransactions(const QDate& today)
{
    for (const SampleAccount& account : sampleAccounts) {
        QList<PlannedTransaction> planned;
        for (const SampleTransaction& row : sampleTransactions) {
            if (row.accountId != account.id)
                continue;
            const bool transfer = row.transferTo != nullptr;
            const QString kind = transfer ? QStringLiteral("xfer") : QStringLiteral("txn");
            planned.append({entryFor(row, today, categoryId(row.parentCategory, row.category)),
                {sampleId(kind), transfer ? sampleId(kind) : QString()}});
        }
        if (WriteOutcome outcome = m_transactionService->createAll(account.id, planned); !outcome.ok())
            return outcome;
    }
    return WriteOutcome::done();
}

WriteOutcome SampleDataService::createTemplates(const QDate& today)
{
    const QDateTime now = Clock::nowUtc();
    for (const SampleTemplate& sample : sampleTemplates) {
        RecurringTransaction rule;
        rule.id = sampleId(QStringLiteral("recur"));
        rule.accountId = checkingId;
        rule.payee = tr(sample.payee);
        rule.memo = tr(sample.memo);
        rule.amount = sample.amount;
        rule.categoryId = categoryId(sample.parentCategory, sample.category);
        rule.frequency = sample.frequency;
        rule.startDate = today.addDays(firstDay);
        rule.nextDueDate = today.addDays(sample.nextDueDay);
        rule.transferDestAccountId = sample.transferTo ? *sample.transferTo : QString();
        rule.createdAt = now;
        rule.updatedAt = now;
        if (WriteOutcome added = m_recurringService->add(rule); !added.ok())
            return added;
    }
    return WriteOutcome::done();
}
