#include "support/storagetesting.h"

#include <QSqlQuery>

QDateTime utc(const QString& isoText)
{
    return QDateTime::fromString(isoText, Qt::ISODate);
}

QVariant scalar(Database* database, const QString& sql, const QVariantList& values)
{
    QSqlQuery query(database->database());
    query.prepare(sql);
    for (const QVariant& value : values)
        query.addBindValue(value);
    if (!query.exec() || !query.next())
        return QVariant();
    return query.value(0);
}

bool execute(Database* database, const QString& sql)
{
    QSqlQuery query(database->database());
    return query.exec(sql);
}

Account makeAccount(const QString& id, const QString& name, int sortOrder, const QString& createdAt)
{
    Account account;
    account.id = id;
    account.name = name;
    account.sortOrder = sortOrder;
    account.createdAt = utc(createdAt);
    account.updatedAt = account.createdAt;
    return account;
}

Category makeCategory(const QString& id, const QString& name, const QString& parentId, const QString& createdAt)
{
    Category category;
    category.id = id;
    category.name = name;
    category.parentId = parentId;
    category.createdAt = utc(createdAt);
    category.updatedAt = category.createdAt;
    return category;
}

QStringList firstArguments(const QSignalSpy& spy)
{
    QStringList result;
    for (const QList<QVariant>& arguments : spy)
        result.append(arguments.at(0).toString());
    return result;
}
