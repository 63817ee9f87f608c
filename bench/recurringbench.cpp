// Measures the auto-post catch-up the main window runs at start: 50 daily
// auto-post rules a year behind, 18,250 occurrences, posted through the
// recurring service. The baseline inserts the same rows with one prepared
// statement in one transaction through the plain SQLite C API. Prints one
// table: operation, median, baseline, ratio, goal, pass or fail.

#include "sqlitebaseline.h"

#include "bookkeeping/transactionservice.h"
#include "services/recurring/recurringservice.h"
#include "storage/account.h"
#include "storage/accountrepository.h"
#include "storage/clock.h"
#include "storage/database.h"
#include "storage/identifiers.h"
#include "storage/recurringrepository.h"
#include "storage/storedtime.h"
#include "storage/transactionrepository.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QLoggingCategory>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

constexpr int ruleCount = 50;
// 364 days behind: the first occurrence and 364 missed ones, 365 in all,
// the most one start posts before a rule is stopped.
constexpr int daysBehind = 364;
constexpr int postsPerRule = daysBehind + 1;
constexpr int runs = 7;
constexpr double goalMs = 2000;
const QDateTime now(QDate(2024, 5, 20), QTime(12, 0), Qt::UTC);

struct Books
{
    explicit Books(const QString& path)
        : ready(database.open(path) && database.runMigrations())
    {
    }

    Database database;
    bool ready;
    AccountRepository accounts{&database};
    TransactionRepository transactions{&database};
    RecurringRepository recurring{&database};
    TransactionService transactionService{&database, &accounts, &transactions};
    RecurringService service{&database, &recurring, &transactions, &transactionService};
};

struct Plan
{
    QString accountId;
    QList<RecurringTransaction> rules;
};

Plan createRules(Books& books)
{
    Plan plan;
    Account account;
    account.id = newId();
    account.name = QStringLiteral("Checking");
    account.createdAt = account.updatedAt = now;
    if (!books.accounts.insert(account))
        return {};
    plan.accountId = account.id;
    for (int i = 0; i < ruleCount; ++i) {
        RecurringTransaction rule;
        rule.id = newId();
        rule.accountId = account.id;
        rule.payee = QStringLiteral("Daily payee %1").arg(i);
        rule.amount = -(100 + i);
        rule.frequency = Frequency::Daily;
        rule.startDate = rule.nextDueDate = now.date().addDays(-daysBehind);
        rule.autoPost = true;
        rule.createdAt = rule.updatedAt = now;
        if (!books.recurring.insert(rule))
            return {};
        plan.rules.append(rule);
    }
    return plan;
}

// The rows the service posts, as the baseline writes them.
std::vector<PlainRegisterRow> postedRows(const Plan& plan)
{
    std::vector<PlainRegisterRow> rows;
    const std::string stamp = timeToText(now).toStdString();
    for (const RecurringTransaction& rule : plan.rules) {
        for (int day = 0; day < postsPerRule; ++day) {
            const QDate date = rule.nextDueDate.addDays(day);
            PlainRegisterRow row;
            row.id = recurringPostingId(rule.id, date).toStdString();
            row.accountId = plan.accountId.toStdString();
            row.date = dateToText(date).toStdString();
            row.payee = rule.payee.toStdString();
            row.amount = rule.amount;
            row.recurringId = rule.id.toStdString();
            row.syncStatus = "pending";
            row.createdAt = row.updatedAt = stamp;
            rows.push_back(row);
        }
    }
    return rows;
}

bool copyFresh(const QString& from, const QString& to)
{
    for (const QString& suffix : {QString(), QStringLiteral("-wal"), QStringLiteral("-shm")})
        QFile::remove(to + suffix);
    return QFile::copy(from, to);
}

double elapsedMs(const QElapsedTimer& timer)
{
    return double(timer.nsecsElapsed()) / 1e6;
}

double median(std::vector<double> samples)
{
    std::sort(samples.begin(), samples.end());
    const std::size_t middle = samples.size() / 2;
    return samples.size() % 2 == 1 ? samples[middle] : (samples[middle - 1] + samples[middle]) / 2;
}

