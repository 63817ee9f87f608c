#pragma once

#include <QCoreApplication>
#include <QRandomGenerator>
#include <QString>
#include <QtTest>
#include <cstdio>

// Runs this test program again as a worker (`workerFlag` `path` `seed`),
// waits until it says it has started writing, lets it run for a random
// 1 to `maxRunMs` milliseconds and kills it. True when it was killed while
// still running.
bool killWorkerOnce(const char* workerFlag, const QString& path, quint32 seed, int maxRunMs);

// The main of a crash test. Started as a worker it opens `Books` on the
// path it was given, says so, and calls `writeOnce(books, random)` until it
// is killed; otherwise it runs the slots of `Test`.
template<typename Test, typename Books, typename Write>
int crashTestMain(int argc, char** argv, const char* workerFlag, Write writeOnce)
{
    QCoreApplication application(argc, argv);
    if (argc != 4 || qstrcmp(argv[1], workerFlag) != 0) {
        Test test;
        return QTest::qExec(&test, argc, argv);
    }
    Books books(QString::fromLocal8Bit(argv[2]));
    if (!books.ready)
        return 2;
    QRandomGenerator random(QString::fromLatin1(argv[3]).toUInt());
    std::fputs("ready\n", stdout);
    std::fflush(stdout);
    for (;;)
        writeOnce(books, random);
}
