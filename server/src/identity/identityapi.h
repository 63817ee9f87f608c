#pragma once

#include "http/httpreply.h"

#include <QString>

class Database;
class HttpRequest;
class LoginThrottle;
class Router;
class SessionRepository;
class SessionTokens;
class UserRepository;

// The identity service's API under "/api/v1/realms/{realm}": token refresh,
// sign-out, the signed-in user, the password and the sessions.
class IdentityApi
{
public:
    IdentityApi(const QString &realm, Database &database, UserRepository &users, SessionRepository &sessions,
                SessionTokens &tokens, LoginThrottle &throttle);

    void addRoutes(Router &router);

private:
    HttpReply refresh(const HttpRequest &request);
    HttpReply logout(const HttpRequest &request);
    HttpReply currentUser(const HttpRequest &request);
    HttpReply updateCurrentUser(const HttpRequest &request);
    HttpReply changePassword(const HttpRequest &request);
    HttpReply listSessions(const HttpRequest &request);
    HttpReply revokeSession(const HttpRequest &request);

    QString m_realm;
    Database &m_database;
    UserRepository &m_users;
    SessionRepository &m_sessions;
    SessionTokens &m_tokens;
    LoginThrottle &m_throttle;
};
