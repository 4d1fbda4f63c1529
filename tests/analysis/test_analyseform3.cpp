#include <QBarSet>
#include <QChart>
#include <QHorizontalBarSeries>
#include <QLabel>

#include "analysis/analyseform3.h"
#include "core/session.h"
#include "platform/grid.h"
#include "tests/analysis/analysisdata.h"
#include "tests/analysis/windowtest.h"
#include "tests/support/pdftext.h"

using AnalyseForm3Test = DbTest;

TEST_F(AnalyseForm3Test, CountsClientsPerValueWithTheUndefinedCountedAtEachRun)
{
    SixClassTables = {QStringLiteral("ClientType"), QStringLiteral("ClientSource")};
    SixClassNames = {QStringLiteral("客户类型"), QStringLiteral("客户来源")};
    AddSampleClients();
    AnalyseForm3 form;
    ShowForm(form);
    // Only the classifications that exist have a button.
    EXPECT_EQ(form.AanBut[0]->Caption(), QStringLiteral("客户类型"));
    EXPECT_EQ(form.AanBut[1]->Caption(), QStringLiteral("客户来源"));
    for (int i = 2; i < 6; ++i)
        EXPECT_FALSE(form.AanBut[i]->isVisible()) << i;

    EXPECT_EQ(form.Label1->text(), QStringLiteral("客户类型分析(总客户数量：6)"));

    // A long classification name shows whole on its button, which keeps clear of the print button.
    SixClassTables.append(QStringLiteral("ClientLevel"));
    SixClassNames.append(QStringLiteral("客户所属行业类别及等级"));
    {
        AnalyseForm3 wide;
        ShowForm(wide);
        VsNetBut* button = wide.AanBut[2];
        EXPECT_GT(button->width(), button->fontMetrics().horizontalAdvance(button->Caption()));
        EXPECT_LT(button->geometry().right(), wide.VsNetBut4->x());
        EXPECT_EQ(wide.AanBut[1]->x() + wide.AanBut[1]->width() + 4, button->x());
    }
    EXPECT_EQ(RowTexts(form.Grid1, 1),
              (QStringList{QStringLiteral("个人客户(1)"), QStringLiteral("企业客户(3)"),
                           QStringLiteral("未定义(2)")}));
    EXPECT_EQ(RowTexts(form.Grid1, 2),
              (QStringList{QStringLiteral("1"), QStringLiteral("3"), QStringLiteral("2")}));
    auto* bars = qobject_cast<QHorizontalBarSeries*>(form.chart()->series().value(0));
    ASSERT_NE(bars, nullptr);
    EXPECT_EQ(bars->barSets().at(0)->count(), 3);

    // A client added while the window is open counts in its value, the total and the remainder.
    AddClient(7, 1);
    AddClient(8, 0);
    Click(form.AanBut[0]);
    EXPECT_EQ(form.Label1->text(), QStringLiteral("客户类型分析(总客户数量：8)"));
    EXPECT_EQ(RowTexts(form.Grid1, 1),
              (QStringList{QStringLiteral("个人客户(2)"), QStringLiteral("企业客户(3)"),
                           QStringLiteral("未定义(3)")}));

    Click(form.AanBut[1]);
    EXPECT_EQ(form.LastAnalysisIndex, 1);
    EXPECT_EQ(RowTexts(form.Grid1, 1), QStringList{QStringLiteral("未定义(8)")});

    // The printout of the chart.
    const QString pdf = pathOf(QStringLiteral("clients.pdf"));
    m_prompts.setPreviewPdf(pdf);
    Click(form.VsNetBut4);
    EXPECT_EQ(m_prompts.last().text, QStringLiteral("客户来源分析(总客户数量：8)"));
    const QStringList pages = PdfPages(pdf);
    ASSERT_EQ(pages.size(), 1);
    EXPECT_TRUE(NoBlanks(pages.at(0)).contains(QStringLiteral("客户来源分析(总客户数量：8)")));
    EXPECT_GT(ColouredPixels(PdfPageImage(pdf)), 2000);

    // No client at all: the total 0 and no chart.
    Conn.exec(QStringLiteral("delete from client"));
    Click(form.AanBut[0]);
    EXPECT_EQ(form.Label1->text(), QStringLiteral("客户类型分析(总客户数量：0)"));
    EXPECT_EQ(form.Grid1->Cols(), 2);
    EXPECT_EQ(form.chart(), nullptr);
}

TEST_F(AnalyseForm3Test, WithoutClassificationsTheWindowOpensWithNoButtonAndNoChart)
{
    AddSampleClients();
    SixClassTables.clear();
    SixClassNames.clear();
    AnalyseForm3 form;
    ShowForm(form);
    EXPECT_EQ(form.windowTitle(), QStringLiteral("月份分析"));
    for (int i = 0; i < 6; ++i)
        EXPECT_FALSE(form.AanBut[i]->isVisible()) << i;
    EXPECT_TRUE(form.Label1->text().isEmpty());
    EXPECT_EQ(form.chart(), nullptr);
    EXPECT_EQ(form.Grid1->Cols(), 2);
    // A button index without a classification runs nothing.
    form.AanBut_Click(3);
    EXPECT_EQ(form.chart(), nullptr);
}

// The classifications reordered elsewhere while the window is open (the main window rebuilds the
// session's lists): each button keeps counting the classification its caption names.
TEST_F(AnalyseForm3Test, ButtonsCountTheirOwnClassificationAfterTheOrderChanged)
{
    SixClassTables = {QStringLiteral("ClientType"), QStringLiteral("ClientSource")};
    SixClassNames = {QStringLiteral("客户类型"), QStringLiteral("客户来源")};
    AddSampleClients();
    AnalyseForm3 form;
    ShowForm(form);

    SixClassTables = {QStringLiteral("ClientSource"), QStringLiteral("ClientType")};
    SixClassNames = {QStringLiteral("客户来源"), QStringLiteral("客户类型")};
    Click(form.AanBut[0]);
    EXPECT_EQ(form.AanBut[0]->Caption(), QStringLiteral("客户类型"));
    EXPECT_EQ(form.Label1->text(), QStringLiteral("客户类型分析(总客户数量：6)"));
    EXPECT_EQ(RowTexts(form.Grid1, 1),
              (QStringList{QStringLiteral("个人客户(1)"), QStringLiteral("企业客户(3)"),
                           QStringLiteral("未定义(2)")}));
    Click(form.AanBut[1]);
    EXPECT_EQ(form.Label1->text(), QStringLiteral("客户来源分析(总客户数量：6)"));
    EXPECT_EQ(RowTexts(form.Grid1, 1), QStringList{QStringLiteral("未定义(6)")});

    // A classification removed since the window loaded leaves its button counting its own table.
    SixClassTables.clear();
    SixClassNames.clear();
    Click(form.AanBut[0]);
    EXPECT_EQ(form.Label1->text(), QStringLiteral("客户类型分析(总客户数量：6)"));
}
