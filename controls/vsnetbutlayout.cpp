// Layout of the button: which parts it has, where they lie and whether the button is large
// enough for its style. The guarded setters read the fits flag. Styles outside 0 to 4 compute
// nothing.
#include "controls/vsnetbutlayout.h"

#include <cmath>

#include <QFontMetrics>

#include "controls/vsnetbut.h"

namespace {

// Rounding down, as the layout's arithmetic does for its halves.
int intOf(double value)
{
    return int(std::floor(value));
}

// Rounding to the nearest whole number, halves to the even neighbour.
int roundEven(double value)
{
    return int(std::nearbyint(value));
}

} // namespace

int VsNetButLayout::qtTextFlags(int dtFlags)
{
    int flags = Qt::AlignTop | Qt::TextShowMnemonic;
    flags |= (dtFlags & DtWordBreak) ? int(Qt::TextWordWrap) : int(Qt::TextSingleLine);
    if (dtFlags & DtCenter)
        flags |= Qt::AlignHCenter;
    else if (dtFlags & DtRight)
        flags |= Qt::AlignRight;
    else
        flags |= Qt::AlignLeft;
    return flags;
}

void VsNetButLayout::calculate(const VsNetButLayoutInput& in)
{
    button = QRect(0, 0, in.size.width(), in.size.height());
    const PixelRect whole{0, 0, in.size.width(), in.size.height()};
    switch (in.appearance) {
    case VsNetBut::sbOffice2003:
        fits = true;
        separator = false;
        mainSeparator = false;
        dropDown = false;
        style4 = false;
        areaRule(in, whole);
        break;
    case VsNetBut::sbSep2003:
    case VsNetBut::sbMainSep2003: {
        pictureArea = whole;
        const PixelRect inner = whole.inset(in.pictureOffsetLeft, in.pictureOffsetTop, in.pictureOffsetRight,
                                            in.pictureOffsetBottom);
        const int w = inner.width();
        const int h = inner.height();
        if (in.appearance == VsNetBut::sbSep2003) {
            if (w < 1 || h < 1) {
                fits = false;
                return;
            }
            const int x = inner.left + intOf(w / 2.0);
            pictureRect = {x, inner.top, x, inner.bottom};
            separator = true;
            mainSeparator = false;
        } else {
            if (!(h > in.mainSepLineBetweenSpace && h >= 1 && w > in.mainSepThick && w >= 1)) {
                fits = false;
                return;
            }
            pictureRect = {inner.left + intOf((w - in.mainSepThick) / 2.0), inner.top,
                           inner.left + intOf((w + in.mainSepThick) / 2.0), inner.bottom};
            separator = false;
            mainSeparator = true;
        }
        fits = true;
        pictureShown = false;
        captionShown = false;
        dropDown = false;
        style4 = false;
        break;
    }
    case VsNetBut::sbUp_Down2003: {
        if (!(whole.width() > in.up_DownWidht && whole.height() > 2)) {
            fits = false;
            return;
        }
        fits = true;
        dropDownPart = {whole.right - in.up_DownWidht, whole.top, whole.right, whole.bottom};
        insetDropDown = dropDownPart.inset(in.captionOffsetLeft, in.captionOffsetTop, in.captionOffsetRight,
                                           in.captionOffsetBottom);
        const int l = insetDropDown.left;
        const int t = insetDropDown.top;
        const double w = insetDropDown.width();
        const double h = insetDropDown.height();
        arrowRect = {l + intOf(w / 2 - 3), t + intOf(h / 2 - 1), l + intOf(w / 2 + 3), t + intOf(h / 2 + 1)};
        glyphWidth = 6;
        glyphHeight = 2;
        dropDown = true;
        separator = false;
        mainSeparator = false;
        style4 = false;
        areaRule(in, {whole.left, whole.top, dropDownPart.left, whole.bottom});
        break;
    }
    case 4: {
        if (!(whole.width() > 8 && whole.height() > 14)) {
            fits = false;
            return;
        }
        fits = true;
        captionArea = whole;
        insetCaption = whole.inset(in.captionOffsetLeft, in.captionOffsetTop, in.captionOffsetRight,
                                   in.captionOffsetBottom);
        const int l = insetCaption.left;
        const int t = insetCaption.top;
        const double w = insetCaption.width();
        const double h = insetCaption.height();
        captionTextRect = {l + intOf(w / 2 - 4), t + intOf(h / 2 - 7), l + intOf(w / 2 + 4),
                           t + intOf(h / 2 + 7)};
        glyphWidth = 8;
        glyphHeight = 14;
        style4 = true;
        pictureShown = false;
        captionShown = false;
        separator = false;
        mainSeparator = false;
        dropDown = false;
        break;
    }
    default:
        break;
    }
}

