#include "services/import/importservice.h"

#include "bookkeeping/accountservice.h"
#include "bookkeeping/transactionservice.h"
#include "services/import/csvrowreader.h"
#include "services/import/csvtokenizer.h"
#include "services/import/importwriter.h"
#include "services/import/textdecoder.h"
#include "storage/account.h"
#include "storage/accountrepository.h"
#include "storage/category.h"
#include "storage/categoryrepository.h"
#include "storage/clock.h"
#include "storage/database.h"
#include "storage/identifiers.h"
#include "storage/money.h"
#include "storage/preferencesrepository.h"
#include "storage/statementrepository.h"
#include "storage/storedtime.h"
#include "storage/textlimits.h"
#include "storage/transactionrepository.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDebug>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <utility>

namespace {

constexpr int progressStep = 100;
// The longest time a progress report lets the event loop run.
constexpr int eventProcessingMs = 5;

QString duplicateKey(const QDate& date, qint64 amount, const QString& payee)
{
    return QStringLiteral("%1|%2|%3").arg(dateToText(date)).arg(amount).arg(payee);
}

QString duplicateKey(const Transaction& transaction)
{
    return duplicateKey(transaction.date, transaction.amount, transaction.payee);
}

bool fitsName(const QString& text)
{
    return text.size() <= maxNameLength;
}

bool fitsMemo(const QString& text)
{
    return text.size() <= maxMemoLength;
}

// Takes one stored row with `key` out of `existing`: true when there was one.
bool absorbedByStored(QHash<QString, int>& existing, const QString& key)
{
    const auto found = existing.find(key);
    if (found == existing.end() || found.value() == 0)
        return false;
    --found.value();
    return true;
}

// Every split line needs a category: a share that names a transfer account
// or no category at all is filed under one of these, created when missing.
// Stored data, the same in every interface language.
const QString transferSplitCategory = QStringLiteral("Transfer");
const QString uncategorizedSplitCategory = QStringLiteral("Uncategorized");

QString noHeaderSourceName(const QString& fileName)
{
    return QCoreApplication::translate("ImportService", "%1 (no account header)").arg(fileName);
}

AccountType suggestedType(QifListType listType, const QString& name)
{
    switch (listType) {
    case QifListType::CreditCard: return AccountType::CreditCard;
    case QifListType::Investment: return AccountType::Investment;
    case QifListType::Cash: return AccountType::Cash;
    case QifListType::OtherAsset:
    case QifListType::OtherLiability: return AccountType::Other;
    case QifListType::Bank: break;
    }
    return name.contains(QLatin1String("saving"), Qt::CaseInsensitive) ? AccountType::Savings : AccountType::Checking;
}

QString qifPayee(const QifTransaction& record)
{
    if (!record.payee.isEmpty())
        return record.payee;
    if (!record.checkNumber.isEmpty() && !record.security.isEmpty())
        return QStringLiteral("%1: %2").arg(record.checkNumber, record.security);
    if (!record.security.isEmpty())
        return record.security;
    if (!record.checkNumber.isEmpty())
        return record.checkNumber;
    if (!record.transferAccount.isEmpty())
        return record.transferAccount;
    return QCoreApplication::translate("ImportService", "Imported transaction");
}

QString accountTypeName(AccountType type)
{
    switch (type) {
    case AccountType::Savings: return QCoreApplication::translate("ImportService", "Savings");
    case AccountType::CreditCard: return QCoreApplication::translate("ImportService", "Credit Card");
    case AccountType::Investment: return QCoreApplication::translate("ImportService", "Investment");
    case AccountType::Cash:
    case AccountType::Other:
    case AccountType::Checking: break;
    }
    return QCoreApplication::translate("ImportService", "Checking");
}

bool isKeptCurrency(const QString& code)
{
    return toStoredText(currencyFromText(code)) == code;
}

// "Credit Card …1234", or the type alone when the number has no digits.
QString statementDescription(const OfxStatement& statement)
{
    const QString type = accountTypeName(statement.type);
    return statement.lastFour.isEmpty() ? type : QStringLiteral("%1 \u2026%2").arg(type, statement.lastFour);
}

// The payee of a statement row: its NAME, else its memo (some banks put
// the whole description there), else a placeholder.
QString statementPayee(const OfxRecord& record)
{
    if (!record.name.isEmpty())
        return record.name;
    if (!record.memo.isEmpty())
        return record.memo.left(maxNameLength);
    return QCoreApplication::translate("ImportService", "Imported transaction");
}

} // namespace

