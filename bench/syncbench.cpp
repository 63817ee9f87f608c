// The first sync of the 150,000-transaction benchmark database to an empty
// reference server (every row marked for upload, as "Force Full Sync"
// does), and the full pull of those books onto a second, empty device, each
// cycle after cycle until nothing is left. Prints one table: operation,
// median, baseline, ratio, the requests sent, and the peak memory
// (VmHWM, reset before each operation).
//
// Baselines: the server alone taking the same rows, pushed in batches of
// 500 change objects and pulled in pages of 200 straight from the program's
// API client, without the engine and without local writes.
//
// Run by hand: build-<you>/bench/sync_bench [transactions] [--database-url URL]
// The URL names an empty PostgreSQL database for the servers (a throw-away
// cluster as scripts/test.sh starts one); without it they use SQLite.

#include "benchdata.h"
#include "peakmemory.h"

#include "account/apiclient.h"
#include "account/client.h"
#include "storage/accountrepository.h"
#include "storage/categoryrepository.h"
#include "storage/database.h"
#include "storage/transactionrepository.h"
#include "support/faultproxy.h"
#include "support/referenceserver.h"
#include "support/syncdevice.h"
#include "support/testbrowser.h"
#include "sync/syncpayload.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QStandardPaths>
#include <QUrlQuery>
#include <QUuid>

#include <algorithm>
#include <cstdio>

namespace {

constexpr double goalMs = 60000.0;
constexpr double goalPeakMb = 300.0;
const QString email = QStringLiteral("bench@example.com");

struct Sample
{
    double ms = 0;
    int requests = 0;
    double peakMb = 0;
};

// An empty database of its own on the PostgreSQL server of `url`.
QString freshPostgresDatabase(const QString& url, const QString& name)
{
    QUrl database(url);
    const QString connectionName = QUuid::createUuid().toString();
    bool created = false;
    {
        QSqlDatabase maintenance = QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), connectionName);
        maintenance.setHostName(database.host());
        maintenance.setPort(database.port(5432));
        maintenance.setUserName(database.userName());
        maintenance.setPassword(database.password());
        maintenance.setDatabaseName(database.path().mid(1));
        if (maintenance.open()) {
            QSqlQuery query(maintenance);
            // The name is the benchmark's own, not input.
            created = query.exec(QStringLiteral("DROP DATABASE IF EXISTS %1 WITH (FORCE)").arg(name))
                && query.exec(QStringLiteral("CREATE DATABASE %1").arg(name));
        }
        if (!created)
            std::fprintf(stderr, "PostgreSQL: %s\n", qPrintable(maintenance.lastError().text()));
    }
    QSqlDatabase::removeDatabase(connectionName);
    database.setPath(QLatin1Char('/') + name);
    return created ? database.toString() : QString();
}

// A reference server of its own with the benchmark's user, on SQLite or
// on a fresh PostgreSQL database.
std::unique_ptr<ReferenceServer> emptyServer(const QString& postgresUrl, int number)
{
    auto server = std::make_unique<ReferenceServer>(QStringLiteral(KESTRELWOOD_SERVER));
    QStringList arguments;
    if (!postgresUrl.isEmpty()) {
        const QString database = freshPostgresDatabase(postgresUrl, QStringLiteral("kw_sync_bench_%1").arg(number));
        if (database.isEmpty())
            return nullptr;
        arguments << QStringLiteral("--database-url") << database;
    }
    if (!server->start(arguments) || TestBrowser().signUp(server->baseUrl(), ReferenceServer::clientId, email).status != 302)
        return nullptr;
    return server;
}

// Cycles until nothing is pending and the last pull had no more pages.
bool syncUntilDone(SyncDevice& device)
{
    for (int cycle = 0; cycle < 100000; ++cycle) {
        // A cycle of 50 pages of the large books takes far longer than a test's.
        device.startSync();
        if (!device.finishSync(3600000))
            return false;
        const bool morePages = QJsonDocument::fromJson(device.proxy()->lastExchange().serverBody)
                                   .object()
                                   .value(QStringLiteral("has_more"))
                                   .toBool();
        if (!morePages && device.pendingRows().isEmpty())
            return true;
    }
    return false;
}

// One device's whole sync: time, requests and peak memory.
Sample timedSync(SyncDevice& device)
{
    resetPeakMemory();
    const int before = device.proxy()->requestCount();
    QElapsedTimer timer;
    timer.start();
    if (!syncUntilDone(device))
        std::fprintf(stderr, "%s: the sync did not finish\n", qPrintable(device.name()));
    return {double(timer.nsecsElapsed()) / 1e6, device.proxy()->requestCount() - before, peakMemoryMb()};
}

// Sends one request through `send` and waits for it; the reply's body.
QJsonObject requestOf(const std::function<void(const KestAccount::ResponseCallback&)>& send)
{
    QJsonObject reply;
    QEventLoop loop;
    send([&](bool ok, int status, const QJsonObject& body) {
        if (!ok)
            std::fprintf(stderr, "baseline request failed: HTTP %d\n", status);
        reply = body;
        loop.quit();
    });
    loop.exec();
    return reply;
}

