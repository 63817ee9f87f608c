// Measures importing a generated 50,000-record QIF file (two accounts, a
// tenth of the records transfers between them, a twentieth split), a
// 50,000-row CSV file and a 20,000-transaction OFX bank statement into the
// benchmark database. The baseline inserts the
// very rows the import stored, transactions and split lines, with prepared
// statements in one transaction through the plain SQLite C API. Prints one
// table: operation, median, baseline, ratio, goal, pass or fail, and the
// peak memory of the process.

#include "benchdata.h"
#include "peakmemory.h"

#include "bookkeeping/accountservice.h"
#include "bookkeeping/transactionservice.h"
#include "services/import/importservice.h"
#include "storage/accountrepository.h"
#include "storage/categoryrepository.h"
#include "storage/clock.h"
#include "storage/database.h"
#include "storage/preferencesrepository.h"
#include "storage/reconciliationrepository.h"
#include "storage/recurringrepository.h"
#include "storage/storedtime.h"
#include "storage/splitlinerepository.h"
#include "storage/transactionrepository.h"

#include <QCoreApplication>
#include <QProcess>
#include <QElapsedTimer>
#include <QFile>
#include <QLoggingCategory>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <functional>
#include <sqlite3.h>
#include <string>
#include <variant>
#include <vector>

namespace {

constexpr int records = 50000;
constexpr int statementRows = 20000;
constexpr int runs = 5;
constexpr double goalRatio = 3.0;
constexpr long goalPeakKb = 200 * 1024;
const QDateTime now(QDate(2024, 5, 20), QTime(12, 0), Qt::UTC);

struct Books
{
    explicit Books(const QString& path)
        : ready(database.open(path) && database.runMigrations())
    {
    }

