#include "services/reconciliation/reconciliationscreen.h"

#include "app/appstate.h"
#include "bookkeeping/transactionservice.h"
#include "register/transactionformdialog.h"
#include "services/reconciliation/reconciliationmodel.h"
#include "services/reconciliation/reconciliationservice.h"
#include "storage/accountrepository.h"
#include "storage/clock.h"
#include "storage/transactionrepository.h"
#include "widgets/datefield.h"
#include "widgets/datetext.h"
#include "widgets/deletetransactionquestion.h"
#include "widgets/palette.h"
#include "widgets/smartamountfield.h"

#include <QFontDatabase>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QShortcut>
#include <QSplitter>
#include <QTableView>
#include <QTimer>
#include <QVBoxLayout>
#include <limits>

namespace {

constexpr int statementPanelWidth = 310;
constexpr int tickColumnWidth = 36;
constexpr int dateColumnWidth = 110;
constexpr int amountColumnWidth = 140;
constexpr int clearedColumnWidth = 44;

CheckedSum plus(const CheckedSum& a, const CheckedSum& b)
{
    return b ? checkedAdd(a, *b) : std::nullopt;
}

CheckedSum minus(const CheckedSum& a, const CheckedSum& b)
{
    if (!b || *b == std::numeric_limits<qint64>::min())
        return std::nullopt;
    return checkedAdd(a, -*b);
}

QFrame* summaryLine(QWidget* parent)
{
    auto* line = new QFrame(parent);
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    return line;
}

bool isPlainKey(const QKeyEvent* event)
{
    return !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier));
}

} // namespace

ReconciliationScreen::ReconciliationScreen(AppState* appState, QWidget* parent)
    : QWidget(parent)
    , m_appState(appState)
    , m_model(new ReconciliationModel(this))
{
    setObjectName(QStringLiteral("reconciliationScreen"));
    buildLayout();
    connectKeys();
    connect(m_model, &ReconciliationModel::ticksChanged, this, &ReconciliationScreen::updateDifference);
    connect(m_balanceField, &SmartAmountField::valueChanged, this, &ReconciliationScreen::updateDifference);
    connect(m_dateField, &QLineEdit::textEdited, this, [this] {
        if (m_dateProblem->isVisible())
            checkStatementDate();
    });
    // Whatever changes the account's rows (the register, sync, this window's
    // own forms) shows here at once, so the ticks meet the rows as stored.
    connect(m_appState->transactions(), &TransactionRepository::transactionsChanged, this, [this](const QString& accountId) {
        if (!m_accountId.isEmpty() && (accountId.isEmpty() || accountId == m_accountId))
            reload();
    });
    connect(m_appState->accounts(), &AccountRepository::accountsChanged, this, [this] {
        if (!m_accountId.isEmpty())
            reload();
    });
}

void ReconciliationScreen::start(const QString& accountId)
{
    m_accountId = accountId;
    reload();
    if (!m_account)
        return;
    if (const QDate suggested = m_appState->reconciliationService()->suggestedStatementDate(accountId); suggested.isValid())
        m_dateField->setDate(suggested);
    m_dateField->selectAll();
    m_dateField->setFocus(Qt::OtherFocusReason);
}

void ReconciliationScreen::buildLayout()
{
    auto* splitter = new QSplitter(Qt::Horizontal, this);
    splitter->addWidget(buildStatementPanel());
    splitter->addWidget(buildTransactionsPanel());
    splitter->setStretchFactor(0, 0);
    splitter->setStretchFactor(1, 1);
    splitter->setChildrenCollapsible(false);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(splitter);

    setTabOrder(m_dateField, m_balanceField);
    setTabOrder(m_balanceField, m_table);
    setTabOrder(m_table, m_finishButton);
    setTabOrder(m_finishButton, m_cancelButton);
    setTabOrder(m_cancelButton, m_addButton);
    setTabOrder(m_addButton, m_editButton);
    setTabOrder(m_editButton, m_deleteButton);
}

