#include "services/reports/reportchart.h"

#include "storage/money.h"
#include "widgets/palette.h"

#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QCategoryAxis>
#include <QChart>
#include <QChartView>
#include <QCursor>
#include <QEvent>
#include <QHorizontalBarSeries>
#include <QLabel>
#include <QLineSeries>
#include <QPieSeries>
#include <QPieSlice>
#include <QSaveFile>
#include <QToolTip>
#include <QVBoxLayout>
#include <QValueAxis>
#include <algorithm>
#include <array>
#include <iterator>
#include <utility>

namespace {

// Slice and bar colours, each readable on the light and the dark
// background; only the charts use them.
constexpr std::array<QRgb, ReportChart::largestCategories> lightSeries{
    0x00897B, 0xF9A825, 0x3949AB, 0xE64A19, 0x8E24AA, 0x546E7A};
constexpr std::array<QRgb, ReportChart::largestCategories> darkSeries{
    0x4DB6AC, 0xFFD54F, 0x7986CB, 0xFF8A65, 0xBA68C8, 0x90A4AE};

// As wide as any month label "yyyy-MM".
const QString monthLabelSample = QStringLiteral("0000-00");

QColor seriesColor(qsizetype index)
{
    const auto& colors = Palette::isDark() ? darkSeries : lightSeries;
    return QColor::fromRgb(colors.at(std::size_t(index) % colors.size()));
}

QString money(qint64 amount, Currency currency)
{
    return formatCurrency(amount, currency, AmountFormat::shown());
}

void showToolTip(bool hovered, const QString& text)
{
    if (hovered)
        QToolTip::showText(QCursor::pos(), text);
    else
        QToolTip::hideText();
}

// A value axis in whole units of the currency over `low`..`high`, with
// room around a single value so the axis never collapses to a point.
QValueAxis* moneyAxis(QChart* chart, Currency currency, double low, double high, Qt::Alignment alignment)
{
    auto* axis = new QValueAxis(chart);
    axis->setLabelFormat(QStringLiteral("%.0f"));
    axis->setTitleText(toStoredText(currency));
    if (low == high) {
        low -= 1.0;
        high += 1.0;
    }
    axis->setRange(low, high);
    axis->applyNiceNumbers();
    chart->addAxis(axis, alignment);
    return axis;
}

void attach(QAbstractSeries* series, const QList<QAbstractAxis*>& axes)
{
    for (QAbstractAxis* axis : axes)
        series->attachAxis(axis);
}

} // namespace

ReportChart::ReportChart(QWidget* parent)
    : QWidget(parent)
    , m_layout(new QVBoxLayout(this))
    , m_note(new QLabel(tr("No data for this period"), this))
{
    m_layout->setContentsMargins(0, 0, 0, 0);
    m_layout->setSpacing(0);
    m_note->setAlignment(Qt::AlignCenter);
    m_note->setAttribute(Qt::WA_TransparentForMouseEvents);
    m_note->setStyleSheet(Palette::textColorStyle(Palette::muted()));
    // A chart from the start, so that a splitter sizes this widget as the
    // chart it will be.
    setChartCount(1);
    setPending(Look::Slices, true, {});
}

void ReportChart::showCategorySpending(const QList<CategoryTotal>& rows, Currency currency)
{
    setPending(Look::Slices, rows.isEmpty(), [this, rows, currency] { drawCategorySpending(rows, currency); });
}

void ReportChart::showMonths(
    const QList<MonthLine>& rows, Currency currency, const QString& inLabel, const QString& outLabel)
{
    setPending(Look::InAndOut, rows.isEmpty(),
        [this, rows, currency, inLabel, outLabel] { drawMonths(rows, currency, inLabel, outLabel); });
}

void ReportChart::showYearOverYear(const QList<YearOverYearLine>& rows, Currency currency)
{
    setPending(Look::TwoPeriods, rows.isEmpty(), [this, rows, currency] { drawYearOverYear(rows, currency); });
}

void ReportChart::showNetWorth(const QList<NetWorthLine>& lines)
{
    const bool empty = std::none_of(lines.cbegin(), lines.cend(), [](const NetWorthLine& line) {
        return !line.points.isEmpty();
    });
    setPending(Look::Balance, empty, [this, lines] { drawNetWorth(lines); });
}

