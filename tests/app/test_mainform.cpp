#include <functional>

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QDate>
#include <QDir>
#include <QListWidget>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPointer>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include "admin/groupmanageform.h"
#include "admin/logmanageform.h"
#include "admin/usermanage.h"
#include "affairs/affairaddform.h"
#include "affairs/affairmanageform.h"
#include "affairs/affairregularmanageform.h"
#include "analysis/analyseform.h"
#include "analysis/analyseform2.h"
#include "analysis/analyseform3.h"
#include "clients/classmanageform.h"
#include "clients/clientaddform.h"
#include "clients/clientmanageform.h"
#include "clients/companyaddform.h"
#include "clients/companymanageform.h"
#include "controls/foxtext.h"
#include "controls/vsnetbut.h"
#include "core/dblayer.h"
#include "core/formsizelimits.h"
#include "core/login.h"
#include "app/loginform.h"
#include "app/mainform.h"
#include "core/scramblepassword.h"
#include "core/session.h"
#include "core/skins.h"
#include "sales/orderaddform.h"
#include "sales/ordermanage.h"
#include "sales/productaddform.h"
#include "sales/productmanage.h"
#include "sales/productmuladdform.h"
#include "tests/support/skinfolder.h"
#include "tests/support/fixtures.h"
#include "tests/support/modal.h"
#include "tests/app/mainformtest.h"

namespace {

QStringList visibleTexts(const std::vector<QAction*>& items)
{
    QStringList texts;
    for (QAction* item : items) {
        if (item->isVisible())
            texts << item->text();
    }
    return texts;
}

} // namespace

TEST_F(MainFormTest, LoadShowsTheSessionAndOffersEverythingToTheAdministrator)
{
    logIn();
    ASSERT_NE(open(), nullptr);

    EXPECT_TRUE(m_form->isVisible());
    EXPECT_EQ(MainForm::instance(), m_form.data());
    EXPECT_TRUE(Conn.isOpen());
    EXPECT_EQ(m_form->windowTitle(), QStringLiteral("公司名称Tollivar--当前用户：admin"));
    EXPECT_EQ(m_form->minimumSize(), QSize(766, 574));
    EXPECT_TRUE(m_form->GroupManageClick->isVisible());
    EXPECT_TRUE(m_form->SystempStep1->isVisible());
    EXPECT_TRUE(m_form->ClassManageClick->isVisible());
    EXPECT_TRUE(m_form->DataManageStep2->isVisible());
    EXPECT_TRUE(m_form->ProductSinClick->isEnabled());
    EXPECT_TRUE(m_form->ProductMulClick->isEnabled());
    EXPECT_EQ(m_form->ExitSystem->text(), QStringLiteral("退出(&X)"));
    // The six classifications, in the session and in the menu.
    EXPECT_EQ(SixClassTables.first(), QStringLiteral("ClientType"));
    EXPECT_EQ(SixClassNames.size(), 6);
    EXPECT_EQ(visibleTexts(m_form->ClientClass), SixClassNames);
    // Skin and font menus.
    ASSERT_EQ(m_form->GetSkin.size(), 9u);
    EXPECT_EQ(m_form->GetSkin[0]->text(), QStringLiteral("QQ2010"));
    EXPECT_EQ(m_form->GetSkin[8]->text(), QStringLiteral("Vista风格"));
    for (int i = 0; i < 9; ++i)
        EXPECT_EQ(m_form->GetSkin[i]->isChecked(), i == 2) << i;
    EXPECT_FALSE(m_form->FontSet[1]->isChecked());
    EXPECT_TRUE(m_form->FontSet[2]->isChecked());
    EXPECT_FALSE(m_form->FontSet[3]->isChecked());
    // The toolbar carries the skin's colours.
    EXPECT_EQ(m_form->VsNetBut2->Caption(), QStringLiteral("客户管理"));
    EXPECT_EQ(m_form->VsNetBut2->BackColor(), Skins[3].BackColor);
    EXPECT_EQ(m_form->VsNetBut1.size(), 4u);
    EXPECT_FALSE(m_form->VsNetBut1[0]->Enabled());
    EXPECT_EQ(m_form->VsNetBut9[0]->Caption(), QStringLiteral("记事本"));
    EXPECT_EQ(m_form->VsNetBut9[1]->Caption(), QStringLiteral("计算器"));
}

