// The program's first start under the most permissive umask, in a home
// directory of its own: every directory and file it leaves behind, the
// settings written when its window closes included, is its owner's only.

#include "app/application.h"

#include <QDirIterator>
#include <QProcess>
#include <QtTest>

#ifdef Q_OS_UNIX
#include <sys/stat.h>

namespace {

const char startMode[] = "--start-and-close";

// Child mode: the program's start under umask 000, its window closed as
// soon as it is shown.
int startAndClose(int argc, char** argv)
{
    umask(0);
    Application application(argc, argv);
    QTimer::singleShot(0, &application, &QApplication::closeAllWindows);
    return application.run();
}

int modeOf(const QString& path)
{
    struct stat info {};
    if (::stat(QFile::encodeName(path).constData(), &info) != 0)
        return -1;
    return static_cast<int>(info.st_mode & 0777);
}

} // namespace

class PrivateSettingsTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void firstStartLeavesOnlyPrivateFiles()
    {
        QTemporaryDir home;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("HOME"), home.path());
        for (const char* variable : {"XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_CACHE_HOME", "CHECKBOOK_DATA_DIR"})
            environment.remove(QLatin1String(variable));
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        QProcess child;
        child.setProcessEnvironment(environment);
        child.start(QCoreApplication::applicationFilePath(), {QString::fromLatin1(startMode)});
        QVERIFY(child.waitForFinished(60000));
        QCOMPARE(child.exitStatus(), QProcess::NormalExit);
        QCOMPARE(child.exitCode(), 0);

        const QString settingsFile = home.filePath(QStringLiteral(".config/Kestrelwood/Checkbook.conf"));
        QVERIFY(QSettings(settingsFile, QSettings::IniFormat).contains(QStringLiteral("mainwindow/geometry")));
        QVERIFY(QFileInfo::exists(home.filePath(QStringLiteral(".local/share/Kestrelwood/Checkbook/checkbook.db"))));
        QStringList entries;
        QDirIterator everything(home.path(), QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
        while (everything.hasNext()) {
            const QString path = everything.next();
            const int expected = everything.fileInfo().isDir() ? 0700 : 0600;
            QVERIFY2(modeOf(path) == expected, qPrintable(QStringLiteral("%1: %2").arg(path).arg(modeOf(path), 0, 8)));
            entries.append(QDir(home.path()).relativeFilePath(path));
        }
        entries.sort();
        QCOMPARE(entries,
            QStringList({QStringLiteral(".config"), QStringLiteral(".config/Kestrelwood"),
                QStringLiteral(".config/Kestrelwood/Checkbook.conf"), QStringLiteral(".local"), QStringLiteral(".local/share"),
                QStringLiteral(".local/share/Kestrelwood"), QStringLiteral(".local/share/Kestrelwood/Checkbook"),
                QStringLiteral(".local/share/Kestrelwood/Checkbook/checkbook.db")}));
    }
};

int main(int argc, char** argv)
{
    if (argc > 1 && qstrcmp(argv[1], startMode) == 0)
        return startAndClose(argc, argv);
    QCoreApplication application(argc, argv);
    PrivateSettingsTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_privatesettings.moc"
#else
// Permissions are a Unix concern.
QTEST_NOOP_MAIN
#endif
