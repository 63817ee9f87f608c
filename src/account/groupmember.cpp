#include "account/groupmember.h"

namespace KestAccount {

GroupMember GroupMember::fromJson(const QJsonObject& json)
{
    return {json.value(QStringLiteral("account_id")).toString(), json.value(QStringLiteral("display_name")).toString(),
        json.value(QStringLiteral("email")).toString(), json.value(QStringLiteral("role")).toString(),
        QDateTime::fromString(json.value(QStringLiteral("joined_at")).toString(), Qt::ISODate)};
}

} // namespace KestAccount
