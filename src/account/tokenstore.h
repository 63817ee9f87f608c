#pragma once

#include <QString>

#include <optional>

namespace KestAccount {

// Where the token pair outlives the program: one text per key.
class TokenStore
{
public:
    static inline const QString accessTokenKey = QStringLiteral("kestrelwood_access_token");
    static inline const QString refreshTokenKey = QStringLiteral("kestrelwood_refresh_token");

    virtual ~TokenStore() = default;
    virtual std::optional<QString> load(const QString& key) = 0;
    virtual bool store(const QString& key, const QString& value) = 0;
    virtual bool remove(const QString& key) = 0;
    // Removes the access token, then the refresh token.
    virtual void clear() = 0;
};

} // namespace KestAccount
