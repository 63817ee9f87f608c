#include "register/registertableview.h"

#include "register/payeememoeditor.h"
#include "register/registermodel.h"
#include "register/registerscreen.h"

#include <QApplication>
#include <QKeyEvent>
#include <QTimer>

namespace {

bool isForwardTab(const QKeyEvent* event)
{
    return event->key() == Qt::Key_Tab && !event->modifiers().testFlag(Qt::ShiftModifier);
}

bool isBackwardTab(const QKeyEvent* event)
{
    return event->key() == Qt::Key_Backtab || (event->key() == Qt::Key_Tab && event->modifiers().testFlag(Qt::ShiftModifier));
}

} // namespace

RegisterTableView::RegisterTableView(RegisterScreen* screen, QWidget* parent)
    : QTableView(parent)
    , m_screen(screen)
{
}

QWidget* RegisterTableView::openEditor() const
{
    const QModelIndex current = currentIndex();
    return current.isValid() ? indexWidget(current) : nullptr;
}

void RegisterTableView::closeEditorQuietly(QWidget* editor)
{
    if (!editor)
        return;
    // The editor goes first and the grid takes the keyboard after: the other
    // way round, the editor would write its text as it loses the focus.
    const QWidget* focus = QApplication::focusWidget();
    const bool focusInside = focus && (focus == editor || editor->isAncestorOf(focus));
    QTableView::closeEditor(editor, QAbstractItemDelegate::NoHint);
    if (focusInside)
        setFocus(Qt::OtherFocusReason);
}

bool RegisterTableView::focusInPayeeMemoEditor() const
{
    return PayeeMemoEditor::around(QApplication::focusWidget()) != nullptr;
}

bool RegisterTableView::focusNextPrevChild(bool next)
{
    if (!m_screen)
        return QTableView::focusNextPrevChild(next);
    if (focusInPayeeMemoEditor())
        return m_screen->focusNextPrevChild(next);
    if (next)
        m_screen->tabForward();
    else
        m_screen->tabBackward();
    return true;
}

bool RegisterTableView::event(QEvent* event)
{
    if (m_screen && event->type() == QEvent::KeyPress && !focusInPayeeMemoEditor()) {
        const auto* keyEvent = static_cast<QKeyEvent*>(event);
        const bool forward = isForwardTab(keyEvent);
        if (forward || isBackwardTab(keyEvent)) {
            QKeyEvent arrow(QEvent::KeyPress, forward ? Qt::Key_Right : Qt::Key_Left, Qt::NoModifier);
            keyPressEvent(&arrow);
            edit(currentIndex());
            return true;
        }
    }
    return QTableView::event(event);
}

void RegisterTableView::keyPressEvent(QKeyEvent* event)
{
    if (m_screen && isBackwardTab(event)) {
        m_screen->tabBackward();
        return;
    }
    if (m_screen && isForwardTab(event)) {
        m_screen->tabForward();
        return;
    }
    QTableView::keyPressEvent(event);
}

QModelIndex RegisterTableView::moveCursor(CursorAction cursorAction, Qt::KeyboardModifiers modifiers)
{
    const QModelIndex target = QTableView::moveCursor(cursorAction, modifiers);
    if (target.column() == RegisterModel::BalanceColumn)
        return target.siblingAtColumn(RegisterModel::ClearedColumn);
    return target;
}

void RegisterTableView::closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint)
{
    const bool movesOn = hint == QAbstractItemDelegate::EditNextItem || hint == QAbstractItemDelegate::EditPreviousItem;
    if (!movesOn || !m_screen) {
        QTableView::closeEditor(editor, hint);
        return;
    }
    // The move happens once the editor is gone, from the cell it was on.
    const int row = currentIndex().row();
    const int column = currentIndex().column();
    QTableView::closeEditor(editor, QAbstractItemDelegate::NoHint);
    const bool forward = hint == QAbstractItemDelegate::EditNextItem;
    QTimer::singleShot(0, this, [this, row, column, forward] {
        if (!m_screen || !model())
            return;
        const QModelIndex cell = model()->index(row, column);
        if (!cell.isValid())
            return;
        if (currentIndex() != cell)
            setCurrentIndex(cell);
        if (forward)
            m_screen->tabForward();
        else
            m_screen->tabBackward();
    });
}
