#pragma once

#include "identity/accesstokens.h"

#include <QByteArray>
#include <QHash>
#include <QHostAddress>
#include <QList>
#include <QPair>
#include <QString>
#include <QStringList>
#include <QUrlQuery>

#include <optional>

class QHttpServerRequest;

// What a handler needs of one request, copied out of Qt's request object,
// plus the route's path parameters and, on authenticated routes, the caller.
class HttpRequest
{
public:
    static constexpr int maxUserAgentLength = 512;

    explicit HttpRequest(const QHttpServerRequest &request);

    QString method;
    QStringList pathSegments;
    QUrlQuery query;
    QByteArray body;
    QHostAddress remoteAddress;
    QList<QPair<QByteArray, QByteArray>> headers;
    QHash<QString, QString> parameters;
    std::optional<AccessTokens::Claims> caller;

    QByteArray header(const QByteArray &name) const;
    QString parameter(const QString &name) const;
    // A query value, fully decoded; empty when absent.
    QString queryValue(const QString &name) const;
    QByteArray cookie(const QByteArray &name) const;
    QString userAgent() const;
    // IPv4 addresses without the IPv6 mapping prefix.
    QString ipAddress() const;
    // The signed-in user on an authenticated route.
    QString userId() const;
};
