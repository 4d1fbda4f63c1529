#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include <QGuiApplication>
#include <QImage>
#include <QPalette>
#include <QPixmap>

#include "controls/clsgradient.h"
#include "controls/olecolor.h"

namespace {

QColor toQColor(OleColor value)
{
    return QColor(value & 0xFF, (value >> 8) & 0xFF, (value >> 16) & 0xFF);
}

QList<OleColor> blend(const clsGradient& gradient, int steps)
{
    QList<OleColor> colors;
    gradient.BlendColors(gradient.Color1(), gradient.Color2(), steps, colors);
    return colors;
}

QImage blank(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::magenta);
    return image;
}

// Which of the colours a pixel has; -1 when none.
qsizetype indexOf(const QList<OleColor>& colors, QRgb pixel)
{
    for (qsizetype i = 0; i < colors.size(); ++i)
        if (toQColor(colors.at(i)) == QColor(pixel))
            return i;
    return -1;
}

} // namespace

TEST(clsGradient, DefaultsAndAngleKeptWithinACircle)
{
    clsGradient gradient;
    EXPECT_EQ(gradient.Color1(), 0x00FFFFD0);
    EXPECT_EQ(gradient.Color2(), 0x00400000);
    EXPECT_EQ(gradient.Angle(), 315.0f);

    const struct
    {
        float in;
        float stored;
    } angles[] = {{-45, 315}, {360, 0}, {725, 5}, {-30, 330}, {90, 90}, {-720, 0}, {359.5f, 359.5f}};
    for (const auto& a : angles) {
        gradient.setAngle(a.in);
        EXPECT_EQ(gradient.Angle(), a.stored) << a.in;
    }
    // Just below 0 comes out as 360 in single precision: that is 0, the one circle it stands for.
    gradient.setAngle(-1e-6f);
    EXPECT_EQ(gradient.Angle(), 0.0f);
}

TEST(clsGradient, SystemColoursBelowTwentyFiveAreTakenAtTheirValue)
{
    clsGradient gradient;
    gradient.setColor1(SystemColor(SysButtonFace));
    EXPECT_EQ(gradient.Color1(),
              QColorToOle(QGuiApplication::palette().color(QPalette::Active, QPalette::Button)));
    gradient.setColor2(OleColor(0x80000019));
    EXPECT_EQ(gradient.Color2(), OleColor(0x80000019));
    gradient.setColor2(OleRgb(1, 2, 3));
    EXPECT_EQ(gradient.Color2(), OleRgb(1, 2, 3));
}

TEST(clsGradient, BlendColorsDividesByTheNumberOfColours)
{
    clsGradient gradient;
    QList<OleColor> colors;
    for (int steps : {0, 1}) {
        EXPECT_EQ(gradient.BlendColors(OleRgb(1, 2, 3), OleRgb(4, 5, 6), steps, colors), 2);
        EXPECT_EQ(colors, (QList<OleColor>{OleRgb(1, 2, 3), OleRgb(4, 5, 6)}));
    }
    // A third of the way, not half.
    EXPECT_EQ(gradient.BlendColors(OleRgb(0, 0, 0), OleRgb(255, 30, 3), 3, colors), 3);
    EXPECT_EQ(colors, (QList<OleColor>{OleRgb(0, 0, 0), OleRgb(85, 10, 1), OleRgb(255, 30, 3)}));
    // Halves go to the even neighbour: 2.5 -> 2, 5 -> 5.
    gradient.BlendColors(OleRgb(0, 0, 0), OleRgb(10, 0, 0), 4, colors);
    EXPECT_EQ(colors, (QList<OleColor>{0, 2, 5, 10}));
    // The ends stay exactly as given, a system-colour reference included.
    gradient.BlendColors(OleColor(0x80000019), OleRgb(125, 0, 0), 2 + 1, colors);
    EXPECT_EQ(colors.at(0), OleColor(0x80000019));
    EXPECT_EQ(colors.at(1), OleRgb(25 + 33, 0, 0));
}

TEST(clsGradient, LinesForTheFourMainAngles)
{
    QList<QPoint> points = GradientLinePoints(0, 40, 20);
    // Vertical lines from x = 0 to x = 41, the first reaching well past top and bottom.
    ASSERT_EQ(points.size(), 84);
    EXPECT_EQ(points.at(0), QPoint(0, 39));
    EXPECT_EQ(points.at(1), QPoint(0, -19));
    EXPECT_EQ(points.at(3), QPoint(1, -19));
    EXPECT_EQ(points.last(), QPoint(41, -19));

    points = GradientLinePoints(90, 40, 20);
    ASSERT_EQ(points.size(), 44);
    EXPECT_EQ(points.at(0), QPoint(49, 20));
    EXPECT_EQ(points.at(1), QPoint(-9, 20));
    EXPECT_EQ(points.last(), QPoint(-9, -1));

    points = GradientLinePoints(180, 40, 20);
    EXPECT_EQ(points.at(0), QPoint(40, -19));
    EXPECT_EQ(points.last(), QPoint(-1, 39));

    points = GradientLinePoints(270, 40, 20);
    EXPECT_EQ(points.at(0), QPoint(-9, 0));
    EXPECT_EQ(points.last(), QPoint(49, 21));

    // A sweep can end on a point of no line.
    EXPECT_EQ(GradientLinePoints(315, 40, 40).size(), 165);
    EXPECT_TRUE(GradientLinePoints(std::numeric_limits<float>::quiet_NaN(), 40, 40).isEmpty());
}

