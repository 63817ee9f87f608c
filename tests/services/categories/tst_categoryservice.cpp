#include "services/categories/categoryservice.h"
#include "storage/categoryrepository.h"
#include "storage/clock.h"
#include "support/storagetesting.h"
#include "support/testdatabase.h"

#include <QHash>
#include <QTranslator>
#include <QtTest>

namespace {

const QDateTime seedTime(QDate(2024, 3, 9), QTime(14, 30, 5), Qt::UTC);

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
    void init()
    {
        Clock::setFixedNow(seedTime);
        m_testDatabase = std::make_unique<TestDatabase>();
        m_categories = std::make_unique<CategoryRepository>(m_testDatabase->database());
        m_service = std::make_unique<CategoryService>(m_testDatabase->database(), m_categories.get());
    }
    void cleanup()
    {
        m_service.reset(), m_categories.reset(), m_testDatabase.reset();
        Clock::reset();
    }
    // Every default is marked so, tax-relevant exactly when it has a tax
    // code, and stamped with the seeding time; a child sits under its parent.
    void seedsTheDefaultTree()
    {
        m_service->ensureDefaultCategories();
        QCOMPARE(m_categories->count(), 56);
        for (const Category& category : m_categories->all()) {
            QVERIFY(category.isDefault);
            QCOMPARE(category.isTaxRelevant, !category.taxCategory.isEmpty());
            QCOMPARE(category.createdAt, seedTime);
        }
        const std::optional<Category> homeOffice = m_categories->byName(QStringLiteral("Home Office"));
        QCOMPARE(homeOffice->taxCategory, QStringLiteral("home_office"));
        QCOMPARE(m_categories->byId(homeOffice->parentId)->name, QStringLiteral("Business Expenses"));
        QCOMPARE(m_categories->byName(QStringLiteral("Interest Income"))->type, CategoryType::Income);
        // A second start adds nothing and announces nothing.
        QSignalSpy changed(m_categories.get(), &CategoryRepository::categoriesChanged);
        m_service->ensureDefaultCategories();
        QCOMPARE(m_categories->count(), 56);
        QCOMPARE(changed.count(), 0);
        // Ids are name based, the same on every device: ids already stored
        // elsewhere must never change.
        QCOMPARE(m_categories->byName(QStringLiteral("Groceries"))->id, QStringLiteral("f80ec558-0a5d-59fd-bb97-1216bc91c991"));
    }
    void leavesUserCategoriesAlone()
    {
        QVERIFY(m_categories->insert(makeCategory(QStringLiteral("0b7f3e2a-5d41-4c1e-9a77-3c2f1d0e9b88"), QStringLiteral("Allotment"))));
        m_service->ensureDefaultCategories();
        QCOMPARE(m_categories->count(), 1);
        QCOMPARE(m_categories->all().constFirst().name, QStringLiteral("Allotment"));
    }
    void revivesDeletedDefaultsAtNextSeeding()
    {
        m_service->ensureDefaultCategories();
        const QHash<QString, Category> seeded = categoriesById(*m_categories);
        // The user renamed one default and moved another, and both had been
        // uploaded, before deleting everything.
        Category groceries = m_categories->byName(QStringLiteral("Groceries")).value();
        groceries.name = QStringLiteral("Food");
        groceries.parentId = m_categories->byName(QStringLiteral("Housing")).value().id;
        QVERIFY(m_categories->update(groceries));
        QVERIFY(m_categories->markSynced(groceries.id, QStringLiteral("server-7")));
        for (const Category& category : seeded)
            QVERIFY(m_categories->softDelete(category.id));

        const QDateTime nextStart = seedTime.addDays(40);
        Clock::setFixedNow(nextStart);
        m_service->ensureDefaultCategories();

        const QHash<QString, Category> revived = categoriesById(*m_categories);
        QCOMPARE(revived.size(), 56);
        QCOMPARE(scalar(m_testDatabase->database(), QStringLiteral("SELECT COUNT(*) FROM categories")).toInt(), 56);
        for (const Category& before : seeded) {
            const Category after = revived.value(before.id);
            QCOMPARE(after.name + after.parentId, before.name + before.parentId);
            QCOMPARE(after.syncStatus, SyncStatus::Pending);
            QCOMPARE(after.updatedAt, nextStart);
        }
        QCOMPARE(revived.value(groceries.id).serverId, QStringLiteral("server-7"));
    }
    // The tree is written in one transaction, so a write that fails part
    // way, like a start killed part way, leaves no half tree behind.
    void writesNothingWhenOneRowFails_data()
    {
        QTest::addColumn<QString>("refused");
        QTest::newRow("a child") << QStringLiteral("Home Office");
        QTest::newRow("last row") << QStringLiteral("Other Income");
    }
    void writesNothingWhenOneRowFails()
    {
        QFETCH(QString, refused);
        Database* database = m_testDatabase->database();
        QVERIFY(execute(database,
            QStringLiteral("CREATE TRIGGER refuse_one BEFORE INSERT ON categories WHEN NEW.name = '%1' "
                           "BEGIN SELECT RAISE(ABORT, 'database or disk is full'); END")
                .arg(refused)));

        QSignalSpy changed(m_categories.get(), &CategoryRepository::categoriesChanged);
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("^CategoryRepository::insert failed: ")));
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("^CategoryService::ensureDefaultCategories failed")));
        m_service->ensureDefaultCategories();
        QCOMPARE(scalar(database, QStringLiteral("SELECT COUNT(*) FROM categories")).toInt(), 0);
        QCOMPARE(changed.count(), 0);

        // The next start seeds the whole tree.
        QVERIFY(execute(database, QStringLiteral("DROP TRIGGER refuse_one")));
        m_service->ensureDefaultCategories();
        QCOMPARE(m_categories->count(), 56);
    }
    void seedsInInterfaceLanguage()
    {
        QTranslator german;
        QVERIFY(german.load(QStringLiteral(":/i18n/checkbook_de.qm")));
        QVERIFY(QCoreApplication::installTranslator(&german));
        m_service->ensureDefaultCategories();
        QCoreApplication::removeTranslator(&german);

        QCOMPARE(m_categories->count(), 56);
        QVERIFY(m_categories->byName(QStringLiteral("Lebensmittel")) && m_categories->byName(QStringLiteral("Heimbüro")));
        QVERIFY(!m_categories->byName(QStringLiteral("Groceries")));
    }

private:
    std::unique_ptr<TestDatabase> m_testDatabase;
    std::unique_ptr<CategoryRepository> m_categories;
    std::unique_ptr<CategoryService> m_service;
};

QTEST_GUILESS_MAIN(CategoryServiceTest)
#include "tst_categoryservice.moc"
