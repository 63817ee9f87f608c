#include "storage/statementrepository.h"

#include "storage/database.h"
#include "storage/sqlquery.h"
#include "storage/storedtime.h"

StatementRepository::StatementRepository(Database* database, QObject* parent)
    : QObject(parent)
    , m_database(database)
{
}

QHash<QString, QString> StatementRepository::rememberedIds(const QString& accountId)
{
    SqlQuery query(m_database,
        QStringLiteral("SELECT s.fitid, s.transaction_id FROM statement_ids s "
                       "JOIN transactions t ON t.id = s.transaction_id WHERE s.account_id = ?"),
        {accountId});
    QHash<QString, QString> ids;
    if (!query.exec())
        return ids;
    while (query.next())
        ids.insert(query.value(0).toString(), query.value(1).toString());
    return ids;
}

QList<StatementRepository::UnclaimedRow> StatementRepository::unclaimedRows(
    const QString& accountId, const QDate& from, const QDate& to)
{
    // A statement covers a few weeks: the index of live rows by date finds
    // them without walking the account's whole register.
    SqlQuery query(m_database,
        QStringLiteral("SELECT t.id, t.date, t.amount, t.payee FROM transactions t "
                       "INDEXED BY idx_transactions_live_date "
                       "WHERE t.deleted_at IS NULL AND t.date >= ? AND t.date <= ? AND t.account_id = ? "
                       "AND NOT EXISTS (SELECT 1 FROM statement_ids s WHERE s.transaction_id = t.id)"),
        {dateToText(from), dateToText(to), accountId});
    return query.readAll([](const SqlQuery& row) {
        return UnclaimedRow{row.value(0).toString(), dateFromText(row.value(1).toString()), row.value(2).toLongLong(),
            row.value(3).toString()};
    });
}

bool StatementRepository::remember(const QString& accountId, const QList<Claim>& claims)
{
    SqlQuery query(m_database,
        QStringLiteral("INSERT INTO statement_ids (account_id, fitid, transaction_id) "
                       "SELECT ?, ?, id FROM transactions WHERE id = ? "
                       "ON CONFLICT(account_id, fitid) DO UPDATE SET transaction_id = excluded.transaction_id"));
    for (const Claim& claim : claims) {
        query.rebind({accountId, claim.fitid, claim.transactionId});
        if (!query.execWrite("StatementRepository::remember"))
            return false;
    }
    return true;
}

std::optional<QString> StatementRepository::mappedAccount(const QString& accountHash)
{
    return SqlQuery(m_database,
        QStringLiteral("SELECT a.id FROM statement_accounts s JOIN accounts a ON a.id = s.account_id "
                       "WHERE s.account_hash = ? AND a.deleted_at IS NULL"),
        {accountHash})
        .readOne([](const SqlQuery& row) { return row.value(0).toString(); });
}

bool StatementRepository::rememberAccount(const QString& accountHash, const QString& accountId)
{
    return SqlQuery(m_database,
        QStringLiteral("INSERT INTO statement_accounts (account_hash, account_id) VALUES (?, ?) "
                       "ON CONFLICT(account_hash) DO UPDATE SET account_id = excluded.account_id"),
        {accountHash, accountId})
        .execWrite("StatementRepository::rememberAccount");
}
