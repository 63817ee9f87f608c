// "kestrelwood-checkbook --search": the built program run as a cron job runs
// it, without a display, on a data file the open program holds, and the CSV
// cells it writes, which reports share.

#include "storage/csvtext.h"
#include "support/testworld.h"

#include <QProcess>

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
    // No display at all, as under cron.
    for (const char* variable : {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY", "CHECKBOOK_VERBOSE"})
        environment.remove(QLatin1String(variable));
    environment.insert(QStringLiteral("CHECKBOOK_DATA_DIR"), dataDirectory);
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

const QByteArray header = "Date,Account,Payee,Category,Memo,Amount\n";
const QByteArray phoneBill = "2024-05-01,Checking,AT&T Wireless,Groceries,\"bill, june\",-1234.56\n";
const QByteArray formula = "2024-05-02,Checking,'=cmd|' /C calc'!A0,,'-note,0.05\n";

} // namespace

class TestSearchCommand : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void cells_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("cell");
        QTest::newRow("plain") << QStringLiteral("Market") << QStringLiteral("Market");
        QTest::newRow("comma") << QStringLiteral("a,b") << QStringLiteral("\"a,b\"");
        QTest::newRow("quote") << QStringLiteral("say \"hi\"") << QStringLiteral("\"say \"\"hi\"\"\"");
        QTest::newRow("line break") << QStringLiteral("one\ntwo") << QStringLiteral("\"one\ntwo\"");
        QTest::newRow("equals") << QStringLiteral("=SUM(A1)") << QStringLiteral("'=SUM(A1)");
        QTest::newRow("plus") << QStringLiteral("+1") << QStringLiteral("'+1");
        QTest::newRow("minus") << QStringLiteral("-5") << QStringLiteral("'-5");
        QTest::newRow("at") << QStringLiteral("@x") << QStringLiteral("'@x");
        QTest::newRow("tab") << QStringLiteral("\tx") << QStringLiteral("'\tx");
        QTest::newRow("carriage return") << QStringLiteral("\rx") << QStringLiteral("\"'\rx\"");
        QTest::newRow("guarded and quoted") << QStringLiteral("=a,b") << QStringLiteral("\"'=a,b\"");
        QTest::newRow("inner equals") << QStringLiteral("a=b") << QStringLiteral("a=b");
        QTest::newRow("empty") << QString() << QString();
    }
    void cells()
    {
        QFETCH(QString, text);
        QFETCH(QString, cell);
        QCOMPARE(csvTextCell(text), cell);
    }

    void amounts_data()
    {
        QTest::addColumn<qint64>("minorUnits");
        QTest::addColumn<Currency>("currency");
        QTest::addColumn<QString>("cell");
        QTest::newRow("thousands") << qint64(-123456789) << Currency::USD << QStringLiteral("-1234567.89");
        QTest::newRow("cents") << qint64(5) << Currency::EUR << QStringLiteral("0.05");
        QTest::newRow("yen") << qint64(150000) << Currency::JPY << QStringLiteral("150000");
    }
    void amounts()
    {
        QFETCH(qint64, minorUnits);
        QFETCH(Currency, currency);
        QFETCH(QString, cell);
        QCOMPARE(csvAmountCell(minorUnits, currency), cell);
    }

    void searchesFromTheCommandLine_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QByteArray>("csv");
        QTest::newRow("not FTS5 syntax") << QStringList{QStringLiteral("--search"), QStringLiteral("AT&T")} << header + phoneBill;
        QTest::newRow("FTS5 syntax") << QStringList{QStringLiteral("--search=wire* OR calc")} << header + formula + phoneBill;
        QTest::newRow("nothing found") << QStringList{QStringLiteral("--search"), QStringLiteral("zebra")} << header;
    }
    void searchesFromTheCommandLine()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QByteArray, csv);
        TestWorld world;
        seed(world);
        // The program stays open on the data file meanwhile.
        const ChildOutput toStandardOutput = runProgram(arguments, world.dataDirectory.path());
        QCOMPARE(toStandardOutput.err, QByteArray());
        QCOMPARE(toStandardOutput.exitCode, 0);
        QCOMPARE(toStandardOutput.out, csv);

        const QString file = world.dataDirectory.path() + QStringLiteral("/found.csv");
        const ChildOutput toFile = runProgram(arguments + QStringList{QStringLiteral("--output"), file}, world.dataDirectory.path());
        QCOMPARE(toFile.exitCode, 0);
        QCOMPARE(toFile.out, QByteArray());
        QFile written(file);
        QVERIFY(written.open(QIODevice::ReadOnly));
        QCOMPARE(written.readAll(), csv);

        // And once the program has closed the file, as a nightly job finds it.
        world.appState.database()->database().close();
        QVERIFY(!QFile::exists(world.dataDirectory.databasePath() + QStringLiteral("-wal")));
        const ChildOutput closed = runProgram(arguments, world.dataDirectory.path());
        QCOMPARE(closed.err, QByteArray());
        QCOMPARE(closed.out, csv);
    }

    void failuresEndWithAMessage_data()
    {
        QTest::addColumn<QString>("problem");
        QTest::newRow("no data file") << QStringLiteral("no data file");
        QTest::newRow("unwritable output") << QStringLiteral("unwritable output");
        QTest::newRow("unknown option") << QStringLiteral("unknown option");
    }
    void failuresEndWithAMessage()
    {
        QFETCH(QString, problem);
        TestWorld world;
        seed(world);
        QTemporaryDir empty;
        QString dataDirectory = world.dataDirectory.path();
        QStringList arguments{QStringLiteral("--search"), QStringLiteral("AT&T")};
        if (problem == QLatin1String("no data file"))
            dataDirectory = empty.path();
        else if (problem == QLatin1String("unwritable output"))
            arguments << QStringLiteral("--output") << empty.path() + QStringLiteral("/missing/found.csv");
        else
            arguments << QStringLiteral("--colour");
        const ChildOutput result = runProgram(arguments, dataDirectory);
        QVERIFY(result.exitCode > 0);
        QVERIFY(!result.err.trimmed().isEmpty());
        QCOMPARE(result.out, QByteArray());
        // A reader creates nothing, not even an empty data file.
        QCOMPARE(QDir(empty.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries), QStringList());
    }

private:
    static void seed(TestWorld& world)
    {
        const Account checking = world.addAccount(QStringLiteral("Checking"));
        world.addTransaction(checking.id, QDate(2024, 5, 1), QStringLiteral("AT&T Wireless"), -123456,
            world.categoryId(QStringLiteral("Groceries")), QStringLiteral("bill, june"));
        world.addTransaction(checking.id, QDate(2024, 5, 2), QStringLiteral("=cmd|' /C calc'!A0"), 5, QString(),
            QStringLiteral("-note"));
    }
};

QTEST_MAIN(TestSearchCommand)
#include "tst_searchcommand.moc"
