#pragma once

#include <QObject>

class CategoryRepository;

// Keeps the category table usable from the first start: an empty table is
// filled with the default category tree.
class CategoryService : public QObject
{
    Q_OBJECT

public:
    explicit CategoryService(CategoryRepository* categories, QObject* parent = nullptr);

    // Creates the default tree when no live category exists. The names
    // follow the interface language at the moment of seeding, and each id is
    // derived from its type, parent name and name, so the same default
    // category has the same id on every device seeded in that language.
    void ensureDefaultCategories();

private:
    void seedDefaultCategories();

    CategoryRepository* m_categories;
};
