#include "widgets/blockingprogressdialog.h"

#include <QCoreApplication>
#include <QEvent>
#include <QWindow>
#include <algorithm>
#include <limits>

namespace {

constexpr int showDelayMilliseconds = 500;

int clampedToInt(qint64 value)
{
    return int(std::clamp<qint64>(value, 0, std::numeric_limits<int>::max()));
}

} // namespace

BlockingProgressDialog::BlockingProgressDialog(const QString& labelText, QWidget* parent)
    : QProgressDialog(labelText, tr("Cancel"), 0, 0, parent)
{
    setWindowModality(Qt::ApplicationModal);
    setMinimumDuration(showDelayMilliseconds);
    setAutoClose(false);
    setAutoReset(false);
    QCoreApplication::instance()->installEventFilter(this);
}

BlockingProgressDialog::~BlockingProgressDialog()
{
    QCoreApplication::instance()->removeEventFilter(this);
}

void BlockingProgressDialog::setProgress(qint64 done, qint64 total)
{
    if (maximum() != clampedToInt(total))
        setMaximum(clampedToInt(total));
    setValue(clampedToInt(qMin(done, total)));
}

bool BlockingProgressDialog::eventFilter(QObject* receiver, QEvent* event)
{
    if (!isUserInput(event->type()))
        return false;
    // Input reaches a window first and then the widget under it.
    if (const auto* window = qobject_cast<const QWindow*>(receiver))
        return window != windowHandle();
    if (const auto* widget = qobject_cast<const QWidget*>(receiver))
        return widget->window() != this;
    return false;
}

bool BlockingProgressDialog::isUserInput(QEvent::Type type)
{
    switch (type) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::Wheel:
    case QEvent::Shortcut:
    case QEvent::ShortcutOverride:
    case QEvent::Close:
        return true;
    default:
        return false;
    }
}
