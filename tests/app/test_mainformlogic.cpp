#include <gtest/gtest.h>

#include "core/dblayer.h"
#include "app/mainformlogic.h"
#include "core/session.h"
#include "tests/support/fixtures.h"

namespace {

class MainFormLogicTest : public DbTest
{
protected:
    void logInAs(qint32 id, const QString& name)
    {
        CurUserID = id;
        CurUserName = name;
    }
    QString storedCompanyName()
    {
        return Conn.scalar(QStringLiteral("select SetupData from setup where setupname='公司名称'"))
            .toString();
    }
};

} // namespace

TEST_F(MainFormLogicTest, ShippedClassificationsInOrder)
{
    Conn.exec(
        QStringLiteral("update ClientSixClass set ClientSixClassGetOrder = 0 where ClientSixClassid = 4"));
    const SixClassification six = ReadSixClassification();
    EXPECT_TRUE(six.usable);
    EXPECT_EQ(six.tables, (QStringList{QStringLiteral("ClientTrade"), QStringLiteral("ClientType"),
                                       QStringLiteral("ClientSource"), QStringLiteral("ClientLevel"),
                                       QStringLiteral("ClientStatus"), QStringLiteral("ClientCredit")}));
    EXPECT_EQ(six.names.first(), QStringLiteral("所属行业"));
    EXPECT_EQ(six.names.last(), QStringLiteral("信用等级"));
}

TEST_F(MainFormLogicTest, NoRowsGiveEmptyClassifications)
{
    Conn.exec(QStringLiteral("delete from ClientSixClass"));
    const SixClassification six = ReadSixClassification();
    EXPECT_TRUE(six.usable);
    EXPECT_TRUE(six.tables.isEmpty());
    EXPECT_TRUE(six.names.isEmpty());
}

TEST_F(MainFormLogicTest, OnlyTheFirstSixRowsCount)
{
    Conn.exec(QStringLiteral("insert into ClientSixClass values (7, '第七', 3, 'ClientType')"));
    const SixClassification six = ReadSixClassification();
    ASSERT_EQ(six.names.size(), 6);
    // Equal orders keep the stored order: the shipped third row comes before the new one.
    EXPECT_EQ(six.names.mid(2, 2), (QStringList{QStringLiteral("客户等级"), QStringLiteral("第七")}));
    EXPECT_FALSE(six.names.contains(QStringLiteral("信用等级")));
}

TEST_F(MainFormLogicTest, SeparatorInANameOrTableMakesThemUnusable)
{
    Conn.exec(QStringLiteral(
        "update ClientSixClass set ClientSixClassName = '客户|类型' where ClientSixClassid = 1"));
    EXPECT_FALSE(ReadSixClassification().usable);

    // Also when a label and a table name both hold one, which keeps the two lists equally long.
    using Rows = QList<QPair<QString, QString>>;
    EXPECT_FALSE(SixClassificationFromRows(Rows{{QStringLiteral("a|b"), QStringLiteral("T|U")}}).usable);
    const SixClassification fine = SixClassificationFromRows(Rows{
        {QString(), QStringLiteral("ClientType")}, {QStringLiteral("来源"), QStringLiteral("ClientSource")}});
    EXPECT_TRUE(fine.usable);
    EXPECT_EQ(fine.names, (QStringList{QString(), QStringLiteral("来源")}));
}

TEST_F(MainFormLogicTest, FontItems)
{
    EXPECT_EQ(FontSetIndex(9), 1);
    EXPECT_EQ(FontSetIndex(11), 2);
    EXPECT_EQ(FontSetIndex(13), 2);
    EXPECT_EQ(FontSetIndex(14), 3);
    EXPECT_EQ(FontChoiceOf(1).size, 9);
    EXPECT_EQ(FontChoiceOf(1).textHeight, 330);
    EXPECT_EQ(FontChoiceOf(2).size, 11);
    EXPECT_EQ(FontChoiceOf(2).textHeight, 330);
    EXPECT_EQ(FontChoiceOf(3).size, 14);
    EXPECT_EQ(FontChoiceOf(3).textHeight, 360);
}

