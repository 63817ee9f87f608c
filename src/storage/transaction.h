#pragma once

#include "storage/enums.h"

#include <QDate>
#include <QDateTime>
#include <QString>
#include <optional>

// The payee of the transaction that holds an account's opening balance.
// Stored data, the same in every interface language.
inline const QString openingBalancePayee = QStringLiteral("Opening Balance");

// One register entry. A negative amount is a payment, a positive one a
// deposit. A transfer is two transactions whose transferLinkId name each other.
struct Transaction
{
    QString id;
    QString accountId;
    QDate date;
    QString payee;
    QString memo;
    qint64 amount = 0;
    QString categoryId;
    QString checkNumber;
    bool cleared = false;
    bool reconciled = false;
    QString transferLinkId;
    QString transferDestAccountId;
    bool isSplit = false;
    QString recurringId;
    int version = 1;
    SyncStatus syncStatus = SyncStatus::Pending;
    QString serverId;
    QDateTime createdAt;
    QDateTime updatedAt;
    std::optional<QDateTime> deletedAt;

    bool operator==(const Transaction&) const = default;

    // A row not yet stored: a new id, created and updated now, waiting to sync.
    static Transaction newPending(const QString& accountId, const QDate& date, const QString& payee, qint64 amount);
};
