#include "app/commandline.h"

#include "app/application.h"
#include "app/backupcommand.h"
#include "app/commandlinehelp.h"
#include "app/importcommand.h"
#include "app/language.h"
#include "services/reports/reportservice.h"
#include "services/reports/reporttable.h"
#include "services/search/searchexport.h"
#include "storage/accountrepository.h"
#include "storage/database.h"
#include "storage/reportrepository.h"
#include "storage/transactionrepository.h"

#include <QCommandLineParser>
#include <QDir>
#include <QFile>
#include <QSaveFile>
#include <cstdio>
#include <optional>

namespace {

const QString searchOption = QStringLiteral("search");
const QString reportOption = QStringLiteral("report");
const QString fromOption = QStringLiteral("from");
const QString toOption = QStringLiteral("to");
const QString from2Option = QStringLiteral("from2");
const QString to2Option = QStringLiteral("to2");
const QString accountOption = QStringLiteral("account");
const QString outputOption = QStringLiteral("output");
const QString exportBackupOption = QStringLiteral("export-backup");
const QString restoreBackupOption = QStringLiteral("restore-backup");
const QString modeOption = QStringLiteral("mode");
const QString importOption = QStringLiteral("import");
const QString helpOption = QStringLiteral("help");
const QString versionOption = QStringLiteral("version");

// A command's outcome: the CSV to write, or why there is none.
struct Outcome
{
    QByteArray csv;
    QString error;
    int exitCode = CommandLine::Succeeded;
};

Outcome success(const QByteArray& csv)
{
    return {csv, QString(), CommandLine::Succeeded};
}

Outcome failure(const QString& message, int exitCode = CommandLine::Failed)
{
    return {QByteArray(), message, exitCode};
}

int report(const QString& message, int exitCode)
{
    CommandLine::printLine(CommandLine::StandardError, message);
    return exitCode;
}

int writeToFile(const QString& path, const QByteArray& csv)
{
    // A failed run never leaves half a file where a good one was.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(csv) != csv.size() || !file.commit()) {
        return report(CommandLine::tr("Cannot write %1: %2").arg(QDir::toNativeSeparators(path), file.errorString()),
            CommandLine::Failed);
    }
    return CommandLine::Succeeded;
}

int writeToStandardOutput(const QByteArray& csv)
{
    QFile out;
    if (!out.open(stdout, QIODevice::WriteOnly) || out.write(csv) != csv.size() || !out.flush()) {
        return report(
            CommandLine::tr("Cannot write to standard output: %1").arg(out.errorString()), CommandLine::Failed);
    }
    return CommandLine::Succeeded;
}

// A failed read reaches the caller as a failure, never as an empty list.
std::optional<Outcome> readFailure(const Database& database)
{
    if (database.lastFailure() == StorageFailure::None)
        return std::nullopt;
    return failure(CommandLine::tr("The data file could not be read. %1")
                       .arg(Database::failureText(database.lastFailure())));
}

Outcome search(Database& database, const QString& text)
{
    const std::optional<QList<RegisterRow>> rows = TransactionRepository(&database).searchTyped(text.trimmed(), {});
    const QList<Account> accounts = AccountRepository(&database).all();
    if (!rows)
        return failure(CommandLine::tr("The transactions could not be read."));
    if (const std::optional<Outcome> failed = readFailure(database))
        return *failed;
    return success(SearchExport::csv(*rows, accounts));
}

// A date given as yyyy-MM-dd, or none after a message in `error`.
std::optional<QDate> dateOption(const QCommandLineParser& parser, const QString& option, QString& error)
{
    if (!parser.isSet(option)) {
        error = CommandLine::tr("This report needs --%1 yyyy-MM-dd.").arg(option);
        return std::nullopt;
    }
    const QDate date = QDate::fromString(parser.value(option), Qt::ISODate);
    if (!date.isValid()) {
        error = CommandLine::tr("--%1 needs a date written yyyy-MM-dd, not \"%2\".").arg(option, parser.value(option));
        return std::nullopt;
    }
    return date;
}

// Reads one period's two edges into `from` and `to`; the error in words when
// they are missing, malformed or reversed.
QString readPeriod(const QCommandLineParser& parser, const QString& fromName, const QString& toName, QDate& from,
    QDate& to)
{
    QString error;
    const std::optional<QDate> first = dateOption(parser, fromName, error);
    if (!first)
        return error;
    const std::optional<QDate> last = dateOption(parser, toName, error);
    if (!last)
        return error;
    if (*last < *first)
        return CommandLine::tr("--%1 is before --%2.").arg(toName, fromName);
    from = *first;
    to = *last;
    return QString();
}

// The account filter the screen would offer under `name`: an account's
// name, or an "All Accounts" entry. Without a name, the screen's first entry.
std::optional<ReportScopeChoice> scopeNamed(ReportService& service, const QCommandLineParser& parser)
{
    const QList<ReportScopeChoice> choices = service.scopeChoices();
    if (!parser.isSet(accountOption))
        return choices.value(0);
    const QString name = parser.value(accountOption);
    for (const ReportScopeChoice& choice : choices) {
        if (choice.label == name)
            return choice;
    }
    return std::nullopt;
}

