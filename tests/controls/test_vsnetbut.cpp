#include <gtest/gtest.h>

#include <functional>

#include <QApplication>
#include <QPainter>
#include <QPalette>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include "controls/olecolor.h"
#include "controls/vsnetbut.h"
#include "platform/propertybag.h"
#include "platform/propertyerror.h"

namespace {

QString u(const char* text)
{
    return QString::fromUtf8(text);
}

QPixmap filledPixmap(int w, int h, Qt::GlobalColor color)
{
    QPixmap pixmap(w, h);
    pixmap.fill(color);
    return pixmap;
}

// Runs a setter that must be refused; returns the error.
PropertyError refusal(const std::function<void()>& set)
{
    try {
        set();
    } catch (const PropertyError& e) {
        return e;
    }
    ADD_FAILURE() << "the value was accepted";
    return PropertyError(0, QString(), QString());
}

const QString TextA = u("本属性范围0--100，设为0时只显示图片区域，设为100时只显示标题区域");
const QString TextB = u("只有当按钮风格为sbSep2003或sbMainSep2003时才能设置此属性。目的是为了保证按钮最佳效果"
                        ",减少不必要的错误。");
const QString TextC =
    u("只有当按钮风格为sbMainSep2003时才能设置此属性。目的是为了保证按钮最佳效果,减少不必要的错误。");
const QString TextD =
    u("只有当按钮风格为sbUp_Down2003时才能设置此属性。目的是为了保证按钮最佳效果,减少不必要的错误。");
const QString TextE =
    u("只有按钮风格为sbOffice2003时，才能改变此属性。目的是为了保证按钮最佳效果,减少不必要的错误。");
const QString TextF = u("将按钮拉大些再看有没有效果。");
const QString TextG = u("将按钮拉大些再看吧！");

} // namespace

TEST(OleColor, ResolvesSystemColoursFromThePalette)
{
    const QPalette palette = QGuiApplication::palette();
    EXPECT_EQ(OleToQColor(SystemColor(SysButtonFace)), palette.color(QPalette::Active, QPalette::Button));
    EXPECT_EQ(OleToQColor(SystemColor(SysWindowText)), palette.color(QPalette::Active, QPalette::Text));
    EXPECT_EQ(OleToQColor(OleRgb(1, 2, 3)), QColor(1, 2, 3));
    EXPECT_EQ(OleRgb(0, 45, 150), 0x00962D00);
    EXPECT_EQ(ResolveOleColor(-1), -1);
    EXPECT_EQ(ResolveOleColor(0x12345678), 0x00345678);
    EXPECT_EQ(ResolveOleColor(SystemColor(SysButtonFace)), QColorToOle(palette.color(QPalette::Button)));
}

TEST(VsNetBut, NewInstanceHasTheDefaults)
{
    VsNetBut button;
    EXPECT_EQ(button.Caption(), u("Office2003 特效按钮"));
    EXPECT_TRUE(button.Office2003Style());
    EXPECT_TRUE(button.ShowShadow());
    EXPECT_FALSE(button.Check());
    EXPECT_TRUE(button.Enabled());
    EXPECT_TRUE(button.ButtonPicture().isNull());
    EXPECT_EQ(button.CaptionAreaPercent(), 80.0);
    EXPECT_EQ(button.ShadowColor(), OleRgb(166, 166, 186));
    EXPECT_EQ(button.SepForeColor(), OleRgb(128, 128, 130));
    EXPECT_EQ(button.EdgeColor(), OleRgb(0, 45, 150));
    EXPECT_EQ(button.DownColorXP(), OleRgb(128, 128, 192));
    EXPECT_EQ(button.OverColorXP(), OleRgb(173, 173, 209));
    EXPECT_EQ(button.CheckedColorXP(), OleRgb(204, 204, 216));
    EXPECT_EQ(button.BackColor(), SystemColor(SysButtonFace));
    EXPECT_EQ(button.ForeColor(), ResolveOleColor(SystemColor(SysWindowText)));
    EXPECT_EQ(button.CheckOverColorStar(), OleRgb(251, 139, 89));
    EXPECT_EQ(button.OverColorEnd(), OleRgb(253, 221, 152));
    EXPECT_EQ(button.CheckedColorEnd(), OleRgb(245, 185, 74));
    EXPECT_EQ(button.MainSepThick(), 3);
    EXPECT_EQ(button.Up_DownWidht(), 12);
    EXPECT_EQ(button.MainSepLineBetweenSpace(), 2);
    EXPECT_EQ(button.CaptionLayout(), 4);
    EXPECT_EQ(button.PictureLayout(), 4);
    EXPECT_EQ(button.ButtonAppearance(), int(VsNetBut::sbOffice2003));
    EXPECT_EQ(button.CaptionAreaLayout(), 1);
    EXPECT_EQ(button.PicAreaFixWidth(), 26.0);
    EXPECT_EQ(button.paintState(), 0);
    EXPECT_TRUE(button.layoutFits());
    // The mouse-exit poll exists from the start, idle, with its 5 ms interval.
    const auto* overTimer = button.findChild<QTimer*>(QStringLiteral("OverTimer"));
    ASSERT_NE(overTimer, nullptr);
    EXPECT_EQ(overTimer->interval(), 5);
    EXPECT_FALSE(overTimer->isActive());

    PropertyBag bag;
    button.writeProperties(bag);
    EXPECT_EQ(bag.size(), 0);
}

