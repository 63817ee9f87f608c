// Measures the storage operations the register and the sidebar lean on,
// against the same statements run through the plain SQLite C API, and prints
// one table: operation, median, baseline, ratio, goal, pass or fail.

#include "benchdata.h"
#include "sqlitebaseline.h"

#include "storage/account.h"
#include "storage/accountrepository.h"
#include "storage/database.h"
#include "storage/registerrow.h"
#include "storage/transaction.h"
#include "storage/transactionrepository.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDateTime>
#include <QElapsedTimer>
#include <QFile>
#include <QHash>
#include <QLoggingCategory>
#include <QSqlQuery>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QThread>
#include <algorithm>
#include <cstdio>
#include <functional>
#include <optional>
#include <string>
#include <sqlite3.h>
#include <vector>

namespace {

constexpr int defaultRuns = 9;

struct Options
{
    int runs = defaultRuns;
    BenchDataPlan plan;
};

// A goal is either a ratio to the baseline or an absolute time.
struct Goal
{
    double maxRatio = 0;
    double maxMs = 0;
};

struct Measurement
{
    QString operation;
    double medianMs = 0;
    std::optional<double> baselineMs;
    Goal goal;
};

double elapsedMs(const QElapsedTimer& timer)
{
    return double(timer.nsecsElapsed()) / 1e6;
}

// Wall time of one run of `work`. The result is kept alive until the clock
// has stopped, so freeing it is not counted and the work cannot be optimised
// away.
template <typename Work>
double timedMs(Work work)
{
    QElapsedTimer timer;
    timer.start();
    [[maybe_unused]] const auto result = work();
    return elapsedMs(timer);
}

double median(std::vector<double> samples)
{
    std::sort(samples.begin(), samples.end());
    const std::size_t middle = samples.size() / 2;
    return samples.size() % 2 == 1 ? samples[middle] : (samples[middle - 1] + samples[middle]) / 2;
}

// Median wall time of each of `timings` over `runs` rounds after one warm-up
// round. Within a round they run one after the other, so a load that comes
// and goes on the machine weighs on an operation and its baseline alike.
std::vector<double> interleavedMedians(int runs, const std::vector<std::function<double()>>& timings)
{
    for (const auto& timing : timings)
        timing();
    std::vector<std::vector<double>> samples(timings.size());
    for (int run = 0; run < runs; ++run) {
        for (std::size_t i = 0; i < timings.size(); ++i)
            samples[i].push_back(timings[i]());
    }
    std::vector<double> medians;
    for (const std::vector<double>& operationSamples : samples)
        medians.push_back(median(operationSamples));
    return medians;
}

// The sidebar's figures the long way: each live account's register, of which
// only the last running balance is kept. TransactionRepository::balances must
// give the same figures for a fraction of the time.
QHash<QString, CheckedSum> balancesFromRegisters(AccountRepository& accounts, TransactionRepository& transactions)
{
    QHash<QString, CheckedSum> balances;
    for (const Account& account : accounts.all()) {
        const QList<RegisterRow> rows = transactions.registerRows(account.id);
        balances.insert(account.id, rows.isEmpty() ? CheckedSum(0) : rows.last().runningBalance);
    }
    return balances;
}

int countMatches(Database* database, const QString& word)
{
    QSqlQuery query(database->database());
    query.prepare(QStringLiteral("SELECT COUNT(*) FROM transactions_fts WHERE transactions_fts MATCH ?"));
    query.addBindValue(word);
    return query.exec() && query.next() ? query.value(0).toInt() : 0;
}

std::optional<Options> parseOptions(const QCoreApplication& app)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Times the storage layer against the plain SQLite C API."));
    parser.addHelpOption();
    const QCommandLineOption runsOption(QStringLiteral("runs"),
        QStringLiteral("Timed runs per operation, after one warm-up run (default %1).").arg(defaultRuns),
        QStringLiteral("count"), QString::number(defaultRuns));
    const QCommandLineOption transactionsOption(QStringLiteral("transactions"),
        QStringLiteral("Transactions to generate; two thirds go to the large account (default %1).")
            .arg(BenchDataPlan().transactionCount),
        QStringLiteral("count"), QString::number(BenchDataPlan().transactionCount));
    parser.addOption(runsOption);
    parser.addOption(transactionsOption);
    parser.process(app);

