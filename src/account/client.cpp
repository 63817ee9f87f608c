#include "account/client.h"

#include "account/accountclient.h"
#include "account/apiclient.h"
#include "account/authclient.h"
#include "account/credentialmanagertokenstore.h"
#include "account/keychaintokenstore.h"
#include "account/memorytokenstore.h"
#include "account/tokenmanager.h"

#include <QStandardPaths>

namespace KestAccount {

#ifndef Q_OS_WIN
namespace {

bool hasSessionBus()
{
    return !qEnvironmentVariableIsEmpty("DBUS_SESSION_BUS_ADDRESS");
}

} // namespace
#endif

Client::Client(const ClientConfig& config, QObject* parent)
    : Client(config, platformTokenStore(config.appId), parent)
{
#ifndef Q_OS_WIN
    if (auto* keychain = dynamic_cast<KeychainTokenStore*>(m_tokenManager->store()))
        connect(keychain, &KeychainTokenStore::writeFailed, this, &Client::tokensNotRemembered);
    else if (!QStandardPaths::isTestModeEnabled() && !hasSessionBus())
        connect(m_authClient, &AuthClient::loginSucceeded, this, &Client::tokensNotRemembered, Qt::SingleShotConnection);
#endif
}

Client::Client(const ClientConfig& config, std::unique_ptr<TokenStore> tokenStore, QObject* parent)
    : QObject(parent)
    , m_config(config)
    , m_tokenManager(new TokenManager(std::move(tokenStore), this))
    , m_authApi(createApi(QStringLiteral("%1/api/v1/realms/%2").arg(config.authBaseUrl, config.realmSlug)))
    , m_accountApi(createApi(config.accountApiUrl))
    , m_syncApi(createApi(QString()))
    , m_authClient(new AuthClient(config.authBaseUrl, config.realmSlug, config.clientId, m_authApi, m_tokenManager, this))
    , m_accountClient(new AccountClient(m_accountApi, m_authClient, config, this))
{
    connect(m_authClient, &AuthClient::stateChanged, this, &Client::onAuthStateChanged);
}

std::unique_ptr<TokenStore> Client::platformTokenStore(const QString& appId)
{
    if (QStandardPaths::isTestModeEnabled()) {
        // Shared by every client of the process, as a keyring would be.
        static QHash<QString, QString> testModeValues;
        return std::make_unique<MemoryTokenStore>(&testModeValues);
    }
#if defined(Q_OS_WIN)
    return std::make_unique<CredentialManagerTokenStore>(appId);
#else
#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS)
    // Without a session bus no secret service can answer; asking would only
    // try to launch a bus, and leave files behind in the user's home.
    if (!hasSessionBus())
        return std::make_unique<MemoryTokenStore>();
#endif
    return std::make_unique<KeychainTokenStore>(appId);
#endif
}

ApiClient* Client::createApi(const QString& baseUrl)
{
    auto* api = new ApiClient(m_tokenManager, this);
    if (!baseUrl.isEmpty())
        api->setBaseUrl(QUrl(baseUrl));
    const QString platform = m_config.platform.isEmpty() ? ClientConfig::detectedPlatform() : m_config.platform;
    api->setAppInfo(m_config.appId, m_config.appVersion, platform);
    return api;
}

void Client::initialize()
{
    m_authClient->initialize();
}

bool Client::isAuthenticated() const
{
    return m_authClient->isAuthenticated();
}

KstClaims Client::claims() const
{
    return KstClaims::fromAccessToken(m_tokenManager->accessToken());
}

void Client::onAuthStateChanged(AuthState state)
{
    Q_EMIT authStateChanged(state);
    if (state == AuthState::SignedIn)
        Q_EMIT claimsUpdated(claims());
}

} // namespace KestAccount
