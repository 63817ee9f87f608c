#include "services/categories/categoryservice.h"

#include "storage/categoryrepository.h"
#include "storage/clock.h"
#include "storage/database.h"
#include "storage/identifiers.h"

#include <QHash>
#include <algorithm>
#include <array>

namespace {

struct DefaultCategory
{
    const char* name;
    CategoryType type;
    const char* parentName; // nullptr for a top-level category
    const char* taxCategory; // nullptr when not tax relevant
};

// Parents come before their children, so each parent id is known when a
// child needs it.
constexpr std::array<DefaultCategory, 56> defaultCategories{{
    {QT_TRANSLATE_NOOP("CategoryService", "Charitable Donations"), CategoryType::Expense, nullptr, "charitable_contributions"},
    {QT_TRANSLATE_NOOP("CategoryService", "Medical Expenses"), CategoryType::Expense, nullptr, "medical_dental"},
    {QT_TRANSLATE_NOOP("CategoryService", "Business Expenses"), CategoryType::Expense, nullptr, "business_expense"},
    {QT_TRANSLATE_NOOP("CategoryService", "Home Office"), CategoryType::Expense, "Business Expenses", "home_office"},
    {QT_TRANSLATE_NOOP("CategoryService", "Education Expenses"), CategoryType::Expense, nullptr, "education"},
    {QT_TRANSLATE_NOOP("CategoryService", "State & Local Taxes"), CategoryType::Expense, nullptr, "salt"},
    {QT_TRANSLATE_NOOP("CategoryService", "Mortgage Interest"), CategoryType::Expense, nullptr, "mortgage_interest"},
    {QT_TRANSLATE_NOOP("CategoryService", "Property Tax"), CategoryType::Expense, nullptr, "schedule_a_property_tax"},
    {QT_TRANSLATE_NOOP("CategoryService", "Housing"), CategoryType::Expense, nullptr, nullptr},
    {QT_TRANSLATE_NOOP("CategoryService", "Rent/Mortgage Payment"), CategoryType::Expense, "Housing", nullptr},
    {QT_TRANSLATE_NOOP("CategoryService", "Maintenance"), CategoryType::Expense, "Housing", nullptr},
    {QT_TRANSLATE_NOOP("CategoryService", "HOA"), CategoryType::Expense, "Housing", nullptr},
    {QT_TRANSLATE_NOOP("CategoryService", "Utilities"), CategoryType::Expense, nullptr, nullptr},
    {QT_TRANSLATE_NOOP("CategoryService", "Electric"), CategoryType::Expense, "Utilities", nullptr},
    {QT_TRANSLATE_NOOP("CategoryService", "Gas"), CategoryType::Expense, "Utilities", nullptr},
    {QT_TRANSLATE_NOOP("CategoryService", "Water"), CategoryType::Expense, "Utilities", nullptr},
    {QT_TRANSLATE_NOOP("CategoryService", "Internet"), CategoryType::Expense, "Utilities", nullptr},
    {QT_TRANSLATE_NOOP("CategoryService", "Phone"), CategoryType::Expense, "Utilities", nullptr},
    {QT_TRANSLATE_NOOP("CategoryService", "Transportation"), CategoryType::Expense, nullptr, nullptr},
    {QT_TRANSLATE_NOOP("CategoryService", "Gas/Fuel"), CategoryType::Expense, "Transportation", nullptr},
    {QT_TRANSLATE_NOOP("CategoryService", "Car Payment"), CategoryType::Expense, "Transportation", nullptr},
    {QT_TRANSLATE_NOOP("CategoryService", "Auto Insurance"), CategoryType::Expense, "Transportation", nullptr},
    {QT_TRANSLATE_NOOP("CategoryService", "Maintenance"), CategoryType::Expense, "Transportation", nullptr},
    {QT_TRANSLATE_NOOP("CategoryService", "Public Transit"), CategoryType::Expense, "Transportation", nullptr},
    {QT_TRANSLATE_NOOP("CategoryService", "Groceries"), CategoryType::Expense, nullptr, nullptr},
    {QT_TRANSLATE_NOOP("CategoryService", "Dining & Restaurants"), CategoryType::Expense, nullptr, nullptr},
    {QT_TRANSLATE_NOOP("CategoryService", "Personal Care"), CategoryType::Expense, nullptr, nullptr},
    {QT_TRANSLATE_NOOP("CategoryService", "Pets"), CategoryType::Expense, nullptr, nullptr},
    {QT_TRANSLATE_NOOP("CategoryService", "Subscriptions"), CategoryType::Expense, nullptr, nullptr},
    {QT_TRANSLATE_NOOP("CategoryService", "Gifts"), CategoryType::Expense, nullptr, nullptr},
    {QT_TRANSLATE_NOOP("CategoryService", "Miscellaneous"), CategoryType::Expense, nullptr, nullptr},
    {QT_TRANSLATE_NOOP("CategoryService", "Entertainment"), CategoryType::Expense, nullptr, nullptr},
    {QT_TRANSLATE_NOOP("CategoryService", "Streaming"), CategoryType::Expense, "Entertainment", nullptr},
    {QT_TRANSLATE_NOOP("CategoryService", "Movies"), CategoryType::Expense, "Entertainment", nullptr},
    {QT_TRANSLATE_NOOP("CategoryService", "Events"), CategoryType::Expense, "Entertainment", nullptr},
    {QT_TRANSLATE_NOOP("CategoryService", "Shopping"), CategoryType::Expense, nullptr, nullptr},
    {QT_TRANSLATE_NOOP("CategoryService", "Clothing"), CategoryType::Expense, "Shopping", nullptr},
    {QT_TRANSLATE_NOOP("CategoryService", "Electronics"), CategoryType::Expense, "Shopping", nullptr},
    {QT_TRANSLATE_NOOP("CategoryService", "Household"), CategoryType::Expense, "Shopping", nullptr},
    {QT_TRANSLATE_NOOP("CategoryService", "Insurance"), CategoryType::Expense, nullptr, nullptr},
    {QT_TRANSLATE_NOOP("CategoryService", "Health"), CategoryType::Expense, "Insurance", nullptr},
    {QT_TRANSLATE_NOOP("CategoryService", "Life"), CategoryType::Expense, "Insurance", nullptr},
    {QT_TRANSLATE_NOOP("CategoryService", "Home/Renters"), CategoryType::Expense, "Insurance", nullptr},
    {QT_TRANSLATE_NOOP("CategoryService", "Auto"), CategoryType::Expense, "Insurance", nullptr},
    {QT_TRANSLATE_NOOP("CategoryService", "Fees & Charges"), CategoryType::Expense, nullptr, nullptr},
    {QT_TRANSLATE_NOOP("CategoryService", "Bank Fees"), CategoryType::Expense, "Fees & Charges", nullptr},
    {QT_TRANSLATE_NOOP("CategoryService", "ATM Fees"), CategoryType::Expense, "Fees & Charges", nullptr},
    {QT_TRANSLATE_NOOP("CategoryService", "Late Fees"), CategoryType::Expense, "Fees & Charges", nullptr},
    {QT_TRANSLATE_NOOP("CategoryService", "Salary / Wages"), CategoryType::Income, nullptr, nullptr},
    {QT_TRANSLATE_NOOP("CategoryService", "Interest Income"), CategoryType::Income, nullptr, "interest_income"},
    {QT_TRANSLATE_NOOP("CategoryService", "Dividend Income"), CategoryType::Income, nullptr, "dividend_income"},
    {QT_TRANSLATE_NOOP("CategoryService", "Rental Income"), CategoryType::Income, nullptr, "rental_income"},
    {QT_TRANSLATE_NOOP("CategoryService", "Freelance / Consulting"), CategoryType::Income, nullptr, "self_employment"},
    {QT_TRANSLATE_NOOP("CategoryService", "Refunds"), CategoryType::Income, nullptr, nullptr},
    {QT_TRANSLATE_NOOP("CategoryService", "Gifts Received"), CategoryType::Income, nullptr, nullptr},
    {QT_TRANSLATE_NOOP("CategoryService", "Other Income"), CategoryType::Income, nullptr, nullptr},
}};

const Category* findCategory(const QList<Category>& categories, const QString& id)
{
    const auto found = std::find_if(categories.cbegin(), categories.cend(), [&](const Category& c) { return c.id == id; });
    return found == categories.cend() ? nullptr : &*found;
}

// The parent the tree shows: none when the stored parent was deleted.
const Category* shownParent(const Category& category, const QList<Category>& live)
{
    return category.parentId.isEmpty() ? nullptr : findCategory(live, category.parentId);
}

} // namespace

