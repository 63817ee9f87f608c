#include "app/abouttext.h"

#include "widgets/palette.h"

QString AboutText::version()
{
    return tr("Version %1").arg(QCoreApplication::applicationVersion());
}

QString AboutText::description()
{
    return tr("A digital checkbook register for tracking household finances.");
}

QString AboutText::qtNoticeHtml()
{
    const QString link = QStringLiteral("<a style=\"color: %1;\" href=\"https://download.qt.io/official_releases/qt/\">"
                                        "download.qt.io</a>")
                             .arg(Palette::styleName(Palette::link()));
    return tr("This program uses the Qt framework under the GNU Lesser General Public License, "
              "version 3. The source code of Qt is available at %1.")
        .arg(link);
}
