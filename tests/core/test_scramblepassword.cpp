#include <gtest/gtest.h>

#include <QString>

#include "core/scramblepassword.h"

TEST(ScramblePasswordTest, KnownForms)
{
    EXPECT_EQ(ScramblePassword(QStringLiteral("530917")), QStringLiteral("5PAN1C7EAEaCsi5EnCeGZAoCvh4Kl"));
    EXPECT_EQ(ScramblePassword(QString()), QStringLiteral("t]6CsCpW85eCrr4IvCamB0iCns1Gt"));
    EXPECT_EQ(ScramblePassword(QStringLiteral("admin")), QStringLiteral("ao8CnCtu4CsCpSB1eCrf1MvCaUDEi"));
}

TEST(ScramblePasswordTest, CodesAbove128FollowTheArithmetic)
{
    // Worked by hand through the fifteen steps. "test 1": step 5 writes |116 - 32| + 48 = 132 at
    // position 27, which step 10 reads back as 132: |132 - 108| + 48 = 72, "H" at position 26.
    EXPECT_EQ(ScramblePassword(QStringLiteral("test 1")),
              QStringLiteral("tPAD C1FA^aCsi5EnCeQ`AoCvH\u0084Tl"));
    // "p@ss w0rd!": step 4 writes 134 (read by step 7: |134 - 101| + 48 = 81, "Q"), step 5 writes
    // 128, the euro sign (read by step 10: |128 - 118| + 48 = 58, moved on to 65, "A").
    EXPECT_EQ(ScramblePassword(QStringLiteral("p@ss w0rd!")),
              QStringLiteral("pQ4\\ CwQBa!Ctr1VsCpD\u00862eCrA\u20ACOv"));
}

TEST(ScramblePasswordTest, OnlyTheFirst25CharactersCount)
{
    const QString thirty = QStringLiteral("abcdefghijklmnopqrstuvwxyz1234");
    EXPECT_EQ(ScramblePassword(thirty), ScramblePassword(thirty.left(25)));
    EXPECT_NE(ScramblePassword(thirty.left(24)), ScramblePassword(thirty.left(25)));
    EXPECT_EQ(ScramblePassword(thirty).size(), 29);
}

TEST(ScramblePasswordTest, EmptyPasswordIsPaddedWithTheKeyTextAlone)
{
    const QString padded = QStringLiteral("tovasplinerytovasplineryt");
    EXPECT_EQ(ScramblePassword(QString()), ScramblePassword(padded));
    EXPECT_EQ(ScramblePassword(QString()).size(), 29);
}

TEST(ScramblePasswordTest, FixedPositionsKeepThePasswordAndTheSeparators)
{
    for (const QString& password :
         {QStringLiteral("a"), QStringLiteral("Secret!9"), QStringLiteral("zzzzzzzzzzzzzz"),
          QStringLiteral("Hello World 2024"), QStringLiteral("~`!@#$%^&*()_+{}")}) {
        const QString f = ScramblePassword(password);
        QString s = password;
        while (s.size() < 25)
            s += QStringLiteral("tovasplinery");
        ASSERT_EQ(f.size(), 29) << password.toStdString();
        for (int pos : {6, 12, 18, 24})
            EXPECT_EQ(f.at(pos - 1), QLatin1Char('C')) << password.toStdString() << " position " << pos;
        // Positions 1, 5, 7, 11, 13, 17, 19, 23, 25, 29 of the dashed form come from s unchanged.
        const int formPositions[] = {1, 5, 7, 11, 13, 17, 19, 23, 25, 29};
        const int passwordPositions[] = {1, 5, 6, 10, 11, 15, 16, 20, 21, 25};
        for (int i = 0; i < 10; ++i)
            EXPECT_EQ(f.at(formPositions[i] - 1), s.at(passwordPositions[i] - 1)) << password.toStdString();
    }
}

TEST(ScramblePasswordTest, DashInThePasswordAlsoBecomesC)
{
    const QString f = ScramblePassword(QStringLiteral("-bcd-"));
    EXPECT_EQ(f.at(0), QLatin1Char('C'));
    EXPECT_EQ(f.at(4), QLatin1Char('C'));
}

TEST(ScramblePasswordTest, DigitsFilling25CharactersGiveTheTextFalse)
{
    EXPECT_EQ(ScramblePassword(QStringLiteral("1234567890123456789012345")), QStringLiteral("False"));
    EXPECT_EQ(ScramblePassword(QStringLiteral("1234567890123456789012345abc")), QStringLiteral("False"));
    // Dashes read as zeros, so they keep the form numeric.
    EXPECT_EQ(ScramblePassword(QStringLiteral("12345-7890123456789012345")), QStringLiteral("False"));
    // Fewer digits are padded with letters and scramble normally.
    EXPECT_EQ(ScramblePassword(QStringLiteral("123456789012345678901234")).size(), 29);
    EXPECT_NE(ScramblePassword(QStringLiteral("123456789012345678901234a")), QStringLiteral("False"));
}

TEST(ScramblePasswordTest, NumericTextTest)
{
    EXPECT_TRUE(IsNumericText(QStringLiteral("123")));
    EXPECT_TRUE(IsNumericText(QStringLiteral(" -1.5 ")));
    EXPECT_TRUE(IsNumericText(QStringLiteral("1e5")));
    EXPECT_TRUE(IsNumericText(QStringLiteral(".5")));
    EXPECT_FALSE(IsNumericText(QStringLiteral("1.2.3")));
    EXPECT_FALSE(IsNumericText(QStringLiteral("1e")));
    EXPECT_FALSE(IsNumericText(QStringLiteral("abc")));
    EXPECT_FALSE(IsNumericText(QString()));
    EXPECT_FALSE(IsNumericText(QStringLiteral(".")));
}

TEST(ScramblePasswordTest, DoubleByteCharactersScrambleToTwentyNineCharacters)
{
    const QString chinese = QStringLiteral("密码中文字");
    const QString f = ScramblePassword(chinese);
    EXPECT_EQ(f.size(), 29);
    EXPECT_EQ(f, ScramblePassword(chinese)); // stable, so a stored form matches again
    EXPECT_NE(f, ScramblePassword(QStringLiteral("密码中文")));
    EXPECT_EQ(f.at(5), QLatin1Char('C'));
    EXPECT_EQ(f.at(0), QChar(u'密'));
}
