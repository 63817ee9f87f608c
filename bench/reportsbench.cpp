// Runs all eight reports for "All Time" over every account of the
// 150,000-transaction benchmark database, as one run of the reports window
// does, beside the same statements stepped through the plain SQLite C API
// on a second connection. Prints one table: operation, median, baseline,
// ratio.
//
// Run by hand: build-<you>/bench/reports_bench [transaction count]

#include "benchdata.h"

#include "app/appstate.h"
#include "services/reports/reportservice.h"
#include "storage/clock.h"
#include "storage/database.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <functional>
#include <sqlite3.h>
#include <string>
#include <vector>

namespace {

constexpr int runs = 7;
constexpr double goalMs = 300.0;

double median(QList<double> samples)
{
    std::sort(samples.begin(), samples.end());
    return samples[samples.size() / 2];
}

double measure(const std::function<void()>& work)
{
    QList<double> samples;
    for (int run = 0; run < runs; ++run) {
        QElapsedTimer timer;
        timer.start();
        work();
        samples.append(double(timer.nsecsElapsed()) / 1e6);
    }
    return median(samples);
}

// The report statements for all accounts, as ReportRepository builds them
// without an account or currency condition, each reading the index of live
// rows it names.
const char* const categorySpendingSql =
    "SELECT COALESCE(c.name, 'Uncategorized'), SUM(s.total) FROM ("
    "SELECT t.category_id, SUM(t.amount) AS total FROM transactions t INDEXED BY idx_transactions_live_category "
    "WHERE t.deleted_at IS NULL AND t.amount < 0 AND t.date >= ? AND t.date <= ? GROUP BY t.category_id) s "
    "LEFT JOIN categories c ON s.category_id = c.id AND c.deleted_at IS NULL "
    "GROUP BY COALESCE(c.name, 'Uncategorized') ORDER BY SUM(s.total) ASC, COALESCE(c.name, 'Uncategorized')";
const char* const payeeSummarySql = "SELECT t.payee, SUM(t.amount), COUNT(*) FROM transactions t "
                                    "INDEXED BY idx_transactions_live_payee "
                                    "WHERE t.deleted_at IS NULL AND t.date >= ? AND t.date <= ? "
                                    "GROUP BY t.payee ORDER BY SUM(t.amount) ASC, t.payee";
const char* const taxSql = "SELECT c.name, c.tax_category, SUM(t.amount) FROM categories c "
                           "CROSS JOIN transactions t INDEXED BY idx_transactions_live_category ON t.category_id = c.id "
                           "WHERE c.deleted_at IS NULL AND c.is_tax_relevant = 1 AND t.deleted_at IS NULL "
                           "AND t.date >= ? AND t.date <= ? "
                           "GROUP BY c.name, c.tax_category ORDER BY c.tax_category, c.name";
const char* const incomeSql =
    "SELECT strftime('%Y-%m', d.date) AS month, SUM(d.money_in), SUM(d.money_out) FROM ("
    "SELECT t.date, SUM(CASE WHEN t.amount > 0 THEN t.amount ELSE 0 END) AS money_in, "
    "SUM(CASE WHEN t.amount < 0 THEN t.amount ELSE 0 END) AS money_out "
    "FROM transactions t INDEXED BY idx_transactions_live_date WHERE t.deleted_at IS NULL "
    "AND (t.transfer_link_id IS NULL OR t.transfer_link_id = '') AND t.date >= ? AND t.date <= ? "
    "GROUP BY t.date) d GROUP BY month ORDER BY month";
const char* const cashFlowSql =
    "SELECT strftime('%Y-%m', d.date) AS month, SUM(d.money_in), SUM(d.money_out) FROM ("
    "SELECT t.date, SUM(CASE WHEN t.amount > 0 THEN t.amount ELSE 0 END) AS money_in, "
    "SUM(CASE WHEN t.amount < 0 THEN t.amount ELSE 0 END) AS money_out "
    "FROM transactions t INDEXED BY idx_transactions_live_date WHERE t.deleted_at IS NULL "
    "AND t.date >= ? AND t.date <= ? GROUP BY t.date) d GROUP BY month ORDER BY month";
const char* const categoryTotalsSql =
    "SELECT COALESCE(c.name, 'Uncategorized'), SUM(s.total) FROM ("
    "SELECT t.category_id, SUM(t.amount) AS total FROM transactions t INDEXED BY idx_transactions_live_category "
    "WHERE t.deleted_at IS NULL AND t.date >= ? AND t.date <= ? GROUP BY t.category_id) s "
    "LEFT JOIN categories c ON s.category_id = c.id AND c.deleted_at IS NULL "
    "GROUP BY COALESCE(c.name, 'Uncategorized')";
const char* const accountSummarySql =
    "SELECT a.name, a.account_type, a.starting_balance, "
    "COALESCE(SUM(CASE WHEN t.cleared = 1 THEN t.amount ELSE 0 END), 0) AS cleared_sum, "
    "COALESCE(SUM(CASE WHEN t.cleared = 0 THEN t.amount ELSE 0 END), 0) AS uncleared_sum, "
    "COALESCE(SUM(t.amount), 0) AS total_sum, a.currency "
    "FROM accounts a LEFT JOIN transactions t ON t.account_id = a.id AND t.deleted_at IS NULL "
    "WHERE a.deleted_at IS NULL GROUP BY a.id ORDER BY a.sort_order, a.name";
// The listing names accounts and categories by id; the repository reads
// their names once beforehand, as the baseline does.
const char* const accountNamesSql = "SELECT id, name FROM accounts";
const char* const categoryNamesSql = "SELECT id, name FROM categories WHERE deleted_at IS NULL";
const char* const transactionsSql =
    "SELECT t.date, t.account_id, t.payee, t.category_id, COALESCE(t.memo, ''), t.amount, t.rowid "
    "FROM transactions t INDEXED BY idx_transactions_live_date "
    "WHERE t.deleted_at IS NULL AND t.date >= ? AND t.date <= ? ORDER BY t.date, t.payee";

// Steps `sql` with the dates bound and copies every cell out as text or
// integer, the least a caller can do with the rows. Returns the row count.
int plainRows(sqlite3* connection, const char* sql, const std::vector<std::string>& dates)
{
    sqlite3_stmt* statement = nullptr;
    if (sqlite3_prepare_v2(connection, sql, -1, &statement, nullptr) != SQLITE_OK)
        return -1;
    for (size_t position = 0; position < dates.size(); ++position)
        sqlite3_bind_text(statement, int(position) + 1, dates[position].c_str(), -1, SQLITE_TRANSIENT);
    std::vector<std::vector<std::string>> texts;
    std::vector<std::int64_t> numbers;
    int rows = 0;
    while (sqlite3_step(statement) == SQLITE_ROW) {
        std::vector<std::string> row;
        for (int column = 0; column < sqlite3_column_count(statement); ++column) {
            if (sqlite3_column_type(statement, column) == SQLITE_INTEGER) {
                numbers.push_back(sqlite3_column_int64(statement, column));
            } else {
                const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(statement, column));
                row.emplace_back(text ? text : "");
            }
        }
        texts.push_back(std::move(row));
        ++rows;
    }
    sqlite3_finalize(statement);
    return rows;
}

} // namespace

