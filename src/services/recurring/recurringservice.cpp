#include "services/recurring/recurringservice.h"

#include "bookkeeping/transactionservice.h"
#include "storage/clock.h"
#include "storage/database.h"
#include "storage/identifiers.h"
#include "storage/recurringrepository.h"
#include "storage/transactionrepository.h"

#include <QDebug>
#include <QLocale>
#include <QSet>

namespace {

const QDate earliestSoundDate(2000, 1, 1);

QString shownDate(const QDate& date)
{
    return QLocale().toString(date, QLocale::ShortFormat);
}

} // namespace

RecurringService::RecurringService(Database* database, RecurringRepository* recurring,
    TransactionRepository* transactions, TransactionService* transactionService, QObject* parent)
    : QObject(parent)
    , m_database(database)
    , m_recurring(recurring)
    , m_transactions(transactions)
    , m_transactionService(transactionService)
{
    connect(m_recurring, &RecurringRepository::recurringChanged, this, &RecurringService::announcePendingCount);
}

QDate RecurringService::advance(const QDate& date, Frequency frequency)
{
    // QDate's month and year steps already fall back to the last day of a
    // shorter month.
    switch (frequency) {
    case Frequency::Daily: return date.addDays(1);
    case Frequency::Weekly: return date.addDays(7);
    case Frequency::Biweekly: return date.addDays(14);
    case Frequency::Monthly: return date.addMonths(1);
    case Frequency::Quarterly: return date.addMonths(3);
    case Frequency::SemiAnnual: return date.addMonths(6);
    case Frequency::Annual: return date.addYears(1);
    }
    return date.addMonths(1);
}

bool RecurringService::isBrokenDate(const QDate& date)
{
    return !date.isValid() || date < earliestSoundDate;
}

bool RecurringService::isDue(const RecurringTransaction& rule)
{
    return rule.isActive && !rule.deletedAt && rule.nextDueDate <= Clock::today();
}

WriteOutcome RecurringService::confirm(const RecurringTransaction& rule)
{
    const std::optional<RecurringTransaction> stored = m_recurring->byId(rule.id);
    if (!stored || stored->deletedAt)
        return WriteOutcome::changedElsewhere(tr("This recurring transaction was deleted elsewhere."));
    if (!stored->isActive)
        return WriteOutcome::refused(tr("This recurring transaction is inactive."));
    switch (readiness(*stored)) {
    case Readiness::BrokenDate:
        qWarning().noquote() << "RecurringService::confirm refusing record with broken date:" << stored->id
                             << stored->payee << stored->nextDueDate.toString(Qt::ISODate)
                             << "— quarantining (deactivating)";
        return deactivate(*stored, tr("Its next due date is not a valid date, so it was made inactive. "
                                      "Give it a new start date to use it again."));
    case Readiness::Ended:
        return deactivate(*stored, endedMessage(*stored));
    case Readiness::Ready:
        break;
    }
    RecurringTransaction current = *stored;
    int posted = 0;
    return postOccurrences(current, 1, posted);
}

WriteOutcome RecurringService::skip(const RecurringTransaction& rule)
{
    std::optional<RecurringTransaction> stored = m_recurring->byId(rule.id);
    if (!stored || stored->deletedAt)
        return WriteOutcome::changedElsewhere(tr("This recurring transaction was deleted elsewhere."));
    if (!stored->isActive)
        return WriteOutcome::refused(tr("This recurring transaction is inactive."));
    // A broken date has no next occurrence to move on to.
    if (readiness(*stored) == Readiness::BrokenDate)
        return confirm(*stored);
    advanceRule(*stored);
    if (!m_recurring->update(*stored))
        return storageFailure(m_database);
    return WriteOutcome::done(stored->id);
}

