#include "core/login.h"

#include <QComboBox>

#include "core/dblayer.h"
#include "core/scramblepassword.h"
#include "core/session.h"

namespace {

const QString CompanyNameSetting = QStringLiteral("公司名称");

// The font size of a user row: 9, 11 and 14 stand; anything else (Null too) becomes 11.
void loadFontSize(Recordset& user)
{
    const QVariant size = user.Value(QStringLiteral("UserFontSize"));
    const int value = size.isNull() ? 0 : size.toInt();
    if (value == 9 || value == 11) {
        UserFontSize = qint16(value);
        FoxTextHeight = 330;
    } else if (value == 14) {
        UserFontSize = 14;
        FoxTextHeight = 360;
    } else {
        UserFontSize = 11;
        FoxTextHeight = 330;
        user.SetValue(QStringLiteral("UserFontSize"), 11);
        user.Update();
    }
}

} // namespace

void LoadOwnCompanyName()
{
    OpenRecordset(1, QStringLiteral("select * from setup where setupname = ?"), {CompanyNameSetting});
    if (Rs1.Eof()) {
        // A placeholder until the administrator enters the company's name.
        Rs1.AddNew();
        Rs1.SetValue(QStringLiteral("setupname"), CompanyNameSetting);
        Rs1.SetValue(QStringLiteral("SetupData"), CompanyNameSetting);
        Rs1.Update();
    }
    OwnCompanyName = Rs1.Text(QStringLiteral("SetupData"));
    CloseRecordset(1);
}

void PrepareLogin(QComboBox* userList)
{
    OpenDatabase();
    FillCombo(userList, QStringLiteral("select * from Userdata order by UserDataGetOrder, userid"),
              QStringLiteral("username"), QStringLiteral("userid"), QString(), 0, true);
    LoadOwnCompanyName();
    UserFontSize = 13;
    FoxTextHeight = 330;
    CloseDatabase();
}

LoginResult LogIn(std::optional<qint32> userId, const QString& password)
{
    if (!userId)
        return LoginResult::NoUser;

    OpenDatabase();
    OpenRecordset(1, QStringLiteral("select * from userdata where userid = ?"), {*userId});
    if (Rs1.Eof()) {
        CloseDatabase();
        return LoginResult::NoUser;
    }
    const QString stored = Rs1.Text(QStringLiteral("userpass"));
    CurUserID = qint32(Rs1.Int(QStringLiteral("userid")));
    CurUserName = Rs1.Text(QStringLiteral("username"));
    CurGroupID = qint32(Rs1.Int(QStringLiteral("GetUserClassID")));
    SkinId = qint32(Rs1.Int(QStringLiteral("UserSkin")));
    UserEmail = Rs1.Text(QStringLiteral("UserEmail"));
    UserEmailName = Rs1.Text(QStringLiteral("UserEmailName"));
    UserEmailPass = Rs1.Text(QStringLiteral("UserEmailPass"));
    UserEmailSmtp = Rs1.Text(QStringLiteral("UserEmailSmtp"));
    // Stored at once, before the password is compared.
    loadFontSize(Rs1);

    OpenRecordset(2, QStringLiteral("select * from userclass where userclassid = ?"), {CurGroupID});
    if (Rs2.Eof()) {
        CloseRecordset(2);
        CloseRecordset(1);
        CloseDatabase();
        return LoginResult::GroupMissing;
    }
    CanChangeClass = Rs2.Bool(QStringLiteral("Canchangeclass"));
    CanSeeAllUser = Rs2.Bool(QStringLiteral("CanSeeAllUser"));
    CanUserManage = Rs2.Bool(QStringLiteral("CanUserManage"));
    CanCheckOrder = Rs2.Bool(QStringLiteral("cancheckorder"));
    CloseRecordset(2);
    CloseRecordset(1);

    const bool matches = ScramblePassword(password) == stored;
    CloseDatabase();
    return matches ? LoginResult::LoggedIn : LoginResult::WrongPassword;
}

QString LoginMessage(LoginResult result)
{
    switch (result) {
    case LoginResult::LoggedIn:
        return QString();
    case LoginResult::NoUser:
        return QStringLiteral("没有可以登录的用户！");
    case LoginResult::GroupMissing:
        return QStringLiteral("该用户未正确设定群组！请联系管理员修改后再登录！");
    case LoginResult::WrongPassword:
        return QStringLiteral("用户密码错误！");
    }
    return QString();
}
