// Keys inside the register mean what the register's key table says, even
// where a menu of the window has the same shortcut; Enter presses a
// focused button.

#include "app/mainwindow.h"
#include "register/transactionformdialog.h"
#include "support/testworld.h"

#include <QPushButton>
#include <QStatusBar>

using namespace testworld;

class TestWindowKeys : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() { m_world = std::make_unique<TestWorld>(); }
    void cleanup() { m_world.reset(); }

    void ctrlIStartsANewRowInTheRegister()
    {
        const Account account = m_world->addAccount(QStringLiteral("Checking"));
        m_world->addTransaction(account.id, QDate(2024, 3, 1), QStringLiteral("Cafe"), -450);
        MainWindow window(&m_world->appState);
        showActive(&window);
        window.selectAccount(account.id);
        RegisterScreen* screen = window.registerScreen();
        press(Qt::Key_Up);
        press(Qt::Key_I, Qt::ControlModifier);
        QVERIFY(window.statusBar()->currentMessage().isEmpty());
        QCOMPARE(current(*screen).row(), screen->model()->entryRow());
        QVERIFY(openEditor(*screen));
    }

    void ctrlNOpensTheTransactionDialogFromTheRegister()
    {
        const Account account = m_world->addAccount(QStringLiteral("Checking"));
        MainWindow window(&m_world->appState);
        showActive(&window);
        window.selectAccount(account.id);
        bool dialogShown = false;
        whenDialogShown([&](QDialog* dialog) {
            dialogShown = qobject_cast<TransactionFormDialog*>(dialog) != nullptr;
            dialog->reject();
        });
        press(Qt::Key_N, Qt::ControlModifier);
        QTRY_VERIFY(dialogShown);
    }

    void enterPressesTheFocusedButton()
    {
        MainWindow window(&m_world->appState);
        showActive(&window);
        QCOMPARE(window.currentPage(), MainWindow::Page::Welcome);
        auto* button = window.findChild<QPushButton*>(QStringLiteral("continueButton"));
        button->setFocus();
        press(Qt::Key_Return);
        QCOMPARE(window.currentPage(), MainWindow::Page::EmptyState);
    }

private:
    std::unique_ptr<TestWorld> m_world;
};

QTEST_MAIN(TestWindowKeys)
#include "tst_windowkeys.moc"