TEST_F(MainFormTest, GroupWithoutRightsSeesNoClassificationsAndGreyProductItems)
{
    addClerk();
    logIn(2);
    open();

    EXPECT_FALSE(m_form->ClassManageClick->isVisible());
    EXPECT_FALSE(m_form->DataManageStep2->isVisible());
    EXPECT_FALSE(m_form->ProductSinClick->isEnabled());
    EXPECT_FALSE(m_form->ProductMulClick->isEnabled());
    EXPECT_FALSE(m_form->GroupManageClick->isVisible());
    EXPECT_FALSE(m_form->SystempStep1->isVisible());
    // The lists stay reachable.
    EXPECT_TRUE(m_form->ProductManageClick->isVisible());
    EXPECT_TRUE(m_form->ProductManageClick->isEnabled());
    EXPECT_TRUE(m_form->VsNetBut7->Enabled());
    EXPECT_TRUE(m_form->UserManageClick->isVisible());
    EXPECT_EQ(m_form->windowTitle(), QStringLiteral("公司名称Tollivar--当前用户：clerk"));
}

TEST_F(MainFormTest, NoClassificationsLeaveTheDesignItemAlone)
{
    change(QStringLiteral("delete from ClientSixClass"));
    logIn();
    ASSERT_NE(open(), nullptr);

    EXPECT_TRUE(SixClassTables.isEmpty());
    EXPECT_TRUE(SixClassNames.isEmpty());
    ASSERT_EQ(m_form->ClientClass.size(), 1u);
    EXPECT_EQ(m_form->ClientClass[0]->text(), QStringLiteral("客户类别"));
    EXPECT_FALSE(m_form->ClientClass[0]->isVisible());
}

TEST_F(MainFormTest, SevenRowsGiveSixClassifications)
{
    change(QStringLiteral("insert into ClientSixClass values (7, '客户区域', 0, 'ClientType')"));
    logIn();
    open();

    EXPECT_EQ(SixClassNames.size(), 6);
    EXPECT_EQ(SixClassNames.first(), QStringLiteral("客户区域"));
    EXPECT_EQ(visibleTexts(m_form->ClientClass), SixClassNames);
    EXPECT_FALSE(SixClassNames.contains(QStringLiteral("信用等级")));
}

TEST_F(MainFormTest, UnusableClassificationsEndTheProgramAtLoad)
{
    change(QStringLiteral(
        "update ClientSixClass set ClientSixClassName = '客户|类型' where ClientSixClassid = 1"));
    logIn();
    m_prompts.answerMessage(MsgResult::Ok);
    EXPECT_EQ(open(), nullptr);

    EXPECT_EQ(m_prompts.messageTexts(), QStringList{QStringLiteral("分类的数据不正确，程序无法正常启动！")});
    EXPECT_FALSE(Conn.isOpen());
    flush();
    EXPECT_EQ(MainForm::instance(), nullptr);
}

TEST_F(MainFormTest, ClassificationItemsOpenTheEditorOnTheirTables)
{
    logIn();
    open();
    whileModal<ClassManageForm>([this] { m_form->ClientClass[1]->trigger(); },
                                [](ClassManageForm* form) {
                                    EXPECT_EQ(form->tabName, QStringLiteral("ClientSource"));
                                    EXPECT_EQ(form->windowTitle(), QStringLiteral("客户来源"));
                                    EXPECT_EQ(form->List1->item(0)->text(), QStringLiteral("朋友介绍"));
                                    EXPECT_FALSE(form->Command2->isHidden());
                                });
    whileModal<ClassManageForm>([this] { m_form->UnitClassManageClick->trigger(); },
                                [](ClassManageForm* form) {
                                    EXPECT_EQ(form->tabName, QStringLiteral("ProductUnit"));
                                    EXPECT_EQ(form->windowTitle(), QStringLiteral("计量单位管理"));
                                    EXPECT_EQ(form->List1->count(), 7);
                                });
}