QWidget* ReconciliationScreen::buildStatementPanel()
{
    auto* panel = new QWidget(this);
    panel->setFixedWidth(statementPanelWidth);
    auto* layout = new QVBoxLayout(panel);

    auto* title = new QLabel(tr("Reconcile Account"), panel);
    QFont titleFont = title->font();
    titleFont.setPointSize(14);
    titleFont.setWeight(QFont::Bold);
    title->setFont(titleFont);
    layout->addWidget(title);

    layout->addWidget(new QLabel(tr("Statement Date:"), panel));
    m_dateField = new DateField(panel);
    m_dateField->setObjectName(QStringLiteral("statementDateField"));
    m_dateField->installEventFilter(this);
    layout->addWidget(m_dateField);
    m_dateProblem = new QLabel(panel);
    m_dateProblem->setObjectName(QStringLiteral("dateProblem"));
    m_dateProblem->setWordWrap(true);
    m_dateProblem->hide();
    layout->addWidget(m_dateProblem);

    layout->addWidget(new QLabel(tr("Statement Balance:"), panel));
    m_balanceField = new SmartAmountField(panel);
    m_balanceField->setObjectName(QStringLiteral("statementBalanceField"));
    m_balanceField->setAllowsNegative(true);
    m_balanceField->setCurrency(m_fieldCurrency);
    m_balanceField->installEventFilter(this);
    layout->addWidget(m_balanceField);

    auto* summary = new QGridLayout;
    summary->setHorizontalSpacing(12);
    summary->setVerticalSpacing(4);
    summary->setColumnStretch(0, 1);
    m_previousValue = addSummaryRow(summary, tr("Previous Balance"), "previousValue");
    m_depositsValue = addSummaryRow(summary, tr("Cleared Deposits"), "depositsValue");
    m_withdrawalsValue = addSummaryRow(summary, tr("Cleared Withdrawals"), "withdrawalsValue");
    summary->addWidget(summaryLine(panel), summary->rowCount(), 0, 1, 2);
    m_clearedValue = addSummaryRow(summary, tr("Cleared Balance"), "clearedValue");
    m_statementValue = addSummaryRow(summary, tr("Statement Balance"), "statementValue");
    summary->addWidget(summaryLine(panel), summary->rowCount(), 0, 1, 2);
    m_differenceValue = addSummaryRow(summary, tr("Difference"), "differenceValue", true);
    layout->addSpacing(8);
    layout->addLayout(summary);

    m_refusal = new QLabel(panel);
    m_refusal->setObjectName(QStringLiteral("refusal"));
    m_refusal->setWordWrap(true);
    m_refusal->hide();
    layout->addWidget(m_refusal);
    layout->addStretch(1);

    m_finishButton = new QPushButton(tr("Finish Reconciliation"), panel);
    m_finishButton->setObjectName(QStringLiteral("finishButton"));
    m_finishButton->setEnabled(false);
    m_finishButton->setAutoDefault(true);
    m_finishButton->setToolTip(tr("Finish when the difference is zero (%1)")
                                   .arg(QKeySequence(QStringLiteral("Ctrl+Return")).toString(QKeySequence::NativeText)));
    connect(m_finishButton, &QPushButton::clicked, this, &ReconciliationScreen::finish);
    layout->addWidget(m_finishButton);
    m_cancelButton = new QPushButton(tr("Cancel"), panel);
    m_cancelButton->setAutoDefault(true);
    connect(m_cancelButton, &QPushButton::clicked, this, &ReconciliationScreen::cancelled);
    layout->addWidget(m_cancelButton);
    return panel;
}

QLabel* ReconciliationScreen::addSummaryRow(QGridLayout* grid, const QString& label, const char* valueName, bool bold)
{
    auto* name = new QLabel(label);
    auto* value = new QLabel;
    value->setObjectName(QLatin1String(valueName));
    value->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    QFont valueFont = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    if (bold) {
        QFont nameFont = name->font();
        nameFont.setBold(true);
        name->setFont(nameFont);
        valueFont.setBold(true);
    }
    value->setFont(valueFont);
    const int row = grid->rowCount();
    grid->addWidget(name, row, 0);
    grid->addWidget(value, row, 1);
    return value;
}

