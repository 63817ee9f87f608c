#pragma once

// Drives a dialog's form from the keyboard and mouse, as a user fills it in.

#include <QLatin1String>
#include <QObject>

class QComboBox;
class QDialog;
class QPushButton;
class QString;
class QWidget;

// The child widget named `name`, as a test points at it on screen.
template<typename Widget>
Widget* child(QObject* parent, const char* name)
{
    return parent->findChild<Widget*>(QLatin1String(name));
}

// The OK button of the dialog's button box.
QPushButton* okButton(QDialog* dialog);

// Tabs into `field` and types over what it shows.
void typeInto(QWidget* field, const QString& text);

// Types over the text of an editable combo box.
void typeIntoCombo(QComboBox* combo, const QString& text);

// Picks a combo box item by typing its first letters, as a keyboard user does.
void chooseByTyping(QComboBox* combo, const QString& start);

// Tabs into a check box and presses Space.
void toggleByKeyboard(QWidget* checkBox);

// Shows `dialog` and waits until it is the active window, so key presses
// reach it.
void showAndWait(QDialog* dialog);
