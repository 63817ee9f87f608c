#include "app/backupcommand.h"

#include "app/commandline.h"
#include "app/singleinstanceguard.h"
#include "storage/accountrepository.h"
#include "storage/categoryrepository.h"
#include "storage/database.h"
#include "storage/reconciliationrepository.h"
#include "storage/recurringrepository.h"
#include "storage/transactionrepository.h"

#include <QDir>
#include <QLockFile>
#include <QLoggingCategory>
#include <cstdio>

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

void print(std::FILE* stream, const QString& text)
{
    std::fprintf(stream, "%s\n", text.toLocal8Bit().constData());
    std::fflush(stream);
}

int fail(const QString& message)
{
    print(stderr, message);
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
        return fail(tr("Cannot read the data file %1.").arg(QDir::toNativeSeparators(dataFile)));
    Books books(&database);
    const ExportResult result = books.service.exportTo(path);
    if (!result.succeeded())
        return fail(result.message());
    print(stdout, result.message());
    return CommandLine::Succeeded;
}

int BackupCommand::restoreFrom(const QString& path, BackupService::RestoreMode mode)
{
    const QString directory = Database::dataDirectory();
    // The lock of the running program: held, it means the program is open
    // on this register; taken, it keeps the program from opening it midway.
    QLockFile lock(SingleInstanceGuard::lockFilePath(directory));
    lock.setStaleLockTime(0);
    if (!lock.tryLock(0) && lock.error() == QLockFile::LockFailedError) {
        return fail(tr("Kestrelwood Checkbook is open on %1. Close it, then restore the backup.")
                        .arg(QDir::toNativeSeparators(directory)));
    }
    // The migrations' progress lines are no part of the command's answer.
    if (qEnvironmentVariableIsEmpty("CHECKBOOK_VERBOSE"))
        QLoggingCategory::setFilterRules(QStringLiteral("*.debug=false\n*.info=false"));
    Database database;
    const QString dataFile = Database::databasePath();
    if (!database.open(dataFile) || !database.runMigrations())
        return fail(tr("Cannot open the data file %1. %2")
                        .arg(QDir::toNativeSeparators(dataFile), Database::failureText(database.lastFailure())));
    Books books(&database);
    const RestoreResult result = books.service.restoreFrom(path, mode);
    print(stdout, result.summary());
    for (const QString& error : result.errors())
        print(stdout, error);
    return result.succeeded() ? CommandLine::Succeeded : CommandLine::Failed;
}
