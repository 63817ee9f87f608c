// The program's start as a user meets it. Only one QApplication may exist in
// a process, so this test builds the one Application itself and runs the
// test object inside it. Whatever needs a fresh process (the log filter, the
// catalogues chosen at start, a data file that is refused, the files of a
// first start) runs this same program again as a child in one of its sample
// modes. A refused file is then checked after the program has let go of it,
// and the read-only cases run as an unprivileged user: root may write anywhere.

#include "app/application.h"
#include "app/appstate.h"
#include "storage/accountrepository.h"
#include "storage/database.h"
#include "storage/transactionrepository.h"
#include "support/modalanswer.h"
#include "support/storagetesting.h"
#include "support/testdatabase.h"

#include <QCryptographicHash>
#include <QDirIterator>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QtTest>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace {

const char sampleMode[] = "--sample";
const char startMode[] = "--start";
const char firstStartMode[] = "--first-start";

const QString damaged = QStringLiteral("The data file is damaged. It was left as it is; nothing more was written to it.");
const QString notOurs = QStringLiteral("The data file was not made by Kestrelwood Checkbook. It was left as it is.");
const QString permissions = QStringLiteral("Please check file permissions and try again.");
constexpr auto readable = QFile::ReadOwner | QFile::ExeOwner | QFile::ReadOther | QFile::ExeOther;

enum class Restriction { None, ReadOnlyFile, ReadOnlyDirectory, LockedByAnotherProgram, DirectoryUnderAFile };

// Child mode: start the program's Application with the settings in argv[2],
// log one line of each kind, and print what the installed catalogues make of
// one of the program's texts and one of Qt's.
int sample(int argc, char** argv)
{
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, QString::fromLocal8Bit(argv[2]));
    Application application(argc, argv);
    qDebug("sample debug line");
    qInfo("sample info line");
    qWarning("sample warning line");
    qCritical("sample critical line");
    QTextStream(stdout) << QCoreApplication::translate("CategoryService", "Groceries") << '\n'
                        << QCoreApplication::translate("QPlatformTheme", "Cancel") << '\n';
    return 0;
}

// Child mode: run the program on CHECKBOOK_DATA_DIR with the settings in
// argv[2], answer its message box, and print the box's title and text.
int startAndAnswer(int argc, char** argv)
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

#ifdef Q_OS_UNIX
// Child mode: the program's first start under the most permissive umask, in
// the places of the user's HOME, its window closed as soon as it is shown.
int firstStart(int argc, char** argv)
{
    umask(0);
    Application application(argc, argv);
    QTimer::singleShot(0, &application, &QApplication::closeAllWindows);
    return application.run();
}

int modeOf(const QString& path)
{
    struct stat info {};
    return ::stat(QFile::encodeName(path).constData(), &info) == 0 ? static_cast<int>(info.st_mode & 0777) : -1;
}

// Hands `path` to the user nobody, whom the child runs as under root.
bool giveToNobody(const QString& path)
{
    return ::chown(QFile::encodeName(path).constData(), 65534, 65534) == 0;
}
#endif

// Settings of the given language choice in a directory of their own, as
// QSettings::setPath expects them.
void writeLanguageChoice(const QString& settingsDirectory, const QString& language)
{
    QSettings settings(settingsDirectory + QStringLiteral("/Kestrelwood/Checkbook.conf"), QSettings::IniFormat);
    if (!language.isNull())
        settings.setValue(QStringLiteral("ui/language"), language);
}

QProcessEnvironment childEnvironment()
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* variable : {"CHECKBOOK_VERBOSE", "CHECKBOOK_DATA_DIR", "QT_MESSAGE_PATTERN", "QT_LOGGING_RULES", "LANGUAGE"})
        environment.remove(QLatin1String(variable));
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    // Qt's own output must reach stderr, not a system journal.
    environment.insert(QStringLiteral("QT_FORCE_STDERR_LOGGING"), QStringLiteral("1"));
    return environment;
}

struct ChildOutput
{
    int exitCode = -1;
    QString out;
    QString err;
};

