#include "support/testbrowser.h"

#include <QEventLoop>
#include <QNetworkReply>
#include <QRegularExpression>
#include <QTimer>

const QString TestBrowser::password = QStringLiteral("correct horse battery");

namespace {

QNetworkRequest browserRequest(const QUrl& url)
{
    QNetworkRequest request(url);
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::ManualRedirectPolicy);
    request.setHeader(QNetworkRequest::UserAgentHeader, QByteArrayLiteral("Mozilla/5.0 (X11; Linux x86_64) TestBrowser"));
    return request;
}

QString formToken(const QByteArray& html)
{
    static const QRegularExpression field(QStringLiteral("name=\"csrf_token\" value=\"([^\"]+)\""));
    return field.match(QString::fromUtf8(html)).captured(1);
}

QString encoded(const QString& value)
{
    return QString::fromLatin1(QUrl::toPercentEncoding(value));
}

} // namespace

TestBrowser::Page TestBrowser::get(const QUrl& url)
{
    return finish(m_network.get(browserRequest(url)));
}

TestBrowser::Page TestBrowser::submitForm(const QUrl& pageUrl, QUrlQuery fields)
{
    fields.addQueryItem(QStringLiteral("csrf_token"), encoded(formToken(get(pageUrl).body)));
    QNetworkRequest request = browserRequest(pageUrl);
    request.setHeader(QNetworkRequest::ContentTypeHeader, QByteArrayLiteral("application/x-www-form-urlencoded"));
    return finish(m_network.post(request, fields.toString(QUrl::FullyEncoded).toUtf8()));
}

TestBrowser::Page TestBrowser::signUp(const QUrl& serverUrl, const QString& clientId, const QString& email)
{
    QUrl page = serverUrl.resolved(QUrl(QStringLiteral("/kestrelwood/account/signup")));
    page.setQuery(QStringLiteral("client_id=%1&redirect_uri=%2")
                      .arg(clientId, encoded(QStringLiteral("http://localhost:9/callback"))));
    QUrlQuery fields;
    fields.addQueryItem(QStringLiteral("display_name"), encoded(QStringLiteral("Test User")));
    fields.addQueryItem(QStringLiteral("email"), encoded(email));
    fields.addQueryItem(QStringLiteral("password"), encoded(password));
    return submitForm(page, fields);
}

TestBrowser::Page TestBrowser::logIn(const QUrl& loginUrl, const QString& email)
{
    QUrlQuery fields;
    fields.addQueryItem(QStringLiteral("email"), encoded(email));
    fields.addQueryItem(QStringLiteral("password"), encoded(password));
    return submitForm(loginUrl, fields);
}

QUrl TestBrowser::loginPage(const QUrl& serverUrl, const QString& clientId)
{
    QUrl page = serverUrl.resolved(QUrl(QStringLiteral("/kestrelwood/account/login")));
    page.setQuery(QStringLiteral("client_id=%1&redirect_uri=%2")
                      .arg(clientId, encoded(QStringLiteral("http://localhost:9/callback"))));
    return page;
}

TestBrowser::Page TestBrowser::signIn(const QUrl& loginUrl, const QString& email)
{
    const Page redirect = logIn(loginUrl, email);
    if (redirect.status != 302)
        return redirect;
    return get(redirect.location);
}

TestBrowser::Page TestBrowser::finish(QNetworkReply* reply)
{
    QEventLoop loop;
    QObject::connect(reply, &QNetworkReply::finished, &loop, &QEventLoop::quit);
    QTimer::singleShot(30000, &loop, &QEventLoop::quit);
    if (!reply->isFinished())
        loop.exec();
    Page page;
    page.status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    page.body = reply->readAll();
    page.location = QUrl::fromEncoded(reply->rawHeader(QByteArrayLiteral("Location")));
    reply->deleteLater();
    return page;
}
