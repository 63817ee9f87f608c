#pragma once

#include "account/groupinvitation.h"
#include "account/groupmember.h"

#include <QJsonObject>
#include <QList>
#include <QString>

namespace KestAccount {

// The family group: its members and, for its owner, the invitations still open.
struct Group
{
    QString id;
    QString name;
    int maxSeats = 0;
    QList<GroupMember> members;
    QList<GroupInvitation> pendingInvitations;

    bool isEmpty() const { return id.isEmpty(); }
    static Group fromJson(const QJsonObject& json);
};

} // namespace KestAccount
