#include <gtest/gtest.h>

#include <QComboBox>
#include <QPointer>
#include <QTest>

#include "controls/foxtext.h"
#include "controls/vsnetbut.h"
#include "core/dblayer.h"
#include "sales/productaddform.h"
#include "tests/sales/salesfixture.h"

namespace {

class ProductAddFormTest : public SalesTest
{
protected:
    QPointer<ProductAddForm> open(qint32 id)
    {
        auto* form = new ProductAddForm;
        form->GetProductId = id;
        form->show();
        return form;
    }
    static void click(VsNetBut* b) { QTest::mouseClick(b, Qt::LeftButton); }
    static QString text(ProductAddForm* f, const char* box) { return f->box(box)->Text(); }
};

TEST_F(ProductAddFormTest, StoredProductShowsItsValuesReloadsAndKeepsItsUnitWhenSaved)
{
    Conn.exec(
        "insert into product (productid, productname, ProductCost, ProductSell, PackNum, GetProductUnit) "
        "values (100, '台灯', 0, 35.5, 12, 5)");
    QPointer<ProductAddForm> form = open(100);
    EXPECT_EQ(form->windowTitle(), "修改商品--[台灯]");
    EXPECT_FALSE(form->box("ProductId")->Enabled());
    EXPECT_EQ(text(form, "ProductId"), "100");
    EXPECT_EQ(text(form, "ProductCost"), "");
    EXPECT_EQ(text(form, "ProductSell"), "35.5");
    EXPECT_EQ(form->Combo1->currentText(), "台");

    // Reset discards what was typed.
    form->box("ProductSell")->setText("99");
    form->box("PackNum")->setText("2.5");
    click(form->VsNetBut4);
    EXPECT_EQ(text(form, "ProductSell"), "35.5");
    EXPECT_EQ(text(form, "PackNum"), "12");

    // A failed save keeps the dialog open with the trimmed texts.
    form->box("PackCube")->setText(" 1.5\r\n");
    form->box("PackNum")->setText(" 2.5 ");
    m_prompts.answerMessage(MsgResult::Ok);
    click(form->VsNetBut2);
    EXPECT_EQ(m_prompts.last().text,
              "部分数据发生错误：\r\n\r\n1、[大包商品数量] 必须为整数！\r\n\r\n请修改后再进行保存。");
    EXPECT_EQ(m_prompts.last().title, "");
    ASSERT_TRUE(form);
    EXPECT_EQ(text(form, "PackNum"), "2.5");
    EXPECT_EQ(text(form, "PackCube"), "1.5");

    form->box("PackNum")->setText("24");
    m_prompts.answerMessage(MsgResult::Ok);
    click(form->VsNetBut2);
    EXPECT_EQ(m_prompts.last().text, "成功保存商品[台灯]。");
    EXPECT_EQ(m_prompts.last().title, "保存商品");
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_FALSE(form);
    EXPECT_EQ(rows("select PackNum, PackCube, GetProductUnit, ProductCost from product"),
              QStringList{"24|1.5|5|0"});
}

TEST_F(ProductAddFormTest, AMissingProductOpensAsNewAndAnEmptyUnitTableStoresUnitZero)
{
    Conn.exec("delete from ProductUnit");
    QPointer<ProductAddForm> form = open(4711);
    EXPECT_EQ(form->GetProductId, 0);
    EXPECT_EQ(form->windowTitle(), "新增商品");
    EXPECT_TRUE(form->box("ProductId")->Enabled());
    EXPECT_EQ(form->Combo1->count(), 0);
    EXPECT_FALSE(form->VsNetBut5->Enabled());

    form->box("ProductId")->setText("007");
    form->box("ProductName")->setText("茶杯");
    m_prompts.answerMessage(MsgResult::Ok);
    click(form->VsNetBut2);
    EXPECT_EQ(m_prompts.last().text, "成功保存商品[茶杯]。");
    EXPECT_EQ(rows("select productid, GetProductUnit, ProductPinyin from product"), QStringList{"7|0|cb"});
}

} // namespace
