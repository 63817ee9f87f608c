#include "storage/sharerepository.h"

#include "storage/database.h"

ShareRepository::ShareRepository(Database &database)
    : m_database(database)
{
}

bool ShareRepository::insert(const Share &share)
{
    return m_database
        .execute(QStringLiteral("INSERT INTO account_shares (account_id, owner_id, member_id, role, created_at) "
                                "VALUES (?, ?, ?, ?, ?)"),
                 {share.accountId, share.ownerId, share.memberId, share.role, share.createdAt},
                 "ShareRepository::insert")
        .has_value();
}

bool ShareRepository::remove(const QString &accountId, const QString &memberId)
{
    auto query = m_database.execute(QStringLiteral("DELETE FROM account_shares WHERE account_id = ? AND member_id = ?"),
                                    {accountId, memberId}, "ShareRepository::remove");
    return query && query->numRowsAffected() == 1;
}

std::optional<ShareRepository::Share> ShareRepository::find(const QString &accountId, const QString &memberId)
{
    auto query = m_database.execute(
        QStringLiteral("SELECT account_id, owner_id, member_id, role, created_at FROM account_shares "
                       "WHERE account_id = ? AND member_id = ?"),
        {accountId, memberId}, "ShareRepository::find");
    if (!query || !query->next())
        return std::nullopt;
    return Share{query->value(0).toString(), query->value(1).toString(), query->value(2).toString(),
                 query->value(3).toString(), query->value(4).toString()};
}

QList<ShareRepository::Share> ShareRepository::sharesInvolving(const QString &userId)
{
    QList<Share> shares;
    auto query = m_database.execute(
        QStringLiteral("SELECT account_id, owner_id, member_id, role, created_at FROM account_shares "
                       "WHERE owner_id = ? OR member_id = ? ORDER BY account_id, member_id"),
        {userId, userId}, "ShareRepository::sharesInvolving");
    while (query && query->next()) {
        shares.append({query->value(0).toString(), query->value(1).toString(), query->value(2).toString(),
                       query->value(3).toString(), query->value(4).toString()});
    }
    return shares;
}

QList<ShareRepository::Member> ShareRepository::membersOf(const QString &accountId)
{
    QList<Member> members;
    auto query = m_database.execute(
        QStringLiteral("SELECT s.member_id, u.email, u.display_name, s.role, s.created_at FROM account_shares s "
                       "JOIN users u ON u.id = s.member_id WHERE s.account_id = ? ORDER BY s.created_at, s.member_id"),
        {accountId}, "ShareRepository::membersOf");
    while (query && query->next()) {
        members.append({query->value(0).toString(), query->value(1).toString(), query->value(2).toString(),
                        query->value(3).toString(), query->value(4).toString()});
    }
    return members;
}

QSet<QString> ShareRepository::sharedAmong(const QStringList &accountIds)
{
    QSet<QString> shared;
    if (accountIds.isEmpty())
        return shared;
    QStringList placeholders;
    QVariantList values;
    for (const QString &accountId : accountIds) {
        placeholders.append(QStringLiteral("?"));
        values.append(accountId);
    }
    auto query = m_database.execute(
        QStringLiteral("SELECT DISTINCT account_id FROM account_shares WHERE account_id IN (%1)")
            .arg(placeholders.join(QStringLiteral(", "))),
        values, "ShareRepository::sharedAmong");
    while (query && query->next())
        shared.insert(query->value(0).toString());
    return shared;
}
