#include "widgets/calendarpopup.h"

#include "widgets/datetext.h"
#include "widgets/firstdayofweek.h"
#include "widgets/glyphicon.h"
#include "storage/clock.h"

#include <QAction>
#include <QKeyEvent>
#include <QLineEdit>
#include <QLocale>

namespace {

constexpr char16_t calendarGlyph = 0xE935;
constexpr int calendarIconSize = 16;

} // namespace

CalendarPopup::CalendarPopup(QWidget* anchor, const QDate& date, const std::function<void(const QDate&)>& picked)
    : QCalendarWidget(anchor)
{
    // A popup window closes itself on an outside click; deleting on close
    // leaves nothing behind however it was dismissed.
    setWindowFlags(Qt::Popup);
    setAttribute(Qt::WA_DeleteOnClose);
    // Setting the locale resets the first day of the week, so it goes first.
    setLocale(QLocale::system());
    setFirstDayOfWeek(::firstDayOfWeek());
    setSelectedDate(date.isValid() ? date : Clock::today());
    setGridVisible(true);
    // Return picks the selected day as a click does, so the calendar works
    // without the mouse. A double-click reports both; the first one wins.
    const auto pick = [this, picked](const QDate& pickedDate) {
        if (m_picked)
            return;
        m_picked = true;
        if (picked)
            picked(pickedDate);
        close();
    };
    connect(this, &QCalendarWidget::clicked, this, pick);
    connect(this, &QCalendarWidget::activated, this, pick);
}

void CalendarPopup::open(QWidget* anchor, const QDate& date, const std::function<void(const QDate&)>& picked)
{
    auto* popup = new CalendarPopup(anchor, date, picked);
    popup->move(anchor->mapToGlobal(QPoint(0, anchor->height())));
    popup->show();
    popup->setFocus();
}

bool CalendarPopup::isOpenKey(const QKeyEvent* event)
{
    return event->key() == Qt::Key_F4 || (event->key() == Qt::Key_Down && event->modifiers().testFlag(Qt::AltModifier));
}

QAction* CalendarPopup::addOpenButton(QLineEdit* field)
{
    const QPixmap icon = GlyphIcon::pixmap(calendarGlyph, calendarIconSize, field->palette().color(QPalette::PlaceholderText));
    return field->addAction(QIcon(icon), QLineEdit::TrailingPosition);
}

bool CalendarPopup::handleFieldKey(QKeyEvent* event, const QDate& date, const std::function<void()>& openCalendar,
    const std::function<void(const QDate&)>& moveTo)
{
    if (isOpenKey(event)) {
        openCalendar();
    } else if (const std::optional<QDate> moved = applyDateKey(event, date)) {
        moveTo(*moved);
    } else {
        return false;
    }
    event->accept();
    return true;
}
