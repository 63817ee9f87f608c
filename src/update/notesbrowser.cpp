#include "update/notesbrowser.h"

#include "update/updateconfig.h"

#include <QDebug>
#include <QDesktopServices>

namespace KestUpdate {

NotesBrowser::NotesBrowser(QWidget* parent)
    : QTextBrowser(parent)
{
    // Links are checked before they open, never followed inside the widget.
    setOpenLinks(false);
    setOpenExternalLinks(false);
    connect(this, &QTextBrowser::anchorClicked, this, [](const QUrl& url) { openSafely(url); });
}

void NotesBrowser::setNotes(const QString& markdown)
{
    document()->setMarkdown(markdown, QTextDocument::MarkdownFeatures(QTextDocument::MarkdownDialectGitHub
                                                                      | QTextDocument::MarkdownNoHTML));
}

bool NotesBrowser::openSafely(const QUrl& url)
{
    if (!isSafeToOpen(url)) {
        qWarning() << "KestUpdate: download URL is empty or invalid";
        return false;
    }
    if (!QDesktopServices::openUrl(url)) {
        qWarning() << "KestUpdate: QDesktopServices::openUrl failed for:" << url.toString();
        return false;
    }
    return true;
}

} // namespace KestUpdate
