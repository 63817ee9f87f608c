#pragma once

#include <QCoreApplication>

enum class OpenFailure;

// The program's answers without a window, for spreadsheets, scripts and
// cron jobs:
//   kestrelwood-checkbook --search TEXT [--output FILE]
//   kestrelwood-checkbook --report KIND --from yyyy-MM-dd --to yyyy-MM-dd
//       [--from2 yyyy-MM-dd --to2 yyyy-MM-dd] [--account NAME] [--output FILE]
// Both only read the data file, so they also work while the program is
// open, and need no display. The CSV goes to standard output or FILE.
// Backups are saved and restored here too (see BackupCommand):
//   kestrelwood-checkbook --export-backup FILE
//   kestrelwood-checkbook --restore-backup FILE --mode skip|replace|newer
// and bank files imported (see ImportCommand):
//   kestrelwood-checkbook --import FILE... [--account NAME]
// --help lists them all (see CommandLineHelp), --version names the release.
class CommandLine
{
    Q_DECLARE_TR_FUNCTIONS(CommandLine)

public:
    enum ExitCode { Succeeded = 0, Failed = 1, Misused = 2 };
    enum Stream { StandardOutput, StandardError };

    // Writes `text` and a line feed at once, so that lines stay in order
    // when both streams go to one log.
    static void printLine(Stream stream, const QString& text);
    // Why a command cannot read the data file at `path`, in plain words.
    static QString unreadableDataFile(const QString& path, OpenFailure failure);

    // Whether the arguments ask for more than the window: a command, the
    // help or the version, or something that is refused. Only the toolkit's
    // own window options (-platform, -style ...) leave the window to start.
    static bool handles(int argc, char** argv);
    // Runs it; Succeeded once the CSV is written, else a message on
    // standard error and Failed or Misused.
    static int run(int argc, char** argv);
};
