#pragma once

#include <QWidget>

class QRadioButton;

// The "Payment" / "Deposit" pair of a transaction form. Forms enter amounts as
// magnitudes; this choice gives them their sign, a payment being negative.
class PaymentDepositChoice : public QWidget
{
    Q_OBJECT

public:
    explicit PaymentDepositChoice(QWidget* parent = nullptr);

    bool isPayment() const;
    void setPayment(bool payment);

    // `magnitude` with the sign of the chosen type.
    qint64 signedAmount(qint64 magnitude) const;
    // Chooses the type a stored `amount` stands for: deposit for zero.
    void showAmountSign(qint64 amount);

private:
    QRadioButton* m_payment = nullptr;
    QRadioButton* m_deposit = nullptr;
};
