#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QString>

#include <optional>

// HS256 JSON Web Tokens through libjwt: "sub", "iat", "exp" (15 minutes),
// "sid" (the session, so a revoked session's tokens stop working) and the
// group claims under "custom" → "kst".
class AccessTokens
{
public:
    struct Claims
    {
        QString userId;
        QString sessionId;
        QString groupId;
        QString role;
    };

    static constexpr qint64 lifetimeSeconds = 15 * 60;

    explicit AccessTokens(const QByteArray &secret);

    // Empty text when libjwt fails.
    QString issue(const Claims &claims, const QDateTime &now) const;
    // The claims of a token signed with this secret by HS256 and not yet
    // expired at `now`; nothing for anything else.
    std::optional<Claims> verify(const QString &token, const QDateTime &now) const;

private:
    QByteArray m_secret;
};
