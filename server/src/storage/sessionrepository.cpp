#include "storage/sessionrepository.h"

#include "storage/database.h"

namespace {
const QString sessionColumns = QStringLiteral("id, user_id, user_agent, ip_address, created_at, last_active_at");

SessionRepository::Session sessionFrom(const QSqlQuery &query)
{
    return {query.value(0).toString(), query.value(1).toString(), query.value(2).toString(),
            query.value(3).toString(), query.value(4).toString(), query.value(5).toString()};
}
} // namespace

SessionRepository::SessionRepository(Database &database)
    : m_database(database)
{
}

bool SessionRepository::insert(const Session &session)
{
    return m_database
        .execute(QStringLiteral("INSERT INTO sessions (%1) VALUES (?, ?, ?, ?, ?, ?)").arg(sessionColumns),
                 {session.id, session.userId, session.userAgent, session.ipAddress, session.createdAt,
                  session.lastActiveAt},
                 "SessionRepository::insert")
        .has_value();
}

bool SessionRepository::insertRefreshToken(const QString &tokenHash, const QString &sessionId,
                                           const QString &issuedAt)
{
    return m_database
        .execute(QStringLiteral("INSERT INTO refresh_tokens (token_hash, session_id, issued_at) VALUES (?, ?, ?)"),
                 {tokenHash, sessionId, issuedAt}, "SessionRepository::insertRefreshToken")
        .has_value();
}

std::optional<SessionRepository::RefreshToken> SessionRepository::findRefreshToken(const QString &tokenHash)
{
    auto query = m_database.execute(
        QStringLiteral("SELECT t.session_id, s.user_id, t.rotated_at IS NOT NULL, s.revoked_at IS NOT NULL "
                       "FROM refresh_tokens t JOIN sessions s ON s.id = t.session_id WHERE t.token_hash = ?"),
        {tokenHash}, "SessionRepository::findRefreshToken");
    if (!query || !query->next())
        return std::nullopt;
    return RefreshToken{query->value(0).toString(), query->value(1).toString(), query->value(2).toBool(),
                        query->value(3).toBool()};
}

bool SessionRepository::markRotated(const QString &tokenHash, const QString &rotatedAt)
{
    auto query = m_database.execute(
        QStringLiteral("UPDATE refresh_tokens SET rotated_at = ? WHERE token_hash = ? AND rotated_at IS NULL"),
        {rotatedAt, tokenHash}, "SessionRepository::markRotated");
    return query && query->numRowsAffected() == 1;
}

bool SessionRepository::touch(const QString &sessionId, const QString &lastActiveAt)
{
    return m_database
        .execute(QStringLiteral("UPDATE sessions SET last_active_at = ? WHERE id = ?"), {lastActiveAt, sessionId},
                 "SessionRepository::touch")
        .has_value();
}

bool SessionRepository::revoke(const QString &sessionId, const QString &revokedAt)
{
    return m_database
        .execute(QStringLiteral("UPDATE sessions SET revoked_at = ? WHERE id = ? AND revoked_at IS NULL"),
                 {revokedAt, sessionId}, "SessionRepository::revoke")
        .has_value();
}

bool SessionRepository::revokeAllOfUser(const QString &userId, const QString &keptSessionId,
                                        const QString &revokedAt)
{
    return m_database
        .execute(QStringLiteral("UPDATE sessions SET revoked_at = ? "
                                "WHERE user_id = ? AND id <> ? AND revoked_at IS NULL"),
                 {revokedAt, userId, keptSessionId}, "SessionRepository::revokeAllOfUser")
        .has_value();
}

bool SessionRepository::isActive(const QString &sessionId, const QString &userId)
{
    auto query = m_database.execute(
        QStringLiteral("SELECT 1 FROM sessions WHERE id = ? AND user_id = ? AND revoked_at IS NULL"),
        {sessionId, userId}, "SessionRepository::isActive");
    return query && query->next();
}

std::optional<SessionRepository::Session> SessionRepository::find(const QString &sessionId)
{
    auto query = m_database.execute(
        QStringLiteral("SELECT %1 FROM sessions WHERE id = ? AND revoked_at IS NULL").arg(sessionColumns),
        {sessionId}, "SessionRepository::find");
    if (!query || !query->next())
        return std::nullopt;
    return sessionFrom(*query);
}

QList<SessionRepository::Session> SessionRepository::activeSessionsOf(const QString &userId)
{
    QList<Session> sessions;
    auto query = m_database.execute(
        QStringLiteral("SELECT %1 FROM sessions WHERE user_id = ? AND revoked_at IS NULL "
                       "ORDER BY last_active_at DESC, id")
            .arg(sessionColumns),
        {userId}, "SessionRepository::activeSessionsOf");
    while (query && query->next())
        sessions.append(sessionFrom(*query));
    return sessions;
}
