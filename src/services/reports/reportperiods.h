#pragma once

#include <QCoreApplication>
#include <QDate>
#include <QList>
#include <QString>

struct ReportPeriod
{
    QString label;
    QDate from;
    QDate to;
};

struct ReportComparison
{
    QString label;
    ReportPeriod period1;
    ReportPeriod period2;
};

// The period presets of the reports, worked out from today's date. The last
// entry of each list is "Custom", whose dates the user picks.
class ReportPeriods
{
    Q_DECLARE_TR_FUNCTIONS(ReportPeriods)

public:
    enum Preset { ThisMonth, LastMonth, ThisQuarter, LastQuarter, ThisYear, LastYear, Last30Days, Last90Days,
        Last12Months, AllTime, Custom };
    enum Comparison { ThisYearVsLastYear, LastYearVsYearBefore, ThisQuarterVsLastQuarter, CustomComparison };

    // "All Time" runs from `earliest` (the first transaction's date) to today.
    static QList<ReportPeriod> presets(const QDate& today, const QDate& earliest);
    static QList<ReportComparison> comparisons(const QDate& today);

    // The first day of the quarter holding `date`.
    static QDate quarterStart(const QDate& date);
};
