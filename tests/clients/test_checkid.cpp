#include <gtest/gtest.h>

#include "clients/checkid.h"
#include "tests/support/fixtures.h"

namespace {

// An 18-character number for a body of area, day and sequence, with its right check character.
QString withCheck(const QString& body)
{
    return body + CheckId::CheckCharacter(body);
}

QString dayText(const QDate& day)
{
    return day.toString(QStringLiteral("yyyyMMdd"));
}

} // namespace

TEST(CheckId, SplitsWellFormedNumbersOfBothLengths)
{
    CheckId id;
    // Before any call the getters give nothing.
    EXPECT_EQ(id.GetAreaCode(), 0);
    EXPECT_EQ(id.GetBirthday(), QDate(1899, 12, 30));
    EXPECT_FALSE(id.GetSex());

    // Published examples of the standard: check characters "X" and "4".
    EXPECT_EQ(CheckId::CheckCharacter(QStringLiteral("11010519491231002")), QLatin1Char('X'));
    EXPECT_EQ(CheckId::CheckCharacter(QStringLiteral("44052418800101001")), QLatin1Char('4'));

    ASSERT_TRUE(id.SetCode(QStringLiteral("11010519491231002X")));
    EXPECT_EQ(id.GetAreaCode(), 110105);
    EXPECT_EQ(id.GetBirthday(), QDate(1949, 12, 31));
    EXPECT_FALSE(id.GetSex());
    // A lower-case x is the same check character.
    EXPECT_TRUE(id.SetCode(QStringLiteral("11010519491231002x")));

    ASSERT_TRUE(id.SetCode(withCheck(QStringLiteral("44052419800101001"))));
    EXPECT_EQ(id.GetAreaCode(), 440524);
    EXPECT_EQ(id.GetBirthday(), QDate(1980, 1, 1));
    EXPECT_TRUE(id.GetSex());

    // 15 digits: the year is 19 and digits 7-8, the sex the last digit, no check character.
    ASSERT_TRUE(id.SetCode(QStringLiteral("050203600229013")));
    EXPECT_EQ(id.GetAreaCode(), 50203); // the leading zero drops out
    EXPECT_EQ(id.GetBirthday(), QDate(1960, 2, 29));
    EXPECT_TRUE(id.GetSex());

    // A failure clears what the last success found.
    EXPECT_FALSE(id.SetCode(QStringLiteral("11010519491231002")));
    EXPECT_EQ(id.GetAreaCode(), 0);
    EXPECT_EQ(id.GetBirthday(), CheckId::ZeroDate);
    EXPECT_FALSE(id.GetSex());
}

TEST(CheckId, RefusesMalformedNumbers)
{
    CheckId id;
    const QStringList bad{
        QStringLiteral("1101051949123100"),    // 16 characters
        QStringLiteral("11010519491231002"),   // 17
        QStringLiteral(" 11010519491231002X"), // a blank counts
        QStringLiteral("11010519491231002Y"),  // a letter other than X
        QStringLiteral("110105194912310029"),  // wrong check digit
        QStringLiteral("1101051949123100AX"),  // a letter in the body
        QStringLiteral("110105610229013"),     // 1961-02-29 does not exist
        QStringLiteral("110105601301013"),     // month 13
        QStringLiteral("11010519490230002"),   // (17 again, and 30 February)
        withCheck(QStringLiteral("11010519490230002")),
        QStringLiteral("11010519491231002X\n"), // 19 characters
        QString(),
    };
    for (const QString& code : bad)
        EXPECT_FALSE(id.SetCode(code)) << code.toStdString();
}

TEST(CheckId, BirthdayLimitsAreTodayAndOneHundredFortyYears)
{
    CheckId id;
    const QDate today = QDate::currentDate();
    EXPECT_TRUE(id.SetCode(withCheck(QStringLiteral("350203") + dayText(today) + QStringLiteral("123"))));
    EXPECT_FALSE(
        id.SetCode(withCheck(QStringLiteral("350203") + dayText(today.addDays(1)) + QStringLiteral("123"))));

    // Calendar years only: 31 December of the year 140 years back still counts, 141 years not.
    const QDate march(2024, 3, 1);
    EXPECT_TRUE(id.SetCode(withCheck(QStringLiteral("35020318841231123")), march));
    EXPECT_FALSE(id.SetCode(withCheck(QStringLiteral("35020318831231123")), march));
    EXPECT_FALSE(id.SetCode(withCheck(QStringLiteral("35020320240302123")), march));
    EXPECT_TRUE(id.SetCode(withCheck(QStringLiteral("35020320240301123")), march));
}
