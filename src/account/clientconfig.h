#pragma once

#include <QString>

namespace KestAccount {

// Where the three services are and how the program names itself to them.
struct ClientConfig
{
    QString authBaseUrl;
    QString realmSlug;
    QString accountApiUrl;
    QString clientId;
    QString appId;
    QString appName;
    QString appVersion;
    // Sent in the headers; empty means the running system's name.
    QString platform;
    QString accountPortalUrl;

    // The built-in values, each replaced by its environment variable
    // (AUTH_BASE_URL, AUTH_REALM_SLUG, ACCOUNT_API_URL, AUTH_CLIENT_ID,
    // ACCOUNT_PORTAL_URL) when that is set and not empty, for the program
    // named `appId`.
    static ClientConfig fromEnvironment(const QString& appId);
    // The data service's base URL: SYNC_API_URL, or the built-in one.
    static QString syncApiUrlFromEnvironment();
    // "linux", "macos", "windows", or the kernel's own name elsewhere.
    static QString detectedPlatform();
};

} // namespace KestAccount
