#pragma once

#include "account/clientconfig.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QUrl>

#include <memory>

// The real kestrelwood-server, started on a free loopback port with a
// temporary data folder, for the tests of the cloud account client.
class ReferenceServer
{
public:
    static const QString clientId;

    explicit ReferenceServer(const QString& program);
    ~ReferenceServer();

    // `extraArguments` go after the loopback port, data folder and client id.
    bool start(const QStringList& extraArguments = {});
    // Starts the server and signs up `email` through its sign-up page.
    bool startWithUser(const QString& email);
    // Signs up `email` through the sign-up page, as a browser would.
    bool signUp(const QString& email) const;
    // Signs up a user of their own ("user<n>@example.com"), so that no test
    // sees another's rows; gives the e-mail address.
    QString newUser();
    void stop();
    QUrl baseUrl() const { return m_baseUrl; }
    // The program's settings for this server, as the environment would give them.
    KestAccount::ClientConfig clientConfig() const;
    // Empties the data service, shares included, leaving users, groups and
    // sessions as they are: a fresh start for the sync tests' next run.
    bool clearSyncedRows() const;
    // How many refresh tokens the server has issued, rotated ones included.
    int issuedRefreshTokens() const;
    // The access token with its claims unchanged but for "exp", signed with
    // the server's own secret, so the server takes it as genuine.
    QString reissued(const QString& accessToken, qint64 expiry) const;

private:
    QString m_program;
    QTemporaryDir m_dataDir;
    std::unique_ptr<QProcess> m_process;
    QUrl m_baseUrl;
    int m_users = 0;
};
