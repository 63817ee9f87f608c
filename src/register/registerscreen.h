#pragma once

#include "bookkeeping/transactionservice.h"
#include "register/registermodel.h"
#include "storage/account.h"
#include "storage/category.h"
#include "storage/money.h"
#include "storage/recurringtransaction.h"
#include "storage/transaction.h"

#include <QElapsedTimer>
#include <QMessageBox>
#include <QWidget>
#include <functional>
#include <optional>

class AppState;
class BalanceLabel;
class ElidedLabel;
class FieldNavigator;
class QLabel;
class QMouseEvent;
class QPushButton;
class QTimer;
class RegisterDelegate;
class RegisterTableView;

// The register of one account: a header with the account's name and
// balance, the grid in which transactions are typed and edited in place, a
// status line and the keyboard hints. The screen turns the typed row into
// transactions (both sides of a transfer), deletes, clears, memorizes and
// opens the transaction dialog.
class RegisterScreen : public QWidget
{
    Q_OBJECT

public:
    explicit RegisterScreen(AppState* appState, QWidget* parent = nullptr);
    ~RegisterScreen() override;

    // Shows the account's register with the keyboard in its entry row.
    void setAccount(const QString& accountId);
    QString accountId() const { return m_accountId; }
    // Rebuilds the listing from the database, keeping the current cell and
    // the scroll position. Skipped while an editor is open.
    void reload();
    void insertNew();
    void focusEntryRow();
    void showStatus(const QString& text, int milliseconds);
    // Says why a row was not saved, in the warning colour, until a key is
    // pressed after at least five seconds.
    void showRefusal(const QString& text);
    int rowForTransactionId(const QString& id) const;
    void memorizeCurrentRow();
    void toggleCleared(int row);
    // Asks, then deletes the stored row (both sides of a transfer).
    void confirmAndDelete(int row);
    // Before the register's row is left for something else (another
    // account, closing the window): typing not yet saved is saved or
    // discarded as the user chooses. False when the user stays.
    bool mayLeaveRow();

    RegisterModel* model() const { return m_model; }
    RegisterTableView* view() const { return m_view; }
    RegisterDelegate* delegate() const { return m_delegate; }

    bool focusNextPrevChild(bool next) override;

Q_SIGNALS:
    void newTransactionRequested(const QString& accountId);
    void editTransactionRequested(const QString& transactionId);
    void reconcileRequested(const QString& accountId);
    // Ctrl+M on a stored row: `seed` is a monthly rule made from it, for
    // the recurring form to start from.
    void memorizeRequested(const RecurringTransaction& seed);
    void errorMessage(const QString& text);

public Q_SLOTS:
    void onContextMenu(const QPoint& position);
    void commitCurrentRow();
    void deleteCurrentRow();
    void copyFromAbove();
    void startEditingRow(int row);
    void newTransactionDialog();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    enum class LeaveOutcome { NothingTyped, Saved, Discarded, Stayed };
    // A row named so it can be found again after the listing is rebuilt.
    struct RowPlace
    {
        int row = -1;
        bool isEntryRow = false;
        QString transactionId;
    };

    void buildLayout();
    void configureView();
    bool handleKey(const QKeyEvent* event);
    bool isInsideView(const QObject* object) const;
    // True while the focused field holds text of its own that a typed
    // apostrophe belongs to.
    bool typesIntoText() const;
    void clearReadRefusal();
    // Ctrl+I, Ctrl+N, Ctrl+D and Ctrl+M: keys the register answers itself.
    static bool isRegisterCommand(const QKeyEvent* event);
    bool isOpeningRow(int row) const;
    // Says where the opening balance is changed, when `row` is its row.
    bool refuseOpeningRowEdit(int row);
    void showAccountHeader(const Account& account);
    void showBalance(const CheckedSum& balance, Currency currency);
    void restorePosition(int row, int column, const QString& transactionId, int topRow, const QString& topTransactionId);

    std::optional<TransactionEntry> entryFromBuffer();
    std::optional<qint64> amountFromBuffer();
    // The category the row names, or none (a refusal is shown) when its
    // text names no category or more than one.
    std::optional<QString> categoryIdFromBuffer();
    static QString categoryPath(const Category& category, const QList<Category>& categories);
    bool resolveTransfer(TransactionEntry& entry);
    void restoreTyping(const RegisterModel::EditBuffer& typed, const RegisterModel::EditBuffer& loaded,
        const QString& editedId);
    LeaveOutcome settleTypedRow();
    QMessageBox::StandardButton askAboutTypedRow();
    bool saveTypedRow();
    void discardTypedRow();
    // A key or click that would leave a row with unsaved typing waits for
    // the user's answer; true when the event was dealt with here.
    bool settleBeforeKey(const QKeyEvent* event);
    bool settleBeforeClick(const QMouseEvent* event);
    bool movesToAnotherRow(const QKeyEvent* event) const;
    // Settles the typed row; unless the user stays, `moveOn` then gets the
    // row's place after the settling. False when nothing was typed.
    bool settleThen(const RowPlace& place, const std::function<void(int row)>& moveOn);
    RowPlace placeOf(int row) const;
    // Where a row is after a save may have rebuilt the listing.
    int rowAfterSettling(const RowPlace& place) const;
    bool saveNewRow(const TransactionEntry& entry);
    bool saveEditedRow(int row, const TransactionEntry& entry);
    // The row was changed elsewhere since it was loaded: the user keeps
    // editing (default), looks at the stored row, or saves over it.
    WriteOutcome resolveChangedElsewhere(const Transaction& loaded, const TransactionEntry& entry,
        const WriteOutcome& outcome);
    // A box that can't be missed: `what` did not happen, and why.
    void reportFailure(const QString& what, const WriteOutcome& outcome);
    // After an edit the row below is next, as in a paper register.
    void reloadAndMoveBelow(int row);
    std::optional<Account> currentAccount() const;

    AppState* m_appState;
    QString m_accountId;
    RegisterModel* m_model;
    RegisterDelegate* m_delegate;
    RegisterTableView* m_view;
    FieldNavigator* m_navigator;
    ElidedLabel* m_nameLabel = nullptr;
    BalanceLabel* m_balanceLabel = nullptr;
    ElidedLabel* m_subtitleLabel = nullptr;
    QPushButton* m_reconcileButton = nullptr;
    QLabel* m_statusLabel = nullptr;
    QLabel* m_hintLabel = nullptr;
    QTimer* m_statusTimer = nullptr;
    QElapsedTimer m_refusalShown;
    // Set while a key held back for the question is passed on to the grid.
    bool m_passingKeyOn = false;
};
