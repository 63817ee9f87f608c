// Measures the main window on a 150,000-transaction database over three
// accounts: how long the sidebar takes to show new balances after one
// transaction is stored, and how long the real program takes from process
// start until its main window is shown. Prints one table: operation,
// median, goal, ratio.
//
// Run by hand: build-<you>/bench/mainwindow_bench [transaction count] [baseline program]
// With a baseline program (another build of kestrelwood-checkbook), both
// programs start in turn on the same data directory and the table shows the
// baseline's start beside this build's.

#include "benchdata.h"

#include "app/appstate.h"
#include "app/mainwindow.h"
#include "storage/clock.h"
#include "storage/database.h"
#include "storage/identifiers.h"
#include "storage/transactionrepository.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QListWidget>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <optional>

namespace {

constexpr int inserts = 15;
constexpr int starts = 5;
constexpr double sidebarGoalMs = 30.0;
constexpr double startGoalMs = 1000.0;
constexpr int startTimeoutMs = 30000;

struct Row
{
    QString operation;
    double medianMs;
    double goalMs;
};

double median(QList<double> samples)
{
    std::sort(samples.begin(), samples.end());
    const qsizetype middle = samples.size() / 2;
    return samples.size() % 2 == 1 ? samples[middle] : (samples[middle - 1] + samples[middle]) / 2;
}

double elapsedMs(const QElapsedTimer& timer)
{
    return double(timer.nsecsElapsed()) / 1e6;
}

bool generateDatabase(const BenchDataPlan& plan, BenchData& data)
{
    Database database;
    if (!database.open(Database::databasePath()) || !database.runMigrations())
        return false;
    data = generateBenchData(&database, plan);
    return !data.accountIds.isEmpty();
}

Transaction smallPayment(const QString& accountId, int index)
{
    Transaction transaction;
    transaction.id = newId();
    transaction.accountId = accountId;
    transaction.date = Clock::today();
    transaction.payee = QStringLiteral("Bench payment %1").arg(index);
    transaction.amount = -(100 + index);
    transaction.createdAt = Clock::nowUtc();
    transaction.updatedAt = transaction.createdAt;
    return transaction;
}

// The time of each insert into `accountId`, measured with or without what
// follows it on screen (`afterInsert`).
template <typename AfterInsert>
QList<double> timedInserts(AppState& appState, const QString& accountId, int firstIndex, AfterInsert afterInsert)
{
    QList<double> samples;
    for (int i = 0; i < inserts; ++i) {
        const Transaction transaction = smallPayment(accountId, firstIndex + i);
        QElapsedTimer timer;
        timer.start();
        if (!appState.transactions()->insert(transaction))
            std::fprintf(stderr, "mainwindow_bench: an insert failed\n");
        afterInsert();
        samples.append(elapsedMs(timer));
    }
    return samples;
}

// The sidebar rebuild measured against the insert alone, in the program's
// own AppState (the window listens to transactionsChanged synchronously).
QList<Row> measureSidebar(const BenchData& data)
{
    AppState appState;
    if (!appState.initialize())
        return {};
    const QString target = data.accountIds.last();
    QList<Row> rows;
    rows.append({QStringLiteral("insert alone (no window)"), median(timedInserts(appState, target, 0, [] {})), 0});

    QList<double> balanceSamples;
    for (int i = 0; i < inserts; ++i) {
        QElapsedTimer timer;
        timer.start();
        const QHash<QString, CheckedSum> balances = appState.transactions()->balances();
        balanceSamples.append(elapsedMs(timer));
        Q_UNUSED(balances);
    }
    rows.append({QStringLiteral("balances() query"), median(balanceSamples), 0});

    MainWindow window(&appState);
    window.show();
    QCoreApplication::processEvents();
    const QList<double> rebuilt = timedInserts(appState, target, inserts, [] {});
    rows.append({QStringLiteral("insert -> sidebar rebuilt"), median(rebuilt), sidebarGoalMs});
    const QList<double> painted = timedInserts(appState, target, 2 * inserts, [&window] {
        QCoreApplication::processEvents();
        window.accountList()->viewport()->repaint();
    });
    rows.append({QStringLiteral("insert -> sidebar rebuilt and painted"), median(painted), sidebarGoalMs});

    // The largest register costs the most to re-sum. The register shows
    // another account, so only the sidebar follows these inserts.
    window.selectAccount(target);
    QCoreApplication::processEvents();
    const QList<double> large = timedInserts(appState, data.largeAccountId, 3 * inserts, [] {});
    rows.append({QStringLiteral("insert (large account) -> sidebar rebuilt"), median(large), sidebarGoalMs});
    return rows;
}

// From QProcess::start until the program logs that its window is shown.
std::optional<double> timeOneStart(const QString& program, const QProcessEnvironment& environment)
{
    QProcess process;
    process.setProcessEnvironment(environment);
    process.setProcessChannelMode(QProcess::SeparateChannels);
    QElapsedTimer timer;
    timer.start();
    process.start(program, {});
    if (!process.waitForStarted(startTimeoutMs))
        return std::nullopt;
    QByteArray output;
    std::optional<double> shownMs;
    while (!shownMs && timer.elapsed() < startTimeoutMs && process.state() == QProcess::Running) {
        process.waitForReadyRead(100);
        output += process.readAllStandardError();
        if (output.contains("Main window shown"))
            shownMs = elapsedMs(timer);
    }
    process.kill();
    process.waitForFinished();
    return shownMs;
}

// The median start of each of `programs`, started in turn so a load that
// comes and goes weighs on all of them alike; none when one never shows its
// window.
std::optional<QList<double>> measureStarts(const QStringList& programs, const QString& dataDirectory, const QString& configDirectory)
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("CHECKBOOK_DATA_DIR"), dataDirectory);
    environment.insert(QStringLiteral("CHECKBOOK_VERBOSE"), QStringLiteral("1"));
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    environment.insert(QStringLiteral("QT_FORCE_STDERR_LOGGING"), QStringLiteral("1"));
    // The program's window settings go to a throwaway place, not the user's.
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), configDirectory);

    // The first start warms the file cache and is not counted.
    for (const QString& program : programs) {
        if (!timeOneStart(program, environment))
            return std::nullopt;
    }
    QList<QList<double>> samples(programs.size());
    for (int run = 0; run < starts; ++run) {
        for (qsizetype i = 0; i < programs.size(); ++i) {
            const std::optional<double> shown = timeOneStart(programs[i], environment);
            if (!shown)
                return std::nullopt;
            samples[i].append(*shown);
        }
    }
    QList<double> medians;
    for (const QList<double>& programSamples : samples)
        medians.append(median(programSamples));
    return medians;
}

