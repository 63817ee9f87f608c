#include "app/singleinstanceguard.h"

#include "storage/privatefiles.h"

#include <QCryptographicHash>
#include <QDeadlineTimer>
#include <QDebug>
#include <QDir>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>
#include <QThread>

namespace {

const QByteArray raiseRequest = QByteArrayLiteral("raise\n");

// The running copy takes its lock a moment before it listens; a start that
// comes in between waits this long for the socket to appear.
constexpr int listenWaitMs = 3000;
constexpr int connectRetryMs = 50;

} // namespace

SingleInstanceGuard::SingleInstanceGuard(const QString& dataDirectory, QObject* parent)
    : QObject(parent)
    , m_serverName(serverName(dataDirectory))
    , m_lock(lockFilePath(dataDirectory))
{
    // A running copy never goes stale, however long it runs; only a lock
    // whose owner process is gone is taken over.
    m_lock.setStaleLockTime(0);
}

QString SingleInstanceGuard::serverName(const QString& dataDirectory)
{
    const QString canonical = QFileInfo(dataDirectory).canonicalFilePath();
    const QByteArray hash = QCryptographicHash::hash(canonical.toUtf8(), QCryptographicHash::Sha256).toHex();
    return QStringLiteral("kestrelwood-checkbook-") + QString::fromLatin1(hash.left(24));
}

QString SingleInstanceGuard::lockFilePath(const QString& dataDirectory)
{
    return QDir(dataDirectory).filePath(QStringLiteral("checkbook.lock"));
}

bool SingleInstanceGuard::claim()
{
    if (m_lock.tryLock(0)) {
        restrictFileToOwner(m_lock.fileName());
        listen();
        return true;
    }
    if (m_lock.error() != QLockFile::LockFailedError) {
        qWarning().noquote() << "SingleInstanceGuard: cannot create the lock file" << m_lock.fileName();
        return true;
    }
    if (!askRunningCopyToRaise())
        qWarning("SingleInstanceGuard: the running copy did not answer; leaving its window as it is");
    return false;
}

void SingleInstanceGuard::listen()
{
    m_server = new QLocalServer(this);
    // Only the owner may ask for the window.
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    // Holding the lock proves that a socket left under this name belongs to
    // a copy that died.
    QLocalServer::removeServer(m_serverName);
    if (!m_server->listen(m_serverName)) {
        qWarning().noquote() << "SingleInstanceGuard: cannot listen for later starts:" << m_server->errorString();
        return;
    }
    connect(m_server, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket* connection = m_server->nextPendingConnection()) {
            connect(connection, &QLocalSocket::disconnected, connection, &QObject::deleteLater);
            connect(connection, &QLocalSocket::readyRead, this, [this, connection] { readRequest(connection); });
            readRequest(connection);
        }
    });
}

void SingleInstanceGuard::readRequest(QLocalSocket* connection)
{
    while (connection->canReadLine()) {
        if (connection->readLine() == raiseRequest)
            Q_EMIT raiseRequested();
    }
}

bool SingleInstanceGuard::askRunningCopyToRaise() const
{
    const QDeadlineTimer deadline(listenWaitMs);
    QLocalSocket socket;
    for (;;) {
        socket.connectToServer(m_serverName);
        if (socket.waitForConnected(int(deadline.remainingTime())))
            break;
        if (deadline.hasExpired())
            return false;
        QThread::msleep(connectRetryMs);
    }
    socket.write(raiseRequest);
    const bool sent = socket.waitForBytesWritten(int(deadline.remainingTime()));
    socket.disconnectFromServer();
    return sent;
}
