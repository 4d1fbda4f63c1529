#include <gtest/gtest.h>

#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QTest>

#include "controls/foxdate.h"
#include "controls/foxtext.h"
#include "controls/foxtextmu.h"
#include "controls/vsnetbut.h"
#include "platform/grid.h"
#include "sales/orderaddform.h"
#include "sales/quickselproductfrom.h"
#include "tests/sales/salesfixture.h"

namespace {

class OrderAddformTest : public SalesTest
{
protected:
    void SetUp() override
    {
        SalesTest::SetUp();
        addProduct(1, "P", 2.5, 1);
        addProduct(2, "Q", 0.1, 0.05);
        addBundle(1, "PQ组合", {{1, 4}, {2, 1}});
        addCompany(10, "甲公司");
        addClient(20, "张三", 10);
        addClient(21, "李四");
    }
    QPointer<OrderAddform> open(qint32 id)
    {
        auto* form = new OrderAddform;
        form->OrderID = id;
        form->show();
        return form;
    }
    static void addLine(OrderAddform* f, int index, const QString& number, const QString& count)
    {
        WhenModal<QuickSelProductFrom>([number, count](QuickSelProductFrom* p) {
            p->ProductId->setText(number);
            p->Grid1->setActiveCell(1);
            p->FoxText1->setText(count);
            p->Command1->click();
        });
        f->Command5[index]->click();
    }
    static QStringList lines(OrderAddform* f)
    {
        QStringList rows;
        for (int r = 1; r < f->Grid1->Rows(); ++r) {
            QStringList cells;
            for (int c = 1; c <= 6; ++c)
                cells << (c == 1 ? (f->Grid1->text(r, c) == "0" ? "new" : "stored") : f->Grid1->text(r, c));
            rows << cells.join('|');
        }
        return rows;
    }
    void save(OrderAddform* f, std::initializer_list<MsgResult> answers)
    {
        for (MsgResult a : answers)
            m_prompts.answerMessage(a);
        QTest::mouseClick(f->VsNetBut2, Qt::LeftButton);
    }
};

TEST_F(OrderAddformTest, ANewOrderIsCheckedAskedAboutItsCompanyAndStoredWithItsLines)
{
    QPointer<OrderAddform> f = open(0);
    EXPECT_EQ(f->windowTitle(), "新增订单");
    EXPECT_EQ(f->Text3->Text(), QDate::currentDate().toString("yyyy-MM-dd"));
    EXPECT_EQ(f->Text4->Text(), "未选择公司");
    EXPECT_EQ(f->FoxText1->Text(), "未选择");
    EXPECT_TRUE(f->OrderIDTxt->Enabled());
    EXPECT_EQ(f->Grid1->Column(1).Width(), 0);

    save(f, {MsgResult::Ok});
    EXPECT_EQ(m_prompts.last().text,
              "部分数据发生错误：\r\n\r\n1、[订单编号] 不能为0！\r\n2、[经办人] 不能为空！"
              "\r\n\r\n请修改后再进行保存。");
    EXPECT_EQ(f->OrderIDTxt->Text(), "0");

    whenPartyPicker(10);
    f->Command1->click();
    EXPECT_EQ(f->Text4->Text(), "甲公司");
    whenPartyPicker(21);
    f->Command3->click();
    EXPECT_EQ(f->FoxText1->Text(), "李四");

    // A product and a bundle of the same number are two lines; the same product twice is one.
    addLine(f, 0, "1", "2");
    addLine(f, 1, "1", "3");
    m_prompts.answerMessage(MsgResult::Ok);
    addLine(f, 0, "1", "1");
    EXPECT_EQ(m_prompts.last().text, "您选择的商品已存在组合中，你输入的数量将加上原来的数量。");
    EXPECT_EQ(m_prompts.last().title, "新增单品");
    addLine(f, 0, "2", "9");
    EXPECT_EQ(lines(f), (QStringList{"new|商品|1|P|3|1", "new|组合商品|1|PQ组合|3|1", "new|商品|2|Q|9|1"}));

    // Only a whole number from 1 in range changes a quantity; an unsaved line goes without a question.
    f->Grid1->setActiveCell(2);
    for (const char* answer : {"", "0", "-1", "1.5", "3000000000", "4"}) {
        m_prompts.answerInput(answer);
        f->Command7->click();
    }
    EXPECT_EQ(m_prompts.last().defaultText, "3");
    f->Grid1->setActiveCell(3);
    f->Command8->click();
    EXPECT_EQ(lines(f), (QStringList{"new|商品|1|P|3|1", "new|组合商品|1|PQ组合|4|1"}));

    // Adding past the 32-bit range says the quantity is too large and leaves the line as it was.
    f->Grid1->setActiveCell(1);
    m_prompts.answerInput("2147483647");
    f->Command7->click();
    m_prompts.answerMessage(MsgResult::Ok);
    addLine(f, 0, "1", "1");
    EXPECT_EQ(m_prompts.last().text, "商品数量太大，不能再加上你输入的数量。");
    EXPECT_EQ(m_prompts.last().title, "新增单品");
    EXPECT_EQ(lines(f), (QStringList{"new|商品|1|P|2147483647|1", "new|组合商品|1|PQ组合|4|1"}));
    m_prompts.answerInput("3");
    f->Command7->click();

    // A delivery date typed by hand that is no date saves nothing.
    f->OrderIDTxt->setText("00100");
    f->Text3->setLocked(false);
    f->Text3->setText("2024-02-30");
    save(f, {MsgResult::Ok});
    EXPECT_EQ(m_prompts.last().text, "日期输入出错，请手动输入");
    EXPECT_EQ(f->OrderIDTxt->Text(), "100");
    f->Text3->setText("2024-05-06");

    // The contact person is not of the company: cancelling stores nothing.
    save(f, {MsgResult::Cancel});
    EXPECT_EQ(m_prompts.last().text, "你设置的经办人不是所选择的公司，此操作并不影响订单，您是否确定？");
    EXPECT_EQ(m_prompts.last().title, "确定公司");
    EXPECT_EQ(count("select count(*) from orderdata"), 0);

    f->Text7->setText(" 周五前送达\n");
    save(f, {MsgResult::Ok, MsgResult::Ok});
    EXPECT_EQ(m_prompts.last().text, "成功保存订单[100]。");
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_FALSE(f);
    EXPECT_EQ(rows("select orderid, GetCompany, GetClient, OrderDate, orderremark, OrderSell, ordercost "
                   "from orderdata"),
              QStringList{"100|10|21|2024-05-06| 周五前送达\n|47.9|19.2"});
    EXPECT_EQ(rows("select OrderProId, OrderProCount from OrderProSin order by OrderProId"),
              (QStringList{"1|19", "2|4"}));
    EXPECT_EQ(rows("select GetLogOperate, GetLogClass, GetEditID from logdata"), QStringList{"1|7|21"});
}

TEST_F(OrderAddformTest, AStoredOrderListsBundlesFirstAndADeletedLineTakesItsTotalsAlong)
{
    {
        QPointer<OrderAddform> f = open(0);
        f->OrderIDTxt->setText("7");
        whenPartyPicker(20);
        f->Command3->click();
        addLine(f, 0, "2", "1");
        addLine(f, 1, "1", "2");
        save(f, {MsgResult::Ok});
    }
    EXPECT_EQ(rows("select OrderSell from orderdata where orderid = 7"), QStringList{"20.3"});

    QPointer<OrderAddform> f = open(7);
    EXPECT_EQ(f->windowTitle(), "修改订单--[7]");
    EXPECT_FALSE(f->OrderIDTxt->Enabled());
    EXPECT_EQ(f->FoxText1->Text(), "张三");
    EXPECT_EQ(lines(f), (QStringList{"stored|组合商品|1|PQ组合|2|", "stored|商品|2|Q|1|"}));

    // An unreadable date in the box: the calendar stays shut and the box can be typed in.
    f->Text3->setText("下周");
    m_prompts.answerMessage(MsgResult::Ok);
    QTest::mouseClick(f->Text3->Text1(), Qt::LeftButton);
    EXPECT_EQ(m_prompts.last().text, "日期输入出错，请手动输入");
    EXPECT_FALSE(f->Text3->Locked());
    EXPECT_FALSE(f->FoxDate1->isVisible());

    f->Grid1->setActiveCell(1);
    m_prompts.answerMessage(MsgResult::Ok);
    f->Command8->click();
    EXPECT_EQ(m_prompts.last().text, "您确定要删除商品 [PQ组合] ？\r\n\r\n此操作为一次性操作，不可逆！！");
    EXPECT_EQ(m_prompts.last().title, "删除单品");
    EXPECT_EQ(rows("select OrderSell, realsell, ordercost from orderdata where orderid = 7"),
              QStringList{"0.1|0.1|0.05"});
    EXPECT_EQ(rows("select OrderProId, OrderProCount from OrderProSin where GetOrderID = 7"),
              QStringList{"2|1"});
    QTest::mouseClick(f->VsNetBut7, Qt::LeftButton);
    EXPECT_EQ(count("select count(*) from OrderProMain where GetOrderID = 7"), 1);
}

TEST_F(OrderAddformTest, TheRemarkTakesAnyTypedText)
{
    QPointer<OrderAddform> f = open(0);
    QTest::keyClicks(f->Text7->edit(), "Call Mr. Li (0592) first!");
    EXPECT_EQ(f->Text7->Text(), "Call Mr. Li (0592) first!");
    delete f.data();
}

} // namespace
