#include "register/registerscreen.h"

#include "app/appstate.h"
#include "register/balancelabel.h"
#include "register/fieldnavigator.h"
#include "widgets/datetext.h"
#include "widgets/deletetransactionquestion.h"
#include "widgets/elidedlabel.h"
#include "widgets/palette.h"
#include "register/registerdelegate.h"
#include "register/registermodel.h"
#include "register/registertableview.h"
#include "register/transactionformdialog.h"
#include "bookkeeping/transactionservice.h"
#include "storage/accountrepository.h"
#include "storage/categoryrepository.h"
#include "storage/clock.h"
#include "storage/identifiers.h"
#include "storage/money.h"
#include "storage/preferencesrepository.h"
#include "storage/textlimits.h"
#include "storage/transactionrepository.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>

namespace {

const QString twoLinePreference = QStringLiteral("registerTwoLine");
const QString newestFirstPreference = QStringLiteral("registerNewestFirst");
const QString transferPrefix = QStringLiteral("[Transfer] ");
constexpr int oneLineRowHeight = 36;
constexpr int twoLineRowHeight = 52;
constexpr int shortStatusMs = 3000;
constexpr qint64 minimumRefusalMs = 5000;

QString colorName(const QColor& color)
{
    return color.name(QColor::HexRgb);
}

QString statusStyle(const QColor& color, bool bold)
{
    return QStringLiteral("color: %1; padding: 2px 4px;%2")
        .arg(colorName(color), bold ? QStringLiteral(" font-weight: 600;") : QString());
}

QString nativeKeys(const QString& portableText)
{
    return QKeySequence(portableText, QKeySequence::PortableText).toString(QKeySequence::NativeText);
}

} // namespace

RegisterScreen::RegisterScreen(AppState* appState, QWidget* parent)
    : QWidget(parent)
    , m_appState(appState)
    , m_model(new RegisterModel(this))
    , m_delegate(new RegisterDelegate(appState, m_model, this))
    , m_view(new RegisterTableView(this))
    , m_navigator(new FieldNavigator(m_view, m_model, m_delegate, this))
    , m_statusTimer(new QTimer(this))
{
    m_view->setNavigator(m_navigator);
    connect(m_navigator, &FieldNavigator::rowFinished, this, &RegisterScreen::commitCurrentRow);
    buildLayout();
    configureView();
    m_statusTimer->setSingleShot(true);
    connect(m_statusTimer, &QTimer::timeout, m_statusLabel, &QLabel::clear);
    connect(m_reconcileButton, &QPushButton::clicked, this, [this] { Q_EMIT reconcileRequested(m_accountId); });
    // Keys typed into an open editor must reach the register before the
    // editor or the delegate's own handling sees them, and editors come and
    // go with every cell; so the screen watches key presses application-wide
    // and acts only on those aimed at its grid.
    qApp->installEventFilter(this);
}

RegisterScreen::~RegisterScreen()
{
    qApp->removeEventFilter(this);
}

void RegisterScreen::setAccount(const QString& accountId)
{
    m_navigator->closeOpenEditor();
    m_model->clearBuffer();
    m_model->setEditingRow(-1);
    m_accountId = accountId;
    m_delegate->setAccountId(accountId);
    reload();
    focusEntryRow();
}

void RegisterScreen::reload()
{
    if (m_accountId.isEmpty() || m_view->isEditing())
        return;
    const std::optional<Account> account = m_appState->accounts()->byId(m_accountId);
    if (!account)
        return;
    showAccountHeader(*account);

    const QModelIndex top = m_view->indexAt(QPoint(0, 0));
    const int topRow = top.row();
    const RegisterRow* topStored = m_model->rowAt(topRow);
    const QString topTransactionId = topStored ? topStored->transaction.id : QString();
    const QModelIndex current = m_view->currentIndex();
    const int currentRow = current.isValid() ? current.row() : -1;
    const int currentColumn = current.isValid() ? current.column() : -1;
    const RegisterRow* currentStored = m_model->rowAt(currentRow);
    const QString currentTransactionId = currentStored ? currentStored->transaction.id : QString();

    // Typing not saved yet outlives the rebuild, on the same transaction.
    const bool keepTyping = m_model->hasUnsavedTyping();
    const RegisterModel::EditBuffer typed = m_model->buffer();
    const RegisterModel::EditBuffer loaded = m_model->loadedBuffer();
    const RegisterRow* edited = m_model->rowAt(m_model->editingRow());
    const QString editedId = edited ? edited->transaction.id : QString();

    QList<RegisterRow> rows = m_appState->transactions()->registerRows(m_accountId);

    const bool twoLine = m_appState->preferences()->getBool(twoLinePreference, false);
    m_delegate->setTwoLine(twoLine);
    m_model->setTwoLine(twoLine);
    m_view->setColumnHidden(RegisterModel::MemoColumn, twoLine);
    m_view->fitTextColumns();
    Q_EMIT m_model->headerDataChanged(Qt::Horizontal, RegisterModel::PayeeColumn, RegisterModel::PayeeColumn);
    m_view->verticalHeader()->setDefaultSectionSize(twoLine ? twoLineRowHeight : oneLineRowHeight);
    m_view->viewport()->update();
    const bool newestFirst = m_appState->preferences()->getBool(newestFirstPreference, false);
    const CheckedSum balance = rows.isEmpty() ? CheckedSum(account->startingBalance) : rows.last().runningBalance;
    if (newestFirst)
        std::reverse(rows.begin(), rows.end());

    m_model->setCurrency(account->currency);
    m_model->setRows(rows, newestFirst);
    if (keepTyping)
        restoreTyping(typed, loaded, editedId);
    showBalance(balance, account->currency);
    restorePosition(currentRow, currentColumn, currentTransactionId, topRow, topTransactionId);
}

