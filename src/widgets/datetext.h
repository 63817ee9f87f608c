#pragma once

#include <QDate>
#include <QString>
#include <optional>

class QKeyEvent;

// How the register writes and reads dates, and the single-letter date keys
// shared by every date editor.

// "M/d/yyyy", the register's date form.
QString registerDateText(const QDate& date);

// Reads a typed date in "M/d/yyyy", "MM/dd/yyyy", "M/d/yy" or "MM/dd/yy"
// (first valid reading wins). Two-digit years 00-69 are 2000-2069 and 70-99
// are 1970-1999, so "3/5/24" is a date in 2024. "M/d" without a year takes
// `yearWhenMissing` when one is given. No reading, or an impossible date
// such as 2/30, gives nullopt.
std::optional<QDate> resolveTypedDate(const QString& text, int yearWhenMissing = 0);

// The date a date key moves `current` to ("t" today, "+"/"=" and "-" one day
// on or back, "m"/"h" first/last of the month, "y"/"r" first/last of the
// year, "w" the Sunday on or before, "k" the Saturday on or after). An
// invalid `current` counts as today. nullopt when the text is no date key.
std::optional<QDate> applyDateKey(const QString& keyText, const QDate& current);

// The date key a key press types, applied to `current`. nullopt when Ctrl,
// Alt or Meta is held (those presses are commands) or the key is no date key.
std::optional<QDate> applyDateKey(const QKeyEvent* event, const QDate& current);