void VsNetButLayout::areaRule(const VsNetButLayoutInput& in, const PixelRect& r)
{
    if (in.captionAreaPercent == 100) {
        pictureShown = false;
        captionShown = true;
        captionArea = r;
        layoutCaption(in);
    } else if (in.captionAreaPercent == 0) {
        pictureShown = true;
        captionShown = false;
        pictureArea = r;
        layoutPicture(in);
    } else if (!in.caption.isEmpty() && in.showCaption) {
        pictureShown = true;
        captionShown = true;
        if (in.showPictureFixSize)
            splitAreasFixed(in, r);
        else
            splitAreasByPercent(in, r);
    } else {
        pictureShown = true;
        captionShown = false;
        pictureArea = r;
        layoutPicture(in);
    }
}

void VsNetButLayout::splitAreasByPercent(const VsNetButLayoutInput& in, const PixelRect& r)
{
    const double p = in.captionAreaPercent;
    const double w = r.width();
    const double h = r.height();
    switch (in.captionAreaLayout) {
    case 0: {
        const int x = intOf(w * p / 100);
        captionArea = {r.left, r.top, x, r.bottom};
        pictureArea = {x, r.top, r.right, r.bottom};
        break;
    }
    case 1: {
        const int x = intOf(w * (100 - p) / 100);
        captionArea = {x, r.top, r.right, r.bottom};
        pictureArea = {r.left, r.top, x, r.bottom};
        break;
    }
    case 2: {
        const int y = intOf(h * p / 100);
        captionArea = {r.left, r.top, r.right, y};
        pictureArea = {r.left, y, r.right, r.bottom};
        break;
    }
    case 3: {
        const int y = intOf(h * (100 - p) / 100);
        captionArea = {r.left, y, r.right, r.bottom};
        pictureArea = {r.left, r.top, r.right, y};
        break;
    }
    default:
        break;
    }
    layoutPicture(in);
    layoutCaption(in);
}

void VsNetButLayout::splitAreasFixed(const VsNetButLayoutInput& in, const PixelRect& r)
{
    const double fw = in.picAreaFixWidth;
    const double fh = in.picAreaFixHeight;
    switch (in.captionAreaLayout) {
    case 0: {
        const int x = roundEven(r.right - fw);
        pictureArea = {x, r.top, r.right, r.bottom};
        captionArea = {r.left, r.top, x, r.bottom};
        break;
    }
    case 1: {
        const int x = roundEven(r.left + fw);
        pictureArea = {r.left, r.top, x, r.bottom};
        captionArea = {x, r.top, r.right, r.bottom};
        break;
    }
    case 2: {
        const int y = roundEven(r.bottom - fh);
        pictureArea = {r.left, y, r.right, r.bottom};
        captionArea = {r.left, r.top, r.right, y};
        break;
    }
    case 3: {
        const int y = roundEven(r.top + fh);
        pictureArea = {r.left, r.top, r.right, y};
        captionArea = {r.left, y, r.right, r.bottom};
        break;
    }
    default:
        break;
    }
    layoutPicture(in);
    layoutCaption(in);
}

void VsNetButLayout::layoutPicture(const VsNetButLayoutInput& in)
{
    insetPicture = pictureArea.inset(in.pictureOffsetLeft, in.pictureOffsetTop, in.pictureOffsetRight,
                                     in.pictureOffsetBottom);
    pictureWidth = in.pictureSize.width();
    pictureHeight = in.pictureSize.height();
    if (in.pictureLayout < 0 || in.pictureLayout > 8)
        return;
    const PixelRect& r = insetPicture;
    const double w = pictureWidth;
    const double h = pictureHeight;
    const double W = r.width();
    const double H = r.height();
    switch (in.pictureLayout % 3) {
    case 0:
        pictureRect.left = r.left;
        pictureRect.right = r.left + pictureWidth;
        break;
    case 1:
        pictureRect.left = r.left + intOf(W / 2 - w / 2);
        pictureRect.right = r.left + intOf(W / 2 + w / 2);
        break;
    default:
        pictureRect.left = r.right - pictureWidth;
        pictureRect.right = r.right;
        break;
    }
    switch (in.pictureLayout / 3) {
    case 0:
        pictureRect.top = r.bottom - pictureHeight;
        pictureRect.bottom = r.bottom;
        break;
    case 1:
        pictureRect.top = r.top + intOf(H / 2 - h / 2);
        pictureRect.bottom = r.top + intOf(H / 2 + h / 2);
        break;
    default:
        pictureRect.top = r.top;
        pictureRect.bottom = r.top + pictureHeight;
        break;
    }
}

