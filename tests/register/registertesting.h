#pragma once

// Shared by the register tests: an initialized application state in its own
// data directory, a few ways to put rows into it, and keyboard helpers that
// deliver keys the way the window system does (to an open popup first, else
// to the focused widget).

#include "app/appstate.h"
#include "register/registermodel.h"
#include "register/registerscreen.h"
#include "register/registertableview.h"
#include "storage/accountrepository.h"
#include "storage/categoryrepository.h"
#include "storage/clock.h"
#include "storage/identifiers.h"
#include "storage/transactionrepository.h"
#include "support/testdatabase.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QCompleter>
#include <QDialog>
#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QtTest>
#include <functional>
#include <memory>
#include <optional>

namespace registertesting {

inline QDateTime fixedNow()
{
    return QDateTime(QDate(2024, 5, 20), QTime(12, 0), Qt::UTC);
}

class RegisterWorld
{
public:
    RegisterWorld()
    {
        Clock::setFixedNow(fixedNow());
        const bool ready = appState.initialize();
        Q_ASSERT(ready);
    }
    ~RegisterWorld() { Clock::reset(); }

    Account addAccount(const QString& name, Currency currency = Currency::USD, qint64 startingBalance = 0)
    {
        Account account;
        account.id = newId();
        account.name = name;
        account.currency = currency;
        account.startingBalance = startingBalance;
        account.createdAt = fixedNow();
        account.updatedAt = fixedNow();
        if (!appState.accounts()->insert(account))
            qFatal("RegisterWorld: the account could not be stored");
        return account;
    }

    Transaction addTransaction(const QString& accountId, const QDate& date, const QString& payee, qint64 amount,
        const QString& categoryId = QString(), const QString& memo = QString())
    {
        Transaction transaction;
        transaction.id = newId();
        transaction.accountId = accountId;
        transaction.date = date;
        transaction.payee = payee;
        transaction.amount = amount;
        transaction.categoryId = categoryId;
        transaction.memo = memo;
        // Distinct creation times keep same-day rows in insertion order.
        transaction.createdAt = fixedNow().addSecs(++m_created);
        transaction.updatedAt = transaction.createdAt;
        if (!appState.transactions()->insert(transaction))
            qFatal("RegisterWorld: the transaction could not be stored");
        return transaction;
    }

    QString categoryId(const QString& name, const QString& parentName = QString())
    {
        const QList<Category> categories = appState.categories()->all();
        QString parentId;
        if (!parentName.isEmpty()) {
            for (const Category& category : categories) {
                if (category.name == parentName && category.parentId.isEmpty())
                    parentId = category.id;
            }
        }
        for (const Category& category : categories) {
            if (category.name == name && (parentName.isEmpty() || category.parentId == parentId))
                return category.id;
        }
        return QString();
    }

    QList<Transaction> stored(const QString& accountId) { return appState.transactions()->byAccount(accountId); }

    TestDataDirectory dataDirectory;
    AppState appState;

private:
    int m_created = 0;
};

// The screen shown in an active window, as a user sees it.
inline std::unique_ptr<RegisterScreen> showScreen(AppState* appState, const QString& accountId)
{
    auto screen = std::make_unique<RegisterScreen>(appState);
    screen->resize(1100, 600);
    screen->setAccount(accountId);
    screen->show();
    QApplication::setActiveWindow(screen.get());
    if (!QTest::qWaitForWindowActive(screen.get()))
        qWarning("register window did not become active");
    return screen;
}

inline void settle()
{
    for (int i = 0; i < 3; ++i)
        QCoreApplication::processEvents();
}

// Where the window system would deliver a key right now.
inline QWidget* keyTarget()
{
    if (QWidget* popup = QApplication::activePopupWidget())
        return popup->focusWidget() ? popup->focusWidget() : popup;
    return QApplication::focusWidget();
}

inline void press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    QWidget* target = keyTarget();
    QVERIFY(target);
    QTest::keyClick(target, key, modifiers);
    settle();
}

inline void type(const QString& text)
{
    for (const QChar c : text) {
        QWidget* target = keyTarget();
        QVERIFY(target);
        QTest::keyClick(target, c.toLatin1());
        settle();
    }
}

inline bool popupOpen()
{
    return QApplication::activePopupWidget() != nullptr;
}

// Enter that moves on: a completion list still open is closed first, as a
// user presses Enter once more after it.
inline void enterField()
{
    if (popupOpen())
        press(Qt::Key_Return);
    press(Qt::Key_Return);
}

// Presses Tab `times` times.
inline void tab(int times = 1)
{
    for (int i = 0; i < times; ++i)
        press(Qt::Key_Tab);
}

// Saves the row being edited from whatever field has the keyboard.
inline void saveRow()
{
    press(Qt::Key_Return, Qt::ControlModifier);
}

// Types each field and presses Enter after it, as a user fills a row from
// the current cell onwards; an empty field just moves on.
inline void typeRow(const QStringList& fields)
{
    for (const QString& field : fields) {
        type(field);
        enterField();
    }
}

// Puts texts into cells of the entry row (column, text pairs) the way a
// finished editor writes them.
inline void fillEntryRow(RegisterModel* model, const QList<QPair<int, QString>>& cells)
{
    for (const auto& [column, text] : cells)
        model->setData(model->index(model->entryRow(), column), text);
}

// The only stored transaction of the account, if there is exactly one.
inline std::optional<Transaction> onlyTransaction(RegisterWorld& world, const QString& accountId)
{
    const QList<Transaction> rows = world.stored(accountId);
    if (rows.size() != 1)
        return std::nullopt;
    return rows.first();
}

inline QString labelText(const RegisterScreen& screen, const char* name)
{
    return screen.findChild<QLabel*>(QLatin1String(name))->text();
}

inline QModelIndex current(const RegisterScreen& screen)
{
    return screen.view()->currentIndex();
}

inline QWidget* openEditor(const RegisterScreen& screen)
{
    return screen.view()->openEditor();
}

// Moves the keyboard to `column` of view row `row` and opens its editor, as
// arrow keys and Enter do.
inline void openCell(RegisterScreen& screen, int row, int column)
{
    screen.view()->setFocus();
    while (current(screen).row() > row)
        press(Qt::Key_Up);
    while (current(screen).row() < row)
        press(Qt::Key_Down);
    while (current(screen).column() > column)
        press(Qt::Key_Left);
    while (current(screen).column() < column)
        press(Qt::Key_Right);
    press(Qt::Key_Return);
}

inline QString status(const RegisterScreen& screen)
{
    return screen.findChild<QLabel*>(QStringLiteral("statusLabel"))->text();
}

// Runs `answer` on the next modal dialog once it is shown.
inline void whenDialogShown(const std::function<void(QDialog*)>& answer, int attemptsLeft = 500)
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

inline void clickOk(QDialog* dialog)
{
    QTest::mouseClick(dialog->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok), Qt::LeftButton);
}

} // namespace registertesting
