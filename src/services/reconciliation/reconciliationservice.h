#pragma once

#include "bookkeeping/writeoutcome.h"
#include "storage/money.h"
#include "storage/transaction.h"

#include <QDate>
#include <QHash>
#include <QList>
#include <QObject>
#include <optional>

class AccountRepository;
class Database;
class ReconciliationRepository;
class TransactionRepository;

// The account's transactions not reconciled yet, oldest first, and the
// balance the reconciled ones come to with the starting balance: what the
// last statement left. That balance is none when it is too large to hold.
struct UnreconciledRows
{
    QList<Transaction> rows;
    CheckedSum previousBalance;
};

// A finished statement: its date and ending balance, and the transactions
// the user ticked, as the reconciliation window read them.
struct StatementMatch
{
    QString accountId;
    QDate statementDate;
    qint64 statementBalance = 0;
    QList<Transaction> ticked;
};

// The rules of reconciling an account against a bank statement, without
// widgets.
class ReconciliationService : public QObject
{
    Q_OBJECT

public:
    ReconciliationService(Database* database, AccountRepository* accounts, TransactionRepository* transactions,
        ReconciliationRepository* reconciliations, QObject* parent = nullptr);

    // None when the account does not exist or cannot be read.
    std::optional<UnreconciledRows> unreconciled(const QString& accountId);
    // One month after the last statement, or after the latest reconciled
    // transaction when that is later; invalid when neither exists.
    QDate suggestedStatementDate(const QString& accountId);

    // Marks the ticked transactions cleared and reconciled and stores the
    // reconciliation record, in one database transaction. Each ticked row
    // is read again first: when one was deleted, reconciled or given another
    // amount since the window read it, or the reconciled balance would not
    // be the statement's, nothing is stored (ChangedElsewhere). The
    // outcome's id is the new reconciliation's.
    WriteOutcome finish(const StatementMatch& match);

private:
    // Why `seen`, ticked by the user, is no longer among `current`, the
    // account's unreconciled rows as stored now, or has another amount
    // there; done when it is unchanged.
    WriteOutcome checkUnchanged(const Transaction& seen, const QHash<QString, Transaction>& current, Currency currency);
    [[nodiscard]] bool markReconciled(Transaction transaction, const QDateTime& now);

    Database* m_database;
    AccountRepository* m_accounts;
    TransactionRepository* m_transactions;
    ReconciliationRepository* m_reconciliations;
};