// The report the arguments ask for: its kind and periods.
struct ReportCommand
{
    ReportKind kind = ReportKind::CategorySpending;
    ReportRequest request;
};

// The report asked for, or none after the misuse in `error`.
std::optional<ReportCommand> reportCommand(const QCommandLineParser& parser, QString& error)
{
    const std::optional<ReportKind> kind = ReportTable::kindForFileStem(parser.value(reportOption));
    if (!kind) {
        QStringList kinds;
        for (int index = 0; index < reportKindCount; ++index)
            kinds.append(ReportTable::fileStem(ReportKind(index)));
        error = CommandLine::tr("Unknown report \"%1\". The reports are: %2.")
                    .arg(parser.value(reportOption), kinds.join(QStringLiteral(", ")));
        return std::nullopt;
    }
    ReportCommand command{*kind, {}};
    ReportRequest& request = command.request;
    // The account summary is over all time; every other report reads a period.
    if (*kind != ReportKind::AccountSummary)
        error = readPeriod(parser, fromOption, toOption, request.from, request.to);
    if (error.isEmpty() && *kind == ReportKind::YearOverYear) {
        request.firstFrom = request.from;
        request.firstTo = request.to;
        error = readPeriod(parser, from2Option, to2Option, request.secondFrom, request.secondTo);
    }
    if (!error.isEmpty())
        return std::nullopt;
    return command;
}

Outcome reportCsv(Database& database, const QCommandLineParser& parser, ReportCommand command)
{
    AccountRepository accounts(&database);
    ReportRepository reports(&database);
    ReportService service(&accounts, &reports);
    const std::optional<ReportScopeChoice> scope = scopeNamed(service, parser);
    if (!scope)
        return failure(CommandLine::tr("There is no account named \"%1\".").arg(parser.value(accountOption)));
    command.request.scope = scope->scope;
    command.request.currency = scope->currency;
    const ReportResults results = service.run(command.request, {command.kind});
    if (const std::optional<Outcome> failed = readFailure(database))
        return *failed;
    return success(ReportTable::build(command.kind, results, command.request.currency).csvText().toUtf8());
}

void addOptions(QCommandLineParser& parser)
{
    parser.addOptions({
        {searchOption, CommandLine::tr("Find the transactions matching <text>."), CommandLine::tr("text")},
        {reportOption, CommandLine::tr("Write the report <kind>, such as category_spending."), CommandLine::tr("kind")},
        {fromOption, CommandLine::tr("The report's first day."), CommandLine::tr("yyyy-MM-dd")},
        {toOption, CommandLine::tr("The report's last day."), CommandLine::tr("yyyy-MM-dd")},
        {from2Option, CommandLine::tr("Year over year: the second period's first day."), CommandLine::tr("yyyy-MM-dd")},
        {to2Option, CommandLine::tr("Year over year: the second period's last day."), CommandLine::tr("yyyy-MM-dd")},
        {accountOption, CommandLine::tr("Report on, or import a CSV or OFX file into, the account <name>."),
            CommandLine::tr("name")},
        {outputOption, CommandLine::tr("Write the CSV to <file>."), CommandLine::tr("file")},
        {exportBackupOption, CommandLine::tr("Save a backup of the register as the ZIP archive <file>."),
            CommandLine::tr("file")},
        {restoreBackupOption, CommandLine::tr("Restore the backup archive <file>."), CommandLine::tr("file")},
        {modeOption, CommandLine::tr("Restoring: what becomes of rows already there: skip, replace or newer."),
            CommandLine::tr("mode")},
        {importOption, CommandLine::tr("Import the bank files <file> and those after it (CSV, QIF, OFX or QFX)."),
            CommandLine::tr("file")},
        // Described by CommandLineHelp, which prints the whole help itself.
        QCommandLineOption(QStringList{QStringLiteral("h"), helpOption}),
        QCommandLineOption(versionOption),
    });
}

// The toolkit's own options for the window (-platform offscreen, -style
// fusion, the session manager's -session id), with one dash or two: how
// many arguments one takes from `argument` on, or 0 when it is none of them.
int toolkitOptionLength(const QByteArray& argument)
{
    if (!argument.startsWith('-'))
        return 0;
    const QByteArray name = argument.startsWith("--") ? argument.mid(2) : argument.mid(1);
    static const QByteArrayList withValue{"platform", "platformpluginpath", "platformtheme", "plugin",
        "qwindowgeometry", "qwindowicon", "qwindowtitle", "session", "style", "stylesheet"};
    static const QByteArrayList alone{"reverse", "widgetcount", "nograb", "dograb"};
    if (withValue.contains(name))
        return 2;
    return alone.contains(name) ? 1 : 0;
}

