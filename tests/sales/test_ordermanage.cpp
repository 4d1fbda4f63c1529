#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "clients/quickselcompanyform.h"
#include "controls/foxtext.h"
#include "controls/vsnetbut.h"
#include "core/dblayer.h"
#include "core/session.h"
#include "platform/grid.h"
#include "sales/orderaddform.h"
#include "sales/ordercheckform.h"
#include "sales/ordermanage.h"
#include "sales/orderrecord.h"
#include "sales/quickselproductfrom.h"
#include "tests/sales/salesfixture.h"
#include "tests/support/pdftext.h"
#include "tests/support/testrows.h"

namespace {

class OrderManageTest : public SalesTest
{
protected:
    void SetUp() override
    {
        SalesTest::SetUp();
        AddUserRow(2, "小王");
        addCompany(10, "甲公司");
        addCompany(11, "乙公司");
        addClient(20, "张三", 10);
        addClient(21, "李四", 11);
        addOrder(1201, 1, 10, 20, "2024-05-01", false);
        addOrder(1202, 1, 11, 21, "2024-06-01", true);
        addOrder(3120, 2, 10, 20, "2024-07-01", false);
        addOrder(45, 1, 0, 99, "2024-04-01", false);
    }
    void TearDown() override
    {
        delete m_form;
        SalesTest::TearDown();
    }
    static void addOrder(qint32 id, qint32 user, qint32 company, qint32 client, const QString& date,
                         bool over)
    {
        Conn.exec("insert into orderdata (orderid, createuser, GetCompany, GetClient, OrderDate, OrderSell, "
                  "realsell, orderisover) values (?, ?, ?, ?, ?, 100, 90.5, ?)",
                  {id, user, company, client, date, over});
    }
    OrderManage* open(bool seeAll, bool check = true)
    {
        CanSeeAllUser = seeAll;
        CanCheckOrder = check;
        m_form = new OrderManage;
        m_form->resize(900, 620);
        m_form->show();
        return m_form;
    }
    static void click(VsNetBut* b) { QTest::mouseClick(b, Qt::LeftButton); }

