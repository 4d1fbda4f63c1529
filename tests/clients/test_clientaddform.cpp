#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QLabel>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QTimer>

#include "clients/clientaddform.h"
#include "clients/contractpanel.h"
#include "clients/quickselcompanyform.h"
#include "controls/cityselect.h"
#include "controls/foxdate.h"
#include "controls/foxdategrid.h"
#include "controls/foxtext.h"
#include "controls/foxtextmu.h"
#include "controls/vsnetbut.h"
#include "core/dblayer.h"
#include "core/pinyin.h"
#include "core/session.h"
#include "tests/clients/recordformtest.h"
#include "tests/support/otheruser.h"
#include "tests/support/testrows.h"

namespace {

constexpr qint32 Web = 6;
constexpr qint32 Mail = 5;

const QString Today = QDate::currentDate().toString(QStringLiteral("yyyy-MM-dd"));

class ClientAddFormTest : public RecordFormTest<ClientAddForm>
{
protected:
    void SetUp() override
    {
        RecordFormTest::SetUp();
        SixClassTables = {QStringLiteral("ClientType"),   QStringLiteral("ClientSource"),
                          QStringLiteral("ClientLevel"),  QStringLiteral("ClientTrade"),
                          QStringLiteral("ClientStatus"), QStringLiteral("ClientCredit")};
        SixClassNames = {QStringLiteral("客户类型"), QStringLiteral("客户来源"), QStringLiteral("客户等级"),
                         QStringLiteral("所属行业"), QStringLiteral("客户状态"), QStringLiteral("信用等级")};
    }

    ClientAddForm* open(qint32 clientId = 0)
    {
        return openWith(clientId, [](ClientAddForm* form, qint32 id) { form->ClientId = id; });
    }
    // Saves and expects the success message (with the batch text when batch is set).
    void save(const QString& name, bool batch = false)
    {
        m_prompts.answerMessage(MsgResult::Ok);
        click(m_form->VsNetBut2);
        EXPECT_EQ(m_prompts.last().text, QStringLiteral("成功保存联系人[") + name + QStringLiteral("]。") +
                                             (batch ? QStringLiteral("将继续新增下条记录") : QString()));
        EXPECT_EQ(m_prompts.last().title, QStringLiteral("保存联系人"));
    }

    QVariant column(qint32 clientId, const QString& name)
    {
        return Conn.scalar(QStringLiteral("select %1 from client where clientid = ?").arg(name), {clientId});
    }
    int count(const QString& table)
    {
        return Conn.scalar(QStringLiteral("select count(*) from ") + table).toInt();
    }
    qint32 clientNamed(const QString& name)
    {
        return Conn.scalar(QStringLiteral("select clientid from client where clientname = ?"), {name})
            .toInt();
    }
    // The log rows as "operation class id", sorted (their keys are random).
    QStringList logRows()
    {
        QStringList rows;
        Recordset rs;
        rs.Open(QStringLiteral("select * from logdata"), Conn);
        for (; !rs.Eof(); rs.MoveNext())
            rows << QStringLiteral("%1 %2 %3")
                        .arg(rs.Int(QStringLiteral("GetLogOperate")))
                        .arg(rs.Int(QStringLiteral("GetLogClass")))
                        .arg(rs.Int(QStringLiteral("GetEditID")));
        rows.sort();
        return rows;
    }
};

} // namespace

