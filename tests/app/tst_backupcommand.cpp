// "kestrelwood-checkbook --export-backup" and "--restore-backup": the built
// program run as a script runs it, without a display, on the data
// directory the program uses; its answers, exit codes and refusals.

#include "app/singleinstanceguard.h"
#include "support/storagetesting.h"
#include "support/testworld.h"

#include <QProcess>
#include <quazip.h>
#include <quazipfile.h>

using namespace Qt::StringLiterals;

namespace {

struct ChildOutput
{
    int exitCode = -1;
    QByteArray out;
    QByteArray err;
};

ChildOutput runProgram(const QStringList& arguments, const QString& dataDirectory)
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* variable : {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY", "CHECKBOOK_VERBOSE"})
        environment.remove(QLatin1String(variable));
    environment.insert(u"CHECKBOOK_DATA_DIR"_s, dataDirectory);
    environment.insert(u"XDG_CONFIG_HOME"_s, dataDirectory);
    environment.insert(u"LC_ALL"_s, u"C"_s);
    QProcess child;
    child.setProcessEnvironment(environment);
    child.start(QStringLiteral(CHECKBOOK_PROGRAM), arguments);
    if (!child.waitForFinished(60000) || child.exitStatus() != QProcess::NormalExit) {
        child.kill();
        child.waitForFinished();
        return {};
    }
    return {child.exitCode(), child.readAllStandardOutput(), child.readAllStandardError()};
}

qint64 rowCount(Database* database)
{
    qint64 count = 0;
    for (const char* table : {"accounts", "categories", "transactions", "split_lines", "recurring_transactions", "reconciliations"})
        count += scalar(database, u"SELECT COUNT(*) FROM %1"_s.arg(QLatin1String(table))).toLongLong();
    return count;
}

bool writeManifestOnly(const QString& path, int version)
{
    QuaZip zip(path);
    if (!zip.open(QuaZip::mdCreate))
        return false;
    QuaZipFile file(&zip);
    const QByteArray manifest = u"{\"version\": %1}"_s.arg(version).toUtf8();
    const bool written = file.open(QIODevice::WriteOnly, QuaZipNewInfo(u"manifest.json"_s)) && file.write(manifest) == manifest.size();
    file.close();
    zip.close();
    return written && zip.getZipError() == ZIP_OK;
}

} // namespace

class TestBackupCommand : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void exportsAndRestores()
    {
        TestWorld world;
        const Account checking = world.addAccount(u"Checking"_s);
        const Transaction lost = world.addTransaction(checking.id, QDate(2024, 5, 1), u"Grocer"_s, -4550);
        world.addTransaction(checking.id, QDate(2024, 5, 2), u"Employer"_s, 250000);
        Database* database = world.appState.database();
        const qint64 rows = rowCount(database);
        const QString directory = world.dataDirectory.path();
        const QString backup = directory + u"/nightly.zip"_s;

        // Beside the open program, as a nightly job finds it.
        const ChildOutput exported = runProgram({u"--export-backup"_s, backup}, directory);
        QCOMPARE(exported.err, QByteArray());
        QCOMPARE(exported.exitCode, 0);
        QCOMPARE(exported.out, u"Backup saved to:\n%1\n"_s.arg(backup).toUtf8());
        QCOMPARE(QFile::permissions(backup) & QFile::Permissions(0x0077), QFile::Permissions());

        const ChildOutput skipped = runProgram({u"--restore-backup"_s, backup, u"--mode"_s, u"skip"_s}, directory);
        QCOMPARE(skipped.err, QByteArray());
        QCOMPARE(skipped.exitCode, 0);
        QCOMPARE(skipped.out, u"Imported 0 items, skipped %1.\n"_s.arg(rows).toUtf8());

        QVERIFY(execute(database, u"DELETE FROM transactions WHERE id = '%1'"_s.arg(lost.id)));
        const ChildOutput newer = runProgram({u"--restore-backup"_s, backup, u"--mode=newer"_s}, directory);
        QCOMPARE(newer.exitCode, 0);
        QCOMPARE(newer.out, u"Imported 1 items, skipped %1.\n"_s.arg(rows - 1).toUtf8());
        QCOMPARE(scalar(database, u"SELECT payee FROM transactions WHERE id = ?"_s, {lost.id}).toString(), lost.payee);
    }

    void restoreWaitsForTheProgramToClose()
    {
        TestWorld world;
        world.addAccount(u"Checking"_s);
        const QString directory = world.dataDirectory.path();
        const QString backup = directory + u"/backup.zip"_s;
        QCOMPARE(runProgram({u"--export-backup"_s, backup}, directory).exitCode, 0);
        SingleInstanceGuard runningProgram(directory);
        QVERIFY(runningProgram.claim());
        const ChildOutput refused = runProgram({u"--restore-backup"_s, backup, u"--mode"_s, u"replace"_s}, directory);
        QCOMPARE(refused.exitCode, 1);
        QCOMPARE(refused.out, QByteArray());
        QVERIFY(refused.err.contains("Close it"));
        QCOMPARE(scalar(world.appState.database(), u"SELECT MAX(version) FROM accounts"_s).toInt(), 1);
    }

    void failuresEndWithTheirReasons_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QByteArray>("out");
        QTest::addColumn<QByteArray>("errStart");
        // The English catalogue spells the plural "%n error(s)" out.
        const QByteArray failed = "Imported 0 items, skipped 0.\n\n1 error occurred.\n";
        QTest::newRow("version 2") << QStringList{u"--restore-backup"_s, u"@/version2.zip"_s, u"--mode=replace"_s} << 1
                                   << failed + "Unsupported backup version: 2\n" << QByteArray();
        QTest::newRow("no file") << QStringList{u"--restore-backup"_s, u"@/missing.zip"_s, u"--mode=skip"_s} << 1
                                 << failed + "Could not read file.\n" << QByteArray();
        QTest::newRow("no mode") << QStringList{u"--restore-backup"_s, u"@/version2.zip"_s} << 2 << QByteArray()
                                 << QByteArray("--restore-backup needs --mode");
        QTest::newRow("unknown mode") << QStringList{u"--restore-backup"_s, u"@/version2.zip"_s, u"--mode=all"_s} << 2
                                      << QByteArray() << QByteArray("--restore-backup needs --mode");
        QTest::newRow("export nowhere") << QStringList{u"--export-backup"_s, u"@/missing/backup.zip"_s} << 1 << QByteArray()
                                        << QByteArray("Could not write to:\n");
        QTest::newRow("two commands") << QStringList{u"--export-backup=@/a.zip"_s, u"--search=x"_s} << 2 << QByteArray()
                                      << QByteArray("Give one of");
    }
    void failuresEndWithTheirReasons()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, exitCode);
        QFETCH(QByteArray, out);
        QFETCH(QByteArray, errStart);
        TestWorld world;
        world.addAccount(u"Checking"_s);
        const QString directory = world.dataDirectory.path();
        QVERIFY(writeManifestOnly(directory + u"/version2.zip"_s, 2));
        const qint64 rows = rowCount(world.appState.database());
        arguments.replaceInStrings(u"@"_s, directory);
        const ChildOutput result = runProgram(arguments, directory);
        QCOMPARE(result.exitCode, exitCode);
        QCOMPARE(result.out, out);
        QVERIFY2(result.err.startsWith(errStart), result.err.constData());
        QCOMPARE(result.err.isEmpty(), errStart.isEmpty());
        QCOMPARE(rowCount(world.appState.database()), rows);
    }
};

QTEST_MAIN(TestBackupCommand)
#include "tst_backupcommand.moc"
