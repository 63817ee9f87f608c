#include "storage/devicerepository.h"

#include "storage/database.h"

namespace {

const QString deviceColumns = QStringLiteral(
    "id, user_id, device_name, platform, app_id, app_version, device_fingerprint, last_sync_at, created_at");

DeviceRepository::Device deviceFrom(const QSqlQuery &query)
{
    return {query.value(0).toString(), query.value(1).toString(), query.value(2).toString(),
            query.value(3).toString(), query.value(4).toString(), query.value(5).toString(),
            query.value(6).toString(), query.value(7).toString(), query.value(8).toString()};
}

} // namespace

DeviceRepository::DeviceRepository(Database &database)
    : m_database(database)
{
}

std::optional<DeviceRepository::Device> DeviceRepository::upsert(const Device &device)
{
    const auto written = m_database.execute(
        QStringLiteral("INSERT INTO devices (%1) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?) "
                       "ON CONFLICT (user_id, device_fingerprint) DO UPDATE SET "
                       "device_name = excluded.device_name, platform = excluded.platform, app_id = excluded.app_id, "
                       "app_version = excluded.app_version, last_sync_at = excluded.last_sync_at")
            .arg(deviceColumns),
        {device.id, device.userId, device.deviceName, device.platform, device.appId, device.appVersion,
         device.fingerprint, device.lastSyncAt, device.createdAt},
        "DeviceRepository::upsert");
    if (!written)
        return std::nullopt;
    return findByFingerprint(device.userId, device.fingerprint);
}

std::optional<DeviceRepository::Device> DeviceRepository::find(const QString &deviceId)
{
    auto query = m_database.execute(QStringLiteral("SELECT %1 FROM devices WHERE id = ?").arg(deviceColumns),
                                    {deviceId}, "DeviceRepository::find");
    if (!query || !query->next())
        return std::nullopt;
    return deviceFrom(*query);
}

std::optional<DeviceRepository::Device> DeviceRepository::findByFingerprint(const QString &userId,
                                                                            const QString &fingerprint)
{
    auto query = m_database.execute(
        QStringLiteral("SELECT %1 FROM devices WHERE user_id = ? AND device_fingerprint = ?").arg(deviceColumns),
        {userId, fingerprint}, "DeviceRepository::findByFingerprint");
    if (!query || !query->next())
        return std::nullopt;
    return deviceFrom(*query);
}

QList<DeviceRepository::Device> DeviceRepository::devicesOf(const QString &userId)
{
    QList<Device> devices;
    auto query = m_database.execute(
        QStringLiteral("SELECT %1 FROM devices WHERE user_id = ? ORDER BY last_sync_at DESC, id").arg(deviceColumns),
        {userId}, "DeviceRepository::devicesOf");
    while (query && query->next())
        devices.append(deviceFrom(*query));
    return devices;
}

bool DeviceRepository::remove(const QString &deviceId)
{
    return m_database.execute(QStringLiteral("DELETE FROM devices WHERE id = ?"), {deviceId}, "DeviceRepository::remove")
        .has_value();
}
