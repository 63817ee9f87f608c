#include "app/commandlinehelp.h"

#include "services/reports/reportservice.h"
#include "services/reports/reporttable.h"
#include "storage/database.h"

#include <QDir>
#include <QList>
#include <QStringList>

namespace {

const QString program = QStringLiteral("kestrelwood-checkbook");

// One line of the help: what is typed, what it does, and a command line that
// uses it.
struct Entry
{
    QString usage;
    QString description;
    QString example;
};

QString reportKinds()
{
    QStringList kinds;
    for (int index = 0; index < reportKindCount; ++index)
        kinds.append(ReportTable::fileStem(ReportKind(index)));
    return kinds.join(QStringLiteral(", "));
}

QList<Entry> commands()
{
    return {
        {QStringLiteral("--search TEXT"), CommandLineHelp::tr("Write the transactions matching TEXT as CSV."),
            program + QStringLiteral(" --search \"Corner Market\" --output found.csv")},
        {QStringLiteral("--report KIND"), CommandLineHelp::tr("Write a report as CSV. The reports: %1.").arg(reportKinds()),
            program + QStringLiteral(" --report category_spending --from 2026-01-01 --to 2026-12-31")},
        {QStringLiteral("--export-backup FILE"), CommandLineHelp::tr("Save a backup of the register as a ZIP archive."),
            program + QStringLiteral(" --export-backup \"$HOME/Backups/checkbook-$(date +%F).zip\"")},
        {QStringLiteral("--restore-backup FILE"),
            CommandLineHelp::tr("Restore a backup archive while the window is closed; needs --mode."),
            program + QStringLiteral(" --restore-backup checkbook-backup.zip --mode newer")},
        {QStringLiteral("--import FILE..."),
            CommandLineHelp::tr("Import bank files (CSV, QIF, OFX or QFX) while the window is closed."),
            program + QStringLiteral(" --import statement.ofx")},
        {QStringLiteral("--help"), CommandLineHelp::tr("Show this help."), program + QStringLiteral(" --help")},
        {QStringLiteral("--version"), CommandLineHelp::tr("Show the version."), program + QStringLiteral(" --version")},
    };
}

QList<Entry> options()
{
    return {
        {QStringLiteral("--from yyyy-MM-dd"), CommandLineHelp::tr("The report's first day."),
            QStringLiteral("--report cash_flow --from 2026-01-01 --to 2026-03-31")},
        {QStringLiteral("--to yyyy-MM-dd"), CommandLineHelp::tr("The report's last day."),
            QStringLiteral("--report payee_summary --from 2026-06-01 --to 2026-06-30")},
        {QStringLiteral("--from2 yyyy-MM-dd"), CommandLineHelp::tr("Year over year: the second period's first day."),
            QStringLiteral("--report year_over_year --from 2025-01-01 --to 2025-12-31 --from2 2026-01-01 --to2 2026-12-31")},
        {QStringLiteral("--to2 yyyy-MM-dd"), CommandLineHelp::tr("Year over year: the second period's last day."),
            QStringLiteral("--report year_over_year --from 2025-07-01 --to 2025-07-31 --from2 2026-07-01 --to2 2026-07-31")},
        {QStringLiteral("--account NAME"),
            CommandLineHelp::tr("The account a report reads or a CSV, OFX or QFX file goes to."),
            QStringLiteral("--import bank.csv --account \"Joint Checking\"")},
        {QStringLiteral("--output FILE"),
            CommandLineHelp::tr("Write the CSV of a search or report to FILE instead of standard output."),
            QStringLiteral("--report account_summary --output accounts.csv")},
        {QStringLiteral("--mode skip|replace|newer"),
            CommandLineHelp::tr("Restoring: keep the rows already there, replace everything, or keep the newer row."),
            QStringLiteral("--restore-backup checkbook-backup.zip --mode replace")},
    };
}

QList<Entry> variables()
{
    const QString household = QStringLiteral("https://checkbook.example.net");
    return {
        {QStringLiteral("CHECKBOOK_DATA_DIR"),
            CommandLineHelp::tr("The folder of the register, checkbook.db; now %1.")
                .arg(QDir::toNativeSeparators(Database::locateDataDirectory())),
            QStringLiteral("CHECKBOOK_DATA_DIR=/media/usb/Checkbook ") + program},
        {QStringLiteral("CHECKBOOK_VERBOSE"), CommandLineHelp::tr("Print the debug and information messages too."),
            QStringLiteral("CHECKBOOK_VERBOSE=1 ") + program},
        {QStringLiteral("CHECKBOOK_DEV"), CommandLineHelp::tr("Offer loading and clearing sample data in the Help menu."),
            QStringLiteral("CHECKBOOK_DEV=1 ") + program},
        {QStringLiteral("AUTH_BASE_URL"), CommandLineHelp::tr("The sign-in service."),
            QStringLiteral("AUTH_BASE_URL=") + household},
        {QStringLiteral("AUTH_REALM_SLUG"), CommandLineHelp::tr("The sign-in realm."),
            QStringLiteral("AUTH_REALM_SLUG=kestrelwood")},
        {QStringLiteral("AUTH_CLIENT_ID"), CommandLineHelp::tr("The client id the sign-in service knows the program by."),
            QStringLiteral("AUTH_CLIENT_ID=4b65737472656c776f6f64436865636b")},
        {QStringLiteral("ACCOUNT_API_URL"), CommandLineHelp::tr("The account service."),
            QStringLiteral("ACCOUNT_API_URL=") + household + QStringLiteral("/account/v1")},
        {QStringLiteral("SYNC_API_URL"), CommandLineHelp::tr("The sync service."),
            QStringLiteral("SYNC_API_URL=") + household + QStringLiteral("/checkbook/v1")},
        {QStringLiteral("ACCOUNT_PORTAL_URL"), CommandLineHelp::tr("The account web pages Kestrelwood Account opens."),
            QStringLiteral("ACCOUNT_PORTAL_URL=") + household},
        {QStringLiteral("CHECKBOOK_UPDATE_URL"),
            CommandLineHelp::tr("The folder of the update feed's latest.json."),
            QStringLiteral("CHECKBOOK_UPDATE_URL=") + household + QStringLiteral("/downloads/checkbook/stable/")},
        {QStringLiteral("CHECKBOOK_FEEDBACK_URL"), CommandLineHelp::tr("The page Send Feedback opens."),
            QStringLiteral("CHECKBOOK_FEEDBACK_URL=") + household + QStringLiteral("/feedback/")},
    };
}

// The entries under `title`, their descriptions in one column and each
// example indented below its line.
QString section(const QString& title, const QList<Entry>& entries)
{
    qsizetype width = 0;
    for (const Entry& entry : entries)
        width = std::max(width, entry.usage.size());
    const QString indent(width + 4, QLatin1Char(' '));
    QString text = title + QLatin1Char('\n');
    for (const Entry& entry : entries) {
        text += QStringLiteral("  ") + entry.usage.leftJustified(width + 2) + entry.description + QLatin1Char('\n');
        text += indent + CommandLineHelp::tr("Example: %1").arg(entry.example) + QLatin1Char('\n');
    }
    return text;
}

} // namespace

QString CommandLineHelp::text()
{
    const QString text = tr("Usage: %1 [COMMAND] [OPTIONS]").arg(program) + QLatin1Char('\n')
        + tr("Kestrelwood Checkbook, a checkbook register for household finances. Without a command it opens "
             "its window; the commands answer on the command line and need no display.")
        + QStringLiteral("\n\n") + section(tr("Commands:"), commands()) + QLatin1Char('\n')
        + section(tr("Options of the commands:"), options()) + QLatin1Char('\n')
        + section(tr("Environment variables:"), variables());
    return text.trimmed();
}

QString CommandLineHelp::versionLine()
{
    return QStringLiteral("Kestrelwood Checkbook %1").arg(QCoreApplication::applicationVersion());
}

QString CommandLineHelp::tryHelp()
{
    return tr("Run \"%1 --help\" for the commands and options.").arg(program);
}
