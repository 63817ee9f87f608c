#include "register/transactionformdialog.h"
#include "support/dialogtesting.h"
#include "support/modalanswer.h"
#include "support/storagetesting.h"
#include "support/testworld.h"
#include "widgets/datefield.h"
#include "widgets/smartamountfield.h"

#include <QAbstractItemView>
#include <QCheckBox>
#include <QComboBox>
#include <QCompleter>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace {

// The dialog's widgets, found the way a test would point at them on screen.
struct TransactionForm
{
    QDialog* dialog;
    QRadioButton* payment = child<QRadioButton>(dialog, "paymentRadio");
    QRadioButton* deposit = child<QRadioButton>(dialog, "depositRadio");
    DateField* date = child<DateField>(dialog, "dateField");
    QLineEdit* payee = child<QLineEdit>(dialog, "payeeField");
    SmartAmountField* amount = child<SmartAmountField>(dialog, "amountField");
    QComboBox* category = child<QComboBox>(dialog, "categoryCombo");
    QLineEdit* memo = child<QLineEdit>(dialog, "memoField");
    QLineEdit* checkNumber = child<QLineEdit>(dialog, "checkNumberField");
    QCheckBox* cleared = child<QCheckBox>(dialog, "clearedCheck");
    QPushButton* ok = okButton(dialog);
};

} // namespace

class TransactionFormDialogTest : public QObject
{
    Q_OBJECT

    std::unique_ptr<TestWorld> m_world;
    QString m_checking;
    QString m_household;
    QString m_powerBill;
    TransactionRepository* transactions() { return m_world->appState.transactions(); }

private Q_SLOTS:
    void init()
    {
        m_world = std::make_unique<TestWorld>();
        m_checking = m_world->addAccount(QStringLiteral("Checking")).id;
        m_household = m_world->addCategory(QStringLiteral("Household"));
        m_powerBill = m_world->addCategory(QStringLiteral("Power Bill"), m_household);
    }
    void cleanup() { m_world.reset(); }

    // Runs first: the remembered date is process-wide.
    void savesTypedPaymentAndRemembersItsDate()
    {
        {
            TransactionFormDialog dialog(&m_world->appState, m_checking);
            showAndWait(&dialog);
            const TransactionForm form{&dialog};
            QCOMPARE(form.date->date(), TestWorld::now().date());
            QVERIFY(form.payment->isChecked());
            typeInto(form.payee, QStringLiteral("  Hardware Store "));
            typeInto(form.amount, QStringLiteral("12.34"));
            typeIntoCombo(form.category, QStringLiteral("Household > Power Bill"));
            typeInto(form.memo, QStringLiteral(" nails "));
            typeInto(form.checkNumber, QStringLiteral("1042"));
            toggleByKeyboard(form.cleared);
            // Return in the date field accepts the form before the field is left.
            typeInto(form.date, QStringLiteral("3/1/24"));
            QTest::keyClick(form.date, Qt::Key_Return);
            QCOMPARE(dialog.result(), int(QDialog::Accepted));

            Transaction expected = dialog.transaction();
            QVERIFY(transactions()->insert(expected));
            expected.accountId = m_checking;
            expected.date = QDate(2024, 3, 1);
            expected.payee = QStringLiteral("Hardware Store");
            expected.amount = -1234;
            expected.categoryId = m_powerBill;
            expected.memo = QStringLiteral("nails");
            expected.checkNumber = QStringLiteral("1042");
            expected.cleared = true;
            expected.createdAt = expected.updatedAt = TestWorld::now();
            QVERIFY(sameRecord(transactions()->byId(expected.id), expected));
            QCOMPARE(QUuid(expected.id).version(), QUuid::Random);
        }
        TransactionFormDialog next(&m_world->appState, m_checking);
        QCOMPARE(TransactionForm{&next}.date->text(), QStringLiteral("3/1/2024"));
    }

    void editingKeepsIdentity()
    {
        const Transaction original = m_world->addTransaction(m_checking, QDate(2024, 2, 10), QStringLiteral("Employer"), 250000,
            m_household, QStringLiteral("pay"));
        TransactionFormDialog dialog(&m_world->appState, original);
        showAndWait(&dialog);
        const TransactionForm form{&dialog};
        QVERIFY(form.deposit->isChecked());
        QCOMPARE(form.category->currentText(), QStringLiteral("Household"));
        typeInto(form.payee, QStringLiteral("Employer Inc"));
        QTest::mouseClick(form.payment, Qt::LeftButton);
        QTest::mouseClick(form.ok, Qt::LeftButton);

        QVERIFY(transactions()->update(dialog.transaction()));
        Transaction expected = original;
        expected.payee = QStringLiteral("Employer Inc");
        expected.amount = -250000;
        expected.updatedAt = TestWorld::now();
        QVERIFY(sameRecord(transactions()->byId(original.id), expected));
    }

