#pragma once

#include "storage/account.h"
#include "storage/transaction.h"

#include <QDate>
#include <optional>

// What storing a newly entered account writes. The account itself starts at
// zero; a starting balance becomes an "Opening Balance" transaction on the
// as-of date, so it shows, clears and reconciles like any other row.
struct AccountCreation
{
    Account account;
    std::optional<Transaction> openingBalance;

    // The rows to store for `entered` (as AccountFormDialog::account()
    // returns it) with its balance held on `asOf`. nullopt when the account
    // has no name: such an account is not stored at all.
    static std::optional<AccountCreation> fromEntered(const Account& entered, const QDate& asOf);
    // The "Opening Balance" row of `account`: `amount` held on `asOf`.
    static Transaction openingBalanceTransaction(const Account& account, qint64 amount, const QDate& asOf);
};
