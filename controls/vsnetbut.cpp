#include "controls/vsnetbut.h"

#include <cmath>

#include <QApplication>
#include <QCursor>
#include <QFontInfo>
#include <QHash>

#include "platform/prompts.h"
#include "platform/propertybag.h"
#include "platform/propertyerror.h"
#include "controls/ambient.h"

namespace {

const QString TextPercent =
    QStringLiteral("本属性范围0--100，设为0时只显示图片区域，设为100时只显示标题区域");
const QString TextSeparatorOnly = QStringLiteral("只有当按钮风格为sbSep2003或sbMainSep2003时才能设置此属性。"
                                                 "目的是为了保证按钮最佳效果,减少不必要的错误。");
const QString TextMainSeparatorOnly = QStringLiteral(
    "只有当按钮风格为sbMainSep2003时才能设置此属性。目的是为了保证按钮最佳效果,减少不必要的错误。");
const QString TextSplitOnly = QStringLiteral(
    "只有当按钮风格为sbUp_Down2003时才能设置此属性。目的是为了保证按钮最佳效果,减少不必要的错误。");
const QString TextOffice2003Only = QStringLiteral(
    "只有按钮风格为sbOffice2003时，才能改变此属性。目的是为了保证按钮最佳效果,减少不必要的错误。");
const QString TextTooSmall = QStringLiteral("将按钮拉大些再看有没有效果。");
const QString TextTooSmallForStyle = QStringLiteral("将按钮拉大些再看吧！");

// Number and text of the conversion error when a value does not fit a 16-bit integer.
constexpr int OverflowError = 6;
const QString TextOverflow = QStringLiteral("溢出");

} // namespace

const QString VsNetBut::DefaultCaption = QStringLiteral("Office2003 特效按钮");

OleColor VsNetBut::DefaultForeColor()
{
    return ResolveOleColor(SystemColor(SysWindowText));
}

VsNetBut::VsNetBut(QWidget* parent) : QWidget(parent)
{
    m_caption = DefaultCaption;
    m_foreColor = DefaultForeColor();
    setFocusPolicy(Qt::StrongFocus);
    setMouseTracking(true);
    // The mouse-exit poll, found by its name like the control's other parts.
    m_overTimer.setParent(this);
    m_overTimer.setObjectName(QStringLiteral("OverTimer"));
    m_overTimer.setInterval(5);
    m_overTimer.setTimerType(Qt::PreciseTimer);
    connect(&m_overTimer, &QTimer::timeout, this, &VsNetBut::overTimerTick);
    m_layout.button = QRect(0, 0, width(), height());
    CalcButtonLayout();
}

QFont VsNetBut::ambientFont() const
{
    return AmbientFont(this);
}

void VsNetBut::changed(const QString& name)
{
    Q_EMIT propertyChanged(name);
}

void VsNetBut::relayout()
{
    CalcButtonLayout();
    DrawButtonNormal(true);
}

void VsNetBut::repaintNormal()
{
    DrawButtonNormal(true);
}

void VsNetBut::raiseError(const QString& property, int number, const QString& description)
{
    throw PropertyError(number, applicationTitle() + QStringLiteral(".VsNetBut:") + property, description);
}

template <typename T> void VsNetBut::letRepaint(T& member, const T& value, const char* name)
{
    member = value;
    changed(QLatin1String(name));
    repaintNormal();
}

template <typename T> void VsNetBut::letRelayout(T& member, const T& value, const char* name)
{
    member = value;
    changed(QLatin1String(name));
    relayout();
}

void VsNetBut::letColor(OleColor& member, OleColor value, const char* name)
{
    // Set from code, a system colour is taken at its present value.
    letRepaint(member, ResolveOleColor(value), name);
}

void VsNetBut::layoutForCurrentSize()
{
    // Qt delivers no resize event to a hidden control; its size may have changed since the last layout.
    if (m_layout.button.size() != size())
        CalcButtonLayout();
}

