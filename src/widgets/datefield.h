#pragma once

#include <QDate>
#include <QLineEdit>

// A date entry for dialogs and screens: type "M/d/yyyy" (two-digit years
// work), press a date key (t, +, -, m, h, y, r, w, k), or open the calendar
// with F4, Alt+Down or the trailing calendar button.
class DateField : public QLineEdit
{
    Q_OBJECT

public:
    explicit DateField(QWidget* parent = nullptr);

    // The stored date: today at creation, then whatever was last accepted.
    QDate date() const { return m_date; }
    // The date the field reads right now: its text when that is a date,
    // else the stored date. Forms read this, so a date typed without
    // leaving the field still counts.
    QDate resolvedDate() const;
    // Whether the text reads as a date. Text that doesn't stays as typed
    // when the field is left, for the form to refuse.
    bool holdsDate() const;
    // Stores, redraws and signals only when `date` differs.
    void setDate(const QDate& date);

public Q_SLOTS:
    void openCalendarPopup();

Q_SIGNALS:
    void dateChanged(const QDate& date);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    void showDate();
    void showDateSelected();

    QDate m_date;
};
