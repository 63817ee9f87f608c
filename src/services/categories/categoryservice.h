#pragma once

#include <QObject>

class CategoryRepository;
class Database;
struct Category;

// Keeps the category table usable from the first start: an empty table is
// filled with the default category tree.
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

private:
    [[nodiscard]] bool seedDefaultCategories();
    [[nodiscard]] bool writeDefaultCategory(const Category& category);

    Database* m_database;
    CategoryRepository* m_categories;
};
