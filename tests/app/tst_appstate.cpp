#include "app/appstate.h"
#include "widgets/firstdayofweek.h"
#include "storage/categoryrepository.h"
#include "storage/database.h"
#include "storage/preferencesrepository.h"
#include "support/storagetesting.h"
#include "support/testdatabase.h"

#include <QtTest>

namespace {

// Writes a preference into the data directory's database the way an
// earlier session of the program would have left it.
void storePreference(const QString& key, const QString& value)
{
    Database database;
    QVERIFY(database.open(Database::databasePath()) && database.runMigrations());
    QVERIFY(PreferencesRepository(&database).set(key, value));
}

int schemaVersion(Database* database)
{
    return scalar(database, QStringLiteral("SELECT MAX(version) FROM schema_version")).toInt();
}

} // namespace

class AppStateTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
        // A locale whose weeks start on Sunday, so Saturday and Monday stand out.
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    }
    void buildsEverythingInFreshDataDirectory()
    {
        QTemporaryDir root;
        const QString dataDirectory = root.path() + QStringLiteral("/new user/Checkbook");
        qputenv("CHECKBOOK_DATA_DIR", dataDirectory.toUtf8());
        const auto unsetDataDirectory = qScopeGuard([] { qunsetenv("CHECKBOOK_DATA_DIR"); });

        AppState state;
        QVERIFY(state.initialize());
        const QString databaseFile = dataDirectory + QStringLiteral("/checkbook.db");
        QVERIFY(QFileInfo::exists(databaseFile));
        QCOMPARE(schemaVersion(state.database()), 3);
        QCOMPARE(state.categories()->count(), 56);
        QVERIFY(state.currentAccountId().isEmpty());

    }
    void reopensExistingDataWithoutReseeding()
    {
        TestDataDirectory dataDirectory;
        QStringList firstIds;
        {
            AppState first;
            QVERIFY(first.initialize());
            for (const Category& category : first.categories()->all())
                firstIds.append(category.id);
        }

        AppState second;
        QVERIFY(second.initialize());
        QCOMPARE(schemaVersion(second.database()), 3);
        QStringList secondIds;
        for (const Category& category : second.categories()->all())
            secondIds.append(category.id);
        QCOMPARE(secondIds, firstIds);
        QCOMPARE(secondIds.size(), 56);
    }
    void appliesStoredWeekStartDay_data()
    {
        QTest::addColumn<QString>("stored"); // null: nothing stored
        QTest::addColumn<Qt::DayOfWeek>("expected");

        QTest::newRow("nothing stored") << QString() << Qt::Sunday;
        QTest::newRow("zero") << QStringLiteral("0") << Qt::Sunday;
        QTest::newRow("eight") << QStringLiteral("8") << Qt::Sunday;
        QTest::newRow("not a number") << QStringLiteral("x") << Qt::Sunday;
        QTest::newRow("Saturday") << QStringLiteral("6") << Qt::Saturday;
        QTest::newRow("Monday") << QStringLiteral("1") << Qt::Monday;
    }
    void appliesStoredWeekStartDay()
    {
        QFETCH(QString, stored);
        QFETCH(Qt::DayOfWeek, expected);

        TestDataDirectory dataDirectory;
        if (!stored.isNull())
            storePreference(QStringLiteral("weekStartDay"), stored);
        // Each row starts from the locale's day, as a new process would.
        setFirstDayOfWeek(QLocale().firstDayOfWeek());

        AppState state;
        QVERIFY(state.initialize());
        QCOMPARE(firstDayOfWeek(), expected);
    }
    void setCurrentAccountIdWritesOnlyChanges()
    {
        TestDataDirectory dataDirectory;
        storePreference(QStringLiteral("lastViewedAccountId"), QStringLiteral("savings"));
        AppState state;
        QVERIFY(state.initialize());
        QSignalSpy accountChanged(&state, &AppState::currentAccountChanged);
        QSignalSpy preferenceWritten(state.preferences(), &PreferencesRepository::changed);

        state.setCurrentAccountId(QStringLiteral("savings"));
        QCOMPARE(accountChanged.count(), 0);
        QCOMPARE(preferenceWritten.count(), 0);

        state.setCurrentAccountId(QStringLiteral("checking"));
        QCOMPARE(accountChanged.count(), 1);
        QCOMPARE(accountChanged.at(0).at(0).toString(), QStringLiteral("checking"));
        QCOMPARE(preferenceWritten.count(), 1);
        QCOMPARE(state.currentAccountId(), QStringLiteral("checking"));
        QCOMPARE(state.preferences()->get(QStringLiteral("lastViewedAccountId")), std::optional<QString>(QStringLiteral("checking")));

        state.setCurrentAccountId(QString());
        QCOMPARE(accountChanged.count(), 2);
        QVERIFY(state.currentAccountId().isEmpty());
        QCOMPARE(state.preferences()->get(QStringLiteral("lastViewedAccountId")), std::optional<QString>(QString()));
    }
};

// The state installs the theme on the application, so it needs a GUI one.
QTEST_MAIN(AppStateTest)
#include "tst_appstate.moc"