TEST_F(ClientAddFormTest, ANewClientWithOnlyANameStoresTheDefaultsAndAnEditKeepsItsKeys)
{
    open();
    EXPECT_EQ(m_form->windowTitle(), QStringLiteral("新增客户"));
    EXPECT_EQ(m_form->Text3->Text(), QStringLiteral("1960年01月01日"));
    EXPECT_EQ(m_form->Text8->Text(), QStringLiteral("0"));
    ASSERT_EQ(m_form->ClassCombo.size(), 6u);
    EXPECT_EQ(m_form->ClassLabel[1]->text(), QStringLiteral("客户来源："));
    EXPECT_EQ(m_form->ClassCombo[1]->currentText(), QStringLiteral("客户来源 未定义"));
    EXPECT_EQ(m_form->ClassCombo[1]->itemText(2), QStringLiteral("网络"));

    m_form->Text1->setText(QStringLiteral("  O'Neil "));
    save(QStringLiteral("O'Neil"));
    EXPECT_FALSE(m_form && m_form->isVisible());
    const qint32 id = clientNamed(QStringLiteral("O'Neil"));
    ASSERT_NE(id, 0);
    EXPECT_EQ(column(id, QStringLiteral("sex")).toInt(), -1);
    EXPECT_EQ(column(id, QStringLiteral("Birthday")).toString(), QStringLiteral("1960-01-01"));
    EXPECT_EQ(column(id, QStringLiteral("salary")).toInt(), 0);
    EXPECT_EQ(column(id, QStringLiteral("addresscode")).toInt(), 350203);
    EXPECT_EQ(column(id, QStringLiteral("GetCompany")).toInt(), 0);
    EXPECT_EQ(column(id, QStringLiteral("ClientPinyin")).toString(), QStringLiteral("o'neil"));
    EXPECT_EQ(column(id, QStringLiteral("createuser")).toInt(), 1);
    EXPECT_EQ(column(id, QStringLiteral("createDate")).toString(), Today);
    EXPECT_EQ(column(id, QStringLiteral("LastChangeDate")).toString(), Today);
    for (const QString& table : SixClassTables)
        EXPECT_EQ(column(id, QStringLiteral("get") + table).toInt(), 0) << table.toStdString();
    EXPECT_EQ(logRows(), QStringList{QStringLiteral("1 1 %1").arg(id)});

    // Edit: classification, salary emptied, telephone area code; the keys and creation stay.
    Conn.exec(QStringLiteral("update client set createDate = '2001-02-03' where clientid = ?"), {id});
    open(id);
    EXPECT_EQ(m_form->windowTitle(), QStringLiteral("修改客户--[O'Neil]"));
    EXPECT_EQ(m_form->Text3->Text(), QStringLiteral("1960-01-01"));
    m_form->ClassCombo[1]->setCurrentIndex(2);
    m_form->Combo1->setCurrentIndex(1);
    m_form->Text8->setText(QString());
    m_form->Text7->setText(QStringLiteral("0592"));
    save(QStringLiteral("O'Neil"));
    EXPECT_EQ(count(QStringLiteral("client")), 1);
    EXPECT_EQ(column(id, QStringLiteral("createDate")).toString(), QStringLiteral("2001-02-03"));
    EXPECT_EQ(column(id, QStringLiteral("getClientSource")).toInt(), 2);
    EXPECT_EQ(column(id, QStringLiteral("sex")).toInt(), 0);
    EXPECT_EQ(column(id, QStringLiteral("salary")).toInt(), 0);
    EXPECT_EQ(column(id, QStringLiteral("zipcode")).toString(), QStringLiteral("0592"));
    EXPECT_EQ(logRows(), (QStringList{QStringLiteral("1 1 %1").arg(id), QStringLiteral("2 1 %1").arg(id)}));

    open(id);
    EXPECT_EQ(m_form->ClassCombo[1]->currentText(), QStringLiteral("网络"));
    EXPECT_EQ(m_form->Combo1->currentText(), QStringLiteral("女"));
}

