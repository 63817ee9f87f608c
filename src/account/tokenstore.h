#pragma once

#include <QString>

#include <functional>
#include <optional>

namespace KestAccount {

// Where the token pair outlives the program: one text per key.
class TokenStore
{
public:
    static inline const QString accessTokenKey = QStringLiteral("kestrelwood_access_token");
    static inline const QString refreshTokenKey = QStringLiteral("kestrelwood_refresh_token");

    using PairLoaded = std::function<void(const std::optional<QString>& accessToken,
        const std::optional<QString>& refreshToken)>;

    virtual ~TokenStore() = default;
    // Reads both tokens and hands them to `loaded`, at once or, for a store
    // that has to ask another process, later from the event loop.
    virtual void loadPair(const PairLoaded& loaded)
    {
        loaded(load(accessTokenKey), load(refreshTokenKey));
    }
    virtual std::optional<QString> load(const QString& key) = 0;
    virtual bool store(const QString& key, const QString& value) = 0;
    virtual bool remove(const QString& key) = 0;
    // Removes the access token, then the refresh token.
    virtual void clear() = 0;
};

} // namespace KestAccount
