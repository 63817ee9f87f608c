#pragma once

#include <QString>
#include <QStringList>
#include <QUrl>

// Where a finished sign-in may send its tokens: only to a registered client,
// and only to a loopback address of this machine, where the program waits.
class RedirectTarget
{
public:
    static constexpr int maxStateLength = 512;

    // Empty text when acceptable; otherwise why not, for the error page.
    static QString problemWith(const QString &clientId, const QString &redirectUri, const QString &state,
                               const QStringList &registeredClientIds);
    // The redirect URI with the tokens, and the state when there is one, added to its query.
    static QUrl withTokens(const QString &redirectUri, const QString &accessToken, const QString &refreshToken,
                           const QString &state);
};
