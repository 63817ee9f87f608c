#include "account/clientconfig.h"

#include <QCoreApplication>
#include <QSysInfo>

namespace KestAccount {

namespace {

const QString apiHost = QStringLiteral("https://api.kestrelwood.app");

QString fromEnvironment(const char* variable, const QString& fallback)
{
    const QString value = qEnvironmentVariable(variable);
    return value.isEmpty() ? fallback : value;
}

} // namespace

ClientConfig ClientConfig::fromEnvironment(const QString& appId)
{
    ClientConfig config;
    config.authBaseUrl = KestAccount::fromEnvironment("AUTH_BASE_URL", QStringLiteral("https://id.kestrelwood.app"));
    config.realmSlug = KestAccount::fromEnvironment("AUTH_REALM_SLUG", QStringLiteral("kestrelwood"));
    config.accountApiUrl = KestAccount::fromEnvironment("ACCOUNT_API_URL", apiHost + QStringLiteral("/account/v1"));
    config.clientId =
        KestAccount::fromEnvironment("AUTH_CLIENT_ID", QStringLiteral("4b65737472656c776f6f64436865636b"));
    config.appId = appId;
    config.appName = QStringLiteral("Kestrelwood Checkbook");
    config.appVersion = QCoreApplication::applicationVersion();
    config.accountPortalUrl =
        KestAccount::fromEnvironment("ACCOUNT_PORTAL_URL", QStringLiteral("https://account.kestrelwood.app"));
    return config;
}

QString ClientConfig::syncApiUrlFromEnvironment()
{
    return KestAccount::fromEnvironment("SYNC_API_URL", apiHost + QStringLiteral("/checkbook/v1"));
}

QString ClientConfig::detectedPlatform()
{
    const QString kernel = QSysInfo::kernelType().toLower();
    if (kernel == QLatin1String("darwin"))
        return QStringLiteral("macos");
    if (kernel == QLatin1String("winnt"))
        return QStringLiteral("windows");
    return kernel;
}

} // namespace KestAccount
