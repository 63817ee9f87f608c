#include "app/appstate.h"
#include "widgets/datefield.h"
#include "widgets/smartamountfield.h"
#include "register/transactionformdialog.h"
#include "storage/transactionrepository.h"
#include "support/dialogtesting.h"
#include "support/testappstate.h"

#include <QAbstractItemView>
#include <QCheckBox>
#include <QComboBox>
#include <QCompleter>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

namespace {

const QDateTime fixedNow = TestAppState::defaultNow();

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

private Q_SLOTS:
    void init();
    void cleanup();
    // Runs first: the remembered date is process-wide.
    void newFormStartsEmptyToday();
    void savesTypedPayment();
    void nextNewFormStartsOnLastSavedDate();
    void editingKeepsIdentity();
    void readsCategoryFromTypedText_data();
    void readsCategoryFromTypedText();
    void fillsFromPayeesLastTransaction();
    void handlesYenWithoutCents();

private:
    std::unique_ptr<TestAppState> m_world;
    QString m_checking;
    QString m_savings;
    QString m_household;
    QString m_powerBill;
};

void TransactionFormDialogTest::init()
{
    m_world = std::make_unique<TestAppState>();
    QVERIFY(m_world->isReady());
    m_checking = m_world->addAccount(QStringLiteral("Checking"), Currency::USD);
    m_savings = m_world->addAccount(QStringLiteral("Savings"), Currency::USD);
    m_household = m_world->addCategory(QStringLiteral("Household"));
    m_powerBill = m_world->addCategory(QStringLiteral("Power Bill"), m_household);
}

void TransactionFormDialogTest::cleanup()
{
    m_world.reset();
}

void TransactionFormDialogTest::newFormStartsEmptyToday()
{
    TransactionFormDialog dialog(m_world->appState(), m_checking);
    const TransactionForm form{&dialog};

    QCOMPARE(dialog.windowTitle(), QStringLiteral("New Transaction"));
    QCOMPARE(form.date->date(), QDate(2024, 3, 15));
    QVERIFY(form.payment->isChecked());
    QCOMPARE(form.amount->prefix(), QStringLiteral("$ "));
    QCOMPARE(form.amount->decimals(), 2);
    QCOMPARE(form.payee->placeholderText(), QStringLiteral("Start typing to search payees..."));
    QCOMPARE(form.memo->placeholderText(), QStringLiteral("Optional"));
    QCOMPARE(form.checkNumber->placeholderText(), QStringLiteral("Optional"));
    QCOMPARE(form.category->itemText(0), QStringLiteral("(none)"));
    QCOMPARE(form.category->currentIndex(), 0);
    const int child = form.category->findText(QStringLiteral("Household > Power Bill"));
    QVERIFY(child > 0);
    QCOMPARE(form.category->itemData(child).toString(), m_powerBill);
}

void TransactionFormDialogTest::savesTypedPayment()
{
    TransactionFormDialog dialog(m_world->appState(), m_checking);
    showAndWait(&dialog);
    const TransactionForm form{&dialog};

    typeInto(form.date, QStringLiteral("3/1/24"));
    typeInto(form.payee, QStringLiteral("  Hardware Store "));
    typeInto(form.amount, QStringLiteral("12.34"));
    typeIntoCombo(form.category, QStringLiteral("Household > Power Bill"));
    typeInto(form.memo, QStringLiteral(" nails "));
    typeInto(form.checkNumber, QStringLiteral("1042"));
    toggleByKeyboard(form.cleared);
    QTest::mouseClick(form.ok, Qt::LeftButton);
    QCOMPARE(dialog.result(), int(QDialog::Accepted));

    const Transaction entered = dialog.transaction();
    QVERIFY(m_world->appState()->transactions()->insert(entered));
    const auto stored = m_world->appState()->transactions()->byId(entered.id);
    QVERIFY(stored);
    QCOMPARE(QUuid(stored->id).version(), QUuid::Random);
    QCOMPARE(stored->accountId, m_checking);
    QCOMPARE(stored->date, QDate(2024, 3, 1));
    QCOMPARE(stored->payee, QStringLiteral("Hardware Store"));
    QCOMPARE(stored->amount, qint64(-1234));
    QCOMPARE(stored->categoryId, m_powerBill);
    QCOMPARE(stored->memo, QStringLiteral("nails"));
    QCOMPARE(stored->checkNumber, QStringLiteral("1042"));
    QVERIFY(stored->cleared);
    QVERIFY(!stored->reconciled);
    QCOMPARE(stored->syncStatus, SyncStatus::Pending);
    QCOMPARE(stored->createdAt, fixedNow);
    QCOMPARE(stored->updatedAt, fixedNow);
}

void TransactionFormDialogTest::nextNewFormStartsOnLastSavedDate()
{
    {
        TransactionFormDialog first(m_world->appState(), m_checking);
        showAndWait(&first);
        const TransactionForm form{&first};
        typeInto(form.payee, QStringLiteral("Bakery"));
        // Return in the date field accepts the form before the field is left.
        typeInto(form.date, QStringLiteral("3/1/2024"));
        QTest::keyClick(form.date, Qt::Key_Return);
        QCOMPARE(first.result(), int(QDialog::Accepted));
        QCOMPARE(first.transaction().date, QDate(2024, 3, 1));
    }

    TransactionFormDialog next(m_world->appState(), m_checking);
    const TransactionForm form{&next};
    QCOMPARE(form.date->date(), QDate(2024, 3, 1));
    QCOMPARE(form.date->text(), QStringLiteral("3/1/2024"));
}

