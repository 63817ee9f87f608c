#pragma once

#include <QList>
#include <QString>

#include <optional>

class Database;

// Family groups: one owner, members up to the group's seats, and the
// invitations that let others join.
class GroupRepository
{
public:
    struct Group
    {
        QString id;
        QString name;
        QString ownerId;
        int maxSeats = 0;
        int memberCount = 0;
        QString createdAt;
    };

    struct Membership
    {
        QString groupId;
        QString role;
    };

    struct Member
    {
        QString userId;
        QString displayName;
        QString email;
        QString role;
        QString joinedAt;
    };

    struct Invitation
    {
        QString id;
        QString groupId;
        QString invitedEmail;
        QString inviteCode;
        QString status;
        QString createdAt;
        QString expiresAt;
    };

    explicit GroupRepository(Database &database);

    std::optional<Membership> membershipOf(const QString &userId);
    std::optional<Group> find(const QString &groupId);
    // Inserts the group with its owner as the first member.
    bool create(const Group &group, const QString &joinedAt);
    bool remove(const QString &groupId);

    // Takes one free seat; false when the group is full or gone. Run inside
    // the transaction that adds the member.
    bool takeSeat(const QString &groupId);
    bool releaseSeat(const QString &groupId);
    bool addMember(const QString &groupId, const QString &userId, const QString &role, const QString &joinedAt);
    bool removeMember(const QString &groupId, const QString &userId);
    QList<Member> members(const QString &groupId);

    bool insertInvitation(const Invitation &invitation);
    std::optional<Invitation> findInvitation(const QString &invitationId);
    std::optional<Invitation> findInvitationByCode(const QString &inviteCode);
    QList<Invitation> pendingInvitations(const QString &groupId, const QString &now);
    // Moves a pending invitation on; false when it was no longer pending.
    bool closeInvitation(const QString &invitationId, const QString &status);

private:
    Database &m_database;
};