void printTable(const QList<Row>& rows)
{
    std::printf("%-42s %12s %12s %8s\n", "operation", "median", "goal", "ratio");
    for (const Row& row : rows) {
        if (row.goalMs > 0)
            std::printf("%-42s %9.2f ms %9.1f ms %8.2f\n", qPrintable(row.operation), row.medianMs, row.goalMs,
                row.medianMs / row.goalMs);
        else
            std::printf("%-42s %9.2f ms %12s %8s\n", qPrintable(row.operation), row.medianMs, "-", "-");
    }
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    QStandardPaths::setTestModeEnabled(true);
    BenchDataPlan plan;
    if (argc > 1)
        plan.transactionCount = std::max(1, QByteArray(argv[1]).toInt());

    QTemporaryDir dataDirectory;
    QTemporaryDir configDirectory;
    qputenv("CHECKBOOK_DATA_DIR", dataDirectory.path().toUtf8());
    BenchData data;
    QElapsedTimer generation;
    generation.start();
    if (!generateDatabase(plan, data)) {
        std::fprintf(stderr, "the benchmark database could not be generated\n");
        return 1;
    }
    std::printf("generated %d transactions over %lld accounts in %.0f ms\n\n", plan.transactionCount,
        static_cast<long long>(data.accountIds.size()), double(generation.elapsed()));

    QList<Row> rows = measureSidebar(data);
    if (rows.isEmpty()) {
        std::fprintf(stderr, "the application state could not be opened\n");
        return 1;
    }
    QStringList programs{QStringLiteral(CHECKBOOK_PROGRAM)};
    if (argc > 2)
        programs.append(QString::fromLocal8Bit(argv[2]));
    const std::optional<QList<double>> startMedians = measureStarts(programs, dataDirectory.path(), configDirectory.path());
    if (!startMedians) {
        std::fprintf(stderr, "a program did not report its window\n");
        return 1;
    }
    rows.append({QStringLiteral("process start -> main window shown"), startMedians->first(), startGoalMs});
    if (programs.size() > 1)
        rows.append({QStringLiteral("  the same, baseline program"), startMedians->last(), startGoalMs});
    printTable(rows);
    if (programs.size() > 1)
        std::printf("start ratio to the baseline program: %.2f\n", startMedians->first() / startMedians->last());
    return 0;
}
