#include "account/user.h"

namespace KestAccount {

User User::fromJson(const QJsonObject& json)
{
    return {json.value(QStringLiteral("id")).toString(), json.value(QStringLiteral("email")).toString(),
        json.value(QStringLiteral("display_name")).toString(), json.value(QStringLiteral("username")).toString(),
        json.value(QStringLiteral("avatar_url")).toString(),
        QDateTime::fromString(json.value(QStringLiteral("created_at")).toString(), Qt::ISODate)};
}

} // namespace KestAccount
