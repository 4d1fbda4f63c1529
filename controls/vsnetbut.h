#pragma once

#include <QFont>
#include <QPixmap>
#include <QRect>
#include <QTimer>
#include <QWidget>

#include "controls/olecolor.h"
#include "controls/vsnetbutlayout.h"

class PropertyBag;
class QPainter;
class QShortcut;

// The program's own button: a picture area and a caption area in several looks, also serving as
// toolbar separator and as split button with a drop-down part. It works in pixels.
//
// Getters carry the property names; setters are set<Name>. Some setters refuse values that do
// not suit the style or the size: they keep the old value and throw PropertyError (380).
// Properties: here (vsnetbut.cpp); layout: vsnetbutlayout.cpp; painting: vsnetbutpaint.cpp;
// mouse, keyboard and focus: vsnetbutinput.cpp.
class VsNetBut : public QWidget
{
    Q_OBJECT

public:
    enum ButtonAppearanceStyle
    {
        sbOffice2003 = 0,
        sbSep2003 = 1,
        sbMainSep2003 = 2,
        sbUp_Down2003 = 3,
    };

    static const QString DefaultCaption;
    static constexpr OleColor DefaultShadowColor = 0xBAA6A6;
    static constexpr OleColor DefaultSepForeColor = 0x828080;
    static constexpr OleColor DefaultEdgeColor = OleRgb(0, 45, 150);
    static constexpr OleColor DefaultDownColorXP = 0xC08080;
    static constexpr OleColor DefaultOverColorXP = 0xD1ADAD;
    static constexpr OleColor DefaultCheckedColorXP = 0xD8CCCC;
    static constexpr OleColor DefaultBackColor = SystemColor(SysButtonFace);
    static constexpr OleColor DefaultDownColorStar = OleRgb(251, 139, 89);
    static constexpr OleColor DefaultDownColorEnd = OleRgb(206, 47, 3);
    static constexpr OleColor DefaultOverColorStar = OleRgb(253, 254, 211);
    static constexpr OleColor DefaultOverColorEnd = OleRgb(253, 221, 152);
    static constexpr OleColor DefaultCheckedColorStar = OleRgb(251, 223, 128);
    static constexpr OleColor DefaultCheckedColorEnd = OleRgb(245, 185, 74);
    // The window-text colour at this moment, as an RGB value.
    static OleColor DefaultForeColor();

    explicit VsNetBut(QWidget* parent = nullptr);

