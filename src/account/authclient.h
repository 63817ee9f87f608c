#pragma once

#include "account/authstate.h"
#include "account/refreshresult.h"
#include "account/session.h"
#include "account/user.h"

#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QUrl>

#include <functional>

namespace KestAccount {

class ApiClient;
class TokenManager;
class WebAuthHandler;

// The sign-in state and the operations on the signed-in user. Signing in
// happens in the system browser: the identity service's login page sends
// the browser back to a loopback listener with the token pair.
class AuthClient : public QObject
{
    Q_OBJECT
    Q_PROPERTY(bool isAuthenticated READ isAuthenticated NOTIFY stateChanged)

public:
    // Opens a URL for the user; true when a browser took it.
    using UrlOpener = std::function<bool(const QUrl&)>;

    AuthClient(const QString& authBaseUrl, const QString& realmSlug, const QString& clientId, ApiClient* authApi,
        TokenManager* tokenManager, QObject* parent = nullptr);

    // Decides the start state from the stored tokens; refreshes first when
    // only the refresh token is still good. The state stays Initializing
    // until the store and, where needed, the refresh have answered.
    void initialize();
    // Whether initialize() had to refresh the tokens to decide.
    bool refreshedAtStart() const { return m_refreshedAtStart; }
    void login();
    void logout();
    // Refreshes the token pair now; only a refusal by the identity service
    // signs the user out.
    void refreshToken(const std::function<void(bool ok)>& callback);
    void fetchCurrentUser(const std::function<void(const User&)>& callback);
    // ok is false when the name was not saved; the user is then the one known before.
    void updateProfile(const QString& displayName, const std::function<void(bool ok, const User&)>& callback);
    void changePassword(
        const QString& currentPassword, const QString& newPassword, const std::function<void(bool ok)>& callback);
    // Not ok when the sessions could not be read.
    void listSessions(const std::function<void(bool ok, const QList<Session>&)>& callback);
    void revokeSession(const QString& sessionId, const std::function<void(bool ok)>& callback);

    // The "sub" claim of the current valid access token, or empty text.
    QString userId() const;
    AuthState state() const { return m_state; }
    bool isAuthenticated() const { return m_state == AuthState::SignedIn; }
    User cachedUser() const { return m_user; }

    // Where login() sends the login page; the desktop's browser unless
    // replaced (tests hand the address to their own HTTP client).
    void setUrlOpener(UrlOpener opener);
    // How long a browser sign-in waits for its callback.
    void setLoginLifetime(int milliseconds);

Q_SIGNALS:
    void stateChanged(KestAccount::AuthState state);
    void loginSucceeded();
    void loginFailed(const QString& error);
    void logoutCompleted();

private:
    void installRefreshCallback();
    void decideStartState();
    void handleCallback(const QUrl& url);
    QUrl loginUrl(const QString& redirectUri, const QString& state) const;
    void setState(AuthState state);
    // Forgets the session here without asking the service.
    void endSession();
    void endServerSessionAfterRefresh(const QString& refreshToken);

    QString m_authBaseUrl;
    QString m_realmSlug;
    QString m_clientId;
    ApiClient* m_authApi;
    TokenManager* m_tokenManager;
    AuthState m_state = AuthState::Initializing;
    User m_user;
    UrlOpener m_urlOpener;
    int m_loginLifetimeMs;
    bool m_refreshedAtStart = false;
};

} // namespace KestAccount
