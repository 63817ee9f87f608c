#pragma once

// How a key travels through the register.
//
// 1. RegisterScreen watches key presses application-wide and sees every key
//    aimed at the grid or at an editor inside it first. Return and Enter end
//    there (next field, or Ctrl: save the row), as do the apostrophe (copy
//    from above) and the Ctrl commands. A Tab typed with Shift held inside
//    an editor is turned into a step back there, because the editor's own
//    filter would take it for a forward Tab.
// 2. While a completion list is open the list gets the key: TabCompleter
//    takes the highlighted entry on Tab and moves on as in 3 or 4.
// 3. In a one-field editor the delegate's editor filter turns Tab and
//    Backtab into closeEditor with EditNextItem or EditPreviousItem;
//    RegisterTableView::closeEditor closes it and asks moveOnAfterClose.
// 4. In the two-line payee/memo editor Tab climbs the focus chain
//    (focusNextPrevChild) to the grid, and moveFocus goes from payee to memo,
//    or memo to payee, before leaving the cell.
// 5. On the grid itself, with no editor open, RegisterTableView::event hands
//    Tab to stepOnGrid: one cell over, its editor opened.
// Every move ends in this class.

#include <QObject>
#include <QPointer>

class QKeyEvent;
class RegisterDelegate;
class RegisterModel;
class RegisterTableView;

// Moves the keyboard between the fields of the register row being typed:
// Tab and Shift+Tab within the row, Enter on to the next field and, past the
// last one, out of the row.
class FieldNavigator : public QObject
{
    Q_OBJECT

public:
    FieldNavigator(RegisterTableView* view, RegisterModel* model, RegisterDelegate* delegate, QObject* parent = nullptr);

    static bool isTabKey(const QKeyEvent* event);
    // Backtab, or Tab with Shift held, as some keyboards send Shift+Tab.
    static bool isBackwardTab(const QKeyEvent* event);
    static bool isReturnKey(const QKeyEvent* event);

    // Tab: the next field of the row, its editor opened without restarting
    // the row's edit; after the balance the row starts over.
    void tabForward();
    // Shift+Tab: the previous field; into the payee/memo editor at its memo.
    void tabBackward();
    // Enter: the next field's editor; past the last field the row is done
    // and rowFinished is emitted.
    void advanceToNextField();
    void advanceToPreviousField();
    // A Tab that reached the grid through the focus chain: inside the
    // two-line editor it first goes between payee and memo.
    void moveFocus(bool next);
    // A Tab pressed on the grid itself steps one cell, as the arrow keys do,
    // and opens that cell's editor. False for any other key, and while the
    // payee/memo editor has the keyboard (it takes Tab through moveFocus).
    bool stepOnGrid(const QKeyEvent* event);
    // A Tab or Shift+Tab delivered straight to the grid's key handler.
    bool tabOnGrid(const QKeyEvent* event);
    // The editor of the cell (`row`, `column`) has just closed asking to
    // move on: the move happens once it is gone.
    void moveOnAfterClose(int row, int column, bool forward);

    // Writes the open editor's text into the row's buffer.
    void commitOpenEditor();
    // Closes the open editor without writing its text.
    void closeOpenEditor();
    void openEditorAt(int row, int column);
    // True while the keyboard focus is inside the two-line payee/memo editor.
    bool focusInPayeeMemoEditor() const;

Q_SIGNALS:
    // Enter was pressed in the row's last field.
    void rowFinished();

private:
    void moveQuietlyTo(int row, int column);
    void focusMemoIfPayeeMemoEditor();
    int nextVisibleColumn(int column) const;
    // The field after `column`; after the balance the row starts over.
    int fieldColumnAfter(int column) const;
    int previousVisibleColumn(int column) const;

    QPointer<RegisterTableView> m_view;
    RegisterModel* m_model;
    RegisterDelegate* m_delegate;
};
