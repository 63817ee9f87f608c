// What the user types is what gets saved: an apostrophe inside a word stays
// a letter, an impossible date is refused as typed, a deposit replaces a
// payment, and the delete question keeps the row unless Yes is chosen.

#include "support/testworld.h"

#include <QMessageBox>

using namespace testworld;

class TestTypedInput : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() { m_world = std::make_unique<TestWorld>(); }
    void cleanup() { m_world.reset(); }

    void apostropheCopiesOnlyIntoAnEmptyField_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("payee");
        QTest::newRow("inside a name it is a letter") << QStringLiteral("Trader Joe'") << QStringLiteral("Trader Joe'");
        QTest::newRow("in an empty field it copies the row above") << QStringLiteral("'") << QStringLiteral("Cafe");
    }

    void apostropheCopiesOnlyIntoAnEmptyField()
    {
        QFETCH(QString, typed);
        QFETCH(QString, payee);
        const Account account = m_world->addAccount(QStringLiteral("Checking"));
        m_world->addTransaction(account.id, QDate(2024, 3, 1), QStringLiteral("Cafe"), -450);
        auto screen = showScreen(&m_world->appState, account.id);
        typeRow({QStringLiteral("3/2/2024"), QString()});
        type(typed);
        tab(3);
        type(QStringLiteral("4"));
        saveRow();
        const QList<Transaction> rows = m_world->stored(account.id);
        QCOMPARE(rows.size(), 2);
        QCOMPARE(rows.first().payee, payee);
    }

    void anImpossibleDateIsRefusedAsTyped_data()
    {
        QTest::addColumn<QString>("date");
        QTest::newRow("no such day") << QStringLiteral("2/30/2024");
        QTest::newRow("no such month") << QStringLiteral("13/45/2024");
    }

    void anImpossibleDateIsRefusedAsTyped()
    {
        QFETCH(QString, date);
        const Account account = m_world->addAccount(QStringLiteral("Checking"));
        auto screen = showScreen(&m_world->appState, account.id);
        typeRow({date, QString(), QStringLiteral("Bakery"), QString(), QString(), QStringLiteral("5")});
        saveRow();
        QCOMPARE(status(*screen), QStringLiteral("Enter a valid date, such as 5/20/2024"));
        QVERIFY(m_world->stored(account.id).isEmpty());
        QCOMPARE(screen->model()->buffer().dateText, date);
        QCOMPARE(screen->model()->buffer().payeeText, QStringLiteral("Bakery"));
    }

    void aDateWithoutYearTakesTheRowsYear()
    {
        const Account account = m_world->addAccount(QStringLiteral("Checking"));
        const Transaction row = m_world->addTransaction(account.id, QDate(2023, 11, 2), QStringLiteral("Cafe"), -450);
        auto screen = showScreen(&m_world->appState, account.id);
        openCell(*screen, 0, RegisterModel::DateColumn);
        type(QStringLiteral("3/5"));
        saveRow();
        QCOMPARE(m_world->appState.transactions()->byId(row.id)->date, QDate(2023, 3, 5));
    }

    void typingADepositClearsThePayment()
    {
        const Account account = m_world->addAccount(QStringLiteral("Checking"));
        const Transaction row = m_world->addTransaction(account.id, QDate(2024, 3, 1), QStringLiteral("Refund"), -450);
        auto screen = showScreen(&m_world->appState, account.id);
        openCell(*screen, 0, RegisterModel::DepositColumn);
        type(QStringLiteral("7"));
        press(Qt::Key_Tab);
        QVERIFY(screen->model()->buffer().paymentText.isEmpty());
        saveRow();
        QCOMPARE(m_world->appState.transactions()->byId(row.id)->amount, 700);
    }

    void amountsFollowTheInterfaceLanguage_data()
    {
        QTest::addColumn<QLocale::Language>("language");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<qint64>("stored"); // 0: refused
        QTest::addColumn<QString>("shown");
        QTest::newRow("German decimal comma") << QLocale::German << QStringLiteral("12,50") << qint64(1250) << QStringLiteral("12,50");
        QTest::newRow("German thousands") << QLocale::German << QStringLiteral("1.250,5") << qint64(125050) << QStringLiteral("1.250,50");
        QTest::newRow("German point out of place") << QLocale::German << QStringLiteral("12.50") << qint64(0) << QString();
        QTest::newRow("French spaces") << QLocale::French << QStringLiteral("1 250,5") << qint64(125050) << QStringLiteral("1\u202F250,50");
        QTest::newRow("English decimal comma") << QLocale::English << QStringLiteral("12,50") << qint64(0) << QString();
    }

    void amountsFollowTheInterfaceLanguage()
    {
        QFETCH(QLocale::Language, language);
        QFETCH(QString, typed);
        QFETCH(qint64, stored);
        QFETCH(QString, shown);
        QLocale::setDefault(QLocale(language));
        const auto restoreLocale = qScopeGuard([] { QLocale::setDefault(QLocale::c()); });
        const Account account = m_world->addAccount(QStringLiteral("Checking"));
        auto screen = showScreen(&m_world->appState, account.id);
        typeRow({QStringLiteral("3/2/2024"), QString(), QStringLiteral("Bakery"), QString(), QString(), typed});
        saveRow();
        const std::optional<Transaction> row = m_world->onlyTransaction(account.id);
        QCOMPARE(row.has_value(), stored != 0);
        if (!row) {
            QCOMPARE(status(*screen), QStringLiteral("Enter a valid amount"));
            return;
        }
        QCOMPARE(row->amount, -stored);
        const QModelIndex payment = screen->model()->index(screen->model()->rowForTransactionId(row->id), RegisterModel::PaymentColumn);
        QCOMPARE(payment.data().toString(), shown);
    }

    void enterOnTheDeleteQuestionKeepsTheRow()
    {
        const Account account = m_world->addAccount(QStringLiteral("Checking"));
        const Transaction row = m_world->addTransaction(account.id, QDate(2024, 3, 1), QStringLiteral("Cafe"), -450);
        auto screen = showScreen(&m_world->appState, account.id);
        press(Qt::Key_Up);
        bool asked = false;
        QTimer::singleShot(0, [&asked] {
            QTRY_VERIFY(qobject_cast<QMessageBox*>(QApplication::activeModalWidget()));
            asked = true;
            QTest::keyClick(QApplication::activeModalWidget(), Qt::Key_Return);
        });
        press(Qt::Key_D, Qt::ControlModifier);
        QVERIFY(asked);
        QVERIFY(!m_world->appState.transactions()->byId(row.id)->deletedAt);
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

    void typingOverAStoredCategoryReplacesIt_data()
    {
        QTest::addColumn<bool>("enterFirst");
        QTest::newRow("Enter, then save") << true;
        QTest::newRow("saved with the list still open") << false;
    }

    void typingOverAStoredCategoryReplacesIt()
    {
        QFETCH(bool, enterFirst);
        const Account account = m_world->addAccount(QStringLiteral("Checking"));
        const Transaction row = m_world->addTransaction(account.id, QDate(2024, 3, 1), QStringLiteral("Power Co"), -4500,
            m_world->categoryId(QStringLiteral("Electric")));
        auto screen = showScreen(&m_world->appState, account.id);
        openCell(*screen, 0, RegisterModel::CategoryColumn);
        type(QStringLiteral("water"));
        if (enterFirst)
            enterField();
        saveRow();
        QCOMPARE(m_world->appState.transactions()->byId(row.id)->categoryId, m_world->categoryId(QStringLiteral("Water")));
    }

    void upAndDownInTheCategoryMoveRows()
    {
        const Account account = m_world->addAccount(QStringLiteral("Checking"));
        const QString electric = m_world->categoryId(QStringLiteral("Electric"));
        const Transaction first = m_world->addTransaction(account.id, QDate(2024, 3, 1), QStringLiteral("Power Co"), -4500, electric);
        m_world->addTransaction(account.id, QDate(2024, 3, 2), QStringLiteral("Cafe"), -450);
        auto screen = showScreen(&m_world->appState, account.id);
        openCell(*screen, 0, RegisterModel::CategoryColumn);
        press(Qt::Key_Down);
        QCOMPARE(current(*screen).row(), 1);
        QCOMPARE(m_world->appState.transactions()->byId(first.id)->categoryId, electric);
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
