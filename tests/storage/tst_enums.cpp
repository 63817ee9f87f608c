#include "storage/enums.h"

#include <QtTest>

// The stored texts are shared with the server and with backups: a changed
// spelling would make rows written by another device load as the fallback.
class TestEnums : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void accountTypes_data();
    void accountTypes();
    void currencies_data();
    void currencies();
    void syncStatuses_data();
    void syncStatuses();
    void categoryTypes_data();
    void categoryTypes();
    void frequencies_data();
    void frequencies();
    void unknownTextsFallBack();
    void outOfRangeValuesAreWrittenAsTheFallback();
};

void TestEnums::accountTypes_data()
{
    QTest::addColumn<AccountType>("value");
    QTest::addColumn<QString>("text");
    QTest::newRow("checking") << AccountType::Checking << QStringLiteral("checking");
    QTest::newRow("savings") << AccountType::Savings << QStringLiteral("savings");
    QTest::newRow("credit card") << AccountType::CreditCard << QStringLiteral("credit_card");
    QTest::newRow("cash") << AccountType::Cash << QStringLiteral("cash");
    QTest::newRow("investment") << AccountType::Investment << QStringLiteral("investment");
    QTest::newRow("other") << AccountType::Other << QStringLiteral("other");
}

void TestEnums::accountTypes()
{
    QFETCH(AccountType, value);
    QFETCH(QString, text);
    QCOMPARE(toStoredText(value), text);
    QCOMPARE(accountTypeFromText(text), value);
}

void TestEnums::currencies_data()
{
    QTest::addColumn<Currency>("value");
    QTest::addColumn<QString>("text");
    QTest::newRow("USD") << Currency::USD << QStringLiteral("USD");
    QTest::newRow("EUR") << Currency::EUR << QStringLiteral("EUR");
    QTest::newRow("GBP") << Currency::GBP << QStringLiteral("GBP");
    QTest::newRow("CAD") << Currency::CAD << QStringLiteral("CAD");
    QTest::newRow("AUD") << Currency::AUD << QStringLiteral("AUD");
    QTest::newRow("JPY") << Currency::JPY << QStringLiteral("JPY");
}

void TestEnums::currencies()
{
    QFETCH(Currency, value);
    QFETCH(QString, text);
    QCOMPARE(toStoredText(value), text);
    QCOMPARE(currencyFromText(text), value);
}

void TestEnums::syncStatuses_data()
{
    QTest::addColumn<SyncStatus>("value");
    QTest::addColumn<QString>("text");
    QTest::newRow("pending") << SyncStatus::Pending << QStringLiteral("pending");
    QTest::newRow("synced") << SyncStatus::Synced << QStringLiteral("synced");
    QTest::newRow("conflict") << SyncStatus::Conflict << QStringLiteral("conflict");
}

void TestEnums::syncStatuses()
{
    QFETCH(SyncStatus, value);
    QFETCH(QString, text);
    QCOMPARE(toStoredText(value), text);
    QCOMPARE(syncStatusFromText(text), value);
}

void TestEnums::categoryTypes_data()
{
    QTest::addColumn<CategoryType>("value");
    QTest::addColumn<QString>("text");
    QTest::newRow("income") << CategoryType::Income << QStringLiteral("income");
    QTest::newRow("expense") << CategoryType::Expense << QStringLiteral("expense");
    QTest::newRow("transfer") << CategoryType::Transfer << QStringLiteral("transfer");
}

void TestEnums::categoryTypes()
{
    QFETCH(CategoryType, value);
    QFETCH(QString, text);
    QCOMPARE(toStoredText(value), text);
    QCOMPARE(categoryTypeFromText(text), value);
}

void TestEnums::frequencies_data()
{
    QTest::addColumn<Frequency>("value");
    QTest::addColumn<QString>("text");
    QTest::newRow("daily") << Frequency::Daily << QStringLiteral("daily");
    QTest::newRow("weekly") << Frequency::Weekly << QStringLiteral("weekly");
    QTest::newRow("biweekly") << Frequency::Biweekly << QStringLiteral("biweekly");
    QTest::newRow("monthly") << Frequency::Monthly << QStringLiteral("monthly");
    QTest::newRow("quarterly") << Frequency::Quarterly << QStringLiteral("quarterly");
    QTest::newRow("semi-annual") << Frequency::SemiAnnual << QStringLiteral("semi_annual");
    QTest::newRow("annual") << Frequency::Annual << QStringLiteral("annual");
}

void TestEnums::frequencies()
{
    QFETCH(Frequency, value);
    QFETCH(QString, text);
    QCOMPARE(toStoredText(value), text);
    QCOMPARE(frequencyFromText(text), value);
}

void TestEnums::unknownTextsFallBack()
{
    // Reading is exact: a differently cased text is unknown too.
    QCOMPARE(accountTypeFromText(QStringLiteral("brokerage")), AccountType::Other);
    QCOMPARE(accountTypeFromText(QStringLiteral("Savings")), AccountType::Other);
    QCOMPARE(currencyFromText(QStringLiteral("XYZ")), Currency::USD);
    QCOMPARE(currencyFromText(QStringLiteral("jpy")), Currency::USD);
    QCOMPARE(syncStatusFromText(QStringLiteral("weird")), SyncStatus::Pending);
    QCOMPARE(syncStatusFromText(QString()), SyncStatus::Pending);
    QCOMPARE(categoryTypeFromText(QStringLiteral("weird")), CategoryType::Expense);
    QCOMPARE(frequencyFromText(QStringLiteral("fortnightly")), Frequency::Monthly);
}

void TestEnums::outOfRangeValuesAreWrittenAsTheFallback()
{
    QCOMPARE(toStoredText(static_cast<AccountType>(42)), QStringLiteral("other"));
    QCOMPARE(toStoredText(static_cast<Currency>(42)), QStringLiteral("USD"));
    QCOMPARE(toStoredText(static_cast<SyncStatus>(42)), QStringLiteral("pending"));
    QCOMPARE(toStoredText(static_cast<CategoryType>(42)), QStringLiteral("expense"));
    QCOMPARE(toStoredText(static_cast<Frequency>(42)), QStringLiteral("monthly"));
}

QTEST_GUILESS_MAIN(TestEnums)
#include "tst_enums.moc"
