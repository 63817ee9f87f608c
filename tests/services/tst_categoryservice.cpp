#include "services/categoryservice.h"
#include "storage/categoryrepository.h"
#include "storage/clock.h"
#include "support/testdatabase.h"

#include <QHash>
#include <QUuid>
#include <QtTest>

namespace {

const QDateTime seedTime(QDate(2024, 3, 9), QTime(14, 30, 5), Qt::UTC);

// The id every device must give the default category with this key: the
// version 5 UUID in the DNS namespace, worked out here independently of the
// program's own helper.
QString nameBasedId(const QString& key)
{
    const QUuid dns(QStringLiteral("{6ba7b810-9dad-11d1-80b4-00c04fd430c8}"));
    return QUuid::createUuidV5(dns, key.toUtf8()).toString(QUuid::WithoutBraces);
}

QHash<QString, Category> categoriesById(CategoryRepository& repository)
{
    QHash<QString, Category> byId;
    for (const Category& category : repository.all())
        byId.insert(category.id, category);
    return byId;
}

} // namespace

class CategoryServiceTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void seedsDefaultTreeOnlyOnce();
    void seedsCompleteDefaultTree();
    void keepsBothMaintenanceCategoriesApart();
    void leavesUserCategoriesAlone();
    void seedsAgainWhenEveryCategoryIsDeleted();
    void seedsInInterfaceLanguage();

private:
    std::unique_ptr<TestDatabase> m_testDatabase;
    std::unique_ptr<CategoryRepository> m_categories;
    std::unique_ptr<CategoryService> m_service;
};

void CategoryServiceTest::init()
{
    Clock::setFixedNow(seedTime);
    m_testDatabase = std::make_unique<TestDatabase>();
    m_categories = std::make_unique<CategoryRepository>(m_testDatabase->database());
    m_service = std::make_unique<CategoryService>(m_categories.get());
}

void CategoryServiceTest::cleanup()
{
    m_service.reset();
    m_categories.reset();
    m_testDatabase.reset();
    Clock::reset();
}

void CategoryServiceTest::seedsDefaultTreeOnlyOnce()
{
    QSignalSpy changed(m_categories.get(), &CategoryRepository::categoriesChanged);
    m_service->ensureDefaultCategories();
    QCOMPARE(m_categories->count(), 56);
    QCOMPARE(changed.count(), 56);

    changed.clear();
    m_service->ensureDefaultCategories();
    QCOMPARE(m_categories->count(), 56);
    QCOMPARE(changed.count(), 0);
}

void CategoryServiceTest::seedsCompleteDefaultTree()
{
    m_service->ensureDefaultCategories();
    const QHash<QString, Category> byId = categoriesById(*m_categories);
    QCOMPARE(byId.size(), 56);

    int topLevel = 0;
    int income = 0;
    int taxRelevant = 0;
    for (const Category& category : byId) {
        QVERIFY2(category.isDefault, qPrintable(category.name));
        QCOMPARE(category.version, 1);
        QCOMPARE(category.syncStatus, SyncStatus::Pending);
        QCOMPARE(category.createdAt, seedTime);
        QCOMPARE(category.updatedAt, seedTime);
        QVERIFY(!category.deletedAt);
        QVERIFY(category.icon.isEmpty() && category.color.isEmpty() && category.accountId.isEmpty());
        QVERIFY(category.serverId.isEmpty());
        QVERIFY(category.type != CategoryType::Transfer);
        QCOMPARE(category.taxCategory.isEmpty(), !category.isTaxRelevant);

        // Every id is the name-based id of the row's own key, and every
        // parent is a top-level default category.
        QString parentName;
        if (!category.parentId.isEmpty()) {
            QVERIFY2(byId.contains(category.parentId), qPrintable(category.name));
            const Category& parent = byId.value(category.parentId);
            QVERIFY(parent.parentId.isEmpty());
            QCOMPARE(parent.type, category.type);
            parentName = parent.name;
        }
        const QString key = QStringLiteral("%1:%2:%3").arg(toStoredText(category.type), parentName, category.name);
        QCOMPARE(category.id, nameBasedId(key));

        topLevel += category.parentId.isEmpty() ? 1 : 0;
        income += category.type == CategoryType::Income ? 1 : 0;
        taxRelevant += category.isTaxRelevant ? 1 : 0;
    }
    QCOMPARE(topLevel, 29);
    QCOMPARE(income, 8);
    QCOMPARE(taxRelevant, 12);
}

void CategoryServiceTest::keepsBothMaintenanceCategoriesApart()
{
    m_service->ensureDefaultCategories();
    QStringList parents;
    QStringList ids;
    for (const Category& category : m_categories->all()) {
        if (category.name != QLatin1String("Maintenance"))
            continue;
        ids.append(category.id);
        parents.append(m_categories->byId(category.parentId).value_or(Category()).name);
    }
    parents.sort();
    QCOMPARE(parents, QStringList({QStringLiteral("Housing"), QStringLiteral("Transportation")}));
    QCOMPARE(ids.size(), 2);
    QVERIFY(ids.at(0) != ids.at(1));
    QVERIFY(ids.contains(nameBasedId(QStringLiteral("expense:Housing:Maintenance"))));
    QVERIFY(ids.contains(nameBasedId(QStringLiteral("expense:Transportation:Maintenance"))));
}

void CategoryServiceTest::leavesUserCategoriesAlone()
{
    Category own;
    own.id = QStringLiteral("0b7f3e2a-5d41-4c1e-9a77-3c2f1d0e9b88");
    own.name = QStringLiteral("Allotment");
    own.createdAt = seedTime;
    own.updatedAt = seedTime;
    QVERIFY(m_categories->insert(own));

    m_service->ensureDefaultCategories();
    QCOMPARE(m_categories->count(), 1);
    QCOMPARE(m_categories->all().constFirst().name, QStringLiteral("Allotment"));
}

void CategoryServiceTest::seedsAgainWhenEveryCategoryIsDeleted()
{
    m_service->ensureDefaultCategories();
    for (const Category& category : m_categories->all())
        QVERIFY(m_categories->softDelete(category.id));
    QCOMPARE(m_categories->count(), 0);

    // Seeding runs again; the deleted rows still hold the same ids, so every
    // insert is refused and logged, and the deletions stand.
    for (int i = 0; i < 56; ++i)
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("^CategoryRepository::insert failed: ")));
    m_service->ensureDefaultCategories();
    QCOMPARE(m_categories->count(), 0);
}

void CategoryServiceTest::seedsInInterfaceLanguage()
{
    QTranslator german;
    QVERIFY(german.load(QStringLiteral(":/i18n/checkbook_de.qm")));
    QVERIFY(QCoreApplication::installTranslator(&german));
    m_service->ensureDefaultCategories();
    QCoreApplication::removeTranslator(&german);

    QCOMPARE(m_categories->count(), 56);
    const std::optional<Category> groceries = m_categories->byId(nameBasedId(QStringLiteral("expense::Lebensmittel")));
    QVERIFY(groceries);
    QCOMPARE(groceries->name, QStringLiteral("Lebensmittel"));
    const std::optional<Category> homeOffice =
        m_categories->byId(nameBasedId(QStringLiteral("expense:Geschäftsausgaben:Heimbüro")));
    QVERIFY(homeOffice);
    QCOMPARE(m_categories->byId(homeOffice->parentId).value_or(Category()).name, QStringLiteral("Geschäftsausgaben"));
    QVERIFY(!m_categories->byName(QStringLiteral("Groceries")));
}

QTEST_GUILESS_MAIN(CategoryServiceTest)
#include "tst_categoryservice.moc"
