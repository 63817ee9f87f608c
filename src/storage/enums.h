#pragma once

#include <QString>

// The enumerations stored in the database as text. The numeric order is the
// in-memory order; the stored texts are shared with the server and with
// backups, so they never change.

enum class AccountType { Checking, Savings, CreditCard, Cash, Investment, Other };
enum class Currency { USD, EUR, GBP, CAD, AUD, JPY };
enum class SyncStatus { Pending, Synced, Conflict };
enum class CategoryType { Income, Expense, Transfer };
enum class Frequency { Daily, Weekly, Biweekly, Monthly, Quarterly, SemiAnnual, Annual };

QString toStoredText(AccountType type);
QString toStoredText(Currency currency);
QString toStoredText(SyncStatus status);
QString toStoredText(CategoryType type);
QString toStoredText(Frequency frequency);

// Unknown texts fall back to a safe value (other, USD, pending, expense,
// monthly) so that rows written by a newer peer still load.
AccountType accountTypeFromText(const QString& text);
Currency currencyFromText(const QString& text);
SyncStatus syncStatusFromText(const QString& text);
CategoryType categoryTypeFromText(const QString& text);
Frequency frequencyFromText(const QString& text);
