#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include "clients/affairwindows.h"
#include "clients/clientaddform.h"
#include "clients/clientmanageform.h"
#include "clients/clienttotext.h"
#include "clients/companyaddform.h"
#include "clients/companymanageform.h"
#include "controls/foxtext.h"
#include "controls/vsnetbut.h"
#include "core/dblayer.h"
#include "core/pinyin.h"
#include "platform/grid.h"
#include "tests/clients/clientlistdata.h"
#include "tests/support/fixtures.h"

namespace {

// Records what the client list asks of the affair windows.
class RecordingAffairWindows : public AffairWindows
{
public:
    QStringList calls;
    void showClientAffairs(qint32 id) override { calls << QStringLiteral("list %1").arg(id); }
    void addOneOffAffair(qint32 id, const QString& name) override
    {
        calls << QStringLiteral("once %1 %2").arg(id).arg(name);
    }
    void addRecurringAffair(qint32 id, const QString& name) override
    {
        calls << QStringLiteral("regular %1 %2").arg(id).arg(name);
    }
};

// Runs check on the modal dialog that the next action opens, then closes it.
template <typename Dialog, typename Check> void whenDialogOpens(Check check)
{
    QTimer::singleShot(0, [check] {
        auto* dialog = qobject_cast<Dialog*>(QApplication::activeModalWidget());
        check(dialog);
        if (dialog)
            dialog->close();
    });
}

class ClientListTest : public DbTest
{
protected:
    void SetUp() override
    {
        DbTest::SetUp();
        LoadShippedClassifications();
        setAffairWindows(&m_affairs);
        LogInAsAdmin();
        AddUser(2, QStringLiteral("王经理"));
        AddClient(101, QStringLiteral("张三"), QStringLiteral("zs"), 1, 1, 2);
        AddClient(102, QStringLiteral("张四"), QStringLiteral("zs"), 1, 2);
        AddClient(103, QStringLiteral("O'Brien"), QStringLiteral("o'brien"), 1);
        AddClient(104, QStringLiteral("李五"), QStringLiteral("lw"), 2, 1);
        AddClient(105, QStringLiteral("赵六"), QStringLiteral("zl"), 2, 2);
        // 张三: kind 2 before two kind-1 entries; 张四: only kind 2 entries.
        AddContact(1, 101, 2, QStringLiteral("0592-1"));
        AddContact(2, 101, 1, QStringLiteral("139-old"));
        AddContact(3, 101, 1, QStringLiteral("139-new"));
        AddContact(4, 101, 5, QStringLiteral("zs@x.cn"));
        AddContact(5, 101, 4, QStringLiteral("1111"));
        AddContact(6, 102, 2, QStringLiteral("0592-a"));
        AddContact(7, 102, 2, QStringLiteral("0592-b"));
        AddContact(8, 102, 1, QStringLiteral("公司手机"), true);
    }

    void TearDown() override
    {
        delete m_form.data();
        setAffairWindows(nullptr);
        DbTest::TearDown();
    }

    ClientManageForm* open()
    {
        m_form = new ClientManageForm;
        m_form->resize(800, 600);
        m_form->show();
        return m_form;
    }

    QStringList column(int col) const
    {
        QStringList texts;
        for (int r = 1; r < m_form->Grid1->Rows(); ++r)
            texts << m_form->Grid1->Cell(r, col).Text();
        return texts;
    }

    void type(const QString& text) { m_form->FoxText1->setText(text); }

    RecordingAffairWindows m_affairs;
    QPointer<ClientManageForm> m_form;
};

} // namespace

