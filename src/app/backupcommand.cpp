#include "app/backupcommand.h"

#include "app/commandline.h"
#include "app/exclusivedatafile.h"
#include "storage/accountrepository.h"
#include "storage/categoryrepository.h"
#include "storage/database.h"
#include "storage/reconciliationrepository.h"
#include "storage/recurringrepository.h"
#include "storage/transactionrepository.h"

#include <QDir>

namespace {

// The repositories a restore announces its changes through, and the
// service, on an open data file.
struct Books
{
    explicit Books(Database* database)
        : accounts(database)
        , categories(database)
        , transactions(database)
        , recurring(database)
        , reconciliations(database)
        , service(database, &accounts, &categories, &transactions, &recurring, &reconciliations)
    {
    }

    AccountRepository accounts;
    CategoryRepository categories;
    TransactionRepository transactions;
    RecurringRepository recurring;
    ReconciliationRepository reconciliations;
    BackupService service;
};

int fail(const QString& message)
{
    CommandLine::printLine(CommandLine::StandardError, message);
    return CommandLine::Failed;
}

} // namespace

std::optional<BackupService::RestoreMode> BackupCommand::modeNamed(const QString& name)
{
    if (name == QLatin1String("skip"))
        return BackupService::RestoreMode::SkipExisting;
    if (name == QLatin1String("replace"))
        return BackupService::RestoreMode::ReplaceAll;
    if (name == QLatin1String("newer"))
        return BackupService::RestoreMode::KeepNewer;
    return std::nullopt;
}

int BackupCommand::exportTo(const QString& path)
{
    const QString dataFile = Database::locateDataDirectory() + QStringLiteral("/checkbook.db");
    Database database;
    if (!database.openForReading(dataFile))
        return fail(CommandLine::unreadableDataFile(dataFile, database.openFailure()));
    Books books(&database);
    const ExportResult result = books.service.exportTo(path);
    if (!result.succeeded())
        return fail(result.message());
    CommandLine::printLine(CommandLine::StandardOutput, result.message());
    return CommandLine::Succeeded;
}

int BackupCommand::restoreFrom(const QString& path, BackupService::RestoreMode mode)
{
    ExclusiveDataFile dataFile;
    if (const QString error = dataFile.open(); !error.isEmpty())
        return fail(error);
    Books books(dataFile.database());
    const RestoreResult result = books.service.restoreFrom(path, mode);
    CommandLine::printLine(CommandLine::StandardOutput, result.summary());
    for (const QString& error : result.errors())
        CommandLine::printLine(CommandLine::StandardOutput, error);
    return result.succeeded() ? CommandLine::Succeeded : CommandLine::Failed;
}
