#include "sync/syncengine.h"

#include "account/apiclient.h"
#include "storage/accountrepository.h"
#include "storage/categoryrepository.h"
#include "storage/clock.h"
#include "storage/database.h"
#include "storage/localidrenewal.h"
#include "storage/preferencesrepository.h"
#include "storage/reconciliationrepository.h"
#include "storage/recurringrepository.h"
#include "storage/storedtime.h"
#include "storage/transactionrepository.h"
#include "sync/syncpayload.h"

#include <QDebug>
#include <QHash>
#include <QPointer>
#include <QTimer>
#include <QUrlQuery>
#include <QUuid>

#include <algorithm>
#include <type_traits>

namespace {

const QString syncedUserKey = QStringLiteral("lastSyncUserId");
const QString accountType = QStringLiteral("account");
const QString categoryType = QStringLiteral("category");
const QString recurringType = QStringLiteral("recurring");
const QString transactionType = QStringLiteral("transaction");
const QString reconciliationType = QStringLiteral("reconciliation");

QString changeKey(const QString& entityType, const QString& entityId)
{
    return entityType + QLatin1Char('/') + entityId;
}

// Appends the change of each row until the batch is full, leaving out the
// rows in `skipped`; counts those it left out.
template <typename Record>
void appendChanges(QJsonArray& changes, const QList<Record>& rows, const QSet<QString>& skipped, int& skippedCount)
{
    for (const Record& row : rows) {
        if (changes.size() >= SyncEngine::pushBatchSize)
            return;
        const QJsonObject change = SyncPayload::change(row);
        if (skipped.contains(changeKey(change.value(QStringLiteral("entity_type")).toString(), row.id)))
            ++skippedCount;
        else
            changes.append(change);
    }
}

// Stores one server row under the local row it names (by local id, else by
// server id), or as a new row. A local row that is still pending gives way
// only to a strictly newer version: on a tie the local change stays and is
// uploaded next. A replaced row takes the server's deletion state, so a
// restore on another device brings the row back here too.
template <typename Record, typename Repository>
bool storeIncoming(Repository* repository, Record incoming)
{
    std::optional<Record> local;
    if (!incoming.id.isEmpty())
        local = repository->byId(incoming.id);
    if (!local && !incoming.serverId.isEmpty()) {
        if (const std::optional<QString> id = repository->idForServerId(incoming.serverId))
            local = repository->byId(*id);
    }
    if (local)
        incoming.id = local->id;
    else if (incoming.id.isEmpty())
        incoming.id = QUuid::createUuid().toString(QUuid::WithoutBraces);

    // A deleted account or category is kept all the same: a row another
    // device wrote into it before it saw the delete still arrives live and
    // needs its parent.
    constexpr bool isParent = std::is_same_v<Record, Account> || std::is_same_v<Record, Category>;
    if (!local)
        return (incoming.deletedAt && !isParent) || repository->storeFromServer(incoming);
    const bool localPending = local->syncStatus == SyncStatus::Pending;
    // Every pull after an upload brings this device's own rows back; one
    // the server holds unchanged needs no write.
    if (!localPending && *local == incoming)
        return true;
    const bool incomingWins = localPending ? incoming.version > local->version : incoming.version >= local->version;
    return !incomingWins || repository->storeFromServer(incoming);
}

bool hasDate(const Transaction& transaction, const QJsonObject& row)
{
    if (transaction.date.isValid())
        return true;
    qWarning().noquote() << "applyTransactionChange: skipping server record with broken date:" << transaction.id
                         << transaction.payee << row.value(QStringLiteral("date")).toString();
    return false;
}

} // namespace

const QString SyncEngine::cursorKey = QStringLiteral("lastSyncTimestamp");
const QString SyncEngine::lastSyncedAtKey = QStringLiteral("lastSyncCompletedAt");

