// The program's event delivery when a handler's write finds the database file busy.
#include <gtest/gtest.h>

#include <QPushButton>
#include <QTest>

#include "core/dblayer.h"
#include "core/session.h"
#include "core/skins.h"
#include "tests/support/fixtures.h"
#include "tests/support/otheruser.h"
#include "tests/support/skinfolder.h"

namespace {

class BusyFileTest : public AdminTest
{
protected:
    void TearDown() override
    {
        qApp->setStyleSheet(QString());
        CurSkin = SkinInfo{};
        AdminTest::TearDown();
    }
};

} // namespace

// Choosing a skin stores it through a shared slot. Busy for longer than the wait, the handler ends
// with the message, the slot it opened is closed, and the skin stays as it was; the same choice
// made again stores it.
TEST_F(BusyFileTest, AHandlerLeftOnABusyFileClosesItsSlotsAndTheNextTryWorks)
{
    CopySkinFiles(folder());
    InitSkinTable();
    ASSERT_TRUE(ApplySkin(1));
    Conn.setBusyTimeout(300);
    QPushButton button;
    QObject::connect(&button, &QPushButton::clicked, [] { ApplySkin(5); });
    button.show();
    const auto storedSkin = [] {
        return Conn.scalar(QStringLiteral("select UserSkin from userdata where userid = 1")).toInt();
    };
    // A slot a handler around this one has open stays open for it.
    OpenRecordset(2, QStringLiteral("select * from userdata"));
    {
        WriteLockHolder holder(DatabasePath());
        ASSERT_TRUE(holder.isHolding()) << holder.errors().toStdString();
        m_prompts.answerMessage(MsgResult::Ok);
        QTest::mouseClick(&button, Qt::LeftButton);
        EXPECT_EQ(
            m_prompts.messageTexts(),
            QStringList{QStringLiteral("数据库正被其他用户使用，本次操作没有写入任何内容。\n请稍后再试一次。")});
        EXPECT_FALSE(Rs1.IsOpen());
        EXPECT_TRUE(Rs2.IsOpen());
        EXPECT_EQ(SkinId, 1);
        EXPECT_EQ(CurSkin.Id, 1);
    }
    EXPECT_EQ(storedSkin(), 1);
    QTest::mouseClick(&button, Qt::LeftButton);
    EXPECT_EQ(SkinId, 5);
    EXPECT_EQ(CurSkin.Id, 5);
    EXPECT_EQ(storedSkin(), 5);
    EXPECT_EQ(m_prompts.records().size(), 1);
    CloseRecordset(2);
}