int main(int argc, char** argv)
{
    // The application state builds the theme, which needs a GUI application.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    QStandardPaths::setTestModeEnabled(true);
    BenchDataPlan plan;
    if (argc > 1)
        plan.transactionCount = std::max(1, QByteArray(argv[1]).toInt());
    QTemporaryDir dataDirectory;
    qputenv("CHECKBOOK_DATA_DIR", dataDirectory.path().toUtf8());

    // The last day of the data, so that the year-over-year periods hold rows.
    Clock::setFixedNow(QDateTime(QDate(2024, 12, 31), QTime(12, 0), Qt::UTC));
    AppState appState;
    if (!appState.initialize()) {
        std::fprintf(stderr, "the database could not be opened\n");
        return 1;
    }
    if (generateBenchData(appState.database(), plan).accountIds.isEmpty()) {
        std::fprintf(stderr, "the benchmark data could not be generated\n");
        return 1;
    }
    sqlite3* plain = nullptr;
    if (sqlite3_open_v2(Database::databasePath().toStdString().c_str(), &plain, SQLITE_OPEN_READONLY, nullptr)
        != SQLITE_OK) {
        std::fprintf(stderr, "the second connection could not be opened\n");
        return 1;
    }

    ReportService* reports = appState.reportService();
    const QDate today = Clock::today();
    const QDate from = reports->allTimeStart(today);
    const QDate lastYear(today.year() - 1, 1, 1);
    const QDate thisYear(today.year(), 1, 1);
    const ReportScope all;
    const std::vector<std::string> range{from.toString(Qt::ISODate).toStdString(),
        today.toString(Qt::ISODate).toStdString()};
    const std::vector<std::string> period1{lastYear.toString(Qt::ISODate).toStdString(),
        thisYear.addDays(-1).toString(Qt::ISODate).toStdString()};
    const std::vector<std::string> period2{thisYear.toString(Qt::ISODate).toStdString(), range[1]};

    struct Operation
    {
        const char* name;
        std::function<void()> report;
        std::function<void()> baseline;
    };
    const std::vector<Operation> operations{
        {"category spending", [&] { reports->categorySpending(from, today, all); },
            [&] { plainRows(plain, categorySpendingSql, range); }},
        {"payee summary", [&] { reports->payeeSummary(from, today, all); },
            [&] { plainRows(plain, payeeSummarySql, range); }},
        {"tax report", [&] { reports->taxReport(from, today, all); }, [&] { plainRows(plain, taxSql, range); }},
        {"income vs expenses", [&] { reports->incomeVsExpenses(from, today, all); },
            [&] { plainRows(plain, incomeSql, range); }},
        {"cash flow", [&] { reports->cashFlow(from, today, all); }, [&] { plainRows(plain, cashFlowSql, range); }},
        {"year over year (two queries)",
            [&] { reports->yearOverYear(lastYear, thisYear.addDays(-1), thisYear, today, all); },
            [&] {
                plainRows(plain, categoryTotalsSql, period1);
                plainRows(plain, categoryTotalsSql, period2);
            }},
        {"account summary", [&] { reports->accountSummary(); },
            [&] { plainRows(plain, accountSummarySql, {}); }},
        {"transactions", [&] { reports->transactions(from, today, all); },
            [&] {
                plainRows(plain, accountNamesSql, {});
                plainRows(plain, categoryNamesSql, {});
                plainRows(plain, transactionsSql, range);
            }},
    };

    std::printf("%d transactions, All Time from %s; goal for all eight: %.0f ms\n\n", plan.transactionCount,
        qPrintable(from.toString(Qt::ISODate)), goalMs);
    std::printf("%-32s %12s %12s %8s\n", "operation", "median", "baseline", "ratio");
    const auto print = [](const char* name, double ms, double baselineMs) {
        std::printf("%-32s %9.1f ms %9.1f ms %8.2f\n", name, ms, baselineMs, ms / baselineMs);
    };
    for (const Operation& operation : operations)
        print(operation.name, measure(operation.report), measure(operation.baseline));
    const double total = measure([&] {
        for (const Operation& operation : operations)
            operation.report();
    });
    const double totalBaseline = measure([&] {
        for (const Operation& operation : operations)
            operation.baseline();
    });
    print("all eight reports", total, totalBaseline);
    std::printf("\nbaseline: the same statements through the SQLite C API, cells copied out\n");
    sqlite3_close(plain);
    return total <= goalMs ? 0 : 2;
}
