#include "app/language.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QSettings>
#include <QTranslator>

namespace {

const QString languageKey = QStringLiteral("ui/language");
const QString systemLanguage = QStringLiteral("system");

void installCatalogue(QCoreApplication* application, const QString& file, const QString& directory = QString())
{
    auto* translator = new QTranslator(application);
    if (!translator->load(file, directory) || !QCoreApplication::installTranslator(translator))
        delete translator;
}

} // namespace

QStringList supportedLanguages()
{
    return {QStringLiteral("en"), QStringLiteral("es"), QStringLiteral("de"), QStringLiteral("fr"), QStringLiteral("ja")};
}

QString resolveLanguage(bool resolveSystem)
{
    const QString stored = QSettings().value(languageKey, systemLanguage).toString();
    if (!resolveSystem || stored != systemLanguage)
        return stored;
    const QString localeLanguage = QLocale().name().left(2);
    return supportedLanguages().contains(localeLanguage) ? localeLanguage : QStringLiteral("en");
}

QLocale interfaceLocale(const QString& language)
{
    const QLocale system = QLocale::system();
    return system.name().section(QLatin1Char('_'), 0, 0) == language ? system : QLocale(language);
}

void setLanguage(const QString& code)
{
    QSettings().setValue(languageKey, code);
}

void installInterfaceLanguage(QCoreApplication* application)
{
    const QString language = resolveLanguage(true);
    // Amounts are read and shown with the marks of the interface language,
    // in the register, the dialogs and the exports alike.
    QLocale::setDefault(interfaceLocale(language));
    if (language != QLatin1String("en")) {
        installCatalogue(application, QStringLiteral("qtbase_%1").arg(language),
            QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    }
    installCatalogue(application, QStringLiteral(":/i18n/checkbook_%1.qm").arg(language));
}
