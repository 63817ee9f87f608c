#pragma once

#include <QByteArray>
#include <QObject>

class QTcpSocket;

// Watches the bytes arriving on one connection, ahead of the HTTP server's
// own reading, and turns a request away by its head: a body announced
// larger than the limit (413), a head larger than its limit (431) or a body
// without a declared length (411). Qt's server would otherwise read every
// byte of such a body into memory before the request could be refused.
// After a refusal whatever else arrives is thrown away unread until the
// client hangs up or its time runs out.
class RequestSizeGuard : public QObject
{
    Q_OBJECT

public:
    static constexpr qsizetype maxHeadBytes = 64 * 1024;

    // Installs a guard owned by `socket`. Call it before anyone else
    // connects to the socket's readyRead, so the guard sees the bytes first.
    static void watch(QTcpSocket *socket, qint64 maxBodyBytes);

private:
    RequestSizeGuard(QTcpSocket *socket, qint64 maxBodyBytes);

    void inspectArrivedBytes();
    // Consumes `bytes` of the stream; false once the request is refused.
    bool follow(QByteArrayView bytes);
    bool headEnded();
    void refuse(int status, const QByteArray &reason, const QString &message);

    QTcpSocket *m_socket;
    qint64 m_maxBodyBytes;
    QByteArray m_head;
    qint64 m_bodyBytesLeft = 0;
    bool m_refused = false;
};
