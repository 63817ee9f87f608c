#pragma once

#include <QString>
#include <QUrl>

namespace KestUpdate {

// Where the program looks for its releases, and which release it is.
struct UpdateConfig
{
    QString app;
    QString channel;
    // The folder of "latest.json" and of each version's release notes.
    QUrl manifestBaseUrl;
    QString currentVersion;
    // The feedback site, opened by Help › Send Feedback.
    QUrl feedbackUrl;
};

// The running program's configuration. CHECKBOOK_UPDATE_URL and
// CHECKBOOK_FEEDBACK_URL, when set, point it at another feed and feedback
// site (a household's own server, or a test's).
UpdateConfig updateConfig();

// The key of the running platform's build in a manifest: "windows-x64" or
// "linux-x64" on a 64-bit x86 processor, empty anywhere else.
QString platformKey();

// Whether a URL from the network may be opened or fetched: https anywhere,
// or http to this machine (a test or household server). Anything else (a
// file, a network share, a custom scheme) could start a program on a click.
bool isSafeToOpen(const QUrl& url);

// The URL's scheme, host and port, which two URLs share when they come
// from the same server.
bool sameOrigin(const QUrl& a, const QUrl& b);

} // namespace KestUpdate
