#pragma once

#include "register/registerlineedit.h"

#include <QDate>

// The register's date cell editor: type "M/d/yyyy" (two-digit years work),
// press a date key (t, +, -, m, h, y, r, w, k), or open the calendar with F4,
// Alt+Down or the trailing calendar button.
class SmartDateEdit : public RegisterLineEdit
{
    Q_OBJECT

public:
    explicit SmartDateEdit(QWidget* parent = nullptr);

    QDate date() const { return m_date; }
    // Stores the date and shows it with all text selected.
    void setDate(const QDate& date);
    // The typed text when it reads as a date, else the stored date.
    QDate resolvedDate() const;
    // What the typed text says: the stored date when nothing is typed, none
    // when the text is no possible date. A date without a year takes the
    // stored date's year.
    std::optional<QDate> typedDate() const;

public Q_SLOTS:
    void openCalendarPopup();

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    QDate m_date;
};
