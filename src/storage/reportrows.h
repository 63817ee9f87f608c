#pragma once

#include "storage/enums.h"

#include <QDate>
#include <QList>
#include <QString>

// The rows of the read-only reports, as the report queries return them.
// Amounts are signed minor units, negative for money out.

struct CategoryTotal
{
    QString name;
    qint64 amount = 0;
};

struct PayeeTotal
{
    QString payee;
    qint64 amount = 0;
    int count = 0;
};

struct TaxLine
{
    QString categoryName;
    QString taxCategory;
    qint64 amount = 0;
};

// One month, "yyyy-MM": money in, money out (negative) and their sum.
struct MonthLine
{
    QString month;
    qint64 moneyIn = 0;
    qint64 moneyOut = 0;
    qint64 net = 0;
};

struct YearOverYearLine
{
    QString categoryName;
    qint64 period1 = 0;
    qint64 period2 = 0;
    qint64 difference = 0;
};

// An account's balances in its own currency; the type is the stored word.
struct AccountLine
{
    QString accountName;
    QString accountType;
    Currency currency = Currency::USD;
    qint64 clearedBalance = 0;
    qint64 uncleared = 0;
    qint64 totalBalance = 0;
};

// The live accounts of one currency: the sum of their starting balances
// (the balance before any transaction), or the sum of their transactions in
// one month "yyyy-MM".
struct CurrencyTotal
{
    QString currency;
    qint64 amount = 0;
};

struct CurrencyMonthTotal
{
    QString currency;
    QString month;
    qint64 amount = 0;
};

// The balance of all live accounts of one currency at the end of a month.
struct BalancePoint
{
    QString month;
    qint64 balance = 0;
};

struct NetWorthLine
{
    Currency currency = Currency::USD;
    QList<BalancePoint> points;
};

struct TransactionLine
{
    QDate date;
    QString accountName;
    QString payee;
    QString categoryName;
    QString memo;
    qint64 amount = 0;
};
// Long listings grow by moving their bytes.
Q_DECLARE_TYPEINFO(TransactionLine, Q_RELOCATABLE_TYPE);

// Which transactions a report counts: one account, every account in one
// currency, or (both empty) every account.
struct ReportScope
{
    QString accountId;
    // The stored currency word, such as "EUR"; empty for any currency.
    QString currency;
};
