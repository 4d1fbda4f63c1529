#include <gtest/gtest.h>

#include <QComboBox>
#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonObject>
#include <QLineEdit>
#include <QPointer>
#include <QTest>

#include "admin/usermanage.h"
#include "controls/foxtext.h"
#include "controls/vsnetbut.h"
#include "core/dblayer.h"
#include "core/login.h"
#include "core/mail.h"
#include "core/scramblepassword.h"
#include "core/session.h"
#include "tests/support/fixtures.h"
#include "tests/support/smtptestserver.h"

namespace {

const QString Refused = QStringLiteral("保存失败");

// The administrator logged in with a mail account.
class UserManageTest : public AdminTest
{
protected:
    void SetUp() override
    {
        AdminTest::SetUp();
        UserEmail = QStringLiteral("old@example.cn");
        UserEmailName = QStringLiteral("old");
        UserEmailPass = ScrambleText(QStringLiteral("oldpass"));
        UserEmailSmtp = QStringLiteral("smtp.qq.com");
        Conn.exec(QStringLiteral("update userdata set UserEmail=?, UserEmailName=?, UserEmailPass=?, "
                                 "UserEmailSmtp=? where userid=1"),
                  {UserEmail, UserEmailName, UserEmailPass, UserEmailSmtp});
    }

    void TearDown() override
    {
        delete m_form.data();
        DbTest::TearDown();
    }

    UserManage* open()
    {
        m_form = new UserManage;
        m_form->show();
        return m_form;
    }
    void click(VsNetBut* button) { QTest::mouseClick(button, Qt::LeftButton); }
    // Types the account zhang@example.cn / mailer on the server and presses the test-mail button,
    // answering its two messages.
    void sendTestMail(const SmtpTestServer& server, const QString& password)
    {
        m_form->FoxText3->setText(QStringLiteral("zhang@example.cn"));
        m_form->FoxText4->setText(QStringLiteral("mailer"));
        m_form->FoxText5->setText(password);
        m_form->Combo2->setCurrentText(server.address());
        m_prompts.answerMessage(MsgResult::Ok);
        m_prompts.answerMessage(MsgResult::Ok);
        click(m_form->VsNetBut3);
    }
    // The stored password and mail columns of user 1, joined by "|".
    static QString storedRow()
    {
        return Conn
            .scalar(QStringLiteral("select userpass || '|' || UserEmail || '|' || UserEmailName || '|' || "
                                   "UserEmailPass || '|' || UserEmailSmtp from userdata where userid=1"))
            .toString();
    }
    void saveRefused(const QString& password, const QString& again, const QString& message)
    {
        m_form->FoxText1->setText(password);
        m_form->FoxText2->setText(again);
        m_prompts.answerMessage(MsgResult::Ok);
        click(m_form->VsNetBut2);
        EXPECT_EQ(m_prompts.last().text, message);
        EXPECT_EQ(m_prompts.last().title, Refused);
        EXPECT_TRUE(m_form->isVisible());
    }
    static bool logsIn(const QString& password)
    {
        CloseDatabase();
        const QString name = CurUserName;
        const bool in = LogIn(1, password) == LoginResult::LoggedIn;
        CurUserName = name;
        OpenDatabase();
        return in;
    }

    QPointer<UserManage> m_form;
};

} // namespace

TEST_F(UserManageTest, SavesANewPasswordAndTheMailAccount)
{
    const QString before = storedRow();
    open();
    EXPECT_EQ(m_form->FoxText1->Text(), QString());
    EXPECT_EQ(m_form->FoxText1->PasswordChar(), QStringLiteral("*"));
    EXPECT_EQ(m_form->FoxText3->Text(), QStringLiteral("old@example.cn"));
    EXPECT_EQ(m_form->FoxText4->Text(), QStringLiteral("old"));
    EXPECT_EQ(m_form->FoxText5->Text(), QStringLiteral("oldpass"));
    EXPECT_EQ(m_form->FoxText5->PasswordChar(), QStringLiteral("*"));
    // The password boxes show "*" for every character, filled at load or typed.
    EXPECT_EQ(m_form->FoxText5->findChild<QLineEdit*>()->displayText(), QStringLiteral("*******"));
    QTest::keyClicks(m_form->FoxText1->findChild<QLineEdit*>(), QStringLiteral("xy"));
    EXPECT_EQ(m_form->FoxText1->findChild<QLineEdit*>()->displayText(), QStringLiteral("**"));
    EXPECT_EQ(m_form->Combo2->currentText(), QStringLiteral("smtp.qq.com"));
    EXPECT_GE(m_form->Combo2->count(), 2);

    // Too short, typed once, typed differently: refused, nothing written.
    saveRefused(QStringLiteral("ab"), QStringLiteral("ab"),
                QStringLiteral("您设置了新密码，但密码长度不能小于3位"));
    saveRefused(QStringLiteral(" abc "), QString(), QStringLiteral("您设置了新密码，但两次输入的不相同。"));
    EXPECT_EQ(m_form->FoxText1->Text(), QStringLiteral("abc"));
    saveRefused(QStringLiteral("abc"), QStringLiteral("abd"),
                QStringLiteral("您设置了新密码，但两次输入的不相同。"));
    EXPECT_EQ(storedRow(), before);

    // Blanks around the password are dropped; the mail columns are stored as typed.
    m_form->FoxText1->setText(QStringLiteral("  abc"));
    m_form->FoxText2->setText(QStringLiteral("abc  "));
    m_form->FoxText3->setText(QStringLiteral("new@example.cn"));
    m_form->FoxText4->setText(QStringLiteral(" new "));
    m_form->FoxText5->setText(QStringLiteral("z9密码"));
    m_form->Combo2->setCurrentText(QStringLiteral("mail.example.cn"));
    click(m_form->VsNetBut2);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(m_form.isNull()) << "a successful save closes the window";
    const QString scrambled = ScrambleText(QStringLiteral("z9密码"));
    EXPECT_EQ(storedRow(), ScramblePassword(QStringLiteral("abc")) +
                               QStringLiteral("|new@example.cn| new |") + scrambled +
                               QStringLiteral("|mail.example.cn"));
    EXPECT_EQ(UserEmail, QStringLiteral("new@example.cn"));
    EXPECT_EQ(UserEmailName, QStringLiteral(" new "));
    EXPECT_EQ(UserEmailPass, scrambled);
    EXPECT_EQ(UserEmailSmtp, QStringLiteral("mail.example.cn"));
    EXPECT_TRUE(logsIn(QStringLiteral("abc")));

    // Reopened: the plain mail password again; saving without a password keeps the login one.
    open();
    EXPECT_EQ(m_form->FoxText5->Text(), QStringLiteral("z9密码"));
    m_form->FoxText3->setText(QStringLiteral("third@example.cn"));
    click(m_form->VsNetBut2);
    EXPECT_EQ(UserEmail, QStringLiteral("third@example.cn"));
    EXPECT_TRUE(logsIn(QStringLiteral("abc")));
    EXPECT_FALSE(logsIn(QString()));
}