    Options options;
    bool runsOk = false;
    bool transactionsOk = false;
    options.runs = parser.value(runsOption).toInt(&runsOk);
    options.plan.transactionCount = parser.value(transactionsOption).toInt(&transactionsOk);
    if (!runsOk || options.runs < 1 || !transactionsOk || options.plan.transactionCount < 6) {
        std::fprintf(stderr, "storage_bench: --runs must be at least 1 and --transactions at least 6\n");
        return std::nullopt;
    }
    return options;
}

bool sameBalances(const QHash<QString, CheckedSum>& balances, const std::map<std::string, std::int64_t>& plain)
{
    if (std::size_t(balances.size()) != plain.size())
        return false;
    return std::all_of(plain.begin(), plain.end(), [&](const auto& entry) {
        return balances.value(QString::fromStdString(entry.first)) == CheckedSum(entry.second);
    });
}

// The figures are only worth printing when both sides read the same data.
bool resultsAgree(
    const BenchData& data, AccountRepository& accounts, TransactionRepository& transactions, SqliteBaseline& baseline)
{
    const QList<RegisterRow> rows = transactions.registerRows(data.largeAccountId);
    const std::vector<PlainRegisterRow> plainRows = baseline.registerRows(data.largeAccountId.toStdString());
    const bool hasOpeningRow = !rows.isEmpty() && rows.first().transaction.id.isEmpty();
    const bool registerAgrees = !plainRows.empty()
        && std::size_t(rows.size()) == plainRows.size() + (hasOpeningRow ? 1 : 0)
        && rows.last().runningBalance == plainRows.back().runningBalance
        && rows.last().transaction.id == QString::fromStdString(plainRows.back().id);

    const std::map<std::string, std::int64_t> plainBalances = baseline.balances();
    const bool balancesAgree = sameBalances(balancesFromRegisters(accounts, transactions), plainBalances)
        && sameBalances(transactions.balances(), plainBalances);

    const QList<RegisterRow> found = transactions.search(data.searchWord, {});
    const std::vector<PlainRegisterRow> plainFound = baseline.search(data.searchWord.toStdString());
    const bool searchAgrees = !found.isEmpty() && std::size_t(found.size()) == plainFound.size()
        && found.first().transaction.id == QString::fromStdString(plainFound.front().id);

    if (!registerAgrees)
        std::fprintf(stderr, "storage_bench: registerRows and the C API listing disagree\n");
    if (!balancesAgree)
        std::fprintf(stderr, "storage_bench: the balance computations disagree\n");
    if (!searchAgrees)
        std::fprintf(stderr, "storage_bench: search and the C API search disagree\n");
    return registerAgrees && balancesAgree && searchAgrees;
}

// Wall times mean little on a busy machine, so the table is framed by the
// load average where the system reports one.
void printLoadAverage(const char* when)
{
    QFile loadAverage(QStringLiteral("/proc/loadavg"));
    if (!loadAverage.open(QIODevice::ReadOnly))
        return;
    const QList<QByteArray> fields = loadAverage.readLine().split(' ');
    if (fields.size() >= 3) {
        std::printf("load average %s: %s %s %s (%d cores)\n", when, fields[0].constData(), fields[1].constData(),
            fields[2].constData(), QThread::idealThreadCount());
    }
}

QString goalText(const Goal& goal)
{
    return goal.maxRatio > 0 ? QStringLiteral("<= %1x baseline").arg(goal.maxRatio, 0, 'f', 1)
                             : QStringLiteral("< %1 ms").arg(goal.maxMs, 0, 'f', 0);
}

