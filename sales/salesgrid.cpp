#include "sales/salesgrid.h"

#include "core/dblayer.h"
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

void FillGrid(Grid* grid, const SqlQuery& query, const std::function<QString(const Statement&)>& rowText)
{
    Statement st(Conn, query.sql);
    st.bind(query.params);
    grid->setAutoRedraw(false);
    grid->setRows(1);
    while (st.step())
        grid->AddItem(rowText(st));
    grid->setAutoRedraw(true);
    grid->Refresh();
}
