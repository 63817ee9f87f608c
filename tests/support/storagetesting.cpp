#include "support/storagetesting.h"

#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>

QDateTime utc(const QString& isoText)
{
    return QDateTime::fromString(isoText, Qt::ISODate);
}

namespace {

bool run(QSqlQuery& query, const QString& sql, const QVariantList& values)
{
    query.prepare(sql);
    for (const QVariant& value : values)
        query.addBindValue(value);
    return query.exec();
}

} // namespace

QVariant scalar(Database* database, const QString& sql, const QVariantList& values)
{
    QSqlQuery query(database->database());
    return run(query, sql, values) && query.next() ? query.value(0) : QVariant();
}

QStringList rows(Database* database, const QString& sql, const QVariantList& values)
{
    QSqlQuery query(database->database());
    if (!run(query, sql, values))
        return {QStringLiteral("<failed: %1>").arg(query.lastError().text())};
    QStringList result;
    while (query.next()) {
        QStringList cells;
        for (int column = 0; column < query.record().count(); ++column)
            cells << query.value(column).toString();
        result << cells.join(QLatin1Char('|'));
    }
    return result;
}

bool execute(Database* database, const QString& sql, const QVariantList& values)
{
    QSqlQuery query(database->database());
    return run(query, sql, values);
}

Account makeAccount(const QString& id, const QString& name, int sortOrder, const QString& createdAt)
{
    Account account;
    account.id = id;
    account.name = name;
    account.sortOrder = sortOrder;
    account.createdAt = account.updatedAt = utc(createdAt);
    return account;
}

Category makeCategory(const QString& id, const QString& name, const QString& parentId, const QString& createdAt)
{
    Category category;
    category.id = id;
    category.name = name;
    category.parentId = parentId;
    category.createdAt = category.updatedAt = utc(createdAt);
    return category;
}

Transaction makeTransaction(const QString& id, const QString& accountId, const QDate& date, qint64 amount, const QString& createdAt)
{
    Transaction transaction;
    transaction.id = id;
    transaction.accountId = accountId;
    transaction.date = date;
    transaction.payee = QStringLiteral("Payee ") + id;
    transaction.amount = amount;
    transaction.createdAt = transaction.updatedAt = utc(createdAt);
    return transaction;
}

RecurringTransaction makeRecurring(const QString& id, const QDate& nextDueDate, const QString& accountId)
{
    RecurringTransaction rule;
    rule.id = id;
    rule.accountId = accountId;
    rule.payee = QStringLiteral("Rule ") + id;
    rule.amount = -1000;
    rule.startDate = QDate(2024, 1, 1);
    rule.nextDueDate = nextDueDate;
    rule.createdAt = rule.updatedAt = utc(QStringLiteral("2024-01-01T09:00:00Z"));
    return rule;
}

Reconciliation makeReconciliation(const QString& id, const QDate& statementDate, const QString& accountId)
{
    Reconciliation reconciliation;
    reconciliation.id = id;
    reconciliation.accountId = accountId;
    reconciliation.statementDate = statementDate;
    reconciliation.statementBalance = reconciliation.reconciledBalance = 10000;
    reconciliation.completedAt = reconciliation.createdAt = reconciliation.updatedAt = utc(QStringLiteral("2024-01-01T09:00:00Z"));
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

#define SAME(field) sameField(#field, actual.field, expected.field)
// The bookkeeping every record carries.
#define SAME_STAMPS SAME(id) && SAME(version) && SAME(syncStatus) && SAME(serverId) && SAME(createdAt) && SAME(updatedAt) && SAME(deletedAt)

bool sameRecord(const Account& actual, const Account& expected)
{
    return SAME_STAMPS && SAME(name) && SAME(type) && SAME(currency) && SAME(institution) && SAME(accountNumberLast4)
        && SAME(startingBalance) && SAME(sortOrder) && SAME(isShared);
}

bool sameRecord(const Category& actual, const Category& expected)
{
    return SAME_STAMPS && SAME(name) && SAME(type) && SAME(parentId) && SAME(isTaxRelevant) && SAME(taxCategory) && SAME(icon)
        && SAME(color) && SAME(isDefault) && SAME(accountId);
}

bool sameRecord(const Transaction& actual, const Transaction& expected)
{
    return SAME_STAMPS && SAME(accountId) && SAME(date) && SAME(payee) && SAME(memo) && SAME(amount) && SAME(categoryId)
        && SAME(checkNumber) && SAME(cleared) && SAME(reconciled) && SAME(transferLinkId) && SAME(transferDestAccountId)
        && SAME(isSplit) && SAME(recurringId);
}

bool sameRecord(const RecurringTransaction& actual, const RecurringTransaction& expected)
{
    return SAME_STAMPS && SAME(accountId) && SAME(payee) && SAME(memo) && SAME(amount) && SAME(categoryId) && SAME(frequency)
        && SAME(startDate) && SAME(endDate) && SAME(nextDueDate) && SAME(autoPost) && SAME(isActive) && SAME(transferDestAccountId);
}