void VsNetBut::guardSeparatorColor(OleColor& member, OleColor value, const char* name)
{
    layoutForCurrentSize();
    const OleColor old = member;
    member = ResolveOleColor(value);
    const bool separator = m_buttonAppearance == sbSep2003 || m_buttonAppearance == sbMainSep2003;
    if (!separator || !m_layout.fits) {
        member = old;
        changed(QLatin1String(name));
        repaintNormal();
        raiseError(QLatin1String(name), PropertyError::InvalidPropertyValue,
                   separator ? TextTooSmall : TextSeparatorOnly);
    }
    changed(QLatin1String(name));
    repaintNormal();
}

template <typename T>
void VsNetBut::guardStyleRelayout(T& member, const T& value, const char* name, int style,
                                  const QString& styleText)
{
    const T old = member;
    member = value;
    if (m_buttonAppearance != style) {
        member = old;
        changed(QLatin1String(name));
        relayout();
        raiseError(QLatin1String(name), PropertyError::InvalidPropertyValue, styleText);
    }
    // The new value is judged by its own layout, so that a value too large for the button is
    // refused instead of leaving a layout that does not fit.
    CalcButtonLayout();
    if (!m_layout.fits) {
        member = old;
        changed(QLatin1String(name));
        relayout();
        raiseError(QLatin1String(name), PropertyError::InvalidPropertyValue, TextTooSmall);
    }
    changed(QLatin1String(name));
    relayout();
}

// ---- properties

void VsNetBut::setOffice2003Style(bool value)
{
    letRepaint(m_office2003Style, value, "Office2003Style");
}

void VsNetBut::setShowShadow(bool value)
{
    letRepaint(m_showShadow, value, "ShowShadow");
}

void VsNetBut::setCheck(bool value)
{
    letRepaint(m_check, value, "Check");
}

void VsNetBut::setEnabled(bool value)
{
    QWidget::setEnabled(value);
    changed(QStringLiteral("Enabled"));
    repaintNormal();
}

void VsNetBut::setMouseIcon(const QPixmap& value)
{
    m_mouseIcon = value;
    applyMousePointer();
    changed(QStringLiteral("MouseIcon"));
}

void VsNetBut::setMousePointer(int value)
{
    if (value < -32768 || value > 32767)
        raiseError(QStringLiteral("MousePointer"), OverflowError, TextOverflow);
    m_mousePointer = value;
    applyMousePointer();
    changed(QStringLiteral("MousePointer"));
}

void VsNetBut::applyMousePointer()
{
    static const QHash<int, Qt::CursorShape> shapes = {
        {1, Qt::ArrowCursor},   {2, Qt::CrossCursor},      {3, Qt::IBeamCursor},    {4, Qt::ArrowCursor},
        {5, Qt::SizeAllCursor}, {6, Qt::SizeBDiagCursor},  {7, Qt::SizeVerCursor},  {8, Qt::SizeFDiagCursor},
        {9, Qt::SizeHorCursor}, {10, Qt::UpArrowCursor},   {11, Qt::WaitCursor},    {12, Qt::ForbiddenCursor},
        {13, Qt::BusyCursor},   {14, Qt::WhatsThisCursor}, {15, Qt::SizeAllCursor},
    };
    if (m_mousePointer == 99 && !m_mouseIcon.isNull())
        setCursor(QCursor(m_mouseIcon));
    else if (shapes.contains(m_mousePointer))
        setCursor(shapes.value(m_mousePointer));
    else
        unsetCursor();
}

void VsNetBut::setShowCaption(bool value)
{
    letRelayout(m_showCaption, value, "ShowCaption");
}

void VsNetBut::setCaptionAreaPercent(double value)
{
    if (!(value >= 0 && value <= 100)) {
        changed(QStringLiteral("CaptionAreaPercent"));
        raiseError(QStringLiteral("CaptionAreaPercent"), PropertyError::InvalidPropertyValue, TextPercent);
    }
    letRelayout(m_captionAreaPercent, value, "CaptionAreaPercent");
}

void VsNetBut::setCaption(const QString& value)
{
    m_caption = value;
    updateAccessKey();
    changed(QStringLiteral("Caption"));
    relayout();
}