TEST(VsNetBut, EveryPropertySurvivesABagRoundTrip)
{
    QWidget host;
    QFont font = host.font();
    font.setPointSize(15);
    font.setItalic(true);

    // One value other than the default under every key.
    PropertyBag bag;
    const auto put = [&](const char* key, const QVariant& value) {
        bag.write(QLatin1String(key), value, QVariant());
    };
    put("Enabled", false);
    put("Font", font);
    put("Office2003Style", false);
    put("DownColorXP", OleColor(0x000001));
    put("OverColorXP", OleColor(0x000002));
    put("CheckedColorXP", OleColor(0x000003));
    put("ShowShadow", false);
    put("MouseIcon", filledPixmap(8, 8, Qt::red));
    put("MousePointer", 99);
    put("ShowCaption", false);
    put("CaptionAreaPercent", 55.5);
    put("Caption", u("保 存(&S)"));
    put("AutoMultiLine", true);
    put("CaptionOffsetBottom", 5);
    put("CaptionOffsetLeft", 1000);
    put("CaptionOffsetRight", 7);
    put("CaptionOffsetTop", 8);
    put("PictureOffsetBottom", 9);
    put("PictureOffsetLeft", 10);
    put("PictureOffsetRight", 11);
    put("PictureOffsetTop", 12);
    put("ShadowColor", OleColor(0x000004));
    put("ShadowOffset", 3);
    put("HotKeyDynamicEffect", false);
    put("ShowEdgeOnNoFocus", true);
    put("ShowFocusRect", true);
    put("FoucsRectOffSet", 4);
    put("ButtonPicture", filledPixmap(16, 16, Qt::blue));
    put("ShowPictureFixSize", false);
    put("SepForeColor", OleColor(0x000005));
    put("MainSepForeColor", OleColor(0x000006));
    put("MainSepThick", 5);
    put("Up_DownWidht", 14);
    put("MainSepLineBetweenSpace", 3);
    put("PicAreaFixHeight", 30.5);
    put("PicAreaFixWidth", 31.5);
    put("IgnoeDisEnabledEffect", true);
    put("CaptionLayout", 7);
    put("PictureLayout", 1);
    put("ButtonAppearance", 3);
    put("CaptionAreaLayout", 2);
    put("EnableDblClick", true);
    put("EdgeColor", OleColor(0x000007));
    put("BackColor", OleColor(0x000008));
    put("ForeColor", OleColor(0x000009));
    put("DownColorStar", OleColor(0x00000A));
    put("DownColorEnd", OleColor(0x00000B));
    put("CheckOverColorStar", OleColor(0x00000C));
    put("CheckOverColorEnd", OleColor(0x00000D));
    put("OverColorStar", OleColor(0x00000E));
    put("OverColorEnd", OleColor(0x00000F));
    put("CheckedColorStar", OleColor(0x000010));
    put("CheckedColorEnd", OleColor(0x000011));
    put("Check", true);
    ASSERT_EQ(bag.size(), 54);

    VsNetBut button(&host);
    QSignalSpy marks(&button, &VsNetBut::propertyChanged);
    button.readProperties(bag);
    EXPECT_EQ(marks.count(), 0);
    EXPECT_FALSE(button.Enabled());
    EXPECT_EQ(button.Font(), font);
    EXPECT_EQ(button.MousePointer(), 99);
    EXPECT_EQ(button.CaptionAreaPercent(), 55.5);
    EXPECT_EQ(button.Caption(), u("保 存(&S)"));
    EXPECT_EQ(button.accessKey(), QLatin1Char('S'));
    EXPECT_EQ(button.CaptionOffsetLeft(), 1000);
    EXPECT_EQ(button.Up_DownWidht(), 14);
    EXPECT_EQ(button.PicAreaFixWidth(), 31.5);
    EXPECT_EQ(button.ButtonAppearance(), int(VsNetBut::sbUp_Down2003));
    EXPECT_EQ(button.CheckedColorEnd(), 0x000011);
    EXPECT_EQ(button.ButtonPicture().size(), QSize(16, 16));
    EXPECT_TRUE(button.Check());

    PropertyBag again;
    button.writeProperties(again);
    ASSERT_EQ(again.size(), bag.size());
    for (auto it = bag.values().cbegin(); it != bag.values().cend(); ++it) {
        const QVariant written = again.read(it.key(), QVariant());
        if (it.value().userType() == QMetaType::QPixmap)
            EXPECT_EQ(written.value<QPixmap>().toImage(), it.value().value<QPixmap>().toImage())
                << it.key().toStdString();
        else
            EXPECT_EQ(written, it.value()) << it.key().toStdString();
    }
}