struct ImportService::ParsedFile
{
    QString fileName;
    QifParseResult parsed;

    QString sourceName(const QifTransaction& record) const
    {
        return record.sourceAccount.isEmpty() ? noHeaderSourceName(fileName) : record.sourceAccount;
    }
};

struct ImportService::CsvRun
{
    Account account;
    CsvMapping mapping;
    QList<QStringList> rows;
    QList<ImportUnit> units;
};

struct ImportService::OfxRun
{
    // What the run knows of one account it imports into.
    struct Memory
    {
        // Remembered bank ids, with their transactions.
        QHash<QString, QString> remembered;
        // Stored rows no bank id claims, by duplicate key.
        QHash<QString, QStringList> unclaimed;
        // The dates the statements cover for this account.
        QDate from;
        QDate to;
        // The stored rows of those dates, read for the first row without a
        // bank id.
        std::optional<QHash<QString, int>> existing;
        QSet<QString> seenIds;
        QList<StatementRepository::Claim> claims;
    };

    QList<OfxStatement> statements;
    QList<OfxSource> sources;          // one per statement
    QHash<QString, QifTarget> targets; // by OfxSource::key
    QList<std::optional<Account>> accounts; // one per statement
    QHash<QString, Memory> memories;   // by account id
    QList<ImportUnit> units;
};

struct ImportService::QifRun
{
    // A transaction that names another account in brackets.
    struct Leg
    {
        qsizetype unit = 0;
        QString source;          // lower case
        QString transferAccount; // as written
        bool paired = false;
    };

    QList<ParsedFile> files;
    QHash<QString, QifTarget> targets; // by lower-case source name
    QHash<QString, Account> accounts;  // by lower-case source name
    QList<ImportUnit> units;
    QList<Leg> legs;
};

ImportService::ImportService(Database* database, AccountRepository* accounts, TransactionRepository* transactions,
    CategoryRepository* categories, SplitLineRepository* splitLines, PreferencesRepository* preferences,
    AccountService* accountService, TransactionService* transactionService, QObject* parent)
    : QObject(parent)
    , m_database(database)
    , m_accounts(accounts)
    , m_transactions(transactions)
    , m_categories(categories)
    , m_splitLines(splitLines)
    , m_preferences(preferences)
    , m_accountService(accountService)
    , m_transactionService(transactionService)
    , m_statements(new StatementRepository(database, this))
{
}

std::optional<QString> ImportService::readText(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    return TextDecoder::decode(file.readAll());
}

std::optional<CsvPreview> ImportService::previewCsv(const QString& path, std::optional<QChar> separator) const
{
    const std::optional<QString> text = readText(path);
    if (!text)
        return std::nullopt;
    return CsvAnalyzer::preview(*text, separator);
}

QString ImportService::csvMappingKey(const QString& accountId)
{
    return QStringLiteral("import_csv_mapping/") + accountId;
}

std::optional<CsvMapping> ImportService::savedCsvMapping(const QString& accountId)
{
    const std::optional<QString> stored = m_preferences->get(csvMappingKey(accountId));
    if (!stored)
        return std::nullopt;
    return CsvMapping::fromJson(QJsonDocument::fromJson(stored->toUtf8()).object());
}

bool ImportService::saveCsvMapping(const QString& accountId, const CsvMapping& mapping)
{
    const QByteArray json = QJsonDocument(mapping.toJson()).toJson(QJsonDocument::Compact);
    return m_preferences->set(csvMappingKey(accountId), QString::fromUtf8(json));
}

void ImportService::cancel()
{
    m_cancelled = true;
}

ImportResult ImportService::runImport(int total, const std::function<bool(ImportResult&)>& work)
{
    if (m_running)
        return ImportResult::abortedWith(QStringLiteral("another import is running"));
    m_running = true;
    m_cancelled = false;
    m_total = total;
    Q_EMIT importStarted(total);
    ImportResult result;
    if (!m_database->inTransaction([&] { return work(result); })) {
        // A commit that fails loses the work as surely as a rollback.
        const QString reason = m_cancelled ? QStringLiteral("cancelled")
            : result.failureReason.isEmpty() ? Database::failureText(m_database->lastFailure())
                                             : result.failureReason;
        result = ImportResult::abortedWith(reason, m_cancelled);
    }
    Q_EMIT importProgress(total, total);
    m_running = false;
    return result;
}

