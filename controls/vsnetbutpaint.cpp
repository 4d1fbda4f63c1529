// Painting of the button: three looks (normal, hover, pressed) for every style, always the whole
// control. The painters record the look and have it drawn; paintEvent draws the recorded look.
#include "controls/vsnetbut.h"

#include <QImage>
#include <QPainter>
#include <QPolygon>

namespace {

void frameRect(QPainter& painter, const PixelRect& r, const QColor& color)
{
    if (r.width() <= 0 || r.height() <= 0)
        return;
    painter.fillRect(QRect(r.left, r.top, r.width(), 1), color);
    painter.fillRect(QRect(r.left, r.bottom - 1, r.width(), 1), color);
    painter.fillRect(QRect(r.left, r.top, 1, r.height()), color);
    painter.fillRect(QRect(r.right - 1, r.top, 1, r.height()), color);
}

void setPixel(QPainter& painter, int x, int y, const QColor& color)
{
    painter.fillRect(QRect(x, y, 1, 1), color);
}

} // namespace

QColor VsNetBut::ResolveColor(OleColor color)
{
    return OleToQColor(ResolveOleColor(color));
}

void VsNetBut::DrawButtonNormal(bool force)
{
    if (!force && m_paintState == 0)
        return;
    m_paintState = 0;
    m_shownLook = 0;
    update();
}

void VsNetBut::DrawButtonOver(bool force)
{
    if (!force && m_paintState == 1)
        return;
    m_paintState = 1;
    m_shownLook = 1;
    update();
}

void VsNetBut::DrawButtonDown(bool force)
{
    if (!force && m_paintState == 2)
        return;
    m_paintState = 2;
    m_shownLook = 2;
    update();
}

void VsNetBut::repaintCurrentState(bool force)
{
    switch (m_paintState) {
    case 1:
        DrawButtonOver(force);
        break;
    case 2:
        DrawButtonDown(force);
        break;
    default:
        DrawButtonNormal(force);
        break;
    }
}

void VsNetBut::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    // A button too small for its style shows nothing of the style.
    if (!m_layout.fits) {
        painter.fillRect(rect(), ResolveColor(m_backColor));
        return;
    }
    paintLook(painter, m_shownLook);
}

void VsNetBut::FillGradient(QPainter* hDC, int LeftX, int TopY, int RightX, int BottomY, OleColor clrFirst,
                            OleColor clrSecond, bool bVertical, bool bDrawBorder, OleColor clrBorder)
{
    const QColor first = ResolveColor(clrFirst);
    const QColor second = ResolveColor(clrSecond);
    // Channels in 1/256 steps from the first colour at the start row or column towards the second.
    const int span = bVertical ? BottomY - TopY : RightX - LeftX;
    const auto channel = [span](int from, int to, int i) {
        return (from * 256 + (to - from) * 256 * i / span) >> 8;
    };
    for (int i = 0; i < span; ++i) {
        const QColor color(channel(first.red(), second.red(), i), channel(first.green(), second.green(), i),
                           channel(first.blue(), second.blue(), i));
        if (bVertical)
            hDC->fillRect(QRect(LeftX, TopY + i, RightX - LeftX, 1), color);
        else
            hDC->fillRect(QRect(LeftX + i, TopY, 1, BottomY - TopY), color);
    }
    if (bDrawBorder && clrBorder != -1)
        frameRect(*hDC, {LeftX, TopY, RightX, BottomY}, ResolveColor(clrBorder));
}

