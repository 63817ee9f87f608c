#pragma once

// Drives a dialog's form from the keyboard, as a user fills it in.

class QDialog;
class QString;
class QWidget;

// Tabs into `field` and types over what it shows.
void typeInto(QWidget* field, const QString& text);

// Shows `dialog` and waits until it is the active window, so key presses
// reach it.
void showAndWait(QDialog* dialog);
