#include "account/profile.h"

namespace KestAccount {

Profile Profile::fromJson(const QJsonObject& json)
{
    Profile profile;
    profile.id = json.value(QStringLiteral("id")).toString();
    profile.email = json.value(QStringLiteral("email")).toString();
    profile.displayName = json.value(QStringLiteral("display_name")).toString();
    profile.avatarUrl = json.value(QStringLiteral("avatar_url")).toString();
    profile.language = json.value(QStringLiteral("language")).toString();
    profile.timezone = json.value(QStringLiteral("timezone")).toString();
    profile.status = json.value(QStringLiteral("status")).toString();
    profile.createdAt = QDateTime::fromString(json.value(QStringLiteral("created_at")).toString(), Qt::ISODate);
    profile.hasGroup = json.contains(QStringLiteral("group"));
    if (profile.hasGroup) {
        const QJsonObject group = json.value(QStringLiteral("group")).toObject();
        profile.group = {group.value(QStringLiteral("id")).toString(), group.value(QStringLiteral("name")).toString(),
            group.value(QStringLiteral("role")).toString(), group.value(QStringLiteral("member_count")).toInt()};
    }
    return profile;
}

} // namespace KestAccount
