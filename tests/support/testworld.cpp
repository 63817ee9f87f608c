#include "support/testworld.h"

#include "storage/identifiers.h"

#include <QMainWindow>
#include <QMenuBar>

TestWorld::TestWorld()
{
    Clock::setFixedNow(now());
    if (!appState.initialize())
        qFatal("TestWorld: the application state could not be initialized");
}

TestWorld::~TestWorld()
{
    Clock::reset();
}

Account TestWorld::addAccount(const QString& name, Currency currency, qint64 startingBalance, int sortOrder)
{
    Account account;
    account.id = newId();
    account.name = name;
    account.currency = currency;
    account.startingBalance = startingBalance;
    account.sortOrder = sortOrder;
    account.createdAt = account.updatedAt = now();
    if (!appState.accounts()->insert(account))
        qFatal("TestWorld: the account could not be stored");
    return account;
}

Transaction TestWorld::addTransaction(const QString& accountId, const QDate& date, const QString& payee, qint64 amount,
    const QString& categoryId, const QString& memo)
{
    Transaction transaction = Transaction::newPending(accountId, date, payee, amount);
    transaction.categoryId = categoryId;
    transaction.memo = memo;
    transaction.createdAt = transaction.updatedAt = now().addDays(-30).addSecs(++m_created);
    if (!appState.transactions()->insert(transaction))
        qFatal("TestWorld: the transaction could not be stored");
    return transaction;
}

QString TestWorld::categoryId(const QString& name, const QString& parentName)
{
    const QString parentId = parentName.isEmpty() ? QString() : categoryId(parentName);
    for (const Category& category : appState.categories()->all()) {
        if (category.name == name && (parentName.isEmpty() || category.parentId == parentId))
            return category.id;
    }
    return QString();
}

QList<Transaction> TestWorld::stored(const QString& accountId)
{
    return appState.transactions()->byAccount(accountId);
}

std::optional<Transaction> TestWorld::onlyTransaction(const QString& accountId)
{
    const QList<Transaction> rows = stored(accountId);
    return rows.size() == 1 ? std::optional<Transaction>(rows.first()) : std::nullopt;
}

namespace testworld {

void showActive(QWidget* window)
{
    window->show();
    QApplication::setActiveWindow(window);
    if (!QTest::qWaitForWindowActive(window))
        qFatal("testworld: the window never became active");
}

std::unique_ptr<RegisterScreen> showScreen(AppState* appState, const QString& accountId)
{
    auto screen = std::make_unique<RegisterScreen>(appState);
    screen->resize(1100, 600);
    screen->setAccount(accountId);
    showActive(screen.get());
    return screen;
}

void settle()
{
    for (int i = 0; i < 3; ++i)
        QCoreApplication::processEvents();
}

bool popupOpen()
{
    return QApplication::activePopupWidget() != nullptr;
}

namespace {

QWidget* keyTarget()
{
    if (QWidget* popup = QApplication::activePopupWidget())
        return popup->focusWidget() ? popup->focusWidget() : popup;
    QWidget* focus = QApplication::focusWidget();
    if (!focus)
        qFatal("testworld: no widget has the keyboard");
    return focus;
}

} // namespace

void press(Qt::Key key, Qt::KeyboardModifiers modifiers)
{
    QTest::keyClick(keyTarget(), key, modifiers);
    settle();
}

void type(const QString& text)
{
    for (const QChar c : text) {
        if (c.unicode() < 128)
            QTest::keyClick(keyTarget(), c.toLatin1());
        else
            QTest::sendKeyEvent(QTest::Click, keyTarget(), Qt::Key_unknown, QString(c), Qt::NoModifier);
        settle();
    }
}

void tab(int times)
{
    for (int i = 0; i < times; ++i)
        press(Qt::Key_Tab);
}

void enterField()
{
    if (popupOpen())
        press(Qt::Key_Return);
    press(Qt::Key_Return);
}

void saveRow()
{
    press(Qt::Key_Return, Qt::ControlModifier);
}

void typeRow(const QStringList& fields)
{
    for (const QString& field : fields) {
        type(field);
        enterField();
    }
}

void fillEntryRow(RegisterModel* model, const QList<QPair<int, QString>>& cells)
{
    for (const auto& [column, text] : cells)
        model->setData(model->index(model->entryRow(), column), text);
}

QModelIndex current(const RegisterScreen& screen)
{
    return screen.view()->currentIndex();
}

QWidget* openEditor(const RegisterScreen& screen)
{
    return screen.view()->openEditor();
}

void openCell(RegisterScreen& screen, int row, int column)
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

QString labelText(const QWidget& parent, const char* name)
{
    const auto* label = parent.findChild<QLabel*>(QLatin1String(name));
    return label ? label->text() : QString();
}

QString status(const RegisterScreen& screen)
{
    return labelText(screen, "statusLabel");
}

void whenDialogShown(const std::function<void(QDialog*)>& answer, int attemptsLeft)
{
    QTimer::singleShot(10, [answer, attemptsLeft] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (dialog)
            answer(dialog);
        else if (attemptsLeft > 0)
            whenDialogShown(answer, attemptsLeft - 1);
    });
}

QAction* menuAction(const QMainWindow& window, const QString& menuTitle, const QString& text)
{
    for (QAction* menu : window.menuBar()->actions()) {
        for (QAction* action : menu->text() == menuTitle && menu->menu() ? menu->menu()->actions() : QList<QAction*>()) {
            if (action->text() == text)
                return action;
        }
    }
    return nullptr;
}

} // namespace testworld
