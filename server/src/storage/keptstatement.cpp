#include "storage/keptstatement.h"

#include "storage/database.h"

#include <utility>

KeptStatement::KeptStatement(Database *database, const QString &sql, QSqlQuery query)
    : QSqlQuery(std::move(query))
    , m_database(database)
    , m_sql(sql)
{
}

KeptStatement::KeptStatement(KeptStatement &&other) noexcept
    : QSqlQuery(std::move(other))
    , m_database(std::exchange(other.m_database, nullptr))
    , m_sql(std::move(other.m_sql))
{
}

KeptStatement::~KeptStatement()
{
    if (m_database)
        m_database->keepStatement(m_sql, std::move(*this));
}
