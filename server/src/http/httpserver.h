#pragma once

#include <QAbstractHttpServer>
#include <QHostAddress>

class QSslConfiguration;
class Router;
class HttpReply;

// Qt's HTTP server with the project's own routing: every request goes
// through one Router, and every answer gets the same safety headers.
class HttpServer : public QAbstractHttpServer
{
    Q_OBJECT

public:
    // Requests announcing a larger body are answered 413 without being read.
    static constexpr qint64 maxBodyBytes = 10 * 1024 * 1024;

    HttpServer(const Router &router, QObject *parent = nullptr);

    // Listens on `address` and `port` (0 for any free one), with TLS when
    // `tls` is given, every connection watched for oversized requests. The
    // port listened on, or 0 when listening failed.
    quint16 start(const QHostAddress &address, quint16 port, const QSslConfiguration *tls);

protected:
    bool handleRequest(const QHttpServerRequest &request, QTcpSocket *socket) override;
    void missingHandler(const QHttpServerRequest &request, QTcpSocket *socket) override;

private:
    void send(const QHttpServerRequest &request, QTcpSocket *socket, const HttpReply &reply);

    const Router &m_router;
};
