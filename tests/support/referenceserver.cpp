#include "support/referenceserver.h"

#include "account/tokenpayload.h"
#include "support/testbrowser.h"

#include <QDeadlineTimer>
#include <QFile>
#include <QJsonDocument>
#include <QMessageAuthenticationCode>
#include <QRegularExpression>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QUuid>

const QString ReferenceServer::clientId = QStringLiteral("00112233445566778899aabbccddeeff");

ReferenceServer::ReferenceServer(const QString& program)
    : m_program(program)
{
}

ReferenceServer::~ReferenceServer()
{
    stop();
}

bool ReferenceServer::start(const QStringList& extraArguments)
{
    stop();
    m_process = std::make_unique<QProcess>();
    m_process->setProcessChannelMode(QProcess::MergedChannels);
    const QStringList arguments{QStringLiteral("--listen"), QStringLiteral("127.0.0.1"), QStringLiteral("--port"),
        QStringLiteral("0"), QStringLiteral("--data-dir"), m_dataDir.path(), QStringLiteral("--client-id"), clientId};
    m_process->start(m_program, arguments + extraArguments);
    static const QRegularExpression listening(QStringLiteral("Listening on (http\\S+)"));
    QByteArray output;
    const QDeadlineTimer deadline(30000);
    while (!deadline.hasExpired() && m_process->state() != QProcess::NotRunning) {
        m_process->waitForReadyRead(100);
        output += m_process->readAll();
        const QRegularExpressionMatch match = listening.match(QString::fromUtf8(output));
        if (match.hasMatch()) {
            m_baseUrl = QUrl(match.captured(1));
            return true;
        }
    }
    qWarning("kestrelwood-server did not start: %s", output.constData());
    return false;
}

bool ReferenceServer::startWithUser(const QString& email)
{
    return start() && signUp(email);
}

bool ReferenceServer::signUp(const QString& email) const
{
    return TestBrowser().signUp(m_baseUrl, clientId, email).status == 302;
}

QString ReferenceServer::newUser()
{
    const QString email = QStringLiteral("user%1@example.com").arg(++m_users);
    if (!signUp(email))
        qFatal("the user could not sign up");
    return email;
}

void ReferenceServer::stop()
{
    if (!m_process)
        return;
    if (m_process->state() != QProcess::NotRunning) {
        m_process->terminate();
        if (!m_process->waitForFinished(10000))
            m_process->kill();
        m_process->waitForFinished(5000);
    }
    m_process.reset();
}

KestAccount::ClientConfig ReferenceServer::clientConfig() const
{
    const QString root = m_baseUrl.toString(QUrl::StripTrailingSlash);
    return {root, QStringLiteral("kestrelwood"), root + QStringLiteral("/account/v1"), clientId,
        QStringLiteral("app.kestrelwood.Checkbook"), QStringLiteral("Kestrelwood Checkbook"), QStringLiteral("1.0.7"),
        QString(), root};
}

int ReferenceServer::issuedRefreshTokens() const
{
    const QString connectionName = QUuid::createUuid().toString();
    int count = -1;
    {
        QSqlDatabase database = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connectionName);
        database.setDatabaseName(m_dataDir.path() + QStringLiteral("/kestrelwood-server.db"));
        database.setConnectOptions(QStringLiteral("QSQLITE_OPEN_READONLY"));
        if (database.open()) {
            QSqlQuery query(database);
            if (query.exec(QStringLiteral("SELECT COUNT(*) FROM refresh_tokens")) && query.next())
                count = query.value(0).toInt();
        }
    }
    QSqlDatabase::removeDatabase(connectionName);
    return count;
}

bool ReferenceServer::clearSyncedRows() const
{
    const QString connectionName = QUuid::createUuid().toString();
    bool cleared = false;
    {
        QSqlDatabase database = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connectionName);
        database.setDatabaseName(m_dataDir.path() + QStringLiteral("/kestrelwood-server.db"));
        database.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=5000"));
        if (database.open()) {
            QSqlQuery query(database);
            cleared = query.exec(QStringLiteral("DELETE FROM sync_deliveries"))
                && query.exec(QStringLiteral("DELETE FROM account_shares"))
                && query.exec(QStringLiteral("DELETE FROM sync_rows"));
        }
    }
    QSqlDatabase::removeDatabase(connectionName);
    return cleared;
}

QString ReferenceServer::reissued(const QString& accessToken, qint64 expiry) const
{
    QFile secretFile(m_dataDir.path() + QStringLiteral("/token-secret"));
    if (!secretFile.open(QIODevice::ReadOnly))
        return {};
    QJsonObject claims = KestAccount::TokenPayload::decode(accessToken);
    claims.insert(QStringLiteral("exp"), expiry);
    const auto part = [](const QByteArray& bytes) {
        return bytes.toBase64(QByteArray::Base64UrlEncoding | QByteArray::OmitTrailingEquals);
    };
    const QByteArray signedPart = part(QByteArrayLiteral("{\"alg\":\"HS256\",\"typ\":\"JWT\"}")) + '.'
        + part(QJsonDocument(claims).toJson(QJsonDocument::Compact));
    const QByteArray signature =
        QMessageAuthenticationCode::hash(signedPart, secretFile.readAll().trimmed(), QCryptographicHash::Sha256);
    return QString::fromLatin1(signedPart + '.' + part(signature));
}
