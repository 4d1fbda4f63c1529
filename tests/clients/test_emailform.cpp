#include <gtest/gtest.h>

#include <QApplication>
#include <QFile>
#include <QJsonArray>
#include <QPushButton>
#include <QRandomGenerator>
#include <QTest>
#include <QTimer>

#include "clients/emailform.h"
#include "controls/foxtext.h"
#include "controls/foxtextmu.h"
#include "core/links.h"
#include "core/mail.h"
#include "core/session.h"
#include "tests/support/fixtures.h"
#include "tests/support/smtptestserver.h"

namespace {

class EmailFormTest : public AppTest
{
protected:
    void SetUp() override
    {
        AppTest::SetUp();
        CurUserName = QStringLiteral("张经理");
        UserEmail = QStringLiteral("zhang@dezarod.cn");
        UserEmailName = QStringLiteral("mailer");
        UserEmailPass = ScrambleText(QStringLiteral("secret"));
    }
    void TearDown() override
    {
        SetMailWindowOpener(nullptr);
        AppTest::TearDown();
    }

    QByteArray writeFile(const QString& name, qint64 size)
    {
        QByteArray data(size, Qt::Uninitialized);
        for (char& c : data)
            c = static_cast<char>(QRandomGenerator::global()->bounded(256));
        QFile file(pathOf(name));
        file.open(QIODevice::WriteOnly);
        file.write(data);
        return data;
    }
    static QByteArray readFile(const QString& path)
    {
        QFile file(path);
        file.open(QIODevice::ReadOnly);
        return file.readAll();
    }
    static void click(QPushButton* button) { QTest::mouseClick(button, Qt::LeftButton); }
};

} // namespace

TEST_F(EmailFormTest, AChineseMailWithA1MbAttachmentArrivesIntact)
{
    SmtpTestServer server;
    ASSERT_TRUE(server.isRunning());
    UserEmailSmtp = server.address();
    const QString big = pathOf(QStringLiteral("大文件.bin"));
    const QString exact = pathOf(QStringLiteral("报价单 2024.bin"));
    writeFile(QStringLiteral("大文件.bin"), EmailForm::MaxAttachmentSize + 1);
    const QByteArray content = writeFile(QStringLiteral("报价单 2024.bin"), EmailForm::MaxAttachmentSize);

    EmailForm form;
    form.show();
    form.TextToaddress->setText(QStringLiteral("li.si@example.com"));

    // One byte over 1 MB is refused, exactly 1 MB taken.
    m_prompts.answerFile(big);
    m_prompts.answerMessage(MsgResult::Ok);
    click(form.CommandFile);
    EXPECT_EQ(m_prompts.last().text, QStringLiteral("附件不要超过1MB。"));
    EXPECT_EQ(m_prompts.last().title, QStringLiteral("选择附件"));
    EXPECT_EQ(form.Textachment->Text(), QString());
    m_prompts.answerFile(exact);
    click(form.CommandFile);
    EXPECT_EQ(form.Textachment->Text(), exact);
    click(form.Command1);
    EXPECT_EQ(form.Textachment->Text(), QString());
    m_prompts.answerFile(exact);
    click(form.CommandFile);

    const QString body = QStringLiteral("李经理：\n  您好！附件是三月的报价单，请查收。\n\n张经理\n");
    form.TextSubject->setText(QStringLiteral("  三月报价单（含税）  "));
    form.TextBody->setText(body);
    m_prompts.answerMessage(MsgResult::Ok);
    click(form.CommandSend);

    EXPECT_EQ(m_prompts.last().text,
              QStringLiteral("邮件[三月报价单（含税）]已成功发送至[li.si@example.com]。"));
    EXPECT_FALSE(form.isVisible());
    EXPECT_EQ(form.result(), QDialog::Accepted);
    EXPECT_EQ(form.TextFromName->Text(), QStringLiteral("张经理"));
    EXPECT_EQ(form.TextSubject->Text(), QStringLiteral("三月报价单（含税）"));

    EXPECT_EQ(server.logins(), QStringList{QStringLiteral("PLAIN mailer secret")});
    const QList<QJsonObject> mails = server.messages();
    ASSERT_EQ(mails.size(), 1);
    const QJsonObject& mail = mails.first();
    EXPECT_EQ(mail["mail_from"].toString(), QStringLiteral("zhang@dezarod.cn"));
    EXPECT_EQ(mail["rcpt_tos"].toArray(), QJsonArray{QStringLiteral("li.si@example.com")});
    EXPECT_EQ(mail["from_name"].toString(), QStringLiteral("张经理"));
    EXPECT_EQ(mail["from_address"].toString(), QStringLiteral("zhang@dezarod.cn"));
    EXPECT_EQ(mail["to"].toArray(), QJsonArray{QStringLiteral("li.si@example.com")});
    EXPECT_EQ(mail["subject"].toString(), QStringLiteral("三月报价单（含税）"));
    EXPECT_EQ(mail["charset"].toString(), QStringLiteral("gb2312"));
    // Lines travel with CRLF ends, as mail requires; the text is otherwise the one typed.
    EXPECT_EQ(mail["body"].toString().replace(QStringLiteral("\r\n"), QStringLiteral("\n")), body);
    EXPECT_TRUE(mail["defects"].toArray().isEmpty());
    const QJsonArray attachments = mail["attachments"].toArray();
    ASSERT_EQ(attachments.size(), 1);
    EXPECT_EQ(attachments[0].toObject()["filename"].toString(), QStringLiteral("报价单 2024.bin"));
    EXPECT_TRUE(readFile(attachments[0].toObject()["path"].toString()) == content);
}

