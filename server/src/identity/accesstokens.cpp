#include "identity/accesstokens.h"

#include <QJsonDocument>
#include <QJsonObject>

#include <jwt.h>

#include <cstdlib>
#include <memory>

namespace {

struct JwtDeleter
{
    void operator()(jwt_t *jwt) const { jwt_free(jwt); }
};
using JwtHandle = std::unique_ptr<jwt_t, JwtDeleter>;

struct MallocDeleter
{
    void operator()(char *text) const { std::free(text); }
};
// libjwt 1.10 hands out encoded text and grant JSON allocated with malloc.
using MallocText = std::unique_ptr<char, MallocDeleter>;

QByteArray customClaims(const AccessTokens::Claims &claims)
{
    const QJsonObject kst{{QStringLiteral("group_id"), claims.groupId},
                          {QStringLiteral("role"), claims.role}};
    const QJsonObject custom{{QStringLiteral("kst"), kst}};
    return QJsonDocument(QJsonObject{{QStringLiteral("custom"), custom}})
        .toJson(QJsonDocument::Compact);
}

QJsonObject kstClaims(jwt_t *jwt)
{
    const MallocText json(jwt_get_grants_json(jwt, "custom"));
    if (!json)
        return {};
    return QJsonDocument::fromJson(QByteArray(json.get()))
        .object()
        .value(QStringLiteral("kst"))
        .toObject();
}

} // namespace

AccessTokens::AccessTokens(const QByteArray &secret)
    : m_secret(secret)
{
}

QString AccessTokens::issue(const Claims &claims, const QDateTime &now) const
{
    jwt_t *raw = nullptr;
    if (jwt_new(&raw) != 0)
        return {};
    const JwtHandle jwt(raw);
    const qint64 issuedAt = now.toSecsSinceEpoch();
    const bool built
        = jwt_add_grant(jwt.get(), "sub", claims.userId.toUtf8().constData()) == 0
          && jwt_add_grant(jwt.get(), "sid", claims.sessionId.toUtf8().constData()) == 0
          && jwt_add_grant_int(jwt.get(), "iat", long(issuedAt)) == 0
          && jwt_add_grant_int(jwt.get(), "exp", long(issuedAt + lifetimeSeconds)) == 0
          && jwt_add_grants_json(jwt.get(), customClaims(claims).constData()) == 0
          && jwt_set_alg(jwt.get(), JWT_ALG_HS256,
                         reinterpret_cast<const unsigned char *>(m_secret.constData()),
                         int(m_secret.size()))
                 == 0;
    if (!built)
        return {};
    const MallocText encoded(jwt_encode_str(jwt.get()));
    return encoded ? QString::fromLatin1(encoded.get()) : QString();
}

std::optional<AccessTokens::Claims> AccessTokens::verify(const QString &token,
                                                         const QDateTime &now) const
{
    const QByteArray text = token.toLatin1();
    if (text.isEmpty() || text.size() > 8192)
        return std::nullopt;
    jwt_t *raw = nullptr;
    if (jwt_decode(&raw, text.constData(),
                   reinterpret_cast<const unsigned char *>(m_secret.constData()),
                   int(m_secret.size()))
        != 0) {
        return std::nullopt;
    }
    const JwtHandle jwt(raw);
    // jwt_decode accepts whichever algorithm the token names; only our own is valid.
    if (jwt_get_alg(jwt.get()) != JWT_ALG_HS256)
        return std::nullopt;
    const long expiresAt = jwt_get_grant_int(jwt.get(), "exp");
    if (expiresAt <= 0 || now.toSecsSinceEpoch() >= expiresAt)
        return std::nullopt;
    const char *subject = jwt_get_grant(jwt.get(), "sub");
    const char *session = jwt_get_grant(jwt.get(), "sid");
    if (!subject || !session)
        return std::nullopt;
    const QJsonObject kst = kstClaims(jwt.get());
    return Claims{QString::fromUtf8(subject), QString::fromUtf8(session),
                  kst.value(QStringLiteral("group_id")).toString(),
                  kst.value(QStringLiteral("role")).toString()};
}
