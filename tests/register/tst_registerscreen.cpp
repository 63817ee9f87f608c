#include "support/testworld.h"

#include "app/mainwindow.h"
#include "support/dialogtesting.h"
#include "support/modalanswer.h"
#include "support/storagetesting.h"
#include "register/registerdelegate.h"
#include "storage/preferencesrepository.h"
#include "widgets/palette.h"
#include "storage/recurringrepository.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QMenu>
#include <QScrollBar>
#include <QSignalSpy>

using namespace testworld;

class TestRegisterScreen : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() { m_world = std::make_unique<TestWorld>(); }
    void cleanup() { m_world.reset(); }

    void showsAccountHeaderAndBalance()
    {
        Account account = m_world->addAccount(QStringLiteral("Checking"), Currency::USD, 10000);
        account.institution = QStringLiteral("First Bank");
        account.accountNumberLast4 = QStringLiteral("1234");
        QVERIFY(m_world->appState.accounts()->update(account));
        m_world->addTransaction(account.id, QDate(2024, 3, 1), QStringLiteral("Rent"), -25000);
        auto screen = showScreen(&m_world->appState, account.id);

        QCOMPARE(labelText(*screen, "accountNameLabel"), QStringLiteral("Checking"));
        QCOMPARE(labelText(*screen, "subtitleLabel"), QStringLiteral("First Bank  ·  *1234"));
        QCOMPARE(labelText(*screen, "balanceLabel"), QStringLiteral("-$150.00"));

        const Account yen = m_world->addAccount(QStringLiteral("Yen"), Currency::JPY);
        m_world->addTransaction(yen.id, QDate(2024, 3, 1), QStringLiteral("Ramen"), 1500);
        screen->setAccount(yen.id);
        QCOMPARE(labelText(*screen, "balanceLabel"), QStringLiteral("¥1,500"));
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

    void tabAndShiftTabMoveWithinTheRow()
    {
        const Account account = m_world->addAccount(QStringLiteral("Checking"));
        auto screen = showScreen(&m_world->appState, account.id);
        press(Qt::Key_Return);
        QVERIFY(qobject_cast<QLineEdit*>(openEditor(*screen)));

        for (int column = RegisterModel::CheckNumberColumn; column <= RegisterModel::ClearedColumn; ++column) {
            press(Qt::Key_Tab);
            QCOMPARE(current(*screen).column(), column);
            QVERIFY(openEditor(*screen));
        }
        // Tab on Clr neither moves onto Balance nor saves.
        press(Qt::Key_Tab);
        QCOMPARE(current(*screen).column(), int(RegisterModel::ClearedColumn));
        QVERIFY(m_world->stored(account.id).isEmpty());

        press(Qt::Key_Backtab, Qt::ShiftModifier);
        QCOMPARE(current(*screen).column(), int(RegisterModel::DepositColumn));
        press(Qt::Key_Tab, Qt::ShiftModifier);
        QCOMPARE(current(*screen).column(), int(RegisterModel::PaymentColumn));
        QVERIFY(openEditor(*screen));
        // From the grid itself (no editor open) Tab moves and opens the cell.
        screen->view()->closeEditorQuietly(openEditor(*screen));
        screen->view()->setFocus();
        press(Qt::Key_Tab);
        QCOMPARE(current(*screen).column(), int(RegisterModel::DepositColumn));
        QVERIFY(openEditor(*screen));
    }

    void twoLineTabGoesFromPayeeToMemo()
    {
        const Account account = m_world->addAccount(QStringLiteral("Checking"));
        QVERIFY(m_world->appState.preferences()->setBool(QStringLiteral("registerTwoLine"), true));
        auto screen = showScreen(&m_world->appState, account.id);
        QVERIFY(screen->view()->isColumnHidden(RegisterModel::MemoColumn));

        press(Qt::Key_Return);
        tab(2);
        QWidget* editor = openEditor(*screen);
        auto* payeeEdit = editor->findChild<QLineEdit*>(QStringLiteral("payeeEdit"));
        auto* memoEdit = editor->findChild<QLineEdit*>(QStringLiteral("memoEdit"));
        QVERIFY(payeeEdit->hasFocus());
        type(QStringLiteral("Bakery"));
        press(Qt::Key_Tab);
        QVERIFY(memoEdit->hasFocus());
        QCOMPARE(current(*screen).column(), int(RegisterModel::PayeeColumn));
        type(QStringLiteral("bread"));
        press(Qt::Key_Backtab, Qt::ShiftModifier);
        QVERIFY(payeeEdit->hasFocus());
        tab(2);
        QCOMPARE(current(*screen).column(), int(RegisterModel::CategoryColumn));
        press(Qt::Key_Tab);
        QCOMPARE(current(*screen).column(), int(RegisterModel::PaymentColumn));
        type(QStringLiteral("3.25"));
        saveRow();

        const std::optional<Transaction> saved = m_world->onlyTransaction(account.id);
        QVERIFY(saved);
        QCOMPARE(saved->payee + saved->memo, QStringLiteral("Bakerybread"));
        QCOMPARE(saved->amount, -325);
    }

    void refusalsKeepWhatWasTyped_data()
    {
        QTest::addColumn<QString>("payee");
        QTest::addColumn<QString>("payment");
        QTest::addColumn<QString>("deposit");
        QTest::addColumn<QString>("message");
        QTest::newRow("blank payee") << QStringLiteral("   ") << QStringLiteral("5") << QString() << QStringLiteral("Payee is required");
        QTest::newRow("no amount") << QStringLiteral("Shop") << QString() << QString()
                                   << QStringLiteral("Enter a payment or deposit amount");
        QTest::newRow("letters") << QStringLiteral("Shop") << QString() << QStringLiteral("abc")
                                 << QStringLiteral("Enter a valid amount");
        QTest::newRow("decimal comma") << QStringLiteral("Shop") << QString() << QStringLiteral("12,50")
                                       << QStringLiteral("Enter a valid amount");
        QTest::newRow("transfer to itself") << QStringLiteral("[Transfer] Checking") << QStringLiteral("5") << QString()
                                            << QStringLiteral("Transfer account not found");
        QTest::newRow("transfer across currencies") << QStringLiteral("[Transfer] Euro Savings") << QStringLiteral("10") << QString()
                                                    << QStringLiteral("Transfers require both accounts to use the same currency");
    }

    void refusalsKeepWhatWasTyped()
    {
        QFETCH(QString, payee);
        QFETCH(QString, payment);
        QFETCH(QString, deposit);
        QFETCH(QString, message);
        const Account account = m_world->addAccount(QStringLiteral("Checking"));
        const Account euro = m_world->addAccount(QStringLiteral("Euro Savings"), Currency::EUR);
        auto screen = showScreen(&m_world->appState, account.id);
        QSignalSpy errors(screen.get(), &RegisterScreen::errorMessage);
        RegisterModel* model = screen->model();
        fillEntryRow(model, {{RegisterModel::PayeeColumn, payee}, {RegisterModel::PaymentColumn, payment}, {RegisterModel::DepositColumn, deposit}});
        saveRow();
        // Every refusal is shown in the register's status line, in the warning
        // colour, and stays through the next key while it is still fresh.
        QCOMPARE(status(*screen), message);
        QVERIFY(screen->findChild<QLabel*>(QStringLiteral("statusLabel"))->styleSheet().contains(
            Palette::negative().name(QColor::HexRgb)));
        press(Qt::Key_Right);
        QCOMPARE(status(*screen), message);
        QCOMPARE(errors.count(), payee.contains(QLatin1String("Euro")) ? 1 : 0);
        QVERIFY(m_world->stored(account.id).isEmpty() && m_world->stored(euro.id).isEmpty());
        QCOMPARE(QStringList({model->buffer().payeeText, model->buffer().paymentText, model->buffer().depositText}),
            QStringList({payee, payment, deposit}));
    }

    void amountsAreTypedInTheAccountCurrencyUpToTheLimit_data()
    {
        QTest::addColumn<Currency>("currency");
        QTest::addColumn<QString>("payment");
        QTest::addColumn<QString>("deposit");
        QTest::addColumn<std::optional<qint64>>("stored"); // none: refused, as typed
        QTest::newRow("a deposit typed after a payment replaces it")
            << Currency::USD << QStringLiteral("2") << QStringLiteral("3") << std::optional<qint64>(300);
        QTest::newRow("yen") << Currency::JPY << QStringLiteral("1,500") << QString() << std::optional<qint64>(-1500);
        QTest::newRow("symbol") << Currency::EUR << QString() << QStringLiteral("€7.05") << std::optional<qint64>(705);
        QTest::newRow("dollars at the limit") << Currency::USD << QStringLiteral("100000000000") << QString()
                                              << std::optional<qint64>(-maxAmountMinorUnits);
        QTest::newRow("a cent beyond it") << Currency::USD << QStringLiteral("100000000000.01") << QString() << std::optional<qint64>();
        QTest::newRow("yen at the limit") << Currency::JPY << QString() << QStringLiteral("10000000000000")
                                          << std::optional<qint64>(maxAmountMinorUnits);
        QTest::newRow("a yen beyond it") << Currency::JPY << QString() << QStringLiteral("10000000000001") << std::optional<qint64>();
    }

    void amountsAreTypedInTheAccountCurrencyUpToTheLimit()
    {
        QFETCH(Currency, currency);
        QFETCH(QString, payment);
        QFETCH(QString, deposit);
        QFETCH(std::optional<qint64>, stored);
        const Account account = m_world->addAccount(QStringLiteral("Main"), currency);
        auto screen = showScreen(&m_world->appState, account.id);
        const int entryRow = screen->model()->entryRow();
        openCell(*screen, entryRow, RegisterModel::PayeeColumn);
        type(QStringLiteral("Shop"));
        for (const auto& [column, typed] : {std::pair(int(RegisterModel::PaymentColumn), payment), std::pair(int(RegisterModel::DepositColumn), deposit)}) {
            if (!typed.isEmpty()) {
                openCell(*screen, entryRow, column);
                type(typed);
            }
        }
        saveRow();

        const std::optional<Transaction> saved = m_world->onlyTransaction(account.id);
        QCOMPARE(saved ? std::optional<qint64>(saved->amount) : std::nullopt, stored);
        if (!stored) {
            QCOMPARE(status(*screen), QStringLiteral("Enter a valid amount"));
            const RegisterModel::EditBuffer& buffer = screen->model()->buffer();
            QCOMPARE(buffer.paymentText + buffer.depositText, payment + deposit);
        }
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
        QCOMPARE(out->payee + QLatin1Char('|') + in->payee, QStringLiteral("Transfer to Savings|Transfer from Checking"));
        QCOMPARE(out->amount, -10000);
        QCOMPARE(in->amount, 10000);
        QCOMPARE(in->date, QDate(2024, 3, 1));
        QCOMPARE(QStringList({out->transferLinkId, in->transferLinkId, out->transferDestAccountId, in->transferDestAccountId}),
            QStringList({in->id, out->id, savings.id, checking.id}));
    }

    void editingAStoredRowSavesAndMovesDown()
    {
        const Account account = m_world->addAccount(QStringLiteral("Checking"));
        const Transaction first = m_world->addTransaction(account.id, QDate(2024, 3, 1), QStringLiteral("Cafe"), -450);
        m_world->addTransaction(account.id, QDate(2024, 3, 2), QStringLiteral("Bookshop"), -1200);
        auto screen = showScreen(&m_world->appState, account.id);

        openCell(*screen, 0, RegisterModel::PayeeColumn);
        QCOMPARE(screen->model()->editingRow(), 0);
        type(QStringLiteral("Corner Cafe"));
        tab(5);
        type(QStringLiteral("c"));
        press(Qt::Key_Return);

        const std::optional<Transaction> edited = m_world->appState.transactions()->byId(first.id);
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

    void anEditOfARowChangedElsewhereIsNeverLostSilently()
    {
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
        ModalAnswer::pressWhenShown(QStringLiteral("Keep Editing"), &text);
        saveRow();
        QVERIFY(text.startsWith(QStringLiteral("This transaction was changed elsewhere")));
        QCOMPARE(m_world->appState.transactions()->byId(row.id)->memo, QStringLiteral("theirs"));
        QCOMPARE(screen->model()->buffer().memoText, QStringLiteral("mine"));

        QApplication::setActiveWindow(screen.get());
        ModalAnswer::pressWhenShown(QStringLiteral("Save Mine Instead"));
        saveRow();
        const std::optional<Transaction> saved = m_world->appState.transactions()->byId(row.id);
        QCOMPARE(saved->memo, QStringLiteral("mine"));
        QCOMPARE(saved->version, 3);
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
        ModalAnswer::pressWhenShown(QMessageBox::No, &asked, &title);
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

        QStringList offered;
        auto chooseFromMenu = [&offered](const QString& text) {
            QTimer::singleShot(50, [&offered, text] {
                auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
                QVERIFY(menu);
                offered.clear();
                for (QAction* action : menu->actions()) {
                    if (!action->isSeparator())
                        offered << action->text();
                }
                for (QAction* action : menu->actions()) {
                    if (action->text() == text)
                        menu->setActiveAction(action);
                }
                QTest::keyClick(menu, Qt::Key_Return);
            });
        };
        chooseFromMenu(QStringLiteral("Mark &Cleared"));
        screen->onContextMenu(onRow);
        QCOMPARE(offered, (QStringList{QStringLiteral("&Insert New"), QStringLiteral("&New Transaction..."),
                              QStringLiteral("Mark &Cleared"), QStringLiteral("&Delete")}));
        QVERIFY(m_world->appState.transactions()->byId(stored.id)->cleared);
        QCOMPARE(screen->model()->data(screen->model()->index(0, RegisterModel::ClearedColumn)).toString(), QStringLiteral("C"));

        chooseFromMenu(QStringLiteral("Mark &Uncleared"));
        screen->onContextMenu(onRow);
        QVERIFY(!m_world->appState.transactions()->byId(stored.id)->cleared);

        // Below the rows only the row-independent entries are offered.
        chooseFromMenu(QStringLiteral("&Insert New"));
        screen->onContextMenu(screen->view()->visualRect(screen->model()->index(1, 2)).center());
        QCOMPARE(offered.size(), 2);
        QCOMPARE(current(*screen).row(), 1);
    }

    void apostropheCopiesFromTheRowAbove()
    {
        const Account account = m_world->addAccount(QStringLiteral("Checking"));
        const QString maintenance = m_world->categoryId(QStringLiteral("Maintenance"), QStringLiteral("Transportation"));
        m_world->addTransaction(account.id, QDate(2024, 3, 1), QStringLiteral("Garage"), -9000, maintenance);
        auto screen = showScreen(&m_world->appState, account.id);
        tab(2);
        type(QStringLiteral("'"));
        tab();
        type(QStringLiteral("'"));
        tab(2);
        type(QStringLiteral("'"));
        saveRow();

        const QList<Transaction> rows = m_world->stored(account.id);
        QCOMPARE(rows.size(), 2);
        QCOMPARE(rows.first().payee, QStringLiteral("Garage"));
        QCOMPARE(rows.first().amount, -9000);
        QCOMPARE(rows.first().categoryId, maintenance);
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

    void memorizeRefusesAnOldDate()
    {
        const Account account = m_world->addAccount(QStringLiteral("Checking"));
        m_world->addTransaction(account.id, QDate(1999, 12, 31), QStringLiteral("Party"), -100);
        auto screen = showScreen(&m_world->appState, account.id);
        press(Qt::Key_Up);
        press(Qt::Key_M, Qt::ControlModifier);
        QVERIFY(!QApplication::activeModalWidget());
        QCOMPARE(status(*screen), QStringLiteral("Cannot memorize: source transaction has an invalid date"));
        QVERIFY(m_world->appState.recurring()->all().isEmpty());
    }

    void memorizeOpensTheRecurringForm()
    {
        const Account account = m_world->addAccount(QStringLiteral("Checking"));
        m_world->addTransaction(account.id, QDate(2024, 3, 5), QStringLiteral("Gym"), -3500, QString(), QStringLiteral("monthly"));
        MainWindow window(&m_world->appState);
        showActive(&window);
        window.selectAccount(account.id);
        RegisterScreen* screen = window.registerScreen();
        press(Qt::Key_Up);
        QString title;
        whenDialogShown([&title](QDialog* dialog) {
            title = dialog->windowTitle();
            QTest::mouseClick(okButton(dialog), Qt::LeftButton);
        });
        press(Qt::Key_M, Qt::ControlModifier);
        QCOMPARE(title, QStringLiteral("Memorize Transaction"));
        const QList<RecurringTransaction> rules = m_world->appState.recurring()->all();
        QCOMPARE(rules.size(), 1);
        QCOMPARE(rules.first().payee, QStringLiteral("Gym"));
        QCOMPARE(rules.first().amount, -3500);
        QCOMPARE(rules.first().nextDueDate, QDate(2024, 3, 5));
        QCOMPARE(status(*screen), QStringLiteral("Transaction memorized as recurring"));
    }

private:
    std::unique_ptr<TestWorld> m_world;
};

QTEST_MAIN(TestRegisterScreen)
#include "tst_registerscreen.moc"
