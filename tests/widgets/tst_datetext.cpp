#include "widgets/datetext.h"
#include "storage/clock.h"
#include "support/testworld.h"

#include <QtTest>

namespace {

const QDateTime fixedNow = TestWorld::now();

} // namespace

class DateTextTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() { Clock::setFixedNow(fixedNow); }
    void cleanup() { Clock::reset(); }
    void writesMonthDayYear()
    {
        QCOMPARE(registerDateText(QDate(2024, 3, 5)), QStringLiteral("3/5/2024"));
        QCOMPARE(registerDateText(QDate(2024, 12, 31)), QStringLiteral("12/31/2024"));
    }
    void movesByDateKey_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QDate>("current");
        QTest::addColumn<QDate>("expected");

        // 3/15/2024 is a Friday.
        const QDate friday(2024, 3, 15);
        QTest::newRow("w: Sunday on or before") << "w" << friday << QDate(2024, 3, 10);
        QTest::newRow("k: Saturday on or after") << "k" << friday << QDate(2024, 3, 16);
        QTest::newRow("m: first of month") << "m" << friday << QDate(2024, 3, 1);
        QTest::newRow("h: last of month") << "h" << friday << QDate(2024, 3, 31);
        QTest::newRow("r: last of year") << "r" << friday << QDate(2024, 12, 31);
        QTest::newRow("T: today, upper case") << "T" << friday << fixedNow.date();
        QTest::newRow("=: next day") << "=" << friday << QDate(2024, 3, 16);
        QTest::newRow("-: previous day") << "-" << friday << QDate(2024, 3, 14);
        QTest::newRow("w on a Sunday stays") << "w" << QDate(2024, 3, 10) << QDate(2024, 3, 10);
        QTest::newRow("h in a leap February") << "h" << QDate(2024, 2, 10) << QDate(2024, 2, 29);
        QTest::newRow("+ across the year end") << "+" << QDate(2024, 12, 31) << QDate(2025, 1, 1);
        QTest::newRow("- across the year start") << "-" << QDate(2024, 1, 1) << QDate(2023, 12, 31);
        QTest::newRow("invalid date counts as today") << "m" << QDate() << QDate(2024, 5, 1);
    }
    void movesByDateKey()
    {
        QFETCH(QString, key);
        QFETCH(QDate, current);
        QFETCH(QDate, expected);

        const std::optional<QDate> moved = applyDateKey(key, current);
        QVERIFY(moved);
        QCOMPARE(*moved, expected);
    }
    void readsTypedDates_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QDate>("expected"); // invalid: not a date

        QTest::newRow("M/d/yyyy") << "3/5/2024" << QDate(2024, 3, 5);
        QTest::newRow("two-digit 24 is 2024") << "3/5/24" << QDate(2024, 3, 5);
        QTest::newRow("two-digit 69 is 2069") << "3/5/69" << QDate(2069, 3, 5);
        QTest::newRow("two-digit 70 is 1970") << "3/5/70" << QDate(1970, 3, 5);
        QTest::newRow("leap day of 2000 from 00") << "2/29/00" << QDate(2000, 2, 29);
        QTest::newRow("surrounding blanks") << " 3/5/2024 " << QDate(2024, 3, 5);
        QTest::newRow("February 30") << "2/30/2024" << QDate();
        QTest::newRow("three-digit year") << "3/5/024" << QDate();
        QTest::newRow("letters") << "soon" << QDate();
        QTest::newRow("empty") << "" << QDate();
    }
    void readsTypedDates()
    {
        QFETCH(QString, text);
        QFETCH(QDate, expected);

        const std::optional<QDate> date = resolveTypedDate(text);
        QCOMPARE(date.has_value(), expected.isValid());
        if (date)
            QCOMPARE(*date, expected);
    }
};

QTEST_GUILESS_MAIN(DateTextTest)
#include "tst_datetext.moc"
