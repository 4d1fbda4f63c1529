#include "admin/ownsettings.h"

#include "core/dblayer.h"
#include "core/mail.h"
#include "core/scramblepassword.h"
#include "core/session.h"
#include "platform/recordset.h"

OwnSettings SessionOwnSettings()
{
    OwnSettings settings;
    settings.email = UserEmail;
    settings.emailName = UserEmailName;
    settings.emailPassword = UnscrambleText(UserEmailPass);
    settings.emailSmtp = UserEmailSmtp;
    return settings;
}

QString NewPasswordRefusal(const QString& newPassword, const QString& passwordAgain)
{
    if (!newPassword.isEmpty() && newPassword.size() < 3)
        return QStringLiteral("您设置了新密码，但密码长度不能小于3位");
    if (newPassword != passwordAgain)
        return QStringLiteral("您设置了新密码，但两次输入的不相同。");
    return QString();
}

void SaveOwnSettings(const OwnSettings& settings)
{
    const QString scrambled = ScrambleText(settings.emailPassword);
    Recordset rs;
    rs.Open(QStringLiteral("select * from userdata where userid=?"), Conn, {CurUserID});
    if (!rs.Eof()) {
        if (!settings.newPassword.isEmpty())
            rs.SetValue(QStringLiteral("userpass"), ScramblePassword(settings.newPassword));
        rs.SetValue(QStringLiteral("UserEmail"), settings.email);
        rs.SetValue(QStringLiteral("UserEmailName"), settings.emailName);
        rs.SetValue(QStringLiteral("UserEmailPass"), scrambled);
        rs.SetValue(QStringLiteral("UserEmailSmtp"), settings.emailSmtp);
        rs.Update();
    }
    rs.Close();
    UserEmail = settings.email;
    UserEmailName = settings.emailName;
    UserEmailPass = scrambled;
    UserEmailSmtp = settings.emailSmtp;
}

bool SendTestMail(const OwnSettings& settings)
{
    return SendMail(
        CurUserName, settings.email, settings.emailName, settings.emailPassword, settings.emailSmtp,
        settings.email, QStringLiteral("Brisolde邮箱功能测试"),
        QStringLiteral(
            "Brisolde用您的邮箱发送了这封邮件至您自己的邮箱，如果您看到这封邮件，证明您的邮箱设置是正确"
            "的，你可以进行必要的保存。"),
        QString());
}
