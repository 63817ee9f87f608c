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

void LanguageTest::resolvesStoredChoice_data()
{
    QTest::addColumn<QString>("stored"); // null: nothing stored
    QTest::addColumn<QString>("systemLocale");
    QTest::addColumn<bool>("resolveSystem");
    QTest::addColumn<QString>("expected");

    QTest::newRow("nothing stored, French system") << QString() << QStringLiteral("fr_FR") << true << QStringLiteral("fr");
    QTest::newRow("system, German system") << QStringLiteral("system") << QStringLiteral("de_DE") << true << QStringLiteral("de");
    QTest::newRow("system, Japanese system") << QStringLiteral("system") << QStringLiteral("ja_JP") << true << QStringLiteral("ja");
    QTest::newRow("system, Portuguese system") << QStringLiteral("system") << QStringLiteral("pt_PT") << true << QStringLiteral("en");
    QTest::newRow("system kept unresolved") << QStringLiteral("system") << QStringLiteral("fr_FR") << false << QStringLiteral("system");
    QTest::newRow("nothing stored, unresolved") << QString() << QStringLiteral("fr_FR") << false << QStringLiteral("system");
    QTest::newRow("German on a French system") << QStringLiteral("de") << QStringLiteral("fr_FR") << true << QStringLiteral("de");
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
