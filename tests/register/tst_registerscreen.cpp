// The register screen as the user works it: the account header and amounts,
// keys moving through and saving rows, transfers, deleting, rows changed
// elsewhere, layout preferences, narrow windows, and values too large or
// too long to show whole.

#include "support/testworld.h"

#include "app/mainwindow.h"
#include "register/registerdelegate.h"
#include "storage/preferencesrepository.h"
#include "storage/recurringrepository.h"
#include "storage/textlimits.h"
#include "support/dialogtesting.h"
#include "support/modalanswer.h"
#include "support/storagetesting.h"
#include "widgets/palette.h"

#include <QHeaderView>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <limits>

using namespace testworld;

namespace {

// The payment, deposit and balance a row shows.
QStringList amountCells(const RegisterScreen& screen, int row)
{
    QStringList texts;
    for (const int column : {RegisterModel::PaymentColumn, RegisterModel::DepositColumn, RegisterModel::BalanceColumn})
        texts << screen.model()->index(row, column).data().toString();
    return texts;
}

// The layout the register shows: line count and row order.
QStringList layout(const RegisterScreen& screen)
{
    const bool twoLine = screen.delegate()->twoLine() && screen.view()->isColumnHidden(RegisterModel::MemoColumn);
    return {twoLine ? QStringLiteral("two-line") : QStringLiteral("one-line"),
        screen.model()->newestFirst() ? QStringLiteral("newest first") : QStringLiteral("oldest first")};
}

} // namespace

