#include "storage/storedtime.h"

namespace {

// Every stamp the program writes has one fixed form. Reading that form by
// hand is about four times quicker than Qt's general ISO 8601 parser, and a
// register listing reads three stamps a row; any other form, or a value that
// names no real day or time, goes to Qt's parser so the result never differs.
constexpr qsizetype dateLength = 10; // yyyy-MM-dd
constexpr qsizetype timeLength = 20; // yyyy-MM-ddTHH:mm:ssZ

// The value of `count` ASCII digits from `from` on, or -1 when one is not a digit.
int digitsValue(QStringView text, qsizetype from, qsizetype count)
{
    int value = 0;
    for (qsizetype i = from; i < from + count; ++i) {
        const char16_t c = text[i].unicode();
        if (c < u'0' || c > u'9')
            return -1;
        value = value * 10 + (c - u'0');
    }
    return value;
}

// `text` of dateLength as "yyyy-MM-dd"; invalid when it is not that form or not a real day.
QDate exactDate(QStringView text)
{
    if (text[4] != u'-' || text[7] != u'-')
        return {};
    const int year = digitsValue(text, 0, 4);
    const int month = digitsValue(text, 5, 2);
    const int day = digitsValue(text, 8, 2);
    if (year < 1 || month < 0 || day < 0)
        return {};
    return QDate(year, month, day);
}

// `text` of timeLength as "yyyy-MM-ddTHH:mm:ssZ"; invalid when it is not that form or not a real time.
QDateTime exactUtcTime(QStringView text)
{
    if (text[10] != u'T' || text[13] != u':' || text[16] != u':' || text[19] != u'Z')
        return {};
    const QDate date = exactDate(text.first(dateLength));
    const int hour = digitsValue(text, 11, 2);
    const int minute = digitsValue(text, 14, 2);
    const int second = digitsValue(text, 17, 2);
    if (!date.isValid() || hour < 0 || hour > 23 || minute < 0 || minute > 59 || second < 0 || second > 59)
        return {};
    return QDateTime(date, QTime(hour, minute, second), Qt::UTC);
}

} // namespace

QString dateToText(const QDate& date)
{
    return date.toString(Qt::ISODate);
}

QDate dateFromText(const QString& text)
{
    if (text.size() == dateLength) {
        const QDate date = exactDate(text);
        if (date.isValid())
            return date;
    }
    return QDate::fromString(text, Qt::ISODate);
}

QString timeToText(const QDateTime& time)
{
    return time.toUTC().toString(Qt::ISODate);
}

QDateTime timeFromText(const QString& text)
{
    if (text.size() == timeLength) {
        const QDateTime time = exactUtcTime(text);
        if (time.isValid())
            return time;
    }
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