TEST_F(ClientListTest, OwnClientsSearchedByInitialsNameAndClassification)
{
    open();
    EXPECT_FALSE(m_form->SelUserCombo->isVisibleTo(m_form));
    EXPECT_EQ(m_form->Grid1->Column(8).Width(), 0);
    EXPECT_EQ(m_form->ClassCombo.size(), 6u);
    EXPECT_EQ(m_form->ClassCombo[0]->itemText(0), QStringLiteral("客户类型 未选择"));
    EXPECT_EQ(m_form->ClassCombo[0]->itemText(2), QStringLiteral("企业客户"));
    // Own clients only, by pinyin then id; the newest mobile entry, else the newest telephone.
    EXPECT_EQ(column(1), (QStringList{"103", "101", "102"}));
    EXPECT_EQ(column(3), (QStringList{"男", "男", "男"}));
    EXPECT_EQ(column(4).at(1), QStringLiteral("1980-05-17"));
    EXPECT_EQ(column(5), (QStringList{"", "139-new", "0592-b"}));
    EXPECT_EQ(column(6), (QStringList{"", "zs@x.cn", ""}));
    EXPECT_EQ(column(7), (QStringList{"", "1111", ""}));

    type(QStringLiteral("ZS"));
    EXPECT_EQ(column(1), (QStringList{"101", "102"}));
    type(QStringLiteral("张四"));
    EXPECT_EQ(column(1), (QStringList{"102"}));
    // An apostrophe is searched for as it stands; a crafted text is only text.
    type(QStringLiteral("'"));
    EXPECT_EQ(column(1), (QStringList{"103"}));
    type(QStringLiteral("' or 1=1 or '"));
    EXPECT_EQ(m_form->Grid1->Rows(), 1);
    // A text that begins with a single-byte character of the code page ("€" is one, 128) looks
    // among the initials, as the picker does, even though the character is not ASCII.
    const QString setInitials = QStringLiteral("update client set ClientPinyin = ? where clientid = 102");
    Conn.exec(setInitials, {QStringLiteral("€zs")});
    type(QStringLiteral("€z"));
    EXPECT_EQ(column(1), (QStringList{"102"}));
    Conn.exec(setInitials, {QStringLiteral("zs")});
    // The box is trimmed and searched again.
    type(QStringLiteral("  zs "));
    EXPECT_EQ(m_form->FoxText1->Text(), QStringLiteral("zs"));
    EXPECT_EQ(column(1), (QStringList{"101", "102"}));

    // Classifications and text combine.
    m_form->ClassCombo[0]->setCurrentIndex(2);
    EXPECT_EQ(column(1), (QStringList{"102"}));
    m_form->ClassCombo[0]->setCurrentIndex(1);
    m_form->ClassCombo[1]->setCurrentIndex(2);
    EXPECT_EQ(column(1), (QStringList{"101"}));

    // "全部" clears every filter and searches once.
    QSignalSpy resets(m_form->Grid1->model(), &QAbstractItemModel::modelReset);
    QTest::mouseClick(m_form->Command4, Qt::LeftButton);
    EXPECT_EQ(m_form->FoxText1->Text(), QString());
    EXPECT_EQ(m_form->ClassCombo[0]->currentIndex(), 0);
    EXPECT_EQ(m_form->ClassCombo[1]->currentIndex(), 0);
    EXPECT_EQ(column(1), (QStringList{"103", "101", "102"}));
    EXPECT_EQ(resets.count(), 1);

    // A first character the code page lacks (an emoji, 𠮷) is no single-byte character: the
    // names are searched, and the client is found by typing it.
    for (const auto& [id, name] : {std::pair{106, QStringLiteral("😀小明")}, {107, QStringLiteral("𠮷田")}})
        AddClient(id, name, GetPinyinInitials(name), 1);
    type(QStringLiteral("😀"));
    EXPECT_EQ(column(1), (QStringList{"106"}));
    type(QStringLiteral("𠮷田"));
    EXPECT_EQ(column(1), (QStringList{"107"}));
}

TEST_F(ClientListTest, FewerClassificationsGiveFewerFilterBoxesThreeToARow)
{
    SixClassTables = {QStringLiteral("ClientSource"), QStringLiteral("ClientType"),
                      QStringLiteral("ClientLevel"), QStringLiteral("ClientTrade")};
    SixClassNames = {QStringLiteral("客户来源"), QStringLiteral("客户类型"), QStringLiteral("客户等级"),
                     QStringLiteral("所属行业")};
    open();
    ASSERT_EQ(m_form->ClassCombo.size(), 4u);
    EXPECT_EQ(m_form->ClassLabel[1]->text(), QStringLiteral("客户类型："));
    EXPECT_EQ(m_form->ClassCombo[3]->itemText(0), QStringLiteral("所属行业 未选择"));
    for (int i = 0; i < 4; ++i)
        EXPECT_TRUE(m_form->ClassCombo[size_t(i)]->isVisibleTo(m_form)) << i;
    // The fourth box opens the second row under the first.
    EXPECT_EQ(m_form->ClassCombo[2]->y(), m_form->ClassCombo[0]->y());
    EXPECT_GT(m_form->ClassCombo[2]->x(), m_form->ClassCombo[1]->x());
    EXPECT_EQ(m_form->ClassCombo[3]->x(), m_form->ClassCombo[0]->x());
    EXPECT_GE(m_form->ClassCombo[3]->y(), m_form->ClassCombo[0]->geometry().bottom());
    EXPECT_GE(m_form->SelUserCombo->y(), m_form->ClassCombo[3]->geometry().bottom());
    EXPECT_EQ(column(1), (QStringList{"103", "101", "102"}));
    // Each box filters by its own classification.
    m_form->ClassCombo[1]->setCurrentIndex(2);
    EXPECT_EQ(column(1), (QStringList{"102"}));
    m_form->ClassCombo[1]->setCurrentIndex(0);
    m_form->ClassCombo[0]->setCurrentIndex(2);
    EXPECT_EQ(column(1), (QStringList{"101"}));
    QTest::mouseClick(m_form->Command4, Qt::LeftButton);
    EXPECT_EQ(m_form->ClassCombo[0]->currentIndex(), 0);
    EXPECT_EQ(column(1), (QStringList{"103", "101", "102"}));

    // One classification: one box.
    delete m_form.data();
    SixClassTables = {QStringLiteral("ClientType")};
    SixClassNames = {QStringLiteral("客户类型")};
    open();
    ASSERT_EQ(m_form->ClassCombo.size(), 1u);
    m_form->ClassCombo[0]->setCurrentIndex(2);
    EXPECT_EQ(column(1), (QStringList{"102"}));
}

