#include "widgets/paymentdepositchoice.h"

#include <QButtonGroup>
#include <QHBoxLayout>
#include <QRadioButton>

PaymentDepositChoice::PaymentDepositChoice(QWidget* parent)
    : QWidget(parent)
    , m_payment(new QRadioButton(tr("Payment"), this))
    , m_deposit(new QRadioButton(tr("Deposit"), this))
{
    m_payment->setObjectName(QStringLiteral("paymentRadio"));
    m_deposit->setObjectName(QStringLiteral("depositRadio"));
    auto* group = new QButtonGroup(this);
    group->addButton(m_payment);
    group->addButton(m_deposit);

    // No margins, so the radios line up with the form's other fields.
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    row->addWidget(m_payment);
    row->addWidget(m_deposit);
    row->addStretch();
}

bool PaymentDepositChoice::isPayment() const
{
    return m_payment->isChecked();
}

void PaymentDepositChoice::setPayment(bool payment)
{
    (payment ? m_payment : m_deposit)->setChecked(true);
}

qint64 PaymentDepositChoice::signedAmount(qint64 magnitude) const
{
    return isPayment() ? -magnitude : magnitude;
}

void PaymentDepositChoice::showAmountSign(qint64 amount)
{
    setPayment(amount < 0);
}
