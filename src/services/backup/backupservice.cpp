#include "services/backup/backupservice.h"

#include "services/backup/backuparchivereader.h"
#include "services/backup/backuparchivewriter.h"
#include "services/backup/rowjson.h"
#include "storage/accountrepository.h"
#include "storage/backuprepository.h"
#include "storage/categoryrepository.h"
#include "storage/clock.h"
#include "storage/database.h"
#include "storage/reconciliationrepository.h"
#include "storage/recurringrepository.h"
#include "storage/storedtime.h"
#include "storage/transactionrepository.h"

#include <QCryptographicHash>
#include <QDebug>
#include <QFile>
#include <QJsonObject>
#include <QSaveFile>
#include <QSet>
#include <array>
#include <utility>

namespace {

// The archive's folders in the order they are written and restored:
// parents before the rows that refer to them.
struct Folder
{
    const char* folder;
    const char* table;
    const char* countKey;
};

constexpr std::array<Folder, 6> layout{{
    {"accounts", "accounts", "accountCount"},
    {"categories", "categories", "categoryCount"},
    {"transactions", "transactions", "transactionCount"},
    {"split_lines", "split_lines", "splitLineCount"},
    {"recurring", "recurring_transactions", "recurringCount"},
    {"reconciliations", "reconciliations", "reconciliationCount"},
}};

const QString manifestName = QStringLiteral("manifest.json");
constexpr int backupVersion = 1;
constexpr qint64 progressStep = 1000;
constexpr qsizetype insertBatchSize = 50;
// 64 MiB of pages for the restore, as SQLite counts negative sizes.
constexpr int restoreCacheSize = -65536;
int folderIndex(const QString& folder)
{
    for (int index = 0; index < int(layout.size()); ++index) {
        if (folder == QLatin1String(layout.at(index).folder))
            return index;
    }
    return -1;
}

// A row's file name: its id, unless the id holds anything but letters,
// digits, "-", "_" and inner dots, or is very long. Such an id could make
// the name leave its folder when unpacked, so it is written under a name
// made from its hash; a restore takes every id from the row's own JSON.
QString entryStem(const QString& id)
{
    const bool plain = !id.isEmpty() && id.size() <= 128 && !id.startsWith(QLatin1Char('.'))
        && std::all_of(id.cbegin(), id.cend(), [](QChar c) {
               return (c >= QLatin1Char('a') && c <= QLatin1Char('z')) || (c >= QLatin1Char('A') && c <= QLatin1Char('Z'))
                   || (c >= QLatin1Char('0') && c <= QLatin1Char('9')) || c == QLatin1Char('-') || c == QLatin1Char('_')
                   || c == QLatin1Char('.');
           });
    if (plain)
        return id;
    return QStringLiteral("row-")
        + QString::fromLatin1(QCryptographicHash::hash(id.toUtf8(), QCryptographicHash::Sha256).toHex());
}

// Sets member `name` to `value`, adding it when the row lacks it.
void setMember(QStringList& names, QVariantList& values, const QString& name, const QVariant& value)
{
    const qsizetype at = names.indexOf(name);
    if (at >= 0) {
        values[at] = value;
        return;
    }
    names.append(name);
    values.append(value);
}

} // namespace

// A table being restored, with its columns as the schema has them.
struct BackupService::Table
{
    QString name;
    QStringList columns;
    QSet<QString> columnSet;
    bool synced = false;
    bool versioned = false;
};

// One row file read and checked, ready to be written.
struct BackupService::Row
{
    QString entry;
    QString id;
    QStringList names;
    QVariantList values;
    QString updatedAt;
    qint64 version = 0;
    QString accountId;
};

// One restore on its way: where it reads, what it has done.
struct BackupService::Restoring
{
    BackupRepository& repository;
    BackupArchiveReader& archive;
    RestoreMode mode;
    RestoreResult& result;
    qint64 total = 0;
    qint64 done = 0;
    // "table/id" of every row written, to tell its broken references from
    // those the register already had.
    QSet<QString> writtenRows;
    QSet<QString> transactionAccounts;
    // New rows waiting to be inserted together, all with the same members.
    QList<Row> pending;
    QSet<QString> pendingIds;
};

