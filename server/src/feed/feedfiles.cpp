#include "feed/feedfiles.h"

#include "http/httprequest.h"
#include "http/router.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

bool isPlainName(const QString &segment)
{
    return !segment.isEmpty() && !segment.startsWith(QLatin1Char('.')) && !segment.contains(QLatin1Char('/'))
           && !segment.contains(QLatin1Char('\\')) && !segment.contains(QChar(0));
}

QByteArray contentTypeOf(const QString &fileName)
{
    if (fileName.endsWith(QLatin1String(".json")))
        return QByteArrayLiteral("application/json");
    if (fileName.endsWith(QLatin1String(".md")))
        return QByteArrayLiteral("text/markdown; charset=utf-8");
    if (fileName.endsWith(QLatin1String(".txt")) || fileName.endsWith(QLatin1String(".sha256")))
        return QByteArrayLiteral("text/plain; charset=utf-8");
    // Anything else downloads; nothing from the feed runs as a page of this site.
    return QByteArrayLiteral("application/octet-stream");
}

} // namespace

FeedFiles::FeedFiles(const QString &feedDir)
    : m_root(feedDir.isEmpty() ? QString() : QFileInfo(feedDir).canonicalFilePath())
{
}

void FeedFiles::addRoutes(Router &router)
{
    router.add(QStringLiteral("GET"), QStringLiteral("/downloads/{*path}"), Router::Access::Public,
               [this](const HttpRequest &request) { return serve(request); });
}

QString FeedFiles::fileFor(const QStringList &segments) const
{
    if (m_root.isEmpty() || !std::all_of(segments.cbegin(), segments.cend(), isPlainName))
        return {};
    const QFileInfo file(m_root + QLatin1Char('/') + segments.join(QLatin1Char('/')));
    const QString canonical = file.canonicalFilePath();
    // A symbolic link inside the folder must not lead out of it.
    if (!file.isFile() || !canonical.startsWith(m_root + QLatin1Char('/')))
        return {};
    return canonical;
}

HttpReply FeedFiles::serve(const HttpRequest &request) const
{
    const QString path = fileFor(request.pathSegments.mid(1));
    QFile file(path);
    if (path.isEmpty() || file.size() > maxFileBytes || !file.open(QIODevice::ReadOnly))
        return HttpReply::error(404, QStringLiteral("Not found"));
    HttpReply reply;
    reply.contentType = contentTypeOf(path);
    reply.body = file.readAll();
    reply.withHeader(QByteArrayLiteral("Content-Security-Policy"), QByteArrayLiteral("sandbox; default-src 'none'"));
    return reply;
}
