#include "http/requestsizeguard.h"

#include "http/httpreply.h"

#include <QTcpSocket>
#include <QTimer>

namespace {

const QByteArray headEnd = QByteArrayLiteral("\r\n\r\n");
// A refused client is cut off after this long. Closing at once would lose
// the answer: most clients read none before their upload is done, and a
// connection reset throws away what they had not read yet.
constexpr int refusedLingerMs = 10000;

// The value of header `name` in `head`, or a null array when absent.
QByteArray headerValue(const QByteArray &head, QByteArrayView name)
{
    const QList<QByteArray> lines = head.split('\n');
    for (qsizetype i = 1; i < lines.size(); ++i) {
        const QByteArray &line = lines.at(i);
        const qsizetype colon = line.indexOf(':');
        if (colon > 0 && line.left(colon).trimmed().compare(name, Qt::CaseInsensitive) == 0)
            return line.mid(colon + 1).trimmed();
    }
    return {};
}

} // namespace

void RequestSizeGuard::watch(QTcpSocket *socket, qint64 maxBodyBytes)
{
    new RequestSizeGuard(socket, maxBodyBytes);
}

RequestSizeGuard::RequestSizeGuard(QTcpSocket *socket, qint64 maxBodyBytes)
    : QObject(socket)
    , m_socket(socket)
    , m_maxBodyBytes(maxBodyBytes)
{
    connect(socket, &QTcpSocket::readyRead, this, &RequestSizeGuard::inspectArrivedBytes);
}

void RequestSizeGuard::inspectArrivedBytes()
{
    if (m_refused) {
        m_socket->skip(m_socket->bytesAvailable());
        return;
    }
    // The server reads everything that arrived each time, so what is
    // buffered now is exactly what came since the last look.
    const QByteArray arrived = m_socket->peek(m_socket->bytesAvailable());
    if (!follow(arrived))
        m_socket->skip(arrived.size());
}

bool RequestSizeGuard::follow(QByteArrayView bytes)
{
    while (!bytes.isEmpty()) {
        if (m_bodyBytesLeft > 0) {
            const qsizetype taken = qsizetype(qMin<qint64>(m_bodyBytesLeft, bytes.size()));
            m_bodyBytesLeft -= taken;
            bytes = bytes.sliced(taken);
            continue;
        }
        // A head may end across two arrivals: look again from a little
        // before the new bytes.
        const qsizetype searchFrom = qMax<qsizetype>(0, m_head.size() - (headEnd.size() - 1));
        m_head.append(bytes);
        const qsizetype end = m_head.indexOf(headEnd, searchFrom);
        if (end < 0) {
            if (m_head.size() > maxHeadBytes) {
                refuse(431, QByteArrayLiteral("Request Header Fields Too Large"),
                       QStringLiteral("The request head is larger than %1 bytes").arg(maxHeadBytes));
                return false;
            }
            return true;
        }
        const QByteArray rest = m_head.mid(end + headEnd.size());
        m_head.truncate(end);
        if (!headEnded())
            return false;
        m_head.clear();
        // `rest` belongs to this request's body or to the next request.
        return follow(rest);
    }
    return true;
}

bool RequestSizeGuard::headEnded()
{
    if (m_head.size() > maxHeadBytes) {
        refuse(431, QByteArrayLiteral("Request Header Fields Too Large"),
               QStringLiteral("The request head is larger than %1 bytes").arg(maxHeadBytes));
        return false;
    }
    if (!headerValue(m_head, "Transfer-Encoding").isNull()) {
        refuse(411, QByteArrayLiteral("Length Required"),
               QStringLiteral("A request body must declare its Content-Length"));
        return false;
    }
    const QByteArray declared = headerValue(m_head, "Content-Length");
    if (declared.isNull())
        return true;
    bool ok = false;
    const qint64 length = declared.toLongLong(&ok);
    if (!ok || length < 0) {
        refuse(400, QByteArrayLiteral("Bad Request"), QStringLiteral("The Content-Length is not a number"));
        return false;
    }
    if (length > m_maxBodyBytes) {
        refuse(413, QByteArrayLiteral("Payload Too Large"),
               QStringLiteral("The request body is larger than %1 bytes").arg(m_maxBodyBytes));
        return false;
    }
    m_bodyBytesLeft = length;
    return true;
}

void RequestSizeGuard::refuse(int status, const QByteArray &reason, const QString &message)
{
    m_refused = true;
    const HttpReply reply = HttpReply::error(status, message);
    QByteArray answer = "HTTP/1.1 " + QByteArray::number(status) + ' ' + reason + "\r\n";
    answer += "Content-Type: " + reply.contentType + "\r\n";
    answer += "Content-Length: " + QByteArray::number(reply.body.size()) + "\r\n";
    answer += "Cache-Control: no-store\r\nConnection: close\r\n\r\n";
    answer += reply.body;
    m_socket->write(answer);
    QTimer::singleShot(refusedLingerMs, m_socket, &QTcpSocket::abort);
}
