#pragma once

#include <QMessageBox>
#include <QList>
#include <QString>
#include <QStringList>

// Answers the next modal dialog from the event loop, as a user would click
// it, so tests can drive code that asks questions.
class ModalAnswer
{
public:
    // Presses `button` of the next modal QMessageBox; its text is kept for
    // the test to check.
    static void pressWhenShown(QMessageBox::StandardButton button, QString* shownText = nullptr, QString* shownTitle = nullptr);
    // Clicks the button of the next modal QMessageBox that reads `buttonText`.
    static void pressWhenShown(const QString& buttonText, QString* shownText = nullptr, QString* shownTitle = nullptr);
    // Answers the next message boxes one after another, each with its entry
    // of `buttons`; NoButton presses Enter, which takes the box's default.
    // The boxes' texts are appended to `shownTexts`.
    static void pressInTurn(const QList<QMessageBox::StandardButton>& buttons, QStringList* shownTexts);
};
