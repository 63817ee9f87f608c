// Searches the 150,000-transaction database of the benchmark data the way
// the search window and --search do: one word, a two-word phrase, and text
// that is no FTS5 query (searched again word by word), beside the plain SQL
// read of the same rows. Prints one table: operation, median, baseline, ratio.
//
// Run by hand: build-<you>/bench/search_bench [transaction count]

#include "benchdata.h"

#include "app/appstate.h"
#include "storage/database.h"
#include "storage/transactionrepository.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <functional>

namespace {

constexpr int runs = 15;
constexpr double goalMs = 20.0;

double medianMs(const std::function<int()>& work, int& rows)
{
    QList<double> samples;
    for (int run = 0; run < runs; ++run) {
        QElapsedTimer timer;
        timer.start();
        rows = work();
        samples.append(double(timer.nsecsElapsed()) / 1e6);
    }
    std::sort(samples.begin(), samples.end());
    return samples[samples.size() / 2];
}

// The floor: the ids of the same 200 newest matching rows, straight from SQL.
int readIdsPlainly(Database* database, const QString& query)
{
    QSqlQuery sql(database->database());
    sql.setForwardOnly(true);
    sql.prepare(QStringLiteral("SELECT t.id FROM transactions t INDEXED BY idx_transactions_live_newest "
                               "WHERE t.deleted_at IS NULL "
                               "AND t.rowid IN (SELECT rowid FROM transactions_fts WHERE transactions_fts MATCH ?) "
                               "ORDER BY t.date DESC, t.created_at DESC, t.rowid LIMIT 200"));
    sql.addBindValue(query);
    sql.exec();
    int rows = 0;
    while (sql.next())
        ++rows;
    return rows;
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    BenchDataPlan plan;
    if (argc > 1)
        plan.transactionCount = QString::fromLocal8Bit(argv[1]).toInt();
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
    std::printf("%d transactions; goal for each search: %.0f ms\n\n", plan.transactionCount, goalMs);
    std::printf("%-44s %6s %12s %12s %8s\n", "search", "rows", "median", "baseline", "ratio");

    struct Case
    {
        const char* name;
        QString typed;
        QString asQuery; // what the plain read matches
    };
    const QList<Case> cases{
        {"one word", data.searchWord, data.searchWord},
        {"two-word phrase", QStringLiteral("\"Coffee House\""), QStringLiteral("\"Coffee House\"")},
        {"no FTS5 query (coffee-house), word by word", QStringLiteral("coffee-house"), QStringLiteral("\"coffee-house\"*")},
    };
    TransactionRepository* transactions = appState.transactions();
    for (const Case& c : cases) {
        int rows = 0;
        int baselineRows = 0;
        const double ms = medianMs([&] { return int(transactions->searchTyped(c.typed, {}).value_or(QList<RegisterRow>()).size()); }, rows);
        const double baselineMs = medianMs([&] { return readIdsPlainly(appState.database(), c.asQuery); }, baselineRows);
        std::printf("%-44s %6d %9.1f ms %9.1f ms %8.2f\n", c.name, rows, ms, baselineMs, ms / baselineMs);
    }
    std::printf("\nbaseline: the ids of the same rows read by plain SQL\n");
    return 0;
}
