#include "storage/sampledatarepository.h"

#include "storage/sqlquery.h"

#include <QStringList>

namespace {

const QStringList userRowCounts = {
    QStringLiteral("SELECT COUNT(*) FROM transactions WHERE id NOT LIKE 'sample-%' "
                   "AND (account_id LIKE 'sample-%' OR transfer_dest_account_id LIKE 'sample-%')"),
    QStringLiteral("SELECT COUNT(*) FROM recurring_transactions WHERE id NOT LIKE 'sample-%' "
                   "AND (account_id LIKE 'sample-%' OR transfer_dest_account_id LIKE 'sample-%')"),
    QStringLiteral("SELECT COUNT(*) FROM reconciliations WHERE id NOT LIKE 'sample-%' AND account_id LIKE 'sample-%'"),
    QStringLiteral("SELECT COUNT(*) FROM transaction_templates WHERE id NOT LIKE 'sample-%' AND account_id LIKE 'sample-%'"),
};

// Children first, so no statement meets a row that another still needs.
const QStringList deletions = {
    QStringLiteral("DELETE FROM split_lines WHERE id LIKE 'sample-%'"),
    QStringLiteral("DELETE FROM reconciliations WHERE id LIKE 'sample-%'"),
    QStringLiteral("DELETE FROM recurring_transactions WHERE id LIKE 'sample-%'"),
    QStringLiteral("DELETE FROM transactions WHERE id LIKE 'sample-%'"),
    QStringLiteral("DELETE FROM accounts WHERE id LIKE 'sample-%'"),
    QStringLiteral("DELETE FROM sync_queue WHERE entity_id LIKE 'sample-%'"),
};

} // namespace

SampleDataRepository::SampleDataRepository(Database* database, QObject* parent)
    : QObject(parent)
    , m_database(database)
{
}

bool SampleDataRepository::hasSampleData()
{
    SqlQuery query(m_database, QStringLiteral("SELECT 1 FROM accounts WHERE id LIKE 'sample-%' LIMIT 1"));
    return query.exec() && query.next();
}

int SampleDataRepository::userRowsTiedToSampleAccounts()
{
    int rows = 0;
    for (const QString& statement : userRowCounts) {
        SqlQuery query(m_database, statement);
        if (!query.exec() || !query.next())
            return -1;
        rows += query.value(0).toInt();
    }
    return rows;
}

bool SampleDataRepository::deleteSampleRows()
{
    for (const QString& statement : deletions) {
        if (!SqlQuery(m_database, statement).execWrite("SampleDataRepository::deleteSampleRows"))
            return false;
    }
    return true;
}