TEST_F(ClientAddFormTest, AClientStoredWithoutRegionBirthdayOrSalaryOpensWithEmptyFields)
{
    // Only a name, an owner and a classification: every other column is Null.
    AddClientRow(7, QStringLiteral("王五"), 1, {{QStringLiteral("getClientType"), 2}});
    open(7);
    EXPECT_EQ(m_form->windowTitle(), QStringLiteral("修改客户--[王五]"));
    EXPECT_EQ(m_form->Text3->Text(), QString());
    EXPECT_EQ(m_form->Text8->Text(), QStringLiteral("0"));
    EXPECT_EQ(m_form->CitySelect1->Code(), 0);
    EXPECT_EQ(m_form->CitySelect1->Combo1->currentIndex(), -1);
    EXPECT_EQ(m_form->CitySelect1->AreaStr(0), QString());
    for (const FoxText* box : {m_form->Text2, m_form->Text5, m_form->Text7})
        EXPECT_EQ(box->Text(), QString());
    EXPECT_EQ(m_form->ClassCombo[0]->currentData().toInt(), 2);
    EXPECT_EQ(m_form->ClassCombo[1]->currentIndex(), 0);

    // The missing birthday is asked for before anything is written.
    m_prompts.answerMessage(MsgResult::Ok);
    click(m_form->VsNetBut2);
    EXPECT_EQ(m_prompts.last().text, QStringLiteral("日期输入出错，请手动输入"));
    EXPECT_FALSE(m_form->Text3->Locked());
    EXPECT_EQ(count(QStringLiteral("logdata")), 0);
    m_form->Text3->setText(QStringLiteral("1975-06-15"));
    save(QStringLiteral("王五"));
    EXPECT_EQ(column(7, QStringLiteral("Birthday")).toString(), QStringLiteral("1975-06-15"));
    EXPECT_EQ(column(7, QStringLiteral("salary")).toInt(), 0);
    EXPECT_EQ(column(7, QStringLiteral("addresscode")).toInt(), 0);
    EXPECT_EQ(column(7, QStringLiteral("getClientType")).toInt(), 2);
}

TEST_F(ClientAddFormTest, WithFewerThanSixClassificationsOnlyTheirBoxesShowAndOnlyTheirColumnsAreWritten)
{
    SixClassTables = {QStringLiteral("ClientSource"), QStringLiteral("ClientType"),
                      QStringLiteral("ClientLevel")};
    SixClassNames = {QStringLiteral("客户来源"), QStringLiteral("客户类型"), QStringLiteral("客户等级")};
    AddClientRow(7, QStringLiteral("王五"), 1,
                 {{QStringLiteral("Birthday"), QStringLiteral("1975-06-15")},
                  {QStringLiteral("getClientSource"), 1},
                  {QStringLiteral("getClientType"), 2},
                  {QStringLiteral("getClientStatus"), 3}});
    open(7);
    ASSERT_EQ(m_form->ClassCombo.size(), 3u);
    ASSERT_EQ(m_form->ClassLabel.size(), 3u);
    EXPECT_EQ(m_form->ClassLabel[2]->text(), QStringLiteral("客户等级："));
    EXPECT_EQ(m_form->ClassCombo[2]->itemText(0), QStringLiteral("客户等级 未定义"));
    EXPECT_EQ(m_form->ClassCombo[0]->currentData().toInt(), 1);
    EXPECT_EQ(m_form->ClassCombo[1]->currentData().toInt(), 2);
    EXPECT_EQ(m_form->ClassCombo[2]->currentIndex(), 0);
    for (int i = 1; i < 3; ++i) {
        EXPECT_TRUE(m_form->ClassCombo[size_t(i)]->isVisible());
        EXPECT_GT(m_form->ClassCombo[size_t(i)]->y(), m_form->ClassCombo[size_t(i - 1)]->y());
    }

    m_form->ClassCombo[2]->setCurrentIndex(1);
    const qint32 level = m_form->ClassCombo[2]->currentData().toInt();
    save(QStringLiteral("王五"));
    EXPECT_EQ(column(7, QStringLiteral("getClientLevel")).toInt(), level);
    EXPECT_EQ(column(7, QStringLiteral("getClientType")).toInt(), 2);
    // A classification the session does not know keeps its stored value.
    EXPECT_EQ(column(7, QStringLiteral("getClientStatus")).toInt(), 3);

    open();
    ASSERT_EQ(m_form->ClassCombo.size(), 3u);
    m_form->Text1->setText(QStringLiteral("赵六"));
    save(QStringLiteral("赵六"));
    const qint32 id = clientNamed(QStringLiteral("赵六"));
    EXPECT_EQ(column(id, QStringLiteral("getClientSource")).toInt(), 0);
    EXPECT_EQ(column(id, QStringLiteral("getClientStatus")).toInt(), 0);
}