SyncEngine::SyncEngine(KestAccount::ApiClient* api, AccountRepository* accounts, TransactionRepository* transactions,
    CategoryRepository* categories, RecurringRepository* recurring, ReconciliationRepository* reconciliations,
    PreferencesRepository* preferences, QObject* parent)
    : QObject(parent)
    , m_api(api)
    , m_accounts(accounts)
    , m_transactions(transactions)
    , m_categories(categories)
    , m_recurring(recurring)
    , m_reconciliations(reconciliations)
    , m_preferences(preferences)
    , m_periodicTimer(new QTimer(this))
    , m_debounceTimer(new QTimer(this))
{
    m_debounceTimer->setSingleShot(true);
    m_debounceTimer->setInterval(debounceMs);
    connect(m_periodicTimer, &QTimer::timeout, this, &SyncEngine::sync);
    connect(m_debounceTimer, &QTimer::timeout, this, &SyncEngine::sync);
    // The request that met the refusal still ends its cycle through its
    // reply; this only shows the state at once.
    connect(m_api, &KestAccount::ApiClient::authenticationRequired, this, [this] { setState(SyncState::Error); });
}

void SyncEngine::setCanSync(std::function<bool()> canSync)
{
    m_canSync = std::move(canSync);
}

void SyncEngine::setCurrentUser(std::function<QString()> currentUser)
{
    m_currentUser = std::move(currentUser);
}

QString SyncEngine::stateText(SyncState state)
{
    switch (state) {
    case SyncState::Idle:
        return tr("Synced");
    case SyncState::Syncing:
        return tr("Syncing...");
    case SyncState::Error:
        return tr("Sync error");
    case SyncState::Offline:
        return tr("Offline");
    }
    return tr("Unknown");
}

QString SyncEngine::currentUser() const
{
    return m_currentUser ? m_currentUser() : QString();
}

bool SyncEngine::localDataBelongsToAnotherUser()
{
    const QString user = currentUser();
    const QString syncedWith = m_preferences->get(syncedUserKey, QString());
    return !user.isEmpty() && !syncedWith.isEmpty() && syncedWith != user;
}

bool SyncEngine::adoptLocalDataForCurrentUser()
{
    const QString user = currentUser();
    if (user.isEmpty())
        return false;
    cancelCycle();
    Database* database = m_accounts->database();
    const bool adopted = database->inTransaction([&] {
        return LocalIdRenewal(database).renewAll() && m_accounts->forgetServer() >= 0 && m_categories->forgetServer() >= 0
            && m_recurring->forgetServer() >= 0 && m_transactions->forgetServer() >= 0
            && m_reconciliations->forgetServer() >= 0 && m_preferences->remove(cursorKey)
            && m_preferences->set(syncedUserKey, user);
    });
    if (!adopted)
        return false;
    qInfo("Sync: this device's books now belong to the signed-in user and go up with the next sync");
    Q_EMIT dataChanged();
    return true;
}

void SyncEngine::claimLocalDataForCurrentUser()
{
    const QString user = currentUser();
    if (user.isEmpty() || m_preferences->get(syncedUserKey, QString()) == user)
        return;
    // Without this mark a later sign-in by someone else could not tell
    // whose books these are.
    if (!m_preferences->set(syncedUserKey, user))
        qWarning("Sync: the user these books are synced with could not be remembered");
}

void SyncEngine::setState(SyncState state)
{
    if (m_state == state)
        return;
    m_state = state;
    Q_EMIT stateChanged(state);
}

void SyncEngine::fail(const QString& error)
{
    m_lastError = error;
    m_queue = QJsonArray();
    m_pendingAfterQueue = 0;
    setState(SyncState::Error);
    Q_EMIT syncFailed(error);
}

void SyncEngine::sync()
{
    if (m_canSync && !m_canSync()) {
        m_resyncRequested = false;
        setState(SyncState::Idle);
        return;
    }
    if (localDataBelongsToAnotherUser()) {
        qWarning("Sync: held back, this device's books were synced with another user");
        m_resyncRequested = false;
        setState(SyncState::Idle);
        return;
    }
    if (m_state == SyncState::Syncing) {
        m_resyncRequested = true;
        return;
    }
    ++m_cycle;
    m_resyncRequested = false;
    setState(SyncState::Syncing);
    claimLocalDataForCurrentUser();
    buildUpload();
}

void SyncEngine::startAutoSync(int intervalMs)
{
    m_periodicTimer->start(intervalMs);
    sync();
}

void SyncEngine::stopAutoSync()
{
    m_periodicTimer->stop();
}

void SyncEngine::scheduleSync()
{
    if (!m_merging)
        m_debounceTimer->start();
}

void SyncEngine::cancelCycle()
{
    ++m_cycle;
    m_refused.clear();
    m_queue = QJsonArray();
    m_pendingAfterQueue = 0;
    m_resyncRequested = false;
    m_debounceTimer->stop();
    setState(SyncState::Idle);
}

