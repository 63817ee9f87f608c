#include "register/categorychoices.h"

#include <QHash>

QList<CategoryChoice> categoryChoices(const QList<Category>& categories)
{
    QHash<QString, QString> namesById;
    for (const Category& category : categories)
        namesById.insert(category.id, category.name);

    QList<CategoryChoice> choices;
    choices.reserve(categories.size());
    for (const Category& category : categories) {
        const auto parent = namesById.constFind(category.parentId);
        const bool hasKnownParent = !category.parentId.isEmpty() && parent != namesById.constEnd();
        const QString text = hasKnownParent ? QStringLiteral("%1 > %2").arg(*parent, category.name) : category.name;
        choices.append({text, category.id});
    }
    return choices;
}
