#include "app/versionnumber.h"

#include <QtTest>

class VersionNumberTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void comparesPartByPart_data();
    void comparesPartByPart();
};

void VersionNumberTest::comparesPartByPart_data()
{
    QTest::addColumn<QString>("left");
    QTest::addColumn<QString>("right");
    QTest::addColumn<int>("expectedOrder"); // -1 left lower, 0 equal, 1 left higher

    QTest::newRow("newer patch") << QStringLiteral("1.0.7") << QStringLiteral("1.0.6") << 1;
    QTest::newRow("same release") << QStringLiteral("1.0.7") << QStringLiteral("1.0.7") << 0;
    QTest::newRow("minor beats patch") << QStringLiteral("1.0.7") << QStringLiteral("1.2") << -1;
    QTest::newRow("missing parts are zero") << QStringLiteral("1.2") << QStringLiteral("1.2.0") << 0;
    QTest::newRow("numbers, not text") << QStringLiteral("1.0.10") << QStringLiteral("1.0.9") << 1;
    QTest::newRow("major beats the rest") << QStringLiteral("2") << QStringLiteral("1.99.99") << 1;
    QTest::newRow("empty is lowest") << QString() << QStringLiteral("1.0.7") << -1;
    QTest::newRow("letters are lowest") << QStringLiteral("a.b") << QStringLiteral("0.0.1") << -1;
    QTest::newRow("four parts are lowest") << QStringLiteral("1.2.3.4") << QStringLiteral("1.0.7") << -1;
    QTest::newRow("empty equals letters") << QString() << QStringLiteral("a.b") << 0;
}

void VersionNumberTest::comparesPartByPart()
{
    QFETCH(QString, left);
    QFETCH(QString, right);
    QFETCH(int, expectedOrder);

    const VersionNumber a = VersionNumber::fromText(left);
    const VersionNumber b = VersionNumber::fromText(right);
    QCOMPARE(a < b, expectedOrder < 0);
    QCOMPARE(a == b, expectedOrder == 0);
    QCOMPARE(a > b, expectedOrder > 0);
    QCOMPARE(b < a, expectedOrder > 0);
}

QTEST_GUILESS_MAIN(VersionNumberTest)
#include "tst_versionnumber.moc"
