#include <gtest/gtest.h>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <QElapsedTimer>
#include <QJsonArray>

#include "core/mail.h"
#include "tests/support/fixtures.h"
#include "tests/support/smtptestserver.h"

namespace {

using MailTest = AppTest;

const QString Sender = QStringLiteral("zhang@dezarod.cn");
const QString Recipient = QStringLiteral("li.si@example.com");

bool send(const QString& server, const QString& subject, const QString& body, const QString& fromName,
          const SmtpLimits& limits = SmtpLimits())
{
    return SendMail(fromName, Sender, QStringLiteral("mailer"), QStringLiteral("secret"), server, Recipient,
                    subject, body, QString(), limits);
}

// A listening socket on 127.0.0.1 that never accepts: connections arrive (the system completes
// them) but the server never says a word.
class SilentPort
{
public:
    SilentPort()
    {
        m_fd = ::socket(AF_INET, SOCK_STREAM, 0);
        sockaddr_in addr{};
        addr.sin_family = AF_INET;
        addr.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        socklen_t len = sizeof addr;
        if (::bind(m_fd, reinterpret_cast<sockaddr*>(&addr), len) == 0 && ::listen(m_fd, 8) == 0 &&
            ::getsockname(m_fd, reinterpret_cast<sockaddr*>(&addr), &len) == 0)
            m_port = ntohs(addr.sin_port);
    }
    ~SilentPort() { close(); }
    void close()
    {
        if (m_fd >= 0)
            ::close(m_fd);
        m_fd = -1;
    }
    int port() const { return m_port; }

private:
    int m_fd = -1;
    int m_port = 0;
};

} // namespace

TEST(IsValidEmail, FollowsTheAddressRules)
{
    for (const char* valid : {"zhang3@dezarod.cn", "li.si@mail.example.com", "a_b-c@x-y.org", "A1@B2.CN"})
        EXPECT_TRUE(IsValidEmail(QString::fromUtf8(valid))) << valid;
    for (const char* invalid :
         {"", "zhang", "zhang@dezarod", "zhang@dezarod.info", "zhang@@dezarod.cn", "a@b@c.cn", "@dezarod.cn",
          "zhang@", ".zhang@dezarod.cn", "zhang.@dezarod.cn", "zhang@.dezarod.cn", "zhang@dezarod.cn.",
          "zh..ang@dezarod.cn", "zhang@dezarod..cn", "张三@dezarod.cn", "zhang @dezarod.cn",
          " zhang@dezarod.cn", "zhang@dezarod.c", "zhang+tag@dezarod.cn"})
        EXPECT_FALSE(IsValidEmail(QString::fromUtf8(invalid))) << invalid;
}

TEST(ScrambleText, ShiftsByPositionAndComesBackExactly)
{
    EXPECT_EQ(ScrambleText(QStringLiteral("abc")), QStringLiteral("bdf"));
    EXPECT_EQ(UnscrambleText(QStringLiteral("bdf")), QStringLiteral("abc"));
    // Letters late in the alphabet leave the ASCII range; Chinese and characters beyond 16 bits too.
    const QString password = QStringLiteral("zzzzzzzz~密码€") + QString::fromUcs4(U"\U00020000");
    EXPECT_EQ(ScrambleText(password).size(), password.size());
    EXPECT_NE(ScrambleText(password), password);
    EXPECT_EQ(UnscrambleText(ScrambleText(password)), password);
}

TEST_F(MailTest, TextsOutsideGb2312TravelInUtf8)
{
    SmtpTestServer server;
    ASSERT_TRUE(server.isRunning());
    m_prompts.answerMessage(MsgResult::Ok);
    m_prompts.answerMessage(MsgResult::Ok);
    // "體" and "€" are not in GB2312; the sender name alone decides the second mail.
    EXPECT_TRUE(send(server.address(), QStringLiteral("報價：100€"), QStringLiteral("請查收。\n體"),
                     QStringLiteral("张经理")));
    EXPECT_TRUE(send(server.address(), QStringLiteral("报价单"), QStringLiteral("请查收。"),
                     QStringLiteral("張經理")));

    const QList<QJsonObject> mails = server.messages();
    ASSERT_EQ(mails.size(), 2);
    EXPECT_EQ(mails[0]["charset"].toString(), QStringLiteral("utf-8"));
    EXPECT_EQ(mails[0]["subject"].toString(), QStringLiteral("報價：100€"));
    EXPECT_EQ(mails[0]["body"].toString(), QStringLiteral("請查收。\r\n體"));
    EXPECT_EQ(mails[0]["from_name"].toString(), QStringLiteral("张经理"));
    EXPECT_EQ(mails[1]["charset"].toString(), QStringLiteral("utf-8"));
    EXPECT_EQ(mails[1]["from_name"].toString(), QStringLiteral("張經理"));
    EXPECT_EQ(mails[1]["subject"].toString(), QStringLiteral("报价单"));
    EXPECT_EQ(m_prompts.messageTexts().last(),
              QStringLiteral("邮件[报价单]已成功发送至[li.si@example.com]。"));

    // The body alone: subject and name fit GB2312, "€" and an emoji in the body do not.
    m_prompts.answerMessage(MsgResult::Ok);
    const QString body = QStringLiteral("报价：100€\n") + QString::fromUcs4(U"\U0001F600");
    EXPECT_TRUE(send(server.address(), QStringLiteral("报价单"), body, QStringLiteral("张经理")));
    ASSERT_EQ(server.messages().size(), 3);
    const QJsonObject third = server.messages().at(2);
    EXPECT_EQ(third["charset"].toString(), QStringLiteral("utf-8"));
    EXPECT_EQ(third["body"].toString(), QStringLiteral("报价：100€\r\n") + QString::fromUcs4(U"\U0001F600"));
    EXPECT_EQ(third["subject"].toString(), QStringLiteral("报价单"));
}

