#pragma once

#include <QByteArray>
#include <QJsonObject>
#include <QObject>
#include <QString>
#include <QUrl>
#include <QUrlQuery>

#include <functional>

class QNetworkAccessManager;
class QNetworkReply;

namespace KestAccount {

class TokenManager;

// Called exactly once per request: ok is true for a 2xx status; status is
// 0 when no HTTP answer came; body is the answer's JSON object, or empty.
using ResponseCallback = std::function<void(bool ok, int status, const QJsonObject& body)>;

// The requests to one service: JSON in and out, the program's
// identification headers, the bearer token where the service wants it, a
// refresh before a stale token and one retry after a 401.
class ApiClient : public QObject
{
    Q_OBJECT

public:
    static constexpr int defaultTransferTimeoutMs = 30000;

    explicit ApiClient(TokenManager* tokenManager, QObject* parent = nullptr);

    void setBaseUrl(const QUrl& baseUrl);
    QUrl baseUrl() const { return m_baseUrl; }
    void setAppInfo(const QString& appId, const QString& appVersion, const QString& platform);
    // How long a request may go without progress before it ends as a
    // status-0 failure.
    void setTransferTimeout(int milliseconds);

    // `path` is relative to the base URL and begins with "/"; identifiers in
    // it go through pathSegment(). An empty body sends no body at all.
    void sendRequest(const QString& method, const QString& path, const QJsonObject& body,
        const ResponseCallback& callback, const QUrlQuery& query, bool requiresAuth);
    void get(const QString& path, const ResponseCallback& callback, const QUrlQuery& query = {});
    void getPublic(const QString& path, const ResponseCallback& callback, const QUrlQuery& query = {});
    void post(const QString& path, const QJsonObject& body, const ResponseCallback& callback);
    void postPublic(const QString& path, const QJsonObject& body, const ResponseCallback& callback);
    // Sent with `accessToken` as it is, neither refreshed nor retried: for a
    // token the token manager no longer holds.
    void postWithToken(
        const QString& path, const QJsonObject& body, const QString& accessToken, const ResponseCallback& callback);
    void patch(const QString& path, const QJsonObject& body, const ResponseCallback& callback);
    void del(const QString& path, const ResponseCallback& callback);

    // An identifier made safe to stand as one segment of a path: whatever
    // it holds ("/", "..", "?"), it cannot reach another endpoint.
    static QString pathSegment(const QString& identifier);

Q_SIGNALS:
    // The session is over: a token refresh was refused.
    void authenticationRequired();
    // A request failed before any HTTP status came back.
    void networkError(const QString& message);

private:
    struct Request
    {
        QByteArray method;
        QUrl url;
        QByteArray body;
        ResponseCallback callback;
    };

    QUrl urlFor(const QString& path, const QUrlQuery& query) const;
    void sendAfterRefresh(const Request& request, bool retryOn401);
    void executeRequest(const Request& request, const QString& token, bool retryOn401);
    QNetworkReply* dispatch(const Request& request, const QString& token);
    void handleReply(QNetworkReply* reply, const Request& request, bool retryOn401);

    QNetworkAccessManager* m_network;
    TokenManager* m_tokenManager;
    QUrl m_baseUrl;
    QByteArray m_appId;
    QByteArray m_appVersion;
    QByteArray m_platform;
    int m_transferTimeoutMs = defaultTransferTimeoutMs;
};

} // namespace KestAccount