    Database database;
    bool ready;
    AccountRepository accounts{&database};
    TransactionRepository transactions{&database};
    CategoryRepository categories{&database};
    SplitLineRepository splitLines{&database};
    PreferencesRepository preferences{&database};
    RecurringRepository recurring{&database};
    ReconciliationRepository reconciliations{&database};
    AccountService accountService{&database, &accounts, &transactions, &recurring, &reconciliations};
    TransactionService transactionService{&database, &accounts, &transactions};
    ImportService service{&database, &accounts, &transactions, &categories, &splitLines, &preferences, &accountService,
        &transactionService};
};

QByteArray date(int i)
{
    return QDate(2015, 1, 1).addDays(i / 10).toString(QStringLiteral("M/d/yyyy")).toLatin1();
}

// Half the records in each account; each transfer has a leg in both.
QByteArray generateQif()
{
    QByteArray checking = "!Account\nNBench Checking\n^\n!Type:Bank\n";
    QByteArray savings = "!Account\nNBench Savings\n^\n!Type:Bank\n";
    for (int i = 0; i < records / 2; ++i) {
        const QByteArray amount = QByteArray::number(i % 9000 + 1) + "." + QByteArray::number(10 + i % 90);
        const QByteArray number = QByteArray::number(i);
        if (i % 10 == 0) {
            checking += "D" + date(i) + "\nT-" + amount + "\nPTransfer to savings\nL[Bench Savings]\nCX\n^\n";
            savings += "D" + date(i) + "\nT" + amount + "\nPTransfer from checking\nL[Bench Checking]\nCX\n^\n";
            continue;
        }
        if (i % 10 == 1) {
            checking += "D" + date(i) + "\nT-" + amount + "\nPHardware store " + number
                + "\nN" + number + "\nSHome:Repairs\nEparts\n$-1.00\nSHome:Tools\n$-" + QByteArray::number(i % 9000) + "."
                + QByteArray::number(10 + i % 90) + "\n^\n";
        } else {
            checking += "D" + date(i) + "\nT-" + amount + "\nPGrocery market " + number + "\nMweekly shopping\nLFood:Groceries\n^\n";
        }
        savings += "D" + date(i) + "\nT" + QByteArray::number(i % 50) + ".05\nPInterest " + number + "\nLInterest Income\n^\n";
    }
    return checking + savings;
}

QByteArray generateCsv()
{
    QByteArray csv = "Date,Payee,Amount,Memo,Category\n";
    for (int i = 0; i < records; ++i) {
        csv += QDate(2016, 1, 1).addDays(i / 20).toString(QStringLiteral("MM/dd/yyyy")).toLatin1() + ",\"Card payment "
            + QByteArray::number(i) + "\",-" + QByteArray::number(i % 700 + 1) + ".99,statement row,Shopping\n";
    }
    return csv;
}

// An OFX 1.02 statement as a bank's download has it, each row with its id.
QByteArray generateOfx()
{
    QByteArray ofx = "OFXHEADER:100\r\nDATA:OFXSGML\r\nVERSION:102\r\nSECURITY:NONE\r\nENCODING:USASCII\r\n"
                     "CHARSET:1252\r\nCOMPRESSION:NONE\r\nOLDFILEUID:NONE\r\nNEWFILEUID:NONE\r\n\r\n"
                     "<OFX><SIGNONMSGSRSV1><SONRS><STATUS><CODE>0<SEVERITY>INFO</STATUS><DTSERVER>20240520"
                     "<LANGUAGE>ENG</SONRS></SIGNONMSGSRSV1><BANKMSGSRSV1><STMTTRNRS><TRNUID>1<STATUS><CODE>0"
                     "<SEVERITY>INFO</STATUS><STMTRS><CURDEF>USD<BANKACCTFROM><BANKID>021000021<ACCTID>000012345678"
                     "<ACCTTYPE>CHECKING</BANKACCTFROM><BANKTRANLIST><DTSTART>20180101<DTEND>20240520\r\n";
    for (int i = 0; i < statementRows; ++i) {
        const QByteArray number = QByteArray::number(i);
        ofx += "<STMTTRN><TRNTYPE>POS<DTPOSTED>" + QDate(2018, 1, 1).addDays(i / 10).toString(QStringLiteral("yyyyMMdd")).toLatin1()
            + "<TRNAMT>-" + QByteArray::number(i % 700 + 1) + ".99<FITID>2018" + number + "<NAME>Card payment " + number
            + "<MEMO>POS MERCHANDISE</STMTTRN>\r\n";
    }
    return ofx + "</BANKTRANLIST><LEDGERBAL><BALAMT>0<DTASOF>20240520</LEDGERBAL></STMTRS></STMTTRNRS></BANKMSGSRSV1></OFX>\r\n";
}

bool writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

bool copyFresh(const QString& from, const QString& to)
{
    for (const QString& suffix : {QString(), QStringLiteral("-wal"), QStringLiteral("-shm")})
        QFile::remove(to + suffix);
    return QFile::copy(from, to);
}

double elapsedMs(const QElapsedTimer& timer)
{
    return double(timer.nsecsElapsed()) / 1e6;
}

double median(std::vector<double> samples)
{
    std::sort(samples.begin(), samples.end());
    const std::size_t middle = samples.size() / 2;
    return samples.size() % 2 == 1 ? samples[middle] : (samples[middle - 1] + samples[middle]) / 2;
}

// The rows of one table as SQLite holds them, for the baseline to write again.
using Value = std::variant<std::monostate, std::int64_t, std::string>;
struct Table
{
    std::string insertSql;
    std::vector<std::vector<Value>> rows;
};

Table readTable(sqlite3* connection, const std::string& table, const std::string& columns, const std::string& where)
{
    Table result;
    const std::size_t count = std::count(columns.begin(), columns.end(), ',') + 1;
    std::string marks = "?";
    for (std::size_t i = 1; i < count; ++i)
        marks += ", ?";
    result.insertSql = "INSERT INTO " + table + " (" + columns + ") VALUES (" + marks + ")";
    sqlite3_stmt* statement = nullptr;
    sqlite3_prepare_v2(connection, ("SELECT " + columns + " FROM " + table + " WHERE " + where).c_str(), -1, &statement, nullptr);
    while (statement && sqlite3_step(statement) == SQLITE_ROW) {
        std::vector<Value> row;
        for (int column = 0; column < int(count); ++column) {
            switch (sqlite3_column_type(statement, column)) {
            case SQLITE_NULL: row.emplace_back(std::monostate()); break;
            case SQLITE_INTEGER: row.emplace_back(std::int64_t(sqlite3_column_int64(statement, column))); break;
            default: row.emplace_back(std::string(reinterpret_cast<const char*>(sqlite3_column_text(statement, column))));
            }
        }
        result.rows.push_back(std::move(row));
    }
    sqlite3_finalize(statement);
    return result;
}

// What an import stored beyond the pristine database.
std::vector<Table> importedRows(const QString& path, const QString& stamp)
{
    sqlite3* connection = nullptr;
    std::vector<Table> tables;
    if (sqlite3_open(path.toUtf8().constData(), &connection) == SQLITE_OK) {
        const std::string since = "created_at = '" + stamp.toStdString() + "'";
        tables.push_back(readTable(connection, "categories",
            "id, name, category_type, parent_id, is_tax_relevant, tax_category, icon, color, is_default, account_id, "
            "version, sync_status, server_id, created_at, updated_at", since));
        tables.push_back(readTable(connection, "transactions",
            "id, account_id, date, payee, memo, amount, category_id, check_number, cleared, reconciled, transfer_link_id, "
            "transfer_dest_account_id, is_split, recurring_id, version, sync_status, server_id, created_at, updated_at", since));
        tables.push_back(readTable(connection, "split_lines",
            "id, transaction_id, category_id, amount, memo, created_at, updated_at", since));
    }
    sqlite3_close(connection);
    return tables;
}

bool insertBaseline(const QString& path, const std::vector<Table>& tables)
{
    sqlite3* connection = nullptr;
    bool written = sqlite3_open(path.toUtf8().constData(), &connection) == SQLITE_OK
        && sqlite3_exec(connection, "PRAGMA foreign_keys=ON", nullptr, nullptr, nullptr) == SQLITE_OK
        && sqlite3_exec(connection, "BEGIN IMMEDIATE", nullptr, nullptr, nullptr) == SQLITE_OK;
    for (const Table& table : tables) {
        sqlite3_stmt* insert = nullptr;
        written = written && sqlite3_prepare_v2(connection, table.insertSql.c_str(), -1, &insert, nullptr) == SQLITE_OK;
        for (const std::vector<Value>& row : table.rows) {
            for (std::size_t column = 0; written && column < row.size(); ++column) {
                const int position = int(column) + 1;
                if (const auto* number = std::get_if<std::int64_t>(&row[column]))
                    sqlite3_bind_int64(insert, position, *number);
                else if (const auto* text = std::get_if<std::string>(&row[column]))
                    sqlite3_bind_text(insert, position, text->data(), int(text->size()), SQLITE_STATIC);
                else
                    sqlite3_bind_null(insert, position);
            }
            written = written && sqlite3_step(insert) == SQLITE_DONE;
            sqlite3_reset(insert);
        }
        sqlite3_finalize(insert);
    }
    written = written && sqlite3_exec(connection, "COMMIT", nullptr, nullptr, nullptr) == SQLITE_OK;
    sqlite3_close(connection);
    return written;
}

struct Measured
{
    double programMs = -1;
    int imported = 0;
};

Measured timeQif(const QString& pristine, const QString& path, const QString& qif)
{
    if (!copyFresh(pristine, path))
        return {};
    Books books(path);
    QHash<QString, QifTarget> targets;
    for (const Account& account : books.accounts.all())
        targets.insert(account.name, QifTarget::existing(account.id));
    QElapsedTimer timer;
    timer.start();
    const ImportResult result = books.service.importQif({qif}, targets);
    return {result.aborted ? -1 : elapsedMs(timer), result.imported};
}

Measured timeCsv(const QString& pristine, const QString& path, const QString& csv, const QString& accountId)
{
    if (!copyFresh(pristine, path))
        return {};
    Books books(path);
    CsvMapping mapping;
    mapping.memoColumn = 3;
    mapping.categoryColumn = 4;
    QElapsedTimer timer;
    timer.start();
    const ImportResult result = books.service.importCsv(csv, accountId, mapping);
    return {result.aborted ? -1 : elapsedMs(timer), result.imported};
}

Measured timeOfx(const QString& pristine, const QString& path, const QString& ofx, const QString& accountId)
{
    if (!copyFresh(pristine, path))
        return {};
    Books books(path);
    QElapsedTimer timer;
    timer.start();
    QHash<QString, QifTarget> targets;
    for (const OfxSource& source : books.service.analyzeOfx(ofx).value_or(QList<OfxSource>()))
        targets.insert(source.key, QifTarget::existing(accountId));
    const ImportResult result = books.service.importOfx(ofx, targets);
    return {result.aborted ? -1 : elapsedMs(timer), result.imported};
}

double timeBaseline(const QString& pristine, const QString& path, const std::vector<Table>& tables)
{
    if (!copyFresh(pristine, path))
        return -1;
    QElapsedTimer timer;
    timer.start();
    return insertBaseline(path, tables) ? elapsedMs(timer) : -1;
}

struct Row
{
    QString operation;
    double programMs = 0;
    double baselineMs = 0;
    long peakKb = 0;
};

const char* const peakFlag = "--peak-of-one-import";

// The peak memory of one import run in a process of its own, so that what
// the benchmark itself holds (the generated database, the baseline's rows)
// does not count.
long peakOfOneImport(const QStringList& arguments)
{
    QProcess child;
    child.start(QCoreApplication::applicationFilePath(), QStringList{QString::fromLatin1(peakFlag)} + arguments);
    if (!child.waitForFinished(600000) || child.exitCode() != 0)
        return -1;
    return child.readAllStandardOutput().trimmed().toLong();
}

int runOneImport(const QStringList& arguments)
{
    const QString& kind = arguments.at(0);
    if (kind == QLatin1String("ofx")) {
        if (timeOfx(arguments.at(1), arguments.at(2), arguments.at(3), arguments.at(4)).imported != statementRows)
            return 1;
        std::printf("%ld\n", long(peakMemoryMb() * 1024));
        return 0;
    }
    const Measured measured = kind == QLatin1String("qif") ? timeQif(arguments.at(1), arguments.at(2), arguments.at(3))
                                                           : timeCsv(arguments.at(1), arguments.at(2), arguments.at(3), arguments.at(4));
    if (measured.imported != records)
        return 1;
    std::printf("%ld\n", long(peakMemoryMb() * 1024));
    return 0;
}

// Times `measure` against the baseline writing the rows of one import.
bool measure(const QString& name, const QString& pristine, const QString& path, const std::function<Measured()>& program,
    const QStringList& peakArguments, QList<Row>& table, int expected = records)
{
    const Measured first = program();
    if (first.programMs < 0 || first.imported != expected) {
        std::fprintf(stderr, "import_bench: %s imported %d of %d records\n", qPrintable(name), first.imported, expected);
        return false;
    }
    const std::vector<Table> rows = importedRows(path, timeToText(now));
    std::vector<double> programSamples;
    std::vector<double> baselineSamples;
    // Interleaved, so a load that comes and goes weighs on both alike.
    for (int run = 0; run < runs; ++run) {
        const double baselineMs = timeBaseline(pristine, path, rows);
        const Measured measured = program();
        if (baselineMs < 0 || measured.programMs < 0)
            return false;
        programSamples.push_back(measured.programMs);
        baselineSamples.push_back(baselineMs);
    }
    table.append({name, median(programSamples), median(baselineSamples), peakOfOneImport(peakArguments)});
    return true;
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QLoggingCategory::setFilterRules(QStringLiteral("default.info=false"));
    QStandardPaths::setTestModeEnabled(true);
    Clock::setFixedNow(now);
    if (argc > 2 && qstrcmp(argv[1], peakFlag) == 0)
        return runOneImport(app.arguments().mid(2));
    QTemporaryDir directory;
    if (!directory.isValid()) {
        std::fprintf(stderr, "import_bench: cannot create a temporary directory\n");
        return 1;
    }
    const QString pristine = directory.filePath(QStringLiteral("pristine.db"));
    const QString path = directory.filePath(QStringLiteral("checkbook.db"));
    const QString qif = directory.filePath(QStringLiteral("bench.qif"));
    const QString csv = directory.filePath(QStringLiteral("bench.csv"));
    const QString ofx = directory.filePath(QStringLiteral("bench.ofx"));
    QString csvAccountId;
    {
        Books books(pristine);
        const BenchData data = books.ready ? generateBenchData(&books.database, BenchDataPlan()) : BenchData();
        csvAccountId = data.largeAccountId;
        Account checking;
        checking.id = QStringLiteral("bench-checking");
        checking.name = QStringLiteral("Bench Checking");
        checking.createdAt = checking.updatedAt = now.addDays(-1);
        Account savings = checking;
        savings.id = QStringLiteral("bench-savings");
        savings.name = QStringLiteral("Bench Savings");
        if (csvAccountId.isEmpty() || !books.accounts.insert(checking) || !books.accounts.insert(savings)) {
            std::fprintf(stderr, "import_bench: the benchmark database could not be built\n");
            return 1;
        }
    }
    if (!writeFile(qif, generateQif()) || !writeFile(csv, generateCsv()) || !writeFile(ofx, generateOfx())) {
        std::fprintf(stderr, "import_bench: the import files could not be written\n");
        return 1;
    }
    std::printf("import_bench: %d records (%d in the statement) into the 150,000-transaction database, %d timed runs "
                "after 1 warm-up\n",
        records, statementRows, runs);
    std::fflush(stdout);

    QList<Row> table;
    const bool measured = measure(QStringLiteral("importQif: 2 accounts, 10% transfers, 5% splits"), pristine, path,
                              [&] { return timeQif(pristine, path, qif); }, {QStringLiteral("qif"), pristine, path, qif}, table)
        && measure(QStringLiteral("importCsv: one account, 100,000 rows already there"), pristine, path,
            [&] { return timeCsv(pristine, path, csv, csvAccountId); }, {QStringLiteral("csv"), pristine, path, csv, csvAccountId},
            table)
        // The baseline writes the statement's transactions; the import also
        // remembers each one's bank id.
        && measure(QStringLiteral("importOfx: 20,000-row statement, ids remembered"), pristine, path,
            [&] { return timeOfx(pristine, path, ofx, csvAccountId); }, {QStringLiteral("ofx"), pristine, path, ofx, csvAccountId},
            table, statementRows);
    if (!measured)
        return 1;
    const char* format = "%-56s | %10s | %11s | %7s | %-8s | %-9s | %s\n";
    std::printf(format, "operation", "median ms", "baseline ms", "ratio", "goal", "pass/fail", "peak memory (VmHWM)");
    for (const Row& row : table) {
        const double ratio = row.programMs / row.baselineMs;
        const bool pass = ratio < goalRatio && row.peakKb >= 0 && row.peakKb < goalPeakKb;
        std::printf(format, qPrintable(row.operation), qPrintable(QString::number(row.programMs, 'f', 1)),
            qPrintable(QString::number(row.baselineMs, 'f', 1)), qPrintable(QStringLiteral("%1x").arg(ratio, 0, 'f', 2)),
            qPrintable(QStringLiteral("< %1x").arg(goalRatio, 0, 'f', 0)), pass ? "pass" : "FAIL",
            qPrintable(QStringLiteral("%1 MB (goal < 200 MB)").arg(row.peakKb / 1024)));
    }
    return 0;
}
