#include "services/search/searchcommand.h"

#include "storage/account.h"
#include "storage/accountrepository.h"
#include "storage/csvtext.h"
#include "storage/database.h"
#include "storage/storedtime.h"
#include "storage/transactionrepository.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QHash>
#include <QSaveFile>
#include <cstdio>

namespace {

const char searchOption[] = "search";
const char outputOption[] = "output";
constexpr int failed = 1;
constexpr int misused = 2;

QString translated(const char* text)
{
    return QCoreApplication::translate("SearchCommand", text);
}

int fail(const QString& message, int exitCode = failed)
{
    std::fprintf(stderr, "%s\n", message.toLocal8Bit().constData());
    return exitCode;
}

QByteArray csvFor(const QList<RegisterRow>& rows, const QList<Account>& accounts)
{
    QHash<QString, const Account*> accountsById;
    for (const Account& account : accounts)
        accountsById.insert(account.id, &account);
    QString csv = csvRecord({csvTextCell(translated("Date")), csvTextCell(translated("Account")),
        csvTextCell(translated("Payee")), csvTextCell(translated("Category")), csvTextCell(translated("Memo")),
        csvTextCell(translated("Amount"))});
    for (const RegisterRow& row : rows) {
        const Transaction& t = row.transaction;
        const Account* account = accountsById.value(t.accountId);
        csv += csvRecord({dateToText(t.date), csvTextCell(account ? account->name : QString()), csvTextCell(t.payee),
            csvTextCell(row.categoryName), csvTextCell(t.memo),
            csvAmountCell(t.amount, account ? account->currency : Currency::USD)});
    }
    return csv.toUtf8();
}

int writeToFile(const QString& path, const QByteArray& csv)
{
    // A failed run never leaves half a file where a good one was.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(csv) != csv.size() || !file.commit()) {
        return fail(translated("Cannot write %1: %2").arg(QDir::toNativeSeparators(path), file.errorString()));
    }
    return 0;
}

int writeToStandardOutput(const QByteArray& csv)
{
    QFile out;
    if (!out.open(stdout, QIODevice::WriteOnly) || out.write(csv) != csv.size() || !out.flush())
        return fail(translated("Cannot write to standard output: %1").arg(out.errorString()));
    return 0;
}

} // namespace

bool isSearchCommand(int argc, char** argv)
{
    for (int i = 1; i < argc; ++i) {
        const QByteArray argument(argv[i]);
        if (argument == "--search" || argument.startsWith("--search="))
            return true;
    }
    return false;
}

int runSearchCommand(int argc, char** argv)
{
    QCoreApplication application(argc, argv);
    QCommandLineParser parser;
    parser.addOption({QString::fromLatin1(searchOption), translated("Find the transactions matching <text>."),
        translated("text")});
    parser.addOption({QString::fromLatin1(outputOption), translated("Write the CSV to <file>."), translated("file")});
    if (!parser.parse(application.arguments()))
        return fail(parser.errorText(), misused);
    if (!parser.positionalArguments().isEmpty()) {
        return fail(translated("Unexpected argument: %1\nUsage: kestrelwood-checkbook --search TEXT [--output FILE]")
                        .arg(parser.positionalArguments().constFirst()),
            misused);
    }

    const QString path = Database::locateDataDirectory() + QStringLiteral("/checkbook.db");
    Database database;
    if (!database.openForReading(path))
        return fail(translated("Cannot read the data file %1.").arg(QDir::toNativeSeparators(path)));
    const std::optional<QList<RegisterRow>> rows =
        TransactionRepository(&database).searchTyped(parser.value(QString::fromLatin1(searchOption)).trimmed(), {});
    if (!rows)
        return fail(translated("The transactions could not be read."));
    const QByteArray csv = csvFor(*rows, AccountRepository(&database).all());
    if (parser.isSet(QString::fromLatin1(outputOption)))
        return writeToFile(parser.value(QString::fromLatin1(outputOption)), csv);
    return writeToStandardOutput(csv);
}
