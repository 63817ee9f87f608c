#include "support/faultproxy.h"

#include <QPointer>
#include <QTcpSocket>

#include <memory>
#include <optional>

namespace {

// How soon the client's own resend of a request follows the closed
// connection, and how many times the client's network stack resends.
constexpr qint64 resendWindowMs = 200;
constexpr int clientResends = 2;

struct Message
{
    QByteArray head;
    QByteArray body;
    qsizetype size = 0;
};

// The first complete HTTP message in `buffer`, by its Content-Length.
std::optional<Message> completeMessage(const QByteArray& buffer)
{
    const qsizetype headEnd = buffer.indexOf("\r\n\r\n");
    if (headEnd < 0)
        return std::nullopt;
    Message message;
    message.head = buffer.left(headEnd);
    qsizetype length = 0;
    const QList<QByteArray> lines = message.head.split('\n');
    for (const QByteArray& line : lines) {
        const qsizetype colon = line.indexOf(':');
        if (colon > 0 && line.left(colon).trimmed().toLower() == "content-length")
            length = line.mid(colon + 1).trimmed().toLongLong();
    }
    message.size = headEnd + 4 + length;
    if (buffer.size() < message.size)
        return std::nullopt;
    message.body = buffer.mid(headEnd + 4, length);
    return message;
}

} // namespace

struct FaultProxy::Connection
{
    QTcpSocket* client = nullptr;
    QByteArray buffer;
    bool waiting = false;
};

FaultProxy::FaultProxy(const QUrl& upstream, QObject* parent)
    : QObject(parent)
    , m_upstream(upstream)
{
    connect(&m_server, &QTcpServer::newConnection, this, &FaultProxy::accept);
}

FaultProxy::~FaultProxy()
{
    for (Connection* connection : std::as_const(m_connections))
        delete connection;
}

bool FaultProxy::listen()
{
    return m_server.listen(QHostAddress::LocalHost, 0);
}

QUrl FaultProxy::url() const
{
    return QUrl(QStringLiteral("http://127.0.0.1:%1").arg(m_server.serverPort()));
}

void FaultProxy::accept()
{
    while (QTcpSocket* socket = m_server.nextPendingConnection()) {
        auto* connection = new Connection{socket, {}, false};
        socket->setParent(this);
        m_connections.append(connection);
        connect(socket, &QTcpSocket::readyRead, this, [this, connection] { readRequest(connection); });
        connect(socket, &QTcpSocket::disconnected, this, [this, connection] { close(connection); });
    }
}

void FaultProxy::readRequest(Connection* connection)
{
    connection->buffer += connection->client->readAll();
    if (connection->waiting)
        return;
    const std::optional<Message> request = completeMessage(connection->buffer);
    if (!request)
        return;
    connection->buffer.remove(0, request->size);
    connection->waiting = true;
    handle(connection, request->head, request->body);
}

void FaultProxy::handle(Connection* connection, const QByteArray& head, const QByteArray& body)
{
    const QList<QByteArray> requestLine = head.left(head.indexOf('\r')).split(' ');
    Exchange exchange;
    exchange.method = requestLine.value(0);
    exchange.path = requestLine.value(1);
    exchange.requestBody = body;
    const QByteArray rawRequest = head + "\r\n\r\n" + body;
    if (repeatsDroppedRequest(rawRequest))
        --m_resendsLeft;
    else
        m_resendsLeft = 0;
    exchange.fault = m_resendsLeft > 0 ? Fault::DroppedReply
        : m_plan                       ? m_plan(exchange.method, exchange.path)
                                       : Fault::None;
    switch (exchange.fault) {
    case Fault::ServerError:
        record(exchange);
        answer(connection, cannedReply(503, "Service Unavailable"));
        return;
    case Fault::Unauthorized:
        record(exchange);
        answer(connection, cannedReply(401, "Unauthorized"));
        return;
    case Fault::None:
    case Fault::DroppedReply:
    case Fault::Stall:
        forward(connection, exchange, rawRequest);
        return;
    }
}

void FaultProxy::forward(Connection* connection, Exchange exchange, const QByteArray& rawRequest)
{
    auto* upstream = new QTcpSocket(this);
    auto reply = std::make_shared<QByteArray>();
    QPointer<QTcpSocket> client = connection->client;
    connect(upstream, &QTcpSocket::connected, upstream, [upstream, rawRequest] { upstream->write(rawRequest); });
    auto finish = [this, upstream, reply, client, exchange, rawRequest](bool answered) mutable {
        upstream->disconnect(this);
        upstream->deleteLater();
        const std::optional<Message> message = answered ? completeMessage(*reply) : std::nullopt;
        if (message) {
            exchange.serverStatus = message->head.split(' ').value(1).toInt();
            exchange.serverBody = message->body;
        }
        record(exchange);
        Connection* connection = connectionOf(client);
        if (!connection)
            return;
        if (exchange.fault == Fault::DroppedReply || !message) {
            if (!repeatsDroppedRequest(rawRequest))
                m_resendsLeft = clientResends + 1;
            m_lastDropped = rawRequest;
            m_sinceDrop.start();
            client->abort();
        } else if (exchange.fault == Fault::None && m_rewrite) {
            const QByteArray body = m_rewrite(exchange.path, message->body);
            QList<QByteArray> head = message->head.split('\n');
            for (QByteArray& line : head) {
                if (line.toLower().startsWith("content-length:"))
                    line = "Content-Length: " + QByteArray::number(body.size()) + '\r';
            }
            answer(connection, head.join('\n') + "\r\n\r\n" + body);
        } else if (exchange.fault == Fault::None) {
            answer(connection, reply->left(message->size));
        }
    };
    connect(upstream, &QTcpSocket::readyRead, this, [upstream, reply, finish]() mutable {
        *reply += upstream->readAll();
        if (completeMessage(*reply))
            finish(true);
    });
    connect(upstream, &QTcpSocket::errorOccurred, this, [finish]() mutable { finish(false); });
    upstream->connectToHost(m_upstream.host(), quint16(m_upstream.port()));
}

void FaultProxy::record(const Exchange& exchange)
{

    ++m_requestCount;
    m_lastExchange = exchange;
    if (m_recording)
        m_exchanges.append(exchange);
}

void FaultProxy::answer(Connection* connection, const QByteArray& rawReply)
{
    connection->waiting = false;
    connection->client->write(rawReply);
    if (!connection->buffer.isEmpty())
        readRequest(connection);
}

QByteArray FaultProxy::cannedReply(int status, const QByteArray& reason)
{
    const QByteArray body = "{\"error\":\"" + reason + "\"}";
    return "HTTP/1.1 " + QByteArray::number(status) + ' ' + reason
        + "\r\nContent-Type: application/json\r\nContent-Length: " + QByteArray::number(body.size()) + "\r\n\r\n"
        + body;
}

void FaultProxy::setPlan(Plan plan)
{
    m_plan = std::move(plan);
    m_lastDropped.clear();
    m_resendsLeft = 0;
}

bool FaultProxy::repeatsDroppedRequest(const QByteArray& rawRequest) const
{
    return m_sinceDrop.isValid() && m_sinceDrop.elapsed() < resendWindowMs && rawRequest == m_lastDropped;
}

FaultProxy::Connection* FaultProxy::connectionOf(const QTcpSocket* client) const
{
    for (Connection* connection : m_connections) {
        if (client && connection->client == client)
            return connection;
    }
    return nullptr;
}

void FaultProxy::close(Connection* connection)
{
    if (!m_connections.removeOne(connection))
        return;
    connection->client->deleteLater();
    delete connection;
}