bool ImportService::reportProgress(int position)
{
    Q_EMIT importProgress(position, m_total);
    QCoreApplication::processEvents(QEventLoop::AllEvents, eventProcessingMs);
    return !m_cancelled;
}

bool ImportService::keepResponsive(int position)
{
    if (position % progressStep != 0)
        return !m_cancelled;
    QCoreApplication::processEvents(QEventLoop::AllEvents, eventProcessingMs);
    return !m_cancelled;
}

QHash<QString, QString> ImportService::liveCategoryIds()
{
    QHash<QString, QString> ids;
    for (const Category& category : m_categories->all()) {
        if (!ids.contains(category.name))
            ids.insert(category.name, category.id);
    }
    return ids;
}

QString ImportService::categoryIdFor(const QString& name, QHash<QString, QString>& categoryIds, CategoryType type)
{
    if (const auto found = categoryIds.constFind(name); found != categoryIds.constEnd())
        return found.value();
    Category category;
    category.id = newId();
    category.name = name;
    category.type = type;
    category.createdAt = category.updatedAt = Clock::nowUtc();
    category.syncStatus = SyncStatus::Pending;
    if (!m_categories->insert(category))
        return QString();
    categoryIds.insert(name, category.id);
    return category.id;
}

QHash<QString, int> ImportService::existingKeys(const QString& accountId, const QDate& from, const QDate& to)
{
    QHash<QString, int> keys;
    for (const TransactionRepository::Fingerprint& stored : m_transactions->fingerprints(accountId, from, to))
        ++keys[duplicateKey(stored.date, stored.amount, stored.payee)];
    return keys;
}

ImportResult ImportService::importCsv(const QString& path, const QString& accountId, const CsvMapping& mapping)
{
    const std::optional<QString> text = readText(path);
    if (!text)
        return {};
    const std::optional<Account> account = m_accounts->byId(accountId);
    if (!account || account->deletedAt)
        return ImportResult::abortedWith(QStringLiteral("the account does not exist"));
    CsvRun run;
    run.account = *account;
    run.mapping = mapping;
    run.rows = CsvTokenizer::rows(*text, mapping.separator).mid(mapping.preambleRows + (mapping.hasHeader ? 1 : 0));
    ImportResult result = runImport(int(run.rows.size()), [&](ImportResult& counted) {
        ImportWriter writer(m_database, m_transactions, m_splitLines, QStringLiteral("CSV"));
        return planCsv(run, counted)
            && writer.write(run.units, counted, [this](int position) { return reportProgress(position); });
    });
    if (result.aborted)
        qWarning().noquote() << "CSV import aborted:" << result.failureReason;
    return result;
}

bool ImportService::planCsv(CsvRun& run, ImportResult& result)
{
    const CsvMapping& mapping = run.mapping;
    QHash<QString, int> existing = existingKeys(run.account.id);
    QHash<QString, QString> categoryIds = liveCategoryIds();
    for (qsizetype i = 0; i < run.rows.size(); ++i) {
        if (!keepResponsive(int(i + 1)))
            return false;
        const std::optional<CsvRow> row = CsvRowReader::read(run.rows.at(i), mapping, run.account.currency);
        if (!row) {
            ++result.unparseable;
            continue;
        }
        Transaction transaction = Transaction::newPending(run.account.id, row->date, row->payee, row->amount);
        if (absorbedByStored(existing, duplicateKey(transaction))) {
            ++result.duplicates;
            continue;
        }
        transaction.memo = row->memo;
        if (!row->category.isEmpty()) {
            transaction.categoryId = categoryIdFor(row->category, categoryIds);
            if (transaction.categoryId.isEmpty()) {
                result.failureReason = QStringLiteral("a category could not be created");
                return false;
            }
        }
        ImportUnit unit;
        unit.transactions.append(transaction);
        unit.position = int(i + 1);
        run.units.append(unit);
    }
    return true;
}

QList<ImportService::ParsedFile> ImportService::parseQifFiles(const QStringList& paths) const
{
    QList<ParsedFile> files;
    for (const QString& path : paths) {
        const std::optional<QString> text = readText(path);
        if (text)
            files.append({QFileInfo(path).fileName(), QifParser::parse(*text)});
    }
    return files;
}

