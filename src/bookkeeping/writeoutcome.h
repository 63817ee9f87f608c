#pragma once

#include <QString>
#include <functional>

class Database;

// What a change to the books came to. When it did not happen, `message`
// says why in words the user understands, and nothing of it was stored.
struct WriteOutcome
{
    enum class Status {
        Done,
        // The change breaks a bookkeeping rule (an unknown transfer account,
        // say); nothing was tried.
        Refused,
        // The row was changed or deleted elsewhere (by sync, or by another
        // program on the same file) after it was read.
        ChangedElsewhere,
        // The database could not store it (a full disk, a read-only file).
        Failed,
    };

    Status status = Status::Done;
    QString message;
    // The row the change created, when it created one.
    QString id;

    bool ok() const { return status == Status::Done; }

    static WriteOutcome done(const QString& id = QString()) { return {Status::Done, QString(), id}; }
    static WriteOutcome refused(const QString& message) { return {Status::Refused, message, QString()}; }
    static WriteOutcome changedElsewhere(const QString& message) { return {Status::ChangedElsewhere, message, QString()}; }
    static WriteOutcome failed(const QString& message) { return {Status::Failed, message, QString()}; }
};

// Runs `work` as one database transaction: committed when it comes back
// done, rolled back otherwise. A commit that fails is reported as Failed.
WriteOutcome writeInTransaction(Database* database, const std::function<WriteOutcome()>& work);
// The Failed outcome for the database's last failed statement.
WriteOutcome storageFailure(const Database* database);
