#include "register/payeememoeditor.h"

#include "register/registerlineedit.h"
#include "storage/textlimits.h"

#include <QVBoxLayout>
#include <algorithm>

PayeeMemoEditor::PayeeMemoEditor(QWidget* parent)
    : QWidget(parent)
    , m_payeeEdit(new RegisterLineEdit(this))
    , m_memoEdit(new RegisterLineEdit(this))
{
    // Tests find the editor and its fields by these names.
    setObjectName(QStringLiteral("PayeeMemoEditor"));
    m_payeeEdit->setObjectName(QStringLiteral("payeeEdit"));
    m_payeeEdit->setMaxLength(maxNameLength);
    m_memoEdit->setObjectName(QStringLiteral("memoEdit"));
    m_memoEdit->setMaxLength(maxMemoLength);
    m_memoEdit->setFont(memoFont(m_memoEdit->font()));
    m_memoEdit->setPlaceholderText(tr("Memo"));

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(m_payeeEdit);
    layout->addWidget(m_memoEdit);
    setFocusProxy(m_payeeEdit);
}

PayeeMemoEditor* PayeeMemoEditor::around(QWidget* widget)
{
    for (QWidget* w = widget; w; w = w->parentWidget()) {
        if (auto* editor = qobject_cast<PayeeMemoEditor*>(w))
            return editor;
    }
    return nullptr;
}

QFont PayeeMemoEditor::memoFont(const QFont& base)
{
    QFont font = base;
    font.setItalic(true);
    font.setPointSize(std::max(base.pointSize() - 1, 7));
    return font;
}
