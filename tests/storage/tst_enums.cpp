#include "storage/enums.h"

#include <QtTest>

// The stored texts are shared with the server and with backups: a changed
// spelling would make rows written by another device load as the fallback.
class TestEnums : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void storedTextsRoundTrip();
    void unknownTextsAndValuesFallBack();
};

namespace {

template<typename Enum>
void checkRoundTrips(const QList<QPair<Enum, const char*>>& pairs, Enum (*fromText)(const QString&))
{
    for (const auto& [value, text] : pairs) {
        QCOMPARE(toStoredText(value), QString::fromLatin1(text));
        QCOMPARE(fromText(QString::fromLatin1(text)), value);
    }
}

} // namespace

void TestEnums::storedTextsRoundTrip()
{
    checkRoundTrips<AccountType>({{AccountType::Checking, "checking"}, {AccountType::Savings, "savings"},
                                     {AccountType::CreditCard, "credit_card"}, {AccountType::Cash, "cash"},
                                     {AccountType::Investment, "investment"}, {AccountType::Other, "other"}},
        accountTypeFromText);
    checkRoundTrips<Currency>({{Currency::USD, "USD"}, {Currency::EUR, "EUR"}, {Currency::GBP, "GBP"},
                                  {Currency::CAD, "CAD"}, {Currency::AUD, "AUD"}, {Currency::JPY, "JPY"}},
        currencyFromText);
    checkRoundTrips<SyncStatus>(
        {{SyncStatus::Pending, "pending"}, {SyncStatus::Synced, "synced"}, {SyncStatus::Conflict, "conflict"}},
        syncStatusFromText);
    checkRoundTrips<CategoryType>(
        {{CategoryType::Income, "income"}, {CategoryType::Expense, "expense"}, {CategoryType::Transfer, "transfer"}},
        categoryTypeFromText);
    checkRoundTrips<Frequency>({{Frequency::Daily, "daily"}, {Frequency::Weekly, "weekly"},
                                   {Frequency::Biweekly, "biweekly"}, {Frequency::Monthly, "monthly"},
                                   {Frequency::Quarterly, "quarterly"}, {Frequency::SemiAnnual, "semi_annual"},
                                   {Frequency::Annual, "annual"}},
        frequencyFromText);
}

void TestEnums::unknownTextsAndValuesFallBack()
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

    QCOMPARE(toStoredText(static_cast<AccountType>(42)), QStringLiteral("other"));
    QCOMPARE(toStoredText(static_cast<Currency>(42)), QStringLiteral("USD"));
    QCOMPARE(toStoredText(static_cast<SyncStatus>(42)), QStringLiteral("pending"));
    QCOMPARE(toStoredText(static_cast<CategoryType>(42)), QStringLiteral("expense"));
    QCOMPARE(toStoredText(static_cast<Frequency>(42)), QStringLiteral("monthly"));
}

QTEST_GUILESS_MAIN(TestEnums)
#include "tst_enums.moc"
