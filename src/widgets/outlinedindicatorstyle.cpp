#include "widgets/outlinedindicatorstyle.h"

#include "widgets/palette.h"

#include <QPainter>
#include <QStyleOption>

void OutlinedIndicatorStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
    const QWidget* widget) const
{
    QProxyStyle::drawPrimitive(element, option, painter, widget);
    const bool checkBox = element == PE_IndicatorCheckBox || element == PE_IndicatorItemViewItemCheck;
    if (!checkBox && element != PE_IndicatorRadioButton)
        return;
    // Keyboard focus keeps the style's own highlighted outline.
    if (option->state.testFlag(State_HasFocus) && option->state.testFlag(State_KeyboardFocusChange))
        return;
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing, !checkBox);
    painter->setBrush(Qt::NoBrush);
    painter->setPen(QPen(Palette::muted(), 1));
    const QRectF bounds = QRectF(option->rect).adjusted(0.5, 0.5, -0.5, -0.5);
    if (checkBox)
        painter->drawRect(bounds.adjusted(0, 0, -1, -1));
    else
        painter->drawEllipse(bounds.adjusted(1, 1, -1, -1));
    painter->restore();
}
