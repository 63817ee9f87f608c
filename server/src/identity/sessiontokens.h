#pragma once

#include "identity/accesstokens.h"

#include <QString>

#include <optional>

class Database;
class GroupRepository;
class HttpRequest;
class SessionRepository;

// Sessions and their token pairs: a new session per sign-in, a refresh that
// rotates the refresh token, and the check of every bearer token.
class SessionTokens
{
public:
    struct Pair
    {
        QString accessToken;
        QString refreshToken;
    };

    SessionTokens(Database &database, SessionRepository &sessions, GroupRepository &groups,
                  const AccessTokens &accessTokens);

    std::optional<Pair> startSession(const QString &userId, const QString &userAgent, const QString &ipAddress);
    // A new pair for a current refresh token. A token that was already
    // rotated ends its session: someone holds a copy of it.
    std::optional<Pair> refresh(const QString &refreshToken);
    // The caller of a request with a valid bearer token of a live session.
    std::optional<AccessTokens::Claims> authenticate(const HttpRequest &request);

private:
    std::optional<Pair> issuePair(const QString &userId, const QString &sessionId, const QDateTime &now);
    std::optional<Pair> rotate(const QString &tokenHash, const QDateTime &now);

    Database &m_database;
    SessionRepository &m_sessions;
    GroupRepository &m_groups;
    const AccessTokens &m_accessTokens;
};
