#include "storage/timestamps.h"

#include <QTimeZone>

namespace {
const QString storedFormat = QStringLiteral("yyyy-MM-ddTHH:mm:ss.zzzZ");
}

QString Timestamps::toText(const QDateTime &time)
{
    return time.toUTC().toString(storedFormat);
}

QDateTime Timestamps::fromText(const QString &text)
{
    QDateTime time = QDateTime::fromString(text, Qt::ISODateWithMs);
    return time.isValid() ? time.toUTC() : QDateTime();
}

QString Timestamps::nowText()
{
    return toText(QDateTime::currentDateTimeUtc());
}
