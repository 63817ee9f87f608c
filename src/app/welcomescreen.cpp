#include "app/welcomescreen.h"

#include "widgets/palette.h"

#include <QApplication>
#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

const QString logoPath = QStringLiteral(":/icons/icons/app_icon.png");
const QString featureIconStyle = QStringLiteral("background: %1; color: %2; border-radius: 8px;");
const QString colorStyle = QStringLiteral("color: %1;");
const QString signInButtonStyle = QStringLiteral("QPushButton {  color: %1;  border: none;  background: transparent;  padding: 4px 8px;}"
                                                 "QPushButton:hover {  text-decoration: underline;}");
const QString secondaryButtonStyle = QStringLiteral("QPushButton {  background-color: transparent;  color: %1;  border: 1px solid %1;"
                                                    "  border-radius: 4px;  padding: 6px 16px;  font-weight: 600;  min-width: 80px;}"
                                                    "QPushButton:hover {  background-color: %2;}"
                                                    "QPushButton:pressed {  background-color: %3;}");

constexpr int columnMaximumWidth = 720;
constexpr int logoSize = 64;
constexpr int featureIconBoxSize = 40;
constexpr int featureGlyphPixelSize = 22;

constexpr char16_t syncGlyph = 0xE627;
constexpr char16_t familyGlyph = 0xE7EF;
constexpr char16_t lockGlyph = 0xE897;

QFont fontEnlargedBy(int points)
{
    QFont font = QApplication::font();
    font.setPointSizeF(font.pointSizeF() + points);
    return font;
}

// Small print: two points below the application font, but never below 7.
QFont smallFont()
{
    QFont font = QApplication::font();
    font.setPointSizeF(qMax(font.pointSizeF() - 2, 7.0));
    return font;
}

QString colorText(const QColor& color)
{
    return colorStyle.arg(Palette::styleName(color));
}

QString secondaryButtonStyleSheet()
{
    return secondaryButtonStyle.arg(Palette::styleName(Palette::outlineButton()),
        Palette::styleName(Palette::outlineButtonHover()), Palette::styleName(Palette::outlineButtonPressed()));
}

QLabel* centredLabel(const QString& text, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setAlignment(Qt::AlignCenter);
    return label;
}

} // namespace

WelcomeScreen::WelcomeScreen(AppState* appState, QWidget* parent)
    : QWidget(parent)
    , m_appState(appState)
{
    // The column takes the width it is offered up to its maximum; the
    // stretches on both sides keep it centred.
    auto* outer = new QHBoxLayout(this);
    outer->addStretch(1);
    outer->addWidget(buildColumn(), 4, Qt::AlignVCenter);
    outer->addStretch(1);

    applyThemeColors();
    setSignedIn(false);
}

void WelcomeScreen::setSignedIn(bool signedIn)
{
    disconnect(m_signInAction);
    if (signedIn) {
        m_signInButton->setText(tr("Sign Out"));
        m_signInAction = connect(m_signInButton, &QPushButton::clicked, this, &WelcomeScreen::signOutRequested);
    } else {
        m_signInButton->setText(tr("Already have an account? Sign In"));
        m_signInAction = connect(m_signInButton, &QPushButton::clicked, this, &WelcomeScreen::signInRequested);
    }
}

void WelcomeScreen::changeEvent(QEvent* event)
{
    // Only a switch between light and dark needs new colours; re-applying
    // style sheets on every palette event would feed further palette events.
    if (event->type() == QEvent::PaletteChange && Palette::isDark() != m_darkColorsApplied)
        applyThemeColors();
    QWidget::changeEvent(event);
}

