#include "app/appstate.h"
#include "app/startwindow.h"
#include "register/registermodel.h"
#include "register/registerscreen.h"
#include "register/registertableview.h"
#include "register/smartamountfield.h"
#include "storage/accountrepository.h"
#include "storage/clock.h"
#include "storage/identifiers.h"
#include "storage/preferencesrepository.h"
#include "storage/transactionrepository.h"
#include "support/modalanswer.h"
#include "support/testdatabase.h"

#include <QComboBox>
#include <QDateEdit>
#include <QDialog>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QPushButton>
#include <QStackedWidget>
#include <QTimer>
#include <QtTest>
#include <functional>
#include <memory>

namespace {

void whenDialogShown(const std::function<void(QDialog*)>& answer, int attemptsLeft = 500)
{
    QTimer::singleShot(10, [answer, attemptsLeft] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (!dialog) {
            if (attemptsLeft > 0)
                whenDialogShown(answer, attemptsLeft - 1);
            return;
        }
        answer(dialog);
    });
}

void showActive(QWidget* window)
{
    window->show();
    QApplication::setActiveWindow(window);
    QVERIFY(QTest::qWaitForWindowActive(window));
}

} // namespace

class TestStartWindow : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init()
    {
        m_dataDirectory = std::make_unique<TestDataDirectory>();
        Clock::setFixedNow(QDateTime(QDate(2024, 5, 20), QTime(12, 0), Qt::UTC));
        m_appState = std::make_unique<AppState>();
        QVERIFY(m_appState->initialize());
    }

    void cleanup()
    {
        m_appState.reset();
        m_dataDirectory.reset();
        Clock::reset();
    }

    void firstStartCreatesAnAccountAndOpensItsRegister()
    {
        StartWindow window(m_appState.get());
        showActive(&window);
        auto* button = window.findChild<QPushButton*>(QStringLiteral("newAccountButton"));
        QVERIFY(button && button->isVisible());

        whenDialogShown([](QDialog* dialog) {
            QTest::keyClicks(dialog->findChild<QLineEdit*>(QStringLiteral("nameField")), QStringLiteral("Household"));
            dialog->findChild<SmartAmountField*>(QStringLiteral("startingBalanceField"))->setAmountMinorUnits(25000);
            dialog->findChild<QDateEdit*>(QStringLiteral("asOfEdit"))->setDate(QDate(2024, 1, 1));
            QTest::mouseClick(dialog->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok), Qt::LeftButton);
        });
        QTest::mouseClick(button, Qt::LeftButton);

        const QList<Account> accounts = m_appState->accounts()->all();
        QCOMPARE(accounts.size(), 1);
        QCOMPARE(accounts.first().name, QStringLiteral("Household"));
        QCOMPARE(accounts.first().startingBalance, 0);
        const QList<Transaction> opening = m_appState->transactions()->byAccount(accounts.first().id);
        QCOMPARE(opening.size(), 1);
        QCOMPARE(opening.first().payee, QStringLiteral("Opening Balance"));
        QCOMPARE(opening.first().amount, 25000);
        QCOMPARE(opening.first().date, QDate(2024, 1, 1));
        QCOMPARE(m_appState->currentAccountId(), accounts.first().id);

        // The new register has the keyboard in its entry row: typing a date
        // key starts the row at once.
        QApplication::setActiveWindow(&window);
        RegisterScreen* screen = window.registerScreen();
        QVERIFY(screen->isVisible());
        QCOMPARE(screen->accountId(), accounts.first().id);
        const QModelIndex entry = screen->model()->index(screen->model()->entryRow(), RegisterModel::DateColumn);
        QCOMPARE(screen->view()->currentIndex(), entry);
        QVERIFY(screen->view()->hasFocus());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Y);
        QVERIFY(screen->view()->openEditor());
        QCOMPARE(qobject_cast<QLineEdit*>(screen->view()->openEditor())->text(), QStringLiteral("1/1/2024"));
    }

    void anAccountWithoutANameIsNotStored()
    {
        StartWindow window(m_appState.get());
        showActive(&window);
        whenDialogShown([](QDialog* dialog) {
            QTest::mouseClick(dialog->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok), Qt::LeftButton);
        });
        window.newAccount();
        QVERIFY(m_appState->accounts()->all().isEmpty());
        QVERIFY(window.findChild<QPushButton*>(QStringLiteral("newAccountButton"))->isVisible());
    }

    void showsTheLastViewedAccountAndSwitches()
    {
        const QString first = addAccount(QStringLiteral("Alpha"));
        const QString second = addAccount(QStringLiteral("Beta"));
        {
            StartWindow window(m_appState.get());
            QCOMPARE(window.registerScreen()->accountId(), first);
        }
        m_appState->setCurrentAccountId(second);
        StartWindow window(m_appState.get());
        showActive(&window);
        QCOMPARE(window.registerScreen()->accountId(), second);

        auto* chooser = window.findChild<QComboBox*>(QStringLiteral("accountChooser"));
        QCOMPARE(chooser->count(), 2);
        QCOMPARE(chooser->currentText(), QStringLiteral("Beta"));
        chooser->setCurrentIndex(chooser->findText(QStringLiteral("Alpha")));
        QCOMPARE(window.registerScreen()->accountId(), first);
        QCOMPARE(m_appState->currentAccountId(), first);
        QCOMPARE(m_appState->preferences()->get(QStringLiteral("lastViewedAccountId"), QString()), first);
    }

    void registerErrorsAreShownAsWarnings()
    {
        addAccount(QStringLiteral("Alpha"));
        StartWindow window(m_appState.get());
        showActive(&window);
        QString text;
        ModalAnswer::pressWhenShown(QMessageBox::Ok, &text);
        Q_EMIT window.registerScreen()->errorMessage(QStringLiteral("Transfers require both accounts to use the same currency"));
        QCOMPARE(text, QStringLiteral("Transfers require both accounts to use the same currency"));
    }

private:
    QString addAccount(const QString& name)
    {
        Account account;
        account.id = newId();
        account.name = name;
        account.createdAt = Clock::nowUtc();
        account.updatedAt = account.createdAt;
        m_appState->accounts()->insert(account);
        return account.id;
    }

    std::unique_ptr<TestDataDirectory> m_dataDirectory;
    std::unique_ptr<AppState> m_appState;
};

QTEST_MAIN(TestStartWindow)
#include "tst_startwindow.moc"
