#pragma once

#include <QDateTime>
#include <QJsonObject>
#include <QString>

namespace KestAccount {

// The signed-in user as the account service describes them, with a summary
// of their family group when they are in one.
struct Profile
{
    struct GroupSummary
    {
        QString id;
        QString name;
        QString role;
        int memberCount = 0;
    };

    QString id;
    QString email;
    QString displayName;
    QString avatarUrl;
    QString language;
    QString timezone;
    QString status;
    QDateTime createdAt;
    bool hasGroup = false;
    GroupSummary group;

    bool isEmpty() const { return id.isEmpty(); }
    static Profile fromJson(const QJsonObject& json);
};

} // namespace KestAccount