QList<QifSource> ImportService::analyzeQif(const QStringList& paths)
{
    QHash<QString, QString> liveAccountIds;
    for (const Account& account : m_accounts->all())
        liveAccountIds.insert(account.name.toLower(), account.id);
    QList<QifSource> sources;
    QHash<QString, qsizetype> indexByName;
    for (const ParsedFile& file : parseQifFiles(paths)) {
        for (const QifTransaction& record : file.parsed.transactions) {
            const QString name = file.sourceName(record);
            const QString key = name.toLower();
            if (const auto found = indexByName.constFind(key); found != indexByName.constEnd()) {
                ++sources[found.value()].transactionCount;
                continue;
            }
            QifSource source;
            source.name = name;
            source.newAccountName = record.sourceAccount.isEmpty() ? QFileInfo(file.fileName).completeBaseName() : name;
            source.listType = record.listType;
            source.suggestedType = suggestedType(record.listType, name);
            source.matchingAccountId = liveAccountIds.value(key);
            source.transactionCount = 1;
            indexByName.insert(key, sources.size());
            sources.append(source);
        }
    }
    return sources;
}

ImportResult ImportService::importQif(const QStringList& paths, const QHash<QString, QifTarget>& targets)
{
    QifRun run;
    run.files = parseQifFiles(paths);
    for (auto target = targets.cbegin(); target != targets.cend(); ++target)
        run.targets.insert(target.key().toLower(), target.value());
    int total = 0;
    for (const ParsedFile& file : run.files)
        total += int(file.parsed.transactions.size());
    ImportResult result = runImport(total, [&](ImportResult& counted) {
        for (const ParsedFile& file : run.files) {
            counted.unparseable += file.parsed.unparseable;
            counted.metadata += file.parsed.metadata;
        }
        ImportWriter writer(m_database, m_transactions, m_splitLines, QStringLiteral("QIF"));
        return resolveTargets(run, counted) && planQif(run, counted)
            && writer.write(run.units, counted, [this](int position) { return reportProgress(position); });
    });
    if (result.aborted)
        qWarning().noquote() << "QIF import aborted:" << result.failureReason;
    return result;
}

bool ImportService::resolveTargets(QifRun& run, ImportResult& result)
{
    QHash<QString, Account> created;
    for (auto target = run.targets.cbegin(); target != run.targets.cend(); ++target) {
        const QifTarget& choice = target.value();
        QString accountId = choice.accountId;
        if (choice.kind == QifTarget::Kind::Skip)
            continue;
        if (choice.kind == QifTarget::Kind::Create) {
            const QString nameKey = choice.newAccountName.trimmed().toLower();
            if (created.contains(nameKey)) {
                run.accounts.insert(target.key(), created.value(nameKey));
                continue;
            }
            Account entered;
            entered.name = choice.newAccountName.trimmed();
            entered.type = choice.newAccountType;
            entered.currency = choice.newAccountCurrency;
            const WriteOutcome outcome = m_accountService->create(entered, Clock::today());
            if (!outcome.ok()) {
                // As when the screen cannot create it: its records stay out.
                qWarning().noquote() << "QIF import: account" << entered.name << "not created:" << outcome.message;
                continue;
            }
            accountId = outcome.id;
            result.createdAccountIds.append(accountId);
        }
        const std::optional<Account> account = m_accounts->byId(accountId);
        if (!account || account->deletedAt)
            continue;
        run.accounts.insert(target.key(), *account);
        if (choice.kind == QifTarget::Kind::Create)
            created.insert(choice.newAccountName.trimmed().toLower(), *account);
    }
    return true;
}

