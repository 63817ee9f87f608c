#include "widgets/elidedlabel.h"

#include "storage/textlimits.h"

#include <QPainter>

ElidedLabel::ElidedLabel(QWidget* parent)
    : ElidedLabel(QString(), parent)
{
}

ElidedLabel::ElidedLabel(const QString& text, QWidget* parent)
    : QLabel(text, parent)
{
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
}

QSize ElidedLabel::sizeHint() const
{
    return {fontMetrics().horizontalAdvance(shownText(text())), fontMetrics().height()};
}

QSize ElidedLabel::minimumSizeHint() const
{
    return {0, fontMetrics().height()};
}

// The label keeps the full text; only the painting is shortened, so a wider
// label shows more again. Measuring is done on the shown part only: a stored
// text may be a megabyte long.
void ElidedLabel::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const QString shown = fontMetrics().elidedText(shownText(text()), Qt::ElideRight, width());
    painter.drawText(rect(), static_cast<int>(alignment()), shown);
}

void ElidedLabel::resizeEvent(QResizeEvent* event)
{
    QLabel::resizeEvent(event);
    update();
}