QWidget* WelcomeScreen::buildColumn()
{
    auto* column = new QWidget(this);
    column->setMaximumWidth(columnMaximumWidth);
    column->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
    auto* layout = new QVBoxLayout(column);
    layout->setSpacing(12);

    addHeader(layout);
    layout->addSpacing(16);
    layout->addWidget(buildFeatureRow(syncGlyph, tr("Multi-Device Sync"),
                                      tr("Keep your checkbook in sync between your phone, tablet, and computer.")));
    layout->addWidget(buildFeatureRow(familyGlyph, tr("Family Sharing"),
                                      tr("Share accounts with family members. Everyone sees the same register in real time.")));
    layout->addWidget(buildFeatureRow(lockGlyph, tr("Secure & Private"),
                                      tr("Your data is encrypted in transit and at rest. We never sell your data or show ads.")));
    layout->addSpacing(16);
    addActions(layout);
    return column;
}

void WelcomeScreen::addHeader(QLayout* column)
{
    auto* logo = new QLabel(this);
    logo->setPixmap(QPixmap(logoPath).scaled(logoSize, logoSize, Qt::KeepAspectRatio, Qt::SmoothTransformation));
    logo->setAlignment(Qt::AlignCenter);
    column->addWidget(logo);

    auto* title = centredLabel(tr("Kestrelwood Checkbook"), this);
    title->setFont(fontEnlargedBy(8));
    column->addWidget(title);

    auto* tagline = centredLabel(tr("Your finances, everywhere."), this);
    m_mutedLabels.append(tagline);
    column->addWidget(tagline);
}

QWidget* WelcomeScreen::buildFeatureRow(char16_t glyph, const QString& title, const QString& description)
{
    auto* row = new QWidget(this);
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(12);

    auto* icon = new QLabel(QString(QChar(glyph)), row);
    icon->setFont(Palette::iconFont(featureGlyphPixelSize));
    icon->setFixedSize(featureIconBoxSize, featureIconBoxSize);
    icon->setAlignment(Qt::AlignCenter);
    icon->setStyleSheet(featureIconStyle.arg(Palette::styleName(Palette::badgeBackground()), Palette::styleName(Palette::badgeText())));
    layout->addWidget(icon, 0, Qt::AlignTop);

    auto* text = new QVBoxLayout;
    text->setSpacing(2);
    auto* titleLabel = new QLabel(title, row);
    QFont titleFont = QApplication::font();
    titleFont.setWeight(QFont::Medium);
    titleLabel->setFont(titleFont);
    text->addWidget(titleLabel);

    auto* descriptionLabel = new QLabel(description, row);
    descriptionLabel->setWordWrap(true);
    descriptionLabel->setFont(smallFont());
    m_mutedLabels.append(descriptionLabel);
    text->addWidget(descriptionLabel);
    layout->addLayout(text, 1);
    return row;
}

void WelcomeScreen::addActions(QLayout* column)
{
    m_signInButton = new QPushButton(this);
    m_signInButton->setObjectName(QStringLiteral("signInButton"));
    m_signInButton->setFlat(true);
    m_signInButton->setAutoDefault(true);
    m_signInButton->setCursor(Qt::PointingHandCursor);
    m_signInButton->setStyleSheet(signInButtonStyle.arg(Palette::styleName(Palette::link())));
    column->addWidget(m_signInButton);
    column->setAlignment(m_signInButton, Qt::AlignHCenter);

    auto* hint = centredLabel(tr("Opens in your web browser"), this);
    hint->setFont(smallFont());
    hint->setStyleSheet(colorText(Palette::muted()));
    column->addWidget(hint);

    m_continueButton = new QPushButton(tr("Continue Without an Account"), this);
    // Enter on the focused button presses it, as Space does.
    m_continueButton->setAutoDefault(true);
    m_continueButton->setObjectName(QStringLiteral("continueButton"));
    m_continueButton->setCursor(Qt::PointingHandCursor);
    connect(m_continueButton, &QPushButton::clicked, this, &WelcomeScreen::dismissRequested);
    column->addWidget(m_continueButton);
    column->setAlignment(m_continueButton, Qt::AlignHCenter);
}

void WelcomeScreen::applyThemeColors()
{
    m_darkColorsApplied = Palette::isDark();
    const QString muted = colorText(Palette::welcomeText());
    for (QLabel* label : std::as_const(m_mutedLabels))
        label->setStyleSheet(muted);
    m_continueButton->setStyleSheet(secondaryButtonStyleSheet());
}
