// Opens the reconciliation window on the 100,000-transaction account of the
// benchmark data and reports how long it takes from creation until its list
// is painted, beside the plain SQL read of the account's unreconciled rows
// that the window cannot do without. Also times its parts, one tick, and
// finishing with every row ticked (undone after each run, untimed). Prints
// one table: operation, median, baseline, ratio.
//
// Run by hand: build-<you>/bench/reconciliation_bench [transaction count]

#include "benchdata.h"

#include "app/appstate.h"
#include "services/reconciliation/reconciliationscreen.h"
#include "services/reconciliation/reconciliationservice.h"
#include "storage/database.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QSqlQuery>
#include <QStandardPaths>
#include <QTableView>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <ctime>
#include <functional>
#include <memory>

namespace {

constexpr int runs = 7;
constexpr double openGoalMs = 300.0;

double median(QList<double> samples)
{
    std::sort(samples.begin(), samples.end());
    return samples[samples.size() / 2];
}

double threadCpuMs()
{
    timespec now {};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return double(now.tv_sec) * 1e3 + double(now.tv_nsec) / 1e6;
}

struct Timing
{
    double wallMs = 0;
    // The processor time of the GUI thread alone: what the work costs when
    // the machine is shared with other work.
    double cpuMs = 0;
};

// The medians of `runs` runs of `work`; `reset` runs after each, untimed.
Timing measure(const std::function<void()>& work, const std::function<void()>& reset = {})
{
    QList<double> wall;
    QList<double> cpu;
    for (int run = 0; run < runs; ++run) {
        QElapsedTimer timer;
        const double cpuStart = threadCpuMs();
        timer.start();
        work();
        wall.append(double(timer.nsecsElapsed()) / 1e6);
        cpu.append(threadCpuMs() - cpuStart);
        if (reset)
            reset();
    }
    return {median(wall), median(cpu)};
}

// The floor: the window's statement straight from SQL, each column as it
// comes. `throughAccountIndex` leaves SQLite its own choice of plan instead,
// as the statement was before it read the table in order.
int readUnreconciledPlainly(Database* database, const QString& accountId, bool throughAccountIndex = false)
{
    QSqlQuery query(database->database());
    query.setForwardOnly(true);
    query.prepare(QStringLiteral(
        "SELECT id, account_id, date, payee, memo, amount, category_id, check_number, cleared, reconciled, "
        "transfer_link_id, transfer_dest_account_id, is_split, recurring_id, version, sync_status, server_id, "
        "created_at, updated_at, deleted_at FROM transactions %1 "
        "WHERE account_id = ? AND deleted_at IS NULL AND reconciled = 0 ORDER BY date ASC, created_at ASC")
                      .arg(throughAccountIndex ? QString() : QStringLiteral("NOT INDEXED")));
    query.addBindValue(accountId);
    query.exec();
    QList<QVariantList> rows;
    while (query.next()) {
        QVariantList row;
        for (int column = 0; column < 20; ++column)
            row.append(query.value(column));
        rows.append(row);
    }
    return int(rows.size());
}

// From creation until every visible row has been painted once.
void openWindow(AppState& appState, const QString& accountId)
{
    auto screen = std::make_unique<ReconciliationScreen>(&appState);
    screen->resize(1100, 720);
    screen->start(accountId);
    screen->show();
    QCoreApplication::processEvents();
    screen->findChild<QTableView*>()->viewport()->repaint();
}

void pressSpace(QWidget* target)
{
    QKeyEvent press(QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier, QStringLiteral(" "));
    QCoreApplication::sendEvent(target, &press);
    QCoreApplication::processEvents();
}

StatementMatch everythingTicked(AppState& appState, const QString& accountId)
{
    const UnreconciledRows unreconciled = *appState.reconciliationService()->unreconciled(accountId);
    StatementMatch match;
    match.accountId = accountId;
    match.statementDate = QDate(2025, 1, 31);
    match.ticked = unreconciled.rows;
    CheckedSum balance = unreconciled.previousBalance;
    for (const Transaction& transaction : match.ticked)
        balance = checkedAdd(balance, transaction.amount);
    match.statementBalance = balance.value_or(0);
    return match;
}

// Puts the rows `match` reconciled back as they were, outside the timing.
void undoFinish(Database* database, const StatementMatch& match)
{
    QSqlQuery undo(database->database());
    undo.exec(QStringLiteral("BEGIN"));
    undo.prepare(QStringLiteral("UPDATE transactions SET reconciled = 0, cleared = ? WHERE id = ?"));
    for (const Transaction& transaction : match.ticked) {
        undo.addBindValue(int(transaction.cleared));
        undo.addBindValue(transaction.id);
        undo.exec();
    }
    undo.exec(QStringLiteral("DELETE FROM reconciliations"));
    undo.exec(QStringLiteral("COMMIT"));
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
    qputenv("CHECKBOOK_DATA_DIR", dataDirectory.path().toUtf8());

    AppState appState;
    if (!appState.initialize()) {
        std::fprintf(stderr, "the database could not be opened\n");
        return 1;
    }
    const BenchData data = generateBenchData(appState.database(), plan);
    if (data.accountIds.isEmpty()) {
        std::fprintf(stderr, "the benchmark data could not be generated\n");
        return 1;
    }
    const QString account = data.largeAccountId;
    const int unreconciled = readUnreconciledPlainly(appState.database(), account);
    std::printf("%d rows in the account, %d of them unreconciled; goal for opening: %.0f ms\n\n", data.largeAccountRows,
        unreconciled, openGoalMs);

    openWindow(appState, account);
    const Timing baseline = measure([&] { readUnreconciledPlainly(appState.database(), account); });
    QList<QPair<QString, Timing>> rows;
    rows.append({QStringLiteral("open reconciliation window, list painted"), measure([&] { openWindow(appState, account); })});
    rows.append({QStringLiteral("  unreconciled rows and previous balance"),
        measure([&] { appState.reconciliationService()->unreconciled(account); })});
    rows.append({QStringLiteral("  suggested statement date"),
        measure([&] { appState.reconciliationService()->suggestedStatementDate(account); })});
    rows.append({QStringLiteral("plain read through the account index"),
        measure([&] { readUnreconciledPlainly(appState.database(), account, true); })});

    ReconciliationScreen screen(&appState);
    screen.start(account);
    screen.show();
    QCoreApplication::processEvents();
    auto* table = screen.findChild<QTableView*>();
    table->setFocus();
    rows.append({QStringLiteral("tick one row (Space), difference shown"), measure([&] { pressSpace(table); })});

    const StatementMatch match = everythingTicked(appState, account);
    rows.append({QStringLiteral("finish with all %1 rows ticked").arg(match.ticked.size()), measure([&] {
        if (!appState.reconciliationService()->finish(match).ok())
            std::fprintf(stderr, "finishing failed\n");
    }, [&] { undoFinish(appState.database(), match); })});

    for (const bool cpu : {false, true}) {
        std::printf("%-48s %12s %12s %8s\n", cpu ? "GUI thread CPU" : "wall clock", "median", "baseline", "ratio");
        const double baselineMs = cpu ? baseline.cpuMs : baseline.wallMs;
        for (const auto& [operation, timing] : rows) {
            const double ms = cpu ? timing.cpuMs : timing.wallMs;
            std::printf("%-48s %9.1f ms %9.1f ms %8.2f\n", qPrintable(operation), ms, baselineMs, ms / baselineMs);
        }
        std::printf("\n");
    }
    std::printf("baseline: the plain SQL read of the account's unreconciled rows\n");
    return 0;
}