TEST_F(ClientAddFormTest, ChecksGiveOneNumberedMessageAndSaveNothing)
{
    open();
    m_form->Text2->setText(QStringLiteral("1101051949123100"));
    addEntry(Web, QStringLiteral("www.dezarod.cn"));
    addEntry(Mail, QStringLiteral("li@example.com"));
    m_form->Picture1->ContractText[2]->setText(QStringLiteral("  "));
    m_prompts.answerMessage(MsgResult::Ok);
    click(m_form->VsNetBut2);
    EXPECT_EQ(m_prompts.last().text,
              QStringLiteral("部分数据发生错误：\r\n\r\n1、名字不能为空！\r\n"
                             "2、身份证号必须为18位或15位的数字！\r\n3、部分联系方式为空！\r\n"
                             "\r\n请修改后再进行保存。"));
    // The web address is completed and shown so, the empty entry trimmed.
    EXPECT_EQ(m_form->Picture1->ContractText[1]->Text(), QStringLiteral("http://www.dezarod.cn"));
    EXPECT_EQ(m_form->Picture1->ContractText[2]->Text(), QString());

    // 17 digits fail the length test; a wrong check character the split; a bad address its own line.
    m_form->Text1->setText(QStringLiteral("张三"));
    m_form->Text2->setText(QStringLiteral("11010519491231002"));
    m_form->Picture1->ContractText[2]->setText(QStringLiteral("li@example"));
    m_prompts.answerMessage(MsgResult::Ok);
    click(m_form->VsNetBut2);
    EXPECT_EQ(m_prompts.last().text,
              QStringLiteral("部分数据发生错误：\r\n\r\n1、身份证号必须为18位或15位的数字！\r\n"
                             "2、[li@example]为非有效电子邮箱！\r\n\r\n请修改后再进行保存。"));
    m_form->Text2->setText(QStringLiteral("110105194912310021"));
    m_form->Picture1->ContractText[2]->setText(QStringLiteral("li@example.com"));
    m_prompts.answerMessage(MsgResult::Ok);
    click(m_form->VsNetBut2);
    EXPECT_EQ(m_prompts.last().text,
              QStringLiteral(
                  "部分数据发生错误：\r\n\r\n1、身份证分解发生未知错误！你可以删除号码，或改成15位进行尝试。"
                  "\r\n\r\n请修改后再进行保存。"));

    // A birthday that reads as no date stops the save with its own message.
    m_form->Text2->setText(QStringLiteral("11010519491231002X"));
    m_form->Text3->setText(QStringLiteral("一九六零年"));
    m_prompts.answerMessage(MsgResult::Ok);
    click(m_form->VsNetBut2);
    EXPECT_EQ(m_prompts.last().text, QStringLiteral("日期输入出错，请手动输入"));
    EXPECT_FALSE(m_form->Text3->Locked());
    EXPECT_EQ(count(QStringLiteral("client")), 0);
    EXPECT_EQ(count(QStringLiteral("Contract")), 0);
    EXPECT_EQ(count(QStringLiteral("logdata")), 0);

    // A year after this one becomes 1 January 1901; an address with "://" stays as typed.
    m_form->Check1->setChecked(true);
    m_form->Text3->setText(QStringLiteral("%1-05-06").arg(QDate::currentDate().year() + 1));
    addEntry(Web, QStringLiteral("ftp://files.dezarod.cn"));
    save(QStringLiteral("张三"));
    const qint32 id = clientNamed(QStringLiteral("张三"));
    EXPECT_EQ(column(id, QStringLiteral("Birthday")).toString(), QStringLiteral("1901-01-01"));
    EXPECT_EQ(column(id, QStringLiteral("personcard")).toString(), QStringLiteral("11010519491231002X"));
    EXPECT_EQ(
        Conn.scalar(QStringLiteral("select group_concat(ContractData, '|') from (select ContractData from "
                                   "Contract where GetID = ? and iscompany = 0 order by ContractData)"),
                    {id})
            .toString(),
        QStringLiteral("ftp://files.dezarod.cn|http://www.dezarod.cn|li@example.com"));
}

