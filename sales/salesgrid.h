#pragma once

#include <functional>

#include <QList>
#include <QString>

#include "controls/listgrid.h"
#include "sales/sqlquery.h"

class Grid;
class Statement;

// Empties the grid to its header row and appends one row per row of the query, its cells the
// TAB-separated text that rowText makes of the statement's current row; one redraw at the end.
void FillGrid(Grid* grid, const SqlQuery& query, const std::function<QString(const Statement&)>& rowText);

// Widens a column where the grid's font needs it, so that sample (the longest text the column
// holds, such as an 8-digit number) shows whole; otherwise the column keeps its width.
void FitColumn(Grid* grid, int col, const QString& sample);

// The longest number a number box takes: 8 digits.
inline const QString WidestNumber = QStringLiteral("00000000");
