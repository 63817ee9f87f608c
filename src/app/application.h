#pragma once

#include <QApplication>

class AppState;
class MainWindow;
class QTranslator;

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
    // event loop's exit code, or 1 when the database cannot be initialised.
    int run();

private:
    void loadTranslations();
    void showDatabaseError();

    AppState* m_appState = nullptr;
    MainWindow* m_mainWindow = nullptr;
    QTranslator* m_qtTranslator = nullptr;
    QTranslator* m_appTranslator = nullptr;
};
