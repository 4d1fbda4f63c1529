#include <QDate>

#include "analysis/analysisvalues.h"
#include "analysis/classcount.h"
#include "analysis/monthlyranking.h"
#include "analysis/monthtrend.h"
#include "core/dblayer.h"
#include "core/session.h"
#include "tests/analysis/analysisdata.h"
#include "tests/support/fixtures.h"

namespace {

QStringList labelsOf(const MonthlyRanking::Result& result)
{
    QStringList labels;
    for (const auto& item : result.items)
        labels.append(item.label);
    return labels;
}

QStringList labelsOf(const ClassCount::Result& result)
{
    QStringList labels;
    for (const auto& item : result.items)
        labels.append(item.label);
    return labels;
}

} // namespace

TEST(AnalysisValues, TenThousandYuanRoundsHalvesToEvenAndShowsPlainText)
{
    EXPECT_DOUBLE_EQ(TenThousandYuan(123456.78), 12.35);
    EXPECT_DOUBLE_EQ(TenThousandYuan(1250), 0.12); // 0.125: down to the even 2
    EXPECT_DOUBLE_EQ(TenThousandYuan(1350), 0.14); // 0.135: up to the even 4
    EXPECT_DOUBLE_EQ(TenThousandYuan(2250), 0.22);
    EXPECT_DOUBLE_EQ(TenThousandYuan(-1250), -0.12); // a loss rounds the same way
    EXPECT_DOUBLE_EQ(TenThousandYuan(1250.01), 0.13);
    // Summed REAL amounts that miss 1250 by binary error still sit on the half.
    EXPECT_DOUBLE_EQ(TenThousandYuan(416.67 + 416.67 + 416.66), 0.12);
    EXPECT_DOUBLE_EQ(TenThousandYuan(0), 0.0);

    EXPECT_EQ(SingleText(float(TenThousandYuan(123456.78))), QStringLiteral("12.35"));
    EXPECT_EQ(SingleText(0.1f + 0.2f), QStringLiteral("0.3"));
    EXPECT_EQ(SingleText(3.0f), QStringLiteral("3"));
    EXPECT_EQ(SingleText(123456.8f), QStringLiteral("123456.8"));
    EXPECT_EQ(PlainNumber(-7.5), QStringLiteral("-7.5"));
    EXPECT_EQ(PlainNumber(1000000), QStringLiteral("1000000"));
}

TEST(AnalysisValues, MonthTextsReadWithTheFirstDayAndStepToTheNeighbourMonth)
{
    EXPECT_EQ(MonthStart(QStringLiteral("2011-09")), QDate(2011, 9, 1));
    EXPECT_EQ(MonthStart(QStringLiteral("2011-3")), QDate(2011, 3, 1)); // typed by hand
    EXPECT_FALSE(MonthStart(QString()).isValid());
    EXPECT_FALSE(MonthStart(QStringLiteral("2011-13")).isValid());
    EXPECT_FALSE(MonthStart(QStringLiteral("2011-09-15")).isValid());
    EXPECT_FALSE(MonthStart(QStringLiteral("九月")).isValid());

    EXPECT_EQ(SteppedMonth(QDate(2011, 1, 1), 0), QStringLiteral("2010-12"));
    EXPECT_EQ(SteppedMonth(QDate(2011, 12, 1), 1), QStringLiteral("2012-01"));
    EXPECT_EQ(SteppedMonth(QDate(2011, 1, 1), 1), QStringLiteral("2011-02"));
    EXPECT_EQ(SteppedMonth(QDate(2011, 3, 1), 0), QStringLiteral("2011-02"));
}

class AnalysisQueries : public DbTest
{
protected:
    void SetUp() override
    {
        DbTest::SetUp();
        AddSampleOrders();
    }
};

