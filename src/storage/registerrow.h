#pragma once

#include "storage/money.h"
#include "storage/transaction.h"

// One line of an account's register: the transaction, the account balance
// after it (none when it is too large to hold), and the name of its category
// (empty when it has none).
struct RegisterRow
{
    Transaction transaction;
    CheckedSum runningBalance = 0;
    QString categoryName;
};