TEST_F(MainFormLogicTest, ChosenFontSizeIsStoredForTheUser)
{
    logInAs(1, QStringLiteral("admin"));
    ChooseFontSize(3);
    EXPECT_EQ(UserFontSize, 14);
    EXPECT_EQ(FoxTextHeight, 360);
    EXPECT_EQ(Conn.scalar(QStringLiteral("select UserFontSize from userdata where userid = 1")).toInt(), 14);
    ChooseFontSize(1);
    EXPECT_EQ(FoxTextHeight, 330);
    EXPECT_EQ(Conn.scalar(QStringLiteral("select UserFontSize from userdata where userid = 1")).toInt(), 9);
}

TEST_F(MainFormLogicTest, CaptionNamesCompanyAndUser)
{
    OwnCompanyName = QStringLiteral("星光公司");
    CurUserName = QStringLiteral("李明");
    EXPECT_EQ(MainFormCaption(), QStringLiteral("星光公司Tollivar--当前用户：李明"));
}

TEST_F(MainFormLogicTest, SkinNamesInMenuOrder)
{
    const QStringList names = SkinMenuNames();
    ASSERT_EQ(names.size(), 9);
    EXPECT_EQ(names.first(), QStringLiteral("QQ2010"));
    EXPECT_EQ(names.at(2), QStringLiteral("新年大吉"));
    EXPECT_EQ(names.last(), QStringLiteral("Vista风格"));
}

TEST_F(MainFormLogicTest, AdministratorRenamesTheCompany)
{
    // The name is compared in lower case.
    logInAs(1, QStringLiteral("Admin"));
    m_prompts.answerInput(QStringLiteral("  星光公司\r\n"));
    ChangeOwnCompanyName();

    ASSERT_EQ(m_prompts.records().size(), 1);
    EXPECT_EQ(m_prompts.last().kind, ScriptedPrompts::Kind::Input);
    EXPECT_EQ(m_prompts.last().text, QStringLiteral("请输入公司名字："));
    EXPECT_EQ(m_prompts.last().title, QStringLiteral("更改公司"));
    EXPECT_EQ(m_prompts.last().defaultText, QStringLiteral("公司名称"));
    EXPECT_EQ(OwnCompanyName, QStringLiteral("星光公司"));
    EXPECT_EQ(storedCompanyName(), QStringLiteral("星光公司"));
    EXPECT_FALSE(Rs1.IsOpen());
}

TEST_F(MainFormLogicTest, CancelledOrBlankCompanyNameChangesNothing)
{
    logInAs(1, QStringLiteral("admin"));
    OwnCompanyName = QStringLiteral("公司名称");
    m_prompts.answerInput(QString());
    m_prompts.answerInput(QStringLiteral("   "));
    ChangeOwnCompanyName();
    ChangeOwnCompanyName();
    EXPECT_EQ(OwnCompanyName, QStringLiteral("公司名称"));
    EXPECT_EQ(storedCompanyName(), QStringLiteral("公司名称"));
    EXPECT_FALSE(Rs1.IsOpen());
}

TEST_F(MainFormLogicTest, OnlyUserOneNamedAdminMayRenameTheCompany)
{
    logInAs(2, QStringLiteral("admin"));
    m_prompts.answerMessage(MsgResult::Ok);
    ChangeOwnCompanyName();
    logInAs(1, QStringLiteral("administrator"));
    m_prompts.answerMessage(MsgResult::Ok);
    ChangeOwnCompanyName();

    EXPECT_EQ(m_prompts.messageTexts(), (QStringList{QStringLiteral("此操作只能由admin账号进行。"),
                                                     QStringLiteral("此操作只能由admin账号进行。")}));
    EXPECT_EQ(m_prompts.records().size(), 2); // no input box
    EXPECT_EQ(storedCompanyName(), QStringLiteral("公司名称"));
}

TEST_F(MainFormLogicTest, MissingCompanyRowIsCreatedOnRename)
{
    Conn.exec(QStringLiteral("delete from setup"));
    logInAs(1, QStringLiteral("admin"));
    m_prompts.answerInput(QStringLiteral("新公司"));
    ChangeOwnCompanyName();
    EXPECT_EQ(m_prompts.last().defaultText, QString());
    EXPECT_EQ(storedCompanyName(), QStringLiteral("新公司"));
}