TEST_F(AnalysisQueries, MonthlyRankingCountsFinishedOrdersPerUserInTenThousandYuan)
{
    // Every user's orders count, whatever the logged-in user may see.
    CurUserID = 3;
    CanSeeAllUser = false;
    const QDate sep(2011, 9, 1);

    const auto count = MonthlyRanking::Run(Conn, MonthlyRanking::OrderCount, sep);
    EXPECT_EQ(labelsOf(count),
              (QStringList{QStringLiteral("李四(3)"), QStringLiteral("张三(2)"), QStringLiteral("王五(1)")}));
    EXPECT_EQ(count.title, QStringLiteral("2011年9月 已结束订单数量分析(共6份订单)"));

    // 王五's empty sum is missing from the sales ranking.
    const auto sales = MonthlyRanking::Run(Conn, MonthlyRanking::Sales, sep);
    EXPECT_EQ(labelsOf(sales), (QStringList{QStringLiteral("张三(12.35)"), QStringLiteral("李四(0.3)")}));
    EXPECT_EQ(sales.title, QStringLiteral("2011年9月 已结束订单销售额分析(共12.65万元)"));
    EXPECT_FLOAT_EQ(sales.items.at(0).value, 12.35f);

    // 李四 sold below cost: missing from the profit ranking, present in the count.
    const auto profit = MonthlyRanking::Run(Conn, MonthlyRanking::GrossProfit, sep);
    EXPECT_EQ(labelsOf(profit), QStringList{QStringLiteral("张三(7.35)")});
    EXPECT_EQ(profit.title, QStringLiteral("2011年9月 已结束订单毛利分析(共7.35万元)"));
    EXPECT_EQ(profit.items.at(0).userId, 2);

    const auto empty = MonthlyRanking::Run(Conn, MonthlyRanking::Sales, QDate(2011, 7, 1));
    EXPECT_TRUE(empty.items.isEmpty());
    EXPECT_EQ(empty.title, QStringLiteral("2011年7月 没有订单数据"));

    // December ends where the next year begins: its first and last day count, 1 January does not.
    AddOrder(501, 3, QDate(2011, 12, 31), 4000.0, 1000.0);
    AddOrder(502, 2, QDate(2012, 1, 1), 9000.0, 0.0);
    AddOrder(503, 2, QDate(2011, 12, 1), 1000.0, 0.0);
    const auto december = MonthlyRanking::Run(Conn, MonthlyRanking::Sales, QDate(2011, 12, 1));
    EXPECT_EQ(labelsOf(december), (QStringList{QStringLiteral("李四(0.4)"), QStringLiteral("张三(0.1)")}));
    EXPECT_EQ(december.title, QStringLiteral("2011年12月 已结束订单销售额分析(共0.5万元)"));
}