TEST_F(ClientListTest, EveryUsersClientsWithOwnerColumnAndFilter)
{
    CanSeeAllUser = true;
    open();
    EXPECT_TRUE(m_form->SelUserCombo->isVisibleTo(m_form));
    EXPECT_EQ(m_form->SelUserCombo->itemText(0), QStringLiteral("所有用户"));
    EXPECT_EQ(m_form->Grid1->Column(8).Width(), 80);
    EXPECT_EQ(column(1), (QStringList{"104", "103", "105", "101", "102"}));
    EXPECT_EQ(column(8), (QStringList{"王经理", "", "王经理", "", ""}));

    m_form->SelUserCombo->setCurrentIndex(2); // 王经理
    EXPECT_EQ(column(1), (QStringList{"104", "105"}));
    m_form->ClassCombo[0]->setCurrentIndex(1);
    EXPECT_EQ(column(1), (QStringList{"104"}));
    type(QStringLiteral("zl"));
    EXPECT_EQ(m_form->Grid1->Rows(), 1);
    QTest::mouseClick(m_form->Command4, Qt::LeftButton);
    EXPECT_EQ(m_form->SelUserCombo->currentIndex(), 0);
    EXPECT_EQ(m_form->Grid1->Rows(), 6);

    // Another user's client opens for viewing only.
    m_form->Grid1->setActiveCell(1);
    qint32 openedId = -1;
    whenDialogOpens<ClientAddForm>([&](ClientAddForm* dialog) {
        ASSERT_NE(dialog, nullptr);
        openedId = dialog->ClientId;
        // The dialog's save button (where the dialog has it) is off.
        if (dialog->VsNetBut2)
            EXPECT_FALSE(dialog->VsNetBut2->Enabled());
    });
    m_prompts.answerMessage(MsgResult::Ok);
    m_form->VsNetBut3->Click();
    EXPECT_EQ(m_prompts.last().text, QStringLiteral("这不是您创建的客户，你只能查看，无法修改。"));
    EXPECT_EQ(openedId, 104);
}

// A sort by a caption keeps the records with their rows: the action reads the client of the row
// the user then selects, and the first double click after the sort opens nothing.
TEST_F(ClientListTest, ActionsOnTheSelectedRowAfterASort)
{
    open();
    Grid* grid = m_form->Grid1;
    m_prompts.answerMessage(MsgResult::Ok);
    m_form->VsNetBut3->Click();
    EXPECT_EQ(m_prompts.last().text, QStringLiteral("请先选择一个客户。"));
    EXPECT_EQ(m_prompts.last().title, QStringLiteral("选择客户"));

    QHeaderView* header = grid->horizontalHeader();
    QTest::mouseClick(header->viewport(), Qt::LeftButton, {},
                      QPoint(header->sectionViewportPosition(1) + 5, header->height() / 2)); // 姓 名
    EXPECT_EQ(column(2), (QStringList{"O'Brien", "张三", "张四"}));
    const QPoint second = grid->visualRect(grid->model()->index(1, 1)).center();
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, second);
    ASSERT_EQ(grid->ActiveCell().Row(), 2);
    QTest::mouseDClick(grid->viewport(), Qt::LeftButton, {}, second);
    EXPECT_EQ(m_prompts.records().size(), 1); // the first double click after the sort
    m_prompts.answerMessage(MsgResult::Ok);
    QTest::mouseDClick(grid->viewport(), Qt::LeftButton, {}, second);
    EXPECT_EQ(m_prompts.last().text, ClientToText(101));

    m_form->VsNetBut6->Click();
    m_form->VsNetBut7->Click();
    m_form->VsNetBut8->Click();
    EXPECT_EQ(m_affairs.calls, (QStringList{QStringLiteral("regular 101 张三"),
                                            QStringLiteral("once 101 张三"), QStringLiteral("list 101")}));

    // Own client: the dialog opens for editing without a message.
    qint32 openedId = -1;
    whenDialogOpens<ClientAddForm>([&](ClientAddForm* dialog) {
        ASSERT_NE(dialog, nullptr);
        openedId = dialog->ClientId;
        if (dialog->VsNetBut2)
            EXPECT_TRUE(dialog->VsNetBut2->Enabled());
    });
    m_form->VsNetBut3->Click();
    EXPECT_EQ(openedId, 101);

    m_prompts.answerMessage(MsgResult::Ok);
    m_form->VsNetBut5->Click();
    EXPECT_EQ(QApplication::clipboard()->text(), ClientToText(0));
    EXPECT_EQ(m_prompts.last().title, QStringLiteral("导出资料"));

    m_form->VsNetBut10->Click();
    EXPECT_EQ(m_prompts.last().kind, ScriptedPrompts::Kind::Preview);
    EXPECT_EQ(m_prompts.last().text, QStringLiteral("客户清单"));
    EXPECT_FALSE(grid->gridModel()->hasBorders());
}

