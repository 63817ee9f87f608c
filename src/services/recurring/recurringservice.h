#pragma once

#include "bookkeeping/transactionservice.h"
#include "bookkeeping/writeoutcome.h"
#include "storage/recurringtransaction.h"

#include <QList>
#include <QObject>
#include <QString>

class Database;
class RecurringRepository;
class TransactionRepository;

// A rule that was not posted as it fell due, and why, in the user's words.
struct RecurringProblem
{
    QString payee;
    QString message;
};

// What a run over several rules came to: how many transactions were posted
// and which rules were not, or were made inactive.
struct RecurringRunResult
{
    int posted = 0;
    QList<RecurringProblem> problems;
};

// The rules of recurring transactions, without widgets: when a rule falls
// due next, posting an occurrence (both legs of a transfer) together with
// the rule's advance as one database transaction, skipping, and posting
// every due auto-post rule at start with its missed occurrences. Rules with
// broken dates, or that ran past their end date, are made inactive instead
// of posting.
class RecurringService : public QObject
{
    Q_OBJECT

public:
    // An auto-post rule whose catch-up posts this many occurrences after
    // the first in one run is made inactive: a year of missed occurrences
    // is more likely a wrong date than a long holiday.
    static constexpr int catchUpCapNoted = 364;
    static constexpr int catchUpLimit = 365;

    RecurringService(Database* database, RecurringRepository* recurring, TransactionRepository* transactions,
        TransactionService* transactionService, QObject* parent = nullptr);

    // The date after `date` on which a rule of `frequency` falls due. Month
    // and year steps keep the day of the month, or take the target month's
    // last day when it is shorter (31 January + 1 month = 29 February 2024).
    static QDate advance(const QDate& date, Frequency frequency);
    // Dates before 2000 or invalid: such a rule is never posted.
    static bool isBrokenDate(const QDate& date);
    // Active and due today or earlier: a rule that Confirm and Skip act on.
    static bool isDue(const RecurringTransaction& rule);

    // Posts the rule's current occurrence and advances the rule, all or
    // nothing. Refused when the rule is gone or inactive, when this
    // occurrence is already in the books, or when a transfer's accounts are
    // missing or differ in currency; a rule with a broken date, or already
    // past its end date, is made inactive instead.
    WriteOutcome confirm(const RecurringTransaction& rule);
    // Advances the rule past its current occurrence without posting it.
    WriteOutcome skip(const RecurringTransaction& rule);
    // Confirms every due rule once, auto-post or not.
    RecurringRunResult confirmAllDue();
    // Posts every due auto-post rule with all its missed occurrences (see
    // catchUpLimit), each rule as one database transaction.
    RecurringRunResult autoPostDue();

    WriteOutcome add(const RecurringTransaction& rule);
    WriteOutcome update(const RecurringTransaction& rule);
    WriteOutcome remove(const QString& ruleId);

    // The number of live, active rules due today or earlier.
    int pendingCount();
    // Every live rule, soonest due first.
    QList<RecurringTransaction> allRecurring();

Q_SIGNALS:
    // The due count after any change to the rules.
    void pendingCountChanged(int count);

private:
    enum class Readiness { Ready, BrokenDate, Ended };
    static Readiness readiness(const RecurringTransaction& rule);
    // Makes `rule` inactive and refuses with `message`.
    WriteOutcome deactivate(RecurringTransaction rule, const QString& message);
    // Posts up to `limit` occurrences from rule.nextDueDate (the first, then
    // those missed until today), stopping before one already posted, and
    // stores `rule` advanced past them, in one database transaction. A
    // catch-up that reaches the cap makes the rule inactive.
    WriteOutcome postOccurrences(RecurringTransaction& rule, int limit, int& posted);
    static PlannedTransaction occurrence(const RecurringTransaction& rule);
    // Posts the occurrence due and up to catchUpLimit missed ones of one
    // auto-post rule, with its advance, or none of them.
    void catchUp(RecurringTransaction rule, RecurringRunResult& result);
    static void advanceRule(RecurringTransaction& rule);
    static void logQuarantine(const RecurringTransaction& rule, const char* reason);
    static QString endedMessage(const RecurringTransaction& rule);
    void announcePendingCount();

    Database* m_database;
    RecurringRepository* m_recurring;
    TransactionRepository* m_transactions;
    TransactionService* m_transactionService;
};