void RegisterScreen::restoreTyping(const RegisterModel::EditBuffer& typed, const RegisterModel::EditBuffer& loaded,
    const QString& editedId)
{
    const int row = editedId.isEmpty() ? -1 : m_model->rowForTransactionId(editedId);
    if (!editedId.isEmpty() && row < 0) {
        showRefusal(tr("The transaction you were changing was deleted by another program."));
        return;
    }
    m_model->restoreBuffer(typed, loaded, row);
}

void RegisterScreen::insertNew()
{
    if (!mayLeaveRow())
        return;
    m_navigator->closeOpenEditor();
    m_model->clearBuffer();
    m_model->setEditingRow(-1);
    const int entryRow = m_model->entryRow();
    m_model->notifyRowChanged(entryRow);
    m_view->scrollTo(m_model->index(entryRow, RegisterModel::DateColumn));
    m_view->setCurrentIndex(m_model->index(entryRow, RegisterModel::DateColumn));
    m_view->edit(m_view->currentIndex());
}

void RegisterScreen::focusEntryRow()
{
    if (m_model->rowCount() == 0)
        return;
    if (m_model->newestFirst())
        m_view->scrollToTop();
    else
        m_view->scrollToBottom();
    m_view->setCurrentIndex(m_model->index(m_model->entryRow(), RegisterModel::DateColumn));
    m_view->setFocus(Qt::OtherFocusReason);
}

void RegisterScreen::showStatus(const QString& text, int milliseconds)
{
    m_refusalShown.invalidate();
    m_statusLabel->setStyleSheet(statusStyle(Palette::muted(), false));
    m_statusLabel->setText(text);
    m_statusTimer->start(milliseconds);
}

void RegisterScreen::showRefusal(const QString& text)
{
    // A refusal is read, not glanced at: in the warning colour, and kept
    // until a key is pressed once it has been up for a while.
    m_statusTimer->stop();
    m_statusLabel->setStyleSheet(statusStyle(Palette::negative(), true));
    m_statusLabel->setText(text);
    m_refusalShown.start();
}

void RegisterScreen::clearReadRefusal()
{
    if (m_refusalShown.isValid() && m_refusalShown.elapsed() >= minimumRefusalMs) {
        m_refusalShown.invalidate();
        m_statusLabel->clear();
    }
}

int RegisterScreen::rowForTransactionId(const QString& id) const
{
    return m_model->rowForTransactionId(id);
}

void RegisterScreen::memorizeCurrentRow()
{
    const QModelIndex current = m_view->currentIndex();
    const RegisterRow* stored = current.isValid() ? m_model->rowAt(current.row()) : nullptr;
    if (!stored || stored->transaction.id.isEmpty())
        return;
    const Transaction& source = stored->transaction;
    if (!source.date.isValid() || source.date.year() < 2000) {
        showRefusal(tr("Cannot memorize: source transaction has an invalid date"));
        return;
    }
    RecurringTransaction seed;
    seed.accountId = source.accountId;
    seed.payee = source.payee;
    seed.memo = source.memo;
    seed.amount = source.amount;
    seed.categoryId = source.categoryId;
    seed.transferDestAccountId = source.transferDestAccountId;
    seed.frequency = Frequency::Monthly;
    seed.startDate = source.date;
    seed.nextDueDate = source.date;
    seed.autoPost = false;
    seed.isActive = true;
    seed.version = 1;
    Q_EMIT memorizeRequested(seed);
}

void RegisterScreen::toggleCleared(int row)
{
    const RegisterRow* stored = m_model->rowAt(row);
    if (!stored || stored->transaction.id.isEmpty())
        return;
    const Transaction transaction = stored->transaction;
    m_navigator->closeOpenEditor();
    const WriteOutcome outcome = m_appState->transactionService()->setCleared(transaction.id, !transaction.cleared);
    if (!outcome.ok())
        reportFailure(tr("The transaction could not be changed."), outcome);
    reload();
}

void RegisterScreen::confirmAndDelete(int row)
{
    const RegisterRow* stored = m_model->rowAt(row);
    if (!stored || stored->transaction.id.isEmpty())
        return;
    const Transaction transaction = stored->transaction;
    m_navigator->closeOpenEditor();
    if (!DeleteTransactionQuestion::ask(this, transaction, m_model->currency()))
        return;
    const WriteOutcome outcome = m_appState->transactionService()->remove(transaction);
    if (!outcome.ok())
        reportFailure(tr("The transaction could not be deleted."), outcome);
    reload();
}

