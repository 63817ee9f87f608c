#pragma once

#include <QCalendarWidget>
#include <QDate>
#include <functional>

class QAction;
class QKeyEvent;
class QLineEdit;

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
    // F4 and Alt+Down, the keys that open the calendar from a date field.
    static bool isOpenKey(const QKeyEvent* event);
    // The keys every date field answers itself: F4 and Alt+Down call
    // `openCalendar`; a date key moves `date` and hands the result to
    // `moveTo` (a date key works from the date on screen, so "w" right after
    // typing 3/15/2024 moves from that date). True, with the event accepted,
    // when the key was one of them.
    static bool handleFieldKey(QKeyEvent* event, const QDate& date, const std::function<void()>& openCalendar,
        const std::function<void(const QDate&)>& moveTo);
    // The trailing calendar button of a date field. The field gives it its
    // tooltip, translated in its own context, and connects triggered() to its
    // own way of opening the calendar.
    static QAction* addOpenButton(QLineEdit* field);

private:
    CalendarPopup(QWidget* anchor, const QDate& date, const std::function<void(const QDate&)>& picked);

    bool m_picked = false;
};
