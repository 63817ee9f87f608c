#include "identity/identityapi.h"

#include "http/httprequest.h"
#include "http/jsonbody.h"
#include "http/router.h"
#include "identity/loginpages.h"
#include "identity/loginthrottle.h"
#include "identity/passwordhasher.h"
#include "identity/sessiontokens.h"
#include "storage/database.h"
#include "storage/sessionrepository.h"
#include "storage/timestamps.h"
#include "storage/userrepository.h"

#include <QJsonArray>

namespace {

QJsonObject userJson(const UserRepository::User &user)
{
    return {{QStringLiteral("id"), user.id},
            {QStringLiteral("email"), user.email},
            {QStringLiteral("display_name"), user.displayName},
            {QStringLiteral("username"), user.email},
            {QStringLiteral("avatar_url"), QString()},
            {QStringLiteral("created_at"), user.createdAt}};
}

QJsonObject sessionJson(const SessionRepository::Session &session, const QString &currentSessionId)
{
    return {{QStringLiteral("id"), session.id},
            {QStringLiteral("user_agent"), session.userAgent},
            {QStringLiteral("ip_address"), session.ipAddress},
            {QStringLiteral("created_at"), session.createdAt},
            {QStringLiteral("last_active_at"), session.lastActiveAt},
            {QStringLiteral("is_current"), session.id == currentSessionId}};
}

} // namespace

IdentityApi::IdentityApi(const QString &realm, Database &database, UserRepository &users,
                         SessionRepository &sessions, SessionTokens &tokens, LoginThrottle &throttle)
    : m_realm(realm)
    , m_database(database)
    , m_users(users)
    , m_sessions(sessions)
    , m_tokens(tokens)
    , m_throttle(throttle)
{
}

void IdentityApi::addRoutes(Router &router)
{
    const QString base = QStringLiteral("/api/v1/realms/%1").arg(m_realm);
    const auto bind = [this](HttpReply (IdentityApi::*handler)(const HttpRequest &)) {
        return [this, handler](const HttpRequest &request) { return (this->*handler)(request); };
    };
    router.add(QStringLiteral("POST"), base + QStringLiteral("/auth/token/refresh"), Router::Access::Public,
               bind(&IdentityApi::refresh));
    router.add(QStringLiteral("POST"), base + QStringLiteral("/auth/logout"), Router::Access::Bearer,
               bind(&IdentityApi::logout));
    router.add(QStringLiteral("GET"), base + QStringLiteral("/users/me"), Router::Access::Bearer,
               bind(&IdentityApi::currentUser));
    router.add(QStringLiteral("PATCH"), base + QStringLiteral("/users/me"), Router::Access::Bearer,
               bind(&IdentityApi::updateCurrentUser));
    router.add(QStringLiteral("POST"), base + QStringLiteral("/users/me/password"), Router::Access::Bearer,
               bind(&IdentityApi::changePassword));
    router.add(QStringLiteral("GET"), base + QStringLiteral("/users/me/sessions"), Router::Access::Bearer,
               bind(&IdentityApi::listSessions));
    router.add(QStringLiteral("DELETE"), base + QStringLiteral("/users/me/sessions/{id}"), Router::Access::Bearer,
               bind(&IdentityApi::revokeSession));
}

HttpReply IdentityApi::refresh(const HttpRequest &request)
{
    JsonBody body(request.body);
    const QString refreshToken = body.requiredText(QStringLiteral("refresh_token"), 256);
    if (!body.isValid())
        return body.errorReply();
    const std::optional<SessionTokens::Pair> pair = m_tokens.refresh(refreshToken);
    if (!pair)
        return HttpReply::error(401, QStringLiteral("The refresh token is not valid"));
    return HttpReply::json({{QStringLiteral("access_token"), pair->accessToken},
                            {QStringLiteral("refresh_token"), pair->refreshToken},
                            {QStringLiteral("token_type"), QStringLiteral("Bearer")},
                            {QStringLiteral("expires_in"), qint64(AccessTokens::lifetimeSeconds)}});
}

