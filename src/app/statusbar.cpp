#include "app/statusbar.h"

#include "widgets/palette.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>

namespace {

const QString barStyleSheet = QStringLiteral("QStatusBar {  padding: 2px 4px;}QStatusBar::item { border: none; }");
const QString labelStyle = QStringLiteral("color: %1;");
const QString recurringDueStyle = QStringLiteral("color: %1; font-weight: bold;");

} // namespace

StatusBar::StatusBar(QWidget* parent)
    : QStatusBar(parent)
    , m_countsArea(new QWidget(this))
    , m_accountCountLabel(new QLabel(m_countsArea))
    , m_recurringDueLabel(new QLabel(m_countsArea))
    , m_progressLabel(new QLabel(this))
    , m_busyBar(new QProgressBar(this))
    , m_syncLabel(new QLabel(tr("Offline"), this))
{
    setStyleSheet(barStyleSheet);
    m_accountCountLabel->setObjectName(QStringLiteral("accountCountLabel"));
    m_recurringDueLabel->setObjectName(QStringLiteral("recurringDueLabel"));
    m_progressLabel->setObjectName(QStringLiteral("progressLabel"));
    m_busyBar->setObjectName(QStringLiteral("busyBar"));
    m_syncLabel->setObjectName(QStringLiteral("syncLabel"));

    m_recurringDueLabel->hide();
    m_progressLabel->hide();

    // A range of 0 to 0 makes the bar an endless busy animation.
    m_busyBar->setRange(0, 0);
    m_busyBar->setMaximumSize(100, 14);
    m_busyBar->setTextVisible(false);
    m_busyBar->hide();

    auto* counts = new QHBoxLayout(m_countsArea);
    counts->setContentsMargins(0, 0, 0, 0);
    counts->addWidget(m_accountCountLabel);
    counts->addWidget(m_recurringDueLabel);
    addWidget(m_countsArea);
    // QStatusBar hides its widgets for a message only while they are on
    // screen, and a label shown during the message would draw over it: the
    // area follows the message itself.
    connect(this, &QStatusBar::messageChanged, m_countsArea,
        [this](const QString& message) { m_countsArea->setVisible(message.isEmpty()); });
    addPermanentWidget(m_progressLabel);
    addPermanentWidget(m_busyBar);
    addPermanentWidget(m_syncLabel);
}

void StatusBar::setSyncText(const QString& text)
{
    m_syncLabel->setText(text);
}

void StatusBar::setAccountCount(int count)
{
    m_accountCountLabel->setText(tr("%n account(s)", nullptr, count));
}

void StatusBar::setRecurringDue(int count)
{
    if (count <= 0) {
        m_recurringDueLabel->hide();
        return;
    }
    m_recurringDueLabel->setText(tr("  •  %n recurring due", nullptr, count));
    styleRecurringLabel();
    m_recurringDueLabel->show();
}

void StatusBar::showProgress(const QString& text)
{
    m_progressLabel->setText(text);
    m_progressLabel->show();
    m_busyBar->show();
}

void StatusBar::hideProgress()
{
    m_progressLabel->hide();
    m_busyBar->hide();
}

void StatusBar::showMessage(const QString& text, int milliseconds)
{
    hideProgress();
    QStatusBar::showMessage(text, milliseconds);
}

void StatusBar::restyle()
{
    const QString style = labelStyle.arg(Palette::styleName(Palette::statusText()));
    m_accountCountLabel->setStyleSheet(style);
    m_progressLabel->setStyleSheet(style);
    m_syncLabel->setStyleSheet(style);
    styleRecurringLabel();
}

void StatusBar::styleRecurringLabel()
{
    m_recurringDueLabel->setStyleSheet(recurringDueStyle.arg(Palette::styleName(Palette::warning())));
}
