#include "storage/clock.h"
#include "storage/storedtime.h"

#include <QtTest>

using namespace Qt::StringLiterals;

// Stamps are stored as text and compared as text across devices: they are
// whole-second UTC, read by a fast path that must agree with Qt's ISO 8601
// parser.
class StoredTimeTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void cleanup() { Clock::reset(); }

    void readsDatesAsQtDoes_data()
    {
        QTest::addColumn<QString>("text");
        for (const char* text : {"2024-03-15", "2024-02-29", "2023-02-29", "2024-13-01", "2024-00-10", "0000-01-01",
                 "9999-12-31", "2024-3-15", "2024/03/15", "20240315xx", "2024-03-1a", "", " 2024-03-1"})
            QTest::newRow(text) << QString::fromLatin1(text);
    }

    void readsDatesAsQtDoes()
    {
        QFETCH(QString, text);
        QCOMPARE(dateFromText(text), QDate::fromString(text, Qt::ISODate));
    }

    void readsTimesAsQtDoes_data()
    {
        QTest::addColumn<QString>("text");
        for (const char* text : {"2024-03-09T14:05:00Z", "2024-03-09T23:59:59Z", "2024-03-09T24:00:00Z",
                 "2024-03-09T12:00:60Z", "2023-02-29T10:00:00Z", "2024-03-09T14:05:00+02:00", "2024-03-09T14:05:00",
                 "2024-03-09 14:05:00Z", "2024-03-09T14:05:00.123Z", "2024-03-09T1a:05:00Z", ""})
            QTest::newRow(text) << QString::fromLatin1(text);
    }

    void readsTimesAsQtDoes()
    {
        QFETCH(QString, text);
        const QDateTime expected = QDateTime::fromString(text, Qt::ISODate);
        QCOMPARE(timeFromText(text), expected);
        QCOMPARE(timeFromText(text).timeSpec(), expected.timeSpec());
    }

    void writesUtcToTheSecond()
    {
        const QDateTime stamp(QDate(2024, 3, 9), QTime(14, 5, 0), Qt::UTC);
        QCOMPARE(timeToText(stamp.toOffsetFromUtc(3600)), u"2024-03-09T14:05:00Z"_s);
        QCOMPARE(timeFromText(timeToText(stamp)), stamp);
        QVERIFY(!optionalTimeFromText(QString()));

        // A pinned clock hands out its instant in UTC: 23:30 two hours behind
        // UTC is 01:30 UTC on the next day.
        Clock::setFixedNow(QDateTime(QDate(2024, 2, 28), QTime(23, 30, 0), Qt::OffsetFromUTC, -2 * 3600));
        QCOMPARE(timeToText(Clock::nowUtc()), u"2024-02-29T01:30:00Z"_s);
        Clock::reset();
        const QDateTime now = Clock::nowUtc();
        QCOMPARE(now.timeSpec(), Qt::UTC);
        QCOMPARE(now.time().msec(), 0);
        QVERIFY(qAbs(now.secsTo(QDateTime::currentDateTimeUtc())) <= 1);
    }
};

QTEST_GUILESS_MAIN(StoredTimeTest)
#include "tst_storedtime.moc"
