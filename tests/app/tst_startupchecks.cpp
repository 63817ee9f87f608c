// A data file the program must not use is refused at start with a message
// naming the cause and exit code 1, and left byte for byte as it was. Each
// start runs this program again as a child in start mode, so the file is
// checked after the program has let go of it, and so the read-only cases can
// run as an unprivileged user: root may write anywhere.

#include "app/application.h"
#include "app/appstate.h"
#include "storage/accountrepository.h"
#include "storage/database.h"
#include "storage/transactionrepository.h"
#include "support/modalanswer.h"
#include "support/storagetesting.h"
#include "support/testdatabase.h"

#include <QCryptographicHash>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QStandardPaths>
#include <QtTest>

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

namespace {

const char startMode[] = "--start";
const QString damaged = QStringLiteral("The data file is damaged. It was left as it is; nothing more was written to it.");
const QString permissions = QStringLiteral("Please check file permissions and try again.");
constexpr auto readable = QFile::ReadOwner | QFile::ExeOwner | QFile::ReadOther | QFile::ExeOther;

enum class Restriction { None, ReadOnlyFile, ReadOnlyDirectory, LockedByAnotherProgram };

// Child mode: start the program on CHECKBOOK_DATA_DIR with the settings in
// argv[2], answer its message box, and print the box's title and text.
int startChild(int argc, char** argv)
{
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, QString::fromLocal8Bit(argv[2]));
    Application application(argc, argv);
    QString title;
    QString text;
    ModalAnswer::pressWhenShown(QMessageBox::Ok, &text, &title);
    const int exitCode = application.run();
    QTextStream(stdout) << title << '\n' << text;
    return exitCode;
}

bool runsAsRoot()
{
#ifdef Q_OS_UNIX
    return ::geteuid() == 0;
#else
    return false;
#endif
}

// Hands `path` to the user nobody, whom the child runs as under root.
bool giveToNobody(const QString& path)
{
#ifdef Q_OS_UNIX
    return ::chown(QFile::encodeName(path).constData(), 65534, 65534) == 0;
#else
    Q_UNUSED(path);
    return false;
#endif
}

QByteArray sha256(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QCryptographicHash::hash(file.readAll(), QCryptographicHash::Sha256).toHex()
                                          : QByteArray();
}

QStringList filesIn(const QString& directory)
{
    return QDir(directory).entryList(QDir::Files | QDir::Hidden | QDir::System);
}

// An SQLite file holding `statements`: another program's file, or with
// `ours` a register of this program changed afterwards by them.
void writeSqliteFile(const QString& path, bool ours, const QStringList& statements)
{
    Database database;
    QVERIFY(database.open(path));
    QVERIFY(!ours || database.runMigrations());
    for (const QString& statement : statements)
        QVERIFY2(execute(&database, statement), qPrintable(statement));
}

// A register as a user leaves it (categories seeded, the account on screen
// remembered, enough transactions for many pages), then four pages
// overwritten: in the middle of the file, or from the root of the search
// index, which nothing reads at start, so that only the check of the whole
// file finds the damage.
void writeDamagedRegister(const QString& path, bool inSearchIndex)
{
    qint64 pageSize = 0;
    qint64 searchIndexRoot = 0;
    {
        AppState appState;
        QVERIFY(appState.initialize());
        QVERIFY(appState.accounts()->insert(makeAccount(QStringLiteral("a"), QStringLiteral("Household Checking"))));
        QVERIFY(appState.database()->inTransaction([&appState] {
            bool stored = true;
            for (int i = 0; i < 1500; ++i) {
                Transaction payment = makeTransaction(QString::number(i), QStringLiteral("a"), QDate(2024, 1, 1).addDays(i % 300), -100 - i);
                payment.memo = QStringLiteral("weekly shop %1 ").arg(i).repeated(12);
                stored = stored && appState.transactions()->insert(payment);
            }
            return stored;
        }));
        appState.setCurrentAccountId(QStringLiteral("a"));
        pageSize = scalar(appState.database(), QStringLiteral("PRAGMA page_size")).toLongLong();
        searchIndexRoot = scalar(appState.database(),
            QStringLiteral("SELECT rootpage FROM sqlite_master WHERE name = 'transactions_fts_data'")).toLongLong();
    }
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadWrite));
    const qint64 firstPage = inSearchIndex ? searchIndexRoot : file.size() / pageSize / 2; // counted from 1
    QByteArray garbage(4 * pageSize, '\0');
    for (qsizetype i = 0; i < garbage.size(); ++i)
        garbage[i] = char((i * 131 + 7) % 256);
    QVERIFY(firstPage > 1 && file.seek((firstPage - 1) * pageSize));
    QCOMPARE(file.write(garbage), garbage.size());
}

