#include "widgets/settingscard.h"

#include "widgets/palette.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

SettingsCard::SettingsCard(const QString& title, const QString& description, QWidget* parent)
    : QFrame(parent)
    , m_body(new QVBoxLayout)
{
    setFrameShape(QFrame::StyledPanel);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(16, 12, 16, 14);
    layout->setSpacing(6);
    auto* titleLabel = new QLabel(title);
    titleLabel->setFont(Palette::adjustedFont(1, QFont::DemiBold));
    layout->addWidget(titleLabel);
    auto* descriptionLabel = new QLabel(description);
    descriptionLabel->setWordWrap(true);
    descriptionLabel->setStyleSheet(Palette::textColorStyle(Palette::muted()));
    layout->addWidget(descriptionLabel);
    m_body->setSpacing(8);
    layout->addSpacing(4);
    layout->addLayout(m_body);
}

QLabel* SettingsCard::hintLabel(const QString& text)
{
    auto* label = new QLabel(text);
    label->setWordWrap(true);
    label->setFont(Palette::smallFont());
    label->setStyleSheet(Palette::textColorStyle(Palette::muted()));
    return label;
}

QWidget* SettingsCard::buttonColumn(const QList<QPushButton*>& buttons)
{
    auto* column = new QWidget;
    auto* layout = new QVBoxLayout(column);
    layout->setContentsMargins(0, 0, 0, 0);
    for (QPushButton* button : buttons)
        layout->addWidget(button, 0, Qt::AlignLeft);
    return column;
}
