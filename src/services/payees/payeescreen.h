#pragma once

#include <QStringList>
#include <QWidget>

class AppState;
class QLabel;
class QLineEdit;
class QListWidget;

// The payees of the live transactions, where the user renames them and
// merges several into one by rewriting the payee of every transaction that
// uses them. After each change the new name is selected and the list stays
// where it was scrolled to.
class PayeeScreen : public QWidget
{
    Q_OBJECT

public:
    explicit PayeeScreen(AppState* appState, QWidget* parent = nullptr);

    // Reads the payees again, keeping the selection and scroll position.
    void refresh();

Q_SIGNALS:
    // The payee of some transactions has been rewritten.
    void payeesChanged();

public Q_SLOTS:
    void onRename();
    void onMerge();

private:
    void buildLayout();
    // The selected payees in list order.
    QStringList selectedPayees() const;
    // Asks before several payees become one, which cannot be undone.
    bool confirmMerge(int payeeCount, const QString& target);
    void showRefusal(const QString& text);
    void reportFailure(const QString& title, const QString& what);
    // After a rename or merge: the list again with `target` selected.
    void showRewritten(const QString& target);
    void reload(const QStringList& selected);

    AppState* m_appState;
    QListWidget* m_list = nullptr;
    QLineEdit* m_renameField = nullptr;
    QLabel* m_refusal = nullptr;
};
