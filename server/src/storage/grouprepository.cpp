#include "storage/grouprepository.h"

#include "storage/database.h"

namespace {

const QString invitationColumns
    = QStringLiteral("id, group_id, invited_email, invite_code, status, created_at, expires_at");

GroupRepository::Invitation invitationFrom(const QSqlQuery &query)
{
    return {query.value(0).toString(), query.value(1).toString(), query.value(2).toString(),
            query.value(3).toString(), query.value(4).toString(), query.value(5).toString(),
            query.value(6).toString()};
}

} // namespace

GroupRepository::GroupRepository(Database &database)
    : m_database(database)
{
}

std::optional<GroupRepository::Membership> GroupRepository::membershipOf(const QString &userId)
{
    auto query = m_database.execute(QStringLiteral("SELECT group_id, role FROM group_members WHERE user_id = ?"),
                                    {userId}, "GroupRepository::membershipOf");
    if (!query || !query->next())
        return std::nullopt;
    return Membership{query->value(0).toString(), query->value(1).toString()};
}

std::optional<GroupRepository::Group> GroupRepository::find(const QString &groupId)
{
    auto query = m_database.execute(
        QStringLiteral("SELECT id, name, owner_id, max_seats, member_count, created_at FROM family_groups WHERE id = ?"),
        {groupId}, "GroupRepository::find");
    if (!query || !query->next())
        return std::nullopt;
    return Group{query->value(0).toString(), query->value(1).toString(), query->value(2).toString(),
                 query->value(3).toInt(), query->value(4).toInt(), query->value(5).toString()};
}

bool GroupRepository::create(const Group &group, const QString &joinedAt)
{
    return m_database
               .execute(QStringLiteral("INSERT INTO family_groups (id, name, owner_id, max_seats, member_count, created_at) "
                                       "VALUES (?, ?, ?, ?, 1, ?)"),
                        {group.id, group.name, group.ownerId, group.maxSeats, group.createdAt},
                        "GroupRepository::create")
               .has_value()
           && addMember(group.id, group.ownerId, QStringLiteral("owner"), joinedAt);
}

bool GroupRepository::remove(const QString &groupId)
{
    return m_database.execute(QStringLiteral("DELETE FROM group_invitations WHERE group_id = ?"), {groupId},
                              "GroupRepository::remove")
           && m_database.execute(QStringLiteral("DELETE FROM group_members WHERE group_id = ?"), {groupId},
                                 "GroupRepository::remove")
           && m_database.execute(QStringLiteral("DELETE FROM family_groups WHERE id = ?"), {groupId},
                                 "GroupRepository::remove");
}

bool GroupRepository::takeSeat(const QString &groupId)
{
    auto query = m_database.execute(
        QStringLiteral("UPDATE family_groups SET member_count = member_count + 1 "
                       "WHERE id = ? AND member_count < max_seats"),
        {groupId}, "GroupRepository::takeSeat");
    return query && query->numRowsAffected() == 1;
}

bool GroupRepository::releaseSeat(const QString &groupId)
{
    return m_database
        .execute(QStringLiteral("UPDATE family_groups SET member_count = member_count - 1 WHERE id = ?"), {groupId},
                 "GroupRepository::releaseSeat")
        .has_value();
}

bool GroupRepository::addMember(const QString &groupId, const QString &userId, const QString &role,
                                const QString &joinedAt)
{
    return m_database
        .execute(QStringLiteral("INSERT INTO group_members (group_id, user_id, role, joined_at) VALUES (?, ?, ?, ?)"),
                 {groupId, userId, role, joinedAt}, "GroupRepository::addMember")
        .has_value();
}

bool GroupRepository::removeMember(const QString &groupId, const QString &userId)
{
    auto query = m_database.execute(QStringLiteral("DELETE FROM group_members WHERE group_id = ? AND user_id = ?"),
                                    {groupId, userId}, "GroupRepository::removeMember");
    return query && query->numRowsAffected() == 1;
}

QList<GroupRepository::Member> GroupRepository::members(const QString &groupId)
{
    QList<Member> members;
    auto query = m_database.execute(
        QStringLiteral("SELECT m.user_id, u.display_name, u.email, m.role, m.joined_at "
                       "FROM group_members m JOIN users u ON u.id = m.user_id "
                       "WHERE m.group_id = ? ORDER BY m.joined_at, m.user_id"),
        {groupId}, "GroupRepository::members");
    while (query && query->next()) {
        members.append({query->value(0).toString(), query->value(1).toString(), query->value(2).toString(),
                        query->value(3).toString(), query->value(4).toString()});
    }
    return members;
}

bool GroupRepository::insertInvitation(const Invitation &invitation)
{
    return m_database
        .execute(QStringLiteral("INSERT INTO group_invitations (%1) VALUES (?, ?, ?, ?, ?, ?, ?)").arg(invitationColumns),
                 {invitation.id, invitation.groupId, Database::textOrNull(invitation.invitedEmail),
                  invitation.inviteCode, invitation.status, invitation.createdAt, invitation.expiresAt},
                 "GroupRepository::insertInvitation")
        .has_value();
}

std::optional<GroupRepository::Invitation> GroupRepository::findInvitation(const QString &invitationId)
{
    auto query = m_database.execute(
        QStringLiteral("SELECT %1 FROM group_invitations WHERE id = ?").arg(invitationColumns), {invitationId},
        "GroupRepository::findInvitation");
    if (!query || !query->next())
        return std::nullopt;
    return invitationFrom(*query);
}

std::optional<GroupRepository::Invitation> GroupRepository::findInvitationByCode(const QString &inviteCode)
{
    auto query = m_database.execute(
        QStringLiteral("SELECT %1 FROM group_invitations WHERE invite_code = ?").arg(invitationColumns),
        {inviteCode}, "GroupRepository::findInvitationByCode");
    if (!query || !query->next())
        return std::nullopt;
    return invitationFrom(*query);
}

QList<GroupRepository::Invitation> GroupRepository::pendingInvitations(const QString &groupId, const QString &now)
{
    QList<Invitation> invitations;
    auto query = m_database.execute(
        QStringLiteral("SELECT %1 FROM group_invitations WHERE group_id = ? AND status = 'pending' "
                       "AND expires_at > ? ORDER BY created_at, id")
            .arg(invitationColumns),
        {groupId, now}, "GroupRepository::pendingInvitations");
    while (query && query->next())
        invitations.append(invitationFrom(*query));
    return invitations;
}

bool GroupRepository::closeInvitation(const QString &invitationId, const QString &status)
{
    auto query = m_database.execute(
        QStringLiteral("UPDATE group_invitations SET status = ? WHERE id = ? AND status = 'pending'"),
        {status, invitationId}, "GroupRepository::closeInvitation");
    return query && query->numRowsAffected() == 1;
}