TEST(clsGradient, AngleZeroRunsFromTheLeftEdgeToBeyondTheRight)
{
    clsGradient gradient;
    gradient.setAngle(0);
    QImage image = blank(40, 20);
    ASSERT_TRUE(gradient.Draw(image));
    const QList<OleColor> colors = blend(gradient, 42);
    for (int y : {0, 10, 19})
        for (int x = 0; x < 40; ++x)
            ASSERT_EQ(QColor(image.pixel(x, y)), toQColor(colors.at(x))) << x << "," << y;
    EXPECT_EQ(QColor(image.pixel(0, 0)), toQColor(gradient.Color1()));
}

TEST(clsGradient, AnglesNinetyOneEightyTwoSeventyStartAtBottomRightTop)
{
    clsGradient gradient;
    gradient.setColor1(OleRgb(255, 0, 0));
    gradient.setColor2(OleRgb(0, 0, 255));

    // From the bottom up: line 0 lies just below the picture.
    gradient.setAngle(90);
    QImage image = blank(40, 20);
    ASSERT_TRUE(gradient.Draw(image));
    QList<OleColor> colors = blend(gradient, 22);
    for (int y = 0; y < 20; ++y)
        EXPECT_EQ(QColor(image.pixel(7, y)), toQColor(colors.at(20 - y))) << y;

    // From the right.
    gradient.setAngle(180);
    image = blank(40, 20);
    ASSERT_TRUE(gradient.Draw(image));
    colors = blend(gradient, 42);
    for (int x = 0; x < 40; ++x)
        EXPECT_EQ(QColor(image.pixel(x, 13)), toQColor(colors.at(40 - x))) << x;

    // From the top down, the top row in the start colour.
    gradient.setAngle(270);
    image = blank(40, 20);
    ASSERT_TRUE(gradient.Draw(image));
    colors = blend(gradient, 22);
    for (int y = 0; y < 20; ++y)
        EXPECT_EQ(QColor(image.pixel(30, y)), toQColor(colors.at(y))) << y;
    EXPECT_EQ(QColor(image.pixel(0, 0)), QColor(255, 0, 0));
}

TEST(clsGradient, DiagonalFromTheTopLeftCorner)
{
    clsGradient gradient;
    QPixmap pixmap(40, 40);
    pixmap.fill(Qt::magenta);
    ASSERT_TRUE(gradient.Draw(pixmap));
    const QImage image = pixmap.toImage();
    // 165 points make 82 lines, 82 colours.
    const QList<OleColor> colors = blend(gradient, 82);
    const qsizetype topLeft = indexOf(colors, image.pixel(0, 0));
    const qsizetype bottomRight = indexOf(colors, image.pixel(39, 39));
    EXPECT_GE(topLeft, 0);
    EXPECT_LE(topLeft, 1);
    EXPECT_GE(bottomRight, 77);
    EXPECT_LE(bottomRight, 79);
    // Every pixel painted, later along the diagonal never earlier in the blend.
    qsizetype previous = -1;
    for (int i = 0; i < 40; ++i) {
        const qsizetype index = indexOf(colors, image.pixel(i, i));
        ASSERT_GE(index, previous) << i;
        previous = index;
    }
    // The other diagonal lies across the gradient: one colour, give or take the line's steps.
    const qsizetype middle = indexOf(colors, image.pixel(20, 19));
    EXPECT_LE(std::abs(indexOf(colors, image.pixel(5, 34)) - middle), 1);
    EXPECT_LE(std::abs(indexOf(colors, image.pixel(34, 5)) - middle), 1);
}

TEST(clsGradient, NothingForAPictureOnePixelHighOrWithoutAngle)
{
    clsGradient gradient;
    QImage line = blank(40, 1);
    EXPECT_FALSE(gradient.Draw(line));
    EXPECT_EQ(QColor(line.pixel(10, 0)), QColor(Qt::magenta));
    QImage narrow = blank(1, 40);
    EXPECT_FALSE(gradient.Draw(narrow));
    QImage smallest = blank(2, 2);
    EXPECT_TRUE(gradient.Draw(smallest));

    gradient.setAngle(std::numeric_limits<float>::quiet_NaN());
    QImage image = blank(10, 10);
    EXPECT_FALSE(gradient.Draw(image));
}
