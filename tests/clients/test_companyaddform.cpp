#include <gtest/gtest.h>

#include <QComboBox>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QTest>

#include "clients/companyaddform.h"
#include "clients/contractpanel.h"
#include "controls/cityselect.h"
#include "controls/foxtext.h"
#include "controls/foxtextmu.h"
#include "controls/vsnetbut.h"
#include "core/dblayer.h"
#include "core/session.h"
#include "tests/clients/recordformtest.h"

namespace {

constexpr qint32 Phone = 2;
constexpr qint32 Mail = 5;
constexpr qint32 Web = 6;

class CompanyAddFormTest : public RecordFormTest<CompanyAddForm>
{
protected:
    CompanyAddForm* open(qint32 companyId = 0)
    {
        return openWith(companyId, [](CompanyAddForm* form, qint32 id) { form->CompanyId = id; });
    }
    QVariant column(qint32 id, const QString& name)
    {
        return Conn.scalar(QStringLiteral("select %1 from company where companyid = ?").arg(name), {id});
    }
    QString entries(qint32 id)
    {
        return Conn
            .scalar(QStringLiteral(
                        "select group_concat(r, '|') from (select GetContractClassID || ' ' || ContractData "
                        "as r from Contract where GetID = ? and iscompany <> 0 order by ContractID)"),
                    {id})
            .toString();
    }
};

} // namespace

TEST_F(CompanyAddFormTest, ChecksNumberEveryFailedLineAndSaveNothing)
{
    open();
    addEntry(Mail, QStringLiteral("bad@mail"));
    addEntry(Phone, QStringLiteral("0592-1234567"));
    addEntry(Mail, QStringLiteral("wrong@"));
    addEntry(Phone, QStringLiteral("1"));
    m_form->Picture1->ContractText[2]->setText(QString());
    m_form->Picture1->ContractText[4]->setText(QStringLiteral("   "));
    m_prompts.answerMessage(MsgResult::Ok);
    click(m_form->VsNetBut2);
    EXPECT_EQ(m_prompts.last().text,
              QStringLiteral("部分数据发生错误：\r\n\r\n1、公司全称不能为空！\r\n"
                             "2、部分联系方式为空！\r\n3、[bad@mail]为非有效电子邮箱！\r\n"
                             "4、[wrong@]为非有效电子邮箱！\r\n\r\n请修改后再进行保存。"));
    EXPECT_TRUE(m_form->isVisible());
    EXPECT_EQ(Conn.scalar(QStringLiteral("select count(*) from company")).toInt(), 0);
    EXPECT_EQ(Conn.scalar(QStringLiteral("select count(*) from logdata")).toInt(), 0);
}

