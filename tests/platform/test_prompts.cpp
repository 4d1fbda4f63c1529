#include <gtest/gtest.h>

#include <QFileInfo>
#include <QPainter>
#include <QPrinter>

#include "platform/prompts.h"
#include "tests/support/fixtures.h"

using PromptsTest = AppTest;

TEST_F(PromptsTest, ScriptedAnswersComeInOrderAndAreRecorded)
{
    m_prompts.answerMessage(MsgResult::Cancel);
    m_prompts.answerMessage(MsgResult::Ok);
    m_prompts.answerInput(QStringLiteral("某公司"));
    EXPECT_EQ(MsgBox(QStringLiteral("要删除吗？"), MsgButtons::OkCancel, QStringLiteral("重要提醒")), MsgResult::Cancel);
    EXPECT_EQ(MsgBox(QStringLiteral("保存成功")), MsgResult::Ok);
    EXPECT_EQ(prompts().inputText(QStringLiteral("请输入公司名字："), QStringLiteral("更改公司"), QString()),
              QStringLiteral("某公司"));

    ASSERT_EQ(m_prompts.records().size(), 3);
    EXPECT_EQ(m_prompts.records().at(0).title, QStringLiteral("重要提醒"));
    EXPECT_EQ(m_prompts.records().at(0).buttons, MsgButtons::OkCancel);
    EXPECT_EQ(m_prompts.messageTexts(), (QStringList{QStringLiteral("要删除吗？"), QStringLiteral("保存成功")}));
    EXPECT_EQ(m_prompts.last().kind, ScriptedPrompts::Kind::Input);
}

TEST_F(PromptsTest, UnexpectedPromptIsReportedAndCancelled)
{
    QStringList reported;
    m_prompts.onUnexpected = [&](const QString& what) { reported << what; };
    EXPECT_EQ(MsgBox(QStringLiteral("确定？"), MsgButtons::OkCancel), MsgResult::Cancel);
    EXPECT_EQ(prompts().inputText(QStringLiteral("名字"), QString(), QStringLiteral("旧值")), QString());
    EXPECT_EQ(prompts().chooseFile(QStringLiteral("附件"), QString()), QString());
    EXPECT_EQ(reported.size(), 3);
}

TEST_F(PromptsTest, PrintPreviewPaintsIntoPdf)
{
    const QString pdf = pathOf(QStringLiteral("preview.pdf"));
    m_prompts.setPreviewPdf(pdf);
    int pages = 0;
    prompts().printPreview(QStringLiteral("打印预览"), [&](QPrinter* printer) {
        QPainter painter(printer);
        painter.drawText(100, 100, QStringLiteral("客户列表"));
        ++pages;
    });
    EXPECT_EQ(pages, 1);
    EXPECT_GT(QFileInfo(pdf).size(), 0);
    EXPECT_EQ(m_prompts.last().kind, ScriptedPrompts::Kind::Preview);
}
