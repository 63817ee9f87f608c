#pragma once

#include <QDateTime>
#include <QJsonObject>
#include <QString>

namespace KestAccount {

// The signed-in user as the identity service describes them.
struct User
{
    QString id;
    QString email;
    QString displayName;
    QString username;
    QString avatarUrl;
    QDateTime createdAt;

    static User fromJson(const QJsonObject& json);
};

} // namespace KestAccount