TEST_F(MainFormTest, EditedClassificationNamesRebuildTheMenu)
{
    logIn();
    open();
    whileModal<ClassManageForm>([this] { m_form->ClientSixClass->trigger(); },
                                [](ClassManageForm* form) {
                                    EXPECT_EQ(form->tabName, QStringLiteral("ClientSixClass"));
                                    EXPECT_EQ(form->windowTitle(), QStringLiteral("六种分类名称"));
                                    EXPECT_TRUE(form->Command2->isHidden());
                                    form->List1->setCurrentRow(0);
                                    form->FoxText1->setText(QStringLiteral("客户种类"));
                                    QTest::mouseClick(form->Command3, Qt::LeftButton);
                                    QTest::mouseClick(form->Command1[1], Qt::LeftButton);
                                });

    EXPECT_EQ(SixClassNames.mid(0, 2), (QStringList{QStringLiteral("客户来源"), QStringLiteral("客户种类")}));
    EXPECT_EQ(SixClassTables.mid(0, 2),
              (QStringList{QStringLiteral("ClientSource"), QStringLiteral("ClientType")}));
    EXPECT_EQ(visibleTexts(m_form->ClientClass), SixClassNames);
    EXPECT_TRUE(m_form->isVisible());
}

TEST_F(MainFormTest, UnusableNamesAfterEditingUnloadTheWindow)
{
    logIn();
    open();
    QSignalSpy unloaded(m_form.data(), &MainForm::unloaded);
    m_prompts.answerMessage(MsgResult::Ok);
    whileModal<ClassManageForm>([this] { m_form->ClientSixClass->trigger(); },
                                [](ClassManageForm*) {
                                    // Changed behind the editor's back.
                                    Conn.exec(
                                        QStringLiteral("update ClientSixClass set ClientSixTableName = 'A|B' "
                                                       "where ClientSixClassid = 2"));
                                });

    EXPECT_EQ(m_prompts.messageTexts(),
              QStringList{QStringLiteral("分类的数据不正确，可能会造成严重后果，请使用备份数据库！")});
    ASSERT_EQ(unloaded.count(), 1);
    EXPECT_FALSE(unloaded.at(0).at(0).toBool());
    EXPECT_FALSE(Conn.isOpen());
}

TEST_F(MainFormTest, SecondPressOfAListButtonBringsTheOpenWindowForward)
{
    logIn();
    open();
    click(m_form->VsNetBut2);
    ClientManageForm* clients = GlobalForm<ClientManageForm>::loaded();
    ASSERT_NE(clients, nullptr);
    click(m_form->VsNetBut3);
    EXPECT_EQ(area()->currentSubWindow(), subWindowOf(GlobalForm<CompanyManageForm>::loaded()));

    click(m_form->VsNetBut2);
    EXPECT_EQ(GlobalForm<ClientManageForm>::loaded(), clients);
    EXPECT_EQ(area()->subWindowList().size(), 2);
    EXPECT_EQ(area()->currentSubWindow(), subWindowOf(clients));

    // The menu item reaches the same window, also when it was minimized.
    subWindowOf(clients)->showMinimized();
    m_form->ClientManageClick->trigger();
    EXPECT_EQ(area()->subWindowList().size(), 2);
    EXPECT_FALSE(subWindowOf(clients)->isMinimized());
    EXPECT_EQ(area()->currentSubWindow(), subWindowOf(clients));
}

TEST_F(MainFormTest, ChildWindowThatClosesItselfTakesItsFrameAlong)
{
    logIn();
    open();
    click(m_form->VsNetBut5);
    QPointer<LogManageForm> log = GlobalForm<LogManageForm>::loaded();
    ASSERT_NE(log, nullptr);
    log->close();
    for (int pass = 0; pass < 2; ++pass) {
        QCoreApplication::sendPostedEvents();
        flush();
    }
    EXPECT_TRUE(log.isNull());
    EXPECT_TRUE(area()->subWindowList().isEmpty());

    // Opened again, it is a new window.
    click(m_form->VsNetBut5);
    EXPECT_NE(GlobalForm<LogManageForm>::loaded(), nullptr);
    EXPECT_EQ(area()->subWindowList().size(), 1);
}

