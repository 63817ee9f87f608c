#pragma once

#include "services/import/amountreader.h"
#include "services/import/datereader.h"

#include <QDate>
#include <QList>
#include <QString>

// The kind of register a QIF "!Type:" line names.
enum class QifListType {
    Bank = 0,
    CreditCard = 1,
    Investment = 2,
    Cash = 3,
    OtherAsset = 4,
    OtherLiability = 5,
};

// One share of a split QIF transaction.
struct QifSplit
{
    QString category;
    QString transferAccount;
    QString memo;
    DecimalAmount amount;
};

// One QIF transaction record, as written in the file.
struct QifTransaction
{
    QDate date;
    DecimalAmount amount;
    QString payee;
    QString memo;
    // The category without its class part ("Auto:Fuel" of "Auto:Fuel/Work").
    QString category;
    // The account named in square brackets: the other side of a transfer.
    QString transferAccount;
    // The check number, or the action in investment lists.
    QString checkNumber;
    QString security;
    bool cleared = false;
    bool reconciled = false;
    QList<QifSplit> splits;
    // The name of the "!Account" header above it; empty before any.
    QString sourceAccount;
    // The list it came in.
    QifListType listType = QifListType::Bank;
};

// A category defined in a "!Type:Cat" list.
struct QifCategory
{
    QString name;
    QString description;
    bool income = false;
};

// An account whose transactions the file holds, with the list they came in.
struct QifSourceAccount
{
    QString name;
    QifListType listType = QifListType::Bank;
};

struct QifParseResult
{
    QList<QifTransaction> transactions;
    QList<QifCategory> categories;
    // In order of first appearance, names compared without case.
    QList<QifSourceAccount> accounts;
    int unparseable = 0;
    int metadata = 0;
    QifDateOrder dateOrder = QifDateOrder::MonthFirst;
};

// Reads the text of a QIF file: its sections, records and splits.
class QifParser
{
public:
    static QifParseResult parse(const QString& text, QifDateOrder order = QifDateOrder::Automatic);
    // The list type a "!Type:" value names; bank for anything unknown.
    static QifListType listType(const QString& value);
};
