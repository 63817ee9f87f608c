#pragma once

#include <QString>
#include <QStringList>

class Database;

// How large a register the benchmark builds: one large account and two
// smaller ones holding a sixth of the rows each.
struct BenchDataPlan
{
    int transactionCount = 150000;
};

// What the generated database holds, for the measurements that follow.
struct BenchData
{
    QString largeAccountId;
    int largeAccountRows = 0;
    QStringList accountIds;
    // A word that appears in some payees but not in all of them.
    QString searchWord;
};

// Fills a freshly migrated database with accounts, categories and
// transactions. The transactions go in through one prepared insert inside
// one database transaction; the full-text triggers index them as they would
// index rows typed into the register. Returns an empty BenchData on failure.
BenchData generateBenchData(Database* database, const BenchDataPlan& plan);
