// "kestrelwood-checkbook --search", "--report", "--import", "--help" and
// "--version": the built program run as a cron job runs it, without a
// display, on a data file the open program holds; the CSV cells the search
// writes; reports that read exactly as the reports window exports them; bank
// files imported; the help and the version; and one table of everything the
// command line refuses instead of opening the window.

#include "app/buildinfo.h"
#include "app/language.h"
#include "app/singleinstanceguard.h"
#include "services/import/ofxstatements.h"
#include "services/reports/reportsscreen.h"
#include "storage/csvtext.h"
#include "storage/sqlquery.h"
#include "support/testworld.h"

#include <QComboBox>
#include <QLockFile>
#include <QProcess>
#include <QTabWidget>

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
    // Neither the language setting nor the locale of the one running the
    // tests reaches it: the program speaks English.
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), dataDirectory);
    environment.insert(QStringLiteral("LC_ALL"), QStringLiteral("C"));
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

class TestCommandLine : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        // The window here writes as the program does in English.
        QLocale::setDefault(interfaceLocale(QStringLiteral("en")));
    }

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

    // Both answer without a display and before any data file is looked for.
    void helpAndVersion_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QStringList>("shown");
        const QStringList everything{QStringLiteral("--search TEXT"), QStringLiteral("--report KIND"),
            QStringLiteral("--export-backup FILE"), QStringLiteral("--restore-backup FILE"),
            QStringLiteral("--import FILE..."), QStringLiteral("--from yyyy-MM-dd"), QStringLiteral("--to yyyy-MM-dd"),
            QStringLiteral("--from2 yyyy-MM-dd"), QStringLiteral("--to2 yyyy-MM-dd"), QStringLiteral("--account NAME"),
            QStringLiteral("--output FILE"), QStringLiteral("--mode skip|replace|newer"), QStringLiteral("--version"),
            QStringLiteral("CHECKBOOK_DATA_DIR"), QStringLiteral("AUTH_BASE_URL"), QStringLiteral("AUTH_REALM_SLUG"),
            QStringLiteral("AUTH_CLIENT_ID"), QStringLiteral("ACCOUNT_API_URL"), QStringLiteral("SYNC_API_URL"),
            QStringLiteral("ACCOUNT_PORTAL_URL"), QStringLiteral("CHECKBOOK_UPDATE_URL"),
            QStringLiteral("year_over_year")};
        QTest::newRow("help") << QStringList{QStringLiteral("--help")} << everything;
        QTest::newRow("short help") << QStringList{QStringLiteral("-h")} << everything;
        QTest::newRow("version") << QStringList{QStringLiteral("--version")}
                                 << QStringList{QStringLiteral("Kestrelwood Checkbook " CHECKBOOK_VERSION "\n")};
    }
    void helpAndVersion()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QStringList, shown);
        QTemporaryDir empty;
        const QString dataDirectory = empty.path() + QStringLiteral("/books");

        const ChildOutput result = runProgram(arguments, dataDirectory);
        QCOMPARE(result.err, QByteArray());
        QCOMPARE(result.exitCode, 0);
        const QString out = QString::fromLocal8Bit(result.out);
        for (const QString& text : shown)
            QVERIFY2(out.contains(text), qPrintable(text));
        // Every entry of the help is one line with an example under it.
        const QStringList lines = out.split(QLatin1Char('\n'));
        for (qsizetype index = 0; index < lines.size(); ++index) {
            if (lines.at(index).startsWith(QLatin1String("  ")) && !lines.at(index).startsWith(QLatin1String("   ")))
                QVERIFY2(lines.value(index + 1).trimmed().startsWith(QLatin1String("Example: ")), qPrintable(lines.at(index)));
        }
        QCOMPARE(out.contains(dataDirectory), arguments != QStringList{QStringLiteral("--version")});
        QVERIFY(!QFileInfo::exists(dataDirectory));
    }

    void reportReadsAsTheWindowExportsIt_data()
    {
        QTest::addColumn<int>("tab");
        QTest::addColumn<QString>("account");
        const QStringList accounts{QString(), QStringLiteral("All Accounts (USD)"), QStringLiteral("Savings")};
        for (int tab = 0; tab < ReportsScreen::TabCount; ++tab) {
            for (const QString& account : accounts) {
                const QString row = ReportsScreen::proposedFileName(tab) + QLatin1Char(' ') + account;
                QTest::newRow(qPrintable(row)) << tab << account;
            }
        }
    }
    void reportReadsAsTheWindowExportsIt()
    {
        QFETCH(int, tab);
        QFETCH(QString, account);
        TestWorld world;
        seedReports(world);
        ReportsScreen screen(&world.appState);
        if (!account.isEmpty())
            screen.findChild<QComboBox*>(QStringLiteral("accountCombo"))->setCurrentText(account);
        // "All Time" from the first transaction; year over year compares last year with this one.
        screen.findChild<QComboBox*>(QStringLiteral("periodCombo"))->setCurrentIndex(ReportPeriods::AllTime);
        screen.findChild<QTabWidget*>()->setCurrentIndex(tab);
        const QString exported = world.dataDirectory.path() + QStringLiteral("/window.csv");
        QCOMPARE(screen.exportCurrentTabTo(exported), QString());
        QFile window(exported);
        QVERIFY(window.open(QIODevice::ReadOnly));

        QString stem = ReportsScreen::proposedFileName(tab);
        stem.chop(4);
        QStringList arguments{QStringLiteral("--report"), stem};
        if (tab == ReportsScreen::YearOverYear)
            arguments << QStringLiteral("--from=2023-01-01") << QStringLiteral("--to=2023-12-31")
                      << QStringLiteral("--from2=2024-01-01") << QStringLiteral("--to2=2024-05-20");
        else
            arguments << QStringLiteral("--from=2023-03-01") << QStringLiteral("--to=2024-05-20");
        if (!account.isEmpty())
            arguments << QStringLiteral("--account") << account;
        const ChildOutput command = runProgram(arguments, world.dataDirectory.path());
        QCOMPARE(command.err, QByteArray());
        QCOMPARE(command.exitCode, 0);
        QCOMPARE(command.out, window.readAll());
    }

    void importsBankFiles()
    {
        TestWorld world;
        const Account giro = world.addAccount(QStringLiteral("Girokonto"), Currency::EUR);
        QTemporaryDir files;
        const QString csv = writeFile(files, QStringLiteral("giro.csv"),
            "Kontoauszug AT12 3456\nDatum;Text;Betrag\n02.01.2024;B\xc3\xa4" "ckerei;-18,00\n"
            "15.01.2024;Gehalt;2.500,00\n16.01.2024;B\xc3\xa4" "ckerei;-18,00\n");
        const ChildOutput first = runProgram(
            {QStringLiteral("--import"), csv, QStringLiteral("--account=Girokonto")}, world.dataDirectory.path());
        QCOMPARE(first.err, QByteArray());
        QCOMPARE(first.exitCode, 0);
        QVERIFY2(first.out.contains("separator ';', 1 line(s) before the table, a header row, dates as dd.MM.yyyy"),
            first.out.constData());
        QVERIFY2(first.out.contains("3 transactions imported"), first.out.constData());
        QCOMPARE(world.stored(giro.id).size(), 3);
        QCOMPARE(world.stored(giro.id).constFirst().amount, -1800);

        // The same file again adds nothing; two QIF files bring their accounts and link their transfer.
        const QString checking = writeFile(files, QStringLiteral("checking.qif"),
            "!Account\nNChecking\nTBank\n^\n!Type:Bank\nD01/05/2024\nT-100.00\nPTo savings\nL[Savings]\n^\n");
        const QString savings = writeFile(files, QStringLiteral("savings.qif"),
            "!Account\nNSavings\nTBank\n^\n!Type:Bank\nD01/05/2024\nT100.00\nPFrom checking\nL[Checking]\n^\n");
        const ChildOutput second = runProgram({QStringLiteral("--import"), csv, checking, savings,
                                                  QStringLiteral("--account"), QStringLiteral("Girokonto")},
            world.dataDirectory.path());
        QCOMPARE(second.exitCode, 0);
        QVERIFY2(second.out.contains("3 duplicates skipped"), second.out.constData());
        QVERIFY2(second.out.contains("1 transfer linked across accounts"), second.out.constData());
        QCOMPARE(world.appState.accounts()->all().size(), 3);
    }

    // A statement goes to the account it shares its last digits with, else
    // to a new one; an overlapping one adds only its new rows.
    void importsBankStatements()
    {
        TestWorld world;
        const qsizetype accountsBefore = world.appState.accounts()->all().size();
        QTemporaryDir files;
        const QDate day(2024, 5, 2);
        const QString may = writeFile(files, QStringLiteral("may.qfx"),
            ofxStatement({{day, "-3.50", "COFFEE", "c1"}, {day, "-3.50", "COFFEE", "c2"}}));
        const ChildOutput first = runProgram({QStringLiteral("--import"), may}, world.dataDirectory.path());
        QCOMPARE(first.err, QByteArray());
        QCOMPARE(first.exitCode, 0);
        QVERIFY2(first.out.contains("may.qfx: the new account \"021000021 5678\" holds its statement.\n"
                                    "may.qfx: import complete.\n2 transactions imported\n"),
            first.out.constData());

        const QString june = writeFile(files, QStringLiteral("june.ofx"),
            ofxStatement({{day, "-3.50", "COFFEE", "c2"}, {day.addDays(30), "-3.50", "COFFEE", "c3"}}));
        const ChildOutput second = runProgram({QStringLiteral("--import"), june}, world.dataDirectory.path());
        QCOMPARE(second.exitCode, 0);
        QVERIFY2(second.out.contains("1 transaction imported\n1 duplicate skipped\n"), second.out.constData());
        QCOMPARE(world.appState.accounts()->all().size(), accountsBefore + 1);
    }

    // A command that cannot do what it is asked says why and fails, writes
    // nothing to its output, creates no file and imports nothing. EMPTY
    // stands for an empty directory, FILES for one holding "bank.csv", a
    // statement in euros and a text file named like a statement.
    void refusesWhatItCannotDo_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("problem");
        QTest::addColumn<int>("exitCode"); // -1: any failure
        QTest::addColumn<QByteArray>("message");
        const auto row = [](const char* name, std::initializer_list<const char*> arguments, int exitCode,
                             const char* message = "", const char* problem = "") {
            QStringList list;
            for (const char* argument : arguments)
                list << QString::fromUtf8(argument);
            QTest::newRow(name) << list << QString::fromUtf8(problem) << exitCode << QByteArray(message);
        };
        row("search without a data file", {"--search", "AT&T"}, -1, "Cannot read the data file", "no data file");
        row("search to an unwritable output", {"--search", "AT&T", "--output", "EMPTY/missing/found.csv"}, -1, "Cannot write");
        row("unknown option", {"--search", "AT&T", "--colour"}, 2, "colour");
        // Refused instead of opening the window.
        row("unknown option alone", {"--colour"}, 2, "--help");
        row("unknown short option", {"-x"}, 2, "--help");
        row("file without a command", {"FILES/bank.csv"}, 2, "Unexpected argument");
        row("option of a command without one", {"--account=Checking"}, 2, "--import");
        // As a file looks to a reader started after an upgrade, before the program has opened it.
        row("search in a file of an older version", {"--search", "AT&T"}, -1, "Open the program once to bring it up to date",
            "older version");
        row("unknown report", {"--report=budget", "--from=2024-01-01", "--to=2024-01-31"}, 2);
        row("report without an end", {"--report=cash_flow", "--from=2024-01-01"}, 2);
        row("report from no date", {"--report=cash_flow", "--from=01/02/2024", "--to=2024-01-31"}, 2);
        row("report period reversed", {"--report=cash_flow", "--from=2024-02-01", "--to=2024-01-31"}, 2);
        row("year over year without a second period", {"--report=year_over_year", "--from=2024-01-01", "--to=2024-01-31"}, 2);
        row("report of an unknown account", {"--report=cash_flow", "--account=Brokerage", "--from=2024-01-01", "--to=2024-01-31"}, 1);
        row("search and report at once", {"--report=cash_flow", "--search=x", "--from=2024-01-01", "--to=2024-01-31"}, 2);
        row("import while the program is open", {"--import", "FILES/bank.csv", "--account=Checking"}, 1, "", "program open");
        row("CSV import without an account", {"--import", "FILES/bank.csv"}, 1);
        row("import into an unknown account", {"--import", "FILES/bank.csv", "--account=Brokerage"}, 1);
        row("import of a missing file", {"--import", "FILES/missing.csv", "--account=Checking"}, 1);
        row("import of a file that is no statement", {"--import", "FILES/notes.ofx", "--account=Checking"}, 1,
            "notes.ofx is not an OFX or QFX bank statement");
        row("import of a statement in another currency", {"--import", "FILES/euro.ofx", "--account=Checking"}, 1,
            "is in EUR, but the account \"Checking\" is kept in USD");
    }
    void refusesWhatItCannotDo()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, problem);
        QFETCH(int, exitCode);
        QFETCH(QByteArray, message);
        TestWorld world;
        seedReports(world);
        const int checkingRows = world.stored(world.appState.accounts()->all().constFirst().id).size();
        QTemporaryDir empty;
        QTemporaryDir files;
        writeFile(files, QStringLiteral("bank.csv"), "Date,Payee,Amount\n01/15/2024,Market,-12.50\n");
        writeFile(files, QStringLiteral("notes.ofx"), "Date,Payee,Amount\n01/15/2024,Market,-12.50\n");
        writeFile(files, QStringLiteral("euro.ofx"), ofxStatement({{QDate(2024, 1, 15), "-12.50", "MARKET", "m1"}}, "EUR"));
        arguments.replaceInStrings(QStringLiteral("EMPTY"), empty.path()).replaceInStrings(QStringLiteral("FILES"), files.path());
        QLockFile running(SingleInstanceGuard::lockFilePath(world.dataDirectory.path()));
        if (problem == QLatin1String("program open"))
            QVERIFY(running.tryLock(0));
        if (problem == QLatin1String("older version"))
            QVERIFY(SqlQuery(world.appState.database(),
                QStringLiteral("DELETE FROM schema_version WHERE version = (SELECT MAX(version) FROM schema_version)"))
                        .exec());
        const QString dataDirectory = problem == QLatin1String("no data file") ? empty.path() : world.dataDirectory.path();

        const ChildOutput result = runProgram(arguments, dataDirectory);
        QVERIFY2(exitCode == -1 ? result.exitCode > 0 : result.exitCode == exitCode, qPrintable(QString::number(result.exitCode)));
        QVERIFY2(!result.err.trimmed().isEmpty() && result.err.contains(message), result.err.constData());
        QCOMPARE(result.out, QByteArray());
        QCOMPARE(QDir(empty.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries), QStringList());
        QCOMPARE(world.stored(world.appState.accounts()->all().constFirst().id).size(), checkingRows);
    }

