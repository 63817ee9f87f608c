#include "account/accountapi.h"

#include "data/accountsharing.h"
#include "http/httprequest.h"
#include "http/jsonbody.h"
#include "http/router.h"
#include "identity/loginpages.h"
#include "identity/securerandom.h"
#include "storage/database.h"
#include "storage/devicerepository.h"
#include "storage/sessionrepository.h"
#include "storage/timestamps.h"
#include "storage/userrepository.h"

#include <QJsonArray>

namespace {

const QString ownerRole = QStringLiteral("owner");
const QString memberRole = QStringLiteral("member");

QJsonObject memberJson(const GroupRepository::Member &member)
{
    return {{QStringLiteral("account_id"), member.userId},
            {QStringLiteral("display_name"), member.displayName},
            {QStringLiteral("email"), member.email},
            {QStringLiteral("role"), member.role},
            {QStringLiteral("joined_at"), member.joinedAt}};
}

QJsonObject invitationJson(const GroupRepository::Invitation &invitation)
{
    return {{QStringLiteral("id"), invitation.id},
            {QStringLiteral("invited_email"), invitation.invitedEmail},
            {QStringLiteral("invite_code"), invitation.inviteCode},
            {QStringLiteral("status"), invitation.status},
            {QStringLiteral("expires_at"), invitation.expiresAt}};
}

QJsonObject deviceJson(const DeviceRepository::Device &device)
{
    return {{QStringLiteral("id"), device.id},
            {QStringLiteral("device_name"), device.deviceName},
            {QStringLiteral("platform"), device.platform},
            {QStringLiteral("app_id"), device.appId},
            {QStringLiteral("app_version"), device.appVersion},
            {QStringLiteral("last_sync_at"), device.lastSyncAt},
            {QStringLiteral("device_fingerprint"), device.fingerprint},
            {QStringLiteral("created_at"), device.createdAt}};
}

HttpReply notInGroup()
{
    return HttpReply::error(404, QStringLiteral("You are not in a group"));
}

} // namespace

AccountApi::AccountApi(Database &database, UserRepository &users, SessionRepository &sessions,
                       GroupRepository &groups, DeviceRepository &devices, AccountSharing &sharing)
    : m_database(database)
    , m_users(users)
    , m_sessions(sessions)
    , m_groups(groups)
    , m_devices(devices)
    , m_sharing(sharing)
{
}

void AccountApi::addRoutes(Router &router)
{
    const auto bind = [this](HttpReply (AccountApi::*handler)(const HttpRequest &)) {
        return [this, handler](const HttpRequest &request) { return (this->*handler)(request); };
    };
    const auto add = [&](const char *method, const char *path, HttpReply (AccountApi::*handler)(const HttpRequest &)) {
        router.add(QString::fromLatin1(method), QStringLiteral("/account/v1") + QString::fromLatin1(path),
                   Router::Access::Bearer, bind(handler));
    };
    add("GET", "/profile", &AccountApi::profile);
    add("DELETE", "/profile", &AccountApi::deleteProfile);
    add("GET", "/group", &AccountApi::group);
    add("POST", "/group/invite", &AccountApi::invite);
    add("POST", "/group/join/{code}", &AccountApi::join);
    add("POST", "/group/leave", &AccountApi::leave);
    add("DELETE", "/group/members/{id}", &AccountApi::removeMember);
    add("DELETE", "/group/invitations/{id}", &AccountApi::revokeInvitation);
    add("GET", "/devices", &AccountApi::devices);
    add("POST", "/devices/register", &AccountApi::registerDevice);
    add("DELETE", "/devices/{id}", &AccountApi::removeDevice);
}

HttpReply AccountApi::runInTransaction(const std::function<HttpReply()> &work)
{
    if (!m_database.beginTransaction())
        return HttpReply::error(500, QStringLiteral("The database is not available"));
    const HttpReply reply = work();
    if (reply.status >= 300) {
        m_database.rollback();
        return reply;
    }
    if (!m_database.commit())
        return HttpReply::error(500, QStringLiteral("The change could not be saved"));
    return reply;
}

