#include "storage/sqlquery.h"

#include "storage/database.h"

#include <QDebug>
#include <QSqlError>

SqlQuery::SqlQuery(Database* database, const QString& sql, const QVariantList& values)
    : m_query(database->database())
{
    m_query.setForwardOnly(true);
    m_prepared = m_query.prepare(sql);
    for (const QVariant& value : values) {
        if (value.metaType().id() == QMetaType::QString && value.toString().isNull())
            m_query.addBindValue(QString(QLatin1String("")));
        else
            m_query.addBindValue(value);
    }
}

bool SqlQuery::exec()
{
    return m_prepared && m_query.exec();
}

bool SqlQuery::execWrite(const char* operation)
{
    if (exec())
        return true;
    qWarning().noquote() << QStringLiteral("%1 failed:").arg(QLatin1String(operation)) << errorText();
    return false;
}

int SqlQuery::execCount(const char* operation)
{
    return execWrite(operation) ? rowsAffected() : 0;
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