QString SyncEngine::cursor()
{
    return m_preferences->get(cursorKey, QString());
}

void SyncEngine::buildUpload()
{
    const int pending = m_accounts->pendingCount() + m_categories->pendingCount() + m_recurring->pendingCount()
        + m_transactions->pendingCount() + m_reconciliations->pendingCount();
    if (pending == 0) {
        m_pageCount = 0;
        pullChanges(cursor());
        return;
    }
    // Only one batch goes up a cycle, so only one batch is read: books of a
    // hundred thousand rows are never held as change objects at once. Rows
    // the server refused this session wait behind the others, so that they
    // cannot hold the rest back for good; when nothing else is left they
    // are tried again.
    int skipped = 0;
    QJsonArray changes = pendingBatch(m_refused, skipped);
    if (changes.isEmpty()) {
        m_refused.clear();
        skipped = 0;
        changes = pendingBatch(m_refused, skipped);
    }
    qInfo() << "Pushing" << pending << "changes (in batches of" << pushBatchSize << ")";
    m_queue = changes;
    m_pendingAfterQueue = std::max(0, pending - int(changes.size()) - skipped);
    pushNextBatch();
}

QJsonArray SyncEngine::pendingBatch(const QSet<QString>& skipped, int& skippedCount)
{
    QJsonArray changes;
    const auto window = [&] { return pushBatchSize - int(changes.size()) + int(skipped.size()); };
    appendChanges(changes, m_accounts->pending(window()), skipped, skippedCount);
    appendChanges(changes, m_categories->pending(window()), skipped, skippedCount);
    appendChanges(changes, m_recurring->pending(window()), skipped, skippedCount);
    appendChanges(changes, m_transactions->pending(window()), skipped, skippedCount);
    appendChanges(changes, m_reconciliations->pending(window()), skipped, skippedCount);
    return changes;
}

void SyncEngine::pushNextBatch()
{
    if (m_queue.isEmpty()) {
        m_pageCount = 0;
        pullChanges(cursor());
        return;
    }
    QJsonArray batch;
    while (!m_queue.isEmpty() && batch.size() < pushBatchSize)
        batch.append(m_queue.takeAt(0));
    qInfo() << "Push batch:" << batch.size() << "changes," << m_queue.size() + m_pendingAfterQueue << "remaining";
    QPointer<SyncEngine> self(this);
    const int cycle = m_cycle;
    m_api->post(QStringLiteral("/sync/push"), QJsonObject{{QStringLiteral("changes"), batch}},
        [self, cycle, batch](bool ok, int status, const QJsonObject& body) {
            if (self)
                self->onPushReply(cycle, batch, ok, status, body);
        });
}

void SyncEngine::onPushReply(int cycle, const QJsonArray& batch, bool ok, int status, const QJsonObject& body)
{
    if (cycle != m_cycle)
        return;
    if (!ok) {
        fail(tr("Push failed (HTTP %1)").arg(status));
        return;
    }
    QHash<QString, QJsonObject> sent;
    for (const QJsonValue& change : batch) {
        const QJsonObject object = change.toObject();
        sent.insert(changeKey(object.value(QStringLiteral("entity_type")).toString(),
                        object.value(QStringLiteral("entity_id")).toString()),
            object);
    }
    int accepted = 0;
    int errors = 0;
    const QJsonArray results = body.value(QStringLiteral("results")).toArray();
    // One transaction for the batch's marks, not one per row: if marking
    // fails, the rows stay pending and are sent again, which the server
    // takes as a retry.
    const bool marked
        = m_accounts->database()->inTransaction([&] { return markResults(results, sent, accepted, errors); });
    if (!marked) {
        fail(tr("The uploaded changes could not be marked as sent; they are sent again at the next sync."));
        return;
    }
    if (errors > 0) {
        qWarning().noquote() << "Push batch:" << accepted << "ok," << errors
                             << "errors — failed records remain pending for next sync";
    }
    // The rest waits for the next cycle, which follows this one at once
    // while batches are taken: its rows are still pending and are read
    // afresh then.
    if ((accepted > 0 || errors > 0) && (!m_queue.isEmpty() || m_pendingAfterQueue > 0))
        m_resyncRequested = true;
    m_queue = QJsonArray();
    m_pendingAfterQueue = 0;
    m_pageCount = 0;
    pullChanges(cursor());
}

