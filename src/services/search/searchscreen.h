#pragma once

#include <QWidget>

class AppState;
class QCheckBox;
class QComboBox;
class QDateEdit;
class QLabel;
class QLineEdit;
class QTableView;
class QTimer;
class RegisterModel;
enum class StorageFailure;

// Finds transactions of every account by the words of their payee, memo or
// check number, narrowed by account, category, a date range and "Cleared
// only", and lists them with the register's own columns and colours.
class SearchScreen : public QWidget
{
    Q_OBJECT

public:
    explicit SearchScreen(AppState* appState, QWidget* parent = nullptr);

    // Refills the account and category filters from the database.
    void refresh();
    void focusSearch();

    QLineEdit* searchField() const { return m_searchField; }
    QTableView* resultsView() const { return m_results; }
    RegisterModel* resultsModel() const { return m_model; }

Q_SIGNALS:
    // A result was double-clicked: open it where it lives.
    void editTransactionRequested(const QString& transactionId);

public Q_SLOTS:
    void performSearch();

private:
    void buildLayout();
    QWidget* buildFilterRow();
    void connectTriggers();
    void fillAccounts();
    void fillCategories();
    static QString failureText(StorageFailure cause);
    void openResult(const QModelIndex& index);

    AppState* m_appState;
    QLineEdit* m_searchField = nullptr;
    QComboBox* m_accountFilter = nullptr;
    QComboBox* m_categoryFilter = nullptr;
    QCheckBox* m_dateRange = nullptr;
    QDateEdit* m_fromDate = nullptr;
    QDateEdit* m_toDate = nullptr;
    QCheckBox* m_clearedOnly = nullptr;
    QTableView* m_results = nullptr;
    RegisterModel* m_model = nullptr;
    QLabel* m_failure = nullptr;
    // Typing is searched once it pauses, not at every key.
    QTimer* m_typingPause = nullptr;
};
