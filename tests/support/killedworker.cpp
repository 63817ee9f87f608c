#include "support/killedworker.h"

#include <QCoreApplication>
#include <QProcess>
#include <QRandomGenerator>
#include <QThread>

bool killWorkerOnce(const char* workerFlag, const QString& path, quint32 seed, int maxRunMs)
{
    QProcess worker;
    worker.start(QCoreApplication::applicationFilePath(), {QString::fromLatin1(workerFlag), path, QString::number(seed)});
    if (!worker.waitForReadyRead(10000))
        return false;
    // Anywhere from the first statement to well into a run of writes.
    QThread::msleep(QRandomGenerator::global()->bounded(1, maxRunMs));
    worker.kill();
    return worker.waitForFinished(10000) && worker.exitStatus() == QProcess::CrashExit;
}
