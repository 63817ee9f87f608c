#include "support/storagetesting.h"

#include <QSqlQuery>
#include <QtTest>

QDateTime utc(const QString& isoText)
{
    return QDateTime::fromString(isoText, Qt::ISODate);
}

QVariant scalar(Database* database, const QString& sql, const QVariantList& values)
{
    QSqlQuery query(database->database());
    query.prepare(sql);
    for (const QVariant& value : values)
        query.addBindValue(value);
    if (!query.exec() || !query.next())
        return QVariant();
    return query.value(0);
}

bool execute(Database* database, const QString& sql)
{
    QSqlQuery query(database->database());
    return query.exec(sql);
}

Account makeAccount(const QString& id, const QString& name, int sortOrder, const QString& createdAt)
{
    Account account;
    account.id = id;
    account.name = name;
    account.sortOrder = sortOrder;
    account.createdAt = utc(createdAt);
    account.updatedAt = account.createdAt;
    return account;
}

Category makeCategory(const QString& id, const QString& name, const QString& parentId, const QString& createdAt)
{
    Category category;
    category.id = id;
    category.name = name;
    category.parentId = parentId;
    category.createdAt = utc(createdAt);
    category.updatedAt = category.createdAt;
    return category;
}

Transaction makeTransaction(const QString& id, const QString& accountId, const QDate& date, qint64 amount, const QString& createdAt)
{
    Transaction transaction;
    transaction.id = id;
    transaction.accountId = accountId;
    transaction.date = date;
    transaction.payee = QStringLiteral("Payee %1").arg(id);
    transaction.amount = amount;
    transaction.createdAt = utc(createdAt);
    transaction.updatedAt = transaction.createdAt;
    return transaction;
}

RecurringTransaction makeRecurring(const QString& id, const QDate& nextDueDate, const QString& accountId)
{
    RecurringTransaction rule;
    rule.id = id;
    rule.accountId = accountId;
    rule.payee = QStringLiteral("Rule %1").arg(id);
    rule.amount = -1000;
    rule.startDate = QDate(2024, 1, 1);
    rule.nextDueDate = nextDueDate;
    rule.createdAt = utc(QStringLiteral("2024-01-01T09:00:00Z"));
    rule.updatedAt = rule.createdAt;
    return rule;
}

Reconciliation makeReconciliation(const QString& id, const QDate& statementDate, const QString& accountId)
{
    Reconciliation reconciliation;
    reconciliation.id = id;
    reconciliation.accountId = accountId;
    reconciliation.statementDate = statementDate;
    reconciliation.statementBalance = 10000;
    reconciliation.reconciledBalance = 10000;
    reconciliation.completedAt = utc(QStringLiteral("2024-01-01T09:00:00Z"));
    reconciliation.createdAt = reconciliation.completedAt;
    reconciliation.updatedAt = reconciliation.completedAt;
    return reconciliation;
}

QStringList firstArguments(const QSignalSpy& spy)
{
    QStringList result;
    for (const QList<QVariant>& arguments : spy)
        result.append(arguments.at(0).toString());
    return result;
}

namespace {

template<typename Value>
bool sameField(const char* field, const Value& actual, const Value& expected)
{
    return QTest::qCompare(actual, expected, field, field, __FILE__, __LINE__);
}

bool sameField(const char* field, const std::optional<QDateTime>& actual, const std::optional<QDateTime>& expected)
{
    return QTest::qCompare(actual.value_or(QDateTime()), expected.value_or(QDateTime()), field, field, __FILE__, __LINE__)
        && QTest::qCompare(actual.has_value(), expected.has_value(), field, field, __FILE__, __LINE__);
}

bool sameField(const char* field, const std::optional<QDate>& actual, const std::optional<QDate>& expected)
{
    return QTest::qCompare(actual.value_or(QDate()), expected.value_or(QDate()), field, field, __FILE__, __LINE__)
        && QTest::qCompare(actual.has_value(), expected.has_value(), field, field, __FILE__, __LINE__);
}

// The bookkeeping every record carries.
template<typename Record>
bool sameStamps(const Record& actual, const Record& expected)
{
    return sameField("id", actual.id, expected.id) && sameField("version", actual.version, expected.version)
        && sameField("syncStatus", actual.syncStatus, expected.syncStatus) && sameField("serverId", actual.serverId, expected.serverId)
        && sameField("createdAt", actual.createdAt, expected.createdAt) && sameField("updatedAt", actual.updatedAt, expected.updatedAt)
        && sameField("deletedAt", actual.deletedAt, expected.deletedAt);
}

} // namespace

bool sameRecord(const Account& actual, const Account& expected)
{
    return sameStamps(actual, expected) && sameField("name", actual.name, expected.name) && sameField("type", actual.type, expected.type)
        && sameField("currency", actual.currency, expected.currency) && sameField("institution", actual.institution, expected.institution)
        && sameField("accountNumberLast4", actual.accountNumberLast4, expected.accountNumberLast4)
        && sameField("startingBalance", actual.startingBalance, expected.startingBalance)
        && sameField("sortOrder", actual.sortOrder, expected.sortOrder) && sameField("isShared", actual.isShared, expected.isShared);
}

bool sameRecord(const Category& actual, const Category& expected)
{
    return sameStamps(actual, expected) && sameField("name", actual.name, expected.name) && sameField("type", actual.type, expected.type)
        && sameField("parentId", actual.parentId, expected.parentId) && sameField("isTaxRelevant", actual.isTaxRelevant, expected.isTaxRelevant)
        && sameField("taxCategory", actual.taxCategory, expected.taxCategory) && sameField("icon", actual.icon, expected.icon)
        && sameField("color", actual.color, expected.color) && sameField("isDefault", actual.isDefault, expected.isDefault)
        && sameField("accountId", actual.accountId, expected.accountId);
}

bool sameRecord(const Transaction& actual, const Transaction& expected)
{
    return sameStamps(actual, expected) && sameField("accountId", actual.accountId, expected.accountId)
        && sameField("date", actual.date, expected.date) && sameField("payee", actual.payee, expected.payee)
        && sameField("memo", actual.memo, expected.memo) && sameField("amount", actual.amount, expected.amount)
        && sameField("categoryId", actual.categoryId, expected.categoryId) && sameField("checkNumber", actual.checkNumber, expected.checkNumber)
        && sameField("cleared", actual.cleared, expected.cleared) && sameField("reconciled", actual.reconciled, expected.reconciled)
        && sameField("transferLinkId", actual.transferLinkId, expected.transferLinkId)
        && sameField("transferDestAccountId", actual.transferDestAccountId, expected.transferDestAccountId)
        && sameField("isSplit", actual.isSplit, expected.isSplit) && sameField("recurringId", actual.recurringId, expected.recurringId);
}

bool sameRecord(const RecurringTransaction& actual, const RecurringTransaction& expected)
{
    return sameStamps(actual, expected) && sameField("accountId", actual.accountId, expected.accountId)
        && sameField("payee", actual.payee, expected.payee) && sameField("memo", actual.memo, expected.memo)
        && sameField("amount", actual.amount, expected.amount) && sameField("categoryId", actual.categoryId, expected.categoryId)
        && sameField("frequency", actual.frequency, expected.frequency) && sameField("startDate", actual.startDate, expected.startDate)
        && sameField("endDate", actual.endDate, expected.endDate) && sameField("nextDueDate", actual.nextDueDate, expected.nextDueDate)
        && sameField("autoPost", actual.autoPost, expected.autoPost) && sameField("isActive", actual.isActive, expected.isActive)
        && sameField("transferDestAccountId", actual.transferDestAccountId, expected.transferDestAccountId);
}
