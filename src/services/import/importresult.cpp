#include "services/import/importresult.h"

#include <QCoreApplication>

namespace {

QString line(const char* text, int count)
{
    return QCoreApplication::translate("ImportService", text, nullptr, count);
}

} // namespace

QStringList ImportResult::summaryLines() const
{
    QStringList lines{line(QT_TRANSLATE_N_NOOP("ImportService", "%n transaction(s) imported"), imported)};
    const QList<QPair<const char*, int>> counters{
        {QT_TRANSLATE_N_NOOP("ImportService", "%n transfer(s) linked across accounts"), transfersLinked},
        {QT_TRANSLATE_N_NOOP("ImportService", "  (including %n linked to previously imported row(s))"), linkedToEarlierImports},
        {QT_TRANSLATE_N_NOOP("ImportService", "%n duplicate(s) skipped"), duplicates},
        {QT_TRANSLATE_N_NOOP("ImportService", "%n record(s) skipped (unparseable)"), unparseable},
        {QT_TRANSLATE_N_NOOP("ImportService", "%n metadata record(s) skipped"), metadata},
        {QT_TRANSLATE_N_NOOP("ImportService", "%n record(s) skipped (unmapped source account)"), unmappedSourceAccount},
        {QT_TRANSLATE_N_NOOP("ImportService", "%n record(s) skipped (database error — see log)"), databaseErrors},
    };
    for (const auto& [text, count] : counters) {
        if (count >= 1)
            lines.append(line(text, count));
    }
    return lines;
}

ImportResult ImportResult::abortedWith(const QString& reason, bool cancelled)
{
    ImportResult result;
    result.aborted = true;
    result.cancelled = cancelled;
    result.failureReason = reason;
    return result;
}

ImportResult ImportResult::refusedWith(const QString& message)
{
    ImportResult result = abortedWith(message);
    result.refused = true;
    return result;
}
