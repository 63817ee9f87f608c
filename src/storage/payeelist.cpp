#include "storage/payeelist.h"

#include "storage/database.h"
#include "storage/sqlquery.h"
#include "storage/textlimits.h"
#include "storage/transactionrepository.h"

namespace {

// The live uses of every payee, kept by triggers of this connection. TEMP
// tables and triggers belong to the connection alone and are never written
// to the file; they change and roll back with the transactions around them.
const QStringList countingStatements = {
    QStringLiteral("CREATE TEMP TABLE IF NOT EXISTS payee_uses (payee TEXT PRIMARY KEY, uses INTEGER NOT NULL) WITHOUT ROWID"),
    QStringLiteral("CREATE TEMP TRIGGER IF NOT EXISTS payee_uses_after_insert AFTER INSERT ON main.transactions "
                   "WHEN NEW.deleted_at IS NULL AND NEW.payee != '' BEGIN "
                   "INSERT INTO payee_uses (payee, uses) VALUES (NEW.payee, 1) ON CONFLICT (payee) DO UPDATE SET uses = uses + 1; "
                   "END"),
    QStringLiteral("CREATE TEMP TRIGGER IF NOT EXISTS payee_uses_after_update AFTER UPDATE OF payee, deleted_at ON main.transactions "
                   "BEGIN "
                   "UPDATE payee_uses SET uses = uses - 1 WHERE payee = OLD.payee AND OLD.deleted_at IS NULL; "
                   "INSERT INTO payee_uses (payee, uses) SELECT NEW.payee, 1 WHERE NEW.deleted_at IS NULL AND NEW.payee != '' "
                   "ON CONFLICT (payee) DO UPDATE SET uses = uses + 1; "
                   "END"),
    QStringLiteral("CREATE TEMP TRIGGER IF NOT EXISTS payee_uses_after_delete AFTER DELETE ON main.transactions "
                   "WHEN OLD.deleted_at IS NULL BEGIN "
                   "UPDATE payee_uses SET uses = uses - 1 WHERE payee = OLD.payee; "
                   "END"),
    QStringLiteral("DELETE FROM payee_uses"),
    QStringLiteral("INSERT INTO payee_uses (payee, uses) SELECT payee, COUNT(*) FROM main.transactions "
                   "WHERE deleted_at IS NULL AND payee != '' GROUP BY payee"),
};

} // namespace

PayeeList::PayeeList(Database* database, TransactionRepository* transactions, QObject* parent)
    : QObject(parent)
    , m_database(database)
    , m_transactions(transactions)
{
    // Announced after the commit only: a write that is rolled back leaves
    // the list as it was.
    connect(transactions, &TransactionRepository::transactionsChanged, this, [this] { m_current = false; });
}

QStringList PayeeList::completions()
{
    if (m_current)
        return m_completions;
    // Set up outside any transaction, so that no rollback can take the
    // counts away again.
    if (m_counts == Counts::NotStarted && !m_database->isInTransaction())
        m_counts = startCounting() ? Counts::Kept : Counts::Unavailable;
    if (m_counts != Counts::Kept)
        return payeeCompletions(m_transactions->payees());
    const QStringList completions = payeeCompletions(countedPayees());
    // Inside a transaction the counts hold writes that may still be rolled
    // back, and a rollback is never announced.
    if (!m_database->isInTransaction()) {
        m_completions = completions;
        m_current = true;
    }
    return completions;
}

bool PayeeList::startCounting()
{
    return m_database->inTransaction([this] {
        for (const QString& statement : countingStatements) {
            if (!SqlQuery(m_database, statement).execWrite("PayeeList::startCounting"))
                return false;
        }
        return true;
    });
}

QStringList PayeeList::countedPayees()
{
    return SqlQuery(m_database, QStringLiteral("SELECT payee FROM payee_uses WHERE uses > 0 ORDER BY payee"))
        .readAll([](const SqlQuery& row) { return row.value(0).toString(); });
}
