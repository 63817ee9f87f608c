// The register's cell editors: the date cell's keys and calendar, and the
// payee cell's completion list, which fills a new row from the payee's last
// use in the same account.

#include "support/testworld.h"

#include "register/registercombobox.h"
#include "register/smartdateedit.h"
#include "storage/preferencesrepository.h"
#include "widgets/calendarpopup.h"

#include <QCompleter>
#include <QLineEdit>

using namespace testworld;

namespace {

QStringList firstColumn(const QAbstractItemModel* model)
{
    QStringList texts;
    for (int row = 0; row < model->rowCount(); ++row)
        texts << model->index(row, 0).data().toString();
    return texts;
}

} // namespace

class TestRegisterEditors : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init()
    {
        m_world = std::make_unique<TestWorld>();
        m_checking = m_world->addAccount(QStringLiteral("Checking"));
        m_savings = m_world->addAccount(QStringLiteral("Savings"));
        m_housingMaintenance = m_world->categoryId(QStringLiteral("Maintenance"), QStringLiteral("Housing"));
        m_world->addTransaction(m_checking.id, QDate(2024, 4, 1), QStringLiteral("Power Company"), -5000,
            m_world->categoryId(QStringLiteral("Electric"), QStringLiteral("Utilities")), QStringLiteral("April"));
        m_world->addTransaction(m_checking.id, QDate(2024, 5, 1), QStringLiteral("Power Company"), -8000,
            m_housingMaintenance, QStringLiteral("May bill"));
        // A later use in another account must not be taken.
        m_world->addTransaction(m_savings.id, QDate(2024, 5, 10), QStringLiteral("Power Company"), 99);
        m_world->addTransaction(m_savings.id, QDate(2024, 5, 10), QStringLiteral("Landlord"), -120000);
    }
    void cleanup() { m_world.reset(); }

    void dateKeys_data()
    {
        QTest::addColumn<QString>("typedFirst");
        QTest::addColumn<int>("key");
        QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QDate>("expected");
        // The cell shows 3/15/2024, a Friday. The keys' date arithmetic is
        // covered with the date texts; here the key events must reach it.
        const Qt::KeyboardModifiers none = Qt::NoModifier;
        QTest::newRow("T, as Shift+t sends it: today") << QString() << int(Qt::Key_T) << none << "T" << QDate(2024, 5, 20);
        QTest::newRow("+: next day") << QString() << int(Qt::Key_Plus) << none << "+" << QDate(2024, 3, 16);
        QTest::newRow("Ctrl+M is no date key") << QString() << int(Qt::Key_M) << Qt::KeyboardModifiers(Qt::ControlModifier) << "m"
                                               << QDate(2024, 3, 15);
        QTest::newRow("h: end of the month typed over the date") << "4/1/2024" << int(Qt::Key_H) << none << "h" << QDate(2024, 4, 30);
    }

    void dateKeys()
    {
        QFETCH(QString, typedFirst);
        QFETCH(int, key);
        QFETCH(Qt::KeyboardModifiers, modifiers);
        QFETCH(QString, text);
        QFETCH(QDate, expected);
        SmartDateEdit edit;
        edit.setDate(QDate(2024, 3, 15));
        QTest::keyClicks(&edit, typedFirst);
        // The exact key event the keyboard sends.
        QKeyEvent press(QEvent::KeyPress, key, modifiers, text);
        QApplication::sendEvent(&edit, &press);
        QCOMPARE(edit.date(), expected);
        QCOMPARE(edit.selectedText(), expected.toString(QStringLiteral("M/d/yyyy")));
    }

    void calendarOpensWithF4AndAltDown()
    {
        const QList<QKeyCombination> calendarKeys = {QKeyCombination(Qt::Key_F4), QKeyCombination(Qt::AltModifier, Qt::Key_Down)};
        for (const QKeyCombination keys : calendarKeys) {
            SmartDateEdit edit;
            edit.setDate(QDate(2024, 3, 15));
            showActive(&edit);
            QTest::keyClick(&edit, keys.key(), keys.keyboardModifiers());
            auto* calendar = qobject_cast<CalendarPopup*>(QApplication::activePopupWidget());
            QVERIFY(calendar);
            QCOMPARE(calendar->selectedDate(), QDate(2024, 3, 15));
            QPointer<CalendarPopup> watched(calendar);
            Q_EMIT calendar->clicked(QDate(2024, 3, 22));
            settle();
            QCOMPARE(edit.text(), QStringLiteral("3/22/2024"));
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            QVERIFY(watched.isNull());
        }
    }

    void payeeChoicesOfferTransfersToOtherAccountsOnly()
    {
        m_world->addAccount(QStringLiteral("Card"));
        // A payee that happens to read like a transfer choice is listed once.
        m_world->addTransaction(m_checking.id, QDate(2024, 1, 1), QStringLiteral("[Transfer] Card"), -1);
        auto screen = showScreen(&m_world->appState, m_checking.id);
        tab(2);
        auto* payeeEdit = qobject_cast<QLineEdit*>(openEditor(*screen));
        QVERIFY(payeeEdit && payeeEdit->completer());
        QCOMPARE(firstColumn(payeeEdit->completer()->model()), (QStringList{QStringLiteral("Landlord"), QStringLiteral("Power Company"),
                              QStringLiteral("[Transfer] Card"), QStringLiteral("[Transfer] Savings")}));
    }

    // Any part of the name, in any case, finds the payee.
    void tabWithThePayeeListOpenFillsFromTheLastUseHere()
    {
        auto screen = showScreen(&m_world->appState, m_checking.id);
        tab();
        type(QStringLiteral("7"));
        tab();
        type(QStringLiteral("company"));
        QVERIFY(popupOpen());
        QCOMPARE(firstColumn(qobject_cast<QLineEdit*>(openEditor(*screen))->completer()->completionModel()),
            QStringList{QStringLiteral("Power Company")});
        press(Qt::Key_Down);
        press(Qt::Key_Tab);

        const RegisterModel::EditBuffer& buffer = screen->model()->buffer();
        // Date and check number stay as typed.
        QCOMPARE((QStringList{buffer.payeeText, buffer.paymentText, buffer.depositText, buffer.categoryText, buffer.categoryIdText,
                     buffer.memoText, buffer.checkNumberText, buffer.dateText}),
            (QStringList{QStringLiteral("Power Company"), QStringLiteral("80.00"), QString(), QStringLiteral("Maintenance"),
                m_housingMaintenance, QStringLiteral("May bill"), QStringLiteral("7"), QStringLiteral("5/20/2024")}));
        QVERIFY(!popupOpen());

        // The keyboard is on in the category cell, which shows the very
        // category, not its namesake under another parent.
        QCOMPARE(current(*screen).column(), int(RegisterModel::CategoryColumn));
        auto* category = qobject_cast<RegisterComboBox*>(openEditor(*screen));
        QVERIFY(category);
        QCOMPARE(category->currentText(), QStringLiteral("Housing > Maintenance"));

        saveRow();
        const QList<Transaction> saved = m_world->stored(m_checking.id);
        QCOMPARE(saved.size(), 3);
        QCOMPARE(saved.first().amount, -8000);
        QCOMPARE(saved.first().categoryId, m_housingMaintenance);
    }

    void enterWithTheListOpenTakesTheEntryWithoutMovingOn()
    {
        auto screen = showScreen(&m_world->appState, m_checking.id);
        tab(2);
        type(QStringLiteral("land"));
        QVERIFY(popupOpen());
        press(Qt::Key_Down);
        press(Qt::Key_Return);
        QVERIFY(!popupOpen());
        QCOMPARE(current(*screen).column(), int(RegisterModel::PayeeColumn));
        QCOMPARE(qobject_cast<QLineEdit*>(openEditor(*screen))->text(), QStringLiteral("Landlord"));
        // Landlord was only used in Savings: nothing to fill in here.
        press(Qt::Key_Return);
        QCOMPARE(current(*screen).column(), int(RegisterModel::CategoryColumn));
        QCOMPARE(screen->model()->buffer().payeeText, QStringLiteral("Landlord"));
        QCOMPARE(screen->model()->buffer().paymentText, QString());
    }

    void autoFillWritesTheAccountCurrency()
    {
        const Account yen = m_world->addAccount(QStringLiteral("Yen"), Currency::JPY);
        m_world->addTransaction(yen.id, QDate(2024, 5, 1), QStringLiteral("Ramen Shop"), -1500);
        auto screen = showScreen(&m_world->appState, yen.id);
        tab(2);
        type(QStringLiteral("Ramen Shop"));
        enterField();
        QCOMPARE(screen->model()->buffer().paymentText, QStringLiteral("1,500"));
    }

    void storedRowsAreNotAutoFilled()
    {
        const Transaction cafe = m_world->addTransaction(m_checking.id, QDate(2024, 5, 5), QStringLiteral("Cafe"), -450);
        auto screen = showScreen(&m_world->appState, m_checking.id);
        const int row = screen->model()->rowForTransactionId(cafe.id);
        screen->view()->setCurrentIndex(screen->model()->index(row, RegisterModel::PayeeColumn));
        press(Qt::Key_Return);
        type(QStringLiteral("Power Company"));
        enterField();
        QCOMPARE(screen->model()->editingRow(), row);
        QCOMPARE(screen->model()->buffer().payeeText, QStringLiteral("Power Company"));
        QCOMPARE(screen->model()->buffer().paymentText, QStringLiteral("4.50"));
        QCOMPARE(screen->model()->buffer().memoText, QString());
    }

    // In two-line rows the payee cell holds the memo below it: Tab goes from
    // the payee to the memo, then on to the category.
    void twoLinePayeeCellFillsAndTabsThroughTheMemo()
    {
        QVERIFY(m_world->appState.preferences()->setBool(QStringLiteral("registerTwoLine"), true));
        auto screen = showScreen(&m_world->appState, m_checking.id);
        QVERIFY(screen->view()->isColumnHidden(RegisterModel::MemoColumn));
        tab(2);
        QWidget* editor = openEditor(*screen);
        auto* payeeEdit = editor->findChild<QLineEdit*>(QStringLiteral("payeeEdit"));
        auto* memoEdit = editor->findChild<QLineEdit*>(QStringLiteral("memoEdit"));
        QVERIFY(payeeEdit->hasFocus());
        type(QStringLiteral("Power"));
        press(Qt::Key_Down);
        press(Qt::Key_Tab);
        QVERIFY(memoEdit->hasFocus());
        QCOMPARE(memoEdit->text(), QStringLiteral("May bill"));
        QCOMPARE(current(*screen).column(), int(RegisterModel::PayeeColumn));
        press(Qt::Key_Backtab, Qt::ShiftModifier);
        QVERIFY(payeeEdit->hasFocus());
        tab(2);
        QCOMPARE(current(*screen).column(), int(RegisterModel::CategoryColumn));
        press(Qt::Key_Tab);
        QCOMPARE(current(*screen).column(), int(RegisterModel::PaymentColumn));
        type(QStringLiteral("3.25"));
        saveRow();

        const Transaction saved = m_world->stored(m_checking.id).first();
        QCOMPARE(QStringList({saved.payee, saved.memo, QString::number(saved.amount)}),
            QStringList({QStringLiteral("Power Company"), QStringLiteral("May bill"), QStringLiteral("-325")}));
    }

private:
    std::unique_ptr<TestWorld> m_world;
    Account m_checking;
    Account m_savings;
    QString m_housingMaintenance;
};

QTEST_MAIN(TestRegisterEditors)
#include "tst_registereditors.moc"
