#include "account/session.h"

namespace KestAccount {

Session Session::fromJson(const QJsonObject& json)
{
    return {json.value(QStringLiteral("id")).toString(), json.value(QStringLiteral("user_agent")).toString(),
        json.value(QStringLiteral("ip_address")).toString(),
        QDateTime::fromString(json.value(QStringLiteral("created_at")).toString(), Qt::ISODate),
        QDateTime::fromString(json.value(QStringLiteral("last_active_at")).toString(), Qt::ISODate),
        json.value(QStringLiteral("is_current")).toBool()};
}

} // namespace KestAccount
