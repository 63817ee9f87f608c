#pragma once

#include <QDateTime>
#include <QJsonObject>
#include <QString>

namespace KestAccount {

// An invitation into the family group, sent to an e-mail address or handed
// on as a code.
struct GroupInvitation
{
    QString id;
    QString invitedEmail;
    QString inviteCode;
    QString status;
    QDateTime expiresAt;

    bool isEmpty() const { return id.isEmpty(); }
    static GroupInvitation fromJson(const QJsonObject& json);
};

} // namespace KestAccount
