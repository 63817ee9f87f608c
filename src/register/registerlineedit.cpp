#include "register/registerlineedit.h"

#include <QAbstractItemView>
#include <QCompleter>
#include <QKeyEvent>

RegisterLineEdit::RegisterLineEdit(QWidget* parent)
    : QLineEdit(parent)
{
}

void RegisterLineEdit::keyPressEvent(QKeyEvent* event)
{
    const bool returnKey = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (returnKey && takeCompletion()) {
        event->accept();
        return;
    }
    QLineEdit::keyPressEvent(event);
}

bool RegisterLineEdit::takeCompletion()
{
    QCompleter* popupCompleter = completer();
    if (!popupCompleter || !popupCompleter->popup() || !popupCompleter->popup()->isVisible())
        return false;
    const QModelIndex highlighted = popupCompleter->popup()->currentIndex();
    if (highlighted.isValid())
        setText(highlighted.data(Qt::DisplayRole).toString());
    popupCompleter->popup()->hide();
    return true;
}
