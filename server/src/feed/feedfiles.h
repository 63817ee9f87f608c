#pragma once

#include "http/httpreply.h"

#include <QString>

class HttpRequest;
class Router;

// The update feed: the files of one folder served under "/downloads/", so
// that DIR/checkbook/stable/latest.json is "/downloads/checkbook/stable/latest.json".
// No request reaches a file outside that folder, by ".." or by a link.
class FeedFiles
{
public:
    static constexpr qint64 maxFileBytes = 64 * 1024 * 1024;

    // An empty folder name serves nothing.
    explicit FeedFiles(const QString &feedDir);

    void addRoutes(Router &router);

private:
    HttpReply serve(const HttpRequest &request) const;
    QString fileFor(const QStringList &segments) const;

    QString m_root;
};