void VsNetBut::updateAccessKey()
{
    // The first "&" marks the key; "&&" is a literal "&" and leaves the key as it was.
    const qsizetype amp = m_caption.indexOf(QLatin1Char('&'));
    if (amp < 0)
        return;
    if (amp + 1 >= m_caption.size()) {
        m_accessKey = QChar();
        return;
    }
    const QChar next = m_caption.at(amp + 1);
    if (next != QLatin1Char('&'))
        m_accessKey = next.toUpper();
}

void VsNetBut::setAutoMultiLine(bool value)
{
    letRelayout(m_autoMultiLine, value, "AutoMultiLine");
}

void VsNetBut::setCaptionOffsetBottom(int value)
{
    letRelayout(m_captionOffsetBottom, value, "CaptionOffsetBottom");
}

void VsNetBut::setCaptionOffsetLeft(int value)
{
    letRelayout(m_captionOffsetLeft, value, "CaptionOffsetLeft");
}

void VsNetBut::setCaptionOffsetRight(int value)
{
    letRelayout(m_captionOffsetRight, value, "CaptionOffsetRight");
}

void VsNetBut::setCaptionOffsetTop(int value)
{
    letRelayout(m_captionOffsetTop, value, "CaptionOffsetTop");
}

void VsNetBut::setPictureOffsetBottom(int value)
{
    letRelayout(m_pictureOffsetBottom, value, "PictureOffsetBottom");
}

void VsNetBut::setPictureOffsetLeft(int value)
{
    letRelayout(m_pictureOffsetLeft, value, "PictureOffsetLeft");
}

void VsNetBut::setPictureOffsetRight(int value)
{
    letRelayout(m_pictureOffsetRight, value, "PictureOffsetRight");
}

void VsNetBut::setPictureOffsetTop(int value)
{
    letRelayout(m_pictureOffsetTop, value, "PictureOffsetTop");
}

void VsNetBut::setShadowColor(OleColor value)
{
    letColor(m_shadowColor, value, "ShadowColor");
}

void VsNetBut::setShadowOffset(int value)
{
    letRepaint(m_shadowOffset, value, "ShadowOffset");
}

void VsNetBut::setHotKeyDynamicEffect(bool value)
{
    m_hotKeyDynamicEffect = value;
    changed(QStringLiteral("HotKeyDynamicEffect"));
}

void VsNetBut::setShowEdgeOnNoFocus(bool value)
{
    letRepaint(m_showEdgeOnNoFocus, value, "ShowEdgeOnNoFocus");
}

void VsNetBut::setShowFocusRect(bool value)
{
    letRepaint(m_showFocusRect, value, "ShowFocusRect");
}

void VsNetBut::setFoucsRectOffSet(int value)
{
    letRepaint(m_foucsRectOffSet, value, "FoucsRectOffSet");
}

void VsNetBut::setButtonPicture(const QPixmap& value)
{
    letRelayout(m_buttonPicture, value, "ButtonPicture");
}

void VsNetBut::setShowPictureFixSize(bool value)
{
    letRelayout(m_showPictureFixSize, value, "ShowPictureFixSize");
}

void VsNetBut::setSepForeColor(OleColor value)
{
    guardSeparatorColor(m_sepForeColor, value, "SepForeColor");
}

void VsNetBut::setMainSepForeColor(OleColor value)
{
    guardSeparatorColor(m_mainSepForeColor, value, "MainSepForeColor");
}

void VsNetBut::setMainSepThick(int value)
{
    guardStyleRelayout(m_mainSepThick, value, "MainSepThick", sbMainSep2003, TextMainSeparatorOnly);
}

void VsNetBut::setUp_DownWidht(int value)
{
    guardStyleRelayout(m_up_DownWidht, value, "Up_DownWidht", sbUp_Down2003, TextSplitOnly);
}

void VsNetBut::setMainSepLineBetweenSpace(int value)
{
    guardStyleRelayout(m_mainSepLineBetweenSpace, value, "MainSepLineBetweenSpace", sbMainSep2003,
                       TextMainSeparatorOnly);
}

void VsNetBut::setEnableDblClick(bool value)
{
    m_enableDblClick = value;
    changed(QStringLiteral("EnableDblClick"));
}

void VsNetBut::setEdgeColor(OleColor value)
{
    letColor(m_edgeColor, value, "EdgeColor");
}

