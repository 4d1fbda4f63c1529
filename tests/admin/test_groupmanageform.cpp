#include <gtest/gtest.h>

#include <QCheckBox>
#include <QGroupBox>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QTest>

#include "admin/groupmanageform.h"
#include "admin/usergroups.h"
#include "controls/foxtext.h"
#include "core/dblayer.h"
#include "core/login.h"
#include "core/scramblepassword.h"
#include "core/session.h"
#include "tests/support/failedsave.h"
#include "tests/support/fixtures.h"
#include "tests/support/scriptedkeys.h"

namespace {

constexpr qint32 SalesGroup = 50;
constexpr qint32 Zhang = 501;
constexpr qint32 Wang = 502;

// Besides the built-in group 1 with "admin": group 50 "销售" with two users, and a third user
// "陈经理" in group 1.
class GroupManageFormTest : public DbTest
{
protected:
    void SetUp() override
    {
        DbTest::SetUp();
        Conn.exec(QStringLiteral("insert into UserClass values (?, '销售', -1, 0, 0, -1)"), {SalesGroup});
        const QString user = QStringLiteral(
            "insert into userdata (userid, username, GetUserClassID, UserDataGetOrder) values (?, ?, ?, ?)");
        Conn.exec(user, {Zhang, QStringLiteral("张三"), SalesGroup, 3});
        Conn.exec(user, {Wang, QStringLiteral("王五"), SalesGroup, 2});
        Conn.exec(user, {503, QStringLiteral("陈经理"), 1, 4});
    }

    void TearDown() override
    {
        delete m_form.data();
        DbTest::TearDown();
    }

    GroupManageForm* open()
    {
        m_form = new GroupManageForm;
        m_form->show();
        return m_form;
    }

    static QStringList texts(const QListWidget* list)
    {
        QStringList result;
        for (int k = 0; k < list->count(); ++k)
            result << list->item(k)->text();
        return result;
    }
    static void click(QPushButton* button) { QTest::mouseClick(button, Qt::LeftButton); }
    static QVariant scalar(const QString& sql, const QVariantList& params = {})
    {
        return Conn.scalar(sql, params);
    }
    QStringList rights() const
    {
        QStringList on;
        for (const QCheckBox* box : {m_form->Check1, m_form->Check2, m_form->Check3, m_form->Check4})
            on << (box->isChecked() ? QStringLiteral("1") : QStringLiteral("0"));
        return on;
    }
    void selectGroup(const QString& name)
    {
        const auto found = m_form->List1->findItems(name, Qt::MatchExactly);
        ASSERT_EQ(found.size(), 1);
        m_form->List1->setCurrentItem(found.first());
    }

    QPointer<GroupManageForm> m_form;
};

} // namespace