// A sender name of ASCII with signs of the address syntax (a comma parts two addresses, "@", "<",
// brackets, quotes) still names one sender, and arrives as it was written.
TEST_F(MailTest, SenderNameWithAddressSignsArrivesAsOneAddress)
{
    SmtpTestServer server;
    ASSERT_TRUE(server.isRunning());
    const QStringList names{QStringLiteral("Zhang, San"),
                            QStringLiteral("Li Si <boss@example.com>"),
                            QStringLiteral("wang@home (office)"),
                            QStringLiteral("Zhao: \"Lao\" \\ Wu;"),
                            QStringLiteral("Sun.Qi"),
                            QStringLiteral("张, 三")};
    for (const QString& name : names) {
        m_prompts.answerMessage(MsgResult::Ok);
        EXPECT_TRUE(send(server.address(), QStringLiteral("报价单"), QStringLiteral("请查收。"), name));
    }
    const QList<QJsonObject> mails = server.messages();
    ASSERT_EQ(mails.size(), names.size());
    for (qsizetype i = 0; i < names.size(); ++i) {
        EXPECT_EQ(mails[i]["from_count"].toInt(), 1) << names[i].toStdString();
        EXPECT_EQ(mails[i]["from_name"].toString(), names[i]);
        EXPECT_EQ(mails[i]["from_address"].toString(), Sender);
        EXPECT_EQ(mails[i]["defects"].toArray().size(), 0) << names[i].toStdString();
    }
}

TEST_F(MailTest, RefusalsAreTriedThreeTimesAndExplained)
{
    {
        SmtpTestServer::Options options;
        options.refuseLogin = true;
        SmtpTestServer server(options);
        ASSERT_TRUE(server.isRunning());
        m_prompts.answerMessage(MsgResult::Ok);
        EXPECT_FALSE(
            send(server.address(), QStringLiteral("主题"), QStringLiteral("内容"), QStringLiteral("张经理")));
        const QStringList logins = server.logins();
        ASSERT_EQ(logins.size(), 3);
        EXPECT_TRUE(logins[0].endsWith(QStringLiteral(" mailer secret"))) << logins[0].toStdString();
        EXPECT_EQ(m_prompts.last().text, QStringLiteral("发件人的用户名或密码错误，请改正后再发"));
        EXPECT_EQ(m_prompts.last().title, QStringLiteral("提示"));
        EXPECT_TRUE(server.messages().isEmpty());
    }
    {
        SmtpTestServer::Options options;
        options.refuseRecipient = 550;
        SmtpTestServer server(options);
        m_prompts.answerMessage(MsgResult::Ok);
        EXPECT_FALSE(
            send(server.address(), QStringLiteral("主题"), QStringLiteral("内容"), QStringLiteral("张经理")));
        EXPECT_EQ(server.logins().size(), 3);
        EXPECT_EQ(m_prompts.last().text, QStringLiteral("li.si@example.com该邮件地址不存在，请更改后再发"));
    }
    {
        // Any other refusal shows the server's own words.
        SmtpTestServer::Options options;
        options.refuseRecipient = 552;
        SmtpTestServer server(options);
        m_prompts.answerMessage(MsgResult::Ok);
        EXPECT_FALSE(
            send(server.address(), QStringLiteral("主题"), QStringLiteral("内容"), QStringLiteral("张经理")));
        EXPECT_EQ(m_prompts.last().text, QStringLiteral("发生未知错误以下为服务器发回的消息：\r\n\r\n"
                                                        "552 5.2.2 <li.si@example.com>: Mailbox full"));
    }
}

TEST_F(MailTest, ASilentOrMissingServerEndsWithinTheLimits)
{
    // The port accepts connections (the system does that for a listening socket) but never greets.
    SilentPort silent;
    ASSERT_NE(silent.port(), 0);
    const SmtpLimits limits{1, 1, 3};
    QElapsedTimer clock;
    clock.start();
    m_prompts.answerMessage(MsgResult::Ok);
    EXPECT_FALSE(send(QStringLiteral("127.0.0.1:%1").arg(silent.port()), QStringLiteral("主题"),
                      QStringLiteral("内容"), QStringLiteral("张经理"), limits));
    EXPECT_LT(clock.elapsed(), 3 * 3000 + 2000);
    EXPECT_GE(clock.elapsed(), 3 * 1000 - 100);
    EXPECT_TRUE(
        m_prompts.last().text.startsWith(QStringLiteral("发生未知错误以下为服务器发回的消息：\r\n\r\n")));
    EXPECT_GT(m_prompts.last().text.size(),
              QStringLiteral("发生未知错误以下为服务器发回的消息：\r\n\r\n").size());

    // Nothing listens on a closed port: the attempts end at once.
    const int port = silent.port();
    silent.close();
    clock.restart();
    m_prompts.answerMessage(MsgResult::Ok);
    EXPECT_FALSE(send(QStringLiteral("127.0.0.1:%1").arg(port), QStringLiteral("主题"),
                      QStringLiteral("内容"), QStringLiteral("张经理")));
    EXPECT_LT(clock.elapsed(), 5000);
}
