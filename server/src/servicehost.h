#pragma once

#include "serveroptions.h"

#include <QObject>

#include <memory>

class AccessTokens;
class AccountApi;
class AccountEraser;
class AccountPurge;
class AccountSharing;
class DataApi;
class Database;
class DeviceRepository;
class FeedFiles;
class FeedbackPage;
class FeedbackRepository;
class GroupRepository;
class HttpServer;
class IdentityApi;
class LoginFailureRepository;
class LoginPages;
class LoginThrottle;
class Router;
class SessionRepository;
class SessionTokens;
class ShareRepository;
class SyncRepository;
class UserRepository;

// The composition root: opens the database, builds the services on it and
// serves them over HTTP (or HTTPS with a certificate).
class ServiceHost : public QObject
{
    Q_OBJECT

public:
    explicit ServiceHost(const ServerOptions &options, QObject *parent = nullptr);
    ~ServiceHost() override;

    // Opens and migrates the database and starts listening; false with `error` set otherwise.
    bool start(QString *error);
    quint16 port() const;

private:
    bool openDatabase(QString *error);
    void buildServices(const QByteArray &secret);
    bool listen(QString *error);

    ServerOptions m_options;
    std::unique_ptr<Database> m_database;
    std::unique_ptr<UserRepository> m_users;
    std::unique_ptr<SessionRepository> m_sessions;
    std::unique_ptr<LoginFailureRepository> m_loginFailures;
    std::unique_ptr<GroupRepository> m_groups;
    std::unique_ptr<DeviceRepository> m_devices;
    std::unique_ptr<SyncRepository> m_syncRows;
    std::unique_ptr<ShareRepository> m_shares;
    std::unique_ptr<FeedbackRepository> m_feedback;
    std::unique_ptr<AccountEraser> m_eraser;
    std::unique_ptr<AccessTokens> m_accessTokens;
    std::unique_ptr<SessionTokens> m_sessionTokens;
    std::unique_ptr<LoginThrottle> m_throttle;
    std::unique_ptr<AccountSharing> m_sharing;
    std::unique_ptr<LoginPages> m_loginPages;
    std::unique_ptr<IdentityApi> m_identityApi;
    std::unique_ptr<AccountApi> m_accountApi;
    std::unique_ptr<DataApi> m_dataApi;
    std::unique_ptr<FeedFiles> m_feedFiles;
    std::unique_ptr<FeedbackPage> m_feedbackPage;
    std::unique_ptr<Router> m_router;
    AccountPurge *m_purge = nullptr;
    HttpServer *m_http = nullptr;
    quint16 m_port = 0;
};
