#include "register/balancelabel.h"

BalanceLabel::BalanceLabel(QWidget* parent)
    : QLabel(parent)
{
}
