#pragma once

#include "account/refreshresult.h"

#include <QList>
#include <QMutex>
#include <QObject>
#include <QString>

#include <functional>
#include <memory>

namespace KestAccount {

class TokenStore;

// The token pair in memory and in its store, whether the access token is
// still good, and the refresh: however many callers find the token stale
// at once, one refresh runs and each of them hears how it ended, in the
// order they asked.
class TokenManager : public QObject
{
    Q_OBJECT

public:
    using RefreshDone = std::function<void(RefreshResult)>;
    // Given the refresh token, asks the identity service for a new pair and
    // calls exactly one of the two continuations.
    using RefreshCallback = std::function<void(const QString& refreshToken,
        std::function<void(const QString& accessToken, const QString& refreshToken)> onSuccess,
        std::function<void(bool rejected)> onFailure)>;

    // Counted as expired this long before the expiry the token states.
    static constexpr qint64 expiryMarginSeconds = 30;

    explicit TokenManager(std::unique_ptr<TokenStore> store, QObject* parent = nullptr);
    ~TokenManager() override;

    // Reads the stored pair; `loaded` runs once it is in memory, which for
    // the secret service is later, from the event loop.
    void load(const std::function<void()>& loaded);
    void setTokens(const QString& accessToken, const QString& refreshToken);
    void clear();

    // The access token while it is good for more than the margin; empty otherwise.
    QString accessToken() const;
    QString refreshToken() const { return m_refreshToken; }
    bool needsRefresh() const;
    void refresh(RefreshDone done);
    void setRefreshCallback(RefreshCallback callback);

    TokenStore* store() const { return m_store.get(); }
    // Seconds since 1970 now; tests move it to bring a token near its expiry.
    void setClock(std::function<qint64()> secondsNow);

Q_SIGNALS:
    // The identity service refused the refresh token.
    void refreshRejected();

private:
    void finishRefresh(quint64 generation, const QString& accessToken, const QString& refreshToken);
    void failRefresh(quint64 generation, bool rejected);
    void answerWaiting(RefreshResult result);

    std::unique_ptr<TokenStore> m_store;
    QString m_accessToken;
    QString m_refreshToken;
    // Counts every replacement of the pair, so a refresh that started on an
    // older pair can tell that its answer no longer belongs.
    quint64 m_generation = 0;
    RefreshCallback m_refreshCallback;
    std::function<qint64()> m_secondsNow;
    QMutex m_mutex;
    bool m_refreshInProgress = false;
    QList<RefreshDone> m_waiting;
};

} // namespace KestAccount
