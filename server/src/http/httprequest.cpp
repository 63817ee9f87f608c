#include "http/httprequest.h"

#include <QHttpServerRequest>
#include <QUrl>

namespace {

QString methodText(QHttpServerRequest::Method method)
{
    switch (method) {
    case QHttpServerRequest::Method::Get: return QStringLiteral("GET");
    case QHttpServerRequest::Method::Post: return QStringLiteral("POST");
    case QHttpServerRequest::Method::Put: return QStringLiteral("PUT");
    case QHttpServerRequest::Method::Patch: return QStringLiteral("PATCH");
    case QHttpServerRequest::Method::Delete: return QStringLiteral("DELETE");
    case QHttpServerRequest::Method::Head: return QStringLiteral("HEAD");
    case QHttpServerRequest::Method::Options: return QStringLiteral("OPTIONS");
    default: return QStringLiteral("OTHER");
    }
}

// Split before decoding: an escaped slash ("%2F") is part of its segment's
// text, so an identifier holding one can never reach another route.
QStringList segmentsOf(const QUrl &url)
{
    QStringList segments;
    const QList<QByteArray> encoded = url.path(QUrl::FullyEncoded).toUtf8().split('/');
    for (const QByteArray &segment : encoded) {
        if (!segment.isEmpty())
            segments.append(QUrl::fromPercentEncoding(segment));
    }
    return segments;
}

} // namespace

HttpRequest::HttpRequest(const QHttpServerRequest &request)
    : method(methodText(request.method()))
    , pathSegments(segmentsOf(request.url()))
    , query(request.url())
    , body(request.body())
    , remoteAddress(request.remoteAddress())
    , headers(request.headers())
{
}

QByteArray HttpRequest::header(const QByteArray &name) const
{
    for (const auto &[key, value] : headers) {
        if (key.compare(name, Qt::CaseInsensitive) == 0)
            return value;
    }
    return {};
}

QString HttpRequest::parameter(const QString &name) const
{
    return parameters.value(name);
}

QString HttpRequest::queryValue(const QString &name) const
{
    return query.queryItemValue(name, QUrl::FullyDecoded);
}

QByteArray HttpRequest::cookie(const QByteArray &name) const
{
    const QList<QByteArray> pairs = header(QByteArrayLiteral("Cookie")).split(';');
    for (const QByteArray &pair : pairs) {
        const qsizetype equals = pair.indexOf('=');
        if (equals > 0 && pair.left(equals).trimmed() == name)
            return pair.mid(equals + 1).trimmed();
    }
    return {};
}

QString HttpRequest::userAgent() const
{
    return QString::fromUtf8(header(QByteArrayLiteral("User-Agent"))).left(maxUserAgentLength);
}

QString HttpRequest::ipAddress() const
{
    bool isIpv4 = false;
    const quint32 ipv4 = remoteAddress.toIPv4Address(&isIpv4);
    return isIpv4 ? QHostAddress(ipv4).toString() : remoteAddress.toString();
}

QString HttpRequest::userId() const
{
    return caller ? caller->userId : QString();
}