bool RegisterScreen::focusNextPrevChild(bool next)
{
    // Outside the grid (from the Reconcile button, say) Tab follows the
    // usual focus chain.
    const QWidget* focus = QApplication::focusWidget();
    if (focus && focus != m_view && !m_view->isAncestorOf(focus))
        return QWidget::focusNextPrevChild(next);
    m_navigator->moveFocus(next);
    return true;
}

void RegisterScreen::onContextMenu(const QPoint& position)
{
    const QModelIndex clicked = m_view->indexAt(position);
    const RegisterRow* stored = clicked.isValid() ? m_model->rowAt(clicked.row()) : nullptr;
    const bool onStoredRow = stored && !stored->transaction.id.isEmpty();

    QMenu menu(this);
    QAction* insertAction = menu.addAction(tr("&Insert New"));
    insertAction->setShortcut(QKeySequence(QStringLiteral("Ctrl+I")));
    QAction* newAction = menu.addAction(tr("&New Transaction..."));
    newAction->setShortcut(QKeySequence::New);
    QAction* clearedAction = nullptr;
    QAction* deleteAction = nullptr;
    if (onStoredRow) {
        menu.addSeparator();
        clearedAction = menu.addAction(stored->transaction.cleared ? tr("Mark &Uncleared") : tr("Mark &Cleared"));
        deleteAction = menu.addAction(tr("&Delete"));
        deleteAction->setShortcut(QKeySequence(QStringLiteral("Ctrl+D")));
    }
    for (QAction* action : menu.actions()) {
        action->setShortcutVisibleInContextMenu(true);
        // The keys are the screen's own; the menu only shows them.
        action->setShortcutContext(Qt::WidgetShortcut);
    }

    const int row = clicked.row();
    QAction* chosen = menu.exec(m_view->viewport()->mapToGlobal(position));
    if (!chosen)
        return;
    if (chosen == insertAction)
        insertNew();
    else if (chosen == newAction)
        newTransactionDialog();
    else if (chosen == clearedAction)
        toggleCleared(row);
    else if (chosen == deleteAction)
        confirmAndDelete(row);
}

void RegisterScreen::commitCurrentRow()
{
    saveTypedRow();
}

bool RegisterScreen::saveTypedRow()
{
    const QModelIndex current = m_view->currentIndex();
    m_navigator->commitOpenEditor();
    m_navigator->closeOpenEditor();
    m_view->setCurrentIndex(QModelIndex());

    const std::optional<TransactionEntry> entry = entryFromBuffer();
    const int editingRow = m_model->editingRow();
    const bool isNew = editingRow < 0 || m_model->isEntryRow(editingRow);
    const bool saved = entry && (isNew ? saveNewRow(*entry) : saveEditedRow(editingRow, *entry));
    if (!saved) {
        // A refused row stays as typed, with the keyboard where it was.
        m_view->setCurrentIndex(current);
        m_view->setFocus(Qt::OtherFocusReason);
    }
    return saved;
}

bool RegisterScreen::mayLeaveRow()
{
    return settleTypedRow() != LeaveOutcome::Stayed;
}

RegisterScreen::LeaveOutcome RegisterScreen::settleTypedRow()
{
    m_navigator->commitOpenEditor();
    if (!m_model->hasUnsavedTyping())
        return LeaveOutcome::NothingTyped;
    switch (askAboutTypedRow()) {
    case QMessageBox::Save:
        return saveTypedRow() ? LeaveOutcome::Saved : LeaveOutcome::Stayed;
    case QMessageBox::Discard:
        discardTypedRow();
        return LeaveOutcome::Discarded;
    default:
        return LeaveOutcome::Stayed;
    }
}

QMessageBox::StandardButton RegisterScreen::askAboutTypedRow()
{
    const bool newRow = m_model->editingRow() < 0 || m_model->isEntryRow(m_model->editingRow());
    QMessageBox box(QMessageBox::Question, tr("Unsaved Transaction"),
        newRow ? tr("The new transaction you typed is not saved yet.") : tr("Your changes to this transaction are not saved yet."),
        QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, this);
    box.setInformativeText(tr("Save it, discard what you typed, or keep editing?"));
    box.button(QMessageBox::Discard)->setText(tr("Discard"));
    box.button(QMessageBox::Cancel)->setText(tr("Keep Editing"));
    box.setDefaultButton(QMessageBox::Save);
    box.setEscapeButton(QMessageBox::Cancel);
    return static_cast<QMessageBox::StandardButton>(box.exec());
}

void RegisterScreen::discardTypedRow()
{
    m_navigator->closeOpenEditor();
    const int row = m_model->editingRow();
    const bool storedRow = row >= 0 && !m_model->isEntryRow(row);
    if (storedRow)
        m_model->loadRowIntoBuffer(row);
    else
        m_model->clearBuffer();
    m_model->notifyRowChanged(storedRow ? row : m_model->entryRow());
}

