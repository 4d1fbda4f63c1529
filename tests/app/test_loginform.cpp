#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include "controls/foxtext.h"
#include "controls/vsnetbut.h"
#include "app/aboutform.h"
#include "core/dblayer.h"
#include "app/loginform.h"
#include "core/session.h"
#include "core/skins.h"
#include "tests/support/fixtures.h"

namespace {

class LoginFormTest : public AppTest
{
protected:
    void SetUp() override
    {
        AppTest::SetUp();
        CopyTemplateDatabase(DatabasePath());
        InitSkinTable();
        CurSkin = Skins[3];
        m_form = new LoginForm;
        m_form->show();
        m_spy = std::make_unique<QSignalSpy>(m_form.data(), &LoginForm::loggedIn);
    }

    void TearDown() override
    {
        EXPECT_FALSE(Conn.isOpen());
        delete m_form.data();
        CurSkin = SkinInfo();
        AppTest::TearDown();
    }

    void typePassword(const QString& text)
    {
        m_form->FoxText1->Text1()->setFocus();
        QTest::keyClicks(m_form->FoxText1->edit(), text);
    }

    // The window deletes itself once closed.
    bool windowGone()
    {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        return m_form.isNull();
    }

    QPointer<LoginForm> m_form;
    std::unique_ptr<QSignalSpy> m_spy;
};

} // namespace

TEST_F(LoginFormTest, LoadFillsTheUsersAndSkinsTheWindow)
{
    EXPECT_EQ(m_form->Combo1->currentText(), QStringLiteral("admin"));
    EXPECT_EQ(UserFontSize, 13);
    EXPECT_EQ(m_form->FoxText1->Height(), 380);
    EXPECT_EQ(m_form->FoxText1->Text(), QString());
    EXPECT_EQ(m_form->FoxText1->PasswordChar(), QStringLiteral("*"));
    EXPECT_FALSE(m_form->FoxText1->OnlyNumber());
    EXPECT_EQ(m_form->VsNetBut1->BackColor(), CurSkin.BackColor);
    EXPECT_TRUE(m_form->Label1->autoFillBackground());
    // The picture keeps its own look.
    EXPECT_FALSE(m_form->NoChange->autoFillBackground());
    EXPECT_EQ(OwnCompanyName, QStringLiteral("公司名称"));
}

TEST_F(LoginFormTest, ShippedAdminLogsInWithTheEmptyPassword)
{
    QTest::mouseClick(m_form->VsNetBut1, Qt::LeftButton);
    EXPECT_EQ(m_spy->count(), 1);
    EXPECT_EQ(CurUserName, QStringLiteral("admin"));
    EXPECT_TRUE(CanUserManage);
    EXPECT_TRUE(windowGone());
}

TEST_F(LoginFormTest, WrongPasswordSaysSoAndStays)
{
    m_prompts.answerMessage(MsgResult::Ok);
    typePassword(QStringLiteral("guess"));
    QTest::mouseClick(m_form->VsNetBut1, Qt::LeftButton);
    ASSERT_EQ(m_prompts.messageTexts(), QStringList{QStringLiteral("用户密码错误！")});
    EXPECT_EQ(m_prompts.last().buttons, MsgButtons::Ok);
    EXPECT_EQ(m_prompts.last().title, QString());
    EXPECT_EQ(m_spy->count(), 0);
    EXPECT_FALSE(windowGone());
    EXPECT_TRUE(m_form->isVisible());
    EXPECT_EQ(m_form->FoxText1->Text(), QStringLiteral("guess"));
}

TEST_F(LoginFormTest, EnterInThePasswordBoxLogsInLikeTheButton)
{
    m_prompts.answerMessage(MsgResult::Ok);
    typePassword(QStringLiteral("x"));
    QTest::keyClick(m_form->FoxText1->edit(), Qt::Key_Return);
    EXPECT_EQ(m_prompts.messageTexts(), QStringList{QStringLiteral("用户密码错误！")});

    m_form->FoxText1->setText(QString());
    QTest::keyClick(m_form->FoxText1->edit(), Qt::Key_Enter);
    EXPECT_EQ(m_spy->count(), 1);
    EXPECT_TRUE(windowGone());
}

TEST_F(LoginFormTest, UserWithoutAGroupIsRefused)
{
    OpenDatabase();
    Conn.exec(QStringLiteral("update userdata set GetUserClassID = 42 where userid = 1"));
    CloseDatabase();
    m_prompts.answerMessage(MsgResult::Ok);
    QTest::mouseClick(m_form->VsNetBut1, Qt::LeftButton);
    EXPECT_EQ(m_prompts.messageTexts(),
              QStringList{QStringLiteral("该用户未正确设定群组！请联系管理员修改后再登录！")});
    EXPECT_EQ(m_spy->count(), 0);
    EXPECT_FALSE(windowGone());
}

TEST_F(LoginFormTest, EmptyUserListSaysThatNoUserExists)
{
    m_form->Combo1->clear();
    m_prompts.answerMessage(MsgResult::Ok);
    QTest::mouseClick(m_form->VsNetBut1, Qt::LeftButton);
    EXPECT_EQ(m_prompts.messageTexts(), QStringList{QStringLiteral("没有可以登录的用户！")});
    EXPECT_EQ(m_spy->count(), 0);
}

TEST_F(LoginFormTest, ExitClosesTheWindow)
{
    QTest::mouseClick(m_form->VsNetBut2, Qt::LeftButton);
    EXPECT_EQ(m_spy->count(), 0);
    EXPECT_TRUE(windowGone());
}

TEST_F(LoginFormTest, AboutShowsTheAboutBoxModal)
{
    QString title;
    QTimer::singleShot(0, [&title] {
        auto* about = qobject_cast<AboutForm*>(QApplication::activeModalWidget());
        ASSERT_NE(about, nullptr);
        title = about->windowTitle();
        QTest::mouseClick(about->Command2, Qt::LeftButton);
    });
    QTest::mouseClick(m_form->VsNetBut3, Qt::LeftButton);
    EXPECT_EQ(title, QStringLiteral("关于") + applicationTitle());
    EXPECT_TRUE(m_form->isVisible());
}
