#include <gtest/gtest.h>

#include "affairs/regularschedule.h"

namespace {

const QDate Today(2011, 9, 20);

QString normal(qint16 kind, const char* text)
{
    return NormalizeRegularData(kind, QString::fromUtf8(text), Today);
}

QDate due(qint16 kind, const char* text, const QDate& from, const QDate& today = Today)
{
    return NextDueDay(kind, QString::fromUtf8(text), from, today);
}

} // namespace

TEST(RegularSchedule, KeepsValidTextsAndGivesEachKindItsDefault)
{
    // Every N days: the start must be a day of the calendar; the cycle is not looked at here.
    EXPECT_EQ(normal(EveryNDays, "20110911005"), "20110911005");
    EXPECT_EQ(normal(EveryNDays, "20110911000"), "20110911000");
    EXPECT_EQ(normal(EveryNDays, "20110229005"), "20110920005");
    EXPECT_EQ(normal(EveryNDays, "2011091100"), "20110920005");
    EXPECT_EQ(normal(EveryNDays, "201109110050"), "20110920005");
    EXPECT_EQ(normal(EveryNDays, "2011-09-1105"), "20110920005");
    // Daily: only the empty text.
    EXPECT_EQ(normal(Daily, ""), "");
    EXPECT_EQ(normal(Daily, "1"), "");
    // Weekly 1 to 7, monthly 1 to 31, unpadded values kept as they are.
    EXPECT_EQ(normal(Weekly, "7"), "7");
    EXPECT_EQ(normal(Weekly, "8"), "1");
    EXPECT_EQ(normal(Weekly, "a1"), "1");
    EXPECT_EQ(normal(Monthly, "5"), "5");
    EXPECT_EQ(normal(Monthly, "31"), "31");
    EXPECT_EQ(normal(Monthly, "32"), "01");
    EXPECT_EQ(normal(Monthly, "0"), "01");
    // Only digit strings are numbers: signs, blanks, decimals and exponents are refused.
    EXPECT_EQ(normal(Weekly, " 3"), "1");
    EXPECT_EQ(normal(Weekly, "+3"), "1");
    EXPECT_EQ(normal(Monthly, "5.0"), "01");
    EXPECT_EQ(normal(Monthly, "1e1"), "01");
    EXPECT_EQ(normal(Monthly, "99999999999999999999999"), "01");
    // Yearly: a day of the leap year 2000, but never 29 February.
    EXPECT_EQ(normal(Yearly, "1231"), "1231");
    EXPECT_EQ(normal(Yearly, "0229"), "0101");
    EXPECT_EQ(normal(Yearly, "1301"), "0101");
    EXPECT_EQ(normal(Yearly, "101"), "0101");
    // Kinds outside 0 to 4 keep digit strings only.
    EXPECT_EQ(normal(7, "42"), "42");
    EXPECT_EQ(normal(7, "x"), "");
}

TEST(RegularSchedule, FindsTheFirstDueDayOfEveryKind)
{
    // Every 7 days from 1 September 2011.
    EXPECT_EQ(due(EveryNDays, "20110901007", QDate(2011, 9, 10)), QDate(2011, 9, 15));
    EXPECT_EQ(due(EveryNDays, "20110901007", QDate(2011, 9, 1)), QDate(2011, 9, 1));
    EXPECT_EQ(due(EveryNDays, "20110901007", QDate(2011, 8, 3)), QDate(2011, 9, 1));
    // Far beyond 10,000 cycles, computed directly: every 2 days from 1 January 1900.
    EXPECT_EQ(due(EveryNDays, "19000101002", QDate(2011, 9, 20)), QDate(2011, 9, 20));
    EXPECT_EQ(due(EveryNDays, "19000101002", QDate(2011, 9, 21)), QDate(2011, 9, 22));
    // A cycle below 1 or an invalid start gives no day.
    EXPECT_FALSE(due(EveryNDays, "20110901000", QDate(2011, 9, 10)).isValid());
    EXPECT_FALSE(due(EveryNDays, "20110231007", QDate(2011, 9, 10)).isValid());

    EXPECT_EQ(due(Daily, "", QDate(2012, 2, 29)), QDate(2012, 2, 29));
    EXPECT_FALSE(due(Daily, "3", QDate(2012, 2, 29)).isValid());

    // Weekly 1 (Sunday): 18 September 2011 is a Sunday, the 19th a Monday; across a year end.
    EXPECT_EQ(due(Weekly, "1", QDate(2011, 9, 18)), QDate(2011, 9, 18));
    EXPECT_EQ(due(Weekly, "1", QDate(2011, 9, 19)), QDate(2011, 9, 25));
    EXPECT_EQ(due(Weekly, "7", QDate(2011, 12, 31)), QDate(2011, 12, 31));
    EXPECT_EQ(due(Weekly, "2", QDate(2011, 12, 31)), QDate(2012, 1, 2));
    EXPECT_FALSE(due(Weekly, "9", QDate(2011, 9, 19)).isValid());

    // Monthly: months without the day are passed over, February by leap year.
    EXPECT_EQ(due(Monthly, "31", QDate(2011, 4, 5)), QDate(2011, 5, 31));
    EXPECT_EQ(due(Monthly, "29", QDate(2011, 2, 10)), QDate(2011, 3, 29));
    EXPECT_EQ(due(Monthly, "29", QDate(2012, 2, 10)), QDate(2012, 2, 29));
    EXPECT_EQ(due(Monthly, "30", QDate(2012, 1, 31)), QDate(2012, 3, 30));
    EXPECT_EQ(due(Monthly, "5", QDate(2011, 12, 6)), QDate(2012, 1, 5));
    EXPECT_EQ(due(Monthly, "01", QDate(2011, 12, 1)), QDate(2011, 12, 1));
    EXPECT_FALSE(due(Monthly, "32", QDate(2011, 12, 1)).isValid());

    // Yearly: in the year of today, else the next year, even when that is before fromDate.
    EXPECT_EQ(due(Yearly, "0101", QDate(2012, 1, 2), QDate(2011, 12, 31)), QDate(2012, 1, 1));
    EXPECT_EQ(due(Yearly, "1231", QDate(2011, 12, 31), QDate(2011, 12, 30)), QDate(2011, 12, 31));
    EXPECT_EQ(due(Yearly, "0301", QDate(2011, 9, 20)), QDate(2012, 3, 1));
    EXPECT_FALSE(due(Yearly, "0229", QDate(2011, 9, 20)).isValid());

    EXPECT_FALSE(due(5, "1", QDate(2011, 9, 20)).isValid());
    EXPECT_FALSE(due(-1, "1", QDate(2011, 9, 20)).isValid());
}