bool RegisterScreen::movesToAnotherRow(const QKeyEvent* event) const
{
    const QModelIndex current = m_view->currentIndex();
    if (!current.isValid() || event->modifiers().testFlag(Qt::AltModifier))
        return false;
    const bool control = event->modifiers().testFlag(Qt::ControlModifier);
    const bool inGrid = QApplication::focusWidget() == m_view;
    const bool up = event->key() == Qt::Key_Up || event->key() == Qt::Key_PageUp
        || (control && inGrid && event->key() == Qt::Key_Home);
    const bool down = event->key() == Qt::Key_Down || event->key() == Qt::Key_PageDown
        || (control && inGrid && event->key() == Qt::Key_End);
    return (up && current.row() > 0) || (down && current.row() < m_model->rowCount() - 1);
}

RegisterScreen::RowPlace RegisterScreen::placeOf(int row) const
{
    const RegisterRow* stored = m_model->rowAt(row);
    return {row, m_model->isEntryRow(row), stored ? stored->transaction.id : QString()};
}

int RegisterScreen::rowAfterSettling(const RowPlace& place) const
{
    if (!place.transactionId.isEmpty())
        return m_model->rowForTransactionId(place.transactionId);
    // The entry row, or the opening balance, which stays first or last.
    if (place.isEntryRow || place.row >= m_model->rowCount())
        return m_model->entryRow();
    return place.row;
}

bool RegisterScreen::settleBeforeKey(const QKeyEvent* event)
{
    if (m_passingKeyOn || !movesToAnotherRow(event))
        return false;
    const QModelIndex current = m_view->currentIndex();
    // The row is saved or back as stored; the key moves on from it.
    return settleThen(placeOf(current.row()), [&](int row) {
        if (row >= 0)
            m_view->setCurrentIndex(m_model->index(row, current.column()));
        m_view->setFocus(Qt::OtherFocusReason);
        QKeyEvent again(event->type(), event->key(), event->modifiers(), event->text());
        m_passingKeyOn = true;
        QCoreApplication::sendEvent(m_view, &again);
        m_passingKeyOn = false;
    });
}

bool RegisterScreen::settleThen(const RowPlace& place, const std::function<void(int row)>& moveOn)
{
    const LeaveOutcome outcome = settleTypedRow();
    if (outcome == LeaveOutcome::NothingTyped)
        return false;
    if (outcome != LeaveOutcome::Stayed)
        moveOn(rowAfterSettling(place));
    return true;
}

bool RegisterScreen::settleBeforeClick(const QMouseEvent* event)
{
    const QModelIndex current = m_view->currentIndex();
    const QModelIndex target = m_view->indexAt(event->position().toPoint());
    if (!current.isValid() || !target.isValid() || target.row() == current.row())
        return false;
    // A save rebuilds the listing: the clicked row is found again.
    return settleThen(placeOf(target.row()), [&](int row) {
        if (row < 0)
            return;
        const QModelIndex cell = m_model->index(row, target.column());
        m_view->setCurrentIndex(cell);
        if (target.column() != RegisterModel::BalanceColumn && !refuseOpeningRowEdit(row))
            m_view->edit(cell);
    });
}

void RegisterScreen::deleteCurrentRow()
{
    const QModelIndex current = m_view->currentIndex();
    if (!current.isValid())
        return;
    if (!m_model->isEntryRow(current.row())) {
        confirmAndDelete(current.row());
        return;
    }
    m_navigator->closeOpenEditor();
    m_model->clearBuffer();
    m_model->notifyRowChanged(current.row());
    m_navigator->openEditorAt(current.row(), RegisterModel::DateColumn);
    showStatus(tr("Fields cleared"), shortStatusMs);
}

void RegisterScreen::copyFromAbove()
{
    const QModelIndex current = m_view->currentIndex();
    if (!current.isValid() || current.row() == 0)
        return;
    const QModelIndex above = current.siblingAtRow(current.row() - 1);
    const QVariant value = above.data(Qt::EditRole);
    // The entry row above a stored row (newest first) has nothing to copy.
    if (!value.isValid())
        return;
    if (current.column() == RegisterModel::CategoryColumn) {
        const RegisterRow* stored = m_model->rowAt(above.row());
        m_model->setCategoryIdText(stored ? stored->transaction.categoryId : QString());
    }
    m_model->setData(current, value, Qt::EditRole);
    if (QWidget* editor = m_view->openEditor())
        m_delegate->setEditorData(editor, current);
}

void RegisterScreen::startEditingRow(int row)
{
    // The opening balance is not stored as a row: there is nothing in it to
    // edit, and the entry row stays the one being typed.
    if (m_model->isEntryRow(row) || isOpeningRow(row)) {
        const int previous = m_model->editingRow();
        if (previous >= 0 && !m_model->isEntryRow(previous)) {
            m_model->clearBuffer();
            m_model->notifyRowChanged(row);
        }
        m_model->setEditingRow(-1);
        return;
    }
    if (row == m_model->editingRow() || !m_model->rowAt(row))
        return;
    m_model->loadRowIntoBuffer(row);
    m_model->setEditingRow(row);
    m_model->notifyRowChanged(m_model->entryRow());
}

