#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QComboBox>
#include <QLabel>
#include <QLineSeries>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>

#include "analysis/analyseform2.h"
#include "controls/foxtext.h"
#include "platform/grid.h"
#include "tests/analysis/analysisdata.h"
#include "tests/analysis/windowtest.h"

namespace {

class AnalyseForm2Test : public DbTest
{
protected:
    void SetUp() override
    {
        DbTest::SetUp();
        AddSampleOrders();
    }
};

QStringList seriesOf(Grid* grid)
{
    QStringList names;
    for (int r = 3; r < grid->Rows(); ++r)
        names.append(grid->Cell(r, 2).Text());
    return names;
}

void clickItem(QListWidget* list, int row)
{
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(row)).center());
}

} // namespace

TEST_F(AnalyseForm2Test, ChartsEachChosenUserOrTheWholeCompanyMonthByMonth)
{
    AnalyseForm2 form;
    ShowForm(form);
    // At load: six months ending this month, for the whole company, as orders counted.
    EXPECT_EQ(form.Combo1->currentText(), QStringLiteral("6个月"));
    EXPECT_EQ(form.Combo1->count(), 10);
    EXPECT_EQ(form.List1->count(), 4);
    EXPECT_EQ(form.List1->item(1)->text(), QStringLiteral("李四"));
    EXPECT_TRUE(form.List1->selectedItems().isEmpty());
    EXPECT_TRUE(form.Label1->text().endsWith(QStringLiteral(" 订单数量6个月趋势")));
    EXPECT_EQ(seriesOf(form.Grid1), QStringList{QStringLiteral("全公司总量")});
    EXPECT_GT(form.Grid1->RowHeight(3), 0);

    // A typed end month counts at the next run; choosing a period re-runs.
    form.Text3->setText(QStringLiteral("2011-10"));
    form.Combo1->setCurrentIndex(0);
    EXPECT_EQ(form.Label1->text(), QStringLiteral("2011-8 至 2011-10 订单数量3个月趋势"));
    EXPECT_EQ(form.Grid1->Cell(2, 2).Text(), QStringLiteral("月份"));
    EXPECT_EQ(RowTexts(form.Grid1, 2, 3),
              (QStringList{QStringLiteral("11-8"), QStringLiteral("11-9"), QStringLiteral("11-10")}));
    EXPECT_EQ(RowTexts(form.Grid1, 3, 3),
              (QStringList{QStringLiteral("1"), QStringLiteral("7"), QStringLiteral("1")}));
    EXPECT_EQ(form.Grid1->RowHeight(2), 0);
    EXPECT_EQ(form.Grid1->Column(2).Width(), 0);
    EXPECT_EQ(form.Grid1->Column(5).Width(), 0);

    Click(form.AanBut[1]);
    EXPECT_EQ(form.Label1->text(), QStringLiteral("2011-8 至 2011-10 订单销售额3个月趋势(单位：万元)"));
    EXPECT_EQ(RowTexts(form.Grid1, 3, 3),
              (QStringList{QStringLiteral("0.7"), QStringLiteral("13.15"), QStringLiteral("0.8")}));

    // Each user picked re-runs; the series follow the list's order, each with its own orders.
    clickItem(form.List1, 2);
    EXPECT_EQ(seriesOf(form.Grid1), QStringList{QStringLiteral("张三")});
    clickItem(form.List1, 1);
    EXPECT_EQ(seriesOf(form.Grid1), (QStringList{QStringLiteral("李四"), QStringLiteral("张三")}));
    EXPECT_EQ(RowTexts(form.Grid1, 3, 3),
              (QStringList{QStringLiteral("0"), QStringLiteral("0.3"), QStringLiteral("0")}));
    EXPECT_EQ(RowTexts(form.Grid1, 4, 3),
              (QStringList{QStringLiteral("0.7"), QStringLiteral("12.35"), QStringLiteral("0.8")}));
    EXPECT_EQ(form.Grid1->RowHeight(3), 0);
    EXPECT_EQ(form.Grid1->RowHeight(4), 0);

    // Three-dimensional: grouped bars, one set per user; flat: one line per user, same values.
    auto* bars = qobject_cast<QBarSeries*>(form.chart()->series().value(0));
    ASSERT_NE(bars, nullptr);
    ASSERT_EQ(bars->barSets().size(), 2);
    EXPECT_EQ(bars->barSets().at(0)->label(), QStringLiteral("李四"));
    EXPECT_DOUBLE_EQ(bars->barSets().at(1)->at(1), 12.35);
    form.Option1[1]->click();
    ASSERT_EQ(form.chart()->series().size(), 2);
    auto* line = qobject_cast<QLineSeries*>(form.chart()->series().at(1));
    ASSERT_NE(line, nullptr);
    EXPECT_EQ(line->name(), QStringLiteral("张三"));
    EXPECT_EQ(line->points(), (QList<QPointF>{{0, 0.7}, {1, 12.35}, {2, 0.8}}));
    EXPECT_EQ(RowTexts(form.Grid1, 4, 3),
              (QStringList{QStringLiteral("0.7"), QStringLiteral("12.35"), QStringLiteral("0.8")}));

    // Invert, none and all change the selection and run once with the new one.
    form.Command1[2]->click();
    EXPECT_EQ(seriesOf(form.Grid1), (QStringList{QStringLiteral("admin"), QStringLiteral("王五")}));
    form.Command1[1]->click();
    EXPECT_EQ(seriesOf(form.Grid1), QStringList{QStringLiteral("全公司总量")});
    form.Command1[0]->click();
    EXPECT_EQ(seriesOf(form.Grid1), (QStringList{QStringLiteral("admin"), QStringLiteral("李四"),
                                                 QStringLiteral("张三"), QStringLiteral("王五")}));
    Click(form.AanBut[2]);
    EXPECT_EQ(form.LastAnalysisIndex, 2);
    EXPECT_EQ(RowTexts(form.Grid1, 4, 3),
              (QStringList{QStringLiteral("0"), QStringLiteral("-0.3"), QStringLiteral("0")}));

    // Twelve months ending in March cross the year.
    form.Text3->setText(QStringLiteral("2011-03"));
    form.Combo1->setCurrentIndex(9);
    EXPECT_TRUE(form.Label1->text().startsWith(QStringLiteral("2010-4 至 2011-3 订单毛利12个月趋势")));
    EXPECT_EQ(form.Grid1->Cols(), 3 + 12);
    EXPECT_EQ(form.Grid1->Cell(2, 3).Text(), QStringLiteral("10-4"));

    // The flat chart on screen has its lines drawn.
    form.Text3->setText(QStringLiteral("2011-10"));
    form.Combo1->setCurrentIndex(0);
    EXPECT_GT(ColouredPixels(form.Grid1->Chart(1, 1)->grab().toImage()), 500);
}
