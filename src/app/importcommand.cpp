#include "app/importcommand.h"

#include "app/commandline.h"
#include "app/exclusivedatafile.h"
#include "bookkeeping/accountservice.h"
#include "bookkeeping/transactionservice.h"
#include "services/import/importservice.h"
#include "storage/accountrepository.h"
#include "storage/categoryrepository.h"
#include "storage/preferencesrepository.h"
#include "storage/reconciliationrepository.h"
#include "storage/recurringrepository.h"
#include "storage/splitlinerepository.h"
#include "storage/transactionrepository.h"

#include <QFileInfo>

namespace {

// The repositories and services an import writes through, on an open data file.
struct Books
{
    explicit Books(Database* database)
        : accounts(database)
        , transactions(database)
        , categories(database)
        , splitLines(database)
        , preferences(database)
        , recurring(database)
        , reconciliations(database)
        , transactionService(database, &accounts, &transactions)
        , accountService(database, &accounts, &transactions, &recurring, &reconciliations)
        , service(database, &accounts, &transactions, &categories, &splitLines, &preferences, &accountService,
              &transactionService)
    {
    }

    AccountRepository accounts;
    TransactionRepository transactions;
    CategoryRepository categories;
    SplitLineRepository splitLines;
    PreferencesRepository preferences;
    RecurringRepository recurring;
    ReconciliationRepository reconciliations;
    TransactionService transactionService;
    AccountService accountService;
    ImportService service;
};

bool hasSuffix(const QString& path, const char* suffix)
{
    return QFileInfo(path).suffix().compare(QLatin1String(suffix), Qt::CaseInsensitive) == 0;
}

bool isQif(const QString& path)
{
    return hasSuffix(path, "qif");
}

bool isStatement(const QString& path)
{
    return hasSuffix(path, "ofx") || hasSuffix(path, "qfx");
}

std::optional<Account> accountNamed(AccountRepository& accounts, const QString& name)
{
    for (const Account& account : accounts.all()) {
        if (account.name == name)
            return account;
    }
    return std::nullopt;
}

QString columnName(int column)
{
    return column < 0 ? ImportCommand::tr("none") : QString::number(column + 1);
}

// How the file is read, in words, so that a script's log shows it.
QString mappingText(const CsvMapping& mapping, bool remembered)
{
    const QString separator = mapping.separator == QLatin1Char('\t') ? ImportCommand::tr("tab")
                                                                      : QStringLiteral("'%1'").arg(mapping.separator);
    const QString source = remembered ? ImportCommand::tr("the mapping last used for this account")
                                      : ImportCommand::tr("the mapping proposed from the file");
    return ImportCommand::tr("Read with %1: separator %2, %3 line(s) before the table, %4, dates as %5, columns: "
                             "date %6, payee %7, amount %8, credit %9, memo %10, category %11.")
        .arg(source, separator, QString::number(mapping.preambleRows),
            mapping.hasHeader ? ImportCommand::tr("a header row") : ImportCommand::tr("no header row"),
            mapping.dateFormat, columnName(mapping.dateColumn), columnName(mapping.payeeColumn),
            columnName(mapping.amountColumn), columnName(mapping.creditColumn))
        .arg(columnName(mapping.memoColumn), columnName(mapping.categoryColumn));
}

// Prints the result's lines; false (after the reason) when it was rolled back.
bool reported(const QString& what, const ImportResult& result)
{
    if (result.aborted) {
        CommandLine::printLine(CommandLine::StandardError, ImportCommand::tr("%1: the import failed and nothing of it was stored (%2).")
                          .arg(what, result.failureReason));
        return false;
    }
    CommandLine::printLine(CommandLine::StandardOutput, ImportCommand::tr("%1: import complete.").arg(what));
    for (const QString& line : result.summaryLines())
        CommandLine::printLine(CommandLine::StandardOutput, line);
    return true;
}

bool importCsv(Books& books, const QString& path, const std::optional<Account>& account)
{
    const QString name = QFileInfo(path).fileName();
    if (!account) {
        CommandLine::printLine(CommandLine::StandardError, ImportCommand::tr("%1: a CSV file needs --account NAME, the account to import into.").arg(name));
        return false;
    }
    const std::optional<CsvPreview> preview = books.service.previewCsv(path);
    if (!preview) {
        CommandLine::printLine(CommandLine::StandardError, ImportCommand::tr("%1: the file could not be read.").arg(name));
        return false;
    }
    CsvMapping mapping = preview->mapping;
    const std::optional<CsvMapping> saved = books.service.savedCsvMapping(account->id);
    // As in the import window: the remembered mapping, when it reads this file the same way.
    const bool remembered = saved && saved->separator == mapping.separator;
    if (remembered)
        mapping = *saved;
    CommandLine::printLine(CommandLine::StandardOutput, QStringLiteral("%1: %2").arg(name, mappingText(mapping, remembered)));
    return reported(name, books.service.importCsv(path, account->id, mapping));
}

bool importQif(Books& books, const QStringList& paths, const std::optional<Account>& account)
{
    const QList<Account> accounts = books.accounts.all();
    // New accounts take the currency of the accounts already kept.
    const Currency currency = accounts.isEmpty() ? Currency::USD : accounts.constFirst().currency;
    QHash<QString, QifTarget> targets;
    for (const QifSource& source : books.service.analyzeQif(paths)) {
        if (!source.matchingAccountId.isEmpty())
            targets.insert(source.name, QifTarget::existing(source.matchingAccountId));
        else if (account && source.newAccountName != source.name)
            // Transactions above any account header go to the account named.
            targets.insert(source.name, QifTarget::existing(account->id));
        else
            targets.insert(source.name, QifTarget::create(source.newAccountName, source.suggestedType, currency));
    }
    QStringList names;
    for (const QString& path : paths)
        names.append(QFileInfo(path).fileName());
    return reported(names.join(QStringLiteral(", ")), books.service.importQif(paths, targets));
}

bool importStatement(Books& books, const QString& path, const std::optional<Account>& account)
{
    QHash<QString, QifTarget> targets;
    // A file that is no statement has no accounts, and the import says so.
    for (const OfxSource& source : books.service.analyzeOfx(path).value_or(QList<OfxSource>())) {
        if (account)
            targets.insert(source.key, QifTarget::existing(account->id));
        else if (!source.matchingAccountId.isEmpty())
            targets.insert(source.key, QifTarget::existing(source.matchingAccountId));
        else
            targets.insert(source.key, QifTarget::create(source.newAccountName, source.suggestedType));
    }
    const QString name = QFileInfo(path).fileName();
    const ImportResult result = books.service.importOfx(path, targets);
    for (const QString& accountId : result.createdAccountIds) {
        CommandLine::printLine(CommandLine::StandardOutput,
            ImportCommand::tr("%1: the new account \"%2\" holds its statement.")
                .arg(name, books.accounts.byId(accountId).value_or(Account()).name));
    }
    return reported(name, result);
}

} // namespace

int ImportCommand::run(const QStringList& files, const QString& accountName)
{
    ExclusiveDataFile dataFile;
    if (const QString error = dataFile.open(); !error.isEmpty()) {
        CommandLine::printLine(CommandLine::StandardError, error);
        return CommandLine::Failed;
    }
    Books books(dataFile.database());
    std::optional<Account> account;
    if (!accountName.isEmpty()) {
        account = accountNamed(books.accounts, accountName);
        if (!account) {
            CommandLine::printLine(CommandLine::StandardError, tr("There is no account named \"%1\".").arg(accountName));
            return CommandLine::Failed;
        }
    }
    bool succeeded = true;
    QStringList qifFiles;
    for (const QString& path : files) {
        if (isQif(path))
            qifFiles.append(path);
        else if (isStatement(path))
            succeeded = importStatement(books, path, account) && succeeded;
        else
            succeeded = importCsv(books, path, account) && succeeded;
    }
    if (!qifFiles.isEmpty())
        succeeded = importQif(books, qifFiles, account) && succeeded;
    return succeeded ? CommandLine::Succeeded : CommandLine::Failed;
}
