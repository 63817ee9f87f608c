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

bool DateField::holdsDate() const
{
    return resolveTypedDate(text()).has_value();
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
    const auto moveTo = [this](const QDate& date) {
        setDate(date);
        showDateSelected();
    };
    if (!CalendarPopup::handleFieldKey(event, resolvedDate(), [this] { openCalendarPopup(); }, moveTo))
        QLineEdit::keyPressEvent(event);
}

void DateField::focusOutEvent(QFocusEvent* event)
{
    if (holdsDate()) {
        setDate(resolvedDate());
        showDate();
    }
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

