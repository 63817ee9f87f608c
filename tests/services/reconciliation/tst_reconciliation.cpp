// Reconciling an account against a statement: where it starts, what the
// keyboard alone can do, ticks that stay with their transactions, and a
// finish that stores everything or nothing, never over rows changed since.

#include "app/mainwindow.h"
#include "bookkeeping/transactionservice.h"
#include "services/reconciliation/reconciliationhistoryscreen.h"
#include "services/reconciliation/reconciliationmodel.h"
#include "services/reconciliation/reconciliationscreen.h"
#include "services/reconciliation/reconciliationservice.h"
#include "storage/reconciliationrepository.h"
#include "support/dialogtesting.h"
#include "support/modalanswer.h"
#include "support/storagetesting.h"
#include "support/testworld.h"
#include "widgets/datefield.h"
#include "widgets/smartamountfield.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QTableWidget>

using namespace testworld;
using namespace Qt::StringLiterals;

class ReconciliationTest : public QObject
{
    Q_OBJECT

    std::unique_ptr<TestWorld> m_world;
    std::unique_ptr<ReconciliationScreen> m_screen;
    AppState* state() { return &m_world->appState; }
    Transaction stored(const QString& id) { return *state()->transactions()->byId(id); }
    QString value(const char* name) { return labelText(*m_screen, name); }
    QTableView* table() { return child<QTableView>(m_screen.get(), "reconciliationTable"); }
    QList<bool> ticks()
    {
        QList<bool> result;
        for (int row = 0; row < m_screen->model()->rowCount(); ++row)
            result.append(m_screen->model()->isTicked(row));
        return result;
    }
    Transaction addReconciled(const QString& accountId, const QDate& date, qint64 amount)
    {
        Transaction row = m_world->addTransaction(accountId, date, u"Earlier"_s, amount);
        row.cleared = row.reconciled = true;
        if (!state()->transactions()->update(row))
            qFatal("the reconciled row could not be stored");
        return row;
    }
    void open(const QString& accountId)
    {
        m_screen = std::make_unique<ReconciliationScreen>(state());
        m_screen->resize(1100, 720);
        m_screen->start(accountId);
        showActive(m_screen.get());
    }

private Q_SLOTS:
    void init() { m_world = std::make_unique<TestWorld>(); }
    void cleanup()
    {
        m_screen.reset();
        m_world.reset();
    }

    void startsFromTheLastReconciliation_data()
    {
        QTest::addColumn<QDate>("lastStatement");
        QTest::addColumn<QDate>("reconciledOn");
        QTest::addColumn<QString>("previous");
        QTest::addColumn<QString>("statementDate");
        QTest::newRow("nothing reconciled: today") << QDate() << QDate() << u"$100.00"_s << u"5/20/2024"_s;
        QTest::newRow("a month after the last reconciled row") << QDate() << QDate(2024, 3, 10) << u"$150.00"_s << u"4/10/2024"_s;
        QTest::newRow("a month after the last statement") << QDate(2024, 3, 31) << QDate(2024, 3, 15) << u"$150.00"_s << u"4/30/2024"_s;
        QTest::newRow("a later reconciled row wins") << QDate(2024, 3, 31) << QDate(2024, 4, 5) << u"$150.00"_s << u"5/5/2024"_s;
    }
    void startsFromTheLastReconciliation()
    {
        QFETCH(QDate, lastStatement);
        QFETCH(QDate, reconciledOn);
        QFETCH(QString, previous);
        QFETCH(QString, statementDate);
        const QString account = m_world->addAccount(u"Checking"_s, Currency::USD, 10000).id;
        m_world->addTransaction(account, QDate(2024, 4, 20), u"Open row"_s, -2000);
        if (reconciledOn.isValid())
            addReconciled(account, reconciledOn, 5000);
        if (lastStatement.isValid())
            QVERIFY(state()->reconciliations()->insert(makeReconciliation(u"r1"_s, lastStatement, account)));
        open(account);
        QCOMPARE(value("previousValue"), previous);
        QCOMPARE(child<DateField>(m_screen.get(), "statementDateField")->text(), statementDate);
        QCOMPARE(m_screen->model()->rowCount(), 1);
    }

