#pragma once

#include "storage/category.h"

#include <QList>
#include <QObject>
#include <optional>

class Database;

class CategoryRepository : public QObject
{
    Q_OBJECT

public:
    CategoryRepository(Database* database, QObject* parent = nullptr);

    int count();
    QList<Category> all();
    std::optional<Category> byId(const QString& id);
    std::optional<Category> byName(const QString& name);
    QList<Category> pending();

    bool insert(const Category& category);
    bool update(const Category& category);
    bool softDelete(const QString& id);
    bool markSynced(const QString& id, const QString& serverId);
    int markAllPendingForResync();

Q_SIGNALS:
    void categoriesChanged();

private:
    Database* m_database;
};
