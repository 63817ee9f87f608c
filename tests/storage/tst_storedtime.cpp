#include "storage/storedtime.h"

#include <QtTest>

// Stored stamps are read by a fast path for the program's own fixed forms;
// anything else must read exactly as Qt's ISO 8601 parser reads it.
class StoredTimeTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void readsDatesAsQtDoes_data();
    void readsDatesAsQtDoes();
    void readsTimesAsQtDoes_data();
    void readsTimesAsQtDoes();
    void roundTripsThroughText();
};

void StoredTimeTest::readsDatesAsQtDoes_data()
{
    QTest::addColumn<QString>("text");
    for (const char* text : {"2024-03-15", "2024-02-29", "2023-02-29", "2024-13-01", "2024-00-10", "0000-01-01",
             "9999-12-31", "2024-3-15", "2024/03/15", "20240315xx", "2024-03-1a", "", " 2024-03-1"})
        QTest::newRow(text) << QString::fromLatin1(text);
}

void StoredTimeTest::readsDatesAsQtDoes()
{
    QFETCH(QString, text);
    QCOMPARE(dateFromText(text), QDate::fromString(text, Qt::ISODate));
}

void StoredTimeTest::readsTimesAsQtDoes_data()
{
    QTest::addColumn<QString>("text");
    for (const char* text : {"2024-03-09T14:05:00Z", "2024-03-09T23:59:59Z", "2024-03-09T24:00:00Z",
             "2024-03-09T12:00:60Z", "2023-02-29T10:00:00Z", "2024-03-09T14:05:00+02:00", "2024-03-09T14:05:00",
             "2024-03-09 14:05:00Z", "2024-03-09T14:05:00.123Z", "2024-03-09T1a:05:00Z", ""})
        QTest::newRow(text) << QString::fromLatin1(text);
}

void StoredTimeTest::readsTimesAsQtDoes()
{
    QFETCH(QString, text);
    const QDateTime expected = QDateTime::fromString(text, Qt::ISODate);
    const QDateTime actual = timeFromText(text);
    QCOMPARE(actual, expected);
    QCOMPARE(actual.isValid(), expected.isValid());
    if (expected.isValid())
        QCOMPARE(actual.toUTC().toString(Qt::ISODate), expected.toUTC().toString(Qt::ISODate));
}

void StoredTimeTest::roundTripsThroughText()
{
    const QDateTime stamp(QDate(2024, 3, 9), QTime(14, 5, 0), Qt::UTC);
    QCOMPARE(timeToText(stamp), QStringLiteral("2024-03-09T14:05:00Z"));
    QCOMPARE(timeFromText(timeToText(stamp)), stamp);
    QCOMPARE(timeToText(stamp.toOffsetFromUtc(3600)), QStringLiteral("2024-03-09T14:05:00Z"));
    QCOMPARE(dateFromText(dateToText(QDate(2024, 1, 2))), QDate(2024, 1, 2));
    QVERIFY(!optionalTimeFromText(QString()));
    QVERIFY(optionalTimeValue(std::nullopt).isNull());
    QCOMPARE(optionalDateFromText(QStringLiteral("2024-12-31")), std::optional<QDate>(QDate(2024, 12, 31)));
}

QTEST_GUILESS_MAIN(StoredTimeTest)
#include "tst_storedtime.moc"
