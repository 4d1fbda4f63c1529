#include <gtest/gtest.h>

#include <functional>

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <QTimer>

#include "controls/foxtext.h"
#include "controls/vsnetbut.h"
#include "app/appprompts.h"
#include "app/foxinputform.h"
#include "core/inputtext.h"
#include "tests/support/fixtures.h"

namespace {

using FoxInputFormTest = AppTest;

// Runs the modal input box and lets `act` work the window while it is shown.
QString runInputBox(const std::function<void(FoxInputForm*)>& act, const QString& defaultText = QString(),
                    bool onlyNumber = false, bool userDot = false, const QString& passwordChar = QString())
{
    QTimer::singleShot(0, [act] {
        auto* form = qobject_cast<FoxInputForm*>(QApplication::activeModalWidget());
        ASSERT_NE(form, nullptr);
        act(form);
        // A window still shown at the end of the script is cancelled, so the test cannot hang.
        if (form->isVisible())
            form->reject();
    });
    return ShowFoxInputForm(QStringLiteral("请输入商品数量："), QStringLiteral("修改商品数量"), defaultText,
                            onlyNumber, userDot, passwordChar, false);
}

void click(VsNetBut* button)
{
    QTest::mouseClick(button, Qt::LeftButton);
}

QLineEdit* edit(FoxInputForm* form)
{
    return form->FoxText1->edit();
}

} // namespace

TEST_F(FoxInputFormTest, ConfirmReturnsTheTextAndCancelReturnsNothing)
{
    EXPECT_EQ(runInputBox([](FoxInputForm* f) { click(f->VsNetBut1); }, QStringLiteral("12")),
              QStringLiteral("12"));
    EXPECT_EQ(runInputBox([](FoxInputForm* f) { click(f->VsNetBut2); }, QStringLiteral("12")), QString());
    EXPECT_EQ(runInputBox(
                  [](FoxInputForm* f) {
                      edit(f)->clear();
                      click(f->VsNetBut1);
                  },
                  QStringLiteral("12")),
              QString());
    // Typed text comes back untrimmed.
    EXPECT_EQ(runInputBox([](FoxInputForm* f) {
                  QTest::keyClicks(edit(f), QStringLiteral(" Co. 1 "));
                  click(f->VsNetBut1);
              }),
              QStringLiteral(" Co. 1 "));
}

TEST_F(FoxInputFormTest, WindowShowsPromptTitleAndDefault)
{
    runInputBox(
        [](FoxInputForm* f) {
            EXPECT_EQ(f->Label1->text(), QStringLiteral("请输入商品数量："));
            EXPECT_EQ(f->windowTitle(), QStringLiteral("修改商品数量"));
            EXPECT_EQ(f->FoxText1->Text(), QStringLiteral("7"));
            EXPECT_EQ(f->VsNetBut1->Caption(), QStringLiteral("确 定"));
            EXPECT_EQ(f->VsNetBut2->Caption(), QStringLiteral("取 消"));
        },
        QStringLiteral("7"));
}

TEST_F(FoxInputFormTest, EnterInTheTextBoxConfirms)
{
    EXPECT_EQ(runInputBox(
                  [](FoxInputForm* f) {
                      f->FoxText1->Text1()->setFocus();
                      QTest::keyClicks(edit(f), QStringLiteral("5"));
                      QTest::keyClick(edit(f), Qt::Key_Return);
                  },
                  QStringLiteral("2"), true),
              QStringLiteral("25"));
}

TEST_F(FoxInputFormTest, CloseBoxAndEscapeCancelEvenAfterAnEarlierAnswer)
{
    FoxInputForm form;
    form.FoxText1->setText(QStringLiteral("abc"));
    form.show();
    click(form.VsNetBut1);
    EXPECT_EQ(form.MyInputValue, QStringLiteral("abc"));
    EXPECT_FALSE(form.isVisible());

    form.show();
    form.close();
    EXPECT_EQ(form.MyInputValue, QString());

    form.MyInputValue = QStringLiteral("abc");
    form.show();
    QTest::keyClick(&form, Qt::Key_Escape);
    EXPECT_FALSE(form.isVisible());
    EXPECT_EQ(form.MyInputValue, QString());

    EXPECT_EQ(runInputBox([](FoxInputForm* f) { f->close(); }, QStringLiteral("9")), QString());
}