// The server alone: the rows' change objects pushed 500 at a time.
Sample baselinePush(SyncDevice& device, const QJsonArray& changes)
{
    resetPeakMemory();
    KestAccount::ApiClient* api = device.client()->syncApi();
    QElapsedTimer timer;
    timer.start();
    int requests = 0;
    for (qsizetype first = 0; first < changes.size(); first += 500) {
        QJsonArray batch;
        for (qsizetype index = first; index < std::min(first + 500, changes.size()); ++index)
            batch.append(changes.at(index));
        requestOf([&](const KestAccount::ResponseCallback& callback) {
            api->post(QStringLiteral("/sync/push"), {{QStringLiteral("changes"), batch}}, callback);
        });
        ++requests;
    }
    return {double(timer.nsecsElapsed()) / 1e6, requests, peakMemoryMb()};
}

// The server alone: every page pulled, nothing stored.
Sample baselinePull(SyncDevice& device)
{
    resetPeakMemory();
    KestAccount::ApiClient* api = device.client()->syncApi();
    QElapsedTimer timer;
    timer.start();
    int requests = 0;
    QString since;
    for (bool more = true; more; ++requests) {
        QUrlQuery query;
        if (!since.isEmpty())
            query.addQueryItem(QStringLiteral("since"), since);
        query.addQueryItem(QStringLiteral("limit"), QStringLiteral("200"));
        const QJsonObject page = requestOf(
            [&](const KestAccount::ResponseCallback& callback) { api->get(QStringLiteral("/sync/pull"), callback, query); });
        more = page.value(QStringLiteral("has_more")).toBool();
        since = page.value(QStringLiteral("server_time")).toString();
    }
    return {double(timer.nsecsElapsed()) / 1e6, requests, peakMemoryMb()};
}

QJsonArray changesOf(SyncDevice& device)
{
    QJsonArray changes;
    for (const Account& account : device.accounts()->pending())
        changes.append(SyncPayload::change(account));
    for (const Category& category : device.categories()->pending())
        changes.append(SyncPayload::change(category));
    for (const Transaction& transaction : device.transactions()->pending())
        changes.append(SyncPayload::change(transaction));
    return changes;
}

void printRow(const char* operation, const Sample& sample, const Sample& baseline)
{
    std::printf("%-44s | %9.0f ms | %9.0f ms | %6.1f | %6d req | %7.1f MB%s\n", operation, sample.ms, baseline.ms,
        baseline.ms > 0 ? sample.ms / baseline.ms : 0.0, sample.requests, sample.peakMb,
        sample.ms > goalMs || sample.peakMb > goalPeakMb ? "  over the goal" : "");
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication application(argc, argv);
    QStandardPaths::setTestModeEnabled(true);
    QStringList arguments = application.arguments().mid(1);
    QString postgresUrl;
    if (const qsizetype option = arguments.indexOf(QStringLiteral("--database-url")); option >= 0) {
        postgresUrl = arguments.value(option + 1);
        arguments.remove(option, 2);
    }
    BenchDataPlan plan;
    plan.transactionCount = arguments.value(0, QStringLiteral("150000")).toInt();
    qputenv("QT_LOGGING_RULES", "default.info=false");

    std::unique_ptr<ReferenceServer> baselineServer = emptyServer(postgresUrl, 1);
    std::unique_ptr<ReferenceServer> server = emptyServer(postgresUrl, 2);
    if (!baselineServer || !server) {
        std::fprintf(stderr, "the reference servers did not start\n");
        return 1;
    }

    Sample firstSync;
    {
        SyncDevice first(QStringLiteral("first device"), *server);
        first.setTransferTimeout(KestAccount::ApiClient::defaultTransferTimeoutMs);
        first.proxy()->setRecording(false);
        if (generateBenchData(first.database(), plan).accountIds.isEmpty() || !first.signIn(email))
            return 1;
        (void)first.accounts()->markAllPendingForResync();
        (void)first.transactions()->markAllPendingForResync();
        firstSync = timedSync(first);
    }
    Sample fullPull;
    {
        SyncDevice second(QStringLiteral("second device"), *server);
        second.setTransferTimeout(KestAccount::ApiClient::defaultTransferTimeoutMs);
        second.proxy()->setRecording(false);
        if (!second.signIn(email))
            return 1;
        fullPull = timedSync(second);
    }

    // The baselines last: memory they leave with the allocator would count
    // towards the peaks above.
    Sample baselineUp;
    Sample baselineDown;
    {
        SyncDevice source(QStringLiteral("baseline"), *baselineServer);
        source.setTransferTimeout(KestAccount::ApiClient::defaultTransferTimeoutMs);
        if (generateBenchData(source.database(), plan).accountIds.isEmpty() || !source.signIn(email))
            return 1;
        (void)source.accounts()->markAllPendingForResync();
        (void)source.transactions()->markAllPendingForResync();
        const QJsonArray changes = changesOf(source);
        baselineUp = baselinePush(source, changes);
        baselineDown = baselinePull(source);
    }

    std::printf("Sync of %d transactions, server on %s; goal under %.0f s and %.0f MB each\n", plan.transactionCount,
        postgresUrl.isEmpty() ? "SQLite" : "PostgreSQL", goalMs / 1000, goalPeakMb);
    std::printf("%-44s | %12s | %12s | %6s | %10s | %10s\n", "operation", "time", "baseline", "ratio", "requests",
        "peak");
    printRow("first sync to an empty server", firstSync, baselineUp);
    printRow("full pull onto an empty second device", fullPull, baselineDown);
    return 0;
}
