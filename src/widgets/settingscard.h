#pragma once

#include <QFrame>

class QLabel;
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

private:
    QVBoxLayout* m_body;
};
