#pragma once

#include <QLockFile>
#include <QObject>
#include <QString>

class QLocalServer;
class QLocalSocket;

// One copy of the program per data directory: two copies writing the same
// register would each keep their own picture of it. The first start holds
// a lock file in the data directory and listens on a local socket named
// after that directory; a later start finds the lock, asks the running copy
// through the socket to come to the front, and stops.
class SingleInstanceGuard : public QObject
{
    Q_OBJECT

public:
    // `dataDirectory` must exist.
    explicit SingleInstanceGuard(const QString& dataDirectory, QObject* parent = nullptr);

    // True when this process may go on: it now holds the data directory, or
    // no lock file can be made there at all (the database then reports the
    // directory's trouble itself). False when another copy runs on it; that
    // copy has been asked to raise its window. A lock left by a copy that
    // died is taken over.
    [[nodiscard]] bool claim();

    // The local socket of the copy running on `dataDirectory`, the same for
    // every spelling of the directory's path.
    static QString serverName(const QString& dataDirectory);
    static QString lockFilePath(const QString& dataDirectory);

Q_SIGNALS:
    // A later start on the same data directory asked for the window.
    void raiseRequested();

private:
    void listen();
    void readRequest(QLocalSocket* connection);
    bool askRunningCopyToRaise() const;

    QString m_serverName;
    QLockFile m_lock;
    QLocalServer* m_server = nullptr;
};
