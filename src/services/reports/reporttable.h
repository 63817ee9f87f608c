#pragma once

#include "services/reports/reportservice.h"
#include "storage/money.h"

#include <QCoreApplication>
#include <QList>
#include <QString>
#include <QStringList>

// One report as the reports window shows it and its export writes it: the
// headers and every cell's text, amounts in the money format of the
// interface language. The window and the command line share it, so that
// both export the same text.
class ReportTable
{
    Q_DECLARE_TR_FUNCTIONS(ReportTable)

public:
    static ReportTable build(ReportKind kind, const ReportResults& results, Currency currency);

    // "category_spending" and so on: the stem of the proposed export file
    // name, and the report's name on the command line.
    static QString fileStem(ReportKind kind);
    static std::optional<ReportKind> kindForFileStem(const QString& stem);

    // The export: every header and cell quoted, the text columns guarded
    // against being read as formulas.
    QString csvText() const;

    QStringList headers;
    QList<QStringList> rows;
    // Names the user typed, which an export guards against formulas.
    QList<int> textColumns;
    // Amounts and counts, aligned right.
    QList<int> numberColumns;
    // The last row holds the column sums.
    bool endsWithTotals = false;

private:
    static ReportTable categorySpending(
        const QList<CategoryTotal>& lines, Currency currency, const AmountFormat& format);
    static ReportTable payeeSummary(const QList<PayeeTotal>& lines, Currency currency, const AmountFormat& format);
    static ReportTable taxReport(const QList<TaxLine>& lines, Currency currency, const AmountFormat& format);
    static ReportTable months(
        const QStringList& headers, const QList<MonthLine>& lines, Currency currency, const AmountFormat& format);
    static ReportTable yearOverYear(
        const QList<YearOverYearLine>& lines, Currency currency, const AmountFormat& format);
    static ReportTable accountSummary(const QList<AccountLine>& lines, const AmountFormat& format);
    static ReportTable transactions(const QList<TransactionLine>& lines, Currency currency, const AmountFormat& format);
    static QString accountTypeName(const QString& storedType);
};
