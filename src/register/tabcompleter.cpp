#include "register/tabcompleter.h"

#include "register/fieldnavigator.h"
#include "register/payeememoeditor.h"

#include <QAbstractItemDelegate>
#include <QAbstractItemView>
#include <QComboBox>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QLineEdit>

namespace {

QAbstractItemView* itemViewAround(QWidget* widget)
{
    for (QWidget* w = widget ? widget->parentWidget() : nullptr; w; w = w->parentWidget()) {
        if (auto* view = qobject_cast<QAbstractItemView*>(w))
            return view;
    }
    return nullptr;
}

// The editor the view opened: the ancestor of `widget` sitting right on the
// view's viewport.
QWidget* editorOf(QWidget* widget, QAbstractItemView* view)
{
    for (QWidget* w = widget; w; w = w->parentWidget()) {
        if (w->parentWidget() == view->viewport())
            return w;
    }
    return nullptr;
}

bool isControlCommand(const QKeyEvent* event)
{
    return event->modifiers().testFlag(Qt::ControlModifier) && event->key() != Qt::Key_Control;
}

} // namespace

TabCompleter::TabCompleter(QAbstractItemModel* model, QObject* parent)
    : QCompleter(model, parent)
{
    configure();
}

TabCompleter::TabCompleter(const QStringList& entries, QObject* parent)
    : QCompleter(entries, parent)
{
    configure();
}

void TabCompleter::configure()
{
    setCaseSensitivity(Qt::CaseInsensitive);
    setFilterMode(Qt::MatchContains);
    setCompletionMode(QCompleter::PopupCompletion);
}

bool TabCompleter::eventFilter(QObject* watched, QEvent* event)
{
    // While the list is open the keys reach the list first; a Tab sent to
    // the widget itself is treated the same. The event type is checked
    // first: asking for the list creates it, and that must not happen from
    // inside the events of its own creation.
    if (event->type() == QEvent::KeyPress && FieldNavigator::isTabKey(static_cast<QKeyEvent*>(event))) {
        const bool fromListOrWidget = watched == popup() || watched == widget();
        if (fromListOrWidget && popup()->isVisible()) {
            acceptHighlighted();
            popup()->hide();
            moveOn(FieldNavigator::isBackwardTab(static_cast<QKeyEvent*>(event)));
            return true;
        }
    }
    if (event->type() == QEvent::KeyPress && watched == popup() && popup()->isVisible()
        && isControlCommand(static_cast<QKeyEvent*>(event))) {
        // The list hands other keys straight to the widget, past the
        // register's own handling: Ctrl+Return would save the row as it was
        // before the typing. A command closes the list and takes the usual way.
        popup()->hide();
        QCoreApplication::sendEvent(widget(), event);
        return true;
    }
    return QCompleter::eventFilter(watched, event);
}

void TabCompleter::acceptHighlighted()
{
    QModelIndex highlighted = popup()->currentIndex();
    // A list of one suggestion needs no choosing: Tab takes it.
    if (!highlighted.isValid() && popup()->model()->rowCount() == 1)
        highlighted = popup()->model()->index(0, completionColumn());
    const QString text = highlighted.isValid() ? highlighted.data(Qt::DisplayRole).toString() : QString();
    if (text.isEmpty())
        return;
    if (auto* lineEdit = qobject_cast<QLineEdit*>(widget())) {
        lineEdit->setText(text);
    } else if (auto* comboBox = qobject_cast<QComboBox*>(widget())) {
        const int item = comboBox->findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive);
        if (item >= 0)
            comboBox->setCurrentIndex(item);
        comboBox->setEditText(text);
    }
    Q_EMIT activated(text);
}

void TabCompleter::moveOn(bool backward)
{
    if (PayeeMemoEditor* payeeMemoEditor = PayeeMemoEditor::around(widget())) {
        payeeMemoEditor->memoEdit()->setFocus(Qt::TabFocusReason);
        return;
    }
    QAbstractItemView* view = itemViewAround(widget());
    QWidget* editor = view ? editorOf(widget(), view) : nullptr;
    if (!editor)
        return;
    QAbstractItemDelegate* delegate = view->itemDelegateForIndex(view->currentIndex());
    Q_EMIT delegate->commitData(editor);
    Q_EMIT delegate->closeEditor(editor,
        backward ? QAbstractItemDelegate::EditPreviousItem : QAbstractItemDelegate::EditNextItem);
}
