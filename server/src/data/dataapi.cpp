#include "data/dataapi.h"

#include "data/accountsharing.h"
#include "http/httprequest.h"
#include "http/jsonbody.h"
#include "http/router.h"
#include "identity/securerandom.h"
#include "identity/loginpages.h"
#include "storage/database.h"
#include "storage/grouprepository.h"
#include "storage/sharerepository.h"
#include "storage/timestamps.h"
#include "storage/userrepository.h"

#include <QDateTime>
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

QJsonObject rowJson(const SyncRepository::Row &row, const QSet<QString> &sharedAccounts)
{
    QJsonObject object = QJsonDocument::fromJson(row.payload).object();
    object.insert(QStringLiteral("id"), row.serverId);
    object.insert(QStringLiteral("client_id"), row.clientId);
    object.insert(QStringLiteral("version"), row.version);
    const bool deleted = row.deleted || row.deliveredAsDeleted;
    if (deleted && object.value(QStringLiteral("deleted_at")).toString().isEmpty())
        object.insert(QStringLiteral("deleted_at"), row.updatedAt);
    if (!deleted)
        object.remove(QStringLiteral("deleted_at"));
    if (row.entityType == accountType)
        object.insert(QStringLiteral("is_shared"), sharedAccounts.contains(row.clientId));
    return object;
}

bool isAccountBound(const QString &entityType)
{
    return entityType != accountType && entityType != categoryType;
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

// Whether the stored row was written later than the change's row, by the
// devices' own "updated_at" stamps.
bool isOvertaken(const QJsonObject &payload, const SyncRepository::Row &stored)
{
    const auto stampOf = [](const QJsonObject &object) {
        return QDateTime::fromString(object.value(QStringLiteral("updated_at")).toString(), Qt::ISODateWithMs);
    };
    const QDateTime sent = stampOf(payload);
    const QDateTime kept = stampOf(QJsonDocument::fromJson(stored.payload).object());
    return sent.isValid() && kept.isValid() && sent < kept;
}

DataApi::Outcome refused(const QString &status, const QString &message)
{
    return {status, message, {}};
}

} // namespace

DataApi::DataApi(Database &database, SyncRepository &rows, ShareRepository &shares, AccountSharing &sharing,
                 UserRepository &users, GroupRepository &groups)
    : m_database(database)
    , m_rows(rows)
    , m_shares(shares)
    , m_sharing(sharing)
    , m_users(users)
    , m_groups(groups)
{
}

void DataApi::addRoutes(Router &router)
{
    router.add(QStringLiteral("POST"), QStringLiteral("/checkbook/v1/sync/push"), Router::Access::Bearer,
               [this](const HttpRequest &request) { return push(request); });
    router.add(QStringLiteral("GET"), QStringLiteral("/checkbook/v1/sync/pull"), Router::Access::Bearer,
               [this](const HttpRequest &request) { return pull(request); });
    router.add(QStringLiteral("GET"), QStringLiteral("/checkbook/v1/accounts/{id}/members"), Router::Access::Bearer,
               [this](const HttpRequest &request) { return members(request); });
    router.add(QStringLiteral("POST"), QStringLiteral("/checkbook/v1/accounts/{id}/share"), Router::Access::Bearer,
               [this](const HttpRequest &request) { return share(request); });
    router.add(QStringLiteral("DELETE"), QStringLiteral("/checkbook/v1/accounts/{id}/share/{user}"),
               Router::Access::Bearer, [this](const HttpRequest &request) { return unshare(request); });
}

bool DataApi::mayWriteIn(const QString &accountId, const QString &accountOwner, const QString &userId)
{
    if (accountOwner == userId)
        return true;
    const std::optional<ShareRepository::Share> share = m_shares.find(accountId, userId);
    return share && share->ownerId == accountOwner;
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
    AccountOwners accountOwners;
    for (const QJsonValue &value : changes) {
        const QJsonObject change = value.toObject();
        bool used = false;
        bool failed = false;
        const Outcome outcome = apply(change, request.userId(), next, accountOwners, &used, &failed);
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
        if (!outcome.applied)
            result.insert(QStringLiteral("applied"), false);
        results.append(result);
    }
    if (!m_database.commit())
        return HttpReply::error(500, QStringLiteral("The changes could not be saved"));
    return HttpReply::json({{QStringLiteral("results"), results}});
}

