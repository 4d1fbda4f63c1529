#include <gtest/gtest.h>

#include <QDateTime>
#include <QTimeZone>

#include "controls/solarterms.h"

namespace {

QDateTime cst(int year, int month, int day, int hour, int minute)
{
    return QDateTime(QDate(year, month, day), QTime(hour, minute), QTimeZone(8 * 3600));
}

} // namespace

TEST(SolarTerms, NamesRunFromXiaoHanToDongZhi)
{
    ASSERT_EQ(JieQiName().size(), 24);
    EXPECT_EQ(JieQiName().first(), QString::fromUtf8("小寒"));
    EXPECT_EQ(JieQiName().at(5), QString::fromUtf8("春分"));
    EXPECT_EQ(JieQiName().last(), QString::fromUtf8("冬至"));
}

TEST(SolarTerms, MomentsAgreeWithPublishedValues)
{
    EXPECT_EQ(CurDateJieQi(2024, 6), cst(2024, 3, 20, 11, 6));    // 春分
    EXPECT_EQ(CurDateJieQi(2000, 24), cst(2000, 12, 21, 21, 37)); // 冬至
    EXPECT_EQ(CurDateJieQi(2023, 3), cst(2023, 2, 4, 10, 42));    // 立春
    EXPECT_EQ(CurDateJieQi(2025, 3), cst(2025, 2, 3, 22, 10));    // 立春
    EXPECT_EQ(CurDateJieQi(2025, 24), cst(2025, 12, 21, 23, 3));  // 冬至
    // The table's last year too: the formula would put 秋分 2049 at 23:28.
    EXPECT_EQ(CurDateJieQi(2049, 18), cst(2049, 9, 22, 21, 42));
    EXPECT_EQ(CurDateJieQi(2024, 6).offsetFromUtc(), 8 * 3600);
}

// The mean-motion formula puts these terms on the wrong day.
TEST(SolarTerms, TermsNearMidnightLandOnTheirTrueDay)
{
    EXPECT_EQ(CurDateJieQi(2017, 24).date(), QDate(2017, 12, 22));
    EXPECT_EQ(JieQiByFormula(2017, 24).date(), QDate(2017, 12, 21));
    EXPECT_EQ(CurDateJieQi(2015, 1).date(), QDate(2015, 1, 6));
    EXPECT_EQ(JieQiByFormula(2015, 1).date(), QDate(2015, 1, 5));
}

TEST(SolarTerms, FormulaStandsInOutsideTheTable)
{
    EXPECT_EQ(CurDateJieQi(1900, 1), cst(1900, 1, 6, 3, 8));
    EXPECT_EQ(JieQiByFormula(1900, 1), cst(1900, 1, 6, 3, 8));
    EXPECT_EQ(JieQiByFormula(2011, 7), cst(2011, 4, 5, 12, 8));
    EXPECT_EQ(CurDateJieQi(2050, 24), JieQiByFormula(2050, 24));
    EXPECT_EQ(CurDateJieQi(1850, 12), JieQiByFormula(1850, 12));
    EXPECT_EQ(CurDateJieQi(2011, 7), cst(2011, 4, 5, 11, 11));
}

TEST(SolarTerms, TermNumbersOutsideOneToTwentyFourGiveNoMoment)
{
    EXPECT_FALSE(CurDateJieQi(2024, 0).isValid());
    EXPECT_FALSE(CurDateJieQi(2024, 25).isValid());
    EXPECT_FALSE(JieQiByFormula(1800, -1).isValid());
}

// Guards the committed table: two terms in every month, in order, near the mean motion.
TEST(SolarTerms, TableHoldsTwoOrderedTermsPerMonthForEveryYear)
{
    for (int year = JieQiFirstYear; year <= JieQiLastYear; ++year) {
        QDateTime previous = CurDateJieQi(year - 1, 24);
        for (int number = 1; number <= 24; ++number) {
            const QDateTime moment = CurDateJieQi(year, number);
            ASSERT_TRUE(moment.isValid()) << year << " " << number;
            EXPECT_EQ(moment.date().year(), year) << number;
            EXPECT_EQ(moment.date().month(), (number + 1) / 2) << year << " " << number;
            const qint64 gap = previous.secsTo(moment);
            EXPECT_GT(gap, 14 * 86400) << year << " " << number;
            EXPECT_LT(gap, 16 * 86400) << year << " " << number;
            EXPECT_LT(qAbs(moment.secsTo(JieQiByFormula(year, number))), 4 * 3600) << year << " " << number;
            previous = moment;
        }
    }
}
