// Loads the server with many users' rows, then times a 200-row pull page, a
// 500-change push and a trivial authenticated request as the baseline, and
// measures pulls per second with wrk on loopback.
//
//   server_bench [--users 100] [--rows 10000] [--runs 200] [--postgres]
//
// --postgres uses the server named by KESTRELWOOD_TEST_POSTGRES_URL (a fresh
// database on it), as the server's tests do.
#include "support/serverprocess.h"
#include "support/syncchanges.h"
#include "support/testclient.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QJsonArray>
#include <QProcess>
#include <QRandomGenerator>
#include <QRegularExpression>

#include <algorithm>
#include <cstdio>

namespace {

struct Figures
{
    double median = 0;
    double p99 = 0;
};

Figures figuresOf(QList<double> samples)
{
    std::sort(samples.begin(), samples.end());
    if (samples.isEmpty())
        return {};
    return {samples.at(samples.size() / 2), samples.at(std::min<qsizetype>(samples.size() - 1, samples.size() * 99 / 100))};
}

template<typename Operation>
Figures timed(int runs, Operation operation)
{
    QList<double> samples;
    for (int run = 0; run < runs; ++run) {
        QElapsedTimer timer;
        timer.start();
        operation(run);
        samples.append(double(timer.nsecsElapsed()) / 1e6);
    }
    return figuresOf(samples);
}

QJsonArray batch(const QString &user, int first, int count, int version)
{
    QJsonArray changes;
    for (int i = first; i < first + count; ++i)
        changes.append(SyncChanges::transaction(QStringLiteral("%1-tx-%2").arg(user).arg(i), user + QStringLiteral("-acc"), version));
    return changes;
}

QString wrkPullsPerSecond(const QUrl &base, const QString &token)
{
    QProcess wrk;
    wrk.start(QStringLiteral("wrk"), {QStringLiteral("-t2"), QStringLiteral("-c16"), QStringLiteral("-d10s"),
                                      QStringLiteral("-H"), QStringLiteral("Authorization: Bearer %1").arg(token),
                                      base.toString() + QStringLiteral("/checkbook/v1/sync/pull?limit=200")});
    if (!wrk.waitForFinished(60000))
        return QStringLiteral("wrk did not finish");
    const QString output = QString::fromUtf8(wrk.readAllStandardOutput());
    const QRegularExpressionMatch match = QRegularExpression(QStringLiteral("Requests/sec:\\s+([0-9.]+)")).match(output);
    return match.hasMatch() ? match.captured(1) : QStringLiteral("wrk failed: ") + QString::fromUtf8(wrk.readAllStandardError());
}

void printRow(const char *operation, const Figures &figures, double baseline)
{
    std::printf("%-34s | %10.2f | %10.2f | %10.2f | %6.1f\n", operation, figures.median, figures.p99, baseline,
                baseline > 0 ? figures.median / baseline : 0.0);
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QCommandLineParser parser;
    parser.addOptions({{QStringLiteral("users"), QStringLiteral("Users to load."), QStringLiteral("n"), QStringLiteral("100")},
                       {QStringLiteral("rows"), QStringLiteral("Rows per user."), QStringLiteral("n"), QStringLiteral("10000")},
                       {QStringLiteral("runs"), QStringLiteral("Timed runs per operation."), QStringLiteral("n"), QStringLiteral("200")},
                       {QStringLiteral("postgres"), QStringLiteral("Run on PostgreSQL (KESTRELWOOD_TEST_POSTGRES_URL).")}});
    parser.process(app);
    const int users = parser.value(QStringLiteral("users")).toInt();
    const int rows = parser.value(QStringLiteral("rows")).toInt();
    const int runs = parser.value(QStringLiteral("runs")).toInt();
    if (parser.isSet(QStringLiteral("postgres")))
        qputenv("KESTRELWOOD_TEST_BACKEND", "postgresql");

    ServerProcess server;
    if (!server.start())
        return 1;
    TestClient client(server.baseUrl());
    QList<TestClient::Tokens> tokens;
    QElapsedTimer loading;
    loading.start();
    for (int user = 0; user < users; ++user) {
        const auto signedUp = client.signUp(QStringLiteral("bench-%1@example.com").arg(user), QStringLiteral("correct horse"));
        if (!signedUp)
            return 1;
        tokens.append(*signedUp);
        const QString name = QStringLiteral("u%1").arg(user);
        for (int first = 0; first < rows; first += 500) {
            if (client.post(QStringLiteral("/checkbook/v1/sync/push"),
                            {{QStringLiteral("changes"), batch(name, first, std::min(500, rows - first), 1)}}, signedUp->access).status != 200)
                return 1;
        }
    }
    std::printf("%s: %d users x %d rows loaded in %.1f s\n", server.databaseUrl().isEmpty() ? "SQLite" : "PostgreSQL",
                users, rows, double(loading.elapsed()) / 1000);

    // Loading outlasts the access tokens' 15 minutes on a slow database.
    for (TestClient::Tokens &userTokens : tokens) {
        const auto fresh = client.refresh(userTokens.refresh);
        if (!fresh)
            return 1;
        userTokens = *fresh;
    }

    QRandomGenerator random(7);
    const Figures baseline = timed(runs, [&](int) {
        client.get(QStringLiteral("/api/v1/realms/kestrelwood/users/me"), tokens.at(random.bounded(users)).access);
    });
    const Figures pull = timed(runs, [&](int) {
        const int user = random.bounded(users);
        const int since = random.bounded(std::max(1, rows * users - 200));
        client.get(QStringLiteral("/checkbook/v1/sync/pull?limit=200&since=%1").arg(since), tokens.at(user).access);
    });
    const Figures push = timed(std::max(1, runs / 4), [&](int run) {
        const int user = run % users;
        client.post(QStringLiteral("/checkbook/v1/sync/push"),
                    {{QStringLiteral("changes"), batch(QStringLiteral("u%1").arg(user), 0, std::min(500, rows), 2 + run / users)}},
                    tokens.at(user).access);
    });
    std::printf("%-34s | %10s | %10s | %10s | %6s\n", "operation", "median ms", "p99 ms", "baseline", "ratio");
    printRow("GET /users/me (baseline)", baseline, baseline.median);
    printRow("pull, one 200-row page", pull, baseline.median);
    printRow("push, 500 changes", push, baseline.median);
    std::printf("wrk, pulls of 200 rows per second (2 threads, 16 connections, 10 s): %s\n",
                qPrintable(wrkPullsPerSecond(server.baseUrl(), tokens.first().access)));
    return 0;
}