TEST(VsNetBut, SettersStoreMarkAndAreSavedUnderTheirKeys)
{
    QWidget host;
    VsNetBut button(&host);
    button.resize(100, 30);
    QSignalSpy marks(&button, &VsNetBut::propertyChanged);
    button.setCaption(QStringLiteral("OK"));
    button.setCaptionOffsetLeft(1000);
    button.setShowFocusRect(true);
    button.setPicAreaFixHeight(20);
    button.setEnableDblClick(true);
    button.setHotKeyDynamicEffect(false);
    button.setMousePointer(11);
    ASSERT_EQ(marks.count(), 7);
    EXPECT_EQ(marks.at(1).at(0).toString(), QStringLiteral("CaptionOffsetLeft"));

    PropertyBag bag;
    button.writeProperties(bag);
    EXPECT_EQ(bag.read(QStringLiteral("Caption"), QString()).toString(), QStringLiteral("OK"));
    EXPECT_EQ(bag.read(QStringLiteral("CaptionOffsetLeft"), 2).toInt(), 1000);
    EXPECT_EQ(bag.read(QStringLiteral("PicAreaFixHeight"), 26.0).toDouble(), 20.0);
    EXPECT_EQ(bag.read(QStringLiteral("MousePointer"), 0).toInt(), 11);
    EXPECT_EQ(bag.size(), 7);
}

TEST(VsNetBut, SystemColourIsResolvedWhenSetButKeptWhenLoaded)
{
    const OleColor face = SystemColor(SysButtonFace);
    VsNetBut set;
    set.setBackColor(OleRgb(1, 1, 1));
    set.setBackColor(face);
    EXPECT_EQ(set.BackColor(), QColorToOle(QGuiApplication::palette().color(QPalette::Button)));

    PropertyBag bag;
    bag.write(QStringLiteral("BackColor"), OleRgb(1, 1, 1), QVariant());
    VsNetBut loaded;
    loaded.readProperties(bag);
    EXPECT_EQ(loaded.BackColor(), OleRgb(1, 1, 1));
    PropertyBag system;
    VsNetBut fromDefault;
    fromDefault.readProperties(system);
    EXPECT_EQ(fromDefault.BackColor(), face);
}

TEST(VsNetBut, CaptionAreaPercentRange)
{
    VsNetBut button;
    button.setCaptionAreaPercent(30);
    for (double bad : {100.5, -1.0}) {
        QSignalSpy marks(&button, &VsNetBut::propertyChanged);
        const PropertyError e = refusal([&] { button.setCaptionAreaPercent(bad); });
        EXPECT_EQ(e.number(), 380);
        EXPECT_EQ(e.description(), TextA);
        EXPECT_EQ(e.source(), QStringLiteral("DezArod.VsNetBut:CaptionAreaPercent"));
        EXPECT_EQ(button.CaptionAreaPercent(), 30.0);
        EXPECT_EQ(marks.count(), 1);
    }
    button.setCaptionAreaPercent(0);
    EXPECT_EQ(button.CaptionAreaPercent(), 0.0);
    button.setCaptionAreaPercent(100);
    EXPECT_EQ(button.CaptionAreaPercent(), 100.0);
}

