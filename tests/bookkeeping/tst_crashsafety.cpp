// Kills a process that keeps writing transfers and accounts at random
// moments and checks after every kill that the books still balance: each
// transfer has both legs or none, a new account has its opening balance,
// and a deleted account keeps no live rows.

#include "bookkeeping/accountservice.h"
#include "bookkeeping/transactionservice.h"
#include "storage/accountrepository.h"
#include "storage/database.h"
#include "storage/reconciliationrepository.h"
#include "storage/recurringrepository.h"
#include "storage/transactionrepository.h"

#include <QProcess>
#include <QRandomGenerator>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QtTest>

namespace {

const char* const workerFlag = "--write-until-killed";

// The repositories and services of one data file, without the window.
struct Books
{
    explicit Books(const QString& path)
    {
        ready = database.open(path) && database.runMigrations();
    }

    Database database;
    bool ready = false;
    AccountRepository accounts{&database};
    TransactionRepository transactions{&database};
    RecurringRepository recurring{&database};
    ReconciliationRepository reconciliations{&database};
    TransactionService transactionService{&database, &accounts, &transactions};
    AccountService accountService{&database, &accounts, &transactions, &recurring, &reconciliations};
};

class Worker
{
public:
    Worker(Books& books, quint32 seed)
        : m_books(books)
        , m_random(seed)
    {
    }

    void step()
    {
        const QList<Account> accounts = m_books.accounts.all();
        if (accounts.size() < 4) {
            createAccount();
            return;
        }
        switch (m_random.bounded(6)) {
        case 0: createAccount(); break;
        case 1: createTransfer(accounts); break;
        case 2: retargetTransfer(accounts); break;
        case 3: editIntoTransfer(accounts); break;
        case 4: deleteTransfer(accounts); break;
        default:
            if (accounts.size() > 6)
                m_books.accountService.remove(pick(accounts).id);
            else
                createTransfer(accounts);
        }
    }

private:
    const Account& pick(const QList<Account>& accounts) { return accounts.at(m_random.bounded(int(accounts.size()))); }

    TransactionEntry entry(const QString& payee, const QString& target = QString())
    {
        TransactionEntry e;
        e.date = QDate(2024, 1, 1).addDays(m_random.bounded(365));
        e.payee = payee;
        e.amount = -qint64(m_random.bounded(1, 100000));
        e.transferAccountId = target;
        return e;
    }

    void createAccount()
    {
        Account account;
        account.name = QStringLiteral("Account %1").arg(m_random.generate());
        account.startingBalance = m_random.bounded(1, 1000000);
        m_books.accountService.create(account, QDate(2024, 1, 1));
    }

    std::optional<QString> otherAccount(const QList<Account>& accounts, const QString& besides)
    {
        const Account& other = pick(accounts);
        return other.id == besides ? std::nullopt : std::optional<QString>(other.id);
    }

    void createTransfer(const QList<Account>& accounts)
    {
        const Account& from = pick(accounts);
        if (const std::optional<QString> to = otherAccount(accounts, from.id))
            m_books.transactionService.create(from.id, entry(QStringLiteral("Transfer"), *to));
    }

    std::optional<Transaction> anyRow(const QList<Account>& accounts, bool transfer)
    {
        const QList<Transaction> rows = m_books.transactions.byAccount(pick(accounts).id);
        // Opening balances stay as they are, so the check can find them.
        for (const Transaction& row : rows) {
            if (row.transferLinkId.isEmpty() != transfer && row.payee != QLatin1String("Opening Balance"))
                return row;
        }
        return std::nullopt;
    }

    void retargetTransfer(const QList<Account>& accounts)
    {
        const std::optional<Transaction> leg = anyRow(accounts, true);
        if (!leg)
            return;
        if (const std::optional<QString> to = otherAccount(accounts, leg->accountId))
            m_books.transactionService.edit(*leg, entry(leg->payee, *to));
    }

    void editIntoTransfer(const QList<Account>& accounts)
    {
        const std::optional<Transaction> plain = anyRow(accounts, false);
        if (!plain) {
            const Account& account = pick(accounts);
            m_books.transactionService.create(account.id, entry(QStringLiteral("Grocer")));
            return;
        }
        if (const std::optional<QString> to = otherAccount(accounts, plain->accountId))
            m_books.transactionService.edit(*plain, entry(plain->payee, *to));
    }

    void deleteTransfer(const QList<Account>& accounts)
    {
        if (const std::optional<Transaction> leg = anyRow(accounts, true))
            m_books.transactionService.remove(*leg);
    }

