#pragma once

#include "storage/database.h"

#include <QCoreApplication>
#include <QLockFile>
#include <QString>

// The program's data file opened for writing by a command without a window
// (an import, a restore). The running program's lock is taken first, so the
// command refuses while the program is open on the same register and keeps
// it from starting until the command is done.
class ExclusiveDataFile
{
    Q_DECLARE_TR_FUNCTIONS(ExclusiveDataFile)

public:
    ExclusiveDataFile();

    // Takes the lock, then opens the data file and brings it up to date.
    // The reason in plain words when it cannot, else empty.
    QString open();
    Database* database() { return &m_database; }

private:
    QString m_directory;
    QLockFile m_lock;
    Database m_database;
};
