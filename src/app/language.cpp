#include "app/language.h"

#include <QLocale>
#include <QSettings>

namespace {

const QString languageKey = QStringLiteral("ui/language");
const QString systemLanguage = QStringLiteral("system");

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
