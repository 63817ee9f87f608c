#include "account/authclient.h"

#include "account/apiclient.h"
#include "account/tokenmanager.h"
#include "account/tokenpayload.h"
#include "account/webauthhandler.h"

#include <QDesktopServices>
#include <QJsonArray>
#include <QUrlQuery>

namespace KestAccount {

namespace {

const QString refreshPath = QStringLiteral("/auth/token/refresh");
const QString logoutPath = QStringLiteral("/auth/logout");

bool isRejection(int status)
{
    return status >= 400 && status <= 499;
}

} // namespace

AuthClient::AuthClient(const QString& authBaseUrl, const QString& realmSlug, const QString& clientId,
    ApiClient* authApi, TokenManager* tokenManager, QObject* parent)
    : QObject(parent)
    , m_authBaseUrl(authBaseUrl)
    , m_realmSlug(realmSlug)
    , m_clientId(clientId)
    , m_authApi(authApi)
    , m_tokenManager(tokenManager)
    , m_urlOpener([](const QUrl& url) { return QDesktopServices::openUrl(url); })
    , m_loginLifetimeMs(WebAuthHandler::defaultLifetimeMs)
{
    installRefreshCallback();
    // Whoever's request found the session refused, it is over for all.
    connect(m_tokenManager, &TokenManager::refreshRejected, this, &AuthClient::endSession);
}

void AuthClient::installRefreshCallback()
{
    m_tokenManager->setRefreshCallback([this](const QString& token, auto onSuccess, auto onFailure) {
        m_authApi->postPublic(refreshPath, {{QStringLiteral("refresh_token"), token}},
            [onSuccess, onFailure](bool ok, int status, const QJsonObject& body) {
                if (ok) {
                    onSuccess(body.value(QStringLiteral("access_token")).toString(),
                        body.value(QStringLiteral("refresh_token")).toString());
                } else {
                    onFailure(isRejection(status));
                }
            });
    });
}

void AuthClient::initialize()
{
    m_tokenManager->load([this] { decideStartState(); });
}

void AuthClient::decideStartState()
{
    if (m_state != AuthState::Initializing)
        return;
    if (!m_tokenManager->accessToken().isEmpty()) {
        setState(AuthState::SignedIn);
        return;
    }
    if (m_tokenManager->refreshToken().isEmpty()) {
        setState(AuthState::SignedOut);
        return;
    }
    m_refreshedAtStart = true;
    m_tokenManager->refresh([this](RefreshResult result) {
        // Offline or a failing service: the stored session stays, and the
        // next request tries the refresh again.
        if (result == RefreshResult::Refreshed || result == RefreshResult::Failed)
            setState(AuthState::SignedIn);
        else if (result == RefreshResult::Rejected)
            setState(AuthState::SignedOut);
    });
}

void AuthClient::login()
{
    auto* handler = new WebAuthHandler(this);
    handler->setLifetime(m_loginLifetimeMs);
    const QString redirectUri = handler->start();
    if (redirectUri.isEmpty()) {
        Q_EMIT loginFailed(tr("Failed to start local auth server"));
        handler->deleteLater();
        return;
    }
    connect(handler, &WebAuthHandler::callbackReceived, this, [this, handler](const QUrl& url) {
        handleCallback(url);
        handler->deleteLater();
    });
    connect(handler, &WebAuthHandler::timedOut, this, [this, handler] {
        Q_EMIT loginFailed(tr("The sign-in was not completed in time"));
        handler->deleteLater();
    });
    if (!m_urlOpener(loginUrl(redirectUri, handler->state()))) {
        Q_EMIT loginFailed(tr("No web browser could be opened"));
        handler->deleteLater();
    }
}

QUrl AuthClient::loginUrl(const QString& redirectUri, const QString& state) const
{
    return QUrl(QStringLiteral("%1/%2/account/login?client_id=%3&redirect_uri=%4&state=%5")
                    .arg(m_authBaseUrl, m_realmSlug, QString::fromLatin1(QUrl::toPercentEncoding(m_clientId)),
                        QString::fromLatin1(QUrl::toPercentEncoding(redirectUri)), state),
        QUrl::StrictMode);
}

void AuthClient::handleCallback(const QUrl& url)
{
    QUrlQuery items(url.fragment(QUrl::FullyEncoded));
    QString access = items.queryItemValue(QStringLiteral("access_token"), QUrl::FullyDecoded);
    QString refresh = items.queryItemValue(QStringLiteral("refresh_token"), QUrl::FullyDecoded);
    if (access.isEmpty()) {
        items = QUrlQuery(url);
        access = items.queryItemValue(QStringLiteral("access_token"), QUrl::FullyDecoded);
        refresh = items.queryItemValue(QStringLiteral("refresh_token"), QUrl::FullyDecoded);
    }
    if (access.isEmpty() || refresh.isEmpty()) {
        Q_EMIT loginFailed(tr("No tokens received"));
        return;
    }
    m_tokenManager->setTokens(access, refresh);
    m_user = {};
    setState(AuthState::SignedIn);
    Q_EMIT loginSucceeded();
}

void AuthClient::logout()
{
    // Sign-out does not wait for the answer.
    if (m_tokenManager->needsRefresh() && !m_tokenManager->refreshToken().isEmpty())
        endServerSessionAfterRefresh(m_tokenManager->refreshToken());
    else
        m_authApi->post(logoutPath, {}, [](bool, int, const QJsonObject&) {});
    endSession();
}

void AuthClient::endServerSessionAfterRefresh(const QString& refreshToken)
{
    // The access token has run out, and the token manager is cleared before
    // its refresh could come back: a fresh token, asked for here and kept
    // nowhere, carries the logout, so that the session ends on the server
    // too instead of living on until it expires.
    ApiClient* api = m_authApi;
    api->postPublic(refreshPath, {{QStringLiteral("refresh_token"), refreshToken}},
        [api](bool ok, int, const QJsonObject& body) {
            const QString accessToken = body.value(QStringLiteral("access_token")).toString();
            if (ok && !accessToken.isEmpty())
                api->postWithToken(logoutPath, {}, accessToken, [](bool, int, const QJsonObject&) {});
        });
}

void AuthClient::endSession()
{
    m_tokenManager->clear();
    m_user = {};
    setState(AuthState::SignedOut);
    Q_EMIT logoutCompleted();
}

void AuthClient::refreshToken(const std::function<void(bool ok)>& callback)
{
    m_tokenManager->refresh([callback](RefreshResult result) {
        // A refusal has already ended the session (endSession, through
        // refreshRejected); other failures keep it.
        if (callback)
            callback(result == RefreshResult::Refreshed);
    });
}

void AuthClient::fetchCurrentUser(const std::function<void(const User&)>& callback)
{
    m_authApi->get(QStringLiteral("/users/me"), [this, callback](bool ok, int, const QJsonObject& body) {
        if (ok)
            m_user = User::fromJson(body);
        if (callback)
            callback(m_user);
    });
}

void AuthClient::updateProfile(const QString& displayName, const std::function<void(bool ok, const User&)>& callback)
{
    m_authApi->patch(QStringLiteral("/users/me"), {{QStringLiteral("display_name"), displayName}},
        [this, callback](bool ok, int, const QJsonObject& body) {
            if (ok)
                m_user = User::fromJson(body);
            if (callback)
                callback(ok, m_user);
        });
}

void AuthClient::changePassword(
    const QString& currentPassword, const QString& newPassword, const std::function<void(bool ok)>& callback)
{
    m_authApi->post(QStringLiteral("/users/me/password"),
        {{QStringLiteral("current_password"), currentPassword}, {QStringLiteral("new_password"), newPassword}},
        [callback](bool ok, int, const QJsonObject&) {
            if (callback)
                callback(ok);
        });
}

void AuthClient::listSessions(const std::function<void(bool ok, const QList<Session>&)>& callback)
{
    m_authApi->get(QStringLiteral("/users/me/sessions"), [callback](bool ok, int, const QJsonObject& body) {
        QList<Session> sessions;
        if (ok) {
            for (const QJsonValue& session : body.value(QStringLiteral("sessions")).toArray())
                sessions.append(Session::fromJson(session.toObject()));
        }
        if (callback)
            callback(ok, sessions);
    });
}

void AuthClient::revokeSession(const QString& sessionId, const std::function<void(bool ok)>& callback)
{
    m_authApi->del(QStringLiteral("/users/me/sessions/") + ApiClient::pathSegment(sessionId),
        [callback](bool ok, int, const QJsonObject&) {
            if (callback)
                callback(ok);
        });
}

QString AuthClient::userId() const
{
    const QString token = m_tokenManager->accessToken();
    return token.isEmpty() ? QString() : TokenPayload::subject(token);
}

void AuthClient::setUrlOpener(UrlOpener opener)
{
    m_urlOpener = std::move(opener);
}

void AuthClient::setLoginLifetime(int milliseconds)
{
    m_loginLifetimeMs = milliseconds;
}

void AuthClient::setState(AuthState state)
{
    if (state == m_state)
        return;
    m_state = state;
    Q_EMIT stateChanged(state);
}

} // namespace KestAccount
