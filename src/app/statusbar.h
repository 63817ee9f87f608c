#pragma once

#include <QStatusBar>
#include <QString>

class QLabel;
class QProgressBar;

// The main window's status bar: the number of accounts and of recurring
// transactions due on the left; the text and busy bar of a running update
// operation and the sync state on the right; timed messages over the left
// side. It only presents what the main window feeds it.
class StatusBar : public QStatusBar
{
    Q_OBJECT

public:
    explicit StatusBar(QWidget* parent = nullptr);

public Q_SLOTS:
    void setSyncText(const QString& text);
    void setAccountCount(int count);
    // Hidden while nothing is due.
    void setRecurringDue(int count);
    void showProgress(const QString& text);
    void hideProgress();
    // Ends any progress display, then shows `text` for `milliseconds`.
    // Call it through a StatusBar pointer: QStatusBar's own showMessage
    // leaves the progress display up.
    void showMessage(const QString& text, int milliseconds);
    // Recolours the labels for the palette now installed; the main window
    // calls it at start and whenever the theme changes.
    void restyle();

private:
    void styleRecurringLabel();

    // The account count and the recurring due count, which a timed message
    // covers; each label keeps its own visibility underneath.
    QWidget* m_countsArea;
    QLabel* m_accountCountLabel;
    QLabel* m_recurringDueLabel;
    QLabel* m_progressLabel;
    QProgressBar* m_busyBar;
    QLabel* m_syncLabel;
};
