#pragma once

#include <QPointer>
#include <QTableView>

class RegisterScreen;

// The register's grid. Tab and Shift+Tab move cell by cell within the row
// being typed (never onto Balance) and open the next cell's editor, so a
// row can be typed without leaving the keyboard.
class RegisterTableView : public QTableView
{
    Q_OBJECT

public:
    // `screen` may be null; the view then behaves as a plain table.
    explicit RegisterTableView(RegisterScreen* screen, QWidget* parent = nullptr);

    // The editor open on the current cell, or nullptr.
    QWidget* openEditor() const;
    // Closes `editor` without writing its text and without moving on.
    void closeEditorQuietly(QWidget* editor);
    bool isEditing() const { return state() == QAbstractItemView::EditingState; }
    // True while the keyboard focus is inside the two-line payee/memo editor.
    bool focusInPayeeMemoEditor() const;

    bool focusNextPrevChild(bool next) override;

protected:
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    QModelIndex moveCursor(CursorAction cursorAction, Qt::KeyboardModifiers modifiers) override;
    void closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint) override;

private:
    QPointer<RegisterScreen> m_screen;
};
