// Opens the register of a 100,000-transaction account and reports how long
// the screen takes from setAccount until the grid is painted, and the
// process's peak memory with that register open.
//
// Run by hand: build-<you>/bench/register_bench [transaction count]

#include "app/appstate.h"
#include "register/registerscreen.h"
#include "register/registertableview.h"
#include "storage/account.h"
#include "storage/accountrepository.h"
#include "storage/clock.h"
#include "storage/database.h"
#include "storage/identifiers.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QSqlError>
#include <QSqlQuery>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <ctime>

namespace {

constexpr int defaultTransactionCount = 100000;
constexpr int runs = 7;
constexpr double openGoalMs = 300.0;
constexpr double memoryGoalMb = 150.0;

Account storeAccount(AppState& appState, const QString& name)
{
    Account account;
    account.id = newId();
    account.name = name;
    account.createdAt = Clock::nowUtc();
    account.updatedAt = account.createdAt;
    if (!appState.accounts()->insert(account))
        qFatal("register_bench: the account could not be stored");
    return account;
}

// One prepared insert inside one database transaction: a few seconds for
// 100,000 rows, full-text index included.
bool fillAccount(Database* database, const QString& accountId, int count)
{
    static const QStringList payees = {QStringLiteral("Corner Market"), QStringLiteral("Power Company"),
        QStringLiteral("City Water"), QStringLiteral("Payroll"), QStringLiteral("Book Nook"), QStringLiteral("Gas Station"),
        QStringLiteral("Pharmacy"), QStringLiteral("Coffee House")};
    return database->inTransaction([&] {
        QSqlQuery insert(database->database());
        insert.prepare(QStringLiteral("INSERT INTO transactions (id, account_id, date, payee, memo, amount, check_number, "
                                      "cleared, reconciled, transfer_link_id, transfer_dest_account_id, is_split, recurring_id, "
                                      "version, sync_status, server_id, created_at, updated_at) "
                                      "VALUES (?, ?, ?, ?, ?, ?, '', ?, 0, '', '', 0, '', 1, 'pending', '', ?, ?)"));
        const QDate firstDay(2000, 1, 1);
        const QString stamp = Clock::nowUtc().toString(Qt::ISODate);
        for (int i = 0; i < count; ++i) {
            const bool deposit = i % 10 == 0;
            insert.addBindValue(newId());
            insert.addBindValue(accountId);
            insert.addBindValue(firstDay.addDays(i / 12).toString(Qt::ISODate));
            insert.addBindValue(payees[i % payees.size()]);
            insert.addBindValue(i % 3 == 0 ? QStringLiteral("memo %1").arg(i) : QString());
            insert.addBindValue(deposit ? qint64(250000) : -qint64(1000 + (i * 37) % 20000));
            insert.addBindValue(i % 2);
            insert.addBindValue(stamp);
            insert.addBindValue(stamp);
            if (!insert.exec()) {
                std::fprintf(stderr, "insert failed: %s\n", qPrintable(insert.lastError().text()));
                return false;
            }
        }
        return true;
    });
}

// Forgets the peak so far (Linux: "5" into clear_refs resets VmHWM), so the
// peak reported belongs to the open register, not to generating the data.
void resetPeakMemory()
{
    QFile clearRefs(QStringLiteral("/proc/self/clear_refs"));
    if (clearRefs.open(QIODevice::WriteOnly))
        clearRefs.write("5");
}

double median(QList<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

double peakMemoryMb()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').first().toDouble() / 1024.0;
    }
    return -1;
}

double threadCpuMs()
{
    timespec now {};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return now.tv_sec * 1e3 + now.tv_nsec / 1e6;
}

struct OpenTime
{
    double wallMs = 0;
    // The processor time of the GUI thread alone: what the open costs when
    // the machine is shared with other work.
    double cpuMs = 0;
};

// From the account switch until every visible cell has been painted once.
OpenTime timeOpen(RegisterScreen& screen, const QString& accountId)
{
    QElapsedTimer timer;
    const double cpuStart = threadCpuMs();
    timer.start();
    screen.setAccount(accountId);
    QCoreApplication::processEvents();
    screen.view()->viewport()->repaint();
    return {timer.nsecsElapsed() / 1e6, threadCpuMs() - cpuStart};
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    const int count = argc > 1 ? std::max(1, QByteArray(argv[1]).toInt()) : defaultTransactionCount;

    QStandardPaths::setTestModeEnabled(true);
    QTemporaryDir dataDirectory;
    qputenv("CHECKBOOK_DATA_DIR", dataDirectory.path().toUtf8());
    AppState appState;
    if (!appState.initialize()) {
        std::fprintf(stderr, "the database could not be opened\n");
        return 1;
    }
    const Account large = storeAccount(appState, QStringLiteral("Large"));
    const Account small = storeAccount(appState, QStringLiteral("Small"));
    QElapsedTimer fillTimer;
    fillTimer.start();
    if (!fillAccount(appState.database(), large.id, count) || !fillAccount(appState.database(), small.id, 10))
        return 1;
    std::printf("generated %d transactions in %.0f ms\n\n", count, fillTimer.nsecsElapsed() / 1e6);

    resetPeakMemory();
    RegisterScreen screen(&appState);
    screen.resize(1200, 800);
    screen.show();
    QCoreApplication::processEvents();

    QList<double> wallTimes;
    QList<double> cpuTimes;
    for (int run = 0; run < runs; ++run) {
        timeOpen(screen, small.id);
        const OpenTime open = timeOpen(screen, large.id);
        wallTimes << open.wallMs;
        cpuTimes << open.cpuMs;
    }
    const double wallMs = median(wallTimes);
    const double cpuMs = median(cpuTimes);
    const double peakMb = peakMemoryMb();

    std::printf("%-40s %12s %12s %8s\n", "operation", "median", "goal", "ratio");
    std::printf("%-40s %9.1f ms %9.1f ms %8.2f\n", qPrintable(QStringLiteral("open register, wall (%1 rows)").arg(count)),
        wallMs, openGoalMs, wallMs / openGoalMs);
    std::printf("%-40s %9.1f ms %9.1f ms %8.2f\n", qPrintable(QStringLiteral("open register, GUI thread CPU (%1 rows)").arg(count)),
        cpuMs, openGoalMs, cpuMs / openGoalMs);
    std::printf("%-40s %9.1f MB %9.1f MB %8.2f\n", "peak memory (VmHWM)", peakMb, memoryGoalMb, peakMb / memoryGoalMb);
    return 0;
}