BackupService::BackupService(Database* database, AccountRepository* accounts, CategoryRepository* categories,
    TransactionRepository* transactions, RecurringRepository* recurring, ReconciliationRepository* reconciliations,
    QObject* parent)
    : QObject(parent)
    , m_database(database)
    , m_accounts(accounts)
    , m_categories(categories)
    , m_transactions(transactions)
    , m_recurring(recurring)
    , m_reconciliations(reconciliations)
{
}

QList<std::pair<QString, BackupService::RestoreMode>> BackupService::modeChoices()
{
    return {
        {tr("Replace all with backup data"), RestoreMode::ReplaceAll},
        {tr("Keep newer (compare timestamps)"), RestoreMode::KeepNewer},
        {tr("Skip existing items"), RestoreMode::SkipExisting},
    };
}

QString BackupService::proposedFileName()
{
    return QStringLiteral("checkbook-backup-%1.zip").arg(Clock::today().toString(QStringLiteral("yyyy-MM-dd")));
}

void BackupService::cancel()
{
    m_cancelled = true;
}

void BackupService::reportProgress(qint64 done, qint64 total)
{
    if (done % progressStep == 0 || done == total)
        Q_EMIT progressed(done, total);
}

ExportResult BackupService::exportTo(const QString& path)
{
    m_cancelled = false;
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return ExportResult::failed(path, file.errorString());
    // The backup is private financial data from its first byte on.
    file.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    BackupRepository repository(m_database);
    qint64 rows = 0;
    QString reason;
    if (!repository.readSnapshot([&] { return writeArchive(repository, file, rows, reason); })) {
        file.cancelWriting();
        return ExportResult::failed(path, reason.isEmpty() ? tr("The data file could not be read.") : reason);
    }
    if (!file.commit())
        return ExportResult::failed(path, file.errorString());
    return ExportResult::saved(path, rows);
}

bool BackupService::writeArchive(BackupRepository& repository, QIODevice& device, qint64& rows, QString& reason)
{
    BackupArchiveWriter archive(&device);
    if (!archive.open()) {
        reason = tr("The archive could not be written. %1").arg(device.errorString());
        return false;
    }
    qint64 total = 0;
    for (const Folder& folder : layout)
        total += repository.rowCount(QLatin1String(folder.table)).value_or(0);
    const QDateTime stamp = Clock::nowUtc();
    QJsonObject manifest{{QStringLiteral("version"), backupVersion}, {QStringLiteral("exportedAt"), timeToText(stamp)}};
    const QDateTime entryTime = stamp.toLocalTime();
    for (const Folder& folder : layout) {
        const QString table = QLatin1String(folder.table);
        const QStringList columns = repository.columns(table);
        const qsizetype idColumn = columns.indexOf(QStringLiteral("id"));
        int count = 0;
        const bool read = idColumn >= 0 && repository.forEachRow(table, [&](const QVariantList& values) {
            if (m_cancelled) {
                reason = tr("The export was cancelled.");
                return false;
            }
            const QString name = QLatin1String(folder.folder) + QLatin1Char('/') + entryStem(values.at(idColumn).toString())
                + QStringLiteral(".json");
            if (!archive.add(name, RowJson::write(columns, values), entryTime)) {
                reason = tr("The archive could not be written. %1").arg(device.errorString());
                return false;
            }
            ++count;
            reportProgress(rows + count, total);
            return true;
        });
        if (!read) {
            if (reason.isEmpty()) {
                qWarning().noquote() << "BackupService export query failed:" << table;
                reason = tr("The table %1 could not be read. %2").arg(table, Database::failureText(m_database->lastFailure()));
            }
            return false;
        }
        manifest.insert(QLatin1String(folder.countKey), count);
        rows += count;
    }
    const bool manifestAdded = archive.add(manifestName, RowJson::writeObject(manifest), entryTime);
    if (!archive.close() || !manifestAdded) {
        reason = tr("The archive could not be written. %1").arg(device.errorString());
        return false;
    }
    reportProgress(total, total);
    return true;
}