bool ImportService::planQif(QifRun& run, ImportResult& result)
{
    QHash<QString, QHash<QString, int>> existingByAccount;
    QHash<QString, QString> categoryIds = liveCategoryIds();
    int position = 0;
    for (const ParsedFile& file : run.files) {
        for (const QifTransaction& record : file.parsed.transactions) {
            if (!keepResponsive(++position))
                return false;
            const QString source = file.sourceName(record).toLower();
            const auto target = run.accounts.constFind(source);
            if (target == run.accounts.constEnd()) {
                ++result.unmappedSourceAccount;
                continue;
            }
            const Account& account = target.value();
            const std::optional<qint64> amount = record.amount.toMinorUnits(account.currency);
            const QString payee = qifPayee(record);
            QList<qint64> splitAmounts;
            bool readable = amount && fitsName(payee) && fitsMemo(record.memo) && fitsName(record.checkNumber)
                && fitsName(record.category);
            for (const QifSplit& split : record.splits) {
                const std::optional<qint64> splitAmount = split.amount.whole.isEmpty() && split.amount.fraction.isEmpty()
                    ? std::optional<qint64>(0)
                    : split.amount.toMinorUnits(account.currency);
                readable = readable && splitAmount && fitsName(split.category)
                    && fitsMemo(split.transferAccount.isEmpty() ? split.memo : ImportWriter::withHint(split.transferAccount, split.memo));
                splitAmounts.append(splitAmount.value_or(0));
            }
            if (!readable) {
                ++result.unparseable;
                continue;
            }
            Transaction transaction = Transaction::newPending(account.id, record.date, payee, *amount);
            if (!existingByAccount.contains(account.id))
                existingByAccount.insert(account.id, existingKeys(account.id));
            if (absorbedByStored(existingByAccount[account.id], duplicateKey(transaction))) {
                ++result.duplicates;
                continue;
            }
            transaction.memo = record.memo;
            transaction.checkNumber = record.checkNumber;
            transaction.cleared = record.cleared;
            transaction.reconciled = record.reconciled;
            transaction.isSplit = !record.splits.isEmpty();
            ImportUnit unit;
            unit.position = position;
            const auto categoryOf = [&](const QString& name) {
                return name.isEmpty() ? QString() : categoryIdFor(name, categoryIds);
            };
            transaction.categoryId = categoryOf(record.category);
            bool categorised = record.category.isEmpty() || !transaction.categoryId.isEmpty();
            for (qsizetype i = 0; i < record.splits.size(); ++i) {
                const QifSplit& split = record.splits.at(i);
                SplitLine line;
                line.id = newId();
                line.transactionId = transaction.id;
                if (!split.category.isEmpty())
                    line.categoryId = categoryOf(split.category);
                else if (!split.transferAccount.isEmpty())
                    line.categoryId = categoryIdFor(transferSplitCategory, categoryIds, CategoryType::Transfer);
                else
                    line.categoryId = categoryOf(uncategorizedSplitCategory);
                categorised = categorised && !line.categoryId.isEmpty();
                line.amount = splitAmounts.at(i);
                line.memo = split.transferAccount.isEmpty() ? split.memo : ImportWriter::withHint(split.transferAccount, split.memo);
                line.createdAt = line.updatedAt = transaction.createdAt;
                unit.splitLines.append(line);
            }
            if (!categorised) {
                result.failureReason = QStringLiteral("a category could not be created");
                return false;
            }
            if (!record.transferAccount.isEmpty() && record.transferAccount.toLower() != source)
                run.legs.append({run.units.size(), source, record.transferAccount, false});
            unit.transactions.append(transaction);
            run.units.append(unit);
        }
    }
    pairLegs(run);
    linkEarlierLegs(run);
    run.units.removeIf([](const ImportUnit& unit) { return unit.transactions.isEmpty(); });
    return true;
}

void ImportService::pairLegs(QifRun& run)
{
    // Waiting legs by date, amount, their own source and the account they name.
    QHash<QString, QList<qsizetype>> waiting;
    const auto legKey = [](const Transaction& t, qint64 amount, const QString& from, const QString& to) {
        return QStringLiteral("%1|%2|%3|%4").arg(dateToText(t.date)).arg(amount).arg(from, to);
    };
    for (qsizetype i = 0; i < run.legs.size(); ++i) {
        QifRun::Leg& leg = run.legs[i];
        const QString named = leg.transferAccount.toLower();
        const auto other = run.accounts.constFind(named);
        Transaction& transaction = run.units[leg.unit].transactions.first();
        if (other == run.accounts.constEnd() || other->id == transaction.accountId
            || !m_transactionService->checkTransfer(transaction.accountId, other->id).ok())
            continue;
        QList<qsizetype>& partners = waiting[legKey(transaction, -transaction.amount, named, leg.source)];
        if (partners.isEmpty()) {
            waiting[legKey(transaction, transaction.amount, leg.source, named)].append(i);
            continue;
        }
        QifRun::Leg& partnerLeg = run.legs[partners.takeFirst()];
        ImportUnit& partnerUnit = run.units[partnerLeg.unit];
        Transaction& partner = partnerUnit.transactions.first();
        transaction.transferLinkId = partner.id;
        transaction.transferDestAccountId = partner.accountId;
        partner.transferLinkId = transaction.id;
        partner.transferDestAccountId = transaction.accountId;
        // Both legs are stored together, where the second one stands.
        ImportUnit& unit = run.units[leg.unit];
        partnerUnit.transactions.append(unit.transactions.takeFirst());
        partnerUnit.splitLines.append(unit.splitLines);
        unit.splitLines.clear();
        partnerUnit.position = unit.position;
        leg.paired = partnerLeg.paired = true;
    }
}

