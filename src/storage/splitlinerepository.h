#pragma once

#include "storage/splitline.h"

#include <QObject>

class Database;

class SplitLineRepository : public QObject
{
    Q_OBJECT

public:
    SplitLineRepository(Database* database, QObject* parent = nullptr);

    [[nodiscard]] bool insert(const SplitLine& line);

private:
    Database* m_database;
};
