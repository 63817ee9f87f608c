#pragma once

#include <QByteArray>
#include <QJsonObject>
#include <QList>
#include <QNetworkAccessManager>
#include <QPair>
#include <QString>
#include <QUrl>
#include <QUrlQuery>

#include <optional>

// One client of the server, talking real HTTP on loopback and waiting for
// each answer. It keeps cookies like a browser, so it can drive the sign-in
// pages; redirects are not followed, so a test sees where they point.
class TestClient
{
public:
    struct Reply
    {
        int status = 0;
        QByteArray body;
        QJsonObject json;
        QList<QPair<QByteArray, QByteArray>> headers;

        QByteArray header(const QByteArray &name) const;
        QString error() const;
    };

    struct Tokens
    {
        QString access;
        QString refresh;
    };

    explicit TestClient(const QUrl &baseUrl, const QString &realm = QStringLiteral("kestrelwood"));

    Reply send(const QByteArray &method, const QString &path, const QByteArray &body = {},
               const QString &token = {}, const QByteArray &contentType = QByteArrayLiteral("application/json"));
    Reply get(const QString &path, const QString &token = {});
    Reply post(const QString &path, const QJsonObject &body, const QString &token = {});
    Reply patch(const QString &path, const QJsonObject &body, const QString &token = {});
    Reply del(const QString &path, const QString &token = {});

    // The identity API path of the realm ("/api/v1/realms/kestrelwood" + path).
    QString identity(const QString &path) const;
    // A sign-in page address with the registered client, a loopback redirect and a state.
    QString pagePath(const QString &page, const QString &state = QStringLiteral("st-1")) const;

    // Fetches the page (for the form token cookie) and posts the form the way a browser does.
    Reply submitForm(const QString &pagePath, QUrlQuery fields);
    std::optional<Tokens> signUp(const QString &email, const QString &password,
                                 const QString &displayName = QStringLiteral("Test User"));
    std::optional<Tokens> logIn(const QString &email, const QString &password);
    std::optional<Tokens> refresh(const QString &refreshToken);
    static std::optional<Tokens> tokensFrom(const Reply &redirect);
    static QString formToken(const QByteArray &html);

private:
    QNetworkAccessManager m_network;
    QUrl m_baseUrl;
    QString m_realm;
};
