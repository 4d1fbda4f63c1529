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

// The longest number a number box takes: 8 digits (for FitColumn).
inline const QString WidestNumber = QStringLiteral("00000000");
