#include <gtest/gtest.h>

#include "core/dblayer.h"
#include "core/pinyin.h"
#include "tests/support/fixtures.h"

using PinyinTest = DbTest;

TEST_F(PinyinTest, EmptyAndBlankTextsGiveNothing)
{
    EXPECT_EQ(GetPinyinInitials(QString()), QString());
    EXPECT_EQ(GetPinyinInitials(QStringLiteral("   ")), QString());
    EXPECT_EQ(GetPinyinInitials(QStringLiteral(" \r\n ")), QString());
}

TEST_F(PinyinTest, LatinLettersAreLoweredAndChineseGiveTheirInitials)
{
    EXPECT_EQ(GetPinyinInitials(QStringLiteral("ABC张三")), QStringLiteral("abczs"));
    EXPECT_EQ(GetPinyinInitials(QStringLiteral("厦门XYZ有限公司")), QStringLiteral("xmxyzyxgs"));
    EXPECT_EQ(GetPinyinInitials(QStringLiteral("  李四\r\n")), QStringLiteral("ls"));
    // Digits and punctuation are single-byte and copied as they are.
    EXPECT_EQ(GetPinyinInitials(QStringLiteral("3M-中国(2)")), QStringLiteral("3m-zg(2)"));
}

TEST_F(PinyinTest, InnerBlanksAndQuotesAreCopied)
{
    EXPECT_EQ(GetPinyinInitials(QStringLiteral("张 三")), QStringLiteral("z s"));
    // The quote is copied and never reaches a query.
    EXPECT_EQ(GetPinyinInitials(QStringLiteral("O'Brien王")), QStringLiteral("o'brienw"));
    EXPECT_EQ(GetPinyinInitials(QStringLiteral("'")), QStringLiteral("'"));
}

TEST_F(PinyinTest, CharactersMissingFromTheTableGiveNothing)
{
    // A full-width digit, Chinese punctuation and a full-width letter.
    EXPECT_EQ(GetPinyinInitials(QStringLiteral("张０三。Ａ")), QStringLiteral("zs"));
    EXPECT_EQ(GetPinyinInitials(QStringLiteral("《》，")), QString());
    // Outside the code page and outside the table: nothing, not a copy of the character.
    EXPECT_EQ(GetPinyinInitials(QStringLiteral("王\U0001F600")), QStringLiteral("w"));
}

TEST_F(PinyinTest, CharactersBeyondTheBasicPlaneAreLookedUpWhole)
{
    const QString rare = QStringLiteral("\U00020000"); // a rare character, listed in the table
    ASSERT_GT(Conn.scalar(QStringLiteral("select count(*) from mypinyin where instr(hanzi, ?) > 0"), {rare})
                  .toInt(),
              0);
    const QString reading =
        Conn.scalar(QStringLiteral("select pinyin from mypinyin where instr(hanzi, ?) > 0 limit 1"), {rare})
            .toString();
    EXPECT_EQ(GetPinyinInitials(QStringLiteral("李") + rare),
              QStringLiteral("l") + reading.left(1).toLower());
}

TEST_F(PinyinTest, TheFirstRowHoldingTheCharacterDecides)
{
    // The shipped table holds each character once, under its most common reading.
    EXPECT_EQ(GetPinyinInitials(QStringLiteral("银行")), QStringLiteral("yx"));
    Conn.exec(QStringLiteral("insert into mypinyin (hanzi, pinyin) values (?, ?)"),
              {QStringLiteral("行"), QStringLiteral("Hang")});
    EXPECT_EQ(GetPinyinInitials(QStringLiteral("银行")), QStringLiteral("yx"));
}