TEST_F(GroupManageFormTest, GroupsAreCreatedRenamedAndDeletedOnlyWithoutUsers)
{
    open();
    // Group 1 is never listed; the first group is shown with its rights and users.
    EXPECT_EQ(texts(m_form->List1), QStringList{QStringLiteral("销售")});
    EXPECT_EQ(m_form->Text1->Text(), QStringLiteral("销售"));
    EXPECT_EQ(rights(), (QStringList{"1", "0", "0", "1"}));
    EXPECT_EQ(m_form->Frame2->title(), QStringLiteral("[销售]用户信息"));
    EXPECT_EQ(texts(m_form->List2), (QStringList{QStringLiteral("张三"), QStringLiteral("王五")}));
    EXPECT_EQ(m_form->FoxText1->Text(), QStringLiteral("张三"));

    // A new group: last, selected, without users or rights, its rights stored as False. A key
    // that is taken is drawn again.
    {
        const ScriptedKeys keys({SalesGroup, 60});
        click(m_form->Command1);
    }
    ASSERT_EQ(m_form->List1->count(), 2);
    const qint32 id = ItemData(m_form->List1, 1);
    EXPECT_EQ(id, 60);
    EXPECT_EQ(m_form->List1->currentRow(), 1);
    EXPECT_EQ(m_form->List1->item(1)->text(), QStringLiteral("新增用户组") + QString::number(id));
    EXPECT_EQ(m_form->Text1->Text(), m_form->List1->item(1)->text());
    EXPECT_EQ(rights(), (QStringList{"0", "0", "0", "0"}));
    EXPECT_EQ(m_form->List2->count(), 0);
    EXPECT_FALSE(m_form->Command6->isEnabled());
    EXPECT_FALSE(m_form->Command7->isEnabled());
    EXPECT_EQ(
        scalar(QStringLiteral("select CanSeeAllUser || CanUserManage || Canchangeclass || cancheckorder "
                              "from UserClass where UserClassID=?"),
               {id})
            .toString(),
        QStringLiteral("0000"));

    // A blank name is refused; a name with blanks around it is stored trimmed, with the rights.
    m_form->Text1->setText(QStringLiteral("   "));
    m_prompts.answerMessage(MsgResult::Ok);
    click(m_form->Command5);
    EXPECT_EQ(m_prompts.last().text, QStringLiteral("用户组名不能为空。"));
    EXPECT_EQ(m_prompts.last().title, QStringLiteral("保存用户组"));
    EXPECT_EQ(
        scalar(QStringLiteral("select userclassname from UserClass where UserClassID=?"), {id}).toString(),
        m_form->List1->item(1)->text());
    m_form->Text1->setText(QStringLiteral("  客服 "));
    m_form->Check2->setChecked(true);
    m_form->Check3->setChecked(true);
    click(m_form->Command5);
    EXPECT_EQ(m_form->Text1->Text(), QStringLiteral("客服"));
    EXPECT_EQ(m_form->List1->item(1)->text(), QStringLiteral("客服"));
    EXPECT_EQ(
        scalar(QStringLiteral("select userclassname || CanSeeAllUser || CanUserManage || Canchangeclass || "
                              "cancheckorder from UserClass where UserClassID=?"),
               {id})
            .toString(),
        QStringLiteral("客服0-1-10"));

    const QString refusal =
        QStringLiteral("该用户组下有用户，无法直接删除，请转移用户或删除用户后再进行删除！");
    // A group that shows users is kept.
    selectGroup(QStringLiteral("销售"));
    m_prompts.answerMessage(MsgResult::Ok);
    click(m_form->Command2);
    EXPECT_EQ(m_prompts.last().text, refusal);
    EXPECT_EQ(m_prompts.last().title, QStringLiteral("删除用户组"));
    EXPECT_EQ(
        scalar(QStringLiteral("select count(*) from UserClass where UserClassID=?"), {SalesGroup}).toInt(),
        1);

    // A group that showed no users but got one meanwhile (another administrator) is kept too.
    selectGroup(QStringLiteral("客服"));
    ASSERT_EQ(m_form->List2->count(), 0);
    Conn.exec(QStringLiteral("update userdata set GetUserClassID=? where userid=?"), {id, Wang});
    m_prompts.answerMessage(MsgResult::Ok);
    click(m_form->Command2);
    EXPECT_EQ(m_prompts.last().text, refusal);
    EXPECT_EQ(scalar(QStringLiteral("select count(*) from UserClass where UserClassID=?"), {id}).toInt(), 1);

    // Once empty, it goes at once, without a question; no group is selected afterwards.
    Conn.exec(QStringLiteral("update userdata set GetUserClassID=? where userid=?"), {SalesGroup, Wang});
    click(m_form->Command2);
    EXPECT_EQ(scalar(QStringLiteral("select count(*) from UserClass where UserClassID=?"), {id}).toInt(), 0);
    EXPECT_EQ(texts(m_form->List1), QStringList{QStringLiteral("销售")});
    EXPECT_EQ(m_form->List1->currentRow(), -1);
    EXPECT_FALSE(m_form->Command2->isEnabled());
    EXPECT_FALSE(m_form->Command3->isEnabled());
}

