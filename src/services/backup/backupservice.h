#pragma once

#include "services/backup/exportresult.h"
#include "services/backup/restoreresult.h"
#include "storage/backuprepository.h"

#include <QList>
#include <QObject>
#include <QString>
#include <optional>
#include <utility>

class AccountRepository;
class BackupArchiveReader;
class CategoryRepository;
class Database;
class QIODevice;
class QJsonObject;
class ReconciliationRepository;
class RecurringRepository;
class TransactionRepository;

// Writes the register to a ZIP archive of JSON rows, one file per row of
// accounts, categories, transactions, split lines, recurring rules and
// reconciliations plus a manifest, and reads such an archive back.
//
// Both stream: the export writes entry by entry through a QSaveFile, so a
// failed or cancelled export leaves no half archive where a good one was;
// the restore reads entry by entry (inflated and checked on a second thread
// a few hundred entries ahead of the writing) and writes every row in one
// database transaction, so a refused, failed, cancelled or interrupted
// restore leaves the register exactly as it was. The open screens hear of a restore
// through the repositories' change signals, once, after the commit.
//
// A screen proposes proposedFileName(), offers modeChoices(), runs either
// call with a progress bar fed by progressed() and a Cancel button wired to
// cancel(), and shows the result's title() and message() or summary() and
// errors(); the command line just calls them and prints the texts.
class BackupService : public QObject
{
    Q_OBJECT

public:
    // What happens to a backup row whose id is already stored; a row not
    // yet stored is inserted in every mode.
    enum class RestoreMode {
        SkipExisting = 0, // "Skip existing items"
        ReplaceAll = 1, // "Replace all with backup data"
        KeepNewer = 2, // "Keep newer (compare timestamps)": replaced when the backup's updated_at is later
    };
    Q_ENUM(RestoreMode)

    BackupService(Database* database, AccountRepository* accounts, CategoryRepository* categories,
        TransactionRepository* transactions, RecurringRepository* recurring,
        ReconciliationRepository* reconciliations, QObject* parent = nullptr);

    // The import dialog's choices, in the order it lists them, each with
    // the mode it stands for: "Replace all with backup data" first, so the
    // choice's position is not its mode's value.
    static QList<std::pair<QString, RestoreMode>> modeChoices();
    // "checkbook-backup-yyyy-MM-dd.zip" for today.
    static QString proposedFileName();

    // Writes every row of the six tables, soft-deleted ones included, to
    // the archive `path`, readable by its owner only.
    ExportResult exportTo(const QString& path);
    // Restores the archive at `path`; "Could not read file." when it
    // cannot be opened.
    RestoreResult restoreFrom(const QString& path, RestoreMode mode);
    // Restores the archive `device` holds; the device must be seekable.
    RestoreResult restore(QIODevice* device, RestoreMode mode);

public Q_SLOTS:
    // Stops the running export or restore at its next row: no archive is
    // saved, no row is changed. For a progress dialog's Cancel button.
    void cancel();

Q_SIGNALS:
    // `done` of `total` rows exported or restored.
    void progressed(qint64 done, qint64 total);

private:
    struct Known;
    struct Table;
    struct Row;
    struct ReadEntry;
    struct Restoring;

    bool writeArchive(BackupRepository& repository, QIODevice& device, qint64& rows, QString& reason);
    bool readManifest(BackupArchiveReader& archive, RestoreResult& result);
    QList<QList<int>> rowEntries(const BackupArchiveReader& archive, RestoreResult& result) const;
    bool restoreRows(Restoring& restoring, const QList<QList<int>>& entries);
    bool readTable(Restoring& restoring, Table& table, const QString& name);
    static std::optional<Row> readRow(const Table& table, const QString& entry, const QByteArray& bytes, QString& error);
    static QString unknownMember(const Table& table, const QJsonObject& object);
    void placeRow(Restoring& restoring, Table& table, Row row);
    void replaceRow(Restoring& restoring, const Table& table, Row row, Known& known);
    void insertPending(Restoring& restoring, const Table& table);
    void noteWritten(Restoring& restoring, const Table& table, const Row& row, const QString& previousAccountId);
    bool stopWhenCancelled(RestoreResult& result);
    void reportDanglingReferences(Restoring& restoring);
    void announceChanges(const QString& table, const Restoring& restoring);
    void reportProgress(qint64 done, qint64 total);

    Database* m_database;
    AccountRepository* m_accounts;
    CategoryRepository* m_categories;
    TransactionRepository* m_transactions;
    RecurringRepository* m_recurring;
    ReconciliationRepository* m_reconciliations;
    bool m_cancelled = false;
};