RestoreResult BackupService::restoreFrom(const QString& path, RestoreMode mode)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        RestoreResult result;
        result.addError(tr("Could not read file."));
        return result;
    }
    return restore(&file, mode);
}

RestoreResult BackupService::restore(QIODevice* device, RestoreMode mode)
{
    m_cancelled = false;
    RestoreResult result;
    BackupArchiveReader archive(device);
    if (!archive.open()) {
        result.addErrors(archive.errors());
        return result;
    }
    if (!readManifest(archive, result))
        return result;
    // Everything the archive's directory tells is checked before the first
    // row is written.
    const QList<QList<int>> entries = rowEntries(archive, result);
    if (!result.succeeded())
        return result;
    BackupRepository repository(m_database);
    Restoring restoring{repository, archive, mode, result, 0, 0, {}, {}, {}, {}};
    for (const QList<int>& folder : entries)
        restoring.total += folder.size();
    bool worked = false;
    const std::optional<int> usualCache = repository.cacheSize();
    const bool cacheEnlarged = repository.setCacheSize(restoreCacheSize);
    const bool committed = m_database->inTransaction([&] {
        worked = restoreRows(restoring, entries);
        return worked;
    });
    if (cacheEnlarged && usualCache && !repository.setCacheSize(*usualCache))
        qWarning("BackupService::restore could not give the data file its usual cache back");
    if (!committed) {
        result.discardCounts();
        if (worked || result.succeeded())
            result.addError(tr("The restored rows could not be saved. %1").arg(Database::failureText(m_database->lastFailure())));
    }
    return result;
}

bool BackupService::readManifest(BackupArchiveReader& archive, RestoreResult& result)
{
    const int entry = archive.indexOf(manifestName);
    const std::optional<QByteArray> bytes = entry < 0 ? std::optional<QByteArray>(QByteArray()) : archive.read(entry);
    if (!bytes) {
        result.addErrors(archive.errors());
        return false;
    }
    if (bytes->trimmed().isEmpty()) {
        result.addError(tr("Invalid backup: missing manifest.json"));
        return false;
    }
    const std::optional<QJsonObject> manifest = RowJson::read(*bytes);
    if (!manifest) {
        result.addError(tr("%1: invalid JSON").arg(manifestName));
        return false;
    }
    const int version = manifest->value(QStringLiteral("version")).toInt(0);
    if (version != backupVersion) {
        result.addError(tr("Unsupported backup version: %1").arg(version));
        return false;
    }
    return true;
}

QList<QList<int>> BackupService::rowEntries(const BackupArchiveReader& archive, RestoreResult& result) const
{
    QList<QList<int>> entries(layout.size());
    for (int entry = 0; entry < archive.entryCount(); ++entry) {
        const QString name = archive.name(entry);
        const qsizetype slash = name.indexOf(QLatin1Char('/'));
        // Notes, folders and other files beside the rows are no rows.
        if (!name.endsWith(QLatin1String(".json")) || slash < 0)
            continue;
        const int folder = folderIndex(name.left(slash));
        // A row file of a table the backup does not know would be lost
        // without a word.
        if (folder < 0 || name.indexOf(QLatin1Char('/'), slash + 1) >= 0) {
            result.addError(tr("%1: not part of a backup").arg(name));
            continue;
        }
        entries[folder].append(entry);
    }
    return entries;
}

