#include "app/appstate.h"
#include "app/thememanager.h"
#include "storage/database.h"
#include "storage/preferencesrepository.h"
#include "support/testdatabase.h"
#include "widgets/palette.h"

#include <QApplication>
#include <QtTest>

namespace {

const QColor lightWindow = QColor::fromRgb(0xFAFBFA);
const QColor darkWindow = QColor::fromRgb(0x0F1E19);

QColor applicationColor(QPalette::ColorGroup group, QPalette::ColorRole role)
{
    return QApplication::palette().color(group, role);
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

class ThemeManagerTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
    #if QT_VERSION < QT_VERSION_CHECK(6, 5, 0)
        // The palette a dark desktop hands the application at start, installed
        // before the first manager exists.
        QPalette platformDark;
        platformDark.setColor(QPalette::Window, QColor::fromRgb(0x202124));
        platformDark.setColor(QPalette::WindowText, QColor::fromRgb(0xE8EAED));
        QApplication::setPalette(platformDark);
    #endif
    }
    void setThemeAppliesStoresAndAnnounces_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<ThemeManager::Theme>("theme");
        QTest::addColumn<QString>("stored");
        QTest::addColumn<bool>("dark");

        QTest::newRow("light") << QStringLiteral("light") << ThemeManager::Theme::Light << QStringLiteral("light") << false;
        QTest::newRow("dark") << QStringLiteral("dark") << ThemeManager::Theme::Dark << QStringLiteral("dark") << true;
        QTest::newRow("system follows the platform") << QStringLiteral("system") << ThemeManager::Theme::System
                                                     << QStringLiteral("system") << platformIsDark();
        QTest::newRow("capital Dark is not dark") << QStringLiteral("Dark") << ThemeManager::Theme::System
                                                  << QStringLiteral("system") << platformIsDark();
        QTest::newRow("unknown name") << QStringLiteral("solarized") << ThemeManager::Theme::System
                                      << QStringLiteral("system") << platformIsDark();
    }
    void setThemeAppliesStoresAndAnnounces()
    {
        QFETCH(QString, name);
        QFETCH(ThemeManager::Theme, theme);
        QFETCH(QString, stored);
        QFETCH(bool, dark);

        TestDatabase testDatabase;
        PreferencesRepository preferences(testDatabase.database());
        ThemeManager manager(&preferences);
        QCOMPARE(manager.theme(), ThemeManager::Theme::System);
        // The opposite palette first, so the one under test must really be
        // installed by this call.
        manager.setTheme(dark ? QStringLiteral("light") : QStringLiteral("dark"));

        QSignalSpy changed(&manager, &ThemeManager::themeChanged);
        manager.setTheme(name);

        QCOMPARE(manager.theme(), theme);
        QCOMPARE(changed.count(), 1);
        QCOMPARE(changed.at(0).at(0).value<ThemeManager::Theme>(), theme);
        QCOMPARE(preferences.get(QStringLiteral("theme")), std::optional<QString>(stored));
        QCOMPARE(applicationColor(QPalette::Active, QPalette::Window), dark ? darkWindow : lightWindow);
        QCOMPARE(Palette::isDark(), dark);
    }
    void startupAppliesStoredTheme_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<ThemeManager::Theme>("theme");
        QTest::addColumn<QString>("storedAfterStart");
        QTest::addColumn<bool>("dark");

        QTest::newRow("nothing stored") << QString() << ThemeManager::Theme::System << QStringLiteral("system")
                                        << platformIsDark();
        QTest::newRow("light") << QStringLiteral("light") << ThemeManager::Theme::Light << QStringLiteral("light") << false;
        QTest::newRow("dark") << QStringLiteral("dark") << ThemeManager::Theme::Dark << QStringLiteral("dark") << true;
        QTest::newRow("damaged value") << QStringLiteral("Dark") << ThemeManager::Theme::System
                                       << QStringLiteral("system") << platformIsDark();
    }
    void startupAppliesStoredTheme()
    {
        QFETCH(QString, stored);
        QFETCH(ThemeManager::Theme, theme);
        QFETCH(QString, storedAfterStart);
        QFETCH(bool, dark);

        TestDataDirectory dataDirectory;
        if (!stored.isNull()) {
            Database database;
            QVERIFY(database.open(Database::databasePath()) && database.runMigrations());
            QVERIFY(PreferencesRepository(&database).set(QStringLiteral("theme"), stored));
        }

        AppState state;
        QVERIFY(state.initialize());

        QVERIFY(state.themeManager());
        QCOMPARE(state.themeManager()->parent(), &state);
        QCOMPARE(state.themeManager()->theme(), theme);
        QCOMPARE(state.preferences()->get(QStringLiteral("theme")), std::optional<QString>(storedAfterStart));
        QCOMPARE(Palette::isDark(), dark);
    }
};

QTEST_MAIN(ThemeManagerTest)
#include "tst_thememanager.moc"
