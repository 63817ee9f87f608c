#pragma once

#include <QDate>
#include <QDateTime>
#include <QString>
#include <QVariant>
#include <optional>

// Dates are stored as "yyyy-MM-dd"; times as UTC ISO 8601 to the second
// with a trailing Z, so stored stamps order correctly as text.

QString dateToText(const QDate& date);
QDate dateFromText(const QString& text);
QString timeToText(const QDateTime& time);
QDateTime timeFromText(const QString& text);

// Optional values: SQL NULL when absent; NULL or empty text reads as absent.
QVariant optionalTimeValue(const std::optional<QDateTime>& time);
std::optional<QDateTime> optionalTimeFromText(const QString& text);
QVariant optionalDateValue(const std::optional<QDate>& date);
std::optional<QDate> optionalDateFromText(const QString& text);
