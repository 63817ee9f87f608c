#include "app/appstate.h"
#include "widgets/firstdayofweek.h"
#include "bookkeeping/accountcreation.h"
#include "bookkeeping/accountservice.h"
#include "register/accountformdialog.h"
#include "widgets/smartamountfield.h"
#include "storage/accountrepository.h"
#include "storage/database.h"
#include "storage/identifiers.h"
#include "storage/transactionrepository.h"
#include "support/dialogtesting.h"
#include "support/storagetesting.h"
#include "support/testworld.h"

#include <QCalendarWidget>
#include <QComboBox>
#include <QDateEdit>
#include <QLineEdit>
#include <QPushButton>
#include <QTranslator>
#include <QtTest>

namespace {

const QDateTime fixedNow = TestWorld::now();

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

class AccountFormDialogTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() { m_world = std::make_unique<TestWorld>(); }
    void cleanup() { m_world.reset(); }
    void newAccountStoresOpeningBalance_data()
    {
        QTest::addColumn<QString>("currencyStart"); // typed on the currency box
        QTest::addColumn<bool>("currencyFirst");    // chosen before the balance is typed
        QTest::addColumn<QString>("balance");
        QTest::addColumn<QString>("prefix");
        QTest::addColumn<int>("currency");
        QTest::addColumn<qint64>("opening"); // 0: no opening transaction

        QTest::newRow("dollars") << "U" << true << "250.00" << "$ " << int(Currency::USD) << qint64(25000);
        QTest::newRow("yen chosen after typing") << "J" << false << "1500" << "¥ " << int(Currency::JPY) << qint64(1500);
        QTest::newRow("overdrawn euros") << "E" << true << "-75.5" << "€ " << int(Currency::EUR) << qint64(-7550);
        QTest::newRow("no starting balance") << "G" << true << "0" << "£ " << int(Currency::GBP) << qint64(0);
    }
    void newAccountStoresOpeningBalance()
    {
        QFETCH(QString, currencyStart);
        QFETCH(bool, currencyFirst);
        QFETCH(QString, balance);
        QFETCH(QString, prefix);
        QFETCH(int, currency);
        QFETCH(qint64, opening);

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
        QCOMPARE(dialog.asOfDate(), QDate(2024, 1, 1));

        const auto creation = AccountCreation::fromEntered(dialog.account(), dialog.asOfDate());
        QVERIFY(creation);
        QVERIFY(m_world->appState.accounts()->insert(creation->account));
        QCOMPARE(creation->openingBalance.has_value(), opening != 0);
        if (creation->openingBalance)
            QVERIFY(m_world->appState.transactions()->insert(*creation->openingBalance));

        Account expected = makeAccount(creation->account.id, QStringLiteral("Everyday"));
        expected.type = AccountType::Savings;
        expected.currency = Currency(currency);
        expected.institution = QStringLiteral("First Bank");
        expected.accountNumberLast4 = QStringLiteral("9876");
        expected.createdAt = expected.updatedAt = fixedNow;
        QVERIFY(sameRecord(m_world->appState.accounts()->byId(expected.id), expected));
        const QList<Transaction> transactions = m_world->appState.transactions()->byAccount(expected.id);
        QCOMPARE(transactions.size(), opening != 0 ? 1 : 0);
        if (opening != 0) {
            QCOMPARE(transactions.first().payee, QStringLiteral("Opening Balance"));
            QCOMPARE(transactions.first().amount, opening);
            QCOMPARE(transactions.first().date, QDate(2024, 1, 1));
        }
    }
    void newAccountWithoutNameIsNotStored()
    {
        AccountFormDialog dialog;
        showAndWait(&dialog);
        const AccountForm form{&dialog};
        typeInto(form.name, QStringLiteral("   "));
        typeInto(form.startingBalance, QStringLiteral("100"));
        QTest::mouseClick(form.ok, Qt::LeftButton);

        QVERIFY(!AccountCreation::fromEntered(dialog.account(), dialog.asOfDate()));
    }
    void editingKeepsIdentity()
    {
        Account original;
        original.id = newId();
        original.name = QStringLiteral("Travel Money");
        original.type = AccountType::Cash;
        original.currency = Currency::JPY;
        original.startingBalance = 1500;
        original.institution = QStringLiteral("Post Bank");
        original.accountNumberLast4 = QStringLiteral("1234");
        original.createdAt = original.updatedAt = fixedNow.addDays(-100);
        original.version = 3;
        original.syncStatus = SyncStatus::Synced;
        QVERIFY(m_world->appState.accounts()->insert(original));

        AccountFormDialog dialog(*m_world->appState.accounts()->byId(original.id), std::nullopt);
        showAndWait(&dialog);
        const AccountForm form{&dialog};
        QVERIFY(form.asOf->isHidden());
        QCOMPARE(QStringList({form.name->text(), form.type->currentText(), form.currency->currentText(), form.startingBalance->text(),
                     form.institution->text(), form.accountNumber->text()}),
            QStringList({QStringLiteral("Travel Money"), QStringLiteral("Cash"), QStringLiteral("JPY (¥)"), QStringLiteral("¥ 1500"),
                QStringLiteral("Post Bank"), QStringLiteral("1234")}));

        typeInto(form.name, QStringLiteral("Japan Trip"));
        typeInto(form.startingBalance, QStringLiteral("2000"));
        QTest::mouseClick(form.ok, Qt::LeftButton);
        QVERIFY(m_world->appState.accountService()->update(dialog.account(), dialog.asOfDate()).ok());

        Account expected = original;
        expected.name = QStringLiteral("Japan Trip");
        expected.startingBalance = 2000;
        expected.updatedAt = fixedNow;
        expected.syncStatus = SyncStatus::Pending;
        QVERIFY(sameRecord(m_world->appState.accounts()->byId(original.id), expected));
    }
    void theOpeningBalanceRowIsEditedInTheForm_data()
    {
        QTest::addColumn<qint64>("opening"); // at creation
        QTest::addColumn<QString>("typed");
        QTest::addColumn<qint64>("stored"); // the opening row afterwards; 0: none
        QTest::newRow("changed") << qint64(50000) << QStringLiteral("200") << qint64(20000);
        QTest::newRow("set to zero") << qint64(50000) << QStringLiteral("0") << qint64(0);
        QTest::newRow("added later") << qint64(0) << QStringLiteral("300") << qint64(30000);
    }
    void theOpeningBalanceRowIsEditedInTheForm()
    {
        QFETCH(qint64, opening);
        QFETCH(QString, typed);
        QFETCH(qint64, stored);
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
        const std::optional<Transaction> row = m_world->appState.transactions()->openingBalance(id);
        QCOMPARE(row.has_value(), stored != 0);
        QCOMPARE(m_world->stored(id).size(), stored != 0 ? 2 : 1);
        if (row) {
            QCOMPARE(row->amount, stored);
            QCOMPARE(row->date, opening != 0 ? QDate(2024, 1, 2) : TestWorld::now().date().addDays(1));
        }
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
    std::unique_ptr<TestWorld> m_world;
};

QTEST_MAIN(AccountFormDialogTest)
#include "tst_accountformdialog.moc"
