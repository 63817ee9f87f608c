#include "identity/loginthrottle.h"

#include "storage/loginfailurerepository.h"
#include "storage/timestamps.h"

namespace {
const QString accountScope = QStringLiteral("account");
const QString addressScope = QStringLiteral("address");
} // namespace

LoginThrottle::LoginThrottle(LoginFailureRepository &failures)
    : m_failures(failures)
{
}

qint64 LoginThrottle::secondsToWait(const QString &email, const QString &address, const QDateTime &now)
{
    return std::max(secondsToWait(accountScope, email, freeFailuresPerAccount, now),
                    secondsToWait(addressScope, address, freeFailuresPerAddress, now));
}

qint64 LoginThrottle::secondsToWait(const QString &scope, const QString &subject, int freeFailures,
                                    const QDateTime &now)
{
    const QString windowStart = Timestamps::toText(now.addSecs(-windowSeconds));
    const LoginFailureRepository::Recent recent = m_failures.recentSince(scope, subject, windowStart);
    if (recent.count < freeFailures)
        return 0;
    const int doublings = std::min(recent.count - freeFailures + 1, 10);
    const qint64 backoff = std::min<qint64>(qint64(1) << doublings, windowSeconds);
    const QDateTime allowedFrom = Timestamps::fromText(recent.lastAt).addSecs(backoff);
    return std::max<qint64>(0, now.secsTo(allowedFrom));
}

void LoginThrottle::recordFailure(const QString &email, const QString &address, const QDateTime &now)
{
    const QString failedAt = Timestamps::toText(now);
    m_failures.record(accountScope, email, failedAt);
    m_failures.record(addressScope, address, failedAt);
    m_failures.pruneBefore(Timestamps::toText(now.addSecs(-windowSeconds)));
}

void LoginThrottle::recordSuccess(const QString &email)
{
    m_failures.clear(accountScope, email);
}