    void readsCategoryFromTypedText_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("isPowerBill"); // else: no category
        QTest::newRow("(none)") << "(none)" << false;
        QTest::newRow("child category") << "Household > Power Bill" << true;
        QTest::newRow("text of no category") << "Power" << false;
        QTest::newRow("cleared text") << "" << false;
    }

    void readsCategoryFromTypedText()
    {
        QFETCH(QString, typed);
        QFETCH(bool, isPowerBill);
        const Transaction original = m_world->addTransaction(m_checking, QDate(2024, 3, 2), QStringLiteral("Utility Co"), -8000, m_household);
        TransactionFormDialog dialog(&m_world->appState, original);
        showAndWait(&dialog);
        const TransactionForm form{&dialog};
        typeIntoCombo(form.category, typed);
        if (typed.isEmpty())
            QTest::keyClick(form.category->lineEdit(), Qt::Key_Backspace);
        QTest::mouseClick(form.ok, Qt::LeftButton);
        QCOMPARE(dialog.transaction().categoryId, isPowerBill ? m_powerBill : QString());
    }

    void fillsFromPayeesLastTransactionHere()
    {
        const QString savings = m_world->addAccount(QStringLiteral("Savings")).id;
        m_world->addTransaction(m_checking, QDate(2024, 2, 1), QStringLiteral("Corner Grocery"), -1000, QString(), QStringLiteral("old"));
        m_world->addTransaction(m_checking, QDate(2024, 3, 1), QStringLiteral("Corner Grocery"), -4520, m_powerBill, QStringLiteral("weekly shop"));
        m_world->addTransaction(savings, QDate(2024, 3, 10), QStringLiteral("Corner Grocery"), 9999);
        TransactionFormDialog dialog(&m_world->appState, m_checking);
        showAndWait(&dialog);
        const TransactionForm form{&dialog};
        typeInto(form.date, QStringLiteral("3/14/2024"));
        typeInto(form.checkNumber, QStringLiteral("77"));
        QTest::mouseClick(form.deposit, Qt::LeftButton);

        typeInto(form.payee, QStringLiteral("corner"));
        QAbstractItemView* popup = form.payee->completer()->popup();
        QVERIFY(popup->isVisible());
        QTest::keyClick(popup, Qt::Key_Down);
        QTest::keyClick(popup, Qt::Key_Return);
        QTest::mouseClick(form.ok, Qt::LeftButton);

        // The payment replaces the deposit chosen before; date and check number stay as typed.
        const Transaction entered = dialog.transaction();
        QCOMPARE((QStringList{entered.payee, QString::number(entered.amount), entered.memo, entered.categoryId,
                     entered.date.toString(Qt::ISODate), entered.checkNumber}),
            (QStringList{QStringLiteral("Corner Grocery"), QStringLiteral("-4520"), QStringLiteral("weekly shop"), m_powerBill,
                QStringLiteral("2024-03-14"), QStringLiteral("77")}));
    }

    void handlesYenWithoutCents()
    {
        const QString wallet = m_world->addAccount(QStringLiteral("Yen Wallet"), Currency::JPY).id;
        m_world->addTransaction(wallet, QDate(2024, 3, 3), QStringLiteral("Ramen Shop"), -1500);
        TransactionFormDialog dialog(&m_world->appState, wallet);
        showAndWait(&dialog);
        const TransactionForm form{&dialog};
        form.payee->setText(QStringLiteral("Ramen Shop"));
        dialog.onPayeeSelected(QStringLiteral("Ramen Shop"));
        QCOMPARE(form.amount->text(), QStringLiteral("¥ 1500"));
        typeInto(form.amount, QStringLiteral("2300"));
        QTest::mouseClick(form.ok, Qt::LeftButton);
        QCOMPARE(dialog.transaction().amount, qint64(-2300));
    }

    void refusesWhatTheRegisterRefuses_data()
    {
        QTest::addColumn<QString>("payee");
        QTest::addColumn<QString>("amount");
        QTest::addColumn<QString>("refusal");
        QTest::newRow("no payee") << "  " << "12" << "Payee is required";
        QTest::newRow("no amount") << "Grocer" << "0" << "Enter a payment or deposit amount";
    }

    void refusesWhatTheRegisterRefuses()
    {
        QFETCH(QString, payee);
        QFETCH(QString, amount);
        QFETCH(QString, refusal);
        TransactionFormDialog dialog(&m_world->appState, m_checking);
        showAndWait(&dialog);
        const TransactionForm form{&dialog};
        typeInto(form.payee, payee);
        typeInto(form.amount, amount);
        QString shown;
        ModalAnswer::pressWhenShown(QMessageBox::Ok, &shown);
        QTest::mouseClick(form.ok, Qt::LeftButton);
        QTRY_COMPARE(shown, refusal);
        // The form stays open with what was typed.
        QVERIFY(dialog.isVisible());
        QCOMPARE(form.payee->text(), payee);
        dialog.reject();
    }
};

QTEST_MAIN(TransactionFormDialogTest)
#include "tst_transactionformdialog.moc"
