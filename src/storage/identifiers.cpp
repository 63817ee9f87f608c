#include "storage/identifiers.h"

#include <QUuid>

namespace {

const QUuid dnsNamespace(QStringLiteral("{6ba7b810-9dad-11d1-80b4-00c04fd430c8}"));
const QUuid programNamespace(QStringLiteral("{a1b9f7f3-2f2a-4c6b-9e1a-8b7c6d5a3f2e}"));

} // namespace

QString newId()
{
    return QUuid::createUuid().toString(QUuid::WithoutBraces);
}

QString defaultCategoryId(const QString& key)
{
    return QUuid::createUuidV5(dnsNamespace, key.toUtf8()).toString(QUuid::WithoutBraces);
}

QString recurringPostingId(const QString& ruleId, const QDate& dueDate, const QString& legTag)
{
    QString key = ruleId + QLatin1Char(':') + dueDate.toString(Qt::ISODate);
    if (!legTag.isEmpty())
        key += QLatin1Char(':') + legTag;
    return QUuid::createUuidV5(programNamespace, key.toUtf8()).toString(QUuid::WithoutBraces);
}
