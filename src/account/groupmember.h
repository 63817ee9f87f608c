#pragma once

#include <QDateTime>
#include <QJsonObject>
#include <QString>

namespace KestAccount {

// One person in the family group.
struct GroupMember
{
    QString accountId;
    QString displayName;
    QString email;
    QString role;
    QDateTime joinedAt;

    bool isOwner() const { return role == QLatin1String("owner"); }
    static GroupMember fromJson(const QJsonObject& json);
};

} // namespace KestAccount
