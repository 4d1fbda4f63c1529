#include "analysis/analysisframe.h"

#include <algorithm>

#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>

#include "analysis/chartcell.h"
#include "controls/skincolors.h"
#include "controls/vsnetbut.h"
#include "core/formplacement.h"
#include "core/formsizelimits.h"
#include "core/printgrid.h"
#include "platform/grid.h"
#include "platform/twips.h"

namespace {

constexpr int ButtonWidth = 80;
constexpr int ButtonHeight = 26;
constexpr int ButtonGap = 4;
constexpr int ButtonStep = ButtonWidth + ButtonGap;
// Room around a caption inside its button.
constexpr int CaptionPadding = 16;
constexpr int MinWidthTwips = 10800;
constexpr int MinHeightTwips = 8400;
// The chart's size on paper, in pixels.
constexpr int PrintChartWidth = 1000;
constexpr int PrintChartHeight = 640;

VsNetBut* newButton(QWidget* parent, const QString& name, const QString& caption)
{
    auto* button = new VsNetBut(parent);
    button->setObjectName(name);
    button->setCaption(caption);
    // Captions only: the whole face is the caption's.
    button->setCaptionAreaPercent(100);
    return button;
}

} // namespace

AnalysisFrame::AnalysisFrame(const QString& name, const QString& caption, const QStringList& analyses,
                             QWidget* parent)
    : QWidget(parent)
{
    setObjectName(name);
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(caption);
    for (int i = 0; i < 4; ++i) {
        VsNetBut* frame = newButton(this, QStringLiteral("VsNetBut1_%1").arg(i), QString());
        frame->setEnabled(false);
        frame->hide();
        VsNetBut1.append(frame);
    }
    for (int i = 0; i < analyses.size(); ++i) {
        VsNetBut* button = newButton(this, QStringLiteral("AanBut_%1").arg(i), analyses.at(i));
        connect(button, &VsNetBut::Click, this, [this, i] { AanBut_Click(i); });
        AanBut.append(button);
    }
    VsNetBut4 = newButton(this, QStringLiteral("VsNetBut4"), QStringLiteral("打 印"));
    VsNetBut2 = newButton(this, QStringLiteral("VsNetBut2"), QStringLiteral("退 出"));
    connect(VsNetBut4, &VsNetBut::Click, this, &AnalysisFrame::VsNetBut4_Click);
    connect(VsNetBut2, &VsNetBut::Click, this, &AnalysisFrame::VsNetBut2_Click);
    Label1 = new QLabel(this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Grid1 = new Grid(this);
    Grid1->setObjectName(QStringLiteral("Grid1"));
    Grid1->setEnabled(false);
    Grid1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Grid1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Grid1->setFrameShape(QFrame::NoFrame);
    Grid1->setRows(3);
    Grid1->setCols(2);
}

void AnalysisFrame::loadFrame(bool hideRow2)
{
    ApplySkinToForm(this);
    Grid1->setDefaultFontSize(9);
    SetFormSizeLimits(this, MinWidthTwips, MinHeightTwips, 0, 0);
    Grid1->Column(0).setWidth(0);
    Grid1->setRowHeight(0, 0);
    if (hideRow2)
        Grid1->setRowHeight(2, 0);
}

void AnalysisFrame::placeButtons(int left, int top)
{
    const int right = width() - 8;
    VsNetBut2->setGeometry(right - ButtonWidth, top, ButtonWidth, ButtonHeight);
    VsNetBut4->setGeometry(right - ButtonWidth - ButtonStep, top, ButtonWidth, ButtonHeight);
    // Each analysis button as wide as its caption needs (a classification's name can be long);
    // when together they would run into the print button, they share the room left.
    QList<int> widths;
    int total = 0;
    for (VsNetBut* button : AanBut) {
        const int needed = button->fontMetrics().horizontalAdvance(button->Caption()) + CaptionPadding;
        widths.append(button->isHidden() ? 0 : qMax(ButtonWidth, needed));
        total += widths.last();
    }
    const int shown = int(std::count_if(widths.cbegin(), widths.cend(), [](int w) { return w > 0; }));
    const int room = VsNetBut4->x() - 12 - left - qMax(0, shown - 1) * ButtonGap;
    int x = left;
    for (int i = 0; i < AanBut.size(); ++i) {
        const int w = total > room ? widths.at(i) * room / total : widths.at(i);
        AanBut[i]->setGeometry(x, top, w, ButtonHeight);
        x += w > 0 ? w + ButtonGap : 0;
    }
    if (shown > 0)
        frameGroup(0, QRect(left, top, x - ButtonGap - left, ButtonHeight));
    frameGroup(1, VsNetBut4->geometry().united(VsNetBut2->geometry()));
}

void AnalysisFrame::frameGroup(int index, const QRect& around)
{
    VsNetBut1[index]->setGeometry(around.adjusted(-3, -3, 3, 3));
    VsNetBut1[index]->show();
    VsNetBut1[index]->lower();
}

QWidget* AnalysisFrame::framed() const
{
    if (auto* sub = qobject_cast<QMdiSubWindow*>(parentWidget()))
        return sub;
    return const_cast<AnalysisFrame*>(this);
}

int AnalysisFrame::windowTwipsWidth() const
{
    return framed()->width() * TwipsPerPixel;
}

int AnalysisFrame::windowTwipsHeight() const
{
    return framed()->height() * TwipsPerPixel;
}

void AnalysisFrame::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    if (framed()->isMinimized())
        return;
    layoutNow();
}

