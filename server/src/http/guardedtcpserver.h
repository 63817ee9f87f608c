#pragma once

#include <QTcpServer>

// A plain TCP listener whose every connection is watched by a
// RequestSizeGuard before the HTTP server sees it.
class GuardedTcpServer : public QTcpServer
{
    Q_OBJECT

public:
    GuardedTcpServer(qint64 maxBodyBytes, QObject *parent = nullptr);

protected:
    void incomingConnection(qintptr handle) override;

private:
    qint64 m_maxBodyBytes;
};
