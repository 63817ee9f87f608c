#include "services/recurring/recurringscreen.h"

#include "app/appstate.h"
#include "services/recurring/recurringformdialog.h"
#include "services/recurring/recurringmodel.h"
#include "storage/accountrepository.h"
#include "widgets/palette.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QShortcut>
#include <QTableView>
#include <QVBoxLayout>

namespace {

constexpr int titlePointSize = 16;

} // namespace

RecurringScreen::RecurringScreen(AppState* appState, QWidget* parent)
    : QWidget(parent)
    , m_appState(appState)
    , m_model(new RecurringModel(appState->accounts(), this))
{
    buildLayout();
    refresh();
}

void RecurringScreen::buildLayout()
{
    auto* layout = new QVBoxLayout(this);

    auto* title = new QLabel(tr("Recurring Transactions"), this);
    QFont titleFont = title->font();
    titleFont.setPointSize(titlePointSize);
    titleFont.setBold(true);
    title->setFont(titleFont);
    layout->addWidget(title);

    m_dueLabel = new QLabel(this);
    m_dueLabel->setObjectName(QStringLiteral("dueLabel"));
    QFont dueFont = m_dueLabel->font();
    dueFont.setBold(true);
    m_dueLabel->setFont(dueFont);
    m_dueLabel->setStyleSheet(Palette::textColorStyle(Palette::due()));
    layout->addWidget(m_dueLabel);

    auto* buttons = new QHBoxLayout;
    m_confirmAllButton = new QPushButton(tr("Confirm All Due"), this);
    m_confirmAllButton->setObjectName(QStringLiteral("confirmAllButton"));
    connect(m_confirmAllButton, &QPushButton::clicked, this, &RecurringScreen::confirmAllDue);
    auto* newButton = new QPushButton(tr("New Recurring"), this);
    newButton->setObjectName(QStringLiteral("newRecurringButton"));
    connect(newButton, &QPushButton::clicked, this, &RecurringScreen::showNewForm);
    buttons->addWidget(m_confirmAllButton);
    buttons->addWidget(newButton);
    buttons->addStretch();
    layout->addLayout(buttons);

    m_view = new QTableView(this);
    m_view->setObjectName(QStringLiteral("recurringTable"));
    m_view->setModel(m_model);
    m_view->setAlternatingRowColors(true);
    m_view->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_view->setSelectionMode(QAbstractItemView::SingleSelection);
    m_view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_view->setContextMenuPolicy(Qt::CustomContextMenu);
    m_view->verticalHeader()->hide();
    m_view->setWordWrap(false);
    // Every column as wide as its texts; the payee takes what is left.
    m_view->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    m_view->horizontalHeader()->setSectionResizeMode(RecurringModel::PayeeColumn, QHeaderView::Stretch);
    connect(m_view, &QWidget::customContextMenuRequested, this, &RecurringScreen::onContextMenu);
    connect(m_view, &QAbstractItemView::doubleClicked, this, &RecurringScreen::showEditForm);
    // The keyboard reaches what the mouse does: Enter edits, Delete deletes.
    const auto addKey = [this](const QKeySequence& key, void (RecurringScreen::*action)()) {
        auto* shortcut = new QShortcut(key, m_view);
        shortcut->setContext(Qt::WidgetShortcut);
        connect(shortcut, &QShortcut::activated, this, action);
    };
    addKey(QKeySequence(Qt::Key_Return), &RecurringScreen::showEditForm);
    addKey(QKeySequence(Qt::Key_Enter), &RecurringScreen::showEditForm);
    addKey(QKeySequence::Delete, &RecurringScreen::deleteSelected);
    layout->addWidget(m_view, 1);
}

void RecurringScreen::refresh()
{
    const QString selectedId = selectedRule() ? selectedRule()->id : QString();
    m_model->setRules(m_appState->recurringService()->allRecurring());
    for (int row = 0; row < m_model->rowCount(); ++row) {
        if (m_model->ruleAt(row)->id == selectedId)
            m_view->selectRow(row);
    }
    const int due = m_appState->recurringService()->pendingCount();
    m_dueLabel->setText(due < 1 ? QString() : tr("(%1 due)").arg(due));
    m_confirmAllButton->setEnabled(due > 0);
}

void RecurringScreen::changeEvent(QEvent* event)
{
    // A theme switched while the window is open recolours it at once.
    if (event->type() == QEvent::PaletteChange)
        m_dueLabel->setStyleSheet(Palette::textColorStyle(Palette::due()));
    QWidget::changeEvent(event);
}

QString RecurringScreen::problemList(const QList<RecurringProblem>& problems)
{
    QStringList lines;
    for (const RecurringProblem& problem : problems)
        lines.append(problem.payee.isEmpty() ? problem.message : tr("• %1: %2").arg(problem.payee, problem.message));
    return lines.join(QLatin1Char('\n'));
}

