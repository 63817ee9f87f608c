#pragma once

#include <Qt>

// The day every calendar popup of the program starts its weeks on. Until
// something sets it, it is the system locale's first day of the week.
Qt::DayOfWeek firstDayOfWeek();
void setFirstDayOfWeek(Qt::DayOfWeek day);
