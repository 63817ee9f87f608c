#include "update/updateconfig.h"

#include <QCoreApplication>
#include <QHostAddress>
#include <QSysInfo>

namespace KestUpdate {

namespace {

QUrl urlFromEnvironment(const char* name, const QString& fallback)
{
    const QString value = qEnvironmentVariable(name);
    return QUrl(value.isEmpty() ? fallback : value);
}

bool isLoopbackHost(const QString& host)
{
    if (host.compare(QStringLiteral("localhost"), Qt::CaseInsensitive) == 0)
        return true;
    const QHostAddress address(host);
    return !address.isNull() && address.isLoopback();
}

} // namespace

UpdateConfig updateConfig()
{
    return {QStringLiteral("checkbook"), QStringLiteral("stable"),
        urlFromEnvironment("CHECKBOOK_UPDATE_URL", QStringLiteral("https://downloads.kestrelwood.app/checkbook/stable/")),
        QCoreApplication::applicationVersion(),
        urlFromEnvironment("CHECKBOOK_FEEDBACK_URL", QStringLiteral("https://feedback.kestrelwood.app/"))};
}

QString platformKey()
{
    if (QSysInfo::currentCpuArchitecture() != QLatin1String("x86_64"))
        return QString();
#if defined(Q_OS_WIN)
    return QStringLiteral("windows-x64");
#elif defined(Q_OS_LINUX)
    return QStringLiteral("linux-x64");
#else
    return QString();
#endif
}

bool isSafeToOpen(const QUrl& url)
{
    if (!url.isValid() || url.host().isEmpty())
        return false;
    const QString scheme = url.scheme().toLower();
    return scheme == QLatin1String("https") || (scheme == QLatin1String("http") && isLoopbackHost(url.host()));
}

bool sameOrigin(const QUrl& a, const QUrl& b)
{
    return a.scheme().compare(b.scheme(), Qt::CaseInsensitive) == 0
        && a.host().compare(b.host(), Qt::CaseInsensitive) == 0 && a.port() == b.port();
}

} // namespace KestUpdate
