#include "widgets/smartamountfield.h"

#include "storage/money.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QToolTip>
#include <cmath>

SmartAmountField::SmartAmountField(QWidget* parent)
    : QDoubleSpinBox(parent)
{
    setDecimals(2);
    setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    applyValidRange();
}

void SmartAmountField::setCurrency(Currency currency)
{
    // Keep the amount the user sees in major units across the change.
    const double shownValue = value();
    m_currency = currency;
    setDecimals(currencyDecimals(currency));
    setPrefix(currencySymbol(currency) + QStringLiteral(" "));
    applyValidRange();
    setValue(shownValue);
}

void SmartAmountField::setAllowsNegative(bool allowsNegative)
{
    m_allowsNegative = allowsNegative;
    applyValidRange();
}

void SmartAmountField::applyValidRange()
{
    const double largest = toMajorUnits(maxAmountMinorUnits, m_currency);
    setRange(m_allowsNegative ? -largest : 0.0, largest);
}

qint64 SmartAmountField::amountMinorUnits() const
{
    // The range keeps every value the field can hold valid.
    return fromMajorUnits(value(), m_currency).value_or(0);
}

void SmartAmountField::setAmountMinorUnits(qint64 minorUnits)
{
    setValue(toMajorUnits(minorUnits, m_currency));
}

QValidator::State SmartAmountField::validate(QString& text, int& position) const
{
    const QValidator::State state = QDoubleSpinBox::validate(text, position);
    // The spin box refuses the key without a word; the user learns why.
    if (state == QValidator::Invalid && isBeyondValidRange(text))
        showLimit();
    return state;
}

bool SmartAmountField::isBeyondValidRange(const QString& text) const
{
    QString number = text;
    if (number.startsWith(prefix()))
        number.remove(0, prefix().size());
    number.remove(locale().groupSeparator());
    bool ok = false;
    const double typed = locale().toDouble(number.trimmed(), &ok);
    return ok && std::abs(typed) > maximum();
}

void SmartAmountField::showLimit() const
{
    QToolTip::showText(mapToGlobal(QPoint(0, height())),
        tr("Amounts can be at most %1.").arg(formatCurrency(maxAmountMinorUnits, m_currency, AmountFormat::shown())));
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