TEST_F(ClientAddFormTest, TheCompanyIsTheOnePickedOrTypedOrCreated)
{
    for (const auto& [id, user, name] : {std::tuple{501, 1, "德泽科技"}, std::tuple{502, 1, "德泽科技"},
                                         std::tuple{503, 2, "外部公司"}, std::tuple{504, 1, "O'Neil's Shop"}})
        Conn.exec(QStringLiteral("insert into company (companyid, createuser, companyname, companyPinyin) "
                                 "values (?, ?, ?, 'dzkj')"),
                  {id, user, QString::fromUtf8(name)});

    // Picked: the second of two companies of one name stays the one picked.
    open();
    m_form->Text1->setText(QStringLiteral("李四"));
    QTimer::singleShot(0, [] {
        auto* picker = qobject_cast<QuickSelCompanyForm*>(QApplication::activeModalWidget());
        ASSERT_NE(picker, nullptr);
        picker->FoxText1->setText(QStringLiteral("德泽"));
        picker->List1->setCurrentRow(1);
        click(picker->Command1);
    });
    click(m_form->Command1);
    EXPECT_EQ(m_form->Text4->Text(), QStringLiteral("德泽科技"));
    save(QStringLiteral("李四"));
    EXPECT_EQ(column(clientNamed(QStringLiteral("李四")), QStringLiteral("GetCompany")).toInt(), 502);

    // Typed: the user's own company of that name, quotes and all.
    open();
    m_form->Text1->setText(QStringLiteral("王五"));
    m_form->Text4->setText(QStringLiteral("O'Neil's Shop"));
    save(QStringLiteral("王五"));
    EXPECT_EQ(column(clientNamed(QStringLiteral("王五")), QStringLiteral("GetCompany")).toInt(), 504);

    // Another user's company is not found: cancelling the creation saves the client without one.
    open();
    m_form->Text1->setText(QStringLiteral("钱七"));
    m_form->Text4->setText(QStringLiteral("外部公司"));
    m_prompts.answerMessage(MsgResult::Cancel);
    save(QStringLiteral("钱七"));
    EXPECT_EQ(m_prompts.records().at(m_prompts.records().size() - 2).text,
              QStringLiteral("公司不存在,是否将你设的公司名新建一个公司？"));
    EXPECT_EQ(column(clientNamed(QStringLiteral("钱七")), QStringLiteral("GetCompany")).toInt(), 0);
    EXPECT_EQ(count(QStringLiteral("company")), 4);

    // A new name creates the company, logged before the client.
    const QStringList logsBefore = logRows();
    open();
    m_form->Text1->setText(QStringLiteral("赵六"));
    m_form->Text4->setText(QStringLiteral("新公司"));
    m_prompts.answerMessage(MsgResult::Ok);
    save(QStringLiteral("赵六"));
    const qint32 client = clientNamed(QStringLiteral("赵六"));
    const qint32 company = column(client, QStringLiteral("GetCompany")).toInt();
    ASSERT_NE(company, 0);
    EXPECT_EQ(
        Conn.scalar(QStringLiteral("select companyname from company where companyid = ? and createuser = 1 "
                                   "and createDate = ?"),
                    {company, Today})
            .toString(),
        QStringLiteral("新公司"));
    // With its initials, so that the picker finds it by them.
    EXPECT_EQ(Conn.scalar(QStringLiteral("select companyPinyin from company where companyid = ?"), {company})
                  .toString(),
              GetPinyinInitials(QStringLiteral("新公司")));
    EXPECT_FALSE(GetPinyinInitials(QStringLiteral("新公司")).isEmpty());
    QStringList added = logRows();
    for (const QString& row : logsBefore)
        added.removeOne(row);
    EXPECT_EQ(added,
              (QStringList{QStringLiteral("1 1 %1").arg(client), QStringLiteral("1 2 %1").arg(company)}));

    // Opening the client shows its company; its entries come along, read-only.
    Conn.exec(QStringLiteral("insert into Contract values (77, 2, '0592-5555555', ?, -1)"), {company});
    open(client);
    EXPECT_EQ(m_form->Text4->Text(), QStringLiteral("新公司"));
    ASSERT_EQ(m_form->Picture1->ContractCount, 1);
    EXPECT_FALSE(m_form->Picture1->ContractCombo[1]->isEnabled());
}

