#include "account/device.h"

namespace KestAccount {

Device Device::fromJson(const QJsonObject& json)
{
    return {json.value(QStringLiteral("id")).toString(), json.value(QStringLiteral("device_name")).toString(),
        json.value(QStringLiteral("platform")).toString(), json.value(QStringLiteral("app_id")).toString(),
        json.value(QStringLiteral("app_version")).toString(),
        QDateTime::fromString(json.value(QStringLiteral("last_sync_at")).toString(), Qt::ISODate),
        json.value(QStringLiteral("device_fingerprint")).toString(),
        QDateTime::fromString(json.value(QStringLiteral("created_at")).toString(), Qt::ISODate)};
}

} // namespace KestAccount