    Books& m_books;
    QRandomGenerator m_random;
};

int runWorker(int argc, char** argv)
{
    QCoreApplication application(argc, argv);
    Books books(QString::fromLocal8Bit(argv[2]));
    if (!books.ready)
        return 2;
    Worker worker(books, QString::fromLatin1(argv[3]).toUInt());
    std::fputs("ready\n", stdout);
    std::fflush(stdout);
    for (;;)
        worker.step();
}

QStringList column(Database& database, const QString& sql)
{
    QStringList values;
    QSqlQuery query(database.database());
    if (query.exec(sql)) {
        while (query.next())
            values.append(query.value(0).toString());
    }
    return values;
}

} // namespace

class CrashSafetyTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void booksBalanceAfterEveryKill()
    {
        QTemporaryDir directory;
        QVERIFY(directory.isValid());
        const QString path = directory.filePath(QStringLiteral("checkbook.db"));
        const int kills = qEnvironmentVariableIntValue("CHECKBOOK_KILLS") > 0 ? qEnvironmentVariableIntValue("CHECKBOOK_KILLS") : 200;
        for (int kill = 1; kill <= kills; ++kill) {
            QVERIFY2(killWorkerOnce(path, quint32(kill)), qPrintable(QStringLiteral("kill %1: the worker did not run").arg(kill)));
            verifyBooks(path, kill);
            if (QTest::currentTestFailed())
                return;
        }
        Books books(path);
        // The run really exercised transfers and account deletions.
        QVERIFY(column(books.database, QStringLiteral("SELECT COUNT(*) FROM transactions WHERE transfer_link_id != ''")).value(0).toInt() > 50);
        QVERIFY(column(books.database, QStringLiteral("SELECT COUNT(*) FROM accounts WHERE deleted_at IS NOT NULL")).value(0).toInt() > 5);
    }

private:
    bool killWorkerOnce(const QString& path, quint32 seed)
    {
        QProcess worker;
        worker.start(QCoreApplication::applicationFilePath(),
            {QString::fromLatin1(workerFlag), path, QString::number(seed)});
        if (!worker.waitForReadyRead(10000))
            return false;
        // Anywhere from the first statement to well into a run of writes.
        QThread::msleep(QRandomGenerator::global()->bounded(1, 60));
        worker.kill();
        return worker.waitForFinished(10000) && worker.exitStatus() == QProcess::CrashExit;
    }
    void verifyBooks(const QString& path, int kill)
    {
        Books books(path);
        QVERIFY2(books.ready, qPrintable(QStringLiteral("kill %1: the file did not open").arg(kill)));
        Database& db = books.database;
        const auto none = [&](const char* what, const QString& sql) {
            const QStringList found = column(db, sql);
            QVERIFY2(found.isEmpty(),
                qPrintable(QStringLiteral("kill %1: %2: %3").arg(kill).arg(QLatin1String(what), found.join(QLatin1Char(' ')))));
        };
        QCOMPARE(column(db, QStringLiteral("PRAGMA integrity_check")), QStringList{QStringLiteral("ok")});
        // A deleted account takes its own legs along and leaves the other
        // accounts as they were; any other missing leg is a half-written transfer.
        none("a transfer leg without its live counterpart",
            QStringLiteral("SELECT t.id FROM transactions t LEFT JOIN transactions o ON o.id = t.transfer_link_id "
                           "LEFT JOIN accounts oa ON oa.id = o.account_id "
                           "WHERE t.deleted_at IS NULL AND t.transfer_link_id != '' AND (o.id IS NULL "
                           "OR (o.deleted_at IS NOT NULL AND oa.deleted_at IS NULL) "
                           "OR o.transfer_link_id != t.id OR o.amount != -t.amount OR o.account_id != t.transfer_dest_account_id)"));
        none("a live row in a deleted account",
            QStringLiteral("SELECT t.id FROM transactions t JOIN accounts a ON a.id = t.account_id "
                           "WHERE t.deleted_at IS NULL AND a.deleted_at IS NOT NULL"));
        none("a live account without its opening balance",
            QStringLiteral("SELECT a.id FROM accounts a WHERE a.deleted_at IS NULL AND NOT EXISTS (SELECT 1 FROM transactions t "
                           "WHERE t.account_id = a.id AND t.payee = 'Opening Balance' AND t.deleted_at IS NULL)"));
    }
};

int main(int argc, char** argv)
{
    if (argc == 4 && qstrcmp(argv[1], workerFlag) == 0)
        return runWorker(argc, argv);
    QCoreApplication application(argc, argv);
    CrashSafetyTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_crashsafety.moc"
