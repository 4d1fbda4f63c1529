#include <QComboBox>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QTest>

#include "affairs/affairaddform.h"
#include "controls/foxdate.h"
#include "controls/foxtext.h"
#include "controls/foxtextmu.h"
#include "controls/vsnetbut.h"
#include "tests/affairs/affairtestdata.h"

namespace {

class AffairAddFormTest : public AffairTest
{
protected:
    void TearDown() override
    {
        delete m_form.data();
        AffairTest::TearDown();
    }
    AffairAddForm* open(qint32 presetClient = 0, const QString& clientName = QString())
    {
        m_form = new AffairAddForm;
        if (presetClient != 0) {
            m_form->ClientId = presetClient;
            m_form->FoxText1->setText(clientName);
            m_form->Command1->setEnabled(false);
            m_form->Command2->setEnabled(false);
        }
        m_form->show();
        return m_form;
    }
    void save() { QTest::mouseClick(m_form->VsNetBut2, Qt::LeftButton); }
    // Saves while a message is expected; returns its text.
    QString saveRefused()
    {
        m_prompts.answerMessage(MsgResult::Ok);
        save();
        return m_prompts.last().text;
    }

    QPointer<AffairAddForm> m_form;
};

} // namespace

TEST_F(AffairAddFormTest, ChecksEverythingThenAddsOneAffairWithItsLogRow)
{
    open();
    EXPECT_EQ(m_form->windowTitle(), QStringLiteral("新增临时事务"));
    EXPECT_EQ(m_form->Text3->Text(), QStringLiteral("2011-09-20"));
    EXPECT_TRUE(m_form->Text3->Locked());
    EXPECT_EQ(m_form->FoxText2->Text(), QStringLiteral("0"));
    EXPECT_EQ(m_form->FoxText1->Text(), QStringLiteral("未选择"));
    EXPECT_EQ(m_form->Combo1->currentText(), QStringLiteral("电话"));
    EXPECT_EQ(m_form->Combo2->currentText(), QStringLiteral("客户关怀"));

    m_form->FoxText4->setText(QStringLiteral(" \r\n "));
    m_form->Text3->setText(QStringLiteral("2011-09-19"));
    EXPECT_EQ(saveRefused(),
              QStringLiteral("部分数据发生错误：\r\n\r\n1、事务名称不能为空！\r\n2、日期不应早于今天！\r\n"
                             "\r\n请修改后再进行保存。"));
    EXPECT_EQ(m_form->FoxText4->Text(), QString());

    // A day typed by hand that no calendar has is refused, not saved as nothing.
    m_form->FoxText4->setText(QStringLiteral("回访"));
    m_form->Text3->setText(QStringLiteral("2011-02-30"));
    EXPECT_TRUE(saveRefused().contains(QStringLiteral("1、日期输入出错，请手动输入")));
    EXPECT_EQ(count(QStringLiteral("1 = 1")), 0);
    EXPECT_EQ(Conn.scalar(QStringLiteral("select count(*) from logdata")).toInt(), 0);

    m_form->Text3->setText(QStringLiteral("2011-09-20"));
    // The lead box takes any text; a negative lead is stored as 0.
    m_form->FoxText2->setText(QString());
    QTest::keyClicks(m_form->FoxText2->Text1(), QStringLiteral("-3"));
    EXPECT_EQ(m_form->FoxText2->Text(), QStringLiteral("-3"));
    m_form->Combo1->setCurrentIndex(1);
    m_form->Combo2->setCurrentIndex(2);
    m_form->FoxTextMu1->setText(QStringLiteral("  带上资料\r\n"));
    // Another copy took the first key drawn: the save draws again.
    Conn.exec(QStringLiteral(
        "insert into affair (affairid, Affairname, AffairDate) values (777, '别人的', '2011-09-30')"));
    QList<qint32> keys{777, 778};
    SetRandomIdSource([&keys] { return keys.size() > 1 ? keys.takeFirst() : keys.first(); });
    save();
    SetRandomIdSource({});
    EXPECT_TRUE(m_form.isNull() || !m_form->isVisible());
    Recordset rs;
    rs.Open(QStringLiteral("select * from affair where affairid <> 777"), Conn);
    ASSERT_EQ(rs.RecordCount(), 1);
    const qint64 id = rs.Int(QStringLiteral("affairid"));
    EXPECT_EQ(id, 778);
    EXPECT_EQ(rs.Text(QStringLiteral("Affairname")), QStringLiteral("回访"));
    EXPECT_EQ(rs.Text(QStringLiteral("AffairDate")), QStringLiteral("2011-09-20"));
    EXPECT_EQ(rs.Int(QStringLiteral("RemainDate")), 0);
    EXPECT_EQ(rs.Int(QStringLiteral("GetAffairClass")), 2);
    EXPECT_EQ(rs.Int(QStringLiteral("GetAffairSubject")), 3);
    EXPECT_EQ(rs.Int(QStringLiteral("GetClient")), 0);
    EXPECT_EQ(rs.Text(QStringLiteral("RegularRemark")), QStringLiteral("带上资料"));
    EXPECT_EQ(rs.Int(QStringLiteral("GetAffairRegular")), 0);
    EXPECT_EQ(rs.Int(QStringLiteral("isover")), 0);
    EXPECT_EQ(rs.Int(QStringLiteral("isclose")), 0);
    EXPECT_EQ(rs.Int(QStringLiteral("createuser")), 1);
    EXPECT_EQ(
        Conn.scalar(QStringLiteral("select count(*) from logdata where GetLogOperate = 1 and GetLogClass = 4 "
                                   "and GetEditID = ? and CreateUser = 1"),
                    {id})
            .toInt(),
        1);
}