// One start's auto-post on a fresh copy; -1 when it posted the wrong count.
double timeAutoPost(const QString& pristine, const QString& path)
{
    if (!copyFresh(pristine, path))
        return -1;
    Books books(path);
    if (!books.ready)
        return -1;
    QElapsedTimer timer;
    timer.start();
    const RecurringRunResult result = books.service.autoPostDue();
    const double ms = elapsedMs(timer);
    return result.posted == ruleCount * postsPerRule ? ms : -1;
}

double timeBaseline(const QString& pristine, const QString& path, const std::vector<PlainRegisterRow>& rows,
    const std::vector<std::pair<std::string, std::string>>& nextDueDates)
{
    if (!copyFresh(pristine, path))
        return -1;
    SqliteBaseline baseline(path.toStdString());
    QElapsedTimer timer;
    timer.start();
    const bool written = baseline.isOpen() && baseline.insertPostings(rows, nextDueDates);
    const double ms = elapsedMs(timer);
    return written ? ms : -1;
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    // Every rule is stopped at the catch-up cap with a warning; the table is
    // the output.
    QLoggingCategory::setFilterRules(QStringLiteral("default.info=false\ndefault.warning=false"));
    QStandardPaths::setTestModeEnabled(true);
    Clock::setFixedNow(now);
    QTemporaryDir directory;
    if (!directory.isValid()) {
        std::fprintf(stderr, "recurring_bench: cannot create a temporary directory\n");
        return 1;
    }
    const QString pristine = directory.filePath(QStringLiteral("pristine.db"));
    const QString path = directory.filePath(QStringLiteral("checkbook.db"));
    Plan plan;
    {
        Books books(pristine);
        plan = books.ready ? createRules(books) : Plan();
    }
    if (plan.rules.isEmpty()) {
        std::fprintf(stderr, "recurring_bench: the rules could not be created\n");
        return 1;
    }
    const std::vector<PlainRegisterRow> rows = postedRows(plan);
    std::vector<std::pair<std::string, std::string>> nextDueDates;
    for (const RecurringTransaction& rule : plan.rules)
        nextDueDates.emplace_back(rule.id.toStdString(), dateToText(now.date().addDays(1)).toStdString());

    std::printf("recurring_bench: %d daily rules %d days behind, %d timed runs after 1 warm-up\n", ruleCount,
        daysBehind, runs);
    std::fflush(stdout);
    std::vector<double> program;
    std::vector<double> plain;
    // Interleaved, so a load that comes and goes weighs on both alike.
    for (int run = 0; run <= runs; ++run) {
        const double programMs = timeAutoPost(pristine, path);
        const double plainMs = timeBaseline(pristine, path, rows, nextDueDates);
        if (programMs < 0 || plainMs < 0) {
            std::fprintf(stderr, "recurring_bench: a run did not post the %d occurrences\n", ruleCount * postsPerRule);
            return 1;
        }
        if (run > 0) {
            program.push_back(programMs);
            plain.push_back(plainMs);
        }
    }
    const double programMedian = median(program);
    const double plainMedian = median(plain);
    const char* format = "%-52s | %10s | %11s | %7s | %-10s | %s\n";
    std::printf(format, "operation", "median ms", "baseline ms", "ratio", "goal", "pass/fail");
    std::printf(format,
        qPrintable(QStringLiteral("autoPostDue: %1 occurrences of %2 rules").arg(ruleCount * postsPerRule).arg(ruleCount)),
        qPrintable(QString::number(programMedian, 'f', 1)), qPrintable(QString::number(plainMedian, 'f', 1)),
        qPrintable(QStringLiteral("%1x").arg(programMedian / plainMedian, 0, 'f', 2)),
        qPrintable(QStringLiteral("< %1 ms").arg(goalMs, 0, 'f', 0)), programMedian < goalMs ? "pass" : "FAIL");
    return 0;
}
