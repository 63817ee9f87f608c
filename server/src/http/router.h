#pragma once

#include "http/httpreply.h"
#include "http/httprequest.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

// Maps method and path to a handler. Patterns are literal segments and
// "{name}" placeholders ("/users/me/sessions/{id}"); a last "{*rest}" takes
// the remaining segments, which the handler reads from pathSegments. Authenticated routes get
// the caller's claims before the handler runs, or answer 401 themselves.
class Router
{
public:
    enum class Access { Public, Bearer };
    using Handler = std::function<HttpReply(const HttpRequest &)>;
    using Authenticator = std::function<std::optional<AccessTokens::Claims>(const HttpRequest &)>;

    void setAuthenticator(Authenticator authenticator);
    void add(const QString &method, const QString &pattern, Access access, Handler handler);
    HttpReply dispatch(HttpRequest &request) const;

private:
    struct Route
    {
        QString method;
        QStringList segments;
        Access access;
        Handler handler;
    };

    static bool matches(const Route &route, const QStringList &path, QHash<QString, QString> *parameters);

    QList<Route> m_routes;
    Authenticator m_authenticator;
};
