#include "data/dataapi.h"

#include "http/httprequest.h"
#include "http/jsonbody.h"
#include "http/router.h"
#include "identity/securerandom.h"
#include "storage/database.h"
#include "storage/timestamps.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QSet>

namespace {

const QString accountType = QStringLiteral("account");
const QString categoryType = QStringLiteral("category");

const QStringList entityTypes{QStringLiteral("account"), QStringLiteral("category"), QStringLiteral("recurring"),
                              QStringLiteral("transaction"), QStringLiteral("reconciliation")};

// The reply key of each entity type, in the order the program merges them.
QString replyKeyOf(const QString &entityType)
{
    if (entityType == QLatin1String("account"))
        return QStringLiteral("accounts");
    if (entityType == QLatin1String("category"))
        return QStringLiteral("categories");
    if (entityType == QLatin1String("recurring"))
        return QStringLiteral("recurring_transactions");
    if (entityType == QLatin1String("transaction"))
        return QStringLiteral("transactions");
    return QStringLiteral("reconciliations");
}

bool isIdText(const QJsonValue &value)
{
    const QString text = value.toString();
    return value.isString() && !text.isEmpty() && text.size() <= DataApi::maxIdLength;
}

QJsonObject rowJson(const SyncRepository::Row &row)
{
    QJsonObject object = QJsonDocument::fromJson(row.payload).object();
    object.insert(QStringLiteral("id"), row.serverId);
    object.insert(QStringLiteral("client_id"), row.clientId);
    object.insert(QStringLiteral("version"), row.version);
    if (row.deleted && object.value(QStringLiteral("deleted_at")).toString().isEmpty())
        object.insert(QStringLiteral("deleted_at"), row.updatedAt);
    if (!row.deleted)
        object.remove(QStringLiteral("deleted_at"));
    return object;
}

std::optional<qint64> parseCursor(const QString &text)
{
    if (text.isEmpty())
        return 0;
    bool ok = false;
    const qint64 value = text.toLongLong(&ok);
    if (!ok || value < 0 || text.size() > 18)
        return std::nullopt;
    return value;
}

DataApi::Outcome refused(const QString &status, const QString &message)
{
    return {status, message, {}};
}

} // namespace

DataApi::DataApi(Database &database, SyncRepository &rows)
    : m_database(database)
    , m_rows(rows)
{
}

void DataApi::addRoutes(Router &router)
{
    router.add(QStringLiteral("POST"), QStringLiteral("/checkbook/v1/sync/push"), Router::Access::Bearer,
               [this](const HttpRequest &request) { return push(request); });
    router.add(QStringLiteral("GET"), QStringLiteral("/checkbook/v1/sync/pull"), Router::Access::Bearer,
               [this](const HttpRequest &request) { return pull(request); });
}

HttpReply DataApi::push(const HttpRequest &request)
{
    JsonBody body(request.body);
    if (!body.isValid())
        return body.errorReply();
    const QJsonValue changesValue = body.object().value(QStringLiteral("changes"));
    if (!changesValue.isArray())
        return HttpReply::error(400, QStringLiteral("\"changes\" must be an array"));
    const QJsonArray changes = changesValue.toArray();
    if (changes.size() > maxChangesPerPush)
        return HttpReply::error(413, QStringLiteral("A push carries at most %1 changes").arg(maxChangesPerPush));

    if (!m_database.beginTransaction())
        return HttpReply::error(500, QStringLiteral("The database is not available"));
    const std::optional<qint64> last = m_rows.reserveChangeNumbers(int(changes.size()));
    if (!last) {
        m_database.rollback();
        return HttpReply::error(500, QStringLiteral("The changes could not be numbered"));
    }
    qint64 next = *last - changes.size() + 1;
    QJsonArray results;
    for (const QJsonValue &value : changes) {
        const QJsonObject change = value.toObject();
        bool used = false;
        bool failed = false;
        const Outcome outcome = apply(change, request.userId(), next, &used, &failed);
        if (failed) {
            m_database.rollback();
            return HttpReply::error(500, QStringLiteral("The changes could not be saved"));
        }
        if (used)
            ++next;
        QJsonObject result{{QStringLiteral("entity_type"), change.value(QStringLiteral("entity_type")).toString()},
                           {QStringLiteral("entity_id"), change.value(QStringLiteral("entity_id")).toString()},
                           {QStringLiteral("status"), outcome.status},
                           {QStringLiteral("server_id"), outcome.serverId}};
        if (!outcome.message.isEmpty())
            result.insert(QStringLiteral("message"), outcome.message);
        results.append(result);
    }
    if (!m_database.commit())
        return HttpReply::error(500, QStringLiteral("The changes could not be saved"));
    return HttpReply::json({{QStringLiteral("results"), results}});
}

