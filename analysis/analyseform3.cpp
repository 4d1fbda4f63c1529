#include "analysis/analyseform3.h"

#include <QLabel>

#include "analysis/classcount.h"
#include "controls/vsnetbut.h"
#include "core/dblayer.h"
#include "core/session.h"
#include "platform/grid.h"
#include "platform/twips.h"

namespace {

constexpr int ClassButtons = 6;
constexpr int Top = 8;
constexpr int SecondRow = 44;
constexpr int GridTop = 72;

} // namespace

AnalyseForm3::AnalyseForm3(QWidget* parent)
    : AnalysisFrame(QStringLiteral("AnalyseForm3"), QStringLiteral("月份分析"),
                    QStringList(ClassButtons, QString()), parent)
{
    Form_Load();
}

void AnalyseForm3::Form_Load()
{
    loadFrame(true);
    // Only classifications that exist get a button; with none the window shows no analysis.
    const int classes = qMin(int(qMin(SixClassTables.size(), SixClassNames.size())), ClassButtons);
    m_classTables = SixClassTables.mid(0, classes);
    for (int i = 0; i < ClassButtons; ++i) {
        AanBut[i]->setVisible(i < classes);
        if (i < classes)
            AanBut[i]->setCaption(SixClassNames.at(i));
    }
    layoutNow();
    if (classes > 0)
        AanBut_Click(0);
}

void AnalyseForm3::AanBut_Click(int Index)
{
    if (Index < 0 || Index >= m_classTables.size())
        return;
    beginRun(Index, 2, 3);
    const ClassCount::Result result =
        ClassCount::Run(Conn, m_classTables.at(Index), AanBut[Index]->Caption());
    TotalClients = result.totalClients;
    Label1->setText(result.title);
    for (const ClassCount::Item& item : result.items) {
        const int col = addDataColumn();
        Grid1->Cell(1, col).setText(item.label);
        Grid1->Cell(2, col).setText(QString::number(item.count));
    }
    endRun(result.items.isEmpty() ? nullptr : RankingChart(range(1, 2, 2, Grid1->Cols() - 1)));
}

void AnalyseForm3::arrange(int windowWidth, int windowHeight)
{
    placeButtons(8, Top);
    const int gridWidth = TwipsToPixels(windowWidth - 360);
    Label1->setGeometry(12, SecondRow, gridWidth, 22);
    Grid1->setGeometry(12, GridTop, gridWidth, TwipsToPixels(windowHeight - GridTop * TwipsPerPixel - 640));
}
