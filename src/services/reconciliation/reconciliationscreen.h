#pragma once

#include "storage/account.h"
#include "storage/money.h"

#include <QWidget>
#include <optional>

class AppState;
class DateField;
class QGridLayout;
class QKeyEvent;
class QLabel;
class QPushButton;
class QTableView;
class ReconciliationModel;
class SmartAmountField;
struct Transaction;
struct WriteOutcome;

// Reconciles one account against a bank statement: the user enters the
// statement's date and ending balance and ticks the transactions it lists
// (Space, C or R on a row); the difference between the statement and the
// ticked balance stays in view, and finishing is possible exactly when it
// is zero. Transactions can be added, edited and deleted without leaving.
// Nothing is stored until the reconciliation is finished.
class ReconciliationScreen : public QWidget
{
    Q_OBJECT

public:
    explicit ReconciliationScreen(AppState* appState, QWidget* parent = nullptr);

    // Reads the account, suggests the statement date and lists its
    // unreconciled transactions. A missing account leaves the screen empty.
    void start(const QString& accountId);
    QString accountId() const { return m_accountId; }
    ReconciliationModel* model() const { return m_model; }

Q_SIGNALS:
    void reconciliationCompleted();
    void cancelled();

public Q_SLOTS:
    // Inverts the tick of `row`, as Space, C and R do on the current row.
    void onTransactionToggled(int row);
    void updateDifference();
    void finish();
    void addTransaction();
    void editSelectedTransaction();
    void deleteSelectedTransaction();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildLayout();
    QWidget* buildStatementPanel();
    QWidget* buildTransactionsPanel();
    QLabel* addSummaryRow(QGridLayout* grid, const QString& label, const char* valueName, bool bold = false);
    void connectKeys();
    // Reads the account, the previous balance and the list again; the
    // ticks and the current row stay with their transactions.
    void reload();
    void selectTransaction(const QString& transactionId, int fallbackRow);
    const Transaction* selectedTransaction();
    bool handleTableKey(const QKeyEvent* event);
    bool moveOnFromField(QObject* watched, const QKeyEvent* event);
    // Says so under the date field while its text is no date; true when it is one.
    bool checkStatementDate();
    void keepTypedDate();
    Currency currency() const;
    QString shown(const CheckedSum& amount) const;
    void showRefusal(const QString& text);
    void reportFailure(const QString& title, const QString& what, const WriteOutcome& outcome);

    AppState* m_appState;
    QString m_accountId;
    std::optional<Account> m_account;
    CheckedSum m_previousBalance = 0;
    Currency m_fieldCurrency = Currency::USD;
    ReconciliationModel* m_model;

    DateField* m_dateField = nullptr;
    QLabel* m_dateProblem = nullptr;
    SmartAmountField* m_balanceField = nullptr;
    QLabel* m_previousValue = nullptr;
    QLabel* m_depositsValue = nullptr;
    QLabel* m_withdrawalsValue = nullptr;
    QLabel* m_clearedValue = nullptr;
    QLabel* m_statementValue = nullptr;
    QLabel* m_differenceValue = nullptr;
    QLabel* m_refusal = nullptr;
    QPushButton* m_finishButton = nullptr;
    QPushButton* m_cancelButton = nullptr;
    QTableView* m_table = nullptr;
    QPushButton* m_addButton = nullptr;
    QPushButton* m_editButton = nullptr;
    QPushButton* m_deleteButton = nullptr;
};
