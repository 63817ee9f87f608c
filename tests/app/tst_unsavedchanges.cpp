// Leaving a register row with typing not yet saved asks first: save,
// discard or keep editing. Nothing typed disappears without that choice,
// whether the row is left by a key, a click, another account or closing.

#include "app/mainwindow.h"
#include "support/modalanswer.h"
#include "support/testworld.h"

using namespace testworld;

namespace {

enum class Leave { DownKey, UpKey, ClickOtherRow, OtherAccount, CloseWindow };

} // namespace

Q_DECLARE_METATYPE(Leave)

class TestUnsavedChanges : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init()
    {
        m_world = std::make_unique<TestWorld>();
        m_checking = m_world->addAccount(QStringLiteral("Checking"), Currency::USD, 0, 0);
        m_savings = m_world->addAccount(QStringLiteral("Savings"), Currency::USD, 0, 1);
        m_cafe = m_world->addTransaction(m_checking.id, QDate(2024, 3, 1), QStringLiteral("Cafe"), -450);
        m_world->addTransaction(m_checking.id, QDate(2024, 3, 2), QStringLiteral("Bakery"), -300);
        m_window = std::make_unique<MainWindow>(&m_world->appState);
        showActive(m_window.get());
        m_window->selectAccount(m_checking.id);
    }

    void cleanup()
    {
        m_window.reset();
        m_world.reset();
    }

    void leavingAChangedRowAsks_data()
    {
        QTest::addColumn<Leave>("leave");
        QTest::addColumn<QString>("answer");
        QTest::addColumn<QString>("storedPayee");
        const struct {
            const char* name;
            Leave leave;
        } ways[] = {{"Down", Leave::DownKey}, {"click", Leave::ClickOtherRow}, {"Alt+2", Leave::OtherAccount},
            {"close", Leave::CloseWindow}};
        for (const auto& way : ways) {
            QTest::addRow("%s, save", way.name) << way.leave << QStringLiteral("Save") << QStringLiteral("Cafe Roma");
            QTest::addRow("%s, discard", way.name) << way.leave << QStringLiteral("Discard") << QStringLiteral("Cafe");
            QTest::addRow("%s, keep editing", way.name) << way.leave << QStringLiteral("Keep Editing") << QStringLiteral("Cafe");
        }
    }

    void leavingAChangedRowAsks()
    {
        QFETCH(Leave, leave);
        QFETCH(QString, answer);
        QFETCH(QString, storedPayee);
        RegisterScreen* screen = m_window->registerScreen();
        openCell(*screen, 0, RegisterModel::PayeeColumn);
        type(QStringLiteral("Cafe Roma"));
        QString question;
        ModalAnswer::pressWhenShown(answer, &question);
        leaveBy(leave);

        QCOMPARE(question, QStringLiteral("Your changes to this transaction are not saved yet."));
        QCOMPARE(m_world->appState.transactions()->byId(m_cafe.id)->payee, storedPayee);
        const bool stayed = answer == QLatin1String("Keep Editing");
        QCOMPARE(m_window->isVisible(), stayed || leave != Leave::CloseWindow);
        QCOMPARE(screen->accountId(), stayed || leave != Leave::OtherAccount ? m_checking.id : m_savings.id);
        if (stayed) {
            QCOMPARE(current(*screen).row(), 0);
            QCOMPARE(screen->model()->buffer().payeeText, QStringLiteral("Cafe Roma"));
        } else if (leave == Leave::DownKey || leave == Leave::ClickOtherRow) {
            QCOMPARE(current(*screen).row(), 1);
            QCOMPARE(screen->model()->buffer().payeeText, QStringLiteral("Bakery"));
        }
    }

    void aNewRowTypedInTheEntryRowAsks_data()
    {
        QTest::addColumn<QString>("answer");
        QTest::addColumn<int>("storedRows");
        QTest::newRow("save") << QStringLiteral("Save") << 3;
        QTest::newRow("discard") << QStringLiteral("Discard") << 2;
        QTest::newRow("keep editing") << QStringLiteral("Keep Editing") << 2;
    }

    void aNewRowTypedInTheEntryRowAsks()
    {
        QFETCH(QString, answer);
        QFETCH(int, storedRows);
        RegisterScreen* screen = m_window->registerScreen();
        typeRow({QStringLiteral("3/3/2024"), QString(), QStringLiteral("Grocer"), QString(), QString(), QStringLiteral("20")});
        QString question;
        ModalAnswer::pressWhenShown(answer, &question);
        leaveBy(Leave::UpKey);

        QCOMPARE(question, QStringLiteral("The new transaction you typed is not saved yet."));
        QCOMPARE(m_world->stored(m_checking.id).size(), storedRows);
        if (answer == QLatin1String("Keep Editing")) {
            QCOMPARE(current(*screen).row(), screen->model()->entryRow());
            QCOMPARE(screen->model()->buffer().payeeText, QStringLiteral("Grocer"));
        } else {
            QCOMPARE(current(*screen).row(), screen->model()->entryRow() - 1);
        }
    }

    void aRefusedSaveKeepsTheRow()
    {
        RegisterScreen* screen = m_window->registerScreen();
        openCell(*screen, 0, RegisterModel::PaymentColumn);
        type(QStringLiteral("12,5"));
        ModalAnswer::pressWhenShown(QStringLiteral("Save"));
        leaveBy(Leave::DownKey);
        QCOMPARE(status(*screen), QStringLiteral("Enter a valid amount"));
        QCOMPARE(current(*screen).row(), 0);
        QCOMPARE(screen->model()->buffer().paymentText, QStringLiteral("12,5"));
        QCOMPARE(m_world->appState.transactions()->byId(m_cafe.id)->amount, -450);
    }

    void movingThroughARowWithoutTypingAsksNothing()
    {
        RegisterScreen* screen = m_window->registerScreen();
        openCell(*screen, 0, RegisterModel::DateColumn);
        tab(7);
        leaveBy(Leave::DownKey);
        QVERIFY(!popupOpen());
        QVERIFY(!QApplication::activeModalWidget());
        QCOMPARE(current(*screen).row(), 1);
    }

private:
    void leaveBy(Leave leave)
    {
        RegisterScreen* screen = m_window->registerScreen();
        switch (leave) {
        case Leave::DownKey: press(Qt::Key_Down); break;
        case Leave::UpKey: press(Qt::Key_Up); break;
        case Leave::ClickOtherRow: {
            const QModelIndex other = screen->model()->index(1, RegisterModel::PayeeColumn);
            QTest::mouseClick(screen->view()->viewport(), Qt::LeftButton, {}, screen->view()->visualRect(other).center());
            settle();
            break;
        }
        case Leave::OtherAccount: press(Qt::Key_2, Qt::AltModifier); break;
        case Leave::CloseWindow: m_window->close(); settle(); break;
        }
    }

    std::unique_ptr<TestWorld> m_world;
    std::unique_ptr<MainWindow> m_window;
    Account m_checking;
    Account m_savings;
    Transaction m_cafe;
};

QTEST_MAIN(TestUnsavedChanges)
#include "tst_unsavedchanges.moc"
