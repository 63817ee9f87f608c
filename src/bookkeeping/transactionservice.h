#pragma once

#include "bookkeeping/writeoutcome.h"
#include "storage/transaction.h"

#include <QList>
#include <QObject>
#include <functional>
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
    // The recurring rule that posts it; empty for one the user entered.
    QString recurringId;
};

// Ids chosen by the caller for a new transaction and its transfer
// counterpart; empty ones are made up. A writer that may try the same
// change twice (posting one occurrence of a recurring rule) names the rows
// itself, so the second try finds them instead of storing a duplicate.
struct NewTransactionIds
{
    QString id;
    QString counterpartId;
};

// One transaction of a batch, with the ids it is stored under.
struct PlannedTransaction
{
    TransactionEntry entry;
    NewTransactionIds ids;
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
    // counterpart in the other account, linked both ways. Refused, with
    // nothing written, when either account is missing or deleted or the two
    // differ in currency.
    WriteOutcome create(const QString& accountId, const TransactionEntry& entry, const NewTransactionIds& ids = {});
    // Several new transactions in `accountId` by the rules of create, all or
    // none, for writers that post many at once (a recurring rule's missed
    // occurrences). `alsoStore`, when given, is the caller's own write that
    // belongs with them (the rule's advance): it runs in the same database
    // transaction, and its failure undoes them. The outcome carries the id
    // of the last transaction.
    WriteOutcome createAll(const QString& accountId, const QList<PlannedTransaction>& planned,
        const std::function<bool()>& alsoStore = {});
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
    // Whether `accountId` may hold a transfer with `targetId`: both live,
    // two different accounts, one currency. For writers that store both
    // legs themselves (import links legs it reads from files).
    WriteOutcome checkTransfer(const QString& accountId, const QString& targetId);

private:
    WriteOutcome checkTransferTarget(const QString& accountId, const QString& targetId, std::optional<Account>& target);
    // The other leg of a new transfer, linked both ways with `transaction`.
    Transaction newCounterpart(Transaction& transaction, const Account& source, const Account& target,
        const QString& counterpartId = QString());
    bool followCounterpart(const Transaction& transaction);
    bool removeIfLive(const QString& transactionId);

    Database* m_database;
    AccountRepository* m_accounts;
    TransactionRepository* m_transactions;
};