// Runs this program again with `arguments`, through `launcher` when given.
ChildOutput runChild(const QStringList& arguments, const QProcessEnvironment& environment, const QStringList& launcher = {})
{
    QStringList command = launcher;
    command << QCoreApplication::applicationFilePath() << arguments;
    QProcess child;
    child.setProcessEnvironment(environment);
    child.start(command.takeFirst(), command);
    if (!child.waitForFinished(60000) || child.exitStatus() != QProcess::NormalExit) {
        child.kill();
        child.waitForFinished();
        return {};
    }
    return {child.exitCode(), QString::fromUtf8(child.readAllStandardOutput()), QString::fromUtf8(child.readAllStandardError())};
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
    if (content == QLatin1String("notes")) {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        QVERIFY(file.write(QByteArray("Remember: pay the plumber, cancel the gym, buy stamps.\n").repeated(80)) > 0);
    } else if (content == QLatin1String("foreign")) {
        writeSqliteFile(path, false,
            {QStringLiteral("CREATE TABLE accounts (login TEXT, secret TEXT)"), QStringLiteral("CREATE TABLE vault (note TEXT)"),
                QStringLiteral("INSERT INTO accounts VALUES ('mail', 'hunter2')")});
    } else if (content == QLatin1String("unversioned")) {
        writeSqliteFile(path, true, {QStringLiteral("DROP TABLE schema_version")});
    } else if (content == QLatin1String("newer")) {
        writeSqliteFile(path, true,
            {QStringLiteral("INSERT INTO schema_version (version, name) VALUES (%1, 'amounts in cents')")
                    .arg(Database::latestSchemaVersion() + 1),
                QStringLiteral("ALTER TABLE transactions RENAME COLUMN amount TO amount_cents")});
    } else if (content.startsWith(QLatin1String("damaged"))) {
        writeDamagedRegister(path, content.endsWith(QLatin1String("search index")));
    } else {
        writeSqliteFile(path, true, {QStringLiteral("INSERT INTO accounts (id, name, created_at, updated_at) VALUES ('a', 'Checking', 'c', 'u')")});
    }
}

} // namespace

Q_DECLARE_METATYPE(Restriction)