CategoryService::CategoryService(Database* database, CategoryRepository* categories, QObject* parent)
    : QObject(parent)
    , m_database(database)
    , m_categories(categories)
{
}

void CategoryService::ensureDefaultCategories()
{
    if (m_categories->count() != 0)
        return;
    // Half a tree would never be completed: once one category exists, no
    // later start seeds again.
    if (!m_database->inTransaction([this] { return seedDefaultCategories(); }))
        qWarning("CategoryService::ensureDefaultCategories failed: no default category was written");
}

bool CategoryService::seedDefaultCategories()
{
    // Parents are found by their translated name. "Maintenance" appears
    // twice, but it is never a parent, so the later entry replacing the
    // earlier one does no harm.
    QHash<QString, QString> idByName;
    const QDateTime now = Clock::nowUtc();
    for (const DefaultCategory& entry : defaultCategories) {
        const QString name = tr(entry.name);
        const QString parentName = entry.parentName ? tr(entry.parentName) : QString();
        const QString key = QStringLiteral("%1:%2:%3").arg(toStoredText(entry.type), parentName, name);

        Category category;
        category.id = defaultCategoryId(key);
        category.name = name;
        category.type = entry.type;
        category.parentId = parentName.isEmpty() ? QString() : idByName.value(parentName);
        category.isTaxRelevant = entry.taxCategory != nullptr;
        category.taxCategory = entry.taxCategory ? QString::fromLatin1(entry.taxCategory) : QString();
        category.isDefault = true;
        category.createdAt = now;
        category.updatedAt = now;
        if (!writeDefaultCategory(category))
            return false;
        idByName.insert(name, category.id);
    }
    return true;
}

