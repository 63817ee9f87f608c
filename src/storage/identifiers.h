#pragma once

#include <QDate>
#include <QString>

// Row identifiers: lower-case UUID text without braces.

// A random (version 4) id for a row created on this device.
QString newId();

// The id of a default category: a name-based (version 5) UUID in the DNS
// namespace over the UTF-8 key "type:parent:name", equal on every device.
QString defaultCategoryId(const QString& key);

// The id of a transaction posted from a recurring rule for one due date, so
// that posting the same rule for the same date twice gives the same row. The
// destination leg of a transfer passes the leg tag "dest".
QString recurringPostingId(const QString& ruleId, const QDate& dueDate, const QString& legTag = QString());
