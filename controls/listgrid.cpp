#include "controls/listgrid.h"

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