bool meetsGoal(const Measurement& m)
{
    if (m.goal.maxRatio > 0)
        return m.baselineMs && m.medianMs <= m.goal.maxRatio * *m.baselineMs;
    return m.medianMs < m.goal.maxMs;
}

void printTable(const QList<Measurement>& measurements)
{
    const char* format = "%-52s | %10s | %11s | %7s | %-16s | %s\n";
    std::printf(format, "operation", "median ms", "baseline ms", "ratio", "goal", "pass/fail");
    std::printf("%s\n", std::string(125, '-').c_str());
    for (const Measurement& m : measurements) {
        const QString baseline = m.baselineMs ? QString::number(*m.baselineMs, 'f', 2) : QStringLiteral("-");
        const QString ratio = m.baselineMs ? QStringLiteral("%1x").arg(m.medianMs / *m.baselineMs, 0, 'f', 2)
                                           : QStringLiteral("-");
        std::printf(format, qPrintable(m.operation), qPrintable(QString::number(m.medianMs, 'f', 2)),
            qPrintable(baseline), qPrintable(ratio), qPrintable(goalText(m.goal)), meetsGoal(m) ? "pass" : "FAIL");
    }
}

// What the sidebar does after a change to the large account: one insert,
// then that account's balance. Timed is the balance alone, with the covering
// balance index and, as the baseline, with that index dropped.
std::optional<Measurement> measureBalanceAfterInsert(
    int runs, const BenchData& data, Database* database, TransactionRepository& transactions)
{
    int inserted = 0;
    const auto balanceAfterInsert = [&] {
        Transaction payment;
        payment.id = QStringLiteral("bench-payment-%1").arg(++inserted);
        payment.accountId = data.largeAccountId;
        payment.date = QDate(2024, 6, 1);
        payment.payee = QStringLiteral("Bench payment");
        payment.amount = -100;
        payment.createdAt = payment.updatedAt = QDateTime::currentDateTimeUtc();
        if (!transactions.insert(payment))
            std::fprintf(stderr, "storage_bench: the insert before the balance failed\n");
        return timedMs([&] { return transactions.balance(data.largeAccountId); });
    };
    const QString dropIndex = QStringLiteral("DROP INDEX idx_transactions_account_balance");
    const QString createIndex = QStringLiteral(
        "CREATE INDEX idx_transactions_account_balance ON transactions(account_id, deleted_at, cleared, amount)");

    const double withIndex = interleavedMedians(runs, {balanceAfterInsert})[0];
    QSqlQuery schema(database->database());
    if (!schema.exec(dropIndex)) {
        std::fprintf(stderr, "storage_bench: the covering index could not be dropped\n");
        return std::nullopt;
    }
    const double withoutIndex = interleavedMedians(runs, {balanceAfterInsert})[0];
    schema.exec(createIndex);
    return Measurement{QStringLiteral("balance(large account) after one insert"), withIndex, withoutIndex, {1.0, 0}};
}

