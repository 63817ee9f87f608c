#include "account/tokenmanager.h"

#include "account/tokenpayload.h"
#include "account/tokenstore.h"

#include <QDateTime>
#include <QDebug>
#include <QMutexLocker>

namespace KestAccount {

TokenManager::TokenManager(std::unique_ptr<TokenStore> store, QObject* parent)
    : QObject(parent)
    , m_store(std::move(store))
    , m_secondsNow([] { return QDateTime::currentSecsSinceEpoch(); })
{
}

TokenManager::~TokenManager() = default;

void TokenManager::load(const std::function<void()>& loaded)
{
    const quint64 generation = m_generation;
    m_store->loadPair([this, generation, loaded](const std::optional<QString>& access, const std::optional<QString>& refresh) {
        // A sign-in that finished first keeps its own tokens.
        if (generation == m_generation) {
            m_accessToken = access.value_or(QString());
            m_refreshToken = refresh.value_or(QString());
            ++m_generation;
        }
        loaded();
    });
}

void TokenManager::setTokens(const QString& accessToken, const QString& refreshToken)
{
    m_accessToken = accessToken;
    m_refreshToken = refreshToken;
    ++m_generation;
    m_store->store(TokenStore::accessTokenKey, accessToken);
    m_store->store(TokenStore::refreshTokenKey, refreshToken);
}

void TokenManager::clear()
{
    m_accessToken.clear();
    m_refreshToken.clear();
    ++m_generation;
    m_store->clear();
}

QString TokenManager::accessToken() const
{
    if (m_accessToken.isEmpty())
        return {};
    const qint64 expiry = TokenPayload::expiry(m_accessToken);
    if (expiry == 0 || m_secondsNow() >= expiry - expiryMarginSeconds)
        return {};
    return m_accessToken;
}

bool TokenManager::needsRefresh() const
{
    return accessToken().isEmpty() && !m_refreshToken.isEmpty();
}

void TokenManager::refresh(RefreshDone done)
{
    QMutexLocker locker(&m_mutex);
    if (done)
        m_waiting.append(std::move(done));
    if (m_refreshInProgress)
        return;
    if (m_refreshToken.isEmpty() || !m_refreshCallback) {
        locker.unlock();
        answerWaiting(RefreshResult::Failed);
        return;
    }
    m_refreshInProgress = true;
    const QString refreshToken = m_refreshToken;
    const quint64 generation = m_generation;
    locker.unlock();
    m_refreshCallback(
        refreshToken,
        [this, generation](const QString& access, const QString& refresh) { finishRefresh(generation, access, refresh); },
        [this, generation](bool rejected) { failRefresh(generation, rejected); });
}

void TokenManager::setRefreshCallback(RefreshCallback callback)
{
    m_refreshCallback = std::move(callback);
}

void TokenManager::setClock(std::function<qint64()> secondsNow)
{
    m_secondsNow = std::move(secondsNow);
}

void TokenManager::finishRefresh(quint64 generation, const QString& accessToken, const QString& refreshToken)
{
    if (generation != m_generation) {
        // Signed out, or signed in anew, while the answer travelled: the
        // store now holds what the user chose, and stays so.
        answerWaiting(RefreshResult::Superseded);
        return;
    }
    if (accessToken.isEmpty()) {
        qWarning("TokenManager::refresh: the answer carried no access token");
        answerWaiting(RefreshResult::Failed);
        return;
    }
    // A service that does not rotate refresh tokens leaves the old one valid.
    setTokens(accessToken, refreshToken.isEmpty() ? m_refreshToken : refreshToken);
    answerWaiting(RefreshResult::Refreshed);
}

void TokenManager::failRefresh(quint64 generation, bool rejected)
{
    if (generation != m_generation) {
        answerWaiting(RefreshResult::Superseded);
        return;
    }
    if (rejected)
        Q_EMIT refreshRejected();
    answerWaiting(rejected ? RefreshResult::Rejected : RefreshResult::Failed);
}

void TokenManager::answerWaiting(RefreshResult result)
{
    QMutexLocker locker(&m_mutex);
    m_refreshInProgress = false;
    const QList<RefreshDone> waiting = std::exchange(m_waiting, {});
    locker.unlock();
    for (const RefreshDone& done : waiting)
        done(result);
}

} // namespace KestAccount
