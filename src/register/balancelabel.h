#pragma once

#include <QLabel>

// The register header's balance. A type of its own so that style sheets and
// tests can find it.
class BalanceLabel : public QLabel
{
    Q_OBJECT

public:
    explicit BalanceLabel(QWidget* parent = nullptr);
};
