#include "storage/money.h"

#include <QtTest>
#include <limits>

// Amounts are typed, imported and shown as text; every conversion goes
// through these helpers, so a rounding or grouping slip here shows up as a
// wrong balance everywhere.
class TestMoney : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void parsesAmounts_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<Currency>("currency");
        QTest::addColumn<qint64>("expected");

        QTest::newRow("symbol, grouping, half-cent rounds up") << QStringLiteral("$1,234.565") << Currency::USD << qint64(123457);
        QTest::newRow("half a cent rounds away from zero") << QStringLiteral("0.005") << Currency::USD << qint64(1);
        QTest::newRow("negative half a cent rounds away from zero") << QStringLiteral("-0.005") << Currency::USD << qint64(-1);
        QTest::newRow("no whole units") << QStringLiteral(".45") << Currency::USD << qint64(45);
        QTest::newRow("trailing point") << QStringLiteral("7.") << Currency::USD << qint64(700);
        QTest::newRow("surrounding blanks") << QStringLiteral("  42.10 ") << Currency::USD << qint64(4210);
        QTest::newRow("minus before symbol") << QStringLiteral("-$1,234.56") << Currency::USD << qint64(-123456);
        QTest::newRow("empty") << QString() << Currency::USD << qint64(0);
        QTest::newRow("euro symbol") << QStringLiteral("€99.99") << Currency::EUR << qint64(9999);
        QTest::newRow("yen with grouping") << QStringLiteral("1,500") << Currency::JPY << qint64(1500);
        QTest::newRow("negative yen") << QStringLiteral("-¥300") << Currency::JPY << qint64(-300);
        QTest::newRow("largest dollar amount") << QStringLiteral("100,000,000,000.00") << Currency::USD << maxAmountMinorUnits;
        QTest::newRow("largest negative dollar amount") << QStringLiteral("-$100000000000") << Currency::USD << -maxAmountMinorUnits;
        QTest::newRow("half a cent below the limit rounds to it") << QStringLiteral("99999999999.995") << Currency::USD << maxAmountMinorUnits;
        QTest::newRow("largest yen amount") << QStringLiteral("10,000,000,000,000") << Currency::JPY << maxAmountMinorUnits;
    }
    void parsesAmounts()
    {
        QFETCH(QString, text);
        QFETCH(Currency, currency);
        QFETCH(qint64, expected);

        const std::optional<qint64> parsed = tryParseAmount(text, currency);
        QVERIFY(parsed.has_value());
        QCOMPARE(*parsed, expected);
        QCOMPARE(parseAmount(text, currency), expected);
    }
    void refusesTextThatIsNotANumber_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<Currency>("currency");

        QTest::newRow("two points") << QStringLiteral("12..5") << Currency::USD;
        QTest::newRow("digits and letters") << QStringLiteral("12abc") << Currency::USD;
        QTest::newRow("exponent") << QStringLiteral("1e3") << Currency::USD;
        QTest::newRow("double minus") << QStringLiteral("--5") << Currency::USD;
        QTest::newRow("plus sign") << QStringLiteral("+5") << Currency::USD;
        QTest::newRow("a lone point") << QStringLiteral(".") << Currency::USD;
        QTest::newRow("another currency's symbol") << QStringLiteral("€5") << Currency::USD;
        QTest::newRow("decimals in yen") << QStringLiteral("15.5") << Currency::JPY;
        QTest::newRow("too many digits to hold") << QStringLiteral("99999999999999999999") << Currency::USD;
        QTest::newRow("a cent beyond the limit") << QStringLiteral("100,000,000,000.01") << Currency::USD;
        QTest::newRow("half a cent beyond the limit rounds past it") << QStringLiteral("100000000000.005") << Currency::USD;
        QTest::newRow("a yen beyond the limit") << QStringLiteral("10,000,000,000,001") << Currency::JPY;
        QTest::newRow("fifteen digits of dollars") << QStringLiteral("999,999,999,999,999.99") << Currency::USD;
        // A comma off the thousands positions would be dropped and the
        // amount read a hundred times too large.
        QTest::newRow("decimal comma") << QStringLiteral("12,50") << Currency::USD;
        QTest::newRow("comma in the cents") << QStringLiteral("1,234.5,6") << Currency::USD;
        QTest::newRow("group of two") << QStringLiteral("1,23,456") << Currency::USD;
        QTest::newRow("leading comma") << QStringLiteral(",500") << Currency::USD;
        QTest::newRow("decimal comma in yen") << QStringLiteral("¥1,5") << Currency::JPY;
    }
    void refusesTextThatIsNotANumber()
    {
        QFETCH(QString, text);
        QFETCH(Currency, currency);

        QVERIFY(!tryParseAmount(text, currency).has_value());
        QCOMPARE(parseAmount(text, currency), qint64(0));
    }
    void formatsAmounts_data()
    {
        QTest::addColumn<qint64>("minorUnits");
        QTest::addColumn<Currency>("currency");
        QTest::addColumn<QString>("amount");
        QTest::addColumn<QString>("withSymbol");

        QTest::newRow("negative dollars") << qint64(-123456) << Currency::USD << QStringLiteral("-1,234.56") << QStringLiteral("-$1,234.56");
        QTest::newRow("negative cents only") << qint64(-5) << Currency::USD << QStringLiteral("-0.05") << QStringLiteral("-$0.05");
        QTest::newRow("millions") << qint64(123456789) << Currency::CAD << QStringLiteral("1,234,567.89") << QStringLiteral("$1,234,567.89");
        QTest::newRow("euro") << qint64(1000) << Currency::EUR << QStringLiteral("10.00") << QStringLiteral("€10.00");
        QTest::newRow("pound") << qint64(-99) << Currency::GBP << QStringLiteral("-0.99") << QStringLiteral("-£0.99");
        QTest::newRow("yen") << qint64(1500) << Currency::JPY << QStringLiteral("1,500") << QStringLiteral("¥1,500");
        const qint64 lowest = std::numeric_limits<qint64>::min();
        QTest::newRow("most negative dollars") << lowest << Currency::USD << QStringLiteral("-92,233,720,368,547,758.08")
                                               << QStringLiteral("-$92,233,720,368,547,758.08");
        QTest::newRow("most negative yen") << lowest << Currency::JPY << QStringLiteral("-9,223,372,036,854,775,808")
                                           << QStringLiteral("-¥9,223,372,036,854,775,808");
    }
    void formatsAmounts()
    {
        QFETCH(qint64, minorUnits);
        QFETCH(Currency, currency);
        QFETCH(QString, amount);
        QFETCH(QString, withSymbol);

        QCOMPARE(formatAmount(minorUnits, currency), amount);
        QCOMPARE(formatCurrency(minorUnits, currency), withSymbol);
    }
    void convertsMajorUnitsBothWays_data()
    {
        QTest::addColumn<qint64>("minorUnits");
        QTest::addColumn<Currency>("currency");
        QTest::addColumn<double>("majorUnits");

        QTest::newRow("a price that is inexact in binary") << qint64(1999) << Currency::USD << 19.99;
        QTest::newRow("negative cents") << qint64(-1) << Currency::EUR << -0.01;
        QTest::newRow("yen") << qint64(1500) << Currency::JPY << 1500.0;
        QTest::newRow("largest dollar amount") << maxAmountMinorUnits << Currency::USD << 100000000000.0;
        QTest::newRow("largest negative yen amount") << -maxAmountMinorUnits << Currency::JPY << -10000000000000.0;
    }
    void convertsMajorUnitsBothWays()
    {
        QFETCH(qint64, minorUnits);
        QFETCH(Currency, currency);
        QFETCH(double, majorUnits);

        QCOMPARE(toMajorUnits(minorUnits, currency), majorUnits);
        QCOMPARE(fromMajorUnits(majorUnits, currency), std::optional<qint64>(minorUnits));
        QCOMPARE(fromMajorUnits(toMajorUnits(minorUnits, currency), currency), std::optional<qint64>(minorUnits));
    }
    void parsesWhatItFormats_data()
    {
        QTest::addColumn<qint64>("minorUnits");
        QTest::addColumn<Currency>("currency");

        for (qint64 amount : {qint64(0), qint64(1), qint64(-1), qint64(99), qint64(100), qint64(-123456), qint64(100000000000)}) {
            QTest::addRow("USD %lld", static_cast<long long>(amount)) << amount << Currency::USD;
            QTest::addRow("EUR %lld", static_cast<long long>(amount)) << amount << Currency::EUR;
            QTest::addRow("JPY %lld", static_cast<long long>(amount)) << amount << Currency::JPY;
        }
    }
    void parsesWhatItFormats()
    {
        QFETCH(qint64, minorUnits);
        QFETCH(Currency, currency);

        QCOMPARE(tryParseAmount(formatAmount(minorUnits, currency), currency), std::optional<qint64>(minorUnits));
        QCOMPARE(tryParseAmount(formatCurrency(minorUnits, currency), currency), std::optional<qint64>(minorUnits));
    }
    void refusesMajorUnitsBeyondTheLimit_data()
    {
        QTest::addColumn<double>("majorUnits");
        QTest::addColumn<Currency>("currency");

        QTest::newRow("a cent beyond the limit") << 100000000000.01 << Currency::USD;
        QTest::newRow("a cent beyond the negative limit") << -100000000000.01 << Currency::EUR;
        QTest::newRow("a yen beyond the limit") << 10000000000001.0 << Currency::JPY;
        QTest::newRow("far beyond what qint64 holds") << 1e300 << Currency::USD;
        QTest::newRow("infinity") << std::numeric_limits<double>::infinity() << Currency::USD;
        QTest::newRow("not a number") << std::numeric_limits<double>::quiet_NaN() << Currency::JPY;
    }
    void refusesMajorUnitsBeyondTheLimit()
    {
        QFETCH(double, majorUnits);
        QFETCH(Currency, currency);

        QCOMPARE(fromMajorUnits(majorUnits, currency), std::nullopt);
    }
    void addsWithoutOverflow_data()
    {
        QTest::addColumn<qint64>("a");
        QTest::addColumn<qint64>("b");
        QTest::addColumn<CheckedSum>("sum");

        const qint64 highest = std::numeric_limits<qint64>::max();
        const qint64 lowest = std::numeric_limits<qint64>::min();
        QTest::newRow("small amounts") << qint64(-250) << qint64(1000) << CheckedSum(750);
        QTest::newRow("up to the highest") << highest - 1 << qint64(1) << CheckedSum(highest);
        QTest::newRow("one past the highest") << highest << qint64(1) << CheckedSum();
        QTest::newRow("down to the lowest") << lowest + 1 << qint64(-1) << CheckedSum(lowest);
        QTest::newRow("one past the lowest") << lowest << qint64(-1) << CheckedSum();
        QTest::newRow("highest and lowest") << highest << lowest << CheckedSum(-1);
    }
    void addsWithoutOverflow()
    {
        QFETCH(qint64, a);
        QFETCH(qint64, b);
        QFETCH(CheckedSum, sum);

        QCOMPARE(checkedAdd(a, b), sum);
        QCOMPARE(checkedAdd(b, a), sum);
    }
};

QTEST_GUILESS_MAIN(TestMoney)
#include "tst_money.moc"
