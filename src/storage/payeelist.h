#pragma once

#include <QObject>
#include <QStringList>

class Database;
class TransactionRepository;

// The stored payees a payee field completes to, kept in memory: finding
// them among the transactions scans the whole table, a noticeable pause in
// a large register every time a payee cell opens. After a committed change
// the list is read again, but from a count of uses per payee that the
// connection keeps up to date on every write, so only the first reading of
// a session scans the table.
class PayeeList : public QObject
{
    Q_OBJECT

public:
    PayeeList(Database* database, TransactionRepository* transactions, QObject* parent = nullptr);

    // The distinct payees of the live transactions that fit a payee field
    // (see payeeCompletions), in byte order.
    QStringList completions();

private:
    enum class Counts { NotStarted, Kept, Unavailable };

    bool startCounting();
    QStringList countedPayees();

    Database* m_database;
    TransactionRepository* m_transactions;
    Counts m_counts = Counts::NotStarted;
    QStringList m_completions;
    bool m_current = false;
};
