#pragma once

#include "account/authstate.h"
#include "account/clientconfig.h"
#include "account/kstclaims.h"

#include <QObject>

#include <memory>

namespace KestAccount {

class AccountClient;
class ApiClient;
class AuthClient;
class TokenManager;
class TokenStore;

// The root of the cloud account client: the token pair, the requests to the
// identity, account and data services, and the sign-in, whose state it
// passes on to the rest of the program.
class Client : public QObject
{
    Q_OBJECT

public:
    // Keeps the tokens in the platform's credential store.
    explicit Client(const ClientConfig& config, QObject* parent = nullptr);
    Client(const ClientConfig& config, std::unique_ptr<TokenStore> tokenStore, QObject* parent = nullptr);

    // The Windows Credential Manager on Windows, the secret service
    // elsewhere; in memory where no session bus could reach one (the sign-in
    // then says it is not remembered), and in test mode (QStandardPaths), so
    // that tests never touch the user's own keyring.
    static std::unique_ptr<TokenStore> platformTokenStore(const QString& appId);

    // Restores the stored session.
    void initialize();
    bool isAuthenticated() const;
    // The claims of the current valid access token; empty without one.
    KstClaims claims() const;

    const ClientConfig& config() const { return m_config; }
    TokenManager* tokenManager() const { return m_tokenManager; }
    ApiClient* authApi() const { return m_authApi; }
    ApiClient* accountApi() const { return m_accountApi; }
    ApiClient* syncApi() const { return m_syncApi; }
    AuthClient* authClient() const { return m_authClient; }
    AccountClient* accountClient() const { return m_accountClient; }

Q_SIGNALS:
    void authStateChanged(KestAccount::AuthState state);
    void claimsUpdated(const KestAccount::KstClaims& claims);
    // The tokens could not be stored: the sign-in lasts for this run only.
    void tokensNotRemembered();

private:
    ApiClient* createApi(const QString& baseUrl);
    void onAuthStateChanged(AuthState state);

    ClientConfig m_config;
    TokenManager* m_tokenManager;
    ApiClient* m_authApi;
    ApiClient* m_accountApi;
    ApiClient* m_syncApi;
    AuthClient* m_authClient;
    AccountClient* m_accountClient;
};

} // namespace KestAccount
