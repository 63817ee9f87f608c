#include "account/apiclient.h"

#include "account/tokenmanager.h"

#include <QDebug>
#include <QJsonDocument>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>

namespace KestAccount {

namespace {

const QList<QByteArray> knownMethods = {"GET", "POST", "PUT", "PATCH", "DELETE"};

QByteArray compactJson(const QJsonObject& body)
{
    return body.isEmpty() ? QByteArray() : QJsonDocument(body).toJson(QJsonDocument::Compact);
}

QJsonObject jsonObjectOf(const QByteArray& bytes)
{
    return bytes.isEmpty() ? QJsonObject() : QJsonDocument::fromJson(bytes).object();
}

} // namespace

ApiClient::ApiClient(TokenManager* tokenManager, QObject* parent)
    : QObject(parent)
    , m_network(new QNetworkAccessManager(this))
    , m_tokenManager(tokenManager)
{
}

void ApiClient::setBaseUrl(const QUrl& baseUrl)
{
    m_baseUrl = baseUrl;
}

void ApiClient::setAppInfo(const QString& appId, const QString& appVersion, const QString& platform)
{
    m_appId = appId.toUtf8();
    m_appVersion = appVersion.toUtf8();
    m_platform = platform.toUtf8();
}

void ApiClient::setTransferTimeout(int milliseconds)
{
    m_transferTimeoutMs = milliseconds;
}

void ApiClient::sendRequest(const QString& method, const QString& path, const QJsonObject& body,
    const ResponseCallback& callback, const QUrlQuery& query, bool requiresAuth)
{
    const Request request{method.toLatin1(), urlFor(path, query), compactJson(body), callback};
    if (!requiresAuth) {
        executeRequest(request, QString(), false);
        return;
    }
    if (m_tokenManager->needsRefresh()) {
        qDebug().noquote() << "ApiClient: token needs refresh before" << method << request.url.path();
        sendAfterRefresh(request, true);
        return;
    }
    executeRequest(request, m_tokenManager->accessToken(), true);
}

void ApiClient::get(const QString& path, const ResponseCallback& callback, const QUrlQuery& query)
{
    sendRequest(QStringLiteral("GET"), path, {}, callback, query, true);
}

void ApiClient::getPublic(const QString& path, const ResponseCallback& callback, const QUrlQuery& query)
{
    sendRequest(QStringLiteral("GET"), path, {}, callback, query, false);
}

void ApiClient::post(const QString& path, const QJsonObject& body, const ResponseCallback& callback)
{
    sendRequest(QStringLiteral("POST"), path, body, callback, {}, true);
}

void ApiClient::postPublic(const QString& path, const QJsonObject& body, const ResponseCallback& callback)
{
    sendRequest(QStringLiteral("POST"), path, body, callback, {}, false);
}

void ApiClient::postWithToken(
    const QString& path, const QJsonObject& body, const QString& accessToken, const ResponseCallback& callback)
{
    executeRequest(Request{QByteArrayLiteral("POST"), urlFor(path, {}), compactJson(body), callback}, accessToken, false);
}

void ApiClient::patch(const QString& path, const QJsonObject& body, const ResponseCallback& callback)
{
    sendRequest(QStringLiteral("PATCH"), path, body, callback, {}, true);
}

void ApiClient::del(const QString& path, const ResponseCallback& callback)
{
    sendRequest(QStringLiteral("DELETE"), path, {}, callback, {}, true);
}

QString ApiClient::pathSegment(const QString& identifier)
{
    // Dots too, so that "." and ".." cannot act as path steps.
    return QString::fromLatin1(QUrl::toPercentEncoding(identifier, QByteArray(), QByteArrayLiteral(".")));
}

QUrl ApiClient::urlFor(const QString& path, const QUrlQuery& query) const
{
    QUrl url = m_baseUrl;
    // The path arrives encoded: fixed ASCII with identifiers from pathSegment().
    url.setPath(m_baseUrl.path(QUrl::FullyEncoded) + path, QUrl::StrictMode);
    if (!query.isEmpty())
        url.setQuery(query);
    return url;
}

void ApiClient::sendAfterRefresh(const Request& request, bool retryOn401)
{
    m_tokenManager->refresh([this, request, retryOn401](RefreshResult result) {
        switch (result) {
        case RefreshResult::Refreshed:
            executeRequest(request, m_tokenManager->accessToken(), retryOn401);
            return;
        case RefreshResult::Rejected:
            qWarning().noquote() << "ApiClient: token refresh failed for" << request.method << request.url.path();
            Q_EMIT authenticationRequired();
            request.callback(false, 401, {});
            return;
        case RefreshResult::Failed:
            // The service could not be asked; the session itself may be fine.
            request.callback(false, 0, {});
            return;
        case RefreshResult::Superseded:
            request.callback(false, 401, {});
            return;
        }
    });
}

void ApiClient::executeRequest(const Request& request, const QString& token, bool retryOn401)
{
    if (!knownMethods.contains(request.method)) {
        request.callback(false, 0, {});
        return;
    }
    QNetworkReply* reply = dispatch(request, token);
    connect(reply, &QNetworkReply::finished, this,
        [this, reply, request, retryOn401] { handleReply(reply, request, retryOn401); });
}

QNetworkReply* ApiClient::dispatch(const Request& request, const QString& token)
{
    QNetworkRequest networkRequest(request.url);
    networkRequest.setHeader(QNetworkRequest::ContentTypeHeader, QByteArrayLiteral("application/json"));
    networkRequest.setRawHeader(QByteArrayLiteral("Accept"), QByteArrayLiteral("application/json"));
    if (!m_appId.isEmpty())
        networkRequest.setRawHeader(QByteArrayLiteral("X-App-Id"), m_appId);
    if (!m_appVersion.isEmpty())
        networkRequest.setRawHeader(QByteArrayLiteral("X-App-Version"), m_appVersion);
    if (!m_platform.isEmpty())
        networkRequest.setRawHeader(QByteArrayLiteral("X-Platform"), m_platform);
    if (!token.isEmpty())
        networkRequest.setRawHeader(QByteArrayLiteral("Authorization"), "Bearer " + token.toUtf8());
    networkRequest.setTransferTimeout(m_transferTimeoutMs);
    if (request.method == "GET")
        return m_network->get(networkRequest);
    if (request.method == "DELETE")
        return m_network->deleteResource(networkRequest);
    return m_network->sendCustomRequest(networkRequest, request.method, request.body);
}

void ApiClient::handleReply(QNetworkReply* reply, const Request& request, bool retryOn401)
{
    reply->deleteLater();
    const int status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    // A reply that ended before any answer (a time-out) has nothing to read.
    const QJsonObject body = jsonObjectOf(reply->isReadable() ? reply->readAll() : QByteArray());
    if (status == 401 && retryOn401) {
        sendAfterRefresh(request, false);
        return;
    }
    if (status == 0 && reply->error() != QNetworkReply::NoError) {
        Q_EMIT networkError(reply->errorString());
        request.callback(false, 0, {});
        return;
    }
    request.callback(status >= 200 && status <= 299, status, body);
}

} // namespace KestAccount
