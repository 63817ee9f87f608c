#include "services/backup/backupservice.h"

#include "services/backup/backuparchivereader.h"
#include "services/backup/backuparchivewriter.h"
#include "services/backup/backupentryfeed.h"
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
#include <algorithm>
#include <QSet>
#include <array>
#include <utility>
#include <vector>

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

} // namespace

// What the restore knows of a row of the register: as it was stored, or as
// the restore wrote it.
struct BackupService::Known
{
    QString updatedAt;
    qint64 version = 0;
    QString accountId;
    bool restored = false;
};

// A table being restored, with its columns as the schema has them and every
// row it holds, read once.
struct BackupService::Table
{
    QString name;
    QStringList columns;
    QHash<QString, int> columnIndex;
    int syncStatus = -1;
    int serverId = -1;
    int version = -1;
    QHash<QString, Known> known;

    int column(const QString& name) const { return columnIndex.value(name, -1); }
    // The sync columns every restored row gets anew, backup or not.
    bool isReset(int column) const { return column == syncStatus || column == serverId || column == version; }
};

// One row file read and checked, ready to be written: the values of the
// columns it names, in column order, the sync columns always among them.
struct BackupService::Row
{
    QString entry;
    QString id;
    QList<int> columns;
    QVariantList values;
    QString updatedAt;
    qint64 version = 0;
    QString accountId;

    void set(int column, const QVariant& value) { values[columns.indexOf(column)] = value; }
};

