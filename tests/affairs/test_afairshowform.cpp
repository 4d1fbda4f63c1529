#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QTest>

#include "affairs/afairshowform.h"
#include "controls/foxtext.h"
#include "tests/affairs/affairtestdata.h"

namespace {

class AFairShowFormTest : public AffairTest
{
protected:
    void TearDown() override
    {
        delete m_form.data();
        AffairTest::TearDown();
    }
    AFairShowForm* open(qint32 id)
    {
        delete m_form.data();
        m_form = new AFairShowForm;
        m_form->AffairID = id;
        m_form->show();
        return m_form;
    }
    static void addContact(qint32 id, int kind, const QString& text, qint32 owner, bool company)
    {
        Conn.exec(QStringLiteral(
                      "insert into Contract (ContractID, GetContractClassID, ContractData, GetID, iscompany) "
                      "values (?, ?, ?, ?, ?)"),
                  {id, kind, text, owner, company});
    }
    QVariantList progress(qint32 id)
    {
        Recordset rs;
        rs.Open(QStringLiteral("select isover, isclose from affair where affairid = ?"), Conn, {id});
        return {rs.Int(QStringLiteral("isover")), rs.Int(QStringLiteral("isclose"))};
    }

    QPointer<AFairShowForm> m_form;
};

} // namespace

TEST_F(AFairShowFormTest, ShowsTheAffairAndItsClientsContactEntries)
{
    Conn.exec(QStringLiteral("insert into company (companyid, companyname) values (9, '远航公司')"));
    addClient(5, QStringLiteral("张三"), QVariant(), 1, 9);
    addContact(1, 1, QStringLiteral("13800000000"), 5, false);
    addContact(2, 5, QStringLiteral("info@yuanhang.cn"), 9, true);
    addContact(3, 2, QStringLiteral("0592-1234567"), 9, true);
    addContact(4, 6, QStringLiteral("www.other.cn"), 5, true); // company 5's, not the client's
    addAffair(1, QStringLiteral("回访"), today, 0, 0, 1, 5);
    Conn.exec(QStringLiteral("update affair set RegularRemark = '带上报价单' where affairid = 1"));

    open(1);
    EXPECT_EQ(m_form->windowTitle(), QStringLiteral("事务查看"));
    EXPECT_EQ(m_form->Label1->text(),
              QStringLiteral("事务名称：回访\r\n\r\n事务方式：电话\r\n\r\n事务类型：客户关怀\r\n\r\n"
                             "完成日期：2011-09-20(今日)\r\n\r\n联系对象：张三\r\n\r\n"
                             "事务备注：\r\n带上报价单"));
    ASSERT_EQ(m_form->List1->count(), 3);
    EXPECT_EQ(m_form->List1->item(0)->text(), QStringLiteral("手机： 13800000000"));
    EXPECT_EQ(m_form->List1->item(1)->text(), QStringLiteral("电话(公司)： 0592-1234567"));
    EXPECT_EQ(m_form->List1->item(2)->text(), QStringLiteral("邮箱(公司)： info@yuanhang.cn"));
    // The first entry is shown; a kind without an action widens the box to the copy button.
    EXPECT_EQ(m_form->Text1->Text(), QStringLiteral("13800000000"));
    EXPECT_FALSE(m_form->Command2->isVisible());
    const int wideRight = m_form->Text1->geometry().right();
    m_form->List1->setCurrentRow(2);
    EXPECT_EQ(m_form->Text1->Text(), QStringLiteral("info@yuanhang.cn"));
    EXPECT_TRUE(m_form->Command2->isVisible());
    EXPECT_EQ(m_form->Command2->text(), QStringLiteral("发送邮件"));
    EXPECT_LT(m_form->Text1->geometry().right(), wideRight);
    EXPECT_LT(m_form->Text1->geometry().right(), m_form->Command2->x());

    QTest::mouseClick(m_form->Command1, Qt::LeftButton);
    EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral("info@yuanhang.cn"));

    // A web address opens through the shell.
    addContact(5, 6, QStringLiteral("www.yuanhang.cn"), 9, true);
    open(1);
    m_form->List1->setCurrentRow(3);
    EXPECT_EQ(m_form->Command2->text(), QStringLiteral("打开网页"));
    QTest::mouseClick(m_form->Command2, Qt::LeftButton);
    EXPECT_EQ(m_prompts.last().kind, ScriptedPrompts::Kind::Link);
    EXPECT_EQ(m_prompts.last().text, QStringLiteral("http://www.yuanhang.cn"));
}

TEST_F(AFairShowFormTest, DaysAheadAndAMissingClient)
{
    addAffair(1, QStringLiteral("三天后"), today.addDays(3), 0, 0, 1, 77);
    addAffair(2, QStringLiteral("昨天"), today.addDays(-1));
    open(1);
    EXPECT_TRUE(
        m_form->Label1->text().contains(QStringLiteral("完成日期：2011-09-23(还 3 天)\r\n\r\n事务备注：")));
    EXPECT_FALSE(m_form->Label1->text().contains(QStringLiteral("联系对象")));
    EXPECT_EQ(m_form->List1->count(), 0);
    EXPECT_FALSE(m_form->List1->isVisible());
    open(2);
    EXPECT_TRUE(m_form->Label1->text().contains(QStringLiteral("完成日期：2011-09-19\r\n")));
}

TEST_F(AFairShowFormTest, DoneAlsoClosesAndEveryClickIsSaved)
{
    addAffair(1, QStringLiteral("回访"), today);
    // Loading shows done as closed too, but writes nothing.
    Conn.exec(QStringLiteral("update affair set isover = -1 where affairid = 1"));
    open(1);
    EXPECT_TRUE(m_form->Check1->isChecked());
    EXPECT_TRUE(m_form->Check2->isChecked());
    EXPECT_FALSE(m_form->Check2->isEnabled());
    EXPECT_EQ(progress(1), (QVariantList{-1, 0}));

    QTest::mouseClick(m_form->Check1, Qt::LeftButton);
    EXPECT_EQ(progress(1), (QVariantList{0, -1}));
    EXPECT_TRUE(m_form->Check2->isEnabled());
    QTest::mouseClick(m_form->Check2, Qt::LeftButton);
    EXPECT_EQ(progress(1), (QVariantList{0, 0}));
    QTest::mouseClick(m_form->Check1, Qt::LeftButton);
    EXPECT_EQ(progress(1), (QVariantList{-1, -1}));
    EXPECT_TRUE(m_form->Check2->isChecked());
    EXPECT_FALSE(m_form->Check2->isEnabled());
}