TEST_F(FoxInputFormTest, TextBoxOptions)
{
    // Digits only, without a decimal point.
    EXPECT_EQ(runInputBox(
                  [](FoxInputForm* f) {
                      QTest::keyClicks(edit(f), QStringLiteral("1.5a"));
                      click(f->VsNetBut1);
                  },
                  QString(), true, false),
              QStringLiteral("15"));
    // With the decimal point.
    EXPECT_EQ(runInputBox(
                  [](FoxInputForm* f) {
                      QTest::keyClicks(edit(f), QStringLiteral("1.5"));
                      click(f->VsNetBut1);
                  },
                  QString(), true, true),
              QStringLiteral("1.5"));
    // Free text, masked with the first character of the password text.
    EXPECT_EQ(runInputBox(
                  [](FoxInputForm* f) {
                      EXPECT_EQ(f->FoxText1->PasswordChar(), QStringLiteral("#"));
                      QTest::keyClicks(edit(f), QStringLiteral("ab"));
                      EXPECT_EQ(edit(f)->echoMode(), QLineEdit::Password);
                      EXPECT_NE(edit(f)->displayText(), QStringLiteral("ab"));
                      click(f->VsNetBut1);
                  },
                  QString(), false, false, QStringLiteral("#*")),
              QStringLiteral("ab"));
}

TEST_F(FoxInputFormTest, PartsStackBelowThePromptInsideTheWindow)
{
    FoxInputForm form;
    form.Label1->setText(QStringLiteral("请输入公司名称："));
    form.arrange();
    const int shortHeight = form.height();
    const QRect label = form.Label1->geometry();
    const QRect box = form.FoxText1->geometry();
    const QRect ok = form.VsNetBut1->geometry();
    const QRect cancel = form.VsNetBut2->geometry();
    EXPECT_GT(box.top(), label.bottom());
    EXPECT_GT(ok.top(), box.bottom());
    EXPECT_EQ(ok.top(), cancel.top());
    EXPECT_LT(ok.right(), cancel.left());
    EXPECT_TRUE(form.rect().contains(box));
    EXPECT_TRUE(form.rect().contains(cancel));

    form.Label1->setText(QString(200, QChar(u'长')));
    form.arrange();
    EXPECT_GT(form.height(), shortHeight);
    EXPECT_GT(form.FoxText1->geometry().top(), form.Label1->geometry().bottom());
}

TEST_F(FoxInputFormTest, InputTextGoesThroughThePromptService)
{
    m_prompts.answerInput(QStringLiteral("厦门某某公司"));
    EXPECT_EQ(
        InputText(QStringLiteral("请输入公司名称："), QStringLiteral("公司名称"), QStringLiteral("公司名称")),
        QStringLiteral("厦门某某公司"));
    const ScriptedPrompts::Record record = m_prompts.last();
    EXPECT_EQ(record.kind, ScriptedPrompts::Kind::Input);
    EXPECT_EQ(record.text, QStringLiteral("请输入公司名称："));
    EXPECT_EQ(record.title, QStringLiteral("公司名称"));
    EXPECT_EQ(record.defaultText, QStringLiteral("公司名称"));
    EXPECT_FALSE(record.inputOptions.onlyNumber);

    m_prompts.answerInput(QStringLiteral("3"));
    InputText(QStringLiteral("数量"), QString(), QStringLiteral("1"), true, false, QStringLiteral("*"), true);
    EXPECT_TRUE(m_prompts.last().inputOptions.onlyNumber);
    EXPECT_FALSE(m_prompts.last().inputOptions.userDot);
    EXPECT_EQ(m_prompts.last().inputOptions.passwordChar, QStringLiteral("*"));
    EXPECT_TRUE(m_prompts.last().inputOptions.selAll);

    // The program's own prompts cannot show a window without a display and answer "".
    AppPrompts app;
    setPrompts(&app);
    EXPECT_EQ(InputText(QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c"), true), QString());
    setPrompts(&m_prompts);
}
