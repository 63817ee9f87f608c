#pragma once

// Builders and queries shared by the repository tests. Records carry fixed
// creation times so a test can compare what it stored field by field.

#include "storage/account.h"
#include "storage/category.h"
#include "storage/database.h"

#include <QDateTime>
#include <QList>
#include <QSignalSpy>
#include <QStringList>
#include <QVariant>

QDateTime utc(const QString& isoText);

// The first column of the first row `sql` returns, or an invalid QVariant.
QVariant scalar(Database* database, const QString& sql, const QVariantList& values = {});

bool execute(Database* database, const QString& sql);

Account makeAccount(const QString& id, const QString& name, int sortOrder = 0,
    const QString& createdAt = QStringLiteral("2024-01-01T09:00:00Z"));

Category makeCategory(const QString& id, const QString& name, const QString& parentId = QString(),
    const QString& createdAt = QStringLiteral("2024-01-01T09:00:00Z"));

// The first argument of every signal the spy caught, as text.
QStringList firstArguments(const QSignalSpy& spy);

template<typename Record>
QStringList ids(const QList<Record>& records)
{
    QStringList result;
    for (const Record& record : records)
        result.append(record.id);
    return result;
}

template<typename Record>
QStringList names(const QList<Record>& records)
{
    QStringList result;
    for (const Record& record : records)
        result.append(record.name);
    return result;
}
