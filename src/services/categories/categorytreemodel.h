#pragma once

#include "storage/category.h"

#include <QAbstractItemModel>
#include <QHash>
#include <QList>
#include <memory>
#include <vector>

// The categories as a tree for the categories screen: name, type and tax
// code, parents in bold, income in the positive colour. Items can be
// selected but not edited in place.
class CategoryTreeModel : public QAbstractItemModel
{
    Q_OBJECT

public:
    enum Column { NameColumn, TypeColumn, TaxCodeColumn, ColumnCount };

    explicit CategoryTreeModel(QObject* parent = nullptr);
    ~CategoryTreeModel() override;

    // Rebuilds the whole tree. The categories are attached in the order of
    // their ids, each as the last child of its parent; one whose parent is
    // not among them (deleted, or unknown) stands at the top.
    void setCategories(const QList<Category>& categories);
    // The category at `index`; an empty record for the invalid index.
    Category categoryAt(const QModelIndex& index) const;
    // The first column's index of the category `id`; invalid when absent.
    QModelIndex indexOf(const QString& id) const;

    QModelIndex index(int row, int column, const QModelIndex& parent = QModelIndex()) const override;
    QModelIndex parent(const QModelIndex& child) const override;
    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

private:
    struct Node
    {
        Category category;
        Node* parent = nullptr;
        QList<Node*> children;
        int row = 0;
    };

    Node* nodeAt(const QModelIndex& index) const;
    static void attach(Node* child, Node* parent);
    // True when `ancestor` is `node` or above it: attaching under it would
    // make a loop that no row of the tree reaches.
    static bool isAncestorOrSelf(const Node* ancestor, const Node* node);

    std::unique_ptr<Node> m_root;
    std::vector<std::unique_ptr<Node>> m_nodes;
    QHash<QString, Node*> m_byId;
};
