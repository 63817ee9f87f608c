#pragma once

#include <QString>
#include <QStringList>

// What one import did. When it was aborted nothing of it is stored and the
// counters are all zero.
struct ImportResult
{
    int imported = 0;
    int transfersLinked = 0;
    // Of transfersLinked, those whose other leg an earlier import stored.
    int linkedToEarlierImports = 0;
    int duplicates = 0;
    int unparseable = 0;
    int metadata = 0;
    int unmappedSourceAccount = 0;
    int databaseErrors = 0;
    bool aborted = false;
    // Aborted because the user asked to stop.
    bool cancelled = false;
    // Refused before anything was written: failureReason says why, in the
    // user's words.
    bool refused = false;
    // Why it was aborted, for the log and the command line.
    QString failureReason;
    // The accounts the import created for QIF source accounts.
    QStringList createdAccountIds;

    // "12 transaction(s) imported" and every other counter above zero, one
    // line each, in the order of the fields above.
    QStringList summaryLines() const;
    static ImportResult abortedWith(const QString& reason, bool cancelled = false);
    static ImportResult refusedWith(const QString& message);
};
