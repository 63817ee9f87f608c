#pragma once

#include "http/httpreply.h"
#include "storage/grouprepository.h"

#include <QString>

class AccountSharing;
class Database;
class DeviceRepository;
class HttpRequest;
class Router;
class SessionRepository;
class UserRepository;

// The account service under "/account/v1": the profile and its deletion,
// the family group with its seats and invitations, and the devices.
class AccountApi
{
public:
    static constexpr int maxSeats = 6;
    static constexpr int invitationDays = 7;
    static constexpr int deletionGraceDays = 30;

    AccountApi(Database &database, UserRepository &users, SessionRepository &sessions, GroupRepository &groups,
               DeviceRepository &devices, AccountSharing &sharing);

    void addRoutes(Router &router);

private:
    HttpReply profile(const HttpRequest &request);
    HttpReply deleteProfile(const HttpRequest &request);
    HttpReply group(const HttpRequest &request);
    HttpReply invite(const HttpRequest &request);
    HttpReply join(const HttpRequest &request);
    HttpReply leave(const HttpRequest &request);
    HttpReply removeMember(const HttpRequest &request);
    HttpReply revokeInvitation(const HttpRequest &request);
    HttpReply devices(const HttpRequest &request);
    HttpReply registerDevice(const HttpRequest &request);
    HttpReply removeDevice(const HttpRequest &request);

    QJsonObject groupJson(const GroupRepository::Group &group, bool forOwner);
    // The caller's group, created with the caller as owner when there is none.
    std::optional<GroupRepository::Group> ownedGroupOf(const QString &userId, QString *refusal);
    HttpReply runInTransaction(const std::function<HttpReply()> &work);

    Database &m_database;
    UserRepository &m_users;
    SessionRepository &m_sessions;
    GroupRepository &m_groups;
    DeviceRepository &m_devices;
    AccountSharing &m_sharing;
};
