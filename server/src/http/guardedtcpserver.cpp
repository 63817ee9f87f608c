#include "http/guardedtcpserver.h"

#include "http/requestsizeguard.h"

#include <QTcpSocket>

GuardedTcpServer::GuardedTcpServer(qint64 maxBodyBytes, QObject *parent)
    : QTcpServer(parent)
    , m_maxBodyBytes(maxBodyBytes)
{
}

void GuardedTcpServer::incomingConnection(qintptr handle)
{
    auto *socket = new QTcpSocket(this);
    if (!socket->setSocketDescriptor(handle)) {
        delete socket;
        return;
    }
    RequestSizeGuard::watch(socket, m_maxBodyBytes);
    addPendingConnection(socket);
}
