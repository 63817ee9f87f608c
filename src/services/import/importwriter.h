#pragma once

#include "services/import/importresult.h"
#include "storage/splitline.h"
#include "storage/transaction.h"

#include <QList>
#include <QString>
#include <functional>
#include <optional>

class Database;
class SplitLineRepository;
class TransactionRepository;

// A row an earlier import stored as one leg of a transfer whose other leg
// it did not have: it carries the memo hint "[→ account]", and a leg of
// this import completes it.
struct EarlierLeg
{
    QString id;
    // The leg of this import it is linked with.
    QString partnerId;
    QString partnerAccountId;
};

// What the import stores as one piece: a transaction with its split lines,
// or both legs of a transfer found in the files, or a leg and the earlier
// row it completes. A piece is stored whole or not at all.
struct ImportUnit
{
    QList<Transaction> transactions;
    QList<SplitLine> splitLines;
    std::optional<EarlierLeg> earlierLeg;
    // Where its last record stands among all records of the import, for
    // the progress reports.
    int position = 0;
};

// Stores the planned pieces of an import inside the caller's database
// transaction, a hundred records to a savepoint. A failed savepoint is
// written again piece by piece, so one bad row costs only itself.
class ImportWriter
{
public:
    // `progress` is told the position reached every hundred records; it
    // answers false to stop.
    using Progress = std::function<bool(int position)>;

    // `format` names the import in the warning of a failed insert ("QIF").
    ImportWriter(Database* database, TransactionRepository* transactions, SplitLineRepository* splitLines,
        const QString& format);

    // Adds what was stored to `result`. False when the import must be
    // rolled back; `result.failureReason` says why.
    [[nodiscard]] bool write(const QList<ImportUnit>& units, ImportResult& result, const Progress& progress);

    // The memo hint: "[→ name]", then one space and the memo when there is one.
    static QString withHint(const QString& accountName, const QString& memo);
    // The account name of a memo that starts with the hint; none otherwise.
    static std::optional<QString> hintedAccount(const QString& memo);
    // The memo without its hint.
    static QString withoutHint(const QString& memo);

private:
    [[nodiscard]] bool writeBatch(const QList<ImportUnit>& batch, ImportResult& result);
    [[nodiscard]] bool store(const QList<ImportUnit>& units);
    [[nodiscard]] bool checkEarlierLegs(const QList<ImportUnit>& batch, ImportResult& result);
    [[nodiscard]] bool completeEarlierLegs(const QList<ImportUnit>& units, ImportResult& result);
    void count(const ImportUnit& unit, ImportResult& result) const;

    Database* m_database;
    TransactionRepository* m_transactions;
    SplitLineRepository* m_splitLines;
    QString m_format;
};
