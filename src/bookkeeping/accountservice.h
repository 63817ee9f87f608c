#pragma once

#include "bookkeeping/writeoutcome.h"
#include "storage/account.h"
#include "storage/transaction.h"

#include <QDate>
#include <QObject>

class AccountRepository;
class Database;
class ReconciliationRepository;
class RecurringRepository;
class TransactionRepository;

// The rules for creating, editing and deleting accounts, without widgets.
// Each call is one database transaction: a new account never exists
// without its opening balance, and a deleted one never keeps live rows.
class AccountService : public QObject
{
    Q_OBJECT

public:
    AccountService(Database* database, AccountRepository* accounts, TransactionRepository* transactions,
        RecurringRepository* recurring, ReconciliationRepository* reconciliations, QObject* parent = nullptr);

    // Stores `entered` (as the account form returns it) with its opening
    // balance held on `asOf`. The outcome's id is the new account's.
    // New accounts go to the end of the account list.
    WriteOutcome create(const Account& entered, const QDate& asOf);
    // Stores the edited account. An account that carries no starting balance
    // of its own keeps its opening balance in an "Opening Balance" row:
    // `entered`'s starting balance and `asOf` then change, add or (at zero)
    // remove that row, and the account's own stays zero. Refused when the
    // currency would change between yen and another currency while the
    // account holds amounts.
    WriteOutcome update(const Account& entered, const QDate& asOf);
    // The row holding the account's opening balance, when it has one and
    // carries no starting balance of its own.
    std::optional<Transaction> openingBalance(const Account& account);
    // Soft-deletes the account's transactions, recurring transactions and
    // reconciliations, then the account itself.
    WriteOutcome remove(const QString& accountId);
    // Brings a deleted account back with the rows deleted along with it:
    // its transactions, recurring transactions and reconciliations deleted
    // from ten seconds before the account on. Rows deleted on their own
    // earlier stay deleted. Refused while a live account has its name.
    WriteOutcome restore(const QString& accountId);

private:
    [[nodiscard]] bool writeOpeningBalance(const Account& account, qint64 amount, const QDate& asOf);
    // Refuses an empty name, or one another live account has (in any case).
    WriteOutcome checkName(const Account& account, const QList<Account>& accounts) const;

    Database* m_database;
    AccountRepository* m_accounts;
    TransactionRepository* m_transactions;
    RecurringRepository* m_recurring;
    ReconciliationRepository* m_reconciliations;
};