RecurringRunResult RecurringService::confirmAllDue()
{
    RecurringRunResult result;
    // One commit, so the screens reload once; each rule keeps its own
    // savepoint and fails alone.
    const bool committed = m_database->inTransaction([&] {
        for (const RecurringTransaction& rule : m_recurring->due()) {
            const WriteOutcome outcome = confirm(rule);
            if (outcome.ok())
                ++result.posted;
            else
                result.problems.append({rule.payee, outcome.message});
        }
        return true;
    });
    if (!committed)
        return {0, {{QString(), storageFailure(m_database).message}}};
    return result;
}

RecurringRunResult RecurringService::autoPostDue()
{
    // Each rule's catch-up is a database transaction of its own: inside one
    // for all, every rule's posts would run under a savepoint, whose
    // in-memory journal SQLite walks again for each page it adds; a year of
    // daily rules took several times as long.
    RecurringRunResult result;
    for (const RecurringTransaction& rule : m_recurring->due()) {
        if (rule.autoPost)
            catchUp(rule, result);
    }
    return result;
}

WriteOutcome RecurringService::add(const RecurringTransaction& rule)
{
    if (!m_recurring->insert(rule))
        return storageFailure(m_database);
    return WriteOutcome::done(rule.id);
}

WriteOutcome RecurringService::update(const RecurringTransaction& rule)
{
    const std::optional<RecurringTransaction> stored = m_recurring->byId(rule.id);
    if (!stored || stored->deletedAt)
        return WriteOutcome::changedElsewhere(tr("This recurring transaction was deleted elsewhere."));
    if (!m_recurring->update(rule))
        return storageFailure(m_database);
    return WriteOutcome::done(rule.id);
}

WriteOutcome RecurringService::remove(const QString& ruleId)
{
    if (!m_recurring->softDelete(ruleId))
        return storageFailure(m_database);
    return WriteOutcome::done();
}

int RecurringService::pendingCount()
{
    return int(m_recurring->due().size());
}

QList<RecurringTransaction> RecurringService::allRecurring()
{
    return m_recurring->all();
}

RecurringService::Readiness RecurringService::readiness(const RecurringTransaction& rule)
{
    if (isBrokenDate(rule.nextDueDate))
        return Readiness::BrokenDate;
    // A rule saved already past its end (typed so, or synced) would
    // otherwise post once more.
    if (rule.endDate && rule.nextDueDate > *rule.endDate)
        return Readiness::Ended;
    return Readiness::Ready;
}

WriteOutcome RecurringService::deactivate(RecurringTransaction rule, const QString& message)
{
    rule.isActive = false;
    rule.updatedAt = Clock::nowUtc();
    rule.syncStatus = SyncStatus::Pending;
    if (!m_recurring->update(rule))
        return storageFailure(m_database);
    return WriteOutcome::refused(message);
}

WriteOutcome RecurringService::postOccurrences(RecurringTransaction& rule, int limit, int& posted)
{
    // The occurrences from the next due date: the first whenever it falls,
    // the missed ones up to today, none past the end date.
    const QDate today = Clock::today();
    QList<PlannedTransaction> planned;
    RecurringTransaction advanced = rule;
    while (planned.size() < limit && (planned.isEmpty() || (advanced.isActive && advanced.nextDueDate <= today))) {
        planned.append(occurrence(advanced));
        advanceRule(advanced);
    }

    // The same occurrence always has the same ids: found, it was posted
    // before (here or on another device) and must not be posted again.
    QStringList ids;
    for (const PlannedTransaction& plan : planned) {
        ids << plan.ids.id;
        if (!plan.ids.counterpartId.isEmpty())
            ids << plan.ids.counterpartId;
    }
    const QSet<QString> found = m_transactions->existingIds(ids);
    WriteOutcome stopped = WriteOutcome::done(rule.id);
    for (qsizetype i = 0; i < planned.size(); ++i) {
        const NewTransactionIds& occurrenceIds = planned.at(i).ids;
        if (found.contains(occurrenceIds.id) || found.contains(occurrenceIds.counterpartId)) {
            stopped = WriteOutcome::refused(
                tr("The occurrence due on %1 is already in the register, so it was not posted again.")
                    .arg(shownDate(planned.at(i).entry.date)));
            planned.resize(i);
            break;
        }
    }
    if (planned.isEmpty())
        return stopped;

    advanced = rule;
    for (qsizetype i = 0; i < planned.size(); ++i)
        advanceRule(advanced);
    if (planned.size() - 1 >= catchUpCapNoted) {
        logQuarantine(advanced, "hit catchup cap in single tick");
        advanced.isActive = false;
    }
    // The posts and the rule's advance go together or not at all.
    const WriteOutcome written = m_transactionService->createAll(rule.accountId, planned,
        [&] { return m_recurring->update(advanced); });
    if (!written.ok())
        return written;
    rule = advanced;
    posted = int(planned.size());
    return stopped.ok() ? written : stopped;
}