void TransactionFormDialogTest::editingKeepsIdentity()
{
    const Transaction original = m_world->addTransaction(m_checking, QDate(2024, 2, 10), QStringLiteral("Employer"), 250000, m_household, QStringLiteral("pay"));

    TransactionFormDialog dialog(m_world->appState(), original);
    showAndWait(&dialog);
    const TransactionForm form{&dialog};
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Edit Transaction"));
    QVERIFY(form.deposit->isChecked());
    QCOMPARE(form.amount->amountMinorUnits(), qint64(250000));
    QCOMPARE(form.date->date(), QDate(2024, 2, 10));
    QCOMPARE(form.category->currentText(), QStringLiteral("Household"));

    typeInto(form.payee, QStringLiteral("Employer Inc"));
    QTest::mouseClick(form.payment, Qt::LeftButton);
    QTest::mouseClick(form.ok, Qt::LeftButton);

    QVERIFY(m_world->appState()->transactions()->update(dialog.transaction()));
    const auto stored = m_world->appState()->transactions()->byId(original.id);
    QVERIFY(stored);
    QCOMPARE(stored->createdAt, original.createdAt);
    QCOMPARE(stored->updatedAt, fixedNow);
    QCOMPARE(stored->payee, QStringLiteral("Employer Inc"));
    QCOMPARE(stored->amount, qint64(-250000));
    QCOMPARE(stored->categoryId, m_household);
    QCOMPARE(stored->memo, QStringLiteral("pay"));
    QCOMPARE(m_world->appState()->transactions()->byAccount(m_checking).size(), 1);
}

void TransactionFormDialogTest::readsCategoryFromTypedText_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("isPowerBill"); // else: no category

    QTest::newRow("(none)") << "(none)" << false;
    QTest::newRow("child category") << "Household > Power Bill" << true;
    QTest::newRow("text of no category") << "Power" << false;
    QTest::newRow("cleared text") << "" << false;
}

void TransactionFormDialogTest::readsCategoryFromTypedText()
{
    QFETCH(QString, typed);
    QFETCH(bool, isPowerBill);

    const Transaction original = m_world->addTransaction(m_checking, QDate(2024, 3, 2), QStringLiteral("Utility Co"), -8000, m_household);
    TransactionFormDialog dialog(m_world->appState(), original);
    showAndWait(&dialog);
    const TransactionForm form{&dialog};

    typeIntoCombo(form.category, typed);
    if (typed.isEmpty())
        QTest::keyClick(form.category->lineEdit(), Qt::Key_Backspace);
    QTest::mouseClick(form.ok, Qt::LeftButton);

    QVERIFY(m_world->appState()->transactions()->update(dialog.transaction()));
    const auto stored = m_world->appState()->transactions()->byId(original.id);
    QVERIFY(stored);
    QCOMPARE(stored->categoryId, isPowerBill ? m_powerBill : QString());
}

void TransactionFormDialogTest::fillsFromPayeesLastTransaction()
{
    m_world->addTransaction(m_checking, QDate(2024, 2, 1), QStringLiteral("Corner Grocery"), -1000, QString(), QStringLiteral("old"));
    m_world->addTransaction(m_checking, QDate(2024, 3, 1), QStringLiteral("Corner Grocery"), -4520, m_powerBill, QStringLiteral("weekly shop"));
    m_world->addTransaction(m_savings, QDate(2024, 3, 10), QStringLiteral("Corner Grocery"), 9999);

    TransactionFormDialog dialog(m_world->appState(), m_checking);
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
    QCOMPARE(form.payee->text(), QStringLiteral("Corner Grocery"));

    QVERIFY(form.payment->isChecked());
    QCOMPARE(form.amount->amountMinorUnits(), qint64(4520));
    QCOMPARE(form.memo->text(), QStringLiteral("weekly shop"));
    QCOMPARE(form.category->currentText(), QStringLiteral("Household > Power Bill"));

    QTest::mouseClick(form.ok, Qt::LeftButton);
    const Transaction entered = dialog.transaction();
    QCOMPARE(entered.amount, qint64(-4520));
    QCOMPARE(entered.categoryId, m_powerBill);
    QCOMPARE(entered.date, QDate(2024, 3, 14));
    QCOMPARE(entered.checkNumber, QStringLiteral("77"));
}

void TransactionFormDialogTest::handlesYenWithoutCents()
{
    const QString wallet = m_world->addAccount(QStringLiteral("Yen Wallet"), Currency::JPY);
    m_world->addTransaction(wallet, QDate(2024, 3, 3), QStringLiteral("Ramen Shop"), -1500);

    TransactionFormDialog dialog(m_world->appState(), wallet);
    showAndWait(&dialog);
    const TransactionForm form{&dialog};
    QCOMPARE(form.amount->prefix(), QStringLiteral("¥ "));
    QCOMPARE(form.amount->decimals(), 0);

    dialog.onPayeeSelected(QStringLiteral("Ramen Shop"));
    QCOMPARE(form.amount->text(), QStringLiteral("¥ 1500"));

    typeInto(form.amount, QStringLiteral("2300"));
    QCOMPARE(form.amount->text(), QStringLiteral("¥ 2300"));
    QTest::mouseClick(form.ok, Qt::LeftButton);

    const Transaction entered = dialog.transaction();
    QVERIFY(m_world->appState()->transactions()->insert(entered));
    QCOMPARE(m_world->appState()->transactions()->byId(entered.id)->amount, qint64(-2300));
}

QTEST_MAIN(TransactionFormDialogTest)
#include "tst_transactionformdialog.moc"
