#include "storage/enums.h"

#include <array>

namespace {

template <typename Enum, std::size_t N>
QString textOf(Enum value, const std::array<const char*, N>& texts, Enum fallback)
{
    const auto index = static_cast<std::size_t>(value);
    return QString::fromLatin1(index < N ? texts[index] : texts[static_cast<std::size_t>(fallback)]);
}

template <typename Enum, std::size_t N>
Enum valueOf(const QString& text, const std::array<const char*, N>& texts, Enum fallback)
{
    for (std::size_t i = 0; i < N; ++i) {
        if (text == QLatin1String(texts[i]))
            return static_cast<Enum>(i);
    }
    return fallback;
}

constexpr std::array<const char*, 6> accountTypeTexts{"checking", "savings", "credit_card", "cash", "investment", "other"};
constexpr std::array<const char*, 6> currencyTexts{"USD", "EUR", "GBP", "CAD", "AUD", "JPY"};
constexpr std::array<const char*, 3> syncStatusTexts{"pending", "synced", "conflict"};
constexpr std::array<const char*, 3> categoryTypeTexts{"income", "expense", "transfer"};
constexpr std::array<const char*, 7> frequencyTexts{"daily", "weekly", "biweekly", "monthly", "quarterly", "semi_annual", "annual"};

} // namespace

QString toStoredText(AccountType type) { return textOf(type, accountTypeTexts, AccountType::Other); }
QString toStoredText(Currency currency) { return textOf(currency, currencyTexts, Currency::USD); }
QString toStoredText(SyncStatus status) { return textOf(status, syncStatusTexts, SyncStatus::Pending); }
QString toStoredText(CategoryType type) { return textOf(type, categoryTypeTexts, CategoryType::Expense); }
QString toStoredText(Frequency frequency) { return textOf(frequency, frequencyTexts, Frequency::Monthly); }

AccountType accountTypeFromText(const QString& text) { return valueOf(text, accountTypeTexts, AccountType::Other); }
Currency currencyFromText(const QString& text) { return valueOf(text, currencyTexts, Currency::USD); }
SyncStatus syncStatusFromText(const QString& text) { return valueOf(text, syncStatusTexts, SyncStatus::Pending); }
CategoryType categoryTypeFromText(const QString& text) { return valueOf(text, categoryTypeTexts, CategoryType::Expense); }
Frequency frequencyFromText(const QString& text) { return valueOf(text, frequencyTexts, Frequency::Monthly); }
