#include "modalanswer.h"

#include <QAbstractButton>
#include <QApplication>
#include <QPointer>
#include <QTimer>
#include <QtTest>

namespace {

void pressWhenReady(QMessageBox::StandardButton button, QString* shownText, QString* shownTitle, int attemptsLeft)
{
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (!box) {
        if (attemptsLeft > 0)
            QTimer::singleShot(10, [=] { pressWhenReady(button, shownText, shownTitle, attemptsLeft - 1); });
        return;
    }
    if (shownText)
        *shownText = box->text();
    if (shownTitle)
        *shownTitle = box->windowTitle();
    if (QAbstractButton* target = box->button(button))
        QTest::mouseClick(target, Qt::LeftButton);
    else
        box->done(button);
}

} // namespace

void ModalAnswer::pressWhenShown(QMessageBox::StandardButton button, QString* shownText, QString* shownTitle)
{
    QTimer::singleShot(0, [=] { pressWhenReady(button, shownText, shownTitle, 500); });
}
