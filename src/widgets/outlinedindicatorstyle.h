#pragma once

#include <QProxyStyle>

// The platform's style with check box and radio button indicators drawn
// inside an outline that stands out from the field behind them in both
// themes; the stock outline is a shade of the window colour and all but
// vanishes on a dark palette.
class OutlinedIndicatorStyle : public QProxyStyle
{
    Q_OBJECT

public:
    using QProxyStyle::QProxyStyle;

    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
        const QWidget* widget = nullptr) const override;
};