private:
    // Two dollar accounts with a transfer, odd names and last year's rows,
    // beside a euro account, so that "all accounts" is one per currency.
    static void seedReports(TestWorld& world)
    {
        const Account checking = world.addAccount(QStringLiteral("Checking"), Currency::USD, 100000);
        const Account savings = world.addAccount(QStringLiteral("Savings"), Currency::USD, 0, 1);
        const Account euro = world.addAccount(QStringLiteral("Girokonto"), Currency::EUR, 5000, 2);
        const QString groceries = world.categoryId(QStringLiteral("Groceries"));
        world.addTransaction(checking.id, QDate(2023, 3, 1), QStringLiteral("Market \"Fresh\""), -4550, groceries);
        world.addTransaction(checking.id, QDate(2024, 2, 9), QStringLiteral("=HYPERLINK(1)"), -1299, QString(),
            QStringLiteral("+memo"));
        world.addTransaction(checking.id, QDate(2024, 4, 30), QStringLiteral("Employer"), 250000,
            world.categoryId(QStringLiteral("Salary / Wages")));
        world.addTransaction(checking.id, QDate(2024, 3, 15), QStringLiteral("County"), -90000,
            world.categoryId(QStringLiteral("Property Tax")));
        world.addTransaction(savings.id, QDate(2024, 5, 2), QStringLiteral("Market \"Fresh\""), -1000, groceries);
        world.addTransaction(euro.id, QDate(2024, 5, 3), QStringLiteral("Bäckerei"), -350, groceries);
        TransactionEntry transfer;
        transfer.date = QDate(2024, 5, 10);
        transfer.payee = QStringLiteral("Transfer to Savings");
        transfer.amount = -20000;
        transfer.transferAccountId = savings.id;
        QVERIFY(world.appState.transactionService()->create(checking.id, transfer).ok());
    }

    static void seed(TestWorld& world)
    {
        const Account checking = world.addAccount(QStringLiteral("Checking"));
        world.addTransaction(checking.id, QDate(2024, 5, 1), QStringLiteral("AT&T Wireless"), -123456,
            world.categoryId(QStringLiteral("Groceries")), QStringLiteral("bill, june"));
        world.addTransaction(checking.id, QDate(2024, 5, 2), QStringLiteral("=cmd|' /C calc'!A0"), 5, QString(),
            QStringLiteral("-note"));
    }
};

QTEST_MAIN(TestCommandLine)
#include "tst_commandline.moc"
