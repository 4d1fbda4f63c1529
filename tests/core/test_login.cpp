#include <gtest/gtest.h>

#include <QComboBox>

#include "core/dblayer.h"
#include "core/login.h"
#include "core/scramblepassword.h"
#include "core/session.h"
#include "tests/support/fixtures.h"

namespace {

// The login opens and closes the database itself, so the copy starts closed.
class LoginTest : public AppTest
{
protected:
    void SetUp() override
    {
        AppTest::SetUp();
        CopyTemplateDatabase(DatabasePath());
    }

    void TearDown() override
    {
        EXPECT_FALSE(Conn.isOpen()) << "the login leaves the database closed";
        CloseDatabase();
        AppTest::TearDown();
    }

    static void exec(const QString& sql, const QVariantList& params = {})
    {
        OpenDatabase();
        Conn.exec(sql, params);
        CloseDatabase();
    }

    static QVariant scalar(const QString& sql, const QVariantList& params = {})
    {
        OpenDatabase();
        const QVariant value = Conn.scalar(sql, params);
        CloseDatabase();
        return value;
    }

    // A second user in a group with only some rights. Between them, groups 77 and 78 set every two
    // of the four rights apart, so reading one from another's column shows.
    static void addUser(qint32 id, const QString& name, const QString& password, qint32 group,
                        const QVariant& fontSize)
    {
        exec(
            QStringLiteral("insert into UserClass (UserClassID, userclassname, CanSeeAllUser, CanUserManage, "
                           "Canchangeclass, cancheckorder) values (77, '销售', -1, 0, 0, -1), "
                           "(78, '财务', 0, -1, 0, -1)"));
        exec(QStringLiteral(
                 "insert into userdata (userid, username, userpass, GetUserClassID, UserSkin, UserFontSize, "
                 "UserDataGetOrder, UserEmail, UserEmailSmtp) values (?, ?, ?, ?, 5, ?, 2, 'a@b.cn', NULL)"),
             {id, name, ScramblePassword(password), group, fontSize});
    }
};

} // namespace

TEST_F(LoginTest, AdminWithTheShippedEmptyPasswordLogsIn)
{
    QComboBox users;
    PrepareLogin(&users);
    ASSERT_EQ(users.count(), 1);
    EXPECT_EQ(users.currentText(), QStringLiteral("admin"));
    EXPECT_EQ(UserFontSize, 13);
    EXPECT_EQ(FoxTextHeight, 330);
    EXPECT_EQ(OwnCompanyName, QStringLiteral("公司名称"));

    EXPECT_EQ(LogIn(ItemData(&users, users.currentIndex()), QString()), LoginResult::LoggedIn);
    EXPECT_EQ(CurUserID, 1);
    EXPECT_EQ(CurUserName, QStringLiteral("admin"));
    EXPECT_EQ(CurGroupID, 1);
    EXPECT_EQ(SkinId, 3);
    EXPECT_EQ(UserFontSize, 11);
    EXPECT_EQ(FoxTextHeight, 330);
    EXPECT_TRUE(CanSeeAllUser && CanUserManage && CanChangeClass && CanCheckOrder);
    EXPECT_EQ(UserEmail, QString());
}

TEST_F(LoginTest, WrongPasswordFailsButTheSessionHoldsTheChosenUser)
{
    addUser(500, QStringLiteral("小王"), QStringLiteral("secret"), 77, 14);
    EXPECT_EQ(LogIn(500, QStringLiteral("Secret")), LoginResult::WrongPassword);
    EXPECT_EQ(LoginMessage(LoginResult::WrongPassword), QStringLiteral("用户密码错误！"));
    EXPECT_EQ(CurUserID, 500);
    EXPECT_EQ(CurUserName, QStringLiteral("小王"));

    EXPECT_EQ(LogIn(500, QStringLiteral("secret")), LoginResult::LoggedIn);
    EXPECT_EQ(UserFontSize, 14);
    EXPECT_EQ(FoxTextHeight, 360);
    EXPECT_EQ(SkinId, 5);
    EXPECT_TRUE(CanSeeAllUser);
    EXPECT_FALSE(CanUserManage);
    EXPECT_FALSE(CanChangeClass);
    EXPECT_TRUE(CanCheckOrder);
    EXPECT_EQ(UserEmail, QStringLiteral("a@b.cn"));
    EXPECT_EQ(UserEmailSmtp, QString());

    exec(QStringLiteral("update userdata set GetUserClassID = 78 where userid = 500"));
    EXPECT_EQ(LogIn(500, QStringLiteral("secret")), LoginResult::LoggedIn);
    EXPECT_EQ(CurGroupID, 78);
    EXPECT_FALSE(CanSeeAllUser);
    EXPECT_TRUE(CanUserManage);
    EXPECT_FALSE(CanChangeClass);
    EXPECT_TRUE(CanCheckOrder);
}