// What the arguments ask for, before the data file is opened; an error
// outcome when they are not understood.
std::optional<Outcome> misuse(const QCommandLineParser& parser)
{
    const QString usage = CommandLine::tr(
        "Usage: kestrelwood-checkbook --search TEXT [--output FILE]\n"
        "   or: kestrelwood-checkbook --report KIND --from yyyy-MM-dd --to yyyy-MM-dd [--from2 yyyy-MM-dd --to2 "
        "yyyy-MM-dd] [--account NAME] [--output FILE]\n"
        "   or: kestrelwood-checkbook --export-backup FILE\n"
        "   or: kestrelwood-checkbook --restore-backup FILE --mode skip|replace|newer\n"
        "   or: kestrelwood-checkbook --import FILE... [--account NAME]");
    // Only an import takes further files.
    if (!parser.positionalArguments().isEmpty() && !parser.isSet(importOption)) {
        return failure(CommandLine::tr("Unexpected argument: %1").arg(parser.positionalArguments().constFirst())
                + QLatin1Char('\n') + usage,
            CommandLine::Misused);
    }
    const QList<bool> commands{parser.isSet(searchOption), parser.isSet(reportOption),
        parser.isSet(exportBackupOption), parser.isSet(restoreBackupOption), parser.isSet(importOption)};
    if (commands.count(true) != 1)
        return failure(
            CommandLine::tr("Give one of --search, --report, --export-backup, --restore-backup or --import.")
                + QLatin1Char('\n') + usage,
            CommandLine::Misused);
    if (parser.isSet(restoreBackupOption) && !BackupCommand::modeNamed(parser.value(modeOption)))
        return failure(CommandLine::tr("--restore-backup needs --mode skip, --mode replace or --mode newer.")
                + QLatin1Char('\n') + usage,
            CommandLine::Misused);
    return std::nullopt;
}

} // namespace

void CommandLine::printLine(Stream stream, const QString& text)
{
    std::FILE* file = stream == StandardOutput ? stdout : stderr;
    std::fprintf(file, "%s\n", text.toLocal8Bit().constData());
    std::fflush(file);
}

QString CommandLine::unreadableDataFile(const QString& path, OpenFailure failure)
{
    const QString text = tr("Cannot read the data file %1.").arg(QDir::toNativeSeparators(path));
    // The general advice about permissions would mislead for a missing file.
    if (failure == OpenFailure::None || failure == OpenFailure::Other)
        return text;
    return text + QLatin1Char(' ') + Application::causeText(failure);
}

bool CommandLine::handles(int argc, char** argv)
{
    // Anything else the window does not understand is answered here too, so
    // that a mistyped option is refused instead of opening the window.
    for (int i = 1; i < argc; ++i) {
        const int length = toolkitOptionLength(QByteArray(argv[i]));
        if (length == 0)
            return true;
        i += length - 1;
    }
    return false;
}

int CommandLine::run(int argc, char** argv)
{
    QCoreApplication application(argc, argv);
    Application::nameProgram();
    // The export reads as the window's would: same language, same money format.
    installInterfaceLanguage(&application);
    QCommandLineParser parser;
    addOptions(parser);
    if (!parser.parse(application.arguments()))
        return report(parser.errorText() + QLatin1Char('\n') + CommandLineHelp::tryHelp(), Misused);
    if (parser.isSet(helpOption)) {
        printLine(StandardOutput, CommandLineHelp::text());
        return Succeeded;
    }
    if (parser.isSet(versionOption)) {
        printLine(StandardOutput, CommandLineHelp::versionLine());
        return Succeeded;
    }
    if (const std::optional<Outcome> wrong = misuse(parser))
        return report(wrong->error, wrong->exitCode);
    if (parser.isSet(exportBackupOption))
        return BackupCommand::exportTo(parser.value(exportBackupOption));
    if (parser.isSet(restoreBackupOption))
        return BackupCommand::restoreFrom(
            parser.value(restoreBackupOption), *BackupCommand::modeNamed(parser.value(modeOption)));
    if (parser.isSet(importOption))
        return ImportCommand::run(parser.values(importOption) + parser.positionalArguments(), parser.value(accountOption));
    QString error;
    std::optional<ReportCommand> reportAsked;
    if (parser.isSet(reportOption)) {
        reportAsked = reportCommand(parser, error);
        if (!reportAsked)
            return report(error, Misused);
    }

    const QString path = Database::locateDataDirectory() + QStringLiteral("/checkbook.db");
    Database database;
    if (!database.openForReading(path))
        return report(unreadableDataFile(path, database.openFailure()), Failed);
    const Outcome outcome =
        reportAsked ? reportCsv(database, parser, *reportAsked) : search(database, parser.value(searchOption));
    if (!outcome.error.isEmpty())
        return report(outcome.error, outcome.exitCode);
    if (parser.isSet(outputOption))
        return writeToFile(parser.value(outputOption), outcome.csv);
    return writeToStandardOutput(outcome.csv);
}
