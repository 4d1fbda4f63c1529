#include <QBarCategoryAxis>
#include <QBarSet>
#include <QChart>
#include <QHorizontalBarSeries>
#include <QLabel>
#include <QScrollBar>

#include "analysis/analyseform.h"
#include "analysis/monthinput.h"
#include "controls/foxdate.h"
#include "controls/foxdategrid.h"
#include "controls/foxtext.h"
#include "core/session.h"
#include "platform/grid.h"
#include "tests/analysis/analysisdata.h"
#include "tests/analysis/windowtest.h"
#include "tests/support/pdftext.h"

namespace {

const QString Unreadable = QStringLiteral("日期输入出错，请手动输入");

class AnalyseFormTest : public DbTest
{
protected:
    void SetUp() override
    {
        DbTest::SetUp();
        AddSampleOrders();
    }
};

QLabel* dayLabel(FoxDate* calendar, int day)
{
    return calendar->Label2(
        FoxDateCellOfDay(calendar->VScroll1()->value(), calendar->VScroll2()->value(), day));
}

} // namespace

TEST_F(AnalyseFormTest, RanksTheChosenMeasureOfTheMonthAndReRunsItFromTheMonthControls)
{
    AnalyseForm form;
    ShowForm(form);
    // Opened on the current month with the order count.
    EXPECT_EQ(form.Text3->Text(), QDate::currentDate().toString(QStringLiteral("yyyy-MM")));
    EXPECT_EQ(form.LastAnalysisIndex, 0);
    EXPECT_TRUE(form.Label1->text().endsWith(QStringLiteral(" 没有订单数据")));
    EXPECT_EQ(form.chart(), nullptr);

    form.Text3->setText(QStringLiteral("2011-09"));
    Click(form.AanBut[1]);
    EXPECT_EQ(form.Label1->text(), QStringLiteral("2011年9月 已结束订单销售额分析(共12.65万元)"));
    EXPECT_EQ(RowTexts(form.Grid1, 1),
              (QStringList{QStringLiteral("张三(12.35)"), QStringLiteral("李四(0.3)")}));
    EXPECT_EQ(RowTexts(form.Grid1, 2), (QStringList{QStringLiteral("12.35"), QStringLiteral("0.3")}));
    EXPECT_EQ(form.Grid1->Column(2).Width(), 0);
    EXPECT_EQ(form.Grid1->Column(3).Width(), 0);
    EXPECT_EQ(form.Grid1->RowHeight(2), 0);
    // One bar per ranked user, the first at the top.
    QChart* chart = form.chart();
    ASSERT_NE(chart, nullptr);
    auto* bars = qobject_cast<QHorizontalBarSeries*>(chart->series().value(0));
    ASSERT_NE(bars, nullptr);
    ASSERT_EQ(bars->barSets().size(), 1);
    EXPECT_DOUBLE_EQ(bars->barSets().at(0)->at(0), 0.3);
    EXPECT_DOUBLE_EQ(bars->barSets().at(0)->at(1), 12.35);
    auto* categories = qobject_cast<QBarCategoryAxis*>(chart->axes(Qt::Vertical).value(0));
    ASSERT_NE(categories, nullptr);
    EXPECT_EQ(categories->categories(),
              (QStringList{QStringLiteral("李四(0.3)"), QStringLiteral("张三(12.35)")}));

    // The step buttons re-run the measure last chosen.
    Click(form.NextMonth[0]);
    EXPECT_EQ(form.Text3->Text(), QStringLiteral("2011-08"));
    EXPECT_EQ(form.Label1->text(), QStringLiteral("2011年8月 已结束订单销售额分析(共0.7万元)"));
    Click(form.NextMonth[1]);
    Click(form.NextMonth[1]);
    EXPECT_EQ(form.Text3->Text(), QStringLiteral("2011-10"));
    EXPECT_EQ(form.Label1->text(), QStringLiteral("2011年10月 已结束订单销售额分析(共0.8万元)"));
    EXPECT_EQ(RowTexts(form.Grid1, 1), QStringList{QStringLiteral("张三(0.8)")});

    // A month typed by hand counts at the next run; a day picked in the calendar runs at once.
    form.Text3->setText(QStringLiteral("2011-9"));
    EXPECT_TRUE(form.Label1->text().startsWith(QStringLiteral("2011年10月")));
    QTest::mouseClick(form.Text3->Text1(), Qt::LeftButton);
    ASSERT_TRUE(form.FoxDate1->isVisible());
    EXPECT_EQ(form.FoxDate1->SelDate(), QDate(2011, 9, 1));
    QTest::mouseClick(dayLabel(form.FoxDate1, 20), Qt::LeftButton);
    EXPECT_FALSE(form.FoxDate1->isVisible());
    EXPECT_EQ(form.Text3->Text(), QStringLiteral("2011-09"));
    EXPECT_EQ(form.Label1->text(), QStringLiteral("2011年9月 已结束订单销售额分析(共12.65万元)"));

    // The count and the profit ranking of the same month.
    Click(form.AanBut[0]);
    EXPECT_EQ(RowTexts(form.Grid1, 1),
              (QStringList{QStringLiteral("李四(3)"), QStringLiteral("张三(2)"), QStringLiteral("王五(1)")}));
    Click(form.AanBut[2]);
    EXPECT_EQ(form.Label1->text(), QStringLiteral("2011年9月 已结束订单毛利分析(共7.35万元)"));
    EXPECT_EQ(form.Grid1->Cols(), 3);

    // A month with no order: the title says so and no chart is drawn.
    form.Text3->setText(QStringLiteral("2011-07"));
    Click(form.AanBut[2]);
    EXPECT_EQ(form.Label1->text(), QStringLiteral("2011年7月 没有订单数据"));
    EXPECT_EQ(form.Grid1->Cols(), 2);
    EXPECT_EQ(form.chart(), nullptr);
}

