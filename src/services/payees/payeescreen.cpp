#include "services/payees/payeescreen.h"

#include "app/appstate.h"
#include "bookkeeping/writeoutcome.h"
#include "storage/textlimits.h"
#include "storage/transactionrepository.h"
#include "widgets/palette.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

constexpr int titlePointSize = 16;

} // namespace

PayeeScreen::PayeeScreen(AppState* appState, QWidget* parent)
    : QWidget(parent)
    , m_appState(appState)
{
    buildLayout();
    // Payees typed in the register meanwhile appear while the window is open.
    connect(m_appState->transactions(), &TransactionRepository::transactionsChanged, this, [this] {
        if (isVisible())
            refresh();
    });
    refresh();
}

void PayeeScreen::refresh()
{
    reload(selectedPayees());
}

void PayeeScreen::onRename()
{
    const QStringList selected = selectedPayees();
    const QString target = m_renameField->text().trimmed();
    if (selected.isEmpty()) {
        showRefusal(tr("Select the payees to rename first."));
        return;
    }
    if (target.isEmpty()) {
        showRefusal(tr("Type the new name under \"Rename to:\" first."));
        return;
    }
    // Renaming to a payee that exists, or several to one name, merges them.
    QStringList becomingOne = selected;
    if (!becomingOne.contains(target) && !m_list->findItems(target, Qt::MatchExactly | Qt::MatchCaseSensitive).isEmpty())
        becomingOne.append(target);
    if (becomingOne.size() > 1 && !confirmMerge(becomingOne.size(), target))
        return;
    const std::optional<int> renamed = m_appState->transactions()->mergePayees(selected, target);
    if (!renamed) {
        reportFailure(tr("Rename Payees"), tr("The payees could not be renamed."));
        return;
    }
    QMessageBox::information(this, tr("Rename Complete"), tr("Renamed %n transaction(s).", nullptr, *renamed));
    showRewritten(target);
}

void PayeeScreen::onMerge()
{
    const QStringList selected = selectedPayees();
    if (selected.size() < 2) {
        QMessageBox::information(this, tr("Merge"), tr("Select 2 or more payees to merge."));
        return;
    }
    const QString typed = m_renameField->text().trimmed();
    const QString target = typed.isEmpty() ? selected.first() : typed;
    if (!confirmMerge(selected.size(), target))
        return;
    const std::optional<int> merged = m_appState->transactions()->mergePayees(selected, target);
    if (!merged) {
        reportFailure(tr("Merge Payees"), tr("The payees could not be merged."));
        return;
    }
    QMessageBox::information(this, tr("Merge Complete"), tr("Merged %n transaction(s).", nullptr, *merged));
    showRewritten(target);
}

void PayeeScreen::buildLayout()
{
    auto* layout = new QVBoxLayout(this);
    auto* title = new QLabel(tr("Payees"), this);
    QFont titleFont = title->font();
    titleFont.setPointSize(titlePointSize);
    titleFont.setBold(true);
    title->setFont(titleFont);
    layout->addWidget(title);

    m_list = new QListWidget(this);
    m_list->setObjectName(QStringLiteral("payeeList"));
    m_list->setSelectionMode(QAbstractItemView::ExtendedSelection);
    layout->addWidget(m_list, 1);

    m_renameField = new QLineEdit(this);
    m_renameField->setObjectName(QStringLiteral("renameField"));
    m_renameField->setMaxLength(maxNameLength);
    auto* form = new QFormLayout;
    form->addRow(tr("Rename to:"), m_renameField);
    layout->addLayout(form);

    m_refusal = new QLabel(this);
    m_refusal->setObjectName(QStringLiteral("refusalLabel"));
    m_refusal->setWordWrap(true);
    m_refusal->hide();
    layout->addWidget(m_refusal);

    auto* renameButton = new QPushButton(tr("Rename Selected"), this);
    renameButton->setObjectName(QStringLiteral("renameButton"));
    auto* mergeButton = new QPushButton(tr("Merge Selected"), this);
    mergeButton->setObjectName(QStringLiteral("mergeButton"));
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(renameButton);
    buttons->addWidget(mergeButton);
    layout->addLayout(buttons);

    connect(renameButton, &QPushButton::clicked, this, &PayeeScreen::onRename);
    connect(mergeButton, &QPushButton::clicked, this, &PayeeScreen::onMerge);
    connect(m_renameField, &QLineEdit::returnPressed, this, &PayeeScreen::onRename);
    connect(m_renameField, &QLineEdit::textEdited, m_refusal, &QLabel::hide);
    connect(m_list, &QListWidget::itemSelectionChanged, m_refusal, &QLabel::hide);
}

QStringList PayeeScreen::selectedPayees() const
{
    QStringList selected;
    for (int row = 0; row < m_list->count(); ++row) {
        if (m_list->item(row)->isSelected())
            selected.append(m_list->item(row)->text());
    }
    return selected;
}

bool PayeeScreen::confirmMerge(int payeeCount, const QString& target)
{
    return QMessageBox::question(this, tr("Merge Payees"), tr("Merge %1 payees into \"%2\"?").arg(QString::number(payeeCount), target),
               QMessageBox::Yes | QMessageBox::No, QMessageBox::No)
        == QMessageBox::Yes;
}

void PayeeScreen::showRefusal(const QString& text)
{
    // Coloured when shown, so it follows a theme changed meanwhile.
    m_refusal->setStyleSheet(Palette::textColorStyle(Palette::negative()));
    m_refusal->setText(text);
    m_refusal->show();
}

void PayeeScreen::reportFailure(const QString& title, const QString& what)
{
    QMessageBox::warning(this, title, QStringLiteral("%1\n\n%2").arg(what, storageFailure(m_appState->database()).message));
}

void PayeeScreen::showRewritten(const QString& target)
{
    m_refusal->hide();
    reload({target});
    Q_EMIT payeesChanged();
}

void PayeeScreen::reload(const QStringList& selected)
{
    // The list keeps its scroll position through the rebuild by itself.
    m_list->clear();
    m_list->addItems(m_appState->transactions()->payees());
    QListWidgetItem* current = nullptr;
    for (const QString& payee : selected) {
        const QList<QListWidgetItem*> found = m_list->findItems(payee, Qt::MatchExactly | Qt::MatchCaseSensitive);
        if (found.isEmpty())
            continue;
        if (!current) {
            current = found.first();
            m_list->setCurrentItem(current);
        }
        found.first()->setSelected(true);
    }
    if (current)
        m_list->scrollToItem(current, QAbstractItemView::EnsureVisible);
}
