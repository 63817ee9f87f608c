#include "storage/localidrenewal.h"

#include "storage/database.h"
#include "storage/sqlquery.h"

#include <QStringList>
#include <QUuid>

namespace {

struct Reference
{
    const char* table;
    const char* column;
};

// Every column that holds the id of a row whose id is renewed, the ids
// themselves included.
constexpr Reference references[] = {
    {"accounts", "id"},
    {"categories", "account_id"},
    {"transactions", "id"},
    {"transactions", "account_id"},
    {"transactions", "transfer_link_id"},
    {"transactions", "transfer_dest_account_id"},
    {"transactions", "recurring_id"},
    {"split_lines", "transaction_id"},
    {"recurring_transactions", "id"},
    {"recurring_transactions", "account_id"},
    {"recurring_transactions", "transfer_dest_account_id"},
    {"reconciliations", "id"},
    {"reconciliations", "account_id"},
    {"transaction_templates", "account_id"},
    {"statement_ids", "account_id"},
    {"statement_ids", "transaction_id"},
    {"statement_accounts", "account_id"},
};

} // namespace

LocalIdRenewal::LocalIdRenewal(Database* database)
    : m_database(database)
{
}

bool LocalIdRenewal::execute(const QString& statement, const char* operation)
{
    return SqlQuery(m_database, statement).execWrite(operation);
}

bool LocalIdRenewal::renewAll()
{
    // The references point at the old ids until every column is rewritten.
    if (!execute(QStringLiteral("PRAGMA defer_foreign_keys = ON"), "LocalIdRenewal::deferForeignKeys")
        || !execute(QStringLiteral("DROP TABLE IF EXISTS temp.renewed_ids"), "LocalIdRenewal::dropMap")
        || !execute(QStringLiteral("CREATE TEMP TABLE renewed_ids (old_id TEXT PRIMARY KEY, new_id TEXT NOT NULL)"),
            "LocalIdRenewal::createMap"))
        return false;
    for (const QString& table : {QStringLiteral("accounts"), QStringLiteral("transactions"),
             QStringLiteral("recurring_transactions"), QStringLiteral("reconciliations")}) {
        if (!mapIdsOf(table))
            return false;
    }
    for (const Reference& reference : references) {
        if (!rewrite(QLatin1String(reference.table), QLatin1String(reference.column)))
            return false;
    }
    return execute(QStringLiteral("UPDATE preferences SET value = (SELECT new_id FROM temp.renewed_ids WHERE old_id = value) "
                                  "WHERE key = 'lastViewedAccountId' AND value IN (SELECT old_id FROM temp.renewed_ids)"),
               "LocalIdRenewal::rewriteLastViewedAccount")
        && execute(QStringLiteral("DROP TABLE temp.renewed_ids"), "LocalIdRenewal::dropMap");
}

bool LocalIdRenewal::mapIdsOf(const QString& table)
{
    QStringList ids;
    SqlQuery read(m_database, QStringLiteral("SELECT id FROM %1").arg(table));
    if (!read.exec())
        return false;
    while (read.next())
        ids.append(read.value(0).toString());
    SqlQuery insert(m_database, QStringLiteral("INSERT INTO temp.renewed_ids (old_id, new_id) VALUES (?, ?)"));
    for (const QString& id : std::as_const(ids)) {
        insert.rebind({id, QUuid::createUuid().toString(QUuid::WithoutBraces)});
        if (!insert.execWrite("LocalIdRenewal::mapIds"))
            return false;
    }
    return true;
}

bool LocalIdRenewal::rewrite(const QString& table, const QString& column)
{
    return execute(QStringLiteral("UPDATE %1 SET %2 = (SELECT new_id FROM temp.renewed_ids WHERE old_id = %1.%2) "
                                  "WHERE %2 IN (SELECT old_id FROM temp.renewed_ids)")
                       .arg(table, column),
        "LocalIdRenewal::rewrite");
}
