#pragma once

#include <QByteArray>
#include <QJsonObject>
#include <QStringList>
#include <QVariant>
#include <optional>

// A table row as the JSON file of a backup: one member per column, named by
// the column, in column order, written indented.
class RowJson
{
public:
    // The row file of `values` under `columns`. Written by hand because
    // QJsonObject keeps its members sorted by name, not in column order.
    static QByteArray write(const QStringList& columns, const QVariantList& values);
    // The manifest's text, indented like the rows.
    static QByteArray writeObject(const QJsonObject& object);

    // The object a row file holds; none when it is no JSON object or an
    // empty one.
    static std::optional<QJsonObject> read(const QByteArray& json);
    // The value to bind for a member: NULL, a boolean, text or a 64-bit
    // integer. None for arrays, objects and numbers that are no whole
    // number, which no column of ours holds.
    static std::optional<QVariant> boundValue(const QJsonValue& value);
};
