#pragma once

#include "storage/enums.h"

#include <QDoubleSpinBox>

// An amount entry in a currency: the decimal key jumps to the cents, and the
// value is read and written in the currency's minor units, so no caller
// converts between cents and the spin box's doubles itself.
class SmartAmountField : public QDoubleSpinBox
{
    Q_OBJECT

public:
    explicit SmartAmountField(QWidget* parent = nullptr);

    // Shows amounts of `currency`: its symbol as prefix and its decimals
    // (none for JPY).
    void setCurrency(Currency currency);

    qint64 amountMinorUnits() const;
    void setAmountMinorUnits(qint64 minorUnits);

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    QString decimalPoint() const;
    bool isDecimalKey(const QString& typed) const;
    static bool isDigitKey(const QString& typed);
    void overwriteNextCentsDigit(qsizetype centsStart);

    Currency m_currency = Currency::USD;
};
