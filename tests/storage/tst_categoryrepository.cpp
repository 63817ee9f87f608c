#include "storage/categoryrepository.h"
#include "storage/clock.h"
#include "storage/database.h"
#include "support/storagetesting.h"
#include "support/testdatabase.h"

#include <QRegularExpression>
#include <QSignalSpy>
#include <QtTest>
#include <memory>

class CategoryRepositoryTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void roundTripsEveryField();
    void storesEmptyParentAndAccountAsNull();
    void readsUnknownStoredTextsAsTheFallbacks();
    void countsAndListsOnlyLiveCategories();
    void softDeleteChangesOnlyThatRow();
    void reviveBringsBackDeletedRowAsGiven();
    void resyncMarksOnlyLiveRowsThatAreNotPending();

private:
    std::unique_ptr<TestDatabase> m_test;
    std::unique_ptr<CategoryRepository> m_categories;
    Database* database() const { return m_test->database(); }
};

void CategoryRepositoryTest::init()
{
    QTest::failOnWarning(QRegularExpression(QStringLiteral(".*")));
    m_test = std::make_unique<TestDatabase>();
    m_categories = std::make_unique<CategoryRepository>(m_test->database());
}

void CategoryRepositoryTest::cleanup()
{
    m_categories.reset();
    m_test.reset();
    Clock::reset();
}

void CategoryRepositoryTest::roundTripsEveryField()
{
    QVERIFY(m_categories->insert(makeCategory(QStringLiteral("parent"), QStringLiteral("Household"))));
    Category category;
    category.id = QStringLiteral("child");
    category.name = QStringLiteral("Électricité");
    category.type = CategoryType::Income;
    category.parentId = QStringLiteral("parent");
    category.isTaxRelevant = true;
    category.taxCategory = QStringLiteral("Schedule C");
    category.icon = QStringLiteral("bolt");
    category.color = QStringLiteral("#FFA726");
    category.isDefault = true;
    category.accountId = QStringLiteral("some-account");
    category.version = 3;
    category.syncStatus = SyncStatus::Conflict;
    category.serverId = QStringLiteral("srv-c");
    category.createdAt = utc(QStringLiteral("2024-02-02T02:02:02Z"));
    category.updatedAt = utc(QStringLiteral("2024-03-03T03:03:03Z"));
    Category update = category;
    update.name = QStringLiteral("Power");
    update.type = CategoryType::Transfer;
    update.isTaxRelevant = false;
    update.isDefault = false;
    update.version = 4;
    update.updatedAt = utc(QStringLiteral("2024-04-04T04:04:04Z"));
    QSignalSpy changed(m_categories.get(), &CategoryRepository::categoriesChanged);

    verifyRoundTrip(*m_categories, changed, category, update);
}

void CategoryRepositoryTest::storesEmptyParentAndAccountAsNull()
{
    QVERIFY(m_categories->insert(makeCategory(QStringLiteral("parent"), QStringLiteral("Auto"))));
    QVERIFY(m_categories->insert(makeCategory(QStringLiteral("top"), QStringLiteral("Fuel"))));
    const QVariantList id{QStringLiteral("top")};
    QVERIFY(scalar(database(), QStringLiteral("SELECT parent_id IS NULL AND account_id IS NULL FROM categories WHERE id = ?"), id).toBool());
    std::optional<Category> stored = m_categories->byId(QStringLiteral("top"));
    QVERIFY(stored);
    QVERIFY(stored->parentId.isEmpty());
    QVERIFY(stored->accountId.isEmpty());

    Category moved = *stored;
    moved.parentId = QStringLiteral("parent");
    QVERIFY(m_categories->update(moved));
    QCOMPARE(m_categories->byId(QStringLiteral("top"))->parentId, QStringLiteral("parent"));
    moved.parentId.clear();
    QVERIFY(m_categories->update(moved));
    QVERIFY(scalar(database(), QStringLiteral("SELECT parent_id IS NULL AND account_id IS NULL FROM categories WHERE id = ?"), id).toBool());
}

void CategoryRepositoryTest::readsUnknownStoredTextsAsTheFallbacks()
{
    QVERIFY(execute(database(), QStringLiteral(
        "INSERT INTO categories (id, name, category_type, sync_status, created_at, updated_at) "
        "VALUES ('x', 'Odd', 'weird', 'weird', '2024-01-01T00:00:00Z', '2024-01-01T00:00:00Z')")));

    const std::optional<Category> stored = m_categories->byId(QStringLiteral("x"));
    QVERIFY(stored);
    QCOMPARE(stored->type, CategoryType::Expense);
    QCOMPARE(stored->syncStatus, SyncStatus::Pending);
}