DataApi::Outcome DataApi::apply(const QJsonObject &change, const QString &userId, qint64 changeSeq, bool *used,
                                bool *failed)
{
    const QString entityType = change.value(QStringLiteral("entity_type")).toString();
    const QString action = change.value(QStringLiteral("action")).toString();
    const QJsonValue versionValue = change.value(QStringLiteral("version"));
    const QJsonObject payload = change.value(QStringLiteral("payload")).toObject();
    if (!entityTypes.contains(entityType) || !isIdText(change.value(QStringLiteral("entity_id")))
        || (action != QLatin1String("upsert") && action != QLatin1String("delete")) || !versionValue.isDouble()
        || versionValue.toDouble() < 0 || !change.value(QStringLiteral("payload")).isObject()) {
        return refused(QStringLiteral("invalid"), QStringLiteral("The change is malformed"));
    }
    const QString clientId = change.value(QStringLiteral("entity_id")).toString();
    const qint64 version = versionValue.toInteger();
    const bool isAccount = entityType == accountType;
    const QString accountId = isAccount ? clientId : payload.value(QStringLiteral("account_id")).toString();
    if (accountId.size() > maxIdLength || (accountId.isEmpty() && !isAccount && entityType != categoryType))
        return refused(QStringLiteral("invalid"), QStringLiteral("\"account_id\" is missing or malformed"));

    const QString identityOwner = entityType == categoryType ? userId : QString();
    const std::optional<SyncRepository::Row> existing = m_rows.find(entityType, identityOwner, clientId);
    const bool deleting = action == QLatin1String("delete");
    if (existing && existing->ownerId != userId) {
        // A row the user cannot see: a delete has nothing left to do, anything else is refused.
        if (deleting)
            return {QStringLiteral("ok"), {}, {}};
        return refused(QStringLiteral("forbidden"), QStringLiteral("The row belongs to another user"));
    }
    if (!isAccount && !accountId.isEmpty()) {
        const std::optional<SyncRepository::Row> account = m_rows.find(accountType, QString(), accountId);
        if (account && account->ownerId != userId)
            return refused(QStringLiteral("forbidden"), QStringLiteral("The account belongs to another user"));
    }
    if (!existing && deleting)
        return {QStringLiteral("ok"), {}, {}};
    if (existing && version < existing->version) {
        return refused(QStringLiteral("conflict"),
                       QStringLiteral("The server has a newer version (%1) of this row").arg(existing->version));
    }
    QJsonObject stored = payload;
    stored.remove(QStringLiteral("client_id"));
    stored.remove(QStringLiteral("server_id"));
    SyncRepository::Row row{existing ? existing->serverId : SecureRandom::uuid(),
                            entityType,
                            identityOwner,
                            clientId,
                            userId,
                            accountId,
                            version,
                            deleting,
                            QJsonDocument(stored).toJson(QJsonDocument::Compact),
                            changeSeq,
                            Timestamps::nowText()};
    if (row.payload.size() > maxPayloadBytes)
        return refused(QStringLiteral("invalid"), QStringLiteral("The payload is too large"));
    *used = true;
    if (!(existing ? m_rows.update(row) : m_rows.insert(row)))
        *failed = true;
    return {QStringLiteral("ok"), {}, row.serverId};
}

HttpReply DataApi::pull(const HttpRequest &request)
{
    const std::optional<qint64> since = parseCursor(request.queryValue(QStringLiteral("since")));
    if (!since)
        return HttpReply::error(400, QStringLiteral("\"since\" must be a server_time from an earlier pull"));
    const QString limitText = request.queryValue(QStringLiteral("limit"));
    bool limitOk = true;
    const int limit = limitText.isEmpty() ? defaultPullLimit : limitText.toInt(&limitOk);
    if (!limitOk || limit < 1 || limit > maxPullLimit)
        return HttpReply::error(400, QStringLiteral("\"limit\" must be 1 to %1").arg(maxPullLimit));

    QList<SyncRepository::Row> rows = m_rows.changedSince(request.userId(), *since, limit + 1);
    const bool hasMore = rows.size() > limit;
    if (hasMore)
        rows.resize(limit);
    QJsonObject page = pageOf(request.userId(), rows);
    page.insert(QStringLiteral("server_time"), QString::number(rows.isEmpty() ? *since : rows.last().changeSeq));
    page.insert(QStringLiteral("has_more"), hasMore);
    page.insert(QStringLiteral("integrity"),
                QJsonObject{{QStringLiteral("category_count"), m_rows.liveCategoryCount(request.userId())}});
    return HttpReply::json(page);
}

QJsonObject DataApi::pageOf(const QString &userId, const QList<SyncRepository::Row> &rows)
{
    QHash<QString, QJsonArray> arrays;
    QSet<QString> onPage;
    QSet<QString> accountsReferred;
    QSet<QString> categoriesReferred;
    for (const SyncRepository::Row &row : rows) {
        arrays[replyKeyOf(row.entityType)].append(rowJson(row));
        onPage.insert(row.entityType + QLatin1Char('/') + row.clientId);
        if (row.entityType != accountType && !row.accountId.isEmpty())
            accountsReferred.insert(row.accountId);
        const QJsonObject payload = QJsonDocument::fromJson(row.payload).object();
        for (const QString &key : {QStringLiteral("category_id"), QStringLiteral("parent_id")}) {
            const QString categoryId = payload.value(key).toString();
            if (!categoryId.isEmpty())
                categoriesReferred.insert(categoryId);
        }
    }
    // Parents changed on a later page come along, so every row of this page can be stored.
    const auto addParents = [&](const QString &entityType, const QSet<QString> &clientIds) {
        QStringList missing;
        for (const QString &clientId : clientIds) {
            if (!onPage.contains(entityType + QLatin1Char('/') + clientId))
                missing.append(clientId);
        }
        const QList<SyncRepository::Row> parents = m_rows.rowsWithClientIds(userId, entityType, missing);
        for (const SyncRepository::Row &parent : parents)
            arrays[replyKeyOf(entityType)].append(rowJson(parent));
    };
    addParents(accountType, accountsReferred);
    addParents(categoryType, categoriesReferred);

    QJsonObject page;
    for (const QString &entityType : entityTypes)
        page.insert(replyKeyOf(entityType), arrays.value(replyKeyOf(entityType)));
    return page;
}