void VsNetBut::paintLook(QPainter& painter, int look)
{
    const Layout& lay = m_layout;
    const PixelRect button{0, 0, lay.button.width(), lay.button.height()};
    const bool live = m_ignoeDisEnabledEffect || Enabled();
    const QColor foreColor = ResolveColor(m_foreColor);
    const QColor stateColor = live ? foreColor : ResolveColor(m_shadowColor);
    const QColor edgeColor = ResolveColor(m_edgeColor);
    const bool separatorStyle = m_buttonAppearance == sbSep2003 || m_buttonAppearance == sbMainSep2003;

    // 1. Background.
    const auto fill = [&](OleColor color) { painter.fillRect(button.toQRect(), ResolveColor(color)); };
    const auto fillFramed = [&](OleColor color) {
        fill(color);
        frameRect(painter, button, edgeColor);
    };
    const auto gradient = [&](OleColor start, OleColor end) {
        FillGradient(&painter, button.left, button.top, button.right, button.bottom, start, end, true, true,
                     m_edgeColor);
    };
    if (separatorStyle && look != 0) {
        fill(m_backColor);
    } else if (m_office2003Style) {
        if (look == 0 && m_check)
            gradient(m_checkedColorStar, m_checkedColorEnd);
        else if (look == 0)
            fill(m_backColor);
        else if (look == 1 && m_check)
            gradient(m_checkOverColorStar, m_checkOverColorEnd);
        else if (look == 1)
            gradient(m_overColorStar, m_overColorEnd);
        else
            gradient(m_downColorStar, m_downColorEnd);
    } else {
        if (look == 0 && m_check)
            fillFramed(m_checkedColorXP);
        else if (look == 0)
            fill(m_backColor);
        else if (look == 1 && !m_check)
            fillFramed(m_overColorXP);
        else
            fillFramed(m_downColorXP);
    }

    // 2. Picture.
    if (lay.pictureShown && !m_buttonPicture.isNull()) {
        const int x = lay.pictureRect.left;
        const int y = lay.pictureRect.top;
        if (look == 0) {
            DrawButtonPicture(painter, m_buttonPicture, x, y, !live);
        } else if (look == 1 && m_showShadow) {
            DrawButtonPicture(painter, m_buttonPicture, x, y, true);
            DrawButtonPicture(painter, m_buttonPicture, x - m_shadowOffset, y - m_shadowOffset, false);
        } else {
            DrawButtonPicture(painter, m_buttonPicture, x, y, false);
        }
    }

    // 3. Caption, clipped to its rectangle; the background shows through.
    const PixelRect& text = lay.captionTextRect;
    if (lay.captionShown && text.width() > 0 && text.height() > 0) {
        painter.setPen(look == 1 ? foreColor : stateColor);
        painter.setFont(font());
        painter.drawText(text.toQRect(), VsNetButLayout::qtTextFlags(lay.textFlags), m_caption);
    }

    const QColor sepColor = ResolveColor(m_sepForeColor);
    // 4. Separator: one line down the middle, its end point left out.
    if (lay.separator) {
        const PixelRect& line = lay.pictureRect;
        if (line.bottom > line.top)
            painter.fillRect(QRect(line.left, line.top, 1, line.bottom - line.top), sepColor);
    }
    // 5. Main separator: a band of horizontal lines. A spacing of 0 would divide by zero; it
    // draws every row, as 1 does.
    if (lay.mainSeparator) {
        const PixelRect& band = lay.pictureRect;
        const int spacing = m_mainSepLineBetweenSpace == 0 ? 1 : m_mainSepLineBetweenSpace;
        for (int y = band.top; y <= band.bottom; ++y) {
            if (y % spacing == 0 && band.width() > 0)
                painter.fillRect(QRect(band.left, y, band.width(), 1), sepColor);
        }
    }
    // 6. Drop-down part.
    if (lay.dropDown) {
        DrawDropDownArrow(painter, look == 0 ? stateColor : foreColor);
        if (look != 0)
            frameRect(painter, lay.dropDownPart, edgeColor);
    }
    // 7. Glyph.
    if (lay.style4)
        DrawChevronGlyph(painter, look == 0 ? stateColor : foreColor);

    // 8. Focus rectangle.
    if (m_focus && m_showFocusRect) {
        const int d = m_foucsRectOffSet;
        if (m_buttonAppearance == sbUp_Down2003) {
            drawFocusRect(painter, {lay.pictureArea.left + d, lay.pictureArea.top + d,
                                    lay.dropDownPart.left - d, lay.pictureArea.bottom - d});
            drawFocusRect(painter, lay.dropDownPart.inset(d, d, d, d));
        } else {
            drawFocusRect(painter, button.inset(d, d, d, d));
        }
    }

    // 9. Edge.
    if (separatorStyle)
        return;
    if (look != 0) {
        frameRect(painter, button, edgeColor);
    } else if (m_showEdgeOnNoFocus) {
        const QColor color = live ? edgeColor : ResolveColor(m_shadowColor);
        if (m_buttonAppearance == sbUp_Down2003)
            frameRect(painter, lay.dropDownPart, color);
        frameRect(painter, button, color);
    }
}

