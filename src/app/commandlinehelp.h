#pragma once

#include <QCoreApplication>
#include <QString>

// What "kestrelwood-checkbook --help" prints: every command and option, and
// the environment variables the program reads, each on one line followed by
// an example. The examples are command lines and stay as they are in every
// language.
class CommandLineHelp
{
    Q_DECLARE_TR_FUNCTIONS(CommandLineHelp)

public:
    static QString text();
    // "Kestrelwood Checkbook 1.0.7", what --version prints.
    static QString versionLine();
    // The hint after a misused command line.
    static QString tryHelp();
};
