#pragma once

#include <functional>

#include <QString>

class QChart;

// The charts of the analysis windows, drawn from a block of a data sheet as the windows fill it.
struct ChartRange
{
    std::function<QString(int row, int col)> text; // the sheet's cell text
    int firstRow = 0;
    int firstCol = 0;
    int lastRow = 0;
    int lastCol = 0;
};

// A ranking: one bar per column of the range, labelled with its first row's text and sized by its
// second row's value, the first column at the top.
QChart* RankingChart(const ChartRange& range);

// A trend: the range's first row holds the category labels (after its corner cell), its first
// column the series names; one series per further row over the categories. threeD draws raised
// grouped bars, otherwise flat lines.
QChart* TrendChart(const ChartRange& range, bool threeD);