TEST_F(UserManageTest, TestMailGoesFromTheTypedAccountToItselfWithoutSaving)
{
    SmtpTestServer server;
    ASSERT_TRUE(server.isRunning());
    const QString before = storedRow();
    open();
    sendTestMail(server, QStringLiteral("secret"));

    const QStringList shown = m_prompts.messageTexts();
    ASSERT_EQ(shown.size(), 2);
    EXPECT_EQ(
        shown.at(0),
        QStringLiteral("系统将用您的邮箱向您的邮箱发一封邮件，后您可以登录您的邮箱查看是否收到。\r\n\r\n"
                       "如果您收到了邮箱，证明您的邮箱设置是正确的，你可以进行必要的保存。"));
    EXPECT_EQ(shown.at(1), QStringLiteral("邮件[Brisolde邮箱功能测试]已成功发送至[zhang@example.cn]。"));
    ASSERT_EQ(server.messages().size(), 1);
    const QJsonObject mail = server.messages().first();
    EXPECT_EQ(mail.value(QStringLiteral("from_name")).toString(), QStringLiteral("admin"));
    EXPECT_EQ(mail.value(QStringLiteral("from_address")).toString(), QStringLiteral("zhang@example.cn"));
    EXPECT_EQ(mail.value(QStringLiteral("to")).toArray().first().toString(),
              QStringLiteral("zhang@example.cn"));
    EXPECT_EQ(mail.value(QStringLiteral("subject")).toString(), QStringLiteral("Brisolde邮箱功能测试"));
    EXPECT_EQ(server.logins(), QStringList{QStringLiteral("PLAIN mailer secret")});
    EXPECT_TRUE(mail.value(QStringLiteral("body"))
                    .toString()
                    .startsWith(QStringLiteral("Brisolde用您的邮箱发送了这封邮件")));
    EXPECT_TRUE(m_form->isVisible());
    EXPECT_EQ(storedRow(), before);
    EXPECT_EQ(UserEmail, QStringLiteral("old@example.cn"));
}

TEST_F(UserManageTest, AFailedTestMailKeepsTheWindowOpenAndSavesNothing)
{
    SmtpTestServer::Options options;
    options.refuseLogin = true;
    SmtpTestServer server(options);
    ASSERT_TRUE(server.isRunning());
    const QString before = storedRow();
    open();
    m_form->FoxText1->setText(QStringLiteral("abc"));
    m_form->FoxText2->setText(QStringLiteral("abc"));
    sendTestMail(server, QStringLiteral("wrong"));

    const QStringList shown = m_prompts.messageTexts();
    ASSERT_EQ(shown.size(), 2);
    EXPECT_EQ(shown.at(1), QStringLiteral("发件人的用户名或密码错误，请改正后再发"));
    EXPECT_EQ(m_prompts.last().title, QStringLiteral("提示"));
    EXPECT_TRUE(server.messages().isEmpty());
    // The window stays with what was typed; neither the table nor the session changed.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    ASSERT_FALSE(m_form.isNull());
    EXPECT_TRUE(m_form->isVisible());
    EXPECT_EQ(m_form->FoxText3->Text(), QStringLiteral("zhang@example.cn"));
    EXPECT_EQ(m_form->FoxText1->Text(), QStringLiteral("abc"));
    EXPECT_EQ(storedRow(), before);
    EXPECT_EQ(UserEmail, QStringLiteral("old@example.cn"));
    EXPECT_EQ(UserEmailPass, ScrambleText(QStringLiteral("oldpass")));
    EXPECT_EQ(UserEmailSmtp, QStringLiteral("smtp.qq.com"));
}
