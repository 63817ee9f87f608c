#pragma once

#include <QList>
#include <QString>

#include <optional>

class Database;

// Signed-in sessions and the digests of their refresh tokens.
class SessionRepository
{
public:
    struct Session
    {
        QString id;
        QString userId;
        QString userAgent;
        QString ipAddress;
        QString createdAt;
        QString lastActiveAt;
    };

    struct RefreshToken
    {
        QString sessionId;
        QString userId;
        bool rotated = false;
        bool sessionRevoked = false;
    };

    explicit SessionRepository(Database &database);

    bool insert(const Session &session);
    bool insertRefreshToken(const QString &tokenHash, const QString &sessionId, const QString &issuedAt);
    std::optional<RefreshToken> findRefreshToken(const QString &tokenHash);
    // True only for the one caller that turned the token from current to
    // rotated; a concurrent refresh with the same token gets false.
    bool markRotated(const QString &tokenHash, const QString &rotatedAt);
    bool touch(const QString &sessionId, const QString &lastActiveAt);
    bool revoke(const QString &sessionId, const QString &revokedAt);
    // Every active session of the user except `keptSessionId` (empty: all).
    bool revokeAllOfUser(const QString &userId, const QString &keptSessionId, const QString &revokedAt);
    bool isActive(const QString &sessionId, const QString &userId);
    std::optional<Session> find(const QString &sessionId);
    QList<Session> activeSessionsOf(const QString &userId);

private:
    Database &m_database;
};