TEST_F(MainFormTest, ListAndAnalysisWindowsOpenAsChildren)
{
    logIn();
    open();
    const auto opens = [this](const std::function<void()>& press, const QString& caption) {
        press();
        QMdiSubWindow* current = area()->currentSubWindow();
        ASSERT_NE(current, nullptr) << caption.toStdString();
        EXPECT_EQ(current->widget()->windowTitle(), caption);
        EXPECT_FALSE(current->widget()->isWindow());
    };
    opens([this] { click(m_form->VsNetBut6); }, QStringLiteral("事务管理"));
    opens([this] { click(m_form->VsNetBut7); }, QStringLiteral("商品管理"));
    opens([this] { click(m_form->VsNetBut8); }, QStringLiteral("订单管理"));
    opens([this] { click(m_form->VsNetBut12); }, QStringLiteral("月份分析"));
    opens([this] { click(m_form->VsNetBut10); }, QStringLiteral("月份分析"));
    opens([this] { click(m_form->VsNetBut11); }, QStringLiteral("趋势分析"));
    opens([this] { click(m_form->VsNetBut5); }, QStringLiteral("查看日志"));
    opens([this] { m_form->AffairRegularClick->trigger(); }, QStringLiteral("常规事务管理"));
    EXPECT_EQ(area()->subWindowList().size(), 8);
    EXPECT_NE(GlobalForm<AnalyseForm3>::loaded(), nullptr);
    EXPECT_NE(GlobalForm<AnalyseForm>::loaded(), nullptr);
    EXPECT_NE(GlobalForm<AffairRegularManageform>::loaded(), nullptr);
}

TEST_F(MainFormTest, DialogsOpenModalForANewRecord)
{
    logIn();
    open();
    // A key left in an instance is replaced by 0 (new record) before the dialog shows.
    GlobalForm<ProductAddForm>::get(m_form)->GetProductId = 42;
    whileModal<ProductAddForm>([this] { m_form->ProductSinClick->trigger(); },
                               [](ProductAddForm* form) { EXPECT_EQ(form->GetProductId, 0); });
    EXPECT_EQ(GlobalForm<ProductAddForm>::loaded(), nullptr);
    whileModal<ProductMulAddForm>([this] { m_form->ProductMulClick->trigger(); },
                                  [](ProductMulAddForm* form) {
                                      EXPECT_EQ(form->GetProductMulId, 0);
                                      EXPECT_EQ(form->windowTitle(), QStringLiteral("新增组合商品"));
                                  });
    whileModal<OrderAddform>([this] { m_form->OrderAddClick->trigger(); },
                             [](OrderAddform* form) { EXPECT_EQ(form->OrderID, 0); });
    whileModal<ClientAddForm>([this] { m_form->ClientAddClick->trigger(); },
                              [](ClientAddForm* form) {
                                  EXPECT_EQ(form->ClientId, 0);
                                  EXPECT_EQ(form->windowTitle(), QStringLiteral("新增客户"));
                              });
    whileModal<CompanyAddForm>([this] { m_form->CompanyAddClick->trigger(); },
                               [](CompanyAddForm* form) { EXPECT_EQ(form->CompanyId, 0); });
    whileModal<AffairAddForm>([this] { m_form->AffairTempClick->trigger(); },
                              [](AffairAddForm* form) {
                                  EXPECT_EQ(form->ClientId, 0);
                                  EXPECT_EQ(form->windowTitle(), QStringLiteral("新增临时事务"));
                              });
    whileModal<GroupManageForm>(
        [this] { m_form->GroupManageClick->trigger(); },
        [](GroupManageForm* form) { EXPECT_EQ(form->windowTitle(), QStringLiteral("群组及用户管理")); });
    whileModal<UserManage>(
        [this] { m_form->UserManageClick->trigger(); },
        [](UserManage* form) { EXPECT_EQ(form->windowTitle(), QStringLiteral("个人资料管理")); });
    EXPECT_TRUE(area()->subWindowList().isEmpty());
}