TEST_F(GroupManageFormTest, UsersAreAddedRenamedAndMovedBetweenGroups)
{
    SkinId = 6;
    open();

    // Moving needs a second group.
    m_prompts.answerMessage(MsgResult::Ok);
    click(m_form->Command7);
    EXPECT_EQ(m_prompts.last().text, QStringLiteral("没有其他组可转移！"));
    EXPECT_EQ(m_prompts.last().title, QStringLiteral("转移用户"));
    EXPECT_TRUE(m_form->Frame1->isVisible());

    // A new user: named by its key, in the group, with the creator's skin and the default password.
    {
        const ScriptedKeys keys({Zhang, 1, 777});
        click(m_form->Command3);
    }
    ASSERT_EQ(m_form->List2->count(), 3);
    const qint32 id = ItemData(m_form->List2, 2);
    EXPECT_EQ(id, 777);
    const QString name = QStringLiteral("新增用户") + QString::number(id);
    EXPECT_EQ(m_form->List2->currentRow(), 2);
    EXPECT_EQ(m_form->FoxText1->Text(), name);
    EXPECT_EQ(texts(m_form->List4).first(), name) << "not ordered yet, so listed first";
    EXPECT_EQ(scalar(QStringLiteral("select username || '/' || GetUserClassID || '/' || UserSkin || '/' || "
                                    "ifnull(UserDataGetOrder, 'null') from userdata where userid=?"),
                     {id})
                  .toString(),
              name + QStringLiteral("/50/6/null"));
    CloseDatabase();
    EXPECT_EQ(LogIn(id, DefaultUserPassword), LoginResult::LoggedIn);
    EXPECT_EQ(CurUserName, name);
    OpenDatabase();

    // Renaming: blanks are refused, blanks around a name are removed.
    m_form->FoxText1->setText(QStringLiteral(" "));
    m_prompts.answerMessage(MsgResult::Ok);
    click(m_form->Command6);
    EXPECT_EQ(m_prompts.last().text, QStringLiteral("用户名不能为空。"));
    EXPECT_EQ(m_prompts.last().title, QStringLiteral("保存用"));
    m_form->FoxText1->setText(QStringLiteral("  李四  "));
    click(m_form->Command6);
    EXPECT_EQ(m_form->List2->item(2)->text(), QStringLiteral("李四"));
    EXPECT_EQ(texts(m_form->List4).first(), QStringLiteral("李四"));
    EXPECT_EQ(scalar(QStringLiteral("select username from userdata where userid=?"), {id}).toString(),
              QStringLiteral("李四"));

    // Users are never deleted.
    m_prompts.answerMessage(MsgResult::Ok);
    click(m_form->Command4);
    EXPECT_EQ(m_prompts.last().text, QStringLiteral("尚未开放功能！"));
    EXPECT_EQ(m_prompts.last().title, QString());

    // With a second group the user moves there; cancelling first changes nothing.
    click(m_form->Command1);
    const qint32 second = ItemData(m_form->List1, 1);
    selectGroup(QStringLiteral("销售"));
    m_form->List2->setCurrentRow(2);
    click(m_form->Command7);
    EXPECT_TRUE(m_form->Frame3->isVisible());
    EXPECT_FALSE(m_form->Frame1->isVisible());
    EXPECT_FALSE(m_form->Frame2->isVisible());
    EXPECT_TRUE(m_form->Frame4->isVisible());
    EXPECT_EQ(texts(m_form->List3), QStringList{m_form->List1->item(1)->text()});
    EXPECT_EQ(ItemData(m_form->List3, 0), second);
    click(m_form->Command9);
    EXPECT_FALSE(m_form->Frame3->isVisible());
    EXPECT_TRUE(m_form->Frame2->isVisible());
    EXPECT_EQ(scalar(QStringLiteral("select GetUserClassID from userdata where userid=?"), {id}).toInt(),
              SalesGroup);

    click(m_form->Command7);
    click(m_form->Command8);
    EXPECT_FALSE(m_form->Frame3->isVisible());
    EXPECT_TRUE(m_form->Frame1->isVisible());
    EXPECT_EQ(scalar(QStringLiteral("select GetUserClassID from userdata where userid=?"), {id}).toInt(),
              second);
    EXPECT_EQ(texts(m_form->List2), (QStringList{QStringLiteral("张三"), QStringLiteral("王五")}));
    selectGroup(m_form->List1->item(1)->text());
    EXPECT_EQ(texts(m_form->List2), QStringList{QStringLiteral("李四")});
}

TEST_F(GroupManageFormTest, ReorderingStoresEveryUsersPosition)
{
    open();
    const QStringList start{QStringLiteral("admin"), QStringLiteral("王五"), QStringLiteral("张三"),
                            QStringLiteral("陈经理")};
    // Users of group 1 are listed here and reordered with the rest.
    EXPECT_EQ(texts(m_form->List4), start);
    EXPECT_EQ(m_form->List4->currentRow(), 0);
    EXPECT_FALSE(m_form->Command10[0]->isEnabled());
    EXPECT_TRUE(m_form->Command10[1]->isEnabled());
    m_form->List4->setCurrentRow(3);
    EXPECT_TRUE(m_form->Command10[0]->isEnabled());
    EXPECT_FALSE(m_form->Command10[1]->isEnabled());

    click(m_form->Command10[0]);
    click(m_form->Command10[0]);
    m_form->List4->setCurrentRow(0);
    click(m_form->Command10[1]);
    const QStringList moved{QStringLiteral("陈经理"), QStringLiteral("admin"), QStringLiteral("王五"),
                            QStringLiteral("张三")};
    EXPECT_EQ(texts(m_form->List4), moved);
    EXPECT_EQ(m_form->List4->currentRow(), 1);
    QStringList stored;
    Recordset rs;
    rs.Open(AllUsersSql, Conn);
    for (; !rs.Eof(); rs.MoveNext())
        stored << rs.Text(QStringLiteral("username")) +
                      QString::number(rs.Int(QStringLiteral("UserDataGetOrder")));
    EXPECT_EQ(stored, (QStringList{QStringLiteral("陈经理1"), QStringLiteral("admin2"),
                                   QStringLiteral("王五3"), QStringLiteral("张三4")}));
}

TEST_F(GroupManageFormTest, AnOrderOrGroupThatFailsToBeStoredChangesNothing)
{
    // The positions are written user by user; the last user's write fails.
    ExpectEachSaveLeavesNoTrace({
        {QStringLiteral("user order"), QStringLiteral("userdata"), QStringLiteral("update"),
         QStringLiteral("old.userid = 503"),
         [] {
             SaveUserOrder({503, Zhang, Wang, 1});
         }},
        {QStringLiteral("group"), QStringLiteral("UserClass"), QStringLiteral("update"), QString(),
         [] {
             SaveUserGroup(UserGroup{SalesGroup, QStringLiteral("销售部"), true, true, true, true});
         }},
    });
}
