#include <gtest/gtest.h>

#include <cmath>

#include <QAction>
#include <QCheckBox>
#include <QDate>
#include <QImage>
#include <QMenu>
#include <QStyle>
#include <QStyleOptionButton>

#include "affairs/afairshowform.h"
#include "sales/ordermanage.h"
#include "tests/app/mainformtest.h"

// What the user sees of a control that is disabled: under every skin its text is visibly fainter
// than that of its enabled neighbour.

namespace {

double distance(const QColor& a, const QColor& b)
{
    return std::hypot(a.red() - b.red(), a.green() - b.green(), a.blue() - b.blue());
}

// How far the text drawn in rect stands out from the background at the rect's left edge: the
// distance of the pixel farthest from it.
double inkContrast(const QImage& image, const QRect& rect)
{
    const QColor background = image.pixelColor(rect.left() + 1, rect.center().y());
    double most = 0;
    for (int y = rect.top(); y <= rect.bottom(); ++y) {
        for (int x = rect.left(); x <= rect.right(); ++x)
            most = std::max(most, distance(image.pixelColor(x, y), background));
    }
    return most;
}

QRect checkBoxText(QCheckBox* box)
{
    QStyleOptionButton option;
    option.initFrom(box);
    return box->style()->subElementRect(QStyle::SE_CheckBoxContents, &option, box);
}

QImage imageOf(QWidget* widget)
{
    return widget->grab().toImage().convertToFormat(QImage::Format_RGB32);
}

// Enabled text stands out; disabled text clearly less, yet it is still there to read.
void expectFainter(double disabled, double enabled, const char* what)
{
    EXPECT_GT(enabled, 100.0) << what;
    EXPECT_LT(disabled, 0.7 * enabled) << what << ": " << disabled << " against " << enabled;
    EXPECT_GT(disabled, 20.0) << what;
}

} // namespace

TEST_F(MainFormTest, DisabledMenuItemsButtonsAndLockedBoxesLookDisabledUnderEverySkin)
{
    addClerk();
    // One of the clerk's affairs, done (and so closed).
    change(QStringLiteral("insert into affair (affairid, Affairname, AffairDate, RemainDate, GetAffairClass, "
                          "GetAffairSubject, GetClient, GetAffairRegular, createuser, isover, isclose) "
                          "values (7, '回访', ?, 0, 1, 1, 0, 0, 2, -1, -1)"),
           {QDate::currentDate()});
    logIn(2);
    open();
    ASSERT_EQ(m_form->GetSkin.size(), 9u);
    for (int skin = 0; skin < 9; ++skin) {
        SCOPED_TRACE(m_form->GetSkin[skin]->text().toStdString());
        m_form->GetSkin[skin]->trigger();

        // "新增单件商品" and "新增组合商品" beside "商品管理".
        QMenu* products = m_form->ProductManageMenu->menu();
        ASSERT_NE(products, nullptr);
        products->popup(QPoint(300, 300));
        ASSERT_TRUE(QTest::qWaitForWindowExposed(products));
        const QImage menu = imageOf(products);
        const double enabledItem = inkContrast(menu, products->actionGeometry(m_form->ProductManageClick));
        for (QAction* item : {m_form->ProductSinClick, m_form->ProductMulClick}) {
            ASSERT_FALSE(item->isEnabled());
            expectFainter(inkContrast(menu, products->actionGeometry(item)), enabledItem, "menu item");
        }
        products->hide();

        // "审核订单" of the order list, for a user who may not check orders.
        QTest::mouseClick(m_form->VsNetBut8, Qt::LeftButton);
        OrderManage* orders = GlobalForm<OrderManage>::loaded();
        ASSERT_NE(orders, nullptr);
        ASSERT_FALSE(orders->VsNetBut4->Enabled());
        expectFainter(inkContrast(imageOf(orders->VsNetBut4), orders->VsNetBut4->rect()),
                      inkContrast(imageOf(orders->VsNetBut5), orders->VsNetBut5->rect()), "审核订单");
        orders->close();
        flush();

        // The detail view of a done affair: "关闭" is locked while "完成" is ticked.
        AFairShowForm detail;
        detail.AffairID = 7;
        detail.show();
        ASSERT_TRUE(detail.Check1->isChecked());
        ASSERT_FALSE(detail.Check2->isEnabled());
        expectFainter(inkContrast(imageOf(detail.Check2), checkBoxText(detail.Check2)),
                      inkContrast(imageOf(detail.Check1), checkBoxText(detail.Check1)), "关闭");
    }
}