void RegisterScreen::newTransactionDialog()
{
    if (m_accountId.isEmpty())
        return;
    m_navigator->closeOpenEditor();
    TransactionFormDialog dialog(m_appState, m_accountId, this);
    // A refused save reopens the form with everything as typed.
    while (dialog.exec() == QDialog::Accepted) {
        const WriteOutcome outcome = m_appState->transactionService()->insert(dialog.transaction());
        if (outcome.ok()) {
            reload();
            focusEntryRow();
            return;
        }
        reportFailure(tr("The transaction could not be saved."), outcome);
    }
}

bool RegisterScreen::eventFilter(QObject* watched, QEvent* event)
{
    // The window's menus have Ctrl+I (Import) and Ctrl+N too; inside the
    // grid the register's own meaning of those keys wins, so the shortcut is
    // claimed here and the key arrives as an ordinary press.
    if (event->type() == QEvent::ShortcutOverride && isInsideView(watched)
        && isRegisterCommand(static_cast<QKeyEvent*>(event))) {
        event->accept();
        return true;
    }
    if (event->type() == QEvent::KeyPress && isInsideView(watched)) {
        clearReadRefusal();
        const auto* key = static_cast<QKeyEvent*>(event);
        if (settleBeforeKey(key) || handleKey(key))
            return true;
    }
    if (event->type() == QEvent::MouseButtonPress && watched == m_view->viewport()
        && settleBeforeClick(static_cast<QMouseEvent*>(event)))
        return true;
    return QWidget::eventFilter(watched, event);
}

bool RegisterScreen::isRegisterCommand(const QKeyEvent* event)
{
    if (event->modifiers() != Qt::ControlModifier)
        return false;
    return event->key() == Qt::Key_I || event->key() == Qt::Key_N || event->key() == Qt::Key_D || event->key() == Qt::Key_M;
}

void RegisterScreen::buildLayout()
{
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(24, 24, 24, 24);

    auto* header = new QHBoxLayout;
    header->setSpacing(16);
    // A stored name may be far longer than a typed one: it is cut to the
    // room the header has, never widening the window.
    m_nameLabel = new ElidedLabel(this);
    m_nameLabel->setObjectName(QStringLiteral("accountNameLabel"));
    QFont nameFont = QApplication::font();
    nameFont.setPointSize(nameFont.pointSize() + 8);
    nameFont.setWeight(QFont::DemiBold);
    m_nameLabel->setFont(nameFont);
    m_balanceLabel = new BalanceLabel(this);
    m_balanceLabel->setObjectName(QStringLiteral("balanceLabel"));
    QFont balanceFont = QApplication::font();
    balanceFont.setPointSize(balanceFont.pointSize() + 4);
    balanceFont.setWeight(QFont::DemiBold);
    m_balanceLabel->setFont(balanceFont);
    m_balanceLabel->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    m_reconcileButton = new QPushButton(tr("Reconcile"), this);
    m_reconcileButton->setObjectName(QStringLiteral("reconcileButton"));
    m_reconcileButton->setFocusPolicy(Qt::ClickFocus);
    header->addWidget(m_nameLabel);
    header->addStretch();
    header->addWidget(m_balanceLabel);
    header->addWidget(m_reconcileButton);
    layout->addLayout(header);

    m_subtitleLabel = new ElidedLabel(this);
    m_subtitleLabel->setObjectName(QStringLiteral("subtitleLabel"));
    QFont subtitleFont = QApplication::font();
    subtitleFont.setPointSize(std::max(subtitleFont.pointSize() - 2, 7));
    m_subtitleLabel->setFont(subtitleFont);
    m_subtitleLabel->setStyleSheet(QStringLiteral("color: %1;").arg(colorName(Palette::muted())));
    m_subtitleLabel->hide();
    layout->addWidget(m_subtitleLabel);
    layout->addSpacing(8);
    layout->addWidget(m_view, 1);

    auto* footer = new QHBoxLayout;
    m_statusLabel = new QLabel(this);
    m_statusLabel->setObjectName(QStringLiteral("statusLabel"));
    m_statusLabel->setFont(QApplication::font());
    m_statusLabel->setStyleSheet(statusStyle(Palette::muted(), false));
    // A narrow window wraps a refusal and cuts the key hints short; neither
    // holds the window wider than the screen.
    m_statusLabel->setWordWrap(true);
    m_hintLabel = new ElidedLabel(tr("%1: save  |  Enter: next  |  %2: delete  |  %3: memorize  |  ': copy above")
                                 .arg(nativeKeys(QStringLiteral("Ctrl+Return")), nativeKeys(QStringLiteral("Ctrl+D")),
                                     nativeKeys(QStringLiteral("Ctrl+M"))),
        this);
    m_hintLabel->setObjectName(QStringLiteral("hintLabel"));
    m_hintLabel->setStyleSheet(QStringLiteral("color: %1; padding: 2px 4px;").arg(Palette::styleName(Palette::hint())));
    footer->addWidget(m_statusLabel, 1);
    footer->addWidget(m_hintLabel);
    layout->addLayout(footer);
    setFocusProxy(m_view);
}

