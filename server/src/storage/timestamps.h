#pragma once

#include <QDateTime>
#include <QString>

// Times are stored as UTC ISO 8601 text with milliseconds and a trailing Z,
// so that stored stamps compare correctly as text in every database.
class Timestamps
{
public:
    static QString toText(const QDateTime &time);
    static QDateTime fromText(const QString &text);
    static QString nowText();
};