// A row file as the reading thread leaves it: the row, or why there is none.
struct BackupService::ReadEntry
{
    std::optional<Row> row;
    QString error;
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
    std::vector<Table> tables;
    QSet<QString> transactionAccounts;
    // New rows waiting to be inserted together, all with the same columns.
    QList<Row> pending;
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
    Restoring restoring{repository, archive, mode, result, 0, 0, {}, {}, {}};
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
    QByteArray bytes;
    if (entry >= 0 && !archive.read(entry, bytes)) {
        result.addErrors(archive.errors());
        return false;
    }
    if (bytes.trimmed().isEmpty()) {
        result.addError(tr("Invalid backup: missing manifest.json"));
        return false;
    }
    const std::optional<QJsonObject> manifest = RowJson::read(bytes);
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
    // Every table's columns before the first row file is read: the reading
    // thread checks the files against them, and they stay as they are while
    // it runs.
    restoring.tables.resize(layout.size());
    QList<int> folderOf(restoring.archive.entryCount(), -1);
    QList<int> everyEntry;
    for (int folder = 0; folder < int(layout.size()); ++folder) {
        if (!readTable(restoring, restoring.tables[folder], QLatin1String(layout.at(folder).table)))
            return false;
        for (const int entry : entries.at(folder))
            folderOf[entry] = folder;
        everyEntry.append(entries.at(folder));
    }
    const std::vector<Table>& tables = restoring.tables;
    BackupArchiveReader& archive = restoring.archive;
    BackupEntryFeed<ReadEntry> feed(
        everyEntry, [&archive](int entry, QByteArray& bytes) { return archive.read(entry, bytes); },
        [&archive, &tables, &folderOf](int entry, const QByteArray* bytes) {
            ReadEntry read;
            if (bytes)
                read.row = readRow(tables.at(folderOf.at(entry)), archive.name(entry), *bytes, read.error);
            else
                read.error = archive.errors().constLast();
            return read;
        });
    for (int folder = 0; folder < int(layout.size()); ++folder) {
        Table& table = restoring.tables[folder];
        const int writtenBefore = restoring.result.written();
        for (qsizetype entry = 0; entry < entries.at(folder).size(); ++entry) {
            if (stopWhenCancelled(restoring.result))
                return false;
            ReadEntry read = feed.next();
            if (read.row)
                placeRow(restoring, table, std::move(*read.row));
            else
                restoring.result.addError(read.error);
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

bool BackupService::readTable(Restoring& restoring, Table& table, const QString& name)
{
    table.name = name;
    table.columns = restoring.repository.columns(name);
    for (int column = 0; column < table.columns.size(); ++column)
        table.columnIndex.insert(table.columns.at(column), column);
    table.syncStatus = table.column(QStringLiteral("sync_status"));
    table.serverId = table.column(QStringLiteral("server_id"));
    table.version = table.column(QStringLiteral("version"));
    // Every stored row in one read, instead of one look-up per backup row.
    const bool read = !table.columns.isEmpty()
        && restoring.repository.forEachStoredRow(name, table.columns,
            [&table](const QString& id, const BackupRepository::StoredRow& row) {
                table.known.insert(id, Known{row.updatedAt, row.version, row.accountId, false});
            });
    if (!read)
        restoring.result.addError(tr("The table %1 could not be read.").arg(name));
    return read;
}

bool BackupService::stopWhenCancelled(RestoreResult& result)
{
    if (m_cancelled)
        result.addError(tr("The restore was cancelled; nothing was changed."));
    return m_cancelled;
}

std::optional<BackupService::Row> BackupService::readRow(
    const Table& table, const QString& entry, const QByteArray& bytes, QString& error)
{
    const std::optional<QJsonObject> object = RowJson::read(bytes);
    if (!object) {
        error = tr("%1: invalid JSON").arg(entry);
        return std::nullopt;
    }
    Row row;
    row.entry = entry;
    row.columns.reserve(table.columns.size());
    row.values.reserve(table.columns.size());
    qsizetype members = 0;
    // Looked up by column, so no member name is copied out of the object.
    for (int column = 0; column < table.columns.size(); ++column) {
        const QJsonValue member = object->value(table.columns.at(column));
        if (member.isUndefined() && !table.isReset(column))
            continue;
        std::optional<QVariant> value;
        if (!member.isUndefined()) {
            ++members;
            value = RowJson::boundValue(member);
            if (!value) {
                error = tr("%1: the value of \"%2\" cannot be stored").arg(entry, table.columns.at(column));
                return std::nullopt;
            }
        }
        row.columns.append(column);
        row.values.append(value.value_or(QVariant()));
    }
    if (members < object->size()) {
        error = tr("%1: \"%2\" is no column of %3").arg(entry, unknownMember(table, *object), table.name);
        return std::nullopt;
    }
    const QJsonValue id = object->value(QStringLiteral("id"));
    row.id = id.toString();
    if (!id.isString() || row.id.isEmpty()) {
        error = tr("%1: the row has no id").arg(entry);
        return std::nullopt;
    }
    row.updatedAt = object->value(QStringLiteral("updated_at")).toString();
    row.version = object->value(QStringLiteral("version")).toInteger(0);
    row.accountId = object->value(QStringLiteral("account_id")).toString();
    // A restored row is uploaded again at the next sync.
    if (table.syncStatus >= 0)
        row.set(table.syncStatus, QStringLiteral("pending"));
    if (table.serverId >= 0)
        row.set(table.serverId, QVariant());
    return row;
}

QString BackupService::unknownMember(const Table& table, const QJsonObject& object)
{
    const QStringList names = object.keys();
    const auto unknown = std::find_if(names.cbegin(), names.cend(),
        [&table](const QString& name) { return !table.columnIndex.contains(name); });
    return unknown == names.cend() ? QString() : *unknown;
}

void BackupService::placeRow(Restoring& restoring, Table& table, Row row)
{
    const auto known = table.known.find(row.id);
    if (known != table.known.end()) {
        const bool replace = restoring.mode == RestoreMode::ReplaceAll
            || (restoring.mode == RestoreMode::KeepNewer && !row.updatedAt.isEmpty() && row.updatedAt > known->updatedAt);
        if (replace)
            replaceRow(restoring, table, std::move(row), *known);
        else
            restoring.result.addSkipped();
        return;
    }
    // A row new to the register starts at version 1.
    if (table.version >= 0)
        row.set(table.version, qint64(1));
    // A row that comes twice meets its twin as a known row.
    table.known.insert(row.id, Known{row.updatedAt, 1, row.accountId, true});
    if (!restoring.pending.isEmpty()
        && (restoring.pending.constFirst().columns != row.columns
            || restoring.pending.size() >= BackupRepository::rowsPerInsert(row.columns.size())))
        insertPending(restoring, table);
    restoring.pending.append(std::move(row));
}

void BackupService::replaceRow(Restoring& restoring, const Table& table, Row row, Known& known)
{
    // The twin it replaces may still wait in the batch.
    insertPending(restoring, table);
    // A replaced row goes above every version it had, so the next sync
    // sends it as the newer one.
    const qint64 version = std::max(known.version, row.version) + 1;
    if (table.version >= 0)
        row.set(table.version, version);
    QStringList names;
    QVariantList values;
    for (qsizetype at = 0; at < row.columns.size(); ++at) {
        if (table.columns.at(row.columns.at(at)) == QLatin1String("id"))
            continue;
        names.append(table.columns.at(row.columns.at(at)));
        values.append(row.values.at(at));
    }
    if (!restoring.repository.updateRow(table.name, names, values, row.id)) {
        restoring.result.addError(tr("%1: the row could not be written: %2").arg(row.entry, restoring.repository.lastError()));
        return;
    }
    noteWritten(restoring, table, row, known.accountId);
    known = Known{row.updatedAt, version, row.accountId, true};
}

void BackupService::insertPending(Restoring& restoring, const Table& table)
{
    const QList<Row> rows = std::exchange(restoring.pending, {});
    if (rows.isEmpty())
        return;
    QStringList names;
    for (const int column : rows.constFirst().columns)
        names.append(table.columns.at(column));
    QList<QVariantList> values;
    values.reserve(rows.size());
    for (const Row& row : rows)
        values.append(row.values);
    if (restoring.repository.insertRows(table.name, names, values)) {
        for (const Row& row : rows)
            noteWritten(restoring, table, row, QString());
        return;
    }
    // One row of the batch failed, and none of it was written: row by row,
    // each failure is told with its entry.
    for (const Row& row : rows) {
        if (restoring.repository.insertRows(table.name, names, {row.values}))
            noteWritten(restoring, table, row, QString());
        else
            restoring.result.addError(tr("%1: the row could not be written: %2").arg(row.entry, restoring.repository.lastError()));
    }
}

void BackupService::noteWritten(Restoring& restoring, const Table& table, const Row& row, const QString& previousAccountId)
{
    restoring.result.addWritten();
    if (table.name != QLatin1String("transactions"))
        return;
    restoring.transactionAccounts.insert(row.accountId);
    if (!previousAccountId.isEmpty())
        restoring.transactionAccounts.insert(previousAccountId);
}

void BackupService::reportDanglingReferences(Restoring& restoring)
{
    const std::optional<QList<BackupRepository::RowKey>> dangling = restoring.repository.danglingReferences();
    if (!dangling) {
        restoring.result.addError(tr("The restored rows could not be checked."));
        return;
    }
    // Rows the register already held are left as they were; only the
    // backup's own rows must lead somewhere.
    for (const BackupRepository::RowKey& row : *dangling) {
        const auto table = std::find_if(restoring.tables.cbegin(), restoring.tables.cend(),
            [&row](const Table& restored) { return restored.name == row.table; });
        if (table != restoring.tables.cend() && table->known.value(row.id).restored)
            restoring.result.addError(
                tr("%1: refers to a row that is neither in the backup nor in the register").arg(row.table + QLatin1Char('/') + row.id));
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