    QPointer<OrderManage> m_form;
};

TEST_F(OrderManageTest, OwnOrdersByStateNumberCompanyAndContactWithOneResetForAll)
{
    OrderManage* f = open(false, false);
    EXPECT_TRUE(f->Option1[1]->isChecked());
    EXPECT_FALSE(f->SelUserCombo->isVisible());
    EXPECT_FALSE(f->VsNetBut4->Enabled());
    EXPECT_EQ(f->Text4->Text(), "未选择公司");
    EXPECT_EQ(f->FoxText1->Text(), "未选择");
    // Unfinished own orders, newest delivery first; a missing company or client leaves its cell empty.
    EXPECT_EQ(gridRows(f->Grid1), (QStringList{"1201|甲公司|张三|100|90.5|2024-05-01|-1|-1|",
                                               "45|||100|90.5|2024-04-01|-1|-1|"}));
    EXPECT_EQ(f->Grid1->Column(7).CellType(), 2);

    f->Option1[0]->setChecked(true);
    EXPECT_EQ(gridColumn(f->Grid1, 1), QStringList{"1202"});
    EXPECT_EQ(f->Grid1->text(1, 8), "1");
    f->Option1[2]->setChecked(true);
    EXPECT_EQ(gridColumn(f->Grid1, 1), (QStringList{"1202", "1201", "45"}));

    // A company pick clears the number; a contact pick clears the company; a cancelled pick
    // changes nothing.
    f->OrderIDTxt->setText("12");
    EXPECT_EQ(gridColumn(f->Grid1, 1), (QStringList{"1202", "1201"}));
    whenPartyPicker(10);
    f->Command1->click();
    EXPECT_EQ(f->Text4->Text(), "甲公司");
    EXPECT_EQ(f->OrderIDTxt->Text(), "");
    EXPECT_EQ(gridColumn(f->Grid1, 1), QStringList{"1201"});
    WhenModal<QuickSelCompanyForm>([](QuickSelCompanyForm* p) { p->Command2->click(); });
    f->Command3->click();
    EXPECT_EQ(f->Text4->Text(), "甲公司");
    whenPartyPicker(21);
    f->Command3->click();
    EXPECT_EQ(f->FoxText1->Text(), "李四");
    EXPECT_EQ(f->Text4->Text(), "未选择公司");
    EXPECT_EQ(gridColumn(f->Grid1, 1), QStringList{"1202"});
    // Typing a number clears both parties.
    f->OrderIDTxt->setText("4");
    EXPECT_EQ(f->FoxText1->Text(), "未选择");
    EXPECT_EQ(gridColumn(f->Grid1, 1), QStringList{"45"});
    f->Command2->click();
    EXPECT_EQ(gridColumn(f->Grid1, 1), QStringList{"45"});

    f->Command5->click();
    EXPECT_TRUE(f->Option1[1]->isChecked());
    EXPECT_EQ(f->OrderIDTxt->Text(), "");
    EXPECT_EQ(gridColumn(f->Grid1, 1), (QStringList{"1201", "45"}));

    // A filter changed while the list is being filled searches once more after the fill.
    int fills = 0;
    const QMetaObject::Connection watch =
        QObject::connect(f->Grid1->model(), &QAbstractItemModel::modelReset, [&fills, f] {
            if (++fills == 1)
                f->Option1[0]->setChecked(true);
        });
    f->Option1[2]->setChecked(true);
    QObject::disconnect(watch);
    EXPECT_EQ(fills, 2);
    EXPECT_EQ(gridColumn(f->Grid1, 1), QStringList{"1202"});

    // The list prints as it stands.
    const QString pdf = pathOf("orders.pdf");
    m_prompts.setPreviewPdf(pdf);
    click(f->VsNetBut5);
    EXPECT_EQ(m_prompts.last().kind, ScriptedPrompts::Kind::Preview);
    const QString page = NoBlanks(PdfText(pdf));
    EXPECT_TRUE(page.contains("订单清单")) << page.toStdString();
    EXPECT_TRUE(page.contains("1202乙公司李四10090.52024-06-01")) << page.toStdString();
}

TEST_F(OrderManageTest, WithTheRightEveryUsersOrdersShowTheirCreatorAndAUserCanBeChosen)
{
    OrderManage* f = open(true);
    EXPECT_TRUE(f->SelUserCombo->isVisible());
    EXPECT_EQ(f->SelUserCombo->itemText(0), "所有用户");
    f->Option1[2]->setChecked(true);
    EXPECT_EQ(gridRows(f->Grid1, 9), (QStringList{"小王", "", "", ""}));
    EXPECT_EQ(gridColumn(f->Grid1, 1), (QStringList{"3120", "1202", "1201", "45"}));
    f->SelUserCombo->setCurrentIndex(f->SelUserCombo->findText("小王"));
    EXPECT_EQ(gridColumn(f->Grid1, 1), QStringList{"3120"});

    // Another user's order opens view-only; the row stays selected afterwards.
    m_prompts.answerMessage(MsgResult::Ok);
    click(f->VsNetBut3);
    EXPECT_EQ(m_prompts.last().text, "请先选择一份订单。");
    EXPECT_EQ(m_prompts.last().title, "选择商品");
    f->Grid1->setActiveCell(1);
    m_prompts.answerMessage(MsgResult::Ok);
    WhenModal<OrderAddform>([](OrderAddform* d) {
        EXPECT_EQ(d->windowTitle(), "修改订单--[3120]");
        EXPECT_FALSE(d->VsNetBut2->Enabled());
        EXPECT_FALSE(d->Command8->isEnabled());
        d->close();
    });
    click(f->VsNetBut3);
    EXPECT_EQ(m_prompts.last().text, "这不是您创建的订单，你只能查看，无法修改。");
    EXPECT_EQ(f->Grid1->ActiveCell().Row(), 1);
}

TEST_F(OrderManageTest, LinesOfTheClickedOrderCheckAndANewOrder)
{
    addProduct(7, "P", 0.5, 0.25);
    addProduct(8, "Q", 12, 10);
    addBundle(7, "套装", {{8, 1}});
    OrderForm order;
    order.number = "1201";
    order.OrderID = 1201;
    order.ClientId = 20;
    order.CompanyId = 10;
    order.orderDate = QDate(2024, 5, 1);
    order.lines = {{0, false, 7, "P", 3, true}, {0, true, 7, "套装", 2, true}};
    ASSERT_TRUE(SaveOrder(order).isEmpty());

    OrderManage* f = open(false);
    f->Grid1->setActiveCell(1);
    Q_EMIT f->Grid1->Click();
    EXPECT_EQ(gridRows(f->Grid2), (QStringList{"1|7|套装|2|组合", "2|7|P|3|商品"}));
    EXPECT_EQ(gridRows(f->Grid3), (QStringList{"1|7|P|3|0.50", "2|8|Q|2|12"}));
    // Sorted by another column the numbers run from the top again; sorted by number they stay.
    Q_EMIT f->Grid2->horizontalHeader()->sectionClicked(2);
    EXPECT_EQ(gridRows(f->Grid2), (QStringList{"1|7|P|3|商品", "2|7|套装|2|组合"}));
    Q_EMIT f->Grid2->horizontalHeader()->sectionClicked(0);
    Q_EMIT f->Grid2->horizontalHeader()->sectionClicked(0);
    EXPECT_EQ(gridRows(f->Grid2), (QStringList{"2|7|套装|2|组合", "1|7|P|3|商品"}));

    // The check dialog starts from the row and writes its result back into it.
    EXPECT_EQ(f->Grid1->text(1, 5), "25.5");
    WhenModal<OrderCheckForm>([](OrderCheckForm* d) {
        EXPECT_EQ(d->Label1->text(), "订单成本：20.75\r\n订单售价：25.5");
        EXPECT_EQ(d->Text1->Text(), "25.5");
        EXPECT_FALSE(d->Check1->isChecked());
        d->Text1->setText("12.50");
        d->Check1->setChecked(true);
        QTest::mouseClick(d->VsNetBut2, Qt::LeftButton);
    });
    click(f->VsNetBut4);
    EXPECT_EQ(gridRows(f->Grid1).first(), "1201|甲公司|张三|25.5|12.50|2024-05-01|1|-1|");
    EXPECT_EQ(
        rows("select realsell, orderischeck, orderisover, overdate from orderdata where orderid = 1201"),
        QStringList{"12.5|-1|0|" + QDate::currentDate().toString(Qt::ISODate)});
    EXPECT_EQ(rows("select GetLogOperate, GetLogClass, GetEditID from logdata where GetLogClass = 8"),
              QStringList{"2|8|1201"});
    // Checked again with both boxes cleared: overdate stays today, another log row.
    f->Grid1->setActiveCell(1);
    WhenModal<OrderCheckForm>([](OrderCheckForm* d) {
        EXPECT_EQ(d->Text1->Text(), "12.5");
        EXPECT_TRUE(d->Check1->isChecked());
        d->Check1->setChecked(false);
        QTest::mouseClick(d->VsNetBut2, Qt::LeftButton);
    });
    click(f->VsNetBut4);
    EXPECT_EQ(count("select count(*) from logdata where GetLogClass = 8"), 2);
    EXPECT_EQ(f->Grid1->text(1, 7), "-1");
    // A real price longer than the box's 8 typed characters is preset whole and kept by a save.
    Conn.exec("update orderdata set realsell = 123456.78 where orderid = 1201");
    f->RefreshOrderList();
    f->Grid1->setActiveCell(1);
    WhenModal<OrderCheckForm>([](OrderCheckForm* d) {
        EXPECT_EQ(d->Text1->Text(), "123456.78");
        d->Check1->setChecked(true);
        QTest::mouseClick(d->VsNetBut2, Qt::LeftButton);
    });
    click(f->VsNetBut4);
    EXPECT_EQ(rows("select realsell, orderischeck from orderdata where orderid = 1201"),
              QStringList{"123456.78|-1"});
    EXPECT_EQ(f->Grid1->text(1, 5), "123456.78");

    // A new order: the list is searched again and its first row's lines are shown.
    WhenModal<OrderAddform>([this](OrderAddform* d) {
        EXPECT_EQ(d->windowTitle(), "新增订单");
        d->OrderIDTxt->setText("1300");
        d->Text3->setLocked(false);
        d->Text3->setText("2030-01-01");
        whenPartyPicker(20);
        d->Command3->click();
        WhenModal<QuickSelProductFrom>([](QuickSelProductFrom* p) {
            p->ProductId->setText("8");
            p->Grid1->setActiveCell(1);
            p->FoxText1->setText("1");
            p->Command1->click();
        });
        d->Command5[0]->click();
        m_prompts.answerMessage(MsgResult::Ok);
        QTest::mouseClick(d->VsNetBut2, Qt::LeftButton);
    });
    click(f->VsNetBut2);
    EXPECT_EQ(m_prompts.last().text, "成功保存订单[1300]。");
    EXPECT_EQ(gridColumn(f->Grid1, 1), (QStringList{"1300", "1201", "45"}));
    EXPECT_EQ(f->Grid1->ActiveCell().Row(), 1);
    EXPECT_EQ(gridRows(f->Grid2), QStringList{"1|8|Q|1|商品"});
}

} // namespace
