#include "http/httpserver.h"

#include "http/httpreply.h"
#include "http/httprequest.h"
#include "http/guardedtcpserver.h"
#include "http/requestsizeguard.h"
#include "http/router.h"

#include <QHttpServerRequest>
#include <QHttpServerResponder>
#include <QSslServer>
#include <QTcpSocket>

HttpServer::HttpServer(const Router &router, QObject *parent)
    : QAbstractHttpServer(parent)
    , m_router(router)
{
}

quint16 HttpServer::start(const QHostAddress &address, quint16 port, const QSslConfiguration *tls)
{
    QTcpServer *listener = nullptr;
    if (tls) {
        auto *sslListener = new QSslServer(this);
        sslListener->setSslConfiguration(*tls);
        // The guard must see a connection's bytes before this server does,
        // so it is installed as the handshake starts, before the connection
        // is handed on.
        connect(sslListener, &QSslServer::startedEncryptionHandshake, this,
                [](QSslSocket *socket) { RequestSizeGuard::watch(socket, maxBodyBytes); });
        listener = sslListener;
    } else {
        listener = new GuardedTcpServer(maxBodyBytes, this);
    }
    if (!listener->listen(address, port)) {
        delete listener;
        return 0;
    }
    bind(listener);
    return listener->serverPort();
}

bool HttpServer::handleRequest(const QHttpServerRequest &request, QTcpSocket *socket)
{
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
