#include "sales/salesgrid.h"

#include "core/dblayer.h"
#include "platform/grid.h"

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