HttpReply AccountApi::profile(const HttpRequest &request)
{
    const std::optional<UserRepository::User> user = m_users.findById(request.userId());
    if (!user)
        return HttpReply::error(404, QStringLiteral("No such user"));
    QJsonObject profile{{QStringLiteral("id"), user->id},
                        {QStringLiteral("email"), user->email},
                        {QStringLiteral("display_name"), user->displayName},
                        {QStringLiteral("avatar_url"), QString()},
                        {QStringLiteral("language"), QString()},
                        {QStringLiteral("timezone"), QString()},
                        {QStringLiteral("status"), user->deletionDueAt.isEmpty() ? QStringLiteral("active")
                                                                                 : QStringLiteral("pending_deletion")},
                        {QStringLiteral("created_at"), user->createdAt}};
    if (const auto membership = m_groups.membershipOf(user->id)) {
        if (const auto group = m_groups.find(membership->groupId)) {
            profile.insert(QStringLiteral("group"), QJsonObject{{QStringLiteral("id"), group->id},
                                                                {QStringLiteral("name"), group->name},
                                                                {QStringLiteral("role"), membership->role},
                                                                {QStringLiteral("member_count"), group->memberCount}});
        }
    }
    return HttpReply::json(profile);
}

HttpReply AccountApi::deleteProfile(const HttpRequest &request)
{
    return runInTransaction([&] {
        const QString userId = request.userId();
        if (const auto membership = m_groups.membershipOf(userId); membership && membership->role == ownerRole) {
            const auto group = m_groups.find(membership->groupId);
            if (group && group->memberCount > 1)
                return HttpReply::error(409, QStringLiteral("The group owner must remove all members first"));
            if (!m_groups.remove(membership->groupId))
                return HttpReply::error(500, QStringLiteral("The group could not be removed"));
        }
        const QDateTime now = QDateTime::currentDateTimeUtc();
        const QString dueAt = Timestamps::toText(now.addDays(deletionGraceDays));
        if (!m_users.setDeletionDue(userId, dueAt) || !m_sessions.revokeAllOfUser(userId, {}, Timestamps::toText(now)))
            return HttpReply::error(500, QStringLiteral("The deletion could not be scheduled"));
        return HttpReply::json({{QStringLiteral("status"), QStringLiteral("pending_deletion")},
                                {QStringLiteral("deletion_due_at"), dueAt}});
    });
}

QJsonObject AccountApi::groupJson(const GroupRepository::Group &group, bool forOwner)
{
    QJsonArray members;
    const QList<GroupRepository::Member> rows = m_groups.members(group.id);
    for (const GroupRepository::Member &member : rows)
        members.append(memberJson(member));
    QJsonArray invitations;
    if (forOwner) {
        const QList<GroupRepository::Invitation> pending = m_groups.pendingInvitations(group.id, Timestamps::nowText());
        for (const GroupRepository::Invitation &invitation : pending)
            invitations.append(invitationJson(invitation));
    }
    return {{QStringLiteral("id"), group.id},
            {QStringLiteral("name"), group.name},
            {QStringLiteral("owner_id"), group.ownerId},
            {QStringLiteral("max_seats"), group.maxSeats},
            {QStringLiteral("members"), members},
            {QStringLiteral("pending_invitations"), invitations}};
}

HttpReply AccountApi::group(const HttpRequest &request)
{
    const auto membership = m_groups.membershipOf(request.userId());
    const auto group = membership ? m_groups.find(membership->groupId) : std::nullopt;
    if (!group)
        return notInGroup();
    return HttpReply::json(groupJson(*group, membership->role == ownerRole));
}

