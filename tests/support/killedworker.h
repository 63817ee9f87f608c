#pragma once

#include <QString>

// Runs this test program again as a worker (`workerFlag` `path` `seed`),
// waits until it says it has started writing, lets it run for a random
// 1 to `maxRunMs` milliseconds and kills it. True when it was killed while
// still running.
bool killWorkerOnce(const char* workerFlag, const QString& path, quint32 seed, int maxRunMs);
