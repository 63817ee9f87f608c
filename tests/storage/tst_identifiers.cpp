#include "storage/identifiers.h"

#include <QRegularExpression>
#include <QSet>
#include <QUuid>
#include <QtTest>

// Ids are compared as text across devices and with the server, so their
// exact form matters as much as their uniqueness.
class TestIdentifiers : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void newIdIsALowerCaseRandomUuid();
    void defaultCategoryIdIsNameBasedInTheDnsNamespace_data();
    void defaultCategoryIdIsNameBasedInTheDnsNamespace();
    void idsMatchFixedReferenceValues();
};

void TestIdentifiers::newIdIsALowerCaseRandomUuid()
{
    static const QRegularExpression form(
        QStringLiteral("^[0-9a-f]{8}-[0-9a-f]{4}-4[0-9a-f]{3}-[89ab][0-9a-f]{3}-[0-9a-f]{12}$"));
    QSet<QString> seen;
    for (int i = 0; i < 50; ++i) {
        const QString id = newId();
        QCOMPARE(id.size(), 36);
        QVERIFY2(form.match(id).hasMatch(), qPrintable(id));
        QCOMPARE(QUuid::fromString(id).version(), QUuid::Random);
        seen.insert(id);
    }
    QCOMPARE(seen.size(), 50);
}

void TestIdentifiers::defaultCategoryIdIsNameBasedInTheDnsNamespace_data()
{
    QTest::addColumn<QString>("key");
    QTest::newRow("top level") << QStringLiteral("expense::Groceries");
    QTest::newRow("child") << QStringLiteral("expense:Auto:Fuel");
    QTest::newRow("non-ASCII name") << QStringLiteral("income::Prämie");
}

void TestIdentifiers::defaultCategoryIdIsNameBasedInTheDnsNamespace()
{
    QFETCH(QString, key);
    const QUuid dns(QStringLiteral("{6ba7b810-9dad-11d1-80b4-00c04fd430c8}"));
    const QString expected = QUuid::createUuidV5(dns, key.toUtf8()).toString(QUuid::WithoutBraces);

    const QString id = defaultCategoryId(key);
    QCOMPARE(id, expected);
    QCOMPARE(id, id.toLower());
    QCOMPARE(QUuid::fromString(id).version(), QUuid::Sha1);
    QCOMPARE(defaultCategoryId(key), id);
}

// Values computed independently with the RFC 4122 name-based algorithm: ids
// already stored on other devices must never change.
void TestIdentifiers::idsMatchFixedReferenceValues()
{
    QCOMPARE(defaultCategoryId(QStringLiteral("expense::Groceries")), QStringLiteral("f80ec558-0a5d-59fd-bb97-1216bc91c991"));
    const QString rule = QStringLiteral("5b0f3c1e-8d7a-4c2b-9f6e-1a2b3c4d5e6f");
    QCOMPARE(recurringPostingId(rule, QDate(2024, 3, 1)), QStringLiteral("d20557f4-0c0e-5f1e-b882-a8d58364a97c"));
    QCOMPARE(recurringPostingId(rule, QDate(2024, 3, 1), QStringLiteral("dest")), QStringLiteral("1d1df43e-3549-5491-b98d-253f9a021166"));
}

QTEST_GUILESS_MAIN(TestIdentifiers)
#include "tst_identifiers.moc"
