#pragma once

#include <QDateTime>
#include <QJsonObject>
#include <QString>

namespace KestAccount {

// A machine registered to the account.
struct Device
{
    QString id;
    QString deviceName;
    QString platform;
    QString appId;
    QString appVersion;
    QDateTime lastSyncAt;
    QString fingerprint;
    QDateTime createdAt;

    static Device fromJson(const QJsonObject& json);
};

} // namespace KestAccount