TEST_F(AnalyseFormTest, AMonthTextThatReadsAsNoMonthIsReportedAndRunsNothing)
{
    AnalyseForm form;
    ShowForm(form);
    form.Text3->setText(QStringLiteral("2011-09"));
    Click(form.AanBut[1]);
    const QString title = form.Label1->text();

    form.Text3->setText(QStringLiteral("2011-13"));
    for (int i = 0; i < 4; ++i)
        m_prompts.answerMessage(MsgResult::Ok);
    Click(form.NextMonth[0]);
    Click(form.NextMonth[1]);
    Click(form.AanBut[0]);
    form.Text3->setLocked(true);
    QTest::mouseClick(form.Text3->Text1(), Qt::LeftButton);
    EXPECT_EQ(m_prompts.messageTexts(), QStringList(4, Unreadable));
    EXPECT_EQ(form.Text3->Text(), QStringLiteral("2011-13"));
    EXPECT_EQ(form.Label1->text(), title);
    EXPECT_EQ(form.LastAnalysisIndex, 1);
    EXPECT_NE(form.chart(), nullptr);
    // The click into the box unlocks it for typing and leaves the calendar closed.
    EXPECT_FALSE(form.Text3->Locked());
    EXPECT_FALSE(form.FoxDate1->isVisible());

    // An empty box opens the calendar on today.
    form.Text3->setText(QString());
    QTest::mouseClick(form.Text3->Text1(), Qt::LeftButton);
    EXPECT_TRUE(form.FoxDate1->isVisible());
    EXPECT_EQ(form.FoxDate1->SelDate(), QDate::currentDate());
}

TEST_F(AnalyseFormTest, TheChartFillsTheWindowAndPrintsAtItsPaperSize)
{
    UserFontSize = 14;
    AnalyseForm form;
    ShowForm(form);
    EXPECT_EQ(form.Grid1->DefaultFontSize(), 9);
    EXPECT_EQ(form.size(), QSize(720, 560));
    EXPECT_EQ(form.minimumSize(), QSize(720, 560));
    form.Text3->setText(QStringLiteral("2011-09"));
    Click(form.AanBut[0]);

    form.resize(900, 700);
    EXPECT_EQ(form.Grid1->width(), 900 - 24);
    EXPECT_EQ(form.Grid1->Column(1).Width(), form.Grid1->width());
    EXPECT_EQ(form.Grid1->RowHeight(1), form.Grid1->height());
    form.showMinimized();
    form.showNormal();
    EXPECT_EQ(form.Grid1->width(), 900 - 24);

    // The chart on screen: three coloured bars.
    QWidget* view = form.Grid1->Chart(1, 1);
    ASSERT_NE(view, nullptr);
    EXPECT_NEAR(view->width(), form.Grid1->width(), 1);
    EXPECT_NEAR(view->height(), form.Grid1->height(), 1);
    const QImage shown = view->grab().toImage();
    EXPECT_GT(ColouredPixels(shown), 5000);

    // On paper the chart is 1000 x 640 pixels; the window keeps its own size afterwards.
    const QString pdf = pathOf(QStringLiteral("ranking.pdf"));
    m_prompts.setPreviewPdf(pdf);
    const int width = form.Grid1->Column(1).Width();
    const int height = form.Grid1->RowHeight(1);
    Click(form.VsNetBut4);
    ASSERT_EQ(m_prompts.records().size(), 1);
    EXPECT_EQ(m_prompts.last().kind, ScriptedPrompts::Kind::Preview);
    EXPECT_EQ(m_prompts.last().text, form.Label1->text());
    EXPECT_EQ(form.Grid1->Column(1).Width(), width);
    EXPECT_EQ(form.Grid1->RowHeight(1), height);
    // One landscape page headed by the title, with the bars.
    const QStringList pages = PdfPages(pdf);
    ASSERT_EQ(pages.size(), 1);
    EXPECT_TRUE(NoBlanks(pages.at(0)).contains(NoBlanks(form.Label1->text())));
    const QImage page = PdfPageImage(pdf);
    EXPECT_GT(page.width(), page.height());
    EXPECT_GT(ColouredPixels(page), 5000);
}