bool SyncEngine::markResults(
    const QJsonArray& results, const QHash<QString, QJsonObject>& sent, int& accepted, int& errors)
{
    for (const QJsonValue& value : results) {
        const QJsonObject result = value.toObject();
        const QString entityType = result.value(QStringLiteral("entity_type")).toString();
        const QString entityId = result.value(QStringLiteral("entity_id")).toString();
        const QString resultStatus = result.value(QStringLiteral("status")).toString();
        if (resultStatus != QLatin1String("ok")) {
            qWarning().noquote() << "Push result not ok — leaving record pending:" << entityType << entityId
                                 << QStringLiteral("status=%1").arg(resultStatus)
                                 << QStringLiteral("message=%1").arg(result.value(QStringLiteral("message")).toString());
            m_refused.insert(changeKey(entityType, entityId));
            ++errors;
            continue;
        }
        m_refused.remove(changeKey(entityType, entityId));
        ++accepted;
        const auto change = sent.constFind(changeKey(entityType, entityId));
        if (change != sent.cend()
            && !markSynced(*change, result.value(QStringLiteral("server_id")).toString(),
                result.value(QStringLiteral("applied")).toBool(true)))
            return false;
    }
    return true;
}

std::optional<QJsonObject> SyncEngine::storedChange(const QString& entityType, const QString& id) const
{
    const auto changeOf = [](const auto& record) -> std::optional<QJsonObject> {
        if (!record)
            return std::nullopt;
        return SyncPayload::change(*record);
    };
    if (entityType == accountType)
        return changeOf(m_accounts->byId(id));
    if (entityType == categoryType)
        return changeOf(m_categories->byId(id));
    if (entityType == recurringType)
        return changeOf(m_recurring->byId(id));
    if (entityType == transactionType)
        return changeOf(m_transactions->byId(id));
    if (entityType == reconciliationType)
        return changeOf(m_reconciliations->byId(id));
    return std::nullopt;
}

bool SyncEngine::markSynced(const QJsonObject& change, const QString& serverId, bool applied)
{
    const QString entityType = change.value(QStringLiteral("entity_type")).toString();
    const QString id = change.value(QStringLiteral("entity_id")).toString();
    // Stamps are kept to the second, so an edit in the same second as the
    // state that was sent would pass the stamp check alone: the whole row
    // must still be what was sent.
    if (storedChange(entityType, id) != change) {
        qInfo().noquote() << "Push: row changed while it was sent, it stays pending:" << entityType << id;
        return true;
    }
    const SyncStamp pushed = SyncPayload::stampOf(change);
    if (!applied)
        qInfo().noquote() << "Push: the server kept its own copy of" << entityType << id << "(no longer shared)";
    std::optional<bool> marked = true;
    if (entityType == accountType)
        marked = m_accounts->markSyncedIfUnchanged(id, serverId, pushed, applied);
    else if (entityType == categoryType)
        marked = m_categories->markSyncedIfUnchanged(id, serverId, pushed, applied);
    else if (entityType == recurringType)
        marked = m_recurring->markSyncedIfUnchanged(id, serverId, pushed, applied);
    else if (entityType == transactionType)
        marked = m_transactions->markSyncedIfUnchanged(id, serverId, pushed, applied);
    else if (entityType == reconciliationType)
        marked = m_reconciliations->markSyncedIfUnchanged(id, serverId, pushed, applied);
    if (marked && !*marked)
        qInfo().noquote() << "Push: row changed while it was sent, it stays pending:" << entityType << id;
    return marked.has_value();
}

void SyncEngine::pullChanges(const QString& since)
{
    QUrlQuery query;
    if (!since.isEmpty())
        query.addQueryItem(QStringLiteral("since"), since);
    query.addQueryItem(QStringLiteral("limit"), QString::number(pullPageSize));
    QPointer<SyncEngine> self(this);
    const int cycle = m_cycle;
    m_api->get(
        QStringLiteral("/sync/pull"),
        [self, cycle](bool ok, int status, const QJsonObject& body) {
            if (self)
                self->onPullReply(cycle, ok, status, body);
        },
        query);
}

