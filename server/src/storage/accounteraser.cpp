#include "storage/accounteraser.h"

#include "storage/database.h"

AccountEraser::AccountEraser(Database &database)
    : m_database(database)
{
}

QStringList AccountEraser::usersDueBefore(const QString &now)
{
    QStringList ids;
    auto query = m_database.execute(
        QStringLiteral("SELECT id FROM users WHERE deletion_due_at IS NOT NULL AND deletion_due_at <= ? ORDER BY id"),
        {now}, "AccountEraser::usersDueBefore");
    while (query && query->next())
        ids.append(query->value(0).toString());
    return ids;
}

bool AccountEraser::erase(const QString &userId)
{
    // Children before parents, so the foreign keys hold at every step.
    const QList<QPair<QString, QVariantList>> statements{
        {QStringLiteral("DELETE FROM sync_deliveries WHERE user_id = ? OR server_id IN "
                        "(SELECT server_id FROM sync_rows WHERE owner_id = ?)"),
         {userId, userId}},
        {QStringLiteral("DELETE FROM account_shares WHERE owner_id = ? OR member_id = ?"), {userId, userId}},
        {QStringLiteral("DELETE FROM sync_rows WHERE owner_id = ?"), {userId}},
        {QStringLiteral("DELETE FROM devices WHERE user_id = ?"), {userId}},
        {QStringLiteral("DELETE FROM refresh_tokens WHERE session_id IN (SELECT id FROM sessions WHERE user_id = ?)"),
         {userId}},
        {QStringLiteral("DELETE FROM sessions WHERE user_id = ?"), {userId}},
        {QStringLiteral("DELETE FROM login_failures WHERE scope = 'account' AND subject IN "
                        "(SELECT email FROM users WHERE id = ?)"),
         {userId}},
        {QStringLiteral("DELETE FROM users WHERE id = ?"), {userId}},
    };
    for (const auto &[statement, values] : statements) {
        if (!m_database.execute(statement, values, "AccountEraser::erase"))
            return false;
    }
    return true;
}
