#include "account/group.h"

#include <QJsonArray>

namespace KestAccount {

Group Group::fromJson(const QJsonObject& json)
{
    Group group;
    group.id = json.value(QStringLiteral("id")).toString();
    group.name = json.value(QStringLiteral("name")).toString();
    group.maxSeats = json.value(QStringLiteral("max_seats")).toInt();
    for (const QJsonValue& member : json.value(QStringLiteral("members")).toArray())
        group.members.append(GroupMember::fromJson(member.toObject()));
    for (const QJsonValue& invitation : json.value(QStringLiteral("pending_invitations")).toArray())
        group.pendingInvitations.append(GroupInvitation::fromJson(invitation.toObject()));
    return group;
}

} // namespace KestAccount
