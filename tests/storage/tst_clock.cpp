#include "storage/clock.h"

#include <QtTest>

// Stamps are stored to the second and compared as text, so the clock must
// hand out whole-second UTC times; tests rely on being able to pin it.
class ClockTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void cleanup();

    void realTimeIsWholeSecondsInUtc();
    void fixedTimeIsHeldUntilReset();
};

void ClockTest::cleanup()
{
    Clock::reset();
}

void ClockTest::realTimeIsWholeSecondsInUtc()
{
    QDateTime before = QDateTime::currentDateTimeUtc();
    before.setTime(QTime(before.time().hour(), before.time().minute(), before.time().second()));
    const QDateTime now = Clock::nowUtc();
    const QDateTime after = QDateTime::currentDateTimeUtc();

    QCOMPARE(now.timeSpec(), Qt::UTC);
    QCOMPARE(now.time().msec(), 0);
    QVERIFY(before <= now);
    QVERIFY(now <= after);
    QVERIFY(now.toString(Qt::ISODate).endsWith(QLatin1Char('Z')));
}

void ClockTest::fixedTimeIsHeldUntilReset()
{
    // 23:30 two hours behind UTC is 01:30 UTC on the next day.
    const QDateTime pinned(QDate(2024, 2, 28), QTime(23, 30, 0), Qt::OffsetFromUTC, -2 * 3600);
    Clock::setFixedNow(pinned);

    QCOMPARE(Clock::nowUtc(), pinned);
    QCOMPARE(Clock::nowUtc().timeSpec(), Qt::UTC);
    QCOMPARE(Clock::nowUtc().toString(Qt::ISODate), QStringLiteral("2024-02-29T01:30:00Z"));
    QCOMPARE(Clock::today(), pinned.toLocalTime().date());

    Clock::reset();
    QVERIFY(Clock::nowUtc() > pinned);
    const QDate before = QDate::currentDate();
    const QDate today = Clock::today();
    const QDate after = QDate::currentDate();
    QVERIFY(today == before || today == after);
}

QTEST_GUILESS_MAIN(ClockTest)
#include "tst_clock.moc"
