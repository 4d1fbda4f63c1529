#include <gtest/gtest.h>

#include <map>

#include <QRawFont>

#include "platform/printfont.h"

// A PDF reads a printed glyph back as the one code point its font's character map gives it: with
// two code points on one glyph (a radical and its ideograph) it may pick the wrong one, and a
// glyph put in by a substitution has none.
TEST(PrintFont, EachGlyphHasOneCodePointAndNoneIsSubstituted)
{
    const QRawFont font(PrintFontPath(), 12);
    ASSERT_TRUE(font.isValid()) << PrintFontPath().toStdString();
    EXPECT_EQ(font.familyName(), PrintFontFamily);
    EXPECT_TRUE(font.fontTable("GSUB").isEmpty());

    std::map<quint32, char32_t> owner;
    QStringList shared;
    int supported = 0;
    for (char32_t cp = 0x20; cp < 0x40000; ++cp) {
        // Qt itself draws a no-break space with the space's glyph.
        if ((cp >= 0xD800 && cp < 0xE000) || cp == 0xA0 || !font.supportsCharacter(cp))
            continue;
        ++supported;
        const QList<quint32> glyphs = font.glyphIndexesForString(QString::fromUcs4(&cp, 1));
        ASSERT_EQ(glyphs.size(), 1);
        const auto [it, added] = owner.emplace(glyphs.first(), cp);
        if (!added)
            shared << QStringLiteral("U+%1/U+%2").arg(uint(it->second), 4, 16).arg(uint(cp), 4, 16);
    }
    EXPECT_TRUE(shared.isEmpty()) << shared.join(QLatin1Char(' ')).toStdString();
    // The Simplified Chinese face whole, without the radicals that share an ideograph's glyph.
    EXPECT_GT(supported, 40000);
    for (const QChar ch : QStringLiteral("用户日期生手小女见车门马／"))
        EXPECT_TRUE(font.supportsCharacter(ch)) << QString(ch).toStdString();
    EXPECT_FALSE(font.supportsCharacter(char32_t(0x2F64)));
    EXPECT_FALSE(font.supportsCharacter(char32_t(0x2F3E)));
}
