#include "support/serverprocess.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QFile>
#include <QRegularExpression>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QUuid>

const QString ServerProcess::clientId = QStringLiteral("0123456789abcdef0123456789abcdef");

ServerProcess::ServerProcess() = default;

ServerProcess::~ServerProcess()
{
    stop();
}

bool ServerProcess::wantsPostgres()
{
    return qEnvironmentVariable("KESTRELWOOD_TEST_BACKEND") == QLatin1String("postgresql");
}

QString ServerProcess::postgresUrl()
{
    return qEnvironmentVariable("KESTRELWOOD_TEST_POSTGRES_URL");
}

QString ServerProcess::freshPostgresDatabase()
{
    QUrl url(postgresUrl());
    const QString name = QStringLiteral("kw_%1").arg(QCoreApplication::applicationName()).toLower();
    const QString connectionName = QUuid::createUuid().toString();
    bool created = false;
    {
        QSqlDatabase maintenance = QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), connectionName);
        maintenance.setHostName(url.host());
        maintenance.setPort(url.port(5432));
        maintenance.setUserName(url.userName());
        maintenance.setPassword(url.password());
        maintenance.setDatabaseName(url.path().mid(1));
        if (maintenance.open()) {
            QSqlQuery query(maintenance);
            // The name is built from the test program's own name, not from input.
            created = query.exec(QStringLiteral("DROP DATABASE IF EXISTS %1 WITH (FORCE)").arg(name))
                      && query.exec(QStringLiteral("CREATE DATABASE %1").arg(name));
            if (!created)
                qWarning("Preparing the test database failed: %s", qPrintable(query.lastError().text()));
        } else {
            qWarning("Cannot reach PostgreSQL: %s", qPrintable(maintenance.lastError().text()));
        }
    }
    QSqlDatabase::removeDatabase(connectionName);
    if (!created)
        return {};
    url.setPath(QLatin1Char('/') + name);
    return url.toString();
}

bool ServerProcess::start(const QStringList &extraArguments, const QString &sharedDatabaseUrl)
{
    stop();
    QStringList arguments{QStringLiteral("--listen"), QStringLiteral("127.0.0.1"), QStringLiteral("--port"),
                          QStringLiteral("0"), QStringLiteral("--data-dir"), m_dataDir.path(),
                          QStringLiteral("--client-id"), clientId};
    if (wantsPostgres()) {
        if (!sharedDatabaseUrl.isEmpty())
            m_databaseUrl = sharedDatabaseUrl;
        else if (m_databaseUrl.isEmpty())
            m_databaseUrl = freshPostgresDatabase();
        if (m_databaseUrl.isEmpty())
            return false;
        arguments << QStringLiteral("--database-url") << m_databaseUrl;
    }
    arguments << extraArguments;
    m_process = std::make_unique<QProcess>();
    m_process->setProcessChannelMode(QProcess::MergedChannels);
    m_output.clear();
    m_process->start(QStringLiteral(KESTRELWOOD_SERVER_PROGRAM), arguments);
    static const QRegularExpression listening(QStringLiteral("Listening on (http\\S+)"));
    const QDeadlineTimer deadline(30000);
    while (!deadline.hasExpired() && m_process->state() != QProcess::NotRunning) {
        m_process->waitForReadyRead(100);
        m_output += m_process->readAll();
        const QRegularExpressionMatch match = listening.match(QString::fromUtf8(m_output));
        if (match.hasMatch()) {
            m_baseUrl = QUrl(match.captured(1));
            return true;
        }
    }
    m_output += m_process->readAll();
    qWarning("kestrelwood-server did not start: %s", m_output.constData());
    return false;
}

void ServerProcess::stop()
{
    if (!m_process)
        return;
    if (m_process->state() != QProcess::NotRunning) {
        m_process->terminate();
        if (!m_process->waitForFinished(10000))
            m_process->kill();
        m_process->waitForFinished(5000);
    }
    m_output += m_process->readAll();
    m_process.reset();
}

QUrl ServerProcess::baseUrl() const
{
    return m_baseUrl;
}

QString ServerProcess::dataDir() const
{
    return m_dataDir.path();
}

QByteArray ServerProcess::tokenSecret() const
{
    QFile file(m_dataDir.path() + QStringLiteral("/token-secret"));
    return file.open(QIODevice::ReadOnly) ? file.readAll().trimmed() : QByteArray();
}

QString ServerProcess::output() const
{
    return QString::fromUtf8(m_output);
}

QString ServerProcess::databaseUrl() const
{
    return m_databaseUrl;
}

bool ServerProcess::execute(const QString &sql) const
{
    const QString connectionName = QUuid::createUuid().toString();
    bool done = false;
    {
        QSqlDatabase database;
        if (m_databaseUrl.isEmpty()) {
            database = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connectionName);
            database.setDatabaseName(m_dataDir.path() + QStringLiteral("/kestrelwood-server.db"));
        } else {
            const QUrl url(m_databaseUrl);
            database = QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), connectionName);
            database.setHostName(url.host());
            database.setPort(url.port(5432));
            database.setUserName(url.userName());
            database.setPassword(url.password());
            database.setDatabaseName(url.path().mid(1));
        }
        if (database.open()) {
            QSqlQuery query(database);
            done = query.exec(sql);
            if (!done)
                qWarning("%s: %s", qPrintable(sql), qPrintable(query.lastError().text()));
        }
    }
    QSqlDatabase::removeDatabase(connectionName);
    return done;
}
