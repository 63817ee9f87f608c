#include "support/testworld.h"

#include "register/registercombobox.h"
#include "register/registerdelegate.h"
#include "register/registerlineedit.h"
#include "storage/preferencesrepository.h"

#include <QAbstractItemView>
#include <QCompleter>
#include <QLineEdit>
#include <QPixmap>

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

class TestRegisterDelegate : public QObject
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
        QCOMPARE(payeeEdit->completer()->caseSensitivity(), Qt::CaseInsensitive);
        QCOMPARE(payeeEdit->completer()->filterMode(), Qt::MatchContains);

        screen->setAccount(m_savings.id);
        QVERIFY(screen->delegate()->payeeChoices().contains(QStringLiteral("[Transfer] Checking")));
        QVERIFY(!screen->delegate()->payeeChoices().contains(QStringLiteral("[Transfer] Savings")));
    }

    void tabWithThePayeeListOpenFillsFromTheLastUseHere()
    {
        auto screen = showScreen(&m_world->appState, m_checking.id);
        tab();
        type(QStringLiteral("7"));
        tab();
        type(QStringLiteral("power"));
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
        QCOMPARE(category->property("_kestCategoryId").toString(), m_housingMaintenance);

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

    void typingOverAChosenCategoryChangesIt()
    {
        auto screen = showScreen(&m_world->appState, m_checking.id);
        tab(2);
        type(QStringLiteral("Power Company"));
        enterField();
        QCOMPARE(screen->model()->buffer().categoryIdText, m_housingMaintenance);
        auto* category = qobject_cast<RegisterComboBox*>(openEditor(*screen));
        QVERIFY(category);
        category->lineEdit()->selectAll();
        type(QStringLiteral("Groceries"));
        enterField();
        QCOMPARE(screen->model()->buffer().categoryText, QStringLiteral("Groceries"));
        QCOMPARE(screen->model()->buffer().categoryIdText, m_world->categoryId(QStringLiteral("Groceries")));
    }

    void twoLineAutoFillShowsTheMemo()
    {
        QVERIFY(m_world->appState.preferences()->setBool(QStringLiteral("registerTwoLine"), true));
        auto screen = showScreen(&m_world->appState, m_checking.id);
        tab(2);
        QWidget* editor = openEditor(*screen);
        QCOMPARE(editor->objectName(), QStringLiteral("PayeeMemoEditor"));
        type(QStringLiteral("Power"));
        press(Qt::Key_Down);
        press(Qt::Key_Tab);
        auto* memoEdit = editor->findChild<QLineEdit*>(QStringLiteral("memoEdit"));
        QVERIFY(memoEdit->hasFocus());
        QCOMPARE(memoEdit->text(), QStringLiteral("May bill"));
        QCOMPARE(screen->model()->buffer().paymentText, QStringLiteral("80.00"));
    }

private:
    std::unique_ptr<TestWorld> m_world;
    Account m_checking;
    Account m_savings;
    QString m_housingMaintenance;
};

QTEST_MAIN(TestRegisterDelegate)
#include "tst_registerdelegate.moc"
