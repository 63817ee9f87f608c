#pragma once

#include <QFrame>
#include <QList>

class QLabel;
class QPushButton;
class QVBoxLayout;

// One group of settings on a settings page: a bold title, a grey line that
// says what the group is for, and the group's controls below.
class SettingsCard : public QFrame
{
    Q_OBJECT

public:
    SettingsCard(const QString& title, const QString& description, QWidget* parent = nullptr);

    // Where the card's controls go, below its description.
    QVBoxLayout* body() const { return m_body; }
    // A grey line of small print, as under a check box.
    static QLabel* hintLabel(const QString& text);
    // The buttons one under another at their own width: side by side, the
    // longer translations would not fit the window.
    static QWidget* buttonColumn(const QList<QPushButton*>& buttons);

private:
    QVBoxLayout* m_body;
};
