#include "account/deviceidentity.h"

#include "account/clientconfig.h"

#include <QCryptographicHash>
#include <QFile>
#include <QSysInfo>

#ifdef Q_OS_WIN
#include <QSettings>
#endif

namespace KestAccount {

namespace {

constexpr qsizetype fingerprintLength = 32;

QString sha256Prefix(const QByteArray& bytes)
{
    return QString::fromLatin1(QCryptographicHash::hash(bytes, QCryptographicHash::Sha256).toHex())
        .left(fingerprintLength);
}

} // namespace

QJsonObject DeviceIdentity::registration(const ClientConfig& config)
{
    return {{QStringLiteral("device_name"), deviceName()}, {QStringLiteral("platform"), platform()},
        {QStringLiteral("app_id"), config.appId}, {QStringLiteral("app_version"), config.appVersion},
        {QStringLiteral("device_fingerprint"), fingerprint()}};
}

QString DeviceIdentity::deviceName()
{
    return QSysInfo::machineHostName();
}

QString DeviceIdentity::platform()
{
#ifdef Q_OS_WIN
    return QStringLiteral("Windows");
#elif defined(Q_OS_LINUX)
    return QStringLiteral("Linux");
#else
    return QSysInfo::productType();
#endif
}

QString DeviceIdentity::fingerprint()
{
#ifdef Q_OS_WIN
    // The 64-bit view: a 32-bit build would otherwise read the redirected
    // key, which has no MachineGuid.
    const QSettings cryptography(
        QStringLiteral("HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Cryptography"), QSettings::Registry64Format);
    const QString machineGuid = cryptography.value(QStringLiteral("MachineGuid")).toString();
    return machineGuid.isEmpty() ? hostNameFingerprint(deviceName()) : machineGuid;
#else
    return machineIdFingerprint(QStringLiteral("/etc/machine-id"), deviceName());
#endif
}

QString DeviceIdentity::machineIdFingerprint(const QString& machineIdPath, const QString& hostName)
{
    QFile file(machineIdPath);
    const QByteArray machineId = file.open(QIODevice::ReadOnly) ? file.readAll().trimmed() : QByteArray();
    if (machineId.isEmpty())
        return hostNameFingerprint(hostName);
    // The machine id is meant to stay on the machine: only a hash under
    // the program's own name leaves it, which no other program can match.
    return sha256Prefix(QByteArrayLiteral("kestrelwood-checkbook-device:") + machineId);
}

QString DeviceIdentity::hostNameFingerprint(const QString& hostName)
{
    return sha256Prefix(hostName.toUtf8());
}

} // namespace KestAccount
