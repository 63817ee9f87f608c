#pragma once

#include "storage/transaction.h"

// One line of an account's register: the transaction, the account balance
// after it, and the name of its category (empty when it has none).
struct RegisterRow
{
    Transaction transaction;
    qint64 runningBalance = 0;
    QString categoryName;
};
