#include "support/dialogtesting.h"

#include <QAbstractSpinBox>
#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

QPushButton* okButton(QDialog* dialog)
{
    auto* buttons = dialog->findChild<QDialogButtonBox*>();
    return buttons ? buttons->button(QDialogButtonBox::Ok) : nullptr;
}

void typeInto(QWidget* field, const QString& text)
{
    field->setFocus(Qt::TabFocusReason);
    if (auto* edit = qobject_cast<QLineEdit*>(field))
        edit->selectAll();
    else if (auto* spinBox = qobject_cast<QAbstractSpinBox*>(field))
        spinBox->selectAll();
    QTest::keyClicks(field, text);
}

void typeIntoCombo(QComboBox* combo, const QString& text)
{
    combo->lineEdit()->selectAll();
    QTest::keyClicks(combo->lineEdit(), text);
}

void chooseByTyping(QComboBox* combo, const QString& start)
{
    combo->setFocus(Qt::TabFocusReason);
    QTest::keyClicks(combo, start);
}

void toggleByKeyboard(QWidget* checkBox)
{
    checkBox->setFocus(Qt::TabFocusReason);
    QTest::keyClick(checkBox, Qt::Key_Space);
}

void showAndWait(QDialog* dialog)
{
    dialog->show();
    if (!QTest::qWaitForWindowActive(dialog))
        qFatal("showAndWait: the dialog never became active");
}