void RegisterScreen::configureView()
{
    m_view->setModel(m_model);
    m_view->setItemDelegate(m_delegate);
    m_view->setAlternatingRowColors(true);
    m_view->setSelectionMode(QAbstractItemView::SingleSelection);
    m_view->setSelectionBehavior(QAbstractItemView::SelectItems);
    m_view->setTabKeyNavigation(false);
    m_view->setFocusPolicy(Qt::StrongFocus);
    m_view->setSortingEnabled(false);
    m_view->verticalHeader()->hide();
    // Every row has the same height, so the view never measures 100,000 rows.
    m_view->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    m_view->verticalHeader()->setDefaultSectionSize(oneLineRowHeight);
    m_view->setContextMenuPolicy(Qt::CustomContextMenu);
    m_view->setShowGrid(false);
    m_view->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::AnyKeyPressed);

    QHeaderView* header = m_view->horizontalHeader();
    const struct {
        int column;
        int width; // 0: stretches
    } widths[] = {
        {RegisterModel::DateColumn, 130}, {RegisterModel::CheckNumberColumn, 60}, {RegisterModel::PayeeColumn, 0},
        {RegisterModel::CategoryColumn, 0}, {RegisterModel::MemoColumn, 0}, {RegisterModel::PaymentColumn, 100},
        {RegisterModel::DepositColumn, 100}, {RegisterModel::ClearedColumn, 35}, {RegisterModel::BalanceColumn, 110},
    };
    for (const auto& column : widths) {
        header->setSectionResizeMode(column.column, column.width == 0 ? QHeaderView::Stretch : QHeaderView::Fixed);
        if (column.width > 0)
            header->resizeSection(column.column, column.width);
    }

    connect(m_view, &QWidget::customContextMenuRequested, this, &RegisterScreen::onContextMenu);
    connect(m_view, &QAbstractItemView::clicked, this, [this](const QModelIndex& index) {
        if (!index.isValid())
            return;
        startEditingRow(index.row());
        if (index.column() != RegisterModel::BalanceColumn && !refuseOpeningRowEdit(index.row()))
            m_view->edit(index);
    });
    connect(m_view->selectionModel(), &QItemSelectionModel::currentChanged, this,
        [this](const QModelIndex& current, const QModelIndex& previous) {
            if (current.isValid() && (!previous.isValid() || current.row() != previous.row()))
                startEditingRow(current.row());
        });
}

bool RegisterScreen::handleKey(const QKeyEvent* event)
{
    const bool control = event->modifiers().testFlag(Qt::ControlModifier);
    // Some keyboards send Shift+Tab as Tab with Shift held rather than as
    // Backtab; inside an editor both must step back.
    const bool shiftTab = event->key() == Qt::Key_Tab && event->modifiers().testFlag(Qt::ShiftModifier);
    if (shiftTab && QApplication::focusWidget() != m_view) {
        focusNextPrevChild(false);
        return true;
    }
    if (FieldNavigator::isReturnKey(event)) {
        if (control) {
            commitCurrentRow();
            return true;
        }
        const QModelIndex current = m_view->currentIndex();
        if (!current.isValid() || m_view->openEditor()) {
            m_navigator->advanceToNextField();
        } else if (!refuseOpeningRowEdit(current.row())) {
            startEditingRow(current.row());
            m_view->edit(current);
        }
        return true;
    }
    if (!control && !event->text().trimmed().isEmpty() && refuseOpeningRowEdit(m_view->currentIndex().row()))
        return true;
    if (control) {
        switch (event->key()) {
        case Qt::Key_D: deleteCurrentRow(); return true;
        case Qt::Key_I: insertNew(); return true;
        case Qt::Key_N: newTransactionDialog(); return true;
        case Qt::Key_M: memorizeCurrentRow(); return true;
        default: return false;
        }
    }
    if (event->key() == Qt::Key_Apostrophe && !typesIntoText()) {
        copyFromAbove();
        return true;
    }
    return false;
}

bool RegisterScreen::isOpeningRow(int row) const
{
    const RegisterRow* stored = m_model->rowAt(row);
    return stored && stored->transaction.id.isEmpty();
}

bool RegisterScreen::refuseOpeningRowEdit(int row)
{
    if (!isOpeningRow(row))
        return false;
    showRefusal(tr("The opening balance is not a transaction: change it with Account › Edit."));
    return true;
}

bool RegisterScreen::typesIntoText() const
{
    // In "Trader Joe" the apostrophe is part of the name; only an empty or
    // wholly selected field takes the value from the row above.
    const auto* edit = qobject_cast<const QLineEdit*>(QApplication::focusWidget());
    return edit && isInsideView(edit) && !edit->text().isEmpty() && edit->selectedText() != edit->text();
}