void VsNetBut::setDownColorXP(OleColor value)
{
    letColor(m_downColorXP, value, "DownColorXP");
}

void VsNetBut::setOverColorXP(OleColor value)
{
    letColor(m_overColorXP, value, "OverColorXP");
}

void VsNetBut::setCheckedColorXP(OleColor value)
{
    letColor(m_checkedColorXP, value, "CheckedColorXP");
}

void VsNetBut::setBackColor(OleColor value)
{
    letColor(m_backColor, value, "BackColor");
}

void VsNetBut::setForeColor(OleColor value)
{
    letColor(m_foreColor, value, "ForeColor");
}

void VsNetBut::setDownColorStar(OleColor value)
{
    letColor(m_downColorStar, value, "DownColorStar");
}

void VsNetBut::setDownColorEnd(OleColor value)
{
    letColor(m_downColorEnd, value, "DownColorEnd");
}

void VsNetBut::setCheckOverColorStar(OleColor value)
{
    letColor(m_checkOverColorStar, value, "CheckOverColorStar");
}

void VsNetBut::setCheckOverColorEnd(OleColor value)
{
    letColor(m_checkOverColorEnd, value, "CheckOverColorEnd");
}

void VsNetBut::setOverColorStar(OleColor value)
{
    letColor(m_overColorStar, value, "OverColorStar");
}

void VsNetBut::setOverColorEnd(OleColor value)
{
    letColor(m_overColorEnd, value, "OverColorEnd");
}

void VsNetBut::setCheckedColorStar(OleColor value)
{
    letColor(m_checkedColorStar, value, "CheckedColorStar");
}

void VsNetBut::setCheckedColorEnd(OleColor value)
{
    letColor(m_checkedColorEnd, value, "CheckedColorEnd");
}

void VsNetBut::setPicAreaFixHeight(double value)
{
    letRelayout(m_picAreaFixHeight, value, "PicAreaFixHeight");
}

void VsNetBut::setPicAreaFixWidth(double value)
{
    letRelayout(m_picAreaFixWidth, value, "PicAreaFixWidth");
}

void VsNetBut::setIgnoeDisEnabledEffect(bool value)
{
    const bool old = m_ignoeDisEnabledEffect;
    m_ignoeDisEnabledEffect = value;
    if (m_buttonAppearance != sbOffice2003) {
        m_ignoeDisEnabledEffect = old;
        changed(QStringLiteral("IgnoeDisEnabledEffect"));
        repaintNormal();
        raiseError(QStringLiteral("IgnoeDisEnabledEffect"), PropertyError::InvalidPropertyValue,
                   TextOffice2003Only);
    }
    changed(QStringLiteral("IgnoeDisEnabledEffect"));
    repaintNormal();
}

void VsNetBut::setFont(const QFont& value)
{
    QWidget::setFont(value);
    changed(QStringLiteral("Font"));
    relayout();
}

void VsNetBut::setFontBold(bool value)
{
    QFont f = font();
    f.setBold(value);
    QWidget::setFont(f);
    changed(QStringLiteral("FontBold"));
    relayout();
}

void VsNetBut::setFontItalic(bool value)
{
    QFont f = font();
    f.setItalic(value);
    QWidget::setFont(f);
    changed(QStringLiteral("FontItalic"));
    relayout();
}

void VsNetBut::setFontUnderline(bool value)
{
    QFont f = font();
    f.setUnderline(value);
    QWidget::setFont(f);
    changed(QStringLiteral("FontUnderline"));
    relayout();
}

int VsNetBut::FontSize() const
{
    // Halves go to the even neighbour, as the conversion to an integer always did.
    const qreal points = font().pointSizeF() > 0 ? font().pointSizeF() : QFontInfo(font()).pointSizeF();
    return int(std::lrint(points));
}

void VsNetBut::setFontSize(int value)
{
    QFont f = font();
    f.setPointSize(value);
    QWidget::setFont(f);
    changed(QStringLiteral("FontSize"));
    relayout();
}

void VsNetBut::setFontName(const QString& value)
{
    QFont f = font();
    f.setFamily(value);
    QWidget::setFont(f);
    changed(QStringLiteral("FontName"));
    relayout();
}

