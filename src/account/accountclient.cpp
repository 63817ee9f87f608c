#include "account/accountclient.h"

#include "account/apiclient.h"
#include "account/authclient.h"
#include "account/deviceidentity.h"

#include <QDesktopServices>
#include <QJsonArray>
#include <QUrl>

namespace KestAccount {

namespace {

// The account service answers 404 for a user who is in no group.
constexpr int notInGroupStatus = 404;

} // namespace

AccountClient::AccountClient(ApiClient* accountApi, AuthClient* authClient, const ClientConfig& config, QObject* parent)
    : QObject(parent)
    , m_accountApi(accountApi)
    , m_authClient(authClient)
    , m_config(config)
{
}

void AccountClient::getProfile(const std::function<void(const Profile&)>& callback)
{
    m_accountApi->get(QStringLiteral("/profile"), [callback](bool ok, int, const QJsonObject& body) {
        callback(ok ? Profile::fromJson(body) : Profile());
    });
}

void AccountClient::deleteAccount(const DoneCallback& callback)
{
    deleteAt(QStringLiteral("/profile"), callback);
}

void AccountClient::getGroup(const std::function<void(bool ok, const Group& group)>& callback)
{
    m_accountApi->get(QStringLiteral("/group"), [callback](bool ok, int status, const QJsonObject& body) {
        if (ok)
            callback(true, Group::fromJson(body));
        else
            callback(status == notInGroupStatus, Group());
    });
}

void AccountClient::generateInviteCode(const std::function<void(const GroupInvitation&)>& callback)
{
    invite({}, callback);
}

void AccountClient::inviteByEmail(const QString& address, const std::function<void(const GroupInvitation&)>& callback)
{
    invite({{QStringLiteral("email"), address}}, callback);
}

void AccountClient::invite(const QJsonObject& body, const std::function<void(const GroupInvitation&)>& callback)
{
    m_accountApi->post(QStringLiteral("/group/invite"), body, [this, callback](bool ok, int, const QJsonObject& reply) {
        if (ok)
            Q_EMIT groupChanged();
        callback(ok ? GroupInvitation::fromJson(reply) : GroupInvitation());
    });
}

void AccountClient::joinGroup(const QString& code, const DoneCallback& callback)
{
    m_accountApi->post(QStringLiteral("/group/join/") + ApiClient::pathSegment(code), {},
        [this, callback](bool ok, int, const QJsonObject&) {
            if (ok)
                refreshTokenAndNotify(callback);
            else
                callback(false);
        });
}

void AccountClient::leaveGroup(const DoneCallback& callback)
{
    m_accountApi->post(QStringLiteral("/group/leave"), {}, [this, callback](bool ok, int, const QJsonObject&) {
        if (ok)
            refreshTokenAndNotify(callback);
        else
            callback(false);
    });
}

void AccountClient::refreshTokenAndNotify(const DoneCallback& callback)
{
    // The group and role travel in the access token's claims.
    m_authClient->refreshToken([this, callback](bool) {
        Q_EMIT groupChanged();
        callback(true);
    });
}

void AccountClient::removeMember(const QString& accountId, const DoneCallback& callback)
{
    deleteAt(QStringLiteral("/group/members/") + ApiClient::pathSegment(accountId),
        [this, callback](bool ok) {
            if (ok)
                Q_EMIT groupChanged();
            callback(ok);
        });
}

void AccountClient::revokeInvitation(const QString& invitationId, const DoneCallback& callback)
{
    deleteAt(QStringLiteral("/group/invitations/") + ApiClient::pathSegment(invitationId),
        callback);
}

void AccountClient::getDevices(const std::function<void(bool ok, const QList<Device>& devices)>& callback)
{
    m_accountApi->get(QStringLiteral("/devices"), [callback](bool ok, int, const QJsonObject& body) {
        QList<Device> devices;
        for (const QJsonValue& device : body.value(QStringLiteral("devices")).toArray())
            devices.append(Device::fromJson(device.toObject()));
        callback(ok, ok ? devices : QList<Device>());
    });
}

void AccountClient::registerDevice(const DoneCallback& callback)
{
    m_accountApi->post(QStringLiteral("/devices/register"), DeviceIdentity::registration(m_config),
        [callback](bool ok, int status, const QJsonObject&) {
            if (!ok)
                qWarning("AccountClient: the device could not be registered (HTTP %d)", status);
            if (callback)
                callback(ok);
        });
}

void AccountClient::removeDevice(const QString& deviceId, const DoneCallback& callback)
{
    deleteAt(QStringLiteral("/devices/") + ApiClient::pathSegment(deviceId), callback);
}

void AccountClient::deleteAt(const QString& path, const DoneCallback& callback)
{
    m_accountApi->del(path, [callback](bool ok, int, const QJsonObject&) { callback(ok); });
}

QUrl AccountClient::accountPortalUrl(const QString& path) const
{
    if (m_config.accountPortalUrl.isEmpty())
        return {};
    QString url = m_config.accountPortalUrl;
    if (url.endsWith(QLatin1Char('/')))
        url.chop(1);
    if (!path.isEmpty())
        url += path.startsWith(QLatin1Char('/')) ? path : QLatin1Char('/') + path;
    return QUrl(url);
}

void AccountClient::openAccountPortal(const QString& path) const
{
    const QUrl url = accountPortalUrl(path);
    if (url.isValid())
        QDesktopServices::openUrl(url);
}

} // namespace KestAccount
