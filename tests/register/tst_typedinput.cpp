// What the user types into a register row is what gets saved, or it is
// refused with a message and kept as typed: dates, amounts in the account's
// currency and the interface language's marks, the apostrophe that copies
// from the row above, typed categories and the keys of the completion lists.

#include "support/testworld.h"

#include "storage/money.h"
#include "widgets/palette.h"

#include <QSignalSpy>

using namespace testworld;

class TestTypedInput : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() { m_world = std::make_unique<TestWorld>(); }
    void cleanup() { m_world.reset(); }

    void refusedRowsKeepWhatWasTyped_data()
    {
        QTest::addColumn<QString>("date");
        QTest::addColumn<QString>("payee");
        QTest::addColumn<QString>("payment");
        QTest::addColumn<QString>("message");
        const QString day = QStringLiteral("3/2/2024");
        const QString badDate = QStringLiteral("Enter a valid date, such as 5/20/2024");
        QTest::newRow("blank payee") << day << "   " << "5" << "Payee is required";
        QTest::newRow("no amount") << day << "Shop" << "" << "Enter a payment or deposit amount";
        QTest::newRow("no such day") << "2/30/2024" << "Bakery" << "5" << badDate;
        QTest::newRow("no such month") << "13/45/2024" << "Bakery" << "5" << badDate;
        QTest::newRow("transfer to itself") << day << "[Transfer] Checking" << "5" << "Transfer account not found";
        QTest::newRow("transfer across currencies") << day << "[Transfer] Euro Savings" << "10"
                                                    << "Transfers require both accounts to use the same currency";
    }

    void refusedRowsKeepWhatWasTyped()
    {
        QFETCH(QString, date);
        QFETCH(QString, payee);
        QFETCH(QString, payment);
        QFETCH(QString, message);
        const Account account = m_world->addAccount(QStringLiteral("Checking"));
        const Account euro = m_world->addAccount(QStringLiteral("Euro Savings"), Currency::EUR);
        auto screen = showScreen(&m_world->appState, account.id);
        QSignalSpy errors(screen.get(), &RegisterScreen::errorMessage);
        typeRow({date, QString(), payee, QString(), QString(), payment});
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
        const RegisterModel::EditBuffer& buffer = screen->model()->buffer();
        QCOMPARE(QStringList({buffer.dateText, buffer.payeeText, buffer.paymentText}), QStringList({date, payee, payment}));
    }

    void typedAmountsAreSavedInTheAccountCurrency_data()
    {
        QTest::addColumn<QLocale::Language>("language");
        QTest::addColumn<Currency>("currency");
        QTest::addColumn<QString>("payment");
        QTest::addColumn<QString>("deposit");
        QTest::addColumn<std::optional<qint64>>("stored"); // none: refused, as typed
        QTest::addColumn<QString>("shown");
        const auto add = [](const char* name, QLocale::Language language, Currency currency, const char* payment,
                             const char* deposit, std::optional<qint64> stored, const char* shown = "") {
            QTest::newRow(name) << language << currency << QString::fromUtf8(payment) << QString::fromUtf8(deposit) << stored
                                << QString::fromUtf8(shown);
        };
        const std::optional<qint64> refused;
        add("a deposit typed after a payment replaces it", QLocale::English, Currency::USD, "2", "3", 300, "3.00");
        add("yen", QLocale::English, Currency::JPY, "1,500", "", -1500, "1,500");
        add("a currency symbol", QLocale::English, Currency::EUR, "", "€7.05", 705, "7.05");
        add("dollars at the limit", QLocale::English, Currency::USD, "100000000000", "", -maxAmountMinorUnits, "100,000,000,000.00");
        add("a cent beyond it", QLocale::English, Currency::USD, "100000000000.01", "", refused);
        add("yen at the limit", QLocale::English, Currency::JPY, "", "10000000000000", maxAmountMinorUnits, "10,000,000,000,000");
        add("a yen beyond it", QLocale::English, Currency::JPY, "", "10000000000001", refused);
        add("letters", QLocale::English, Currency::USD, "", "abc", refused);
        add("a comma off the thousands", QLocale::English, Currency::USD, "12,50", "", refused);
        add("German decimal comma", QLocale::German, Currency::USD, "12,50", "", -1250, "12,50");
        add("German thousands", QLocale::German, Currency::USD, "1.250,5", "", -125050, "1.250,50");
        add("German point out of place", QLocale::German, Currency::USD, "12.50", "", refused);
        add("French spaces", QLocale::French, Currency::USD, "1 250,5", "", -125050, "1\u202F250,50");
    }

    void typedAmountsAreSavedInTheAccountCurrency()
    {
        QFETCH(QLocale::Language, language);
        QFETCH(Currency, currency);
        QFETCH(QString, payment);
        QFETCH(QString, deposit);
        QFETCH(std::optional<qint64>, stored);
        QFETCH(QString, shown);
        QLocale::setDefault(QLocale(language));
        const auto restoreLocale = qScopeGuard([] { QLocale::setDefault(QLocale::c()); });
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
        if (saved) {
            const int row = screen->model()->rowForTransactionId(saved->id);
            const int column = saved->amount < 0 ? RegisterModel::PaymentColumn : RegisterModel::DepositColumn;
            QCOMPARE(screen->model()->index(row, column).data().toString(), shown);
        } else {
            QCOMPARE(status(*screen), QStringLiteral("Enter a valid amount"));
            const RegisterModel::EditBuffer& buffer = screen->model()->buffer();
            QCOMPARE(buffer.paymentText + buffer.depositText, payment + deposit);
        }
    }

    void apostropheCopiesOnlyIntoAnEmptyField_data()
    {
        QTest::addColumn<QStringList>("typed"); // payee, category, payment
        QTest::addColumn<QString>("payee");
        QTest::addColumn<bool>("categoryCopied");
        QTest::addColumn<qint64>("amount");
        const QString apostrophe = QStringLiteral("'");
        QTest::newRow("in empty fields it copies the row above") << QStringList{apostrophe, apostrophe, apostrophe} << "Garage" << true
                                                                 << qint64(-9000);
        QTest::newRow("inside a name it is a letter") << QStringList{QStringLiteral("Trader Joe'"), QString(), QStringLiteral("4")}
                                                      << "Trader Joe'" << false << qint64(-400);
    }

    void apostropheCopiesOnlyIntoAnEmptyField()
    {
        QFETCH(QStringList, typed);
        QFETCH(QString, payee);
        QFETCH(bool, categoryCopied);
        QFETCH(qint64, amount);
        const Account account = m_world->addAccount(QStringLiteral("Checking"));
        // Its namesake under Housing must not be taken.
        const QString maintenance = m_world->categoryId(QStringLiteral("Maintenance"), QStringLiteral("Transportation"));
        m_world->addTransaction(account.id, QDate(2024, 3, 1), QStringLiteral("Garage"), -9000, maintenance);
        auto screen = showScreen(&m_world->appState, account.id);
        tab(2);
        type(typed[0]);
        tab();
        type(typed[1]);
        tab(2);
        type(typed[2]);
        saveRow();

        const QList<Transaction> rows = m_world->stored(account.id);
        QCOMPARE(rows.size(), 2);
        QCOMPARE(QStringList({rows.first().payee, rows.first().categoryId, QString::number(rows.first().amount)}),
            QStringList({payee, categoryCopied ? maintenance : QString(), QString::number(amount)}));
    }

    void aTypedCategoryNamesOneCategoryOrIsRefused_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("category"); // empty: refused
        QTest::addColumn<QString>("refusal");
        QTest::newRow("another case") << "groceries" << "Groceries" << "";
        QTest::newRow("the start of one name") << "groc" << "Groceries" << "";
        QTest::newRow("parent and child") << "utilities > water" << "Water" << "";
        QTest::newRow("no such category") << "Nonsense" << "" << "No category is named \"Nonsense\"";
        QTest::newRow("the start of several") << "Ma" << "" << "\"Ma\" fits more than one category: choose one from the list";
    }

    void aTypedCategoryNamesOneCategoryOrIsRefused()
    {
        QFETCH(QString, typed);
        QFETCH(QString, category);
        QFETCH(QString, refusal);
        const Account account = m_world->addAccount(QStringLiteral("Checking"));
        auto screen = showScreen(&m_world->appState, account.id);
        fillEntryRow(screen->model(), {{RegisterModel::PayeeColumn, QStringLiteral("Shop")},
                                          {RegisterModel::CategoryColumn, typed}, {RegisterModel::PaymentColumn, QStringLiteral("5")}});
        saveRow();
        if (refusal.isEmpty()) {
            QCOMPARE(m_world->onlyTransaction(account.id).value_or(Transaction()).categoryId, m_world->categoryId(category));
            return;
        }
        QCOMPARE(status(*screen), refusal);
        QVERIFY(m_world->stored(account.id).isEmpty());
        QCOMPARE(screen->model()->buffer().categoryText, typed);
    }

    void keysInAStoredRowsCategory_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("enterFirst");
        QTest::addColumn<QString>("category"); // stored afterwards
        QTest::newRow("typed over, Enter, then saved") << "water" << true << "Water";
        QTest::newRow("typed over, saved with the list still open") << "water" << false << "Water";
        // With no list showing, Down moves to the next row as in every cell.
        QTest::newRow("Down moves to the next row") << "" << false << "Electric";
    }

    void keysInAStoredRowsCategory()
    {
        QFETCH(QString, typed);
        QFETCH(bool, enterFirst);
        QFETCH(QString, category);
        const Account account = m_world->addAccount(QStringLiteral("Checking"));
        const Transaction row = m_world->addTransaction(account.id, QDate(2024, 3, 1), QStringLiteral("Power Co"), -4500,
            m_world->categoryId(QStringLiteral("Electric")));
        m_world->addTransaction(account.id, QDate(2024, 3, 2), QStringLiteral("Cafe"), -450);
        auto screen = showScreen(&m_world->appState, account.id);
        openCell(*screen, 0, RegisterModel::CategoryColumn);
        if (typed.isEmpty()) {
            press(Qt::Key_Down);
            QCOMPARE(current(*screen).row(), 1);
        } else {
            type(typed);
            if (enterFirst)
                enterField();
            saveRow();
        }
        QCOMPARE(m_world->appState.transactions()->byId(row.id)->categoryId, m_world->categoryId(category));
    }

    void tabTakesTheOnlySuggestion()
    {
        const Account checking = m_world->addAccount(QStringLiteral("Checking"));
        const Account savings = m_world->addAccount(QStringLiteral("Savings"));
        auto screen = showScreen(&m_world->appState, checking.id);
        typeRow({QStringLiteral("3/2/2024"), QString()});
        type(QStringLiteral("[Transfer] Sav"));
        QVERIFY(popupOpen());
        tab(3);
        type(QStringLiteral("20"));
        saveRow();
        const std::optional<Transaction> leg = m_world->onlyTransaction(savings.id);
        QVERIFY(leg);
        QCOMPARE(leg->amount, 2000);
    }

private:
    std::unique_ptr<TestWorld> m_world;
};

QTEST_MAIN(TestTypedInput)
#include "tst_typedinput.moc"
