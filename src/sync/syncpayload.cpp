#include "sync/syncpayload.h"

#include "storage/storedtime.h"

namespace {

const QString versionKey = QStringLiteral("version");
const QString createdAtKey = QStringLiteral("created_at");
const QString updatedAtKey = QStringLiteral("updated_at");
const QString deletedAtKey = QStringLiteral("deleted_at");

// The common head of every payload: the local id, and the server's id once
// the row has one.
QJsonObject payloadHead(const QString& id, const QString& serverId)
{
    QJsonObject payload{{QStringLiteral("client_id"), id}};
    if (!serverId.isEmpty())
        payload.insert(QStringLiteral("server_id"), serverId);
    return payload;
}

void addStamps(QJsonObject& payload, const QDateTime& createdAt, const QDateTime& updatedAt,
    const std::optional<QDateTime>& deletedAt)
{
    payload.insert(createdAtKey, timeToText(createdAt));
    payload.insert(updatedAtKey, timeToText(updatedAt));
    if (deletedAt)
        payload.insert(deletedAtKey, timeToText(*deletedAt));
}

QJsonObject changeObject(const char* entityType, const QString& id, int version, bool deleted,
    const QJsonObject& payload)
{
    return {{QStringLiteral("entity_type"), QLatin1String(entityType)}, {QStringLiteral("entity_id"), id},
        {QStringLiteral("action"), deleted ? QStringLiteral("delete") : QStringLiteral("upsert")},
        {versionKey, version}, {QStringLiteral("payload"), payload}};
}

QString text(const QJsonObject& row, const char* key)
{
    return row.value(QLatin1String(key)).toString();
}

bool flag(const QJsonObject& row, const char* key)
{
    const QJsonValue value = row.value(QLatin1String(key));
    return value.isBool() ? value.toBool() : value.toDouble() != 0;
}

qint64 integer(const QJsonObject& row, const char* key)
{
    return row.value(QLatin1String(key)).toInteger();
}

QDateTime time(const QJsonObject& row, const char* key)
{
    return timeFromText(text(row, key));
}

std::optional<QDateTime> deletion(const QJsonObject& row)
{
    const QString stamp = row.value(deletedAtKey).toString();
    if (stamp.isEmpty())
        return std::nullopt;
    return timeFromText(stamp);
}

// Fills the columns every synchronised record has, from a server row.
template <typename Record>
Record fromServer(const QJsonObject& row)
{
    Record record;
    record.id = text(row, "client_id");
    record.serverId = text(row, "id");
    record.version = int(integer(row, "version"));
    record.syncStatus = SyncStatus::Synced;
    record.createdAt = time(row, "created_at");
    record.updatedAt = time(row, "updated_at");
    record.deletedAt = deletion(row);
    return record;
}

} // namespace

QJsonObject SyncPayload::change(const Account& a)
{
    QJsonObject payload = payloadHead(a.id, a.serverId);
    payload.insert(QStringLiteral("name"), a.name);
    payload.insert(QStringLiteral("account_type"), toStoredText(a.type));
    payload.insert(QStringLiteral("currency"), toStoredText(a.currency));
    payload.insert(QStringLiteral("is_shared"), a.isShared);
    payload.insert(QStringLiteral("institution"), a.institution);
    payload.insert(QStringLiteral("account_number_last4"), a.accountNumberLast4);
    payload.insert(QStringLiteral("starting_balance"), a.startingBalance);
    payload.insert(QStringLiteral("sort_order"), a.sortOrder);
    payload.insert(versionKey, a.version);
    addStamps(payload, a.createdAt, a.updatedAt, a.deletedAt);
    return changeObject("account", a.id, a.version, a.deletedAt.has_value(), payload);
}

