#include "app/statusbar.h"
#include "app/thememanager.h"
#include "storage/preferencesrepository.h"
#include "support/testdatabase.h"

#include <QLabel>
#include <QMainWindow>
#include <QProgressBar>
#include <QTranslator>
#include <QtTest>

namespace {

// The colour a label really paints its text with, after its style sheet.
QColor textColor(QLabel* label)
{
    label->ensurePolished();
    return label->palette().color(label->foregroundRole());
}

} // namespace

class StatusBarTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();
    void accountCountUsesPluralForms_data();
    void accountCountUsesPluralForms();
    void recurringDueShowsOnlyWhenSomethingIsDue();

private:
    QLabel* label(const char* name) const { return m_bar->findChild<QLabel*>(QLatin1String(name)); }
    QProgressBar* busyBar() const { return m_bar->findChild<QProgressBar*>(QStringLiteral("busyBar")); }

    std::unique_ptr<TestDatabase> m_database;
    std::unique_ptr<PreferencesRepository> m_preferences;
    std::unique_ptr<ThemeManager> m_themes;
    std::unique_ptr<QMainWindow> m_window;
    StatusBar* m_bar = nullptr;
};

void StatusBarTest::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
}

void StatusBarTest::init()
{
    m_database = std::make_unique<TestDatabase>();
    m_preferences = std::make_unique<PreferencesRepository>(m_database->database());
    m_themes = std::make_unique<ThemeManager>(m_preferences.get());
    m_themes->setTheme(QStringLiteral("light"));

    // Installed and fed the way the main window does it.
    m_window = std::make_unique<QMainWindow>();
    m_bar = new StatusBar(m_window.get());
    m_window->setStatusBar(m_bar);
    connect(m_themes.get(), &ThemeManager::themeChanged, m_bar, &StatusBar::restyle);
    m_bar->restyle();
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
}

void StatusBarTest::cleanup()
{
    m_window.reset();
    m_themes.reset();
    m_preferences.reset();
    m_database.reset();
}

void StatusBarTest::accountCountUsesPluralForms_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<int>("count");
    QTest::addColumn<QString>("expected");

    QTest::newRow("en 0") << QStringLiteral("en") << 0 << QStringLiteral("0 accounts");
    QTest::newRow("en 1") << QStringLiteral("en") << 1 << QStringLiteral("1 account");
    QTest::newRow("en 2") << QStringLiteral("en") << 2 << QStringLiteral("2 accounts");
    QTest::newRow("de 1") << QStringLiteral("de") << 1 << QStringLiteral("1 Konto");
    QTest::newRow("de 3") << QStringLiteral("de") << 3 << QStringLiteral("3 Konten");
    // French counts zero as singular.
    QTest::newRow("fr 0") << QStringLiteral("fr") << 0 << QStringLiteral("0 compte");
    QTest::newRow("fr 2") << QStringLiteral("fr") << 2 << QStringLiteral("2 comptes");
    QTest::newRow("es 1") << QStringLiteral("es") << 1 << QStringLiteral("1 cuenta");
    QTest::newRow("es 12") << QStringLiteral("es") << 12 << QStringLiteral("12 cuentas");
    QTest::newRow("ja 3") << QStringLiteral("ja") << 3 << QStringLiteral("3 件の口座");
}

void StatusBarTest::accountCountUsesPluralForms()
{
    QFETCH(QString, language);
    QFETCH(int, count);
    QFETCH(QString, expected);

    QTranslator catalogue;
    QVERIFY(catalogue.load(QStringLiteral(":/i18n/checkbook_%1.qm").arg(language)));
    QCoreApplication::installTranslator(&catalogue);
    m_bar->setAccountCount(count);
    QCoreApplication::removeTranslator(&catalogue);

    QCOMPARE(label("accountCountLabel")->text(), expected);
    QVERIFY(label("accountCountLabel")->isVisible());
}

void StatusBarTest::recurringDueShowsOnlyWhenSomethingIsDue()
{
    QTranslator english;
    QVERIFY(english.load(QStringLiteral(":/i18n/checkbook_en.qm")));
    QCoreApplication::installTranslator(&english);
    const auto removeEnglish = qScopeGuard([&english] { QCoreApplication::removeTranslator(&english); });
    QLabel* due = label("recurringDueLabel");

    QVERIFY(!due->isVisible());
    m_bar->setRecurringDue(0);
    QVERIFY(!due->isVisible());

    m_bar->setRecurringDue(1);
    QVERIFY(due->isVisible());
    QCOMPARE(due->text(), QStringLiteral("  •  1 recurring due"));
    QCOMPARE(textColor(due), QColor::fromRgb(0xE65100));
    QVERIFY(due->font().bold());

    m_bar->setRecurringDue(3);
    QCOMPARE(due->text(), QStringLiteral("  •  3 recurring due"));
    QVERIFY(due->isVisible());

    m_bar->setRecurringDue(0);
    QVERIFY(!due->isVisible());
    m_bar->setRecurringDue(-1);
    QVERIFY(!due->isVisible());
}

QTEST_MAIN(StatusBarTest)
#include "tst_statusbar.moc"
