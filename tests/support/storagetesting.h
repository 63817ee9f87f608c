#pragma once

// Builders and queries shared by the storage tests. Records carry fixed
// creation times so a test can compare what it stored field by field.

#include "storage/account.h"
#include "storage/category.h"
#include "storage/clock.h"
#include "storage/database.h"
#include "storage/reconciliation.h"
#include "storage/recurringtransaction.h"
#include "storage/transaction.h"

#include <QSignalSpy>
#include <QtTest>
#include <optional>

QDateTime utc(const QString& isoText);
// The first column of the first row `sql` returns, or an invalid QVariant.
QVariant scalar(Database* database, const QString& sql, const QVariantList& values = {});
// Every row `sql` returns, its cells joined by '|'; a failure reads as one row
// naming the error.
QStringList rows(Database* database, const QString& sql, const QVariantList& values = {});
bool execute(Database* database, const QString& sql, const QVariantList& values = {});

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

// One text field of each record, in order: the ids unless another is named.
template<typename Record>
QStringList texts(const QList<Record>& records, QString Record::*field = &Record::id)
{
    QStringList result;
    for (const Record& record : records)
        result.append(record.*field);
    return result;
}

// True when every field of `actual` equals that of `expected`; a difference
// fails the running test and names the field.
bool sameRecord(const Account& actual, const Account& expected);
bool sameRecord(const Category& actual, const Category& expected);
bool sameRecord(const Transaction& actual, const Transaction& expected);
bool sameRecord(const RecurringTransaction& actual, const RecurringTransaction& expected);

template<typename Record>
bool sameRecord(const std::optional<Record>& actual, const Record& expected)
{
    return QTest::qVerify(actual.has_value(), "actual", "the record was not found", __FILE__, __LINE__)
        && sameRecord(*actual, expected);
}

// Stores `record` and reads it back, then stores `update` (same id) and reads
// that back with the creation stamp of `record`: an update never rewrites it.
// Each write sends `changedSignal` once.
template<typename Repository, typename Signal, typename Record>
void verifyRoundTrip(Repository& repository, Signal changedSignal, const Record& record, Record update)
{
    QSignalSpy changed(&repository, changedSignal);
    QVERIFY(repository.insert(record));
    QCOMPARE(changed.count(), 1);
    QVERIFY(sameRecord(repository.byId(record.id), record));
    QVERIFY(repository.update(update));
    QCOMPARE(changed.count(), 2);
    update.createdAt = record.createdAt;
    QVERIFY(sameRecord(repository.byId(record.id), update));
}
