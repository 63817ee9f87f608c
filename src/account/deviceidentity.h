#pragma once

#include <QJsonObject>
#include <QString>

namespace KestAccount {

struct ClientConfig;

// How this machine names itself to the account service. The fingerprint
// stays the same across restarts and reinstalls, so the service keeps one
// device per machine.
class DeviceIdentity
{
public:
    // The body of a device registration for the program described by `config`.
    static QJsonObject registration(const ClientConfig& config);

    static QString deviceName();
    static QString platform();
    // The registry's MachineGuid on Windows; elsewhere a hash of
    // /etc/machine-id, which must not leave the machine as it is.
    static QString fingerprint();

    // A hash of the machine id in the file at `machineIdPath`; the host
    // name's hash when the file is missing or empty.
    static QString machineIdFingerprint(const QString& machineIdPath, const QString& hostName);
    // The first 32 hexadecimal digits of the SHA-256 of the host name.
    static QString hostNameFingerprint(const QString& hostName);
};

} // namespace KestAccount
