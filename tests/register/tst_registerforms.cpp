// The register's two forms. The transaction form (Ctrl+N) fills a
// transaction from what is typed, keeps what it does not show, reads the
// category and the payee's last use, and refuses what the register refuses.
// The account form stores a new account with its opening balance in the
// chosen currency, edits the Opening Balance row, keeps what it does not
// change (an overlong name, a currency it does not know), and its
// placeholders fit in every language.

#include "bookkeeping/accountservice.h"
#include "register/accountformdialog.h"
#include "register/transactionformdialog.h"
#include "storage/identifiers.h"
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
#include <QDateEdit>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTranslator>

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

// The fields a user fills in, as text.
QStringList enteredFields(const Transaction& entered)
{
    return {entered.date.toString(Qt::ISODate), entered.payee, QString::number(entered.amount), entered.categoryId, entered.memo,
        entered.checkNumber, entered.cleared ? QStringLiteral("cleared") : QStringLiteral("uncleared")};
}

struct AccountForm
{
    QDialog* dialog;
    QLineEdit* name = child<QLineEdit>(dialog, "nameField");
    QComboBox* type = child<QComboBox>(dialog, "typeCombo");
    QComboBox* currency = child<QComboBox>(dialog, "currencyCombo");
    SmartAmountField* startingBalance = child<SmartAmountField>(dialog, "startingBalanceField");
    QDateEdit* asOf = child<QDateEdit>(dialog, "asOfEdit");
    QLineEdit* institution = child<QLineEdit>(dialog, "institutionField");
    QLineEdit* accountNumber = child<QLineEdit>(dialog, "accountNumberField");
    QPushButton* ok = okButton(dialog);
};

// Steps one part of the date with the arrow keys, which works in every
// locale's date format.
void stepSection(QDateEdit* edit, QDateTimeEdit::Section section, int steps)
{
    edit->setFocus(Qt::TabFocusReason);
    edit->setCurrentSection(section);
    for (int step = 0; step < qAbs(steps); ++step)
        QTest::keyClick(edit, steps > 0 ? Qt::Key_Up : Qt::Key_Down);
}

} // namespace

class TestRegisterForms : public QObject
{
    Q_OBJECT

    std::unique_ptr<TestWorld> m_world;
    QString m_checking;
    QString m_electric;

private Q_SLOTS:
    void init()
    {
        m_world = std::make_unique<TestWorld>();
        m_checking = m_world->addAccount(QStringLiteral("Checking")).id;
        m_electric = m_world->categoryId(QStringLiteral("Electric"), QStringLiteral("Utilities"));
    }
    void cleanup() { m_world.reset(); }

    // Runs first: the remembered date is process-wide.
    void fillsTypedPaymentAndRemembersItsDate()
    {
        {
            TransactionFormDialog dialog(&m_world->appState, m_checking);
            showAndWait(&dialog);
            const TransactionForm form{&dialog};
            QCOMPARE(form.date->date(), TestWorld::now().date());
            QVERIFY(form.payment->isChecked());
            typeInto(form.payee, QStringLiteral("  Hardware Store "));
            typeInto(form.amount, QStringLiteral("12.34"));
            typeIntoCombo(form.category, QStringLiteral("Utilities > Electric"));
            typeInto(form.memo, QStringLiteral(" nails "));
            typeInto(form.checkNumber, QStringLiteral("1042"));
            toggleByKeyboard(form.cleared);
            // Return in the date field accepts the form before the field is left.
            typeInto(form.date, QStringLiteral("3/1/24"));
            QTest::keyClick(form.date, Qt::Key_Return);
            QCOMPARE(dialog.result(), int(QDialog::Accepted));

            const Transaction entered = dialog.transaction();
            QCOMPARE(enteredFields(entered), (QStringList{QStringLiteral("2024-03-01"), QStringLiteral("Hardware Store"),
                                                 QStringLiteral("-1234"), m_electric, QStringLiteral("nails"), QStringLiteral("1042"),
                                                 QStringLiteral("cleared")}));
            QCOMPARE(entered.accountId, m_checking);
        }
        TransactionFormDialog next(&m_world->appState, m_checking);
        QCOMPARE(TransactionForm{&next}.date->text(), QStringLiteral("3/1/2024"));
    }