QJsonObject SyncPayload::change(const Category& c)
{
    QJsonObject payload = payloadHead(c.id, c.serverId);
    payload.insert(QStringLiteral("name"), c.name);
    payload.insert(QStringLiteral("category_type"), toStoredText(c.type));
    payload.insert(QStringLiteral("parent_id"), c.parentId);
    payload.insert(QStringLiteral("is_tax_relevant"), c.isTaxRelevant);
    payload.insert(QStringLiteral("tax_category"), c.taxCategory);
    payload.insert(QStringLiteral("icon"), c.icon);
    payload.insert(QStringLiteral("color"), c.color);
    payload.insert(QStringLiteral("is_default"), c.isDefault);
    payload.insert(QStringLiteral("account_id"), c.accountId);
    payload.insert(versionKey, c.version);
    addStamps(payload, c.createdAt, c.updatedAt, c.deletedAt);
    return changeObject("category", c.id, c.version, c.deletedAt.has_value(), payload);
}

QJsonObject SyncPayload::change(const RecurringTransaction& r)
{
    QJsonObject payload = payloadHead(r.id, r.serverId);
    payload.insert(QStringLiteral("account_id"), r.accountId);
    payload.insert(QStringLiteral("payee"), r.payee);
    payload.insert(QStringLiteral("memo"), r.memo);
    payload.insert(QStringLiteral("amount"), r.amount);
    payload.insert(QStringLiteral("category_id"), r.categoryId);
    payload.insert(QStringLiteral("transfer_dest_account_id"), r.transferDestAccountId);
    payload.insert(QStringLiteral("frequency"), toStoredText(r.frequency));
    payload.insert(QStringLiteral("start_date"), dateToText(r.startDate));
    if (r.endDate)
        payload.insert(QStringLiteral("end_date"), dateToText(*r.endDate));
    payload.insert(QStringLiteral("next_due_date"), dateToText(r.nextDueDate));
    payload.insert(QStringLiteral("auto_post"), r.autoPost);
    payload.insert(QStringLiteral("is_active"), r.isActive);
    addStamps(payload, r.createdAt, r.updatedAt, r.deletedAt);
    return changeObject("recurring", r.id, r.version, r.deletedAt.has_value(), payload);
}

QJsonObject SyncPayload::change(const Transaction& t)
{
    QJsonObject payload = payloadHead(t.id, t.serverId);
    payload.insert(QStringLiteral("account_id"), t.accountId);
    payload.insert(QStringLiteral("date"), dateToText(t.date));
    payload.insert(QStringLiteral("payee"), t.payee);
    payload.insert(QStringLiteral("memo"), t.memo);
    payload.insert(QStringLiteral("amount"), t.amount);
    payload.insert(QStringLiteral("category_id"), t.categoryId);
    payload.insert(QStringLiteral("check_number"), t.checkNumber);
    payload.insert(QStringLiteral("cleared"), t.cleared);
    payload.insert(QStringLiteral("reconciled"), t.reconciled);
    payload.insert(QStringLiteral("transfer_link_id"), t.transferLinkId);
    payload.insert(QStringLiteral("transfer_dest_account_id"), t.transferDestAccountId);
    payload.insert(QStringLiteral("is_split"), t.isSplit);
    payload.insert(QStringLiteral("recurring_id"), t.recurringId);
    payload.insert(versionKey, t.version);
    addStamps(payload, t.createdAt, t.updatedAt, t.deletedAt);
    return changeObject("transaction", t.id, t.version, t.deletedAt.has_value(), payload);
}

QJsonObject SyncPayload::change(const Reconciliation& r)
{
    QJsonObject payload = payloadHead(r.id, r.serverId);
    payload.insert(QStringLiteral("account_id"), r.accountId);
    payload.insert(QStringLiteral("statement_date"), dateToText(r.statementDate));
    payload.insert(QStringLiteral("statement_balance"), r.statementBalance);
    payload.insert(QStringLiteral("reconciled_balance"), r.reconciledBalance);
    payload.insert(QStringLiteral("completed_at"), timeToText(r.completedAt));
    payload.insert(versionKey, r.version);
    addStamps(payload, r.createdAt, r.updatedAt, r.deletedAt);
    return changeObject("reconciliation", r.id, r.version, r.deletedAt.has_value(), payload);
}

