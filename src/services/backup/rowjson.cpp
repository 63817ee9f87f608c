#include "services/backup/rowjson.h"

#include <QJsonDocument>
#include <QJsonParseError>
#include <cmath>

namespace {

void appendEscaped(QByteArray& out, const QString& text)
{
    out.append('"');
    const QByteArray utf8 = text.toUtf8();
    for (const char c : utf8) {
        switch (c) {
        case '"': out.append("\\\""); break;
        case '\\': out.append("\\\\"); break;
        case '\b': out.append("\\b"); break;
        case '\f': out.append("\\f"); break;
        case '\n': out.append("\\n"); break;
        case '\r': out.append("\\r"); break;
        case '\t': out.append("\\t"); break;
        default:
            if (static_cast<unsigned char>(c) < 0x20) {
                out.append("\\u00");
                out.append(QByteArray::number(static_cast<unsigned char>(c), 16).rightJustified(2, '0'));
            } else {
                out.append(c);
            }
        }
    }
    out.append('"');
}

void appendValue(QByteArray& out, const QVariant& value)
{
    if (value.isNull()) {
        out.append("null");
        return;
    }
    switch (value.typeId()) {
    case QMetaType::LongLong:
    case QMetaType::Int:
    case QMetaType::UInt:
        out.append(QByteArray::number(value.toLongLong()));
        break;
    case QMetaType::Double:
        out.append(QByteArray::number(value.toDouble(), 'g', QLocale::FloatingPointShortest));
        break;
    case QMetaType::Bool:
        out.append(value.toBool() ? "true" : "false");
        break;
    case QMetaType::QByteArray:
        appendEscaped(out, QString::fromUtf8(value.toByteArray()));
        break;
    default:
        appendEscaped(out, value.toString());
    }
}

} // namespace

QByteArray RowJson::write(const QStringList& columns, const QVariantList& values)
{
    QByteArray out;
    out.reserve(64 * columns.size());
    out.append("{\n");
    for (int index = 0; index < columns.size(); ++index) {
        out.append("    ");
        appendEscaped(out, columns.at(index));
        out.append(": ");
        appendValue(out, values.value(index));
        out.append(index + 1 < columns.size() ? ",\n" : "\n");
    }
    out.append("}\n");
    return out;
}

QByteArray RowJson::writeObject(const QJsonObject& object)
{
    return QJsonDocument(object).toJson(QJsonDocument::Indented);
}

std::optional<QJsonObject> RowJson::read(const QByteArray& json)
{
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(json, &error);
    if (error.error != QJsonParseError::NoError || !document.isObject() || document.object().isEmpty())
        return std::nullopt;
    return document.object();
}

std::optional<QVariant> RowJson::boundValue(const QJsonValue& value)
{
    switch (value.type()) {
    case QJsonValue::Null: return QVariant();
    case QJsonValue::Bool: return QVariant(value.toBool());
    case QJsonValue::String: return QVariant(value.toString());
    case QJsonValue::Double: {
        const QVariant number = value.toVariant();
        if (number.typeId() == QMetaType::LongLong)
            return number;
        const double real = value.toDouble();
        // Whole numbers only, and only those a 64-bit integer holds exactly.
        if (std::trunc(real) != real || std::fabs(real) >= 9.0e18)
            return std::nullopt;
        return QVariant(qint64(real));
    }
    case QJsonValue::Array:
    case QJsonValue::Object:
    case QJsonValue::Undefined: break;
    }
    return std::nullopt;
}
