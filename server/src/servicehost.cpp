#include "servicehost.h"

#include "account/accountapi.h"
#include "account/accountpurge.h"
#include "data/accountsharing.h"
#include "data/dataapi.h"
#include "feed/feedbackpage.h"
#include "feed/feedfiles.h"
#include "http/httpserver.h"
#include "http/router.h"
#include "identity/accesstokens.h"
#include "identity/identityapi.h"
#include "identity/loginpages.h"
#include "identity/loginthrottle.h"
#include "identity/sessiontokens.h"
#include "signingsecret.h"
#include "storage/accounteraser.h"
#include "storage/database.h"
#include "storage/databaselocation.h"
#include "storage/devicerepository.h"
#include "storage/feedbackrepository.h"
#include "storage/grouprepository.h"
#include "storage/loginfailurerepository.h"
#include "storage/sessionrepository.h"
#include "storage/sharerepository.h"
#include "storage/syncrepository.h"
#include "storage/userrepository.h"

#include <QFile>
#include <QSslCertificate>
#include <QSslConfiguration>
#include <QSslKey>
#include <QSslSocket>

ServiceHost::ServiceHost(const ServerOptions &options, QObject *parent)
    : QObject(parent)
    , m_options(options)
{
}

// The members are destroyed in reverse order: the services before the
// repositories they use, the database last.
ServiceHost::~ServiceHost() = default;

bool ServiceHost::start(QString *error)
{
    const std::optional<QByteArray> secret = SigningSecret::load(m_options, error);
    if (!secret || !openDatabase(error))
        return false;
    buildServices(*secret);
    m_purge->start();
    return listen(error);
}

quint16 ServiceHost::port() const
{
    return m_port;
}

bool ServiceHost::openDatabase(QString *error)
{
    std::optional<DatabaseLocation> location;
    if (m_options.databaseUrl.isEmpty()) {
        if (!SigningSecret::ensurePrivateDirectory(m_options.dataDir, error))
            return false;
        location = DatabaseLocation::sqliteIn(m_options.dataDir);
    } else {
        location = DatabaseLocation::fromPostgresUrl(m_options.databaseUrl, error);
    }
    if (!location)
        return false;
    m_database = std::make_unique<Database>(QStringLiteral("kestrelwood-server"));
    if (!m_database->open(*location, error) || !m_database->migrate(error))
        return false;
    qInfo("Database: %s", qPrintable(location->describe()));
    return true;
}

void ServiceHost::buildServices(const QByteArray &secret)
{
    m_users = std::make_unique<UserRepository>(*m_database);
    m_sessions = std::make_unique<SessionRepository>(*m_database);
    m_loginFailures = std::make_unique<LoginFailureRepository>(*m_database);
    m_groups = std::make_unique<GroupRepository>(*m_database);
    m_devices = std::make_unique<DeviceRepository>(*m_database);
    m_syncRows = std::make_unique<SyncRepository>(*m_database);
    m_shares = std::make_unique<ShareRepository>(*m_database);
    m_feedback = std::make_unique<FeedbackRepository>(*m_database);
    m_eraser = std::make_unique<AccountEraser>(*m_database);
    m_accessTokens = std::make_unique<AccessTokens>(secret);
    m_sessionTokens = std::make_unique<SessionTokens>(*m_database, *m_sessions, *m_groups, *m_accessTokens);
    m_throttle = std::make_unique<LoginThrottle>(*m_loginFailures);
    m_loginPages = std::make_unique<LoginPages>(m_options.realm, m_options.clientIds, *m_users, *m_throttle,
                                                *m_sessionTokens);
    m_identityApi = std::make_unique<IdentityApi>(m_options.realm, *m_database, *m_users, *m_sessions,
                                                  *m_sessionTokens, *m_throttle);
    m_sharing = std::make_unique<AccountSharing>(*m_syncRows, *m_shares);
    m_accountApi = std::make_unique<AccountApi>(*m_database, *m_users, *m_sessions, *m_groups, *m_devices, *m_sharing);
    m_dataApi = std::make_unique<DataApi>(*m_database, *m_syncRows, *m_shares, *m_sharing, *m_users, *m_groups);
    m_feedFiles = std::make_unique<FeedFiles>(m_options.feedDir);
    m_feedbackPage = std::make_unique<FeedbackPage>(*m_feedback);

    m_router = std::make_unique<Router>();
    m_router->setAuthenticator([this](const HttpRequest &request) { return m_sessionTokens->authenticate(request); });
    m_loginPages->addRoutes(*m_router);
    m_identityApi->addRoutes(*m_router);
    m_accountApi->addRoutes(*m_router);
    m_dataApi->addRoutes(*m_router);
    m_feedFiles->addRoutes(*m_router);
    m_feedbackPage->addRoutes(*m_router);

    m_purge = new AccountPurge(*m_database, *m_eraser, *m_groups, *m_sharing, this);
}

bool ServiceHost::listen(QString *error)
{
    m_http = new HttpServer(*m_router, this);
    if (!m_options.tlsCertificateFile.isEmpty()) {
        QFile certificateFile(m_options.tlsCertificateFile);
        QFile keyFile(m_options.tlsKeyFile);
        if (!certificateFile.open(QIODevice::ReadOnly) || !keyFile.open(QIODevice::ReadOnly)) {
            *error = QStringLiteral("Cannot read the TLS certificate or key");
            return false;
        }
        const QSslCertificate certificate(&certificateFile, QSsl::Pem);
        const QByteArray keyPem = keyFile.readAll();
        QSslKey key(keyPem, QSsl::Rsa, QSsl::Pem);
        if (key.isNull())
            key = QSslKey(keyPem, QSsl::Ec, QSsl::Pem);
        if (certificate.isNull() || key.isNull()) {
            *error = QStringLiteral("The TLS certificate or key is not valid PEM");
            return false;
        }
        QSslConfiguration tls = QSslConfiguration::defaultConfiguration();
        tls.setLocalCertificate(certificate);
        tls.setPrivateKey(key);
        tls.setPeerVerifyMode(QSslSocket::VerifyNone);
        m_port = m_http->start(m_options.listenAddress, m_options.port, &tls);
    } else {
        m_port = m_http->start(m_options.listenAddress, m_options.port, nullptr);
    }
    if (m_port == 0) {
        *error = QStringLiteral("Cannot listen on %1 port %2").arg(m_options.listenAddress.toString()).arg(m_options.port);
        return false;
    }
    return true;
}
