#pragma once

#include <QLabel>
#include <QString>

// Shows totals joined by " · " on as many lines as the width needs, breaking
// only between two totals: an amount is never split from its sign, symbol or
// currency code.
class TotalsLabel : public QLabel
{
    Q_OBJECT

public:
    explicit TotalsLabel(QWidget* parent = nullptr);

    // The totals on one line, as they read when there is room.
    void setTotals(const QString& line);
    QString totals() const { return m_line; }

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void wrapToWidth();

    QString m_line;
};
