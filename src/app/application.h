#pragma once

#include <QApplication>

class AppState;
enum class OpenFailure;
class MainWindow;

// The process: names the program, quiets the log, loads the catalogues of
// the chosen language and the icon font, then runs the application state
// and the window.
class Application : public QApplication
{
    Q_OBJECT

public:
    Application(int& argc, char** argv);
    ~Application() override;

    // Opens the data and shows the window until it is closed. Returns the
    // event loop's exit code, 1 when the database cannot be initialised, or
    // 0 at once when another copy runs on the same data directory (that
    // copy's window is raised instead).
    int run();

    // The organisation and program names that place the QSettings store,
    // for the window and the command line alike.
    static void nameProgram();

    // The last sentence of the database error: what the user can do about it.
    static QString causeText(OpenFailure cause);

private:
    // Brings the window to the front at the request of a later start on the
    // same data directory.
    void raiseMainWindow();
    void showDatabaseError(OpenFailure cause);
    // Ends the session with the database error once a query met damage.
    void quitOnDamage();

    AppState* m_appState = nullptr;
    MainWindow* m_mainWindow = nullptr;
};
