#include <gtest/gtest.h>

#include <QRadioButton>
#include <QTest>
#include <QWidget>

#include "controls/optionclick.h"

// One Click per selection, by the mouse, the keyboard or code, and one per click on the option
// already selected; never two for one click.
TEST(OptionClick, EachClickAndEachSelectionRunsTheHandlerOnce)
{
    QWidget window;
    auto* first = new QRadioButton(QStringLiteral("今天"), &window);
    auto* second = new QRadioButton(QStringLiteral("全部"), &window);
    second->move(0, 30);
    int firstClicks = 0;
    int secondClicks = 0;
    OnOptionClick(first, &window, [&firstClicks] { ++firstClicks; });
    OnOptionClick(second, &window, [&secondClicks] { ++secondClicks; });
    window.show();

    first->setChecked(true);
    EXPECT_EQ(firstClicks, 1);
    QTest::mouseClick(first, Qt::LeftButton);
    EXPECT_EQ(firstClicks, 2);
    QTest::mouseClick(second, Qt::LeftButton);
    EXPECT_EQ(secondClicks, 1);
    EXPECT_EQ(firstClicks, 2);
    second->setFocus();
    QTest::keyClick(second, Qt::Key_Space);
    EXPECT_EQ(secondClicks, 2);
    // Unselected from code: no Click.
    first->setChecked(true);
    EXPECT_EQ(secondClicks, 2);
    EXPECT_EQ(firstClicks, 3);
    // A press that ends off the option is no click.
    QTest::mousePress(first, Qt::LeftButton);
    QTest::mouseRelease(first, Qt::LeftButton, {}, QPoint(-5, -5));
    EXPECT_EQ(firstClicks, 3);
    QTest::mouseClick(first, Qt::LeftButton);
    EXPECT_EQ(firstClicks, 4);
}
