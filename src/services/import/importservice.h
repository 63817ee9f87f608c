#pragma once

#include "services/import/csvanalyzer.h"
#include "services/import/csvmapping.h"
#include "services/import/importresult.h"
#include "services/import/ofxparser.h"
#include "services/import/qifparser.h"
#include "storage/enums.h"

#include <QHash>
#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>
#include <optional>

class AccountRepository;
class AccountService;
class CategoryRepository;
class Database;
class PreferencesRepository;
class SplitLineRepository;
class StatementRepository;
class TransactionRepository;
class TransactionService;

// An account found in QIF files, for the row of the mapping screen that
// says where its transactions go.
struct QifSource
{
    // The key of the mapping: the "!Account" name, or "%1 (no account
    // header)" with the file name for transactions above any header.
    QString name;
    // The name a new account for it would get.
    QString newAccountName;
    QifListType listType = QifListType::Bank;
    AccountType suggestedType = AccountType::Checking;
    // A live account of the same name (in any case), when there is one.
    QString matchingAccountId;
    int transactionCount = 0;
};

// An account of an OFX or QFX statement, for the row of the mapping screen
// that says where its transactions go.
struct OfxSource
{
    // The key of the mapping: a hash of the bank's id of the account.
    QString key;
    // "Checking …6789": the account as its owner knows it.
    QString description;
    // The name a new account for it would get: the bank and the last digits.
    QString newAccountName;
    QString institution;
    QString lastFour;
    AccountType suggestedType = AccountType::Checking;
    // ISO 4217 code; empty when the statement names none.
    QString currency;
    // The account it was imported into before, else the one live account
    // of its type whose number ends in the same four digits.
    QString matchingAccountId;
    int transactionCount = 0;
};

// Where the transactions of one QIF source account (or one OFX statement
// account) go.
struct QifTarget
{
    enum class Kind {
        Skip,
        Existing,
        Create,
    };

    Kind kind = Kind::Skip;
    QString accountId;        // Existing
    QString newAccountName;   // Create
    AccountType newAccountType = AccountType::Checking;
    Currency newAccountCurrency = Currency::USD;

    static QifTarget skip() { return {}; }
    static QifTarget existing(const QString& accountId) { return {Kind::Existing, accountId, {}, {}, {}}; }
    static QifTarget create(const QString& name, AccountType type, Currency currency = Currency::USD)
    {
        return {Kind::Create, {}, name, type, currency};
    }
};

// Brings bank files into the register: CSV into one account with a column
// mapping, QIF from several files into the accounts each source account is
// mapped to, with transfers between them linked. Every import is one
// database transaction: all of it is stored, or nothing. Change signals of
// the repositories come once, after the commit.
//
// A screen calls previewCsv (or analyzeQif) when a file is chosen, shows
// the proposal (savedCsvMapping first, when the account has one), then
// importCsv (or importQif) behind a progress dialog fed by importStarted and
// importProgress, whose Cancel calls cancel(). A command line calls the same
// without a window.
class ImportService : public QObject
{
    Q_OBJECT

public:
    ImportService(Database* database, AccountRepository* accounts, TransactionRepository* transactions,
        CategoryRepository* categories, SplitLineRepository* splitLines, PreferencesRepository* preferences,
        AccountService* accountService, TransactionService* transactionService, QObject* parent = nullptr);

    // The decoded text of a bank file; none when it cannot be read.
    static std::optional<QString> readText(const QString& path);

    // The rows of the file and the mapping proposed for them; none when the
    // file cannot be read. `separator` overrides the detected one.
    std::optional<CsvPreview> previewCsv(const QString& path, std::optional<QChar> separator = std::nullopt) const;
    // The mapping last used for `accountId`, when one was saved.
    std::optional<CsvMapping> savedCsvMapping(const QString& accountId);
    [[nodiscard]] bool saveCsvMapping(const QString& accountId, const CsvMapping& mapping);
    // Imports the rows of a delimited file into `accountId`. A file that
    // cannot be read gives an empty result and changes nothing.
    ImportResult importCsv(const QString& path, const QString& accountId, const CsvMapping& mapping);

    // The source accounts of the files, names merged without case, in order
    // of first appearance.
    QList<QifSource> analyzeQif(const QStringList& paths);
    // Imports the files; `targets` says, by source name (any case), where
    // each source account goes. Sources without a target are skipped.
    ImportResult importQif(const QStringList& paths, const QHash<QString, QifTarget>& targets);

    // The accounts of an OFX or QFX statement file, in the file's order;
    // none when the file is not such a statement.
    std::optional<QList<OfxSource>> analyzeOfx(const QString& path);
    // Imports the statements of the file; `targets` says, by OfxSource::key,
    // where each goes (a new account takes the statement's currency). A row
    // whose bank id (FITID) the account has seen before is a duplicate, as is
    // one without an id that matches a stored row by date, amount and payee.
    // A statement in another currency than its account, or a file that is no
    // statement, is refused and nothing is stored.
    ImportResult importOfx(const QString& path, const QHash<QString, QifTarget>& targets);
    // The mapping key of a statement account: no one can read the account
    // number back from it.
    static QString statementAccountHash(const QString& accountKey);

    // The key under which the mapping of an account is kept.
    static QString csvMappingKey(const QString& accountId);

public Q_SLOTS:
    // Stops the running import at its next progress report and rolls it back.
    void cancel();

Q_SIGNALS:
    void importStarted(int totalRecords);
    void importProgress(int currentRecord, int totalRecords);

private:
    struct ParsedFile;
    struct QifRun;
    struct CsvRun;
    struct OfxRun;

    QList<ParsedFile> parseQifFiles(const QStringList& paths) const;
    // Runs `work` as the import's one database transaction, with the
    // progress reports and the rollback on abort or a failed commit.
    ImportResult runImport(int total, const std::function<bool(ImportResult&)>& work);
    // Reports progress and lets the window paint; false once cancelled.
    bool reportProgress(int position);
    bool keepResponsive(int position);

    bool planCsv(CsvRun& run, ImportResult& result);
    bool planQif(QifRun& run, ImportResult& result);
    bool resolveTargets(QifRun& run, ImportResult& result);
    QList<OfxSource> ofxSources(const QList<OfxStatement>& statements, const QString& fileName);
    QString ofxRefusal(const OfxRun& run);
    bool resolveOfxTargets(OfxRun& run, ImportResult& result);
    bool planOfx(OfxRun& run, ImportResult& result);
    void rememberOfxAccounts(OfxRun& run);
    bool rememberStatements(const OfxRun& run);
    void pairLegs(QifRun& run);
    void linkEarlierLegs(QifRun& run);
    // The id of the live category `name`, created with `type` when there
    // is none; empty when it cannot be created.
    QString categoryIdFor(const QString& name, QHash<QString, QString>& categoryIds,
        CategoryType type = CategoryType::Expense);
    QHash<QString, QString> liveCategoryIds();
    // The duplicate keys of the account's live rows, with valid dates only
    // of those dated from `from` to `to`.
    QHash<QString, int> existingKeys(const QString& accountId, const QDate& from = {}, const QDate& to = {});

    Database* m_database;
    AccountRepository* m_accounts;
    TransactionRepository* m_transactions;
    CategoryRepository* m_categories;
    SplitLineRepository* m_splitLines;
    PreferencesRepository* m_preferences;
    AccountService* m_accountService;
    TransactionService* m_transactionService;
    StatementRepository* m_statements;
    int m_total = 0;
    bool m_running = false;
    bool m_cancelled = false;
};