TEST_F(LoginTest, InvalidFontSizeIsCorrectedAndStoredEvenAfterAWrongPassword)
{
    for (const QVariant& size : {QVariant(12), QVariant()}) {
        exec(QStringLiteral("update userdata set UserFontSize = ? where userid = 1"), {size});
        UserFontSize = 13;
        EXPECT_EQ(LogIn(1, QStringLiteral("wrong")), LoginResult::WrongPassword);
        EXPECT_EQ(UserFontSize, 11);
        EXPECT_EQ(FoxTextHeight, 330);
        EXPECT_EQ(scalar(QStringLiteral("select UserFontSize from userdata where userid = 1")).toInt(), 11);
    }
    exec(QStringLiteral("update userdata set UserFontSize = 9 where userid = 1"));
    EXPECT_EQ(LogIn(1, QString()), LoginResult::LoggedIn);
    EXPECT_EQ(UserFontSize, 9);
    EXPECT_EQ(scalar(QStringLiteral("select UserFontSize from userdata where userid = 1")).toInt(), 9);
}

TEST_F(LoginTest, MissingGroupRefusesTheLogin)
{
    addUser(501, QStringLiteral("无组"), QStringLiteral("x"), 999, 11);
    EXPECT_EQ(LogIn(501, QStringLiteral("x")), LoginResult::GroupMissing);
    EXPECT_EQ(LoginMessage(LoginResult::GroupMissing),
              QStringLiteral("该用户未正确设定群组！请联系管理员修改后再登录！"));
    EXPECT_FALSE(CanSeeAllUser);
}

TEST_F(LoginTest, NoUserToLoadDoesNotTouchTheSession)
{
    EXPECT_EQ(LogIn(std::nullopt, QString()), LoginResult::NoUser);
    EXPECT_EQ(LogIn(424242, QString()), LoginResult::NoUser);
    EXPECT_EQ(CurUserID, 0);

    exec(QStringLiteral("delete from userdata"));
    QComboBox users;
    PrepareLogin(&users);
    EXPECT_EQ(users.count(), 0);
    EXPECT_EQ(users.currentIndex(), -1);
}

TEST_F(LoginTest, DigitPasswordsAreComparedAsTheTextFalse)
{
    addUser(502, QStringLiteral("数字"), QStringLiteral("1234567890123456789012345"), 77, 11);
    EXPECT_EQ(scalar(QStringLiteral("select userpass from userdata where userid = 502")).toString(),
              QStringLiteral("False"));
    EXPECT_EQ(LogIn(502, QStringLiteral("9999999999999999999999999")), LoginResult::LoggedIn);
}

TEST_F(LoginTest, CompanyNameRowIsCreatedOnceAndThenKept)
{
    exec(QStringLiteral("delete from setup"));
    QComboBox users;
    PrepareLogin(&users);
    EXPECT_EQ(OwnCompanyName, QStringLiteral("公司名称"));
    EXPECT_EQ(scalar(QStringLiteral("select count(*) from setup where setupname = '公司名称'")).toInt(), 1);

    exec(QStringLiteral("update setup set SetupData = '厦门某某公司'"));
    PrepareLogin(&users);
    PrepareLogin(&users);
    EXPECT_EQ(OwnCompanyName, QStringLiteral("厦门某某公司"));
    EXPECT_EQ(scalar(QStringLiteral("select count(*) from setup")).toInt(), 1);
}

TEST_F(LoginTest, UserListFollowsTheUsersOrder)
{
    addUser(503, QStringLiteral("第二"), QString(), 77, 11);
    exec(QStringLiteral("insert into userdata (userid, username, GetUserClassID) values (504, '新人', 1)"));
    QComboBox users;
    PrepareLogin(&users);
    ASSERT_EQ(users.count(), 3);
    // A new user has no place yet and comes first.
    EXPECT_EQ(users.itemText(0), QStringLiteral("新人"));
    EXPECT_EQ(users.itemText(1), QStringLiteral("admin"));
    EXPECT_EQ(ItemData(&users, 2), 503);
    EXPECT_EQ(users.currentIndex(), 0);
}
