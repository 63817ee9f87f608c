#include "register/smartdateedit.h"

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

SmartDateEdit::SmartDateEdit(QWidget* parent)
    : RegisterLineEdit(parent)
{
    const QPixmap icon = GlyphIcon::pixmap(calendarGlyph, calendarIconSize, palette().color(QPalette::PlaceholderText));
    QAction* calendarAction = addAction(QIcon(icon), QLineEdit::TrailingPosition);
    calendarAction->setToolTip(tr("Open calendar (F4)"));
    connect(calendarAction, &QAction::triggered, this, &SmartDateEdit::openCalendarPopup);
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
    return resolveTypedDate(text()).value_or(m_date);
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
    if (isCalendarKey(event)) {
        openCalendarPopup();
        event->accept();
        return;
    }
    if (applyDateKeyFrom(event)) {
        event->accept();
        return;
    }
    RegisterLineEdit::keyPressEvent(event);
}

// A date key works from the date on screen, so "w" right after typing
// 3/15/2024 moves from that date, not from the one the cell opened with.
bool SmartDateEdit::applyDateKeyFrom(const QKeyEvent* event)
{
    const Qt::KeyboardModifiers commandModifiers = Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier;
    if (event->modifiers() & commandModifiers)
        return false;
    const std::optional<QDate> moved = applyDateKey(event->text(), resolvedDate());
    if (!moved)
        return false;
    setDate(*moved);
    return true;
}
