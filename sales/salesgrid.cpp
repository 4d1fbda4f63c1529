#include "sales/salesgrid.h"

#include <cmath>

#include <QFontMetrics>
#include <QStyle>

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

void FitColumn(Grid* grid, int col, const QString& sample)
{
    // A cell's text keeps a margin on either side, and the grid line takes one pixel.
    const int margin = grid->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, grid) + 1;
    const double text = QFontMetricsF(grid->font()).horizontalAdvance(sample);
    const int needed = int(std::ceil(text)) + 2 * margin + 1;
    if (grid->Column(col).Width() < needed)
        grid->Column(col).setWidth(needed);
}
