#pragma once

#include <QAbstractHttpServer>

class Router;
class HttpReply;

// Qt's HTTP server with the project's own routing: every request goes
// through one Router, and every answer gets the same safety headers.
class HttpServer : public QAbstractHttpServer
{
    Q_OBJECT

public:
    // Requests above this size are answered 413 without being handled.
    static constexpr qint64 maxBodyBytes = 10 * 1024 * 1024;

    HttpServer(const Router &router, QObject *parent = nullptr);

protected:
    bool handleRequest(const QHttpServerRequest &request, QTcpSocket *socket) override;
    void missingHandler(const QHttpServerRequest &request, QTcpSocket *socket) override;

private:
    void send(const QHttpServerRequest &request, QTcpSocket *socket, const HttpReply &reply);

    const Router &m_router;
};
