#pragma once

#include <QMainWindow>

class AppState;
class QComboBox;
class QStackedWidget;
class RegisterScreen;

// The program's window: the register of one account, a list to switch
// accounts, and the way to create an account (which a first start offers
// right away).
class StartWindow : public QMainWindow
{
    Q_OBJECT

public:
    explicit StartWindow(AppState* appState, QWidget* parent = nullptr);

    RegisterScreen* registerScreen() const { return m_registerScreen; }

public Q_SLOTS:
    // Asks for a new account, stores it with its opening balance and shows
    // its register ready for typing.
    void newAccount();

private:
    void buildMenus();
    QWidget* buildEmptyPage();
    QWidget* buildRegisterPage();
    // Fills the account list and shows `accountId`, or the last viewed
    // account, or the first one.
    void listAccounts(const QString& accountId = QString());
    void showAccountAt(int index);
    void showError(const QString& text);

    AppState* m_appState;
    QStackedWidget* m_pages;
    QComboBox* m_accountChooser = nullptr;
    RegisterScreen* m_registerScreen = nullptr;
    QWidget* m_emptyPage = nullptr;
    QWidget* m_registerPage = nullptr;
};
