#include "storage/database.h"
#include "storage/preferencesrepository.h"
#include "support/storagetesting.h"
#include "support/testdatabase.h"

#include <QRegularExpression>
#include <QSignalSpy>
#include <QtTest>
#include <memory>

class PreferencesRepositoryTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void getFallsBackOnlyWhenTheKeyIsAbsent();
    void setOverwritesAndAlwaysEmits();
    void readsBooleans_data();
    void readsBooleans();
    void writesBooleansAndIntegersAsText();
    void removeIsSilent();

private:
    int rowCount(const QString& key);

    std::unique_ptr<TestDatabase> m_test;
    std::unique_ptr<PreferencesRepository> m_preferences;
};

void PreferencesRepositoryTest::init()
{
    QTest::failOnWarning(QRegularExpression(QStringLiteral(".*")));
    m_test = std::make_unique<TestDatabase>();
    m_preferences = std::make_unique<PreferencesRepository>(m_test->database());
}

void PreferencesRepositoryTest::cleanup()
{
    m_preferences.reset();
    m_test.reset();
}

int PreferencesRepositoryTest::rowCount(const QString& key)
{
    return scalar(m_test->database(), QStringLiteral("SELECT COUNT(*) FROM preferences WHERE key = ?"), {key}).toInt();
}

void PreferencesRepositoryTest::getFallsBackOnlyWhenTheKeyIsAbsent()
{
    QVERIFY(!m_preferences->get(QStringLiteral("theme")));
    QCOMPARE(m_preferences->get(QStringLiteral("theme"), QStringLiteral("system")), QStringLiteral("system"));

    QVERIFY(m_preferences->set(QStringLiteral("theme"), QStringLiteral("dark")));
    QCOMPARE(m_preferences->get(QStringLiteral("theme")), std::optional<QString>(QStringLiteral("dark")));
    QCOMPARE(m_preferences->get(QStringLiteral("theme"), QStringLiteral("system")), QStringLiteral("dark"));

    // An empty value is present, and so is a NULL one.
    QVERIFY(m_preferences->set(QStringLiteral("update_dismissed_version"), QString()));
    QCOMPARE(m_preferences->get(QStringLiteral("update_dismissed_version")), std::optional<QString>(QString()));
    QCOMPARE(m_preferences->get(QStringLiteral("update_dismissed_version"), QStringLiteral("1.0.0")), QString());
    QVERIFY(execute(m_test->database(), QStringLiteral("INSERT INTO preferences (key, value) VALUES ('lastSyncTimestamp', NULL)")));
    QVERIFY(m_preferences->get(QStringLiteral("lastSyncTimestamp")).has_value());
    QCOMPARE(m_preferences->get(QStringLiteral("lastSyncTimestamp"), QStringLiteral("never")), QString());
}

void PreferencesRepositoryTest::setOverwritesAndAlwaysEmits()
{
    QSignalSpy changed(m_preferences.get(), &PreferencesRepository::changed);

    QVERIFY(m_preferences->set(QStringLiteral("theme"), QStringLiteral("light")));
    QVERIFY(m_preferences->set(QStringLiteral("theme"), QStringLiteral("dark")));
    QVERIFY(m_preferences->set(QStringLiteral("theme"), QStringLiteral("dark")));
    QVERIFY(m_preferences->setBool(QStringLiteral("registerTwoLine"), true));
    QVERIFY(m_preferences->setInt(QStringLiteral("weekStartDay"), 7));

    QCOMPARE(firstArguments(changed), (QStringList{QStringLiteral("theme"), QStringLiteral("theme"), QStringLiteral("theme"),
                       QStringLiteral("registerTwoLine"), QStringLiteral("weekStartDay")}));
    QCOMPARE(rowCount(QStringLiteral("theme")), 1);
    QCOMPARE(m_preferences->get(QStringLiteral("theme"), QString()), QStringLiteral("dark"));
}

void PreferencesRepositoryTest::readsBooleans_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<bool>("expected");
    QTest::newRow("1") << QStringLiteral("1") << true;
    QTest::newRow("true") << QStringLiteral("true") << true;
    QTest::newRow("0") << QStringLiteral("0") << false;
    QTest::newRow("false") << QStringLiteral("false") << false;
    QTest::newRow("yes") << QStringLiteral("yes") << false;
    QTest::newRow("True") << QStringLiteral("True") << false;
    QTest::newRow("empty") << QString() << false;
}

void PreferencesRepositoryTest::readsBooleans()
{
    QFETCH(QString, stored);
    QFETCH(bool, expected);
    const QString key = QStringLiteral("registerNewestFirst");

    QCOMPARE(m_preferences->getBool(key, true), true);
    QCOMPARE(m_preferences->getBool(key, false), false);

    QVERIFY(m_preferences->set(key, stored));
    QCOMPARE(m_preferences->getBool(key, !expected), expected);
}

void PreferencesRepositoryTest::writesBooleansAndIntegersAsText()
{
    QVERIFY(m_preferences->setBool(QStringLiteral("on"), true));
    QVERIFY(m_preferences->setBool(QStringLiteral("off"), false));
    QVERIFY(m_preferences->setInt(QStringLiteral("weekStartDay"), 6));
    QVERIFY(m_preferences->setInt(QStringLiteral("negative"), -42));

    QCOMPARE(m_preferences->get(QStringLiteral("on"), QString()), QStringLiteral("1"));
    QCOMPARE(m_preferences->get(QStringLiteral("off"), QString()), QStringLiteral("0"));
    QCOMPARE(m_preferences->get(QStringLiteral("weekStartDay"), QString()), QStringLiteral("6"));
    QCOMPARE(m_preferences->get(QStringLiteral("negative"), QString()), QStringLiteral("-42"));
    QCOMPARE(m_preferences->getBool(QStringLiteral("on"), false), true);
    QCOMPARE(m_preferences->getBool(QStringLiteral("off"), true), false);
}

void PreferencesRepositoryTest::removeIsSilent()
{
    QVERIFY(m_preferences->set(QStringLiteral("lastSyncTimestamp"), QStringLiteral("2024-01-01T00:00:00Z")));
    QSignalSpy changed(m_preferences.get(), &PreferencesRepository::changed);

    QVERIFY(m_preferences->remove(QStringLiteral("never-stored")));
    QVERIFY(m_preferences->remove(QStringLiteral("lastSyncTimestamp")));

    QCOMPARE(changed.count(), 0);
    QVERIFY(!m_preferences->get(QStringLiteral("lastSyncTimestamp")));
    QCOMPARE(rowCount(QStringLiteral("lastSyncTimestamp")), 0);
}

QTEST_GUILESS_MAIN(PreferencesRepositoryTest)
#include "tst_preferencesrepository.moc"
