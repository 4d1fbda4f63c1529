#pragma once

#include <QFont>
#include <QRect>
#include <QSize>
#include <QString>

// A rectangle as the button's arithmetic sees it: right and bottom lie just outside it.
struct PixelRect
{
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    int width() const { return right - left; }
    int height() const { return bottom - top; }
    PixelRect inset(int l, int t, int r, int b) const { return {left + l, top + t, right - r, bottom - b}; }
    QRect toQRect() const { return QRect(left, top, right - left, bottom - top); }
    bool operator==(const PixelRect&) const = default;
};

// Everything of the button that its layout reads.
struct VsNetButLayoutInput
{
    QSize size;
    int appearance = 0;
    double captionAreaPercent = 80;
    QString caption;
    bool showCaption = true;
    bool showPictureFixSize = true;
    bool autoMultiLine = false;
    int captionAreaLayout = 1;
    int captionLayout = 4;
    int pictureLayout = 4;
    double picAreaFixWidth = 26;
    double picAreaFixHeight = 26;
    int captionOffsetLeft = 2;
    int captionOffsetTop = 2;
    int captionOffsetRight = 2;
    int captionOffsetBottom = 2;
    int pictureOffsetLeft = 4;
    int pictureOffsetTop = 4;
    int pictureOffsetRight = 4;
    int pictureOffsetBottom = 4;
    // 0 x 0 when the button has no picture.
    QSize pictureSize;
    QFont font;
    int mainSepThick = 3;
    int mainSepLineBetweenSpace = 2;
    int up_DownWidht = 12;
};

// Where the button's parts lie. A case that computes nothing leaves the earlier values in place,
// and the painter draws from whatever is there.
struct VsNetButLayout
{
    // Text format flags of the layout's arithmetic.
    static constexpr int DtCenter = 1;
    static constexpr int DtRight = 2;
    static constexpr int DtWordBreak = 16;
    static constexpr int DtSingleLine = 32;

    QRect button;
    PixelRect pictureArea;
    PixelRect captionArea;
    PixelRect insetPicture;
    PixelRect insetCaption;
    PixelRect measuring;
    // Styles 1 and 2 keep their separator line or band here.
    PixelRect pictureRect;
    // Style 4 keeps its glyph here.
    PixelRect captionTextRect;
    PixelRect dropDownPart;
    PixelRect insetDropDown;
    PixelRect arrowRect;
    int glyphWidth = 0;
    int glyphHeight = 0;
    int pictureWidth = 0;
    int pictureHeight = 0;
    int textHeight = 0;
    int textFlags = 0;
    bool fits = false;
    bool pictureShown = false;
    bool captionShown = false;
    bool separator = false;
    bool mainSeparator = false;
    bool dropDown = false;
    bool style4 = false;

    void calculate(const VsNetButLayoutInput& in);
    // The Qt flags that measure and draw text as the format flags say ("&" marks the access key).
    static int qtTextFlags(int dtFlags);

private:
    void areaRule(const VsNetButLayoutInput& in, const PixelRect& r);
    void splitAreasByPercent(const VsNetButLayoutInput& in, const PixelRect& r);
    void splitAreasFixed(const VsNetButLayoutInput& in, const PixelRect& r);
    void layoutPicture(const VsNetButLayoutInput& in);
    void layoutCaption(const VsNetButLayoutInput& in);
};
