// Kills a process that keeps posting recurring rules (one by one, all due,
// and auto-post catch-up) at random moments, and checks after every kill
// that each occurrence is either fully posted, with both legs of a transfer
// and the rule's advance, or not at all.

#include "storage/clock.h"
#include "storage/identifiers.h"
#include "support/filebooks.h"
#include "support/killedworker.h"
#include "support/storagetesting.h"

#include <QTemporaryDir>

using namespace Qt::StringLiterals;

namespace {

const char* const workerFlag = "--post-until-killed";
const QDateTime workerNow(QDate(2030, 1, 1), QTime(12, 0), Qt::UTC);

using Books = FileBooks;

// Daily rules, transfers and plain payments: years behind for confirming by
// hand, a month behind for auto-post, whose catch-up is one long transaction.
bool setUp(Books& books)
{
    Account checking = makeAccount(newId(), u"Checking"_s);
    Account savings = makeAccount(newId(), u"Savings"_s);
    bool stored = books.accounts.insert(checking) && books.accounts.insert(savings);
    for (int i = 0; i < 6; ++i) {
        RecurringTransaction rule = makeRecurring(newId(), QDate(2020, 1, 1), checking.id);
        rule.frequency = Frequency::Daily;
        rule.transferDestAccountId = i % 3 == 2 ? QString() : savings.id;
        rule.autoPost = i < 2;
        if (rule.autoPost)
            rule.nextDueDate = workerNow.date().addMonths(-1);
        rule.startDate = rule.nextDueDate;
        stored = stored && books.recurring.insert(rule);
    }
    return stored;
}

void postOnce(Books& books, QRandomGenerator& random)
{
    const QList<RecurringTransaction> rules = books.recurring.all();
    const int choice = random.bounded(20);
    if (choice == 0)
        books.recurringService.autoPostDue();
    else if (choice == 1)
        books.recurringService.confirmAllDue();
    else
        books.recurringService.confirm(rules.at(random.bounded(int(rules.size()))));
}

} // namespace

class RecurringCrashSafetyTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void everyOccurrenceIsWholeAfterEveryKill()
    {
        QTemporaryDir directory;
        QVERIFY(directory.isValid());
        const QString path = directory.filePath(u"checkbook.db"_s);
        {
            Books books(path);
            QVERIFY(books.ready && setUp(books));
        }
        const int kills = qEnvironmentVariableIntValue("CHECKBOOK_KILLS") > 0 ? qEnvironmentVariableIntValue("CHECKBOOK_KILLS") : 30;
        for (int kill = 1; kill <= kills && !QTest::currentTestFailed(); ++kill) {
            QVERIFY2(killWorkerOnce(workerFlag, path, quint32(kill), 40), qPrintable(u"kill %1: the worker did not run"_s.arg(kill)));
            verifyOccurrences(path, kill);
        }
        Books books(path);
        // The run really posted transfers, by hand and automatically.
        QVERIFY(scalar(&books.database, u"SELECT COUNT(*) FROM transactions WHERE transfer_link_id != ''"_s).toInt() > 100);
        QVERIFY(scalar(&books.database, u"SELECT COUNT(*) FROM recurring_transactions WHERE auto_post = 1 AND next_due_date > start_date"_s).toInt() > 0);
    }

private:
    // Each rule's posted occurrences are exactly the days from its start to
    // the day before its next due date, under their own ids, and each
    // transfer leg has its counterpart.
    void verifyOccurrences(const QString& path, int kill)
    {
        Books books(path);
        QVERIFY2(books.ready, qPrintable(u"kill %1: the file did not open"_s.arg(kill)));
        for (const RecurringTransaction& rule : books.recurring.all()) {
            const QStringList posted = rows(&books.database,
                u"SELECT t.id, t.date, t.account_id, o.id FROM transactions t "
                "LEFT JOIN transactions o ON o.id = t.transfer_link_id AND o.transfer_link_id = t.id "
                "WHERE t.recurring_id = ?"_s, {rule.id});
            int sourceLegs = 0;
            for (const QString& row : posted) {
                const QStringList leg = row.split(u'|');
                QVERIFY2(leg.size() == 4, qPrintable(row));
                const QDate date = QDate::fromString(leg[1], Qt::ISODate);
                const bool isSource = leg[2] == rule.accountId;
                sourceLegs += isSource ? 1 : 0;
                const QString expectedId = recurringPostingId(rule.id, date, isSource ? QString() : u"dest"_s);
                QVERIFY2(leg[0] == expectedId && date >= rule.startDate && date < rule.nextDueDate,
                    qPrintable(u"kill %1: a stray occurrence %2 on %3"_s.arg(kill).arg(leg[0], leg[1])));
                QVERIFY2(rule.transferDestAccountId.isEmpty() != !leg[3].isEmpty(),
                    qPrintable(u"kill %1: a transfer leg without its counterpart: %2"_s.arg(kill).arg(leg[0])));
            }
            QVERIFY2(sourceLegs == rule.startDate.daysTo(rule.nextDueDate),
                qPrintable(u"kill %1: %2 posted, next due %3"_s.arg(kill).arg(sourceLegs).arg(rule.nextDueDate.toString(Qt::ISODate))));
        }
    }
};

int main(int argc, char** argv)
{
    // The worker's today, far enough on for years of daily rules to be due.
    Clock::setFixedNow(workerNow);
    return crashTestMain<RecurringCrashSafetyTest, Books>(argc, argv, workerFlag, postOnce);
}

#include "tst_recurringcrashsafety.moc"