TEST_F(AnalysisQueries, TrendGivesEveryMonthOfThePeriodPerChosenUserOrForTheCompany)
{
    const auto year = MonthTrend::PeriodOf(QDate(2011, 3, 1), 12);
    EXPECT_EQ(year.range, QStringLiteral("2010-4 至 2011-3"));
    ASSERT_EQ(year.months.size(), 12);
    EXPECT_EQ(year.months.first(), QStringLiteral("10-4"));
    EXPECT_EQ(year.months.last(), QStringLiteral("11-3"));
    EXPECT_EQ(year.lastDay, QDate(2011, 3, 31));
    const auto turn = MonthTrend::PeriodOf(QDate(2011, 2, 1), 3);
    EXPECT_EQ(turn.range, QStringLiteral("2010-12 至 2011-2"));
    EXPECT_EQ(turn.months,
              (QStringList{QStringLiteral("10-12"), QStringLiteral("11-1"), QStringLiteral("11-2")}));

    const auto period = MonthTrend::PeriodOf(QDate(2011, 10, 1), 3);
    EXPECT_EQ(MonthTrend::Title(period, MonthTrend::Sales, QStringLiteral("3个月")),
              QStringLiteral("2011-8 至 2011-10 订单销售额3个月趋势(单位：万元)"));
    EXPECT_EQ(MonthTrend::Title(period, MonthTrend::OrderCount, QStringLiteral("3个月")),
              QStringLiteral("2011-8 至 2011-10 订单数量3个月趋势"));

    // Chosen users in list order, each with only the orders they created.
    const QList<MonthTrend::User> users = {{3, QStringLiteral("李四")}, {2, QStringLiteral("张三")}};
    const auto counts = MonthTrend::Run(Conn, MonthTrend::OrderCount, period, users);
    EXPECT_EQ(counts.series, (QStringList{QStringLiteral("李四"), QStringLiteral("张三")}));
    EXPECT_EQ(counts.values.at(0), (QVector<double>{0, 3, 0}));
    EXPECT_EQ(counts.values.at(1), (QVector<double>{1, 2, 1}));
    const auto profit = MonthTrend::Run(Conn, MonthTrend::GrossProfit, period, users);
    EXPECT_EQ(profit.values.at(0), (QVector<double>{0, -0.3, 0}));
    EXPECT_EQ(profit.values.at(1), (QVector<double>{0.7, 7.35, 0.8}));

    // No user chosen: the whole company, also orders of a creator without a user row.
    const auto company = MonthTrend::Run(Conn, MonthTrend::Sales, period, {});
    EXPECT_EQ(company.series, QStringList{MonthTrend::CompanySeries});
    EXPECT_EQ(company.values.at(0), (QVector<double>{0.7, TenThousandYuan(123456.78 + 3000 + 5000), 0.8}));

    // Periods ending in December and running across a year end.
    const auto december = MonthTrend::PeriodOf(QDate(2011, 12, 1), 4);
    EXPECT_EQ(december.range, QStringLiteral("2011-9 至 2011-12"));
    EXPECT_EQ(december.lastDay, QDate(2011, 12, 31));
    AddOrder(501, 3, QDate(2011, 12, 31), 4000.0, 1000.0);
    AddOrder(502, 2, QDate(2012, 1, 1), 9000.0, 0.0);
    AddOrder(503, 2, QDate(2011, 12, 1), 1000.0, 0.0);
    const auto yearEnd = MonthTrend::PeriodOf(QDate(2012, 1, 1), 4);
    EXPECT_EQ(yearEnd.range, QStringLiteral("2011-10 至 2012-1"));
    EXPECT_EQ(yearEnd.months, (QStringList{QStringLiteral("11-10"), QStringLiteral("11-11"),
                                           QStringLiteral("11-12"), QStringLiteral("12-1")}));
    const auto acrossCounts = MonthTrend::Run(Conn, MonthTrend::OrderCount, yearEnd, users);
    EXPECT_EQ(acrossCounts.values.at(0), (QVector<double>{0, 0, 1, 0}));
    EXPECT_EQ(acrossCounts.values.at(1), (QVector<double>{1, 0, 1, 1}));
    const auto acrossSales = MonthTrend::Run(Conn, MonthTrend::Sales, yearEnd, {});
    EXPECT_EQ(acrossSales.values.at(0), (QVector<double>{0.8, 0, 0.5, 0.9}));
}

TEST_F(AnalysisQueries, ClientsPerClassificationValueWithTheUndefinedCountedAtEachRun)
{
    const QString type = QStringLiteral("客户类型");
    EXPECT_EQ(ClassCount::Run(Conn, QStringLiteral("ClientType"), type).title,
              QStringLiteral("客户类型分析(总客户数量：0)"));
    EXPECT_TRUE(ClassCount::Run(Conn, QStringLiteral("ClientType"), type).items.isEmpty());

    AddSampleClients();
    auto result = ClassCount::Run(Conn, QStringLiteral("ClientType"), type);
    EXPECT_EQ(result.title, QStringLiteral("客户类型分析(总客户数量：6)"));
    // Fewest first; values nobody carries are absent; the remainder comes last.
    EXPECT_EQ(labelsOf(result), (QStringList{QStringLiteral("个人客户(1)"), QStringLiteral("企业客户(3)"),
                                             QStringLiteral("未定义(2)")}));

    // A client added meanwhile counts in its value and in the total of the next run.
    AddClient(7, 1);
    result = ClassCount::Run(Conn, QStringLiteral("ClientType"), type);
    EXPECT_EQ(result.title, QStringLiteral("客户类型分析(总客户数量：7)"));
    EXPECT_EQ(labelsOf(result), (QStringList{QStringLiteral("个人客户(2)"), QStringLiteral("企业客户(3)"),
                                             QStringLiteral("未定义(2)")}));

    // Nobody classified: the only item is the remainder; everybody classified: it is 0.
    EXPECT_EQ(labelsOf(ClassCount::Run(Conn, QStringLiteral("ClientSource"), QStringLiteral("客户来源"))),
              QStringList{QStringLiteral("未定义(7)")});
    Conn.exec(QStringLiteral("update client set getClientType=3 where getClientType not in (1, 2)"));
    result = ClassCount::Run(Conn, QStringLiteral("ClientType"), type);
    EXPECT_EQ(labelsOf(result).last(), QStringLiteral("未定义(0)"));
    EXPECT_EQ(result.items.last().count, 0);
}
