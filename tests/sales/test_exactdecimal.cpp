#include <gtest/gtest.h>

#include <limits>
#include <random>

#include "sales/exactdecimal.h"
#include "sales/salesnumbers.h"

namespace {

// Whole cents of a sum of mills (thousandths), a half cent to the even cent: the answer computed
// in plain integers, against which the exact sums are checked.
qint64 centsOfMills(qint64 mills)
{
    qint64 cents = mills / 10;
    const qint64 rest = mills % 10;
    if (rest > 5 || (rest == 5 && cents % 2 != 0))
        ++cents;
    return cents;
}

double centsValue(qint64 cents)
{
    return QStringLiteral("%1.%2").arg(cents / 100).arg(cents % 100, 2, 10, QLatin1Char('0')).toDouble();
}

double millsPrice(qint64 mills)
{
    return QStringLiteral("%1.%2").arg(mills / 1000).arg(mills % 1000, 3, 10, QLatin1Char('0')).toDouble();
}

TEST(ExactDecimal, ReadsRoundsAndWritesDecimalsExactly)
{
    EXPECT_EQ(ExactDecimal::fromText("12.50")->text(), "12.5");
    EXPECT_EQ(ExactDecimal::fromText(".5")->text(2), "0.50");
    EXPECT_EQ(ExactDecimal::fromText("5.")->text(), "5");
    EXPECT_EQ(ExactDecimal::fromText("-0.005")->text(), "-0.005");
    EXPECT_EQ(ExactDecimal::fromText("0")->text(3), "0.000");
    for (const char* bad : {"", "-", ".", "1.2.3", "1e5", " 1", "+1", "１"})
        EXPECT_FALSE(ExactDecimal::fromText(bad)) << bad;
    // Decimals past the kept ones only round the last kept one.
    EXPECT_EQ(ExactDecimal::fromText("0.0000000000000000015")->text(), "0.000000000000000002");
    EXPECT_EQ(ExactDecimal::fromText("0.0000000000000000025")->text(), "0.000000000000000002");
    EXPECT_EQ(ExactDecimal::fromText("0.00000000000000000250001")->text(), "0.000000000000000003");
    // The double's own decimal, not its binary expansion: 1.005 is stored just below 1.005.
    EXPECT_EQ(ExactDecimal::fromDouble(1.005)->text(), "1.005");
    EXPECT_FALSE(ExactDecimal::fromDouble(1e300));
    EXPECT_FALSE(ExactDecimal::fromDouble(std::numeric_limits<double>::infinity()));

    // Halves go to the even neighbour, on both sides of zero.
    const auto round = [](const char* text, int decimals) {
        return ExactDecimal::fromText(text)->rounded(decimals).text(decimals);
    };
    EXPECT_EQ(round("0.425", 2), "0.42");
    EXPECT_EQ(round("0.435", 2), "0.44");
    EXPECT_EQ(round("0.4250001", 2), "0.43");
    EXPECT_EQ(round("-2.625", 2), "-2.62");
    EXPECT_EQ(round("-2.6251", 2), "-2.63");
    EXPECT_EQ(round("99999999.995", 2), "100000000.00");
    EXPECT_EQ(round("2.5", 0), "2");

    // Sums and products stay exact where doubles do not (0.1 + 0.2).
    const ExactDecimal a = *ExactDecimal::fromDouble(0.1);
    EXPECT_EQ(a.plus(*ExactDecimal::fromDouble(0.2))->text(), "0.3");
    EXPECT_EQ(a.times(3)->plus(*ExactDecimal::fromText("0.125"))->text(), "0.425");
    EXPECT_EQ(a.times(3)->toDouble(), 0.3);
    // Past 128 bits there is no answer rather than a wrong one.
    const ExactDecimal huge = *ExactDecimal::fromText("99999999999999999999999999999999999");
    EXPECT_FALSE(huge.times(100000));
    EXPECT_FALSE(huge.times(1000)->plus(*huge.times(1000)));
}

TEST(ExactDecimal, MoneyTotalsRoundTheExactSumHalfToEven)
{
    const auto total = [](std::initializer_list<std::pair<qint64, double>> lines) {
        MoneyTotal t;
        for (const auto& [count, price] : lines)
            t.add(count, price);
        return t.cents();
    };
    // The half-cent totals whose binary sums lean to the wrong side.
    EXPECT_EQ(total({{3, 0.1}, {1, 0.125}}), 0.42);
    EXPECT_EQ(total({{2, 0.1}, {1, 0.105}}), 0.3);
    EXPECT_EQ(total({{1, 0.305}}), 0.3);
    EXPECT_EQ(total({{1, 0.315}}), 0.32);
    EXPECT_EQ(total({}), 0.0);
    // Two decimals keep what they always gave.
    EXPECT_EQ(total({{3, 0.1}, {7, 12.34}, {1, 0.05}}), 86.73);
    // The largest price and quantity the boxes allow, and the smallest price.
    EXPECT_EQ(total({{2147483647, 99999999}}), 214748362552516353.0);
    EXPECT_EQ(total({{2147483647, 9999.999}, {2147483647, 0.0000001}}), 21474834322731.1);
    EXPECT_EQ(total({{5, 0.0000001}}), 0.0);
    // Prices far beyond any box are summed in double precision rather than overflowing.
    EXPECT_DOUBLE_EQ(total({{1000000000000, 1e30}, {1, 0.5}}), 1e42);

    // Random orders of three-decimal prices against integer arithmetic, many of whose totals
    // end in half a cent.
    std::mt19937 random(20240524);
    int halves = 0;
    for (int order = 0; order < 2000; ++order) {
        MoneyTotal t;
        qint64 mills = 0;
        const int lines = 1 + int(random() % 6);
        for (int i = 0; i < lines; ++i) {
            const qint64 price = random() % 10000000; // up to 9999.999
            const qint64 count = 1 + random() % 5000;
            t.add(count, millsPrice(price));
            mills += count * price;
        }
        halves += mills % 10 == 5;
        ASSERT_EQ(t.cents(), centsValue(centsOfMills(mills))) << "order " << order << ", mills " << mills;
    }
    EXPECT_GT(halves, 100);

    // A single amount rounds the same way.
    EXPECT_EQ(RoundMoney(0.425), 0.42);
    EXPECT_EQ(RoundMoney(2.635), 2.64);
    EXPECT_EQ(RoundMoney(1.005), 1.0);
    EXPECT_EQ(RoundMoney(-0.001), 0.0);
}

TEST(ExactDecimal, PricesBelowOneShowTwoDecimalsRoundedLikeTheTotals)
{
    EXPECT_EQ(PriceText(0.125), "0.12");
    EXPECT_EQ(PriceText(0.135), "0.14");
    EXPECT_EQ(PriceText(0.015), "0.02");
    EXPECT_EQ(PriceText(0.005), "0.00");
    EXPECT_EQ(PriceText(0.5), "0.50");
    EXPECT_EQ(PriceText(0), "0.00");
    EXPECT_EQ(PriceText(0.999), "1.00");
    EXPECT_EQ(PriceText(-0.125), "-0.12");
    // From 1 up a price shows as stored.
    EXPECT_EQ(PriceText(3.333), "3.333");
    EXPECT_EQ(PriceText(12), "12");
    EXPECT_EQ(CentsText(12.345), "12.34");
}

} // namespace
