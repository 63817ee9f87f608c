#include "register/accountcreation.h"

#include "storage/clock.h"
#include "storage/identifiers.h"

namespace {

Transaction openingBalanceTransaction(const Account& account, qint64 amount, const QDate& asOf)
{
    const QDateTime now = Clock::nowUtc();
    Transaction transaction;
    transaction.id = newId();
    transaction.accountId = account.id;
    transaction.date = asOf;
    // Stored data, the same in every interface language.
    transaction.payee = QStringLiteral("Opening Balance");
    transaction.amount = amount;
    transaction.createdAt = now;
    transaction.updatedAt = now;
    transaction.syncStatus = SyncStatus::Pending;
    return transaction;
}

} // namespace

std::optional<AccountCreation> AccountCreation::fromEntered(const Account& entered, const QDate& asOf)
{
    if (entered.name.trimmed().isEmpty())
        return std::nullopt;
    AccountCreation creation;
    creation.account = entered;
    creation.account.startingBalance = 0;
    if (entered.startingBalance != 0)
        creation.openingBalance = openingBalanceTransaction(creation.account, entered.startingBalance, asOf);
    return creation;
}
