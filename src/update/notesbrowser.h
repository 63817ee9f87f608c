#pragma once

#include <QTextBrowser>

namespace KestUpdate {

// Shows release notes: Markdown from the network, so raw HTML in it is not
// rendered, and a clicked link opens in the system browser only when it is
// safe to open (isSafeToOpen).
class NotesBrowser : public QTextBrowser
{
    Q_OBJECT

public:
    explicit NotesBrowser(QWidget* parent = nullptr);

    void setNotes(const QString& markdown);

    // Opens `url` in the system browser when it is safe to open, else logs
    // it; true when a browser was asked to open it.
    static bool openSafely(const QUrl& url);
};

} // namespace KestUpdate