    bool Office2003Style() const { return m_office2003Style; }
    void setOffice2003Style(bool value);
    bool ShowShadow() const { return m_showShadow; }
    void setShowShadow(bool value);
    bool Check() const { return m_check; }
    void setCheck(bool value);
    bool Enabled() const { return !testAttribute(Qt::WA_ForceDisabled); }
    void setEnabled(bool value);
    WId hWnd() const { return effectiveWinId(); }
    QPixmap MouseIcon() const { return m_mouseIcon; }
    void setMouseIcon(const QPixmap& value);
    int MousePointer() const { return m_mousePointer; }
    void setMousePointer(int value);
    QPaintDevice* hDC() { return this; }
    bool ShowCaption() const { return m_showCaption; }
    void setShowCaption(bool value);
    double CaptionAreaPercent() const { return m_captionAreaPercent; }
    void setCaptionAreaPercent(double value);
    QString Caption() const { return m_caption; }
    void setCaption(const QString& value);
    bool AutoMultiLine() const { return m_autoMultiLine; }
    void setAutoMultiLine(bool value);
    int CaptionOffsetBottom() const { return m_captionOffsetBottom; }
    void setCaptionOffsetBottom(int value);
    int CaptionOffsetLeft() const { return m_captionOffsetLeft; }
    void setCaptionOffsetLeft(int value);
    int CaptionOffsetRight() const { return m_captionOffsetRight; }
    void setCaptionOffsetRight(int value);
    int CaptionOffsetTop() const { return m_captionOffsetTop; }
    void setCaptionOffsetTop(int value);
    int PictureOffsetBottom() const { return m_pictureOffsetBottom; }
    void setPictureOffsetBottom(int value);
    int PictureOffsetLeft() const { return m_pictureOffsetLeft; }
    void setPictureOffsetLeft(int value);
    int PictureOffsetRight() const { return m_pictureOffsetRight; }
    void setPictureOffsetRight(int value);
    int PictureOffsetTop() const { return m_pictureOffsetTop; }
    void setPictureOffsetTop(int value);
    OleColor ShadowColor() const { return m_shadowColor; }
    void setShadowColor(OleColor value);
    int ShadowOffset() const { return m_shadowOffset; }
    void setShadowOffset(int value);
    bool HotKeyDynamicEffect() const { return m_hotKeyDynamicEffect; }
    void setHotKeyDynamicEffect(bool value);
    bool ShowEdgeOnNoFocus() const { return m_showEdgeOnNoFocus; }
    void setShowEdgeOnNoFocus(bool value);
    bool ShowFocusRect() const { return m_showFocusRect; }
    void setShowFocusRect(bool value);
    int FoucsRectOffSet() const { return m_foucsRectOffSet; }
    void setFoucsRectOffSet(int value);
    QPixmap ButtonPicture() const { return m_buttonPicture; }
    void setButtonPicture(const QPixmap& value);
    bool ShowPictureFixSize() const { return m_showPictureFixSize; }
    void setShowPictureFixSize(bool value);
    OleColor SepForeColor() const { return m_sepForeColor; }
    void setSepForeColor(OleColor value);
    OleColor MainSepForeColor() const { return m_mainSepForeColor; }
    void setMainSepForeColor(OleColor value);
    int MainSepThick() const { return m_mainSepThick; }
    void setMainSepThick(int value);
    int Up_DownWidht() const { return m_up_DownWidht; }
    void setUp_DownWidht(int value);
    int MainSepLineBetweenSpace() const { return m_mainSepLineBetweenSpace; }
    void setMainSepLineBetweenSpace(int value);
    bool EnableDblClick() const { return m_enableDblClick; }
    void setEnableDblClick(bool value);
    OleColor EdgeColor() const { return m_edgeColor; }
    void setEdgeColor(OleColor value);
    OleColor DownColorXP() const { return m_downColorXP; }
    void setDownColorXP(OleColor value);
    OleColor OverColorXP() const { return m_overColorXP; }
    void setOverColorXP(OleColor value);
    OleColor CheckedColorXP() const { return m_checkedColorXP; }
    void setCheckedColorXP(OleColor value);
    OleColor BackColor() const { return m_backColor; }
    void setBackColor(OleColor value);
    OleColor ForeColor() const { return m_foreColor; }
    void setForeColor(OleColor value);
    OleColor DownColorStar() const { return m_downColorStar; }
    void setDownColorStar(OleColor value);
    OleColor DownColorEnd() const { return m_downColorEnd; }
    void setDownColorEnd(OleColor value);
    OleColor CheckOverColorStar() const { return m_checkOverColorStar; }
    void setCheckOverColorStar(OleColor value);
    OleColor CheckOverColorEnd() const { return m_checkOverColorEnd; }
    void setCheckOverColorEnd(OleColor value);
    OleColor OverColorStar() const { return m_overColorStar; }
    void setOverColorStar(OleColor value);
    OleColor OverColorEnd() const { return m_overColorEnd; }
    void setOverColorEnd(OleColor value);
    OleColor CheckedColorStar() const { return m_checkedColorStar; }
    void setCheckedColorStar(OleColor value);
    OleColor CheckedColorEnd() const { return m_checkedColorEnd; }
    void setCheckedColorEnd(OleColor value);
    double PicAreaFixHeight() const { return m_picAreaFixHeight; }
    void setPicAreaFixHeight(double value);
    double PicAreaFixWidth() const { return m_picAreaFixWidth; }
    void setPicAreaFixWidth(double value);
    bool IgnoeDisEnabledEffect() const { return m_ignoeDisEnabledEffect; }
    void setIgnoeDisEnabledEffect(bool value);
    QFont Font() const { return font(); }
    void setFont(const QFont& value);
    bool FontBold() const { return font().bold(); }
    void setFontBold(bool value);
    bool FontItalic() const { return font().italic(); }
    void setFontItalic(bool value);
    bool FontUnderline() const { return font().underline(); }
    void setFontUnderline(bool value);
    int FontSize() const;
    void setFontSize(int value);
    QString FontName() const { return font().family(); }
    void setFontName(const QString& value);
    int CaptionLayout() const { return m_captionLayout; }
    void setCaptionLayout(int value);
    int PictureLayout() const { return m_pictureLayout; }
    void setPictureLayout(int value);
    int ButtonAppearance() const { return m_buttonAppearance; }
    void setButtonAppearance(int value);
    int CaptionAreaLayout() const { return m_captionAreaLayout; }
    void setCaptionAreaLayout(int value);
    // Paints the current look again.
    void Refresh();
    // A vertical or horizontal two-colour gradient over (LeftX, TopY)-(RightX, BottomY), right and
    // bottom just outside, framed in clrBorder when asked and clrBorder is not -1.
    void FillGradient(QPainter* hDC, int LeftX, int TopY, int RightX, int BottomY, OleColor clrFirst,
                      OleColor clrSecond, bool bVertical = false, bool bDrawBorder = false,
                      OleColor clrBorder = -1);

