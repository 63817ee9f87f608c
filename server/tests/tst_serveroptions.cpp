// The command line of kestrelwood-server: --help and --version answer and
// stop, what it does not know stops the start with a hint at --help.
#include <QProcess>
#include <QtTest>

class TestServerOptions : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void answersOrRefuses_data();
    void answersOrRefuses();
};

void TestServerOptions::answersOrRefuses_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QByteArray>("out");
    QTest::addColumn<QByteArray>("err");
    QTest::newRow("help") << QStringList{QStringLiteral("--help")} << 0 << QByteArray("--tls-key <file>") << QByteArray();
    QTest::newRow("version") << QStringList{QStringLiteral("--version")} << 0
                             << QByteArray("kestrelwood-server " KESTRELWOOD_SERVER_VERSION "\n") << QByteArray();
    QTest::newRow("unknown option") << QStringList{QStringLiteral("--colour")} << 2 << QByteArray()
                                    << QByteArray("kestrelwood-server --help");
    QTest::newRow("stray argument") << QStringList{QStringLiteral("serve")} << 2 << QByteArray()
                                    << QByteArray("Unexpected argument: serve");
}

void TestServerOptions::answersOrRefuses()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, exitCode);
    QFETCH(QByteArray, out);
    QFETCH(QByteArray, err);
    QTemporaryDir dataDir;
    QProcess process;
    // A server that started after all would listen on a free port, not 8080.
    process.start(QStringLiteral(KESTRELWOOD_SERVER_PROGRAM),
                  arguments + QStringList{QStringLiteral("--port=0"), QStringLiteral("--data-dir"), dataDir.path()});
    QVERIFY(process.waitForFinished(20000));
    QCOMPARE(process.exitCode(), exitCode);
    const QByteArray written = process.readAllStandardOutput();
    const QByteArray complaint = process.readAllStandardError();
    QVERIFY2(written.contains(out), written.constData());
    QVERIFY2(complaint.contains(err), complaint.constData());
    QCOMPARE(complaint.isEmpty(), err.isEmpty());
    // Answering --help or --version touches no data.
    QVERIFY(QDir(dataDir.path()).isEmpty());
    if (!arguments.contains(QStringLiteral("--help")))
        return;
    // Each option's line shows how it is written.
    for (const char *option : {"--listen", "--port", "--data-dir", "--database-url", "--realm", "--client-id",
                               "--feed-dir", "--token-secret-file", "--tls-cert", "--tls-key"}) {
        const qsizetype at = written.indexOf("\n  " + QByteArray(option) + ' ');
        QVERIFY2(at >= 0, option);
        const qsizetype next = written.indexOf("\n  -", at + 1);
        // The help wraps long lines wherever a space allows.
        QVERIFY2(written.mid(at, next - at).simplified().contains("Example: " + QByteArray(option)), option);
    }
}

QTEST_GUILESS_MAIN(TestServerOptions)
#include "tst_serveroptions.moc"
