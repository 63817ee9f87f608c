#pragma once

#include "storage/enums.h"

#include <QDoubleSpinBox>

// An amount entry in a currency: the decimal key jumps to the cents, and the
// value is read and written in the currency's minor units, so no caller
// converts between cents and the spin box's doubles itself. The range is
// the valid amounts of the currency; a key that would go beyond it is
// refused with a tool tip that tells the limit.
class SmartAmountField : public QDoubleSpinBox
{
    Q_OBJECT

public:
    explicit SmartAmountField(QWidget* parent = nullptr);

    // Shows amounts of `currency`: its symbol as prefix and its decimals
    // (none for JPY).
    void setCurrency(Currency currency);
    // Off by default: amounts from zero up, given a sign elsewhere.
    void setAllowsNegative(bool allowsNegative);

    qint64 amountMinorUnits() const;
    void setAmountMinorUnits(qint64 minorUnits);

    QValidator::State validate(QString& text, int& position) const override;

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void applyValidRange();
    bool isBeyondValidRange(const QString& text) const;
    void showLimit() const;
    QString decimalPoint() const;
    bool isDecimalKey(const QString& typed) const;
    static bool isDigitKey(const QString& typed);
    void overwriteNextCentsDigit(qsizetype centsStart);

    Currency m_currency = Currency::USD;
    bool m_allowsNegative = false;
};
