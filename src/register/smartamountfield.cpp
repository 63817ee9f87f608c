#include "register/smartamountfield.h"

#include "storage/money.h"

#include <QKeyEvent>
#include <QLineEdit>

SmartAmountField::SmartAmountField(QWidget* parent)
    : QDoubleSpinBox(parent)
{
    setDecimals(2);
    setAlignment(Qt::AlignRight | Qt::AlignVCenter);
}

void SmartAmountField::setCurrency(Currency currency)
{
    // Keep the amount the user sees in major units across the change.
    const double shownValue = value();
    m_currency = currency;
    setDecimals(currencyDecimals(currency));
    setPrefix(currencySymbol(currency) + QStringLiteral(" "));
    setValue(shownValue);
}

qint64 SmartAmountField::amountMinorUnits() const
{
    return fromMajorUnits(value(), m_currency);
}

void SmartAmountField::setAmountMinorUnits(qint64 minorUnits)
{
    setValue(toMajorUnits(minorUnits, m_currency));
}

void SmartAmountField::keyPressEvent(QKeyEvent* event)
{
    const QString point = decimalPoint();
    const qsizetype pointPosition = lineEdit()->text().indexOf(point);
    if (isDecimalKey(event->text()) && pointPosition >= 0) {
        lineEdit()->deselect();
        lineEdit()->setCursorPosition(static_cast<int>(pointPosition + point.size()));
        event->accept();
        return;
    }
    if (isDigitKey(event->text()) && pointPosition >= 0)
        overwriteNextCentsDigit(pointPosition + point.size());
    QDoubleSpinBox::keyPressEvent(event);
}

// After the jump the cents already hold their digits, and the spin box
// refuses a third decimal; a digit typed there replaces the next one
// instead, so "12", ".", "34" reads 12.34.
void SmartAmountField::overwriteNextCentsDigit(qsizetype centsStart)
{
    QLineEdit* edit = lineEdit();
    const int cursor = edit->cursorPosition();
    if (edit->hasSelectedText() || cursor < centsStart)
        return;
    const QString text = edit->text();
    const qsizetype centsEnd = text.size() - suffix().size();
    if (centsEnd - centsStart < decimals() || cursor >= centsEnd)
        return;
    edit->setSelection(cursor, 1);
}

QString SmartAmountField::decimalPoint() const
{
    const QString point = locale().decimalPoint();
    return point.isEmpty() ? QStringLiteral(".") : point;
}

bool SmartAmountField::isDigitKey(const QString& typed)
{
    return typed.size() == 1 && typed[0].isDigit();
}

bool SmartAmountField::isDecimalKey(const QString& typed) const
{
    return !typed.isEmpty() && (typed == decimalPoint() || typed == QLatin1String(".") || typed == QLatin1String(","));
}
