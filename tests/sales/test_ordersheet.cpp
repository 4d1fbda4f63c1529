#include <gtest/gtest.h>

#include <QFontMetrics>
#include <QLabel>
#include <QRegularExpression>
#include <QTest>

#include "controls/vsnetbut.h"
#include "core/dblayer.h"
#include "core/globalform.h"
#include "core/moneytochinese.h"
#include "core/session.h"
#include "platform/grid.h"
#include "sales/ordermanage.h"
#include "sales/orderprintform.h"
#include "sales/orderrecord.h"
#include "tests/sales/salesfixture.h"
#include "tests/support/pdftext.h"

namespace {

class OrderSheetTest : public SalesTest
{
protected:
    void SetUp() override
    {
        SalesTest::SetUp();
        OwnCompanyName = "星光贸易";
        addProduct(7, "台灯", 12.5, 8);
        addProduct(8, "灯泡", 0.5, 0.2);
        addBundle(9, "台灯套装", {{7, 1}, {8, 4}});
        addCompany(10, "甲公司");
        addClient(20, "张三", 10);
    }
    void TearDown() override
    {
        delete m_list;
        SalesTest::TearDown();
    }
    void saveOrder(qint32 id, const QString& remark, const QList<OrderLine>& lines, qint32 company = 10,
                   qint32 client = 20)
    {
        OrderForm f;
        f.number = QString::number(id);
        f.CompanyId = company;
        f.ClientId = client;
        f.orderDate = QDate(2024, 5, 6);
        f.remark = remark;
        f.lines = lines;
        ASSERT_TRUE(SaveOrder(f).isEmpty());
    }
    OrderManage* list()
    {
        m_list = new OrderManage;
        m_list->show();
        return m_list;
    }
    // The sheet of an order as the list builds it, without showing it.
    Grid* sheet(qint32 orderId, bool isMul)
    {
        OrderManage* l = m_list ? m_list.data() : list();
        GlobalForm<OrderPrintForm>::get(l)->IsMul = isMul;
        l->FillOrderPrint(orderId);
        return GlobalForm<OrderPrintForm>::get()->Grid1;
    }
    static QStringList rowsOf(Grid* g, int c1, int c2)
    {
        QStringList out;
        for (int r = 0; r < g->Rows(); ++r) {
            QStringList cells;
            for (int c = c1; c <= c2; ++c)
                cells << g->text(r, c);
            out << cells.join('|');
        }
        return out;
    }

