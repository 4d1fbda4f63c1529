#include <gtest/gtest.h>

#include <QString>

#include "core/moneytochinese.h"

namespace {

struct Case
{
    double amount;
    const char* text;
};

void expectAll(std::initializer_list<Case> cases)
{
    for (const Case& c : cases)
        EXPECT_EQ(MoneyToChinese(c.amount), QString::fromUtf8(c.text)) << "amount " << c.amount;
}

} // namespace

TEST(MoneyToChineseTest, WholeAmountsDropTrailingZeroPlaces)
{
    expectAll({{5, "伍元整"},
               {10, "壹拾元整"},
               {100, "壹佰元整"},
               {120, "壹佰贰拾元整"},
               {1005, "壹仟零佰零拾伍元整"},
               {10500, "壹万零仟伍佰元整"},
               {50000, "伍万元整"},
               {120000, "壹拾贰万元整"},
               {1000000, "壹佰万元整"},
               {12000000, "壹仟贰佰万元整"},
               {10.00, "壹拾元整"},
               {99999999, "玖仟玖佰玖拾玖万玖仟玖佰玖拾玖元整"},
               {10000001, "壹仟零佰零拾零万零仟零佰零拾壹元整"}});
}

TEST(MoneyToChineseTest, AmountsWithDecimalsAlwaysShowJiaoAndFen)
{
    expectAll({{100.50, "壹佰零拾零元伍角零分"},
               {1234.56, "壹仟贰佰叁拾肆元伍角陆分"},
               {10.10, "壹拾零元壹角零分"},
               {0.35, "叁角伍分"},
               {0.50, "伍角零分"},
               {0.05, "零角伍分"},
               {0.01, "零角壹分"},
               {99999999.99, "玖仟玖佰玖拾玖万玖仟玖佰玖拾玖元玖角玖分"},
               {20000.07, "贰万零仟零佰零拾零元零角柒分"}});
}

TEST(MoneyToChineseTest, ZeroAndAmountsRoundingToNothing)
{
    EXPECT_EQ(MoneyToChinese(0), QStringLiteral("零"));
    EXPECT_EQ(MoneyToChinese(0.001), QStringLiteral("整"));
    EXPECT_EQ(MoneyToChinese(-0.001), QStringLiteral("整"));
}

TEST(MoneyToChineseTest, RoundsOnceAndTakesBothPartsFromTheRoundedAmount)
{
    expectAll({{1.999, "贰元整"},
               {9.995, "壹拾元整"},
               {99999999.999, "壹亿元整"},
               {1.005, "壹元零角壹分"},
               {2.344, "贰元叁角肆分"},
               {0.996, "壹元整"}});
}

TEST(MoneyToChineseTest, NegativeAmountsReadAsTheirAbsoluteValueWithSign)
{
    expectAll({{-5, "负伍元整"}, {-1234.56, "负壹仟贰佰叁拾肆元伍角陆分"}, {-0.35, "负叁角伍分"}});
}

TEST(MoneyToChineseTest, HundredMillionAndMoreContinueThePlaceUnits)
{
    expectAll({{100000000, "壹亿元整"},
               {120000000, "壹亿贰仟万元整"},
               {1200000000, "壹拾贰亿元整"},
               {10000000000.0, "壹佰亿元整"},
               {1000000000000.0, "壹万亿元整"},
               {100000001, "壹亿零仟零佰零拾零万零仟零佰零拾壹元整"},
               {123456789.12, "壹亿贰仟叁佰肆拾伍万陆仟柒佰捌拾玖元壹角贰分"}});
    // Past what a double holds exactly, the digits are those of the amount's figures
    // (214748362552516350), not of its binary value (…352).
    EXPECT_TRUE(MoneyToChinese(214748362552516352.0).endsWith(QStringLiteral("叁佰伍拾元整")));
}
