// Opens the reports window on the 150,000-transaction benchmark database
// with its charts shown, beside the same window with the charts hidden:
// construction and the first run ("This Month") until the window is shown,
// switching the period to "All Time", and then looking at each tab that has
// a chart. Prints one table: operation, median, baseline, ratio.
//
// Run by hand: build-<you>/bench/reportswindow_bench [transaction count]

#include "benchdata.h"

#include "app/appstate.h"
#include "services/reports/reportsscreen.h"
#include "storage/clock.h"
#include "storage/preferencesrepository.h"

#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QStandardPaths>
#include <QTabWidget>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <functional>
#include <memory>

namespace {

constexpr int runs = 5;
constexpr double openGoalMs = 500.0;
constexpr int allTimePreset = 9;

double median(QList<double> samples)
{
    std::sort(samples.begin(), samples.end());
    return samples[samples.size() / 2];
}

// Times `work` on a fresh window each run; `prepare` brings the window to
// where the measured step starts and is not timed.
double measure(AppState* appState, bool charts, const std::function<void(ReportsScreen*)>& prepare,
    const std::function<void(ReportsScreen*)>& work)
{
    if (!appState->preferences()->setBool(QStringLiteral("reports_charts_visible"), charts))
        std::fprintf(stderr, "the charts preference could not be written\n");
    QList<double> samples;
    for (int run = 0; run < runs; ++run) {
        std::unique_ptr<ReportsScreen> screen;
        if (prepare) {
            screen = std::make_unique<ReportsScreen>(appState);
            screen->resize(1200, 800);
            screen->show();
            QCoreApplication::processEvents();
            prepare(screen.get());
        }
        QElapsedTimer timer;
        timer.start();
        if (!screen) {
            screen = std::make_unique<ReportsScreen>(appState);
            screen->resize(1200, 800);
            screen->show();
        }
        work(screen.get());
        QCoreApplication::processEvents();
        samples.append(double(timer.nsecsElapsed()) / 1e6);
    }
    return median(samples);
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

    // The last day of the data, so that "This Month" holds rows.
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

    const auto nothing = [](ReportsScreen*) {};
    const auto allTime = [](ReportsScreen* screen) {
        screen->findChild<QComboBox*>(QStringLiteral("periodCombo"))->setCurrentIndex(allTimePreset);
    };
    const auto everyChartTab = [](ReportsScreen* screen) {
        auto* tabs = screen->findChild<QTabWidget*>();
        for (int tab : {ReportsScreen::IncomeVsExpenses, ReportsScreen::CashFlow, ReportsScreen::YearOverYear,
                 ReportsScreen::AccountSummary}) {
            tabs->setCurrentIndex(tab);
            QCoreApplication::processEvents();
        }
    };
    struct Operation
    {
        const char* name;
        std::function<void(ReportsScreen*)> prepare;
        std::function<void(ReportsScreen*)> work;
    };
    const std::vector<Operation> operations{
        {"open, This Month", nullptr, nothing},
        {"switch to All Time", nothing, allTime},
        {"All Time, each chart tab", allTime, everyChartTab},
    };

    std::printf("%d transactions; goal for opening with charts: %.0f ms\n\n", plan.transactionCount, openGoalMs);
    std::printf("%-32s %12s %12s %8s\n", "operation", "median", "baseline", "ratio");
    double openMs = 0.0;
    for (const Operation& operation : operations) {
        const double withCharts = measure(&appState, true, operation.prepare, operation.work);
        const double hidden = measure(&appState, false, operation.prepare, operation.work);
        std::printf("%-32s %9.1f ms %9.1f ms %8.2f\n", operation.name, withCharts, hidden, withCharts / hidden);
        if (!operation.prepare)
            openMs = withCharts;
    }
    std::printf("\nbaseline: the same window with its charts hidden\n");
    return openMs <= openGoalMs ? 0 : 2;
}
