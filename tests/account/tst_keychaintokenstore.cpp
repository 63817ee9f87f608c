// The token pair in a real secret service: gnome-keyring-daemon on a
// private session bus of its own, so the user's keyring is never touched.

#include "account/keychaintokenstore.h"

#include <QProcess>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

using namespace KestAccount;

namespace {

const QString appId = QStringLiteral("app.kestrelwood.Checkbook.tests");

// A session bus without service activation: a secret service exists only
// when this test starts one.
const QByteArray busConfig = "<!DOCTYPE busconfig PUBLIC \"-//freedesktop//DTD D-Bus Bus Configuration 1.0//EN\"\n"
                             " \"http://www.freedesktop.org/standards/dbus/1.0/busconfig.dtd\">\n"
                             "<busconfig><type>session</type><listen>unix:tmpdir=/tmp</listen><auth>EXTERNAL</auth>"
                             "<policy context=\"default\"><allow send_destination=\"*\" eavesdrop=\"true\"/>"
                             "<allow eavesdrop=\"true\"/><allow own=\"*\"/></policy></busconfig>\n";

bool secretServiceOnBus()
{
    QProcess query;
    query.start(QStringLiteral("dbus-send"),
        {QStringLiteral("--session"), QStringLiteral("--print-reply"), QStringLiteral("--dest=org.freedesktop.DBus"),
            QStringLiteral("/org/freedesktop/DBus"), QStringLiteral("org.freedesktop.DBus.NameHasOwner"),
            QStringLiteral("string:org.freedesktop.secrets")});
    query.waitForFinished(5000);
    return query.readAllStandardOutput().contains("boolean true");
}

} // namespace

class KeychainTokenStoreTest : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_home;
    QProcess m_bus;
    QProcess m_keyring;

    void stopProcess(QProcess& process)
    {
        if (process.state() == QProcess::NotRunning)
            return;
        process.terminate();
        if (!process.waitForFinished(5000))
            process.kill();
        process.waitForFinished(5000);
    }

private Q_SLOTS:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
        const bool tools = !QStandardPaths::findExecutable(QStringLiteral("dbus-daemon")).isEmpty()
            && !QStandardPaths::findExecutable(QStringLiteral("dbus-send")).isEmpty()
            && !QStandardPaths::findExecutable(QStringLiteral("gnome-keyring-daemon")).isEmpty();
        if (!tools) {
            if (qEnvironmentVariable("CI") == QLatin1String("true"))
                QFAIL("dbus-daemon, dbus-send and gnome-keyring-daemon are needed (scripts/install-deps.sh)");
            QSKIP("dbus-daemon, dbus-send or gnome-keyring-daemon is not installed (scripts/install-deps.sh)");
        }
        const QString configPath = m_home.filePath(QStringLiteral("session.conf"));
        QFile config(configPath);
        QVERIFY(config.open(QIODevice::WriteOnly) && config.write(busConfig) == busConfig.size());
        config.close();
        m_bus.start(QStringLiteral("dbus-daemon"),
            {QStringLiteral("--config-file=") + configPath, QStringLiteral("--nofork"), QStringLiteral("--print-address=1")});
        QVERIFY(m_bus.waitForReadyRead(10000));
        const QByteArray address = m_bus.readLine().trimmed();
        QVERIFY(!address.isEmpty());
        qputenv("DBUS_SESSION_BUS_ADDRESS", address);
    }

    void cleanupTestCase()
    {
        stopProcess(m_keyring);
        stopProcess(m_bus);
    }

    void failedWriteIsReportedOnce()
    {
        QVERIFY(!secretServiceOnBus());
        KeychainTokenStore store(appId);
        QSignalSpy writeFailed(&store, &KeychainTokenStore::writeFailed);
        store.store(TokenStore::accessTokenKey, QStringLiteral("a1"));
        store.store(TokenStore::refreshTokenKey, QStringLiteral("r1"));
        QTRY_COMPARE(writeFailed.size(), 1);
        QTest::qWait(300);
        QCOMPARE(writeFailed.size(), 1);
        QVERIFY(!store.load(TokenStore::accessTokenKey));
    }

    void tokensOutliveTheStoreThatWroteThem()
    {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("XDG_DATA_HOME"), m_home.filePath(QStringLiteral("data")));
        environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), m_home.path());
        environment.insert(QStringLiteral("HOME"), m_home.path());
        m_keyring.setProcessEnvironment(environment);
        m_keyring.start(QStringLiteral("gnome-keyring-daemon"),
            {QStringLiteral("--foreground"), QStringLiteral("--unlock"), QStringLiteral("--components=secrets")});
        QVERIFY(m_keyring.waitForStarted(10000));
        m_keyring.write("test-keyring-password");
        m_keyring.closeWriteChannel();
        QTRY_VERIFY_WITH_TIMEOUT(secretServiceOnBus(), 10000);

        {
            KeychainTokenStore store(appId);
            QSignalSpy writeFailed(&store, &KeychainTokenStore::writeFailed);
            QVERIFY(store.store(TokenStore::accessTokenKey, QStringLiteral("access-1")));
            QVERIFY(store.store(TokenStore::refreshTokenKey, QStringLiteral("refresh-1")));
            QVERIFY(store.store(TokenStore::refreshTokenKey, QStringLiteral("refresh-2")));
            // Read back through a store of its own, as at the next start.
            KeychainTokenStore restarted(appId);
            std::optional<std::pair<QString, QString>> loaded;
            restarted.loadPair([&loaded](const std::optional<QString>& access, const std::optional<QString>& refresh) {
                loaded = std::pair(access.value_or(QString()), refresh.value_or(QString()));
            });
            QTRY_VERIFY(loaded.has_value());
            QCOMPARE(loaded->first, QStringLiteral("access-1"));
            QCOMPARE(loaded->second, QStringLiteral("refresh-2"));
            QCOMPARE(writeFailed.size(), 0);
            store.clear();
        }
        KeychainTokenStore afterSignOut(appId);
        QVERIFY(!afterSignOut.load(TokenStore::accessTokenKey));
        QVERIFY(!afterSignOut.load(TokenStore::refreshTokenKey));
    }
};

QTEST_GUILESS_MAIN(KeychainTokenStoreTest)
#include "tst_keychaintokenstore.moc"
