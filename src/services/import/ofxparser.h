#pragma once

#include "storage/enums.h"

#include <QDate>
#include <QList>
#include <QString>
#include <optional>

// One transaction of an OFX statement as the bank wrote it.
struct OfxRecord
{
    // Invalid when the bank left the posted date out.
    QDate date;
    // In the statement's currency, major units; none when there is none.
    std::optional<double> amount;
    // The bank's transaction id (FITID); empty when the bank gave none.
    QString fitid;
    QString name;
    QString memo;
    QString checkNumber;
};

// One account's statement in an OFX or QFX file.
struct OfxStatement
{
    // The bank's id of the account (bank, branch and account number, or the
    // card number). It identifies the account and is never stored as it is.
    QString accountKey;
    // The last four digits of the account number, for matching and naming.
    QString lastFour;
    // The bank's routing id or name, when the statement has one.
    QString bankId;
    AccountType type = AccountType::Checking;
    // ISO 4217 code, upper case; empty when the statement names none.
    QString currency;
    QList<OfxRecord> records;
};

// Reads OFX 1.x (SGML), OFX 2.x (XML) and QFX bank and credit-card
// statements through libofx. Several accounts in one file give several
// statements, in the order the file names them.
class OfxParser
{
public:
    // The statements of the file; empty when it is not an OFX file or holds
    // no account (or cannot be read).
    static QList<OfxStatement> parse(const QString& path);
};