bool BackupService::restoreRows(Restoring& restoring, const QList<QList<int>>& entries)
{
    // A category may come before its parent; the references are checked
    // once every row is in.
    if (!restoring.repository.deferForeignKeys())
        return false;
    for (int folder = 0; folder < int(layout.size()); ++folder) {
        Table table;
        table.name = QLatin1String(layout.at(folder).table);
        table.columns = restoring.repository.columns(table.name);
        table.columnSet = QSet<QString>(table.columns.cbegin(), table.columns.cend());
        table.synced = table.columnSet.contains(QStringLiteral("sync_status"));
        table.versioned = table.columnSet.contains(QStringLiteral("version"));
        if (table.columns.isEmpty()) {
            restoring.result.addError(tr("The table %1 could not be read.").arg(table.name));
            return false;
        }
        const int writtenBefore = restoring.result.written();
        for (const int entry : entries.at(folder)) {
            if (stopWhenCancelled(restoring.result))
                return false;
            const std::optional<QByteArray> bytes = restoring.archive.read(entry);
            if (!bytes)
                restoring.result.addError(restoring.archive.errors().constLast());
            else if (std::optional<Row> row = readRow(restoring.result, table, restoring.archive.name(entry), *bytes))
                placeRow(restoring, table, std::move(*row), true);
            reportProgress(++restoring.done, restoring.total);
        }
        insertPending(restoring, table);
        if (restoring.result.written() > writtenBefore)
            announceChanges(table.name, restoring);
    }
    if (stopWhenCancelled(restoring.result))
        return false;
    if (restoring.result.succeeded())
        reportDanglingReferences(restoring);
    return restoring.result.succeeded();
}

bool BackupService::stopWhenCancelled(RestoreResult& result)
{
    if (m_cancelled)
        result.addError(tr("The restore was cancelled; nothing was changed."));
    return m_cancelled;
}

std::optional<BackupService::Row> BackupService::readRow(
    RestoreResult& result, const Table& table, const QString& entry, const QByteArray& bytes)
{
    const std::optional<QJsonObject> object = RowJson::read(bytes);
    if (!object) {
        result.addError(tr("%1: invalid JSON").arg(entry));
        return std::nullopt;
    }
    Row row;
    row.entry = entry;
    for (auto member = object->constBegin(); member != object->constEnd(); ++member) {
        if (!table.columnSet.contains(member.key())) {
            result.addError(tr("%1: \"%2\" is no column of %3").arg(entry, member.key(), table.name));
            return std::nullopt;
        }
        const std::optional<QVariant> value = RowJson::boundValue(member.value());
        if (!value) {
            result.addError(tr("%1: the value of \"%2\" cannot be stored").arg(entry, member.key()));
            return std::nullopt;
        }
        row.names.append(member.key());
        row.values.append(*value);
    }
    const QJsonValue id = object->value(QStringLiteral("id"));
    row.id = id.toString();
    if (!id.isString() || row.id.isEmpty()) {
        result.addError(tr("%1: the row has no id").arg(entry));
        return std::nullopt;
    }
    row.updatedAt = object->value(QStringLiteral("updated_at")).toString();
    row.version = object->value(QStringLiteral("version")).toInteger(0);
    row.accountId = object->value(QStringLiteral("account_id")).toString();
    // A restored row is uploaded again at the next sync.
    if (table.synced) {
        setMember(row.names, row.values, QStringLiteral("sync_status"), QStringLiteral("pending"));
        setMember(row.names, row.values, QStringLiteral("server_id"), QVariant());
    }
    return row;
}

void BackupService::placeRow(Restoring& restoring, const Table& table, Row row, bool batched)
{
    RestoreResult& result = restoring.result;
    // A row that comes twice meets its twin in the table, not in the batch.
    if (restoring.pendingIds.contains(row.id))
        insertPending(restoring, table);
    const BackupRepository::Lookup stored = restoring.repository.stored(table.name, table.columns, row.id);
    if (!stored.ok) {
        result.addError(tr("%1: unexpected error").arg(row.entry));
        return;
    }
    if (stored.row) {
        const bool replace = restoring.mode == RestoreMode::ReplaceAll
            || (restoring.mode == RestoreMode::KeepNewer && !row.updatedAt.isEmpty() && row.updatedAt > stored.row->updatedAt);
        if (replace)
            replaceRow(restoring, table, std::move(row), *stored.row);
        else
            result.addSkipped();
        return;
    }
    // A row new to the register starts at version 1.
    if (table.versioned)
        setMember(row.names, row.values, QStringLiteral("version"), qint64(1));
    if (!batched) {
        if (restoring.repository.insertRow(table.name, row.names, row.values))
            noteWritten(restoring, table, row, QString());
        else
            result.addError(tr("%1: the row could not be written: %2").arg(row.entry, restoring.repository.lastError()));
        return;
    }
    if (!restoring.pending.isEmpty()
        && (restoring.pending.constFirst().names != row.names || restoring.pending.size() >= insertBatchSize))
        insertPending(restoring, table);
    restoring.pendingIds.insert(row.id);
    restoring.pending.append(std::move(row));
}

