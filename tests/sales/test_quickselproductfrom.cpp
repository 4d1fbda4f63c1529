#include <gtest/gtest.h>

#include <QPushButton>
#include <QTest>

#include "controls/foxtext.h"
#include "platform/grid.h"
#include "sales/quickselproductfrom.h"
#include "tests/sales/salesfixture.h"

namespace {

class QuickSelectProductTest : public SalesTest
{
protected:
    void SetUp() override
    {
        SalesTest::SetUp();
        addProduct(1001, "苹果", 5, 3, "pg", "Apple");
        addProduct(1002, "梨", 4, 2, "l", "Pear");
        addProduct(2001, "苹果汁", 8, 6, "pgz", "apple juice");
        addBundle(1001, "果篮", {{1001, 2}}, "gl");
    }
    struct Choice
    {
        qint32 id = -1;
        qint32 count = -1;
        QString name = "unset";
    };
    static Choice pick(bool mul, bool needCount)
    {
        Choice c;
        QuickSelectProduct(c.id, c.count, c.name, mul, needCount);
        return c;
    }
};

TEST_F(QuickSelectProductTest, SearchesByNumberNameAndInitialsAndNeedsARowAndAQuantity)
{
    WhenModal<QuickSelProductFrom>([this](QuickSelProductFrom* p) {
        EXPECT_EQ(p->windowTitle(), "选择商品");
        EXPECT_EQ(p->Grid1->text(0, 2), "商品名称");
        EXPECT_EQ(p->Grid1->text(0, 3), "英文名称");
        EXPECT_EQ(p->FoxText1->Text(), "0");
        EXPECT_EQ(gridRows(p->Grid1, 1, 2), (QStringList{"1001|苹果", "1002|梨", "2001|苹果汁"}));
        p->ProductId->setText("100");
        EXPECT_EQ(gridRows(p->Grid1, 1, 2), (QStringList{"1001|苹果", "1002|梨"}));
        p->ProductName->setText(" PG");
        EXPECT_EQ(p->ProductId->Text(), "");
        EXPECT_EQ(p->ProductName->Text(), "PG");
        EXPECT_EQ(gridRows(p->Grid1, 1, 2), (QStringList{"1001|苹果", "2001|苹果汁"}));
        p->ProductName->setText("juice");
        EXPECT_EQ(gridRows(p->Grid1, 1, 2), QStringList{"2001|苹果汁"});
        p->ProductName->setText("果汁");
        EXPECT_EQ(gridRows(p->Grid1, 1, 2), QStringList{"2001|苹果汁"});
        p->ProductName->setText("it's");
        EXPECT_EQ(gridRows(p->Grid1, 1, 2), QStringList{});

        m_prompts.answerMessage(MsgResult::Ok);
        p->Command1->click();
        EXPECT_EQ(m_prompts.last().text, "请先选择一个商品。");
        EXPECT_EQ(m_prompts.last().title, "选择商品");

        p->Command4->click();
        EXPECT_EQ(p->ProductName->Text(), "");
        EXPECT_EQ(gridRows(p->Grid1, 1, 2).size(), 3);
        p->Grid1->setActiveCell(3);
        p->FoxText1->setText("");
        m_prompts.answerMessage(MsgResult::Ok);
        p->Command1->click();
        EXPECT_EQ(m_prompts.last().text, "请输入商品数量。");
        EXPECT_EQ(m_prompts.last().title, "");
        EXPECT_EQ(p->FoxText1->Text(), "0");
        p->FoxText1->setText("3");
        p->Command1->click();
    });
    Choice c = pick(false, true);
    EXPECT_EQ(c.id, 2001);
    EXPECT_EQ(c.count, 3);
    EXPECT_EQ(c.name, "苹果汁");

    // Bundles: their own captions and numbers; without NeedCount a quantity of 0 is taken.
    WhenModal<QuickSelProductFrom>([](QuickSelProductFrom* p) {
        EXPECT_EQ(p->windowTitle(), "选择组合商品");
        EXPECT_EQ(p->Grid1->text(0, 2), "组合商品名称");
        EXPECT_EQ(p->Grid1->text(0, 3), "组合英文名称");
        p->ProductId->setText("1001");
        EXPECT_EQ(gridRows(p->Grid1, 1, 2), QStringList{"1001|果篮"});
        p->Grid1->setActiveCell(1);
        p->Command1->click();
    });
    c = pick(true, false);
    EXPECT_EQ(c.id, 1001);
    EXPECT_EQ(c.count, 0);
    EXPECT_EQ(c.name, "果篮");

    // Cancel or the close box after choosing a row hand back nothing.
    WhenModal<QuickSelProductFrom>([](QuickSelProductFrom* p) {
        p->Grid1->setActiveCell(1);
        p->FoxText1->setText("5");
        p->Command2->click();
    });
    c = pick(false, true);
    EXPECT_EQ(c.id, 0);
    EXPECT_EQ(c.count, 0);
    EXPECT_EQ(c.name, "");
    WhenModal<QuickSelProductFrom>([](QuickSelProductFrom* p) {
        p->Grid1->setActiveCell(2);
        p->close();
    });
    c = pick(false, true);
    EXPECT_EQ(c.id, 0);
    EXPECT_EQ(c.name, "");
}

} // namespace