QList<QChart*> ReportChart::charts()
{
    drawPending();
    QList<QChart*> charts;
    for (QChartView* view : std::as_const(m_views))
        charts.append(view->chart());
    return charts;
}

QImage ReportChart::toImage()
{
    drawPending();
    return grab().toImage();
}

QString ReportChart::savePng(const QString& path)
{
    const QImage image = toImage();
    if (image.isNull())
        return tr("The chart is not shown, so there is no picture to save.");
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return tr("The file %1 could not be opened for writing: %2").arg(path, file.errorString());
    if (!image.save(&file, "PNG")) {
        file.cancelWriting();
        return tr("The picture could not be written to %1: %2").arg(path, file.errorString());
    }
    if (!file.commit())
        return tr("The file %1 could not be written: %2").arg(path, file.errorString());
    return QString();
}

void ReportChart::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::PaletteChange)
        restyle();
    QWidget::changeEvent(event);
}

void ReportChart::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    drawPending();
}

void ReportChart::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    m_note->setGeometry(rect());
    labelMonths();
}

void ReportChart::setPending(Look look, bool empty, std::function<void()> draw)
{
    m_look = look;
    m_empty = empty;
    m_pending = empty ? [this] { drawNoData(); } : std::move(draw);
    if (isVisible())
        drawPending();
}

void ReportChart::drawPending()
{
    if (!m_pending)
        return;
    const std::function<void()> draw = std::exchange(m_pending, nullptr);
    m_monthAxes.clear();
    m_months.clear();
    m_monthStep = 0;
    draw();
    m_note->setVisible(m_empty);
    m_note->raise();
    labelMonths();
    restyle();
}

void ReportChart::setChartCount(int count)
{
    while (m_views.size() > count)
        delete m_views.takeLast();
    while (m_views.size() < count) {
        auto* view = new QChartView(this);
        view->setRenderHint(QPainter::Antialiasing);
        view->setFrameShape(QFrame::NoFrame);
        view->setMinimumHeight(160);
        m_layout->addWidget(view, 1);
        m_views.append(view);
    }
}

QChart* ReportChart::newChart(int index)
{
    auto* chart = new QChart;
    chart->setAnimationOptions(QChart::NoAnimation);
    chart->setBackgroundRoundness(0);
    chart->setMargins(QMargins(4, 4, 4, 4));
    chart->legend()->setAlignment(Qt::AlignBottom);
    QChartView* view = m_views.at(index);
    // The view gives up the chart it held; the old one goes with its series.
    QChart* old = view->chart();
    view->setChart(chart);
    delete old;
    return chart;
}

void ReportChart::drawCategorySpending(const QList<CategoryTotal>& rows, Currency currency)
{
    setChartCount(1);
    QChart* chart = newChart(0);
    QList<CategoryTotal> largestFirst = rows;
    std::stable_sort(largestFirst.begin(), largestFirst.end(),
        [](const CategoryTotal& a, const CategoryTotal& b) { return a.amount < b.amount; });

    auto* series = new QPieSeries(chart);
    series->setHoleSize(0.45);
    series->setPieSize(0.85);
    const auto addSlice = [series, currency](const QString& name, qint64 spending) {
        QPieSlice* slice = series->append(name, toMajorUnits(spending, currency));
        const QString text = tr("%1: %2").arg(name, money(spending, currency));
        connect(slice, &QPieSlice::hovered, slice, [text](bool hovered) { showToolTip(hovered, text); });
    };
    CheckedSum rest = 0;
    for (qsizetype index = 0; index < largestFirst.size(); ++index) {
        const CategoryTotal& row = largestFirst.at(index);
        if (index < largestCategories)
            addSlice(row.name, -row.amount);
        else
            rest = checkedAdd(rest, -row.amount);
    }
    // A rest too large to add up is left out rather than drawn wrong.
    if (largestFirst.size() > largestCategories && rest)
        addSlice(tr("Other"), *rest);
    chart->addSeries(series);
    chart->legend()->setAlignment(Qt::AlignRight);
}