std::optional<GroupRepository::Group> AccountApi::ownedGroupOf(const QString &userId, QString *refusal)
{
    if (const auto membership = m_groups.membershipOf(userId)) {
        if (membership->role != ownerRole) {
            *refusal = QStringLiteral("Only the group's owner can invite");
            return std::nullopt;
        }
        return m_groups.find(membership->groupId);
    }
    const std::optional<UserRepository::User> user = m_users.findById(userId);
    if (!user)
        return std::nullopt;
    const QString now = Timestamps::nowText();
    const QString ownerName = user->displayName.isEmpty() ? user->email : user->displayName;
    const GroupRepository::Group group{SecureRandom::uuid(), QStringLiteral("%1's group").arg(ownerName), userId,
                                       maxSeats, 1, now};
    if (!m_groups.create(group, now))
        return std::nullopt;
    return group;
}

HttpReply AccountApi::invite(const HttpRequest &request)
{
    JsonBody body(request.body, true);
    const QString email = body.optionalText(QStringLiteral("email"), LoginPages::maxEmailLength).toLower();
    if (!body.isValid())
        return body.errorReply();
    if (!email.isEmpty() && !LoginPages::isPlausibleEmail(email))
        return HttpReply::error(400, QStringLiteral("\"email\" is not an e-mail address"));
    return runInTransaction([&] {
        QString refusal;
        const std::optional<GroupRepository::Group> group = ownedGroupOf(request.userId(), &refusal);
        if (!group) {
            return refusal.isEmpty() ? HttpReply::error(500, QStringLiteral("The group could not be made"))
                                     : HttpReply::error(403, refusal);
        }
        if (group->memberCount >= group->maxSeats)
            return HttpReply::error(409, QStringLiteral("The group has no free seat"));
        const QDateTime now = QDateTime::currentDateTimeUtc();
        const GroupRepository::Invitation invitation{SecureRandom::uuid(), group->id, email, SecureRandom::inviteCode(),
                                                     QStringLiteral("pending"), Timestamps::toText(now),
                                                     Timestamps::toText(now.addDays(invitationDays))};
        if (!m_groups.insertInvitation(invitation))
            return HttpReply::error(500, QStringLiteral("The invitation could not be made"));
        return HttpReply::json(invitationJson(invitation), 201);
    });
}

HttpReply AccountApi::join(const HttpRequest &request)
{
    const QString code = request.parameter(QStringLiteral("code")).trimmed().toUpper();
    const HttpReply invalid = HttpReply::error(404, QStringLiteral("Invalid or expired invite code"));
    if (code.isEmpty() || code.size() > 32)
        return invalid;
    return runInTransaction([&] {
        const QString userId = request.userId();
        if (m_groups.membershipOf(userId))
            return HttpReply::error(409, QStringLiteral("Leave your current group first"));
        const auto invitation = m_groups.findInvitationByCode(code);
        if (!invitation || invitation->status != QLatin1String("pending")
            || invitation->expiresAt <= Timestamps::nowText()) {
            return invalid;
        }
        const auto user = m_users.findById(userId);
        if (!user || (!invitation->invitedEmail.isEmpty() && invitation->invitedEmail != user->email))
            return HttpReply::error(403, QStringLiteral("This invitation is for another e-mail address"));
        if (!m_groups.takeSeat(invitation->groupId))
            return HttpReply::error(409, QStringLiteral("The group has no free seat"));
        // The invitation is closed in the same transaction: a code admits one person.
        if (!m_groups.closeInvitation(invitation->id, QStringLiteral("accepted")))
            return invalid;
        if (!m_groups.addMember(invitation->groupId, userId, memberRole, Timestamps::nowText()))
            return HttpReply::error(500, QStringLiteral("Joining failed"));
        const auto group = m_groups.find(invitation->groupId);
        return group ? HttpReply::json(groupJson(*group, false)) : invalid;
    });
}

