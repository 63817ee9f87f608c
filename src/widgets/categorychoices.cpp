#include "widgets/categorychoices.h"

#include "storage/textlimits.h"

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
        // A stored name of a megabyte would stall every picker that measures
        // its items; the id, not the text, says which category was chosen.
        choices.append({shownText(text), category.id});
    }
    return choices;
}
