#pragma once

#include "storage/reportrows.h"

#include <QImage>
#include <QList>
#include <QStringList>
#include <QWidget>
#include <functional>

class QCategoryAxis;
class QChart;
class QChartView;
class QLabel;
class QVBoxLayout;

// The chart beside a report's table: spending as a donut of the largest
// categories, months as bars of money in and out, year over year as a pair
// of bars per category, balances as a line per currency (one chart each,
// stacked). Colours follow the application palette; hovering a slice, bar
// or point shows its amount. A chart is drawn when it is first seen, so
// charts on hidden tabs cost nothing until the user looks at them.
class ReportChart : public QWidget
{
    Q_OBJECT

public:
    // Slices of the spending donut before the rest is gathered as "Other".
    static constexpr int largestCategories = 6;

    explicit ReportChart(QWidget* parent = nullptr);

    // Spending rows as the report gives them (negative amounts).
    void showCategorySpending(const QList<CategoryTotal>& rows, Currency currency);
    // Money in and money out per month; the labels name the two bars.
    void showMonths(
        const QList<MonthLine>& rows, Currency currency, const QString& inLabel, const QString& outLabel);
    void showYearOverYear(const QList<YearOverYearLine>& rows, Currency currency);
    void showNetWorth(const QList<NetWorthLine>& lines);

    // The charts, top to bottom, drawn now if they were waiting to be seen.
    QList<QChart*> charts();
    // True when the last report had nothing to draw.
    bool isEmpty() const { return m_empty; }

    // Every chart as shown, in one image.
    QImage toImage();
    // Writes toImage() as a PNG file; the reason in plain words on failure,
    // else empty.
    QString savePng(const QString& path);

protected:
    void changeEvent(QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    // What the series' colours mean.
    enum class Look { Slices, InAndOut, TwoPeriods, Balance };

    void setPending(Look look, bool empty, std::function<void()> draw);
    void drawPending();
    QChart* newChart(int index);
    void setChartCount(int count);
    void drawCategorySpending(const QList<CategoryTotal>& rows, Currency currency);
    void drawMonths(const QList<MonthLine>& rows, Currency currency, const QString& inLabel, const QString& outLabel);
    void drawYearOverYear(const QList<YearOverYearLine>& rows, Currency currency);
    void drawNetWorth(const QList<NetWorthLine>& lines);
    void drawNoData();
    QCategoryAxis* monthAxis(QChart* chart, const QStringList& months);
    void labelMonths();
    void restyle();
    void style(QChart* chart) const;

    QVBoxLayout* m_layout;
    QList<QChartView*> m_views;
    QLabel* m_note;
    Look m_look = Look::Slices;
    bool m_empty = true;
    std::function<void()> m_pending;
    // The month axes and their months, relabelled as the width changes.
    QList<QCategoryAxis*> m_monthAxes;
    QStringList m_months;
    int m_monthStep = 0;
};
