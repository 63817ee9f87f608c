// Copies of the built program are started on data directories of their
// own, so the guard is seen across real processes. The raised window is
// checked in this process, which runs the program's Application itself.

#include "app/application.h"
#include "app/mainwindow.h"
#include "app/singleinstanceguard.h"
#include "support/testdatabase.h"

#include <QLocalSocket>
#include <QProcess>
#include <QtTest>

namespace {

// Whether a copy of the program serves the data directory.
bool servesDataDirectory(const QString& dataDirectory)
{
    QLocalSocket socket;
    socket.connectToServer(SingleInstanceGuard::serverName(dataDirectory));
    return socket.waitForConnected(1000);
}

// A copy of the program, stopped when the test is done with it.
class ProgramCopy : public QProcess
{
public:
    ~ProgramCopy() override
    {
        kill();
        waitForFinished();
    }
};

Application* application()
{
    return static_cast<Application*>(QCoreApplication::instance());
}

} // namespace

class SingleInstanceGuardTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void oneCopyRunsPerDataDirectory()
    {
        QTemporaryDir household;
        QTemporaryDir business;
        ProgramCopy first;
        start(first, household.path());
        QTRY_VERIFY_WITH_TIMEOUT(servesDataDirectory(household.path()), 30000);

        // A second start on the same data raises the first and exits.
        ProgramCopy second;
        start(second, household.path());
        QVERIFY(second.waitForFinished(30000));
        QCOMPARE(second.exitStatus(), QProcess::NormalExit);
        QCOMPARE(second.exitCode(), 0);
        QVERIFY(!second.readAllStandardError().contains("Opening database at:"));
        QByteArray firstLog;
        QTRY_VERIFY_WITH_TIMEOUT((firstLog += first.readAllStandardError()).contains("Raising the main window"), 30000);

        // A copy on other data runs beside the first.
        ProgramCopy beside;
        start(beside, business.path());
        QTRY_VERIFY_WITH_TIMEOUT(servesDataDirectory(business.path()), 30000);
        QCOMPARE(first.state(), QProcess::Running);
        QCOMPARE(beside.state(), QProcess::Running);

        // The lock a killed copy leaves behind blocks no later start.
        first.kill();
        QVERIFY(first.waitForFinished(30000));
        QVERIFY(QFile::exists(SingleInstanceGuard::lockFilePath(household.path())));
        QVERIFY(!servesDataDirectory(household.path()));
        ProgramCopy next;
        start(next, household.path());
        QTRY_VERIFY_WITH_TIMEOUT(servesDataDirectory(household.path()), 30000);
        QCOMPARE(next.state(), QProcess::Running);
    }
    void raisesMinimizedWindow()
    {
        TestDataDirectory dataDirectory;
        bool refused = false;
        bool raised = false;
        QTimer::singleShot(0, this, [&] {
            MainWindow* window = nullptr;
            for (QWidget* widget : QApplication::topLevelWidgets())
                window = window ? window : qobject_cast<MainWindow*>(widget);
            if (!window) {
                QCoreApplication::exit(1);
                return;
            }
            window->showMinimized();
            SingleInstanceGuard secondStart(dataDirectory.path());
            refused = !secondStart.claim();
            raised = QTest::qWaitFor([window] { return !window->isMinimized() && window->isActiveWindow(); });
            window->close();
        });
        QCOMPARE(application()->run(), 0);
        QVERIFY(refused);
        QVERIFY(raised);
    }

private:
    // Starts the program on `dataDirectory`, with settings of its own.
    void start(ProgramCopy& program, const QString& dataDirectory)
    {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("HOME"), m_home.path());
        environment.remove(QStringLiteral("XDG_CONFIG_HOME"));
        environment.insert(QStringLiteral("CHECKBOOK_DATA_DIR"), dataDirectory);
        environment.insert(QStringLiteral("CHECKBOOK_VERBOSE"), QStringLiteral("1"));
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        environment.insert(QStringLiteral("QT_FORCE_STDERR_LOGGING"), QStringLiteral("1"));
        program.setProcessEnvironment(environment);
        program.start(QStringLiteral(CHECKBOOK_PROGRAM));
        QVERIFY2(program.waitForStarted(), qPrintable(program.errorString()));
    }

    QTemporaryDir m_home;
};

int main(int argc, char** argv)
{
    QStandardPaths::setTestModeEnabled(true);
    QTemporaryDir settingsDirectory;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settingsDirectory.path());
    Application app(argc, argv);
    SingleInstanceGuardTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_singleinstanceguard.moc"
