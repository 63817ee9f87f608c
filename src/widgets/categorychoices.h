#pragma once

#include "storage/category.h"

#include <QList>
#include <QString>

// One entry of a category picker: what the user reads and the id it stands for.
struct CategoryChoice
{
    QString text;
    QString id;
};

// The categories as pickers list them, in the given order: "Parent > Child"
// for a category whose parent is among `categories`, else its own name.
QList<CategoryChoice> categoryChoices(const QList<Category>& categories);