HttpReply IdentityApi::logout(const HttpRequest &request)
{
    if (!m_sessions.revoke(request.caller->sessionId, Timestamps::nowText()))
        return HttpReply::error(500, QStringLiteral("Signing out failed"));
    return HttpReply::json({});
}

HttpReply IdentityApi::currentUser(const HttpRequest &request)
{
    const std::optional<UserRepository::User> user = m_users.findById(request.userId());
    if (!user)
        return HttpReply::error(404, QStringLiteral("No such user"));
    return HttpReply::json(userJson(*user));
}

HttpReply IdentityApi::updateCurrentUser(const HttpRequest &request)
{
    JsonBody body(request.body);
    const QString displayName = body.requiredText(QStringLiteral("display_name"), LoginPages::maxDisplayNameLength);
    if (!body.isValid())
        return body.errorReply();
    if (!m_users.updateDisplayName(request.userId(), displayName))
        return HttpReply::error(500, QStringLiteral("The name could not be saved"));
    return currentUser(request);
}

HttpReply IdentityApi::changePassword(const HttpRequest &request)
{
    JsonBody body(request.body);
    const QString current = body.requiredSecret(QStringLiteral("current_password"), 1, LoginPages::maxPasswordLength);
    const QString replacement = body.requiredSecret(QStringLiteral("new_password"), LoginPages::minPasswordLength,
                                                    LoginPages::maxPasswordLength);
    if (!body.isValid())
        return body.errorReply();
    const std::optional<UserRepository::User> user = m_users.findById(request.userId());
    if (!user)
        return HttpReply::error(404, QStringLiteral("No such user"));
    // The same slowing as the login form: a stolen access token must not become a password oracle.
    const QDateTime now = QDateTime::currentDateTimeUtc();
    const qint64 wait = m_throttle.secondsToWait(user->email, request.ipAddress(), now);
    if (wait > 0)
        return HttpReply::error(429, QStringLiteral("Too many failed attempts; try again in %1 seconds").arg(wait));
    if (!PasswordHasher::verify(current, user->passwordHash)) {
        m_throttle.recordFailure(user->email, request.ipAddress(), now);
        return HttpReply::error(403, QStringLiteral("The current password is wrong"));
    }
    const QString hash = PasswordHasher::hash(replacement);
    if (hash.isEmpty() || !m_database.beginTransaction())
        return HttpReply::error(500, QStringLiteral("The password could not be changed"));
    if (!m_users.updatePasswordHash(user->id, hash)
        || !m_sessions.revokeAllOfUser(user->id, request.caller->sessionId, Timestamps::toText(now))
        || !m_database.commit()) {
        m_database.rollback();
        return HttpReply::error(500, QStringLiteral("The password could not be changed"));
    }
    return HttpReply::json({});
}

HttpReply IdentityApi::listSessions(const HttpRequest &request)
{
    QJsonArray sessions;
    const QList<SessionRepository::Session> active = m_sessions.activeSessionsOf(request.userId());
    for (const SessionRepository::Session &session : active)
        sessions.append(sessionJson(session, request.caller->sessionId));
    return HttpReply::json({{QStringLiteral("sessions"), sessions}});
}

HttpReply IdentityApi::revokeSession(const HttpRequest &request)
{
    const std::optional<SessionRepository::Session> session = m_sessions.find(request.parameter(QStringLiteral("id")));
    if (!session)
        return HttpReply::error(404, QStringLiteral("No such session"));
    if (session->userId != request.userId())
        return HttpReply::error(403, QStringLiteral("That session belongs to someone else"));
    if (!m_sessions.revoke(session->id, Timestamps::nowText()))
        return HttpReply::error(500, QStringLiteral("The session could not be ended"));
    return HttpReply::json({});
}