void ReportChart::drawMonths(
    const QList<MonthLine>& rows, Currency currency, const QString& inLabel, const QString& outLabel)
{
    setChartCount(1);
    QChart* chart = newChart(0);
    auto* moneyIn = new QBarSet(inLabel, chart);
    auto* moneyOut = new QBarSet(outLabel, chart);
    QStringList months;
    QStringList inTexts;
    QStringList outTexts;
    double highest = 0.0;
    for (const MonthLine& row : rows) {
        months.append(row.month);
        moneyIn->append(toMajorUnits(row.moneyIn, currency));
        moneyOut->append(toMajorUnits(-row.moneyOut, currency));
        highest = std::max({highest, moneyIn->at(moneyIn->count() - 1), moneyOut->at(moneyOut->count() - 1)});
        inTexts.append(tr("%1 %2: %3").arg(row.month, inLabel, money(row.moneyIn, currency)));
        outTexts.append(tr("%1 %2: %3").arg(row.month, outLabel, money(-row.moneyOut, currency)));
    }
    connect(moneyIn, &QBarSet::hovered, moneyIn,
        [inTexts](bool hovered, int index) { showToolTip(hovered, inTexts.value(index)); });
    connect(moneyOut, &QBarSet::hovered, moneyOut,
        [outTexts](bool hovered, int index) { showToolTip(hovered, outTexts.value(index)); });

    auto* series = new QBarSeries(chart);
    series->append(moneyIn);
    series->append(moneyOut);
    chart->addSeries(series);
    attach(series, {monthAxis(chart, months), moneyAxis(chart, currency, 0.0, highest, Qt::AlignLeft)});
}

void ReportChart::drawYearOverYear(const QList<YearOverYearLine>& rows, Currency currency)
{
    setChartCount(1);
    QChart* chart = newChart(0);
    auto* first = new QBarSet(tr("Period 1"), chart);
    auto* second = new QBarSet(tr("Period 2"), chart);
    QStringList names;
    QStringList firstTexts;
    QStringList secondTexts;
    double low = 0.0;
    double high = 0.0;
    // Horizontal bars grow upwards from the first category: walking the
    // rows backwards keeps the table's order from the top.
    for (auto row = rows.crbegin(); row != rows.crend(); ++row) {
        names.append(row->categoryName);
        const double p1 = toMajorUnits(row->period1, currency);
        const double p2 = toMajorUnits(row->period2, currency);
        first->append(p1);
        second->append(p2);
        low = std::min({low, p1, p2});
        high = std::max({high, p1, p2});
        firstTexts.append(tr("%1, %2: %3").arg(row->categoryName, first->label(), money(row->period1, currency)));
        secondTexts.append(tr("%1, %2: %3").arg(row->categoryName, second->label(), money(row->period2, currency)));
    }
    connect(first, &QBarSet::hovered, first,
        [firstTexts](bool hovered, int index) { showToolTip(hovered, firstTexts.value(index)); });
    connect(second, &QBarSet::hovered, second,
        [secondTexts](bool hovered, int index) { showToolTip(hovered, secondTexts.value(index)); });

    auto* series = new QHorizontalBarSeries(chart);
    series->append(first);
    series->append(second);
    chart->addSeries(series);
    auto* categories = new QBarCategoryAxis(chart);
    categories->append(names);
    categories->setGridLineVisible(false);
    chart->addAxis(categories, Qt::AlignLeft);
    attach(series, {categories, moneyAxis(chart, currency, low, high, Qt::AlignBottom)});
}

void ReportChart::drawNetWorth(const QList<NetWorthLine>& lines)
{
    QList<NetWorthLine> drawn;
    std::copy_if(lines.cbegin(), lines.cend(), std::back_inserter(drawn),
        [](const NetWorthLine& line) { return !line.points.isEmpty(); });
    setChartCount(int(drawn.size()));
    for (int index = 0; index < drawn.size(); ++index) {
        const NetWorthLine& line = drawn.at(index);
        QChart* chart = newChart(index);
        chart->setTitle(tr("Net Worth (%1)").arg(toStoredText(line.currency)));
        chart->legend()->hide();
        auto* series = new QLineSeries(chart);
        QStringList months;
        QStringList texts;
        double low = toMajorUnits(line.points.constFirst().balance, line.currency);
        double high = low;
        for (const BalancePoint& point : line.points) {
            const double balance = toMajorUnits(point.balance, line.currency);
            series->append(double(months.size()), balance);
            low = std::min(low, balance);
            high = std::max(high, balance);
            months.append(point.month);
            texts.append(tr("%1: %2").arg(point.month, money(point.balance, line.currency)));
        }
        // Points to aim at while there is room to tell them apart.
        series->setPointsVisible(line.points.size() <= 36);
        connect(series, &QLineSeries::hovered, series, [texts](const QPointF& point, bool hovered) {
            showToolTip(hovered, texts.value(std::clamp(qRound(point.x()), 0, int(texts.size()) - 1)));
        });
        chart->addSeries(series);
        attach(series, {monthAxis(chart, months), moneyAxis(chart, line.currency, low, high, Qt::AlignLeft)});
    }
}