SyncStamp SyncPayload::stampOf(const QJsonObject& change)
{
    const QJsonObject payload = change.value(QStringLiteral("payload")).toObject();
    return {int(change.value(versionKey).toInteger()), time(payload, "updated_at"), deletion(payload)};
}

Account SyncPayload::account(const QJsonObject& row)
{
    auto a = fromServer<Account>(row);
    a.name = text(row, "name");
    a.type = accountTypeFromText(text(row, "account_type"));
    a.currency = currencyFromText(text(row, "currency"));
    a.isShared = flag(row, "is_shared");
    a.institution = text(row, "institution");
    a.accountNumberLast4 = text(row, "account_number_last4");
    a.startingBalance = integer(row, "starting_balance");
    a.sortOrder = int(integer(row, "sort_order"));
    return a;
}

Category SyncPayload::category(const QJsonObject& row)
{
    auto c = fromServer<Category>(row);
    c.name = text(row, "name");
    c.type = categoryTypeFromText(text(row, "category_type"));
    c.parentId = text(row, "parent_id");
    c.isTaxRelevant = flag(row, "is_tax_relevant");
    c.taxCategory = text(row, "tax_category");
    c.icon = text(row, "icon");
    c.color = text(row, "color");
    c.isDefault = flag(row, "is_default");
    c.accountId = text(row, "account_id");
    return c;
}

RecurringTransaction SyncPayload::recurring(const QJsonObject& row)
{
    auto r = fromServer<RecurringTransaction>(row);
    r.accountId = text(row, "account_id");
    r.payee = text(row, "payee");
    r.memo = text(row, "memo");
    r.amount = integer(row, "amount");
    r.categoryId = text(row, "category_id");
    r.transferDestAccountId = text(row, "transfer_dest_account_id");
    r.frequency = frequencyFromText(text(row, "frequency"));
    r.startDate = lenientDate(text(row, "start_date"));
    const QString endDate = text(row, "end_date");
    if (!endDate.isEmpty())
        r.endDate = lenientDate(endDate);
    r.nextDueDate = lenientDate(text(row, "next_due_date"));
    r.autoPost = flag(row, "auto_post");
    r.isActive = flag(row, "is_active");
    return r;
}

Transaction SyncPayload::transaction(const QJsonObject& row)
{
    auto t = fromServer<Transaction>(row);
    t.accountId = text(row, "account_id");
    t.date = lenientDate(text(row, "date"));
    t.payee = text(row, "payee");
    t.memo = text(row, "memo");
    t.amount = integer(row, "amount");
    t.categoryId = text(row, "category_id");
    t.checkNumber = text(row, "check_number");
    t.cleared = flag(row, "cleared");
    t.reconciled = flag(row, "reconciled");
    t.transferLinkId = text(row, "transfer_link_id");
    t.transferDestAccountId = text(row, "transfer_dest_account_id");
    t.isSplit = flag(row, "is_split");
    t.recurringId = text(row, "recurring_id");
    return t;
}

Reconciliation SyncPayload::reconciliation(const QJsonObject& row)
{
    auto r = fromServer<Reconciliation>(row);
    r.accountId = text(row, "account_id");
    r.statementDate = lenientDate(text(row, "statement_date"));
    r.statementBalance = integer(row, "statement_balance");
    r.reconciledBalance = integer(row, "reconciled_balance");
    r.completedAt = time(row, "completed_at");
    return r;
}

QDate SyncPayload::lenientDate(const QString& text)
{
    if (text.isEmpty())
        return {};
    const QDate date = QDate::fromString(text, Qt::ISODate);
    if (date.isValid())
        return date;
    return QDateTime::fromString(text, Qt::ISODate).date();
}
