// Kills a process that keeps writing transfers and accounts at random
// moments and checks after every kill that the books still balance: each
// transfer has both legs or none, a new account has its opening balance,
// and a deleted account keeps no live rows.

#include "support/filebooks.h"
#include "support/killedworker.h"
#include "support/storagetesting.h"

#include <QTemporaryDir>

using namespace Qt::StringLiterals;

namespace {

const char* const workerFlag = "--write-until-killed";

using Books = FileBooks;

// One random write through the services, as the screens make them.
void writeOnce(Books& books, QRandomGenerator& random)
{
    const QList<Account> accounts = books.accounts.all();
    const auto pick = [&] { return accounts.isEmpty() ? QString() : accounts.at(random.bounded(int(accounts.size()))).id; };
    const auto entry = [&](const QString& payee, const QString& target) {
        TransactionEntry e;
        e.date = QDate(2024, 1, 1).addDays(random.bounded(365));
        e.payee = payee;
        e.amount = -qint64(random.bounded(1, 100000));
        e.transferAccountId = target;
        return e;
    };
    // A transfer leg or a plain row of some account. Opening balances stay
    // as they are, so the check can find them.
    const auto anyRow = [&](bool transfer) -> std::optional<Transaction> {
        for (const Transaction& row : books.transactions.byAccount(pick())) {
            if (row.transferLinkId.isEmpty() != transfer && row.payee != QLatin1String("Opening Balance"))
                return row;
        }
        return std::nullopt;
    };
    const QString from = pick();
    const QString to = pick();
    switch (accounts.size() < 4 ? 0 : random.bounded(6)) {
    case 0: {
        Account account;
        account.name = u"Account %1"_s.arg(random.generate());
        account.startingBalance = random.bounded(1, 1000000);
        books.accountService.create(account, QDate(2024, 1, 1));
        break;
    }
    case 1:
        if (to != from)
            books.transactionService.create(from, entry(u"Transfer"_s, to));
        break;
    case 2: // a transfer moved to another account
        if (const std::optional<Transaction> leg = anyRow(true); leg && to != leg->accountId)
            books.transactionService.edit(*leg, entry(leg->payee, to));
        break;
    case 3: // a plain row typed into a transfer, or a new plain row
        if (const std::optional<Transaction> plain = anyRow(false); !plain)
            books.transactionService.create(from, entry(u"Grocer"_s, QString()));
        else if (to != plain->accountId)
            books.transactionService.edit(*plain, entry(plain->payee, to));
        break;
    case 4:
        if (const std::optional<Transaction> leg = anyRow(true))
            books.transactionService.remove(*leg);
        break;
    default:
        if (accounts.size() > 6)
            books.accountService.remove(from);
        else if (to != from)
            books.transactionService.create(from, entry(u"Transfer"_s, to));
    }
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
        const QString path = directory.filePath(u"checkbook.db"_s);
        const int kills = qEnvironmentVariableIntValue("CHECKBOOK_KILLS") > 0 ? qEnvironmentVariableIntValue("CHECKBOOK_KILLS") : 200;
        for (int kill = 1; kill <= kills; ++kill) {
            QVERIFY2(killWorkerOnce(workerFlag, path, quint32(kill), 60), qPrintable(u"kill %1: the worker did not run"_s.arg(kill)));
            verifyBooks(path, kill);
            if (QTest::currentTestFailed())
                return;
        }
        Books books(path);
        // The run really exercised transfers and account deletions.
        QVERIFY(rows(&books.database, u"SELECT COUNT(*) FROM transactions WHERE transfer_link_id != ''"_s).value(0).toInt() > 50);
        QVERIFY(rows(&books.database, u"SELECT COUNT(*) FROM accounts WHERE deleted_at IS NOT NULL"_s).value(0).toInt() > 5);
    }

private:
    void verifyBooks(const QString& path, int kill)
    {
        Books books(path);
        QVERIFY2(books.ready, qPrintable(u"kill %1: the file did not open"_s.arg(kill)));
        const auto none = [&](const char* what, const QString& sql) {
            const QStringList found = rows(&books.database, sql);
            QVERIFY2(found.isEmpty(), qPrintable(u"kill %1: %2: %3"_s.arg(kill).arg(QLatin1String(what), found.join(u' '))));
        };
        QCOMPARE(rows(&books.database, u"PRAGMA integrity_check"_s), QStringList{u"ok"_s});
        // A deleted account takes its own legs along and leaves the other
        // accounts as they were; any other missing leg is a half-written transfer.
        none("a transfer leg without its live counterpart",
            u"SELECT t.id FROM transactions t LEFT JOIN transactions o ON o.id = t.transfer_link_id "
            "LEFT JOIN accounts oa ON oa.id = o.account_id WHERE t.deleted_at IS NULL AND t.transfer_link_id != '' AND (o.id IS NULL "
            "OR (o.deleted_at IS NOT NULL AND oa.deleted_at IS NULL) "
            "OR o.transfer_link_id != t.id OR o.amount != -t.amount OR o.account_id != t.transfer_dest_account_id)"_s);
        none("a live row in a deleted account",
            u"SELECT t.id FROM transactions t JOIN accounts a ON a.id = t.account_id "
            "WHERE t.deleted_at IS NULL AND a.deleted_at IS NOT NULL"_s);
        none("a live account without its opening balance",
            u"SELECT a.id FROM accounts a WHERE a.deleted_at IS NULL AND NOT EXISTS (SELECT 1 FROM transactions t "
            "WHERE t.account_id = a.id AND t.payee = 'Opening Balance' AND t.deleted_at IS NULL)"_s);
    }
};

int main(int argc, char** argv)
{
    return crashTestMain<CrashSafetyTest, Books>(argc, argv, workerFlag, writeOnce);
}

#include "tst_crashsafety.moc"
