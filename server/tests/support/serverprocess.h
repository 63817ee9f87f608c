#pragma once

#include <QByteArray>
#include <QProcess>
#include <QStringList>
#include <QTemporaryDir>
#include <QUrl>

#include <memory>

// The real kestrelwood-server started on a free loopback port with a
// temporary data folder. With KESTRELWOOD_TEST_BACKEND=postgresql it uses
// its own fresh database on the server named by KESTRELWOOD_TEST_POSTGRES_URL.
class ServerProcess
{
public:
    static const QString clientId;

    ServerProcess();
    ~ServerProcess();

    static bool wantsPostgres();
    // Empty when the PostgreSQL run was asked for but no server is given.
    static QString postgresUrl();
    // Drops and recreates this test program's database; the URL to use, or
    // empty text when that failed.
    static QString freshPostgresDatabase();

    // The first start makes a new empty database; later starts reuse it, as
    // they reuse the data folder. `sharedDatabaseUrl` joins another instance's.
    bool start(const QStringList &extraArguments = {}, const QString &sharedDatabaseUrl = {});
    void stop();
    QUrl baseUrl() const;
    QString dataDir() const;
    QByteArray tokenSecret() const;
    QString output() const;
    // Runs one statement on the server's database behind its back, for
    // states no request can make (a deletion that fell due long ago).
    bool execute(const QString &sql) const;
    // The PostgreSQL database in use; empty on SQLite.
    QString databaseUrl() const;

private:
    QTemporaryDir m_dataDir;
    std::unique_ptr<QProcess> m_process;
    QUrl m_baseUrl;
    QString m_databaseUrl;
    QByteArray m_output;
};
