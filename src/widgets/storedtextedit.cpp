#include "widgets/storedtextedit.h"

#include <QLineEdit>
#include <algorithm>

void showStoredText(QLineEdit* edit, const QString& text, int limit)
{
    edit->setMaxLength(std::max(limit, static_cast<int>(text.size())));
    edit->setText(text);
}
