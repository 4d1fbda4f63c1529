#include <gtest/gtest.h>

#include <QLabel>
#include <QMainWindow>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QWidget>

#include "core/formsizelimits.h"

TEST(FormSizeLimitsTest, TwipsConvertWithTheFractionDropped)
{
    EXPECT_EQ(TwipsToPixels(11490), 766);
    EXPECT_EQ(TwipsToPixels(8617), 574);
    EXPECT_EQ(TwipsToPixels(14), 0);
    const FormSizeLimits limits = FormSizeLimitsFromTwips(11490, 8617, 0, 0);
    EXPECT_EQ(limits.FormMinWidth, 766);
    EXPECT_EQ(limits.FormMinHeight, 574);
    EXPECT_EQ(limits.minimumSize(), QSize(766, 574));
    EXPECT_EQ(limits.maximumSize(), QSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX));
}

TEST(FormSizeLimitsTest, SmallMinimumsAndCloseMaximumsAreLeftToThePlatform)
{
    // 1500 twips are 100 pixels: not enforced; 1515 are 101: enforced.
    EXPECT_EQ(FormSizeLimitsFromTwips(1500, 1515, 0, 0).minimumSize(), QSize(0, 101));
    // A maximum counts only when it is more than 100 pixels above the minimum.
    const FormSizeLimits limits = FormSizeLimitsFromTwips(3000, 3000, 4500, 4515);
    EXPECT_EQ(limits.maximumSize(), QSize(QWIDGETSIZE_MAX, 301));
    EXPECT_EQ(FormSizeLimitsFromTwips(0, 0, 1515, 1500).maximumSize(), QSize(101, QWIDGETSIZE_MAX));
}

TEST(FormSizeLimitsTest, WindowTakesItsMinimumSizeAtOnceAndCannotShrink)
{
    QWidget window;
    SetFormSizeLimits(&window, 11490, 8617, 0, 0);
    EXPECT_EQ(window.size(), QSize(766, 574));
    EXPECT_EQ(window.minimumSize(), QSize(766, 574));
    window.resize(300, 200);
    EXPECT_EQ(window.size(), QSize(766, 574));
    window.resize(1000, 800);
    EXPECT_EQ(window.size(), QSize(1000, 800));
}

TEST(FormSizeLimitsTest, MaximumHoldsWhenGiven)
{
    QWidget window;
    SetFormSizeLimits(&window, 3000, 3000, 6000, 6000);
    window.resize(1000, 1000);
    EXPECT_EQ(window.size(), QSize(400, 400));
    EXPECT_EQ(FormSizeLimitsOf(&window).FormMaxWidth, 400);
}

TEST(FormSizeLimitsTest, EachWindowKeepsItsOwnLimits)
{
    QMainWindow main;
    auto* area = new QMdiArea(&main);
    main.setCentralWidget(area);
    SetFormSizeLimits(&main, 11490, 8617, 0, 0);

    auto* list = new QWidget;
    QMdiSubWindow* sub = area->addSubWindow(list);
    SetFormSizeLimits(list, 11010, 8315, 0, 0);

    auto* other = new QWidget;
    area->addSubWindow(other);
    SetFormSizeLimits(other, 8775, 7005, 0, 0);

    EXPECT_EQ(main.minimumSize(), QSize(766, 574));
    EXPECT_EQ(sub->minimumSize(), QSize(734, 554));
    EXPECT_EQ(FormSizeLimitsOf(&main).FormMinWidth, 766);
    EXPECT_EQ(FormSizeLimitsOf(list).FormMinWidth, 734);
    EXPECT_EQ(FormSizeLimitsOf(other).FormMinHeight, 467);
    sub->resize(100, 100);
    EXPECT_EQ(sub->size(), QSize(734, 554));
    main.resize(100, 100);
    EXPECT_EQ(main.size(), QSize(766, 574));

    // A window with its controls, hooked in its Load (twice: the second call's limits hold)
    // before it is put into its sub-window.
    auto* late = new QWidget;
    new QLabel(QStringLiteral("列表"), late);
    new QPushButton(QStringLiteral("关闭"), late);
    SetFormSizeLimits(late, 9825, 7905, 0, 0);
    SetFormSizeLimits(late, 12720, 8805, 0, 0);
    QMdiSubWindow* lateSub = area->addSubWindow(late);
    EXPECT_EQ(lateSub->minimumSize(), QSize(848, 587));
    EXPECT_EQ(late->minimumSize(), QSize(0, 0));
    lateSub->resize(100, 100);
    EXPECT_EQ(lateSub->size(), QSize(848, 587));

    QWidget never;
    EXPECT_EQ(FormSizeLimitsOf(&never).FormMinWidth, 0);
}