    void reconcilesFromTheKeyboard_data()
    {
        QTest::addColumn<Currency>("currency");
        QTest::addColumn<QString>("typedBalance");
        QTest::addColumn<Qt::Key>("tickKey");
        QTest::addColumn<QString>("shownPayment");
        QTest::addColumn<QString>("shownZero");
        QTest::newRow("dollars, Space, Ctrl+Return") << Currency::USD << u"130"_s << Qt::Key_Space << u"-$20.00"_s << u"$0.00"_s;
        QTest::newRow("yen, C, Finish button") << Currency::JPY << u"13000"_s << Qt::Key_C << u"-¥2,000"_s << u"¥0"_s;
    }
    void reconcilesFromTheKeyboard()
    {
        QFETCH(Currency, currency);
        QFETCH(QString, typedBalance);
        QFETCH(Qt::Key, tickKey);
        QFETCH(QString, shownPayment);
        QFETCH(QString, shownZero);
        const QString account = m_world->addAccount(u"Checking"_s, currency, 15000).id;
        const Transaction grocer = m_world->addTransaction(account, QDate(2024, 6, 5), u"Grocer"_s, -2000);
        const Transaction cafe = m_world->addTransaction(account, QDate(2024, 6, 6), u"Cafe"_s, -500);
        MainWindow window(state());
        showActive(&window);
        window.selectAccount(account);
        press(Qt::Key_R, Qt::ControlModifier);
        auto* screen = window.findChild<ReconciliationScreen*>();
        QVERIFY(screen);
        showActive(screen);

        type(u"6/30/2024"_s);
        press(Qt::Key_Return);
        QCOMPARE(child<SmartAmountField>(screen, "statementBalanceField")->prefix(), currencySymbol(currency) + u" "_s);
        type(typedBalance);
        press(Qt::Key_Return);
        auto* finish = child<QPushButton>(screen, "finishButton");
        QVERIFY(!finish->isEnabled());
        press(tickKey);
        QCOMPARE(labelText(*screen, "differenceValue"), shownZero);
        QCOMPARE(screen->model()->index(0, ReconciliationModel::AmountColumn).data().toString(), shownPayment);
        QVERIFY(finish->isEnabled());
        QString told;
        ModalAnswer::pressWhenShown(QMessageBox::Ok, &told);
        if (currency == Currency::USD) {
            press(Qt::Key_Return, Qt::ControlModifier);
        } else {
            tab();
            press(Qt::Key_Space);
        }
        QCOMPARE(told, u"Account reconciled successfully."_s);
        QTRY_VERIFY(!window.findChild<ReconciliationScreen*>());

        QVERIFY(stored(grocer.id).reconciled && stored(grocer.id).cleared);
        QVERIFY(!stored(cafe.id).reconciled);
        const QList<Reconciliation> history = state()->reconciliations()->byAccount(account);
        QCOMPARE(history.size(), 1);
        QCOMPARE(history.first().statementDate, QDate(2024, 6, 30));
        QCOMPARE(history.first().statementBalance, 13000);
        QCOMPARE(history.first().reconciledBalance, 13000);
        window.showReconciliationHistoryWindow();
        auto* listed = window.findChild<ReconciliationHistoryScreen*>()->findChild<QTableWidget*>();
        QCOMPARE(listed->item(0, 2)->text(), formatCurrency(13000, currency, AmountFormat::shown()));
    }

    void ticksStayWithTheirTransactions()
    {
        const QString account = m_world->addAccount(u"Checking"_s).id;
        const Transaction cafe = m_world->addTransaction(account, QDate(2024, 3, 1), u"Cafe"_s, -1000);
        Transaction power = m_world->addTransaction(account, QDate(2024, 3, 2), u"Power"_s, -3000);
        power.cleared = true;
        QVERIFY(state()->transactions()->update(power));
        open(account);
        table()->setFocus();
        press(Qt::Key_Space);
        press(Qt::Key_Down);
        press(Qt::Key_R);
        QCOMPARE(ticks(), QList<bool>({true, false}));

        // Added in the window as cleared: it starts ticked, the others keep theirs.
        whenDialogShown([](QDialog* dialog) {
            typeInto(child<QLineEdit>(dialog, "payeeField"), u"Bakery"_s);
            typeInto(child<SmartAmountField>(dialog, "amountField"), u"7"_s);
            toggleByKeyboard(child<QCheckBox>(dialog, "clearedCheck"));
            okButton(dialog)->click();
        });
        press(Qt::Key_Insert);
        QCOMPARE(m_screen->model()->rowCount(), 3);
        QCOMPARE(ticks(), QList<bool>({true, false, true}));

        // The offscreen platform gives no window back its focus after a dialog.
        showActive(m_screen.get());
        table()->setCurrentIndex(m_screen->model()->index(0, ReconciliationModel::PayeeColumn));
        whenDialogShown([](QDialog* dialog) {
            typeInto(child<SmartAmountField>(dialog, "amountField"), u"12"_s);
            okButton(dialog)->click();
        });
        press(Qt::Key_F2);
        QCOMPARE(stored(cafe.id).amount, -1200);
        QCOMPARE(ticks(), QList<bool>({true, false, true}));
    }

