#include "register/datefield.h"

#include "app/glyphicon.h"
#include "register/calendarpopup.h"
#include "register/datetext.h"
#include "storage/clock.h"

#include <QAction>
#include <QKeyEvent>

namespace {

constexpr char16_t calendarGlyph = 0xE935;
constexpr int calendarIconSize = 16;

bool isCalendarKey(const QKeyEvent* event)
{
    return event->key() == Qt::Key_F4 || (event->key() == Qt::Key_Down && event->modifiers().testFlag(Qt::AltModifier));
}

} // namespace

DateField::DateField(QWidget* parent)
    : QLineEdit(parent)
    , m_date(Clock::today())
{
    const QPixmap icon = GlyphIcon::pixmap(calendarGlyph, calendarIconSize, palette().color(QPalette::PlaceholderText));
    QAction* calendarAction = addAction(QIcon(icon), QLineEdit::TrailingPosition);
    calendarAction->setToolTip(tr("Open calendar (F4)"));
    connect(calendarAction, &QAction::triggered, this, &DateField::openCalendarPopup);
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
    if (isCalendarKey(event)) {
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
    const Qt::KeyboardModifiers commandModifiers = Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier;
    if (event->modifiers() & commandModifiers)
        return false;
    const std::optional<QDate> moved = applyDateKey(event->text(), resolvedDate());
    if (!moved)
        return false;
    setDate(*moved);
    showDateSelected();
    return true;
}
