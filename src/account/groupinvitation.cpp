#include "account/groupinvitation.h"

namespace KestAccount {

GroupInvitation GroupInvitation::fromJson(const QJsonObject& json)
{
    return {json.value(QStringLiteral("id")).toString(), json.value(QStringLiteral("invited_email")).toString(),
        json.value(QStringLiteral("invite_code")).toString(), json.value(QStringLiteral("status")).toString(),
        QDateTime::fromString(json.value(QStringLiteral("expires_at")).toString(), Qt::ISODate)};
}

} // namespace KestAccount