void ImportService::linkEarlierLegs(QifRun& run)
{
    QHash<QString, QList<Transaction>> hintedByAccount;
    QSet<QString> taken;
    const QList<Account> liveAccounts = m_accounts->all();
    for (const QifRun::Leg& leg : std::as_const(run.legs)) {
        if (leg.paired)
            continue;
        ImportUnit& unit = run.units[leg.unit];
        Transaction& transaction = unit.transactions.first();
        const QString named = leg.transferAccount.toLower();
        const QString ownName = m_accounts->byId(transaction.accountId).value_or(Account()).name.toLower();
        QStringList candidateAccounts;
        if (const auto mapped = run.accounts.constFind(named); mapped != run.accounts.constEnd())
            candidateAccounts.append(mapped->id);
        for (const Account& account : liveAccounts) {
            if (account.name.toLower() == named && !candidateAccounts.contains(account.id))
                candidateAccounts.append(account.id);
        }
        std::optional<Transaction> chosen;
        for (const QString& accountId : std::as_const(candidateAccounts)) {
            if (accountId == transaction.accountId || !m_transactionService->checkTransfer(transaction.accountId, accountId).ok())
                continue;
            if (!hintedByAccount.contains(accountId)) {
                QList<Transaction> hinted = m_transactions->byAccount(accountId);
                hinted.removeIf([](const Transaction& t) {
                    return !t.transferLinkId.isEmpty() || !ImportWriter::hintedAccount(t.memo);
                });
                hintedByAccount.insert(accountId, hinted);
            }
            for (const Transaction& earlier : hintedByAccount.value(accountId)) {
                const QString hinted = ImportWriter::hintedAccount(earlier.memo)->toLower();
                const bool matches = earlier.date == transaction.date && earlier.amount == -transaction.amount
                    && (hinted == leg.source || hinted == ownName) && !taken.contains(earlier.id);
                // The one stored first, when several match.
                if (matches && (!chosen || earlier.createdAt < chosen->createdAt))
                    chosen = earlier;
            }
        }
        if (chosen) {
            taken.insert(chosen->id);
            transaction.transferLinkId = chosen->id;
            transaction.transferDestAccountId = chosen->accountId;
            unit.earlierLeg = EarlierLeg{chosen->id, transaction.id, transaction.accountId};
        } else if (const QString hinted = ImportWriter::withHint(leg.transferAccount, transaction.memo); fitsMemo(hinted)) {
            // A later import of the other account completes the transfer.
            transaction.memo = hinted;
        }
    }
}

QString ImportService::statementAccountHash(const QString& accountKey)
{
    const QByteArray keyed = "kestrelwood statement account\n" + accountKey.simplified().toUtf8();
    return QString::fromLatin1(QCryptographicHash::hash(keyed, QCryptographicHash::Sha256).toHex());
}

std::optional<QList<OfxSource>> ImportService::analyzeOfx(const QString& path)
{
    const QList<OfxStatement> statements = OfxParser::parse(path);
    if (statements.isEmpty())
        return std::nullopt;
    return ofxSources(statements, QFileInfo(path).fileName());
}

QList<OfxSource> ImportService::ofxSources(const QList<OfxStatement>& statements, const QString& fileName)
{
    const QList<Account> live = m_accounts->all();
    QSet<QString> takenNames;
    for (const Account& account : live)
        takenNames.insert(account.name.toLower());
    QList<OfxSource> sources;
    for (const OfxStatement& statement : statements) {
        OfxSource source;
        source.key = statementAccountHash(statement.accountKey);
        source.description = statementDescription(statement);
        source.institution = statement.bankId;
        source.lastFour = statement.lastFour;
        source.suggestedType = statement.type;
        source.currency = statement.currency;
        source.transactionCount = int(statement.records.size());
        // A statement without a bank names its account after the file.
        const QString base = QStringList{statement.bankId.isEmpty() ? QFileInfo(fileName).completeBaseName() : statement.bankId,
            statement.lastFour}.join(QLatin1Char(' ')).trimmed().left(maxNameLength - 5);
        source.newAccountName = base;
        for (int n = 2; takenNames.contains(source.newAccountName.toLower()); ++n)
            source.newAccountName = QStringLiteral("%1 (%2)").arg(base).arg(n);
        takenNames.insert(source.newAccountName.toLower());
        source.matchingAccountId = m_statements->mappedAccount(source.key).value_or(QString());
        if (source.matchingAccountId.isEmpty() && !statement.lastFour.isEmpty()) {
            QStringList sameDigits;
            for (const Account& account : live) {
                if (account.type == statement.type && account.accountNumberLast4 == statement.lastFour)
                    sameDigits.append(account.id);
            }
            if (sameDigits.size() == 1)
                source.matchingAccountId = sameDigits.constFirst();
        }
        sources.append(source);
    }
    return sources;
}