    // The host's default button answers Enter, its cancel button Escape, as if their access key
    // was pressed. Neither is saved with the button: they belong to the host.
    bool Default() const { return m_default; }
    void setDefault(bool value);
    bool Cancel() const { return m_cancel; }
    void setCancel(bool value);

    // The character that clicks the button with Alt, taken from the caption's "&"; null when none.
    QChar accessKey() const { return m_accessKey; }
    // 0 normal, 1 hover, 2 pressed.
    int paintState() const { return m_paintState; }
    // Whether the button is large enough for its style (as the last layout found).
    bool layoutFits() const { return m_layout.fits; }
    // Where the caption is drawn (one line, clipped to this rectangle); empty when none is shown.
    QRect captionRect() const;

    void readProperties(const PropertyBag& bag);
    void writeProperties(PropertyBag& bag) const;

Q_SIGNALS:
    void Click();
    void DblClick();
    void KeyDown(int& KeyCode, int& Shift);
    void KeyPress(int& KeyAscii);
    void KeyUp(int& KeyCode, int& Shift);
    void MouseDown(int& Button, int& Shift, float& X, float& Y);
    void MouseMove(int& Button, int& Shift, float& X, float& Y);
    void MouseUp(int& Button, int& Shift, float& X, float& Y);
    void Resize();
    void MouseEnter();
    void MouseExit();
    void DropDownClick();
    // A property was set: the host should save it.
    void propertyChanged(const QString& name);

protected:
    // vsnetbutpaint.cpp
    void paintEvent(QPaintEvent* event) override;
    // vsnetbutinput.cpp
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    using Layout = VsNetButLayout;

    // vsnetbutlayout.cpp
    void CalcButtonLayout();
    // vsnetbutpaint.cpp: without force nothing happens when the look is already the one asked for.
    void DrawButtonNormal(bool force);
    void DrawButtonOver(bool force);
    void DrawButtonDown(bool force);
    void repaintCurrentState(bool force);
    void paintLook(QPainter& painter, int look);
    void DrawButtonPicture(QPainter& painter, const QPixmap& picture, int x, int y, bool silhouette);
    void DrawDropDownArrow(QPainter& painter, const QColor& color);
    void DrawChevronGlyph(QPainter& painter, const QColor& color);
    void drawFocusRect(QPainter& painter, const PixelRect& r);
    static QColor ResolveColor(OleColor color);
    // vsnetbutinput.cpp
    void mouseDownHandler(int button, int shift, float x, float y);
    void mouseMoveHandler(int button, int shift, float x, float y);
    void mouseUpHandler(int button, int shift, float x, float y);
    void clickHandler();
    void overTimerTick();
    void accessKeyPress(int keyAscii);
    void flashStep();
    void finishAccessKey();
    void syncShortcuts();

