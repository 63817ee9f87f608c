#include "services/categories/categoryservice.h"
#include "storage/categoryrepository.h"
#include "storage/clock.h"
#include "support/storagetesting.h"
#include "support/testdatabase.h"

#include <QHash>
#include <QProcess>
#include <QSet>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTranslator>
#include <QUuid>
#include <QtTest>
#include <cstdio>

namespace {

const QDateTime seedTime(QDate(2024, 3, 9), QTime(14, 30, 5), Qt::UTC);
const char seedStepByStepMode[] = "--seed-step-by-step";

// Child mode: seeds a fresh database, stopping before each name the seeding
// looks up and once more when it is done, until the parent answers on
// stdin. The parent kills it at one of these points.
class StepByStepTranslator : public QTranslator
{
public:
    static void step()
    {
        std::fputs("step\n", stdout);
        std::fflush(stdout);
        std::getchar();
    }

    QString translate(const char* context, const char* sourceText, const char* disambiguation, int n) const override
    {
        Q_UNUSED(sourceText);
        Q_UNUSED(disambiguation);
        Q_UNUSED(n);
        if (qstrcmp(context, "CategoryService") == 0)
            step();
        return QString();
    }
    bool isEmpty() const override { return false; }
};

int seedStepByStep(int argc, char** argv)
{
    QCoreApplication application(argc, argv);
    Database database;
    if (!database.open(QString::fromLocal8Bit(argv[2])) || !database.runMigrations())
        return 1;
    CategoryRepository categories(&database);
    CategoryService service(&database, &categories);
    StepByStepTranslator translator;
    QCoreApplication::installTranslator(&translator);
    service.ensureDefaultCategories();
    StepByStepTranslator::step();
    return 0;
}

// Every category row in the file at `path`, deleted or not, read over a
// connection of its own.
int storedCategoryRows(const QString& path)
{
    int rows = -1;
    {
        QSqlDatabase inspection = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("inspection"));
        inspection.setDatabaseName(path);
        QSqlQuery query(inspection);
        if (inspection.open() && query.exec(QStringLiteral("SELECT COUNT(*) FROM categories")) && query.next())
            rows = query.value(0).toInt();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("inspection"));
    return rows;
}

// Runs the seeding child on a fresh database and kills it at its
// `killAtStep`th stop. Returns false when it finished before that stop.
bool killSeedingAtStep(const QString& path, int killAtStep)
{
    QProcess child;
    child.start(QCoreApplication::applicationFilePath(), {QString::fromLatin1(seedStepByStepMode), path});
    for (int step = 1;; ++step) {
        while (!child.canReadLine()) {
            if (!child.waitForReadyRead(30000))
                return false;
        }
        child.readLine();
        if (step == killAtStep) {
            child.kill();
            return child.waitForFinished(30000);
        }
        child.write("\n");
    }
}

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
    void revivesDeletedDefaultsAtNextSeeding();
    void writesNothingWhenOneRowFails_data();
    void writesNothingWhenOneRowFails();
    void killedSeedingLeavesAllOrNothing();
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
    m_service = std::make_unique<CategoryService>(m_testDatabase->database(), m_categories.get());
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
    QCOMPARE(changed.count(), 1);

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

void CategoryServiceTest::revivesDeletedDefaultsAtNextSeeding()
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
        QCOMPARE(after.name, before.name);
        QCOMPARE(after.parentId, before.parentId);
        QCOMPARE(after.type, before.type);
        QCOMPARE(after.taxCategory, before.taxCategory);
        QCOMPARE(after.syncStatus, SyncStatus::Pending);
        QCOMPARE(after.updatedAt, nextStart);
        QCOMPARE(after.createdAt, seedTime);
    }
    QCOMPARE(revived.value(groceries.id).serverId, QStringLiteral("server-7"));
}

void CategoryServiceTest::writesNothingWhenOneRowFails_data()
{
    QTest::addColumn<QString>("refused");

    QTest::newRow("first row") << QStringLiteral("Charitable Donations");
    QTest::newRow("a child") << QStringLiteral("Home Office");
    QTest::newRow("last row") << QStringLiteral("Other Income");
}

void CategoryServiceTest::writesNothingWhenOneRowFails()
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

void CategoryServiceTest::killedSeedingLeavesAllOrNothing()
{
    QSet<int> outcomes;
    int step = 1;
    for (;; ++step) {
        QTemporaryDir dataDirectory;
        const QString path = dataDirectory.filePath(QStringLiteral("checkbook.db"));
        if (!killSeedingAtStep(path, step))
            break;
        const int rows = storedCategoryRows(path);
        QVERIFY2(rows == 0 || rows == 56, qPrintable(QStringLiteral("killed at step %1: %2 rows").arg(step).arg(rows)));
        outcomes.insert(rows);
    }
    // Killed before each of the 56 rows and their parents' look-ups, and
    // once after the commit.
    QVERIFY2(step > 56, qPrintable(QString::number(step)));
    QCOMPARE(outcomes, QSet<int>({0, 56}));
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

int main(int argc, char** argv)
{
    if (argc > 2 && qstrcmp(argv[1], seedStepByStepMode) == 0)
        return seedStepByStep(argc, argv);
    QCoreApplication application(argc, argv);
    CategoryServiceTest test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_categoryservice.moc"