void VsNetBut::setCaptionLayout(int value)
{
    letRelayout(m_captionLayout, value, "CaptionLayout");
}

void VsNetBut::setPictureLayout(int value)
{
    letRelayout(m_pictureLayout, value, "PictureLayout");
}

void VsNetBut::setCaptionAreaLayout(int value)
{
    letRelayout(m_captionAreaLayout, value, "CaptionAreaLayout");
}

void VsNetBut::setButtonAppearance(int value)
{
    const int old = m_buttonAppearance;
    m_buttonAppearance = value;
    QWidget::setEnabled(true);
    changed(QStringLiteral("Enabled"));
    const auto refuse = [&] {
        m_buttonAppearance = old;
        changed(QStringLiteral("ButtonAppearance"));
        relayout();
        raiseError(QStringLiteral("ButtonAppearance"), PropertyError::InvalidPropertyValue,
                   TextTooSmallForStyle);
    };
    switch (value) {
    case sbSep2003:
    case sbMainSep2003:
        // Judged by the new style's own layout: the button must be large enough for it.
        CalcButtonLayout();
        if (!m_layout.fits) {
            QWidget::setEnabled(true);
            changed(QStringLiteral("Enabled"));
            refuse();
        }
        // A separator is a disabled control.
        QWidget::setEnabled(false);
        changed(QStringLiteral("Enabled"));
        break;
    case sbUp_Down2003:
    case 4:
        CalcButtonLayout();
        if (!m_layout.fits)
            refuse();
        break;
    default:
        break;
    }
    changed(QStringLiteral("ButtonAppearance"));
    relayout();
}

void VsNetBut::Refresh()
{
    repaintCurrentState(true);
}

// ---- persistence