PlannedTransaction RecurringService::occurrence(const RecurringTransaction& rule)
{
    PlannedTransaction plan;
    plan.entry.date = rule.nextDueDate;
    plan.entry.payee = rule.payee;
    plan.entry.memo = rule.memo;
    plan.entry.amount = rule.amount;
    plan.entry.categoryId = rule.categoryId;
    plan.entry.transferAccountId = rule.transferDestAccountId;
    plan.entry.recurringId = rule.id;
    plan.ids.id = recurringPostingId(rule.id, rule.nextDueDate);
    if (!rule.transferDestAccountId.isEmpty())
        plan.ids.counterpartId = recurringPostingId(rule.id, rule.nextDueDate, QStringLiteral("dest"));
    return plan;
}

void RecurringService::catchUp(RecurringTransaction rule, RecurringRunResult& result)
{
    const auto report = [&](const WriteOutcome& outcome) { result.problems.append({rule.payee, outcome.message}); };
    switch (readiness(rule)) {
    case Readiness::BrokenDate:
        logQuarantine(rule, "broken next_due_date");
        report(deactivate(rule, tr("Its next due date is not a valid date, so it was made inactive. "
                                   "Give it a new start date to use it again.")));
        return;
    case Readiness::Ended:
        report(deactivate(rule, endedMessage(rule)));
        return;
    case Readiness::Ready:
        break;
    }

    int posted = 0;
    const WriteOutcome outcome = postOccurrences(rule, 1 + catchUpLimit, posted);
    result.posted += posted;
    if (!outcome.ok())
        report(outcome);
    if (posted - 1 >= catchUpCapNoted)
        report(WriteOutcome::refused(tr("A whole year of missed occurrences was posted at once, so it was made "
                                        "inactive. Check its dates before making it active again.")));
}

void RecurringService::advanceRule(RecurringTransaction& rule)
{
    // Each step starts from the stored date, so a day lost to a short
    // month stays lost: 31 January, 29 February, 29 March.
    rule.nextDueDate = advance(rule.nextDueDate, rule.frequency);
    // A rule due on its end date still posts that day.
    if (rule.endDate && rule.nextDueDate > *rule.endDate)
        rule.isActive = false;
    rule.updatedAt = Clock::nowUtc();
    rule.syncStatus = SyncStatus::Pending;
}

void RecurringService::logQuarantine(const RecurringTransaction& rule, const char* reason)
{
    qWarning().noquote() << "Quarantining recurring" << rule.id << rule.payee << "— auto-deactivating. Reason:"
                         << reason << QStringLiteral("nextDueDate=") + rule.nextDueDate.toString(Qt::ISODate);
}

QString RecurringService::endedMessage(const RecurringTransaction& rule)
{
    return tr("It ended on %1, before its next due date %2, so nothing was posted and it was made inactive.")
        .arg(shownDate(*rule.endDate), shownDate(rule.nextDueDate));
}

void RecurringService::announcePendingCount()
{
    Q_EMIT pendingCountChanged(pendingCount());
}