    void finishStoresAllOrNothing_data()
    {
        QTest::addColumn<QString>("refused");
        QTest::addColumn<QString>("warning");
        QTest::newRow("the record") << u"BEFORE INSERT ON reconciliations"_s << u"ReconciliationRepository::insert"_s;
        QTest::newRow("the second row") << u"BEFORE UPDATE ON transactions WHEN new.payee = 'Power'"_s
                                        << u"TransactionRepository::update"_s;
    }
    void finishStoresAllOrNothing()
    {
        QFETCH(QString, refused);
        QFETCH(QString, warning);
        const QString account = m_world->addAccount(u"Checking"_s).id;
        const Transaction cafe = m_world->addTransaction(account, QDate(2024, 3, 1), u"Cafe"_s, -1000);
        const Transaction power = m_world->addTransaction(account, QDate(2024, 3, 2), u"Power"_s, -3000);
        QVERIFY(execute(state()->database(), u"CREATE TEMP TRIGGER refuse %1 BEGIN SELECT RAISE(ABORT, 'refused'); END"_s.arg(refused)));
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(warning + u" failed: refused"_s));

        const WriteOutcome outcome =
            state()->reconciliationService()->finish({account, QDate(2024, 3, 31), -4000, {cafe, power}});
        QCOMPARE(outcome.status, WriteOutcome::Status::Failed);
        QVERIFY(!outcome.message.isEmpty());
        QVERIFY(!stored(cafe.id).reconciled && !stored(power.id).reconciled);
        QVERIFY(state()->reconciliations()->byAccount(account).isEmpty());
    }

    void rowsChangedSinceTheyWereReadAreRefused_data()
    {
        QTest::addColumn<QString>("change");
        QTest::addColumn<QString>("told");
        QTest::newRow("amount corrected") << u"UPDATE transactions SET amount = -5500 WHERE id = '%1'"_s
                                          << u"The amount of \"Grocer\" was changed elsewhere from -$50.00 to -$55.00."_s;
        QTest::newRow("deleted") << u"UPDATE transactions SET deleted_at = '2024-05-20T12:00:00Z' WHERE id = '%1'"_s
                                 << u"\"Grocer\" was deleted elsewhere after the reconciliation window read it."_s;
        QTest::newRow("reconciled") << u"UPDATE transactions SET reconciled = 1 WHERE id = '%1'"_s
                                    << u"\"Grocer\" was reconciled elsewhere meanwhile."_s;
        QTest::newRow("an earlier row changed") << u"UPDATE transactions SET amount = 9000 WHERE reconciled = 1 AND id != '%1'"_s
                                                << u"no longer add up to the statement balance of $50.00"_s;
    }
    void rowsChangedSinceTheyWereReadAreRefused()
    {
        QFETCH(QString, change);
        QFETCH(QString, told);
        const QString account = m_world->addAccount(u"Checking"_s).id;
        addReconciled(account, QDate(2024, 2, 1), 10000);
        const Transaction grocer = m_world->addTransaction(account, QDate(2024, 3, 5), u"Grocer"_s, -5000);
        open(account);
        press(Qt::Key_Return);
        type(u"50"_s);
        press(Qt::Key_Return);
        press(Qt::Key_Space);
        // Another program on the same file: no change signal reaches the window.
        QVERIFY(execute(state()->database(), change.arg(grocer.id)));
        QString text, title;
        ModalAnswer::pressWhenShown(QMessageBox::Ok, &text, &title);
        press(Qt::Key_Return, Qt::ControlModifier);

        QCOMPARE(title, u"Not Reconciled"_s);
        QVERIFY2(text.contains(told), qPrintable(text));
        QVERIFY(!stored(grocer.id).cleared);
        QVERIFY(state()->reconciliations()->byAccount(account).isEmpty());
    }

    void deletingATransferAsksThenDeletesBothLegs_data()
    {
        QTest::addColumn<bool>("yes");
        QTest::newRow("Enter keeps both") << false;
        QTest::newRow("Yes deletes both") << true;
    }
    void deletingATransferAsksThenDeletesBothLegs()
    {
        QFETCH(bool, yes);
        const QString checking = m_world->addAccount(u"Checking"_s).id;
        const QString savings = m_world->addAccount(u"Savings"_s).id;
        TransactionEntry transfer;
        transfer.date = QDate(2024, 3, 1);
        transfer.amount = -10000;
        transfer.transferAccountId = savings;
        QVERIFY(state()->transactionService()->create(checking, transfer).ok());
        open(checking);
        table()->setFocus();
        QString question;
        whenDialogShown([&](QDialog* dialog) {
            question = static_cast<QMessageBox*>(dialog)->text();
            if (yes)
                static_cast<QMessageBox*>(dialog)->button(QMessageBox::Yes)->click();
            else
                QTest::keyClick(dialog, Qt::Key_Return);
        });
        press(Qt::Key_Delete);

        QCOMPARE(question, u"Delete transfer \"Transfer to Savings\" for $100.00?\n\nBoth sides of the transfer will be deleted."_s);
        QCOMPARE(m_world->stored(checking).size(), yes ? 0 : 1);
        QCOMPARE(m_world->stored(savings).size(), yes ? 0 : 1);
        QCOMPARE(m_screen->model()->rowCount(), yes ? 0 : 1);
    }
};

QTEST_MAIN(ReconciliationTest)
#include "tst_reconciliation.moc"