void CategoryRepositoryTest::countsAndListsOnlyLiveCategories()
{
    QCOMPARE(m_categories->count(), 0);
    QVERIFY(m_categories->insert(makeCategory(QStringLiteral("1"), QStringLiteral("Utilities"))));
    QVERIFY(m_categories->insert(makeCategory(QStringLiteral("2"), QStringLiteral("Groceries"))));
    QVERIFY(m_categories->insert(makeCategory(QStringLiteral("3"), QStringLiteral("Dining"))));
    QVERIFY(m_categories->softDelete(QStringLiteral("3")));

    QCOMPARE(m_categories->count(), 2);
    QCOMPARE(names(m_categories->all()), (QStringList{QStringLiteral("Groceries"), QStringLiteral("Utilities")}));
    QCOMPARE(m_categories->pending().size(), 3);

    // With every category deleted the count is 0, so the defaults are seeded again.
    QVERIFY(m_categories->softDelete(QStringLiteral("1")));
    QVERIFY(m_categories->softDelete(QStringLiteral("2")));
    QCOMPARE(m_categories->count(), 0);
    QVERIFY(m_categories->all().isEmpty());
}

void CategoryRepositoryTest::softDeleteChangesOnlyThatRow()
{
    Category parent = makeCategory(QStringLiteral("parent"), QStringLiteral("Auto"));
    parent.syncStatus = SyncStatus::Synced;
    QVERIFY(m_categories->insert(parent));
    QVERIFY(m_categories->insert(makeCategory(QStringLiteral("child"), QStringLiteral("Fuel"), QStringLiteral("parent"))));
    QSignalSpy changed(m_categories.get(), &CategoryRepository::categoriesChanged);
    const QDateTime now = utc(QStringLiteral("2024-10-10T10:10:10Z"));
    Clock::setFixedNow(now);

    QVERIFY(m_categories->softDelete(QStringLiteral("parent")));

    QCOMPARE(changed.count(), 1);
    const std::optional<Category> deleted = m_categories->byId(QStringLiteral("parent"));
    QVERIFY(deleted);
    QCOMPARE(deleted->deletedAt, std::optional<QDateTime>(now));
    QCOMPARE(deleted->updatedAt, now);
    QCOMPARE(deleted->syncStatus, SyncStatus::Pending);
    const std::optional<Category> child = m_categories->byId(QStringLiteral("child"));
    QVERIFY(child);
    QVERIFY(!child->deletedAt);
    QCOMPARE(child->parentId, QStringLiteral("parent"));
}

void CategoryRepositoryTest::reviveBringsBackDeletedRowAsGiven()
{
    Category stored = makeCategory(QStringLiteral("groceries"), QStringLiteral("Food"), QStringLiteral("parent"));
    stored.icon = QStringLiteral("cart");
    stored.version = 3;
    stored.syncStatus = SyncStatus::Synced;
    stored.serverId = QStringLiteral("server-9");
    QVERIFY(m_categories->insert(makeCategory(QStringLiteral("parent"), QStringLiteral("Household"))));
    QVERIFY(m_categories->insert(stored));
    QVERIFY(m_categories->softDelete(stored.id));
    QSignalSpy changed(m_categories.get(), &CategoryRepository::categoriesChanged);

    Category wanted = makeCategory(stored.id, QStringLiteral("Groceries"));
    wanted.type = CategoryType::Income;
    wanted.isTaxRelevant = true;
    wanted.taxCategory = QStringLiteral("schedule_c");
    wanted.isDefault = true;
    wanted.updatedAt = utc(QStringLiteral("2024-11-11T11:11:11Z"));
    QVERIFY(m_categories->revive(wanted));

    QCOMPARE(changed.count(), 1);
    // Live and pending with the given fields; what a default does not fix
    // (icon, version, server id, creation) stays the row's own.
    Category expected = wanted;
    expected.icon = stored.icon;
    expected.version = stored.version;
    expected.serverId = stored.serverId;
    expected.createdAt = stored.createdAt;
    QVERIFY(sameRecord(m_categories->byId(stored.id), expected));

    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("^CategoryRepository::revive failed: ")));
    QVERIFY(!m_categories->revive(makeCategory(QStringLiteral("never-stored"), QStringLiteral("Pets"))));
    QCOMPARE(m_categories->count(), 2);
}

void CategoryRepositoryTest::resyncMarksOnlyLiveRowsThatAreNotPending()
{
    QSignalSpy changed(m_categories.get(), &CategoryRepository::categoriesChanged);
    verifyResync(
        *m_categories, changed, [](const QString& id) { return makeCategory(id, id); },
        [this](const QString& id) { return m_categories->softDelete(id); });
}

QTEST_GUILESS_MAIN(CategoryRepositoryTest)
#include "tst_categoryrepository.moc"
