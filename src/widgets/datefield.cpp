#include "widgets/datefield.h"

#include "widgets/calendarpopup.h"
#include "widgets/datetext.h"
#include "storage/clock.h"

#include <QAction>
#include <QKeyEvent>

DateField::DateField(QWidget* parent)
    : QLineEdit(parent)
    , m_date(Clock::today())
{
    QAction* calendarButton = CalendarPopup::addOpenButton(this);
    calendarButton->setToolTip(tr("Open calendar (F4)"));
    connect(calendarButton, &QAction::triggered, this, &DateField::openCalendarPopup);
    showDateSelected();
}

QDate DateField::resolvedDate() const
{
    return resolveTypedDate(text()).value_or(m_date);
}

void DateField::setDate(const QDate& date)
{
    if (date == m_date)
        return;
    m_date = date;
    showDate();
    Q_EMIT dateChanged(m_date);
}

void DateField::openCalendarPopup()
{
    CalendarPopup::open(this, resolvedDate(), [this](const QDate& picked) {
        setDate(picked);
        showDateSelected();
        setFocus(Qt::PopupFocusReason);
    });
}

void DateField::keyPressEvent(QKeyEvent* event)
{
    if (CalendarPopup::isOpenKey(event)) {
        openCalendarPopup();
        event->accept();
        return;
    }
    if (applyDateKeyFrom(event)) {
        event->accept();
        return;
    }
    QLineEdit::keyPressEvent(event);
}

void DateField::focusOutEvent(QFocusEvent* event)
{
    setDate(resolvedDate());
    showDate();
    QLineEdit::focusOutEvent(event);
}

void DateField::showDate()
{
    setText(registerDateText(m_date));
}

void DateField::showDateSelected()
{
    showDate();
    selectAll();
}

// A date key works from the date on screen, so "w" right after typing
// 3/15/2024 moves from that date, not from the one stored before.
bool DateField::applyDateKeyFrom(const QKeyEvent* event)
{
    const std::optional<QDate> moved = applyDateKey(event, resolvedDate());
    if (!moved)
        return false;
    setDate(*moved);
    showDateSelected();
    return true;
}
