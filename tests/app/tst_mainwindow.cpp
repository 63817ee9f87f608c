#include "app/mainwindow.h"
#include "app/totalslabel.h"
#include "app/welcomescreen.h"
#include "register/transactionformdialog.h"
#include "storage/reconciliationrepository.h"
#include "storage/identifiers.h"
#include "storage/textlimits.h"
#include "storage/recurringrepository.h"
#include "support/dialogtesting.h"
#include "support/modalanswer.h"
#include "support/storagetesting.h"
#include "support/testworld.h"
#include "widgets/smartamountfield.h"

#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRegularExpression>
#include <QSettings>
#include <QSplitter>
#include <QStatusBar>
#include <limits>

using namespace testworld;

namespace {

QListWidget* sidebar(const MainWindow& window)
{
    return window.findChild<QListWidget*>();
}

QVariant column(TestWorld& world, const QString& table, const QString& column, const QString& id)
{
    return scalar(world.appState.database(), QStringLiteral("SELECT %1 FROM %2 WHERE id = ?").arg(column, table), {id});
}

QString rowText(const MainWindow& window, int row, const char* labelName)
{
    const QWidget* widget = sidebar(window)->itemWidget(sidebar(window)->item(row));
    return widget ? labelText(*widget, labelName) : QString();
}

QStringList sidebarNames(const MainWindow& window)
{
    QStringList names;
    for (int row = 0; row < sidebar(window)->count(); ++row)
        names.append(rowText(window, row, "accountName"));
    return names;
}

QString selectedSidebarName(const MainWindow& window)
{
    const QList<QListWidgetItem*> selected = sidebar(window)->selectedItems();
    return selected.size() != 1 ? QString() : rowText(window, sidebar(window)->row(selected.first()), "accountName");
}

QString totalText(const MainWindow& window)
{
    return window.findChild<TotalsLabel*>(QStringLiteral("totalLabel"))->totals();
}

} // namespace

class MainWindowTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
        QCoreApplication::setOrganizationName(QStringLiteral("Kestrelwood"));
        QCoreApplication::setApplicationName(QStringLiteral("Checkbook"));
        QCoreApplication::setApplicationVersion(QStringLiteral("1.0.7"));
    }
    void init()
    {
        QSettings().remove(QStringLiteral("mainwindow"));
    }
    void firstStartGoesFromWelcomeToEmptyStateToANewRegister()
    {
        TestWorld world;
        MainWindow window(&world.appState);
        showActive(&window);
        QCOMPARE(window.currentPage(), MainWindow::Page::Welcome);
        QCOMPARE(totalText(window), QStringLiteral("No accounts"));
        QTest::mouseClick(window.findChild<QPushButton*>(QStringLiteral("continueButton")), Qt::LeftButton);
        QCOMPARE(window.currentPage(), MainWindow::Page::EmptyState);

        whenDialogShown([](QDialog* dialog) {
            typeInto(dialog->findChild<QLineEdit*>(QStringLiteral("nameField")), QStringLiteral("Everyday Checking"));
            typeInto(dialog->findChild<SmartAmountField*>(QStringLiteral("startingBalanceField")), QStringLiteral("250"));
            QTest::mouseClick(okButton(dialog), Qt::LeftButton);
        });
        QTest::mouseClick(window.findChild<QPushButton*>(QStringLiteral("createAccountButton")), Qt::LeftButton);

        const QList<Account> accounts = world.appState.accounts()->all();
        QCOMPARE(accounts.size(), 1);
        const Account& created = accounts.first();
        QCOMPARE(window.currentPage(), MainWindow::Page::Register);
        QCOMPARE(window.registerScreen()->accountId(), created.id);
        QCOMPARE(selectedSidebarName(window), QStringLiteral("Everyday Checking"));
        QCOMPARE(rowText(window, 0, "accountBalance"), QStringLiteral("$250.00"));

        // Once the window is active again the keyboard lands in the register.
        showActive(&window);
        RegisterTableView* view = window.registerScreen()->view();
        QCOMPARE(QApplication::focusWidget(), view);
        QCOMPARE(view->currentIndex().row(), window.registerScreen()->model()->entryRow());
    }
    void aRefusedNewAccountReopensTheFormAsTyped()
    {
        TestWorld world;
        MainWindow window(&world.appState);
        showActive(&window);
        QVERIFY(execute(world.appState.database(), QStringLiteral("PRAGMA query_only = 1")));
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("failed:.*readonly")));

        QString warning;
        QString nameOnReopen;
        whenDialogShown([&](QDialog* dialog) {
            typeInto(dialog->findChild<QLineEdit*>(QStringLiteral("nameField")), QStringLiteral("Everyday Checking"));
            ModalAnswer::pressWhenShown(QMessageBox::Ok, &warning);
            // The form comes back with the name as typed; the user gives up.
            whenDialogShown([&](QDialog* again) {
                nameOnReopen = again->findChild<QLineEdit*>(QStringLiteral("nameField"))->text();
                again->reject();
            });
            QTest::mouseClick(okButton(dialog), Qt::LeftButton);
        });
        menuAction(window, QStringLiteral("&File"), QStringLiteral("New &Account"))->trigger();

        QCOMPARE(warning, QStringLiteral("The account could not be created.\n\nThe data file is read-only."));
        QCOMPARE(nameOnReopen, QStringLiteral("Everyday Checking"));
        QVERIFY(world.appState.accounts()->all().isEmpty());
    }
    void editingTheCurrentAccountUpdatesSidebarAndRegister()
    {
        TestWorld world;
        const Account account = world.addAccount(QStringLiteral("Checking"));
        MainWindow window(&world.appState);
        showActive(&window);

        whenDialogShown([](QDialog* dialog) {
            typeInto(dialog->findChild<QLineEdit*>(QStringLiteral("nameField")), QStringLiteral("Joint Checking"));
            typeInto(dialog->findChild<QLineEdit*>(QStringLiteral("accountNumberField")), QStringLiteral("9876"));
            QTest::mouseClick(okButton(dialog), Qt::LeftButton);
        });
        menuAction(window, QStringLiteral("&Account"), QStringLiteral("&Edit..."))->trigger();

        const std::optional<Account> stored = world.appState.accounts()->byId(account.id);
        QCOMPARE(stored->name, QStringLiteral("Joint Checking"));
        QCOMPARE(stored->accountNumberLast4, QStringLiteral("9876"));
        QCOMPARE(sidebarNames(window), QStringList{QStringLiteral("Joint Checking")});
        QCOMPARE(rowText(window, 0, "accountDetails"), QStringLiteral("Checking  ·  *9876"));
        QCOMPARE(labelText(*window.registerScreen(), "accountNameLabel"), QStringLiteral("Joint Checking"));
    }
    void sidebarShowsAccountsAndFollowsTransactions()
    {
        TestWorld world;
        const Account checking = world.addAccount(QStringLiteral("Checking"));
        Account card = world.addAccount(QStringLiteral("Visa"), Currency::USD, 0, 1);
        card.type = AccountType::CreditCard;
        QVERIFY(world.appState.accounts()->update(card));
        world.addTransaction(checking.id, QDate(2024, 5, 1), QStringLiteral("Pay"), 10000);
        MainWindow window(&world.appState);

        QCOMPARE(sidebarNames(window), (QStringList{QStringLiteral("Checking"), QStringLiteral("Visa")}));
        QCOMPARE(rowText(window, 1, "accountDetails"), QStringLiteral("Credit Card"));
        QCOMPARE(rowText(window, 0, "accountBalance"), QStringLiteral("$100.00"));
        const Transaction payment = world.addTransaction(card.id, QDate(2024, 5, 1), QStringLiteral("Pay"), -2550);
        QCOMPARE(rowText(window, 1, "accountBalance"), QStringLiteral("-$25.50"));
        QCOMPARE(totalText(window), QStringLiteral("Total: $74.50"));

        QVERIFY(world.appState.transactions()->softDelete(payment.id));
        QCOMPARE(rowText(window, 1, "accountBalance"), QStringLiteral("$0.00"));

        card.startingBalance = 5000;
        QVERIFY(world.appState.accounts()->update(card));
        QCOMPARE(rowText(window, 1, "accountBalance"), QStringLiteral("$50.00"));
    }
    void totalsArePerCurrency_data()
    {
        QTest::addColumn<QList<Currency>>("currencies");
        QTest::addColumn<QList<qint64>>("balances");
        QTest::addColumn<QString>("expected");

        QTest::newRow("one foreign currency") << QList<Currency>{Currency::EUR} << QList<qint64>{-500}
                                              << QStringLiteral("Total: -€5.00");
        QTest::newRow("distinct symbols, order of first appearance")
            << QList<Currency>{Currency::EUR, Currency::USD, Currency::EUR, Currency::JPY}
            << QList<qint64>{2500, 123456, 2500, 1500} << QStringLiteral("Total: €50.00 · $1,234.56 · ¥1,500");
        QTest::newRow("dollars of different countries")
            << QList<Currency>{Currency::USD, Currency::CAD, Currency::EUR} << QList<qint64>{123456, 5000, 300}
            << QStringLiteral("Total: $1,234.56 USD · $50.00 CAD · €3.00");
    }
    void totalsArePerCurrency()
    {
        QFETCH(QList<Currency>, currencies);
        QFETCH(QList<qint64>, balances);
        QFETCH(QString, expected);

        TestWorld world;
        for (int i = 0; i < currencies.size(); ++i) {
            const Account account = world.addAccount(QStringLiteral("Account %1").arg(i), currencies[i], 0, i);
            world.addTransaction(account.id, QDate(2024, 5, 1), QStringLiteral("Pay"), balances[i]);
        }
        MainWindow window(&world.appState);
        QCOMPARE(totalText(window), expected);
    }
    void altDigitSelectsSidebarRow()
    {
        TestWorld world;
        QStringList ids;
        for (int i = 0; i < 11; ++i)
            ids.append(world.addAccount(QStringLiteral("Account %1").arg(i + 1, 2, 10, QLatin1Char('0')), Currency::USD, 0, i).id);
        MainWindow window(&world.appState);
        showActive(&window);
        QCOMPARE(world.appState.currentAccountId(), ids[0]);

        QTest::keyClick(&window, Qt::Key_0, Qt::AltModifier);
        QCOMPARE(window.registerScreen()->accountId(), ids[9]);
        QCOMPARE(selectedSidebarName(window), QStringLiteral("Account 10"));
        QTest::keyClick(&window, Qt::Key_3, Qt::AltModifier);
        QCOMPARE(world.appState.currentAccountId(), ids[2]);

        // With four accounts left only Alt+1 to Alt+4 exist.
        for (int i = 4; i < 11; ++i)
            QVERIFY(world.appState.accounts()->softDelete(ids[i]));
        QTest::keyClick(&window, Qt::Key_5, Qt::AltModifier);
        QCOMPARE(world.appState.currentAccountId(), ids[2]);
        QTest::keyClick(&window, Qt::Key_4, Qt::AltModifier);
        QCOMPARE(world.appState.currentAccountId(), ids[3]);
    }
    void deletingCurrentAccountCascadesThenClearsSelection()
    {
        TestWorld world;
        const Account kept = world.addAccount(QStringLiteral("Kept"), Currency::USD, 0, 0);
        const Account doomed = world.addAccount(QStringLiteral("Doomed"), Currency::USD, 0, 1);
        const Transaction payment = world.addTransaction(doomed.id, QDate(2024, 5, 1), QStringLiteral("Pay"), -1000);
        const Transaction other = world.addTransaction(kept.id, QDate(2024, 5, 1), QStringLiteral("Pay"), 500);

        const RecurringTransaction rule = makeRecurring(newId(), QDate(2024, 6, 1), doomed.id);
        QVERIFY(world.appState.recurring()->insert(rule));
        const Reconciliation reconciliation = makeReconciliation(newId(), QDate(2024, 4, 30), doomed.id);
        QVERIFY(world.appState.reconciliations()->insert(reconciliation));

        MainWindow window(&world.appState);
        window.selectAccount(doomed.id);
        ModalAnswer::pressWhenShown(QMessageBox::No);
        window.deleteCurrentAccount();
        QVERIFY(column(world, QStringLiteral("accounts"), QStringLiteral("deleted_at"), doomed.id).isNull());
        QCOMPARE(world.appState.currentAccountId(), doomed.id);

        // The whole cascade is one database transaction: every change signal
        // comes once, after the commit, when the account is already deleted.
        QStringList order;
        const auto step = [&](const QString& what) {
            const bool accountLive = column(world, QStringLiteral("accounts"), QStringLiteral("deleted_at"), doomed.id).isNull();
            order.append(what + (accountLive ? QStringLiteral(" (account live)") : QString()));
        };
        connect(world.appState.transactions(), &TransactionRepository::transactionsChanged, &window,
            [&] { step(QStringLiteral("transactions")); });
        connect(world.appState.recurring(), &RecurringRepository::recurringChanged, &window,
            [&] { step(QStringLiteral("recurring")); });
        connect(world.appState.reconciliations(), &ReconciliationRepository::reconciliationsChanged, &window,
            [&] { step(QStringLiteral("reconciliations")); });
        connect(world.appState.accounts(), &AccountRepository::accountsChanged, &window,
            [&] { step(QStringLiteral("account")); });

        QString question;
        ModalAnswer::pressWhenShown(QMessageBox::Yes, &question);
        menuAction(window, QStringLiteral("&Account"), QStringLiteral("&Delete"))->trigger();

        QVERIFY2(question.startsWith(QStringLiteral("Delete \"Doomed\"?")), qPrintable(question));
        QCOMPARE(order,
            (QStringList{QStringLiteral("transactions"), QStringLiteral("recurring"), QStringLiteral("reconciliations"),
                QStringLiteral("account")}));
        const QString accountDeleted = column(world, QStringLiteral("accounts"), QStringLiteral("deleted_at"), doomed.id).toString();
        QVERIFY(!accountDeleted.isEmpty());
        // Nothing of the account is deleted after the account itself.
        for (const auto& [table, id] : {std::pair(QStringLiteral("transactions"), payment.id),
                 std::pair(QStringLiteral("recurring_transactions"), rule.id), std::pair(QStringLiteral("reconciliations"), reconciliation.id)}) {
            const QString deleted = column(world, table, QStringLiteral("deleted_at"), id).toString();
            QVERIFY2(!deleted.isEmpty() && deleted <= accountDeleted, qPrintable(table));
        }
        QVERIFY(column(world, QStringLiteral("transactions"), QStringLiteral("deleted_at"), other.id).isNull());

        QCOMPARE(world.appState.currentAccountId(), QString());
        QCOMPARE(sidebarNames(window), QStringList{QStringLiteral("Kept")});
        QCOMPARE(window.currentPage(), MainWindow::Page::Welcome);

        // Going on from the welcome page shows an account that is left.
        QTest::mouseClick(window.findChild<QPushButton*>(QStringLiteral("continueButton")), Qt::LeftButton);
        QCOMPARE(window.currentPage(), MainWindow::Page::Register);
        QCOMPARE(world.appState.currentAccountId(), kept.id);
    }
    void draggedOrderIsStored()
    {
        TestWorld world;
        const Account a = world.addAccount(QStringLiteral("Alpha"));
        const Account b = world.addAccount(QStringLiteral("Bravo"));
        const Account c = world.addAccount(QStringLiteral("Charlie"));
        MainWindow window(&world.appState);
        QCOMPARE(sidebarNames(window), (QStringList{QStringLiteral("Alpha"), QStringLiteral("Bravo"), QStringLiteral("Charlie")}));

        // What a drop does to the list: Alpha moves below Charlie.
        QSignalSpy stored(world.appState.accounts(), &AccountRepository::accountsChanged);
        QVERIFY(sidebar(window)->model()->moveRow(QModelIndex(), 0, QModelIndex(), 3));
        QVERIFY(stored.wait());

        for (const auto& [id, order] : {std::pair(b.id, 0), std::pair(c.id, 1), std::pair(a.id, 2)})
            QCOMPARE(column(world, QStringLiteral("accounts"), QStringLiteral("sort_order"), id).toInt(), order);
        QCOMPARE(selectedSidebarName(window), QStringLiteral("Alpha"));
    }
    void geometryAndSidebarWidthSurviveRestart()
    {
        TestWorld world;
        world.addAccount(QStringLiteral("Checking"));
        {
            MainWindow window(&world.appState);
            window.resize(1180, 740);
            window.show();
            QVERIFY(QTest::qWaitForWindowExposed(&window));
            window.findChild<QSplitter*>()->setSizes({340, 840});
            window.close();
        }
        MainWindow reopened(&world.appState);
        reopened.show();
        QVERIFY(QTest::qWaitForWindowExposed(&reopened));
        QCOMPARE(reopened.size(), QSize(1180, 740));
        QCOMPARE(reopened.findChild<QSplitter*>()->sizes().first(), 340);
    }
    void opensCurrentAccountElseFirst()
    {
        TestWorld world;
        world.addAccount(QStringLiteral("First"), Currency::USD, 0, 0);
        const Account second = world.addAccount(QStringLiteral("Second"), Currency::USD, 0, 1);
        world.appState.setCurrentAccountId(second.id);
        {
            MainWindow window(&world.appState);
            QCOMPARE(window.registerScreen()->accountId(), second.id);
        }
        // An account deleted elsewhere (on another device) is not reopened.
        QVERIFY(world.appState.accounts()->softDelete(second.id));
        MainWindow window(&world.appState);
        QCOMPARE(window.currentPage(), MainWindow::Page::Register);
        QCOMPARE(selectedSidebarName(window), QStringLiteral("First"));
    }
    // A balance too large to hold reads "Overflow", never a wrapped number.
    void sidebarShowsOverflow_data()
    {
        QTest::addColumn<Currency>("hugeCurrency");
        QTest::addColumn<QString>("total");
        QTest::newRow("same currency") << Currency::USD << QStringLiteral("Total: Overflow USD");
        QTest::newRow("another currency") << Currency::EUR << QStringLiteral("Total: $1.00 · Overflow EUR");
    }
    void sidebarShowsOverflow()
    {
        QFETCH(Currency, hugeCurrency);
        QFETCH(QString, total);
        TestWorld world;
        world.addTransaction(world.addAccount(QStringLiteral("Everyday")).id, QDate(2024, 3, 1), QStringLiteral("Pay"), 100);
        const QString huge = world.addAccount(QStringLiteral("Winnings"), hugeCurrency, 0, 1).id;
        world.addTransaction(huge, QDate(2024, 3, 1), QStringLiteral("Pay"), 100);
        const Transaction wrapped = world.addTransaction(huge, QDate(2024, 3, 2), QStringLiteral("Jackpot"), 0);
        QVERIFY(execute(world.appState.database(), QStringLiteral("UPDATE transactions SET amount = %1 WHERE id = '%2'")
                                                       .arg(std::numeric_limits<qint64>::max()).arg(wrapped.id)));

        MainWindow window(&world.appState);
        QCOMPARE(rowText(window, 0, "accountBalance"), QStringLiteral("$1.00"));
        QCOMPARE(rowText(window, 1, "accountBalance"), QStringLiteral("Overflow"));
        QCOMPARE(totalText(window), total);
        // Deleting the row that overflowed brings the number back.
        QVERIFY(world.appState.transactions()->softDelete(wrapped.id));
        QCOMPARE(rowText(window, 1, "accountBalance"), formatCurrency(100, hugeCurrency));
    }
    void aLongAccountNameLeavesTheWindowSizeAlone()
    {
        TestWorld world;
        const QString name(100000, QLatin1Char('n'));
        world.addAccount(name);
        MainWindow window(&world.appState);
        window.resize(1000, 700);
        showActive(&window);
        QCOMPARE(labelText(*window.registerScreen(), "accountNameLabel"), name);
        QVERIFY(window.registerScreen()->findChild<QLabel*>(QStringLiteral("accountNameLabel"))->toolTip().startsWith(name.left(maxNameLength)));
        QCOMPARE(window.width(), 1000);
        QVERIFY(window.minimumSizeHint().width() < 1000);
    }
    void statusBarCountsRecurringDue()
    {
        TestWorld world;
        const QString accountId = world.addAccount(QStringLiteral("Checking")).id;
        MainWindow window(&world.appState);
        const QLabel* due = window.statusBar()->findChild<QLabel*>(QStringLiteral("recurringDueLabel"));
        QVERIFY(due->isHidden());

        QStringList ids;
        for (const QDate& nextDue : {QDate(2024, 5, 1), TestWorld::now().date(), QDate(2024, 5, 21)}) {
            ids.append(newId());
            QVERIFY(world.appState.recurring()->insert(makeRecurring(ids.last(), nextDue, accountId)));
        }
        QVERIFY(!due->isHidden());
        QCOMPARE(due->text(), QStringLiteral("  •  2 recurring due"));

        QVERIFY(world.appState.recurring()->softDelete(ids[0]) && world.appState.recurring()->softDelete(ids[1]));
        QVERIFY(due->isHidden());
    }
    // The window tells the welcome page the sign-in state on every change;
    // a click still runs only the action of the last state.
    void welcomeSignInButtonRunsOneActionPerClick()
    {
        TestWorld world;
        WelcomeScreen screen(&world.appState);
        QSignalSpy signIn(&screen, &WelcomeScreen::signInRequested);
        QSignalSpy signOut(&screen, &WelcomeScreen::signOutRequested);
        auto* button = screen.findChild<QPushButton*>(QStringLiteral("signInButton"));
        for (bool signedIn : {false, true, false, false})
            screen.setSignedIn(signedIn);
        button->click();
        for (bool signedIn : {true, true})
            screen.setSignedIn(signedIn);
        button->click();
        QCOMPARE(signIn.count(), 1);
        QCOMPARE(signOut.count(), 1);
    }
    // Inside the register Ctrl+I and Ctrl+N mean the register's commands,
    // though the window's menus have the same shortcuts.
    void ctrlIStartsANewRowInTheRegister()
    {
        TestWorld world;
        const Account account = world.addAccount(QStringLiteral("Checking"));
        world.addTransaction(account.id, QDate(2024, 3, 1), QStringLiteral("Cafe"), -450);
        MainWindow window(&world.appState);
        showActive(&window);
        window.selectAccount(account.id);
        RegisterScreen* screen = window.registerScreen();
        press(Qt::Key_Up);
        press(Qt::Key_I, Qt::ControlModifier);
        QVERIFY(window.statusBar()->currentMessage().isEmpty());
        QCOMPARE(current(*screen).row(), screen->model()->entryRow());
        QVERIFY(openEditor(*screen));
    }
    void ctrlNOpensTheTransactionDialogFromTheRegister()
    {
        TestWorld world;
        const Account account = world.addAccount(QStringLiteral("Checking"));
        MainWindow window(&world.appState);
        showActive(&window);
        window.selectAccount(account.id);
        bool dialogShown = false;
        whenDialogShown([&](QDialog* dialog) {
            dialogShown = qobject_cast<TransactionFormDialog*>(dialog) != nullptr;
            dialog->reject();
        });
        press(Qt::Key_N, Qt::ControlModifier);
        QTRY_VERIFY(dialogShown);
    }
    void enterPressesTheFocusedButton()
    {
        TestWorld world;
        MainWindow window(&world.appState);
        showActive(&window);
        QCOMPARE(window.currentPage(), MainWindow::Page::Welcome);
        window.findChild<QPushButton*>(QStringLiteral("continueButton"))->setFocus();
        press(Qt::Key_Return);
        QCOMPARE(window.currentPage(), MainWindow::Page::EmptyState);
    }
    void theShortcutListNamesEachKeyOnce()
    {
        TestWorld world;
        MainWindow window(&world.appState);
        showActive(&window);
        QString shown;
        ModalAnswer::pressWhenShown(QMessageBox::Ok, &shown);
        menuAction(window, QStringLiteral("&Help"), QStringLiteral("&Keyboard Shortcuts"))->trigger();
        static const QRegularExpression keyCell(QStringLiteral("<td width=\"140\"><b>(.*?)</b></td>"));
        QStringList keys;
        for (const QRegularExpressionMatch& match : keyCell.globalMatch(shown))
            keys.append(match.captured(1));
        QVERIFY(keys.size() > 10);
        QCOMPARE(QSet<QString>(keys.cbegin(), keys.cend()).size(), keys.size());
    }
};

QTEST_MAIN(MainWindowTest)
#include "tst_mainwindow.moc"
