#include "app/application.h"

#include "app/appstate.h"
#include "app/language.h"
#include "app/mainwindow.h"
#include "storage/database.h"

#include <QDir>
#include <QFontDatabase>
#include <QIcon>
#include <QLibraryInfo>
#include <QLocale>
#include <QMessageBox>
#include <QTranslator>
#include <cstdio>
#include <functional>

namespace {

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

// A translator owned by `application` and installed on it, or null when the
// catalogue does not load: its texts then simply stay in English.
QTranslator* installedCatalogue(QApplication* application, const std::function<bool(QTranslator&)>& load)
{
    auto* translator = new QTranslator(application);
    if (load(*translator) && QCoreApplication::installTranslator(translator))
        return translator;
    delete translator;
    return nullptr;
}

} // namespace

Application::Application(int& argc, char** argv)
    : QApplication(argc, argv)
{
    if (qEnvironmentVariableIsEmpty("CHECKBOOK_VERBOSE"))
        qInstallMessageHandler(quietMessageFilter);
    // These names place the QSettings store.
    setOrganizationName(QStringLiteral("Kestrelwood"));
    setOrganizationDomain(QStringLiteral("kestrelwood.app"));
    setApplicationName(QStringLiteral("Checkbook"));
    setApplicationVersion(QStringLiteral("1.0.7"));
    loadTranslations();
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
    m_appState = new AppState(this);
    if (!m_appState->initialize()) {
        showDatabaseError();
        return 1;
    }
    m_mainWindow = new MainWindow(m_appState);
    m_mainWindow->show();
    qInfo("Main window shown");
    return exec();
}

void Application::loadTranslations()
{
    const QString language = resolveLanguage(true);
    if (language != QLatin1String("en")) {
        m_qtTranslator = installedCatalogue(this, [&language](QTranslator& translator) {
            return translator.load(QLocale(language), QStringLiteral("qtbase"), QStringLiteral("_"),
                QLibraryInfo::path(QLibraryInfo::TranslationsPath));
        });
    }
    m_appTranslator = installedCatalogue(this, [&language](QTranslator& translator) {
        return translator.load(QStringLiteral(":/i18n/checkbook_%1.qm").arg(language));
    });
}

void Application::showDatabaseError()
{
    QMessageBox::critical(nullptr, tr("Database Error"),
        tr("Failed to initialize the database.\n\nData directory: %1\n\nPlease check file permissions and try again.")
            .arg(QDir::toNativeSeparators(Database::dataDirectory())));
}
