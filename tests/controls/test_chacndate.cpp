#include <gtest/gtest.h>

#include <QDate>
#include <QString>

#include "controls/chacndate.h"

namespace {

QString cn(int year, int month, int day)
{
    return ChaCnDate(QDate(year, month, day), true);
}

QString coded(int year, int month, int day)
{
    return ChaCnDate(QDate(year, month, day), false);
}

QString u(const char* text)
{
    return QString::fromUtf8(text);
}

} // namespace

TEST(ChaCnDate, FirstDayOfTheTableAndTheDayBeforeTheNextNewYear)
{
    EXPECT_EQ(cn(1900, 1, 31), u("正月初一"));
    EXPECT_EQ(coded(1900, 1, 31), u("正月初一000"));
    EXPECT_EQ(cn(1901, 2, 18), u("腊月三十"));
    EXPECT_EQ(coded(1901, 2, 18), u("腊月三十291"));
    EXPECT_EQ(cn(1901, 2, 19), u("正月初一"));
    EXPECT_EQ(coded(2011, 9, 11), u("八月十四130"));
    EXPECT_EQ(cn(2011, 9, 11), u("八月十四"));
}

TEST(ChaCnDate, LeapMonthsTakeTheNameOfTheMonthBefore)
{
    EXPECT_EQ(cn(1900, 9, 23), u("八月三十"));
    EXPECT_EQ(cn(1900, 9, 24), u("润八月初一"));
    EXPECT_EQ(coded(1900, 9, 24), u("润八月初一000"));
    EXPECT_EQ(cn(1900, 10, 23), u("九月初一"));

    EXPECT_EQ(cn(2012, 4, 21), u("四月初一"));
    EXPECT_EQ(cn(2012, 5, 21), u("润四月初一"));
    EXPECT_EQ(cn(2012, 6, 19), u("五月初一"));
}

TEST(ChaCnDate, LeapMonthOf2033FollowsTheEleventhMonth)
{
    EXPECT_EQ(CnYearData().at(2033 - 1900), QStringLiteral("0131010010101110111"));
    EXPECT_EQ(cn(2033, 8, 25), u("八月初一"));
    EXPECT_EQ(cn(2033, 11, 22), u("十一月初一"));
    EXPECT_EQ(cn(2033, 12, 21), u("十一月三十"));
    EXPECT_EQ(cn(2033, 12, 22), u("润十一月初一"));
    EXPECT_EQ(cn(2034, 1, 20), u("腊月初一"));
    EXPECT_EQ(coded(2034, 2, 18), u("腊月三十291"));
    EXPECT_EQ(cn(2034, 2, 19), u("正月初一"));
}

TEST(ChaCnDate, JanuaryBeforeTheNewYearUsesTheYearBefore)
{
    EXPECT_EQ(cn(2011, 1, 15), u("腊月十二"));
    EXPECT_EQ(cn(2011, 2, 3), u("正月初一"));
}

TEST(ChaCnDate, DaysOutsideTheTableGiveNoText)
{
    EXPECT_EQ(cn(2049, 12, 31), u("腊月初七"));
    EXPECT_TRUE(cn(2050, 1, 1).isEmpty());
    EXPECT_TRUE(coded(2050, 1, 1).isEmpty());
    EXPECT_TRUE(cn(1900, 1, 30).isEmpty());
    EXPECT_TRUE(cn(1850, 6, 1).isEmpty());
    EXPECT_TRUE(ChaCnDate(QDate(), true).isEmpty());
}

TEST(ChaCnDate, YearTableIsConsistent)
{
    const QStringList& rows = CnYearData();
    ASSERT_EQ(rows.size(), 150);
    int leapYears = 0;
    for (int i = 0; i < rows.size(); ++i) {
        const QString& row = rows.at(i);
        ASSERT_TRUE(row.size() == 16 || row.size() == 19) << 1900 + i;
        const int months = row.size() == 19 ? 13 : 12;
        if (months == 13) {
            ++leapYears;
            const int leap = row.right(2).toInt();
            EXPECT_TRUE(leap >= 1 && leap <= 12) << 1900 + i;
        }
        if (i + 1 == rows.size())
            break;
        int days = 0;
        for (int m = 0; m < months; ++m)
            days += 29 + row.mid(4 + m, 1).toInt();
        const QDate newYear(1900 + i, row.left(2).toInt(), row.mid(2, 2).toInt());
        const QString& next = rows.at(i + 1);
        const QDate nextNewYear(1901 + i, next.left(2).toInt(), next.mid(2, 2).toInt());
        EXPECT_EQ(newYear.daysTo(nextNewYear), days) << 1900 + i;
    }
    EXPECT_EQ(leapYears, 55);
    EXPECT_EQ(CnMonthName().size(), 12);
    EXPECT_EQ(CnDayName().size(), 30);
    EXPECT_EQ(CnDayName().at(29), u("三十"));
}

// Every day of the table converts, and each day is the next lunar day or the first of a month.
TEST(ChaCnDate, EveryDayOfTheTableFollowsTheDayBefore)
{
    const QDate last(2049, 12, 31);
    QString previous = coded(1900, 1, 31);
    int newYears = 1;
    int leapMonths = 0;
    for (QDate day(1900, 2, 1); day <= last; day = day.addDays(1)) {
        const QString text = ChaCnDate(day, false);
        ASSERT_GE(text.size(), 7) << day.toString(Qt::ISODate).toStdString();
        ASSERT_EQ(ChaCnDate(day, true), text.left(text.size() - 3));
        const int lunarDay = text.mid(text.size() - 3, 2).toInt();
        const int previousDay = previous.mid(previous.size() - 3, 2).toInt();
        const QString month = text.left(text.size() - 5);
        const QString previousMonth = previous.left(previous.size() - 5);
        if (lunarDay == 0) {
            // The month before ended on its last day, 29 or 30 by its length digit.
            ASSERT_EQ(previousDay, 28 + previous.right(1).toInt()) << day.toString(Qt::ISODate).toStdString();
            ASSERT_NE(month, previousMonth);
            if (month == CnMonthName().at(0))
                ++newYears;
            if (month.startsWith(u("润")))
                ++leapMonths;
        } else {
            ASSERT_EQ(lunarDay, previousDay + 1) << day.toString(Qt::ISODate).toStdString();
            ASSERT_EQ(month, previousMonth);
            ASSERT_EQ(text.right(1), previous.right(1));
        }
        previous = text;
    }
    EXPECT_EQ(newYears, 150);
    EXPECT_EQ(leapMonths, 55);
}
