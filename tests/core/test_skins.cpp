#include <gtest/gtest.h>

#include <QApplication>
#include <QFile>

#include "core/dblayer.h"
#include "core/session.h"
#include "core/skins.h"
#include "tests/support/skinfolder.h"
#include "tests/support/fixtures.h"

namespace {

QString u(const char* text)
{
    return QString::fromUtf8(text);
}

class SkinsTest : public DbTest
{
protected:
    void SetUp() override
    {
        DbTest::SetUp();
        CopySkinFiles(folder());
        CurSkin = SkinInfo{};
        InitSkinTable();
    }
    void TearDown() override
    {
        qApp->setStyleSheet(QString());
        DbTest::TearDown();
    }

    QVariant userSkin(int userId = 1)
    {
        return Conn.scalar(QStringLiteral("select UserSkin from userdata where userid=?"), {userId});
    }
    void setUserSkin(const QVariant& value)
    {
        Conn.exec(QStringLiteral("update userdata set UserSkin=? where userid=1"), {value});
    }
    void logIn()
    {
        CurUserID = 1;
        SkinId = userSkin().toInt();
    }
};

} // namespace

TEST_F(SkinsTest, TableHoldsTheNineSkins)
{
    EXPECT_EQ(Skins[1].Name, QStringLiteral("QQ2010"));
    EXPECT_EQ(Skins[1].FileName, QStringLiteral("skinh.she"));
    EXPECT_EQ(Skins[1].BackColor, 0xF3E1CA);
    EXPECT_EQ(Skins[1].BorderColor, 0xD5A554);
    EXPECT_EQ(Skins[5].Name, u("复古木纹"));
    EXPECT_EQ(Skins[5].BorderColor, 0x245885);
    EXPECT_EQ(Skins[6].FileName, QStringLiteral("ShiShnagXingXi.she"));
    EXPECT_EQ(Skins[9].Name, u("Vista风格"));
    EXPECT_EQ(Skins[9].FileName, QStringLiteral("aero.she"));
    EXPECT_EQ(Skins[9].BackColor, 0xF0F0F0);
    for (int id = 1; id <= 9; ++id) {
        EXPECT_EQ(Skins[id].Id, id);
        EXPECT_EQ(Skins[id].MouseMoveColor, 0xD8E9EC);
        EXPECT_EQ(Skins[id].MouseOutColor, 0xFFFFFF);
        EXPECT_EQ(Skins[id].MouseInColor, 0xD8E9EC);
        EXPECT_TRUE(QFile::exists(SkinFilePath(id))) << id;
        EXPECT_FALSE(ReadSkinFile(folder(), Skins[id].FileName).isEmpty()) << id;
    }
}

TEST_F(SkinsTest, ApplyingASkinRestylesTheApplication)
{
    logIn();
    ASSERT_TRUE(ApplySkin(7));
    EXPECT_EQ(CurSkin.Id, 7);
    EXPECT_EQ(CurSkin.BackColor, 0xEDE9EB);
    EXPECT_EQ(qApp->styleSheet(), ReadSkinFile(folder(), QStringLiteral("LanSeBaoShi.she")));
    EXPECT_EQ(SkinId, 7);
    EXPECT_EQ(userSkin().toInt(), 7);
}

TEST_F(SkinsTest, OutOfRangeIdAppliesSkinOneAndCorrectsTheUserRow)
{
    for (int bad : {0, 10}) {
        setUserSkin(bad);
        logIn();
        ASSERT_TRUE(ApplySkin(SkinId));
        EXPECT_EQ(SkinId, 1);
        EXPECT_EQ(CurSkin.Id, 1);
        EXPECT_EQ(userSkin().toInt(), 1) << bad;
    }
}

TEST_F(SkinsTest, NullOrHugeUserSkinMeansSkinOne)
{
    setUserSkin(QVariant());
    CurUserID = 1;
    SkinId = SkinIdFromValue(userSkin());
    EXPECT_EQ(SkinId, 0);
    ASSERT_TRUE(ApplySkin(SkinId));
    EXPECT_EQ(userSkin().toInt(), 1);

    setUserSkin(qint64(5000000000));
    SkinId = SkinIdFromValue(userSkin());
    EXPECT_EQ(SkinId, 0);
    ASSERT_TRUE(ApplySkin(SkinId));
    EXPECT_EQ(CurSkin.Id, 1);
    EXPECT_EQ(userSkin().toInt(), 1);

    EXPECT_EQ(SkinIdFromValue(4), 4);
    EXPECT_EQ(SkinIdFromValue(QStringLiteral("abc")), 0);
}

TEST_F(SkinsTest, SameIdWritesNothing)
{
    setUserSkin(7);
    CurUserID = 1;
    SkinId = 4;
    ASSERT_TRUE(ApplySkin(4));
    EXPECT_EQ(userSkin().toInt(), 7);
    EXPECT_EQ(CurSkin.Id, 4);
}

TEST_F(SkinsTest, NoWriteBackWithoutAUserOrAnOpenConnection)
{
    setUserSkin(5);
    CurUserID = 0;
    SkinId = 5;
    ASSERT_TRUE(ApplySkin(10));
    EXPECT_EQ(SkinId, 1);
    EXPECT_EQ(userSkin().toInt(), 5);

    CurUserID = 1;
    SkinId = 5;
    CloseDatabase();
    ASSERT_TRUE(ApplySkin(0));
    EXPECT_EQ(SkinId, 1);
    OpenDatabase();
    EXPECT_EQ(userSkin().toInt(), 5);
}

TEST_F(SkinsTest, MissingSkinFileFallsBackToSkinOne)
{
    ASSERT_TRUE(QFile::remove(SkinFilePath(5)));
    logIn();
    ASSERT_TRUE(ApplySkin(5));
    EXPECT_EQ(CurSkin.Id, 1);
    EXPECT_EQ(userSkin().toInt(), 1);
}

TEST_F(SkinsTest, MissingSkinOneLaterKeepsTheSkinInForce)
{
    logIn();
    ASSERT_TRUE(ApplySkin(2));
    const QString sheet = qApp->styleSheet();
    ASSERT_TRUE(QFile::remove(SkinFilePath(1)));
    ASSERT_TRUE(QFile::remove(SkinFilePath(6)));
    m_prompts.answerMessage(MsgResult::Ok);
    EXPECT_FALSE(ApplySkin(6));
    EXPECT_EQ(m_prompts.last().text, u("皮肤设置错误，未找到该皮肤文件。"));
    EXPECT_EQ(m_prompts.last().title, QString());
    EXPECT_EQ(SkinId, 2);
    EXPECT_EQ(CurSkin.Id, 2);
    EXPECT_EQ(qApp->styleSheet(), sheet);
    EXPECT_EQ(userSkin().toInt(), 2);
}
