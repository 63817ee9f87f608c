#include "widgets/firstdayofweek.h"

#include <QLocale>
#include <optional>

namespace {

std::optional<Qt::DayOfWeek>& processFirstDay()
{
    static std::optional<Qt::DayOfWeek> day;
    return day;
}

} // namespace

Qt::DayOfWeek firstDayOfWeek()
{
    std::optional<Qt::DayOfWeek>& day = processFirstDay();
    if (!day)
        day = QLocale().firstDayOfWeek();
    return *day;
}

void setFirstDayOfWeek(Qt::DayOfWeek day)
{
    processFirstDay() = day;
}