void ReportChart::drawNoData()
{
    setChartCount(1);
    newChart(0)->legend()->hide();
}

QCategoryAxis* ReportChart::monthAxis(QChart* chart, const QStringList& months)
{
    auto* axis = new QCategoryAxis(chart);
    axis->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
    axis->setStartValue(-0.5);
    axis->setRange(-0.5, double(months.size()) - 0.5);
    axis->setGridLineVisible(false);
    chart->addAxis(axis, Qt::AlignBottom);
    // Room for half a label beyond the last month, whose label is centred on it.
    QMargins margins = chart->margins();
    margins.setRight(margins.right() + fontMetrics().horizontalAdvance(monthLabelSample) / 2);
    chart->setMargins(margins);
    m_monthAxes.append(axis);
    m_months = months;
    return axis;
}

void ReportChart::labelMonths()
{
    if (m_monthAxes.isEmpty() || m_months.isEmpty())
        return;
    // Every n-th month, so that the labels never run into each other on
    // long periods.
    const int labelWidth = fontMetrics().horizontalAdvance(monthLabelSample) + 16;
    const int fitting = std::max(1, (width() - 80) / labelWidth);
    const int step = std::max(1, int((m_months.size() + fitting - 1) / fitting));
    if (step == m_monthStep)
        return;
    m_monthStep = step;
    for (QCategoryAxis* axis : std::as_const(m_monthAxes)) {
        const QStringList labels = axis->categoriesLabels();
        for (const QString& label : labels)
            axis->remove(label);
        for (int index = 0; index < m_months.size(); index += step)
            axis->append(m_months.at(index), index);
    }
}

void ReportChart::restyle()
{
    for (QChartView* view : std::as_const(m_views))
        style(view->chart());
    m_note->setStyleSheet(Palette::textColorStyle(Palette::muted()));
}

void ReportChart::style(QChart* chart) const
{
    const QColor background = palette().color(QPalette::Base);
    const QColor text = palette().color(QPalette::Text);
    const QColor grid = palette().color(QPalette::Mid);
    chart->setBackgroundBrush(background);
    chart->setBackgroundPen(Qt::NoPen);
    chart->setTitleBrush(text);
    chart->legend()->setLabelColor(text);
    const QList<QAbstractAxis*> axes = chart->axes();
    for (QAbstractAxis* axis : axes) {
        axis->setLabelsColor(text);
        axis->setTitleBrush(text);
        axis->setGridLineColor(grid);
        axis->setLinePenColor(grid);
    }
    const QList<QAbstractSeries*> series = chart->series();
    for (QAbstractSeries* one : series) {
        if (auto* pie = qobject_cast<QPieSeries*>(one)) {
            const QList<QPieSlice*> slices = pie->slices();
            for (qsizetype index = 0; index < slices.size(); ++index) {
                slices.at(index)->setColor(index < largestCategories ? seriesColor(index) : Palette::muted());
                slices.at(index)->setBorderColor(background);
                slices.at(index)->setLabelColor(text);
            }
        } else if (auto* bars = qobject_cast<QAbstractBarSeries*>(one)) {
            const QList<QBarSet*> sets = bars->barSets();
            for (qsizetype index = 0; index < sets.size(); ++index) {
                const QColor color = m_look == Look::InAndOut ? (index == 0 ? Palette::positive() : Palette::negative())
                                                              : seriesColor(index == 0 ? 5 : 0);
                sets.at(index)->setColor(color);
                sets.at(index)->setBorderColor(color);
                sets.at(index)->setLabelColor(text);
            }
        } else if (auto* line = qobject_cast<QLineSeries*>(one)) {
            QPen pen(palette().color(QPalette::Highlight));
            pen.setWidthF(2.0);
            line->setPen(pen);
        }
    }
}