QWidget* ReconciliationScreen::buildTransactionsPanel()
{
    auto* panel = new QWidget(this);
    auto* layout = new QVBoxLayout(panel);

    m_table = new QTableView(panel);
    m_table->setObjectName(QStringLiteral("reconciliationTable"));
    m_table->setModel(m_model);
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->setSelectionMode(QAbstractItemView::SingleSelection);
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    // Tab leaves the list for the buttons; the arrows move within it.
    m_table->setTabKeyNavigation(false);
    m_table->setAlternatingRowColors(true);
    m_table->verticalHeader()->hide();
    QHeaderView* header = m_table->horizontalHeader();
    header->setSectionResizeMode(QHeaderView::Fixed);
    header->setSectionResizeMode(ReconciliationModel::PayeeColumn, QHeaderView::Stretch);
    header->resizeSection(ReconciliationModel::TickColumn, tickColumnWidth);
    header->resizeSection(ReconciliationModel::DateColumn, dateColumnWidth);
    header->resizeSection(ReconciliationModel::AmountColumn, amountColumnWidth);
    header->resizeSection(ReconciliationModel::ClearedColumn, clearedColumnWidth);
    m_table->installEventFilter(this);
    connect(m_table, &QTableView::doubleClicked, this, [this](const QModelIndex& index) {
        // Quick clicks on the tick boxes only tick.
        if (index.column() != ReconciliationModel::TickColumn)
            editSelectedTransaction();
    });
    layout->addWidget(m_table, 1);

    auto* buttons = new QHBoxLayout;
    m_addButton = new QPushButton(tr("Add Transaction"), panel);
    m_addButton->setToolTip(
        tr("Add a transaction (%1)").arg(QKeySequence(QKeySequence::New).toString(QKeySequence::NativeText)));
    connect(m_addButton, &QPushButton::clicked, this, &ReconciliationScreen::addTransaction);
    m_editButton = new QPushButton(tr("Edit"), panel);
    m_editButton->setToolTip(tr("Edit selected transaction (F2)"));
    connect(m_editButton, &QPushButton::clicked, this, &ReconciliationScreen::editSelectedTransaction);
    m_deleteButton = new QPushButton(tr("Delete"), panel);
    m_deleteButton->setToolTip(tr("Delete selected transaction (Del)"));
    connect(m_deleteButton, &QPushButton::clicked, this, &ReconciliationScreen::deleteSelectedTransaction);
    for (QPushButton* button : {m_addButton, m_editButton, m_deleteButton}) {
        button->setAutoDefault(true);
        buttons->addWidget(button);
    }
    buttons->addStretch(1);
    layout->addLayout(buttons);
    return panel;
}

void ReconciliationScreen::connectKeys()
{
    const auto shortcut = [this](const QKeySequence& keys, void (ReconciliationScreen::*slot)()) {
        auto* key = new QShortcut(keys, this);
        key->setContext(Qt::WidgetWithChildrenShortcut);
        connect(key, &QShortcut::activated, this, slot);
    };
    shortcut(QKeySequence::New, &ReconciliationScreen::addTransaction);
    shortcut(QKeySequence(Qt::Key_Insert), &ReconciliationScreen::addTransaction);
    shortcut(QKeySequence(Qt::CTRL | Qt::Key_Return), &ReconciliationScreen::finish);
    shortcut(QKeySequence(Qt::CTRL | Qt::Key_Enter), &ReconciliationScreen::finish);
}

bool ReconciliationScreen::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<const QKeyEvent*>(event);
        if (watched == m_table)
            return handleTableKey(key);
        return moveOnFromField(watched, key);
    }
    if (watched == m_dateField && event->type() == QEvent::FocusOut)
        keepTypedDate();
    return QWidget::eventFilter(watched, event);
}

bool ReconciliationScreen::handleTableKey(const QKeyEvent* event)
{
    if (event->key() == Qt::Key_Delete || event->matches(QKeySequence::Delete)) {
        deleteSelectedTransaction();
        return true;
    }
    if (!isPlainKey(event))
        return false;
    switch (event->key()) {
    case Qt::Key_Space:
    case Qt::Key_C:
    case Qt::Key_R:
        onTransactionToggled(m_table->currentIndex().row());
        return true;
    case Qt::Key_F2:
        editSelectedTransaction();
        return true;
    default:
        return false;
    }
}