void VsNetBut::readProperties(const PropertyBag& bag)
{
    const auto boolean = [&](const char* key, bool def) {
        return bag.read(QLatin1String(key), def).toBool();
    };
    const auto integer = [&](const char* key, int def) { return bag.read(QLatin1String(key), def).toInt(); };
    const auto number = [&](const char* key, double def) {
        return bag.read(QLatin1String(key), def).toDouble();
    };
    const auto color = [&](const char* key, OleColor def) {
        return OleColor(bag.read(QLatin1String(key), def).toLongLong());
    };

    // Values are stored as they are: no guards and no layout until all are in.
    QWidget::setEnabled(boolean("Enabled", true));
    QWidget::setFont(bag.read(QStringLiteral("Font"), ambientFont()).value<QFont>());
    m_office2003Style = boolean("Office2003Style", true);
    m_downColorXP = color("DownColorXP", DefaultDownColorXP);
    m_overColorXP = color("OverColorXP", DefaultOverColorXP);
    m_checkedColorXP = color("CheckedColorXP", DefaultCheckedColorXP);
    m_showShadow = boolean("ShowShadow", true);
    m_mouseIcon = bag.read(QStringLiteral("MouseIcon"), QVariant()).value<QPixmap>();
    m_mousePointer = integer("MousePointer", 0);
    applyMousePointer();
    m_showCaption = boolean("ShowCaption", true);
    m_captionAreaPercent = number("CaptionAreaPercent", 80);
    m_caption = bag.read(QStringLiteral("Caption"), DefaultCaption).toString();
    m_autoMultiLine = boolean("AutoMultiLine", false);
    m_captionOffsetBottom = integer("CaptionOffsetBottom", 2);
    m_captionOffsetLeft = integer("CaptionOffsetLeft", 2);
    m_captionOffsetRight = integer("CaptionOffsetRight", 2);
    m_captionOffsetTop = integer("CaptionOffsetTop", 2);
    m_pictureOffsetBottom = integer("PictureOffsetBottom", 4);
    m_pictureOffsetLeft = integer("PictureOffsetLeft", 4);
    m_pictureOffsetRight = integer("PictureOffsetRight", 4);
    m_pictureOffsetTop = integer("PictureOffsetTop", 4);
    m_shadowColor = color("ShadowColor", DefaultShadowColor);
    m_shadowOffset = integer("ShadowOffset", 2);
    m_hotKeyDynamicEffect = boolean("HotKeyDynamicEffect", true);
    m_showEdgeOnNoFocus = boolean("ShowEdgeOnNoFocus", false);
    m_showFocusRect = boolean("ShowFocusRect", false);
    m_foucsRectOffSet = integer("FoucsRectOffSet", 2);
    m_buttonPicture = bag.read(QStringLiteral("ButtonPicture"), QVariant()).value<QPixmap>();
    m_showPictureFixSize = boolean("ShowPictureFixSize", true);
    m_sepForeColor = color("SepForeColor", DefaultSepForeColor);
    m_mainSepForeColor = color("MainSepForeColor", DefaultSepForeColor);
    m_mainSepThick = integer("MainSepThick", 3);
    m_up_DownWidht = integer("Up_DownWidht", 12);
    m_mainSepLineBetweenSpace = integer("MainSepLineBetweenSpace", 2);
    m_picAreaFixHeight = number("PicAreaFixHeight", 26);
    m_picAreaFixWidth = number("PicAreaFixWidth", 26);
    m_ignoeDisEnabledEffect = boolean("IgnoeDisEnabledEffect", false);
    m_captionLayout = integer("CaptionLayout", 4);
    m_pictureLayout = integer("PictureLayout", 4);
    m_buttonAppearance = integer("ButtonAppearance", sbOffice2003);
    m_captionAreaLayout = integer("CaptionAreaLayout", 1);
    m_enableDblClick = boolean("EnableDblClick", false);
    m_edgeColor = color("EdgeColor", DefaultEdgeColor);
    m_backColor = color("BackColor", DefaultBackColor);
    m_foreColor = color("ForeColor", DefaultForeColor());
    m_downColorStar = color("DownColorStar", DefaultDownColorStar);
    m_downColorEnd = color("DownColorEnd", DefaultDownColorEnd);
    m_checkOverColorStar = color("CheckOverColorStar", DefaultDownColorStar);
    m_checkOverColorEnd = color("CheckOverColorEnd", DefaultDownColorEnd);
    m_overColorStar = color("OverColorStar", DefaultOverColorStar);
    m_overColorEnd = color("OverColorEnd", DefaultOverColorEnd);
    m_checkedColorStar = color("CheckedColorStar", DefaultCheckedColorStar);
    m_checkedColorEnd = color("CheckedColorEnd", DefaultCheckedColorEnd);
    m_check = boolean("Check", false);

    updateAccessKey();
    CalcButtonLayout();
    m_lastButton = 1;
    m_paintState = 0;
    DrawButtonNormal(true);
}

