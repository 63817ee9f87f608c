#include "app/language.h"

#include <QtTest>

// The language choice and the catalogues behind it. Settings go to a private
// directory, so the user's own choice is never read or changed.
class LanguageTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();
    void everySupportedLanguageHasCatalogue_data();
    void everySupportedLanguageHasCatalogue();
    void resolvesStoredChoice_data();
    void resolvesStoredChoice();
    void setLanguageStoresChoice();

private:
    QTemporaryDir m_settingsDirectory;
};

void LanguageTest::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
    QVERIFY(m_settingsDirectory.isValid());
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, m_settingsDirectory.path());
    QCoreApplication::setOrganizationName(QStringLiteral("Kestrelwood"));
    QCoreApplication::setApplicationName(QStringLiteral("Checkbook"));
}

void LanguageTest::init()
{
    QSettings().clear();
}

void LanguageTest::cleanup()
{
    QLocale::setDefault(QLocale::system());
}

void LanguageTest::everySupportedLanguageHasCatalogue_data()
{
    QTest::addColumn<QString>("code");
    QTest::addColumn<QString>("groceries");
    QTest::addColumn<QString>("databaseError");

    QTest::newRow("en") << QStringLiteral("en") << QStringLiteral("Groceries") << QStringLiteral("Database Error");
    QTest::newRow("es") << QStringLiteral("es") << QStringLiteral("Supermercado") << QStringLiteral("Error de base de datos");
    QTest::newRow("de") << QStringLiteral("de") << QStringLiteral("Lebensmittel") << QStringLiteral("Datenbankfehler");
    QTest::newRow("fr") << QStringLiteral("fr") << QStringLiteral("Courses") << QStringLiteral("Erreur de base de données");
    QTest::newRow("ja") << QStringLiteral("ja") << QStringLiteral("食料品") << QStringLiteral("データベースエラー");
}

void LanguageTest::everySupportedLanguageHasCatalogue()
{
    QFETCH(QString, code);
    QFETCH(QString, groceries);
    QFETCH(QString, databaseError);

    QVERIFY(supportedLanguages().contains(code));
    QTranslator catalogue;
    QVERIFY(catalogue.load(QStringLiteral(":/i18n/checkbook_%1.qm").arg(code)));
    QCOMPARE(catalogue.language(), code);
    QCOMPARE(catalogue.translate("CategoryService", "Groceries"), groceries);
    QCOMPARE(catalogue.translate("Application", "Database Error"), databaseError);
}

void LanguageTest::resolvesStoredChoice_data()
{
    QTest::addColumn<QString>("stored"); // null: nothing stored
    QTest::addColumn<QString>("systemLocale");
    QTest::addColumn<bool>("resolveSystem");
    QTest::addColumn<QString>("expected");

    QTest::newRow("nothing stored, French system") << QString() << QStringLiteral("fr_FR") << true << QStringLiteral("fr");
    QTest::newRow("system, German system") << QStringLiteral("system") << QStringLiteral("de_DE") << true << QStringLiteral("de");
    QTest::newRow("system, Austrian German") << QStringLiteral("system") << QStringLiteral("de_AT") << true << QStringLiteral("de");
    QTest::newRow("system, Mexican Spanish") << QStringLiteral("system") << QStringLiteral("es_MX") << true << QStringLiteral("es");
    QTest::newRow("system, Japanese system") << QStringLiteral("system") << QStringLiteral("ja_JP") << true << QStringLiteral("ja");
    QTest::newRow("system, British English") << QStringLiteral("system") << QStringLiteral("en_GB") << true << QStringLiteral("en");
    QTest::newRow("system, Portuguese system") << QStringLiteral("system") << QStringLiteral("pt_PT") << true << QStringLiteral("en");
    QTest::newRow("system, C locale") << QStringLiteral("system") << QStringLiteral("C") << true << QStringLiteral("en");
    QTest::newRow("system kept unresolved") << QStringLiteral("system") << QStringLiteral("fr_FR") << false << QStringLiteral("system");
    QTest::newRow("nothing stored, unresolved") << QString() << QStringLiteral("fr_FR") << false << QStringLiteral("system");
    QTest::newRow("German on a French system") << QStringLiteral("de") << QStringLiteral("fr_FR") << true << QStringLiteral("de");
    QTest::newRow("German, unresolved") << QStringLiteral("de") << QStringLiteral("fr_FR") << false << QStringLiteral("de");
    QTest::newRow("English on a Japanese system") << QStringLiteral("en") << QStringLiteral("ja_JP") << true << QStringLiteral("en");
}

void LanguageTest::resolvesStoredChoice()
{
    QFETCH(QString, stored);
    QFETCH(QString, systemLocale);
    QFETCH(bool, resolveSystem);
    QFETCH(QString, expected);

    if (!stored.isNull())
        QSettings().setValue(QStringLiteral("ui/language"), stored);
    QLocale::setDefault(QLocale(systemLocale));

    QCOMPARE(resolveLanguage(resolveSystem), expected);
}

void LanguageTest::setLanguageStoresChoice()
{
    QLocale::setDefault(QLocale(QStringLiteral("fr_FR")));

    setLanguage(QStringLiteral("ja"));
    QCOMPARE(QSettings().value(QStringLiteral("ui/language")).toString(), QStringLiteral("ja"));
    QCOMPARE(resolveLanguage(true), QStringLiteral("ja"));

    setLanguage(QStringLiteral("system"));
    QCOMPARE(resolveLanguage(false), QStringLiteral("system"));
    QCOMPARE(resolveLanguage(true), QStringLiteral("fr"));
}

QTEST_GUILESS_MAIN(LanguageTest)
#include "tst_language.moc"
