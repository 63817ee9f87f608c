#include "storage/clock.h"

namespace {
QDateTime fixedNow;
}

QDateTime Clock::nowUtc()
{
    if (fixedNow.isValid())
        return fixedNow;
    // Stored stamps are to the second; dropping milliseconds keeps a value
    // read back from the database equal to the one written.
    QDateTime now = QDateTime::currentDateTimeUtc();
    now.setTime(QTime(now.time().hour(), now.time().minute(), now.time().second()));
    return now;
}

QDate Clock::today()
{
    return fixedNow.isValid() ? fixedNow.toLocalTime().date() : QDate::currentDate();
}

void Clock::setFixedNow(const QDateTime& utcNow)
{
    fixedNow = utcNow.toUTC();
}

void Clock::reset()
{
    fixedNow = QDateTime();
}
