#pragma once

#include <QCoreApplication>
#include <QStringList>

// Imports bank files without a window, for people who fetch them with a
// script:
//   kestrelwood-checkbook --import FILE... [--account NAME]
// QIF files are imported together, so transfers between them are linked;
// their source accounts go to the live accounts of the same name, or to new
// ones. A CSV file goes to the account NAME, read with the mapping last
// used for that account, else with the one proposed from the file, which
// is named on standard output. Each account of an OFX or QFX statement
// goes to the account NAME, else to the account it went to before or whose
// type and last four digits it shares, else to a new account named after
// the bank and those digits. Refuses while the program is open on the same
// register.
class ImportCommand
{
    Q_DECLARE_TR_FUNCTIONS(ImportCommand)

public:
    // Prints each import's result lines; 0 when every file was imported,
    // else non-zero after the reason on standard error.
    static int run(const QStringList& files, const QString& accountName);
};
