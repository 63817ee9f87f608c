// The recurring window as a user meets it: what the start posted, and the
// rules created, confirmed and deleted from the screen.

#include "app/mainwindow.h"
#include "services/recurring/recurringscreen.h"
#include "storage/identifiers.h"
#include "storage/recurringrepository.h"
#include "support/dialogtesting.h"
#include "support/modalanswer.h"
#include "support/storagetesting.h"
#include "support/testworld.h"

#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QStatusBar>
#include <QTableView>

using namespace testworld;

namespace {

// Right-clicks `row` and runs `choose` on the menu once it is open.
void openRowMenu(QTableView* view, int row, const std::function<void(QMenu*)>& choose)
{
    QTimer::singleShot(10, [choose] {
        if (auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget()))
            choose(menu);
    });
    const QPoint position = view->visualRect(view->model()->index(row, 1)).center();
    QContextMenuEvent click(QContextMenuEvent::Mouse, position, view->viewport()->mapToGlobal(position));
    QApplication::sendEvent(view->viewport(), &click);
}

QAction* menuEntry(QMenu* menu, const QString& text)
{
    for (QAction* action : menu->actions()) {
        if (action->text() == text)
            return action;
    }
    return nullptr;
}

} // namespace

class RecurringScreenTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() { m_world = std::make_unique<TestWorld>(); }
    void cleanup() { m_world.reset(); }

    void theStartPostsDueRulesAndTellsWhatItCouldNot()
    {
        const QString checking = m_world->addAccount(QStringLiteral("Checking")).id;
        const QString yen = m_world->addAccount(QStringLiteral("Yen"), Currency::JPY).id;
        RecurringTransaction daily = makeRecurring(newId(), QDate(2024, 5, 18), checking);
        daily.frequency = Frequency::Daily;
        daily.autoPost = true;
        RecurringTransaction transfer = makeRecurring(newId(), QDate(2024, 5, 1), checking);
        transfer.payee = QStringLiteral("To yen");
        transfer.transferDestAccountId = yen;
        transfer.autoPost = true;
        for (const RecurringTransaction& rule : {daily, transfer, makeRecurring(newId(), QDate(2024, 5, 2), checking)})
            QVERIFY(m_world->appState.recurring()->insert(rule));

        QString problems;
        ModalAnswer::pressWhenShown(QMessageBox::Ok, &problems);
        MainWindow window(&m_world->appState);
        window.show();
        QTRY_VERIFY(!problems.isEmpty());

        QCOMPARE(window.statusBar()->currentMessage(), QStringLiteral("Auto-posted 3 recurring transaction(s)"));
        // The counts give way to the message instead of drawing over it.
        QVERIFY(!window.statusBar()->findChild<QLabel*>(QStringLiteral("recurringDueLabel"))->isVisible());
        QVERIFY(problems.contains(QStringLiteral("To yen: Transfers require both accounts to use the same currency")));
        QCOMPARE(m_world->stored(checking).size(), 3);
        QCOMPARE(labelText(*window.statusBar(), "recurringDueLabel"), QStringLiteral("  •  2 recurring due"));
    }

    void aRuleIsCreatedConfirmedAndKeptUnlessDeletionIsConfirmed()
    {
        const QString checking = m_world->addAccount(QStringLiteral("Checking")).id;
        MainWindow window(&m_world->appState);
        showActive(&window);
        press(Qt::Key_3, Qt::ControlModifier);
        auto* screen = window.findChild<RecurringScreen*>();
        QVERIFY(screen && screen->isVisible());

        whenDialogShown([](QDialog* dialog) {
            typeInto(child<QLineEdit>(dialog, "payeeField"), QStringLiteral("Gym"));
            typeInto(child<QWidget>(dialog, "amountField"), QStringLiteral("35"));
            QTest::mouseClick(okButton(dialog), Qt::LeftButton);
        });
        QTest::mouseClick(child<QPushButton>(screen, "newRecurringButton"), Qt::LeftButton);
        QCOMPARE(screen->view()->model()->rowCount(), 1);
        QCOMPARE(labelText(*screen, "dueLabel"), QStringLiteral("(1 due)"));

        openRowMenu(screen->view(), 0, [](QMenu* menu) {
            QVERIFY(menuEntry(menu, QStringLiteral("&Skip"))->isEnabled());
            QTest::keyClick(menu, Qt::Key_C);
        });
        QTRY_COMPARE(m_world->stored(checking).size(), 1);
        QCOMPARE(m_world->stored(checking).first().amount, -3500);
        QCOMPARE(labelText(*screen, "dueLabel"), QString());
        openRowMenu(screen->view(), 0, [](QMenu* menu) {
            QVERIFY(!menuEntry(menu, QStringLiteral("&Confirm"))->isEnabled());
            menu->close();
        });

        showActive(screen);
        screen->view()->setFocus();
        QString asked;
        whenDialogShown([&asked](QDialog* question) {
            asked = question->windowTitle();
            QTest::keyClick(question, Qt::Key_Return);
        });
        QTest::keyClick(screen->view(), Qt::Key_Delete);
        QCOMPARE(asked, QStringLiteral("Delete"));
        QCOMPARE(m_world->appState.recurring()->all().size(), 1);
        // The offscreen platform gives no window the keyboard back after a box.
        showActive(screen);
        ModalAnswer::pressWhenShown(QMessageBox::Yes);
        QTest::keyClick(screen->view(), Qt::Key_Delete);
        QVERIFY(m_world->appState.recurring()->all().isEmpty());
    }

private:
    std::unique_ptr<TestWorld> m_world;
};

QTEST_MAIN(RecurringScreenTest)
#include "tst_recurringscreen.moc"