void VsNetBut::DrawButtonPicture(QPainter& painter, const QPixmap& picture, int x, int y, bool silhouette)
{
    if (!silhouette) {
        painter.drawPixmap(x, y, picture);
        return;
    }
    QColor color;
    if (m_check && m_office2003Style)
        color = QColor(164, 73, 39);
    else if (!m_office2003Style)
        color = QColor(129, 129, 156);
    else
        color = ResolveColor(m_shadowColor);
    // The picture's shape, every opaque pixel in the one colour.
    QImage shape = picture.toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied);
    QPainter shapePainter(&shape);
    shapePainter.setCompositionMode(QPainter::CompositionMode_SourceIn);
    shapePainter.fillRect(shape.rect(), color);
    shapePainter.end();
    painter.drawImage(x, y, shape);
}

void VsNetBut::DrawDropDownArrow(QPainter& painter, const QColor& color)
{
    const PixelRect& r = m_layout.arrowRect;
    const int cx = r.left + r.width() / 2;
    const int cy = r.top + r.height() / 2;
    // A downward triangle 5, 3 and 1 pixels wide.
    for (int dx = -2; dx <= 2; ++dx)
        setPixel(painter, cx + dx, cy - 1, color);
    for (int dx = -1; dx <= 1; ++dx)
        setPixel(painter, cx + dx, cy, color);
    setPixel(painter, cx, cy + 1, color);
}

void VsNetBut::DrawChevronGlyph(QPainter& painter, const QColor& color)
{
    const PixelRect& r = m_layout.captionTextRect;
    // Two chevrons pointing right.
    static constexpr int points[][2] = {{0, 0}, {1, 0}, {1, 1}, {2, 1}, {2, 2}, {3, 2}, {1, 3},
                                        {2, 3}, {0, 4}, {1, 4}, {4, 0}, {5, 0}, {5, 1}, {6, 1},
                                        {6, 2}, {7, 2}, {5, 3}, {6, 3}, {4, 4}, {5, 4}};
    for (const auto& p : points)
        setPixel(painter, r.left + p[0], r.top + p[1], color);
    // And a small triangle pointing down beneath them.
    const QPolygon triangle(
        {QPoint(r.left + 1, r.bottom - 3), QPoint(r.right - 1, r.bottom - 3), QPoint(r.left + 4, r.bottom)});
    painter.save();
    painter.setPen(Qt::NoPen);
    painter.setBrush(color);
    painter.drawPolygon(triangle, Qt::OddEvenFill);
    painter.restore();
}

void VsNetBut::drawFocusRect(QPainter& painter, const PixelRect& r)
{
    if (r.width() <= 0 || r.height() <= 0)
        return;
    // A dotted frame that inverts what lies beneath it, every other pixel.
    painter.save();
    painter.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
    const QColor invert(Qt::white);
    const auto dot = [&](int x, int y) {
        if ((x + y) % 2 == 0)
            setPixel(painter, x, y, invert);
    };
    for (int x = r.left; x < r.right; ++x) {
        dot(x, r.top);
        if (r.bottom - 1 > r.top)
            dot(x, r.bottom - 1);
    }
    for (int y = r.top + 1; y < r.bottom - 1; ++y) {
        dot(r.left, y);
        if (r.right - 1 > r.left)
            dot(r.right - 1, y);
    }
    painter.restore();
}
