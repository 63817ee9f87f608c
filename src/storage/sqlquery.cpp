#include "storage/sqlquery.h"

#include "storage/database.h"

#include <QDebug>
#include <QSqlError>

SqlQuery::SqlQuery(Database* database, const QString& sql, const QVariantList& values)
    : m_database(database)
    , m_sql(sql)
    , m_query(database->takeStatement(sql, &m_prepared))
{
    bind(values);
}

SqlQuery::~SqlQuery()
{
    // A statement that failed goes; the next taker prepares it afresh.
    if (m_prepared && m_query.lastError().type() == QSqlError::NoError)
        m_database->returnStatement(m_sql, std::move(m_query));
}

void SqlQuery::rebind(const QVariantList& values)
{
    bind(values);
}

void SqlQuery::bind(const QVariantList& values)
{
    for (int position = 0; position < values.size(); ++position) {
        const QVariant& value = values.at(position);
        if (value.metaType().id() == QMetaType::QString && value.toString().isNull())
            m_query.bindValue(position, QString(QLatin1String("")));
        else
            m_query.bindValue(position, value);
    }
}

bool SqlQuery::exec()
{
    if (run())
        return true;
    logFailedRead();
    return false;
}

bool SqlQuery::execQuietly()
{
    return m_prepared && m_query.exec();
}

bool SqlQuery::next()
{
    if (m_query.next())
        return true;
    if (m_query.lastError().type() != QSqlError::NoError) {
        logFailedRead();
        m_database->noteFailure(m_query.lastError());
    }
    return false;
}

void SqlQuery::logFailedRead() const
{
    qWarning().noquote() << "SqlQuery read failed:" << errorText() << "\nStatement:" << m_query.lastQuery().left(200);
}

bool SqlQuery::execWrite(const char* operation)
{
    // Once the file is known to be damaged, writing to it can only make
    // things worse.
    if (!m_database->isDamaged() && run())
        return true;
    qWarning().noquote() << QStringLiteral("%1 failed:").arg(QLatin1String(operation))
                         << (m_database->isDamaged() ? QStringLiteral("the data file is damaged") : errorText());
    return false;
}

bool SqlQuery::run()
{
    if (m_prepared && m_query.exec())
        return true;
    m_database->noteFailure(m_query.lastError());
    return false;
}

bool SqlQuery::execUpdate(const char* operation)
{
    if (!execWrite(operation))
        return false;
    if (rowsAffected() > 0)
        return true;
    qWarning().noquote() << QStringLiteral("%1 failed:").arg(QLatin1String(operation)) << "no row has this id";
    return false;
}

int SqlQuery::execCount(const char* operation)
{
    return execWrite(operation) ? rowsAffected() : -1;
}

QString SqlQuery::errorText() const
{
    return m_query.lastError().text();
}

QVariant sqlNull()
{
    return QVariant();
}

QVariant nullIfEmpty(const QString& text)
{
    return text.isEmpty() ? sqlNull() : QVariant(text);
}

int boolValue(bool value)
{
    return value ? 1 : 0;
}
