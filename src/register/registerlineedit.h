#pragma once

#include <QLineEdit>

// The register's text cell editor. While its completer's list is open,
// Return or Enter takes the highlighted entry instead of moving the register
// on to the next field.
class RegisterLineEdit : public QLineEdit
{
    Q_OBJECT

public:
    explicit RegisterLineEdit(QWidget* parent = nullptr);

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    bool takeCompletion();
};
