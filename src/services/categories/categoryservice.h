#pragma once

#include "bookkeeping/writeoutcome.h"

#include <QList>
#include <QObject>

class CategoryRepository;
class Database;
struct Category;

// Keeps the category table usable from the first start (an empty table is
// filled with the default category tree) and holds the rules for the
// categories the user creates, renames and deletes.
class CategoryService : public QObject
{
    Q_OBJECT

public:
    CategoryService(Database* database, CategoryRepository* categories, QObject* parent = nullptr);

    // Creates the default tree when no live category exists. The names
    // follow the interface language at the moment of seeding, and each id is
    // derived from its type, parent name and name, so the same default
    // category has the same id on every device seeded in that language. The
    // tree is written whole or not at all: a failure logs a warning and
    // leaves the table as it was, to be seeded at the next start. Deleted
    // default rows come back to life under their own ids.
    void ensureDefaultCategories();

    // A new category named `name` (trimmed). It becomes a child of
    // `selectedId` when that category stands at the top of the tree and
    // takes its type; otherwise it stands at the top itself, as an expense
    // category. So the tree the user builds stays two levels deep. Refused
    // when the name is empty or a category beside it already has it.
    WriteOutcome create(const QString& name, const QString& selectedId);
    // Gives the category a new name (trimmed), refused as for create.
    WriteOutcome rename(const QString& id, const QString& name);
    // Soft-deletes the category. Its children stand at the top of the tree
    // afterwards, and the transactions that use it show no category while
    // keeping its id.
    WriteOutcome remove(const QString& id);

private:
    // Refused when `category`'s name is empty or a category beside it in
    // the tree (under the same shown parent) already has that name in any
    // case, since the register could not tell the two apart.
    WriteOutcome checkName(const Category& category, const QList<Category>& live) const;

    [[nodiscard]] bool seedDefaultCategories();
    [[nodiscard]] bool writeDefaultCategory(const Category& category);

    Database* m_database;
    CategoryRepository* m_categories;
};
