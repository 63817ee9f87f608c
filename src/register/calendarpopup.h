#pragma once

#include <QCalendarWidget>
#include <QDate>
#include <functional>

// The month calendar that date fields drop down below themselves. It lives
// in its own popup window, hands the clicked date to its owner and deletes
// itself when it closes.
class CalendarPopup : public QCalendarWidget
{
    Q_OBJECT

public:
    // Opens a calendar under `anchor` showing `date` (today when invalid);
    // clicking a day, or Return on the selected one, calls `picked` with it
    // and closes the calendar.
    static void open(QWidget* anchor, const QDate& date, const std::function<void(const QDate&)>& picked);

private:
    CalendarPopup(QWidget* anchor, const QDate& date, const std::function<void(const QDate&)>& picked);

    bool m_picked = false;
};