TEST_F(CompanyAddFormTest, ACompanyIsSavedWithItsEntriesAndEditedInPlace)
{
    open();
    EXPECT_EQ(m_form->windowTitle(), QStringLiteral("新增公司"));
    EXPECT_EQ(m_form->CitySelect1->Code(), 350203);
    m_form->Text1->setText(QStringLiteral(" 德泽科技有限公司 "));
    m_form->Text2->edit()->setFocus();
    QTest::keyClicks(m_form->Text2->edit(), QStringLiteral("DZKJ-0123456789ABCD"));
    EXPECT_EQ(m_form->Text2->Text(), QStringLiteral("DZKJ-0123456789ABC"));
    m_form->Text3->setText(QStringLiteral("工商银行"));
    m_form->Text4->setText(QStringLiteral("6222 0000 1111"));
    m_form->Text5->setText(QStringLiteral("湖滨南路1号"));
    m_form->Text6->setText(QStringLiteral("软件\n开发"));
    m_form->Text7->setText(QStringLiteral("老客户"));
    addEntry(Web, QStringLiteral("www.dezarod.cn"));
    addEntry(Phone, QStringLiteral("0592-1234567"));
    addEntry(Phone, QStringLiteral("0592-7654321"));
    m_prompts.answerMessage(MsgResult::Ok);
    click(m_form->VsNetBut2);
    EXPECT_EQ(m_prompts.last().text, QStringLiteral("成功保存公司[德泽科技有限公司]。"));
    EXPECT_EQ(m_prompts.last().title, QStringLiteral("保存公司"));
    EXPECT_FALSE(m_form && m_form->isVisible());

    const qint32 id = Conn.scalar(QStringLiteral("select companyid from company")).toInt();
    EXPECT_EQ(column(id, QStringLiteral("companyname")).toString(), QStringLiteral("德泽科技有限公司"));
    EXPECT_EQ(column(id, QStringLiteral("CompanyShortName")).toString(),
              QStringLiteral("DZKJ-0123456789ABC"));
    EXPECT_EQ(column(id, QStringLiteral("BankCode")).toString(), QStringLiteral("6222 0000 1111"));
    EXPECT_EQ(column(id, QStringLiteral("Introduce")).toString(), QStringLiteral("软件\n开发"));
    EXPECT_EQ(column(id, QStringLiteral("addresscode")).toInt(), 350203);
    EXPECT_EQ(column(id, QStringLiteral("createuser")).toInt(), 1);
    EXPECT_FALSE(column(id, QStringLiteral("companyPinyin")).toString().isEmpty());
    // Web addresses are stored as typed in the company dialog.
    EXPECT_EQ(entries(id).split('|').size(), 3);
    EXPECT_TRUE(entries(id).contains(QStringLiteral("6 www.dezarod.cn")));
    EXPECT_EQ(Conn.scalar(QStringLiteral(
                              "select GetLogOperate || ' ' || GetLogClass || ' ' || GetEditID from logdata"))
                  .toString(),
              QStringLiteral("1 2 %1").arg(id));

    // Edits that a reset throws away.
    open(id);
    EXPECT_EQ(m_form->windowTitle(), QStringLiteral("修改公司--[德泽科技有限公司]"));
    ASSERT_EQ(m_form->Picture1->ContractCount, 3);
    m_form->Text1->setText(QStringLiteral("改掉的名字"));
    addEntry(Mail, QStringLiteral("x@dezarod.cn"));
    click(m_form->VsNetBut4);
    EXPECT_EQ(m_form->Text1->Text(), QStringLiteral("德泽科技有限公司"));
    EXPECT_EQ(m_form->Picture1->ContractCount, 3);

    // Remove a stored entry, add one and drop it again, add one to keep: saved in place.
    const QString removed = m_form->Picture1->ContractText[2]->Text();
    click(m_form->Picture1->ContractDel[2]);
    addEntry(Mail, QStringLiteral("drop@dezarod.cn"));
    click(m_form->Picture1->ContractDel[4]);
    addEntry(Mail, QStringLiteral("keep@dezarod.cn"));
    m_form->Text7->setText(QStringLiteral("大客户"));
    m_prompts.answerMessage(MsgResult::Ok);
    click(m_form->VsNetBut2);
    EXPECT_EQ(Conn.scalar(QStringLiteral("select count(*) from company")).toInt(), 1);
    EXPECT_EQ(column(id, QStringLiteral("remark")).toString(), QStringLiteral("大客户"));
    const QString stored = entries(id);
    EXPECT_FALSE(stored.contains(removed));
    EXPECT_FALSE(stored.contains(QStringLiteral("drop@")));
    EXPECT_TRUE(stored.contains(QStringLiteral("5 keep@dezarod.cn")));
    EXPECT_EQ(stored.split('|').size(), 3);
    EXPECT_EQ(
        Conn.scalar(QStringLiteral("select count(*) from logdata where GetLogOperate = 2 and GetEditID = ?"),
                    {id})
            .toInt(),
        1);
}

TEST_F(CompanyAddFormTest, ANameOnlyCompanyOpensWithTheDefaultRegionAndCanBeViewedOnly)
{
    Conn.exec(QStringLiteral("insert into company (companyid, createuser, createDate, companyname) "
                             "values (88, 2, '2024-01-02', '新公司')"));
    open(88);
    EXPECT_EQ(m_form->windowTitle(), QStringLiteral("修改公司--[新公司]"));
    EXPECT_EQ(m_form->CitySelect1->Code(), 350203);
    EXPECT_EQ(m_form->Text2->Text(), QString());
    EXPECT_EQ(m_form->Text6->Text(), QString());

    m_form->Text5->setText(QStringLiteral("1号"));
    click(m_form->Command3);
    click(m_form->Command3);
    EXPECT_EQ(m_form->Text5->Text(), QStringLiteral("福建省厦门市思明区福建省厦门市思明区1号"));

    // Opened by another user from the list: the save button is disabled, nothing can be stored.
    m_form->VsNetBut2->setEnabled(false);
    click(m_form->VsNetBut2);
    click(m_form->VsNetBut4);
    EXPECT_EQ(m_form->Text5->Text(), QString());
    EXPECT_TRUE(m_form->isVisible());
    EXPECT_TRUE(column(88, QStringLiteral("LastChangeDate")).isNull());

    // A key that matches no company opens a new one.
    open(12345);
    EXPECT_EQ(m_form->CompanyId, 0);
    EXPECT_EQ(m_form->windowTitle(), QStringLiteral("新增公司"));
}