void BackupService::replaceRow(Restoring& restoring, const Table& table, Row row, const BackupRepository::StoredRow& stored)
{
    // A replaced row goes above every version it had, so the next sync
    // sends it as the newer one.
    if (table.versioned)
        setMember(row.names, row.values, QStringLiteral("version"), std::max(stored.version, row.version) + 1);
    const qsizetype idAt = row.names.indexOf(QStringLiteral("id"));
    QStringList names = row.names;
    QVariantList values = row.values;
    names.removeAt(idAt);
    values.removeAt(idAt);
    if (restoring.repository.updateRow(table.name, names, values, row.id))
        noteWritten(restoring, table, row, stored.accountId);
    else
        restoring.result.addError(tr("%1: the row could not be written: %2").arg(row.entry, restoring.repository.lastError()));
}

void BackupService::insertPending(Restoring& restoring, const Table& table)
{
    const QList<Row> rows = std::exchange(restoring.pending, {});
    restoring.pendingIds.clear();
    if (rows.isEmpty())
        return;
    QList<QVariantList> values;
    values.reserve(rows.size());
    for (const Row& row : rows)
        values.append(row.values);
    const bool inserted = m_database->inTransaction(
        [&] { return restoring.repository.insertRows(table.name, rows.constFirst().names, values); });
    if (inserted) {
        for (const Row& row : rows)
            noteWritten(restoring, table, row, QString());
        return;
    }
    // One row of the batch failed: row by row, each failure is told with
    // its entry.
    for (const Row& row : rows)
        placeRow(restoring, table, row, false);
}

void BackupService::noteWritten(Restoring& restoring, const Table& table, const Row& row, const QString& previousAccountId)
{
    restoring.result.addWritten();
    restoring.writtenRows.insert(table.name + QLatin1Char('/') + row.id);
    if (table.name != QLatin1String("transactions"))
        return;
    restoring.transactionAccounts.insert(row.accountId);
    if (!previousAccountId.isEmpty())
        restoring.transactionAccounts.insert(previousAccountId);
}

void BackupService::reportDanglingReferences(Restoring& restoring)
{
    const std::optional<QStringList> dangling = restoring.repository.danglingReferences();
    if (!dangling) {
        restoring.result.addError(tr("The restored rows could not be checked."));
        return;
    }
    // Rows the register already held are left as they were; only the
    // backup's own rows must lead somewhere.
    for (const QString& row : *dangling) {
        if (restoring.writtenRows.contains(row))
            restoring.result.addError(tr("%1: refers to a row that is neither in the backup nor in the register").arg(row));
    }
}

void BackupService::announceChanges(const QString& table, const Restoring& restoring)
{
    // The repositories' own keys, so a screen reloads once for the restore
    // and anything else in the same transaction.
    if (table == QLatin1String("accounts")) {
        m_database->notifyAfterCommit(QStringLiteral("accountsChanged"), [this] { Q_EMIT m_accounts->accountsChanged(); });
    } else if (table == QLatin1String("categories")) {
        m_database->notifyAfterCommit(QStringLiteral("categoriesChanged"), [this] { Q_EMIT m_categories->categoriesChanged(); });
    } else if (table == QLatin1String("transactions")) {
        for (const QString& accountId : restoring.transactionAccounts) {
            m_database->notifyAfterCommit(QStringLiteral("transactionsChanged:") + accountId,
                [this, accountId] { Q_EMIT m_transactions->transactionsChanged(accountId); });
        }
    } else if (table == QLatin1String("recurring_transactions")) {
        m_database->notifyAfterCommit(QStringLiteral("recurringChanged"), [this] { Q_EMIT m_recurring->recurringChanged(); });
    } else if (table == QLatin1String("reconciliations")) {
        m_database->notifyAfterCommit(
            QStringLiteral("reconciliationsChanged"), [this] { Q_EMIT m_reconciliations->reconciliationsChanged(); });
    }
}
