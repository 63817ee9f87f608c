#include "register/registercombobox.h"

#include <QAbstractItemView>
#include <QCompleter>
#include <QKeyEvent>
#include <QLineEdit>

namespace {

const char* const categoryIdProperty = "_kestCategoryId";

} // namespace

RegisterComboBox::RegisterComboBox(QWidget* parent)
    : QComboBox(parent)
{
    setProperty(categoryIdProperty, QString());
    connect(this, &QComboBox::currentIndexChanged, this,
        [this] { setProperty(categoryIdProperty, currentData().toString()); });
}

QString RegisterComboBox::typedCategoryId() const
{
    const int item = findText(currentText(), Qt::MatchExactly | Qt::MatchCaseSensitive);
    return item < 0 ? QString() : itemData(item).toString();
}

void RegisterComboBox::showCategoryText(const QString& text)
{
    const int item = findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive);
    if (item >= 0)
        setCurrentIndex(item);
    // The current item may already be the one named while its text was typed
    // over; the edit text is set either way.
    setEditText(text);
    // Whatever is typed next replaces the shown category, as in every
    // other cell, instead of being added to its end.
    if (lineEdit())
        lineEdit()->selectAll();
}

void RegisterComboBox::keyPressEvent(QKeyEvent* event)
{
    const bool upOrDown = event->key() == Qt::Key_Up || event->key() == Qt::Key_Down;
    const bool listShowing = view()->isVisible() || (completer() && completer()->popup()->isVisible());
    if (upOrDown && !event->modifiers().testFlag(Qt::AltModifier) && !listShowing) {
        event->ignore();
        return;
    }
    QComboBox::keyPressEvent(event);
}