void VsNetButLayout::layoutCaption(const VsNetButLayoutInput& in)
{
    insetCaption = captionArea.inset(in.captionOffsetLeft, in.captionOffsetTop, in.captionOffsetRight,
                                     in.captionOffsetBottom);
    measuring = insetCaption;
    textFlags = in.autoMultiLine ? DtWordBreak : DtSingleLine;
    if (in.captionLayout < 0 || in.captionLayout > 8)
        return;
    static constexpr int horizontal[] = {0, DtCenter, DtRight};
    textFlags |= horizontal[in.captionLayout % 3];

    const QFontMetrics metrics(in.font);
    textHeight = metrics.boundingRect(measuring.toQRect(), qtTextFlags(textFlags), in.caption).height();
    const PixelRect& r = insetCaption;
    const double h = textHeight;
    const double H = r.height();
    switch (in.captionLayout / 3) {
    case 0:
        captionTextRect = {r.left, r.bottom - textHeight, r.right, r.bottom};
        break;
    case 1:
        captionTextRect = {r.left, r.top + intOf(H / 2 - h / 2), r.right, r.top + intOf(H / 2 + h / 2)};
        break;
    default:
        captionTextRect = {r.left, r.top, r.right, r.top + textHeight};
        break;
    }
}

void VsNetBut::CalcButtonLayout()
{
    VsNetButLayoutInput in;
    // The size of the control itself, also while it is hidden and Qt holds its resize events back.
    in.size = size();
    in.appearance = m_buttonAppearance;
    in.captionAreaPercent = m_captionAreaPercent;
    in.caption = m_caption;
    in.showCaption = m_showCaption;
    in.showPictureFixSize = m_showPictureFixSize;
    in.autoMultiLine = m_autoMultiLine;
    in.captionAreaLayout = m_captionAreaLayout;
    in.captionLayout = m_captionLayout;
    in.pictureLayout = m_pictureLayout;
    in.picAreaFixWidth = m_picAreaFixWidth;
    in.picAreaFixHeight = m_picAreaFixHeight;
    in.captionOffsetLeft = m_captionOffsetLeft;
    in.captionOffsetTop = m_captionOffsetTop;
    in.captionOffsetRight = m_captionOffsetRight;
    in.captionOffsetBottom = m_captionOffsetBottom;
    in.pictureOffsetLeft = m_pictureOffsetLeft;
    in.pictureOffsetTop = m_pictureOffsetTop;
    in.pictureOffsetRight = m_pictureOffsetRight;
    in.pictureOffsetBottom = m_pictureOffsetBottom;
    if (!m_buttonPicture.isNull()) {
        const QSizeF size = m_buttonPicture.deviceIndependentSize();
        in.pictureSize = QSize(roundEven(size.width()), roundEven(size.height()));
    }
    in.font = font();
    in.mainSepThick = m_mainSepThick;
    in.mainSepLineBetweenSpace = m_mainSepLineBetweenSpace;
    in.up_DownWidht = m_up_DownWidht;
    m_layout.calculate(in);

    // A separator is never enabled.
    if (m_buttonAppearance == sbSep2003 && m_layout.fits && Enabled())
        QWidget::setEnabled(false);
    // The caption may have brought a new access key; every caption change passes through here.
    syncShortcuts();
}

void VsNetBut::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    CalcButtonLayout();
    DrawButtonNormal(true);
}

QRect VsNetBut::captionRect() const
{
    if (!m_layout.fits || !m_layout.captionShown)
        return QRect();
    return m_layout.captionTextRect.toQRect();
}
