#include "storage/splitlinerepository.h"

#include "storage/sqlquery.h"
#include "storage/storedtime.h"

SplitLineRepository::SplitLineRepository(Database* database, QObject* parent)
    : QObject(parent)
    , m_database(database)
{
}

bool SplitLineRepository::insert(const SplitLine& line)
{
    return SqlQuery(m_database,
        QStringLiteral("INSERT INTO split_lines (id, transaction_id, category_id, amount, memo, created_at, updated_at) "
                       "VALUES (?, ?, ?, ?, ?, ?, ?)"),
        {line.id, line.transactionId, line.categoryId, line.amount, line.memo, timeToText(line.createdAt),
         timeToText(line.updatedAt)})
        .execWrite("SplitLineRepository::insert");
}
