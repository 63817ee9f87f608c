#pragma once

#include <QWidget>

class AppState;
class CategoryTreeModel;
class QAction;
class QTreeView;

// The category tree, where the user creates, renames and deletes
// categories. A new category is made a child of the selected one only when
// that one stands at the top, so the tree stays two levels deep. The
// selection and the scroll position survive every change.
class CategoriesScreen : public QWidget
{
    Q_OBJECT

public:
    explicit CategoriesScreen(AppState* appState, QWidget* parent = nullptr);

    // Reads the categories again, keeping the selection and scroll position.
    void refresh();

public Q_SLOTS:
    void onCreateCategory();
    void onEditCategory();
    void onDeleteCategory();

private:
    void buildLayout();
    void createActions();
    void onContextMenu(const QPoint& position);
    // Rebuilds the tree and selects `selectedId`, scrolled into view when
    // it is not; otherwise the view stays where it was scrolled.
    void rebuild(const QString& selectedId);
    QString currentId() const;
    // The category to select once the one at `index` is gone: the next one
    // beside it, else the one before, else its parent.
    QString neighbourOf(const QModelIndex& index) const;

    AppState* m_appState;
    CategoryTreeModel* m_model;
    QTreeView* m_tree = nullptr;
    QAction* m_newAction = nullptr;
    QAction* m_editAction = nullptr;
    QAction* m_deleteAction = nullptr;
};