TEST(VsNetBut, SeparatorColoursOnlyOnSeparatorsThatFit)
{
    QWidget host;
    VsNetBut button(&host);
    button.resize(100, 30);
    PropertyError e = refusal([&] { button.setSepForeColor(0x00FF00); });
    EXPECT_EQ(e.description(), TextB);
    EXPECT_EQ(button.SepForeColor(), VsNetBut::DefaultSepForeColor);
    e = refusal([&] { button.setMainSepForeColor(0x00FF00); });
    EXPECT_EQ(e.description(), TextB);

    button.setButtonAppearance(VsNetBut::sbSep2003);
    button.setSepForeColor(0x00FF00);
    EXPECT_EQ(button.SepForeColor(), 0x00FF00);

    // Shrunk below its picture offsets the separator no longer fits.
    host.show();
    button.resize(8, 30);
    EXPECT_FALSE(button.layoutFits());
    e = refusal([&] { button.setSepForeColor(0x0000FF); });
    EXPECT_EQ(e.description(), TextF);
    EXPECT_EQ(button.SepForeColor(), 0x00FF00);
}

TEST(VsNetBut, StyleGuardedSizes)
{
    QWidget host;
    VsNetBut button(&host);
    button.resize(100, 30);
    EXPECT_EQ(refusal([&] { button.setMainSepThick(5); }).description(), TextC);
    EXPECT_EQ(refusal([&] { button.setMainSepLineBetweenSpace(5); }).description(), TextC);
    EXPECT_EQ(refusal([&] { button.setUp_DownWidht(20); }).description(), TextD);
    EXPECT_EQ(button.MainSepThick(), 3);
    EXPECT_EQ(button.Up_DownWidht(), 12);

    button.setButtonAppearance(VsNetBut::sbMainSep2003);
    button.setMainSepThick(6);
    EXPECT_EQ(button.MainSepThick(), 6);
    // A band wider than the button's inner width (100 - 4 - 4) does not fit.
    EXPECT_EQ(refusal([&] { button.setMainSepThick(92); }).description(), TextF);
    EXPECT_EQ(button.MainSepThick(), 6);
    EXPECT_TRUE(button.layoutFits());

    button.setButtonAppearance(VsNetBut::sbUp_Down2003);
    button.setUp_DownWidht(20);
    EXPECT_EQ(button.Up_DownWidht(), 20);
    EXPECT_EQ(refusal([&] { button.setUp_DownWidht(100); }).description(), TextF);
    EXPECT_EQ(button.Up_DownWidht(), 20);
    EXPECT_TRUE(button.layoutFits());
}

TEST(VsNetBut, IgnoeDisEnabledEffectOnlyOnOrdinaryButtons)
{
    QWidget host;
    VsNetBut button(&host);
    button.resize(100, 30);
    button.setIgnoeDisEnabledEffect(true);
    EXPECT_TRUE(button.IgnoeDisEnabledEffect());
    button.setButtonAppearance(VsNetBut::sbUp_Down2003);
    const PropertyError e = refusal([&] { button.setIgnoeDisEnabledEffect(false); });
    EXPECT_EQ(e.description(), TextE);
    EXPECT_EQ(e.source(), QStringLiteral("DezArod.VsNetBut:IgnoeDisEnabledEffect"));
    EXPECT_TRUE(button.IgnoeDisEnabledEffect());
}

TEST(VsNetBut, ButtonAppearanceSeparatorDisablesAndOrdinaryEnables)
{
    QWidget host;
    VsNetBut button(&host);
    button.resize(100, 30);
    QSignalSpy marks(&button, &VsNetBut::propertyChanged);
    button.setButtonAppearance(VsNetBut::sbSep2003);
    EXPECT_FALSE(button.Enabled());
    EXPECT_TRUE(marks.contains(QVariantList{QStringLiteral("Enabled")}));
    EXPECT_TRUE(marks.contains(QVariantList{QStringLiteral("ButtonAppearance")}));
    button.setButtonAppearance(VsNetBut::sbOffice2003);
    EXPECT_TRUE(button.Enabled());
    button.setButtonAppearance(VsNetBut::sbMainSep2003);
    EXPECT_FALSE(button.Enabled());
    button.setButtonAppearance(4);
    EXPECT_TRUE(button.Enabled());
    EXPECT_EQ(button.ButtonAppearance(), 4);
}

