#pragma once

#include <QDateTime>
#include <QString>

class LoginFailureRepository;

// Slows password guessing per account and per address: after a few free
// failures within a quarter of an hour, each further attempt must wait twice
// as long as the one before (2 s, 4 s, … up to the quarter hour) and is
// refused unchecked until then. Nothing sleeps: a refused attempt is answered
// at once, so a guesser cannot tie up the server.
class LoginThrottle
{
public:
    static constexpr int freeFailuresPerAccount = 3;
    static constexpr int freeFailuresPerAddress = 20;
    static constexpr qint64 windowSeconds = 15 * 60;

    explicit LoginThrottle(LoginFailureRepository &failures);

    // Seconds until the account or the address may try again; 0 when it may now.
    qint64 secondsToWait(const QString &email, const QString &address, const QDateTime &now);
    void recordFailure(const QString &email, const QString &address, const QDateTime &now);
    void recordSuccess(const QString &email);

private:
    qint64 secondsToWait(const QString &scope, const QString &subject, int freeFailures, const QDateTime &now);

    LoginFailureRepository &m_failures;
};
