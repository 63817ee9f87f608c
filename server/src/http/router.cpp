#include "http/router.h"

void Router::setAuthenticator(Authenticator authenticator)
{
    m_authenticator = std::move(authenticator);
}

void Router::add(const QString &method, const QString &pattern, Access access, Handler handler)
{
    m_routes.append({method, pattern.split(QLatin1Char('/'), Qt::SkipEmptyParts), access, std::move(handler)});
}

bool Router::matches(const Route &route, const QStringList &path, QHash<QString, QString> *parameters)
{
    // A last segment "{*name}" takes one or more remaining segments.
    const bool rest = !route.segments.isEmpty() && route.segments.last().startsWith(QLatin1String("{*"));
    if (rest ? path.size() < route.segments.size() : route.segments.size() != path.size())
        return false;
    QHash<QString, QString> found;
    for (qsizetype i = 0; i < path.size(); ++i) {
        const QString &segment = route.segments.at(std::min(i, route.segments.size() - 1));
        if (rest && i >= route.segments.size() - 1)
            continue;
        if (segment.startsWith(QLatin1Char('{')) && segment.endsWith(QLatin1Char('}')))
            found.insert(segment.mid(1, segment.size() - 2), path.at(i));
        else if (segment != path.at(i))
            return false;
    }
    *parameters = found;
    return true;
}

HttpReply Router::dispatch(HttpRequest &request) const
{
    bool pathKnown = false;
    for (const Route &route : m_routes) {
        QHash<QString, QString> parameters;
        if (!matches(route, request.pathSegments, &parameters))
            continue;
        pathKnown = true;
        if (route.method != request.method)
            continue;
        request.parameters = parameters;
        if (route.access == Access::Bearer) {
            request.caller = m_authenticator ? m_authenticator(request) : std::nullopt;
            if (!request.caller)
                return HttpReply::error(401, QStringLiteral("Sign-in required"))
                    .withHeader(QByteArrayLiteral("WWW-Authenticate"), QByteArrayLiteral("Bearer"));
        }
        return route.handler(request);
    }
    if (pathKnown)
        return HttpReply::error(405, QStringLiteral("Method not allowed"));
    return HttpReply::error(404, QStringLiteral("Not found"));
}