std::optional<QString> DataApi::accountOwner(const QString &accountId, AccountOwners &accountOwners)
{
    const auto known = accountOwners.constFind(accountId);
    if (known != accountOwners.cend())
        return *known;
    const std::optional<SyncRepository::Row> account = m_rows.find(accountType, QString(), accountId);
    const std::optional<QString> owner = account ? std::optional<QString>(account->ownerId) : std::nullopt;
    accountOwners.insert(accountId, owner);
    return owner;
}

DataApi::Outcome DataApi::apply(const QJsonObject &change, const QString &userId, qint64 changeSeq,
                                AccountOwners &accountOwners, bool *used, bool *failed)
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
        // Only rows of an account shared with the user are theirs to see; the
        // account itself stays its owner's to change or delete.
        const bool visible = !(entityType == categoryType) && mayWriteIn(existing->accountId, existing->ownerId, userId);
        // A delete from a member whose share has ended is done with, so the
        // member stops sending it; it changes nothing of the owner's.
        if (!visible && deleting)
            return {QStringLiteral("ok"), {}, {}, false};
        if (!visible || isAccount)
            return refused(QStringLiteral("forbidden"), QStringLiteral("The row belongs to another user"));
    }
    QString rowOwner = existing ? existing->ownerId : userId;
    if (isAccountBound(entityType)) {
        const QString accountOwner = this->accountOwner(accountId, accountOwners).value_or(rowOwner);
        if (!mayWriteIn(accountId, accountOwner, userId))
            return refused(QStringLiteral("forbidden"), QStringLiteral("The account belongs to another user"));
        if (existing && accountOwner != existing->ownerId)
            return refused(QStringLiteral("forbidden"), QStringLiteral("A row cannot move to another owner's account"));
        rowOwner = accountOwner;
    }
    if (!existing && deleting)
        return {QStringLiteral("ok"), {}, {}};
    if (existing && version < existing->version) {
        return refused(QStringLiteral("conflict"),
                       QStringLiteral("The server has a newer version (%1) of this row").arg(existing->version));
    }
    if (existing && version == existing->version && isOvertaken(payload, *existing)) {
        // A change the server already has something later of at this version:
        // a retry whose first reply was lost, after another device built on
        // the first. Acknowledged, the stored row kept and handed out again,
        // so the sender takes it at its next pull instead of overwriting it.
        SyncRepository::Row again = *existing;
        again.changeSeq = changeSeq;
        *used = true;
        if (!m_rows.update(again))
            *failed = true;
        return {QStringLiteral("ok"), {}, existing->serverId};
    }
    QJsonObject stored = payload;
    stored.remove(QStringLiteral("client_id"));
    stored.remove(QStringLiteral("server_id"));
    SyncRepository::Row row{existing ? existing->serverId : SecureRandom::uuid(),
                            entityType,
                            identityOwner,
                            clientId,
                            rowOwner,
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
    if (isAccount)
        accountOwners.insert(clientId, rowOwner);
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
    QList<SyncRepository::Row> all = rows;
    QSet<QString> onPage;
    QSet<QString> accountsReferred;
    QSet<QString> categoriesReferred;
    for (const SyncRepository::Row &row : rows) {
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
        all.append(m_rows.visibleRowsWithClientIds(userId, entityType, missing));
    };
    addParents(accountType, accountsReferred);
    addParents(categoryType, categoriesReferred);

    QStringList accountIds;
    for (const SyncRepository::Row &row : std::as_const(all)) {
        if (row.entityType == accountType)
            accountIds.append(row.clientId);
    }
    const QSet<QString> sharedAccounts = m_shares.sharedAmong(accountIds);
    QHash<QString, QJsonArray> arrays;
    for (const SyncRepository::Row &row : std::as_const(all))
        arrays[replyKeyOf(row.entityType)].append(rowJson(row, sharedAccounts));

    QJsonObject page;
    for (const QString &entityType : entityTypes)
        page.insert(replyKeyOf(entityType), arrays.value(replyKeyOf(entityType)));
    return page;
}

