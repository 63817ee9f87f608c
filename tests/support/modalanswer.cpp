#include "modalanswer.h"

#include <QAbstractButton>
#include <QApplication>
#include <QPointer>
#include <QTimer>
#include <functional>
#include <QtTest>

namespace {

// Waits for the next modal message box, notes its texts and hands it to
// `answer`.
void answerWhenReady(const std::function<void(QMessageBox*)>& answer, QString* shownText, QString* shownTitle,
    int attemptsLeft)
{
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (!box) {
        if (attemptsLeft > 0)
            QTimer::singleShot(10, [=] { answerWhenReady(answer, shownText, shownTitle, attemptsLeft - 1); });
        return;
    }
    if (shownText)
        *shownText = box->text();
    if (shownTitle)
        *shownTitle = box->windowTitle();
    answer(box);
}

} // namespace

void ModalAnswer::pressWhenShown(QMessageBox::StandardButton button, QString* shownText, QString* shownTitle)
{
    const auto press = [button](QMessageBox* box) {
        if (QAbstractButton* target = box->button(button))
            QTest::mouseClick(target, Qt::LeftButton);
        else
            box->done(button);
    };
    QTimer::singleShot(0, [=] { answerWhenReady(press, shownText, shownTitle, 500); });
}

void ModalAnswer::pressWhenShown(const QString& buttonText, QString* shownText, QString* shownTitle)
{
    const auto press = [buttonText](QMessageBox* box) {
        for (QAbstractButton* button : box->buttons()) {
            if (button->text() == buttonText) {
                QTest::mouseClick(button, Qt::LeftButton);
                return;
            }
        }
        QFAIL(qPrintable(QStringLiteral("The box has no button \"%1\"").arg(buttonText)));
    };
    QTimer::singleShot(0, [=] { answerWhenReady(press, shownText, shownTitle, 500); });
}

void ModalAnswer::pressInTurn(const QList<QMessageBox::StandardButton>& buttons, QStringList* shownTexts)
{
    if (buttons.isEmpty())
        return;
    const auto press = [buttons, shownTexts](QMessageBox* box) {
        shownTexts->append(box->text());
        if (buttons.first() == QMessageBox::NoButton)
            QTest::keyClick(box, Qt::Key_Return);
        else if (QAbstractButton* target = box->button(buttons.first()))
            QTest::mouseClick(target, Qt::LeftButton);
        else
            QFAIL("The box has no such button");
        pressInTurn(buttons.mid(1), shownTexts);
    };
    QTimer::singleShot(0, [=] { answerWhenReady(press, nullptr, nullptr, 500); });
}