TEST_F(EmailFormTest, EmptyFieldsAreCheckedOrFilledBeforeSending)
{
    SmtpTestServer server;
    ASSERT_TRUE(server.isRunning());
    UserEmailSmtp = server.address();
    EmailForm form;
    form.show();

    m_prompts.answerMessage(MsgResult::Ok);
    click(form.CommandSend);
    EXPECT_EQ(m_prompts.last().text, QStringLiteral("邮件地址不能为空。"));
    EXPECT_EQ(m_prompts.last().title, QStringLiteral("发送邮件"));
    form.TextToaddress->setText(QStringLiteral(" li.si@example "));
    m_prompts.answerMessage(MsgResult::Ok);
    click(form.CommandSend);
    EXPECT_EQ(m_prompts.last().text, QStringLiteral("非有效收件地址。"));
    EXPECT_EQ(form.TextToaddress->Text(), QStringLiteral("li.si@example"));
    EXPECT_TRUE(server.messages().isEmpty());

    form.TextToaddress->setText(QStringLiteral("li.si@example.com"));
    form.TextSubject->setText(QStringLiteral("   "));
    m_prompts.answerMessage(MsgResult::Ok);
    click(form.CommandSend);
    EXPECT_EQ(form.TextSubject->Text(), QStringLiteral("无主题"));
    EXPECT_EQ(form.TextBody->Text(), QStringLiteral("无内容"));
    ASSERT_EQ(server.messages().size(), 1);
    EXPECT_EQ(server.messages()[0]["subject"].toString(), QStringLiteral("无主题"));
    EXPECT_EQ(server.messages()[0]["body"].toString(), QStringLiteral("无内容"));
    EXPECT_TRUE(server.messages()[0]["attachments"].toArray().isEmpty());
}

TEST_F(EmailFormTest, AWrongPasswordKeepsTheWindowOpen)
{
    SmtpTestServer::Options options;
    options.refuseLogin = true;
    SmtpTestServer server(options);
    ASSERT_TRUE(server.isRunning());
    UserEmailSmtp = server.address();

    // The mail window opened from a contact entry's address.
    SetMailWindowOpener(ShowEmailForm);
    QTimer::singleShot(0, [this] {
        auto* form = qobject_cast<EmailForm*>(QApplication::activeModalWidget());
        ASSERT_NE(form, nullptr);
        EXPECT_EQ(form->TextToaddress->Text(), QStringLiteral("li.si@example.com"));
        form->TextSubject->setText(QStringLiteral("报价"));
        form->TextBody->setText(QStringLiteral("请查收。"));
        m_prompts.answerMessage(MsgResult::Ok);
        click(form->CommandSend);
        EXPECT_EQ(m_prompts.last().text, QStringLiteral("发件人的用户名或密码错误，请改正后再发"));
        EXPECT_EQ(m_prompts.last().title, QStringLiteral("提示"));
        EXPECT_TRUE(form->isVisible());
        EXPECT_EQ(form->TextSubject->Text(), QStringLiteral("报价"));
        form->reject();
    });
    OpenLink(2, QStringLiteral("li.si@example.com"));
    EXPECT_EQ(server.logins().size(), 3);
    EXPECT_TRUE(server.messages().isEmpty());
}
