#pragma once

#include "services/recurring/recurringservice.h"

#include <QWidget>
#include <functional>

class AppState;
class QLabel;
class QPushButton;
class QTableView;
class RecurringFormDialog;
class RecurringModel;

// The recurring rules with their actions: confirm the due ones (all at once
// or one by one), skip an occurrence, and create, edit or delete rules.
class RecurringScreen : public QWidget
{
    Q_OBJECT

public:
    explicit RecurringScreen(AppState* appState, QWidget* parent = nullptr);

    // Reads the rules and the due count again.
    void refresh();
    QTableView* view() const { return m_view; }

    // One line per rule that was not posted: its payee and why.
    static QString problemList(const QList<RecurringProblem>& problems);

Q_SIGNALS:
    // Transactions were posted: the register and balances must reload.
    void transactionsChanged();

public Q_SLOTS:
    void onContextMenu(const QPoint& position);
    void showNewForm();
    void showEditForm();
    void confirmSelected();
    void skipSelected();
    void deleteSelected();

protected:
    void changeEvent(QEvent* event) override;

private:
    void buildLayout();
    void confirmAllDue();
    const RecurringTransaction* selectedRule() const;
    // Runs `dialog` until it is cancelled or `save` stores its rule; a
    // refused save says why and reopens the form as typed.
    void runForm(RecurringFormDialog& dialog, const std::function<WriteOutcome(const RecurringTransaction&)>& save);
    void reportFailure(const QString& title, const QString& what, const WriteOutcome& outcome);

    AppState* m_appState;
    RecurringModel* m_model = nullptr;
    QTableView* m_view = nullptr;
    QLabel* m_dueLabel = nullptr;
    QPushButton* m_confirmAllButton = nullptr;
};
