#include "register/registertableview.h"

#include "register/fieldnavigator.h"
#include "register/registermodel.h"

#include <QApplication>
#include <QHeaderView>
#include <QKeyEvent>

namespace {

constexpr int minimumTextColumnWidth = 120;

bool isTextColumn(int column)
{
    return column == RegisterModel::PayeeColumn || column == RegisterModel::CategoryColumn
        || column == RegisterModel::MemoColumn;
}

} // namespace

RegisterTableView::RegisterTableView(QWidget* parent)
    : QTableView(parent)
{
}

void RegisterTableView::fitTextColumns()
{
    QHeaderView* header = horizontalHeader();
    QList<int> textColumns;
    int fixedWidth = 0;
    for (int column = 0; column < header->count(); ++column) {
        if (isColumnHidden(column))
            continue;
        if (isTextColumn(column))
            textColumns.append(column);
        else
            fixedWidth += header->sectionSize(column);
    }
    const bool roomy = viewport()->width() - fixedWidth >= textColumns.size() * minimumTextColumnWidth;
    for (const int column : textColumns) {
        header->setSectionResizeMode(column, roomy ? QHeaderView::Stretch : QHeaderView::Fixed);
        if (!roomy)
            header->resizeSection(column, minimumTextColumnWidth);
    }
}

void RegisterTableView::resizeEvent(QResizeEvent* event)
{
    QTableView::resizeEvent(event);
    fitTextColumns();
}

void RegisterTableView::setNavigator(FieldNavigator* navigator)
{
    m_navigator = navigator;
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

void RegisterTableView::stepCursor(bool forward)
{
    QKeyEvent arrow(QEvent::KeyPress, forward ? Qt::Key_Right : Qt::Key_Left, Qt::NoModifier);
    QTableView::keyPressEvent(&arrow);
}

bool RegisterTableView::focusNextPrevChild(bool next)
{
    if (!m_navigator)
        return QTableView::focusNextPrevChild(next);
    m_navigator->moveFocus(next);
    return true;
}

bool RegisterTableView::event(QEvent* event)
{
    if (m_navigator && event->type() == QEvent::KeyPress && m_navigator->stepOnGrid(static_cast<QKeyEvent*>(event)))
        return true;
    return QTableView::event(event);
}

void RegisterTableView::keyPressEvent(QKeyEvent* event)
{
    if (m_navigator && m_navigator->tabOnGrid(event))
        return;
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
    if (!movesOn || !m_navigator) {
        QTableView::closeEditor(editor, hint);
        return;
    }
    const int row = currentIndex().row();
    const int column = currentIndex().column();
    QTableView::closeEditor(editor, QAbstractItemDelegate::NoHint);
    m_navigator->moveOnAfterClose(row, column, hint == QAbstractItemDelegate::EditNextItem);
}
