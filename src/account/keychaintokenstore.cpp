#include "account/keychaintokenstore.h"

#ifndef Q_OS_WIN

#include <QCoreApplication>
#include <QDebug>
#include <QEventLoop>
#include <QTimer>

#include <memory>
#include <qt6keychain/keychain.h>

namespace KestAccount {

KeychainTokenStore::KeychainTokenStore(const QString& appId, QObject* parent)
    : QObject(parent)
    , m_service(QStringLiteral("Kestrelwood/%1").arg(appId))
{
    if (QCoreApplication::instance())
        connect(QCoreApplication::instance(), &QCoreApplication::aboutToQuit, this,
            &KeychainTokenStore::waitForPendingWrites);
}

KeychainTokenStore::~KeychainTokenStore()
{
    waitForPendingWrites();
}

std::optional<QString> KeychainTokenStore::load(const QString& key)
{
    auto* job = new QKeychain::ReadPasswordJob(m_service, this);
    job->setKey(key);
    std::optional<QString> value;
    bool finished = false;
    QEventLoop loop;
    connect(job, &QKeychain::Job::finished, &loop, [&] {
        finished = true;
        if (job->error() == QKeychain::NoError)
            value = job->textData();
        else if (job->error() != QKeychain::EntryNotFound)
            qWarning().noquote() << "KeychainTokenStore::load failed:" << job->errorString();
        loop.quit();
    });
    QTimer::singleShot(defaultReadTimeoutMs, &loop, &QEventLoop::quit);
    job->start();
    if (!finished)
        loop.exec(QEventLoop::ExcludeUserInputEvents);
    if (!finished)
        qWarning("KeychainTokenStore::load: the secret service did not answer");
    return value;
}

void KeychainTokenStore::loadPair(const PairLoaded& loaded)
{
    // Jobs run in the order started, so the refresh token's answer comes last.
    auto accessToken = std::make_shared<std::optional<QString>>();
    read(accessTokenKey, [accessToken](const std::optional<QString>& value) { *accessToken = value; });
    read(refreshTokenKey, [accessToken, loaded](const std::optional<QString>& value) { loaded(*accessToken, value); });
}

void KeychainTokenStore::read(const QString& key, const std::function<void(const std::optional<QString>&)>& done)
{
    auto* job = new QKeychain::ReadPasswordJob(m_service);
    job->setKey(key);
    connect(job, &QKeychain::Job::finished, this, [job, done] {
        if (job->error() == QKeychain::NoError) {
            done(job->textData());
            return;
        }
        if (job->error() != QKeychain::EntryNotFound)
            qWarning().noquote() << "KeychainTokenStore::load failed:" << job->errorString();
        done(std::nullopt);
    });
    job->start();
}

bool KeychainTokenStore::store(const QString& key, const QString& value)
{
    auto* job = new QKeychain::WritePasswordJob(m_service);
    job->setKey(key);
    job->setTextData(value);
    connect(job, &QKeychain::Job::finished, this, [this, job] {
        if (job->error() == QKeychain::NoError || m_writeFailureReported)
            return;
        m_writeFailureReported = true;
        qWarning().noquote() << "KeychainTokenStore::store failed:" << job->errorString();
        Q_EMIT writeFailed();
    });
    startWrite(job);
    return true;
}

bool KeychainTokenStore::remove(const QString& key)
{
    auto* job = new QKeychain::DeletePasswordJob(m_service);
    job->setKey(key);
    startWrite(job);
    return true;
}

void KeychainTokenStore::startWrite(QKeychain::Job* job)
{
    // Jobs run one after another in the order started, and delete themselves.
    ++m_pendingWrites;
    connect(job, &QKeychain::Job::finished, this, [this] {
        if (--m_pendingWrites == 0 && m_waitingForWrites)
            m_waitingForWrites->quit();
    });
    job->start();
}

void KeychainTokenStore::waitForPendingWrites()
{
    if (m_pendingWrites == 0 || m_waitingForWrites)
        return;
    QEventLoop loop;
    m_waitingForWrites = &loop;
    QTimer::singleShot(pendingWritesTimeoutMs, &loop, &QEventLoop::quit);
    loop.exec(QEventLoop::ExcludeUserInputEvents);
    m_waitingForWrites = nullptr;
}

void KeychainTokenStore::clear()
{
    remove(accessTokenKey);
    remove(refreshTokenKey);
}

} // namespace KestAccount

#endif
