#pragma once

#include <QCoreApplication>
#include <QString>

// The texts that say what the program is, shared by the About box and the
// settings' About page.
class AboutText
{
    Q_DECLARE_TR_FUNCTIONS(AboutText)

public:
    // "Version %1" with the running program's version.
    static QString version();
    static QString description();
    // The notice that the program uses Qt under the LGPL, as rich text with
    // a link to Qt's source code in the palette's link colour.
    static QString qtNoticeHtml();
};
