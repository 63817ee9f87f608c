#include "http/httpreply.h"

#include <QJsonDocument>

HttpReply HttpReply::json(const QJsonObject &object, int status)
{
    HttpReply reply;
    reply.status = status;
    reply.contentType = QByteArrayLiteral("application/json");
    reply.body = QJsonDocument(object).toJson(QJsonDocument::Compact);
    return reply;
}

HttpReply HttpReply::error(int status, const QString &message)
{
    return json({{QStringLiteral("error"), message}}, status);
}

HttpReply HttpReply::html(const QString &page, int status)
{
    HttpReply reply;
    reply.status = status;
    reply.contentType = QByteArrayLiteral("text/html; charset=utf-8");
    reply.body = page.toUtf8();
    // The pages need nothing from elsewhere and must not be framed by another site.
    reply.withHeader(QByteArrayLiteral("Content-Security-Policy"),
                     QByteArrayLiteral("default-src 'none'; style-src 'unsafe-inline'; form-action 'self'; "
                                       "frame-ancestors 'none'"));
    reply.withHeader(QByteArrayLiteral("X-Frame-Options"), QByteArrayLiteral("DENY"));
    reply.withHeader(QByteArrayLiteral("Referrer-Policy"), QByteArrayLiteral("no-referrer"));
    return reply;
}

HttpReply HttpReply::redirect(const QUrl &location)
{
    HttpReply reply;
    reply.status = 302;
    reply.withHeader(QByteArrayLiteral("Location"), location.toEncoded());
    // The location carries tokens: no page that follows may learn it as referrer.
    reply.withHeader(QByteArrayLiteral("Referrer-Policy"), QByteArrayLiteral("no-referrer"));
    return reply;
}

HttpReply &HttpReply::withHeader(const QByteArray &name, const QByteArray &value)
{
    headers.append({name, value});
    return *this;
}
