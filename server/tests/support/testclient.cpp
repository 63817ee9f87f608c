#include "support/testclient.h"

#include "support/serverprocess.h"

#include <QEventLoop>
#include <QJsonDocument>
#include <QNetworkReply>
#include <QRegularExpression>
#include <QTimer>

QByteArray TestClient::Reply::header(const QByteArray &name) const
{
    for (const auto &[key, value] : headers) {
        if (key.compare(name, Qt::CaseInsensitive) == 0)
            return value;
    }
    return {};
}

QString TestClient::Reply::error() const
{
    return json.value(QStringLiteral("error")).toString();
}

TestClient::TestClient(const QUrl &baseUrl, const QString &realm)
    : m_baseUrl(baseUrl)
    , m_realm(realm)
{
}

TestClient::Reply TestClient::send(const QByteArray &method, const QString &path, const QByteArray &body,
                                   const QString &token, const QByteArray &contentType)
{
    QNetworkRequest request(QUrl(m_baseUrl.toString() + path));
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::ManualRedirectPolicy);
    request.setHeader(QNetworkRequest::ContentTypeHeader, contentType);
    request.setHeader(QNetworkRequest::UserAgentHeader, QByteArrayLiteral("KestrelwoodServerTests/1.0"));
    if (!token.isEmpty())
        request.setRawHeader(QByteArrayLiteral("Authorization"), "Bearer " + token.toLatin1());
    QNetworkReply *reply = m_network.sendCustomRequest(request, method, body);
    QEventLoop loop;
    QObject::connect(reply, &QNetworkReply::finished, &loop, &QEventLoop::quit);
    QTimer::singleShot(60000, &loop, &QEventLoop::quit);
    loop.exec();
    Reply result;
    result.status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    result.body = reply->readAll();
    result.json = QJsonDocument::fromJson(result.body).object();
    result.headers = reply->rawHeaderPairs();
    reply->deleteLater();
    return result;
}

TestClient::Reply TestClient::get(const QString &path, const QString &token)
{
    return send(QByteArrayLiteral("GET"), path, {}, token);
}

TestClient::Reply TestClient::post(const QString &path, const QJsonObject &body, const QString &token)
{
    return send(QByteArrayLiteral("POST"), path, QJsonDocument(body).toJson(QJsonDocument::Compact), token);
}

TestClient::Reply TestClient::patch(const QString &path, const QJsonObject &body, const QString &token)
{
    return send(QByteArrayLiteral("PATCH"), path, QJsonDocument(body).toJson(QJsonDocument::Compact), token);
}

TestClient::Reply TestClient::del(const QString &path, const QString &token)
{
    return send(QByteArrayLiteral("DELETE"), path, {}, token);
}

QString TestClient::identity(const QString &path) const
{
    return QStringLiteral("/api/v1/realms/%1%2").arg(m_realm, path);
}

QString TestClient::pagePath(const QString &page, const QString &state) const
{
    QUrlQuery query;
    query.addQueryItem(QStringLiteral("client_id"), ServerProcess::clientId);
    query.addQueryItem(QStringLiteral("redirect_uri"),
                       QString::fromLatin1(QUrl::toPercentEncoding(QStringLiteral("http://localhost:19876/callback"))));
    if (!state.isEmpty())
        query.addQueryItem(QStringLiteral("state"), QString::fromLatin1(QUrl::toPercentEncoding(state)));
    return QStringLiteral("/%1/account/%2?%3").arg(m_realm, page, query.toString(QUrl::FullyEncoded));
}

QString TestClient::formToken(const QByteArray &html)
{
    static const QRegularExpression field(QStringLiteral("name=\"csrf_token\" value=\"([^\"]+)\""));
    return field.match(QString::fromUtf8(html)).captured(1);
}

TestClient::Reply TestClient::submitForm(const QString &pagePath, QUrlQuery fields)
{
    const Reply page = get(pagePath);
    if (!fields.hasQueryItem(QStringLiteral("csrf_token")))
        fields.addQueryItem(QStringLiteral("csrf_token"), formToken(page.body));
    return send(QByteArrayLiteral("POST"), pagePath, fields.toString(QUrl::FullyEncoded).toUtf8(), {},
                QByteArrayLiteral("application/x-www-form-urlencoded"));
}

std::optional<TestClient::Tokens> TestClient::tokensFrom(const Reply &redirect)
{
    if (redirect.status != 302)
        return std::nullopt;
    const QUrlQuery query(QUrl::fromEncoded(redirect.header(QByteArrayLiteral("Location"))));
    Tokens tokens{query.queryItemValue(QStringLiteral("access_token"), QUrl::FullyDecoded),
                  query.queryItemValue(QStringLiteral("refresh_token"), QUrl::FullyDecoded)};
    if (tokens.access.isEmpty() || tokens.refresh.isEmpty())
        return std::nullopt;
    return tokens;
}

namespace {

QString encoded(const QString &value)
{
    return QString::fromLatin1(QUrl::toPercentEncoding(value));
}

} // namespace

std::optional<TestClient::Tokens> TestClient::signUp(const QString &email, const QString &password,
                                                     const QString &displayName)
{
    QUrlQuery fields;
    fields.addQueryItem(QStringLiteral("email"), encoded(email));
    fields.addQueryItem(QStringLiteral("password"), encoded(password));
    fields.addQueryItem(QStringLiteral("display_name"), encoded(displayName));
    return tokensFrom(submitForm(pagePath(QStringLiteral("signup")), fields));
}

std::optional<TestClient::Tokens> TestClient::logIn(const QString &email, const QString &password)
{
    QUrlQuery fields;
    fields.addQueryItem(QStringLiteral("email"), encoded(email));
    fields.addQueryItem(QStringLiteral("password"), encoded(password));
    return tokensFrom(submitForm(pagePath(QStringLiteral("login")), fields));
}

std::optional<TestClient::Tokens> TestClient::refresh(const QString &refreshToken)
{
    const Reply reply = post(identity(QStringLiteral("/auth/token/refresh")),
                             {{QStringLiteral("refresh_token"), refreshToken}});
    if (reply.status != 200)
        return std::nullopt;
    return Tokens{reply.json.value(QStringLiteral("access_token")).toString(),
                  reply.json.value(QStringLiteral("refresh_token")).toString()};
}