TEST(VsNetBut, ButtonAppearanceRefusedWhenTheButtonIsTooSmall)
{
    QWidget host;
    VsNetBut button(&host);
    button.resize(12, 20);
    // A split button needs more width than its drop-down part.
    PropertyError e = refusal([&] { button.setButtonAppearance(VsNetBut::sbUp_Down2003); });
    EXPECT_EQ(e.description(), TextG);
    EXPECT_EQ(e.source(), QStringLiteral("DezArod.VsNetBut:ButtonAppearance"));
    EXPECT_EQ(button.ButtonAppearance(), int(VsNetBut::sbOffice2003));
    EXPECT_TRUE(button.layoutFits());

    // ... and more than two pixels of height.
    button.resize(20, 2);
    EXPECT_EQ(refusal([&] { button.setButtonAppearance(VsNetBut::sbUp_Down2003); }).description(), TextG);
    EXPECT_EQ(button.ButtonAppearance(), int(VsNetBut::sbOffice2003));
    button.resize(20, 3);
    button.setButtonAppearance(VsNetBut::sbUp_Down2003);
    EXPECT_EQ(button.ButtonAppearance(), int(VsNetBut::sbUp_Down2003));
    button.setButtonAppearance(VsNetBut::sbOffice2003);

    button.resize(13, 20);
    button.setButtonAppearance(VsNetBut::sbUp_Down2003);
    EXPECT_EQ(button.ButtonAppearance(), int(VsNetBut::sbUp_Down2003));

    button.setButtonAppearance(VsNetBut::sbOffice2003);
    button.resize(8, 20);
    e = refusal([&] { button.setButtonAppearance(VsNetBut::sbSep2003); });
    EXPECT_EQ(e.description(), TextG);
    EXPECT_TRUE(button.Enabled());
    EXPECT_EQ(refusal([&] { button.setButtonAppearance(4); }).description(), TextG);
}

TEST(VsNetBut, AccessKeyFromTheCaption)
{
    VsNetBut button;
    button.setCaption(QStringLiteral("&save"));
    EXPECT_EQ(button.accessKey(), QLatin1Char('S'));
    button.setCaption(QStringLiteral("a&&b"));
    EXPECT_EQ(button.accessKey(), QLatin1Char('S'));
    button.setCaption(QStringLiteral("plain"));
    EXPECT_EQ(button.accessKey(), QLatin1Char('S'));
    button.setCaption(QStringLiteral("e&xit"));
    EXPECT_EQ(button.accessKey(), QLatin1Char('X'));
}

TEST(VsNetBut, MousePointerBeyondSixteenBitsOverflows)
{
    VsNetBut button;
    button.setMousePointer(2);
    const PropertyError e = refusal([&] { button.setMousePointer(40000); });
    EXPECT_EQ(e.number(), 6);
    EXPECT_EQ(button.MousePointer(), 2);
    EXPECT_EQ(button.cursor().shape(), Qt::CrossCursor);
}

TEST(VsNetBut, FontMembersActOnTheControlsFont)
{
    QWidget host;
    VsNetBut button(&host);
    QSignalSpy marks(&button, &VsNetBut::propertyChanged);
    button.setFontBold(true);
    button.setFontName(QStringLiteral("Noto Sans CJK SC"));
    QFont f = button.Font();
    f.setPointSizeF(10.5);
    button.setFont(f);
    EXPECT_EQ(button.FontSize(), 10);
    f.setPointSizeF(11.5);
    button.setFont(f);
    EXPECT_EQ(button.FontSize(), 12);
    EXPECT_TRUE(button.FontBold());
    EXPECT_EQ(marks.at(0).at(0).toString(), QStringLiteral("FontBold"));
    // Only Font itself is saved.
    PropertyBag bag;
    button.writeProperties(bag);
    EXPECT_TRUE(bag.contains(QStringLiteral("Font")));
    EXPECT_FALSE(bag.contains(QStringLiteral("FontBold")));
    EXPECT_FALSE(bag.contains(QStringLiteral("FontSize")));
}

TEST(VsNetBut, ClickFollowsALeftPressAndRelease)
{
    QWidget host;
    VsNetBut button(&host);
    button.resize(80, 24);
    QSignalSpy clicks(&button, &VsNetBut::Click);
    QTest::mouseClick(&button, Qt::LeftButton, Qt::NoModifier, QPoint(10, 10));
    EXPECT_EQ(clicks.count(), 1);
    QTest::mouseClick(&button, Qt::RightButton, Qt::NoModifier, QPoint(10, 10));
    EXPECT_EQ(clicks.count(), 1);
    button.setEnabled(false);
    QTest::mouseClick(&button, Qt::LeftButton, Qt::NoModifier, QPoint(10, 10));
    EXPECT_EQ(clicks.count(), 1);
}
