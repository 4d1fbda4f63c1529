#include "analysis/analyseform.h"

#include <QLabel>

#include "analysis/analysisvalues.h"
#include "analysis/monthinput.h"
#include "analysis/monthlyranking.h"
#include "controls/foxtext.h"
#include "controls/vsnetbut.h"
#include "core/dblayer.h"
#include "platform/grid.h"
#include "platform/twips.h"

namespace {

constexpr int Top = 8;
constexpr int SecondRow = 44;
constexpr int GridTop = 78;

} // namespace

AnalyseForm::AnalyseForm(QWidget* parent)
    : AnalysisFrame(QStringLiteral("AnalyseForm"), QStringLiteral("月份分析"),
                    {QStringLiteral("数量分析"), QStringLiteral("销售分析"), QStringLiteral("毛利分析")},
                    parent)
{
    Month = new MonthInput(this, QStringLiteral("选择月份："));
    Text3 = Month->Text3;
    FoxDate1 = Month->FoxDate1;
    NextMonth = Month->NextMonth;
    connect(Month, &MonthInput::rerun, this, [this] { AanBut_Click(LastAnalysisIndex); });
    Form_Load();
}

void AnalyseForm::Form_Load()
{
    loadFrame(true);
    layoutNow();
    Month->start();
    AanBut_Click(0);
}

void AnalyseForm::AanBut_Click(int Index)
{
    const QDate firstDay = Month->firstDay();
    if (!firstDay.isValid())
        return;
    beginRun(Index, 2, 3);
    const MonthlyRanking::Result result = MonthlyRanking::Run(Conn, Index, firstDay);
    Label1->setText(result.title);
    for (const MonthlyRanking::Item& item : result.items) {
        const int col = addDataColumn();
        Grid1->Cell(1, col).setText(item.label);
        Grid1->Cell(2, col).setText(SingleText(item.value));
    }
    endRun(result.items.isEmpty() ? nullptr : RankingChart(range(1, 2, 2, Grid1->Cols() - 1)));
}

void AnalyseForm::arrange(int windowWidth, int windowHeight)
{
    placeButtons(8, Top);
    frameGroup(2, Month->placeSteps(VsNetBut1[0]->geometry().right() + 12, Top));
    frameGroup(3, Month->placeField(8, SecondRow));
    const int gridWidth = windowWidth - 360;
    const int titleLeft = Text3->x() + Text3->width() + 8;
    Label1->setGeometry(titleLeft, SecondRow,
                        TwipsToPixels(gridWidth - Text3->x() * TwipsPerPixel - Text3->Width() - 120),
                        Text3->height());
    Grid1->setGeometry(12, GridTop, TwipsToPixels(gridWidth),
                       TwipsToPixels(windowHeight - GridTop * TwipsPerPixel - 640));
}
