// Opens the register of a 100,000-transaction account and reports how long
// the screen takes from setAccount until the grid is painted, and the
// process's peak memory with that register open. Then enters the payee cell
// of its entry row and types into it with the completion list open, beside
// the way the cell read its completions before they were kept in memory.
//
// Run by hand: build-<you>/bench/register_bench [transaction count]

#include "peakmemory.h"

#include "app/appstate.h"
#include "register/registerdelegate.h"
#include "register/payeememoeditor.h"
#include "register/registermodel.h"
#include "register/registerscreen.h"
#include "register/registertableview.h"
#include "register/tabcompleter.h"
#include "storage/account.h"
#include "storage/accountrepository.h"
#include "storage/clock.h"
#include "storage/database.h"
#include "storage/identifiers.h"
#include "storage/textlimits.h"
#include "storage/transactionrepository.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QAbstractItemView>
#include <QFile>
#include <QKeyEvent>
#include <QLineEdit>
#include <QRandomGenerator>
#include <QSqlError>
#include <QSqlQuery>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <ctime>
#include <functional>

namespace {

constexpr int defaultTransactionCount = 100000;
constexpr int runs = 7;
constexpr double openGoalMs = 300.0;
constexpr double memoryGoalMb = 150.0;
constexpr double frameMs = 16.0;
constexpr quint32 payeeSeed = 20240520;

Account storeAccount(AppState& appState, const QString& name)
{
    Account account;
    account.id = newId();
    account.name = name;
    account.createdAt = Clock::nowUtc();
    account.updatedAt = account.createdAt;
    if (!appState.accounts()->insert(account))
        qFatal("register_bench: the account could not be stored");
    return account;
}

// A few thousand payees, as years of a real register collect them: forty
// places times twenty-five kinds of business, each in three branches, in a
// shuffled order.
QStringList payeeNames()
{
    static const QStringList places = {QStringLiteral("Maple"), QStringLiteral("Harbor"), QStringLiteral("Summit"),
        QStringLiteral("Cedar"), QStringLiteral("Riverside"), QStringLiteral("Oakridge"), QStringLiteral("Lakeview"),
        QStringLiteral("Northgate"), QStringLiteral("Bluebird"), QStringLiteral("Granite"), QStringLiteral("Willow"),
        QStringLiteral("Pinecrest"), QStringLiteral("Meadow"), QStringLiteral("Ironwood"), QStringLiteral("Silverline"),
        QStringLiteral("Brookside"), QStringLiteral("Redwood"), QStringLiteral("Highland"), QStringLiteral("Sunset"),
        QStringLiteral("Foxglen"), QStringLiteral("Corner"), QStringLiteral("City"), QStringLiteral("Valley"),
        QStringLiteral("Lighthouse"), QStringLiteral("Orchard"), QStringLiteral("Prairie"), QStringLiteral("Copper"),
        QStringLiteral("Hillside"), QStringLiteral("Bayside"), QStringLiteral("Elmwood"), QStringLiteral("Stonebridge"),
        QStringLiteral("Westfield"), QStringLiteral("Eastside"), QStringLiteral("Kingsway"), QStringLiteral("Parkview"),
        QStringLiteral("Greenway"), QStringLiteral("Fairview"), QStringLiteral("Mill Creek"), QStringLiteral("Old Town"),
        QStringLiteral("Canyon")};
    static const QStringList kinds = {QStringLiteral("Grocery"), QStringLiteral("Pharmacy"), QStringLiteral("Hardware"),
        QStringLiteral("Coffee House"), QStringLiteral("Auto Repair"), QStringLiteral("Dental Care"),
        QStringLiteral("Bookstore"), QStringLiteral("Fitness Club"), QStringLiteral("Pizzeria"),
        QStringLiteral("Electric Co-op"), QStringLiteral("Gas Station"), QStringLiteral("Bakery"),
        QStringLiteral("Veterinary Clinic"), QStringLiteral("Dry Cleaners"), QStringLiteral("Florist"),
        QStringLiteral("Pet Supply"), QStringLiteral("Garden Center"), QStringLiteral("Diner"),
        QStringLiteral("Music Store"), QStringLiteral("Tire & Lube"), QStringLiteral("Optical"),
        QStringLiteral("Laundromat"), QStringLiteral("Car Wash"), QStringLiteral("Toy Shop"), QStringLiteral("Deli")};
    static const QStringList branches = {QString(), QStringLiteral(" Downtown"), QStringLiteral(" #2")};
    QStringList names;
    for (const QString& place : places) {
        for (const QString& kind : kinds) {
            for (const QString& branch : branches)
                names.append(place + QLatin1Char(' ') + kind + branch);
        }
    }
    QRandomGenerator random(payeeSeed);
    std::shuffle(names.begin(), names.end(), random);
    return names;
}

// A few payees come back every week and most only now and then: the draw
// favours the front of the list.
const QString& drawPayee(const QStringList& payees, QRandomGenerator& random)
{
    return payees.at(random.bounded(random.bounded(payees.size()) + 1));
}

// One prepared insert inside one database transaction: a few seconds for
// 100,000 rows, full-text index included.
bool fillAccount(Database* database, const QString& accountId, int count)
{
    static const QStringList payees = payeeNames();
    QRandomGenerator random(payeeSeed);
    return database->inTransaction([&] {
        QSqlQuery insert(database->database());
        insert.prepare(QStringLiteral("INSERT INTO transactions (id, account_id, date, payee, memo, amount, check_number, "
                                      "cleared, reconciled, transfer_link_id, transfer_dest_account_id, is_split, recurring_id, "
                                      "version, sync_status, server_id, created_at, updated_at) "
                                      "VALUES (?, ?, ?, ?, ?, ?, '', ?, 0, '', '', 0, '', 1, 'pending', '', ?, ?)"));
        const QDate firstDay(2000, 1, 1);
        const QString stamp = Clock::nowUtc().toString(Qt::ISODate);
        for (int i = 0; i < count; ++i) {
            const bool deposit = i % 10 == 0;
            insert.addBindValue(newId());
            insert.addBindValue(accountId);
            insert.addBindValue(firstDay.addDays(i / 12).toString(Qt::ISODate));
            insert.addBindValue(drawPayee(payees, random));
            insert.addBindValue(i % 3 == 0 ? QStringLiteral("memo %1").arg(i) : QString());
            insert.addBindValue(deposit ? qint64(250000) : -qint64(1000 + (i * 37) % 20000));
            insert.addBindValue(i % 2);
            insert.addBindValue(stamp);
            insert.addBindValue(stamp);
            if (!insert.exec()) {
                std::fprintf(stderr, "insert failed: %s\n", qPrintable(insert.lastError().text()));
                return false;
            }
        }
        return true;
    });
}

double median(QList<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

double threadCpuMs()
{
    timespec now {};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return now.tv_sec * 1e3 + now.tv_nsec / 1e6;
}

struct OpenTime
{
    double wallMs = 0;
    // The processor time of the GUI thread alone: what the open costs when
    // the machine is shared with other work.
    double cpuMs = 0;
};

// From the account switch until every visible cell has been painted once.
OpenTime timeOpen(RegisterScreen& screen, const QString& accountId)
{
    QElapsedTimer timer;
    const double cpuStart = threadCpuMs();
    timer.start();
    screen.setAccount(accountId);
    QCoreApplication::processEvents();
    screen.view()->viewport()->repaint();
    return {timer.nsecsElapsed() / 1e6, threadCpuMs() - cpuStart};
}

// The payee field of the open editor: the editor itself, or the payee line
// of the two-line payee/memo editor.
QLineEdit* payeeField(QWidget* editor)
{
    if (auto* payeeMemoEditor = qobject_cast<PayeeMemoEditor*>(editor))
        return payeeMemoEditor->payeeEdit();
    return qobject_cast<QLineEdit*>(editor);
}

// What the payee cell read every time it was entered before its completions
// were kept in memory: every distinct payee straight from the table, then a
// transfer entry for each other account.
QStringList payeeChoicesReadAnew(AppState& appState, const QString& accountId)
{
    QStringList choices = payeeCompletions(appState.transactions()->payees());
    for (const Account& account : appState.accounts()->all()) {
        const QString transferChoice = QStringLiteral("[Transfer] %1").arg(account.name);
        if (account.id == accountId || transferChoice.size() > maxNameLength)
            continue;
        if (!choices.contains(transferChoice))
            choices.append(transferChoice);
    }
    return choices;
}

// The entry row's payee cell entered as Tab enters it, until the editor is
// shown; `readCompletions` runs in between, inside the timed span, to give
// the editor its completions the old way.
QLineEdit* enterPayeeCell(RegisterScreen& screen, const std::function<void(QLineEdit*)>& readCompletions = {})
{
    const QModelIndex cell = screen.model()->index(screen.model()->entryRow(), RegisterModel::PayeeColumn);
    screen.view()->setCurrentIndex(cell);
    screen.view()->edit(cell);
    QLineEdit* field = payeeField(screen.view()->openEditor());
    if (!field)
        qFatal("register_bench: the payee cell opened no payee field");
    if (readCompletions)
        readCompletions(field);
    QCoreApplication::processEvents();
    return field;
}

void leavePayeeCell(RegisterScreen& screen)
{
    QWidget* editor = screen.view()->openEditor();
    if (QLineEdit* field = payeeField(editor); field && field->completer())
        field->completer()->popup()->hide();
    screen.view()->closeEditorQuietly(editor);
    screen.view()->setCurrentIndex(screen.model()->index(screen.model()->entryRow(), RegisterModel::DateColumn));
    QCoreApplication::processEvents();
}

// One key press and release reaching the field, and the repaint it causes.
void typeCharacter(QLineEdit* field, char character)
{
    const auto key = static_cast<int>(Qt::Key_A) + (character - 'a');
    const QString text = QString(QLatin1Char(character));
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
    QCoreApplication::sendEvent(field, &press);
    QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, text);
    QCoreApplication::sendEvent(field, &release);
    QCoreApplication::processEvents();
}

template<typename Work>
double timedMs(Work work)
{
    QElapsedTimer timer;
    timer.start();
    work();
    return timer.nsecsElapsed() / 1e6;
}

// The old way of giving the editor its completions: read anew, and a
// completer built over them.
std::function<void(QLineEdit*)> oldCompletions(AppState& appState, const QString& accountId)
{
    return [&appState, accountId](QLineEdit* field) {
        field->setCompleter(new TabCompleter(payeeChoicesReadAnew(appState, accountId), field));
    };
}

// The second character typed into the payee with the list the first one
// opened; `readCompletions` as in enterPayeeCell.
double timeSecondCharacter(RegisterScreen& screen, const std::function<void(QLineEdit*)>& readCompletions = {})
{
    QLineEdit* field = enterPayeeCell(screen, readCompletions);
    typeCharacter(field, 'm');
    if (!field->completer()->popup()->isVisible())
        qFatal("register_bench: typing into the payee opened no completion list");
    const double ms = timedMs([&] { typeCharacter(field, 'a'); });
    leavePayeeCell(screen);
    return ms;
}

// A row saved in another account, with a payee never used before.
void storeNewPayee(AppState& appState, const QString& accountId, const QString& payee)
{
    Transaction transaction;
    transaction.id = newId();
    transaction.accountId = accountId;
    transaction.date = QDate(2024, 5, 20);
    transaction.payee = payee;
    transaction.amount = -100;
    transaction.createdAt = Clock::nowUtc();
    transaction.updatedAt = transaction.createdAt;
    if (!appState.transactions()->insert(transaction))
        qFatal("register_bench: the transaction could not be stored");
}

struct PayeeRow
{
    const char* operation;
    double medianMs;
    double baselineMs;
};

QList<PayeeRow> measurePayeeCell(AppState& appState, RegisterScreen& screen, const QString& otherAccountId)
{
    const QString accountId = screen.accountId();
    // Once per session the payees are counted from the whole table.
    const double firstMs = timedMs([&] { enterPayeeCell(screen); });
    leavePayeeCell(screen);
    QList<double> enter, enterOld, enterAfterWrite, second, secondOld;
    for (int run = 0; run < runs; ++run) {
        enter << timedMs([&] { enterPayeeCell(screen); });
        leavePayeeCell(screen);
        enterOld << timedMs([&] { enterPayeeCell(screen, oldCompletions(appState, accountId)); });
        leavePayeeCell(screen);
        storeNewPayee(appState, otherAccountId, QStringLiteral("New Payee %1").arg(run));
        enterAfterWrite << timedMs([&] { enterPayeeCell(screen); });
        leavePayeeCell(screen);
        second << timeSecondCharacter(screen);
        secondOld << timeSecondCharacter(screen, oldCompletions(appState, accountId));
    }
    const double enterOldMs = median(enterOld);
    return {{"enter payee cell, first of the session", firstMs, enterOldMs},
        {"enter payee cell", median(enter), enterOldMs},
        {"enter payee cell after a new row", median(enterAfterWrite), enterOldMs},
        {"type 1 character, list open", median(second), median(secondOld)}};
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    const int count = argc > 1 ? std::max(1, QByteArray(argv[1]).toInt()) : defaultTransactionCount;

    QStandardPaths::setTestModeEnabled(true);
    QTemporaryDir dataDirectory;
    qputenv("CHECKBOOK_DATA_DIR", dataDirectory.path().toUtf8());
    AppState appState;
    if (!appState.initialize()) {
        std::fprintf(stderr, "the database could not be opened\n");
        return 1;
    }
    const Account large = storeAccount(appState, QStringLiteral("Large"));
    const Account small = storeAccount(appState, QStringLiteral("Small"));
    QElapsedTimer fillTimer;
    fillTimer.start();
    if (!fillAccount(appState.database(), large.id, count) || !fillAccount(appState.database(), small.id, 10))
        return 1;
    std::printf("generated %d transactions in %.0f ms\n\n", count, fillTimer.nsecsElapsed() / 1e6);

    // The peak reported belongs to the open register, not to generating the data.
    resetPeakMemory();
    RegisterScreen screen(&appState);
    screen.resize(1200, 800);
    screen.show();
    QCoreApplication::processEvents();

    QList<double> wallTimes;
    QList<double> cpuTimes;
    for (int run = 0; run < runs; ++run) {
        timeOpen(screen, small.id);
        const OpenTime open = timeOpen(screen, large.id);
        wallTimes << open.wallMs;
        cpuTimes << open.cpuMs;
    }
    const double wallMs = median(wallTimes);
    const double cpuMs = median(cpuTimes);
    const double peakMb = peakMemoryMb();

    std::printf("%-40s %12s %12s %8s\n", "operation", "median", "goal", "ratio");
    std::printf("%-40s %9.1f ms %9.1f ms %8.2f\n", qPrintable(QStringLiteral("open register, wall (%1 rows)").arg(count)),
        wallMs, openGoalMs, wallMs / openGoalMs);
    std::printf("%-40s %9.1f ms %9.1f ms %8.2f\n", qPrintable(QStringLiteral("open register, GUI thread CPU (%1 rows)").arg(count)),
        cpuMs, openGoalMs, cpuMs / openGoalMs);
    std::printf("%-40s %9.1f MB %9.1f MB %8.2f\n", "peak memory (VmHWM)", peakMb, memoryGoalMb, peakMb / memoryGoalMb);

    const QList<PayeeRow> payeeRows = measurePayeeCell(appState, screen, small.id);
    std::printf("\n%d distinct payees; baseline: the completions read anew and a completer built over them, as\n"
                "every entry did before; goal: one frame (%.0f ms)\n",
        int(appState.transactions()->payees().size()), frameMs);
    std::printf("%-40s %12s %12s %8s\n", "operation", "median", "baseline", "ratio");
    for (const PayeeRow& row : payeeRows)
        std::printf("%-40s %9.2f ms %9.2f ms %8.3f\n", row.operation, row.medianMs, row.baselineMs, row.medianMs / row.baselineMs);
    return 0;
}
