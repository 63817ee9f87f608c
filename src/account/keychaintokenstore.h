#pragma once

#include <QtGlobal>

#ifndef Q_OS_WIN

#include "account/tokenstore.h"

#include <QObject>

class QEventLoop;

namespace QKeychain {
class Job;
}

namespace KestAccount {

// The token pair in the desktop's secret service (GNOME Keyring, KWallet)
// through QtKeychain, under the service "Kestrelwood/<appId>" and the same
// key names as on Windows. Writes go out in order without waiting; when
// one fails, the tokens live in memory for this run only, and
// writeFailed() says so, once. Writes still on their way when the program
// quits are waited for, so a sign-out just before quitting holds.
class KeychainTokenStore : public QObject, public TokenStore
{
    Q_OBJECT

public:
    static constexpr int defaultReadTimeoutMs = 10000;
    static constexpr int pendingWritesTimeoutMs = 5000;

    explicit KeychainTokenStore(const QString& appId, QObject* parent = nullptr);
    ~KeychainTokenStore() override;

    // Waits for the secret service's answer, at most the read time-out.
    std::optional<QString> load(const QString& key) override;
    // Asks without waiting, so nothing else of the program runs early.
    void loadPair(const PairLoaded& loaded) override;
    bool store(const QString& key, const QString& value) override;
    bool remove(const QString& key) override;
    void clear() override;

Q_SIGNALS:
    void writeFailed();

private:
    void startWrite(QKeychain::Job* job);
    void read(const QString& key, const std::function<void(const std::optional<QString>&)>& done);
    void waitForPendingWrites();

    QString m_service;
    bool m_writeFailureReported = false;
    int m_pendingWrites = 0;
    QEventLoop* m_waitingForWrites = nullptr;
};

} // namespace KestAccount

#endif
