// Backs up the 150,000-transaction database of the benchmark data and
// restores the archive into an empty register, each run in a child process
// of its own so that its time and its peak memory (maximum resident set)
// are its alone. Prints one table: operation, median, baseline, ratio, the
// peak memory, and the processor time beside that of the baseline.
//
// Baselines: a plain copy of the database file for the export, and reading
// and inflating every entry of the archive, without JSON or SQL, for the
// restore.
//
// Run by hand: build-<you>/bench/backup_bench [transaction count]

#include "benchdata.h"
#include "peakmemory.h"

#include "services/backup/backuparchivereader.h"
#include "services/backup/backupservice.h"
#include "storage/accountrepository.h"
#include "storage/categoryrepository.h"
#include "storage/database.h"
#include "storage/reconciliationrepository.h"
#include "storage/recurringrepository.h"
#include "storage/transactionrepository.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <sys/resource.h>

namespace {

constexpr int runs = 3;
constexpr double goalMs = 10000.0;
constexpr double goalPeakMb = 300.0;

struct Sample
{
    double ms = 0;
    double peakMb = 0;
    // Processor time, user and system: on a machine shared with other work
    // the clock also counts the time spent waiting for a processor.
    double cpuMs = 0;
};

// The service over an open data file, as the command line builds it.
struct Books
{
    explicit Books(Database* database)
        : accounts(database)
        , categories(database)
        , transactions(database)
        , recurring(database)
        , reconciliations(database)
        , service(database, &accounts, &categories, &transactions, &recurring, &reconciliations)
    {
    }

    AccountRepository accounts;
    CategoryRepository categories;
    TransactionRepository transactions;
    RecurringRepository recurring;
    ReconciliationRepository reconciliations;
    BackupService service;
};

rusage ownUsage()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage;
}

double cpuMs(const rusage& usage)
{
    const auto ms = [](const timeval& time) { return double(time.tv_sec) * 1000.0 + double(time.tv_usec) / 1000.0; };
    return ms(usage.ru_utime) + ms(usage.ru_stime);
}

// One measured operation inside a child: "<ms> <peak MB> <processor ms>"
// on standard output, or a non-zero exit code.
int runChild(const QString& operation, const QString& first, const QString& second)
{
    QElapsedTimer timer;
    bool ok = false;
    rusage start{};
    if (operation == QLatin1String("--copy")) {
        start = ownUsage();
        timer.start();
        ok = QFile::copy(first, second);
    } else if (operation == QLatin1String("--read")) {
        QFile file(first);
        start = ownUsage();
        timer.start();
        ok = file.open(QIODevice::ReadOnly);
        BackupArchiveReader archive(&file);
        ok = ok && archive.open();
        QByteArray bytes;
        for (int entry = 0; ok && entry < archive.entryCount(); ++entry)
            ok = archive.read(entry, bytes);
    } else {
        Database database;
        if (!database.open(first) || !database.runMigrations())
            return 3;
        Books books(&database);
        start = ownUsage();
        timer.start();
        if (operation == QLatin1String("--export"))
            ok = books.service.exportTo(second).succeeded();
        else
            ok = books.service.restoreFrom(second, BackupService::RestoreMode::SkipExisting).succeeded();
    }
    const double ms = double(timer.nsecsElapsed()) / 1e6;
    if (!ok)
        return 4;
    const rusage end = ownUsage();
    std::printf("%.1f %.1f %.1f\n", ms, peakMemoryMb(), cpuMs(end) - cpuMs(start));
    return 0;
}

std::optional<Sample> measureOnce(const QStringList& arguments)
{
    QProcess child;
    child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    child.start(QCoreApplication::applicationFilePath(), arguments);
    if (!child.waitForFinished(600000) || child.exitStatus() != QProcess::NormalExit || child.exitCode() != 0)
        return std::nullopt;
    const QList<QByteArray> fields = child.readAllStandardOutput().trimmed().split(' ');
    if (fields.size() != 3)
        return std::nullopt;
    return Sample{fields.at(0).toDouble(), fields.at(1).toDouble(), fields.at(2).toDouble()};
}

