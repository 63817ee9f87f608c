#pragma once

#include "storage/enums.h"

#include <QDate>
#include <QDateTime>
#include <QString>
#include <optional>

// One completed reconciliation of an account against a bank statement.
struct Reconciliation
{
    QString id;
    QString accountId;
    QDate statementDate;
    qint64 statementBalance = 0;
    qint64 reconciledBalance = 0;
    QDateTime completedAt;
    int version = 1;
    SyncStatus syncStatus = SyncStatus::Pending;
    QString serverId;
    QDateTime createdAt;
    QDateTime updatedAt;
    std::optional<QDateTime> deletedAt;

    bool operator==(const Reconciliation&) const = default;
};
