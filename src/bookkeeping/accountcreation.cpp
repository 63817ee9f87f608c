#include "bookkeeping/accountcreation.h"

#include "storage/clock.h"
#include "storage/identifiers.h"

Transaction AccountCreation::openingBalanceTransaction(const Account& account, qint64 amount, const QDate& asOf)
{
    return Transaction::newPending(account.id, asOf, openingBalancePayee, amount);
}

std::optional<AccountCreation> AccountCreation::fromEntered(const Account& entered, const QDate& asOf)
{
    if (entered.name.trimmed().isEmpty())
        return std::nullopt;
    AccountCreation creation;
    creation.account = entered;
    creation.account.startingBalance = 0;
    // Callers other than the form (import, sample data) may leave these to us.
    if (creation.account.id.isEmpty())
        creation.account.id = newId();
    if (!creation.account.createdAt.isValid())
        creation.account.createdAt = Clock::nowUtc();
    if (!creation.account.updatedAt.isValid())
        creation.account.updatedAt = creation.account.createdAt;
    if (entered.startingBalance != 0)
        creation.openingBalance = openingBalanceTransaction(creation.account, entered.startingBalance, asOf);
    return creation;
}
