#pragma once

#include <functional>

#include <QList>
#include <QString>

#include "sales/sqlquery.h"

class Grid;
class Statement;

// A column of a list grid: caption, width in pixels (0 hides it) and alignment code.
struct ListColumn
{
    QString caption;
    int width;
    int alignment = 10;
};

// Lays out a grid from its columns (column 0 being the row-header column): the widths, the
// captions of row 0, the alignments, the header row centred; the grid keeps only its header row.
void SetupGrid(Grid* grid, const QList<ListColumn>& columns);

// Empties the grid to its header row and appends one row per row of the query, its cells the
// TAB-separated text that rowText makes of the statement's current row; one redraw at the end.
void FillGrid(Grid* grid, const SqlQuery& query, const std::function<QString(const Statement&)>& rowText);