HttpReply DataApi::members(const HttpRequest &request)
{
    const QString accountId = request.parameter(QStringLiteral("id"));
    const std::optional<SyncRepository::Row> account = m_rows.find(accountType, QString(), accountId);
    if (!account || account->deleted)
        return HttpReply::error(404, QStringLiteral("No such account"));
    if (!mayWriteIn(accountId, account->ownerId, request.userId()))
        return HttpReply::error(403, QStringLiteral("The account is not shared with you"));
    QJsonArray members;
    if (const auto owner = m_users.findById(account->ownerId)) {
        members.append(QJsonObject{{QStringLiteral("user_id"), owner->id},
                                   {QStringLiteral("email"), owner->email},
                                   {QStringLiteral("display_name"), owner->displayName},
                                   {QStringLiteral("role"), QStringLiteral("owner")},
                                   {QStringLiteral("created_at"), QString()}});
    }
    const QList<ShareRepository::Member> shares = m_shares.membersOf(accountId);
    for (const ShareRepository::Member &member : shares) {
        members.append(QJsonObject{{QStringLiteral("user_id"), member.userId},
                                   {QStringLiteral("email"), member.email},
                                   {QStringLiteral("display_name"), member.displayName},
                                   {QStringLiteral("role"), member.role},
                                   {QStringLiteral("created_at"), member.createdAt}});
    }
    return HttpReply::json({{QStringLiteral("members"), members}});
}

HttpReply DataApi::share(const HttpRequest &request)
{
    JsonBody body(request.body);
    const QString email = body.optionalText(QStringLiteral("email"), LoginPages::maxEmailLength).toLower();
    const QString memberKey = body.optionalText(QStringLiteral("user_id"), LoginPages::maxEmailLength);
    const QString role = body.optionalText(QStringLiteral("role"), 20);
    if (!body.isValid())
        return body.errorReply();
    if (email.isEmpty() && memberKey.isEmpty())
        return HttpReply::error(400, QStringLiteral("\"user_id\" or \"email\" names the member"));
    if (!role.isEmpty() && role != QLatin1String("member"))
        return HttpReply::error(400, QStringLiteral("The only role is \"member\""));
    const QString accountId = request.parameter(QStringLiteral("id"));
    const std::optional<SyncRepository::Row> account = m_rows.find(accountType, QString(), accountId);
    if (!account || account->deleted)
        return HttpReply::error(404, QStringLiteral("No such account"));
    if (account->ownerId != request.userId())
        return HttpReply::error(403, QStringLiteral("Only the account's owner can share it"));
    const auto member = email.isEmpty() ? m_users.findById(memberKey) : m_users.findByEmail(email);
    if (!member)
        return HttpReply::error(404, QStringLiteral("No such user"));
    if (member->id == request.userId())
        return HttpReply::error(400, QStringLiteral("The account is already yours"));
    const auto ownerGroup = m_groups.membershipOf(request.userId());
    const auto memberGroup = m_groups.membershipOf(member->id);
    if (!ownerGroup || !memberGroup || ownerGroup->groupId != memberGroup->groupId)
        return HttpReply::error(403, QStringLiteral("An account can be shared only with members of your group"));
    const QJsonObject shared{{QStringLiteral("user_id"), member->id},
                             {QStringLiteral("email"), member->email},
                             {QStringLiteral("display_name"), member->displayName},
                             {QStringLiteral("role"), QStringLiteral("member")}};
    if (m_shares.find(accountId, member->id))
        return HttpReply::json(shared);

    if (!m_database.beginTransaction())
        return HttpReply::error(500, QStringLiteral("The database is not available"));
    if (!m_sharing.begin(*account, member->id) || !m_database.commit()) {
        m_database.rollback();
        return HttpReply::error(500, QStringLiteral("The account could not be shared"));
    }
    return HttpReply::json(shared, 201);
}

HttpReply DataApi::unshare(const HttpRequest &request)
{
    const QString accountId = request.parameter(QStringLiteral("id"));
    const QString memberId = request.parameter(QStringLiteral("user"));
    const std::optional<SyncRepository::Row> account = m_rows.find(accountType, QString(), accountId);
    if (!account)
        return HttpReply::error(404, QStringLiteral("No such account"));
    if (account->ownerId != request.userId())
        return HttpReply::error(403, QStringLiteral("Only the account's owner can end a share"));
    if (!m_shares.find(accountId, memberId))
        return HttpReply::error(404, QStringLiteral("The account is not shared with that user"));
    if (!m_database.beginTransaction())
        return HttpReply::error(500, QStringLiteral("The database is not available"));
    if (!m_sharing.end(*account, memberId) || !m_database.commit()) {
        m_database.rollback();
        return HttpReply::error(500, QStringLiteral("The share could not be ended"));
    }
    return HttpReply::json({});
}