bool RegisterScreen::isInsideView(const QObject* object) const
{
    if (!object->isWidgetType())
        return false;
    const auto* widget = static_cast<const QWidget*>(object);
    return widget == m_view || m_view->isAncestorOf(widget);
}

void RegisterScreen::showAccountHeader(const Account& account)
{
    m_nameLabel->setText(account.name);
    m_nameLabel->setToolTip(shownText(account.name));
    QString subtitle = account.institution;
    if (!account.institution.isEmpty() && !account.accountNumberLast4.isEmpty())
        subtitle += QStringLiteral("  ·  *%1").arg(account.accountNumberLast4);
    m_subtitleLabel->setText(subtitle);
    m_subtitleLabel->setVisible(!subtitle.isEmpty());
}

void RegisterScreen::showBalance(const CheckedSum& balance, Currency currency)
{
    m_balanceLabel->setText(balance ? formatCurrency(*balance, currency, m_model->amountFormat()) : RegisterModel::overflowText());
    m_balanceLabel->setToolTip(balance ? QString() : RegisterModel::overflowToolTip());
    const QColor color = !balance || *balance < 0 ? Palette::negative() : Palette::positive();
    m_balanceLabel->setStyleSheet(QStringLiteral("color: %1;").arg(colorName(color)));
}

void RegisterScreen::restorePosition(int row, int column, const QString& transactionId, int topRow, const QString& topTransactionId)
{
    const int lastRow = m_model->rowCount() - 1;
    int currentRow = m_model->rowForTransactionId(transactionId);
    if (currentRow < 0 && row >= 0)
        currentRow = std::min(row, lastRow);
    if (currentRow >= 0)
        m_view->setCurrentIndex(m_model->index(currentRow, std::max(column, 0)));

    int firstVisible = m_model->rowForTransactionId(topTransactionId);
    if (firstVisible < 0 && topRow >= 0)
        firstVisible = std::min(topRow, lastRow);
    if (firstVisible >= 0)
        m_view->scrollTo(m_model->index(firstVisible, 0), QAbstractItemView::PositionAtTop);
    if (currentRow >= 0)
        m_view->scrollTo(m_view->currentIndex());
}

std::optional<TransactionEntry> RegisterScreen::entryFromBuffer()
{
    const RegisterModel::EditBuffer& buffer = m_model->buffer();
    TransactionEntry entry;
    entry.payee = buffer.payeeText.trimmed();
    if (entry.payee.isEmpty()) {
        showRefusal(tr("Payee is required"));
        return std::nullopt;
    }
    const std::optional<qint64> amount = amountFromBuffer();
    if (!amount)
        return std::nullopt;
    entry.amount = *amount;
    const std::optional<QDate> date = buffer.dateText.trimmed().isEmpty()
        ? Clock::today()
        : resolveTypedDate(buffer.dateText, Clock::today().year());
    if (!date) {
        showRefusal(tr("Enter a valid date, such as %1").arg(registerDateText(Clock::today())));
        return std::nullopt;
    }
    entry.date = *date;
    entry.checkNumber = buffer.checkNumberText.trimmed();
    entry.memo = buffer.memoText.trimmed();
    const std::optional<QString> categoryId = categoryIdFromBuffer();
    if (!categoryId)
        return std::nullopt;
    entry.categoryId = *categoryId;
    const QString cleared = buffer.clearedText.trimmed().toUpper();
    entry.cleared = cleared == QLatin1String("C") || cleared == QLatin1String("R");
    entry.reconciled = cleared == QLatin1String("R");
    if (!resolveTransfer(entry))
        return std::nullopt;
    return entry;
}

std::optional<qint64> RegisterScreen::amountFromBuffer()
{
    const QString payment = m_model->buffer().paymentText.trimmed();
    const QString deposit = m_model->buffer().depositText.trimmed();
    if (payment.isEmpty() && deposit.isEmpty()) {
        showRefusal(tr("Enter a payment or deposit amount"));
        return std::nullopt;
    }
    const std::optional<qint64> amount =
        tryParseAmount(payment.isEmpty() ? deposit : payment, m_model->currency(), m_model->amountFormat());
    if (!amount) {
        showRefusal(tr("Enter a valid amount"));
        return std::nullopt;
    }
    return payment.isEmpty() ? *amount : -*amount;
}

std::optional<QString> RegisterScreen::categoryIdFromBuffer()
{
    const RegisterModel::EditBuffer& buffer = m_model->buffer();
    if (!buffer.categoryIdText.isEmpty())
        return buffer.categoryIdText;
    const QString text = buffer.categoryText.trimmed();
    if (text.isEmpty())
        return QString();
    // A category is named by its own name or as "Parent > Child", in any
    // case; a start that fits one category alone names it too.
    const QList<Category> categories = m_appState->categories()->all();
    QStringList exact;
    QStringList starting;
    for (const Category& category : categories) {
        const QStringList names = {category.name, categoryPath(category, categories)};
        for (const QString& name : names) {
            if (name.compare(text, Qt::CaseInsensitive) == 0 && !exact.contains(category.id))
                exact.append(category.id);
            else if (name.startsWith(text, Qt::CaseInsensitive) && !starting.contains(category.id))
                starting.append(category.id);
        }
    }
    if (exact.size() == 1)
        return exact.first();
    if (exact.isEmpty() && starting.size() == 1)
        return starting.first();
    showRefusal(exact.size() + starting.size() == 0
            ? tr("No category is named \"%1\"").arg(text)
            : tr("\"%1\" fits more than one category: choose one from the list").arg(text));
    return std::nullopt;
}

