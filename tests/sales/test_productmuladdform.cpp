#include <gtest/gtest.h>

#include <QPointer>
#include <QPushButton>
#include <QTest>

#include "controls/foxtext.h"
#include "controls/vsnetbut.h"
#include "platform/grid.h"
#include "sales/productmuladdform.h"
#include "sales/quickselproductfrom.h"
#include "tests/sales/salesfixture.h"

namespace {

class ProductMulAddFormTest : public SalesTest
{
protected:
    void SetUp() override
    {
        SalesTest::SetUp();
        addProduct(11, "螺丝", 1, 0.5, "ls");
        addProduct(12, "螺母", 2, 1, "lm");
    }
    QPointer<ProductMulAddForm> open(qint32 id)
    {
        auto* form = new ProductMulAddForm;
        form->GetProductMulId = id;
        form->show();
        return form;
    }
    static QStringList members(ProductMulAddForm* f)
    {
        QStringList rows;
        for (int r = 1; r < f->Grid1->Rows(); ++r) {
            QStringList cells;
            for (int c = 1; c <= 5; ++c)
                cells << (c == 4 ? (f->Grid1->text(r, c) == "0" ? "new" : "stored") : f->Grid1->text(r, c));
            rows << cells.join('|');
        }
        return rows;
    }
    // Adds a product through the picker: typed number, quantity.
    static void addMember(ProductMulAddForm* f, const QString& number, const QString& count)
    {
        WhenModal<QuickSelProductFrom>([number, count](QuickSelProductFrom* p) {
            EXPECT_EQ(p->windowTitle(), "选择商品");
            p->ProductId->setText(number);
            p->Grid1->setActiveCell(1);
            p->FoxText1->setText(count);
            p->Command1->click();
        });
        f->Command1->click();
    }
    static void click(VsNetBut* b) { QTest::mouseClick(b, Qt::LeftButton); }
};

TEST_F(ProductMulAddFormTest, MembersAreAddedCountedChangedAndRemovedThenSavedWithTheBundle)
{
    QPointer<ProductMulAddForm> form = open(0);
    EXPECT_EQ(form->windowTitle(), "新增组合商品");
    EXPECT_EQ(form->Command1->text(), "新 增\n单 品");
    EXPECT_EQ(form->Grid1->text(0, 3), "单件商品数量");
    EXPECT_EQ(form->Grid1->Column(4).Width(), 0);

    addMember(form, "11", "2");
    m_prompts.answerMessage(MsgResult::Ok);
    addMember(form, "11", "3");
    EXPECT_EQ(m_prompts.last().text, "您选择的单品已存在组合中，你输入的数量将加上原来的数量。");
    EXPECT_EQ(m_prompts.last().title, "新增单品");
    addMember(form, "12", "1");
    EXPECT_EQ(members(form), (QStringList{"11|螺丝|5|new|1", "12|螺母|1|new|1"}));

    form->Grid1->setActiveCell(0);
    m_prompts.answerMessage(MsgResult::Ok);
    form->Command2->click();
    EXPECT_EQ(m_prompts.last().text, "请先选择一个商品。");
    EXPECT_EQ(m_prompts.last().title, "选择客户");

    // Only a whole number from 1 within the column's range changes the quantity.
    form->Grid1->setActiveCell(2);
    for (const char* answer : {"", "0", "2.5", "abc", "99999999999", "7"}) {
        m_prompts.answerInput(answer);
        form->Command2->click();
    }
    EXPECT_EQ(m_prompts.last().text, "请输入商品数量：");
    EXPECT_EQ(m_prompts.last().title, "修改商品数量");
    EXPECT_EQ(m_prompts.last().defaultText, "1");
    EXPECT_TRUE(m_prompts.last().inputOptions.onlyNumber);
    EXPECT_FALSE(m_prompts.last().inputOptions.userDot);
    EXPECT_TRUE(m_prompts.last().inputOptions.selAll);
    EXPECT_EQ(members(form), (QStringList{"11|螺丝|5|new|1", "12|螺母|7|new|1"}));

    // A member not yet stored goes without a question.
    form->Grid1->setActiveCell(2);
    form->Command3->click();
    EXPECT_EQ(members(form), QStringList{"11|螺丝|5|new|1"});

    m_prompts.answerMessage(MsgResult::Ok);
    click(form->VsNetBut2);
    EXPECT_EQ(m_prompts.last().text, "部分数据发生错误：\r\n\r\n1、[组合商品编号] 不能为0！\r\n"
                                     "2、[组合商品名称] 不能为空！\r\n\r\n请修改后再进行保存。");
    EXPECT_EQ(form->ProductId->Text(), "0");
    form->ProductId->setText("0600");
    form->ProductName->setText(" 五金套装 ");
    m_prompts.answerMessage(MsgResult::Ok);
    click(form->VsNetBut2);
    EXPECT_EQ(m_prompts.last().text, "成功保存组合商品[五金套装]。");
    EXPECT_EQ(m_prompts.last().title, "保存商品");
    EXPECT_EQ(rows("select GetProductMul, GetProductSin, GetProductSinCount from ProductSinMul"),
              QStringList{"600|11|5"});
}

TEST_F(ProductMulAddFormTest, AStoredMemberIsDeletedAtOnceAfterTheQuestion)
{
    addBundle(600, "五金套装", {{11, 5}, {12, 1}});
    QPointer<ProductMulAddForm> form = open(600);
    EXPECT_EQ(form->windowTitle(), "修改组合商品--[五金套装]");
    EXPECT_FALSE(form->ProductId->Enabled());
    EXPECT_EQ(form->ProductId->Text(), "600");
    EXPECT_EQ(members(form), (QStringList{"11|螺丝|5|stored|", "12|螺母|1|stored|"}));

    form->Grid1->setActiveCell(1);
    m_prompts.answerMessage(MsgResult::Cancel);
    form->Command3->click();
    EXPECT_EQ(m_prompts.last().text,
              "您确定要删除组合产品中的单品 [螺丝] ？\r\n\r\n此操作为一次性操作，不可逆！！");
    EXPECT_EQ(m_prompts.last().title, "删除单品");
    EXPECT_EQ(m_prompts.last().buttons, MsgButtons::OkCancel);
    EXPECT_EQ(members(form).size(), 2);
    m_prompts.answerMessage(MsgResult::Ok);
    form->Command3->click();
    EXPECT_EQ(members(form), QStringList{"12|螺母|1|stored|"});
    EXPECT_EQ(count("select count(*) from ProductSinMul"), 1);

    // Reset and close keep the deletion.
    click(form->VsNetBut4);
    EXPECT_EQ(members(form), QStringList{"12|螺母|1|stored|"});
    click(form->VsNetBut7);
    EXPECT_EQ(rows("select GetProductSin from ProductSinMul"), QStringList{"12"});
    EXPECT_EQ(count("select count(*) from logdata"), 0);
}

} // namespace
