#pragma once

#include <QLocale>
#include <QString>
#include <QStringList>

class QCoreApplication;

// The interface language is chosen per machine under the QSettings key
// "ui/language": "system" (the default) or one of supportedLanguages().

// The language codes with a compiled-in catalogue ":/i18n/checkbook_<code>.qm",
// in the order the settings screen offers them.
QStringList supportedLanguages();

// The stored choice. With `resolveSystem`, "system" becomes the system
// locale's language when it is supported, else "en"; every other stored
// value is returned as it is.
QString resolveLanguage(bool resolveSystem);

// The locale numbers and amounts follow in `language`: the system's own
// when it is of that language (Austrian German, Canadian French), else the
// language's main one.
QLocale interfaceLocale(const QString& language);

// Stores the choice; the catalogues are loaded at start-up, so it takes
// effect at the next start.
void setLanguage(const QString& code);

// Makes the chosen language the default locale and loads its catalogues
// (the program's and the toolkit's) into `application`, which owns them.
// A catalogue that does not load leaves its texts in English.
void installInterfaceLanguage(QCoreApplication* application);