QString RegisterScreen::categoryPath(const Category& category, const QList<Category>& categories)
{
    const auto parent = std::find_if(categories.cbegin(), categories.cend(),
        [&](const Category& candidate) { return candidate.id == category.parentId; });
    return parent == categories.cend() ? category.name : QStringLiteral("%1 > %2").arg(parent->name, category.name);
}

bool RegisterScreen::resolveTransfer(TransactionEntry& entry)
{
    if (!entry.payee.startsWith(transferPrefix))
        return true;
    const QString targetName = entry.payee.mid(transferPrefix.size());
    const QList<Account> accounts = m_appState->accounts()->all();
    // A transfer into the register's own account would only move money in
    // a circle, so that account is never the target.
    const auto target = std::find_if(accounts.cbegin(), accounts.cend(),
        [&](const Account& account) { return account.name == targetName && account.id != m_accountId; });
    if (target == accounts.cend()) {
        showRefusal(tr("Transfer account not found"));
        return false;
    }
    const std::optional<Account> current = currentAccount();
    if (current && current->currency != target->currency) {
        showRefusal(tr("Transfers require both accounts to use the same currency"));
        Q_EMIT errorMessage(m_statusLabel->text());
        return false;
    }
    entry.transferAccountId = target->id;
    return true;
}

bool RegisterScreen::saveNewRow(const TransactionEntry& entry)
{
    const WriteOutcome outcome = m_appState->transactionService()->create(m_accountId, entry);
    if (!outcome.ok()) {
        reportFailure(tr("The transaction could not be saved."), outcome);
        return false;
    }
    m_model->setStickyDate(registerDateText(entry.date));
    m_model->clearBuffer();
    reload();
    focusEntryRow();
    return true;
}

bool RegisterScreen::saveEditedRow(int row, const TransactionEntry& entry)
{
    const RegisterRow* stored = m_model->rowAt(row);
    // The opening balance is not stored anywhere: saving it changes nothing.
    if (!stored || stored->transaction.id.isEmpty()) {
        reloadAndMoveBelow(row);
        return true;
    }
    const Transaction loaded = stored->transaction;
    WriteOutcome outcome = m_appState->transactionService()->edit(loaded, entry);
    if (outcome.status == WriteOutcome::Status::ChangedElsewhere)
        outcome = resolveChangedElsewhere(loaded, entry, outcome);
    if (!outcome.ok()) {
        if (outcome.status != WriteOutcome::Status::ChangedElsewhere)
            reportFailure(tr("The transaction could not be saved."), outcome);
        return false;
    }
    m_model->clearBuffer();
    reloadAndMoveBelow(row);
    return true;
}

WriteOutcome RegisterScreen::resolveChangedElsewhere(const Transaction& loaded, const TransactionEntry& entry,
    const WriteOutcome& outcome)
{
    const std::optional<Transaction> current = m_appState->transactions()->byId(loaded.id);
    QMessageBox box(QMessageBox::Warning, tr("Transaction Changed"),
        tr("%1\n\nWhat you typed is still on screen.").arg(outcome.message), QMessageBox::NoButton, this);
    QPushButton* keep = box.addButton(tr("Keep Editing"), QMessageBox::RejectRole);
    QPushButton* showSaved = box.addButton(tr("Show Saved Version"), QMessageBox::DestructiveRole);
    QPushButton* saveMine = nullptr;
    if (current && !current->deletedAt)
        saveMine = box.addButton(tr("Save Mine Instead"), QMessageBox::AcceptRole);
    box.setDefaultButton(keep);
    box.setEscapeButton(keep);
    box.exec();
    if (box.clickedButton() == saveMine)
        return m_appState->transactionService()->edit(*current, entry);
    if (box.clickedButton() == showSaved) {
        // The user chose to drop what was typed: show the row as stored.
        m_model->clearBuffer();
        m_model->setEditingRow(-1);
        reload();
    }
    return outcome;
}

void RegisterScreen::reportFailure(const QString& what, const WriteOutcome& outcome)
{
    QMessageBox::warning(this, tr("Not Saved"), QStringLiteral("%1\n\n%2").arg(what, outcome.message));
}

void RegisterScreen::reloadAndMoveBelow(int row)
{
    reload();
    if (row + 1 < m_model->rowCount())
        m_view->setCurrentIndex(m_model->index(row + 1, RegisterModel::DateColumn));
}

std::optional<Account> RegisterScreen::currentAccount() const
{
    return m_appState->accounts()->byId(m_accountId);
}