class TestRegisterScreen : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() { m_world = std::make_unique<TestWorld>(); }
    void cleanup() { m_world.reset(); }

    void showsTheAccountAndItsAmounts()
    {
        Account account = m_world->addAccount(QStringLiteral("Checking"), Currency::USD, 10000);
        account.institution = QStringLiteral("First Bank");
        account.accountNumberLast4 = QStringLiteral("1234");
        QVERIFY(m_world->appState.accounts()->update(account));
        m_world->addTransaction(account.id, QDate(2024, 3, 1), QStringLiteral("Rent"), -25000);
        m_world->addTransaction(account.id, QDate(2024, 3, 2), QStringLiteral("Nothing due"), 0);
        auto screen = showScreen(&m_world->appState, account.id);

        QCOMPARE(labelText(*screen, "accountNameLabel"), QStringLiteral("Checking"));
        QCOMPARE(labelText(*screen, "subtitleLabel"), QStringLiteral("First Bank  ·  *1234"));
        QCOMPARE(labelText(*screen, "balanceLabel"), QStringLiteral("-$150.00"));
        QCOMPARE(amountCells(*screen, 1), (QStringList{QStringLiteral("250.00"), QString(), QStringLiteral("-150.00")}));
        // A zero amount is a deposit of 0.00.
        QCOMPARE(amountCells(*screen, 2), (QStringList{QString(), QStringLiteral("0.00"), QStringLiteral("-150.00")}));

        const Account yen = m_world->addAccount(QStringLiteral("Yen"), Currency::JPY);
        m_world->addTransaction(yen.id, QDate(2024, 3, 1), QStringLiteral("Ramen"), -1234567);
        screen->setAccount(yen.id);
        QCOMPARE(labelText(*screen, "balanceLabel"), QStringLiteral("-¥1,234,567"));
        QCOMPARE(amountCells(*screen, 0), (QStringList{QStringLiteral("1,234,567"), QString(), QStringLiteral("-1,234,567")}));
        QVERIFY(screen->findChild<QLabel*>(QStringLiteral("subtitleLabel"))->isHidden());
    }

    void typesAFullRowWithEnterBetweenFields_data()
    {
        QTest::addColumn<bool>("newestFirst");
        QTest::addColumn<int>("entryRowAfter");
        QTest::addColumn<int>("savedRow");
        // Two stored rows; the new one is the latest of three.
        QTest::newRow("oldest first") << false << 3 << 2;
        QTest::newRow("newest first") << true << 0 << 1;
    }

    void typesAFullRowWithEnterBetweenFields()
    {
        QFETCH(bool, newestFirst);
        QFETCH(int, entryRowAfter);
        QFETCH(int, savedRow);
        const Account account = m_world->addAccount(QStringLiteral("Checking"));
        m_world->addTransaction(account.id, QDate(2024, 5, 1), QStringLiteral("Rent"), -90000);
        m_world->addTransaction(account.id, QDate(2024, 5, 10), QStringLiteral("Power"), -6000);
        QVERIFY(m_world->appState.preferences()->setBool(QStringLiteral("registerNewestFirst"), newestFirst));
        auto screen = showScreen(&m_world->appState, account.id);
        QCOMPARE(current(*screen), screen->model()->index(screen->model()->entryRow(), RegisterModel::DateColumn));
        QVERIFY(screen->view()->hasFocus());

        typeRow({QStringLiteral("5/18/2024"), QStringLiteral("101"), QStringLiteral("Corner Market"), QStringLiteral("Groceries"),
            QStringLiteral("weekly shop"), QStringLiteral("42.50"), QString()});
        QCOMPARE(current(*screen).column(), int(RegisterModel::ClearedColumn));
        type(QStringLiteral("c"));
        QCOMPARE(m_world->stored(account.id).size(), 2);
        enterField();

        const QList<Transaction> stored = m_world->stored(account.id);
        QCOMPARE(stored.size(), 3);
        const Transaction& saved = stored.first();
        QCOMPARE(QStringList({saved.date.toString(Qt::ISODate), saved.checkNumber, saved.payee, saved.categoryId, saved.memo,
                     QString::number(saved.amount), QString::number(saved.cleared)}),
            QStringList({QStringLiteral("2024-05-18"), QStringLiteral("101"), QStringLiteral("Corner Market"),
                m_world->categoryId(QStringLiteral("Groceries")), QStringLiteral("weekly shop"), QStringLiteral("-4250"), QStringLiteral("1")}));
        QCOMPARE(screen->model()->rowAt(savedRow)->transaction.id, saved.id);
        // The keyboard waits in the entry row, which starts on the date just used.
        QCOMPARE(current(*screen), screen->model()->index(entryRowAfter, RegisterModel::DateColumn));
        QVERIFY(!openEditor(*screen));
        QCOMPARE(screen->model()->buffer().dateText, QStringLiteral("5/18/2024"));
        QVERIFY(screen->view()->hasFocus());
        QCOMPARE(labelText(*screen, "balanceLabel"), QStringLiteral("-$1,002.50"));
    }

    // Tab moves cell by cell up to Clr, where it neither moves onto Balance
    // nor saves; Shift+Tab moves back.
    void tabStopsOnClearedAndShiftTabGoesBack()
    {
        const Account account = m_world->addAccount(QStringLiteral("Checking"));
        auto screen = showScreen(&m_world->appState, account.id);
        press(Qt::Key_Return);
        tab(RegisterModel::ClearedColumn - RegisterModel::DateColumn + 1);
        QCOMPARE(current(*screen).column(), int(RegisterModel::ClearedColumn));
        QVERIFY(m_world->stored(account.id).isEmpty());

        press(Qt::Key_Backtab, Qt::ShiftModifier);
        QCOMPARE(current(*screen).column(), int(RegisterModel::DepositColumn));
        press(Qt::Key_Tab, Qt::ShiftModifier);
        QCOMPARE(current(*screen).column(), int(RegisterModel::PaymentColumn));
        QVERIFY(openEditor(*screen));
    }

    void transferCreatesBothLinkedSides()
    {
        const Account checking = m_world->addAccount(QStringLiteral("Checking"));
        const Account savings = m_world->addAccount(QStringLiteral("Savings"));
        auto screen = showScreen(&m_world->appState, checking.id);
        QSignalSpy errors(screen.get(), &RegisterScreen::errorMessage);

        type(QStringLiteral("3/1/2024"));
        tab(2);
        typeRow({QStringLiteral("[Transfer] Savings"), QString(), QString()});
        QCOMPARE(current(*screen).column(), int(RegisterModel::PaymentColumn));
        type(QStringLiteral("100"));
        saveRow();
        QCOMPARE(errors.count(), 0);

        const std::optional<Transaction> out = m_world->onlyTransaction(checking.id);
        const std::optional<Transaction> in = m_world->onlyTransaction(savings.id);
        QVERIFY(out && in);
        QCOMPARE(QStringList({out->payee, in->payee, QString::number(out->amount), QString::number(in->amount), in->date.toString(Qt::ISODate)}),
            QStringList({QStringLiteral("Transfer to Savings"), QStringLiteral("Transfer from Checking"), QStringLiteral("-10000"),
                QStringLiteral("10000"), QStringLiteral("2024-03-01")}));
        QCOMPARE(QStringList({out->transferLinkId, in->transferLinkId, out->transferDestAccountId, in->transferDestAccountId}),
            QStringList({in->id, out->id, savings.id, checking.id}));
    }

    void editingAStoredRowSavesAndMovesDown()
    {
        const Account account = m_world->addAccount(QStringLiteral("Checking"));
        const Transaction first = m_world->addTransaction(account.id, QDate(2023, 11, 2), QStringLiteral("Cafe"), -450);
        m_world->addTransaction(account.id, QDate(2023, 11, 3), QStringLiteral("Bookshop"), -1200);
        auto screen = showScreen(&m_world->appState, account.id);

        openCell(*screen, 0, RegisterModel::DateColumn);
        QCOMPARE(screen->model()->editingRow(), 0);
        // A date typed without a year takes the row's year, not this one.
        type(QStringLiteral("3/5"));
        tab(2);
        type(QStringLiteral("Corner Cafe"));
        tab(5);
        type(QStringLiteral("c"));
        press(Qt::Key_Return);

        const std::optional<Transaction> edited = m_world->appState.transactions()->byId(first.id);
        QCOMPARE(edited->date, QDate(2023, 3, 5));
        QCOMPARE(edited->payee, QStringLiteral("Corner Cafe"));
        QVERIFY(edited->cleared);
        QCOMPARE(edited->version, 2);
        QCOMPARE(current(*screen).row(), 1);
        QCOMPARE(screen->model()->editingRow(), 1);
        QCOMPARE(screen->model()->buffer().payeeText, QStringLiteral("Bookshop"));
    }

    void aFailedSaveSaysWhyAndKeepsTheRow()
    {
        const Account account = m_world->addAccount(QStringLiteral("Checking"));
        auto screen = showScreen(&m_world->appState, account.id);
        QVERIFY(execute(m_world->appState.database(), QStringLiteral("PRAGMA query_only = 1")));

        QString text;
        QString title;
        ModalAnswer::pressWhenShown(QMessageBox::Ok, &text, &title);
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("failed:.*readonly")));
        typeRow({QStringLiteral("3/1/2024"), QString(), QStringLiteral("Bakery"), QString(), QString(), QStringLiteral("12.50")});
        saveRow();

        QCOMPARE(title, QStringLiteral("Not Saved"));
        QCOMPARE(text, QStringLiteral("The transaction could not be saved.\n\nThe data file is read-only."));
        // Once the file can be written again, the same row saves as typed.
        QVERIFY(execute(m_world->appState.database(), QStringLiteral("PRAGMA query_only = 0")));
        QApplication::setActiveWindow(screen.get());
        saveRow();
        const std::optional<Transaction> saved = m_world->onlyTransaction(account.id);
        QVERIFY(saved);
        QCOMPARE(saved->payee, QStringLiteral("Bakery"));
        QCOMPARE(saved->amount, -1250);
    }

    void aRowChangedElsewhereAsksWhatToKeep_data()
    {
        QTest::addColumn<QString>("answer");
        QTest::addColumn<QString>("storedMemo");
        QTest::addColumn<QString>("shownMemo");
        QTest::newRow("keep editing") << QStringLiteral("Keep Editing") << QStringLiteral("theirs") << QStringLiteral("mine");
        QTest::newRow("show saved version") << QStringLiteral("Show Saved Version") << QStringLiteral("theirs") << QStringLiteral("theirs");
        QTest::newRow("save mine instead") << QStringLiteral("Save Mine Instead") << QStringLiteral("mine") << QStringLiteral("mine");
    }

    void aRowChangedElsewhereAsksWhatToKeep()
    {
        QFETCH(QString, answer);
        QFETCH(QString, storedMemo);
        QFETCH(QString, shownMemo);
        const Account account = m_world->addAccount(QStringLiteral("Checking"));
        const Transaction row = m_world->addTransaction(account.id, QDate(2024, 3, 1), QStringLiteral("Cafe"), -450);
        auto screen = showScreen(&m_world->appState, account.id);
        openCell(*screen, 0, RegisterModel::MemoColumn);
        type(QStringLiteral("mine"));

        Transaction theirs = row;
        theirs.memo = QStringLiteral("theirs");
        theirs.version = 2;
        theirs.updatedAt = TestWorld::now().addSecs(60);
        QVERIFY(m_world->appState.transactions()->update(theirs));

        QString text;
        QString title;
        ModalAnswer::pressWhenShown(answer, &text, &title);
        saveRow();
        QCOMPARE(title, QStringLiteral("Transaction Changed"));
        QVERIFY(text.startsWith(QStringLiteral("This transaction was changed elsewhere")));
        QCOMPARE(m_world->appState.transactions()->byId(row.id)->memo, storedMemo);
        QCOMPARE(screen->model()->index(0, RegisterModel::MemoColumn).data().toString(), shownMemo);
    }

    void deletingAsksOnceWithTheAmount_data()
    {
        QTest::addColumn<Currency>("currency");
        QTest::addColumn<QString>("payee");
        QTest::addColumn<QString>("question");
        QTest::newRow("both sides of a transfer") << Currency::USD << QStringLiteral("[Transfer] Checking")
            << QStringLiteral("Delete transfer \"Transfer to Checking\" for $1,500.00?\n\nBoth sides of the transfer will be deleted.");
        QTest::newRow("in the account currency") << Currency::JPY << QStringLiteral("Ramen") << QStringLiteral("Delete \"Ramen\" for ¥1,500?");
    }

    void deletingAsksOnceWithTheAmount()
    {
        QFETCH(Currency, currency);
        QFETCH(QString, payee);
        QFETCH(QString, question);
        const Account checking = m_world->addAccount(QStringLiteral("Checking"), currency);
        const Account savings = m_world->addAccount(QStringLiteral("Savings"), currency);
        auto screen = showScreen(&m_world->appState, savings.id);
        fillEntryRow(screen->model(), {{RegisterModel::PayeeColumn, payee}, {RegisterModel::DepositColumn, QStringLiteral("1500")}});
        saveRow();
        press(Qt::Key_Up);
        QString asked;
        QString title;
        // Enter takes the question's default answer, which keeps the row.
        whenDialogShown([&asked, &title](QDialog* dialog) {
            asked = qobject_cast<QMessageBox*>(dialog)->text();
            title = dialog->windowTitle();
            QTest::keyClick(dialog, Qt::Key_Return);
        });
        press(Qt::Key_D, Qt::ControlModifier);
        QCOMPARE(title, QStringLiteral("Delete Transaction"));
        QCOMPARE(asked, question);
        QCOMPARE(m_world->stored(savings.id).size(), 1);

        QApplication::setActiveWindow(screen.get());
        ModalAnswer::pressWhenShown(QMessageBox::Yes);
        press(Qt::Key_D, Qt::ControlModifier);
        QVERIFY(m_world->stored(savings.id).isEmpty() && m_world->stored(checking.id).isEmpty());
        QCOMPARE(screen->model()->rowCount(), 1);
    }
    void contextMenuTogglesCleared()
    {
        const Account account = m_world->addAccount(QStringLiteral("Checking"));
        const Transaction stored = m_world->addTransaction(account.id, QDate(2024, 3, 1), QStringLiteral("Cafe"), -450);
        auto screen = showScreen(&m_world->appState, account.id);
        const QPoint onRow = screen->view()->visualRect(screen->model()->index(0, RegisterModel::PayeeColumn)).center();

        QCOMPARE(chooseFromContextMenu(*screen, onRow, QStringLiteral("Mark &Cleared")).size(), 4);
        QVERIFY(m_world->appState.transactions()->byId(stored.id)->cleared);
        QCOMPARE(screen->model()->data(screen->model()->index(0, RegisterModel::ClearedColumn)).toString(), QStringLiteral("C"));
        chooseFromContextMenu(*screen, onRow, QStringLiteral("Mark &Uncleared"));
        QVERIFY(!m_world->appState.transactions()->byId(stored.id)->cleared);

        // Below the rows only the row-independent entries are offered.
        const QPoint belowRows = screen->view()->visualRect(screen->model()->index(1, RegisterModel::PayeeColumn)).center();
        QCOMPARE(chooseFromContextMenu(*screen, belowRows, QStringLiteral("&Insert New")).size(), 2);
        QCOMPARE(current(*screen).row(), 1);
    }

    void openingBalanceRowIsReadOnly()
    {
        const Account account = m_world->addAccount(QStringLiteral("Checking"), Currency::USD, 50000);
        const Transaction stored = m_world->addTransaction(account.id, QDate(2024, 3, 1), QStringLiteral("Cafe"), -450);
        auto screen = showScreen(&m_world->appState, account.id);
        QCOMPARE(screen->model()->rowCount(), 3);
        QCOMPARE(screen->model()->data(screen->model()->index(0, RegisterModel::PayeeColumn)).toString(), QStringLiteral("Opening Balance"));

        openCell(*screen, 0, RegisterModel::PayeeColumn);
        QVERIFY(!openEditor(*screen));
        QCOMPARE(status(*screen), QStringLiteral("The opening balance is not a transaction: change it with Account › Edit."));
        QCOMPARE(screen->model()->editingRow(), -1);
        type(QStringLiteral("R"));
        QVERIFY(!openEditor(*screen));
        QVERIFY(screen->model()->buffer().payeeText.isEmpty());
        QCOMPARE(m_world->stored(account.id).first().version, 1);
        QCOMPARE(screen->model()->data(screen->model()->index(0, RegisterModel::PayeeColumn)).toString(), QStringLiteral("Opening Balance"));

        screen->view()->setCurrentIndex(screen->model()->index(0, RegisterModel::DateColumn));
        press(Qt::Key_D, Qt::ControlModifier);
        QVERIFY(!QApplication::activeModalWidget());
        QVERIFY(!m_world->appState.transactions()->byId(stored.id)->deletedAt);
        QCOMPARE(m_world->appState.accounts()->byId(account.id)->startingBalance, 50000);
    }

    void reloadKeepsTheCurrentCellAndScrollPosition()
    {
        const Account account = m_world->addAccount(QStringLiteral("Checking"));
        QStringList ids;
        for (int day = 0; day < 120; ++day)
            ids << m_world->addTransaction(account.id, QDate(2024, 1, 1).addDays(day), QStringLiteral("Row %1").arg(day), -100).id;
        auto screen = showScreen(&m_world->appState, account.id);
        RegisterTableView* view = screen->view();
        view->scrollTo(screen->model()->index(40, 0), QAbstractItemView::PositionAtTop);
        view->setCurrentIndex(screen->model()->index(45, RegisterModel::MemoColumn));
        const int scrollBefore = view->verticalScrollBar()->value();
        const QString topBefore = screen->model()->rowAt(view->indexAt(QPoint(0, 0)).row())->transaction.id;

        m_world->addTransaction(account.id, QDate(2023, 12, 1), QStringLiteral("Earlier"), -1);
        screen->reload();

        QCOMPARE(screen->model()->rowAt(current(*screen).row())->transaction.id, ids[45]);
        QCOMPARE(current(*screen).column(), int(RegisterModel::MemoColumn));
        QCOMPARE(screen->model()->rowAt(view->indexAt(QPoint(0, 0)).row())->transaction.id, topBefore);
        QVERIFY(view->verticalScrollBar()->value() > scrollBefore);
    }

    void memorizeOffersTheRowAsARecurringRule_data()
    {
        QTest::addColumn<QDate>("date");
        QTest::addColumn<bool>("memorized");
        QTest::addColumn<QString>("status");
        QTest::newRow("a row opens the form") << QDate(2024, 3, 5) << true << QStringLiteral("Transaction memorized as recurring");
        QTest::newRow("an old date is refused") << QDate(1999, 12, 31) << false
                                                << QStringLiteral("Cannot memorize: source transaction has an invalid date");
    }

    void memorizeOffersTheRowAsARecurringRule()
    {
        QFETCH(QDate, date);
        QFETCH(bool, memorized);
        QFETCH(QString, status);
        const Account account = m_world->addAccount(QStringLiteral("Checking"));
        m_world->addTransaction(account.id, date, QStringLiteral("Gym"), -3500);
        const auto window = showWindow(account.id);
        press(Qt::Key_Up);
        QString title;
        if (memorized) {
            whenDialogShown([&title](QDialog* dialog) {
                title = dialog->windowTitle();
                QTest::mouseClick(okButton(dialog), Qt::LeftButton);
            });
        }
        press(Qt::Key_M, Qt::ControlModifier);
        QCOMPARE(title, memorized ? QStringLiteral("Memorize Transaction") : QString());
        QCOMPARE(testworld::status(*window->registerScreen()), status);
        const QList<RecurringTransaction> rules = m_world->appState.recurring()->all();
        QCOMPARE(rules.size(), memorized ? 1 : 0);
        if (memorized)
            QCOMPARE(rules.first().payee + QString::number(rules.first().amount), QStringLiteral("Gym-3500"));
    }

    void textColumnsKeepAReadableWidth_data()
    {
        QTest::addColumn<int>("windowWidth");
        QTest::addColumn<bool>("scrollsSideways");
        QTest::newRow("narrow window") << 600 << true;
        QTest::newRow("wide window") << 1400 << false;
    }

    void textColumnsKeepAReadableWidth()
    {
        QFETCH(int, windowWidth);
        QFETCH(bool, scrollsSideways);
        const Account account = m_world->addAccount(QStringLiteral("Checking"));
        auto screen = showScreen(&m_world->appState, account.id);
        screen->resize(windowWidth, 500);
        settle();
        QHeaderView* header = screen->view()->horizontalHeader();
        for (const int column : {RegisterModel::PayeeColumn, RegisterModel::CategoryColumn, RegisterModel::MemoColumn})
            QVERIFY(header->sectionSize(column) >= 120);
        QCOMPARE(header->length() > screen->view()->viewport()->width(), scrollsSideways);
    }

    void preferenceChangeReloadsTheShownRegister_data()
    {
        QTest::addColumn<QString>("preference");
        QTest::addColumn<QStringList>("layoutAfter");
        QTest::newRow("two-line rows") << QStringLiteral("registerTwoLine")
                                       << QStringList{QStringLiteral("two-line"), QStringLiteral("oldest first")};
        QTest::newRow("newest first") << QStringLiteral("registerNewestFirst")
                                      << QStringList{QStringLiteral("one-line"), QStringLiteral("newest first")};
    }

    void preferenceChangeReloadsTheShownRegister()
    {
        QFETCH(QString, preference);
        QFETCH(QStringList, layoutAfter);
        const auto window = showWindow(m_world->addAccount(QStringLiteral("Checking")).id);
        QCOMPARE(layout(*window->registerScreen()), QStringList({QStringLiteral("one-line"), QStringLiteral("oldest first")}));
        QVERIFY(m_world->appState.preferences()->setBool(preference, true));
        QCOMPARE(layout(*window->registerScreen()), layoutAfter);
    }

    void preferenceChangeWaitsForTheOpenEditor()
    {
        const Account account = m_world->addAccount(QStringLiteral("Checking"));
        const auto window = showWindow(account.id);
        RegisterScreen* screen = window->registerScreen();
        press(Qt::Key_Return);
        tab(2);
        type(QStringLiteral("Bakery"));

        QVERIFY(m_world->appState.preferences()->setBool(QStringLiteral("registerTwoLine"), true));

        // What is being typed stays as it is, in the layout it was begun in.
        QCOMPARE(layout(*screen).first(), QStringLiteral("one-line"));
        auto* payeeEdit = qobject_cast<QLineEdit*>(openEditor(*screen));
        QVERIFY(payeeEdit);
        QCOMPARE(payeeEdit->text(), QStringLiteral("Bakery"));

        // Saving the row ends the edit and shows the new layout.
        tab(3);
        type(QStringLiteral("12.00"));
        saveRow();
        QCOMPARE(layout(*screen).first(), QStringLiteral("two-line"));
        const std::optional<Transaction> saved = m_world->onlyTransaction(account.id);
        QVERIFY(saved);
        QCOMPARE(saved->payee + QString::number(saved->amount), QStringLiteral("Bakery-1200"));
    }

    void showsOverflowInsteadOfAWrappedBalance()
    {
        const Account account = m_world->addAccount(QStringLiteral("Checking"));
        m_world->addTransaction(account.id, QDate(2024, 1, 1), QStringLiteral("Pay"), 100);
        const Transaction huge = m_world->addTransaction(account.id, QDate(2024, 1, 2), QStringLiteral("Huge"), 0);
        m_world->addTransaction(account.id, QDate(2024, 1, 3), QStringLiteral("Shop"), -50);
        QVERIFY(execute(m_world->appState.database(),
            QStringLiteral("UPDATE transactions SET amount = %1 WHERE id = '%2'").arg(std::numeric_limits<qint64>::max()).arg(huge.id)));
        auto screen = showScreen(&m_world->appState, account.id);

        QStringList balances;
        for (int row = 0; row < 3; ++row)
            balances << amountCells(*screen, row).last();
        QCOMPARE(balances, (QStringList{QStringLiteral("1.00"), QStringLiteral("Overflow"), QStringLiteral("Overflow")}));
        const QModelIndex lastBalance = screen->model()->index(2, RegisterModel::BalanceColumn);
        QCOMPARE(lastBalance.data(Qt::ForegroundRole).value<QColor>(), Palette::negative());
        QCOMPARE(lastBalance.data(Qt::ToolTipRole).toString(), QStringLiteral("The balance is too large to show."));
        auto* balance = screen->findChild<QLabel*>(QStringLiteral("balanceLabel"));
        QCOMPARE(balance->text() + QLatin1Char('|') + balance->toolTip(), QStringLiteral("Overflow|The balance is too large to show."));
        QVERIFY(balance->styleSheet().contains(Palette::negative().name()));
    }

    void keepsAnOverlongStoredPayeeWhenAnotherFieldIsEdited()
    {
        const Account account = m_world->addAccount(QStringLiteral("Checking"));
        const QString payee(100000, QLatin1Char('p'));
        const QString memo(5000, QLatin1Char('m'));
        m_world->addTransaction(account.id, QDate(2024, 1, 1), payee, -100, QString(), memo);
        auto screen = showScreen(&m_world->appState, account.id);

        const QString shown = screen->model()->index(0, RegisterModel::PayeeColumn).data().toString();
        QVERIFY(shown.size() <= maxMemoLength + 1);
        QVERIFY(shown.endsWith(QChar(0x2026)));
        // Through the payee and memo editors, untouched, to the amount.
        openCell(*screen, 0, RegisterModel::PayeeColumn);
        tab(3);
        QCOMPARE(current(*screen).column(), int(RegisterModel::PaymentColumn));
        type(QStringLiteral("2"));
        saveRow();

        const std::optional<Transaction> saved = m_world->onlyTransaction(account.id);
        QVERIFY(saved);
        QCOMPARE(saved->amount, qint64(-200));
        QVERIFY(saved->payee == payee && saved->memo == memo);
    }

private:
    // Opens the register's context menu at `point` and chooses the entry
    // reading `text`; returns the entries that were offered.
    static QStringList chooseFromContextMenu(RegisterScreen& screen, const QPoint& point, const QString& text)
    {
        QStringList offered;
        QTimer::singleShot(50, [&offered, text] {
            auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
            QVERIFY(menu);
            for (QAction* action : menu->actions()) {
                if (!action->isSeparator())
                    offered << action->text();
                if (action->text() == text)
                    menu->setActiveAction(action);
            }
            QTest::keyClick(menu, Qt::Key_Return);
        });
        screen.onContextMenu(point);
        return offered;
    }

    // The main window showing the account, for what goes through the window.
    std::unique_ptr<MainWindow> showWindow(const QString& accountId)
    {
        auto window = std::make_unique<MainWindow>(&m_world->appState);
        showActive(window.get());
        window->selectAccount(accountId);
        return window;
    }

    std::unique_ptr<TestWorld> m_world;
};

QTEST_MAIN(TestRegisterScreen)
#include "tst_registerscreen.moc"