ImportResult ImportService::importOfx(const QString& path, const QHash<QString, QifTarget>& targets)
{
    OfxRun run;
    run.statements = OfxParser::parse(path);
    if (run.statements.isEmpty()) {
        return ImportResult::refusedWith(
            tr("%1 is not an OFX or QFX bank statement. Nothing was imported.").arg(QFileInfo(path).fileName()));
    }
    run.sources = ofxSources(run.statements, QFileInfo(path).fileName());
    run.targets = targets;
    if (const QString refusal = ofxRefusal(run); !refusal.isEmpty())
        return ImportResult::refusedWith(refusal);
    int total = 0;
    for (const OfxStatement& statement : std::as_const(run.statements))
        total += int(statement.records.size());
    ImportResult result = runImport(total, [&](ImportResult& counted) {
        ImportWriter writer(m_database, m_transactions, m_splitLines, QStringLiteral("OFX"));
        return resolveOfxTargets(run, counted) && planOfx(run, counted)
            && writer.write(run.units, counted, [this](int position) { return reportProgress(position); })
            && rememberStatements(run);
    });
    if (result.aborted)
        qWarning().noquote() << "OFX import aborted:" << result.failureReason;
    return result;
}

// Amounts are read in their account's currency, so a statement in another
// one would store wrong sums: the whole file is refused before anything is
// written.
QString ImportService::ofxRefusal(const OfxRun& run)
{
    for (qsizetype i = 0; i < run.statements.size(); ++i) {
        const OfxSource& source = run.sources.at(i);
        const QifTarget target = run.targets.value(source.key);
        if (source.currency.isEmpty() || run.statements.at(i).records.isEmpty())
            continue;
        if (target.kind == QifTarget::Kind::Create && !isKeptCurrency(source.currency)) {
            return tr("The statement of %1 is in %2, a currency the register does not keep. Nothing was imported.")
                .arg(source.description, source.currency);
        }
        if (target.kind != QifTarget::Kind::Existing)
            continue;
        const std::optional<Account> account = m_accounts->byId(target.accountId);
        if (account && !account->deletedAt && toStoredText(account->currency) != source.currency) {
            return tr("The statement of %1 is in %2, but the account \"%3\" is kept in %4. Nothing was imported.")
                .arg(source.description, source.currency, account->name, toStoredText(account->currency));
        }
    }
    return QString();
}

bool ImportService::resolveOfxTargets(OfxRun& run, ImportResult& result)
{
    const QList<Account> live = m_accounts->all();
    // Without a currency in the statement, a new account takes that of the accounts already kept.
    const Currency usual = live.isEmpty() ? Currency::USD : live.constFirst().currency;
    for (qsizetype i = 0; i < run.statements.size(); ++i) {
        const OfxSource& source = run.sources.at(i);
        const QifTarget target = run.targets.value(source.key);
        const int records = int(run.statements.at(i).records.size());
        std::optional<Account> account;
        if (target.kind == QifTarget::Kind::Existing)
            account = m_accounts->byId(target.accountId);
        // An empty statement makes no account.
        if (target.kind == QifTarget::Kind::Create && records > 0) {
            Account entered;
            entered.name = target.newAccountName.isEmpty() ? source.newAccountName : target.newAccountName.trimmed();
            entered.type = target.newAccountType;
            entered.currency = source.currency.isEmpty() ? usual : currencyFromText(source.currency);
            entered.institution = source.institution;
            entered.accountNumberLast4 = source.lastFour;
            const WriteOutcome outcome = m_accountService->create(entered, Clock::today());
            if (outcome.ok()) {
                result.createdAccountIds.append(outcome.id);
                account = m_accounts->byId(outcome.id);
            } else {
                qWarning().noquote() << "OFX import: account" << entered.name << "not created:" << outcome.message;
            }
        }
        if (account && account->deletedAt)
            account.reset();
        if (!account)
            result.unmappedSourceAccount += records;
        run.accounts.append(account);
    }
    return true;
}

