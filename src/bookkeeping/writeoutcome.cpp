#include "bookkeeping/writeoutcome.h"

#include "storage/database.h"

WriteOutcome writeInTransaction(Database* database, const std::function<WriteOutcome()>& work)
{
    WriteOutcome outcome;
    const bool committed = database->inTransaction([&] {
        outcome = work();
        return outcome.ok();
    });
    if (!committed && outcome.ok())
        return storageFailure(database);
    return outcome;
}

WriteOutcome storageFailure(const Database* database)
{
    return WriteOutcome::failed(Database::failureText(database->lastFailure()));
}