// Enter in the date or balance field moves on, as Tab does: type the date,
// Enter, the balance, Enter, and the keyboard is in the list.
bool ReconciliationScreen::moveOnFromField(QObject* watched, const QKeyEvent* event)
{
    const bool isField = watched == m_dateField || watched == m_balanceField;
    const bool isEnter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (!isField || !isEnter || (event->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier)
        return false;
    focusNextChild();
    return true;
}

// The date field puts its last good date back when it is left with text
// that is no date; here the typed text stays, and the field says why it
// cannot be used.
void ReconciliationScreen::keepTypedDate()
{
    if (checkStatementDate())
        return;
    const QString typed = m_dateField->text();
    QTimer::singleShot(0, m_dateField, [field = m_dateField, typed] { field->setText(typed); });
}

bool ReconciliationScreen::checkStatementDate()
{
    const bool isDate = resolveTypedDate(m_dateField->text()).has_value();
    m_dateProblem->setText(tr("Enter a valid date, such as %1").arg(registerDateText(Clock::today())));
    m_dateProblem->setStyleSheet(Palette::textColorStyle(Palette::warning()));
    m_dateProblem->setVisible(!isDate);
    return isDate;
}

void ReconciliationScreen::reload()
{
    m_account = m_appState->accounts()->byId(m_accountId);
    if (m_account && m_account->deletedAt)
        m_account.reset();
    std::optional<UnreconciledRows> unreconciled =
        m_account ? m_appState->reconciliationService()->unreconciled(m_accountId) : std::nullopt;
    m_previousBalance = unreconciled ? unreconciled->previousBalance : CheckedSum(0);
    // Only a real change of currency touches the field, which may hold a
    // balance being typed.
    if (currency() != m_fieldCurrency) {
        m_fieldCurrency = currency();
        m_balanceField->setCurrency(currency());
    }
    m_model->setCurrency(currency());

    const QModelIndex current = m_table->currentIndex();
    const Transaction* shown = m_model->transactionAt(current.row());
    const QString currentId = shown ? shown->id : QString();
    m_model->setTransactions(unreconciled ? std::move(unreconciled->rows) : QList<Transaction>());
    selectTransaction(currentId, current.isValid() ? current.row() : 0);
    updateDifference();
}

void ReconciliationScreen::selectTransaction(const QString& transactionId, int fallbackRow)
{
    const int found = m_model->rowOf(transactionId);
    const int row = found >= 0 ? found : std::min(fallbackRow, m_model->rowCount() - 1);
    if (row < 0)
        return;
    m_table->setCurrentIndex(m_model->index(row, ReconciliationModel::PayeeColumn));
    m_table->scrollTo(m_table->currentIndex());
}

void ReconciliationScreen::onTransactionToggled(int row)
{
    m_model->toggleTick(row);
}

void ReconciliationScreen::updateDifference()
{
    const CheckedSum deposits = m_model->tickedDeposits();
    const CheckedSum withdrawals = m_model->tickedWithdrawals();
    const CheckedSum cleared = plus(plus(m_previousBalance, deposits), withdrawals);
    const qint64 statement = m_balanceField->amountMinorUnits();
    const CheckedSum difference = minus(statement, cleared);

    m_previousValue->setText(shown(m_previousBalance));
    m_depositsValue->setText(shown(deposits));
    m_withdrawalsValue->setText(shown(withdrawals));
    m_clearedValue->setText(shown(cleared));
    m_statementValue->setText(shown(statement));
    m_differenceValue->setText(shown(difference));
    const bool balanced = difference == 0;
    m_differenceValue->setStyleSheet(Palette::textColorStyle(balanced ? Palette::positive() : Palette::negative()));
    m_finishButton->setEnabled(m_account.has_value() && balanced);
    m_refusal->hide();
}

void ReconciliationScreen::finish()
{
    if (!m_finishButton->isEnabled()) {
        showRefusal(tr("The ticked transactions must match the statement balance: the difference is %1.")
                        .arg(m_differenceValue->text()));
        return;
    }
    if (!checkStatementDate()) {
        m_dateField->setFocus(Qt::OtherFocusReason);
        return;
    }
    StatementMatch match;
    match.accountId = m_accountId;
    match.statementDate = *resolveTypedDate(m_dateField->text());
    match.statementBalance = m_balanceField->amountMinorUnits();
    match.ticked = m_model->tickedTransactions();
    const WriteOutcome outcome = m_appState->reconciliationService()->finish(match);
    if (!outcome.ok()) {
        reportFailure(tr("Not Reconciled"), tr("The account was not reconciled; nothing was changed."), outcome);
        // The list shows the rows as they are stored now; the ticks stay.
        reload();
        return;
    }
    QMessageBox::information(this, tr("Reconciliation Complete"), tr("Account reconciled successfully."));
    Q_EMIT reconciliationCompleted();
}

void ReconciliationScreen::addTransaction()
{
    if (!m_account)
        return;
    TransactionFormDialog dialog(m_appState, m_accountId, this);
    // A refused save reopens the form with everything as typed.
    while (dialog.exec() == QDialog::Accepted) {
        const WriteOutcome outcome = m_appState->transactionService()->insert(dialog.transaction());
        if (outcome.ok()) {
            selectTransaction(outcome.id, m_table->currentIndex().row());
            return;
        }
        reportFailure(tr("Not Saved"), tr("The transaction could not be saved."), outcome);
    }
}

void ReconciliationScreen::editSelectedTransaction()
{
    const Transaction* selected = selectedTransaction();
    if (!selected)
        return;
    const Transaction loaded = *selected;
    TransactionFormDialog dialog(m_appState, loaded, this);
    while (dialog.exec() == QDialog::Accepted) {
        const Transaction edited = dialog.transaction();
        TransactionEntry entry;
        entry.date = edited.date;
        entry.payee = edited.payee;
        entry.checkNumber = edited.checkNumber;
        entry.memo = edited.memo;
        entry.amount = edited.amount;
        entry.categoryId = edited.categoryId;
        entry.cleared = edited.cleared;
        entry.reconciled = edited.reconciled;
        const WriteOutcome outcome = m_appState->transactionService()->edit(loaded, entry);
        if (outcome.ok())
            return;
        reportFailure(tr("Not Saved"), tr("The transaction could not be saved."), outcome);
        // The list already shows the row as it was changed elsewhere.
        if (outcome.status == WriteOutcome::Status::ChangedElsewhere)
            return;
    }
}

void ReconciliationScreen::deleteSelectedTransaction()
{
    const Transaction* selected = selectedTransaction();
    if (!selected)
        return;
    const Transaction transaction = *selected;
    if (!DeleteTransactionQuestion::ask(this, transaction, currency()))
        return;
    const WriteOutcome outcome = m_appState->transactionService()->remove(transaction);
    if (!outcome.ok())
        reportFailure(tr("Not Deleted"), tr("The transaction could not be deleted."), outcome);
}

const Transaction* ReconciliationScreen::selectedTransaction()
{
    const Transaction* selected = m_model->transactionAt(m_table->currentIndex().row());
    if (!selected)
        showRefusal(tr("Select a transaction in the list first."));
    return selected;
}

Currency ReconciliationScreen::currency() const
{
    return m_account ? m_account->currency : Currency::USD;
}

QString ReconciliationScreen::shown(const CheckedSum& amount) const
{
    return amount ? formatCurrency(*amount, currency(), AmountFormat::shown()) : tr("too large");
}

void ReconciliationScreen::showRefusal(const QString& text)
{
    m_refusal->setText(text);
    m_refusal->setStyleSheet(Palette::textColorStyle(Palette::warning()));
    m_refusal->show();
}

void ReconciliationScreen::reportFailure(const QString& title, const QString& what, const WriteOutcome& outcome)
{
    QMessageBox::warning(this, title, QStringLiteral("%1\n\n%2").arg(what, outcome.message));
}
