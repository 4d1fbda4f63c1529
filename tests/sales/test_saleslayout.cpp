#include <gtest/gtest.h>

#include <QFontMetrics>
#include <QGroupBox>
#include <QPointer>

#include "core/session.h"
#include "platform/grid.h"
#include "sales/orderaddform.h"
#include "sales/ordercheckform.h"
#include "sales/ordermanage.h"
#include "sales/orderprintform.h"
#include "sales/productaddform.h"
#include "sales/productmuladdform.h"
#include "sales/quickselproductfrom.h"
#include "tests/sales/salesfixture.h"

namespace {

class SalesLayoutTest : public SalesTest
{
protected:
    void SetUp() override
    {
        SalesTest::SetUp();
        UserFontSize = 14;
        FoxTextHeight = 360;
    }
    void TearDown() override
    {
        UserFontSize = 11;
        FoxTextHeight = 330;
        SalesTest::TearDown();
    }

    // The controls of the window, and those of its frames, that lie partly outside their parent.
    static QStringList outside(QWidget* window)
    {
        QStringList names;
        const auto check = [&names](QWidget* parent) {
            for (QWidget* w : parent->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
                if (!w->isWindow() && w->isVisible() && !parent->rect().contains(w->geometry()))
                    names << w->objectName() + "/" + w->metaObject()->className();
            }
        };
        check(window);
        for (QGroupBox* frame : window->findChildren<QGroupBox*>())
            check(frame);
        return names;
    }
};

TEST_F(SalesLayoutTest, DialogsKeepTheirControlsInsideAndListsShowWholeNumbersAtTheLargestFont)
{
    const auto shown = [](QWidget* w) {
        w->show();
        QPointer<QWidget> guard(w);
        return guard;
    };
    for (QPointer<QWidget> w :
         {shown(new ProductAddForm), shown(new ProductMulAddForm), shown(new QuickSelProductFrom),
          shown(new OrderAddform), shown(new OrderCheckForm), shown(new OrderPrintForm)}) {
        EXPECT_EQ(outside(w), QStringList()) << w->metaObject()->className();
        w->close();
    }

    // An order number of eight digits shows whole in the order list and in the line grids.
    QPointer<OrderManage> list = new OrderManage;
    list->show();
    const int eightDigits = QFontMetrics(list->Grid1->font()).horizontalAdvance(QStringLiteral("20240501"));
    EXPECT_GT(list->Grid1->Column(1).Width(), eightDigits);
    EXPECT_GT(list->Grid2->Column(2).Width(), eightDigits);
    list->close();
}

} // namespace