void SyncEngine::onPullReply(int cycle, bool ok, int status, const QJsonObject& body)
{
    if (cycle != m_cycle)
        return;
    if (!ok) {
        fail(tr("Pull failed (HTTP %1)").arg(status));
        return;
    }
    if (!mergePage(body)) {
        fail(tr("The downloaded changes could not be stored; they are downloaded again at the next sync."));
        return;
    }
    const QJsonValue integrity = body.value(QStringLiteral("integrity"));
    if (integrity.isObject())
        checkIntegrity(integrity.toObject());
    ++m_pageCount;
    if (body.value(QStringLiteral("has_more")).toBool() && m_pageCount < maxPagesPerCycle) {
        pullChanges(body.value(QStringLiteral("server_time")).toString());
        return;
    }
    completeCycle();
}

bool SyncEngine::mergePage(const QJsonObject& page)
{
    const QString recurringKey = page.contains(QStringLiteral("recurring_transactions"))
        ? QStringLiteral("recurring_transactions")
        : QStringLiteral("recurring");
    const QString serverTime = page.value(QStringLiteral("server_time")).toString();
    // One transaction for the page and its cursor: a row that cannot be
    // stored keeps the old cursor, so the whole page comes again.
    m_merging = true;
    const bool merged = m_accounts->database()->inTransaction([&] {
        return mergeRows(page, QStringLiteral("accounts")) && mergeRows(page, QStringLiteral("categories"))
            && mergeRows(page, recurringKey) && mergeRows(page, QStringLiteral("transactions"))
            && mergeRows(page, QStringLiteral("reconciliations"))
            && (serverTime.isEmpty() || m_preferences->set(cursorKey, serverTime));
    });
    m_merging = false;
    return merged;
}

bool SyncEngine::mergeRows(const QJsonObject& page, const QString& key)
{
    const QJsonArray rows = page.value(key).toArray();
    for (const QJsonValue& value : rows) {
        const QJsonObject row = value.toObject();
        bool stored = true;
        if (key == QLatin1String("accounts")) {
            stored = storeIncoming(m_accounts, SyncPayload::account(row));
        } else if (key == QLatin1String("categories")) {
            stored = storeIncoming(m_categories, SyncPayload::category(row));
        } else if (key == QLatin1String("transactions")) {
            const Transaction transaction = SyncPayload::transaction(row);
            stored = !hasDate(transaction, row) || storeIncoming(m_transactions, transaction);
        } else if (key == QLatin1String("reconciliations")) {
            const Reconciliation reconciliation = SyncPayload::reconciliation(row);
            if (!reconciliation.statementDate.isValid()) {
                qWarning().noquote() << "applyReconciliation: skipping server record with broken statementDate:"
                                     << reconciliation.id << row.value(QStringLiteral("statement_date")).toString();
                continue;
            }
            stored = storeIncoming(m_reconciliations, reconciliation);
        } else {
            const RecurringTransaction rule = SyncPayload::recurring(row);
            // Rules keep the 2000 floor: a due date before it would post
            // decades of transactions at once.
            if (!rule.nextDueDate.isValid() || rule.nextDueDate.year() < 2000) {
                qWarning().noquote() << "applyRecurring: skipping server record with broken nextDueDate:" << rule.id
                                     << rule.payee << row.value(QStringLiteral("next_due_date")).toString();
                continue;
            }
            stored = storeIncoming(m_recurring, rule);
        }
        if (!stored)
            return false;
    }
    return true;
}

void SyncEngine::checkIntegrity(const QJsonObject& integrity)
{
    const int serverCount = integrity.value(QStringLiteral("category_count")).toInt();
    if (serverCount < 1)
        return;
    const int localCount = m_categories->count();
    if (localCount != serverCount) {
        qWarning().noquote() << "Category count mismatch: local=" << localCount << "server=" << serverCount
                             << "(informational only — use Force Full Sync if data appears wrong)";
    }
}

void SyncEngine::completeCycle()
{
    // The cursor is the server's change number, not a time: the settings
    // show when the books were last in step from this.
    if (!m_preferences->set(lastSyncedAtKey, timeToText(Clock::nowUtc())))
        qWarning("Sync: the time of this sync could not be remembered");
    setState(SyncState::Idle);
    Q_EMIT syncCompleted();
    Q_EMIT dataChanged();
    if (m_resyncRequested) {
        m_resyncRequested = false;
        QTimer::singleShot(0, this, &SyncEngine::sync);
    }
}
