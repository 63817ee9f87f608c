#include "storage/money.h"

#include <QtTest>
#include <limits>

using namespace Qt::StringLiterals;

// Amounts are typed, imported and shown as text; every conversion goes
// through these helpers, so a rounding or grouping slip here shows up as a
// wrong balance everywhere. An empty optional is a refusal.
class TestMoney : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void parsesAmounts_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<Currency>("currency");
        QTest::addColumn<std::optional<qint64>>("expected");

        QTest::newRow("symbol, grouping, half-cent rounds up") << u"$1,234.565"_s << Currency::USD << std::optional<qint64>(123457);
        QTest::newRow("negative half a cent rounds away from zero") << u"-0.005"_s << Currency::USD << std::optional<qint64>(-1);
        QTest::newRow("no whole units") << u".45"_s << Currency::USD << std::optional<qint64>(45);
        QTest::newRow("trailing point") << u"7."_s << Currency::USD << std::optional<qint64>(700);
        QTest::newRow("surrounding blanks") << u"  42.10 "_s << Currency::USD << std::optional<qint64>(4210);
        QTest::newRow("minus before symbol") << u"-$1,234.56"_s << Currency::USD << std::optional<qint64>(-123456);
        QTest::newRow("empty") << QString() << Currency::USD << std::optional<qint64>(0);
        QTest::newRow("euro symbol") << u"€99.99"_s << Currency::EUR << std::optional<qint64>(9999);
        QTest::newRow("yen with grouping") << u"1,500"_s << Currency::JPY << std::optional<qint64>(1500);
        QTest::newRow("negative yen") << u"-¥300"_s << Currency::JPY << std::optional<qint64>(-300);
        QTest::newRow("largest dollar amount") << u"100,000,000,000.00"_s << Currency::USD << std::optional(maxAmountMinorUnits);
        QTest::newRow("largest negative dollar amount") << u"-$100000000000"_s << Currency::USD << std::optional(-maxAmountMinorUnits);
        QTest::newRow("half a cent below the limit rounds to it") << u"99999999999.995"_s << Currency::USD << std::optional(maxAmountMinorUnits);
        QTest::newRow("largest yen amount") << u"10,000,000,000,000"_s << Currency::JPY << std::optional(maxAmountMinorUnits);

        const std::optional<qint64> refused;
        QTest::newRow("two points") << u"12..5"_s << Currency::USD << refused;
        QTest::newRow("digits and letters") << u"12abc"_s << Currency::USD << refused;
        QTest::newRow("exponent") << u"1e3"_s << Currency::USD << refused;
        QTest::newRow("double minus") << u"--5"_s << Currency::USD << refused;
        QTest::newRow("plus sign") << u"+5"_s << Currency::USD << refused;
        QTest::newRow("a lone point") << u"."_s << Currency::USD << refused;
        QTest::newRow("another currency's symbol") << u"€5"_s << Currency::USD << refused;
        QTest::newRow("decimals in yen") << u"15.5"_s << Currency::JPY << refused;
        QTest::newRow("too many digits to hold") << u"99999999999999999999"_s << Currency::USD << refused;
        QTest::newRow("a cent beyond the limit") << u"100,000,000,000.01"_s << Currency::USD << refused;
        QTest::newRow("half a cent beyond the limit rounds past it") << u"100000000000.005"_s << Currency::USD << refused;
        QTest::newRow("a yen beyond the limit") << u"10,000,000,000,001"_s << Currency::JPY << refused;
        QTest::newRow("fifteen digits of dollars") << u"999,999,999,999,999.99"_s << Currency::USD << refused;
        // A comma off the thousands positions would be dropped and the
        // amount read a hundred times too large.
        QTest::newRow("decimal comma") << u"12,50"_s << Currency::USD << refused;
        QTest::newRow("comma in the cents") << u"1,234.5,6"_s << Currency::USD << refused;
        QTest::newRow("group of two") << u"1,23,456"_s << Currency::USD << refused;
        QTest::newRow("leading comma") << u",500"_s << Currency::USD << refused;
        QTest::newRow("decimal comma in yen") << u"¥1,5"_s << Currency::JPY << refused;
    }

    void parsesAmounts()
    {
        QFETCH(QString, text);
        QFETCH(Currency, currency);
        QFETCH(std::optional<qint64>, expected);

        QCOMPARE(tryParseAmount(text, currency), expected);
        QCOMPARE(parseAmount(text, currency), expected.value_or(0));
    }

    // What is shown reads back as the same amount, unless it is beyond the limit.
    void formatsAmounts_data()
    {
        QTest::addColumn<qint64>("minorUnits");
        QTest::addColumn<Currency>("currency");
        QTest::addColumn<QString>("amount");
        QTest::addColumn<QString>("withSymbol");

        QTest::newRow("zero") << qint64(0) << Currency::USD << u"0.00"_s << u"$0.00"_s;
        QTest::newRow("negative dollars") << qint64(-123456) << Currency::USD << u"-1,234.56"_s << u"-$1,234.56"_s;
        QTest::newRow("negative cents only") << qint64(-5) << Currency::USD << u"-0.05"_s << u"-$0.05"_s;
        QTest::newRow("millions") << qint64(123456789) << Currency::CAD << u"1,234,567.89"_s << u"$1,234,567.89"_s;
        QTest::newRow("euro") << qint64(1000) << Currency::EUR << u"10.00"_s << u"€10.00"_s;
        QTest::newRow("pound") << qint64(-99) << Currency::GBP << u"-0.99"_s << u"-£0.99"_s;
        QTest::newRow("yen") << qint64(1500) << Currency::JPY << u"1,500"_s << u"¥1,500"_s;
        QTest::newRow("largest dollar amount") << maxAmountMinorUnits << Currency::USD << u"100,000,000,000.00"_s << u"$100,000,000,000.00"_s;
        const qint64 lowest = std::numeric_limits<qint64>::min();
        QTest::newRow("most negative dollars") << lowest << Currency::USD << u"-92,233,720,368,547,758.08"_s << u"-$92,233,720,368,547,758.08"_s;
        QTest::newRow("most negative yen") << lowest << Currency::JPY << u"-9,223,372,036,854,775,808"_s << u"-¥9,223,372,036,854,775,808"_s;
    }

    void formatsAmounts()
    {
        QFETCH(qint64, minorUnits);
        QFETCH(Currency, currency);
        QFETCH(QString, amount);
        QFETCH(QString, withSymbol);
        const bool valid = minorUnits >= -maxAmountMinorUnits && minorUnits <= maxAmountMinorUnits;

        QCOMPARE(formatAmount(minorUnits, currency), amount);
        QCOMPARE(formatCurrency(minorUnits, currency), withSymbol);
        QCOMPARE(tryParseAmount(amount, currency), valid ? std::optional(minorUnits) : std::nullopt);
        QCOMPARE(tryParseAmount(withSymbol, currency), valid ? std::optional(minorUnits) : std::nullopt);
    }

    void convertsMajorUnits_data()
    {
        QTest::addColumn<double>("majorUnits");
        QTest::addColumn<Currency>("currency");
        QTest::addColumn<std::optional<qint64>>("minorUnits");

        QTest::newRow("a price that is inexact in binary") << 19.99 << Currency::USD << std::optional<qint64>(1999);
        QTest::newRow("negative cents") << -0.01 << Currency::EUR << std::optional<qint64>(-1);
        QTest::newRow("yen") << 1500.0 << Currency::JPY << std::optional<qint64>(1500);
        QTest::newRow("largest dollar amount") << 100000000000.0 << Currency::USD << std::optional(maxAmountMinorUnits);
        QTest::newRow("largest negative yen amount") << -10000000000000.0 << Currency::JPY << std::optional(-maxAmountMinorUnits);
        const std::optional<qint64> refused;
        QTest::newRow("a cent beyond the limit") << 100000000000.01 << Currency::USD << refused;
        QTest::newRow("a cent beyond the negative limit") << -100000000000.01 << Currency::EUR << refused;
        QTest::newRow("a yen beyond the limit") << 10000000000001.0 << Currency::JPY << refused;
        QTest::newRow("far beyond what qint64 holds") << 1e300 << Currency::USD << refused;
        QTest::newRow("infinity") << std::numeric_limits<double>::infinity() << Currency::USD << refused;
        QTest::newRow("not a number") << std::numeric_limits<double>::quiet_NaN() << Currency::JPY << refused;
    }

    void convertsMajorUnits()
    {
        QFETCH(double, majorUnits);
        QFETCH(Currency, currency);
        QFETCH(std::optional<qint64>, minorUnits);

        QCOMPARE(fromMajorUnits(majorUnits, currency), minorUnits);
        if (minorUnits)
            QCOMPARE(toMajorUnits(*minorUnits, currency), majorUnits);
    }
};

QTEST_GUILESS_MAIN(TestMoney)
#include "tst_money.moc"
