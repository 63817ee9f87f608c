#pragma once

#include <QJsonObject>
#include <QString>

namespace KestAccount {

// Someone a register account is shared with, or its owner.
struct ShareMember
{
    // The item key in lists; the same text as userId.
    QString id;
    QString userId;
    QString email;
    QString displayName;
    QString role;
    QString createdAt;

    bool isOwner() const { return role == QLatin1String("owner"); }
    static ShareMember fromJson(const QJsonObject& json);
};

} // namespace KestAccount
