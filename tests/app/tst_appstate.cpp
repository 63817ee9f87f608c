// The stored preferences a start applies, and the current account it
// remembers.

#include "app/appstate.h"
#include "app/thememanager.h"
#include "storage/database.h"
#include "storage/preferencesrepository.h"
#include "support/testdatabase.h"
#include "widgets/firstdayofweek.h"
#include "widgets/palette.h"

#include <QApplication>
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

// Whether "system" should come out dark here. Before Qt 6.5 the manager
// reads the palette the application started with, which initTestCase makes
// a dark one, as a dark desktop would.
bool platformIsDark()
{
#if QT_VERSION >= QT_VERSION_CHECK(6, 5, 0)
    return QGuiApplication::styleHints()->colorScheme() == Qt::ColorScheme::Dark;
#else
    return true;
#endif
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
#if QT_VERSION < QT_VERSION_CHECK(6, 5, 0)
        // The palette a dark desktop hands the application at start, installed
        // before the first theme manager exists.
        QPalette platformDark;
        platformDark.setColor(QPalette::Window, QColor::fromRgb(0x202124));
        platformDark.setColor(QPalette::WindowText, QColor::fromRgb(0xE8EAED));
        QApplication::setPalette(platformDark);
#endif
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
    // The theme stored at start, then the one the user chooses, if any. The
    // stored one is the opposite of the outcome wherever it can be, so the
    // palette under test must really be installed by the choice.
    void appliesStoredAndChosenTheme_data()
    {
        QTest::addColumn<QString>("stored"); // null: nothing stored
        QTest::addColumn<QString>("chosen"); // null: no choice made
        QTest::addColumn<ThemeManager::Theme>("theme");
        QTest::addColumn<QString>("storedAfter");
        QTest::addColumn<bool>("dark");

        const bool systemDark = platformIsDark();
        const QString notSystem = systemDark ? QStringLiteral("light") : QStringLiteral("dark");
        QTest::newRow("nothing stored") << QString() << QString() << ThemeManager::Theme::System << "system" << systemDark;
        QTest::newRow("dark stored") << QStringLiteral("dark") << QString() << ThemeManager::Theme::Dark << "dark" << true;
        QTest::newRow("damaged value stored") << QStringLiteral("Dark") << QString() << ThemeManager::Theme::System << "system"
                                              << systemDark;
        QTest::newRow("light chosen") << QStringLiteral("dark") << QStringLiteral("light") << ThemeManager::Theme::Light
                                      << "light" << false;
        QTest::newRow("dark chosen") << QStringLiteral("light") << QStringLiteral("dark") << ThemeManager::Theme::Dark
                                     << "dark" << true;
        QTest::newRow("system chosen follows the platform")
            << notSystem << QStringLiteral("system") << ThemeManager::Theme::System << "system" << systemDark;
        QTest::newRow("capital Dark chosen is not dark")
            << notSystem << QStringLiteral("Dark") << ThemeManager::Theme::System << "system" << systemDark;
    }
    void appliesStoredAndChosenTheme()
    {
        QFETCH(QString, stored);
        QFETCH(QString, chosen);
        QFETCH(ThemeManager::Theme, theme);
        QFETCH(QString, storedAfter);
        QFETCH(bool, dark);

        TestDataDirectory dataDirectory;
        if (!stored.isNull())
            storePreference(QStringLiteral("theme"), stored);
        AppState state;
        QVERIFY(state.initialize());
        ThemeManager* manager = state.themeManager();
        QSignalSpy changed(manager, &ThemeManager::themeChanged);
        if (!chosen.isNull())
            manager->setTheme(chosen);

        QCOMPARE(manager->theme(), theme);
        QCOMPARE(changed.count(), chosen.isNull() ? 0 : 1);
        if (!chosen.isNull())
            QCOMPARE(changed.at(0).at(0).value<ThemeManager::Theme>(), theme);
        QCOMPARE(state.preferences()->get(QStringLiteral("theme")), std::optional<QString>(storedAfter));
        QCOMPARE(Palette::isDark(), dark);
        QCOMPARE(QApplication::palette().color(QPalette::Window).lightness() < 128, dark);
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
