#include "http/httpserver.h"

#include "http/httpreply.h"
#include "http/httprequest.h"
#include "http/router.h"

#include <QHttpServerRequest>
#include <QHttpServerResponder>
#include <QTcpSocket>

namespace {

bool tooLarge(const QHttpServerRequest &request)
{
    if (request.body().size() > HttpServer::maxBodyBytes)
        return true;
    bool ok = false;
    const qint64 declared = request.value(QByteArrayLiteral("Content-Length")).toLongLong(&ok);
    return ok && declared > HttpServer::maxBodyBytes;
}

} // namespace

HttpServer::HttpServer(const Router &router, QObject *parent)
    : QAbstractHttpServer(parent)
    , m_router(router)
{
}

bool HttpServer::handleRequest(const QHttpServerRequest &request, QTcpSocket *socket)
{
    if (tooLarge(request)) {
        send(request, socket,
             HttpReply::error(413, QStringLiteral("The request body is larger than %1 bytes").arg(maxBodyBytes)));
        return true;
    }
    HttpRequest parsed(request);
    send(request, socket, m_router.dispatch(parsed));
    return true;
}

void HttpServer::missingHandler(const QHttpServerRequest &request, QTcpSocket *socket)
{
    send(request, socket, HttpReply::error(404, QStringLiteral("Not found")));
}

void HttpServer::send(const QHttpServerRequest &request, QTcpSocket *socket, const HttpReply &reply)
{
    // The responder writes the status line, each header and the body
    // separately; without this, Nagle's algorithm holds the body back until
    // the client's delayed acknowledgement, some 40 ms per reply.
    socket->setSocketOption(QAbstractSocket::LowDelayOption, 1);
    QHttpServerResponder responder = makeResponder(request, socket);
    responder.writeStatusLine(QHttpServerResponder::StatusCode(reply.status));
    if (!reply.contentType.isEmpty())
        responder.writeHeader(QByteArrayLiteral("Content-Type"), reply.contentType);
    responder.writeHeader(QByteArrayLiteral("Content-Length"), QByteArray::number(reply.body.size()));
    // Replies carry tokens and private rows: no cache may keep them.
    responder.writeHeader(QByteArrayLiteral("Cache-Control"), QByteArrayLiteral("no-store"));
    responder.writeHeader(QByteArrayLiteral("X-Content-Type-Options"), QByteArrayLiteral("nosniff"));
    for (const auto &[name, value] : reply.headers)
        responder.writeHeader(name, value);
    responder.writeBody(reply.body);
}