class ApplicationTest : public QObject
{
    Q_OBJECT

public:
    explicit ApplicationTest(const QString& settingsDirectory)
        : m_settingsDirectory(settingsDirectory)
    {
    }

private Q_SLOTS:
    void initTestCase()
    {
        // A child reads its language choice from here, whoever it runs as.
        const QString settingsFile = m_settingsDirectory + QStringLiteral("/Kestrelwood/Checkbook.conf");
        for (const QString& path : {m_settingsDirectory, QFileInfo(settingsFile).path(), settingsFile})
            QVERIFY(QFile::setPermissions(path, readable | QFile::WriteOwner));
    }
    void filtersLogUnlessVerbose_data()
    {
        QTest::addColumn<QString>("verbose"); // null: not set
        QTest::addColumn<bool>("filtered");

        QTest::newRow("unset") << QString() << true;
        QTest::newRow("empty") << QStringLiteral("") << true;
        QTest::newRow("set") << QStringLiteral("1") << false;
    }
    void filtersLogUnlessVerbose()
    {
        QFETCH(QString, verbose);
        QFETCH(bool, filtered);

        QProcessEnvironment environment = childEnvironment();
        if (!verbose.isNull())
            environment.insert(QStringLiteral("CHECKBOOK_VERBOSE"), verbose);
        const ChildOutput child = runChild({QString::fromLatin1(sampleMode), m_settingsDirectory}, environment);
        QCOMPARE(child.exitCode, 0);
        const QString& err = child.err;
        QCOMPARE(err.contains(QStringLiteral("sample debug line")), !filtered);
        QCOMPARE(err.contains(QStringLiteral("sample info line")), !filtered);
        QVERIFY2(err.contains(QStringLiteral("sample warning line\n")) && !err.contains(QStringLiteral("WARN: sample critical")), qPrintable(err));
        QCOMPARE(err.contains(QStringLiteral("WARN: sample warning line\n")), filtered);
        QVERIFY2(!filtered || err.split(QLatin1Char('\n')).contains(QStringLiteral("sample critical line")), qPrintable(err));
    }
    void loadsCataloguesOfChosenLanguage_data()
    {
        QTest::addColumn<QString>("stored"); // null: nothing stored
        QTest::addColumn<QString>("systemLocale");
        QTest::addColumn<QString>("groceries");
        QTest::addColumn<QString>("qtCancel");
        QTest::addColumn<QString>("qtCatalogue"); // empty: Qt's own catalogue is not expected

        QTest::newRow("French system")
            << QString() << QStringLiteral("fr_FR.UTF-8") << QStringLiteral("Courses") << QStringLiteral("Annuler")
            << QStringLiteral("qtbase_fr.qm");
        QTest::newRow("Portuguese system falls back to English")
            << QStringLiteral("system") << QStringLiteral("pt_PT.UTF-8") << QStringLiteral("Groceries")
            << QStringLiteral("Cancel") << QString();
        QTest::newRow("German chosen on a French system")
            << QStringLiteral("de") << QStringLiteral("fr_FR.UTF-8") << QStringLiteral("Lebensmittel")
            << QStringLiteral("Abbrechen") << QStringLiteral("qtbase_de.qm");
        QTest::newRow("Japanese chosen")
            << QStringLiteral("ja") << QStringLiteral("en_US.UTF-8") << QStringLiteral("食料品")
            << QStringLiteral("キャンセル") << QStringLiteral("qtbase_ja.qm");
    }
    void loadsCataloguesOfChosenLanguage()
    {
        QFETCH(QString, stored);
        QFETCH(QString, systemLocale);
        QFETCH(QString, groceries);
        QFETCH(QString, qtCancel);
        QFETCH(QString, qtCatalogue);

        if (!qtCatalogue.isEmpty()
            && !QFileInfo::exists(QLibraryInfo::path(QLibraryInfo::TranslationsPath) + QLatin1Char('/') + qtCatalogue))
            QSKIP("Qt's translations are not installed");

        QTemporaryDir settingsDirectory;
        writeLanguageChoice(settingsDirectory.path(), stored);
        QProcessEnvironment environment = childEnvironment();
        environment.insert(QStringLiteral("LC_ALL"), systemLocale);
        environment.insert(QStringLiteral("LANG"), systemLocale);

        const ChildOutput child = runChild({QString::fromLatin1(sampleMode), settingsDirectory.path()}, environment);
        QCOMPARE(child.exitCode, 0);
        QCOMPARE(child.out, groceries + QLatin1Char('\n') + qtCancel + QLatin1Char('\n'));
    }
    // A data file the program must not use is refused with a message naming
    // the cause and exit code 1, and left byte for byte as it was.
    void refusesAndLeavesTheFileAsItWas_data()
    {
        QTest::addColumn<QString>("content");
        QTest::addColumn<Restriction>("restriction");
        QTest::addColumn<QString>("cause");

        QTest::newRow("text file") << QStringLiteral("notes") << Restriction::None << notOurs;
        QTest::newRow("database of another program") << QStringLiteral("foreign") << Restriction::None << notOurs;
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
        QTest::newRow("data directory that cannot be created")
            << QStringLiteral("register") << Restriction::DirectoryUnderAFile << permissions;
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
#ifdef Q_OS_UNIX
            if (::geteuid() == 0) {
                if (QStandardPaths::findExecutable(QStringLiteral("setpriv")).isEmpty())
                    QSKIP("root ignores file permissions, and setpriv is missing to run the program as another user");
                QVERIFY(giveToNobody(directory) && giveToNobody(path));
                launcher = QStringList{QStringLiteral("setpriv"), QStringLiteral("--reuid=65534"), QStringLiteral("--regid=65534"),
                    QStringLiteral("--clear-groups")};
            }
#endif
            QVERIFY(QFile::setPermissions(restriction == Restriction::ReadOnlyFile ? path : directory, readable));
        }
        QSqlDatabase anotherProgram = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("another program"));
        anotherProgram.setDatabaseName(path);
        if (restriction == Restriction::LockedByAnotherProgram)
            QVERIFY(anotherProgram.open() && QSqlQuery(anotherProgram).exec(QStringLiteral("BEGIN IMMEDIATE")));
        // A data directory below a file can never be made.
        const QString served = restriction == Restriction::DirectoryUnderAFile ? path + QStringLiteral("/data") : directory;
        QProcessEnvironment environment = childEnvironment();
        environment.insert(QStringLiteral("CHECKBOOK_DATA_DIR"), served);
        const ChildOutput child = runChild({QString::fromLatin1(startMode), m_settingsDirectory}, environment, launcher);
        anotherProgram.close();
        anotherProgram = QSqlDatabase();
        QSqlDatabase::removeDatabase(QStringLiteral("another program"));

        QVERIFY2(child.exitCode == 1, qPrintable(child.err));
        QCOMPARE(child.out,
            QStringLiteral("Database Error\nFailed to initialize the database.\n\nData directory: %1\n\n%2")
                .arg(QDir::toNativeSeparators(served), cause));
        QCOMPARE(sha256(path), hashBefore);
        QCOMPARE(filesIn(directory), filesBefore);
    }
    // Every directory and file a first start leaves behind, the settings
    // written when its window closes included, is its owner's only.
    void firstStartLeavesOnlyPrivateFiles()
    {
#ifndef Q_OS_UNIX
        QSKIP("permissions are a Unix concern");
#else
        QTemporaryDir home;
        QProcessEnvironment environment = childEnvironment();
        environment.insert(QStringLiteral("HOME"), home.path());
        for (const char* variable : {"XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_CACHE_HOME"})
            environment.remove(QLatin1String(variable));
        QCOMPARE(runChild({QString::fromLatin1(firstStartMode)}, environment).exitCode, 0);

        const QString settingsFile = home.filePath(QStringLiteral(".config/Kestrelwood/Checkbook.conf"));
        QVERIFY(QSettings(settingsFile, QSettings::IniFormat).contains(QStringLiteral("mainwindow/geometry")));
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
#endif
    }

private:
    QString m_settingsDirectory;
};

int main(int argc, char** argv)
{
    const QByteArray mode = argc > 1 ? QByteArray(argv[1]) : QByteArray();
#ifdef Q_OS_UNIX
    // The places of a real user, not those of the test mode.
    if (mode == firstStartMode)
        return firstStart(argc, argv);
#endif
    QStandardPaths::setTestModeEnabled(true);
    if (argc > 2 && mode == sampleMode)
        return sample(argc, argv);
    if (argc > 2 && mode == startMode)
        return startAndAnswer(argc, argv);

    // The test process runs in English whatever the machine's language, with
    // settings of its own.
    QTemporaryDir settingsDirectory;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settingsDirectory.path());
    writeLanguageChoice(settingsDirectory.path(), QStringLiteral("en"));

    Application app(argc, argv);
    ApplicationTest test(settingsDirectory.path());
    return QTest::qExec(&test, argc, argv);
}

#include "tst_application.moc"
