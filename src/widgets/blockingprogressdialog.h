#pragma once

#include <QEvent>
#include <QProgressDialog>

// The progress of long work that runs on the GUI thread (an import, a
// backup, a restore), with a Cancel button. It shows only when the work
// takes longer than half a second.
//
// While it exists, the user's clicks and keys everywhere but in this dialog
// are held back: the work lets the event loop run so the dialog paints and
// its Cancel works, and an edit typed meanwhile would go into the work's
// database transaction and be rolled back with it.
class BlockingProgressDialog : public QProgressDialog
{
    Q_OBJECT

public:
    BlockingProgressDialog(const QString& labelText, QWidget* parent);
    ~BlockingProgressDialog() override;

public Q_SLOTS:
    // `done` of `total` steps; a total of 0 shows a busy bar.
    void setProgress(qint64 done, qint64 total);

protected:
    bool eventFilter(QObject* receiver, QEvent* event) override;

private:
    static bool isUserInput(QEvent::Type type);
};