TEST_F(MainFormTest, FontMenuStoresTheUsersChoice)
{
    logIn();
    UserFontSize = 13; // not one of the three sizes
    open();
    EXPECT_TRUE(m_form->FontSet[2]->isChecked());

    m_form->FontSet[3]->trigger();
    EXPECT_EQ(UserFontSize, 14);
    EXPECT_EQ(FoxTextHeight, 360);
    EXPECT_EQ(scalar(QStringLiteral("select UserFontSize from userdata where userid = 1")).toInt(), 14);
    EXPECT_FALSE(m_form->FontSet[1]->isChecked());
    EXPECT_FALSE(m_form->FontSet[2]->isChecked());
    EXPECT_TRUE(m_form->FontSet[3]->isChecked());

    // Choosing the checked item again keeps it checked.
    m_form->FontSet[3]->trigger();
    EXPECT_TRUE(m_form->FontSet[3]->isChecked());

    m_form->FontSet[1]->trigger();
    EXPECT_EQ(UserFontSize, 9);
    EXPECT_EQ(FoxTextHeight, 330);
    EXPECT_EQ(scalar(QStringLiteral("select UserFontSize from userdata where userid = 1")).toInt(), 9);
    EXPECT_TRUE(m_form->FontSet[1]->isChecked());
    EXPECT_FALSE(m_form->FontSet[3]->isChecked());
}

TEST_F(MainFormTest, SkinMenuStoresTheUsersChoice)
{
    logIn();
    open();
    m_form->GetSkin[4]->trigger();

    EXPECT_EQ(SkinId, 5);
    EXPECT_EQ(CurSkin.Id, 5);
    EXPECT_EQ(scalar(QStringLiteral("select UserSkin from userdata where userid = 1")).toInt(), 5);
    for (int i = 0; i < 9; ++i)
        EXPECT_EQ(m_form->GetSkin[i]->isChecked(), i == 4) << i;
    EXPECT_EQ(m_form->VsNetBut2->BackColor(), Skins[5].BackColor);
    EXPECT_EQ(qApp->styleSheet(), ReadSkinFile(folder(), QStringLiteral("FuGuMuWen.she")));
}

TEST_F(MainFormTest, SkinFallbackAtLoadIsStoredForTheUser)
{
    change(QStringLiteral("update userdata set UserSkin = 12 where userid = 1"));
    logIn();
    open();

    EXPECT_EQ(SkinId, 1);
    EXPECT_EQ(scalar(QStringLiteral("select UserSkin from userdata where userid = 1")).toInt(), 1);
    EXPECT_TRUE(m_form->GetSkin[0]->isChecked());
}

TEST_F(MainFormTest, CompanyNameIsForTheAdministratorOnly)
{
    change(QStringLiteral("update userdata set username = 'Admin' where userid = 1"));
    addClerk(2, QStringLiteral("admin"));
    logIn(1);
    open();
    m_prompts.answerInput(QStringLiteral("星光公司"));
    m_form->UserManageMenu->trigger();
    EXPECT_EQ(OwnCompanyName, QStringLiteral("星光公司"));
    // The caption shows the new name from the next login on.
    EXPECT_EQ(m_form->windowTitle(), QStringLiteral("公司名称Tollivar--当前用户：Admin"));
    m_form->close();
    flush();

    logIn(2);
    open();
    m_prompts.answerMessage(MsgResult::Ok);
    m_form->UserManageMenu->trigger();
    EXPECT_EQ(m_prompts.messageTexts(), QStringList{QStringLiteral("此操作只能由admin账号进行。")});
    EXPECT_EQ(scalar(QStringLiteral("select SetupData from setup where setupname = '公司名称'")).toString(),
              QStringLiteral("星光公司"));
}

