#include "app/application.h"

#include "app/appstate.h"
#include "app/buildinfo.h"
#include "app/language.h"
#include "app/mainwindow.h"
#include "app/privatesettings.h"
#include "app/singleinstanceguard.h"
#include "app/updatewatch.h"
#include "storage/database.h"
#include "widgets/outlinedindicatorstyle.h"

#include <QDir>
#include <QFontDatabase>
#include <QIcon>
#include <QMessageBox>
#include <QTimer>
#include <cstdio>

namespace {

// Long enough for the window to be up and the register read first.
constexpr int updateCheckDelayMilliseconds = 1500;

// Keeps a user's console free of the toolkit's chatter: only warnings and
// errors get through. CHECKBOOK_VERBOSE brings the full log back.
void quietMessageFilter(QtMsgType type, const QMessageLogContext&, const QString& message)
{
    switch (type) {
    case QtDebugMsg:
    case QtInfoMsg:
        return;
    case QtWarningMsg:
        std::fprintf(stderr, "WARN: %s\n", message.toLocal8Bit().constData());
        return;
    case QtCriticalMsg:
    case QtFatalMsg:
        std::fprintf(stderr, "%s\n", message.toLocal8Bit().constData());
        return;
    }
}

// Why the start failed: damage met while the state was read, or the reason
// the database refused its file.
OpenFailure startFailure(const Database* database)
{
    return database->isDamaged() ? OpenFailure::Damaged : database->openFailure();
}

} // namespace

Application::Application(int& argc, char** argv)
    : QApplication(argc, argv)
{
    if (qEnvironmentVariableIsEmpty("CHECKBOOK_VERBOSE"))
        qInstallMessageHandler(quietMessageFilter);
    nameProgram();
    // Lets a Wayland desktop match the window to the installed desktop entry
    // and its icon.
    setDesktopFileName(QStringLiteral(CHECKBOOK_APP_ID));
    installInterfaceLanguage(this);
    // The application owns the style it is given.
    setStyle(new OutlinedIndicatorStyle);
    setWindowIcon(QIcon(QStringLiteral(":/icons/icons/app_icon.png")));
    QFontDatabase::addApplicationFont(QStringLiteral(":/fonts/fonts/MaterialIcons-Regular.otf"));
}

Application::~Application()
{
    // The window uses the application state, which goes with the
    // application's children after this body.
    delete m_mainWindow;
}

int Application::run()
{
    SingleInstanceGuard guard(Database::dataDirectory());
    if (!guard.claim())
        return 0;
    connect(&guard, &SingleInstanceGuard::raiseRequested, this, &Application::raiseMainWindow);
    preparePrivateSettingsFile();
    m_appState = new AppState(this);
    // Damage met while the state was read counts as a failed start too.
    if (!m_appState->initialize() || m_appState->database()->isDamaged()) {
        showDatabaseError(startFailure(m_appState->database()));
        return 1;
    }
    // From here on, any query that meets a damaged file ends the session,
    // before anything more is written to it.
    connect(m_appState->database(), &Database::damageDetected, this, &Application::quitOnDamage, Qt::QueuedConnection);
    m_mainWindow = new MainWindow(m_appState);
    m_mainWindow->show();
    qInfo("Main window shown");
    // Reading the whole file for damage would hold the window back (0.1 s
    // to 0.2 s on a 150,000-row register), so it runs once the window is up.
    QTimer::singleShot(0, m_appState->database(), &Database::verifyIntegrity);
    auto* updates = new UpdateWatch(KestUpdate::updateConfig(), m_appState->preferences(), m_mainWindow, this);
    updates->showWhatsNewWhenUpgraded();
    updates->checkLater(updateCheckDelayMilliseconds);
    return exec();
}

void Application::nameProgram()
{
    setOrganizationName(QStringLiteral("Kestrelwood"));
    setOrganizationDomain(QStringLiteral("kestrelwood.app"));
    setApplicationName(QStringLiteral("Checkbook"));
    setApplicationVersion(QStringLiteral(CHECKBOOK_VERSION));
}

void Application::raiseMainWindow()
{
    if (!m_mainWindow)
        return;
    qInfo("Raising the main window for a second start");
    // A minimised window would stay out of sight however high it is raised.
    m_mainWindow->setWindowState((m_mainWindow->windowState() & ~Qt::WindowMinimized) | Qt::WindowActive);
    m_mainWindow->show();
    m_mainWindow->raise();
    m_mainWindow->activateWindow();
}

void Application::showDatabaseError(OpenFailure cause)
{
    QMessageBox::critical(nullptr, tr("Database Error"),
        tr("Failed to initialize the database.\n\nData directory: %1\n\n%2")
            .arg(QDir::toNativeSeparators(Database::dataDirectory()), causeText(cause)));
}

void Application::quitOnDamage()
{
    showDatabaseError(OpenFailure::Damaged);
    exit(1);
}

QString Application::causeText(OpenFailure cause)
{
    switch (cause) {
    case OpenFailure::Damaged:
        return tr("The data file is damaged. It was left as it is; nothing more was written to it.");
    case OpenFailure::NewerVersion:
        return tr("The data file was made by a newer version of Kestrelwood Checkbook. Please use that version to open it.");
    case OpenFailure::NotOurs:
        return tr("The data file was not made by Kestrelwood Checkbook. It was left as it is.");
    case OpenFailure::VersionMissing:
        return tr("The data file does not record which version of Kestrelwood Checkbook made it, so it cannot be "
                  "upgraded safely. It was left as it is.");
    case OpenFailure::OlderVersion:
        return tr("The data file was made by an older version of Kestrelwood Checkbook. Open the program once to "
                  "bring it up to date, then try again.");
    case OpenFailure::InUse:
        return tr("The data file is in use by another program. Please close that program and try again.");
    case OpenFailure::DiskFull:
        return tr("The disk is full. Please free some space and try again.");
    case OpenFailure::None:
    case OpenFailure::ReadOnly:
    case OpenFailure::Other:
        break;
    }
    return tr("Please check file permissions and try again.");
}