TEST_F(ClientAddFormTest, BatchModeStartsAfreshAndResetRestoresTheStoredClient)
{
    open();
    m_form->Check2->setChecked(true);
    m_form->Text1->setText(QStringLiteral("甲"));
    m_form->Text5->setText(QStringLiteral("湖滨南路1号"));
    addEntry(Mail, QStringLiteral("jia@example.com"));
    save(QStringLiteral("甲"), true);
    ASSERT_TRUE(m_form->isVisible());
    EXPECT_EQ(m_form->ClientId, 0);
    EXPECT_EQ(m_form->windowTitle(), QStringLiteral("新增客户"));
    EXPECT_EQ(m_form->Text1->Text(), QString());
    EXPECT_EQ(m_form->Text5->Text(), QString());
    EXPECT_EQ(m_form->Text3->Text(), QStringLiteral("1960年01月01日"));
    EXPECT_EQ(m_form->Picture1->ContractCount, 0);
    EXPECT_TRUE(m_form->Check2->isChecked());
    m_form->Text1->setText(QStringLiteral("乙"));
    save(QStringLiteral("乙"), true);
    EXPECT_EQ(count(QStringLiteral("client")), 2);
    EXPECT_EQ(count(QStringLiteral("Contract")), 1);
    EXPECT_EQ(count(QStringLiteral("logdata")), 2);

    open(clientNamed(QStringLiteral("甲")));
    m_form->Text1->setText(QStringLiteral("丙"));
    addEntry(Mail, QStringLiteral("bing@example.com"));
    click(m_form->Picture1->ContractDel[1]);
    click(m_form->VsNetBut4);
    EXPECT_EQ(m_form->Text1->Text(), QStringLiteral("甲"));
    ASSERT_EQ(m_form->Picture1->ContractCount, 1);
    EXPECT_EQ(m_form->Picture1->ContractText[1]->Text(), QStringLiteral("jia@example.com"));
    EXPECT_FALSE(m_form->Picture1->VS1->isEnabled());
}

TEST_F(ClientAddFormTest, IdentityNumberCalendarAndRegionFillTheFields)
{
    open();
    m_form->Text2->setText(QStringLiteral("1101051949123100"));
    m_prompts.answerMessage(MsgResult::Ok);
    click(m_form->Command4);
    EXPECT_EQ(m_prompts.last().text, QStringLiteral("必须为18位或15位的数字！"));
    EXPECT_EQ(m_prompts.last().title, QStringLiteral("身份证出错"));
    m_form->Text2->setText(QStringLiteral("110105194912310021"));
    m_prompts.answerMessage(MsgResult::Ok);
    click(m_form->Command4);
    EXPECT_EQ(m_prompts.last().text, QStringLiteral("身份证分解发生未知错误！"));
    EXPECT_EQ(m_form->Text3->Text(), QStringLiteral("1960年01月01日"));
    m_form->Text2->setText(QStringLiteral("11010519491231002x"));
    click(m_form->Command4);
    EXPECT_EQ(m_form->Combo1->currentText(), QStringLiteral("女"));
    EXPECT_EQ(m_form->Text3->Text(), QStringLiteral("1949-12-31"));
    EXPECT_TRUE(m_form->Check1->isChecked());

    // The calendar opens on the field's day; a picked day goes into the field.
    m_form->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(m_form));
    click(m_form->Text3->Text1());
    ASSERT_TRUE(m_form->FoxDate1->isVisible());
    EXPECT_EQ(m_form->FoxDate1->SelDate(), QDate(1949, 12, 31));
    click(m_form->FoxDate1->Label2(FoxDateCellOfDay(1949, 12, 8)));
    EXPECT_EQ(m_form->Text3->Text(), QStringLiteral("1949-12-08"));
    EXPECT_FALSE(m_form->FoxDate1->isVisible());

    // The region text goes in front of the address, each time.
    m_form->Text5->setText(QStringLiteral("湖滨南路1号"));
    click(m_form->Command3);
    click(m_form->Command3);
    EXPECT_EQ(m_form->Text5->Text(), QStringLiteral("福建省厦门市思明区福建省厦门市思明区湖滨南路1号"));

    // Opened to be looked at only: the save button stays disabled, the rest works.
    m_form->VsNetBut2->setEnabled(false);
    m_form->Text1->setText(QStringLiteral("只读"));
    click(m_form->VsNetBut2);
    click(m_form->VsNetBut4);
    EXPECT_EQ(m_form->Text1->Text(), QString());
    EXPECT_EQ(count(QStringLiteral("client")), 0);
}

