// Only one QApplication may exist in a process, so this test builds the one
// Application itself and runs the test object inside it. Start-up work that
// needs a fresh process (the log filter, the catalogues chosen at start)
// runs this same program again as a child in a sample mode.

#include "app/application.h"
#include "app/mainwindow.h"
#include "storage/account.h"
#include "storage/accountrepository.h"
#include "storage/clock.h"
#include "storage/database.h"
#include "storage/identifiers.h"
#include "storage/transaction.h"
#include "storage/transactionrepository.h"
#include "support/modalanswer.h"
#include "support/storagetesting.h"
#include "support/testdatabase.h"

#include <QFontDatabase>
#include <QLabel>
#include <QListWidget>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QtTest>

namespace {

const char logSampleMode[] = "--log-sample";
const char catalogueSampleMode[] = "--catalogue-sample";

const QString databaseErrorText = QStringLiteral("Failed to initialize the database.\n\nData directory: %1\n\n%2");
const QString checkPermissions = QStringLiteral("Please check file permissions and try again.");

// Child mode: start the program's Application and log one line of each kind.
int logSample(int argc, char** argv)
{
    Application application(argc, argv);
    qDebug("sample debug line");
    qInfo("sample info line");
    qWarning("sample warning line");
    qCritical("sample critical line");
    return 0;
}

// Child mode: start the program's Application with the settings in argv[2]
// and print what the installed catalogues make of one of the program's texts
// and one of Qt's.
int catalogueSample(int argc, char** argv)
{
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, QString::fromLocal8Bit(argv[2]));
    Application application(argc, argv);
    QTextStream out(stdout);
    out << QCoreApplication::translate("CategoryService", "Groceries") << '\n'
        << QCoreApplication::translate("QPlatformTheme", "Cancel") << '\n';
    return 0;
}

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
    environment.remove(QStringLiteral("CHECKBOOK_VERBOSE"));
    environment.remove(QStringLiteral("QT_MESSAGE_PATTERN"));
    environment.remove(QStringLiteral("QT_LOGGING_RULES"));
    environment.remove(QStringLiteral("LANGUAGE"));
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

ChildOutput runChild(const QStringList& arguments, const QProcessEnvironment& environment)
{
    QProcess child;
    child.setProcessEnvironment(environment);
    child.start(QCoreApplication::applicationFilePath(), arguments);
    ChildOutput output;
    if (!child.waitForFinished(60000) || child.exitStatus() != QProcess::NormalExit)
        return output;
    output.exitCode = child.exitCode();
    output.out = QString::fromUtf8(child.readAllStandardOutput());
    output.err = QString::fromUtf8(child.readAllStandardError());
    return output;
}

Application* application()
{
    return static_cast<Application*>(QCoreApplication::instance());
}

void createAccountWithPayment(AccountRepository& accounts, TransactionRepository& transactions)
{
    Account account = makeAccount(newId(), QStringLiteral("Household Checking"));
    account.startingBalance = 125000;
    QVERIFY(accounts.insert(account));
    QVERIFY(transactions.insert(makeTransaction(newId(), account.id, QDate(2024, 5, 2), -2550)));

    Account savings = makeAccount(newId(), QStringLiteral("Rainy Day"), 1);
    savings.type = AccountType::Savings;
    savings.currency = Currency::EUR;
    QVERIFY(accounts.insert(savings));
}

} // namespace

class ApplicationTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
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
        const ChildOutput child = runChild({QString::fromLatin1(logSampleMode)}, environment);
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

        const ChildOutput child =
            runChild({QString::fromLatin1(catalogueSampleMode), settingsDirectory.path()}, environment);
        QCOMPARE(child.exitCode, 0);
        QCOMPARE(child.out, groceries + QLatin1Char('\n') + qtCancel + QLatin1Char('\n'));
    }
    void refusesFileThatIsNotDatabase()
    {
        TestDataDirectory dataDirectory;
        const QByteArray notes = QByteArray("Remember: pay the plumber, cancel the gym, buy stamps.\n").repeated(80).left(4096);
        {
            QFile file(dataDirectory.databasePath());
            QVERIFY(file.open(QIODevice::WriteOnly));
            QCOMPARE(file.write(notes), qint64(4096));
        }

        QString shownText;
        QString shownTitle;
        ModalAnswer::pressWhenShown(QMessageBox::Ok, &shownText, &shownTitle);
        QCOMPARE(application()->run(), 1);

        QCOMPARE(shownText, databaseErrorText.arg(QDir::toNativeSeparators(dataDirectory.path()),
            QStringLiteral("The data file was not made by Kestrelwood Checkbook. It was left as it is.")));
        QFile file(dataDirectory.databasePath());
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), notes);
        QCOMPARE(QDir(dataDirectory.path()).entryList(QDir::Files), QStringList({QStringLiteral("checkbook.db")}));
    }
    void reportsDataDirectoryThatCannotBeCreated()
    {
        TestDataDirectory dataDirectory;
        const QString blocker = dataDirectory.path() + QStringLiteral("/Checkbook");
        {
            QFile file(blocker);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write("a file where the data directory's parent should be\n");
        }
        const QString unreachable = blocker + QStringLiteral("/data");
        qputenv("CHECKBOOK_DATA_DIR", unreachable.toUtf8());

        QString shownText;
        ModalAnswer::pressWhenShown(QMessageBox::Ok, &shownText);
        QCOMPARE(application()->run(), 1);
        QCOMPARE(shownText, databaseErrorText.arg(QDir::toNativeSeparators(unreachable), checkPermissions));
        QVERIFY(QFileInfo(blocker).isFile());
    }
    void showsAccountsUntilWindowIsClosed()
    {
        TestDataDirectory dataDirectory;
        {
            Database database;
            QVERIFY(database.open(Database::databasePath()) && database.runMigrations());
            AccountRepository accounts(&database);
            TransactionRepository transactions(&database);
            createAccountWithPayment(accounts, transactions);
        }

        QStringList listed;
        QTimer::singleShot(0, this, [&listed] {
            for (QWidget* widget : QApplication::topLevelWidgets()) {
                auto* window = qobject_cast<MainWindow*>(widget);
                if (!window || !window->isVisible())
                    continue;
                const QListWidget* list = window->accountList();
                for (int row = 0; row < list->count(); ++row) {
                    const QWidget* account = list->itemWidget(list->item(row));
                    listed.append(account->findChild<QLabel*>(QStringLiteral("accountName"))->text() + QLatin1Char(' ')
                        + account->findChild<QLabel*>(QStringLiteral("accountBalance"))->text());
                }
                window->close();
            }
        });
        QCOMPARE(application()->run(), 0);
        QCOMPARE(listed, QStringList({QStringLiteral("Household Checking $1,224.50"), QStringLiteral("Rainy Day €0.00")}));

        // The program seeded its categories.
        {
            QSqlDatabase inspection = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("inspection"));
            inspection.setDatabaseName(Database::databasePath());
            QVERIFY(inspection.open());
            QSqlQuery categories(inspection);
            QVERIFY(categories.exec(QStringLiteral("SELECT COUNT(*) FROM categories")) && categories.next());
            QCOMPARE(categories.value(0).toInt(), 56);
        }
        QSqlDatabase::removeDatabase(QStringLiteral("inspection"));
    }
};

int main(int argc, char** argv)
{
    QStandardPaths::setTestModeEnabled(true);
    if (argc > 1 && qstrcmp(argv[1], logSampleMode) == 0)
        return logSample(argc, argv);
    if (argc > 2 && qstrcmp(argv[1], catalogueSampleMode) == 0)
        return catalogueSample(argc, argv);

    // The test process runs in English whatever the machine's language, with
    // settings of its own.
    QTemporaryDir settingsDirectory;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settingsDirectory.path());
    writeLanguageChoice(settingsDirectory.path(), QStringLiteral("en"));

    Application app(argc, argv);
    ApplicationTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_application.moc"
