#pragma once

#include <QDate>
#include <QDateTime>

// The one place that answers "what day is it" and "what time is it", so
// tests can pin the date instead of waiting for midnight.
class Clock
{
public:
    static QDateTime nowUtc();
    static QDate today();

    // Fixes the clock at `utcNow` until reset() (tests only).
    static void setFixedNow(const QDateTime& utcNow);
    static void reset();
};
