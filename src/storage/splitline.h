#pragma once

#include <QDateTime>
#include <QString>

// One category share of a split transaction. Split lines do not sync.
struct SplitLine
{
    QString id;
    QString transactionId;
    QString categoryId;
    qint64 amount = 0;
    QString memo;
    QDateTime createdAt;
    QDateTime updatedAt;
};
