#include "affairs/affairlist.h"
#include "tests/affairs/affairtestdata.h"

namespace {

class AffairListTest : public AffairTest
{
protected:
    QStringList names(const AffairFilter& filter)
    {
        QStringList texts;
        for (const AffairListRow& row : SearchAffairList(filter, today))
            texts << row.name;
        return texts;
    }
    QStringList inWindow(int window)
    {
        AffairFilter filter;
        filter.dateWindow = window;
        return names(filter);
    }
};

} // namespace

TEST_F(AffairListTest, TheDayWindowsFollowTheReminderPeriods)
{
    addAffair(1, QStringLiteral("三天提醒"), today.addDays(3), 3);
    addAffair(2, QStringLiteral("后天当日"), today.addDays(2), 0);
    addAffair(3, QStringLiteral("昨天"), today.addDays(-1), 5);
    addAffair(4, QStringLiteral("明天提前一日"), today.addDays(1), 1);
    addAffair(5, QStringLiteral("今天"), today, 0, 77);

    EXPECT_EQ(
        inWindow(AffairFilter::Today),
        (QStringList{QStringLiteral("今天"), QStringLiteral("明天提前一日"), QStringLiteral("三天提醒")}));
    EXPECT_EQ(inWindow(AffairFilter::Tomorrow),
              (QStringList{QStringLiteral("明天提前一日"), QStringLiteral("三天提醒")}));
    EXPECT_EQ(inWindow(AffairFilter::DayAfterTomorrow),
              (QStringList{QStringLiteral("后天当日"), QStringLiteral("三天提醒")}));
    EXPECT_EQ(inWindow(AffairFilter::BeforeToday), QStringList{QStringLiteral("昨天")});
    EXPECT_EQ(inWindow(AffairFilter::AllDays),
              (QStringList{QStringLiteral("三天提醒"), QStringLiteral("后天当日"),
                           QStringLiteral("明天提前一日"), QStringLiteral("今天"), QStringLiteral("昨天")}));

    AffairFilter all;
    all.dateWindow = AffairFilter::AllDays;
    const std::vector<AffairListRow> rows = SearchAffairList(all, today);
    EXPECT_EQ(
        AffairRowCells(rows.at(2), today),
        (QStringList{QStringLiteral("4"), QStringLiteral("明天提前一日"), QStringLiteral("临时"),
                     QStringLiteral("2011-09-21"), QStringLiteral("1日后"), QString(), QStringLiteral("电话"),
                     QStringLiteral("客户关怀"), QStringLiteral("0"), QStringLiteral("0"), QString()}));
    EXPECT_EQ(AffairRowCells(rows.at(3), today).mid(2, 3),
              (QStringList{QStringLiteral("常规"), QStringLiteral("2011-09-20"), QStringLiteral("今日")}));
    EXPECT_EQ(AffairRowCells(rows.at(4), today).at(4), QString());
}

TEST_F(AffairListTest, FiltersByStateWayTypeClientAndUser)
{
    addUser(2, QStringLiteral("lisi"));
    addClient(5, QStringLiteral("张三"), QVariant());
    addAffair(1, QStringLiteral("未完"), today);
    addAffair(2, QStringLiteral("已完成"), today);
    addAffair(3, QStringLiteral("已关闭"), today);
    addAffair(4, QStringLiteral("别人的"), today, 0, 0, 2);
    addAffair(5, QStringLiteral("有客户"), today, 0, 0, 1, 5);
    addAffair(6, QStringLiteral("客户已删"), today, 0, 0, 1, 99);
    addAffair(7, QStringLiteral("拜访"), today);
    addAffair(8, QStringLiteral("无此方式"), today);
    Conn.exec(QStringLiteral("update affair set isover = -1, isclose = -1 where affairid = 2"));
    Conn.exec(QStringLiteral("update affair set isclose = -1 where affairid = 3"));
    Conn.exec(
        QStringLiteral("update affair set GetAffairClass = 2, GetAffairSubject = 4 where affairid = 7"));
    Conn.exec(QStringLiteral("update affair set GetAffairClass = 9 where affairid = 8"));

    AffairFilter filter;
    EXPECT_EQ(names(filter).size(), 5);
    filter.done = AffairFilter::Set;
    filter.closed = AffairFilter::Either;
    EXPECT_EQ(names(filter), QStringList{QStringLiteral("已完成")});
    filter.done = AffairFilter::Either;
    filter.closed = AffairFilter::Set;
    EXPECT_EQ(names(filter).size(), 2);
    filter.closed = AffairFilter::Either;
    EXPECT_EQ(names(filter).size(), 7);

    filter.wayId = 2;
    EXPECT_EQ(names(filter), QStringList{QStringLiteral("拜访")});
    filter.wayId = 0;
    filter.typeId = 4;
    EXPECT_EQ(names(filter), QStringList{QStringLiteral("拜访")});
    filter.typeId = 0;
    filter.clientId = 5;
    const std::vector<AffairListRow> withClient = SearchAffairList(filter, today);
    ASSERT_EQ(withClient.size(), 1u);
    EXPECT_EQ(withClient.front().clientName, QStringLiteral("张三"));
    filter.clientId = 0;

    // A lost client is listed as none, and the link is dropped.
    EXPECT_EQ(count(QStringLiteral("affairid = 6 and GetClient = 0")), 1);

    filter.userId = 2;
    const std::vector<AffairListRow> others = SearchAffairList(filter, today);
    ASSERT_EQ(others.size(), 1u);
    EXPECT_EQ(AffairRowCells(others.front(), today).at(10), QStringLiteral("lisi"));
    CanSeeAllUser = false;
    filter.userId = 0;
    QStringList own = names(filter);
    EXPECT_FALSE(own.contains(QStringLiteral("别人的")));
    EXPECT_EQ(own.size(), 6);
}
