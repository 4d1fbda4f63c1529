#include "controls/listgrid.h"

#include <QFontMetrics>

#include "platform/grid.h"

void SetupGrid(Grid* grid, const QList<ListColumn>& columns)
{
    grid->setAutoRedraw(false);
    grid->setRows(1);
    grid->setCols(int(columns.size()));
    for (int c = 0; c < int(columns.size()); ++c) {
        grid->Column(c).setWidth(columns[c].width);
        grid->Column(c).setAlignment(columns[c].alignment);
        grid->Cell(0, c).setText(columns[c].caption);
    }
    grid->Range(0, 0, 0, grid->Cols() - 1).setAlignment(10);
    grid->setAutoRedraw(true);
    grid->Refresh();
}

void FitColumn(Grid* grid, int col, const QStringList& texts)
{
    constexpr int CellPadding = 10;
    if (grid->Column(col).Width() == 0)
        return;
    const QFontMetrics metrics(grid->font());
    int needed = metrics.horizontalAdvance(grid->Cell(0, col).Text());
    for (const QString& text : texts)
        needed = qMax(needed, metrics.horizontalAdvance(text));
    if (grid->Column(col).Width() < needed + CellPadding)
        grid->Column(col).setWidth(needed + CellPadding);
}
