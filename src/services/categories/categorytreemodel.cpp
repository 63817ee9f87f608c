#include "services/categories/categorytreemodel.h"

#include "widgets/palette.h"

#include <QFont>
#include <algorithm>

CategoryTreeModel::CategoryTreeModel(QObject* parent)
    : QAbstractItemModel(parent)
    , m_root(std::make_unique<Node>())
{
}

CategoryTreeModel::~CategoryTreeModel() = default;

void CategoryTreeModel::setCategories(const QList<Category>& categories)
{
    beginResetModel();
    m_root->children.clear();
    m_byId.clear();
    m_nodes.clear();
    for (const Category& category : categories) {
        auto node = std::make_unique<Node>();
        node->category = category;
        m_byId.insert(category.id, node.get());
        m_nodes.push_back(std::move(node));
    }
    // The order of the ids, not of the names: children keep one order
    // whatever they are renamed to.
    std::vector<Node*> byId;
    for (const auto& node : m_nodes)
        byId.push_back(node.get());
    std::sort(byId.begin(), byId.end(), [](const Node* a, const Node* b) { return a->category.id < b->category.id; });
    for (Node* node : byId) {
        Node* parent = m_byId.value(node->category.parentId, nullptr);
        attach(node, parent && !isAncestorOrSelf(node, parent) ? parent : m_root.get());
    }
    endResetModel();
}

Category CategoryTreeModel::categoryAt(const QModelIndex& index) const
{
    return index.isValid() ? nodeAt(index)->category : Category();
}

QModelIndex CategoryTreeModel::indexOf(const QString& id) const
{
    const Node* node = m_byId.value(id, nullptr);
    return node ? createIndex(node->row, NameColumn, node) : QModelIndex();
}

QModelIndex CategoryTreeModel::index(int row, int column, const QModelIndex& parent) const
{
    const Node* parentNode = nodeAt(parent);
    if (row < 0 || row >= parentNode->children.size() || column < 0 || column >= ColumnCount)
        return QModelIndex();
    return createIndex(row, column, parentNode->children.at(row));
}

QModelIndex CategoryTreeModel::parent(const QModelIndex& child) const
{
    if (!child.isValid())
        return QModelIndex();
    const Node* parentNode = nodeAt(child)->parent;
    if (!parentNode || parentNode == m_root.get())
        return QModelIndex();
    return createIndex(parentNode->row, NameColumn, parentNode);
}

int CategoryTreeModel::rowCount(const QModelIndex& parent) const
{
    if (parent.column() > NameColumn)
        return 0;
    return nodeAt(parent)->children.size();
}

int CategoryTreeModel::columnCount(const QModelIndex&) const
{
    return ColumnCount;
}

QVariant CategoryTreeModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid())
        return QVariant();
    const Node* node = nodeAt(index);
    const Category& category = node->category;
    if (role == Qt::DisplayRole) {
        switch (index.column()) {
        case NameColumn: return category.name;
        // The stored words, as the sync service and reports know them.
        case TypeColumn: return toStoredText(category.type);
        case TaxCodeColumn: return category.isTaxRelevant ? category.taxCategory : QString();
        }
    }
    if (role == Qt::FontRole && index.column() == NameColumn && !node->children.isEmpty()) {
        QFont bold;
        bold.setBold(true);
        return bold;
    }
    if (role == Qt::ForegroundRole && index.column() == TypeColumn && category.type == CategoryType::Income)
        return Palette::positive();
    return QVariant();
}

QVariant CategoryTreeModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return QVariant();
    switch (section) {
    case NameColumn: return tr("Category");
    case TypeColumn: return tr("Type");
    case TaxCodeColumn: return tr("Tax Code");
    }
    return QVariant();
}

CategoryTreeModel::Node* CategoryTreeModel::nodeAt(const QModelIndex& index) const
{
    return index.isValid() ? static_cast<Node*>(index.internalPointer()) : m_root.get();
}

void CategoryTreeModel::attach(Node* child, Node* parent)
{
    child->parent = parent;
    child->row = parent->children.size();
    parent->children.append(child);
}

bool CategoryTreeModel::isAncestorOrSelf(const Node* ancestor, const Node* node)
{
    for (const Node* step = node; step; step = step->parent) {
        if (step == ancestor)
            return true;
    }
    return false;
}