    void changed(const QString& name);
    void relayout();
    void layoutForCurrentSize();
    void repaintNormal();
    [[noreturn]] void raiseError(const QString& property, int number, const QString& description);
    void updateAccessKey();
    void applyMousePointer();
    QFont ambientFont() const;
    template <typename T> void letRepaint(T& member, const T& value, const char* name);
    template <typename T> void letRelayout(T& member, const T& value, const char* name);
    void letColor(OleColor& member, OleColor value, const char* name);
    // The guarded setters: checked after the new value is in place; a refusal restores old.
    void guardSeparatorColor(OleColor& member, OleColor value, const char* name);
    template <typename T>
    void guardStyleRelayout(T& member, const T& value, const char* name, int style, const QString& styleText);

    bool m_office2003Style = true;
    bool m_showShadow = true;
    bool m_check = false;
    QPixmap m_mouseIcon;
    int m_mousePointer = 0;
    bool m_showCaption = true;
    double m_captionAreaPercent = 80;
    QString m_caption;
    bool m_autoMultiLine = false;
    int m_captionOffsetBottom = 2;
    int m_captionOffsetLeft = 2;
    int m_captionOffsetRight = 2;
    int m_captionOffsetTop = 2;
    int m_pictureOffsetBottom = 4;
    int m_pictureOffsetLeft = 4;
    int m_pictureOffsetRight = 4;
    int m_pictureOffsetTop = 4;
    OleColor m_shadowColor = DefaultShadowColor;
    int m_shadowOffset = 2;
    bool m_hotKeyDynamicEffect = true;
    bool m_showEdgeOnNoFocus = false;
    bool m_showFocusRect = false;
    int m_foucsRectOffSet = 2;
    QPixmap m_buttonPicture;
    bool m_showPictureFixSize = true;
    OleColor m_sepForeColor = DefaultSepForeColor;
    OleColor m_mainSepForeColor = DefaultSepForeColor;
    int m_mainSepThick = 3;
    int m_up_DownWidht = 12;
    int m_mainSepLineBetweenSpace = 2;
    bool m_enableDblClick = false;
    OleColor m_edgeColor = DefaultEdgeColor;
    OleColor m_downColorXP = DefaultDownColorXP;
    OleColor m_overColorXP = DefaultOverColorXP;
    OleColor m_checkedColorXP = DefaultCheckedColorXP;
    OleColor m_backColor = DefaultBackColor;
    OleColor m_foreColor = 0;
    OleColor m_downColorStar = DefaultDownColorStar;
    OleColor m_downColorEnd = DefaultDownColorEnd;
    OleColor m_checkOverColorStar = DefaultDownColorStar;
    OleColor m_checkOverColorEnd = DefaultDownColorEnd;
    OleColor m_overColorStar = DefaultOverColorStar;
    OleColor m_overColorEnd = DefaultOverColorEnd;
    OleColor m_checkedColorStar = DefaultCheckedColorStar;
    OleColor m_checkedColorEnd = DefaultCheckedColorEnd;
    double m_picAreaFixHeight = 26;
    double m_picAreaFixWidth = 26;
    bool m_ignoeDisEnabledEffect = false;
    int m_captionLayout = 4;
    int m_pictureLayout = 4;
    int m_buttonAppearance = sbOffice2003;
    int m_captionAreaLayout = 1;

    QChar m_accessKey;
    int m_paintState = 0;
    // The look on screen: the paint state's, except after a double click, which keeps the look it
    // drew while recording the normal state.
    int m_shownLook = 0;
    int m_lastButton = 1;
    int m_lastKeyCode = 0;
    bool m_hover = false;
    bool m_focus = false;
    bool m_dropDownClicked = false;
    // The release that ends a double click is no click of its own.
    bool m_doubleClickRelease = false;
    // 0 when no access-key flash runs, else the step reached.
    int m_flashStep = 0;
    bool m_default = false;
    bool m_cancel = false;
    QShortcut* m_accessShortcut = nullptr;
    QShortcut* m_returnShortcut = nullptr;
    QShortcut* m_enterShortcut = nullptr;
    QShortcut* m_escapeShortcut = nullptr;
    QTimer m_overTimer;
    Layout m_layout;
};
