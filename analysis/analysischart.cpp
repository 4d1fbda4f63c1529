#include "analysis/analysischart.h"

#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QHorizontalBarSeries>
#include <QLineSeries>
#include <QLinearGradient>
#include <QValueAxis>

namespace {

QChart* newChart()
{
    auto* chart = new QChart;
    chart->setBackgroundBrush(Qt::white);
    chart->setAnimationOptions(QChart::NoAnimation);
    chart->setMargins(QMargins(4, 4, 4, 4));
    return chart;
}

// A value axis that always shows 0, so that bars and lines read against the same base.
QValueAxis* valueAxis(double low, double high)
{
    auto* axis = new QValueAxis;
    axis->setRange(qMin(0.0, low), high > qMin(0.0, low) ? high : qMin(0.0, low) + 1.0);
    axis->applyNiceNumbers();
    axis->setLabelFormat(QStringLiteral("%.10g"));
    return axis;
}

// Bars that look raised: each colour runs from light at the top to dark at the foot.
QBrush raisedBrush(const QColor& color, bool horizontal)
{
    QLinearGradient gradient(0, 0, horizontal ? 0 : 1, horizontal ? 1 : 0);
    gradient.setCoordinateMode(QGradient::ObjectBoundingMode);
    gradient.setColorAt(0.0, color.lighter(150));
    gradient.setColorAt(0.5, color);
    gradient.setColorAt(1.0, color.darker(160));
    return gradient;
}

} // namespace

QChart* RankingChart(const ChartRange& range)
{
    QChart* chart = newChart();
    auto* set = new QBarSet(QString());
    QStringList labels;
    double low = 0;
    double high = 0;
    // Horizontal categories run upwards, so the first column is added last.
    for (int c = range.lastCol; c >= range.firstCol; --c) {
        const double value = range.text(range.firstRow + 1, c).toDouble();
        labels.append(range.text(range.firstRow, c));
        set->append(value);
        low = qMin(low, value);
        high = qMax(high, value);
    }
    set->setBrush(raisedBrush(QColor(0x3a, 0x6e, 0xc8), true));
    set->setLabelColor(Qt::black);
    auto* series = new QHorizontalBarSeries;
    series->append(set);
    // Each value stands just past its bar's end, readable however short the bar is.
    series->setLabelsVisible(true);
    series->setLabelsPosition(QAbstractBarSeries::LabelsOutsideEnd);
    chart->addSeries(series);
    auto* categories = new QBarCategoryAxis;
    categories->append(labels);
    chart->addAxis(categories, Qt::AlignLeft);
    series->attachAxis(categories);
    // Room beyond the longest bar for its value.
    QValueAxis* values = valueAxis(low, high * 1.15);
    chart->addAxis(values, Qt::AlignBottom);
    series->attachAxis(values);
    chart->legend()->hide();
    return chart;
}

QChart* TrendChart(const ChartRange& range, bool threeD)
{
    QChart* chart = newChart();
    QStringList months;
    for (int c = range.firstCol + 1; c <= range.lastCol; ++c)
        months.append(range.text(range.firstRow, c));
    auto* categories = new QBarCategoryAxis;
    categories->append(months);
    // A month's label is short enough for its place; cut, "10-11" would read "1...".
    categories->setTruncateLabels(false);
    chart->addAxis(categories, Qt::AlignBottom);
    double low = 0;
    double high = 0;
    QList<QAbstractSeries*> added;
    QBarSeries* bars = threeD ? new QBarSeries : nullptr;
    for (int r = range.firstRow + 1; r <= range.lastRow; ++r) {
        const QString name = range.text(r, range.firstCol);
        QBarSet* set = bars ? new QBarSet(name) : nullptr;
        QLineSeries* line = bars ? nullptr : new QLineSeries;
        for (int c = range.firstCol + 1; c <= range.lastCol; ++c) {
            const double value = range.text(r, c).toDouble();
            low = qMin(low, value);
            high = qMax(high, value);
            if (set)
                set->append(value);
            else
                line->append(c - range.firstCol - 1, value);
        }
        if (set) {
            bars->append(set);
        } else {
            line->setName(name);
            line->setPointsVisible(true);
            added.append(line);
        }
    }
    if (bars)
        added.append(bars);
    QValueAxis* values = valueAxis(low, high);
    chart->addAxis(values, Qt::AlignLeft);
    for (QAbstractSeries* series : added) {
        chart->addSeries(series);
        series->attachAxis(categories);
        series->attachAxis(values);
    }
    // The theme's colours, given depth or width once the theme has handed them out.
    if (bars) {
        for (QBarSet* set : bars->barSets())
            set->setBrush(raisedBrush(set->color(), false));
    }
    for (QAbstractSeries* series : added) {
        if (auto* line = qobject_cast<QLineSeries*>(series)) {
            QPen pen = line->pen();
            pen.setWidth(3);
            line->setPen(pen);
        }
    }
    // Below the chart, so that the series names take no width from the month labels.
    chart->legend()->setAlignment(Qt::AlignBottom);
    chart->legend()->show();
    return chart;
}
