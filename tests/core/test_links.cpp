#include <gtest/gtest.h>

#include <QDir>
#include <QFile>

#include "core/links.h"
#include "core/programfolder.h"
#include "tests/support/fixtures.h"

namespace {

class LinksTest : public AppTest
{
protected:
    void TearDown() override
    {
        SetMailWindowOpener(nullptr);
        AppTest::TearDown();
    }

    QStringList openedLinks() const
    {
        QStringList links;
        for (const ScriptedPrompts::Record& r : m_prompts.records()) {
            if (r.kind == ScriptedPrompts::Kind::Link)
                links << r.text;
        }
        return links;
    }
};

} // namespace

TEST_F(LinksTest, WebEntriesOpenOnlyWebAddresses)
{
    OpenLink(0, QStringLiteral("www.dezarod.cn"));
    OpenLink(0, QStringLiteral("https://shop.dezarod.cn/报价?id=7"));
    OpenLink(0, QStringLiteral("ftp://files.dezarod.cn/a.zip"));
    EXPECT_EQ(openedLinks(), (QStringList{QStringLiteral("http://www.dezarod.cn"),
                                          QStringLiteral("https://shop.dezarod.cn/报价?id=7"),
                                          QStringLiteral("ftp://files.dezarod.cn/a.zip")}));

    // Files, programs and other schemes never reach the desktop.
    const QStringList refused{
        QStringLiteral("file:///etc/passwd"),       QStringLiteral("/usr/bin/xterm"),
        QStringLiteral("C:\\Windows\\notepad.exe"), QStringLiteral("javascript:alert(1)"),
        QStringLiteral("smb://server/share"),       QString()};
    for (const QString& target : refused) {
        m_prompts.answerMessage(MsgResult::Ok);
        OpenLink(0, target);
        EXPECT_EQ(m_prompts.last().kind, ScriptedPrompts::Kind::Message) << target.toStdString();
        EXPECT_EQ(m_prompts.last().text,
                  QStringLiteral("[") + target + QStringLiteral("]不是网页地址，无法打开。"));
    }
    EXPECT_EQ(openedLinks().size(), 3);
}

TEST_F(LinksTest, MailEntriesOpenTheMailWindowForValidAddresses)
{
    QStringList opened;
    SetMailWindowOpener([&](const QString& address) { opened << address; });
    OpenLink(2, QStringLiteral("li.si@example.com"));
    m_prompts.answerMessage(MsgResult::Ok);
    OpenLink(2, QStringLiteral("li.si@example"));
    EXPECT_EQ(m_prompts.last().text, QStringLiteral("[li.si@example]为非有效电子邮箱！"));
    // The instant-messenger kind does nothing at all.
    OpenLink(1, QStringLiteral("12345678"));
    EXPECT_EQ(opened, QStringList{QStringLiteral("li.si@example.com")});
    EXPECT_EQ(m_prompts.records().size(), 1);

    EXPECT_EQ(LinkKindOfCaption(QStringLiteral("打开网页")), 0);
    EXPECT_EQ(LinkKindOfCaption(QStringLiteral("发送ＱＱ")), 1);
    EXPECT_EQ(LinkKindOfCaption(QStringLiteral("发送qq")), 1);
    EXPECT_EQ(LinkKindOfCaption(QStringLiteral("发送邮件")), 2);
    EXPECT_EQ(LinkKindOfCaption(QStringLiteral("发送信息")), 0);
}

TEST_F(LinksTest, ChooseFileStartsWhereTheLastFileWasChosen)
{
    QDir(folder()).mkpath(QStringLiteral("文档"));
    const QString file = pathOf(QStringLiteral("文档/报价单.xls"));
    QFile(file).open(QIODevice::WriteOnly);

    m_prompts.answerFile(QString());
    EXPECT_EQ(ChooseFile(QString(), QStringLiteral("选择附件")), QString());
    EXPECT_EQ(m_prompts.last().folder, ProgramFolder());
    EXPECT_EQ(m_prompts.last().title, QStringLiteral("选择附件"));

    m_prompts.answerFile(file);
    EXPECT_EQ(ChooseFile(QString(), QStringLiteral("选择附件")), file);
    // A name that does not exist gives nothing and leaves the folder as it was.
    m_prompts.answerFile(pathOf(QStringLiteral("其他/没有.txt")));
    EXPECT_EQ(ChooseFile(QString(), QStringLiteral("选择附件")), QString());
    EXPECT_EQ(m_prompts.last().folder, pathOf(QStringLiteral("文档")));
    m_prompts.answerFile(QString());
    ChooseFile(QString(), QStringLiteral("选择附件"));
    EXPECT_EQ(m_prompts.last().folder, pathOf(QStringLiteral("文档")));
}
