#include "services/reports/reportperiods.h"

#include <algorithm>

QDate ReportPeriods::quarterStart(const QDate& date)
{
    return QDate(date.year(), (date.month() - 1) / 3 * 3 + 1, 1);
}

QList<ReportPeriod> ReportPeriods::presets(const QDate& today, const QDate& earliest)
{
    const QDate monthStart(today.year(), today.month(), 1);
    const QDate quarter = quarterStart(today);
    const QDate yearStart(today.year(), 1, 1);
    // A first transaction dated after today still leaves a period that ends today.
    const QDate allTimeStart = earliest.isValid() ? std::min(earliest, today) : today;
    // The preset names are shown as written, in every language.
    return {
        {QStringLiteral("This Month"), monthStart, today},
        {QStringLiteral("Last Month"), monthStart.addMonths(-1), monthStart.addDays(-1)},
        {QStringLiteral("This Quarter"), quarter, today},
        {QStringLiteral("Last Quarter"), quarter.addMonths(-3), quarter.addDays(-1)},
        {QStringLiteral("This Year"), yearStart, today},
        {QStringLiteral("Last Year"), yearStart.addYears(-1), yearStart.addDays(-1)},
        {QStringLiteral("Last 30 Days"), today.addDays(-30), today},
        {QStringLiteral("Last 90 Days"), today.addDays(-90), today},
        {QStringLiteral("Last 12 Months"), today.addYears(-1), today},
        {QStringLiteral("All Time"), allTimeStart, today},
        {QStringLiteral("Custom"), QDate(), QDate()},
    };
}

QList<ReportComparison> ReportPeriods::comparisons(const QDate& today)
{
    const QDate yearStart(today.year(), 1, 1);
    const QDate quarter = quarterStart(today);
    const ReportPeriod thisYear{QString(), yearStart, today};
    const ReportPeriod lastYear{QString(), yearStart.addYears(-1), yearStart.addDays(-1)};
    const ReportPeriod yearBefore{QString(), yearStart.addYears(-2), yearStart.addYears(-1).addDays(-1)};
    return {
        {tr("This Year vs Last Year"), lastYear, thisYear},
        {tr("Last Year vs Year Before"), yearBefore, lastYear},
        {tr("This Quarter vs Last Quarter"), {QString(), quarter.addMonths(-3), quarter.addDays(-1)},
            {QString(), quarter, today}},
        {tr("Custom"), {}, {}},
    };
}
