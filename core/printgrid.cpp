#include "core/printgrid.h"

#include <array>

#include "core/session.h"
#include "platform/grid.h"

namespace {

// The block that gets lines: the header row down to the last row, column 1 to the last column;
// the row-header column stays without lines. Rows and Cols are read again for every edge.
void setBorders(Grid* grid, const std::array<int, 6>& styles)
{
    constexpr std::array<int, 6> edges{0, 2, 3, 1, 4, 5};
    for (size_t i = 0; i < edges.size(); ++i)
        grid->Range(0, 1, grid->Rows() - 1, grid->Cols() - 1).setBorders(edges[i], styles[i]);
}

} // namespace

QString PrintGridFooter(const QString& FooterText, const QDateTime& when)
{
    return FooterText + QStringLiteral("用户：") + CurUserName + QStringLiteral("    日期：") +
           when.date().toString(QStringLiteral("yyyy-MM-dd")) + QLatin1Char(' ') +
           when.time().toString(QStringLiteral("hh:mm:ss"));
}

void PrintGrid(Grid* grid, const QString& Title, const QString& FooterText, bool Landscape, qint32 PageValue1,
               qint32 PageValue2)
{
    GridPageSetup& setup = grid->PageSetup();
    setup.RepeatHeaderRow = true;
    setup.PrintGridLines = PageValue2 != 0;
    setup.CenterHorizontally = PageValue1 != 0;
    setup.Orientation = Landscape ? 2 : 1;
    setup.LeftMargin = Landscape ? 1.0 : 0.8;
    setup.RightMargin = setup.LeftMargin;
    setup.HeaderMargin = Landscape ? 0.8 : 1.0;
    setup.FooterMargin = setup.HeaderMargin;
    setup.TopMargin = setup.HeaderMargin + 1;
    setup.BottomMargin = 1.4;
    setup.Header = Title;
    setup.HeaderFontSize = 20;
    setup.HeaderAlignment = 1;
    setup.Footer = PrintGridFooter(FooterText, QDateTime::currentDateTime());
    setup.FooterAlignment = 2;

    grid->setAutoRedraw(false);
    setBorders(grid, {2, 2, 2, 2, 1, 1});
    grid->PrintPreview();
    setBorders(grid, {0, 0, 0, 0, 0, 0});
    grid->setAutoRedraw(true);
}
