#include <gtest/gtest.h>

#include <QApplication>
#include <QCursor>
#include <QFocusEvent>
#include <QFontMetrics>
#include <QImage>
#include <QMouseEvent>
#include <QPainter>
#include <QSignalSpy>
#include <QTest>

#include "controls/olecolor.h"
#include "controls/vsnetbut.h"
#include "controls/vsnetbutlayout.h"

namespace {

VsNetButLayout layOut(const VsNetButLayoutInput& in)
{
    VsNetButLayout layout;
    layout.calculate(in);
    return layout;
}

VsNetButLayoutInput input(int width, int height)
{
    VsNetButLayoutInput in;
    in.size = QSize(width, height);
    in.caption = QStringLiteral("OK");
    in.font = QApplication::font();
    return in;
}

QColor rgb(OleColor color)
{
    return OleToQColor(ResolveOleColor(color));
}

QColor inverted(const QColor& color)
{
    return QColor(255 - color.red(), 255 - color.green(), 255 - color.blue());
}

// Gradient rows are interpolated; near enough tells the looks apart.
bool near(const QColor& a, const QColor& b, int tolerance = 12)
{
    return std::abs(a.red() - b.red()) <= tolerance && std::abs(a.green() - b.green()) <= tolerance &&
           std::abs(a.blue() - b.blue()) <= tolerance;
}

int countPixels(const QImage& image, const QRect& area, const QColor& color)
{
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            count += QColor(image.pixel(x, y)) == color ? 1 : 0;
    return count;
}

// A shown button in a host window whose looks are taken as images.
struct Rig
{
    explicit Rig(QSize size)
    {
        host.resize(300, 120);
        button = new VsNetBut(&host);
        button->setGeometry(QRect(QPoint(10, 10), size));
        host.show();
    }

    QColor at(int x, int y) const { return QColor(image().pixel(x, y)); }
    QImage image() const { return button->grab().toImage(); }

