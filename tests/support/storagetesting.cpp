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

template<typename Value>
bool sameField(const char* field, const std::optional<Value>& actual, const std::optional<Value>& expected)
{
    return sameField(field, actual.has_value(), expected.has_value()) && sameField(field, actual.value_or(Value()), expected.value_or(Value()));
}

} // namespace

#define SAME(...) sameFields(actual, expected, __VA_ARGS__)
#define FIELD(name) #name, &std::remove_cvref_t<decltype(actual)>::name

namespace {

template<typename Record>
bool sameFields(const Record&, const Record&)
{
    return true;
}

template<typename Record, typename Value, typename... Rest>
bool sameFields(const Record& actual, const Record& expected, const char* field, Value Record::*member, Rest... rest)
{
    return sameField(field, actual.*member, expected.*member) && sameFields(actual, expected, rest...);
}

// The bookkeeping every record carries.
template<typename Record>
bool sameStamps(const Record& actual, const Record& expected)
{
    return SAME(FIELD(id), FIELD(version), FIELD(syncStatus), FIELD(serverId), FIELD(createdAt), FIELD(updatedAt), FIELD(deletedAt));
}

} // namespace

bool sameRecord(const Account& actual, const Account& expected)
{
    return sameStamps(actual, expected)
        && SAME(FIELD(name), FIELD(type), FIELD(currency), FIELD(institution), FIELD(accountNumberLast4), FIELD(startingBalance),
            FIELD(sortOrder), FIELD(isShared));
}

bool sameRecord(const Category& actual, const Category& expected)
{
    return sameStamps(actual, expected)
        && SAME(FIELD(name), FIELD(type), FIELD(parentId), FIELD(isTaxRelevant), FIELD(taxCategory), FIELD(icon), FIELD(color),
            FIELD(isDefault), FIELD(accountId));
}

bool sameRecord(const Transaction& actual, const Transaction& expected)
{
    return sameStamps(actual, expected)
        && SAME(FIELD(accountId), FIELD(date), FIELD(payee), FIELD(memo), FIELD(amount), FIELD(categoryId), FIELD(checkNumber),
            FIELD(cleared), FIELD(reconciled), FIELD(transferLinkId), FIELD(transferDestAccountId), FIELD(isSplit), FIELD(recurringId));
}

bool sameRecord(const RecurringTransaction& actual, const RecurringTransaction& expected)
{
    return sameStamps(actual, expected)
        && SAME(FIELD(accountId), FIELD(payee), FIELD(memo), FIELD(amount), FIELD(categoryId), FIELD(frequency), FIELD(startDate),
            FIELD(endDate), FIELD(nextDueDate), FIELD(autoPost), FIELD(isActive), FIELD(transferDestAccountId));
}