    // Texts stored longer than the form lets one type are kept whole.
    void editingKeepsIdentityAndOverlongTexts()
    {
        const Transaction original = m_world->addTransaction(m_checking, QDate(2024, 2, 10), QString(5000, QLatin1Char('p')), 250000,
            m_world->categoryId(QStringLiteral("Utilities")), QString(3000, QLatin1Char('m')));
        TransactionFormDialog dialog(&m_world->appState, original);
        showAndWait(&dialog);
        const TransactionForm form{&dialog};
        QVERIFY(form.deposit->isChecked());
        QCOMPARE(form.category->currentText(), QStringLiteral("Utilities"));
        typeInto(form.checkNumber, QStringLiteral("101"));
        QTest::mouseClick(form.payment, Qt::LeftButton);
        QTest::mouseClick(form.ok, Qt::LeftButton);

        Transaction expected = original;
        expected.checkNumber = QStringLiteral("101");
        expected.amount = -250000;
        expected.updatedAt = TestWorld::now();
        expected.syncStatus = SyncStatus::Pending;
        QVERIFY(sameRecord(dialog.transaction(), expected));
    }

    void readsCategoryFromTypedText_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("isElectric"); // else: no category
        QTest::newRow("(none)") << "(none)" << false;
        QTest::newRow("child category") << "Utilities > Electric" << true;
        QTest::newRow("the start of a name") << "Elec" << false;
        QTest::newRow("cleared text") << "" << false;
    }

    void readsCategoryFromTypedText()
    {
        QFETCH(QString, typed);
        QFETCH(bool, isElectric);
        const Transaction original = m_world->addTransaction(m_checking, QDate(2024, 3, 2), QStringLiteral("Utility Co"), -8000,
            m_world->categoryId(QStringLiteral("Utilities")));
        TransactionFormDialog dialog(&m_world->appState, original);
        showAndWait(&dialog);
        const TransactionForm form{&dialog};
        typeIntoCombo(form.category, typed);
        if (typed.isEmpty())
            QTest::keyClick(form.category->lineEdit(), Qt::Key_Backspace);
        QTest::mouseClick(form.ok, Qt::LeftButton);
        QCOMPARE(dialog.transaction().categoryId, isElectric ? m_electric : QString());
    }

    void fillsFromPayeesLastTransactionHere()
    {
        const QString savings = m_world->addAccount(QStringLiteral("Savings")).id;
        m_world->addTransaction(m_checking, QDate(2024, 2, 1), QStringLiteral("Corner Grocery"), -1000, QString(), QStringLiteral("old"));
        m_world->addTransaction(m_checking, QDate(2024, 3, 1), QStringLiteral("Corner Grocery"), -4520, m_electric, QStringLiteral("weekly shop"));
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
        QCOMPARE(enteredFields(dialog.transaction()), (QStringList{QStringLiteral("2024-03-14"), QStringLiteral("Corner Grocery"),
                                                          QStringLiteral("-4520"), m_electric, QStringLiteral("weekly shop"),
                                                          QStringLiteral("77"), QStringLiteral("uncleared")}));
    }

    void refusesWhatTheRegisterRefuses_data()
    {
        QTest::addColumn<QString>("date"); // empty: as the form starts
        QTest::addColumn<QString>("payee");
        QTest::addColumn<QString>("amount");
        QTest::addColumn<QString>("refusal");
        QTest::newRow("no payee") << "" << "  " << "12" << "Payee is required";
        QTest::newRow("no amount") << "" << "Grocer" << "0" << "Enter a payment or deposit amount";
        QTest::newRow("no such day") << "2/30/2024" << "Grocer" << "12" << "Enter a valid date, such as 5/20/2024";
    }

    void refusesWhatTheRegisterRefuses()
    {
        QFETCH(QString, date);
        QFETCH(QString, payee);
        QFETCH(QString, amount);
        QFETCH(QString, refusal);
        TransactionFormDialog dialog(&m_world->appState, m_checking);
        showAndWait(&dialog);
        const TransactionForm form{&dialog};
        if (!date.isEmpty())
            typeInto(form.date, date);
        typeInto(form.payee, payee);
        typeInto(form.amount, amount);
        QString shown;
        ModalAnswer::pressWhenShown(QMessageBox::Ok, &shown);
        QTest::mouseClick(form.ok, Qt::LeftButton);
        QTRY_COMPARE(shown, refusal);
        // The form stays open with what was typed.
        QVERIFY(dialog.isVisible());
        QCOMPARE(form.payee->text(), payee);
        if (!date.isEmpty())
            QCOMPARE(form.date->text(), date);
        dialog.reject();
    }

    void newAccountStoresOpeningBalance_data()
    {
        QTest::addColumn<QString>("currencyStart"); // typed on the currency box
        QTest::addColumn<bool>("currencyFirst");    // chosen before the balance is typed
        QTest::addColumn<QString>("balance");
        QTest::addColumn<QString>("prefix");
        QTest::addColumn<int>("currency");
        QTest::addColumn<QString>("openingRow");
        QTest::newRow("yen chosen after typing") << "J" << false << "1500" << "¥ " << int(Currency::JPY) << "1500 on 2024-01-01";
        QTest::newRow("overdrawn euros") << "E" << true << "-75.5" << "€ " << int(Currency::EUR) << "-7550 on 2024-01-01";
        QTest::newRow("no starting balance") << "G" << true << "0" << "£ " << int(Currency::GBP) << "";
    }

    void newAccountStoresOpeningBalance()
    {
        QFETCH(QString, currencyStart);
        QFETCH(bool, currencyFirst);
        QFETCH(QString, balance);
        QFETCH(QString, prefix);
        QFETCH(int, currency);
        QFETCH(QString, openingRow);
        AccountFormDialog dialog;
        showAndWait(&dialog);
        const AccountForm form{&dialog};
        typeInto(form.name, QStringLiteral(" Everyday "));
        chooseByTyping(form.type, QStringLiteral("Sa"));
        if (currencyFirst)
            chooseByTyping(form.currency, currencyStart);
        typeInto(form.startingBalance, balance);
        if (!currencyFirst)
            chooseByTyping(form.currency, currencyStart);
        QCOMPARE(form.startingBalance->prefix(), prefix);
        stepSection(form.asOf, QDateTimeEdit::DaySection, -19);
        stepSection(form.asOf, QDateTimeEdit::MonthSection, -4);
        typeInto(form.institution, QStringLiteral("First Bank "));
        typeInto(form.accountNumber, QStringLiteral("987654"));
        QTest::mouseClick(form.ok, Qt::LeftButton);
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        const WriteOutcome created = m_world->appState.accountService()->create(dialog.account(), dialog.asOfDate());
        QVERIFY(created.ok());

        // It goes after the fixture's Checking account.
        Account expected = makeAccount(created.id, QStringLiteral("Everyday"), 1);
        expected.type = AccountType::Savings;
        expected.currency = Currency(currency);
        expected.institution = QStringLiteral("First Bank");
        expected.accountNumberLast4 = QStringLiteral("9876");
        expected.createdAt = expected.updatedAt = TestWorld::now();
        QVERIFY(sameRecord(m_world->appState.accounts()->byId(expected.id), expected));
        QCOMPARE(storedOpeningRow(expected.id), openingRow);
        QCOMPARE(m_world->stored(expected.id).size(), openingRow.isEmpty() ? 0 : 1);
    }

    void editingKeepsIdentityAndAnOverlongName()
    {
        Account original = makeAccount(newId(), QString(300, QLatin1Char('a')));
        original.type = AccountType::Cash;
        original.currency = Currency::JPY;
        original.startingBalance = 1500;
        original.institution = QStringLiteral("Post Bank");
        original.accountNumberLast4 = QStringLiteral("1234");
        original.version = 3;
        original.syncStatus = SyncStatus::Synced;
        QVERIFY(m_world->appState.accounts()->insert(original));

        AccountFormDialog dialog(*m_world->appState.accounts()->byId(original.id), std::nullopt);
        showAndWait(&dialog);
        const AccountForm form{&dialog};
        QVERIFY(form.asOf->isHidden());
        QCOMPARE(QStringList({form.type->currentText(), form.currency->currentText(), form.startingBalance->text(),
                     form.institution->text(), form.accountNumber->text()}),
            QStringList({QStringLiteral("Cash"), QStringLiteral("JPY (¥)"), QStringLiteral("¥ 1500"), QStringLiteral("Post Bank"),
                QStringLiteral("1234")}));

        typeInto(form.institution, QStringLiteral("Japan Post"));
        typeInto(form.startingBalance, QStringLiteral("2000"));
        QTest::mouseClick(form.ok, Qt::LeftButton);
        QVERIFY(m_world->appState.accountService()->update(dialog.account(), dialog.asOfDate()).ok());

        Account expected = original;
        expected.institution = QStringLiteral("Japan Post");
        expected.startingBalance = 2000;
        expected.updatedAt = TestWorld::now();
        expected.syncStatus = SyncStatus::Pending;
        QVERIFY(sameRecord(m_world->appState.accounts()->byId(original.id), expected));
    }

    void theOpeningBalanceRowIsEditedInTheForm_data()
    {
        QTest::addColumn<qint64>("opening"); // at creation
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("openingRow"); // afterwards, a day later than shown
        QTest::newRow("changed") << qint64(50000) << "200" << "20000 on 2024-01-02";
        QTest::newRow("set to zero") << qint64(50000) << "0" << "";
        QTest::newRow("added later") << qint64(0) << "300" << "30000 on 2024-05-21";
    }

    void theOpeningBalanceRowIsEditedInTheForm()
    {
        QFETCH(qint64, opening);
        QFETCH(QString, typed);
        QFETCH(QString, openingRow);
        AccountService* service = m_world->appState.accountService();
        Account entered = makeAccount(QString(), QStringLiteral("Everyday"));
        entered.startingBalance = opening;
        const QString id = service->create(entered, QDate(2024, 1, 1)).id;
        m_world->addTransaction(id, QDate(2024, 2, 1), QStringLiteral("Cafe"), -450);
        const Account account = *m_world->appState.accounts()->byId(id);

        AccountFormDialog dialog(account, service->openingBalance(account));
        showAndWait(&dialog);
        const AccountForm form{&dialog};
        QCOMPARE(form.startingBalance->amountMinorUnits(), opening);
        if (opening != 0)
            QCOMPARE(form.asOf->date(), QDate(2024, 1, 1));
        typeInto(form.startingBalance, typed);
        stepSection(form.asOf, QDateTimeEdit::DaySection, 1);
        QTest::mouseClick(form.ok, Qt::LeftButton);
        QVERIFY(service->update(dialog.account(), dialog.asOfDate()).ok());

        QCOMPARE(m_world->appState.accounts()->byId(id)->startingBalance, qint64(0));
        QCOMPARE(storedOpeningRow(id), openingRow);
        QCOMPARE(m_world->stored(id).size(), openingRow.isEmpty() ? 1 : 2);
    }

    void placeholdersShowWholeInEveryLanguage_data()
    {
        QTest::addColumn<QString>("language");
        for (const char* language : {"en", "es", "de", "fr", "ja"})
            QTest::newRow(language) << QString::fromLatin1(language);
    }

    void placeholdersShowWholeInEveryLanguage()
    {
        QFETCH(QString, language);
        QTranslator translator;
        QVERIFY(translator.load(QStringLiteral(":/i18n/checkbook_%1.qm").arg(language)));
        QCoreApplication::installTranslator(&translator);
        AccountFormDialog dialog;
        QCoreApplication::removeTranslator(&translator);
        dialog.resize(dialog.minimumSizeHint());
        showAndWait(&dialog);
        for (const QLineEdit* edit : dialog.findChildren<QLineEdit*>()) {
            if (edit->placeholderText().isEmpty())
                continue;
            const int room = edit->contentsRect().width() - edit->textMargins().left() - edit->textMargins().right();
            QVERIFY2(room >= edit->fontMetrics().horizontalAdvance(edit->placeholderText()), qPrintable(edit->placeholderText()));
        }
    }

    void unknownCurrencyIsSavedAsUsd()
    {
        Account original = makeAccount(newId(), QStringLiteral("Imported"));
        original.currency = Currency::EUR;
        original.startingBalance = 5000;
        QVERIFY(m_world->appState.accounts()->insert(original));
        Database* database = m_world->appState.database();
        // As a newer peer might have left it.
        QVERIFY(execute(database, QStringLiteral("UPDATE accounts SET currency = 'CHF' WHERE id = '%1'").arg(original.id)));

        AccountFormDialog dialog(*m_world->appState.accounts()->byId(original.id), std::nullopt);
        showAndWait(&dialog);
        const AccountForm form{&dialog};
        QCOMPARE(form.currency->currentText(), QStringLiteral("USD ($)"));
        QTest::mouseClick(form.ok, Qt::LeftButton);
        QVERIFY(m_world->appState.accountService()->update(dialog.account(), dialog.asOfDate()).ok());

        QCOMPARE(scalar(database, QStringLiteral("SELECT currency || ' ' || starting_balance FROM accounts WHERE id = ?"), {original.id})
                     .toString(),
            QStringLiteral("USD 5000"));
    }

private:
    // The account's Opening Balance row as "amount on date"; empty when it has none.
    QString storedOpeningRow(const QString& accountId)
    {
        const std::optional<Transaction> row = m_world->appState.transactions()->openingBalance(accountId);
        return row ? QStringLiteral("%1 on %2").arg(row->amount).arg(row->date.toString(Qt::ISODate)) : QString();
    }
};

QTEST_MAIN(TestRegisterForms)
#include "tst_registerforms.moc"