void VsNetBut::writeProperties(PropertyBag& bag) const
{
    const auto picture = [](const QPixmap& pixmap) {
        return pixmap.isNull() ? QVariant() : QVariant(pixmap);
    };

    bag.write(QStringLiteral("Enabled"), Enabled(), true);
    bag.write(QStringLiteral("Font"), font(), ambientFont());
    bag.write(QStringLiteral("Office2003Style"), m_office2003Style, true);
    bag.write(QStringLiteral("DownColorXP"), m_downColorXP, DefaultDownColorXP);
    bag.write(QStringLiteral("OverColorXP"), m_overColorXP, DefaultOverColorXP);
    bag.write(QStringLiteral("CheckedColorXP"), m_checkedColorXP, DefaultCheckedColorXP);
    bag.write(QStringLiteral("ShowShadow"), m_showShadow, true);
    bag.write(QStringLiteral("MouseIcon"), picture(m_mouseIcon), QVariant());
    bag.write(QStringLiteral("MousePointer"), m_mousePointer, 0);
    bag.write(QStringLiteral("ShowCaption"), m_showCaption, true);
    bag.write(QStringLiteral("CaptionAreaPercent"), m_captionAreaPercent, 80.0);
    bag.write(QStringLiteral("Caption"), m_caption, DefaultCaption);
    bag.write(QStringLiteral("AutoMultiLine"), m_autoMultiLine, false);
    bag.write(QStringLiteral("CaptionOffsetBottom"), m_captionOffsetBottom, 2);
    bag.write(QStringLiteral("CaptionOffsetLeft"), m_captionOffsetLeft, 2);
    bag.write(QStringLiteral("CaptionOffsetRight"), m_captionOffsetRight, 2);
    bag.write(QStringLiteral("CaptionOffsetTop"), m_captionOffsetTop, 2);
    bag.write(QStringLiteral("PictureOffsetBottom"), m_pictureOffsetBottom, 4);
    bag.write(QStringLiteral("PictureOffsetLeft"), m_pictureOffsetLeft, 4);
    bag.write(QStringLiteral("PictureOffsetRight"), m_pictureOffsetRight, 4);
    bag.write(QStringLiteral("PictureOffsetTop"), m_pictureOffsetTop, 4);
    bag.write(QStringLiteral("ShadowColor"), m_shadowColor, DefaultShadowColor);
    bag.write(QStringLiteral("ShadowOffset"), m_shadowOffset, 2);
    bag.write(QStringLiteral("HotKeyDynamicEffect"), m_hotKeyDynamicEffect, true);
    bag.write(QStringLiteral("ShowEdgeOnNoFocus"), m_showEdgeOnNoFocus, false);
    bag.write(QStringLiteral("ShowFocusRect"), m_showFocusRect, false);
    bag.write(QStringLiteral("FoucsRectOffSet"), m_foucsRectOffSet, 2);
    bag.write(QStringLiteral("ButtonPicture"), picture(m_buttonPicture), QVariant());
    bag.write(QStringLiteral("ShowPictureFixSize"), m_showPictureFixSize, true);
    bag.write(QStringLiteral("SepForeColor"), m_sepForeColor, DefaultSepForeColor);
    bag.write(QStringLiteral("MainSepForeColor"), m_mainSepForeColor, DefaultSepForeColor);
    bag.write(QStringLiteral("MainSepThick"), m_mainSepThick, 3);
    bag.write(QStringLiteral("Up_DownWidht"), m_up_DownWidht, 12);
    bag.write(QStringLiteral("MainSepLineBetweenSpace"), m_mainSepLineBetweenSpace, 2);
    bag.write(QStringLiteral("PicAreaFixHeight"), m_picAreaFixHeight, 26.0);
    bag.write(QStringLiteral("PicAreaFixWidth"), m_picAreaFixWidth, 26.0);
    bag.write(QStringLiteral("IgnoeDisEnabledEffect"), m_ignoeDisEnabledEffect, false);
    bag.write(QStringLiteral("CaptionLayout"), m_captionLayout, 4);
    bag.write(QStringLiteral("PictureLayout"), m_pictureLayout, 4);
    bag.write(QStringLiteral("ButtonAppearance"), m_buttonAppearance, int(sbOffice2003));
    bag.write(QStringLiteral("CaptionAreaLayout"), m_captionAreaLayout, 1);
    bag.write(QStringLiteral("EnableDblClick"), m_enableDblClick, false);
    bag.write(QStringLiteral("EdgeColor"), m_edgeColor, DefaultEdgeColor);
    bag.write(QStringLiteral("BackColor"), m_backColor, DefaultBackColor);
    bag.write(QStringLiteral("ForeColor"), m_foreColor, DefaultForeColor());
    bag.write(QStringLiteral("DownColorStar"), m_downColorStar, DefaultDownColorStar);
    bag.write(QStringLiteral("DownColorEnd"), m_downColorEnd, DefaultDownColorEnd);
    bag.write(QStringLiteral("CheckOverColorStar"), m_checkOverColorStar, DefaultDownColorStar);
    bag.write(QStringLiteral("CheckOverColorEnd"), m_checkOverColorEnd, DefaultDownColorEnd);
    bag.write(QStringLiteral("OverColorStar"), m_overColorStar, DefaultOverColorStar);
    bag.write(QStringLiteral("OverColorEnd"), m_overColorEnd, DefaultOverColorEnd);
    bag.write(QStringLiteral("CheckedColorStar"), m_checkedColorStar, DefaultCheckedColorStar);
    bag.write(QStringLiteral("CheckedColorEnd"), m_checkedColorEnd, DefaultCheckedColorEnd);
    bag.write(QStringLiteral("Check"), m_check, false);
}
