#include "register/fieldnavigator.h"

#include "register/payeememoeditor.h"
#include "register/registerdelegate.h"
#include "register/registermodel.h"
#include "register/registertableview.h"

#include <QApplication>
#include <QKeyEvent>
#include <QSignalBlocker>
#include <QTimer>

FieldNavigator::FieldNavigator(RegisterTableView* view, RegisterModel* model, RegisterDelegate* delegate, QObject* parent)
    : QObject(parent)
    , m_view(view)
    , m_model(model)
    , m_delegate(delegate)
{
}

bool FieldNavigator::isTabKey(const QKeyEvent* event)
{
    return event->key() == Qt::Key_Tab || event->key() == Qt::Key_Backtab;
}

bool FieldNavigator::isBackwardTab(const QKeyEvent* event)
{
    return event->key() == Qt::Key_Backtab || (event->key() == Qt::Key_Tab && event->modifiers().testFlag(Qt::ShiftModifier));
}

bool FieldNavigator::isReturnKey(const QKeyEvent* event)
{
    return event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
}

void FieldNavigator::tabForward()
{
    const QModelIndex current = m_view->currentIndex();
    if (!current.isValid())
        return;
    commitOpenEditor();
    const int column = fieldColumnAfter(current.column());
    if (column < 0)
        return;
    moveQuietlyTo(current.row(), column);
}

void FieldNavigator::tabBackward()
{
    const QModelIndex current = m_view->currentIndex();
    if (!current.isValid() || current.column() == RegisterModel::BalanceColumn)
        return;
    commitOpenEditor();
    const int column = previousVisibleColumn(current.column());
    if (column < 0)
        return;
    moveQuietlyTo(current.row(), column);
    if (column == RegisterModel::PayeeColumn)
        focusMemoIfPayeeMemoEditor();
}

void FieldNavigator::advanceToNextField()
{
    const QModelIndex current = m_view->currentIndex();
    if (!current.isValid())
        return;
    commitOpenEditor();
    const int column = fieldColumnAfter(current.column());
    if (column < 0) {
        Q_EMIT rowFinished();
        return;
    }
    openEditorAt(current.row(), column);
}

void FieldNavigator::advanceToPreviousField()
{
    const QModelIndex current = m_view->currentIndex();
    if (!current.isValid())
        return;
    commitOpenEditor();
    const int column = previousVisibleColumn(current.column());
    if (column < 0)
        return;
    openEditorAt(current.row(), column);
    if (column == RegisterModel::PayeeColumn)
        focusMemoIfPayeeMemoEditor();
}

void FieldNavigator::moveFocus(bool next)
{
    const QWidget* focus = QApplication::focusWidget();
    auto* editor = focusInPayeeMemoEditor() ? qobject_cast<PayeeMemoEditor*>(m_view->openEditor()) : nullptr;
    if (editor && next && focus == editor->payeeEdit()) {
        editor->memoEdit()->setFocus(Qt::TabFocusReason);
        return;
    }
    if (editor && !next && focus == editor->memoEdit()) {
        editor->payeeEdit()->setFocus(Qt::BacktabFocusReason);
        return;
    }
    next ? tabForward() : tabBackward();
}

bool FieldNavigator::stepOnGrid(const QKeyEvent* event)
{
    if (!isTabKey(event) || focusInPayeeMemoEditor())
        return false;
    m_view->stepCursor(!isBackwardTab(event));
    m_view->edit(m_view->currentIndex());
    return true;
}

bool FieldNavigator::tabOnGrid(const QKeyEvent* event)
{
    if (!isTabKey(event))
        return false;
    isBackwardTab(event) ? tabBackward() : tabForward();
    return true;
}

void FieldNavigator::moveOnAfterClose(int row, int column, bool forward)
{
    // The view as context: a move still pending when the grid goes is dropped.
    QTimer::singleShot(0, m_view, [this, row, column, forward] {
        if (!m_view->model())
            return;
        const QModelIndex cell = m_view->model()->index(row, column);
        if (!cell.isValid())
            return;
        if (m_view->currentIndex() != cell)
            m_view->setCurrentIndex(cell);
        forward ? tabForward() : tabBackward();
    });
}

void FieldNavigator::commitOpenEditor()
{
    QWidget* editor = m_view->openEditor();
    if (!editor)
        return;
    m_delegate->setModelData(editor, m_model, m_view->currentIndex());
    if (qobject_cast<PayeeMemoEditor*>(editor))
        m_view->closeEditorQuietly(editor);
}

void FieldNavigator::closeOpenEditor()
{
    m_view->closeEditorQuietly(m_view->openEditor());
}

void FieldNavigator::openEditorAt(int row, int column)
{
    const QModelIndex cell = m_model->index(row, column);
    m_view->setCurrentIndex(cell);
    m_view->scrollTo(cell);
    m_view->edit(cell);
}

bool FieldNavigator::focusInPayeeMemoEditor() const
{
    return PayeeMemoEditor::around(QApplication::focusWidget()) != nullptr;
}

void FieldNavigator::moveQuietlyTo(int row, int column)
{
    closeOpenEditor();
    const QModelIndex cell = m_model->index(row, column);
    {
        // Staying in the row must not restart its edit.
        const QSignalBlocker blocker(m_view->selectionModel());
        m_view->selectionModel()->setCurrentIndex(cell, QItemSelectionModel::ClearAndSelect);
    }
    m_view->viewport()->update();
    m_view->scrollTo(cell);
    if (m_model->flags(cell).testFlag(Qt::ItemIsEditable))
        m_view->edit(cell);
}

void FieldNavigator::focusMemoIfPayeeMemoEditor()
{
    if (auto* editor = qobject_cast<PayeeMemoEditor*>(m_view->openEditor()))
        editor->memoEdit()->setFocus(Qt::BacktabFocusReason);
}

int FieldNavigator::nextVisibleColumn(int column) const
{
    for (int next = column + 1; next <= RegisterModel::ClearedColumn; ++next) {
        if (!m_view->isColumnHidden(next))
            return next;
    }
    return -1;
}

int FieldNavigator::fieldColumnAfter(int column) const
{
    return column == RegisterModel::BalanceColumn ? nextVisibleColumn(-1) : nextVisibleColumn(column);
}

int FieldNavigator::previousVisibleColumn(int column) const
{
    for (int previous = column - 1; previous >= RegisterModel::DateColumn; --previous) {
        if (!m_view->isColumnHidden(previous))
            return previous;
    }
    return -1;
}
