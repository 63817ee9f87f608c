#include "identity/redirecttarget.h"

#include <QUrlQuery>

namespace {

bool isLoopbackUri(const QUrl &url)
{
    const QString host = url.host();
    return url.isValid() && url.scheme() == QLatin1String("http")
           && (host == QLatin1String("localhost") || host == QLatin1String("127.0.0.1")) && url.port() > 0
           && url.userInfo().isEmpty() && !url.hasFragment();
}

} // namespace

QString RedirectTarget::problemWith(const QString &clientId, const QString &redirectUri, const QString &state,
                                    const QStringList &registeredClientIds)
{
    if (clientId.isEmpty() || !registeredClientIds.contains(clientId))
        return QStringLiteral("This application is not registered with this server.");
    if (redirectUri.size() > 2048 || !isLoopbackUri(QUrl(redirectUri, QUrl::StrictMode)))
        return QStringLiteral("The sign-in can only return to the program on this computer "
                              "(http://localhost:PORT/ or http://127.0.0.1:PORT/).");
    if (state.size() > maxStateLength)
        return QStringLiteral("The sign-in request is too long.");
    return {};
}

QUrl RedirectTarget::withTokens(const QString &redirectUri, const QString &accessToken, const QString &refreshToken,
                                const QString &state)
{
    QUrl url(redirectUri, QUrl::StrictMode);
    QUrlQuery query(url);
    query.addQueryItem(QStringLiteral("access_token"), accessToken);
    query.addQueryItem(QStringLiteral("refresh_token"), refreshToken);
    if (!state.isEmpty())
        query.addQueryItem(QStringLiteral("state"), QString::fromLatin1(QUrl::toPercentEncoding(state)));
    url.setQuery(query);
    return url;
}
