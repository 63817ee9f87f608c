#pragma once

#include "account/clientconfig.h"
#include "account/device.h"
#include "account/group.h"
#include "account/groupinvitation.h"
#include "account/profile.h"

#include <QList>
#include <QObject>
#include <QString>
#include <QUrl>

#include <functional>

namespace KestAccount {

class ApiClient;
class AuthClient;

// The account service: the user's profile, the family group with its
// members and invitations, the devices of the account, and the deletion
// of the account. Every request is made with the signed-in user's token.
class AccountClient : public QObject
{
    Q_OBJECT

public:
    using DoneCallback = std::function<void(bool ok)>;

    AccountClient(ApiClient* accountApi, AuthClient* authClient, const ClientConfig& config, QObject* parent = nullptr);

    // An empty profile when it could not be read.
    void getProfile(const std::function<void(const Profile&)>& callback);
    void deleteAccount(const DoneCallback& callback);
    // ok with an empty group: the user is in none; not ok: it could not be read.
    void getGroup(const std::function<void(bool ok, const Group& group)>& callback);
    // The new invitation, or an empty one when none was made.
    void generateInviteCode(const std::function<void(const GroupInvitation&)>& callback);
    void inviteByEmail(const QString& address, const std::function<void(const GroupInvitation&)>& callback);
    // After joining or leaving, the token is refreshed for the new group
    // claims before the callback and groupChanged().
    void joinGroup(const QString& code, const DoneCallback& callback);
    void leaveGroup(const DoneCallback& callback);
    void removeMember(const QString& accountId, const DoneCallback& callback);
    void revokeInvitation(const QString& invitationId, const DoneCallback& callback);
    // The devices in the service's order; not ok when they could not be read.
    void getDevices(const std::function<void(bool ok, const QList<Device>& devices)>& callback);
    // Registers this machine, or updates its entry when it is registered.
    void registerDevice(const DoneCallback& callback = {});
    void removeDevice(const QString& deviceId, const DoneCallback& callback);

    // The account portal's page at `path` in the browser; nothing without a portal.
    void openAccountPortal(const QString& path) const;
    QUrl accountPortalUrl(const QString& path) const;

Q_SIGNALS:
    void groupChanged();

private:
    void deleteAt(const QString& path, const DoneCallback& callback);
    void invite(const QJsonObject& body, const std::function<void(const GroupInvitation&)>& callback);
    void refreshTokenAndNotify(const DoneCallback& callback);

    ApiClient* m_accountApi;
    AuthClient* m_authClient;
    ClientConfig m_config;
};

} // namespace KestAccount
