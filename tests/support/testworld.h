#pragma once

// The one fixture world of the tests that need the program's state: an
// initialized AppState in a data directory of its own with the clock fixed
// at TestWorld::now(), ways to store rows, and keyboard helpers that deliver
// keys the way the window system does (to an open popup first, else to the
// focused widget).

#include "app/appstate.h"
#include "register/registermodel.h"
#include "register/registerscreen.h"
#include "register/registertableview.h"
#include "storage/accountrepository.h"
#include "storage/categoryrepository.h"
#include "storage/clock.h"
#include "storage/transactionrepository.h"
#include "support/testdatabase.h"

#include <QApplication>
#include <QDateTime>
#include <QDialog>
#include <QLabel>
#include <QMainWindow>
#include <QTimer>
#include <QtTest>
#include <functional>
#include <memory>
#include <optional>

class TestWorld
{
public:
    // The fixed "now" of every test: noon UTC on Monday 20 May 2024.
    static QDateTime now() { return QDateTime(QDate(2024, 5, 20), QTime(12, 0), Qt::UTC); }

    TestWorld();
    ~TestWorld();

    Account addAccount(const QString& name, Currency currency = Currency::USD, qint64 startingBalance = 0, int sortOrder = 0);
    // Rows are created a second apart, so same-day rows keep insertion order.
    Transaction addTransaction(const QString& accountId, const QDate& date, const QString& payee, qint64 amount,
        const QString& categoryId = QString(), const QString& memo = QString());
    // The id of the seeded category `name`, under `parentName` when given.
    QString categoryId(const QString& name, const QString& parentName = QString());
    // The live transactions of an account, newest first.
    QList<Transaction> stored(const QString& accountId);
    std::optional<Transaction> onlyTransaction(const QString& accountId);

    TestDataDirectory dataDirectory;
    AppState appState;

private:
    int m_created = 0;
};

namespace testworld {

// Shows `window` and fails the test when it never becomes active.
void showActive(QWidget* window);
// The register screen shown in an active window, as a user sees it.
std::unique_ptr<RegisterScreen> showScreen(AppState* appState, const QString& accountId);

void settle();
bool popupOpen();
void press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
void type(const QString& text);
void tab(int times = 1);
// Enter that moves on: an open completion list is closed first.
void enterField();
// Saves the row being edited from whatever field has the keyboard.
void saveRow();
// Types each field and presses Enter after it; an empty field just moves on.
void typeRow(const QStringList& fields);
// Puts texts into cells of the entry row the way a finished editor writes them.
void fillEntryRow(RegisterModel* model, const QList<QPair<int, QString>>& cells);
// Moves to `column` of view row `row` with the arrow keys and opens it with Enter.
void openCell(RegisterScreen& screen, int row, int column);
QModelIndex current(const RegisterScreen& screen);
QWidget* openEditor(const RegisterScreen& screen);
QString labelText(const QWidget& parent, const char* name);
QString status(const RegisterScreen& screen);
// The entry reading `text` of the window's menu titled `menuTitle`.
QAction* menuAction(const QMainWindow& window, const QString& menuTitle, const QString& text);
// Runs `answer` on the next modal dialog once it is shown.
void whenDialogShown(const std::function<void(QDialog*)>& answer, int attemptsLeft = 500);

} // namespace testworld
