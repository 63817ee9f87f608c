#pragma once

#include <QChar>
#include <QList>
#include <QString>
#include <QStringList>

// Cuts the text of a delimited file into rows of fields. Quotes hold
// separators and line breaks; two quotes in a row inside quotes are one
// quote. Fields are trimmed, empty lines are dropped, and the last row
// counts without a final line feed.
class CsvTokenizer
{
public:
    static QList<QStringList> rows(const QString& text, QChar separator = QLatin1Char(','));
    // The separator of the file's first lines: comma, semicolon or tab,
    // whichever splits the most of them; comma when none does.
    static QChar detectSeparator(const QString& text);
};
