#include "services/categories/categoriesscreen.h"

#include "app/appstate.h"
#include "services/categories/categorynamedialog.h"
#include "services/categories/categoryservice.h"
#include "services/categories/categorytreemodel.h"
#include "storage/categoryrepository.h"

#include <QAction>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QTreeView>
#include <QVBoxLayout>

namespace {

constexpr int titlePointSize = 16;
constexpr int nameColumnWidth = 280;

} // namespace

CategoriesScreen::CategoriesScreen(AppState* appState, QWidget* parent)
    : QWidget(parent)
    , m_appState(appState)
    , m_model(new CategoryTreeModel(this))
{
    buildLayout();
    createActions();
    // Changes from sync show at once; this screen's own changes come back
    // the same way.
    connect(m_appState->categories(), &CategoryRepository::categoriesChanged, this, &CategoriesScreen::refresh);
    refresh();
}

void CategoriesScreen::refresh()
{
    rebuild(currentId());
}

void CategoriesScreen::onCreateCategory()
{
    const QString selectedId = currentId();
    CategoryNameDialog dialog(tr("New Category"), QString(),
        [this, selectedId](const QString& name) { return m_appState->categoryService()->create(name, selectedId); }, this);
    if (dialog.exec() == QDialog::Accepted)
        rebuild(dialog.outcome().id);
}

void CategoriesScreen::onEditCategory()
{
    const QString id = currentId();
    if (id.isEmpty())
        return;
    CategoryNameDialog dialog(tr("Edit Category"), m_model->categoryAt(m_tree->currentIndex()).name,
        [this, id](const QString& name) { return m_appState->categoryService()->rename(id, name); }, this);
    if (dialog.exec() == QDialog::Accepted)
        rebuild(id);
}

void CategoriesScreen::onDeleteCategory()
{
    const QModelIndex current = m_tree->currentIndex();
    const QString id = currentId();
    if (id.isEmpty())
        return;
    const QString question = tr("Delete \"%1\"? Transactions using this category will become uncategorized.")
                                 .arg(m_model->categoryAt(current).name);
    if (QMessageBox::question(this, tr("Delete Category"), question, QMessageBox::Yes | QMessageBox::No, QMessageBox::No)
        != QMessageBox::Yes)
        return;
    const QString neighbourId = neighbourOf(current);
    const WriteOutcome outcome = m_appState->categoryService()->remove(id);
    if (!outcome.ok()) {
        QMessageBox::warning(this, tr("Delete Category"),
            tr("The category could not be deleted.\n\n%1").arg(outcome.message));
        return;
    }
    rebuild(neighbourId);
}

void CategoriesScreen::buildLayout()
{
    auto* layout = new QVBoxLayout(this);
    auto* title = new QLabel(tr("Categories"), this);
    QFont titleFont = title->font();
    titleFont.setPointSize(titlePointSize);
    titleFont.setBold(true);
    title->setFont(titleFont);

    auto* newButton = new QPushButton(tr("+ New Category"), this);
    newButton->setObjectName(QStringLiteral("newCategoryButton"));
    connect(newButton, &QPushButton::clicked, this, &CategoriesScreen::onCreateCategory);
    auto* header = new QHBoxLayout;
    header->addWidget(title, 1);
    header->addWidget(newButton);
    layout->addLayout(header);

    m_tree = new QTreeView(this);
    m_tree->setObjectName(QStringLiteral("categoryTree"));
    m_tree->setModel(m_model);
    m_tree->setSelectionMode(QAbstractItemView::SingleSelection);
    m_tree->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_tree->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_tree->setContextMenuPolicy(Qt::CustomContextMenu);
    m_tree->header()->resizeSection(CategoryTreeModel::NameColumn, nameColumnWidth);
    connect(m_tree, &QWidget::customContextMenuRequested, this, &CategoriesScreen::onContextMenu);
    layout->addWidget(m_tree, 1);
}

void CategoriesScreen::createActions()
{
    m_newAction = new QAction(tr("&New Category"), this);
    m_newAction->setShortcut(QKeySequence::New);
    connect(m_newAction, &QAction::triggered, this, &CategoriesScreen::onCreateCategory);
    m_editAction = new QAction(tr("&Edit"), this);
    m_editAction->setShortcut(Qt::Key_F2);
    connect(m_editAction, &QAction::triggered, this, &CategoriesScreen::onEditCategory);
    m_deleteAction = new QAction(tr("&Delete"), this);
    m_deleteAction->setShortcut(QKeySequence::Delete);
    connect(m_deleteAction, &QAction::triggered, this, &CategoriesScreen::onDeleteCategory);
    for (QAction* action : {m_newAction, m_editAction, m_deleteAction}) {
        action->setShortcutContext(Qt::WidgetWithChildrenShortcut);
        addAction(action);
    }
}

void CategoriesScreen::onContextMenu(const QPoint& position)
{
    const QModelIndex clicked = m_tree->indexAt(position);
    QMenu menu(this);
    menu.addAction(m_newAction);
    if (clicked.isValid()) {
        m_tree->setCurrentIndex(clicked);
        menu.addAction(m_editAction);
        menu.addAction(m_deleteAction);
    }
    menu.exec(m_tree->viewport()->mapToGlobal(position));
}

void CategoriesScreen::rebuild(const QString& selectedId)
{
    // The view keeps its scroll position through the reset by itself.
    m_model->setCategories(m_appState->categories()->all());
    m_tree->expandAll();
    const QModelIndex selected = m_model->indexOf(selectedId);
    if (selected.isValid()) {
        m_tree->setCurrentIndex(selected);
        m_tree->scrollTo(selected, QAbstractItemView::EnsureVisible);
    }
}

QString CategoriesScreen::currentId() const
{
    // The view makes its first row current when it takes the focus, without
    // selecting it: only a category the user selected counts.
    const QModelIndex current = m_tree->currentIndex();
    return m_tree->selectionModel()->isSelected(current) ? m_model->categoryAt(current).id : QString();
}

QString CategoriesScreen::neighbourOf(const QModelIndex& index) const
{
    const QModelIndex parent = index.parent();
    const int rows = m_model->rowCount(parent);
    if (index.row() + 1 < rows)
        return m_model->categoryAt(m_model->index(index.row() + 1, 0, parent)).id;
    if (index.row() > 0)
        return m_model->categoryAt(m_model->index(index.row() - 1, 0, parent)).id;
    return m_model->categoryAt(parent).id;
}