void writeDataFile(const QString& content, const QString& path)
{
    const QString newerVersion = QStringLiteral("INSERT INTO schema_version (version, name) VALUES (%1, 'amounts in cents')");
    if (content == QLatin1String("foreign"))
        writeSqliteFile(path, false,
            {QStringLiteral("CREATE TABLE accounts (login TEXT, secret TEXT)"), QStringLiteral("CREATE TABLE vault (note TEXT)"),
                QStringLiteral("INSERT INTO accounts VALUES ('mail', 'hunter2')")});
    else if (content == QLatin1String("unversioned"))
        writeSqliteFile(path, true, {QStringLiteral("DROP TABLE schema_version")});
    else if (content == QLatin1String("newer"))
        writeSqliteFile(path, true,
            {newerVersion.arg(Database::latestSchemaVersion() + 1),
                QStringLiteral("ALTER TABLE transactions RENAME COLUMN amount TO amount_cents")});
    else if (content.startsWith(QLatin1String("damaged")))
        writeDamagedRegister(path, content.endsWith(QLatin1String("search index")));
    else
        writeSqliteFile(path, true, {QStringLiteral("INSERT INTO accounts (id, name, created_at, updated_at) VALUES ('a', 'Checking', 'c', 'u')")});
}

struct ChildOutput
{
    int exitCode = -1;
    QString out;
    QString err;
};

ChildOutput startProgram(const QStringList& launcher, const QString& dataDirectory, const QString& settingsDirectory)
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove(QStringLiteral("CHECKBOOK_VERBOSE"));
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    environment.insert(QStringLiteral("CHECKBOOK_DATA_DIR"), dataDirectory);
    QStringList command = launcher;
    command << QCoreApplication::applicationFilePath() << QString::fromLatin1(startMode) << settingsDirectory;

    QProcess child;
    child.setProcessEnvironment(environment);
    child.start(command.takeFirst(), command);
    ChildOutput output;
    if (!child.waitForFinished(30000) || child.exitStatus() != QProcess::NormalExit) {
        child.kill();
        child.waitForFinished();
        return output;
    }
    return {child.exitCode(), QString::fromUtf8(child.readAllStandardOutput()), QString::fromUtf8(child.readAllStandardError())};
}

} // namespace

Q_DECLARE_METATYPE(Restriction)

class StartupChecksTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        // The child reads its language choice from here, whoever it runs as.
        QSettings settings(m_settingsDirectory.path() + QStringLiteral("/Kestrelwood/Checkbook.conf"), QSettings::IniFormat);
        settings.setValue(QStringLiteral("ui/language"), QStringLiteral("en"));
        settings.sync();
        for (const QString& path : {m_settingsDirectory.path(), QFileInfo(settings.fileName()).path(), settings.fileName()})
            QVERIFY(QFile::setPermissions(path, readable | QFile::WriteOwner));
    }
    void refusesAndLeavesTheFileAsItWas_data()
    {
        QTest::addColumn<QString>("content");
        QTest::addColumn<Restriction>("restriction");
        QTest::addColumn<QString>("cause");

        QTest::newRow("file of another program")
            << QStringLiteral("foreign") << Restriction::None
            << QStringLiteral("The data file was not made by Kestrelwood Checkbook. It was left as it is.");
        QTest::newRow("register without schema_version")
            << QStringLiteral("unversioned") << Restriction::None
            << QStringLiteral("The data file does not record which version of Kestrelwood Checkbook made it, so it cannot be "
                              "upgraded safely. It was left as it is.");
        QTest::newRow("register of a newer version")
            << QStringLiteral("newer") << Restriction::None
            << QStringLiteral("The data file was made by a newer version of Kestrelwood Checkbook. Please use that version to open it.");
        QTest::newRow("damaged register") << QStringLiteral("damaged") << Restriction::None << damaged;
        QTest::newRow("damaged search index") << QStringLiteral("damaged search index") << Restriction::None << damaged;
        QTest::newRow("read-only register") << QStringLiteral("register") << Restriction::ReadOnlyFile << permissions;
        QTest::newRow("read-only data directory") << QStringLiteral("register") << Restriction::ReadOnlyDirectory << permissions;
        QTest::newRow("register in use by another program")
            << QStringLiteral("register") << Restriction::LockedByAnotherProgram
            << QStringLiteral("The data file is in use by another program. Please close that program and try again.");
    }
    void refusesAndLeavesTheFileAsItWas()
    {
        QFETCH(QString, content);
        QFETCH(Restriction, restriction);
        QFETCH(QString, cause);

        TestDataDirectory dataDirectory;
        const QString directory = dataDirectory.path();
        const QString path = dataDirectory.databasePath();
        writeDataFile(content, path);
        if (QTest::currentTestFailed())
            return;
        const QByteArray hashBefore = sha256(path);
        const QStringList filesBefore = filesIn(directory);
        // The user nobody must reach the data directory in its temporary parent.
        QVERIFY(QFile::setPermissions(directory, readable | QFile::WriteOwner));
        const auto giveBack = qScopeGuard([&] {
            QFile::setPermissions(directory, readable | QFile::WriteOwner);
            QFile::setPermissions(path, readable | QFile::WriteOwner);
        });

        QStringList launcher;
        if (restriction == Restriction::ReadOnlyFile || restriction == Restriction::ReadOnlyDirectory) {
            if (runsAsRoot()) {
                if (QStandardPaths::findExecutable(QStringLiteral("setpriv")).isEmpty())
                    QSKIP("root ignores file permissions, and setpriv is missing to run the program as another user");
                QVERIFY(giveToNobody(directory) && giveToNobody(path));
                launcher = QStringList{QStringLiteral("setpriv"), QStringLiteral("--reuid=65534"), QStringLiteral("--regid=65534"),
                    QStringLiteral("--clear-groups")};
            }
            QVERIFY(QFile::setPermissions(restriction == Restriction::ReadOnlyFile ? path : directory, readable));
        }
        QSqlDatabase anotherProgram = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("another program"));
        anotherProgram.setDatabaseName(path);
        if (restriction == Restriction::LockedByAnotherProgram)
            QVERIFY(anotherProgram.open() && QSqlQuery(anotherProgram).exec(QStringLiteral("BEGIN IMMEDIATE")));
        const ChildOutput child = startProgram(launcher, directory, m_settingsDirectory.path());
        anotherProgram.close();
        anotherProgram = QSqlDatabase();
        QSqlDatabase::removeDatabase(QStringLiteral("another program"));

        QVERIFY2(child.exitCode == 1, qPrintable(child.err));
        QCOMPARE(child.out,
            QStringLiteral("Database Error\nFailed to initialize the database.\n\nData directory: %1\n\n%2")
                .arg(QDir::toNativeSeparators(directory), cause));
        QCOMPARE(sha256(path), hashBefore);
        QCOMPARE(filesIn(directory), filesBefore);
    }

private:
    QTemporaryDir m_settingsDirectory;
};

int main(int argc, char** argv)
{
    QStandardPaths::setTestModeEnabled(true);
    if (argc > 2 && qstrcmp(argv[1], startMode) == 0)
        return startChild(argc, argv);
    QApplication application(argc, argv);
    StartupChecksTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_startupchecks.moc"
