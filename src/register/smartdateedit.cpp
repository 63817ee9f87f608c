#include "register/smartdateedit.h"

#include "widgets/calendarpopup.h"
#include "widgets/datetext.h"
#include "storage/clock.h"

#include <QAction>
#include <QKeyEvent>

SmartDateEdit::SmartDateEdit(QWidget* parent)
    : RegisterLineEdit(parent)
{
    QAction* calendarButton = CalendarPopup::addOpenButton(this);
    calendarButton->setToolTip(tr("Open calendar (F4)"));
    connect(calendarButton, &QAction::triggered, this, &SmartDateEdit::openCalendarPopup);
    setDate(Clock::today());
}

void SmartDateEdit::setDate(const QDate& date)
{
    m_date = date;
    setText(registerDateText(m_date));
    selectAll();
}

QDate SmartDateEdit::resolvedDate() const
{
    return typedDate().value_or(m_date);
}

std::optional<QDate> SmartDateEdit::typedDate() const
{
    if (text().trimmed().isEmpty())
        return m_date;
    return resolveTypedDate(text(), (m_date.isValid() ? m_date : Clock::today()).year());
}

void SmartDateEdit::openCalendarPopup()
{
    CalendarPopup::open(this, resolvedDate(), [this](const QDate& picked) {
        setDate(picked);
        setFocus(Qt::PopupFocusReason);
    });
}

void SmartDateEdit::keyPressEvent(QKeyEvent* event)
{
    const auto moveTo = [this](const QDate& date) { setDate(date); };
    if (!CalendarPopup::handleFieldKey(event, resolvedDate(), [this] { openCalendarPopup(); }, moveTo))
        RegisterLineEdit::keyPressEvent(event);
}
