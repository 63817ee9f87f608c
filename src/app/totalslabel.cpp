#include "app/totalslabel.h"

#include <QFontMetrics>
#include <QStringList>

namespace {

const QString separator = QStringLiteral(" · ");

} // namespace

TotalsLabel::TotalsLabel(QWidget* parent)
    : QLabel(parent)
{
    setTextFormat(Qt::PlainText);
}

void TotalsLabel::setTotals(const QString& line)
{
    m_line = line;
    wrapToWidth();
}

void TotalsLabel::resizeEvent(QResizeEvent* event)
{
    QLabel::resizeEvent(event);
    wrapToWidth();
}

void TotalsLabel::wrapToWidth()
{
    const QFontMetrics metrics(font());
    const int width = contentsRect().width() - 2 * margin();
    QStringList lines;
    QString line;
    for (const QString& total : m_line.split(separator)) {
        const QString longer = line.isEmpty() ? total : line + separator + total;
        if (!line.isEmpty() && metrics.horizontalAdvance(longer) > width) {
            lines.append(line + separator.chopped(1));
            line = total;
        } else {
            line = longer;
        }
    }
    lines.append(line);
    const QString wrapped = lines.join(QLatin1Char('\n'));
    if (wrapped != text())
        setText(wrapped);
}
