#pragma once

#include <QList>
#include <QString>

#include <optional>

class Database;

// Devices that registered with a user's account, one per fingerprint.
class DeviceRepository
{
public:
    struct Device
    {
        QString id;
        QString userId;
        QString deviceName;
        QString platform;
        QString appId;
        QString appVersion;
        QString fingerprint;
        QString lastSyncAt;
        QString createdAt;
    };

    explicit DeviceRepository(Database &database);

    // Inserts the device, or refreshes the user's device with the same
    // fingerprint (keeping its id and creation time); gives the stored row.
    std::optional<Device> upsert(const Device &device);
    std::optional<Device> find(const QString &deviceId);
    QList<Device> devicesOf(const QString &userId);
    bool remove(const QString &deviceId);

private:
    std::optional<Device> findByFingerprint(const QString &userId, const QString &fingerprint);

    Database &m_database;
};
