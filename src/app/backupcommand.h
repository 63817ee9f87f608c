#pragma once

#include "services/backup/backupservice.h"

#include <QCoreApplication>
#include <optional>

// Backups without a window, for scripts and cron jobs, on the data
// directory the program would use:
//   kestrelwood-checkbook --export-backup FILE
//   kestrelwood-checkbook --restore-backup FILE --mode skip|replace|newer
// The export only reads the data file, so it also runs beside the open
// program and saves what was committed when it began. A restore writes,
// so it refuses to run while the program is open on the same directory,
// and keeps the program from starting until it is done.
class BackupCommand
{
    Q_DECLARE_TR_FUNCTIONS(BackupCommand)

public:
    // Prints "Backup saved to:" and the path; exit code 0 when saved.
    static int exportTo(const QString& path);
    // Prints the counts and every error line; exit code 0 when restored.
    static int restoreFrom(const QString& path, BackupService::RestoreMode mode);
    // The mode named on the command line: "skip", "replace" or "newer".
    static std::optional<BackupService::RestoreMode> modeNamed(const QString& name);
};