// The median time and the largest peak of `runs` children; `prepare` runs
// before each.
std::optional<Sample> measure(const QStringList& arguments, const std::function<bool()>& prepare)
{
    QList<double> times;
    QList<double> cpuTimes;
    double peak = 0;
    for (int run = 0; run < runs; ++run) {
        if (!prepare())
            return std::nullopt;
        const std::optional<Sample> sample = measureOnce(arguments);
        if (!sample)
            return std::nullopt;
        times.append(sample->ms);
        cpuTimes.append(sample->cpuMs);
        peak = std::max(peak, sample->peakMb);
    }
    std::sort(times.begin(), times.end());
    std::sort(cpuTimes.begin(), cpuTimes.end());
    return Sample{times.at(times.size() / 2), peak, cpuTimes.at(cpuTimes.size() / 2)};
}

bool freshCopy(const QString& from, const QString& to)
{
    for (const char* suffix : {"", "-wal", "-shm"})
        QFile::remove(to + QLatin1String(suffix));
    return QFile::copy(from, to);
}

void printRow(const char* operation, const Sample& sample, const Sample& baseline)
{
    std::printf("%-34s %9.0f ms %9.0f ms %7.2f %9.1f MB %9.0f ms %9.0f ms\n", operation, sample.ms, baseline.ms,
        sample.ms / baseline.ms, sample.peakMb, sample.cpuMs, baseline.cpuMs);
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication application(argc, argv);
    if (argc == 4)
        return runChild(QString::fromLocal8Bit(argv[1]), QString::fromLocal8Bit(argv[2]), QString::fromLocal8Bit(argv[3]));

    BenchDataPlan plan;
    if (argc > 1)
        plan.transactionCount = QString::fromLocal8Bit(argv[1]).toInt();
    QTemporaryDir directory;
    const QString full = directory.filePath(QStringLiteral("full.db"));
    const QString empty = directory.filePath(QStringLiteral("empty.db"));
    const QString work = directory.filePath(QStringLiteral("work.db"));
    const QString archive = directory.filePath(QStringLiteral("backup.zip"));
    {
        Database database;
        if (!database.open(full) || !database.runMigrations() || generateBenchData(&database, plan).accountIds.isEmpty()) {
            std::fprintf(stderr, "the benchmark data could not be generated\n");
            return 1;
        }
    }
    {
        Database database;
        if (!database.open(empty) || !database.runMigrations()) {
            std::fprintf(stderr, "the empty database could not be made\n");
            return 1;
        }
    }
    const auto nothing = [] { return true; };
    const std::optional<Sample> exported = measure({QStringLiteral("--export"), full, archive}, nothing);
    const std::optional<Sample> copied = measure({QStringLiteral("--copy"), full, work}, [&] { return !QFile::exists(work) || QFile::remove(work); });
    const std::optional<Sample> restored = measure({QStringLiteral("--restore"), work, archive}, [&] { return freshCopy(empty, work); });
    const std::optional<Sample> read = measure({QStringLiteral("--read"), archive, QString()}, nothing);
    if (!exported || !copied || !restored || !read) {
        std::fprintf(stderr, "a measured run failed\n");
        return 1;
    }
    std::printf("%d transactions, archive %.1f MB; goals: under %.0f s and %.0f MB each\n\n", plan.transactionCount,
        double(QFile(archive).size()) / (1024.0 * 1024.0), goalMs / 1000.0, goalPeakMb);
    std::printf("%-34s %12s %12s %7s %12s %12s %12s\n", "operation", "median", "baseline", "ratio", "peak memory",
        "processor", "(baseline)");
    printRow("export (baseline: copy the file)", *exported, *copied);
    printRow("restore (baseline: inflate only)", *restored, *read);
    return 0;
}