TEST_F(AffairAddFormTest, APickedOrPresetClientIsSavedAndAClearedOneIsNot)
{
    addClient(5, QStringLiteral("张三"), QVariant());
    addClient(6, QStringLiteral("李四"), QVariant());
    open();
    pickClient([this] { QTest::mouseClick(m_form->Command1, Qt::LeftButton); }, QStringLiteral("李四"));
    EXPECT_EQ(m_form->ClientId, 6);
    EXPECT_EQ(m_form->FoxText1->Text(), QStringLiteral("李四"));
    m_form->FoxText4->setText(QStringLiteral("拜访李四"));
    save();
    EXPECT_EQ(count(QStringLiteral("Affairname = '拜访李四' and GetClient = 6")), 1);

    open(5, QStringLiteral("张三"));
    m_form->FoxText4->setText(QStringLiteral("送样品"));
    m_form->FoxText2->setText(QStringLiteral("2"));
    save();
    EXPECT_EQ(count(QStringLiteral("GetClient = 5 and RemainDate = 2")), 1);

    open(5, QStringLiteral("张三"));
    m_form->Command2->setEnabled(true);
    QTest::mouseClick(m_form->Command2, Qt::LeftButton);
    EXPECT_EQ(m_form->ClientId, 0);
    EXPECT_EQ(m_form->FoxText1->Text(), QStringLiteral("未选择"));
    m_form->FoxText4->setText(QStringLiteral("无对象"));
    save();
    EXPECT_EQ(count(QStringLiteral("Affairname = '无对象' and GetClient = 0")), 1);
}

TEST_F(AffairAddFormTest, TheDateBoxOpensTheCalendarOrAsksForTypingWhenItHoldsNoDate)
{
    // At the largest font the boxes are highest; the calendar still opens inside the dialog.
    UserFontSize = 14;
    FoxTextHeight = 360;
    open();
    QTest::mouseClick(m_form->Text3->Text1(), Qt::LeftButton);
    EXPECT_TRUE(m_form->FoxDate1->isVisible());
    EXPECT_EQ(m_form->FoxDate1->y(), m_form->Text3->geometry().bottom() + 1);
    EXPECT_TRUE(m_form->rect().contains(m_form->FoxDate1->geometry()));
    EXPECT_EQ(m_form->FoxDate1->SelDate(), QDate(2011, 9, 20));
    m_form->FoxDate1->setSelDate(QDate(2011, 10, 1));
    Q_EMIT m_form->FoxDate1->Click();
    EXPECT_EQ(m_form->Text3->Text(), QStringLiteral("2011-10-01"));
    EXPECT_FALSE(m_form->FoxDate1->isVisible());

    m_form->Text3->setText(QStringLiteral("十月一日"));
    m_prompts.answerMessage(MsgResult::Ok);
    QTest::mouseClick(m_form->Text3->Text1(), Qt::LeftButton);
    EXPECT_EQ(m_prompts.last().text, QStringLiteral("日期输入出错，请手动输入"));
    EXPECT_FALSE(m_form->FoxDate1->isVisible());
    EXPECT_FALSE(m_form->Text3->Locked());
}