bool ImportService::planOfx(OfxRun& run, ImportResult& result)
{
    rememberOfxAccounts(run);
    // Most banks give every row an id; the stored rows' keys are read only
    // for a row without one.
    const auto storedKeys = [this](const QString& accountId, OfxRun::Memory& memory) -> QHash<QString, int>& {
        if (!memory.existing)
            memory.existing = existingKeys(accountId, memory.from, memory.to);
        return *memory.existing;
    };
    int position = 0;
    for (qsizetype i = 0; i < run.statements.size(); ++i) {
        const std::optional<Account>& account = run.accounts.at(i);
        const QList<OfxRecord>& records = run.statements.at(i).records;
        if (!account) {
            position += int(records.size());
            continue;
        }
        OfxRun::Memory& memory = run.memories[account->id];
        for (const OfxRecord& record : records) {
            if (!keepResponsive(++position))
                return false;
            const std::optional<qint64> amount =
                record.amount ? fromMajorUnits(*record.amount, account->currency) : std::nullopt;
            // libofx reads an amount that is no number as 0, and a row that
            // moves no money has no place in a register either.
            if (!record.date.isValid() || !amount || *amount == 0) {
                ++result.unparseable;
                continue;
            }
            Transaction transaction = Transaction::newPending(account->id, record.date, statementPayee(record), *amount);
            const QString key = duplicateKey(transaction);
            if (!record.fitid.isEmpty()) {
                if (memory.remembered.contains(record.fitid) || memory.seenIds.contains(record.fitid)) {
                    ++result.duplicates;
                    continue;
                }
                memory.seenIds.insert(record.fitid);
                // A row synchronised or restored here, or typed by hand,
                // is the same row: it is claimed instead of repeated.
                if (QStringList& same = memory.unclaimed[key]; !same.isEmpty()) {
                    memory.claims.append({record.fitid, same.takeLast()});
                    ++result.duplicates;
                    continue;
                }
                memory.claims.append({record.fitid, transaction.id});
            } else if (absorbedByStored(storedKeys(account->id, memory), key)) {
                ++result.duplicates;
                continue;
            }
            transaction.memo = record.memo == transaction.payee ? QString() : record.memo;
            transaction.checkNumber = record.checkNumber;
            // The bank has posted it.
            transaction.cleared = true;
            ImportUnit unit;
            unit.transactions.append(transaction);
            unit.position = position;
            run.units.append(unit);
        }
    }
    return true;
}

// What each target account already holds that a statement row may meet:
// its remembered bank ids, and its rows no id claims yet within the dates
// the statements cover (a row's date is part of what makes it the same).
void ImportService::rememberOfxAccounts(OfxRun& run)
{
    for (qsizetype i = 0; i < run.statements.size(); ++i) {
        const std::optional<Account>& account = run.accounts.at(i);
        if (!account)
            continue;
        OfxRun::Memory& memory = run.memories[account->id];
        for (const OfxRecord& record : run.statements.at(i).records) {
            if (!record.date.isValid())
                continue;
            memory.from = memory.from.isValid() ? std::min(memory.from, record.date) : record.date;
            memory.to = memory.to.isValid() ? std::max(memory.to, record.date) : record.date;
        }
    }
    for (auto entry = run.memories.begin(); entry != run.memories.end(); ++entry) {
        OfxRun::Memory& memory = entry.value();
        memory.remembered = m_statements->rememberedIds(entry.key());
        if (!memory.from.isValid())
            continue;
        for (const StatementRepository::UnclaimedRow& row : m_statements->unclaimedRows(entry.key(), memory.from, memory.to))
            memory.unclaimed[duplicateKey(row.date, row.amount, row.payee)].append(row.id);
    }
}

bool ImportService::rememberStatements(const OfxRun& run)
{
    for (auto memory = run.memories.cbegin(); memory != run.memories.cend(); ++memory) {
        if (!m_statements->remember(memory.key(), memory.value().claims))
            return false;
    }
    for (qsizetype i = 0; i < run.statements.size(); ++i) {
        const std::optional<Account>& account = run.accounts.at(i);
        if (account && !m_statements->rememberAccount(run.sources.at(i).key, account->id))
            return false;
    }
    return true;
}