QList<Measurement> measure(const Options& options, const BenchData& data, Database* database,
    AccountRepository& accounts, TransactionRepository& transactions, SqliteBaseline& baseline)
{
    const int runs = options.runs;
    const std::string largeAccountId = data.largeAccountId.toStdString();
    const std::string searchWord = data.searchWord.toStdString();
    QList<Measurement> measurements;

    std::printf("measuring registerRows ...\n");
    std::fflush(stdout);
    const std::vector<double> registerMs = interleavedMedians(runs,
        {[&] { return timedMs([&] { return transactions.registerRows(data.largeAccountId); }); },
            [&] { return timedMs([&] { return baseline.registerRows(largeAccountId); }); }});
    measurements.append({QStringLiteral("registerRows, large account (%1 rows)").arg(data.largeAccountRows),
        registerMs[0], registerMs[1], {3.0, 0}});

    std::printf("measuring sidebar balances ...\n");
    std::fflush(stdout);
    const std::vector<double> balancesMs = interleavedMedians(runs,
        {[&] { return timedMs([&] { return balancesFromRegisters(accounts, transactions); }); },
            [&] { return timedMs([&] { return transactions.balances(); }); },
            [&] { return timedMs([&] { return baseline.balances(); }); }});
    measurements.append(
        {QStringLiteral("balances: last runningBalance of each register"), balancesMs[0], balancesMs[2], {2.0, 0}});
    measurements.append({QStringLiteral("balances: TransactionRepository::balances"), balancesMs[1], balancesMs[2], {2.0, 0}});

    std::printf("measuring search ...\n");
    std::fflush(stdout);
    const std::vector<double> searchMs = interleavedMedians(runs,
        {[&] { return timedMs([&] { return transactions.search(data.searchWord, {}); }); },
            [&] { return timedMs([&] { return baseline.search(searchWord); }); }});
    measurements.append({QStringLiteral("search \"%1\" (%2 matches, 200 listed)")
                             .arg(data.searchWord)
                             .arg(countMatches(database, data.searchWord)),
        searchMs[0], searchMs[1], {0, 20.0}});

    // The start-up check for damage, on its own read-only connection as the
    // program runs it, against the same pragma on the C API's connection.
    std::printf("measuring the integrity check ...\n");
    std::fflush(stdout);
    const std::vector<double> checkMs = interleavedMedians(runs,
        {[&] { return timedMs([&] { return database->verifyIntegrity(); }); },
            [&] { return timedMs([&] { return baseline.quickCheck(); }); }});
    measurements.append({QStringLiteral("PRAGMA quick_check (Database::verifyIntegrity)"), checkMs[0], checkMs[1], {0, 100.0}});

    std::printf("measuring one account's balance after an insert ...\n");
    std::fflush(stdout);
    const std::optional<Measurement> balance = measureBalanceAfterInsert(runs, data, database, transactions);
    if (balance)
        measurements.append(*balance);
    return measurements;
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    // The migrations announce themselves at info level; the table is the output.
    QLoggingCategory::setFilterRules(QStringLiteral("default.info=false"));
    const std::optional<Options> options = parseOptions(app);
    if (!options)
        return 2;

    // The generated register lives in a throw-away data directory, never in
    // the user's.
    QStandardPaths::setTestModeEnabled(true);
    QTemporaryDir dataDirectory;
    if (!dataDirectory.isValid()) {
        std::fprintf(stderr, "storage_bench: cannot create a temporary directory\n");
        return 1;
    }
    qputenv("CHECKBOOK_DATA_DIR", dataDirectory.path().toUtf8());

    Database database;
    const QString path = Database::databasePath();
    if (!database.open(path) || !database.runMigrations()) {
        std::fprintf(stderr, "storage_bench: cannot open and migrate %s\n", qPrintable(path));
        return 1;
    }

    std::printf("storage_bench: %d transactions, %d timed runs per operation (after 1 warm-up), SQLite %s, Qt %s\n",
        options->plan.transactionCount, options->runs, sqlite3_libversion(), qVersion());
    std::fflush(stdout);
    QElapsedTimer generation;
    generation.start();
    const BenchData data = generateBenchData(&database, options->plan);
    if (data.largeAccountId.isEmpty()) {
        std::fprintf(stderr, "storage_bench: generating the register failed\n");
        return 1;
    }
    std::printf("generated %d transactions in %.0f ms\n", options->plan.transactionCount, elapsedMs(generation));

    AccountRepository accounts(&database);
    TransactionRepository transactions(&database);
    SqliteBaseline baseline(path.toStdString());
    if (!baseline.isOpen()) {
        std::fprintf(stderr, "storage_bench: the C API cannot open %s\n", qPrintable(path));
        return 1;
    }
    if (!resultsAgree(data, accounts, transactions, baseline))
        return 1;

    printLoadAverage("before measuring");
    const QList<Measurement> measurements = measure(*options, data, &database, accounts, transactions, baseline);
    printLoadAverage("after measuring");
    printTable(measurements);
    return 0;
}
