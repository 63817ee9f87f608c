#include "services/import/importwriter.h"

#include "storage/clock.h"
#include "storage/database.h"
#include "storage/splitlinerepository.h"
#include "storage/transactionrepository.h"

#include <QDebug>

namespace {

constexpr int recordsPerBatch = 100;
const QString hintStart = QStringLiteral("[\u2192 ");

int records(const ImportUnit& unit)
{
    return int(unit.transactions.size());
}

} // namespace

ImportWriter::ImportWriter(Database* database, TransactionRepository* transactions, SplitLineRepository* splitLines,
    const QString& format)
    : m_database(database)
    , m_transactions(transactions)
    , m_splitLines(splitLines)
    , m_format(format)
{
}

bool ImportWriter::write(const QList<ImportUnit>& units, ImportResult& result, const Progress& progress)
{
    QList<ImportUnit> batch;
    int batchRecords = 0;
    int reported = 0;
    for (qsizetype i = 0; i < units.size(); ++i) {
        batch.append(units.at(i));
        batchRecords += records(units.at(i));
        const bool last = i + 1 == units.size();
        if (batchRecords < recordsPerBatch && !last)
            continue;
        if (!writeBatch(batch, result))
            return false;
        batch.clear();
        batchRecords = 0;
        const int position = units.at(i).position;
        if (position / recordsPerBatch > reported / recordsPerBatch && !progress(position - position % recordsPerBatch)) {
            result.failureReason = QStringLiteral("cancelled");
            return false;
        }
        reported = position;
    }
    return true;
}

bool ImportWriter::writeBatch(const QList<ImportUnit>& batch, ImportResult& result)
{
    if (!checkEarlierLegs(batch, result))
        return false;
    if (m_database->inTransaction([&] { return store(batch); })) {
        for (const ImportUnit& unit : batch)
            count(unit, result);
        return completeEarlierLegs(batch, result);
    }
    // Piece by piece, so only the pieces that cannot be stored are lost.
    QList<ImportUnit> stored;
    for (const ImportUnit& unit : batch) {
        if (m_database->inTransaction([&] { return store({unit}); })) {
            count(unit, result);
            stored.append(unit);
            continue;
        }
        result.databaseErrors += records(unit);
        for (const Transaction& transaction : unit.transactions)
            qWarning().noquote() << m_format + QStringLiteral(" import: insert failed for") << transaction.payee << "amount" << transaction.amount
                                 << "account" << transaction.accountId;
    }
    return completeEarlierLegs(stored, result);
}

bool ImportWriter::store(const QList<ImportUnit>& units)
{
    QList<Transaction> transactions;
    for (const ImportUnit& unit : units)
        transactions.append(unit.transactions);
    if (!m_transactions->insertAll(transactions))
        return false;
    for (const ImportUnit& unit : units) {
        for (const SplitLine& line : unit.splitLines) {
            if (!m_splitLines->insert(line))
                return false;
        }
    }
    return true;
}

// An earlier row chosen as a partner must still be what it was when it was
// chosen: live, unlinked and carrying its hint.
bool ImportWriter::checkEarlierLegs(const QList<ImportUnit>& batch, ImportResult& result)
{
    for (const ImportUnit& unit : batch) {
        if (!unit.earlierLeg)
            continue;
        const std::optional<Transaction> earlier = m_transactions->byId(unit.earlierLeg->id);
        if (!earlier || earlier->deletedAt || !earlier->transferLinkId.isEmpty() || !hintedAccount(earlier->memo)) {
            result.failureReason = QStringLiteral("retroactive candidate lost its hint");
            return false;
        }
    }
    return true;
}

bool ImportWriter::completeEarlierLegs(const QList<ImportUnit>& units, ImportResult& result)
{
    for (const ImportUnit& unit : units) {
        if (!unit.earlierLeg)
            continue;
        std::optional<Transaction> earlier = m_transactions->byId(unit.earlierLeg->id);
        if (!earlier) {
            result.failureReason = QStringLiteral("retroactive candidate lost its hint");
            return false;
        }
        earlier->memo = withoutHint(earlier->memo);
        earlier->transferLinkId = unit.earlierLeg->partnerId;
        earlier->transferDestAccountId = unit.earlierLeg->partnerAccountId;
        earlier->version += 1;
        earlier->syncStatus = SyncStatus::Pending;
        earlier->updatedAt = Clock::nowUtc();
        if (!m_transactions->update(*earlier)) {
            result.failureReason = QStringLiteral("failed to update retroactive partner");
            return false;
        }
        ++result.transfersLinked;
        ++result.linkedToEarlierImports;
    }
    return true;
}

void ImportWriter::count(const ImportUnit& unit, ImportResult& result) const
{
    result.imported += records(unit);
    if (unit.transactions.size() == 2)
        ++result.transfersLinked;
}

QString ImportWriter::withHint(const QString& accountName, const QString& memo)
{
    const QString hint = hintStart + accountName + QLatin1Char(']');
    return memo.isEmpty() ? hint : hint + QLatin1Char(' ') + memo;
}

std::optional<QString> ImportWriter::hintedAccount(const QString& memo)
{
    if (!memo.startsWith(hintStart))
        return std::nullopt;
    const qsizetype close = memo.indexOf(QLatin1Char(']'), hintStart.size());
    if (close < 0)
        return std::nullopt;
    return memo.mid(hintStart.size(), close - hintStart.size());
}

QString ImportWriter::withoutHint(const QString& memo)
{
    const qsizetype close = memo.indexOf(QLatin1Char(']'), hintStart.size());
    if (!memo.startsWith(hintStart) || close < 0)
        return memo;
    const QString rest = memo.mid(close + 1);
    return rest.startsWith(QLatin1Char(' ')) ? rest.mid(1) : rest;
}
