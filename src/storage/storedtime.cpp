#include "storage/storedtime.h"

QString dateToText(const QDate& date)
{
    return date.toString(Qt::ISODate);
}

QDate dateFromText(const QString& text)
{
    return QDate::fromString(text, Qt::ISODate);
}

QString timeToText(const QDateTime& time)
{
    return time.toUTC().toString(Qt::ISODate);
}

QDateTime timeFromText(const QString& text)
{
    return QDateTime::fromString(text, Qt::ISODate);
}

QVariant optionalTimeValue(const std::optional<QDateTime>& time)
{
    return time ? QVariant(timeToText(*time)) : QVariant();
}

std::optional<QDateTime> optionalTimeFromText(const QString& text)
{
    if (text.isEmpty())
        return std::nullopt;
    return timeFromText(text);
}

QVariant optionalDateValue(const std::optional<QDate>& date)
{
    return date ? QVariant(dateToText(*date)) : QVariant();
}

std::optional<QDate> optionalDateFromText(const QString& text)
{
    if (text.isEmpty())
        return std::nullopt;
    return dateFromText(text);
}
