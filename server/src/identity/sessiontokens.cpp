#include "identity/sessiontokens.h"

#include "http/httprequest.h"
#include "identity/securerandom.h"
#include "storage/database.h"
#include "storage/grouprepository.h"
#include "storage/sessionrepository.h"
#include "storage/timestamps.h"

SessionTokens::SessionTokens(Database &database, SessionRepository &sessions, GroupRepository &groups,
                             const AccessTokens &accessTokens)
    : m_database(database)
    , m_sessions(sessions)
    , m_groups(groups)
    , m_accessTokens(accessTokens)
{
}

std::optional<SessionTokens::Pair> SessionTokens::startSession(const QString &userId, const QString &userAgent,
                                                               const QString &ipAddress)
{
    const QDateTime now = QDateTime::currentDateTimeUtc();
    const QString nowText = Timestamps::toText(now);
    const SessionRepository::Session session{SecureRandom::uuid(), userId, userAgent, ipAddress, nowText, nowText};
    if (!m_database.beginTransaction())
        return std::nullopt;
    std::optional<Pair> pair;
    if (m_sessions.insert(session))
        pair = issuePair(userId, session.id, now);
    if (!pair || !m_database.commit()) {
        m_database.rollback();
        return std::nullopt;
    }
    return pair;
}

std::optional<SessionTokens::Pair> SessionTokens::refresh(const QString &refreshToken)
{
    if (refreshToken.isEmpty() || refreshToken.size() > 256)
        return std::nullopt;
    const QDateTime now = QDateTime::currentDateTimeUtc();
    if (!m_database.beginTransaction())
        return std::nullopt;
    const std::optional<Pair> pair = rotate(SecureRandom::sha256Hex(refreshToken.toUtf8()), now);
    // A reuse revokes the session and answers no pair: that must be kept too.
    if (!m_database.commit()) {
        m_database.rollback();
        return std::nullopt;
    }
    return pair;
}

std::optional<SessionTokens::Pair> SessionTokens::rotate(const QString &tokenHash, const QDateTime &now)
{
    const std::optional<SessionRepository::RefreshToken> stored = m_sessions.findRefreshToken(tokenHash);
    if (!stored || stored->sessionRevoked)
        return std::nullopt;
    const QString nowText = Timestamps::toText(now);
    if (stored->rotated || !m_sessions.markRotated(tokenHash, nowText)) {
        qWarning("SessionTokens::refresh: a rotated refresh token was presented again; session %s revoked",
                 qPrintable(stored->sessionId));
        m_sessions.revoke(stored->sessionId, nowText);
        return std::nullopt;
    }
    if (!m_sessions.touch(stored->sessionId, nowText))
        return std::nullopt;
    return issuePair(stored->userId, stored->sessionId, now);
}

std::optional<SessionTokens::Pair> SessionTokens::issuePair(const QString &userId, const QString &sessionId,
                                                            const QDateTime &now)
{
    AccessTokens::Claims claims{userId, sessionId, {}, {}};
    if (const auto membership = m_groups.membershipOf(userId)) {
        claims.groupId = membership->groupId;
        claims.role = membership->role;
    }
    Pair pair{m_accessTokens.issue(claims, now), SecureRandom::token()};
    if (pair.accessToken.isEmpty()
        || !m_sessions.insertRefreshToken(SecureRandom::sha256Hex(pair.refreshToken.toUtf8()), sessionId,
                                          Timestamps::toText(now))) {
        return std::nullopt;
    }
    return pair;
}

std::optional<AccessTokens::Claims> SessionTokens::authenticate(const HttpRequest &request)
{
    const QByteArray authorization = request.header(QByteArrayLiteral("Authorization"));
    const QByteArray prefix = QByteArrayLiteral("Bearer ");
    if (!authorization.startsWith(prefix))
        return std::nullopt;
    const auto claims = m_accessTokens.verify(QString::fromLatin1(authorization.mid(prefix.size()).trimmed()),
                                              QDateTime::currentDateTimeUtc());
    // Signing out, a password change or a revoked session end the tokens at once.
    if (!claims || !m_sessions.isActive(claims->sessionId, claims->userId))
        return std::nullopt;
    return claims;
}
