#pragma once

// Builders and queries shared by the repository tests. Records carry fixed
// creation times so a test can compare what it stored field by field.

#include "storage/account.h"
#include "storage/category.h"
#include "storage/clock.h"
#include "storage/database.h"
#include "storage/reconciliation.h"
#include "storage/recurringtransaction.h"
#include "storage/transaction.h"

#include <QDateTime>
#include <QList>
#include <QSignalSpy>
#include <QStringList>
#include <QVariant>
#include <QtTest>
#include <optional>

QDateTime utc(const QString& isoText);

// The first column of the first row `sql` returns, or an invalid QVariant.
QVariant scalar(Database* database, const QString& sql, const QVariantList& values = {});

bool execute(Database* database, const QString& sql);

Account makeAccount(const QString& id, const QString& name, int sortOrder = 0,
    const QString& createdAt = QStringLiteral("2024-01-01T09:00:00Z"));

Category makeCategory(const QString& id, const QString& name, const QString& parentId = QString(),
    const QString& createdAt = QStringLiteral("2024-01-01T09:00:00Z"));

// A payment or deposit with payee "Payee <id>".
Transaction makeTransaction(const QString& id, const QString& accountId, const QDate& date, qint64 amount,
    const QString& createdAt = QStringLiteral("2024-01-01T09:00:00Z"));

// An active monthly rule paying 10.00 to "Rule <id>", started on 2024-01-01.
RecurringTransaction makeRecurring(const QString& id, const QDate& nextDueDate, const QString& accountId = QStringLiteral("A"));

// A reconciliation of a statement balance of 100.00.
Reconciliation makeReconciliation(const QString& id, const QDate& statementDate, const QString& accountId = QStringLiteral("A"));

// The first argument of every signal the spy caught, as text.
QStringList firstArguments(const QSignalSpy& spy);

template<typename Record>
QStringList ids(const QList<Record>& records)
{
    QStringList result;
    for (const Record& record : records)
        result.append(record.id);
    return result;
}

template<typename Record>
QStringList names(const QList<Record>& records)
{
    QStringList result;
    for (const Record& record : records)
        result.append(record.name);
    return result;
}

// True when every field of `actual` equals that of `expected`; a difference
// fails the running test and names the field.
bool sameRecord(const Account& actual, const Account& expected);
bool sameRecord(const Category& actual, const Category& expected);
bool sameRecord(const Transaction& actual, const Transaction& expected);
bool sameRecord(const RecurringTransaction& actual, const RecurringTransaction& expected);
bool sameRecord(const Reconciliation& actual, const Reconciliation& expected);

template<typename Record>
bool sameRecord(const std::optional<Record>& actual, const Record& expected)
{
    return QTest::qVerify(actual.has_value(), "actual", "the record was not found", __FILE__, __LINE__)
        && sameRecord(*actual, expected);
}

// Stores `record` and reads it back, then stores `update` (same id) and reads
// that back with the creation stamp of `record`: an update never rewrites it.
// Each write signals once.
template<typename Repository, typename Record>
void verifyRoundTrip(Repository& repository, QSignalSpy& changed, const Record& record, Record update)
{
    changed.clear();
    QVERIFY(repository.insert(record));
    QCOMPARE(changed.count(), 1);
    QVERIFY(sameRecord(repository.byId(record.id), record));
    QVERIFY(repository.update(update));
    QCOMPARE(changed.count(), 2);
    update.createdAt = record.createdAt;
    QVERIFY(sameRecord(repository.byId(record.id), update));
}

