// scripts/package.sh on this build: the two Debian packages, which lintian
// passes without errors, each holding its own files, naming the packages it
// needs at run time, and with a program that runs from the unpacked files.

#include "app/buildinfo.h"

#include <QDir>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

struct Run
{
    int exitCode = -1;
    QByteArray out;
};

Run run(const QString& program, const QStringList& arguments, int timeout = 60000)
{
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* variable : {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY"})
        environment.remove(QLatin1String(variable));
    process.setProcessEnvironment(environment);
    process.start(program, arguments);
    if (!process.waitForFinished(timeout) || process.exitStatus() != QProcess::NormalExit) {
        process.kill();
        process.waitForFinished();
        return {-1, process.readAll()};
    }
    return {process.exitCode(), process.readAll()};
}

// The names of a control field such as "libc6 (>= 2.34), qt6-qpa-plugins,
// gnome-keyring | kwalletmanager", without versions; alternatives count each.
QStringList packageNames(const QByteArray& field)
{
    QStringList names;
    for (const QString& part : QString::fromUtf8(field).split(QRegularExpression(u"[,|]"_s), Qt::SkipEmptyParts))
        names.append(part.trimmed().section(u' ', 0, 0));
    return names;
}

} // namespace

class TestDebianPackage : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
        for (const QString& tool : {u"cpack"_s, u"dpkg-deb"_s, u"dpkg-shlibdeps"_s, u"lintian"_s}) {
            if (QStandardPaths::findExecutable(tool).isEmpty())
                QSKIP(qPrintable(tool + u" is not installed; scripts/install-deps.sh installs it"_s));
        }
        const Run made = run(u"bash"_s,
            {QStringLiteral(CHECKBOOK_SOURCE_DIR "/scripts/package.sh"), QStringLiteral(CHECKBOOK_BUILD_DIR)}, 600000);
        QVERIFY2(made.exitCode == 0, made.out.right(4000).constData());
    }

    void contents_data()
    {
        QTest::addColumn<QString>("package");
        QTest::addColumn<QString>("path");
        QTest::addColumn<bool>("held");
        const QString app = QStringLiteral(CHECKBOOK_APP_ID);
        const auto row = [](const QString& package, const QString& path, bool held) {
            QTest::addRow("%s %s", qPrintable(package), qPrintable(path)) << package << path << held;
        };
        for (const QString& path : {u"/usr/bin/kestrelwood-checkbook"_s, u"/usr/share/applications/"_s + app + u".desktop"_s,
                 u"/usr/share/metainfo/"_s + app + u".metainfo.xml"_s,
                 u"/usr/share/icons/hicolor/48x48/apps/"_s + app + u".png"_s,
                 u"/usr/share/doc/kestrelwood-checkbook/copyright"_s,
                 u"/usr/share/doc/kestrelwood-checkbook/changelog.gz"_s})
            row(u"kestrelwood-checkbook"_s, path, true);
        row(u"kestrelwood-checkbook"_s, u"/usr/bin/kestrelwood-server"_s, false);
        for (const QString& path : {u"/usr/bin/kestrelwood-server"_s, u"/usr/lib/systemd/system/kestrelwood-server.service"_s,
                 u"/usr/share/doc/kestrelwood-server/copyright"_s, u"/usr/share/doc/kestrelwood-server/changelog.gz"_s,
                 u"/usr/share/doc/kestrelwood-server/server.md"_s})
            row(u"kestrelwood-server"_s, path, true);
        row(u"kestrelwood-server"_s, u"/usr/bin/kestrelwood-checkbook"_s, false);
    }
    void contents()
    {
        QFETCH(QString, package);
        QFETCH(QString, path);
        QFETCH(bool, held);
        const Run listed = run(u"dpkg-deb"_s, {u"--contents"_s, debFile(package)});
        QCOMPARE(listed.exitCode, 0);
        QCOMPARE(listed.out.contains(" ." + path.toUtf8() + '\n'), held);
    }

    void dependencies_data()
    {
        QTest::addColumn<QString>("package");
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("dependency");
        const auto row = [](const char* package, const char* field, const char* dependency) {
            QTest::addRow("%s %s %s", package, field, dependency)
                << QString::fromUtf8(package) << QString::fromUtf8(field) << QString::fromUtf8(dependency);
        };
        // Found by dpkg-shlibdeps in the linked libraries.
        for (const char* linked : {"libqt6widgets6", "libqt6charts6", "libqt6keychain1", "libquazip1-qt6-1", "libofx7"})
            row("kestrelwood-checkbook", "Depends", linked);
        // Loaded at run time, so named by hand.
        row("kestrelwood-checkbook", "Depends", "libqt6sql6-sqlite");
        row("kestrelwood-checkbook", "Depends", "qt6-qpa-plugins");
        row("kestrelwood-checkbook", "Recommends", "gnome-keyring");
        row("kestrelwood-checkbook", "Recommends", "libsecret-1-0");
        for (const char* linked : {"libqt6httpserver6", "libsodium23", "libjwt0"})
            row("kestrelwood-server", "Depends", linked);
        row("kestrelwood-server", "Depends", "libqt6sql6-sqlite");
        row("kestrelwood-server", "Recommends", "libqt6sql6-psql");
    }
    void dependencies()
    {
        QFETCH(QString, package);
        QFETCH(QString, field);
        QFETCH(QString, dependency);
        const Run shown = run(u"dpkg-deb"_s, {u"--field"_s, debFile(package), field});
        QCOMPARE(shown.exitCode, 0);
        QVERIFY2(packageNames(shown.out).contains(dependency), shown.out.constData());
    }

    // The unpacked, stripped programs answer without a display.
    void unpackedProgramsRun_data()
    {
        QTest::addColumn<QString>("package");
        QTest::addColumn<QByteArray>("version");
        QTest::newRow("program") << u"kestrelwood-checkbook"_s << QByteArray("Kestrelwood Checkbook " CHECKBOOK_VERSION "\n");
        QTest::newRow("server") << u"kestrelwood-server"_s << QByteArray("kestrelwood-server " CHECKBOOK_VERSION "\n");
    }
    void unpackedProgramsRun()
    {
        QFETCH(QString, package);
        QFETCH(QByteArray, version);
        QTemporaryDir root;
        QCOMPARE(run(u"dpkg-deb"_s, {u"-x"_s, debFile(package), root.path()}).exitCode, 0);
        const Run answered = run(root.filePath(u"usr/bin/"_s + package), {u"--version"_s});
        QCOMPARE(answered.exitCode, 0);
        QCOMPARE(answered.out, version);
    }

private:
    static QString debFile(const QString& package)
    {
        const QDir packages(QStringLiteral(CHECKBOOK_BUILD_DIR "/packages"));
        const QStringList found = packages.entryList({package + u"_*.deb"_s}, QDir::Files);
        return found.size() == 1 ? packages.filePath(found.constFirst()) : QString();
    }
};

QTEST_GUILESS_MAIN(TestDebianPackage)
#include "tst_debianpackage.moc"