// The list filters by the tables it built its boxes from, whatever happens to the session's
// classifications while it is open.
TEST_F(ClientListTest, OpenListKeepsItsClassificationTables)
{
    open();
    SixClassTables.swapItemsAt(0, 1);
    m_form->ClassCombo[0]->setCurrentIndex(2); // 企业客户 of ClientType
    EXPECT_EQ(column(1), (QStringList{"102"}));
    EXPECT_EQ(m_form->classTables().first(), QStringLiteral("ClientType"));
}

TEST_F(ClientListTest, CompanyListWithOwnerFilterAndSearch)
{
    Conn.exec(QStringLiteral(
        "insert into company (companyid, companyname, companyPinyin, CompanyShortName, createuser) "
        "values (201, '厦门甲公司', 'xmjgs', '甲', 1), (202, '乙''s公司', 'y''sgs', NULL, 1), "
        "(203, '丙公司', 'bgs', '丙', 2)"));
    CanSeeAllUser = true;
    QPointer<CompanyManageForm> form = new CompanyManageForm;
    const auto rows = [&] {
        QStringList texts;
        for (int r = 1; r < form->Grid1->Rows(); ++r)
            texts << form->Grid1->Cell(r, 1).Text() + QLatin1Char('|') + form->Grid1->Cell(r, 3).Text() +
                         QLatin1Char('|') + form->Grid1->Cell(r, 4).Text();
        return texts;
    };
    EXPECT_EQ(rows(), (QStringList{"203|丙|王经理", "201|甲|", "202||"}));
    form->SelUserCombo->setCurrentIndex(1); // admin
    EXPECT_EQ(rows(), (QStringList{"201|甲|", "202||"}));
    form->FoxText1->setText(QStringLiteral("'"));
    EXPECT_EQ(rows(), (QStringList{"202||"}));
    form->FoxText1->setText(QStringLiteral("甲"));
    EXPECT_EQ(rows(), (QStringList{"201|甲|"}));
    // "全部" clears the text and keeps the owner.
    QTest::mouseClick(form->Command4, Qt::LeftButton);
    EXPECT_EQ(form->FoxText1->Text(), QString());
    EXPECT_EQ(form->SelUserCombo->currentIndex(), 1);
    EXPECT_EQ(rows().size(), 2);

    form->Grid1->setActiveCell(0);
    m_prompts.answerMessage(MsgResult::Ok);
    form->VsNetBut3->Click();
    EXPECT_EQ(m_prompts.last().text, QStringLiteral("请先选择一个客户。"));
    form->SelUserCombo->setCurrentIndex(0);
    form->Grid1->setActiveCell(1); // 203, another user's
    qint32 openedId = -1;
    whenDialogOpens<CompanyAddForm>([&](CompanyAddForm* dialog) {
        ASSERT_NE(dialog, nullptr);
        openedId = dialog->CompanyId;
        if (dialog->VsNetBut2)
            EXPECT_FALSE(dialog->VsNetBut2->Enabled());
    });
    m_prompts.answerMessage(MsgResult::Ok);
    form->VsNetBut3->Click();
    EXPECT_EQ(m_prompts.last().text, QStringLiteral("这不是您创建的公司，你只能查看，无法修改。"));
    EXPECT_EQ(openedId, 203);
    delete form.data();

    // Without the right: own companies only, no owner filter or column.
    CanSeeAllUser = false;
    form = new CompanyManageForm;
    EXPECT_EQ(rows(), (QStringList{"201|甲|", "202||"}));
    EXPECT_FALSE(form->SelUserCombo->isVisibleTo(form));
    EXPECT_EQ(form->Grid1->Column(4).Width(), 0);
    delete form.data();
}