void RecurringScreen::onContextMenu(const QPoint& position)
{
    const QModelIndex index = m_view->indexAt(position);
    const RecurringTransaction* rule = m_model->ruleAt(index.row());
    if (!index.isValid() || !rule)
        return;
    m_view->selectRow(index.row());
    const bool due = RecurringService::isDue(*rule);
    QMenu menu(this);
    menu.addAction(tr("&Edit"), this, &RecurringScreen::showEditForm);
    menu.addAction(tr("&Confirm"), this, &RecurringScreen::confirmSelected)->setEnabled(due);
    menu.addAction(tr("&Skip"), this, &RecurringScreen::skipSelected)->setEnabled(due);
    menu.addSeparator();
    menu.addAction(tr("&Delete"), this, &RecurringScreen::deleteSelected);
    menu.exec(m_view->viewport()->mapToGlobal(position));
}

void RecurringScreen::showNewForm()
{
    RecurringFormDialog dialog(m_appState, this);
    runForm(dialog, [this](const RecurringTransaction& rule) { return m_appState->recurringService()->add(rule); });
}

void RecurringScreen::showEditForm()
{
    const RecurringTransaction* rule = selectedRule();
    if (!rule)
        return;
    RecurringFormDialog dialog(m_appState, RecurringFormDialog::Mode::Edit, *rule, this);
    runForm(dialog, [this](const RecurringTransaction& edited) { return m_appState->recurringService()->update(edited); });
}

void RecurringScreen::confirmSelected()
{
    const RecurringTransaction* rule = selectedRule();
    if (!rule)
        return;
    const RecurringTransaction confirmed = *rule;
    const WriteOutcome outcome = m_appState->recurringService()->confirm(confirmed);
    if (outcome.ok())
        Q_EMIT transactionsChanged();
    refresh();
    if (!outcome.ok())
        reportFailure(tr("Confirm"), tr("\"%1\" was not posted.").arg(confirmed.payee), outcome);
}

void RecurringScreen::skipSelected()
{
    const RecurringTransaction* rule = selectedRule();
    if (!rule)
        return;
    const RecurringTransaction skipped = *rule;
    const WriteOutcome outcome = m_appState->recurringService()->skip(skipped);
    refresh();
    if (!outcome.ok())
        reportFailure(tr("Skip"), tr("\"%1\" was not skipped.").arg(skipped.payee), outcome);
}

void RecurringScreen::deleteSelected()
{
    const RecurringTransaction* rule = selectedRule();
    if (!rule)
        return;
    const RecurringTransaction doomed = *rule;
    const QMessageBox::StandardButton answer = QMessageBox::question(this, tr("Delete"),
        tr("Delete recurring \"%1\"?").arg(doomed.payee), QMessageBox::Yes | QMessageBox::No, QMessageBox::No);
    if (answer != QMessageBox::Yes)
        return;
    const WriteOutcome outcome = m_appState->recurringService()->remove(doomed.id);
    refresh();
    if (!outcome.ok())
        reportFailure(tr("Delete"), tr("\"%1\" could not be deleted.").arg(doomed.payee), outcome);
}

void RecurringScreen::confirmAllDue()
{
    const RecurringRunResult result = m_appState->recurringService()->confirmAllDue();
    if (result.posted > 0)
        Q_EMIT transactionsChanged();
    refresh();
    if (!result.problems.isEmpty()) {
        QMessageBox::warning(this, tr("Confirm All Due"),
            tr("%n recurring transaction(s) posted.", nullptr, result.posted) + QStringLiteral("\n\n")
                + tr("Not posted:") + QLatin1Char('\n') + problemList(result.problems));
    }
}

const RecurringTransaction* RecurringScreen::selectedRule() const
{
    const QModelIndexList rows = m_view->selectionModel()->selectedRows();
    return rows.isEmpty() ? nullptr : m_model->ruleAt(rows.first().row());
}

void RecurringScreen::runForm(RecurringFormDialog& dialog, const std::function<WriteOutcome(const RecurringTransaction&)>& save)
{
    while (dialog.exec() == QDialog::Accepted) {
        const WriteOutcome outcome = save(dialog.recurring());
        refresh();
        if (outcome.ok())
            return;
        reportFailure(dialog.windowTitle(), tr("The recurring transaction could not be saved."), outcome);
    }
}

void RecurringScreen::reportFailure(const QString& title, const QString& what, const WriteOutcome& outcome)
{
    QMessageBox::warning(this, title, QStringLiteral("%1\n\n%2").arg(what, outcome.message));
}