bool CategoryService::writeDefaultCategory(const Category& category)
{
    // The ids are derived from the names, so a default the user deleted
    // still holds this id: it is brought back instead of inserted again.
    if (m_categories->byId(category.id))
        return m_categories->revive(category);
    return m_categories->insert(category);
}

WriteOutcome CategoryService::create(const QString& name, const QString& selectedId)
{
    const QList<Category> live = m_categories->all();
    Category category;
    category.name = name.trimmed();
    const Category* selected = findCategory(live, selectedId);
    if (selected && !shownParent(*selected, live)) {
        category.parentId = selected->id;
        // The screen changes only names, so a child of an income category
        // made as an expense could never become income.
        category.type = selected->type;
    }
    if (const WriteOutcome refusal = checkName(category, live); !refusal.ok())
        return refusal;
    category.id = newId();
    category.createdAt = category.updatedAt = Clock::nowUtc();
    if (!m_categories->insert(category))
        return storageFailure(m_database);
    return WriteOutcome::done(category.id);
}

WriteOutcome CategoryService::rename(const QString& id, const QString& name)
{
    const QList<Category> live = m_categories->all();
    const Category* stored = findCategory(live, id);
    if (!stored)
        return WriteOutcome::changedElsewhere(tr("This category has been deleted in the meantime."));
    Category renamed = *stored;
    renamed.name = name.trimmed();
    if (renamed.name == stored->name)
        return WriteOutcome::done(id);
    if (const WriteOutcome refusal = checkName(renamed, live); !refusal.ok())
        return refusal;
    renamed.version += 1;
    renamed.updatedAt = Clock::nowUtc();
    renamed.syncStatus = SyncStatus::Pending;
    if (!m_categories->update(renamed))
        return storageFailure(m_database);
    return WriteOutcome::done(id);
}

WriteOutcome CategoryService::remove(const QString& id)
{
    if (!m_categories->softDelete(id))
        return storageFailure(m_database);
    return WriteOutcome::done();
}

WriteOutcome CategoryService::checkName(const Category& category, const QList<Category>& live) const
{
    if (category.name.isEmpty())
        return WriteOutcome::refused(tr("Type a name for the category."));
    const Category* parent = shownParent(category, live);
    const bool taken = std::any_of(live.cbegin(), live.cend(), [&](const Category& other) {
        return other.id != category.id && shownParent(other, live) == parent
            && other.name.compare(category.name, Qt::CaseInsensitive) == 0;
    });
    if (!taken)
        return WriteOutcome::done();
    return WriteOutcome::refused(parent
            ? tr("\"%1\" already has a category named \"%2\".").arg(parent->name, category.name)
            : tr("There is already a top-level category named \"%1\".").arg(category.name));
}
