#include "support/dialogtesting.h"

#include <QAbstractSpinBox>
#include <QDialog>
#include <QLineEdit>
#include <QtTest>

void typeInto(QWidget* field, const QString& text)
{
    field->setFocus(Qt::TabFocusReason);
    if (auto* edit = qobject_cast<QLineEdit*>(field))
        edit->selectAll();
    else if (auto* spinBox = qobject_cast<QAbstractSpinBox*>(field))
        spinBox->selectAll();
    QTest::keyClicks(field, text);
}

void showAndWait(QDialog* dialog)
{
    dialog->show();
    QVERIFY(QTest::qWaitForWindowActive(dialog));
}
