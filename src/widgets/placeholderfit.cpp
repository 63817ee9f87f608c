#include "widgets/placeholderfit.h"

#include <QLineEdit>
#include <QStyle>

namespace {

// The line edit's own space between its frame and the text, both sides.
constexpr int innerMargins = 2 * 2;

} // namespace

void fitPlaceholder(QLineEdit* edit)
{
    const int frame = edit->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, edit);
    const QMargins margins = edit->textMargins();
    const int textWidth = edit->fontMetrics().horizontalAdvance(edit->placeholderText());
    edit->setMinimumWidth(textWidth + 2 * frame + margins.left() + margins.right() + innerMargins);
}
