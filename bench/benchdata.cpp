#include "benchdata.h"

#include "storage/account.h"
#include "storage/accountrepository.h"
#include "storage/category.h"
#include "storage/categoryrepository.h"
#include "storage/database.h"
#include "storage/identifiers.h"
#include "storage/storedtime.h"

#include <QDebug>
#include <QRandomGenerator>
#include <QSqlError>
#include <QSqlQuery>
#include <array>

namespace {

// A fixed seed keeps every run measuring the same data.
constexpr quint32 randomSeed = 20240601;

const QDateTime firstCreatedAt(QDate(2015, 1, 1), QTime(8, 0), Qt::UTC);
const QDate firstDate(2015, 1, 1);
constexpr int daysSpanned = 3653;
constexpr int secondsBetweenEntries = 2100;
const QDate clearedBefore(2024, 11, 1);
const QDate reconciledBefore(2024, 6, 1);

// Twenty places times ten kinds of business make two hundred payees; every
// kind word, such as "Pharmacy", appears in a tenth of them.
constexpr std::array<const char*, 20> payeePlaces{"Maple", "Harbor", "Summit", "Cedar", "Riverside", "Oakridge",
    "Lakeview", "Northgate", "Bluebird", "Granite", "Willow", "Pinecrest", "Meadow", "Ironwood", "Silverline",
    "Brookside", "Redwood", "Highland", "Sunset", "Foxglen"};
constexpr std::array<const char*, 10> payeeKinds{"Grocery", "Pharmacy", "Hardware", "Coffee House", "Auto Repair",
    "Dental Care", "Bookstore", "Fitness Club", "Pizzeria", "Electric Co-op"};
const char* const searchWord = "Pharmacy";

constexpr std::array<const char*, 14> memos{"", "", "", "", "weekly shop", "monthly bill", "gift for Sam",
    "reimbursable", "split with roommate", "card ending 4421", "autopay", "online order", "refund expected",
    "school supplies"};

constexpr std::array<const char*, 8> categoryNames{"Groceries", "Dining", "Fuel", "Utilities", "Rent", "Health",
    "Entertainment", "Salary"};

QStringList payeeNames()
{
    QStringList names;
    for (const char* place : payeePlaces) {
        for (const char* kind : payeeKinds)
            names.append(QStringLiteral("%1 %2").arg(QLatin1String(place), QLatin1String(kind)));
    }
    return names;
}

// Four rows of every six go to the large account, one to each of the others.
int accountIndexForRow(int row)
{
    const int slot = row % 6;
    return slot < 4 ? 0 : slot - 3;
}

QStringList insertAccounts(Database* database)
{
    struct Seed
    {
        const char* name;
        AccountType type;
        qint64 startingBalance;
    };
    const std::array<Seed, 3> seeds{{
        {"Everyday Checking", AccountType::Checking, 250000},
        {"Rainy Day Savings", AccountType::Savings, 1500000},
        {"Travel Card", AccountType::CreditCard, 0},
    }};
    AccountRepository accounts(database);
    QStringList ids;
    int sortOrder = 0;
    for (const Seed& seed : seeds) {
        Account account;
        account.id = newId();
        account.name = QString::fromLatin1(seed.name);
        account.type = seed.type;
        account.startingBalance = seed.startingBalance;
        account.sortOrder = sortOrder++;
        account.createdAt = firstCreatedAt;
        account.updatedAt = firstCreatedAt;
        if (!accounts.insert(account))
            return {};
        ids.append(account.id);
    }
    return ids;
}

QStringList insertCategories(Database* database)
{
    CategoryRepository categories(database);
    QStringList ids;
    for (const char* name : categoryNames) {
        Category category;
        category.id = newId();
        category.name = QString::fromLatin1(name);
        category.type = category.name == QLatin1String("Salary") ? CategoryType::Income : CategoryType::Expense;
        category.createdAt = firstCreatedAt;
        category.updatedAt = firstCreatedAt;
        if (!categories.insert(category))
            return {};
        ids.append(category.id);
    }
    return ids;
}

// Binds one realistic register entry to the prepared insert: mostly
// payments, some deposits, three in four categorised, older rows cleared
// and reconciled, most rows already synced.
void bindTransaction(QSqlQuery& insert, int row, const QStringList& accountIds, const QStringList& categoryIds,
    const QStringList& payees, QRandomGenerator& random, int& nextCheckNumber)
{
    const int accountIndex = accountIndexForRow(row);
    const QDate date = firstDate.addDays(random.bounded(daysSpanned));
    const bool deposit = random.bounded(100) < 15;
    const qint64 amount = deposit ? random.bounded(50000, 400000) : -random.bounded(300, 25000);
    const QString categoryId = random.bounded(4) == 0 ? QString()
        : deposit ? categoryIds.last()
                  : categoryIds.at(random.bounded(categoryIds.size() - 1));
    const bool writesCheck = accountIndex == 0 && !deposit && random.bounded(25) == 0;
    const bool synced = random.bounded(100) < 85;
    const QString createdAt = timeToText(firstCreatedAt.addSecs(qint64(row) * secondsBetweenEntries));

    int column = 0;
    const auto bind = [&](const QVariant& value) { insert.bindValue(column++, value); };
    bind(newId());
    bind(accountIds.at(accountIndex));
    bind(dateToText(date));
    bind(payees.at(random.bounded(payees.size())));
    bind(QString::fromLatin1(memos.at(random.bounded(int(memos.size())))));
    bind(amount);
    bind(categoryId.isEmpty() ? QVariant() : QVariant(categoryId));
    bind(writesCheck ? QString::number(nextCheckNumber++) : QString(QLatin1String("")));
    bind(date < clearedBefore || random.bounded(2) == 0 ? 1 : 0);
    bind(date < reconciledBefore ? 1 : 0);
    bind(QString(QLatin1String("")));
    bind(QString(QLatin1String("")));
    bind(0);
    bind(QString(QLatin1String("")));
    bind(random.bounded(10) == 0 ? 2 : 1);
    bind(synced ? QStringLiteral("synced") : QStringLiteral("pending"));
    bind(synced ? newId() : QString(QLatin1String("")));
    bind(createdAt);
    bind(createdAt);
}

bool insertTransactions(Database* database, int count, const QStringList& accountIds, const QStringList& categoryIds)
{
    const QStringList payees = payeeNames();
    QRandomGenerator random(randomSeed);
    int nextCheckNumber = 1001;

    QSqlDatabase& connection = database->database();
    connection.transaction();
    QSqlQuery insert(connection);
    insert.prepare(QStringLiteral(
        "INSERT INTO transactions (id, account_id, date, payee, memo, amount, category_id, check_number, cleared, "
        "reconciled, transfer_link_id, transfer_dest_account_id, is_split, recurring_id, version, sync_status, "
        "server_id, created_at, updated_at) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"));
    for (int row = 0; row < count; ++row) {
        bindTransaction(insert, row, accountIds, categoryIds, payees, random, nextCheckNumber);
        if (!insert.exec()) {
            qWarning().noquote() << "storage_bench: insert failed:" << insert.lastError().text();
            insert.finish();
            connection.rollback();
            return false;
        }
    }
    insert.finish();
    return connection.commit();
}

} // namespace

BenchData generateBenchData(Database* database, const BenchDataPlan& plan)
{
    const QStringList accountIds = insertAccounts(database);
    const QStringList categoryIds = insertCategories(database);
    if (accountIds.isEmpty() || categoryIds.isEmpty())
        return {};
    if (!insertTransactions(database, plan.transactionCount, accountIds, categoryIds))
        return {};

    BenchData data;
    data.largeAccountId = accountIds.first();
    data.accountIds = accountIds;
    data.searchWord = QLatin1String(searchWord);
    for (int row = 0; row < plan.transactionCount; ++row) {
        if (accountIndexForRow(row) == 0)
            ++data.largeAccountRows;
    }
    return data;
}
