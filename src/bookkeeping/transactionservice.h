#pragma once

#include "bookkeeping/writeoutcome.h"
#include "storage/transaction.h"

#include <QObject>
#include <optional>

class AccountRepository;
class Database;
class TransactionRepository;
struct Account;

// What the user entered for one transaction, before the bookkeeping rules
// turn it into stored rows.
struct TransactionEntry
{
    QDate date;
    QString payee;
    QString checkNumber;
    QString memo;
    qint64 amount = 0;
    QString categoryId;
    bool cleared = false;
    bool reconciled = false;
    // The other account of a transfer; empty for an ordinary transaction.
    QString transferAccountId;
};

// The rules for writing transactions, without widgets, for the register,
// the forms and every later writer (recurring posting, import, restore,
// sync). Each call is one database transaction, so a transfer always has
// both of its legs or neither, whatever happens half way.
class TransactionService : public QObject
{
    Q_OBJECT

public:
    TransactionService(Database* database, AccountRepository* accounts, TransactionRepository* transactions,
        QObject* parent = nullptr);

    // A new transaction in `accountId`; a transfer also gets its
    // counterpart in the other account, linked both ways.
    WriteOutcome create(const QString& accountId, const TransactionEntry& entry);
    // Stores a transaction built elsewhere (a form, an opening balance).
    WriteOutcome insert(const Transaction& transaction);
    // Saves `entry` over `loaded`, the row as the caller read it. Refused
    // when the stored row has changed since (ChangedElsewhere), so no edit
    // is silently lost. A transfer's counterpart follows the date and
    // amount; typing a transfer over a plain row creates the counterpart,
    // and naming another account moves it there.
    WriteOutcome edit(const Transaction& loaded, const TransactionEntry& entry);
    // Soft-deletes the transaction and, for a transfer, its counterpart.
    WriteOutcome remove(const Transaction& transaction);
    // Sets only the cleared flag of the stored row.
    WriteOutcome setCleared(const QString& transactionId, bool cleared);

private:
    WriteOutcome checkTransferTarget(const QString& accountId, const QString& targetId, std::optional<Account>& target);
    bool linkNewCounterpart(Transaction& transaction, const Account& source, const Account& target);
    bool followCounterpart(const Transaction& transaction);
    bool removeIfLive(const QString& transactionId);

    Database* m_database;
    AccountRepository* m_accounts;
    TransactionRepository* m_transactions;
};
