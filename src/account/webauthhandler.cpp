#include "account/webauthhandler.h"

#include <QHostAddress>
#include <QRandomGenerator>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>
#include <QUrlQuery>

namespace KestAccount {

namespace {

QString randomState()
{
    quint32 words[4];
    QRandomGenerator::system()->fillRange(words);
    return QString::fromLatin1(QByteArray(reinterpret_cast<const char*>(words), sizeof words).toHex());
}

QString queryValue(const QUrlQuery& query, const QString& key)
{
    return query.queryItemValue(key, QUrl::FullyDecoded);
}

} // namespace

WebAuthHandler::WebAuthHandler(QObject* parent)
    : QObject(parent)
    , m_server(new QTcpServer(this))
    , m_lifetime(new QTimer(this))
    , m_state(randomState())
{
    m_lifetime->setSingleShot(true);
    m_lifetime->setInterval(defaultLifetimeMs);
    connect(m_lifetime, &QTimer::timeout, this, [this] {
        stopListening();
        Q_EMIT timedOut();
    });
    connect(m_server, &QTcpServer::newConnection, this, &WebAuthHandler::acceptConnections);
}

WebAuthHandler::~WebAuthHandler()
{
    stopListening();
}

QString WebAuthHandler::start()
{
    if (!m_server->isListening()) {
        if (!m_server->listen(QHostAddress::LocalHost, preferredPort) && !m_server->listen(QHostAddress::LocalHost, 0))
            return {};
        m_port = m_server->serverPort();
        m_lifetime->start();
    }
    // The address itself, not "localhost": a name that may resolve to ::1
    // first would let another program listening there take the callback.
    return QStringLiteral("http://127.0.0.1:%1/callback").arg(m_port);
}

bool WebAuthHandler::isListening() const
{
    return m_server->isListening();
}

void WebAuthHandler::setLifetime(int milliseconds)
{
    m_lifetime->setInterval(milliseconds);
}

void WebAuthHandler::acceptConnections()
{
    while (QTcpSocket* socket = m_server->nextPendingConnection()) {
        socket->setParent(this);
        m_pending.insert(socket, {});
        connect(socket, &QTcpSocket::readyRead, this, [this, socket] { readRequest(socket); });
        connect(socket, &QTcpSocket::disconnected, this, [this, socket] {
            m_pending.remove(socket);
            socket->deleteLater();
        });
    }
}

void WebAuthHandler::readRequest(QTcpSocket* socket)
{
    const auto pending = m_pending.find(socket);
    if (pending == m_pending.end())
        return;
    pending->append(socket->readAll());
    // Browsers may send the head in several pieces; only a whole one is read.
    const qsizetype end = pending->indexOf("\r\n\r\n");
    if (end < 0 && pending->size() <= maxHeadBytes)
        return;
    const QByteArray head = end < 0 ? QByteArray() : pending->left(end);
    m_pending.erase(pending);
    if (head.isEmpty() || head.size() > maxHeadBytes) {
        respond(socket, 400, QStringLiteral("Bad Request"), tr("Sign-in problem"), tr("The request could not be read."));
        return;
    }
    answerRequest(socket, head);
}

void WebAuthHandler::answerRequest(QTcpSocket* socket, const QByteArray& head)
{
    const QList<QByteArray> requestLine = head.left(head.indexOf("\r\n")).split(' ');
    const QByteArray target = requestLine.value(1);
    const QUrl url(QStringLiteral("http://127.0.0.1:%1%2").arg(m_port).arg(QString::fromUtf8(target)));
    if (requestLine.value(0) != "GET" || !target.startsWith('/') || url.path() != QLatin1String("/callback")) {
        respond(socket, 404, QStringLiteral("Not Found"), tr("Not found"), tr("There is nothing here."));
        return;
    }
    const QUrlQuery query(url);
    if (queryValue(query, QStringLiteral("state")) != m_state) {
        respond(socket, 400, QStringLiteral("Bad Request"), tr("Sign-in problem"),
            tr("This sign-in was not started by Kestrelwood Checkbook on this computer."));
        return;
    }
    if (queryValue(query, QStringLiteral("access_token")).isEmpty()
        || queryValue(query, QStringLiteral("refresh_token")).isEmpty()) {
        respond(socket, 400, QStringLiteral("Bad Request"), tr("Sign-in problem"),
            tr("The sign-in did not complete. Please try again."));
        return;
    }
    respond(socket, 200, QStringLiteral("OK"), tr("Authentication complete!"),
        tr("You can close this tab and return to the application."));
    stopListening();
    Q_EMIT callbackReceived(url);
}

void WebAuthHandler::respond(
    QTcpSocket* socket, int status, const QString& reason, const QString& heading, const QString& text)
{
    const QString page = QStringLiteral("<html><head><meta charset=\"utf-8\"></head>"
                                        "<body style='font-family: sans-serif; text-align: center; padding: 40px;'>"
                                        "<h2>%1</h2><p>%2</p></body></html>")
                             .arg(heading.toHtmlEscaped(), text.toHtmlEscaped());
    const QByteArray body = page.toUtf8();
    socket->write(QStringLiteral("HTTP/1.1 %1 %2\r\nContent-Type: text/html; charset=utf-8\r\n"
                                 "Content-Length: %3\r\nCache-Control: no-store\r\nConnection: close\r\n\r\n")
                      .arg(status)
                      .arg(reason)
                      .arg(body.size())
                      .toLatin1()
        + body);
    socket->flush();
    socket->disconnectFromHost();
}

void WebAuthHandler::stopListening()
{
    m_lifetime->stop();
    if (m_server->isListening())
        m_server->close();
}

} // namespace KestAccount