    QPointer<OrderManage> m_list;
};

TEST_F(OrderSheetTest, EnteredLinesWithRemarkAmountsInCapitalsPrintedToPdf)
{
    saveOrder(500, "  请按时交货", {{0, true, 9, "台灯套装", 2, true}, {0, false, 8, "灯泡", 3, true}});
    Conn.exec("update orderdata set realsell = 30 where orderid = 500");
    OrderManage* l = list();
    l->Grid1->setActiveCell(1);

    const QString pdf = pathOf("sheet.pdf");
    m_prompts.setPreviewPdf(pdf);
    WhenModal<OrderPrintForm>([](OrderPrintForm* form) {
        EXPECT_EQ(form->windowTitle(), "打印主单明细");
        Grid* g = form->Grid1;
        // Two lines: R = 9, a remark row, two signature rows.
        ASSERT_EQ(g->Rows(), 13);
        EXPECT_EQ(rowsOf(g, 1, 7).mid(0, 5),
                  (QStringList{"|序号|商品编号|商品名称|数量|类型|", "星光贸易订单主单明细||||||",
                               "供方：星光贸易     经办人：admin||||||",
                               "需方：甲公司     经办人：张三||||||", "|序号|商品编号|商品名称|数量|类型|"}));
        EXPECT_EQ(rowsOf(g, 2, 6).mid(5, 2), (QStringList{"1|9|台灯套装|2|组合", "2|8|灯泡|3|商品"}));
        // 2 x (12.5 + 4 x 0.5) + 3 x 0.5 = 30.5
        EXPECT_EQ(g->text(7, 2), "合计金额：");
        EXPECT_EQ(g->text(7, 4), "￥30.5    （人民币：叁拾零元伍角零分）");
        EXPECT_EQ(g->text(8, 2), "折扣金额：");
        EXPECT_EQ(g->text(8, 4), "￥30    （人民币：叁拾元整）");
        EXPECT_EQ(g->text(9, 1), "交货日期：2024-05-06");
        EXPECT_EQ(g->text(10, 1), "备注：  请按时交货");
        EXPECT_EQ(g->text(11, 1), "   供方签名：（盖章）" + QString(31, ' ') + "需方签名：（盖章）");
        const QString ymd = "年" + QString(6, ' ') + "月" + QString(6, ' ') + "日";
        EXPECT_EQ(g->text(12, 1), QString(7, ' ') + ymd + QString(31, ' ') + ymd + "  ");
        EXPECT_EQ(g->RowHeight(1), 40);
        EXPECT_EQ(g->RowHeight(12), 40);
        // The framed block: captions, lines, total and discount.
        GridRange block = g->Range(4, 2, 8, 6);
        EXPECT_EQ(block.Borders(0), 2);
        EXPECT_EQ(block.Borders(3), 2);
        EXPECT_EQ(block.Borders(4), 1);
        EXPECT_EQ(block.Borders(5), 1);
        EXPECT_EQ(g->PageSetup().Orientation, 1);
        QTest::mouseClick(form->VsNetBut2, Qt::LeftButton);
        form->close();
    });
    QTest::mouseClick(l->VsNetBut8, Qt::LeftButton);

    ASSERT_EQ(m_prompts.last().kind, ScriptedPrompts::Kind::Preview);
    // The font draws 民 as its radical form, so the PDF's text is read around it.
    const QString page = NoBlanks(PdfText(pdf));
    for (const char* text :
         {"星光贸易订单主单明细", "供方：星光贸易经办人：admin", "需方：甲公司经办人：张三", "台灯套装",
          "合计金额：￥30.5", "叁拾零元伍角零分）", "折扣金额：￥30", "叁拾元整）", "交货日期：2024-05-06",
          "备注：请按时交货", "供方签名：（盖章）需方签名：（盖章）"})
        EXPECT_TRUE(page.contains(QString::fromUtf8(text))) << text << "\n" << page.toStdString();
}

TEST_F(OrderSheetTest, ExpandedLinesOfTheSelectedOrderWithoutRemarkOrPartiesAndAnEmptyOrder)
{
    saveOrder(600, "  \r\n ", {{0, true, 9, "台灯套装", 1, true}}, 0, 99);
    saveOrder(601, "", {});
    Conn.exec("update orderdata set createuser = 77 where orderid = 600");
    CanSeeAllUser = false;
    OrderManage* l = list();
    // The line grids show order 601, but the sheet is for the order asked for.
    l->ShowOrderLines(601);
    Grid* g = sheet(600, false);
    EXPECT_EQ(GlobalForm<OrderPrintForm>::get()->windowTitle(), "打印清单明细");
    ASSERT_EQ(g->Rows(), 12); // R = 9 and no remark row
    EXPECT_EQ(g->text(0, 6), "单价");
    EXPECT_EQ(g->text(2, 1), "供方：星光贸易     经办人：");
    EXPECT_EQ(g->text(3, 1), "需方：");
    EXPECT_EQ(rowsOf(g, 2, 6).mid(5, 2), (QStringList{"1|7|台灯|1|12.5", "2|8|灯泡|4|0.50"}));
    EXPECT_EQ(g->text(9, 1), "交货日期：2024-05-06");
    EXPECT_TRUE(g->text(10, 1).contains("供方签名"));
    delete GlobalForm<OrderPrintForm>::get();

    g = sheet(601, true);
    ASSERT_EQ(g->Rows(), 10); // R = 7: total 5, discount 6, date 7
    EXPECT_EQ(g->text(5, 2), "合计金额：");
    EXPECT_EQ(g->text(5, 4), "￥0    （人民币：" + MoneyToChinese(0) + "）");
    EXPECT_EQ(g->text(6, 2), "折扣金额：");
    EXPECT_EQ(g->text(7, 1), "交货日期：2024-05-06");
    EXPECT_EQ(g->Range(4, 2, 6, 6).Borders(2), 2);
    delete GlobalForm<OrderPrintForm>::get();

    // A remark longer than a line gets a row high enough for all its wrapped lines.
    saveOrder(602, QString(120, QChar(0x5B57)), {});
    g = sheet(602, true);
    ASSERT_EQ(g->text(8, 1), "备注：" + QString(120, QChar(0x5B57)));
    EXPECT_GE(g->RowHeight(8), 3 * QFontMetrics(g->font()).lineSpacing());
    delete GlobalForm<OrderPrintForm>::get();
}

TEST_F(OrderSheetTest, AmountsInCapitalsWrapAndPrintWhole)
{
    // The largest total the boxes allow: the largest price times the largest quantity; and a real
    // price of eight digits with its cents.
    addProduct(99, "大件", 99999999, 1);
    saveOrder(700, "", {{0, false, 99, "大件", 2147483647, true}});
    Conn.exec("update orderdata set realsell = 12345678.91 where orderid = 700");
    OrderManage* l = list();
    l->Grid1->setActiveCell(1);
    ASSERT_EQ(l->Grid1->text(1, 1), "700");

    const QString pdf = pathOf("large.pdf");
    m_prompts.setPreviewPdf(pdf);
    QStringList amounts;
    WhenModal<OrderPrintForm>([&amounts](OrderPrintForm* form) {
        Grid* g = form->Grid1;
        const int lineHeight = QFontMetrics(g->font()).lineSpacing();
        for (int row : {6, 7}) {
            amounts << g->text(row, 4);
            // On screen the rows wrap and are as high as their lines.
            EXPECT_GE(g->RowHeight(row), 2 * lineHeight) << row;
        }
        QTest::mouseClick(form->VsNetBut2, Qt::LeftButton);
        form->close();
    });
    QTest::mouseClick(l->VsNetBut8, Qt::LeftButton);
    ASSERT_EQ(amounts.size(), 2);
    // 2147483647 x 99999999 is stored as the nearest double, written alike in figures and capitals.
    EXPECT_EQ(amounts[0], "￥214748362552516350    （人民币：" + MoneyToChinese(214748362552516353.0) + "）");
    EXPECT_TRUE(amounts[0].endsWith("叁佰伍拾元整）"));
    EXPECT_EQ(amounts[1], "￥12345678.91    （人民币：壹仟贰佰叁拾肆万伍仟陆佰柒拾捌元玖角壹分）");

    // On paper each amount's lines follow one another, the caption beside them.
    QString page = PdfText(pdf);
    page.remove(QRegularExpression("\\s"));
    page.remove("合计金额：");
    page.remove("折扣金额：");
    for (const QString& amount : amounts) {
        // The font draws 民 as its radical form, so the text is read around it.
        const QStringList parts = NoBlanks(amount).split("民");
        ASSERT_EQ(parts.size(), 2);
        for (const QString& part : parts)
            EXPECT_TRUE(page.contains(part)) << part.toStdString() << "\n" << page.toStdString();
    }
}

} // namespace
