#pragma once

#include "update/updateconfig.h"

#include <QObject>
#include <QUrl>

class QNetworkAccessManager;
class QNetworkReply;

namespace KestUpdate {

// Downloads one version's release notes (Markdown), in the interface
// language when the feed has them so, else in English.
class ReleaseNotesFetcher : public QObject
{
    Q_OBJECT

public:
    // The notes of the running version, beside the feed's manifest.
    explicit ReleaseNotesFetcher(const UpdateConfig& config, QObject* parent = nullptr);
    // The notes at `englishUrl`, as a manifest names them; `label` names the
    // asker in the User-Agent. Only https, or the feed's own server
    // (`feedUrl`), is asked: anywhere else the notes are unavailable.
    ReleaseNotesFetcher(const QUrl& englishUrl, const QString& label, const QUrl& feedUrl, QObject* parent = nullptr);

    void fetch();

    // "release-notes.md" becomes "release-notes.de.md" for German; none for
    // English or when the file is not a ".md".
    static QUrl localizedUrl(const QUrl& englishUrl, const QString& language);
    static QUrl englishUrlFor(const UpdateConfig& config);

Q_SIGNALS:
    void notesReady(const QString& markdown);
    void notesUnavailable();

private:
    void get(const QUrl& url, bool isLocalized);
    void onReply(QNetworkReply* reply, bool isLocalized);

    QUrl m_englishUrl;
    QString m_agent;
    bool m_allowed = true;
    QNetworkAccessManager* m_network;
};

} // namespace KestUpdate