// Another copy of the program holds the file's write lock for longer than the save waits: the
// dialog says that the database is in use, stays open with everything typed in it, and nothing is
// written; once the file is free, the same save succeeds.
TEST_F(ClientAddFormTest, SaveOnABusyFileKeepsTheDialogWithItsTextsAndWritesNothing)
{
    Conn.setBusyTimeout(300);
    open();
    m_form->Text1->setText(QStringLiteral("王小明"));
    m_form->Text5->setText(QStringLiteral("厦门市思明区"));
    m_form->Text6->setText(QStringLiteral("老客户介绍"));
    addEntry(Mail, QStringLiteral("wang@example.com"));
    const int clients = count(QStringLiteral("client"));
    const int entries = count(QStringLiteral("Contract"));
    const QStringList logs = logRows();
    {
        WriteLockHolder holder(DatabasePath());
        ASSERT_TRUE(holder.isHolding()) << holder.errors().toStdString();
        m_prompts.answerMessage(MsgResult::Ok);
        click(m_form->VsNetBut2);
        EXPECT_EQ(m_prompts.last().text,
                  QStringLiteral("数据库正被其他用户使用，本次操作没有写入任何内容。\n请稍后再试一次。"));
        EXPECT_EQ(m_prompts.last().icon, MsgIcon::Exclamation);
        ASSERT_TRUE(m_form && m_form->isVisible());
        EXPECT_EQ(m_form->Text1->Text(), QStringLiteral("王小明"));
        EXPECT_EQ(m_form->Text5->Text(), QStringLiteral("厦门市思明区"));
        EXPECT_EQ(m_form->Text6->Text(), QStringLiteral("老客户介绍"));
        const QList<ContractEntry> typed = m_form->Picture1->Entries();
        ASSERT_EQ(typed.size(), 1);
        EXPECT_EQ(typed.first().text, QStringLiteral("wang@example.com"));
        EXPECT_EQ(m_form->ClientId, 0);
        holder.release();
    }
    EXPECT_EQ(count(QStringLiteral("client")), clients);
    EXPECT_EQ(count(QStringLiteral("Contract")), entries);
    EXPECT_EQ(logRows(), logs);
    EXPECT_EQ(Conn.transactionDepth(), 0);

    save(QStringLiteral("王小明"));
    EXPECT_FALSE(m_form && m_form->isVisible());
    const qint32 id = clientNamed(QStringLiteral("王小明"));
    ASSERT_NE(id, 0);
    EXPECT_EQ(column(id, QStringLiteral("address")).toString(), QStringLiteral("厦门市思明区"));
    EXPECT_EQ(count(QStringLiteral("client")), clients + 1);
    EXPECT_EQ(count(QStringLiteral("Contract")), entries + 1);
    QStringList logged = logs;
    logged << QStringLiteral("1 1 %1").arg(id);
    logged.sort();
    EXPECT_EQ(logRows(), logged);
}
