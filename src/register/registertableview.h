#pragma once

#include <QPointer>
#include <QTableView>

class FieldNavigator;

// The register's grid. Tab and Shift+Tab move cell by cell within the row
// being typed (never onto Balance) and open the next cell's editor, so a
// row can be typed without leaving the keyboard; the navigator makes the
// moves (see fieldnavigator.h for the way a key travels).
class RegisterTableView : public QTableView
{
    Q_OBJECT

public:
    // Without a navigator the view behaves as a plain table.
    explicit RegisterTableView(QWidget* parent = nullptr);
    void setNavigator(FieldNavigator* navigator);

    // The editor open on the current cell, or nullptr.
    QWidget* openEditor() const;
    // Closes `editor` without writing its text and without moving on.
    void closeEditorQuietly(QWidget* editor);
    bool isEditing() const { return state() == QAbstractItemView::EditingState; }
    // Moves the current cell one to the right or left, as the arrow keys do.
    void stepCursor(bool forward);

    bool focusNextPrevChild(bool next) override;
    // Payee, Category and Memo share the width the fixed columns leave;
    // below a readable width each keeps that width and the grid scrolls
    // sideways instead.
    void fitTextColumns();

protected:
    void resizeEvent(QResizeEvent* event) override;
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    QModelIndex moveCursor(CursorAction cursorAction, Qt::KeyboardModifiers modifiers) override;
    void closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint) override;

private:
    QPointer<FieldNavigator> m_navigator;
};