// Deleting an account deletes its rows as one cascade per call; undoing it
// restores the rows of account "A" deleted since the stamp ten seconds before
// the last cascade. `make(id, accountId)` builds a live row; rows of "B" stay
// untouched. Three cascades run at 11:59:00, 11:59:55 and 12:00:00.
template<typename Repository, typename MakeRecord>
void verifyCascadeRestore(Repository& repository, QSignalSpy& changed, MakeRecord make)
{
    const QString a = QStringLiteral("A");
    QVERIFY(repository.insert(make(QStringLiteral("elsewhere"), QStringLiteral("B"))));
    const QList<QPair<QString, QString>> cascades{{QStringLiteral("early"), QStringLiteral("2024-05-01T11:59:00Z")},
        {QStringLiteral("late"), QStringLiteral("2024-05-01T11:59:55Z")}, {QStringLiteral("last"), QStringLiteral("2024-05-01T12:00:00Z")}};
    for (const auto& [id, stamp] : cascades) {
        QVERIFY(repository.insert(make(id, a)));
        changed.clear();
        Clock::setFixedNow(utc(stamp));
        QCOMPARE(repository.softDeleteByAccount(a), 1);
        QCOMPARE(changed.count(), 1);
        QCOMPARE(repository.byId(id)->deletedAt, std::optional<QDateTime>(utc(stamp)));
        QCOMPARE(repository.byId(id)->updatedAt, utc(stamp));
    }
    // Nothing left to delete: no rows, no signal.
    QCOMPARE(repository.softDeleteByAccount(a), 0);
    QCOMPARE(changed.count(), 1);
    QVERIFY(!repository.byId(QStringLiteral("elsewhere"))->deletedAt);

    const QDateTime restoredAt = utc(QStringLiteral("2024-05-02T08:00:00Z"));
    Clock::setFixedNow(restoredAt);
    QCOMPARE(repository.restoreByAccount(a, QStringLiteral("2024-05-01T12:00:01Z")), 0);
    QCOMPARE(changed.count(), 1);
    QCOMPARE(repository.restoreByAccount(a, QStringLiteral("2024-05-01T11:59:50Z")), 2);
    QCOMPARE(changed.count(), 2);
    for (const QString& id : {QStringLiteral("late"), QStringLiteral("last")}) {
        const auto revived = repository.byId(id);
        QVERIFY(!revived->deletedAt);
        QCOMPARE(revived->updatedAt, restoredAt);
        QCOMPARE(revived->syncStatus, SyncStatus::Pending);
    }
    QVERIFY(repository.byId(QStringLiteral("early"))->deletedAt.has_value());
}

// markAllPendingForResync turns every live synced or conflicting row back to
// pending and signals once, and only when it changed something; a deleted row
// keeps its state, and marking it synced does not signal. `make(id)` builds a
// live pending row, `remove(id)` soft-deletes it.
template<typename Repository, typename MakeRecord, typename Remove>
void verifyResync(Repository& repository, QSignalSpy& changed, MakeRecord make, Remove remove)
{
    auto synced = make(QStringLiteral("synced"));
    synced.syncStatus = SyncStatus::Synced;
    auto conflict = make(QStringLiteral("conflict"));
    conflict.syncStatus = SyncStatus::Conflict;
    for (const auto& record : {synced, conflict, make(QStringLiteral("pending")), make(QStringLiteral("gone"))})
        QVERIFY(repository.insert(record));
    QVERIFY(remove(QStringLiteral("gone")));
    changed.clear();

    QVERIFY(repository.markSynced(QStringLiteral("gone"), QStringLiteral("srv-gone")));
    QCOMPARE(changed.count(), 0);
    QCOMPARE(repository.byId(QStringLiteral("gone"))->serverId, QStringLiteral("srv-gone"));

    QCOMPARE(repository.markAllPendingForResync(), 2);
    QCOMPARE(changed.count(), 1);
    QCOMPARE(repository.byId(QStringLiteral("synced"))->syncStatus, SyncStatus::Pending);
    QCOMPARE(repository.byId(QStringLiteral("conflict"))->syncStatus, SyncStatus::Pending);
    QCOMPARE(repository.byId(QStringLiteral("gone"))->syncStatus, SyncStatus::Synced);
    QCOMPARE(repository.byId(QStringLiteral("pending"))->syncStatus, SyncStatus::Pending);

    QCOMPARE(repository.markAllPendingForResync(), 0);
    QCOMPARE(changed.count(), 1);
}