void AnalysisFrame::layoutNow()
{
    arrange(windowTwipsWidth(), windowTwipsHeight());
    fitChartCell();
}

void AnalysisFrame::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    // Placed once inside the main window: centred across, a fifth of the spare height down.
    auto* sub = qobject_cast<QMdiSubWindow*>(parentWidget());
    if (m_placed || !sub || !sub->mdiArea())
        return;
    m_placed = true;
    PlaceInMainWindow(this, 0.2);
}

void AnalysisFrame::fitChartCell()
{
    Grid1->Column(1).setWidth(Grid1->width());
    Grid1->setRowHeight(1, Grid1->height());
}

void AnalysisFrame::beginRun(int Index, int cols, int rows)
{
    LastAnalysisIndex = qint16(Index);
    Grid1->setAutoRedraw(false);
    Grid1->setCols(cols);
    Grid1->setRows(rows);
    Grid1->RemoveChart(1, 1);
}

void AnalysisFrame::endRun(QChart* chart)
{
    if (chart) {
        Grid1->AddChart(1, 1, new ChartCell(chart));
    }
    Grid1->setAutoRedraw(true);
    Grid1->Refresh();
}

int AnalysisFrame::addDataColumn()
{
    Grid1->setCols(Grid1->Cols() + 1);
    const int col = Grid1->Cols() - 1;
    Grid1->Column(col).setWidth(0);
    return col;
}

ChartRange AnalysisFrame::range(int firstRow, int firstCol, int lastRow, int lastCol) const
{
    const Grid* grid = Grid1;
    return {[grid](int row, int col) { return grid->text(row, col); }, firstRow, firstCol, lastRow, lastCol};
}

QChart* AnalysisFrame::chart() const
{
    const auto* cell = qobject_cast<ChartCell*>(Grid1->Chart(1, 1));
    return cell ? cell->chart() : nullptr;
}

void AnalysisFrame::VsNetBut4_Click()
{
    const int width = Grid1->Column(1).Width();
    const int height = Grid1->RowHeight(1);
    Grid1->setAutoRedraw(false);
    Grid1->Column(1).setWidth(PrintChartWidth);
    Grid1->setRowHeight(1, PrintChartHeight);
    PrintGrid(Grid1, Label1->text(), QString(), true, -1, 0);
    Grid1->Column(1).setWidth(width);
    Grid1->setRowHeight(1, height);
    Grid1->setAutoRedraw(true);
}

void AnalysisFrame::VsNetBut2_Click()
{
    close();
}
