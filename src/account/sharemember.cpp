#include "account/sharemember.h"

namespace KestAccount {

ShareMember ShareMember::fromJson(const QJsonObject& json)
{
    const QString userId = json.value(QStringLiteral("user_id")).toString();
    return {userId, userId, json.value(QStringLiteral("email")).toString(),
        json.value(QStringLiteral("display_name")).toString(), json.value(QStringLiteral("role")).toString(),
        json.value(QStringLiteral("created_at")).toString()};
}

} // namespace KestAccount