    // The pointer comes in from outside, so that the hover look is drawn anew.
    void hover()
    {
        if (hovering)
            leave();
        hovering = true;
        const QPoint inside(2, 2);
        QCursor::setPos(button->mapToGlobal(inside));
        QMouseEvent move(QEvent::MouseMove, QPointF(inside), QPointF(button->mapToGlobal(inside)),
                         Qt::NoButton, Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(button, &move);
    }
    void leave()
    {
        QSignalSpy exits(button, &VsNetBut::MouseExit);
        QCursor::setPos(QPoint(-500, -500));
        EXPECT_TRUE(exits.count() == 1 || exits.wait(2000));
        hovering = false;
    }
    void press() { QTest::mousePress(button, Qt::LeftButton, {}, QPoint(2, 2)); }
    void release() { QTest::mouseRelease(button, Qt::LeftButton, {}, QPoint(2, 2)); }
    void focus()
    {
        QFocusEvent in(QEvent::FocusIn, Qt::TabFocusReason);
        QApplication::sendEvent(button, &in);
    }

    QWidget host;
    VsNetBut* button = nullptr;
    bool hovering = false;
};

QPixmap redSquare(int side)
{
    QPixmap pixmap(side, side);
    pixmap.fill(Qt::red);
    return pixmap;
}

// Read when the application (and its palette) exists.
QColor face()
{
    return rgb(SystemColor(SysButtonFace));
}
const QColor Edge = rgb(VsNetBut::DefaultEdgeColor);
const QColor Shadow = rgb(VsNetBut::DefaultShadowColor);
const QColor Separator = rgb(VsNetBut::DefaultSepForeColor);

} // namespace

// ---- layout

TEST(VsNetButLayout, DefaultButtonCentresItsCaptionBesideAFixedPictureArea)
{
    const VsNetButLayoutInput in = input(100, 30);
    const VsNetButLayout layout = layOut(in);
    EXPECT_TRUE(layout.fits);
    EXPECT_TRUE(layout.pictureShown);
    EXPECT_TRUE(layout.captionShown);
    EXPECT_EQ(layout.pictureArea, (PixelRect{0, 0, 26, 30}));
    EXPECT_EQ(layout.captionArea, (PixelRect{26, 0, 100, 30}));
    EXPECT_EQ(layout.insetCaption, (PixelRect{28, 2, 98, 28}));
    EXPECT_EQ(layout.textFlags, VsNetButLayout::DtSingleLine | VsNetButLayout::DtCenter);

    const int h = QFontMetrics(in.font).height();
    EXPECT_EQ(layout.textHeight, h);
    EXPECT_EQ(layout.captionTextRect.left, 28);
    EXPECT_EQ(layout.captionTextRect.right, 98);
    EXPECT_EQ(layout.captionTextRect.top, 2 + (26 - h) / 2);
    EXPECT_EQ(layout.captionTextRect.bottom, 2 + (26 + h) / 2);
}

TEST(VsNetButLayout, AreaDivisionByPercentAndByFixedSize)
{
    VsNetButLayoutInput in = input(101, 30);
    in.captionAreaPercent = 50;
    in.showPictureFixSize = false;
    VsNetButLayout layout = layOut(in);
    EXPECT_EQ(layout.pictureArea, (PixelRect{0, 0, 50, 30}));
    EXPECT_EQ(layout.captionArea, (PixelRect{50, 0, 101, 30}));

    in.captionAreaLayout = 2; // caption above
    layout = layOut(in);
    EXPECT_EQ(layout.captionArea, (PixelRect{0, 0, 101, 15}));
    EXPECT_EQ(layout.pictureArea, (PixelRect{0, 15, 101, 30}));

    // A fixed area of 26.5 rounds to the even 26, 27.5 to 28.
    in.showPictureFixSize = true;
    in.captionAreaLayout = 0;
    in.picAreaFixWidth = 26.5;
    layout = layOut(in);
    EXPECT_EQ(layout.pictureArea, (PixelRect{74, 0, 101, 30}));
    EXPECT_EQ(layout.captionArea, (PixelRect{0, 0, 74, 30}));
    in.captionAreaLayout = 3;
    in.picAreaFixHeight = 11.5;
    layout = layOut(in);
    EXPECT_EQ(layout.pictureArea, (PixelRect{0, 0, 101, 12}));
    EXPECT_EQ(layout.captionArea, (PixelRect{0, 12, 101, 30}));
}

TEST(VsNetButLayout, PictureOrCaptionAlone)
{
    VsNetButLayoutInput in = input(100, 30);
    in.caption.clear();
    VsNetButLayout layout = layOut(in);
    EXPECT_TRUE(layout.pictureShown);
    EXPECT_FALSE(layout.captionShown);
    EXPECT_EQ(layout.pictureArea, (PixelRect{0, 0, 100, 30}));

    in.caption = QStringLiteral("OK");
    in.showCaption = false;
    EXPECT_FALSE(layOut(in).captionShown);

    in.showCaption = true;
    in.captionAreaPercent = 100;
    layout = layOut(in);
    EXPECT_FALSE(layout.pictureShown);
    EXPECT_TRUE(layout.captionShown);
    EXPECT_EQ(layout.captionArea, (PixelRect{0, 0, 100, 30}));

    in.captionAreaPercent = 0;
    layout = layOut(in);
    EXPECT_TRUE(layout.pictureShown);
    EXPECT_FALSE(layout.captionShown);
}

TEST(VsNetButLayout, PicturePlacesAndCaptionPlaces)
{
    VsNetButLayoutInput in = input(100, 30);
    in.pictureSize = QSize(10, 8);
    // Picture area (0, 0, 26, 30) inset to (4, 4, 22, 26).
    const struct
    {
        int layout;
        PixelRect rect;
    } pictures[] = {
        {0, {4, 18, 14, 26}},
        {4, {8, 11, 18, 19}},
        {8, {12, 4, 22, 12}},
    };
    for (const auto& c : pictures) {
        in.pictureLayout = c.layout;
        EXPECT_EQ(layOut(in).pictureRect, c.rect) << c.layout;
    }

    const int h = QFontMetrics(in.font).height();
    in.captionLayout = 0;
    VsNetButLayout layout = layOut(in);
    EXPECT_EQ(layout.captionTextRect, (PixelRect{28, 28 - h, 98, 28}));
    EXPECT_EQ(layout.textFlags, VsNetButLayout::DtSingleLine);
    in.captionLayout = 8;
    in.autoMultiLine = true;
    layout = layOut(in);
    EXPECT_EQ(layout.captionTextRect, (PixelRect{28, 2, 98, 2 + h}));
    EXPECT_EQ(layout.textFlags, VsNetButLayout::DtWordBreak | VsNetButLayout::DtRight);

    // A place beyond 8 leaves the rectangle where it was.
    in.captionLayout = 9;
    in.pictureLayout = 9;
    VsNetButLayout kept = layout;
    kept.calculate(in);
    EXPECT_EQ(kept.captionTextRect, layout.captionTextRect);
    EXPECT_EQ(kept.pictureRect, layout.pictureRect);
}

TEST(VsNetButLayout, SplitButtonNeedsMoreThanItsDropDownPart)
{
    VsNetButLayoutInput in = input(12, 20);
    in.appearance = VsNetBut::sbUp_Down2003;
    EXPECT_FALSE(layOut(in).fits);

    // ... and more than two pixels of height.
    in.size = QSize(20, 2);
    EXPECT_FALSE(layOut(in).fits);
    in.size = QSize(20, 3);
    EXPECT_TRUE(layOut(in).fits);

    in.size = QSize(13, 20);
    VsNetButLayout layout = layOut(in);
    EXPECT_TRUE(layout.fits);
    EXPECT_TRUE(layout.dropDown);
    EXPECT_EQ(layout.dropDownPart, (PixelRect{1, 0, 13, 20}));
    EXPECT_EQ(layout.insetDropDown, (PixelRect{3, 2, 11, 18}));
    EXPECT_EQ(layout.arrowRect, (PixelRect{4, 9, 10, 11}));
    // The main part is the one pixel left of the drop-down part.
    EXPECT_EQ(layout.pictureArea.left, 0);
    EXPECT_EQ(layout.captionArea.right, 1);

    // Too small later: the flag says so and the parts stay where they were.
    in.size = QSize(10, 20);
    layout.calculate(in);
    EXPECT_FALSE(layout.fits);
    EXPECT_EQ(layout.dropDownPart, (PixelRect{1, 0, 13, 20}));
}

TEST(VsNetButLayout, SeparatorsAndGlyph)
{
    VsNetButLayoutInput in = input(20, 30);
    in.appearance = VsNetBut::sbSep2003;
    VsNetButLayout layout = layOut(in);
    EXPECT_TRUE(layout.separator);
    EXPECT_FALSE(layout.captionShown);
    EXPECT_EQ(layout.pictureRect, (PixelRect{10, 4, 10, 26}));
    in.size = QSize(8, 30);
    EXPECT_FALSE(layOut(in).fits);

    in = input(20, 28);
    in.appearance = VsNetBut::sbMainSep2003;
    layout = layOut(in);
    EXPECT_TRUE(layout.mainSeparator);
    EXPECT_EQ(layout.pictureRect, (PixelRect{8, 4, 11, 24}));
    in.mainSepLineBetweenSpace = 20;
    EXPECT_FALSE(layOut(in).fits);
    in.mainSepLineBetweenSpace = 2;
    in.mainSepThick = 12;
    EXPECT_FALSE(layOut(in).fits);

    in = input(30, 30);
    in.appearance = 4;
    layout = layOut(in);
    EXPECT_TRUE(layout.style4);
    EXPECT_EQ(layout.captionTextRect, (PixelRect{11, 8, 19, 22}));
    in.size = QSize(30, 14);
    EXPECT_FALSE(layOut(in).fits);
    in.size = QSize(30, 15);
    EXPECT_TRUE(layOut(in).fits);
    in.size = QSize(8, 30);
    EXPECT_FALSE(layOut(in).fits);
    in.size = QSize(9, 30);
    EXPECT_TRUE(layOut(in).fits);

    // Values outside the styles compute nothing.
    in.appearance = 7;
    VsNetButLayout untouched;
    untouched.calculate(in);
    EXPECT_FALSE(untouched.fits);
}

// ---- painting

TEST(VsNetButPaint, OfficeLooksOfAnOrdinaryButton)
{
    Rig rig(QSize(100, 30));
    VsNetBut& b = *rig.button;
    EXPECT_EQ(rig.at(0, 0), face());
    EXPECT_EQ(rig.at(1, 1), face());

    rig.hover();
    ASSERT_EQ(b.paintState(), 1);
    EXPECT_EQ(rig.at(0, 0), Edge);
    EXPECT_EQ(rig.at(99, 29), Edge);
    EXPECT_TRUE(near(rig.at(1, 1), rgb(VsNetBut::DefaultOverColorStar)));
    EXPECT_TRUE(near(rig.at(1, 28), rgb(VsNetBut::DefaultOverColorEnd)));

    rig.press();
    ASSERT_EQ(b.paintState(), 2);
    EXPECT_EQ(rig.at(0, 0), Edge);
    EXPECT_TRUE(near(rig.at(1, 1), rgb(VsNetBut::DefaultDownColorStar)));
    EXPECT_TRUE(near(rig.at(1, 28), rgb(VsNetBut::DefaultDownColorEnd)));
    rig.release();

    b.setCheck(true);
    ASSERT_EQ(b.paintState(), 0);
    EXPECT_EQ(rig.at(0, 0), Edge);
    EXPECT_TRUE(near(rig.at(1, 1), rgb(VsNetBut::DefaultCheckedColorStar)));
    EXPECT_TRUE(near(rig.at(1, 28), rgb(VsNetBut::DefaultCheckedColorEnd)));
    b.setCheckOverColorStar(OleRgb(0, 200, 0));
    b.setCheckOverColorEnd(OleRgb(0, 200, 0));
    rig.hover();
    EXPECT_EQ(rig.at(1, 1), QColor(0, 200, 0));
}

TEST(VsNetButPaint, FlatLooksFillAndFrame)
{
    Rig rig(QSize(100, 30));
    VsNetBut& b = *rig.button;
    b.setOffice2003Style(false);
    EXPECT_EQ(rig.at(1, 1), face());
    EXPECT_EQ(rig.at(0, 0), face());
    rig.hover();
    EXPECT_EQ(rig.at(1, 1), rgb(VsNetBut::DefaultOverColorXP));
    EXPECT_EQ(rig.at(0, 0), Edge);
    rig.press();
    EXPECT_EQ(rig.at(1, 1), rgb(VsNetBut::DefaultDownColorXP));
    rig.release();

    b.setCheck(true);
    EXPECT_EQ(rig.at(1, 1), rgb(VsNetBut::DefaultCheckedColorXP));
    EXPECT_EQ(rig.at(0, 0), Edge);
    rig.hover();
    EXPECT_EQ(rig.at(1, 1), rgb(VsNetBut::DefaultDownColorXP));
}

TEST(VsNetButPaint, CaptionInForeColourOrShadowWhenDisabled)
{
    Rig rig(QSize(140, 40));
    VsNetBut& b = *rig.button;
    QFont font = b.Font();
    font.setPixelSize(24);
    font.setBold(true);
    b.setFont(font);
    b.setCaption(QStringLiteral("IIII"));
    b.setForeColor(OleRgb(0, 0, 255));
    const QRect caption(26, 0, 114, 40);
    EXPECT_GT(countPixels(rig.image(), caption, QColor(0, 0, 255)), 10);

    b.setEnabled(false);
    EXPECT_GT(countPixels(rig.image(), caption, Shadow), 10);
    EXPECT_EQ(countPixels(rig.image(), caption, QColor(0, 0, 255)), 0);

    // Drawn as enabled when the disabled look is switched off.
    b.setIgnoeDisEnabledEffect(true);
    EXPECT_GT(countPixels(rig.image(), caption, QColor(0, 0, 255)), 10);
}

TEST(VsNetButPaint, DisabledButtonShowsSilhouetteAndShadowEdge)
{
    Rig rig(QSize(100, 30));
    VsNetBut& b = *rig.button;
    b.setButtonPicture(redSquare(10));
    b.setShowEdgeOnNoFocus(true);
    // Picture area (0, 0, 26, 30) inset to (4, 4, 22, 26): the picture is centred at (8, 10).
    EXPECT_EQ(rig.at(8, 10), QColor(Qt::red));
    EXPECT_EQ(rig.at(17, 19), QColor(Qt::red));
    EXPECT_EQ(rig.at(7, 10), face());
    EXPECT_EQ(rig.at(0, 0), Edge);

    b.setEnabled(false);
    EXPECT_EQ(rig.at(8, 10), Shadow);
    EXPECT_EQ(rig.at(17, 19), Shadow);
    EXPECT_EQ(rig.at(7, 10), face());
    EXPECT_EQ(rig.at(0, 0), Shadow);

    b.setShowEdgeOnNoFocus(false);
    EXPECT_EQ(rig.at(0, 0), face());
}

TEST(VsNetButPaint, HoverLiftsThePictureAboveItsShadow)
{
    Rig rig(QSize(100, 30));
    VsNetBut& b = *rig.button;
    b.setButtonPicture(redSquare(10));
    rig.hover();
    // Silhouette at (8, 10), the picture itself two pixels up and left.
    EXPECT_EQ(rig.at(6, 8), QColor(Qt::red));
    EXPECT_EQ(rig.at(15, 17), QColor(Qt::red));
    EXPECT_EQ(rig.at(17, 19), Shadow);
    EXPECT_EQ(rig.at(16, 10), Shadow);

    b.setCheck(true);
    rig.hover();
    EXPECT_EQ(rig.at(17, 19), QColor(164, 73, 39));
    b.setOffice2003Style(false);
    rig.hover();
    EXPECT_EQ(rig.at(17, 19), QColor(129, 129, 156));

    b.setShowShadow(false);
    rig.hover();
    EXPECT_EQ(rig.at(17, 19), QColor(Qt::red));
    EXPECT_NE(rig.at(6, 8), QColor(Qt::red));
}

TEST(VsNetButPaint, FocusRectangleOnlyWithFocusAndWhenAskedFor)
{
    Rig rig(QSize(100, 30));
    VsNetBut& b = *rig.button;
    b.setCaption(QString());
    rig.focus();
    EXPECT_EQ(rig.at(2, 2), face());
    b.setShowFocusRect(true);
    // A dotted frame two pixels in: every other pixel inverted.
    EXPECT_EQ(rig.at(2, 2), inverted(face()));
    EXPECT_EQ(rig.at(3, 2), face());
    EXPECT_EQ(rig.at(4, 2), inverted(face()));
    EXPECT_EQ(rig.at(97, 27), inverted(face()));
    EXPECT_EQ(rig.at(5, 5), face());

    QFocusEvent out(QEvent::FocusOut, Qt::TabFocusReason);
    QApplication::sendEvent(&b, &out);
    EXPECT_EQ(rig.at(2, 2), face());
}

TEST(VsNetButPaint, SplitButtonArrowFramesAndFocus)
{
    Rig rig(QSize(60, 24));
    VsNetBut& b = *rig.button;
    b.setCaption(QString());
    b.setButtonAppearance(VsNetBut::sbUp_Down2003);
    b.setForeColor(OleRgb(0, 0, 255));
    const QColor fore(0, 0, 255);
    // Drop-down part (48, 0, 60, 24); arrow centred on (54, 12).
    for (int x = 52; x <= 56; ++x)
        EXPECT_EQ(rig.at(x, 11), fore) << x;
    for (int x = 53; x <= 55; ++x)
        EXPECT_EQ(rig.at(x, 12), fore) << x;
    EXPECT_EQ(rig.at(54, 13), fore);
    EXPECT_EQ(rig.at(51, 11), face());
    EXPECT_EQ(rig.at(52, 12), face());
    EXPECT_EQ(rig.at(54, 14), face());
    EXPECT_EQ(rig.at(48, 12), face());

    b.setEnabled(false);
    EXPECT_EQ(rig.at(54, 13), Shadow);
    b.setEnabled(true);

    rig.hover();
    EXPECT_EQ(rig.at(48, 12), Edge);
    EXPECT_EQ(rig.at(54, 13), fore);

    // Normal with an edge: the drop-down part framed too.
    b.setShowEdgeOnNoFocus(true);
    EXPECT_EQ(rig.at(48, 12), Edge);
    EXPECT_EQ(rig.at(0, 12), Edge);
    b.setShowEdgeOnNoFocus(false);

    // Two focus rectangles: the main part and the drop-down part, each two pixels in.
    b.setShowFocusRect(true);
    rig.focus();
    EXPECT_EQ(rig.at(2, 2), inverted(face()));
    EXPECT_EQ(rig.at(45, 21), inverted(face()));
    EXPECT_EQ(rig.at(50, 2), inverted(face()));
    EXPECT_EQ(rig.at(57, 21), inverted(face()));
    EXPECT_EQ(rig.at(47, 2), face());
}

TEST(VsNetButPaint, SeparatorLineLeavesOutItsEndPoint)
{
    Rig rig(QSize(20, 30));
    VsNetBut& b = *rig.button;
    b.setButtonAppearance(VsNetBut::sbSep2003);
    EXPECT_FALSE(b.Enabled());
    EXPECT_EQ(rig.at(10, 4), Separator);
    EXPECT_EQ(rig.at(10, 25), Separator);
    EXPECT_EQ(rig.at(10, 3), face());
    EXPECT_EQ(rig.at(10, 26), face());
    EXPECT_EQ(rig.at(9, 15), face());
    EXPECT_EQ(rig.at(0, 0), face());
}

TEST(VsNetButPaint, MainSeparatorDrawsEveryOtherRowAndEveryRowForZeroSpacing)
{
    Rig rig(QSize(20, 28));
    VsNetBut& b = *rig.button;
    b.setButtonAppearance(VsNetBut::sbMainSep2003);
    // Band (8, 4, 11, 24): lines on the even rows from 4 to 24, three pixels long.
    for (int y = 4; y <= 24; y += 2) {
        EXPECT_EQ(rig.at(8, y), Separator) << y;
        EXPECT_EQ(rig.at(10, y), Separator) << y;
        EXPECT_EQ(rig.at(11, y), face()) << y;
        EXPECT_EQ(rig.at(8, y + 1), face()) << y;
    }
    EXPECT_EQ(rig.at(8, 2), face());
    EXPECT_EQ(rig.at(8, 26), face());

    b.setMainSepLineBetweenSpace(0);
    EXPECT_EQ(b.MainSepLineBetweenSpace(), 0);
    for (int y = 4; y <= 24; ++y)
        EXPECT_EQ(rig.at(9, y), Separator) << y;
    EXPECT_EQ(rig.at(9, 25), face());
}

TEST(VsNetButPaint, GlyphButtonDrawsTwoChevronsAndATriangle)
{
    Rig rig(QSize(30, 30));
    VsNetBut& b = *rig.button;
    b.setButtonAppearance(4);
    b.setForeColor(OleRgb(0, 0, 255));
    const QColor fore(0, 0, 255);
    // Glyph rectangle (11, 8, 19, 22).
    for (const QPoint& p :
         {QPoint(0, 0), QPoint(1, 1), QPoint(3, 2), QPoint(0, 4), QPoint(4, 0), QPoint(7, 2), QPoint(5, 4)})
        EXPECT_EQ(rig.at(11 + p.x(), 8 + p.y()), fore) << p.x() << "," << p.y();
    for (const QPoint& p : {QPoint(2, 0), QPoint(0, 1), QPoint(3, 4), QPoint(7, 4)})
        EXPECT_EQ(rig.at(11 + p.x(), 8 + p.y()), face()) << p.x() << "," << p.y();
    EXPECT_EQ(rig.at(15, 20), fore);
    EXPECT_EQ(rig.at(15, 17), face());
}

TEST(VsNetButPaint, FillGradientRunsEitherWayAndFramesOnlyWithAColour)
{
    VsNetBut button;
    QImage image(20, 10, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    button.FillGradient(&painter, 0, 0, 20, 10, OleRgb(0, 0, 0), OleRgb(200, 0, 0), false, true, -1);
    painter.end();
    EXPECT_EQ(QColor(image.pixel(0, 5)), QColor(0, 0, 0));
    EXPECT_EQ(QColor(image.pixel(10, 0)), QColor(100, 0, 0));
    EXPECT_EQ(QColor(image.pixel(10, 9)), QColor(100, 0, 0));
    EXPECT_EQ(QColor(image.pixel(19, 5)), QColor(190, 0, 0));

    painter.begin(&image);
    button.FillGradient(&painter, 0, 0, 20, 10, OleRgb(0, 0, 0), OleRgb(0, 200, 0), true, true,
                        OleRgb(1, 2, 3));
    painter.end();
    EXPECT_EQ(QColor(image.pixel(0, 0)), QColor(1, 2, 3));
    EXPECT_EQ(QColor(image.pixel(19, 9)), QColor(1, 2, 3));
    EXPECT_EQ(QColor(image.pixel(5, 1)), QColor(0, 20, 0));
    EXPECT_EQ(QColor(image.pixel(5, 5)), QColor(0, 100, 0));
}