HttpReply AccountApi::leave(const HttpRequest &request)
{
    return runInTransaction([&] {
        const QString userId = request.userId();
        const auto membership = m_groups.membershipOf(userId);
        if (!membership)
            return notInGroup();
        if (membership->role == ownerRole) {
            const auto group = m_groups.find(membership->groupId);
            if (group && group->memberCount > 1)
                return HttpReply::error(409, QStringLiteral("The owner can leave only after every member has left"));
            return m_groups.remove(membership->groupId) ? HttpReply::json({})
                                                        : HttpReply::error(500, QStringLiteral("Leaving failed"));
        }
        // Shares live only within a group: leaving it ends them both ways.
        if (!m_groups.removeMember(membership->groupId, userId) || !m_groups.releaseSeat(membership->groupId)
            || !m_sharing.endAllOf(userId)) {
            return HttpReply::error(500, QStringLiteral("Leaving failed"));
        }
        return HttpReply::json({});
    });
}

HttpReply AccountApi::removeMember(const HttpRequest &request)
{
    const QString memberId = request.parameter(QStringLiteral("id"));
    return runInTransaction([&] {
        const auto membership = m_groups.membershipOf(request.userId());
        if (!membership)
            return notInGroup();
        if (membership->role != ownerRole)
            return HttpReply::error(403, QStringLiteral("Only the group's owner can remove members"));
        if (memberId == request.userId())
            return HttpReply::error(409, QStringLiteral("The owner cannot remove themselves"));
        if (!m_groups.removeMember(membership->groupId, memberId))
            return HttpReply::error(404, QStringLiteral("No such member in your group"));
        if (!m_groups.releaseSeat(membership->groupId) || !m_sharing.endAllOf(memberId))
            return HttpReply::error(500, QStringLiteral("Removing the member failed"));
        return HttpReply::json({});
    });
}

HttpReply AccountApi::revokeInvitation(const HttpRequest &request)
{
    const auto invitation = m_groups.findInvitation(request.parameter(QStringLiteral("id")));
    if (!invitation)
        return HttpReply::error(404, QStringLiteral("No such invitation"));
    const auto membership = m_groups.membershipOf(request.userId());
    if (!membership || membership->groupId != invitation->groupId || membership->role != ownerRole)
        return HttpReply::error(403, QStringLiteral("Only the group's owner can revoke its invitations"));
    m_groups.closeInvitation(invitation->id, QStringLiteral("revoked"));
    return HttpReply::json({});
}

HttpReply AccountApi::devices(const HttpRequest &request)
{
    QJsonArray devices;
    const QList<DeviceRepository::Device> rows = m_devices.devicesOf(request.userId());
    for (const DeviceRepository::Device &device : rows)
        devices.append(deviceJson(device));
    return HttpReply::json({{QStringLiteral("devices"), devices}});
}

HttpReply AccountApi::registerDevice(const HttpRequest &request)
{
    JsonBody body(request.body);
    const QString now = Timestamps::nowText();
    DeviceRepository::Device device{SecureRandom::uuid(),
                                    request.userId(),
                                    body.optionalText(QStringLiteral("device_name"), 200),
                                    body.optionalText(QStringLiteral("platform"), 50),
                                    body.optionalText(QStringLiteral("app_id"), 200),
                                    body.optionalText(QStringLiteral("app_version"), 50),
                                    body.requiredText(QStringLiteral("device_fingerprint"), 200),
                                    now,
                                    now};
    if (!body.isValid())
        return body.errorReply();
    const std::optional<DeviceRepository::Device> stored = m_devices.upsert(device);
    if (!stored)
        return HttpReply::error(500, QStringLiteral("The device could not be registered"));
    return HttpReply::json(deviceJson(*stored));
}

HttpReply AccountApi::removeDevice(const HttpRequest &request)
{
    const auto device = m_devices.find(request.parameter(QStringLiteral("id")));
    if (!device)
        return HttpReply::error(404, QStringLiteral("No such device"));
    if (device->userId != request.userId())
        return HttpReply::error(403, QStringLiteral("That device belongs to someone else"));
    if (!m_devices.remove(device->id))
        return HttpReply::error(500, QStringLiteral("The device could not be removed"));
    return HttpReply::json({});
}