TEST_F(MainFormTest, ChangeOfUserUnloadsTheWindowAndShowsTheLogin)
{
    ShowLoginForm();
    auto* login = qobject_cast<LoginForm*>(QApplication::activeWindow());
    if (!login) {
        for (QWidget* window : QApplication::topLevelWidgets())
            login = login ? login : qobject_cast<LoginForm*>(window);
    }
    ASSERT_NE(login, nullptr);
    QTest::mouseClick(login->VsNetBut1, Qt::LeftButton);
    flush();
    m_form = MainForm::instance();
    ASSERT_NE(m_form, nullptr);
    EXPECT_TRUE(m_form->isVisible());
    click(m_form->VsNetBut2);
    QPointer<ClientManageForm> clients = GlobalForm<ClientManageForm>::loaded();

    m_form->ChangeUserClick->trigger();
    flush();
    EXPECT_TRUE(m_form.isNull());
    EXPECT_TRUE(clients.isNull());
    EXPECT_FALSE(Conn.isOpen());
    LoginForm* again = nullptr;
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (auto* form = qobject_cast<LoginForm*>(window); form && form->isVisible())
            again = form;
    }
    ASSERT_NE(again, nullptr);

    // The next login opens a fresh main window.
    QTest::mouseClick(again->VsNetBut1, Qt::LeftButton);
    flush();
    m_form = MainForm::instance();
    ASSERT_NE(m_form, nullptr);
    EXPECT_TRUE(Conn.isOpen());
    EXPECT_TRUE(area()->subWindowList().isEmpty());
}

TEST_F(MainFormTest, ExitClosesTheChildrenAndTheConnection)
{
    logIn();
    open();
    click(m_form->VsNetBut6);
    QPointer<AffairManageForm> affairs = GlobalForm<AffairManageForm>::loaded();
    QSignalSpy unloaded(m_form.data(), &MainForm::unloaded);

    click(m_form->VsNetBut4);
    ASSERT_EQ(unloaded.count(), 1);
    EXPECT_FALSE(unloaded.at(0).at(0).toBool());
    EXPECT_FALSE(Conn.isOpen());
    flush();
    EXPECT_TRUE(affairs.isNull());
    EXPECT_TRUE(m_form.isNull());
}

TEST_F(MainFormTest, MissingProgramSaysSoAndKeepsItsButton)
{
    logIn();
    open();
    // The scripted prompts start no program: process id 0.
    m_prompts.answerMessage(MsgResult::Ok);
    m_prompts.answerMessage(MsgResult::Ok);
    click(m_form->VsNetBut9[1]);
    click(m_form->VsNetBut9[0]);

    EXPECT_EQ(m_prompts.messageTexts(), (QStringList{QStringLiteral("系统未发现文件，无法打开计算器"),
                                                     QStringLiteral("系统未发现文件，无法打开记事本")}));
    EXPECT_TRUE(m_form->VsNetBut9[0]->Enabled());
    EXPECT_TRUE(m_form->VsNetBut9[1]->Enabled());
    EXPECT_EQ(m_form->NotepadWindow(), 0u);
    EXPECT_EQ(m_form->CalcWindow(), 0u);
    EXPECT_FALSE(m_form->Timer1().isActive());
}

TEST_F(MainFormTest, BackupIsForTheAdministratorAndReopensTheConnection)
{
    addClerk();
    logIn(2);
    open();
    m_prompts.answerMessage(MsgResult::Ok);
    m_form->BaseDataBackupManage->trigger();
    EXPECT_EQ(m_prompts.messageTexts(), QStringList{QStringLiteral("此操作只能由admin账号进行。")});
    m_form->close();
    flush();
    m_prompts.clear();

    logIn(1);
    open();
    m_prompts.answerMessage(MsgResult::Ok); // the confirmation
    m_prompts.answerMessage(MsgResult::Ok); // the report
    m_form->BaseDataBackupManage->trigger();
    ASSERT_EQ(m_prompts.messageTexts().size(), 2);
    EXPECT_EQ(m_prompts.records().at(0).title, QStringLiteral("重要提醒"));
    EXPECT_TRUE(QFileInfo::exists(QDir(folder()).filePath(
        QStringLiteral("Bak/") + QDate::currentDate().toString(QStringLiteral("yyyyMMdd")) +
        QStringLiteral(".bak"))));
    EXPECT_TRUE(Conn.isOpen());
    EXPECT_TRUE(m_form->isEnabled());
}
